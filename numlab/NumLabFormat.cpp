#include "numlab/NumLabFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "base/NumberText.h"
#include "platform/controls/DateUtils.h"

namespace qvx::numlab {

namespace {

// The special texts of non-finite values, or empty.
std::string NonFinite(double x)
{
    if (std::isnan(x)) return "NAN";
    if (std::isinf(x)) return x < 0 ? "-INF" : "INF";
    return {};
}

std::string ExponentText(int32_t exponent, bool alwaysSign)
{
    std::string digits = std::to_string(std::abs(exponent));
    while (digits.size() < 3) digits.insert(digits.begin(), '0');
    if (exponent < 0) return "-" + digits;
    return (alwaysSign ? "+" : "") + digits;
}

int64_t Nearest(double x)
{
    return static_cast<int64_t>(std::nearbyint(x));
}

bool InRange(double v, double lo, double hi)
{
    return v >= lo && v <= hi;
}

std::string LastChars(const std::string& s, size_t n)
{
    return s.size() <= n ? s : s.substr(s.size() - n);
}

}  // namespace

double Log10(double X)
{
    return std::log(X) / std::log(10.0);
}

int32_t FloorInt(double X)
{
    if (std::isnan(X)) return 0;
    const double n = std::nearbyint(std::clamp(X, -2147483648.0, 2147483647.0));
    return static_cast<int32_t>(X < n ? n - 1 : n);
}

int32_t Decade(double x)
{
    // ln x / ln 10 lands just below whole numbers at exact powers of ten
    // (1000 gives 2.9999999999999996): correct against the power itself.
    int32_t e = FloorInt(Log10(x));
    if (std::pow(10.0, e + 1) <= x) ++e;
    else if (std::pow(10.0, e) > x) --e;
    return e;
}

std::string FormatGeneral(double x, int32_t significant)
{
    if (std::string special = NonFinite(x); !special.empty()) return special;
    TDecimal d = ToDecimal(x);
    RoundDigits(d, significant);
    if (d.digits.empty()) return "0";
    std::string out;
    if (d.e >= -3 && d.e <= significant) {
        if (d.e <= 0) {
            out = "0." + std::string(size_t(-d.e), '0') + d.digits;
        } else {
            for (int32_t i = 0; i < d.e; ++i) out += i < int32_t(d.digits.size()) ? d.digits[size_t(i)] : '0';
            if (int32_t(d.digits.size()) > d.e) out += "." + d.digits.substr(size_t(d.e));
        }
    } else {
        out = d.digits.substr(0, 1);
        if (d.digits.size() > 1) out += "." + d.digits.substr(1);
        out += "E" + ExponentText(d.e - 1, false);
    }
    if (d.negative) out.insert(out.begin(), '-');
    return out;
}

std::string FormatFixed(double x, int32_t decimals)
{
    if (std::string special = NonFinite(x); !special.empty()) return special;
    std::string text = FixedText(x, decimals);
    const size_t integerDigits = text.find('.') == std::string::npos ? text.size() : text.find('.');
    if (integerDigits - (text[0] == '-' ? 1 : 0) > 18) return FormatGeneral(x, 18);
    return text;
}

std::string FormatExponent(double x, int32_t significant)
{
    if (std::string special = NonFinite(x); !special.empty()) return special;
    TDecimal d = ToDecimal(x);
    RoundDigits(d, significant);
    if (d.digits.empty()) return "0." + std::string(size_t(significant - 1), '0') + "E+000";
    std::string digits = d.digits;
    digits.resize(size_t(significant), '0');
    std::string out = digits.substr(0, 1) + "." + digits.substr(1) + "E" + ExponentText(d.e - 1, true);
    if (d.negative) out.insert(out.begin(), '-');
    return out;
}

std::string Fixed(double x, int32_t w, int32_t d)
{
    std::string out = FormatFixed(x, std::max(d, 0));
    if (int32_t(out.size()) < w) out.insert(out.begin(), size_t(w) - out.size(), ' ');
    return out;
}

std::string FormatEngineering(int32_t Digits, double X)
{
    if (std::string special = NonFinite(X); !special.empty()) return special;
    Digits = std::clamp(Digits, -9, 9);
    int32_t b = std::abs(Digits) >= 2 ? std::abs(Digits) - 1 : 0;
    if (Digits < 0) b = -b;
    if (X == 0) return Fixed(0, 1, std::abs(b));
    const bool negative = X < 0;
    const double x = std::fabs(X);
    const int32_t e = Decade(x);
    const int32_t f = std::clamp(FloorInt(e / 3.0), -6, 4);
    const int32_t d = std::abs(b) + 3 * f - e;
    std::string s = Fixed(x / std::pow(10.0, 3 * f), 1, std::max(d, 0));
    if (f != 0) {
        static const char* const kPrefixes = "afpnum kMGT";
        const char letter = kPrefixes[f + 6];
        const size_t point = s.find('.');
        if (b < 0 && point != std::string::npos) s[point] = letter;
        else s += letter;
    }
    return negative ? "-" + s : s;
}

std::string FormatDegrees(int32_t Kind, int32_t Decimals, double X)
{
    if (std::string special = NonFinite(X); !special.empty()) return special;
    const int32_t a = std::clamp(Decimals, 0, 8);
    const std::string degree = "\xC2\xB0";
    if (Kind <= 0) return Fixed(X, 1, a) + degree;
    const double scale = std::pow(10.0, a);
    auto round = [&](double y) { return std::copysign(std::floor(std::fabs(y) * scale + 0.5), y) / scale; };
    auto snap = [](double y) {
        const double n = std::nearbyint(y);
        return std::fabs(y - n) < 3e-12 ? n : y;
    };
    const double perDegree = Kind == 1 ? 60.0 : 3600.0;
    const double v = snap(round(X * perDegree) / perDegree);
    const double whole = std::trunc(v);
    std::string out = (whole != 0 || v >= 0) ? Fixed(whole, 1, 0) : "-0";
    out += degree + " ";
    const double minutes = (std::fabs(v) - std::trunc(std::fabs(v))) * 60;
    if (Kind == 1) return out + Fixed(minutes, a + 3, a) + "'";
    const double m = snap(minutes);
    return out + Fixed(std::trunc(m), 2, 0) + "' " + Fixed((m - std::trunc(m)) * 60, a + 3, a) + "\"";
}

namespace {

std::string Digits(uint32_t v, int32_t count, unsigned bitsPerDigit, int32_t maxDigits)
{
    count = std::clamp(count, 1, maxDigits);
    std::string out(size_t(count), '0');
    for (int32_t i = count - 1; i >= 0; --i) {
        out[size_t(i)] = char('0' + (v & ((1u << bitsPerDigit) - 1)));
        v >>= bitsPerDigit;
    }
    return out;
}

}  // namespace

std::string FormatOctal(uint32_t V, int32_t Count)
{
    return Digits(V, Count, 3, 11);
}

std::string FormatBits(uint32_t V, int32_t Count)
{
    return Digits(V, Count, 1, 32);
}

std::string RawText(const TRawTextInput& in)
{
    const double v = in.Value;
    const int32_t p = in.Precision;
    const bool in32 = InRange(v, -2147483648.0, 4294967295.0);  // also false for NaN
    switch (in.DisplayType) {
    case TDisplay::dtFloat: return FormatGeneral(v, std::max(p, 2));
    case TDisplay::dtFixP: return FormatFixed(v, p);
    case TDisplay::dtExp: return FormatExponent(v, std::max(p, 2));
    case TDisplay::dtHex: {
        if (!in32) return in.OverflowIndicator;
        static const char* const kHex = "0123456789ABCDEF";
        auto u = static_cast<uint64_t>(Nearest(v));
        std::string hex;
        do {
            hex.insert(hex.begin(), kHex[u & 15]);
            u >>= 4;
        } while (u != 0);
        const size_t a = size_t(std::min(p, 8));
        if (hex.size() < a) hex.insert(hex.begin(), a - hex.size(), '0');
        return LastChars(hex, a);
    }
    case TDisplay::dtZeroInt: {
        if (!InRange(v, -2147483648.0, 2147483647.0)) return in.OverflowIndicator;
        const int64_t n = Nearest(v);
        std::string digits = std::to_string(std::llabs(n));
        if (int32_t(digits.size()) < p) digits.insert(digits.begin(), size_t(p) - digits.size(), '0');
        return n < 0 ? "-" + digits : digits;
    }
    case TDisplay::dtInt:
        if (std::isfinite(v) && std::fabs(v) < 9.2e18) return std::to_string(Nearest(v));
        return FormatFixed(v, 0);
    case TDisplay::dtDateTime: return FormatDateTime(in.DTFormat, v);
    case TDisplay::dtState: return in.StateText;
    case TDisplay::dtBin: {
        if (!in32) return in.OverflowIndicator;
        const int32_t count = std::min(p, 32);
        return LastChars(FormatBits(static_cast<uint32_t>(Nearest(v)), count), size_t(count));
    }
    case TDisplay::dtOct: {
        if (!in32) return in.OverflowIndicator;
        const int32_t count = std::min(p, 12);
        return LastChars(FormatOctal(static_cast<uint32_t>(Nearest(v)), count), size_t(count));
    }
    case TDisplay::dtDeg: return FormatDegrees(0, p, v);
    case TDisplay::dtDegMin: return FormatDegrees(1, p, v);
    case TDisplay::dtDegMinSec: return FormatDegrees(2, p, v);
    case TDisplay::dtEEng: return FormatEngineering(p, v);
    case TDisplay::dtEEngNoDP: return FormatEngineering(-p, v);
    }
    return {};
}

}  // namespace qvx::numlab

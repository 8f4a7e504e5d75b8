#include "base/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace qvx {

TDecimal ToDecimal(double x)
{
    TDecimal d;
    d.negative = std::signbit(x);
    x = std::fabs(x);
    if (x == 0 || !std::isfinite(x)) return d;
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific);
    const std::string text(buf, res.ptr);
    const size_t ePos = text.find('e');
    for (size_t i = 0; i < ePos; ++i)
        if (text[i] != '.') d.digits += text[i];
    d.e = std::atoi(text.c_str() + ePos + 1) + 1;
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

void RoundDigits(TDecimal& d, int32_t keep)
{
    if (int32_t(d.digits.size()) <= keep) return;
    if (keep < 0) {
        d.digits.clear();
        d.e = 0;
        return;
    }
    // keep == 0: the first digit decides between zero and one unit above.
    const bool up = d.digits[size_t(keep)] >= '5';
    d.digits.resize(size_t(keep));
    if (up) {
        int32_t i = keep - 1;
        while (i >= 0 && d.digits[size_t(i)] == '9') d.digits[size_t(i--)] = '0';
        if (i >= 0) {
            ++d.digits[size_t(i)];
        } else {
            d.digits = '1' + d.digits;  // not insert(): GCC 12 warns falsely about overlap
            ++d.e;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    if (d.digits.empty()) d.e = 0;
}

std::string FixedText(double x, int32_t decimals)
{
    TDecimal d = ToDecimal(x);
    if (!d.digits.empty()) RoundDigits(d, d.e + decimals);
    std::string out;
    if (d.e > 0) {
        for (int32_t i = 0; i < d.e; ++i) out += i < int32_t(d.digits.size()) ? d.digits[size_t(i)] : '0';
    } else {
        out.push_back('0');
    }
    if (decimals > 0) {
        out += '.';
        for (int32_t i = 0; i < decimals; ++i) {
            const int32_t index = d.e + i;
            out += index >= 0 && index < int32_t(d.digits.size()) ? d.digits[size_t(index)] : '0';
        }
    }
    if (d.negative && !d.digits.empty()) out.insert(out.begin(), '-');
    return out;
}

}  // namespace qvx

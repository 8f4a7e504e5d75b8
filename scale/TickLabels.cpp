#include "scale/TickLabels.h"

#include <cmath>
#include <cstdlib>

#include "base/NumberText.h"
#include "scale/ScaleMath.h"

namespace qvx::scale {

int32_t AutoDecPlacesLin(int32_t DecPlaces, long double High, long double Low)
{
    if (DecPlaces != -2 && DecPlaces != -3) return DecPlaces;
    const long double d = std::fabs(High - Low);
    if (d >= 1000000 || d <= 0.0001L) return -1;
    if (d >= 100) return 0;
    return int32_t(2 - Round(std::log(d) / 2.5L));
}

int32_t AutoDecPlacesLog(int32_t DecPlaces, long double High, long double Low)
{
    if (DecPlaces != -2) return DecPlaces;
    const long double lo = std::fmin(High, Low), hi = std::fmax(High, Low);
    if (hi - lo >= 1000000 || hi - lo <= 0.0001L) return -1;
    if (lo >= 1) return 0;
    return int32_t(1 - Round(std::log(std::fabs(lo)) / std::log(10.0L)));
}

std::string FormatTickNumber(int32_t MinWidth, int32_t Places, double Value)
{
    std::string text;
    if (Places >= 0) {
        text = FixedText(Value, Places);
    } else {
        TDecimal d = ToDecimal(Value);
        RoundDigits(d, 2);
        const int32_t exponent = d.digits.empty() ? 0 : d.e - 1;
        std::string digits = d.digits.empty() ? "00" : d.digits;
        digits.resize(2, '0');
        std::string expDigits = std::to_string(std::abs(exponent));
        while (expDigits.size() < 4) expDigits.insert(expDigits.begin(), '0');
        text = std::string(d.negative && !d.digits.empty() ? "-" : " ") + digits[0] + "." + digits[1] + "E" +
               (exponent < 0 ? "-" : "+");
        // Four exponent digits, of which the first two go; an exponent that
        // needs them leaves only stars.
        if (expDigits.compare(0, 2, "00") == 0) text += expDigits.substr(2);
        else text = std::string(text.size() + expDigits.size() - 2, '*');
    }
    if (int32_t(text.size()) < MinWidth) text.insert(text.begin(), size_t(MinWidth) - text.size(), ' ');
    return text;
}

std::string UserTickItem(const std::string& Text, int32_t Index)
{
    const int32_t length = int32_t(Text.size());
    int32_t i = 0, start = 1;
    while (Index > 0 && i < length) {
        ++i;
        if (Text[size_t(i - 1)] == '|') {
            --Index;
            if (Index > 0) start = i + 1;
        }
    }
    if (i == length && i > 0 && Text[size_t(i - 1)] != '|') ++i;
    const int32_t count = i - start;
    return count <= 0 ? std::string() : Text.substr(size_t(start - 1), size_t(count));
}

std::string ApplyInscript(const std::string& LabelText, const std::string& Inscript)
{
    if (LabelText.empty()) return {};
    const size_t amp = Inscript.find('&');
    if (amp == std::string::npos) return Inscript + LabelText;
    return Inscript.substr(0, amp) + LabelText + Inscript.substr(amp + 1);
}

}  // namespace qvx::scale

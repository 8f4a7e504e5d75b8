#pragma once
// Number texts of the numeric label, independent of the control: the fifteen
// display types and their helpers. Texts never depend on the locale: the
// separator is "." (the label swaps it for "," when asked).
//
// Decimal rounding works on the shortest decimal text that reads back as the
// same double, with halves away from zero, so 2.675 shows as 2.68 and 1.005
// as 1.01, as a reader of those numbers expects.

#include <cstdint>
#include <string>

namespace qvx {

enum class TDisplay : uint8_t {
    dtFloat, dtFixP, dtExp, dtHex, dtZeroInt, dtInt, dtDateTime, dtState, dtBin, dtOct, dtDeg, dtDegMin,
    dtDegMinSec, dtEEng, dtEEngNoDP
};

namespace numlab {

// What the raw text of a display type depends on.
struct TRawTextInput {
    TDisplay DisplayType = TDisplay::dtFixP;
    double Value = 0;
    int32_t Precision = 2;
    std::string OverflowIndicator = "*********";
    std::string StateText = "undefined";
    std::string DTFormat = "mmm-dd, yyyy";
};

// The text of Value for its display type, before separator swap, plus sign,
// display hook and width check.
std::string RawText(const TRawTextInput& in);

// General notation with `significant` digits (fixed form for exponents -3
// to `significant`, else d.ddE-007 style).
std::string FormatGeneral(double x, int32_t significant);
// Fixed notation with `decimals` decimals; beyond 18 integer digits the
// general form with 18 digits.
std::string FormatFixed(double x, int32_t decimals);
// d.dddE+002 with `significant` digits.
std::string FormatExponent(double x, int32_t significant);
// x rounded to d decimals in fixed notation, blank-filled on the left to at
// least w characters.
std::string Fixed(double x, int32_t w, int32_t d);

// Engineering notation with an SI prefix letter (4.70k; with negative Digits
// the letter takes the point's place: 4k70). Digits is clamped to -9..9.
std::string FormatEngineering(int32_t Digits, double X);
// Angles: Kind 0 degrees, 1 degrees and minutes, 2 degrees, minutes and
// seconds, with Decimals (0..8) on the last part.
std::string FormatDegrees(int32_t Kind, int32_t Decimals, double X);
// The lowest max(Count, 1) octal (at most 11) or binary (at most 32) digits.
std::string FormatOctal(uint32_t V, int32_t Count);
std::string FormatBits(uint32_t V, int32_t Count);

// ln X / ln 10 (X > 0).
double Log10(double X);
// The largest integer not above X, clamped to the 32-bit range.
int32_t FloorInt(double X);
// The decade of x > 0: the e with 10^e <= x < 10^(e+1), exact at powers of ten.
int32_t Decade(double x);

}  // namespace numlab
}  // namespace qvx

#pragma once
// Locale-independent decimal texts shared by the pack's controls. Rounding
// works on the shortest decimal text that reads back as the same double,
// halves away from zero, so 2.675 rounds to 2.68 as a reader expects.

#include <cstdint>
#include <string>

namespace qvx {

// |x| = 0.d1 d2 ... dn x 10^e with d1 != 0 and no trailing zeros; zero has
// no digits and e = 0.
struct TDecimal {
    bool negative = false;
    std::string digits;
    int32_t e = 0;
};

// The decimal form of a finite x.
TDecimal ToDecimal(double x);
// Keeps `keep` significant digits (0 or fewer rounds to zero or to one unit
// of the next place), rounding half away from zero.
void RoundDigits(TDecimal& d, int32_t keep);
// x rounded to `decimals` decimals in fixed notation with "." and "-", no
// blanks and no thousands separators; a value that rounds to zero has no
// minus sign.
std::string FixedText(double x, int32_t decimals);

}  // namespace qvx

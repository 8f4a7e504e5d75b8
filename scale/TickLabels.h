#pragma once
// Texts of numeric tick labels: effective decimals, the number format, the
// user's tick texts and the inscription around a label.

#include <cstdint>
#include <string>

namespace qvx::scale {

// DecPlaces -2 and -3: exponent form (-1) for spans of at least 1e6 or at
// most 1e-4, 0 from 100 on, else 2 - Round(ln(span) / 2.5); others unchanged.
int32_t AutoDecPlacesLin(int32_t DecPlaces, long double High, long double Low);
// DecPlaces -2 only: exponent form for spans of at least 1e6 or at most
// 1e-4, 0 when the smaller bound is at least 1, else 1 - Round(log10(Lo)).
int32_t AutoDecPlacesLog(int32_t DecPlaces, long double High, long double Low);
// Places >= 0: fixed with that many decimals. Places -1: two significant
// digits as " 1.5E+03" / "-2.0E-05" (the sign position is a blank for
// positive numbers), "********" when the exponent needs three digits.
std::string FormatTickNumber(int32_t MinWidth, int32_t Places, double Value);
// The Index-th piece (1-based) of Text between vertical bars; beyond the
// last piece the last one again (empty after a trailing bar).
std::string UserTickItem(const std::string& Text, int32_t Index);
// Inscript with its first "&" replaced by LabelText, or Inscript + LabelText;
// an empty label stays empty.
std::string ApplyInscript(const std::string& LabelText, const std::string& Inscript);

}  // namespace qvx::scale

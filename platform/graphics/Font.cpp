#include "platform/graphics/Font.h"

#include <cstdlib>

namespace qvx {

int32_t MulDiv(int32_t a, int32_t b, int32_t c)
{
    if (c == 0) return 0;
    const int64_t num = int64_t(a) * b;
    const int64_t den = c;
    const int64_t q = (2 * std::llabs(num) + std::llabs(den)) / (2 * std::llabs(den));
    const bool negative = (num < 0) != (den < 0);
    const int64_t r = negative ? -q : q;
    if (r > INT32_MAX) return INT32_MAX;
    if (r < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(r);
}

void TFont::SetName(const std::string& value)
{
    Store(FName, value);
}

void TFont::SetHeight(int32_t value)
{
    Store(FHeight, value);
}

void TFont::SetStyle(TFontStyles value)
{
    Store(FStyle, value);
}

void TFont::SetColor(TColor value)
{
    Store(FColor, value);
}

void TFont::SetPixelsPerInch(int32_t value)
{
    // A resolution of zero or below would make Size meaningless; keep the old one.
    if (value <= 0 || value == FPixelsPerInch) return;
    FPixelsPerInch = value;
    Changed();
}

void TFont::Assign(const TPersistent* Source)
{
    if (const auto* font = dynamic_cast<const TFont*>(Source)) {
        if (font == this) return;
        FName = font->FName;
        FHeight = font->FHeight;
        FStyle = font->FStyle;
        FColor = font->FColor;
        FPixelsPerInch = font->FPixelsPerInch;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

}  // namespace qvx

#pragma once
// The canvas font. Height < 0 asks for a character (em) height of -Height
// pixels; Height > 0 asks for a cell height (ascent + descent) of Height
// pixels; 0 means the default height. Size is in points at PixelsPerInch:
//     Height = -MulDiv(Size, PixelsPerInch, 72),  Size = -MulDiv(Height, 72, PixelsPerInch)
// where MulDiv rounds halves away from zero; Size 8 at 96 dpi is Height -11.

#include <cstdint>
#include <string>

#include "platform/graphics/Color.h"
#include "platform/graphics/GraphicsObject.h"

namespace qvx {

enum class TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };

// A set of TFontStyle values.
class TFontStyles {
public:
    constexpr TFontStyles() = default;
    constexpr TFontStyles(std::initializer_list<TFontStyle> styles)
    {
        for (TFontStyle s : styles) FBits |= Bit(s);
    }
    constexpr bool Contains(TFontStyle s) const { return (FBits & Bit(s)) != 0; }
    constexpr TFontStyles& Include(TFontStyle s) { FBits |= Bit(s); return *this; }
    constexpr TFontStyles& Exclude(TFontStyle s) { FBits &= static_cast<uint8_t>(~Bit(s)); return *this; }
    constexpr bool Empty() const { return FBits == 0; }
    friend constexpr bool operator==(TFontStyles, TFontStyles) = default;

private:
    static constexpr uint8_t Bit(TFontStyle s) { return static_cast<uint8_t>(1u << static_cast<unsigned>(s)); }
    uint8_t FBits = 0;
};

// a * b / c rounded to the nearest integer, halves away from zero; 0 when c is 0.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);

class TFont : public TGraphicsObject {
public:
    static constexpr int32_t DefaultPixelsPerInch = 96;
    static constexpr int32_t DefaultHeight = -11;  // 8 points at 96 dpi

    std::string ClassName() const override { return "TFont"; }

    const std::string& Name() const { return FName; }
    void SetName(const std::string& value);
    int32_t Height() const { return FHeight; }
    void SetHeight(int32_t value);
    int32_t Size() const { return -MulDiv(FHeight, 72, FPixelsPerInch); }
    void SetSize(int32_t value) { SetHeight(-MulDiv(value, FPixelsPerInch, 72)); }
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    int32_t PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int32_t value);

    void Assign(const TPersistent* Source) override;

private:
    std::string FName = "MS Sans Serif";
    int32_t FHeight = DefaultHeight;
    TFontStyles FStyle;
    TColor FColor = clWindowText;
    int32_t FPixelsPerInch = DefaultPixelsPerInch;
};

}  // namespace qvx

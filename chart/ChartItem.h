#pragma once
// TkxChartItem: one drawing primitive of the chart, a fixed-size record
// without owned resources. It is handed to OnBeforeRenderChartItem by
// reference, so its field order and widths are part of the chart's
// interface: fields keep their natural alignment (no packing).

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/graphics/Color.h"
#include "platform/graphics/Pen.h"

namespace qvx {

// Item kinds, the values of TkxChartItem::Kind. 0, 10 and 11 draw nothing;
// a kind above 24 draws nothing either.
inline constexpr uint8_t ikMark = 1;
inline constexpr uint8_t ikLine = 2;
inline constexpr uint8_t ikDrawTo = 3;
inline constexpr uint8_t ikRectangle = 4;
inline constexpr uint8_t ikBevelBox = 5;
inline constexpr uint8_t ikBar3D = 6;
inline constexpr uint8_t ikText = 7;
inline constexpr uint8_t ikMoveTo = 8;
inline constexpr uint8_t ikEllipse = 9;
inline constexpr uint8_t ikMoveRel = 12;
inline constexpr uint8_t ikDrawRel = 13;
inline constexpr uint8_t ikArrow = 14;
inline constexpr uint8_t ikDoubleArrow = 15;
inline constexpr uint8_t ikTextOffset = 16;
inline constexpr uint8_t ikBox = 17;
inline constexpr uint8_t ikErrorBar = 18;
inline constexpr uint8_t ikLineOffset = 19;
inline constexpr uint8_t ikArc = 20;
inline constexpr uint8_t ikVector = 21;
inline constexpr uint8_t ikVertLine = 22;
inline constexpr uint8_t ikHorzLine = 23;
inline constexpr uint8_t ikCross = 24;

// Bytes of text an item holds itself; longer texts live in a TLongTextArray.
inline constexpr size_t kAuxTextMax = 17;

struct TkxChartItem {
    double X1;           // first point (world units of Layer, or pixels per PosMode)
    double Y1;
    double X2;           // second point
    double Y2;
    TColor Color;        // pen colour
    TColor FillColor;    // brush colour
    int32_t AuxInt1;
    int32_t AuxInt2;
    TPenStyle PenStyle;
    int32_t LineWidth;   // pen width [pixels]; the text kinds read a long-text index here
    uint8_t ItemClass;   // 0..254, the application's own classification
    uint8_t Kind;        // ik* above
    int32_t Layer;       // 1..16
    uint8_t AuxFlag;
    uint8_t AuxStyle;
    uint8_t AuxText[kAuxTextMax + 1];  // length byte, then up to 17 bytes; see GetAuxText
    int32_t AuxInt3;
    int32_t AuxInt4;
    int32_t AuxByte;     // only the low byte is meaningful
    uint8_t PosMode;     // 0: both points are world coordinates of Layer
};

static_assert(std::is_trivially_copyable_v<TkxChartItem>, "items are copied bytewise");
static_assert(std::is_standard_layout_v<TkxChartItem>, "offsetof and bytewise copies need standard layout");
static_assert(sizeof(TColor) == 4 && sizeof(TPenStyle) == 1, "Color is an Int32 and PenStyle a Byte");
static_assert(offsetof(TkxChartItem, X1) < offsetof(TkxChartItem, Y1) &&
              offsetof(TkxChartItem, Y1) < offsetof(TkxChartItem, X2) &&
              offsetof(TkxChartItem, X2) < offsetof(TkxChartItem, Y2) &&
              offsetof(TkxChartItem, Y2) < offsetof(TkxChartItem, Color) &&
              offsetof(TkxChartItem, Color) < offsetof(TkxChartItem, FillColor) &&
              offsetof(TkxChartItem, FillColor) < offsetof(TkxChartItem, AuxInt1) &&
              offsetof(TkxChartItem, AuxInt1) < offsetof(TkxChartItem, AuxInt2) &&
              offsetof(TkxChartItem, AuxInt2) < offsetof(TkxChartItem, PenStyle) &&
              offsetof(TkxChartItem, PenStyle) < offsetof(TkxChartItem, LineWidth) &&
              offsetof(TkxChartItem, LineWidth) < offsetof(TkxChartItem, ItemClass) &&
              offsetof(TkxChartItem, ItemClass) < offsetof(TkxChartItem, Kind) &&
              offsetof(TkxChartItem, Kind) < offsetof(TkxChartItem, Layer) &&
              offsetof(TkxChartItem, Layer) < offsetof(TkxChartItem, AuxFlag) &&
              offsetof(TkxChartItem, AuxFlag) < offsetof(TkxChartItem, AuxStyle) &&
              offsetof(TkxChartItem, AuxStyle) < offsetof(TkxChartItem, AuxText) &&
              offsetof(TkxChartItem, AuxText) < offsetof(TkxChartItem, AuxInt3) &&
              offsetof(TkxChartItem, AuxInt3) < offsetof(TkxChartItem, AuxInt4) &&
              offsetof(TkxChartItem, AuxInt4) < offsetof(TkxChartItem, AuxByte) &&
              offsetof(TkxChartItem, AuxByte) < offsetof(TkxChartItem, PosMode),
              "TkxChartItem fields must stay in their published order");

// The item's short text. A length byte above 17 (a handler may write any
// byte) reads as 17.
inline std::string GetAuxText(const TkxChartItem& item)
{
    const size_t length = item.AuxText[0] < kAuxTextMax ? item.AuxText[0] : kAuxTextMax;
    return std::string(reinterpret_cast<const char*>(item.AuxText + 1), length);
}

// Stores at most 17 bytes of text; a longer text is cut before the UTF-8
// sequence that would not fit whole, so the stored text stays valid UTF-8.
// Unused bytes are zeroed to keep bytewise comparisons of items meaningful.
inline void SetAuxText(TkxChartItem& item, std::string_view text)
{
    size_t length = text.size();
    if (length > kAuxTextMax) {
        length = kAuxTextMax;
        while (length > 0 && (static_cast<uint8_t>(text[length]) & 0xC0) == 0x80) --length;
    }
    std::memset(item.AuxText, 0, sizeof item.AuxText);
    item.AuxText[0] = static_cast<uint8_t>(length);
    std::memcpy(item.AuxText + 1, text.data(), length);
}

// Long texts of the text kinds. The chart numbers them 1..50: text n is
// element n - 1.
using TLongTextArray = std::array<std::string, 50>;

}  // namespace qvx

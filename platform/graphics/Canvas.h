#pragma once
// TCanvas: the immediate-mode drawing surface of bitmaps and controls, with
// the classic pixel rules:
//  - LineTo and Polyline leave out the end pixel of each segment; the same
//    pixels light in either direction apart from the omitted end.
//  - Rectangle and Ellipse exclude the right and bottom edge; the outline is
//    drawn with the pen, the interior filled with the brush unless it is clear.
//  - Styled pens (one pixel wide) paint their gaps in the brush colour when
//    the brush is solid and leave them alone when it is clear; wider styled
//    pens draw solid. Wide pens draw round-capped, round-joined bands.
//  - Pen modes combine the pen colour with the destination bitwise (the
//    alpha byte stays opaque); text ignores them.
//  - Text is placed by its top-left cell corner unless SetTextAlign says
//    otherwise; a solid brush fills the text cell first.
//  - Nothing is ever written outside the target or the clip rectangle.
// Ellipse and Arc boxes are limited to +-65536 device pixels and pen widths
// to 65536 pixels; larger values are clamped before rasterising.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "platform/core/Object.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Pen.h"
#include "platform/graphics/PixelBuffer.h"
#include "platform/graphics/Raster_p.h"
#include "platform/graphics/Types.h"

namespace qvx {

class TBitmap;
class TRealisedFont;

// Ternary raster operations of Draw/StretchDraw (source S, destination D,
// brush P), numbered as the classic platform numbers them.
using TCopyMode = int32_t;
constexpr TCopyMode cmBlackness = 0x00000042;
constexpr TCopyMode cmDstInvert = 0x00550009;
constexpr TCopyMode cmMergeCopy = 0x00C000CA;
constexpr TCopyMode cmMergePaint = 0x00BB0226;
constexpr TCopyMode cmNotSrcCopy = 0x00330008;
constexpr TCopyMode cmNotSrcErase = 0x001100A6;
constexpr TCopyMode cmPatCopy = 0x00F00021;
constexpr TCopyMode cmPatInvert = 0x005A0049;
constexpr TCopyMode cmPatPaint = 0x00FB0A09;
constexpr TCopyMode cmSrcAnd = 0x008800C6;
constexpr TCopyMode cmSrcCopy = 0x00CC0020;
constexpr TCopyMode cmSrcErase = 0x00440328;
constexpr TCopyMode cmSrcInvert = 0x00660046;
constexpr TCopyMode cmSrcPaint = 0x00EE0086;
constexpr TCopyMode cmWhiteness = 0x00FF0062;

// Text alignment flags (combine one horizontal and one vertical value).
constexpr uint32_t TA_LEFT = 0;
constexpr uint32_t TA_RIGHT = 2;
constexpr uint32_t TA_CENTER = 6;
constexpr uint32_t TA_TOP = 0;
constexpr uint32_t TA_BOTTOM = 8;
constexpr uint32_t TA_BASELINE = 24;

// Colour Pixels() reports outside the surface.
constexpr TColor CLR_INVALID = -1;

class TCanvas : public TPersistent {
public:
    TCanvas();
    explicit TCanvas(TPixelBuffer* target);
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    ~TCanvas() override;

    std::string ClassName() const override { return "TCanvas"; }

    // The surface drawn on; nullptr makes every drawing call a no-op.
    void SetTarget(TPixelBuffer* target) { FTarget = target; }
    TPixelBuffer* Target() const { return FTarget; }

    TPen* Pen() { return &FPen; }
    TBrush* Brush() { return &FBrush; }
    TFont* Font() { return &FFont; }
    void SetPen(const TPen* value) { FPen.Assign(value); }
    void SetBrush(const TBrush* value) { FBrush.Assign(value); }
    void SetFont(const TFont* value) { FFont.Assign(value); }

    TPoint PenPos() const { return FPenPos; }
    void SetPenPos(TPoint value) { FPenPos = value; }
    TCopyMode CopyMode() const { return FCopyMode; }
    void SetCopyMode(TCopyMode value) { FCopyMode = value; }
    uint32_t TextAlign() const { return FTextAlign; }
    void SetTextAlign(uint32_t flags) { FTextAlign = flags; }

    // Logical (0, 0) lands on device pixel Origin; used by window-less
    // controls that paint into their parent's surface.
    TPoint Origin() const { return FOrigin; }
    void SetOrigin(TPoint value) { FOrigin = value; }
    // Drawing is limited to this rectangle (logical coordinates) and to the
    // surface. By default the whole surface.
    void SetClipRect(const TRect& logical);
    void ResetClipRect() { FHasClip = false; }
    TRect ClipRect() const;

    void MoveTo(int32_t X, int32_t Y) { FPenPos = {X, Y}; }
    void LineTo(int32_t X, int32_t Y);
    void Polyline(std::span<const TPoint> points);
    void Polygon(std::span<const TPoint> points);
    void Rectangle(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void Ellipse(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    // Counter-clockwise arc of the ellipse in (X1, Y1, X2, Y2) from the ray
    // through (X3, Y3) to the ray through (X4, Y4), both from the box centre.
    void Arc(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3, int32_t X4, int32_t Y4);
    void FillRect(const TRect& r);

    TColor Pixels(int32_t X, int32_t Y) const;
    void SetPixels(int32_t X, int32_t Y, TColor value);

    void TextOut(int32_t X, int32_t Y, std::string_view text);
    void TextRect(const TRect& r, int32_t X, int32_t Y, std::string_view text);
    int32_t TextWidth(std::string_view text);
    int32_t TextHeight(std::string_view text);
    TSize TextExtent(std::string_view text);

    void Draw(int32_t X, int32_t Y, const TBitmap& source);
    void StretchDraw(const TRect& r, const TBitmap& source);

private:
    raster::TTarget MakeTarget() const;
    raster::TDevPoint Dev(int32_t x, int32_t y) const;
    void RealisePen();
    TRealisedFont& RealisedFont();
    int64_t DeviceWidth() const;  // pen width in device pixels, 1 for cosmetic pens
    bool CosmeticPen() const;
    bool PenVisible() const { return FPen.Style() != TPenStyle::psClear; }
    raster::TStroke MakeStroke(raster::TDash& dash, raster::TRop2& gap);
    void StrokePath(std::span<const raster::TDevPoint> path, bool closed);
    void StrokePixels(std::span<const raster::TDevPoint> pixels);
    void StrokeWide(std::span<const raster::TDevPoint> path, bool closed);
    void PaintMask(const raster::TMask& mask, const raster::TRop2& op);
    raster::TRop2 BrushOp() const;
    void FillDeviceRect(raster::TDeviceRect r, const raster::TRop2& op);
    raster::TDeviceRect InsideFrameBox(raster::TDeviceRect box) const;
    void RectangleDevice(raster::TDeviceRect box);
    void EllipseOrArc(raster::TDeviceRect box, bool arc, raster::TDevPoint start, raster::TDevPoint end);

    TPixelBuffer* FTarget = nullptr;
    TPen FPen;
    TBrush FBrush;
    TFont FFont;
    TPoint FPenPos;
    TPoint FOrigin;
    TRect FClip;
    bool FHasClip = false;
    TCopyMode FCopyMode = cmSrcCopy;
    uint32_t FTextAlign = TA_LEFT | TA_TOP;

    // Pen state resolved for the rasteriser; rebuilt after any pen change.
    bool FPenDirty = true;
    bool FPenSimple = false;  // one pixel, solid, copy: the fast line path
    TPixel FPenFast = 0;  // what the fast path writes (the pen mode folded in)
    raster::TRop2 FPenRop;
    TRealisedFont* FRealised = nullptr;
    raster::TMask FMask;
    raster::TMask FMask2;
    std::vector<raster::TDevPoint> FScratch;
    std::vector<raster::TDevPoint> FOutline;
};

}  // namespace qvx

// TCanvas text: placement by the text alignment flags, the opaque text cell,
// grey-scale glyph blending in the font colour, underline and strike-out.
// Text ignores the pen mode.

#include <algorithm>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/FontEngine.h"

namespace qvx {

namespace {

// dst + (src - dst) * coverage / 255 per channel, rounded.
inline TPixel Blend(TPixel dst, TPixel src, uint32_t coverage)
{
    if (coverage == 255) return src;
    const uint32_t inv = 255 - coverage;
    auto channel = [&](int shift) {
        const uint32_t v = ((src >> shift) & 0xFF) * coverage + ((dst >> shift) & 0xFF) * inv + 128;
        return ((v + (v >> 8)) >> 8) << shift;
    };
    return 0xFF000000u | channel(16) | channel(8) | channel(0);
}

}  // namespace

TRealisedFont& TCanvas::RealisedFont()
{
    if (FRealised == nullptr) {
        TFontRequest request;
        request.Name = FFont.Name();
        request.Height = FFont.Height();
        request.Bold = FFont.Style().Contains(TFontStyle::fsBold);
        request.Italic = FFont.Style().Contains(TFontStyle::fsItalic);
        FRealised = &TFontEngine::Instance().Realise(request);
    }
    return *FRealised;
}

int32_t TCanvas::TextWidth(std::string_view text)
{
    return RealisedFont().TextWidth(text);
}

int32_t TCanvas::TextHeight(std::string_view)
{
    return RealisedFont().Metrics().Height;
}

TSize TCanvas::TextExtent(std::string_view text)
{
    return {TextWidth(text), TextHeight(text)};
}

namespace {

struct TextPlacement {
    int64_t left, top, width;
};

TextPlacement Place(uint32_t align, int64_t x, int64_t y, int64_t width, const TTextMetrics& m)
{
    TextPlacement p{x, y, width};
    if ((align & TA_CENTER) == TA_CENTER) p.left = x - width / 2;
    else if ((align & TA_RIGHT) == TA_RIGHT) p.left = x - width;
    if ((align & TA_BASELINE) == TA_BASELINE) p.top = y - m.Ascent;
    else if ((align & TA_BOTTOM) == TA_BOTTOM) p.top = y - m.Height;
    return p;
}

void DrawGlyphs(const raster::TTarget& t, TRealisedFont& font, std::string_view text, int64_t left, int64_t baseline,
                TPixel colour)
{
    font.ForEachGlyph(text, [&](const TGlyphImage& g, int32_t penX) {
        const int64_t gx = left + penX + g.Left;
        const int64_t gy = baseline - g.Top;
        const int64_t x0 = std::max(gx, t.clip.left), x1 = std::min(gx + g.Width, t.clip.right);
        const int64_t y0 = std::max(gy, t.clip.top), y1 = std::min(gy + g.Rows, t.clip.bottom);
        for (int64_t y = y0; y < y1; ++y) {
            const uint8_t* cov = g.Coverage + (y - gy) * g.Pitch;
            TPixel* row = t.At(0, y);
            for (int64_t x = x0; x < x1; ++x) {
                const uint8_t c = cov[x - gx];
                if (c != 0) row[x] = Blend(row[x], colour, c);
            }
        }
    });
}

void FillRows(const raster::TTarget& t, int64_t l, int64_t top, int64_t r, int64_t bottom, TPixel colour)
{
    l = std::max(l, t.clip.left);
    r = std::min(r, t.clip.right);
    top = std::max(top, t.clip.top);
    bottom = std::min(bottom, t.clip.bottom);
    for (int64_t y = top; y < bottom && l < r; ++y) std::fill(t.At(l, y), t.At(r, y), colour);
}

void DrawText(const raster::TTarget& t, TRealisedFont& font, const TFont& attrs, const TextPlacement& p,
              std::string_view text)
{
    const TTextMetrics& m = font.Metrics();
    const TPixel colour = ColorToPixel(attrs.Color());
    const int64_t baseline = p.top + m.Ascent;
    DrawGlyphs(t, font, text, p.left, baseline, colour);
    if (attrs.Style().Contains(TFontStyle::fsUnderline)) {
        const int64_t top = baseline + m.UnderlineTop;
        FillRows(t, p.left, top, p.left + p.width, top + m.UnderlineThickness, colour);
    }
    if (attrs.Style().Contains(TFontStyle::fsStrikeOut)) {
        const int64_t top = baseline - m.StrikeOutTop;
        FillRows(t, p.left, top, p.left + p.width, top + m.StrikeOutThickness, colour);
    }
}

}  // namespace

void TCanvas::TextOut(int32_t X, int32_t Y, std::string_view text)
{
    TRealisedFont& font = RealisedFont();
    const int32_t width = font.TextWidth(text);
    if (FTarget != nullptr) {
        const raster::TTarget t = MakeTarget();
        const raster::TDevPoint at = Dev(X, Y);
        const TextPlacement p = Place(FTextAlign, at.x, at.y, width, font.Metrics());
        if (!t.clip.Empty()) {
            if (FBrush.Style() == TBrushStyle::bsSolid)
                FillRows(t, p.left, p.top, p.left + width, p.top + font.Metrics().Height, ColorToPixel(FBrush.Color()));
            DrawText(t, font, FFont, p, text);
        }
    }
    FPenPos = {int32_t(int64_t(X) + width), Y};
}

void TCanvas::TextRect(const TRect& r, int32_t X, int32_t Y, std::string_view text)
{
    if (FTarget == nullptr) return;
    TRealisedFont& font = RealisedFont();
    raster::TTarget t = MakeTarget();
    const raster::TDevPoint a = Dev(r.Left, r.Top), b = Dev(r.Right, r.Bottom);
    t.clip = {std::max(t.clip.left, a.x), std::max(t.clip.top, a.y), std::min(t.clip.right, b.x),
              std::min(t.clip.bottom, b.y)};
    if (t.clip.Empty()) return;
    if (FBrush.Style() == TBrushStyle::bsSolid)
        FillRows(t, t.clip.left, t.clip.top, t.clip.right, t.clip.bottom, ColorToPixel(FBrush.Color()));
    const raster::TDevPoint at = Dev(X, Y);
    DrawText(t, font, FFont, Place(FTextAlign, at.x, at.y, font.TextWidth(text), font.Metrics()), text);
}

}  // namespace qvx

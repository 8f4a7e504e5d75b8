// TCanvas bitmap copies: Draw at natural size and StretchDraw (nearest
// neighbour, sampling each destination pixel's centre), both combining source
// and destination through CopyMode.

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace qvx {

namespace {

// Ternary raster operation: bit (4p + 2s + d) of the code's second byte is
// the result for brush bit p, source bit s and destination bit d.
inline uint32_t Rop3(uint8_t code, uint32_t p, uint32_t s, uint32_t d)
{
    uint32_t r = 0;
    for (int i = 0; i < 8; ++i) {
        if (((code >> i) & 1) == 0) continue;
        r |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
    }
    return 0xFF000000u | (r & 0xFFFFFF);
}

struct Blit {
    TCopyMode mode;
    TPixel brush;

    void Row(TPixel* dst, const TPixel* src, int64_t n) const
    {
        switch (mode) {
        case cmSrcCopy: std::memcpy(dst, src, size_t(n) * sizeof(TPixel)); return;
        case cmSrcAnd:
            for (int64_t i = 0; i < n; ++i) dst[i] = 0xFF000000u | (dst[i] & src[i]);
            return;
        default: {
            const auto code = uint8_t(mode >> 16);
            for (int64_t i = 0; i < n; ++i) dst[i] = Rop3(code, brush, src[i], dst[i]);
        }
        }
    }
};

}  // namespace

void TCanvas::Draw(int32_t X, int32_t Y, const TBitmap& source)
{
    if (FTarget == nullptr || source.Empty()) return;
    const raster::TTarget t = MakeTarget();
    const raster::TDevPoint at = Dev(X, Y);
    const int64_t x0 = std::max(at.x, t.clip.left), x1 = std::min(at.x + source.Width(), t.clip.right);
    const int64_t y0 = std::max(at.y, t.clip.top), y1 = std::min(at.y + source.Height(), t.clip.bottom);
    if (x0 >= x1 || y0 >= y1) return;
    const TPixelBuffer* src = &source.Buffer();
    TPixelBuffer copy;
    if (src == FTarget) {  // drawing a bitmap onto itself: read from a snapshot
        copy = *src;
        src = &copy;
    }
    const Blit blit{FCopyMode, ColorToPixel(FBrush.Color())};
    const int64_t width = x1 - x0;
    if (width == t.stride && width == src->Stride() && at.x == 0) {  // whole rows on both sides: one run
        blit.Row(t.At(0, y0), src->Row(int32_t(y0 - at.y)), width * (y1 - y0));
        return;
    }
    for (int64_t y = y0; y < y1; ++y) blit.Row(t.At(x0, y), src->Row(int32_t(y - at.y)) + (x0 - at.x), width);
}

void TCanvas::StretchDraw(const TRect& r, const TBitmap& source)
{
    if (FTarget == nullptr || source.Empty()) return;
    if (r.Width() == source.Width() && r.Height() == source.Height()) {
        Draw(r.Left, r.Top, source);
        return;
    }
    const raster::TTarget t = MakeTarget();
    const raster::TDevPoint a = Dev(r.Left, r.Top), b = Dev(r.Right, r.Bottom);
    const bool mirrorX = b.x < a.x, mirrorY = b.y < a.y;
    const int64_t left = std::min(a.x, b.x), top = std::min(a.y, b.y);
    const int64_t dw = std::max(a.x, b.x) - left, dh = std::max(a.y, b.y) - top;
    const int64_t x0 = std::max(left, t.clip.left), x1 = std::min(left + dw, t.clip.right);
    const int64_t y0 = std::max(top, t.clip.top), y1 = std::min(top + dh, t.clip.bottom);
    if (x0 >= x1 || y0 >= y1) return;
    const int64_t sw = source.Width(), sh = source.Height();
    // Source index of destination index d: floor((d + 1/2) * s / dlen).
    auto sample = [](int64_t d, int64_t s, int64_t dlen, bool mirror) {
        const int64_t i = static_cast<int64_t>(((__int128)(2 * d + 1) * s) / (2 * dlen));
        return mirror ? s - 1 - i : i;
    };
    TPixelBuffer copy;
    const TPixelBuffer* src = &source.Buffer();
    if (src == FTarget) {
        copy = *src;
        src = &copy;
    }
    std::vector<TPixel> row(size_t(x1 - x0));
    std::vector<int64_t> columns(size_t(x1 - x0));
    for (int64_t x = x0; x < x1; ++x) columns[size_t(x - x0)] = sample(x - left, sw, dw, mirrorX);
    const Blit blit{FCopyMode, ColorToPixel(FBrush.Color())};
    for (int64_t y = y0; y < y1; ++y) {
        const TPixel* srcRow = src->Row(int32_t(sample(y - top, sh, dh, mirrorY)));
        for (size_t i = 0; i < row.size(); ++i) row[i] = srcRow[columns[i]];
        blit.Row(t.At(x0, y), row.data(), x1 - x0);
    }
}

}  // namespace qvx

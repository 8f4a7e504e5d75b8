#pragma once
// An owned 32-bit BGRA pixel raster: the surface a canvas draws on. Bitmaps
// and control surfaces each own one.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/graphics/Color.h"

namespace qvx {

class TPixelBuffer {
public:
    // Largest surface in pixels (1 GiB of BGRA); larger requests raise
    // EOutOfResources and leave the buffer unchanged.
    static constexpr int64_t MaxPixels = int64_t(1) << 28;

    int32_t Width() const { return FWidth; }
    int32_t Height() const { return FHeight; }
    // Row pitch in pixels.
    int32_t Stride() const { return FWidth; }
    TPixel* Bits() { return FPixels.data(); }
    const TPixel* Bits() const { return FPixels.data(); }
    TPixel* Row(int32_t y) { return FPixels.data() + size_t(y) * size_t(FWidth); }
    const TPixel* Row(int32_t y) const { return FPixels.data() + size_t(y) * size_t(FWidth); }

    // New size; the overlapping top-left area keeps its pixels, new area
    // takes `fill`. Negative sizes count as 0.
    void Resize(int32_t width, int32_t height, TPixel fill);
    void Fill(TPixel value);

private:
    std::vector<TPixel> FPixels;
    int32_t FWidth = 0;
    int32_t FHeight = 0;
};

}  // namespace qvx

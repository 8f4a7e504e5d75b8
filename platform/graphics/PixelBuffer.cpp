#include "platform/graphics/PixelBuffer.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/core/Exceptions.h"
#include "platform/graphics/PixelKernels.h"

namespace qvx {

void TPixelBuffer::Resize(int32_t width, int32_t height, TPixel fill)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == FWidth && height == FHeight) return;
    if (int64_t(width) * height > MaxPixels) {
        throw EOutOfResources("Bitmap of " + std::to_string(width) + " x " + std::to_string(height) +
                              " pixels is too large");
    }
    std::vector<TPixel> pixels(size_t(width) * size_t(height), fill);
    const int32_t keepW = std::min(width, FWidth);
    const int32_t keepH = std::min(height, FHeight);
    for (int32_t y = 0; keepW > 0 && y < keepH; ++y) {
        std::memcpy(pixels.data() + size_t(y) * size_t(width), Row(y), size_t(keepW) * sizeof(TPixel));
    }
    FPixels.swap(pixels);
    FWidth = width;
    FHeight = height;
}

void TPixelBuffer::Fill(TPixel value)
{
    kernels::FillPixels(FPixels.data(), FPixels.size(), value);
}

}  // namespace qvx

#include "platform/graphics/PixelKernels.h"

namespace qvx::kernels {

__attribute__((target_clones("avx512f", "avx2", "default")))
void FillPixels(TPixel* dst, size_t count, TPixel value)
{
    for (size_t i = 0; i < count; ++i) dst[i] = value;
}

}  // namespace qvx::kernels

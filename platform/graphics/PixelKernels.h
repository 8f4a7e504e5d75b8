#pragma once
// Bulk pixel loops shared by the canvas and the bitmaps. They are compiled
// for several instruction sets and picked at load time, because a surface
// clear has to keep pace with memset.

#include <cstddef>

#include "platform/graphics/Color.h"

namespace qvx::kernels {

void FillPixels(TPixel* dst, size_t count, TPixel value);

}  // namespace qvx::kernels

#include "platform/graphics/Bitmap.h"

#include <algorithm>
#include <cstring>

namespace qvx {

TBitmap::TBitmap() : FCanvas(&FBuffer) {}

TBitmap::TBitmap(int32_t width, int32_t height) : TBitmap()
{
    SetSize(width, height);
}

void TBitmap::SetSize(int32_t width, int32_t height)
{
    FBuffer.Resize(width, height, ColorToPixel(clWhite));
}

void TBitmap::Assign(const TPersistent* Source)
{
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(Source)) {
        if (bitmap == this) return;
        FBuffer = bitmap->FBuffer;
        FPixelFormat = bitmap->FPixelFormat;
        return;
    }
    TPersistent::Assign(Source);
}

}  // namespace qvx

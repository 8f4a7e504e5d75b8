#include "platform/controls/BitBtn.h"

#include "platform/controls/Application.h"

namespace qvx {

TBitBtn::TBitBtn(TComponent* AOwner) : TWinControl(AOwner)
{
    SetBounds(0, 0, 75, 25);
}

void TBitBtn::SetGlyph(const TBitmap* value)
{
    FGlyph.Assign(value);
    PlacementChanged();
}

std::vector<uint32_t> TBitBtn::GlyphARGB() const
{
    std::vector<uint32_t> out;
    const TPixelBuffer& b = FGlyph.Buffer();
    if (b.Width() == 0 || b.Height() == 0) return out;
    const TPixel transparent = b.Row(b.Height() - 1)[0] | 0xFF000000u;
    out.reserve(size_t(b.Width()) * size_t(b.Height()));
    for (int32_t y = 0; y < b.Height(); ++y) {
        for (int32_t x = 0; x < b.Width(); ++x) {
            const TPixel p = b.Row(y)[x] | 0xFF000000u;
            out.push_back(p == transparent ? 0u : p);
        }
    }
    return out;
}

void TBitBtn::HostClick()
{
    GuardedCall([&] {
        if (Enabled() && Visible()) Click();
    });
}

}  // namespace qvx

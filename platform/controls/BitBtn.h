#pragma once
// TBitBtn: a push button with a caption and a glyph. The host draws it as a
// native button; the glyph's lower-left pixel colour counts as transparent.

#include <cstdint>
#include <vector>

#include "platform/controls/WinControl.h"
#include "platform/graphics/Bitmap.h"

namespace qvx {

class TBitBtn : public TWinControl {
public:
    explicit TBitBtn(TComponent* AOwner);
    std::string ClassName() const override { return "TBitBtn"; }

    TBitmap* Glyph() { return &FGlyph; }
    // Copies the picture; the button keeps its own bitmap.
    void SetGlyph(const TBitmap* value);

    // The glyph as 0xAARRGGBB words with the transparent colour cleared to
    // alpha 0, row by row; empty when there is no glyph.
    std::vector<uint32_t> GlyphARGB() const;

    // Host entry point: the native button was clicked.
    void HostClick();

private:
    TBitmap FGlyph;
};

}  // namespace qvx

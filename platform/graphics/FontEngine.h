#pragma once
// Text rasterisation for the canvas: fontconfig maps a font request to an
// installed face, FreeType renders grey-scale glyphs, and every rendered glyph
// is cached per face, pixel size and glyph index. The canvas blends the
// coverage maps itself; this module never touches a pixel buffer.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace qvx {

// What a TFont asks for, reduced to what selects glyph shapes.
struct TFontRequest {
    std::string Name;      // family name, e.g. "MS Sans Serif"; unknown names fall back to a sans face
    // < 0 em height, > 0 cell height, 0 default (see Font.h). The em actually
    // used is clamped to 1..2048 pixels; a cell height smaller than the cell of
    // a 1-pixel em gets that 1-pixel em.
    int32_t Height = -11;
    bool Bold = false;
    bool Italic = false;
    friend bool operator==(const TFontRequest&, const TFontRequest&) = default;
};

// Metrics of one realised font, in whole pixels.
struct TTextMetrics {
    int32_t Ascent = 0;           // baseline to top of the cell
    int32_t Descent = 0;          // baseline to bottom of the cell
    int32_t Height = 0;           // Ascent + Descent: what TextHeight reports
    int32_t InternalLeading = 0;  // Height minus the em height
    int32_t UnderlineTop = 0;     // rows below the baseline where the underline starts
    int32_t UnderlineThickness = 1;
    int32_t StrikeOutTop = 0;     // rows above the baseline where the strike-out starts
    int32_t StrikeOutThickness = 1;
};

// One rendered glyph: an 8-bit coverage map (0 = none, 255 = full) placed
// relative to the pen position on the baseline.
struct TGlyphImage {
    int32_t Left = 0;     // x of the first column relative to the pen position
    int32_t Top = 0;      // rows from the first row up to the baseline (FreeType's bitmap_top)
    int32_t Width = 0;
    int32_t Rows = 0;
    int32_t Pitch = 0;    // bytes per row of Coverage
    int32_t Advance = 0;  // whole pixels the pen moves after this glyph
    const uint8_t* Coverage = nullptr;
};

// A face at one pixel size. Obtained from TFontEngine; stays valid for the
// life of the engine.
//
// Rendered glyphs live in a bounded cache shared by all fonts of the engine.
// The TGlyphImage a Glyph() call returns stays valid until the next Glyph()
// call on any font of the engine, because that call may drop the whole cache
// to make room. ForEachGlyph honours this: a glyph is only in use during its
// visit call. TextWidth, Metrics and Realise never invalidate glyphs.
class TRealisedFont {
public:
    virtual ~TRealisedFont() = default;
    virtual const TTextMetrics& Metrics() const = 0;
    // Sum of the advances of the text's characters (UTF-8; a byte that is not
    // valid UTF-8 stands for the Latin-1 character of that code).
    virtual int32_t TextWidth(std::string_view text) = 0;
    // Calls visit(glyph, penX) for each character in order, penX being the
    // pen position relative to the start of the text (saturating at INT32_MAX
    // so that enormous strings cannot overflow it).
    template <class Visit>
    void ForEachGlyph(std::string_view text, Visit&& visit);
    // Decodes the next character at text[pos] and advances pos. Past the end
    // it returns U+0000 and leaves pos alone.
    static char32_t NextCodePoint(std::string_view text, size_t& pos);
    virtual const TGlyphImage& Glyph(char32_t codePoint) = 0;
    // File and family of the face actually used, for diagnostics and tests.
    virtual std::string FaceFamily() const = 0;
    virtual std::string FaceFile() const = 0;
};

template <class Visit>
void TRealisedFont::ForEachGlyph(std::string_view text, Visit&& visit)
{
    int32_t penX = 0;
    for (size_t pos = 0; pos < text.size();) {
        const TGlyphImage& glyph = Glyph(NextCodePoint(text, pos));
        visit(glyph, penX);
        penX = penX > INT32_MAX - glyph.Advance ? INT32_MAX : penX + glyph.Advance;
    }
}

// Not thread-safe: the engine, its fonts and their caches are meant for the
// GUI thread only.
class TFontEngine {
public:
    // The process-wide engine (FreeType library, fontconfig, caches).
    static TFontEngine& Instance();
    // The realised font for a request; cached, so repeated calls are cheap.
    // Never fails: when no face can be found at all it raises EInvalidGraphic
    // only if the machine has no usable font installed.
    virtual TRealisedFont& Realise(const TFontRequest& request) = 0;
    virtual ~TFontEngine() = default;
};

}  // namespace qvx

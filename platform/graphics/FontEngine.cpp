#include "platform/graphics/FontEngine.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <map>
#include <tuple>
#include <unordered_map>
#include <utility>

#include "platform/core/Exceptions.h"

namespace qvx {

namespace {

constexpr int32_t MinPpem = 1;
constexpr int32_t MaxPpem = 2048;
constexpr int32_t DefaultPpem = 11;

// Past either bound the glyph cache starts over. The byte bound matters for
// huge sizes, where a single glyph can take megabytes.
constexpr size_t MaxCachedGlyphs = 4096;
constexpr size_t MaxCachedGlyphBytes = size_t(64) << 20;

bool SameNameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = char(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = char(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

// Families Windows programs ask for that are rarely installed elsewhere, and
// the installed face with the same metrics. The requested family still goes
// first so that a real installed face of that name wins.
const char* MetricCompatibleFamily(std::string_view name)
{
    static constexpr std::pair<const char*, const char*> Table[] = {
        {"MS Sans Serif", "Liberation Sans"},   {"Microsoft Sans Serif", "Liberation Sans"},
        {"Arial", "Liberation Sans"},           {"Tahoma", "Liberation Sans"},
        {"Helvetica", "Liberation Sans"},       {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},     {"Courier", "Liberation Mono"},
    };
    if (name.empty()) return "Liberation Sans";
    for (const auto& [from, to] : Table)
        if (SameNameIgnoringCase(name, from)) return to;
    return nullptr;
}

// Font units to whole pixels at an em of ppem, halves away from zero.
int32_t ScaleRound(int64_t units, int32_t ppem, int32_t unitsPerEm)
{
    const int64_t num = units * ppem;
    const int64_t half = unitsPerEm / 2;
    return int32_t(num >= 0 ? (num + half) / unitsPerEm : -((-num + half) / unitsPerEm));
}

// Design metrics of a face, in font units, read once when it is opened.
struct TFace {
    FT_Face Face = nullptr;
    std::string File;
    std::string Family;
    int32_t UnitsPerEm = 2048;
    int32_t CellAscent = 0;   // above the baseline
    int32_t CellDescent = 0;  // below the baseline, positive
    int32_t UnderlineTop = 0;  // below the baseline, positive
    int32_t UnderlineThickness = 0;
    int32_t StrikeOutTop = 0;  // above the baseline
    int32_t StrikeOutThickness = 0;

    ~TFace()
    {
        if (Face) FT_Done_Face(Face);
    }

    // Ascent + Descent in pixels at an em of ppem.
    int32_t CellHeight(int32_t ppem) const
    {
        return ScaleRound(CellAscent, ppem, UnitsPerEm) + ScaleRound(CellDescent, ppem, UnitsPerEm);
    }
};

void ReadDesignMetrics(TFace& f)
{
    FT_Face face = f.Face;
    if (face->units_per_EM > 0) f.UnitsPerEm = face->units_per_EM;
    const int32_t em = f.UnitsPerEm;

    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version == 0xFFFF) os2 = nullptr;  // FreeType's marker for a missing table
    const auto* post = static_cast<const TT_Postscript*>(FT_Get_Sfnt_Table(face, FT_SFNT_POST));

    // The cell the classic platform uses is the OS/2 clipping box, not the
    // typographic ascender, so line heights match what the layouts were made for.
    if (os2 && os2->usWinAscent + os2->usWinDescent > 0) {
        f.CellAscent = os2->usWinAscent;
        f.CellDescent = os2->usWinDescent;
    } else {
        f.CellAscent = face->ascender;
        f.CellDescent = -face->descender;
    }
    if (f.CellAscent + f.CellDescent <= 0) {
        f.CellAscent = int32_t(face->bbox.yMax);
        f.CellDescent = int32_t(-face->bbox.yMin);
    }
    if (f.CellAscent + f.CellDescent <= 0) {
        f.CellAscent = em * 4 / 5;
        f.CellDescent = em / 5;
    }
    f.CellAscent = std::max(f.CellAscent, 0);
    f.CellDescent = std::max(f.CellDescent, 0);

    if (post && post->underlineThickness > 0) {
        f.UnderlineTop = -post->underlinePosition;
        f.UnderlineThickness = post->underlineThickness;
    } else if (face->underline_thickness > 0) {
        // FreeType reports the centre of the stroke.
        f.UnderlineTop = -face->underline_position - face->underline_thickness / 2;
        f.UnderlineThickness = face->underline_thickness;
    } else {
        f.UnderlineTop = em / 10;
        f.UnderlineThickness = em / 20;
    }

    if (os2 && os2->yStrikeoutSize > 0) {
        f.StrikeOutTop = os2->yStrikeoutPosition;
        f.StrikeOutThickness = os2->yStrikeoutSize;
    } else {
        f.StrikeOutThickness = f.UnderlineThickness;
        f.StrikeOutTop = em * 3 / 10 + f.StrikeOutThickness;
    }
}

TTextMetrics PixelMetrics(const TFace& f, int32_t ppem)
{
    TTextMetrics m;
    m.Ascent = ScaleRound(f.CellAscent, ppem, f.UnitsPerEm);
    m.Descent = ScaleRound(f.CellDescent, ppem, f.UnitsPerEm);
    m.Height = m.Ascent + m.Descent;
    m.InternalLeading = m.Height - ppem;

    // Both lines are kept inside the cell where it is tall enough, so that an
    // opaque text background covers them.
    m.UnderlineThickness = std::max(1, ScaleRound(f.UnderlineThickness, ppem, f.UnitsPerEm));
    m.UnderlineTop = std::clamp(ScaleRound(f.UnderlineTop, ppem, f.UnitsPerEm), 0,
                                std::max(0, m.Descent - m.UnderlineThickness));
    m.StrikeOutThickness = std::max(1, ScaleRound(f.StrikeOutThickness, ppem, f.UnitsPerEm));
    m.StrikeOutTop = std::clamp(ScaleRound(f.StrikeOutTop, ppem, f.UnitsPerEm),
                                std::min(m.StrikeOutThickness, m.Ascent), std::max(m.Ascent, 1));
    return m;
}

int32_t PpemFor(const TFace& face, int32_t height)
{
    if (height == 0) return DefaultPpem;
    if (height < 0) return int32_t(std::clamp<int64_t>(-int64_t(height), MinPpem, MaxPpem));
    // The largest em whose cell still fits; the cell grows with the em.
    int32_t lo = MinPpem, hi = MaxPpem;
    if (face.CellHeight(lo) > height) return lo;
    while (lo < hi) {
        const int32_t mid = lo + (hi - lo + 1) / 2;
        if (face.CellHeight(mid) <= height)
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

struct TCachedGlyph {
    TGlyphImage Image;
    std::unique_ptr<uint8_t[]> Bits;
};

struct TRequestHash {
    size_t operator()(const TFontRequest& r) const noexcept
    {
        size_t h = std::hash<std::string>()(r.Name);
        h ^= std::hash<int64_t>()((int64_t(r.Height) << 2) | (r.Bold ? 2 : 0) | (r.Italic ? 1 : 0)) +
             0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2);
        return h;
    }
};

class TFontEngineImpl;

class TRealisedFontImpl final : public TRealisedFont {
public:
    TRealisedFontImpl(TFontEngineImpl& engine, TFace& face, int32_t ppem, bool embolden, bool oblique);
    ~TRealisedFontImpl() override
    {
        if (FSize) FT_Done_Size(FSize);
    }
    TRealisedFontImpl(const TRealisedFontImpl&) = delete;
    TRealisedFontImpl& operator=(const TRealisedFontImpl&) = delete;

    const TTextMetrics& Metrics() const override { return FMetrics; }
    int32_t TextWidth(std::string_view text) override;
    const TGlyphImage& Glyph(char32_t codePoint) override
    {
        if (codePoint < 128)
            if (const TGlyphImage* g = FAsciiGlyph[codePoint]) return *g;
        return GlyphSlow(codePoint);
    }
    std::string FaceFamily() const override { return FFace.Family; }
    std::string FaceFile() const override { return FFace.File; }

    // Forgets every rendered glyph; advances stay known.
    void DropGlyphs()
    {
        FGlyphs.clear();
        FAsciiGlyph.fill(nullptr);
    }

private:
    const TGlyphImage& GlyphSlow(char32_t codePoint);
    int32_t Advance(char32_t codePoint);
    FT_UInt GlyphIndex(char32_t codePoint) const;
    bool LoadGlyph(FT_UInt index);
    TCachedGlyph Render(FT_UInt index);

    TFontEngineImpl& FEngine;
    TFace& FFace;
    FT_Size FSize = nullptr;
    int32_t FPpem;
    bool FEmbolden;
    bool FOblique;
    TTextMetrics FMetrics;
    // ASCII skips the hash lookups: labels are almost always plain ASCII.
    std::array<const TGlyphImage*, 128> FAsciiGlyph{};
    std::array<int32_t, 128> FAsciiAdvance;
    std::unordered_map<FT_UInt, TCachedGlyph> FGlyphs;  // nodes never move
    std::unordered_map<FT_UInt, int32_t> FAdvances;
};

class TFontEngineImpl final : public TFontEngine {
public:
    TFontEngineImpl();
    ~TFontEngineImpl() override;
    TFontEngineImpl(const TFontEngineImpl&) = delete;
    TFontEngineImpl& operator=(const TFontEngineImpl&) = delete;

    TRealisedFont& Realise(const TFontRequest& request) override;

    // Called before a glyph is added to any font's cache.
    void MakeRoomForGlyph()
    {
        if (FGlyphCount < MaxCachedGlyphs && FGlyphBytes < MaxCachedGlyphBytes) return;
        for (auto& [key, font] : FFonts) font->DropGlyphs();
        FGlyphCount = 0;
        FGlyphBytes = 0;
    }
    void GlyphAdded(size_t bytes)
    {
        ++FGlyphCount;
        FGlyphBytes += bytes;
    }

private:
    struct TResolved {
        TFace* Face = nullptr;
        bool Embolden = false;
        bool Oblique = false;
    };

    TRealisedFontImpl& Build(const TFontRequest& request);
    TResolved Resolve(const std::string& name, bool bold, bool italic);
    bool UseMatch(FcPattern* font, bool bold, bool italic, TResolved& out);
    TFace* OpenFace(const std::string& file, int index, const std::string& family);

    FT_Library FLibrary = nullptr;
    FcConfig* FConfig = nullptr;
    std::map<std::pair<std::string, int>, std::unique_ptr<TFace>> FFaces;  // null: unusable file
    std::map<std::tuple<std::string, bool, bool>, TResolved> FResolved;
    std::map<std::tuple<TFace*, int32_t, bool, bool>, std::unique_ptr<TRealisedFontImpl>> FFonts;
    std::unordered_map<TFontRequest, TRealisedFontImpl*, TRequestHash> FByRequest;
    // The canvas realises the same font for every TextOut; spare it the hash.
    TFontRequest FLastRequest;
    TRealisedFontImpl* FLast = nullptr;
    size_t FGlyphCount = 0;
    size_t FGlyphBytes = 0;
};

// ---------------------------------------------------------------------------

TRealisedFontImpl::TRealisedFontImpl(TFontEngineImpl& engine, TFace& face, int32_t ppem, bool embolden,
                                     bool oblique)
    : FEngine(engine), FFace(face), FPpem(ppem), FEmbolden(embolden), FOblique(oblique),
      FMetrics(PixelMetrics(face, ppem))
{
    FAsciiAdvance.fill(-1);
    // Each size owns an FT_Size so fonts sharing a face need no re-scaling.
    if (FT_New_Size(face.Face, &FSize) != 0) FSize = nullptr;
    if (FSize) FT_Activate_Size(FSize);
    FT_Set_Pixel_Sizes(face.Face, 0, FT_UInt(ppem));
}

FT_UInt TRealisedFontImpl::GlyphIndex(char32_t codePoint) const
{
    FT_Face face = FFace.Face;
    FT_UInt index = FT_Get_Char_Index(face, codePoint);
    // Symbol fonts put their characters in the private-use block.
    if (index == 0 && codePoint < 0x100 && face->charmap && face->charmap->encoding == FT_ENCODING_MS_SYMBOL)
        index = FT_Get_Char_Index(face, 0xF000 + codePoint);
    return index;
}

bool TRealisedFontImpl::LoadGlyph(FT_UInt index)
{
    FT_Face face = FFace.Face;
    if (!FSize)
        FT_Set_Pixel_Sizes(face, 0, FT_UInt(FPpem));
    else if (face->size != FSize)
        FT_Activate_Size(FSize);
    if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) != 0 &&
        (index == 0 || FT_Load_Glyph(face, 0, FT_LOAD_DEFAULT) != 0))
        return false;
    if (FOblique && face->glyph->format == FT_GLYPH_FORMAT_OUTLINE) FT_GlyphSlot_Oblique(face->glyph);
    if (FEmbolden) FT_GlyphSlot_Embolden(face->glyph);
    return true;
}

int32_t SlotAdvance(FT_GlyphSlot slot)
{
    return int32_t(std::clamp<FT_Pos>((slot->advance.x + 32) >> 6, 0, 1 << 20));
}

int32_t TRealisedFontImpl::Advance(char32_t codePoint)
{
    if (codePoint < 128 && FAsciiAdvance[codePoint] >= 0) return FAsciiAdvance[codePoint];
    const FT_UInt index = GlyphIndex(codePoint);
    auto it = FAdvances.find(index);
    if (it == FAdvances.end()) {
        // Only the outline is needed here; rendering waits until it is drawn.
        const int32_t advance = LoadGlyph(index) ? SlotAdvance(FFace.Face->glyph) : 0;
        it = FAdvances.emplace(index, advance).first;
    }
    if (codePoint < 128) FAsciiAdvance[codePoint] = it->second;
    return it->second;
}

int32_t TRealisedFontImpl::TextWidth(std::string_view text)
{
    int64_t width = 0;
    for (size_t pos = 0; pos < text.size();) {
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (byte < 0x80 && FAsciiAdvance[byte] >= 0) {
            width += FAsciiAdvance[byte];
            ++pos;
        } else {
            width += Advance(NextCodePoint(text, pos));
        }
    }
    return int32_t(std::min<int64_t>(width, INT32_MAX));
}

TCachedGlyph TRealisedFontImpl::Render(FT_UInt index)
{
    TCachedGlyph out;
    if (!LoadGlyph(index)) return out;
    FT_GlyphSlot slot = FFace.Face->glyph;
    out.Image.Advance = SlotAdvance(slot);
    FAdvances.emplace(index, out.Image.Advance);
    if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return out;

    const FT_Bitmap& bm = slot->bitmap;
    if (bm.width == 0 || bm.rows == 0 || !bm.buffer) return out;
    if (bm.pixel_mode != FT_PIXEL_MODE_GRAY && bm.pixel_mode != FT_PIXEL_MODE_MONO) return out;

    const int32_t width = int32_t(bm.width), rows = int32_t(bm.rows);
    out.Bits = std::make_unique<uint8_t[]>(size_t(width) * size_t(rows));
    const int32_t stride = bm.pitch < 0 ? -bm.pitch : bm.pitch;
    for (int32_t y = 0; y < rows; ++y) {
        // A negative pitch means the buffer starts at the bottom row.
        const uint8_t* src = bm.buffer + size_t(bm.pitch < 0 ? rows - 1 - y : y) * size_t(stride);
        uint8_t* dst = out.Bits.get() + size_t(y) * size_t(width);
        if (bm.pixel_mode == FT_PIXEL_MODE_GRAY) {
            std::memcpy(dst, src, size_t(width));
        } else {
            for (int32_t x = 0; x < width; ++x) dst[x] = (src[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
        }
    }
    out.Image.Left = slot->bitmap_left;
    out.Image.Top = slot->bitmap_top;
    out.Image.Width = width;
    out.Image.Rows = rows;
    out.Image.Pitch = width;
    out.Image.Coverage = out.Bits.get();
    return out;
}

const TGlyphImage& TRealisedFontImpl::GlyphSlow(char32_t codePoint)
{
    const FT_UInt index = GlyphIndex(codePoint);
    auto it = FGlyphs.find(index);
    if (it == FGlyphs.end()) {
        // May empty this font's cache too, which is why the lookup comes first
        // and the insert after.
        FEngine.MakeRoomForGlyph();
        TCachedGlyph glyph = Render(index);
        const size_t bytes = size_t(glyph.Image.Width) * size_t(glyph.Image.Rows) + sizeof(TCachedGlyph);
        it = FGlyphs.emplace(index, std::move(glyph)).first;
        FEngine.GlyphAdded(bytes);
    }
    if (codePoint < 128) {
        FAsciiGlyph[codePoint] = &it->second.Image;
        FAsciiAdvance[codePoint] = it->second.Image.Advance;
    }
    return it->second.Image;
}

// ---------------------------------------------------------------------------

TFontEngineImpl::TFontEngineImpl()
{
    if (FT_Init_FreeType(&FLibrary) != 0) throw EInvalidGraphic("The font renderer could not be started");
    FConfig = FcInitLoadConfigAndFonts();
}

TFontEngineImpl::~TFontEngineImpl()
{
    FByRequest.clear();
    FFonts.clear();  // sizes before their faces
    FFaces.clear();  // faces before the library
    FT_Done_FreeType(FLibrary);
    if (FConfig) FcConfigDestroy(FConfig);
}

TFace* TFontEngineImpl::OpenFace(const std::string& file, int index, const std::string& family)
{
    auto [it, inserted] = FFaces.try_emplace({file, index});
    if (!inserted) return it->second.get();
    FT_Face face = nullptr;
    if (FT_New_Face(FLibrary, file.c_str(), index, &face) != 0) return nullptr;
    if (!FT_IS_SCALABLE(face)) {
        FT_Done_Face(face);
        return nullptr;
    }
    if (!face->charmap && face->num_charmaps > 0) FT_Set_Charmap(face, face->charmaps[0]);
    auto entry = std::make_unique<TFace>();
    entry->Face = face;
    entry->File = file;
    entry->Family = !family.empty() ? family : face->family_name ? face->family_name : "";
    ReadDesignMetrics(*entry);
    it->second = std::move(entry);
    return it->second.get();
}

bool TFontEngineImpl::UseMatch(FcPattern* font, bool bold, bool italic, TResolved& out)
{
    FcChar8* file = nullptr;
    FcBool scalable = FcFalse;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) return false;
    if (FcPatternGetBool(font, FC_SCALABLE, 0, &scalable) == FcResultMatch && !scalable) return false;
    int index = 0;
    FcPatternGetInteger(font, FC_INDEX, 0, &index);
    FcChar8* family = nullptr;
    FcPatternGetString(font, FC_FAMILY, 0, &family);

    TFace* face = OpenFace(reinterpret_cast<const char*>(file), index,
                           family ? reinterpret_cast<const char*>(family) : "");
    if (!face) return false;

    // Synthesise what the family lacks rather than show the wrong style. The
    // face's own flags decide: fontconfig's render-prepared pattern already
    // reports the requested weight and slant for faces it would synthesise.
    FT_Face ft = face->Face;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ft, FT_SFNT_OS2));
    const bool faceBold = (ft->style_flags & FT_STYLE_FLAG_BOLD) != 0 ||
                          (os2 && os2->version != 0xFFFF && os2->usWeightClass >= 600);
    const bool faceItalic = (ft->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
    out.Face = face;
    out.Embolden = bold && !faceBold;
    out.Oblique = italic && !faceItalic;
    return true;
}

TFontEngineImpl::TResolved TFontEngineImpl::Resolve(const std::string& name, bool bold, bool italic)
{
    auto key = std::make_tuple(name, bold, italic);
    if (auto it = FResolved.find(key); it != FResolved.end()) return it->second;

    TResolved result;
    FcPattern* pattern = FcPatternCreate();
    if (!name.empty()) FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    if (const char* fallback = MetricCompatibleFamily(name))
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(fallback));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(FConfig, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);

    FcResult res = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(FConfig, pattern, &res)) {
        UseMatch(match, bold, italic, result);
        FcPatternDestroy(match);
    }
    if (!result.Face) {
        // The best match was a bitmap font or an unreadable file: take the
        // next usable one in fontconfig's order.
        if (FcFontSet* set = FcFontSort(FConfig, pattern, FcFalse, nullptr, &res)) {
            for (int i = 0; i < set->nfont && !result.Face; ++i) {
                if (FcPattern* font = FcFontRenderPrepare(FConfig, pattern, set->fonts[i])) {
                    UseMatch(font, bold, italic, result);
                    FcPatternDestroy(font);
                }
            }
            FcFontSetDestroy(set);
        }
    }
    FcPatternDestroy(pattern);
    if (!result.Face) throw EInvalidGraphic("No usable font is installed");
    FResolved.emplace(std::move(key), result);
    return result;
}

TRealisedFontImpl& TFontEngineImpl::Build(const TFontRequest& request)
{
    const TResolved resolved = Resolve(request.Name, request.Bold, request.Italic);
    const int32_t ppem = PpemFor(*resolved.Face, request.Height);
    // Requests that differ only in spelling (Height 0 vs -11, an alias) share one font.
    auto& font = FFonts[{resolved.Face, ppem, resolved.Embolden, resolved.Oblique}];
    if (!font)
        font = std::make_unique<TRealisedFontImpl>(*this, *resolved.Face, ppem, resolved.Embolden,
                                                   resolved.Oblique);
    return *font;
}

TRealisedFont& TFontEngineImpl::Realise(const TFontRequest& request)
{
    if (FLast && request == FLastRequest) return *FLast;
    auto it = FByRequest.find(request);
    if (it == FByRequest.end()) it = FByRequest.emplace(request, &Build(request)).first;
    FLastRequest = request;
    FLast = it->second;
    return *FLast;
}

}  // namespace

// ---------------------------------------------------------------------------

char32_t TRealisedFont::NextCodePoint(std::string_view text, size_t& pos)
{
    if (pos >= text.size()) return 0;
    const auto at = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = at(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    // Sequence length and the allowed range of the second byte, which is
    // where overlong forms, surrogates and values past U+10FFFF are ruled out.
    size_t length = 0;
    unsigned char lo = 0x80, hi = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) lo = 0xA0;
        if (lead == 0xED) hi = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) lo = 0x90;
        if (lead == 0xF4) hi = 0x8F;
    }
    bool valid = length != 0 && text.size() - pos >= length;
    if (valid) valid = at(pos + 1) >= lo && at(pos + 1) <= hi;
    for (size_t i = 2; valid && i < length; ++i) valid = (at(pos + i) & 0xC0) == 0x80;
    if (!valid) {
        // Not UTF-8: the byte stands for its Latin-1 character.
        ++pos;
        return lead;
    }
    char32_t cp = lead & (0xFF >> (length + 1));
    for (size_t i = 1; i < length; ++i) cp = (cp << 6) | (at(pos + i) & 0x3F);
    pos += length;
    return cp;
}

TFontEngine& TFontEngine::Instance()
{
    static TFontEngineImpl engine;
    return engine;
}

}  // namespace qvx

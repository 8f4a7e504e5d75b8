#include "platform/graphics/FontEngine.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace qvx {
namespace {

TRealisedFont& Realise(int32_t height, std::string name = "MS Sans Serif", bool bold = false,
                       bool italic = false)
{
    return TFontEngine::Instance().Realise({std::move(name), height, bold, italic});
}

int32_t EmOf(const TRealisedFont& font)
{
    return font.Metrics().Height - font.Metrics().InternalLeading;
}

// A copy of a glyph that outlives the cache entry it came from.
struct TGlyphCopy {
    int32_t Left, Top, Width, Rows, Advance;
    std::vector<uint8_t> Bits;
    friend bool operator==(const TGlyphCopy&, const TGlyphCopy&) = default;
};

TGlyphCopy Copy(const TGlyphImage& g)
{
    TGlyphCopy c{g.Left, g.Top, g.Width, g.Rows, g.Advance, {}};
    for (int32_t y = 0; y < g.Rows; ++y)
        c.Bits.insert(c.Bits.end(), g.Coverage + y * g.Pitch, g.Coverage + y * g.Pitch + g.Width);
    return c;
}

TEST(FontEngineResolve, WindowsFamiliesLandOnMetricCompatibleFaces)
{
    struct Case {
        const char* Name;
        bool Bold, Italic;
        const char* Family;
        const char* FileHas;
    } cases[] = {
        {"MS Sans Serif", false, false, "Liberation Sans", "Regular"},
        {"Microsoft Sans Serif", false, false, "Liberation Sans", "Regular"},
        {"arial", true, false, "Liberation Sans", "Bold"},
        {"Tahoma", false, true, "Liberation Sans", "Italic"},
        {"Helvetica", true, true, "Liberation Sans", "BoldItalic"},
        {"", false, false, "Liberation Sans", "Regular"},
        {"Times New Roman", false, false, "Liberation Serif", "Regular"},
        {"Courier New", false, false, "Liberation Mono", "Regular"},
        {"Courier", true, false, "Liberation Mono", "Bold"},
        // An installed family is used as it is.
        {"DejaVu Sans", false, false, "DejaVu Sans", "DejaVuSans.ttf"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TRealisedFont& font = Realise(-11, c.Name, c.Bold, c.Italic);
        EXPECT_EQ(font.FaceFamily(), c.Family);
        EXPECT_NE(font.FaceFile().find(c.FileHas), std::string::npos) << font.FaceFile();
    }
}

TEST(FontEngineResolve, UnknownFamilyStillRenders)
{
    TRealisedFont& font = Realise(-11, "No Such Family 1234");
    EXPECT_FALSE(font.FaceFile().empty());
    EXPECT_GT(font.TextWidth("Abc"), 0);
    EXPECT_GT(font.Glyph('A').Rows, 0);
}

TEST(FontEngineCache, EqualRequestsShareOneFont)
{
    TRealisedFont& a = Realise(-13);
    EXPECT_EQ(&Realise(-11), &Realise(-11));
    EXPECT_EQ(&a, &Realise(-13));
    EXPECT_NE(&a, &Realise(-13, "MS Sans Serif", true));
    // Different spellings of the same size and face give the same font.
    EXPECT_EQ(&Realise(0), &Realise(-11));
    EXPECT_EQ(&Realise(-11, "Arial"), &Realise(-11, "MS Sans Serif"));
}

TEST(FontEngineSize, NegativeHeightIsTheEm)
{
    for (int32_t em : {1, 8, 11, 13, 20, 72}) {
        SCOPED_TRACE(em);
        const TTextMetrics& m = Realise(-em).Metrics();
        EXPECT_EQ(m.Height, m.Ascent + m.Descent);
        EXPECT_EQ(EmOf(Realise(-em)), em);
        EXPECT_GE(m.Ascent, 0);
        EXPECT_GE(m.Descent, 0);
    }
    const TTextMetrics& m13 = Realise(-13).Metrics();
    EXPECT_EQ(m13.Ascent, 12);
    EXPECT_EQ(m13.Descent, 3);
}

TEST(FontEngineSize, PositiveHeightIsTheLargestCellThatFits)
{
    for (int32_t height = 1; height <= 60; ++height) {
        SCOPED_TRACE(height);
        TRealisedFont& font = Realise(height);
        const int32_t em = EmOf(font);
        EXPECT_GE(em, 1);
        if (em > 1) {
            EXPECT_LE(font.Metrics().Height, height);
        }
        EXPECT_GT(Realise(-(em + 1)).Metrics().Height, height);
    }
    EXPECT_EQ(Realise(16).Metrics().Height, 16);
}

TEST(FontEngineSize, ExtremeHeightsAreClamped)
{
    EXPECT_EQ(EmOf(Realise(INT32_MIN)), 2048);
    EXPECT_EQ(EmOf(Realise(-100000)), 2048);
    EXPECT_EQ(EmOf(Realise(INT32_MAX)), 2048);
    EXPECT_EQ(EmOf(Realise(-1)), 1);
    EXPECT_EQ(&Realise(0), &Realise(TFontRequest{}.Height));
    TRealisedFont& huge = Realise(INT32_MIN);
    const TGlyphImage& w = huge.Glyph('W');
    EXPECT_GT(w.Width, 1000);
    EXPECT_EQ(huge.TextWidth("W"), w.Advance);
}

TEST(FontEngineMetrics, LinesStayInsideTheCell)
{
    for (int32_t height : {-1, -8, -11, -13, -20, -48, 16, 2}) {
        SCOPED_TRACE(height);
        const TTextMetrics& m = Realise(height).Metrics();
        EXPECT_GE(m.UnderlineThickness, 1);
        EXPECT_GE(m.StrikeOutThickness, 1);
        EXPECT_GE(m.UnderlineTop, 0);
        if (m.Descent >= m.UnderlineThickness) {
            EXPECT_LE(m.UnderlineTop + m.UnderlineThickness, m.Descent);
        }
        EXPECT_LE(m.StrikeOutTop, std::max(m.Ascent, 1));
        if (m.Ascent >= m.StrikeOutThickness) {
            EXPECT_GE(m.StrikeOutTop, m.StrikeOutThickness);
        }
    }
}

TEST(FontEngineGlyphs, GlyphsOfHgFitTheCellAtTheBaseline)
{
    for (const char* name : {"MS Sans Serif", "Times New Roman", "Courier New"})
        for (int32_t height : {-8, -11, -13, -20, -36, 16}) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(height));
            TRealisedFont& font = Realise(height, name);
            const TTextMetrics& m = font.Metrics();
            int32_t glyphs = 0;
            font.ForEachGlyph("Hg", [&](const TGlyphImage& g, int32_t) {
                ++glyphs;
                ASSERT_GT(g.Rows, 0);
                EXPECT_GE(m.Ascent - g.Top, 0);
                EXPECT_LE(m.Ascent - g.Top + g.Rows, m.Height);
                EXPECT_GE(g.Pitch, g.Width);
                ASSERT_NE(g.Coverage, nullptr);
                int32_t maxCoverage = 0;
                for (int32_t i = 0; i < g.Rows * g.Pitch; ++i) maxCoverage = std::max<int32_t>(maxCoverage, g.Coverage[i]);
                EXPECT_GT(maxCoverage, 128);
            });
            EXPECT_EQ(glyphs, 2);
        }
}

TEST(FontEngineGlyphs, WidthsAddUpAndMatchThePenPositions)
{
    TRealisedFont& font = Realise(-11);
    EXPECT_EQ(font.TextWidth(""), 0);
    EXPECT_EQ(font.TextWidth("12"), 2 * font.TextWidth("1"));
    // Digits share one advance, so columns of numbers line up.
    for (char d = '0'; d <= '9'; ++d) EXPECT_EQ(font.TextWidth(std::string(1, d)), font.TextWidth("0"));

    const std::vector<std::string> parts = {"Hello", " ", "W\xC3\xB6rld", "\xE2\x82\xAC" "12", "\xB0", "", "iii"};
    std::string all;
    int32_t sum = 0;
    for (const std::string& p : parts) {
        all += p;
        sum += font.TextWidth(p);
    }
    EXPECT_EQ(font.TextWidth(all), sum);

    int32_t expectedPen = 0, lastAdvance = 0;
    font.ForEachGlyph(all, [&](const TGlyphImage& g, int32_t penX) {
        EXPECT_EQ(penX, expectedPen);
        expectedPen += g.Advance;
        lastAdvance = g.Advance;
    });
    EXPECT_EQ(expectedPen, sum);
    EXPECT_GT(lastAdvance, 0);
}

TEST(FontEngineGlyphs, WidthOfAHugeStringSaturates)
{
    TRealisedFont& font = Realise(INT32_MIN);
    const std::string text(3'000'000, 'W');
    EXPECT_EQ(font.TextWidth(text), INT32_MAX);
    int32_t lastPen = 0;
    bool monotonic = true;
    font.ForEachGlyph(text, [&](const TGlyphImage&, int32_t penX) {
        monotonic = monotonic && penX >= lastPen;
        lastPen = penX;
    });
    EXPECT_TRUE(monotonic);
    EXPECT_EQ(lastPen, INT32_MAX);
}

TEST(FontEngineGlyphs, GlyphsSurviveTheCacheStartingOver)
{
    TRealisedFont& font = Realise(-11);
    const TGlyphCopy before = Copy(font.Glyph('A'));
    const TGlyphCopy euroBefore = Copy(font.Glyph(0x20AC));
    // More distinct glyphs than the cache holds, spread over several sizes.
    for (int32_t em = 9; em <= 12; ++em) {
        TRealisedFont& other = Realise(-em, "DejaVu Sans");
        for (char32_t cp = 0x20; cp < 0x20 + 1500; ++cp) other.Glyph(cp);
    }
    EXPECT_EQ(Copy(font.Glyph('A')), before);
    EXPECT_EQ(Copy(font.Glyph(0x20AC)), euroBefore);
    EXPECT_EQ(font.TextWidth("A"), before.Advance);
}

int64_t Ink(TRealisedFont& font, std::string_view text)
{
    int64_t ink = 0;
    font.ForEachGlyph(text, [&](const TGlyphImage& g, int32_t) {
        for (int32_t y = 0; y < g.Rows; ++y)
            for (int32_t x = 0; x < g.Width; ++x) ink += g.Coverage[y * g.Pitch + x];
    });
    return ink;
}

TEST(FontEngineGlyphs, MissingStylesAreSynthesised)
{
    // This family has a single regular face.
    const char* family = "DejaVu Math TeX Gyre";
    TRealisedFont& regular = Realise(-20, family);
    TRealisedFont& bold = Realise(-20, family, true);
    TRealisedFont& italic = Realise(-20, family, false, true);
    ASSERT_EQ(regular.FaceFile(), bold.FaceFile());
    ASSERT_EQ(regular.FaceFile(), italic.FaceFile());
    EXPECT_GT(Ink(bold, "Hello"), Ink(regular, "Hello") * 11 / 10);
    EXPECT_GE(bold.TextWidth("Hello"), regular.TextWidth("Hello"));
    // Slanting moves the top of an upright stroke to the right.
    EXPECT_GT(italic.Glyph('l').Width, regular.Glyph('l').Width);

    // A family with a real bold face is not thickened again.
    EXPECT_NE(Realise(-20, "Liberation Sans", true).FaceFile(), Realise(-20, "Liberation Sans").FaceFile());
    EXPECT_LT(Ink(Realise(-20, "Liberation Sans", true), "Hello"),
              Ink(Realise(-20, "Liberation Sans"), "Hello") * 2);
}

TEST(FontEngineUtf8, DecodesValidSequencesAndFallsBackToLatin1)
{
    struct Case {
        std::string Text;
        char32_t CodePoint;
        size_t Length;
    } cases[] = {
        {"A", U'A', 1},
        {std::string("\0x", 2), 0, 1},
        {"\xC2\xB0", 0xB0, 2},
        {"\xDF\xBF", 0x7FF, 2},
        {"\xE2\x82\xAC", 0x20AC, 3},
        {"\xEF\xBF\xBD", 0xFFFD, 3},
        {"\xF0\x9F\x98\x80", 0x1F600, 4},
        {"\xF4\x8F\xBF\xBF", 0x10FFFF, 4},
        {"\xB0", 0xB0, 1},               // stray continuation byte
        {"\xC0\xAF", 0xC0, 1},           // overlong
        {"\xC1\xBF", 0xC1, 1},           // overlong
        {"\xE0\x80\xAF", 0xE0, 1},       // overlong
        {"\xF0\x80\x80\xAF", 0xF0, 1},   // overlong
        {"\xED\xA0\x80", 0xED, 1},       // surrogate
        {"\xF4\x90\x80\x80", 0xF4, 1},   // past U+10FFFF
        {"\xF5\x80\x80\x80", 0xF5, 1},
        {"\xFF", 0xFF, 1},
        {"\xE2\x82", 0xE2, 1},           // truncated
        {"\xE2\x28\xA1", 0xE2, 1},       // bad second byte
        {"\xE2\x82\x28", 0xE2, 1},       // bad third byte
        {"\xC3", 0xC3, 1},
        {"\xC3" "A", 0xC3, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.Text));
        size_t pos = 0;
        EXPECT_EQ(TRealisedFont::NextCodePoint(c.Text, pos), c.CodePoint);
        EXPECT_EQ(pos, c.Length);
    }
}

TEST(FontEngineUtf8, NeverReadsPastTheEnd)
{
    // The bytes after the view would complete the sequence.
    const char buffer[] = "\xE2\x82\xAC\xF0\x9F\x98\x80";
    size_t pos = 0;
    EXPECT_EQ(TRealisedFont::NextCodePoint(std::string_view(buffer, 2), pos), 0xE2u);
    EXPECT_EQ(pos, 1u);
    EXPECT_EQ(TRealisedFont::NextCodePoint(std::string_view(buffer, 2), pos), 0x82u);
    EXPECT_EQ(pos, 2u);
    EXPECT_EQ(TRealisedFont::NextCodePoint(std::string_view(buffer, 2), pos), 0u);
    EXPECT_EQ(pos, 2u);
    pos = 3;
    EXPECT_EQ(TRealisedFont::NextCodePoint(std::string_view(buffer, 6), pos), 0xF0u);
    EXPECT_EQ(pos, 4u);
}

TEST(FontEngineUtf8, Latin1ByteMeasuresLikeItsUtf8Form)
{
    TRealisedFont& font = Realise(-13);
    EXPECT_EQ(font.TextWidth("\xB0"), font.TextWidth("\xC2\xB0"));
    EXPECT_GT(font.TextWidth("\xB0"), 0);
    EXPECT_EQ(font.TextWidth("1\xB0" "C"), font.TextWidth("1\xC2\xB0" "C"));
    EXPECT_EQ(&font.Glyph(0xB0), &font.Glyph(0xB0));
}

TEST(FontEngineUtf8, HostileBytesNeverCrash)
{
    std::string bytes;
    for (int i = 0; i < 256; ++i) bytes += char(i);
    bytes += std::string("\0\0\xF0\x9F\x98", 5);
    for (int32_t height : {INT32_MIN, INT32_MAX}) EXPECT_GT(Realise(height, "No Such Family").TextWidth(bytes), 0);
    for (int32_t height : {-11, 0, 3}) {
        TRealisedFont& font = Realise(height, "No Such Family");
        const int32_t width = font.TextWidth(bytes);
        EXPECT_GT(width, 0);
        int32_t pen = 0, count = 0;
        font.ForEachGlyph(bytes, [&](const TGlyphImage& g, int32_t penX) {
            EXPECT_EQ(penX, pen);
            pen += g.Advance;
            ++count;
        });
        EXPECT_EQ(pen, width);
        EXPECT_EQ(count, 256 + 5);  // every byte stands for one character here
    }
}

}  // namespace
}  // namespace qvx

// Canvas text: metrics agree with what TextOut covers, the opaque cell,
// alignment, clipping and the pen position.

#include <gtest/gtest.h>

#include "tests/platform/graphics/PixelArt.h"

using namespace qvx;

namespace {

struct Box {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;  // right/bottom exclusive
};

Box ChangedBox(TBitmap& bmp, TColor background)
{
    Box b;
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x)
            if (bmp.Canvas()->Pixels(x, y) != background) {
                b.left = std::min(b.left, x);
                b.top = std::min(b.top, y);
                b.right = std::max(b.right, x + 1);
                b.bottom = std::max(b.bottom, y + 1);
            }
    return b;
}

}  // namespace

TEST(TextTest, WidthsAddUp)
{
    TBitmap bmp(1, 1);
    TCanvas& c = *bmp.Canvas();
    for (int height : {-11, -13, 16, -40}) {
        c.Font()->SetHeight(height);
        EXPECT_EQ(c.TextWidth("12"), 2 * c.TextWidth("1")) << height;
        EXPECT_EQ(c.TextWidth("Temp: 12.5 °C"), c.TextWidth("Temp: ") + c.TextWidth("12.5 °C")) << height;
        EXPECT_EQ(c.TextWidth(""), 0);
        EXPECT_EQ(c.TextHeight("x"), c.TextHeight("Ág"));
        EXPECT_EQ(c.TextExtent("abc"), (TSize{c.TextWidth("abc"), c.TextHeight("abc")}));
    }
    c.Font()->SetHeight(16);
    EXPECT_LE(c.TextHeight("x"), 16) << "a positive height is the cell height";
}

TEST(TextTest, OpaqueCellIsExactlyWidthByHeight)
{
    TBitmap bmp(120, 40);
    TCanvas& c = *bmp.Canvas();
    c.Font()->SetHeight(-13);
    c.Brush()->SetColor(clYellow);
    c.TextOut(7, 5, "Value");
    const Box b = ChangedBox(bmp, clWhite);
    EXPECT_EQ(b.left, 7);
    EXPECT_EQ(b.top, 5);
    EXPECT_EQ(b.right, 7 + c.TextWidth("Value"));
    EXPECT_EQ(b.bottom, 5 + c.TextHeight("Value"));
    EXPECT_EQ(c.Pixels(7, 5), clYellow);
    EXPECT_EQ(c.PenPos(), Point(7 + c.TextWidth("Value"), 5));
}

TEST(TextTest, ClearBrushDrawsGlyphsOnlyInsideTheCell)
{
    TBitmap bmp(120, 40);
    TCanvas& c = *bmp.Canvas();
    c.Font()->SetHeight(-13);
    c.Font()->SetColor(clBlue);
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    c.TextOut(10, 10, "Hgj|");
    const Box b = ChangedBox(bmp, clWhite);
    EXPECT_GE(b.left, 10);
    EXPECT_GE(b.top, 10);
    EXPECT_LE(b.right, 10 + c.TextWidth("Hgj|"));
    EXPECT_LE(b.bottom, 10 + c.TextHeight("Hgj|"));
    EXPECT_GT(b.right, b.left) << "something was drawn";
    bool sawFontColour = false;
    for (int y = b.top; y < b.bottom; ++y)
        for (int x = b.left; x < b.right; ++x) sawFontColour |= c.Pixels(x, y) == clBlue;
    EXPECT_TRUE(sawFontColour);
}

TEST(TextTest, AlignmentFlagsMoveTheReferencePoint)
{
    struct Case {
        uint32_t flags;
        int dx, dy;  // expected cell corner relative to (60, 30), in widths/heights
    };
    TBitmap probe(1, 1);
    probe.Canvas()->Font()->SetHeight(-13);
    const int w = probe.Canvas()->TextWidth("Ab"), h = probe.Canvas()->TextHeight("Ab");
    const Case cases[] = {{TA_LEFT | TA_TOP, 0, 0}, {TA_RIGHT | TA_TOP, -w, 0}, {TA_CENTER | TA_BOTTOM, -w / 2, -h}};
    for (const Case& k : cases) {
        TBitmap bmp(120, 60);
        bmp.Canvas()->Font()->SetHeight(-13);
        bmp.Canvas()->Brush()->SetColor(clYellow);
        bmp.Canvas()->SetTextAlign(k.flags);
        bmp.Canvas()->TextOut(60, 30, "Ab");
        const Box b = ChangedBox(bmp, clWhite);
        EXPECT_EQ(b.left, 60 + k.dx) << k.flags;
        EXPECT_EQ(b.top, 30 + k.dy) << k.flags;
    }
}

TEST(TextTest, TextRectFillsTheRectangleAndClipsTheText)
{
    TBitmap bmp(80, 30);
    TCanvas& c = *bmp.Canvas();
    c.Brush()->SetColor(clYellow);
    c.TextRect({10, 5, 30, 20}, 2, 0, "WWWWWWWW");
    const Box b = ChangedBox(bmp, clWhite);
    EXPECT_EQ(b.left, 10);
    EXPECT_EQ(b.top, 5);
    EXPECT_EQ(b.right, 30);
    EXPECT_EQ(b.bottom, 20);
}

TEST(TextTest, UnderlineSpansTheText)
{
    TBitmap plain(100, 30), underlined(100, 30);
    for (TBitmap* bmp : {&plain, &underlined}) {
        bmp->Canvas()->Brush()->SetStyle(TBrushStyle::bsClear);
        bmp->Canvas()->Font()->SetHeight(-13);
    }
    underlined.Canvas()->Font()->SetStyle({TFontStyle::fsUnderline});
    plain.Canvas()->TextOut(5, 5, "a b");
    underlined.Canvas()->TextOut(5, 5, "a b");
    const int width = plain.Canvas()->TextWidth("a b");
    int fullRows = 0;
    for (int y = 5; y < 5 + plain.Canvas()->TextHeight("a"); ++y) {
        bool full = true;
        for (int x = 5; x < 5 + width; ++x) full &= underlined.Canvas()->Pixels(x, y) != clWhite;
        fullRows += full;
    }
    EXPECT_GE(fullRows, 1);
}

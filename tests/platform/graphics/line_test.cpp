// One-pixel and wide lines: the pixel rule, direction, clipping, styles and
// pen modes.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <set>
#include <vector>

#include "tests/platform/graphics/PixelArt.h"

using namespace qvx;
using qvx::testing::Art;
using qvx::testing::Marked;
using Pixels = std::set<std::pair<int, int>>;

namespace {

int CeilDiv(long long n, long long d)
{
    if (d < 0) n = -n, d = -d;
    return int(n >= 0 ? (n + d - 1) / d : -((-n) / d));
}

// The rule, evaluated per pixel without any incremental state: each step
// along the major axis takes the exact minor ordinate rounded to nearest,
// halves toward the smaller coordinate; the end point is left out.
Pixels Oracle(int x0, int y0, int x1, int y1)
{
    Pixels out;
    const int dx = x1 - x0, dy = y1 - y0;
    if (std::abs(dx) > std::abs(dy)) {
        for (int x = x0; x != x1; x += dx > 0 ? 1 : -1)
            out.insert({x, CeilDiv(2LL * y0 * dx + 2LL * (x - x0) * dy - dx, 2LL * dx)});
    } else {
        for (int y = y0; y != y1; y += dy > 0 ? 1 : -1)
            out.insert({CeilDiv(2LL * x0 * dy + 2LL * (y - y0) * dx - dy, 2LL * dy), y});
    }
    return out;
}

Pixels Drawn(TBitmap& bmp)
{
    Pixels s;
    for (auto p : Marked(bmp)) s.insert(p);
    return s;
}

}  // namespace

TEST(LineTest, MatchesTheRoundingRuleInEveryDirection)
{
    TBitmap bmp(40, 40);
    for (int dx = -13; dx <= 13; ++dx) {
        for (int dy = -13; dy <= 13; ++dy) {
            bmp.Canvas()->FillRect({0, 0, 40, 40});
            bmp.Canvas()->MoveTo(20, 20);
            bmp.Canvas()->LineTo(20 + dx, 20 + dy);
            ASSERT_EQ(Drawn(bmp), Oracle(20, 20, 20 + dx, 20 + dy)) << "dx=" << dx << " dy=" << dy;
        }
    }
}

TEST(LineTest, LongLinesInsideAndAcrossTheEdgesMatchTheRule)
{
    // Long lines exercise the accumulated fixed-point and error terms (lines
    // of 1024 pixels and more take another walk); lines that leave the
    // bitmap take the clipped path, lines inside it the fast one.
    constexpr int W = 1300, H = 300;
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> cx(-150, W + 149), cy(-100, H + 99);
    std::vector<std::array<int, 4>> lines = {{2, 3, 1297, 296}, {1290, 250, 3, 20}, {10, 299, 1200, 0}};
    for (int i = 0; i < 60; ++i) lines.push_back({cx(rng), cy(rng), cx(rng), cy(rng)});
    TBitmap bmp(W, H);
    for (const auto& [x0, y0, x1, y1] : lines) {
        bmp.Canvas()->FillRect({0, 0, W, H});
        bmp.Canvas()->MoveTo(x0, y0);
        bmp.Canvas()->LineTo(x1, y1);
        Pixels expected;
        for (auto p : Oracle(x0, y0, x1, y1))
            if (p.first >= 0 && p.first < W && p.second >= 0 && p.second < H) expected.insert(p);
        Pixels drawn;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                if (bmp.Buffer().Row(y)[x] != 0xFFFFFFFFu) drawn.insert({x, y});
        ASSERT_EQ(drawn, expected) << x0 << "," << y0 << " -> " << x1 << "," << y1;
    }
}

TEST(LineTest, KnownSegments)
{
    struct Case {
        const char* name;
        int x0, y0, x1, y1;
        Pixels expected;
    };
    const Case cases[] = {
        {"shallow down-right", 0, 0, 4, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
        {"same line reversed", 4, 2, 0, 0, {{4, 2}, {3, 1}, {2, 1}, {1, 0}}},
        {"half step upward takes the upper pixel", 0, 1, 2, 0, {{0, 1}, {1, 0}}},
        {"horizontal", 0, 0, 5, 0, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}},
        {"horizontal reversed", 5, 0, 0, 0, {{5, 0}, {4, 0}, {3, 0}, {2, 0}, {1, 0}}},
        {"diagonal", 0, 0, 3, 3, {{0, 0}, {1, 1}, {2, 2}}},
        {"zero length draws nothing", 2, 2, 2, 2, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TBitmap bmp(8, 8);
        bmp.Canvas()->MoveTo(c.x0, c.y0);
        bmp.Canvas()->LineTo(c.x1, c.y1);
        EXPECT_EQ(Drawn(bmp), c.expected);
        EXPECT_EQ(bmp.Canvas()->PenPos(), Point(c.x1, c.y1));
    }
}

TEST(LineTest, ClippingKeepsThePixelSet)
{
    // The same long lines drawn on a large bitmap and, shifted, on a small one
    // (with and without a clip rectangle) must agree pixel for pixel.
    const int lines[][4] = {{-500, -37, 900, 411}, {3, 1000, 71, -1000}, {-7, 33, 300, 34}, {64, 5, -2000000000, 9}};
    for (const auto& l : lines) {
        TBitmap big(200, 200), small(23, 17);
        big.Canvas()->MoveTo(l[0] + 100, l[1] + 100);
        big.Canvas()->LineTo(l[2] + 100, l[3] + 100);
        small.Canvas()->SetOrigin({-20, -30});
        small.Canvas()->MoveTo(l[0] + 100, l[1] + 100);
        small.Canvas()->LineTo(l[2] + 100, l[3] + 100);
        for (int y = 0; y < 17; ++y)
            for (int x = 0; x < 23; ++x)
                ASSERT_EQ(small.Canvas()->Pixels(x + 20, y + 30), big.Canvas()->Pixels(x + 20, y + 30)) << x << "," << y;
    }
}

TEST(LineTest, ClipRectangleStopsDrawing)
{
    TBitmap bmp(10, 3);
    bmp.Canvas()->SetClipRect({2, 0, 6, 3});
    bmp.Canvas()->MoveTo(0, 1);
    bmp.Canvas()->LineTo(10, 1);
    EXPECT_EQ(bmp.Canvas()->Pixels(1, 1), CLR_INVALID) << "outside the clip reads as invalid";
    bmp.Canvas()->ResetClipRect();
    EXPECT_EQ(Art(bmp), (std::vector<std::string>{"..........", "..####....", ".........."}));
}

TEST(LineTest, DottedGapsTakeTheBrushOnlyWhenSolid)
{
    TBitmap bmp(14, 2);
    TCanvas& c = *bmp.Canvas();
    c.Pen()->SetStyle(TPenStyle::psDot);
    c.Brush()->SetColor(clRed);
    c.MoveTo(0, 0);
    c.LineTo(14, 0);
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    c.MoveTo(0, 1);
    c.LineTo(14, 1);
    EXPECT_EQ(Art(bmp), (std::vector<std::string>{"###ooo###ooo##", "###...###...##"}));
}

TEST(LineTest, PolylineContinuesTheDashWhileLineToRestartsIt)
{
    TBitmap bmp(10, 2);
    TCanvas& c = *bmp.Canvas();
    c.Pen()->SetStyle(TPenStyle::psDot);
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    const TPoint path[] = {{0, 0}, {4, 0}, {10, 0}};
    c.Polyline(path);
    c.MoveTo(0, 1);
    c.LineTo(4, 1);
    c.LineTo(10, 1);
    EXPECT_EQ(Art(bmp), (std::vector<std::string>{"###...###.", "###.###..."}));
}

TEST(LineTest, StyledPatterns)
{
    struct Case {
        TPenStyle style;
        const char* row;
    };
    const Case cases[] = {
        {TPenStyle::psDash, "##################......###"},
        {TPenStyle::psDashDot, "#########......###......###"},
        {TPenStyle::psDashDotDot, "#########...###...###...###"},
        {TPenStyle::psInsideFrame, "###########################"},
    };
    for (const Case& k : cases) {
        TBitmap bmp(27, 1);
        bmp.Canvas()->Pen()->SetStyle(k.style);
        bmp.Canvas()->Brush()->SetStyle(TBrushStyle::bsClear);
        bmp.Canvas()->MoveTo(0, 0);
        bmp.Canvas()->LineTo(27, 0);
        EXPECT_EQ(Art(bmp)[0], k.row) << int(k.style);
    }
}

TEST(LineTest, ClearPenDrawsNothingButMoves)
{
    TBitmap bmp(5, 5);
    bmp.Canvas()->Pen()->SetStyle(TPenStyle::psClear);
    bmp.Canvas()->LineTo(4, 4);
    EXPECT_TRUE(Marked(bmp).empty());
    EXPECT_EQ(bmp.Canvas()->PenPos(), Point(4, 4));
}

TEST(LineTest, PenModesCombineBitwise)
{
    const TColor P = 0x3C5AF0, D = 0x0F33CC;
    struct Case {
        TPenMode mode;
        TColor expected;
    };
    const Case cases[] = {
        {TPenMode::pmBlack, 0},           {TPenMode::pmWhite, 0xFFFFFF},
        {TPenMode::pmNop, D},             {TPenMode::pmNot, ~D & 0xFFFFFF},
        {TPenMode::pmCopy, P},            {TPenMode::pmNotCopy, ~P & 0xFFFFFF},
        {TPenMode::pmMergePenNot, (P | ~D) & 0xFFFFFF}, {TPenMode::pmMaskPenNot, P & ~D},
        {TPenMode::pmMergeNotPen, (~P | D) & 0xFFFFFF}, {TPenMode::pmMaskNotPen, ~P & D},
        {TPenMode::pmMerge, P | D},       {TPenMode::pmNotMerge, ~(P | D) & 0xFFFFFF},
        {TPenMode::pmMask, P & D},        {TPenMode::pmNotMask, ~(P & D) & 0xFFFFFF},
        {TPenMode::pmXor, P ^ D},         {TPenMode::pmNotXor, ~(P ^ D) & 0xFFFFFF},
    };
    for (const Case& k : cases) {
        TBitmap bmp(3, 1);
        TCanvas& c = *bmp.Canvas();
        c.Pixels(0, 0);
        c.SetPixels(0, 0, D);
        c.Pen()->SetColor(P);
        c.Pen()->SetMode(k.mode);
        c.MoveTo(0, 0);
        c.LineTo(1, 0);
        EXPECT_EQ(c.Pixels(0, 0), k.expected) << int(k.mode);
        EXPECT_EQ(bmp.Buffer().Row(0)[0] >> 24, 0xFFu) << "alpha stays opaque";
    }
}

TEST(LineTest, XorTwiceRestoresThePicture)
{
    TBitmap bmp(30, 30);
    TCanvas& c = *bmp.Canvas();
    c.Brush()->SetColor(clTeal);
    c.Ellipse(2, 2, 25, 20);
    std::vector<TPixel> before(bmp.Buffer().Bits(), bmp.Buffer().Bits() + 900);
    c.Pen()->SetMode(TPenMode::pmXor);
    c.Pen()->SetColor(clWhite);
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    const TPoint crossing[] = {{0, 0}, {29, 29}, {29, 0}, {0, 29}, {15, -5}};
    for (int width : {1, 4}) {
        c.Pen()->SetWidth(width);
        for (int pass = 0; pass < 2; ++pass) {
            c.Polyline(crossing);
            c.Rectangle(3, 4, 27, 22);
            c.Ellipse(1, 1, 28, 17);
        }
        EXPECT_TRUE(std::equal(before.begin(), before.end(), bmp.Buffer().Bits())) << "width " << width;
    }
}

TEST(LineTest, WidePensDrawRoundCappedBands)
{
    struct Case {
        int width;
        std::vector<std::string> art;
    };
    const Case cases[] = {
        {2, {"...........", "...#######.", "...#######.", "...........", "..........."}},
        {3, {"...........", "....#######", "....#######", "....#######", "..........."}},
        {4, {"....####...", "...######..", "...######..", "....####...", "..........."}},
    };
    for (const Case& k : cases) {
        TBitmap bmp(11, 5);
        bmp.Canvas()->Pen()->SetWidth(k.width);
        bmp.Canvas()->MoveTo(k.width == 4 ? 5 : 4 + (k.width == 3), 2);
        bmp.Canvas()->LineTo(k.width == 4 ? 7 : 9, 2);
        EXPECT_EQ(Art(bmp), k.art) << "width " << k.width;
    }
}

TEST(LineTest, WideStyledPensDrawSolid)
{
    TBitmap a(20, 6), b(20, 6);
    a.Canvas()->Pen()->SetWidth(3);
    a.Canvas()->Pen()->SetStyle(TPenStyle::psDot);
    b.Canvas()->Pen()->SetWidth(3);
    for (TBitmap* bmp : {&a, &b}) {
        bmp->Canvas()->MoveTo(2, 2);
        bmp->Canvas()->LineTo(17, 4);
    }
    EXPECT_EQ(Art(a), Art(b));
}

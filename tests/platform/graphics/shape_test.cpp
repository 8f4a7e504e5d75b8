// Rectangles, ellipses, arcs, polygons, fills, pixels and bitmap copies.

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <vector>

#include "platform/graphics/Raster_p.h"
#include "tests/platform/graphics/PixelArt.h"

using namespace qvx;
using qvx::testing::Art;
using qvx::testing::Marked;
using Rows = std::vector<std::string>;

TEST(ShapeTest, RectangleExcludesRightAndBottom)
{
    TBitmap bmp(12, 12);
    TCanvas& c = *bmp.Canvas();
    c.Brush()->SetColor(clRed);
    c.Rectangle(1, 1, 11, 11);
    const Rows art = Art(bmp);
    EXPECT_EQ(art[0], "............");
    EXPECT_EQ(art[1], ".##########.");
    EXPECT_EQ(art[2], ".#oooooooo#.");
    EXPECT_EQ(art[10], ".##########.");
    EXPECT_EQ(art[11], "............");
}

TEST(ShapeTest, RectangleWithClearPenFillsOneLess)
{
    TBitmap bmp(6, 5);
    TCanvas& c = *bmp.Canvas();
    c.Pen()->SetStyle(TPenStyle::psClear);
    c.Brush()->SetColor(clRed);
    c.Rectangle(0, 0, 5, 4);
    EXPECT_EQ(Art(bmp), (Rows{"oooo..", "oooo..", "oooo..", "......", "......"}));
}

TEST(ShapeTest, RectangleCornersInAnyOrderAndClearBrush)
{
    TBitmap bmp(5, 4);
    bmp.Canvas()->Brush()->SetStyle(TBrushStyle::bsClear);
    bmp.Canvas()->Rectangle(4, 3, 0, 0);
    EXPECT_EQ(Art(bmp), (Rows{"####.", "#..#.", "####.", "....."}));
}

TEST(ShapeTest, DottedRectangleStartsAtTheTopRightCorner)
{
    TBitmap bmp(10, 10);
    TCanvas& c = *bmp.Canvas();
    c.Pen()->SetStyle(TPenStyle::psDot);
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    c.Rectangle(0, 0, 10, 10);
    EXPECT_EQ(Art(bmp), (Rows{
                            ".###...###",
                            ".........." ,
                            "..........",
                            "#.........",
                            "#........#",
                            "#........#",
                            ".........#",
                            "..........",
                            "..........",
                            "###...###.",
                        }));
}

TEST(ShapeTest, WideRectangleBandAndInsideFrame)
{
    TBitmap bmp(14, 14);
    TCanvas& c = *bmp.Canvas();
    c.Pen()->SetWidth(3);
    c.Brush()->SetColor(clRed);
    c.Rectangle(2, 2, 12, 12);  // band centred on the path through 2 and 11
    Rows art = Art(bmp);
    EXPECT_EQ(art[0], "..............");
    EXPECT_EQ(art[1], ".############.");
    EXPECT_EQ(art[4], ".###oooooo###.");
    EXPECT_EQ(art[12], ".############.");
    EXPECT_EQ(art[13], "..............");

    TBitmap inside(12, 12);
    inside.Canvas()->Pen()->SetWidth(3);
    inside.Canvas()->Pen()->SetStyle(TPenStyle::psInsideFrame);
    inside.Canvas()->Brush()->SetColor(clRed);
    inside.Canvas()->Rectangle(1, 1, 11, 11);  // outer edge exactly on 1 and 10
    art = Art(inside);
    EXPECT_EQ(art[0], "............");
    EXPECT_EQ(art[1], ".##########.");
    EXPECT_EQ(art[4], ".###oooo###.");
    EXPECT_EQ(art[10], ".##########.");
    EXPECT_EQ(art[11], "............");
}

TEST(ShapeTest, EllipseOutlineAndInterior)
{
    TBitmap bmp(10, 10);
    bmp.Canvas()->Brush()->SetColor(clRed);
    bmp.Canvas()->Ellipse(0, 0, 10, 10);
    EXPECT_EQ(Art(bmp), (Rows{
                            "...####...",
                            "..#oooo#..",
                            ".#oooooo#.",
                            "#oooooooo#",
                            "#oooooooo#",
                            "#oooooooo#",
                            "#oooooooo#",
                            ".#oooooo#.",
                            "..#oooo#..",
                            "...####...",
                        }));
}

TEST(ShapeTest, ThinEllipseIsARectangle)
{
    TBitmap a(8, 4), b(8, 4);
    a.Canvas()->Ellipse(1, 1, 7, 3);
    b.Canvas()->Rectangle(1, 1, 7, 3);
    EXPECT_EQ(Art(a), Art(b));
}

// Every outline pixel appears once, the pixels form one connected curve that
// stays in its box, reaches its edges and is mirror-symmetric: a hole would
// show in every circle mark, a double pixel in every XOR-drawn ellipse.
TEST(ShapeTest, EllipseOutlineIsOneClosedLoop)
{
    std::vector<raster::TDevPoint> loop;
    for (int w = 3; w <= 28; ++w) {
        for (int h = 3; h <= 28; ++h) {
            raster::EllipseOutline(0, 0, w, h, loop);
            std::set<std::pair<int64_t, int64_t>> seen;
            for (const auto p : loop) {
                ASSERT_TRUE(seen.insert({p.x, p.y}).second) << w << "x" << h << " repeats " << p.x << "," << p.y;
                ASSERT_TRUE(p.x >= 0 && p.x < w && p.y >= 0 && p.y < h) << w << "x" << h;
            }
            // No holes: the pixels form one 8-connected curve.
            std::set<std::pair<int64_t, int64_t>> reached{{loop[0].x, loop[0].y}};
            std::vector<std::pair<int64_t, int64_t>> todo{{loop[0].x, loop[0].y}};
            while (!todo.empty()) {
                const auto [x, y] = todo.back();
                todo.pop_back();
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        if (seen.count({x + dx, y + dy}) && reached.insert({x + dx, y + dy}).second)
                            todo.push_back({x + dx, y + dy});
            }
            ASSERT_EQ(reached.size(), seen.size()) << w << "x" << h;
            ASSERT_TRUE(seen.count({(w - 1) / 2, 0}) && seen.count({(w - 1) / 2, h - 1})) << w << "x" << h << " tips";
            for (const auto& [x, y] : seen) {
                ASSERT_TRUE(seen.count({w - 1 - x, y}) && seen.count({x, h - 1 - y})) << w << "x" << h;
            }
            ASSERT_EQ(loop[0].x, w - 1) << "starts on the right";
        }
    }
}

TEST(ShapeTest, ArcFromThreeToTwelveOClockIsTheUpperRightQuarter)
{
    TBitmap arc(21, 21), full(21, 21);
    arc.Canvas()->Arc(0, 0, 21, 21, 20, 10, 10, 0);
    full.Canvas()->Brush()->SetStyle(TBrushStyle::bsClear);
    full.Canvas()->Ellipse(0, 0, 21, 21);
    const auto drawn = Marked(arc);
    ASSERT_FALSE(drawn.empty());
    std::set<std::pair<int, int>> outline;
    for (auto p : Marked(full)) outline.insert(p);
    size_t quarter = 0;
    for (auto p : outline)
        if (p.first >= 10 && p.second <= 10) ++quarter;
    for (auto [x, y] : drawn) {
        EXPECT_TRUE(outline.count({x, y})) << x << "," << y;
        EXPECT_TRUE(x >= 10 && y <= 10) << x << "," << y;
    }
    // The quarter's outline minus the pixel on the 12 o'clock ray, minus the
    // omitted last pixel of the open path.
    EXPECT_EQ(drawn.size(), quarter - 2);
    EXPECT_NE(arc.Canvas()->Pixels(20, 10), clWhite) << "starts on the start ray";
}

TEST(ShapeTest, ArcWithEqualRaysIsTheWholeEllipseLessOnePixel)
{
    TBitmap arc(15, 11), full(15, 11);
    arc.Canvas()->Arc(0, 0, 15, 11, 14, 5, 14, 5);
    full.Canvas()->Brush()->SetStyle(TBrushStyle::bsClear);
    full.Canvas()->Ellipse(0, 0, 15, 11);
    EXPECT_EQ(Marked(arc).size() + 1, Marked(full).size());
}

TEST(ShapeTest, PolygonFillsAndClosesItsOutline)
{
    const TPoint square[] = {{0, 0}, {5, 0}, {5, 5}, {0, 5}};
    TBitmap bmp(7, 7);
    bmp.Canvas()->Brush()->SetColor(clRed);
    bmp.Canvas()->Polygon(square);
    EXPECT_EQ(Art(bmp), (Rows{"######.", "#oooo#.", "#oooo#.", "#oooo#.", "#oooo#.", "######.", "......."}));

    TBitmap fillOnly(7, 7);
    fillOnly.Canvas()->Pen()->SetStyle(TPenStyle::psClear);
    fillOnly.Canvas()->Brush()->SetColor(clRed);
    fillOnly.Canvas()->Polygon(square);
    EXPECT_EQ(Art(fillOnly), (Rows{"ooooo..", "ooooo..", "ooooo..", "ooooo..", "ooooo..", ".......", "......."}));
}

TEST(ShapeTest, PolygonUsesTheAlternateRule)
{
    // A five-pointed star: its centre is crossed twice and stays unfilled.
    const TPoint star[] = {{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}};
    TBitmap bmp(21, 21);
    bmp.Canvas()->Pen()->SetStyle(TPenStyle::psClear);
    bmp.Canvas()->Brush()->SetColor(clRed);
    bmp.Canvas()->Polygon(star);
    EXPECT_EQ(bmp.Canvas()->Pixels(10, 11), clWhite);
    EXPECT_EQ(bmp.Canvas()->Pixels(10, 3), clRed);
}

TEST(ShapeTest, FillRectPixelsAndOrigin)
{
    TBitmap bmp(6, 4);
    TCanvas& c = *bmp.Canvas();
    c.Brush()->SetColor(clRed);
    c.Pen()->SetMode(TPenMode::pmXor);  // FillRect ignores the pen mode
    c.FillRect({1, 1, 3, 3});
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    c.FillRect({0, 0, 6, 4});  // a clear brush fills nothing
    c.Pen()->SetMode(TPenMode::pmCopy);
    c.SetOrigin({3, 0});
    c.SetPixels(1, 3, clBlack);
    c.SetPixels(100, 100, clBlack);
    EXPECT_EQ(c.Pixels(1, 3), clBlack);
    EXPECT_EQ(c.Pixels(-4, 0), CLR_INVALID);
    c.SetOrigin({0, 0});
    EXPECT_EQ(Art(bmp), (Rows{"......", ".oo...", ".oo...", "....#."}));
}

TEST(ShapeTest, DrawCopiesAndAndCombines)
{
    TBitmap src(3, 2);
    src.Canvas()->SetPixels(0, 0, clBlack);
    src.Canvas()->SetPixels(1, 0, 0x00FF00);
    TBitmap dst(5, 3);
    dst.Canvas()->Brush()->SetColor(clRed);
    dst.Canvas()->FillRect({0, 0, 5, 3});
    dst.Canvas()->SetCopyMode(cmSrcAnd);
    dst.Canvas()->Draw(1, 1, src);
    // White source keeps the destination; black clears it; green masks red to black.
    EXPECT_EQ(dst.Canvas()->Pixels(1, 1), clBlack);
    EXPECT_EQ(dst.Canvas()->Pixels(2, 1), clBlack);
    EXPECT_EQ(dst.Canvas()->Pixels(3, 1), clRed);
    EXPECT_EQ(dst.Canvas()->Pixels(1, 2), clRed);
    dst.Canvas()->SetCopyMode(cmSrcCopy);
    dst.Canvas()->Draw(3, 0, src);  // clipped at the right edge
    EXPECT_EQ(dst.Canvas()->Pixels(3, 0), clBlack);
    EXPECT_EQ(dst.Canvas()->Pixels(4, 0), 0x00FF00);
    EXPECT_EQ(dst.Canvas()->Pixels(0, 0), clRed);
}

TEST(ShapeTest, StretchDrawSamplesPixelCentres)
{
    TBitmap src(2, 1);
    src.Canvas()->SetPixels(0, 0, clBlack);
    TBitmap dst(6, 2);
    dst.Canvas()->StretchDraw({0, 0, 5, 2}, src);
    EXPECT_EQ(Art(dst), (Rows{"##....", "##...."}));
    dst.Canvas()->StretchDraw({0, 0, 2, 1}, src);  // natural size is a plain copy
    EXPECT_EQ(Art(dst)[0], "#.....");
}

// Colours, pen, brush and font settings: resolution, notification, Assign.

#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Pen.h"

using namespace qvx;

TEST(ColorTest, SystemColoursResolveThroughTheTable)
{
    EXPECT_EQ(ColorToRGB(clRed), 0x0000FF);
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(212, 208, 200));
    EXPECT_EQ(ColorToRGB(clBtnShadow), 0x808080);
    EXPECT_EQ(ColorToRGB(clBtnHighlight), 0xFFFFFF);
    EXPECT_EQ(ColorToRGB(clWindowText), 0x000000);
    EXPECT_EQ(ColorToRGB(clWindow), 0xFFFFFF);
    EXPECT_EQ(ColorToRGB(SystemColor(200)), clBlack) << "unknown system colours are black";
    EXPECT_LT(clBtnFace, 0);
    EXPECT_EQ(ColorToPixel(RGB(1, 2, 3)), 0xFF010203u);
    EXPECT_EQ(PixelToColor(0xFF010203u), RGB(1, 2, 3));
}

TEST(GraphicsObjectTest, ChangesNotifyOnlyWhenSomethingChanges)
{
    int pens = 0, brushes = 0, fonts = 0;
    TPen pen;
    TBrush brush;
    TFont font;
    pen.OnChange = [&](TObject*) { ++pens; };
    brush.OnChange = [&](TObject*) { ++brushes; };
    font.OnChange = [&](TObject*) { ++fonts; };
    pen.SetColor(clRed);
    pen.SetColor(clRed);
    pen.SetWidth(3);
    pen.SetMode(TPenMode::pmXor);
    EXPECT_EQ(pens, 3);
    font.SetSize(8);  // already 8 points at 96 dpi
    font.SetSize(10);
    font.SetStyle({TFontStyle::fsBold});
    EXPECT_EQ(fonts, 2);
    brush.SetStyle(TBrushStyle::bsClear);
    brush.SetColor(clWhite);  // same colour, but the brush becomes solid
    EXPECT_EQ(brushes, 2);
}

TEST(BrushTest, ColourMakesAClearBrushSolidAndClearResetsTheColour)
{
    TBrush brush;
    brush.SetColor(clRed);
    brush.SetStyle(TBrushStyle::bsClear);
    EXPECT_EQ(brush.Color(), clWhite);
    brush.SetColor(clGreen);
    EXPECT_EQ(brush.Style(), TBrushStyle::bsSolid);
}

TEST(FontTest, SizeAndHeightConvertAtTheResolution)
{
    struct Case {
        int ppi, size, height;
    };
    const Case cases[] = {{96, 8, -11}, {96, 9, -12}, {96, 10, -13}, {120, 8, -13}, {120, 10, -17}, {96, 0, 0}};
    for (const Case& k : cases) {
        TFont font;
        font.SetPixelsPerInch(k.ppi);
        font.SetSize(k.size);
        EXPECT_EQ(font.Height(), k.height) << k.ppi << " dpi, " << k.size << " pt";
        EXPECT_EQ(font.Size(), k.size);
    }
    TFont font;
    font.SetHeight(16);  // a cell height reads back as a negative size
    EXPECT_EQ(font.Size(), -12);
    font.SetPixelsPerInch(0);
    EXPECT_EQ(font.PixelsPerInch(), 96);
    EXPECT_EQ(MulDiv(INT32_MAX, 4, 1), INT32_MAX);
    EXPECT_EQ(MulDiv(5, 1, 0), 0);
}

TEST(AssignTest, CopiesSettingsAndRefusesForeignClasses)
{
    TPen a, b;
    a.SetColor(clRed);
    a.SetWidth(4);
    a.SetStyle(TPenStyle::psDot);
    int changes = 0;
    b.OnChange = [&](TObject*) { ++changes; };
    b.Assign(&a);
    EXPECT_EQ(b.Color(), clRed);
    EXPECT_EQ(b.Width(), 4);
    EXPECT_EQ(b.Style(), TPenStyle::psDot);
    EXPECT_EQ(changes, 1);

    TFont font;
    font.SetName("Courier New");
    try {
        font.Assign(&a);
        FAIL() << "assigning a pen to a font must fail";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Cannot assign a TPen to a TFont");
    }
    EXPECT_EQ(font.Name(), "Courier New");
    EXPECT_THROW(font.Assign(nullptr), EConvertError);
}

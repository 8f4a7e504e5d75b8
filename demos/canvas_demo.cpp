// canvas_demo OUT.png: draws a reference sheet of every canvas primitive, pen
// style, pen mode, pen width and a few text lines, and saves it as a PNG.

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"

using namespace qvx;

namespace {

constexpr int kSheetWidth = 860;
constexpr int kSheetHeight = 640;

void Heading(TCanvas& c, int x, int y, const char* text)
{
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    c.Font()->SetStyle({TFontStyle::fsBold});
    c.Font()->SetColor(clNavy);
    c.TextOut(x, y, text);
    c.Font()->SetStyle({});
    c.Font()->SetColor(clBlack);
}

void Label(TCanvas& c, int x, int y, const std::string& text)
{
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    c.TextOut(x, y, text);
}

void ResetPen(TCanvas& c)
{
    c.Pen()->SetColor(clBlack);
    c.Pen()->SetWidth(1);
    c.Pen()->SetStyle(TPenStyle::psSolid);
    c.Pen()->SetMode(TPenMode::pmCopy);
    c.Brush()->SetColor(clWhite);
}

void DrawLineStar(TCanvas& c, int cx, int cy)
{
    Heading(c, cx - 60, cy - 75, "Lines in every direction");
    const int ends[][2] = {{50, 0}, {50, 20}, {50, 50}, {20, 50}, {0, 50}, {-20, 50}, {-50, 50}, {-50, 20},
                           {-50, 0}, {-50, -20}, {-50, -50}, {-20, -50}, {0, -50}, {20, -50}, {50, -50}, {50, -20}};
    const TColor colours[] = {clRed, clGreen, clBlue, clMaroon, clPurple, clTeal, clOlive, clNavy};
    int i = 0;
    for (const auto& e : ends) {
        c.Pen()->SetColor(colours[i++ % 8]);
        c.MoveTo(cx, cy);
        c.LineTo(cx + e[0], cy + e[1]);
    }
    ResetPen(c);
}

void DrawPenStyles(TCanvas& c, int x, int y)
{
    Heading(c, x, y, "Pen styles: solid brush (yellow gaps) / clear brush");
    const struct {
        TPenStyle style;
        const char* name;
    } styles[] = {{TPenStyle::psSolid, "psSolid"},       {TPenStyle::psDash, "psDash"},
                  {TPenStyle::psDot, "psDot"},           {TPenStyle::psDashDot, "psDashDot"},
                  {TPenStyle::psDashDotDot, "psDashDotDot"}, {TPenStyle::psClear, "psClear"},
                  {TPenStyle::psInsideFrame, "psInsideFrame"}};
    int row = y + 20;
    for (const auto& s : styles) {
        Label(c, x, row - 6, s.name);
        c.Pen()->SetStyle(s.style);
        c.Brush()->SetColor(clYellow);
        c.MoveTo(x + 95, row);
        c.LineTo(x + 245, row);
        c.Brush()->SetStyle(TBrushStyle::bsClear);
        c.MoveTo(x + 255, row);
        c.LineTo(x + 405, row);
        row += 16;
    }
    ResetPen(c);
}

void DrawPenWidths(TCanvas& c, int x, int y)
{
    Heading(c, x, y, "Pen widths 1 to 8");
    for (int w = 1; w <= 8; ++w) {
        c.Pen()->SetWidth(w);
        c.Pen()->SetColor(w % 2 ? clNavy : clMaroon);
        c.MoveTo(x + 10 + (w - 1) * 30, y + 25);
        c.LineTo(x + 10 + (w - 1) * 30, y + 75);
        c.MoveTo(x + 5 + (w - 1) * 30, y + 85);
        c.LineTo(x + 30 + (w - 1) * 30, y + 110);
    }
    ResetPen(c);
}

void DrawPenModes(TCanvas& c, int x, int y)
{
    Heading(c, x, y, "Pen modes over a striped background (pen $F05A3C)");
    static const char* names[] = {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy",
                                  "pmMergePenNot", "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge",
                                  "pmNotMerge", "pmMask", "pmNotMask", "pmXor", "pmNotXor"};
    for (int i = 0; i < 16; ++i) {
        const int cx = x + (i % 8) * 104, cy = y + 22 + (i / 8) * 62;
        c.Pen()->SetStyle(TPenStyle::psClear);
        const TColor stripes[] = {clWhite, clBlack, clAqua, clFuchsia};
        for (int s = 0; s < 4; ++s) {
            c.Brush()->SetColor(stripes[s]);
            c.Rectangle(cx, cy + s * 10, cx + 42, cy + s * 10 + 11);
        }
        c.Pen()->SetStyle(TPenStyle::psSolid);
        c.Pen()->SetWidth(9);
        c.Pen()->SetColor(0xF05A3C);
        c.Pen()->SetMode(static_cast<TPenMode>(i));
        c.MoveTo(cx + 21, cy + 4);
        c.LineTo(cx + 21, cy + 36);
        ResetPen(c);
        Label(c, cx, cy + 42, names[i]);
    }
}

void DrawShapes(TCanvas& c, int x, int y)
{
    Heading(c, x, y, "Shapes: 1-px and wide pens, solid and clear brushes");
    c.Brush()->SetColor(RGB(166, 202, 240));
    c.Rectangle(x, y + 20, x + 50, y + 60);
    c.Ellipse(x + 60, y + 20, x + 120, y + 60);
    const TPoint star[] = {{x + 155, y + 18}, {x + 170, y + 62}, {x + 130, y + 35}, {x + 180, y + 35}, {x + 140, y + 62}};
    c.Brush()->SetColor(clLime);
    c.Polygon(star);
    c.Pen()->SetColor(clRed);
    c.Arc(x + 190, y + 20, x + 250, y + 62, x + 250, y + 41, x + 220, y + 20);
    c.Pen()->SetColor(clBlue);
    c.Arc(x + 190, y + 20, x + 250, y + 62, x + 190, y + 41, x + 220, y + 62);
    c.Pen()->SetWidth(5);
    c.Pen()->SetColor(clGreen);
    c.Brush()->SetColor(clYellow);
    c.Rectangle(x + 265, y + 22, x + 320, y + 60);
    c.Pen()->SetStyle(TPenStyle::psInsideFrame);
    c.Rectangle(x + 330, y + 20, x + 385, y + 62);
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    c.Pen()->SetStyle(TPenStyle::psSolid);
    c.Pen()->SetColor(clPurple);
    c.Ellipse(x + 398, y + 22, x + 460, y + 60);
    ResetPen(c);
    c.Pen()->SetStyle(TPenStyle::psDot);
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    c.Rectangle(x + 470, y + 20, x + 520, y + 62);
    c.Ellipse(x + 530, y + 20, x + 590, y + 62);
    ResetPen(c);
}

void DrawText(TCanvas& c, int x, int y)
{
    Heading(c, x, y, "Text");
    struct Line {
        const char* name;
        int height;
        TFontStyles style;
        const char* text;
    };
    const Line lines[] = {
        {"MS Sans Serif", -11, {}, "MS Sans Serif 8 pt: 0123456789 -12.5 \xC2\xB0" "C"},
        {"MS Sans Serif", -13, {}, "Height -13: The quick brown fox jumps over the lazy dog"},
        {"MS Sans Serif", -13, {TFontStyle::fsBold}, "Bold"},
        {"MS Sans Serif", -13, {TFontStyle::fsItalic, TFontStyle::fsUnderline}, "Italic underlined"},
        {"MS Sans Serif", -13, {TFontStyle::fsStrikeOut}, "Struck out"},
        {"Times New Roman", -16, {}, "Times New Roman 12 pt"},
        {"Courier New", -13, {}, "Courier New: 3.14159"},
    };
    int row = y + 18;
    for (const Line& l : lines) {
        c.Font()->SetName(l.name);
        c.Font()->SetHeight(l.height);
        c.Font()->SetStyle(l.style);
        c.Brush()->SetStyle(TBrushStyle::bsClear);
        c.TextOut(x, row, l.text);
        row += c.TextHeight(l.text) + 2;
    }
    c.Font()->SetName("MS Sans Serif");
    c.Font()->SetHeight(-13);
    c.Font()->SetStyle({});
    c.Brush()->SetColor(clYellow);
    c.TextOut(x, row + 4, "Opaque cell");
    c.Brush()->SetColor(clAqua);
    c.TextRect({x + 100, row + 2, x + 170, row + 14}, x + 95, row + 4, "TextRect clipped");
    c.Font()->SetHeight(TFont::DefaultHeight);
}

void DrawBitmaps(TCanvas& c, int x, int y)
{
    Heading(c, x, y, "Draw, AND copy, StretchDraw, Pixels");
    TBitmap tile(16, 16);
    for (int j = 0; j < 16; ++j)
        for (int i = 0; i < 16; ++i) tile.Canvas()->SetPixels(i, j, ((i / 4 + j / 4) % 2) ? clBlack : clWhite);
    tile.Canvas()->Pen()->SetColor(clRed);
    tile.Canvas()->MoveTo(0, 15);
    tile.Canvas()->LineTo(16, -1);
    c.Draw(x, y + 20, tile);
    c.Brush()->SetColor(clLime);
    c.FillRect({x + 30, y + 20, x + 46, y + 36});
    c.SetCopyMode(cmSrcAnd);
    c.Draw(x + 30, y + 20, tile);
    c.SetCopyMode(cmSrcCopy);
    c.StretchDraw({x + 60, y + 20, x + 108, y + 68}, tile);
    for (int j = 0; j < 24; ++j)
        for (int i = 0; i < 24; ++i)
            if ((i + j) % 3 == 0) c.SetPixels(x + 120 + i, y + 20 + j, RGB(uint8_t(i * 10), 0, uint8_t(j * 10)));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: canvas_demo OUT.png\n");
        return 2;
    }
    try {
        TBitmap sheet(kSheetWidth, kSheetHeight);
        TCanvas& c = *sheet.Canvas();
        c.Brush()->SetColor(clBtnFace);
        c.FillRect({0, 0, kSheetWidth, kSheetHeight});
        c.Font()->SetHeight(-16);
        Heading(c, 10, 6, "Canvas reference sheet");
        c.Font()->SetHeight(TFont::DefaultHeight);
        DrawLineStar(c, 80, 110);
        DrawPenStyles(c, 170, 36);
        DrawPenWidths(c, 600, 36);
        DrawPenModes(c, 10, 200);
        DrawShapes(c, 10, 345);
        DrawText(c, 10, 430);
        DrawBitmaps(c, 560, 430);
        sheet.SaveToPNG(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "canvas_demo: %s\n", e.what());
        return 1;
    }
    return 0;
}

#include "demos/DemoForm.h"

#include "platform/controls/Screen.h"

namespace qvx::demo {

namespace {

// A 16 x 16 glyph: a red cross on a teal background, whose lower-left
// colour the button treats as transparent.
void MakeExitGlyph(TBitmap& glyph)
{
    glyph.SetSize(16, 16);
    TCanvas& c = *glyph.Canvas();
    c.Brush()->SetColor(clTeal);
    c.FillRect({0, 0, 16, 16});
    c.Pen()->SetColor(clRed);
    c.Pen()->SetWidth(3);
    c.MoveTo(3, 3);
    c.LineTo(12, 12);
    c.MoveTo(12, 3);
    c.LineTo(3, 12);
}

}  // namespace

TSketch::TSketch(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetColor(clWhite);
}

void TSketch::ClearTrail()
{
    FTrail.clear();
    Repaint();
}

void TSketch::Note(const std::string& what)
{
    FLog.push_back(what);
}

void TSketch::Paint()
{
    TCanvas& c = FCanvas;
    const int32_t w = ClientWidth(), h = ClientHeight();
    c.Pen()->SetStyle(TPenStyle::psSolid);
    c.Pen()->SetWidth(1);
    c.Brush()->SetColor(Color());
    c.FillRect({0, 0, w, h});
    c.Pen()->SetColor(clSilver);
    c.Pen()->SetStyle(TPenStyle::psDot);
    for (int32_t x = 20; x < w; x += 20) {
        c.MoveTo(x, 0);
        c.LineTo(x, h);
    }
    for (int32_t y = 20; y < h; y += 20) {
        c.MoveTo(0, y);
        c.LineTo(w, y);
    }
    c.Pen()->SetStyle(TPenStyle::psSolid);
    if (FTrail.size() > 1) {
        c.Pen()->SetColor(clNavy);
        c.Pen()->SetWidth(2);
        c.Polyline(FTrail);
        c.Pen()->SetWidth(1);
    }
    if (FMouse.X >= 0) {
        c.Pen()->SetColor(clRed);
        c.MoveTo(FMouse.X - 10, FMouse.Y);
        c.LineTo(FMouse.X + 11, FMouse.Y);
        c.MoveTo(FMouse.X, FMouse.Y - 10);
        c.LineTo(FMouse.X, FMouse.Y + 11);
        c.Brush()->SetStyle(TBrushStyle::bsClear);
        c.Ellipse(FMouse.X - 6, FMouse.Y - 6, FMouse.X + 7, FMouse.Y + 7);
    }
    c.SetFont(Font());
    c.Brush()->SetColor(clInfoBk);
    const std::string where = FMouse.X >= 0 ? "x = " + std::to_string(FMouse.X) + ", y = " + std::to_string(FMouse.Y)
                                            : "Move the mouse here";
    c.TextOut(8, 8, where);
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    int32_t y = 8 + c.TextHeight(where) + 4;
    const size_t first = FLog.size() > 6 ? FLog.size() - 6 : 0;
    for (size_t i = first; i < FLog.size(); ++i) {
        c.TextOut(8, y, FLog[i]);
        y += c.TextHeight(FLog[i]);
    }
}

void TSketch::MouseDown(TMouseButton, TShiftState Shift, int32_t X, int32_t Y)
{
    Note(std::string(Shift.Contains(ssDouble) ? "down+double " : "down ") + std::to_string(X) + "," + std::to_string(Y));
    Repaint();
}

void TSketch::MouseMove(TShiftState, int32_t X, int32_t Y)
{
    FMouse = {X, Y};
    FTrail.push_back(FMouse);
    if (FTrail.size() > 400) FTrail.erase(FTrail.begin());
    Repaint();
}

void TSketch::MouseUp(TMouseButton, TShiftState, int32_t X, int32_t Y)
{
    Note("up " + std::to_string(X) + "," + std::to_string(Y));
    Repaint();
}

void TSketch::DblClick()
{
    Note("dblclick");
}

void TSketch::Click()
{
    Note("click");
    TCustomControl::Click();
}

void TSketch::MouseEnter()
{
    Screen().SetCursor(crCross);
    TCustomControl::MouseEnter();
}

void TSketch::MouseLeave()
{
    Screen().SetCursor(crDefault);
    FMouse = {-1, -1};
    Repaint();
    TCustomControl::MouseLeave();
}

TDemoForm::TDemoForm(TComponent* AOwner) : TForm(AOwner)
{
    SetName("DemoForm");
    SetCaption("Platform demo: canvas, panel, buttons and mouse");
    SetBounds(100, 100, 648, 447);
    SetColor(clBtnFace);
    Font()->SetName("MS Sans Serif");
    Font()->SetHeight(-13);

    TopPanel = new TPanel(this);
    TopPanel->SetParent(this);
    TopPanel->SetHeight(49);
    TopPanel->SetAlign(TAlign::alTop);
    TopPanel->SetColor(clSilver);

    ClearButton = new TBitBtn(this);
    ClearButton->SetParent(TopPanel);
    ClearButton->SetBounds(8, 6, 97, 35);
    ClearButton->SetCaption("Clear trail");
    ClearButton->OnClick = [this](TObject*) { Sketch->ClearTrail(); };

    ExitButton = new TBitBtn(this);
    ExitButton->SetParent(TopPanel);
    ExitButton->SetBounds(113, 6, 81, 35);
    ExitButton->SetCaption("Exit");
    TBitmap glyph;
    MakeExitGlyph(glyph);
    ExitButton->SetGlyph(&glyph);
    ExitButton->OnClick = [this](TObject*) { Close(); };

    Scale = new TScale(this);
    Scale->SetParent(this);
    Scale->SetHeight(56);
    Scale->SetAlign(TAlign::alBottom);
    Scale->SetScaleType(TScaleType::sctXB);
    Scale->SetMarginTop(4);
    Scale->SetMarginBottom(24);
    Scale->SetRange(0, 640);
    Scale->SetCaption("drag to pan, double-click to zoom");
    Scale->SetCaptionAnchor(TScaleUnitAnchor::uaSclCenter);
    Scale->SetCaptionPosX(0);
    Scale->SetMouseAction(TMouseActMode::maPan);

    Sketch = new TSketch(this);
    Sketch->SetParent(this);
    Sketch->SetAlign(TAlign::alClient);
}

}  // namespace qvx::demo

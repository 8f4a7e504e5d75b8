// TCustomKurvex::Paint: when painting runs and the stages this chart draws
// so far (window colour and axes on the frame bitmap, the plot area in the
// chart colour), copied to the control in one step.

#include "chart/Kurvex.h"

namespace qvx {

void TCustomKurvex::DrawChartFrame(TCanvas& Canvas)
{
    Canvas.Pen()->SetStyle(TPenStyle::psSolid);
    Canvas.Pen()->SetMode(TPenMode::pmCopy);
    Canvas.Pen()->SetColor(FWindColor);
    Canvas.Brush()->SetColor(FWindColor);
    Canvas.Rectangle(0, 0, Width(), Height());
    CalcTransform();
    DrawAxes();
    if (OnScalesRendered) OnScalesRendered(this, &Canvas, 0, 0);
}

void TCustomKurvex::DrawChartBackground(TCanvas& Canvas, int32_t Left, int32_t Top, int32_t AWidth, int32_t AHeight)
{
    Canvas.Brush()->SetColor(FChartColor);
    Canvas.FillRect({Left, Top, Left + AWidth, Top + AHeight});
}

void TCustomKurvex::Paint()
{
    if (!Visible() && !ComponentState().Contains(csDesigning)) return;
    if (ComponentState().Contains(csLoading) || FPaintSuspended) return;
    ++FPaintCount;
    FFrameBitmap.SetSize(Width(), Height());
    DrawChartFrame(*FFrameBitmap.Canvas());
    ResizeDataBitmap();
    DrawChartBackground(*FDataBitmap.Canvas(), 0, 0, FDataBitmap.Width(), FDataBitmap.Height());
    FFrameBitmap.Canvas()->Draw(FMarginLeft, FMarginTop, FDataBitmap);
    Canvas()->Draw(0, 0, FFrameBitmap);
}

}  // namespace qvx

// TCustomKurvex: the 32 embedded axis painters (one TScale per axis).

#include <string>

#include "chart/Kurvex.h"

namespace qvx {

void TCustomKurvex::SetPainterGeometry(TScale& painter, bool xPainter)
{
    // The scale runs along the plot area's edges.
    if (xPainter) {
        painter.SetMarginLeft(FMarginLeft);
        painter.SetMarginRight(FMarginRight + FShadowWidth - 1);
    } else {
        painter.SetMarginTop(FMarginTop);
        painter.SetMarginBottom(FMarginBottom + FShadowWidth - 1);
    }
}

void TCustomKurvex::SyncScaleControl(TScale& Scale, const TScaleProps& Props)
{
    const int32_t W = Width(), H = Height();
    Scale.SetScaleType(Props.ScaleType());
    // The margin across the scale puts its axis line at the plot edge plus ScalePos.
    switch (Props.ScaleType()) {
    case TScaleType::sctXB: Scale.SetMarginBottom(Props.ScalePos() + H - FMarginTop - 1); break;
    case TScaleType::sctXT: Scale.SetMarginTop(Props.ScalePos() + H - FMarginBottom - FShadowWidth); break;
    case TScaleType::sctYL: Scale.SetMarginLeft(Props.ScalePos() + W - FMarginRight - FShadowWidth); break;
    case TScaleType::sctYR: Scale.SetMarginRight(Props.ScalePos() + W - FMarginLeft - 1); break;
    }
    Scale.SetRangeLow(Props.RangeLow());
    Scale.SetRangeHigh(Props.RangeHigh());
    Scale.SetVisible(Props.Visible());
    Scale.SetCaption(Props.Caption());
    Scale.SetCaptionPosX(Props.CaptionPosX());
    Scale.SetCaptionPosY(Props.CaptionPosY());
    Scale.SetCaptionAlignment(Props.CaptionAlignment());
    Scale.SetCaptionAnchor(Props.CaptionAnchor());
    Scale.SetColorScale(Props.ColorScale());
    Scale.SetDecPlaces(Props.DecPlaces());
    Scale.SetLogarithmic(Props.Logarithmic());
    Scale.SetLabelType(Props.LabelType());
    Scale.SetShortTicks(Props.ShortTicks());
    Scale.SetMinTicks(Props.MinTicks());
    Scale.SetScaleInscript(Props.ScaleInscript());
    Scale.SetUserTickText(Props.UserTickText());
    Scale.SetFont(Props.Font());
    Scale.Font()->SetColor(Props.Font()->Color());
    const TDTLabel& d = *Props.DateFormat();
    TDTLabel& own = *Scale.DateFormat();
    own.SetTimeFormat(d.TimeFormat());
    own.SetDateSeparator(d.DateSeparator());
    own.SetTimeSeparator(d.TimeSeparator());
    own.SetYearLength(d.YearLength());
    own.SetMonthName(d.MonthName());
    own.SetDateForTime(d.DateForTime());
    own.SetDateOrder(d.DateOrder());
}

void TCustomKurvex::SyncAllPainters()
{
    for (int32_t l = 1; l <= 16; ++l) {
        SyncScaleControl(*FPainterX[size_t(l - 1)], *FScaleX[size_t(l - 1)]);
        SyncScaleControl(*FPainterY[size_t(l - 1)], *FScaleY[size_t(l - 1)]);
    }
}

void TCustomKurvex::HookPainterEvents(TScale& p)
{
    p.OnScaleTickDrawn = [this](TObject*, TCanvas* c, TScaleType t, double v, int32_t cx, int32_t cy) {
        if (OnScaleTickDrawn) OnScaleTickDrawn(this, c, t, v, cx, cy);
    };
    p.OnBeforeTickLabel = [this](TObject*, TScaleType t, double v, std::string& text) {
        if (OnBeforeTickLabel) OnBeforeTickLabel(this, t, v, text);
    };
    p.OnZoomPan = [this](TObject* sender) { ScalePropsChanged(sender); };
}

void TCustomKurvex::SetupAxisPainters()
{
    const TNotifyEvent propsChanged = [this](TObject* sender) { ScalePropsChanged(sender); };
    for (int32_t l = 1; l <= 16; ++l) {
        for (bool x : {true, false}) {
            TScaleProps& props = x ? static_cast<TScaleProps&>(*FScaleX[size_t(l - 1)])
                                   : static_cast<TScaleProps&>(*FScaleY[size_t(l - 1)]);
            props.OnChange = nullptr;  // wired below, once the layers are arranged
            props.InitDefaults();
            TScale& p = x ? *FPainterX[size_t(l - 1)] : *FPainterY[size_t(l - 1)];
            p.InitDefaults();
            HookPainterEvents(p);
            if (x) p.SetMouseAction(TMouseActMode::maZoom);
            p.SetTransparent(true);
            p.SetColorBackGnd(FWindColor);
            p.SetFrameStyle(TFrameStyle::fsNone);
            p.SetBounds(0, 0, Width(), Height());
            SyncScaleControl(p, props);
            SetPainterGeometry(p, x);
        }
    }
    ApplyDefaultArrangement();
    for (int32_t l = 1; l <= 16; ++l) {
        for (bool x : {true, false}) {
            TScaleProps& props = x ? static_cast<TScaleProps&>(*FScaleX[size_t(l - 1)])
                                   : static_cast<TScaleProps&>(*FScaleY[size_t(l - 1)]);
            props.OnChange = propsChanged;
            props.DateFormat()->OnChange = propsChanged;
            TScale& p = x ? *FPainterX[size_t(l - 1)] : *FPainterY[size_t(l - 1)];
            SyncScaleControl(p, props);
            p.SuspendPaint(true);
            p.SetEmbedded(true);
            p.SetTargetCanvas(FFrameBitmap.Canvas(), 0, 0);
            p.SetName((x ? "KX_FScale_X_" : "KX_FScale_Y_") + std::to_string(l));
        }
    }
}

void TCustomKurvex::DrawAxes()
{
    for (int32_t l = 1; l <= 16; ++l) {
        SyncScaleControl(*FPainterX[size_t(l - 1)], *FScaleX[size_t(l - 1)]);
        FPainterX[size_t(l - 1)]->ForcePaint();
    }
    for (int32_t l = 1; l <= 16; ++l) {
        SyncScaleControl(*FPainterY[size_t(l - 1)], *FScaleY[size_t(l - 1)]);
        FPainterY[size_t(l - 1)]->ForcePaint();
    }
}

}  // namespace qvx

// TScale: properties, mapping, the drawing pass for numeric ticks, labels
// and caption, painting in both modes, and the mouse drag. Time and
// date/time ticks are in ScaleDateTime.cpp.

#include "scale/Scale.h"

#include <algorithm>
#include <cmath>

#include "base/DrawFrame3D.h"
#include "platform/graphics/Bitmap.h"
#include "scale/ScaleDrag.h"
#include "scale/ScaleMath.h"
#include "scale/TickLabels.h"

namespace qvx {

namespace {

// A sequence longer than this is cut: unit steps (MinTicks 0) over a huge
// range would otherwise draw for minutes. Far beyond any legible scale.
constexpr int32_t kMaxTicksPerSequence = 100000;
constexpr size_t kMaxHorizLabel = 255;
constexpr size_t kMaxNumberLabel = 14;

}  // namespace

TScale::TScale(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 400, 400);
    InitDefaults();
}

TScale::~TScale() = default;

void TScale::InitDefaults()
{
    FCaption.clear();
    FCaptionPosX = FCaptionPosY = 4;
    FCaptionAlignment = TAlignment::taCenter;
    FCaptionAnchor = TScaleUnitAnchor::uaSclTopLft;
    FColorBackGnd = clBtnFace;
    FColorScale = clBlack;
    FColorScheme = TColorScheme::csBWG;
    FFrameColorDark = clBlack;
    FFrameColorShadow = clGray;
    FFrameColorLight = clWhite;
    FDecPlaces = -2;
    FFrameStyle = TFrameStyle::fsLowered;
    FLabelType = TFigType::ftNum;
    FLogarithmic = false;
    FMarginLeft = FMarginRight = FMarginTop = FMarginBottom = 20;
    FMinTicks = 3;
    FMouseAction = TMouseActMode::maNone;
    FRangeLow = 0;
    FRangeHigh = 100;
    FShortTicks = true;
    FShowBaseLine = true;
    FScaleType = TScaleType::sctXB;
    FTransparent = false;
    FUserTickText.clear();
    FPixPerUnit = 1.0;
    FPixOffset = 0.0;
    FNumTicks = 0;
    FPaintSuspended = true;
    FEmbedded = false;
    FTargetCanvas = nullptr;
    FTargetOffsetX = FTargetOffsetY = 0;
    FDragging = false;
    FDragStartX = FDragStartY = 0;
    FDragStartLow = FDragStartHigh = 0;
    FNotYetLoaded = true;
    OnScaleTickDrawn = nullptr;
    OnBeforeTickLabel = nullptr;
    OnZoomPan = nullptr;
    OnBeforeScaleRendered = nullptr;
    OnAfterScaleRendered = nullptr;
    FDateFormat.OnChange = [this](TObject*) { UpdateDisplay(); };
    FDateFormat.SetTimeFormat(TTimeFormat::tfHHMMSS);
    FDateFormat.SetDateSeparator('-');
    FDateFormat.SetTimeSeparator(':');
    FDateFormat.SetYearLength(TYearLength::ylYYYY);
    FDateFormat.SetMonthName(true);
    FDateFormat.SetDateForTime(TDateForTime::dtOnePerDay);
    FDateFormat.SetDateOrder(TDateOrder::doDDMMYY);
    CalcScaleFactors();
}

// --- Mapping ----------------------------------------------------------------------------

void TScale::CalcScaleFactors()
{
    if (ComponentState().Contains(csLoading) || FRangeLow == FRangeHigh) return;
    const bool horizontal = IsHorizontal();
    const double extent = horizontal ? double(Width()) - FMarginLeft - FMarginRight - 1
                                     : double(Height()) - FMarginTop - FMarginBottom - 1;
    if (extent <= 0) {
        FPixPerUnit = 0;
        FPixOffset = (horizontal ? Width() : Height()) / 2.0;
        return;
    }
    if (!FLogarithmic) {
        if (horizontal) {
            FPixPerUnit = extent / (FRangeHigh - FRangeLow);
            FPixOffset = FMarginLeft - FRangeLow * FPixPerUnit;
        } else {
            FPixPerUnit = extent / (FRangeLow - FRangeHigh);
            FPixOffset = FMarginTop - FRangeHigh * FPixPerUnit;
        }
        return;
    }
    if (FRangeLow <= 0 || FRangeHigh <= 0) return;  // the last factors stay
    if (horizontal) {
        FPixPerUnit = extent / (std::log(FRangeHigh) - std::log(FRangeLow));
        FPixOffset = FMarginLeft - std::log(FRangeLow) * FPixPerUnit;
    } else {
        FPixPerUnit = extent / (std::log(FRangeLow) - std::log(FRangeHigh));
        FPixOffset = FMarginTop - std::log(FRangeHigh) * FPixPerUnit;
    }
}

int32_t TScale::ValueToPixel(double Value) const
{
    double p;
    if (!FLogarithmic) {
        p = Value * FPixPerUnit + FPixOffset;
    } else if (Value <= 1e-100) {
        p = FRangeHigh >= FRangeLow ? 0 : Width();
    } else {
        p = std::log(Value) * FPixPerUnit + FPixOffset;
    }
    if (std::isnan(p)) p = 0;
    p = std::clamp(p, -2147483647.0, 2147483647.0);
    return static_cast<int32_t>(std::nearbyint(p));
}

double TScale::TickPos(int32_t Index) const
{
    return Index >= 1 && Index <= FNumTicks ? FTickPosList[size_t(Index - 1)] : 0;
}

// --- Setters ------------------------------------------------------------------------------

void TScale::SetRangeLow(double value)
{
    FRangeLow = value;
    if (FRangeLow == FRangeHigh) FRangeHigh = value + 1;
    CalcScaleFactors();
    UpdateDisplay();
}

void TScale::SetRangeHigh(double value)
{
    FRangeHigh = value;
    if (FRangeHigh == FRangeLow) FRangeLow = value + 1;
    CalcScaleFactors();
    UpdateDisplay();
}

void TScale::SetRange(double Low, double High)
{
    FRangeLow = Low;
    FRangeHigh = Low == High ? Low + 1 : High;
    CalcScaleFactors();
    UpdateDisplay();
}

void TScale::SetLogarithmic(bool value)
{
    if (value && !FNotYetLoaded &&
        !(FRangeLow >= 1e-100 && FRangeHigh >= 1e-100 && FLabelType != TFigType::ftDateTime))
        return;
    FLogarithmic = value;
    CalcScaleFactors();
    UpdateDisplay();
}

void TScale::SetMinTicks(int32_t value)
{
    FMinTicks = value == 0 ? 0 : std::clamp(value, 2, 10);
    UpdateDisplay();
}

void TScale::SetShortTicks(bool value) { StoreRedrawIfChanged(FShortTicks, value); }

void TScale::SetScaleType(TScaleType value)
{
    if (value == FScaleType) return;
    FScaleType = value;
    CalcScaleFactors();
    UpdateDisplay();
}

void TScale::SetMarginLeft(int32_t value) { StoreRecomputeRedraw(FMarginLeft, std::max(value, 0)); }

void TScale::SetMarginRight(int32_t value) { StoreRecomputeRedraw(FMarginRight, std::max(value, 0)); }

void TScale::SetMarginTop(int32_t value) { StoreRecomputeRedraw(FMarginTop, std::max(value, 0)); }

void TScale::SetMarginBottom(int32_t value) { StoreRecomputeRedraw(FMarginBottom, std::max(value, 0)); }

void TScale::SetLabelType(TFigType value)
{
    FLabelType = value;
    if (value == TFigType::ftDateTime) {
        FLogarithmic = false;
        CalcScaleFactors();
    } else if (value == TFigType::ftTime) {
        FDecPlaces = 4;
    }
    UpdateDisplay();
}

void TScale::SetDecPlaces(int32_t value)
{
    FDecPlaces = std::clamp(value, -3, 12);
    CalcScaleFactors();
    UpdateDisplay();
}

void TScale::SetUserTickText(const std::string& value) { StoreRedraw(FUserTickText, value); }
void TScale::SetScaleInscript(const std::string& value) { StoreRedraw(FScaleInscript, value); }
void TScale::SetCaptionPosX(int32_t value) { StoreRedraw(FCaptionPosX, value); }
void TScale::SetCaptionPosY(int32_t value) { StoreRedraw(FCaptionPosY, value); }
void TScale::SetCaptionAlignment(TAlignment value) { StoreRedraw(FCaptionAlignment, value); }
void TScale::SetCaptionAnchor(TScaleUnitAnchor value) { StoreRedraw(FCaptionAnchor, value); }

void TScale::SetCaption(const std::string& value)
{
    FCaption = value;
    UpdateDisplay();
}

void TScale::SetDateFormat(const TDTLabel* value)
{
    FDateFormat.Assign(value);
    // Assign carries the source's handler over; the scale keeps listening
    // to its own object.
    FDateFormat.OnChange = [this](TObject*) { UpdateDisplay(); };
    UpdateDisplay();
}

void TScale::SetColorBackGnd(TColor value) { StoreRedrawIfChanged(FColorBackGnd, value); }
void TScale::SetColorScale(TColor value) { StoreRedrawIfChanged(FColorScale, value); }
void TScale::SetFrameStyle(TFrameStyle value) { StoreRedrawIfChanged(FFrameStyle, value); }
void TScale::SetShowBaseLine(bool value) { StoreRedraw(FShowBaseLine, value); }
void TScale::SetTransparent(bool value) { StoreRedraw(FTransparent, value); }

void TScale::SetColorScheme(TColorScheme value)
{
    if (value == FColorScheme) return;
    FColorScheme = value;
    const bool bwg = value == TColorScheme::csBWG;
    FFrameColorShadow = bwg ? clGray : clBtnShadow;
    FFrameColorLight = bwg ? clWhite : clBtnHighlight;
    UpdateDisplay();
}

// --- Painter mode and life cycle -------------------------------------------------------

void TScale::SuspendPaint(bool Value)
{
    if (Value == FPaintSuspended) return;
    FPaintSuspended = Value;
    if (!Value) UpdateDisplay();
}

void TScale::ForcePaint()
{
    const bool suspended = FPaintSuspended;
    FPaintSuspended = false;
    UpdateDisplay();
    FPaintSuspended = suspended;
}

void TScale::SetEmbedded(bool Value)
{
    if (Value == FEmbedded) return;
    FEmbedded = Value;
    UpdateDisplay();
}

void TScale::SetTargetCanvas(TCanvas* Canvas, int32_t OffsetX, int32_t OffsetY)
{
    FTargetCanvas = Canvas;
    FTargetOffsetX = OffsetX;
    FTargetOffsetY = OffsetY;
}

void TScale::UpdateDisplay()
{
    if (!FTransparent || FEmbedded) Paint();
    else Invalidate();
}

void TScale::CreateWnd()
{
    TCustomControl::CreateWnd();
    FPaintSuspended = false;
}

void TScale::Loaded()
{
    TCustomControl::Loaded();
    CalcScaleFactors();
    FNotYetLoaded = false;
    UpdateDisplay();
}

void TScale::SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight)
{
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    CalcScaleFactors();
    UpdateDisplay();
}

// --- Copying --------------------------------------------------------------------------------

void TScale::Assign(const TPersistent* Source)
{
    const auto* s = dynamic_cast<const TScale*>(Source);
    if (s == nullptr) {
        TCustomControl::Assign(Source);
        return;
    }
    if (s == this) return;
    FFrameStyle = s->FFrameStyle;
    FColorBackGnd = s->FColorBackGnd;
    FColorScale = s->FColorScale;
    FFrameColorDark = s->FFrameColorDark;
    FFrameColorShadow = s->FFrameColorShadow;
    FFrameColorLight = s->FFrameColorLight;
    FColorScheme = s->FColorScheme;
    OnScaleTickDrawn = s->OnScaleTickDrawn;
    OnBeforeTickLabel = s->OnBeforeTickLabel;
    FLogarithmic = s->FLogarithmic;
    FPixPerUnit = s->FPixPerUnit;
    FPixOffset = s->FPixOffset;
    FRangeHigh = s->FRangeHigh;
    FRangeLow = s->FRangeLow;
    FShortTicks = s->FShortTicks;
    FNumTicks = s->FNumTicks;
    FMinTicks = s->FMinTicks;
    FDecPlaces = s->FDecPlaces;
    FShowBaseLine = s->FShowBaseLine;
    FTransparent = s->FTransparent;
    FLabelType = s->FLabelType;
    {
        TNotifyEvent own = FDateFormat.OnChange;
        FDateFormat.Assign(&s->FDateFormat);
        FDateFormat.OnChange = own;
    }
    FMarginLeft = s->FMarginLeft;
    FMarginRight = s->FMarginRight;
    FMarginTop = s->FMarginTop;
    FMarginBottom = s->FMarginBottom;
    FCaptionPosX = s->FCaptionPosX;
    FCaptionPosY = s->FCaptionPosY;
    FUserTickText = s->FUserTickText;
    FScaleInscript = s->FScaleInscript;
    FTickPosList = s->FTickPosList;
    FCaption = s->FCaption;
    FCaptionAnchor = s->FCaptionAnchor;
    FCaptionAlignment = s->FCaptionAlignment;
    FTargetOffsetX = s->FTargetOffsetX;
    FTargetOffsetY = s->FTargetOffsetY;
    FScaleType = s->FScaleType;
    FEmbedded = s->FEmbedded;
    OnBeforeScaleRendered = s->OnBeforeScaleRendered;
    OnAfterScaleRendered = s->OnAfterScaleRendered;
    FPaintSuspended = s->FPaintSuspended;
    UpdateDisplay();
}

void TScale::AssignTo(TPersistent* Dest) const
{
    if (auto* d = dynamic_cast<TScale*>(Dest)) {
        d->Assign(this);
        return;
    }
    TCustomControl::AssignTo(Dest);
}

// --- Mouse -------------------------------------------------------------------------------------

void TScale::DblClick()
{
    if (FMouseAction == TMouseActMode::maPan) FMouseAction = TMouseActMode::maZoom;
    else if (FMouseAction == TMouseActMode::maZoom) FMouseAction = TMouseActMode::maPan;
    TCustomControl::DblClick();
}

void TScale::MouseMove(TShiftState Shift, int32_t X, int32_t Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (!Shift.Contains(ssLeft)) return;
    const bool inside = IsHorizontal()
                            ? (X > FMarginLeft && X < Width() - FMarginRight && Y > 0 && Y < Height())
                            : (X > 0 && X < Width() && Y > FMarginTop && Y < Height() - FMarginBottom);
    if (!inside) return;
    if (!FDragging) {
        FDragStartX = X;
        FDragStartY = Y;
        FDragStartLow = FRangeLow;
        FDragStartHigh = FRangeHigh;
    } else {
        TScaleDragInput in;
        in.X = X, in.Y = Y, in.X0 = FDragStartX, in.Y0 = FDragStartY;
        in.Width = Width(), in.Height = Height();
        in.MarginLeft = FMarginLeft, in.MarginRight = FMarginRight;
        in.MarginTop = FMarginTop, in.MarginBottom = FMarginBottom;
        in.Low0 = FDragStartLow, in.High0 = FDragStartHigh;
        in.Action = FMouseAction, in.ScaleType = FScaleType, in.Logarithmic = FLogarithmic;
        in.Low = FRangeLow, in.High = FRangeHigh;
        double low = 0, high = 0;
        // A degenerate drag (zero-width scale, a log range through zero)
        // would give no finite range: keep the one there is.
        if (ScaleDragRange(in, low, high) && std::isfinite(low) && std::isfinite(high)) {
            const bool suspended = FPaintSuspended;
            FPaintSuspended = true;
            SetRange(low, high);
            SuspendPaint(suspended);
            if (OnZoomPan) OnZoomPan(this);
        }
    }
    FDragging = true;
}

void TScale::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    FDragging = false;
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

// --- Painting ------------------------------------------------------------------------------------

void TScale::Paint()
{
    if (ComponentState().Contains(csLoading) || FPaintSuspended) return;
    if (!Visible() && (!ComponentState().Contains(csDesigning) || FEmbedded)) return;
    TCanvas* target = FTargetCanvas;
    int32_t offX = FTargetOffsetX, offY = FTargetOffsetY;
    if (target == nullptr) {
        target = Canvas();
        offX = offY = 0;
        if (FTransparent) {
            // A window of our own hides whatever lies behind it: show the
            // parent's colour there, as a see-through scale would.
            target->Brush()->SetColor(Parent() != nullptr ? Parent()->Color() : FColorBackGnd);
            target->FillRect({0, 0, Width(), Height()});
        }
    }
    target->SetFont(Font());
    if (OnBeforeScaleRendered) OnBeforeScaleRendered(this, target);
    if (FTransparent) {
        target->Pen()->SetColor(FColorScale);
        const bool horizontal = IsHorizontal();
        int32_t base = 0;
        switch (FScaleType) {
        case TScaleType::sctXB: base = offY + Height() - FMarginBottom - 1; break;
        case TScaleType::sctXT: base = offY + FMarginTop; break;
        case TScaleType::sctYL: base = offX + FMarginLeft; break;
        case TScaleType::sctYR: base = offX + Width() - FMarginRight - 1; break;
        }
        DrawScale(*target, horizontal, base);
        if (OnAfterScaleRendered) OnAfterScaleRendered(this, target);
        return;
    }
    TBitmap bmp(Width(), Height());
    TCanvas& c = *bmp.Canvas();
    c.SetFont(Font());
    c.Pen()->SetColor(FColorBackGnd);
    c.Brush()->SetColor(FColorBackGnd);
    c.Rectangle(0, 0, Width(), Height());
    c.Pen()->SetColor(FColorScale);
    int32_t base = 0;
    switch (FScaleType) {
    case TScaleType::sctXB: base = Height() - FMarginBottom - 1; break;
    case TScaleType::sctXT: base = FMarginTop; break;
    case TScaleType::sctYL: base = FMarginLeft; break;
    case TScaleType::sctYR: base = Width() - FMarginRight - 1; break;
    }
    DrawScale(c, IsHorizontal(), base);
    if (OnAfterScaleRendered) OnAfterScaleRendered(this, &c);
    DrawFrame3D(c, FFrameStyle, 0, 0, Width() - 1, Height() - 1, FFrameColorLight, clSilver, FFrameColorShadow,
                FFrameColorDark, FFrameColorDark);
    target->Draw(offX, offY, bmp);
}

void TScale::DrawScale(TCanvas& canvas, bool horizontal, int32_t base)
{
    if (horizontal) DrawHorizScale(canvas, base);
    else DrawVertScale(canvas, base);
    if (!FShowBaseLine) return;
    if (horizontal) {
        canvas.MoveTo(FMarginLeft, base);
        canvas.LineTo(Width() - FMarginRight - 1, base);
    } else {
        canvas.MoveTo(base, FMarginTop);
        canvas.LineTo(base, Height() - FMarginBottom - 1);
    }
}

void TScale::DrawHorizScale(TCanvas& Canvas, int32_t YPos)
{
    DrawTicksAndCaption({&Canvas, true, YPos, 0});
}

void TScale::DrawVertScale(TCanvas& Canvas, int32_t XPos)
{
    DrawTicksAndCaption({&Canvas, false, XPos, 0});
}

void TScale::DrawTicksAndCaption(TDrawContext ctx)
{
    TCanvas& c = *ctx.Canvas;
    ctx.LabelHeight = c.TextHeight("0");
    c.Brush()->SetStyle(FTransparent ? TBrushStyle::bsClear : TBrushStyle::bsSolid);
    FNumTicks = 0;
    FLabelCount = 0;
    if (FLabelType == TFigType::ftDateTime) DrawDateTimeTicks(ctx);
    else if (FLabelType == TFigType::ftTime && DrawTimeTicks(ctx)) {
    } else if (FLogarithmic) DrawLogTicks(ctx);
    else DrawLinearTicks(ctx);
    DrawCaption(ctx);
}

// --- Tick helpers ----------------------------------------------------------------------------------

void TScale::DrawTickMark(const TDrawContext& ctx, double v, bool major)
{
    const int32_t p = ValueToPixel(v);
    const int32_t length = major ? (ctx.Horizontal ? 7 : 6) : 4;
    TCanvas& c = *ctx.Canvas;
    switch (FScaleType) {
    case TScaleType::sctXB: c.MoveTo(p, ctx.Base); c.LineTo(p, ctx.Base - length); break;
    case TScaleType::sctXT: c.MoveTo(p, ctx.Base); c.LineTo(p, ctx.Base + length); break;
    case TScaleType::sctYL: c.MoveTo(ctx.Base, p); c.LineTo(ctx.Base + length, p); break;
    case TScaleType::sctYR: c.MoveTo(ctx.Base, p); c.LineTo(ctx.Base - length, p); break;
    }
}

void TScale::AnnounceTick(const TDrawContext& ctx, double v)
{
    if (!OnScaleTickDrawn) return;
    const int32_t p = ValueToPixel(v);
    if (ctx.Horizontal) OnScaleTickDrawn(this, ctx.Canvas, FScaleType, v, p, ctx.Base);
    else OnScaleTickDrawn(this, ctx.Canvas, FScaleType, v, ctx.Base, p);
}

void TScale::RecordTick(double v)
{
    if (FNumTicks < MaxTicks) FTickPosList[size_t(FNumTicks++)] = v;
}

std::string TScale::BeforeTickLabel(double v, std::string text)
{
    if (OnBeforeTickLabel) OnBeforeTickLabel(this, FScaleType, v, text);
    return text;
}

void TScale::WriteTickLabel(const TDrawContext& ctx, double v, const std::string& text)
{
    TCanvas& c = *ctx.Canvas;
    const int32_t p = ValueToPixel(v);
    if (ctx.Horizontal) {
        DrawHorizLabel(c, p, ctx.Base, text.substr(0, kMaxHorizLabel), v);
        return;
    }
    const std::string shown = BeforeTickLabel(v, text);
    const int32_t top = p - ctx.LabelHeight / 2;
    const int32_t left = FScaleType == TScaleType::sctYL ? ctx.Base + 8 : ctx.Base - c.TextWidth(shown) - 8;
    c.TextOut(left, top, shown);
}

void TScale::DrawHorizLabel(TCanvas& Canvas, int32_t X, int32_t Y, std::string Text, double tickValue)
{
    Text = BeforeTickLabel(tickValue, std::move(Text));
    const int32_t hw = Canvas.TextWidth(Text) / 2;
    const int32_t left = X + hw >= Width() - 2 ? Width() - 2 * hw - 2 : X - std::min(hw, X - 2);
    const int32_t top = FScaleType == TScaleType::sctXT ? Y + 7 : Y - 7 - Canvas.TextHeight(Text);
    Canvas.TextOut(left, top, Text);
}

// --- Numeric tick sequences ------------------------------------------------------------------------

void TScale::DrawLinearTicks(const TDrawContext& ctx)
{
    const long double high = FRangeHigh, low = FRangeLow;
    const scale::TTickSpacing sp = scale::CalcTickSpacing(FMinTicks, high, low);
    if (sp.Step == 0) return;
    const long double dir = low < high ? 1 : -1;
    const long double shortStep = sp.Step / sp.SubDiv;
    if (FShortTicks) {
        const long double start = sp.First - sp.Step;
        for (int32_t i = 0; i < kMaxTicksPerSequence; ++i) {
            const long double v = start + i * shortStep;
            if (i > 0 && dir * (v - high) > 0.001L * std::fabs(shortStep)) break;
            if (dir * v < dir * low) continue;
            DrawTickMark(ctx, double(v), false);
            RecordTick(double(v));
            AnnounceTick(ctx, double(v));
        }
    }
    const int32_t dp = scale::AutoDecPlacesLin(FDecPlaces, high, low);
    const long double span = high - low;
    for (int32_t k = 0; k < kMaxTicksPerSequence; ++k) {
        double v = double(sp.First + k * sp.Step);
        if (k > 0 && dir * (v - high) > 0.001L * std::fabs(sp.Step)) break;
        DrawTickMark(ctx, v, true);
        if (!ctx.Horizontal || !FShortTicks) RecordTick(v);
        if (!ctx.Horizontal) AnnounceTick(ctx, v);
        if (FLabelType != TFigType::ftNoFigs) {
            std::string text;
            if (std::fabs(v / double(span)) < 1e-14) {
                v = 0.0;
                if (std::fabs(span) > 100000) text = dp == 0 ? "0" : "0.0";
                else text = scale::FormatTickNumber(1, dp, 0);
            } else {
                text = scale::FormatTickNumber(1, dp, v);
            }
            if (text.size() > kMaxNumberLabel) text.resize(kMaxNumberLabel);
            if (FDecPlaces == 0 && std::fabs(v - std::nearbyint(v)) > 0.000001) text.clear();
            text = FLabelType == TFigType::ftUserText ? scale::UserTickItem(FUserTickText, k + 1)
                                                      : scale::ApplyInscript(text, FScaleInscript);
            WriteTickLabel(ctx, v, text);
        }
        if (ctx.Horizontal) AnnounceTick(ctx, v);
    }
}

void TScale::DrawLogTicks(const TDrawContext& ctx)
{
    const long double decades = std::log10((long double)FRangeHigh / FRangeLow);
    if (std::fabs(decades) < 1) {
        DrawLinearTicks(ctx);
        return;
    }
    const bool intermediate = FMinTicks > std::fabs(decades) + 0.5L;
    const double lo = std::min(FRangeLow, FRangeHigh), hi = std::max(FRangeLow, FRangeHigh);
    const long double base = scale::Pow10(scale::FloorInt(std::log10((long double)lo * 0.999999999L)));
    const int32_t dp = scale::AutoDecPlacesLog(FDecPlaces, hi, lo);
    auto tick = [&](int k, long double m, bool labelled) {
        const double v = double(k * base * m);
        if (!(lo < v / 0.999999999 && hi > 0.999999999 * v)) return;
        // On vertical scales every logarithmic mark has the major length.
        DrawTickMark(ctx, v, labelled || !ctx.Horizontal);
        // Unlike linear short ticks, logarithmic ones never pass the labelled
        // positions, so every drawn tick goes into the record.
        RecordTick(v);
        AnnounceTick(ctx, v);
        if (!labelled || FLabelType == TFigType::ftNoFigs) return;
        std::string text;
        if (dp == -3) {
            if (k == 1) text = std::to_string(scale::Round(std::log10((long double)v)));
        } else {
            text = scale::FormatTickNumber(1, dp, v);
        }
        if (text.size() > kMaxNumberLabel) text.resize(kMaxNumberLabel);
        if (FDecPlaces == -2 && text.find('.') != std::string::npos && text.find_first_of("eE") == std::string::npos) {
            while (!text.empty() && text.back() == '0') text.pop_back();
            if (!text.empty() && text.back() == '.') text.pop_back();
        }
        ++FLabelCount;
        text = FLabelType == TFigType::ftUserText ? scale::UserTickItem(FUserTickText, FLabelCount)
                                                  : scale::ApplyInscript(text, FScaleInscript);
        WriteTickLabel(ctx, v, text);
    };
    long double m = 1;
    do {
        tick(1, m, true);
        if (intermediate) {
            for (int k = 2; k <= 9; ++k) {
                if (k == 2 || k == 5) tick(k, m, true);
                else if (FShortTicks) tick(k, m, false);
            }
        }
        m *= 10;
    } while (hi >= 0.999999999L * base * m && std::isfinite(double(base * m)));
}

void TScale::DrawCaption(const TDrawContext& ctx)
{
    const std::string& caption = Caption();
    if (caption.empty()) return;
    TCanvas& c = *ctx.Canvas;
    const int32_t w = c.TextWidth(caption);
    int32_t x, y;
    if (ctx.Horizontal) {
        switch (FCaptionAnchor) {
        case TScaleUnitAnchor::uaSclTopLft: x = FCaptionPosX + FMarginLeft; break;
        case TScaleUnitAnchor::uaSclCenter: x = FCaptionPosX + FMarginLeft + (Width() - FMarginLeft - FMarginRight) / 2; break;
        default: x = FCaptionPosX + Width() - FMarginRight; break;
        }
        y = FCaptionPosY + ctx.Base;
    } else {
        x = FCaptionPosX + ctx.Base;
        switch (FCaptionAnchor) {
        case TScaleUnitAnchor::uaSclTopLft: y = FCaptionPosY + FMarginTop; break;
        case TScaleUnitAnchor::uaSclCenter: y = FCaptionPosY + FMarginTop + (Height() - FMarginTop - FMarginBottom) / 2; break;
        default: y = FCaptionPosY + Height() - FMarginBottom; break;
        }
    }
    if (FCaptionAlignment == TAlignment::taRightJustify) x -= w;
    else if (FCaptionAlignment == TAlignment::taCenter) x -= w / 2;
    c.TextOut(x, y, caption);
}

}  // namespace qvx

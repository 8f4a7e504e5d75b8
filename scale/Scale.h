#pragma once
// TScale: an axis scale (linear, logarithmic, time or date/time) with ticks,
// labels, caption, optional background and frame. It is a control of its
// own, and at the same time the painter of every chart axis: an owner
// suspends its painting, points it at a foreign canvas and makes it draw
// there (SetTargetCanvas, SetEmbedded, ForcePaint).

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "base/DTLabel.h"
#include "base/Enums.h"
#include "base/Events.h"
#include "platform/controls/CustomControl.h"
#include "scale/ScaleTypes.h"

namespace qvx {

using TScaleTickDrawnEvent = std::function<void(TObject* Sender, TCanvas* Canvas, TScaleType ScaleType,
                                                double CurrentTickPos, int32_t ChartX, int32_t ChartY)>;
using TBeforeTickLabelEvent =
    std::function<void(TObject* Sender, TScaleType ScaleType, double CurrentTickPos, std::string& TickLabel)>;
using TScaleRenderedEvent = std::function<void(TObject* Sender, TCanvas* Canvas)>;

class TScale : public TCustomControl {
public:
    static constexpr int32_t MaxTicks = 250;

    explicit TScale(TComponent* AOwner);
    ~TScale() override;
    std::string ClassName() const override { return "TScale"; }

    // --- Range and mapping ---
    double RangeLow() const { return FRangeLow; }
    // Equal bounds are separated: RangeHigh := value + 1.
    void SetRangeLow(double value);
    double RangeHigh() const { return FRangeHigh; }
    // Equal bounds are separated: RangeLow := value + 1 (the scale reverses).
    void SetRangeHigh(double value);
    void SetRange(double Low, double High);
    bool Logarithmic() const { return FLogarithmic; }
    // True only while NotYetLoaded, or for positive bounds (>= 1e-100) and a
    // label type other than ftDateTime; otherwise ignored.
    void SetLogarithmic(bool value);
    int32_t MinTicks() const { return FMinTicks; }
    void SetMinTicks(int32_t value);  // 0, or clamped to 2..10
    bool ShortTicks() const { return FShortTicks; }
    void SetShortTicks(bool value);
    TScaleType ScaleType() const { return FScaleType; }
    void SetScaleType(TScaleType value);
    int32_t MarginLeft() const { return FMarginLeft; }
    int32_t MarginRight() const { return FMarginRight; }
    int32_t MarginTop() const { return FMarginTop; }
    int32_t MarginBottom() const { return FMarginBottom; }
    void SetMarginLeft(int32_t value);  // negative values become 0
    void SetMarginRight(int32_t value);
    void SetMarginTop(int32_t value);
    void SetMarginBottom(int32_t value);
    double PixPerUnit() const { return FPixPerUnit; }
    double PixOffset() const { return FPixOffset; }
    void CalcScaleFactors();
    int32_t ValueToPixel(double Value) const;
    int32_t NumTicks() const { return FNumTicks; }
    // The recorded tick Index (1-based), 0 outside 1..NumTicks.
    double TickPos(int32_t Index) const;

    // --- Labels ---
    TFigType LabelType() const { return FLabelType; }
    void SetLabelType(TFigType value);
    int32_t DecPlaces() const { return FDecPlaces; }
    void SetDecPlaces(int32_t value);  // clamped to -3..12
    const std::string& UserTickText() const { return FUserTickText; }
    void SetUserTickText(const std::string& value);
    const std::string& ScaleInscript() const { return FScaleInscript; }
    void SetScaleInscript(const std::string& value);
    void SetCaption(const std::string& value) override;
    int32_t CaptionPosX() const { return FCaptionPosX; }
    void SetCaptionPosX(int32_t value);
    int32_t CaptionPosY() const { return FCaptionPosY; }
    void SetCaptionPosY(int32_t value);
    TAlignment CaptionAlignment() const { return FCaptionAlignment; }
    void SetCaptionAlignment(TAlignment value);
    TScaleUnitAnchor CaptionAnchor() const { return FCaptionAnchor; }
    void SetCaptionAnchor(TScaleUnitAnchor value);
    TDTLabel* DateFormat() { return &FDateFormat; }
    void SetDateFormat(const TDTLabel* value);

    // --- Look ---
    TColor ColorBackGnd() const { return FColorBackGnd; }
    void SetColorBackGnd(TColor value);
    TColor ColorScale() const { return FColorScale; }
    void SetColorScale(TColor value);
    TColorScheme ColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme value);
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle value);
    bool ShowBaseLine() const { return FShowBaseLine; }
    void SetShowBaseLine(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    TColor FrameColorDark() const { return FFrameColorDark; }
    TColor FrameColorShadow() const { return FFrameColorShadow; }
    TColor FrameColorLight() const { return FFrameColorLight; }

    // --- Mouse ---
    TMouseActMode MouseAction() const { return FMouseAction; }
    void SetMouseAction(TMouseActMode value) { FMouseAction = value; }
    bool Dragging() const { return FDragging; }

    // --- Painter mode ---
    bool PaintSuspended() const { return FPaintSuspended; }
    void SuspendPaint(bool Value);
    void ForcePaint();
    bool Embedded() const { return FEmbedded; }
    void SetEmbedded(bool Value);
    void SetTargetCanvas(TCanvas* Canvas, int32_t OffsetX, int32_t OffsetY);
    TCanvas* TargetCanvas() const { return FTargetCanvas; }
    int32_t TargetOffsetX() const { return FTargetOffsetX; }
    int32_t TargetOffsetY() const { return FTargetOffsetY; }
    bool NotYetLoaded() const { return FNotYetLoaded; }
    // Paint at once when opaque or embedded; otherwise invalidate.
    void UpdateDisplay();
    // Every initial value except ScaleInscript; no redraw.
    void InitDefaults();

    // --- Events ---
    TZoomPanEvent OnZoomPan;
    TScaleTickDrawnEvent OnScaleTickDrawn;
    TBeforeTickLabelEvent OnBeforeTickLabel;
    TScaleRenderedEvent OnBeforeScaleRendered;
    TScaleRenderedEvent OnAfterScaleRendered;

    void SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) override;
    void Assign(const TPersistent* Source) override;
    void Paint() override;

    // Draws ticks, labels and caption of a horizontal scale whose base line
    // is the row YPos / of a vertical scale whose base line is column XPos.
    void DrawHorizScale(TCanvas& Canvas, int32_t YPos);
    void DrawVertScale(TCanvas& Canvas, int32_t XPos);

protected:
    void AssignTo(TPersistent* Dest) const override;
    void CreateWnd() override;
    void Loaded() override;
    void DblClick() override;
    void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;

    // --- The drawing pass, shared by every tick family ---
    struct TDrawContext {
        TCanvas* Canvas = nullptr;
        bool Horizontal = true;
        int32_t Base = 0;         // the base line: its row (horizontal) or column (vertical)
        int32_t LabelHeight = 0;  // text height of "0", for vertical numeric and time labels
    };
    bool IsHorizontal() const { return FScaleType == TScaleType::sctXB || FScaleType == TScaleType::sctXT; }
    // The mark of a tick from the base line; major marks are 7 (horizontal)
    // or 6 (vertical) pixels long, short ones 4.
    void DrawTickMark(const TDrawContext& ctx, double v, bool major);
    // OnScaleTickDrawn for a drawn tick, with its base point.
    void AnnounceTick(const TDrawContext& ctx, double v);
    // Appends to the tick record while it has room.
    void RecordTick(double v);
    // OnBeforeTickLabel, when assigned; returns the text it leaves.
    std::string BeforeTickLabel(double v, std::string text);
    // Writes the label of tick v: horizontal scales through DrawHorizLabel
    // (which runs OnBeforeTickLabel), vertical ones run the hook, then write
    // the text beside the tick, its top at y - LabelHeight div 2.
    void WriteTickLabel(const TDrawContext& ctx, double v, const std::string& text);
    void DrawHorizLabel(TCanvas& Canvas, int32_t X, int32_t Y, std::string Text, double tickValue);

    void DrawLinearTicks(const TDrawContext& ctx);
    void DrawLogTicks(const TDrawContext& ctx);
    void DrawCaption(const TDrawContext& ctx);
    // Time and date/time axes (ScaleDateTime.cpp). DrawTimeTicks returns
    // false when it cannot serve the range.
    bool DrawTimeTicks(const TDrawContext& ctx);
    void DrawDateTimeTicks(const TDrawContext& ctx);

private:
    void DrawScale(TCanvas& Canvas, bool horizontal, int32_t basePos);
    void DrawTicksAndCaption(TDrawContext ctx);
    template <class T>
    void StoreRedraw(T& field, const T& value)
    {
        field = value;
        UpdateDisplay();
    }
    template <class T>
    void StoreRecomputeRedraw(T& field, const T& value)
    {
        field = value;
        CalcScaleFactors();
        UpdateDisplay();
    }
    template <class T>
    void StoreRedrawIfChanged(T& field, const T& value)
    {
        if (field == value) return;
        StoreRedraw(field, value);
    }

    double FRangeLow = 0, FRangeHigh = 100;
    bool FLogarithmic = false;
    int32_t FMinTicks = 3;
    bool FShortTicks = true;
    TScaleType FScaleType = TScaleType::sctXB;
    int32_t FMarginLeft = 20, FMarginRight = 20, FMarginTop = 20, FMarginBottom = 20;
    double FPixPerUnit = 1.0, FPixOffset = 0.0;
    std::array<double, MaxTicks> FTickPosList{};
    int32_t FNumTicks = 0;

    TFigType FLabelType = TFigType::ftNum;
    int32_t FDecPlaces = -2;
    std::string FUserTickText;
    std::string FScaleInscript;
    int32_t FCaptionPosX = 4, FCaptionPosY = 4;
    TAlignment FCaptionAlignment = TAlignment::taCenter;
    TScaleUnitAnchor FCaptionAnchor = TScaleUnitAnchor::uaSclTopLft;
    TDTLabel FDateFormat;

    TColor FColorBackGnd = clBtnFace;
    TColor FColorScale = clBlack;
    TColorScheme FColorScheme = TColorScheme::csBWG;
    TFrameStyle FFrameStyle = TFrameStyle::fsLowered;
    bool FShowBaseLine = true;
    bool FTransparent = false;
    TColor FFrameColorDark = clBlack, FFrameColorShadow = clGray, FFrameColorLight = clWhite;

    TMouseActMode FMouseAction = TMouseActMode::maNone;
    bool FDragging = false;
    int32_t FDragStartX = 0, FDragStartY = 0;
    double FDragStartLow = 0, FDragStartHigh = 0;

    bool FPaintSuspended = true;
    bool FEmbedded = false;
    bool FNotYetLoaded = true;
    TCanvas* FTargetCanvas = nullptr;
    int32_t FTargetOffsetX = 0, FTargetOffsetY = 0;

    // Per drawing: the count of labelled ticks (selects UserTickText items).
    int32_t FLabelCount = 0;
};

}  // namespace qvx

#pragma once
// TCustomKurvex / TKurvex: the chart control. It keeps a drawing (an ordered
// store of fixed-size items, shareable with up to four other charts) on 16
// layers, each a coordinate system with its own X and Y axis settings and
// its own two embedded scale painters.
//
// The implementation is split by concern: KurvexModel.cpp (construction,
// defaults, properties, layouts, life cycle), KurvexStore.cpp (items and
// data sharing), KurvexLayers.cpp (layers and axis settings),
// KurvexMapping.cpp (transforms, ranges, isometric mode), KurvexPainters.cpp
// (the embedded axis painters) and KurvexPaint.cpp (Paint).

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "base/CrossHair.h"
#include "base/Enums.h"
#include "base/Events.h"
#include "chart/BakGndImg.h"
#include "chart/ChartEvents.h"
#include "chart/ChartItem.h"
#include "chart/ChartTypes.h"
#include "chart/ItemList.h"
#include "chart/JointLayers.h"
#include "chart/ScaleProps.h"
#include "chart/TextLabel.h"
#include "platform/controls/CustomControl.h"
#include "platform/graphics/Bitmap.h"
#include "scale/Scale.h"

namespace qvx {

class TCustomKurvex : public TCustomControl {
public:
    static constexpr int32_t MaxSharers = 4;
    static constexpr int32_t NumTextLabels = 50;

    explicit TCustomKurvex(TComponent* AOwner);
    ~TCustomKurvex() override;
    std::string ClassName() const override { return "TCustomKurvex"; }

    // --- Items (the store) ---
    void AddLine(double X1, double Y1, double X2, double Y2);
    void RemoveItem(int32_t Index);
    void RemoveFirstItem() { RemoveItem(0); }
    void ClearItems();
    int32_t ItemCount() const { return FItemCount; }
    int32_t Capacity() const { return FItems->Capacity(); }
    const TKxItemContainer& Items() const { return *FItems; }
    const TKxItemContainer& Annotations() const { return FAnnotations; }
    TLongTextArray& LongTexts() { return FLongTexts; }
    TLongTextArray& AnnotLongTexts() { return FAnnotLongTexts; }

    TColor DataColor() const { return FDataColor; }
    void SetDataColor(TColor value) { FDataColor = value; }
    TColor FillColor() const { return FFillColor; }
    void SetFillColor(TColor value) { FFillColor = value; }
    TColor TextBkColor() const { return FillColor(); }
    void SetTextBkColor(TColor value) { SetFillColor(value); }
    TPenStyle PenStyle() const { return FPenStyle; }
    void SetPenStyle(TPenStyle value) { FPenStyle = value; }
    uint8_t LineWidth() const { return FLineWidth; }
    void SetLineWidth(uint8_t value) { FLineWidth = value; }
    uint8_t ClassDefault() const { return FClassDefault; }
    void SetClassDefault(uint8_t value);  // 255 is refused
    int32_t AllocSize() const { return FAllocSize; }
    void SetAllocSize(int32_t value);  // 1..1000000, others ignored

    // --- Data sharing ---
    TCustomKurvex* UseDataOf() const { return FUseDataOf; }
    // Joins the group of value's owner, or leaves the group for nullptr; the
    // refusals are shown in an information box and change nothing.
    void SetUseDataOf(TCustomKurvex* value);
    int32_t SharerCount() const { return FSharerCount; }
    TCustomKurvex* Sharers(int32_t index) const;

    // --- Layers ---
    int32_t CurrentLayer() const { return FCurrentLayer; }
    void SelectLayer(int32_t Layer);  // 1..16, others ignored
    bool MouseAffectsLayer(int32_t Layer) const;
    void SetMouseAffectsLayer(int32_t Layer, bool Value);
    // Layers outside 1..16 give layer 1's settings.
    TScalePropsHoriz* LayerScaleX(int32_t Layer);
    TScalePropsVert* LayerScaleY(int32_t Layer);
    TScalePropsHoriz* Scale1X() { return LayerScaleX(1); }
    TScalePropsHoriz* Scale2X() { return LayerScaleX(2); }
    TScalePropsHoriz* Scale3X() { return LayerScaleX(3); }
    TScalePropsHoriz* Scale4X() { return LayerScaleX(4); }
    TScalePropsVert* Scale1Y() { return LayerScaleY(1); }
    TScalePropsVert* Scale2Y() { return LayerScaleY(2); }
    TScalePropsVert* Scale3Y() { return LayerScaleY(3); }
    TScalePropsVert* Scale4Y() { return LayerScaleY(4); }
    void SetScale1X(const TScalePropsHoriz* v) { SetLayerScale(LayerScaleX(1), v); }
    void SetScale2X(const TScalePropsHoriz* v) { SetLayerScale(LayerScaleX(2), v); }
    void SetScale3X(const TScalePropsHoriz* v) { SetLayerScale(LayerScaleX(3), v); }
    void SetScale4X(const TScalePropsHoriz* v) { SetLayerScale(LayerScaleX(4), v); }
    void SetScale1Y(const TScalePropsVert* v) { SetLayerScale(LayerScaleY(1), v); }
    void SetScale2Y(const TScalePropsVert* v) { SetLayerScale(LayerScaleY(2), v); }
    void SetScale3Y(const TScalePropsVert* v) { SetLayerScale(LayerScaleY(3), v); }
    void SetScale4Y(const TScalePropsVert* v) { SetLayerScale(LayerScaleY(4), v); }
    // The handler of every axis setting change: hands all settings to the
    // painters and re-applies every layer's ranges, painting once.
    void ScalePropsChanged(TObject* Sender);
    // The embedded painters (read-only access, for the grid and for tests).
    TScale* ScalePainterX(int32_t Layer) const;
    TScale* ScalePainterY(int32_t Layer) const;

    // --- Mapping and ranges ---
    virtual void CalcTransform();
    void WorldToPixel(int32_t Layer, double X, double Y, int32_t& PixX, int32_t& PixY) const;
    void PixelToWorld(int32_t Layer, int32_t PixX, int32_t PixY, double& X, double& Y) const;
    // Layer 0 sets all layers; a layer outside 0..16 is ignored.
    void SetLayerRange(int32_t Layer, long double XLow, long double YLow, long double XHigh, long double YHigh);
    void PrepareLayerRange(int32_t Layer, long double XLow, long double YLow, long double XHigh, long double YHigh);
    void ApplyLayerRange(int32_t Layer, long double XLow, long double YLow, long double XHigh, long double YHigh);
    void StoreLayerRange(int32_t Layer, long double XLow, long double YLow, long double XHigh, long double YHigh);
    TJointLayers* JointLayers() { return &FJointLayers; }
    void SetJointLayers(const TJointLayers* value);
    bool Isometric() const { return FIsometric; }
    void SetIsometric(bool value);
    int32_t AspectX() const { return FAspectX; }
    int32_t AspectY() const { return FAspectY; }
    long double Kx(int32_t layer) const { return FKx[Index(layer)]; }
    long double Ox(int32_t layer) const { return FOx[Index(layer)]; }
    long double Ky(int32_t layer) const { return FKy[Index(layer)]; }
    long double Oy(int32_t layer) const { return FOy[Index(layer)]; }

    // --- Geometry ---
    int32_t MarginLeft() const { return FMarginLeft; }
    int32_t MarginRight() const { return FMarginRight; }
    int32_t MarginTop() const { return FMarginTop; }
    int32_t MarginBottom() const { return FMarginBottom; }
    void SetMarginLeft(int32_t value);
    void SetMarginRight(int32_t value);
    void SetMarginTop(int32_t value);
    void SetMarginBottom(int32_t value);
    int32_t LRim() const { return MarginLeft(); }
    int32_t RRim() const { return MarginRight(); }
    int32_t TRim() const { return MarginTop(); }
    int32_t BRim() const { return MarginBottom(); }
    void SetLRim(int32_t v) { SetMarginLeft(v); }
    void SetRRim(int32_t v) { SetMarginRight(v); }
    void SetTRim(int32_t v) { SetMarginTop(v); }
    void SetBRim(int32_t v) { SetMarginBottom(v); }
    int32_t ShadowWidth() const { return FShadowWidth; }
    void SetShadowWidth(int32_t value);  // clamped to 0..32
    // Plot area size: PW = Width - ML - MR - SW, PH = Height - MT - MB - SW.
    int32_t PlotWidth() const { return Width() - FMarginLeft - FMarginRight - FShadowWidth; }
    int32_t PlotHeight() const { return Height() - FMarginTop - FMarginBottom - FShadowWidth; }
    TkxLayout StandardLayout() const { return FStandardLayout; }
    void SetStandardLayout(TkxLayout value);
    void SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) override;

    // --- Painting control ---
    bool AutoRedraw() const { return FAutoRedraw; }
    void SetAutoRedraw(bool value) { FAutoRedraw = value; }
    bool PaintSuspended() const { return FPaintSuspended; }
    virtual void SuspendPaint(bool Value);
    // Paint when AutoRedraw is set or the chart is being designed.
    void RedrawIfAuto();
    int32_t PaintCount() const { return FPaintCount; }  // paints that ran their stages
    TBitmap* FrameBitmap() { return &FFrameBitmap; }
    TBitmap* DataBitmap() { return &FDataBitmap; }
    TBitmap* BackgroundBitmap() { return &FBackgroundBitmap; }
    void Paint() override;

    // --- Look (Auto: repaint through RedrawIfAuto) ---
    bool AvoidDuplicateMarks() const { return FAvoidDuplicateMarks; }
    void SetAvoidDuplicateMarks(bool value);  // always repaints on a change
    int32_t MinDupMarkDist() const { return FMinDupMarkDist; }
    void SetMinDupMarkDist(int32_t value);  // clamped to 1..3; repaints on a change
    TShadowStyle ShadowStyle() const { return FShadowStyle; }
    void SetShadowStyle(TShadowStyle value) { StoreAuto(FShadowStyle, value); }
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value) { StoreAuto(FShadowColor, value); }
    TColor ShadowBakColor() const { return FShadowBakColor; }
    void SetShadowBakColor(TColor value) { StoreAuto(FShadowBakColor, value); }
    TColor ChartFrameColor() const { return FChartFrameColor; }
    void SetChartFrameColor(TColor value) { StoreAuto(FChartFrameColor, value); }
    TColor ChartColor() const { return FChartColor; }
    void SetChartColor(TColor value) { StoreAuto(FChartColor, value); }
    TColor WindColor() const { return FWindColor; }
    void SetWindColor(TColor value) { StoreAuto(FWindColor, value); }
    GridStyleType GridStyle() const { return FGridStyle; }
    void SetGridStyle(GridStyleType value) { StoreAuto(FGridStyle, value); }
    TColor GridColor() const { return FGridColor; }
    void SetGridColor(TColor value) { StoreAuto(FGridColor, value); }
    double GridDx() const { return FGridDx; }
    void SetGridDx(double value);  // below -3 ignored
    double GridDy() const { return FGridDy; }
    void SetGridDy(double value);
    TBakGndImg* BackGroundImg() { return &FBackGroundImg; }
    void SetBackGroundImg(const TBakGndImg* value);
    void SetCaption(const std::string& value) override;
    int32_t CaptionPosX() const { return FCaptionPosX; }
    void SetCaptionPosX(int32_t value) { StoreAuto(FCaptionPosX, value); }
    int32_t CaptionPosY() const { return FCaptionPosY; }
    void SetCaptionPosY(int32_t value) { StoreAuto(FCaptionPosY, value); }
    TAlignment CaptionAlignment() const { return FCaptionAlignment; }
    void SetCaptionAlignment(TAlignment value) { StoreAuto(FCaptionAlignment, value); }
    TCaptionAnchorHoriz CaptionAnchorHoriz() const { return FCaptionAnchorHoriz; }
    void SetCaptionAnchorHoriz(TCaptionAnchorHoriz value) { StoreAuto(FCaptionAnchorHoriz, value); }
    TCaptionAnchorVert CaptionAnchorVert() const { return FCaptionAnchorVert; }
    void SetCaptionAnchorVert(TCaptionAnchorVert value) { StoreAuto(FCaptionAnchorVert, value); }
    int32_t CaptionTrim() const { return FCaptionTrim; }
    void SetCaptionTrim(int32_t value);  // 0, or clamped to 5..100
    TCrossHair* CrossHair(int32_t n) { return &FCrossHairs[size_t(std::clamp(n, 1, 4) - 1)]; }
    TCrossHair* CrossHair1() { return CrossHair(1); }
    TCrossHair* CrossHair2() { return CrossHair(2); }
    TCrossHair* CrossHair3() { return CrossHair(3); }
    TCrossHair* CrossHair4() { return CrossHair(4); }
    void SetCrossHair(int32_t n, const TCrossHair* value);
    TTextLabel* TextLabel(int32_t n) { return &FTextLabels[size_t(std::clamp(n, 1, NumTextLabels) - 1)]; }
    TMouseActMode MouseAction() const { return FMouseAction; }
    void SetMouseAction(TMouseActMode value) { FMouseAction = value; }
    bool MouseCursorFixed() const { return FMouseCursorFixed; }
    void SetMouseCursorFixed(bool value) { FMouseCursorFixed = value; }
    TColor MouseTraceColor() const { return FMouseTraceColor; }
    void SetMouseTraceColor(TColor value) { FMouseTraceColor = value; }
    bool MouseTraceInvert() const { return FMouseTraceInvert; }
    void SetMouseTraceInvert(bool value) { FMouseTraceInvert = value; }
    int32_t MouseTraceCount() const { return FMouseTraceCount; }
    double PanGridDx() const { return FPanGridDx; }
    void SetPanGridDx(double v) { FPanGridDx = v; }
    double PanGridDy() const { return FPanGridDy; }
    void SetPanGridDy(double v) { FPanGridDy = v; }
    double PanGridOffsX() const { return FPanGridOffsX; }
    void SetPanGridOffsX(double v) { FPanGridOffsX = v; }
    double PanGridOffsY() const { return FPanGridOffsY; }
    void SetPanGridOffsY(double v) { FPanGridOffsY = v; }
    TFont* TextFont() { return &FTextFont; }
    void SetTextFont(const TFont* value) { FTextFont.Assign(value); }
    TFontStyles TextFontStyle() const { return FTextFont.Style(); }
    void SetTextFontStyle(TFontStyles value) { FTextFont.SetStyle(value); }
    TTextBkg TextBkStyle() const { return FTextBkStyle; }
    void SetTextBkStyle(TTextBkg value) { FTextBkStyle = value; }
    TAlignment TextAlignment() const { return FTextAlignment; }
    void SetTextAlignment(TAlignment value) { StoreAuto(FTextAlignment, value); }

    // Which keys the chart wants: arrows and Tab.
    uint32_t DialogCode() const override { return DLGC_WANTARROWS | DLGC_WANTTAB; }

    // --- Events ---
    TMouseMoveInChartEvent OnMouseMoveInChart;
    TZoomPanEvent OnZoomPan;
    TSelectRectEvent OnRubberBand;
    TSelectRectEvent OnSelectRect;
    TBeforeCrossHMoveEvent OnBeforeCrossHairMove;
    TCrossHairMoveEvent OnCrossHairMove;
    TTextLabelMoveEvent OnTextLabelMove;
    TScaleTickDrawnEvent OnScaleTickDrawn;
    TBeforeTickLabelEvent OnBeforeTickLabel;
    TRenderEvent OnBeforeRenderData;
    TRenderEvent OnDataRendered;
    TRenderEvent OnScalesRendered;
    TBeforeRenderCItemEvent OnBeforeRenderChartItem;
    TBeforeRenderTextEvent OnBeforeRenderText;

    void Assign(const TPersistent* Source) override;

protected:
    void AssignTo(TPersistent* Dest) const override;
    void Loaded() override;
    // Stages of the paint that this chart has so far: the frame bitmap with
    // the window colour and the axes; the plot area in the chart colour.
    virtual void DrawChartFrame(TCanvas& Canvas);
    virtual void DrawChartBackground(TCanvas& Canvas, int32_t Left, int32_t Top, int32_t AWidth, int32_t AHeight);

    bool FPaintSuspended = true;

    // Suspends painting for a scope and restores the previous state when
    // the scope is left by an exception, so an error never leaves the chart
    // unable to paint. Release() hands the remembered state back.
    class TSuspendScope {
    public:
        explicit TSuspendScope(TCustomKurvex& chart) : FChart(chart), FSaved(chart.FPaintSuspended)
        {
            chart.FPaintSuspended = true;
        }
        ~TSuspendScope()
        {
            if (!FReleased) FChart.FPaintSuspended = FSaved;
        }
        bool Release()
        {
            FReleased = true;
            return FSaved;
        }

    private:
        TCustomKurvex& FChart;
        bool FSaved;
        bool FReleased = false;
    };

private:
    friend class TJointLayers;
    static size_t Index(int32_t layer) { return size_t(std::clamp(layer, 1, 16) - 1); }
    void SetDefaults();
    void ApplyDefaultArrangement();
    void SetLayerScale(TScaleProps* own, const TScaleProps* value);
    void ResizeDataBitmap();
    void RecentreIsometric(int32_t plotWidthPlusOne);
    void AfterMarginChange(bool horizontalEdge);
    template <class T>
    void StoreAuto(T& field, const T& value)
    {
        field = value;
        RedrawIfAuto();
    }
    // Sharing
    void SyncSharedData();
    void LeaveGroup();
    void TakeList(const std::shared_ptr<TKxItemContainer>& list, int32_t count);
    // Painters
    void SetupAxisPainters();
    void HookPainterEvents(TScale& painter);
    // Ends this chart's own group: each sharer keeps what it shows, as a
    // list of its own.
    void ReleaseSharers();
    void SyncScaleControl(TScale& Scale, const TScaleProps& Props);
    void SyncAllPainters();
    void SetPainterGeometry(TScale& painter, bool xPainter);
    void DrawAxes();

    // Items and sharing
    std::shared_ptr<TKxItemContainer> FItems;
    int32_t FItemCount = 0;
    TKxItemContainer FAnnotations;
    TLongTextArray FLongTexts;
    TLongTextArray FAnnotLongTexts;
    TColor FDataColor = clBlack;
    TColor FFillColor = 0xC0C0C0;
    TPenStyle FPenStyle = TPenStyle::psSolid;
    uint8_t FLineWidth = 1;
    uint8_t FClassDefault = 0;
    int32_t FAllocSize = 1000;
    TCustomKurvex* FUseDataOf = nullptr;
    std::array<TCustomKurvex*, MaxSharers> FSharers{};
    int32_t FSharerCount = 0;

    // Layers
    std::array<std::unique_ptr<TScalePropsHoriz>, 16> FScaleX;
    std::array<std::unique_ptr<TScalePropsVert>, 16> FScaleY;
    std::array<TScale*, 16> FPainterX{};  // owned as components of the chart
    std::array<TScale*, 16> FPainterY{};
    std::array<bool, 16> FMouseAffectsLayer{};
    int32_t FCurrentLayer = 1;

    // Mapping
    std::array<long double, 16> FKx{}, FOx{}, FKy{}, FOy{};
    TJointLayers FJointLayers;
    bool FIsometric = false;
    int32_t FAspectX = 1, FAspectY = 1;

    // Geometry
    int32_t FMarginLeft = 50, FMarginRight = 10, FMarginTop = 16, FMarginBottom = 32;
    int32_t FShadowWidth = 0;
    TkxLayout FStandardLayout = TkxLayout::kxl_X1Bottom_Y1Left;

    // Painting
    bool FAutoRedraw = true;
    int32_t FPaintCount = 0;
    TBitmap FFrameBitmap, FDataBitmap, FBackgroundBitmap;

    // Look
    bool FAvoidDuplicateMarks = false;
    int32_t FMinDupMarkDist = 1;
    TShadowStyle FShadowStyle = TShadowStyle::ssFlying;
    TColor FShadowColor = clGrayText, FShadowBakColor = clBtnFace;
    TColor FChartFrameColor = clBlack, FChartColor = clWhite, FWindColor = clBtnFace;
    GridStyleType FGridStyle = GridStyleType::gsNone;
    TColor FGridColor = clBlack;
    double FGridDx = 0, FGridDy = 0;
    TBakGndImg FBackGroundImg;
    int32_t FCaptionPosX = 0, FCaptionPosY = -15;
    TAlignment FCaptionAlignment = TAlignment::taRightJustify;
    TCaptionAnchorHoriz FCaptionAnchorHoriz = TCaptionAnchorHoriz::cahChartRight;
    TCaptionAnchorVert FCaptionAnchorVert = TCaptionAnchorVert::cavChartTop;
    int32_t FCaptionTrim = 100;
    std::array<TCrossHair, 4> FCrossHairs;
    std::array<TTextLabel, NumTextLabels> FTextLabels;
    TMouseActMode FMouseAction = TMouseActMode::maNone;
    bool FMouseCursorFixed = true;
    TColor FMouseTraceColor = 0xFFFFFF;
    bool FMouseTraceInvert = true;
    int32_t FMouseTraceCount = 0;
    double FPanGridDx = 1, FPanGridDy = 1, FPanGridOffsX = 0, FPanGridOffsY = 0;
    TFont FTextFont;
    TTextBkg FTextBkStyle = TTextBkg::tbClear;
    TAlignment FTextAlignment = TAlignment::taCenter;
};

class TKurvex : public TCustomKurvex {
public:
    using TCustomKurvex::TCustomKurvex;
    std::string ClassName() const override { return "TKurvex"; }

protected:
    // The window exists: painting may start (without painting now).
    void CreateWnd() override;
};

}  // namespace qvx

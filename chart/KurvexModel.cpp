// TCustomKurvex: construction, defaults, properties, standard layouts,
// margins and size, paint suspension, loading and copying.

#include <algorithm>
#include <cmath>

#include "chart/Kurvex.h"
#include "resources/ChartCursors.h"

namespace qvx {

namespace {

struct TLayoutRow {
    int32_t mb, mt, ml, mr, captionPosX, captionPosY;
    TAlignment captionAlignment;
    TCaptionAnchorHoriz anchorHoriz;
};

// Chart-level values of the standard layouts, in TkxLayout order.
constexpr TLayoutRow kLayouts[] = {
    {40, 20, 50, 20, 0, -16, TAlignment::taRightJustify, TCaptionAnchorHoriz::cahChartRight},
    {40, 24, 100, 20, 0, -16, TAlignment::taRightJustify, TCaptionAnchorHoriz::cahChartRight},
    {40, 24, 150, 20, 0, -16, TAlignment::taRightJustify, TCaptionAnchorHoriz::cahChartRight},
    {40, 24, 200, 20, 0, -16, TAlignment::taRightJustify, TCaptionAnchorHoriz::cahChartRight},
    {40, 24, 50, 50, 0, -20, TAlignment::taCenter, TCaptionAnchorHoriz::cahChartCenter},
    {70, 24, 100, 20, 0, -16, TAlignment::taRightJustify, TCaptionAnchorHoriz::cahChartRight},
    {40, 64, 50, 50, 0, -60, TAlignment::taCenter, TCaptionAnchorHoriz::cahChartCenter},
};

// One axis of layers 1..4 in a layout; location 0 leaves it as it is.
struct TAxisRow {
    bool visible;
    int32_t posX, posY;
    TAlignment alignment;
    TScaleUnitAnchor anchor;
    int32_t scalePos;
    int location;  // X: 1 slBottom, 2 slTop; Y: 1 slLeft, 2 slRight
};

constexpr TAxisRow kHiddenX{false, 10, 100, TAlignment::taCenter, TScaleUnitAnchor::uaSclCenter, 0, 1};
constexpr TAxisRow kHiddenY{false, 10, 100, TAlignment::taRightJustify, TScaleUnitAnchor::uaSclTopLft, 0, 1};
constexpr TAxisRow kHiddenY34{false, 0, -23, TAlignment::taRightJustify, TScaleUnitAnchor::uaSclTopLft, 0, 1};
constexpr TAxisRow kX1{true, 0, 22, TAlignment::taCenter, TScaleUnitAnchor::uaSclCenter, 0, 1};
constexpr TAxisRow kYLeft(int32_t pos) { return {true, 0, -23, TAlignment::taRightJustify, TScaleUnitAnchor::uaSclTopLft, pos, 1}; }

// Axes of layers 1..4 per layout: X1..X4 then Y1..Y4.
std::array<TAxisRow, 8> LayoutAxes(TkxLayout layout)
{
    std::array<TAxisRow, 8> a{kHiddenX, kHiddenX, kHiddenX, kHiddenX, kHiddenY, kHiddenY, kHiddenY, kHiddenY};
    switch (layout) {
    case TkxLayout::kxl_X1Bottom_Y1Left:
        a[0] = kX1;
        a[4] = {true, 0, -16, TAlignment::taLeftJustify, TScaleUnitAnchor::uaSclTopLft, 0, 1};
        break;
    case TkxLayout::kxl_X1Bottom_Y4Left: a[7] = kYLeft(150); [[fallthrough]];
    case TkxLayout::kxl_X1Bottom_Y3Left: a[6] = kYLeft(100); [[fallthrough]];
    case TkxLayout::kxl_X1Bottom_Y2Left:
        a[0] = kX1;
        a[4] = kYLeft(0);
        a[5] = kYLeft(50);
        break;
    case TkxLayout::kxl_X1Bottom_Y2Both:
        a[0] = kX1;
        a[4] = kYLeft(0);
        a[5] = {true, 0, -23, TAlignment::taLeftJustify, TScaleUnitAnchor::uaSclTopLft, 0, 2};
        break;
    case TkxLayout::kxl_X2Bottom_Y2Left:
        a[0] = {true, -20, 7, TAlignment::taRightJustify, TScaleUnitAnchor::uaSclTopLft, 0, 1};
        a[1] = {true, -20, 7, TAlignment::taRightJustify, TScaleUnitAnchor::uaSclTopLft, 30, 1};
        a[4] = kYLeft(0);
        a[5] = kYLeft(50);
        break;
    case TkxLayout::kxl_X2Both_Y2Both:
        a[0] = {true, 0, 20, TAlignment::taCenter, TScaleUnitAnchor::uaSclCenter, 0, 1};
        a[1] = {true, 0, -40, TAlignment::taCenter, TScaleUnitAnchor::uaSclCenter, 0, 2};
        a[4] = {true, 0, -40, TAlignment::taRightJustify, TScaleUnitAnchor::uaSclTopLft, 0, 1};
        a[5] = {true, 0, -40, TAlignment::taLeftJustify, TScaleUnitAnchor::uaSclTopLft, 0, 2};
        a[6] = a[7] = kHiddenY34;
        break;
    }
    return a;
}

}  // namespace

// --- Construction -----------------------------------------------------------------------------

TCustomKurvex::TCustomKurvex(TComponent* AOwner)
    : TCustomControl(AOwner), FItems(std::make_shared<TKxItemContainer>()), FJointLayers(this)
{
    for (int32_t l = 1; l <= 16; ++l) {
        FPainterX[size_t(l - 1)] = new TScale(this);
        FScaleX[size_t(l - 1)] = std::make_unique<TScalePropsHoriz>();
        FPainterY[size_t(l - 1)] = new TScale(this);
        FScaleY[size_t(l - 1)] = std::make_unique<TScalePropsVert>();
    }
    FPaintSuspended = true;
    SetBounds(0, 0, 280, 200);
    FMarginLeft = 50, FMarginRight = 10, FMarginTop = 16, FMarginBottom = 32;
    FMouseTraceCount = 0;
    FMouseTraceColor = 0xFFFFFF;
    FMouseTraceInvert = true;
    ResizeDataBitmap();
    FFrameBitmap.SetSize(Width(), Height());
    FTextFont.Assign(Font());
    SetDefaults();
}

TCustomKurvex::~TCustomKurvex()
{
    // Nobody in a sharing group may keep pointing at a chart that is gone:
    // a sharer leaves its owner; the sharers of an owner keep the items
    // they show and become charts of their own.
    if (FUseDataOf != nullptr) LeaveGroup();
    ReleaseSharers();
}

void TCustomKurvex::ReleaseSharers()
{
    for (int32_t i = 0; i < FSharerCount; ++i) {
        TCustomKurvex* s = FSharers[size_t(i)];
        s->FUseDataOf = nullptr;
        s->FItems = std::make_shared<TKxItemContainer>(*FItems);  // no longer a group: each its own list
        FSharers[size_t(i)] = nullptr;
    }
    FSharerCount = 0;
}

void TCustomKurvex::SetDefaults()
{
    FPaintSuspended = true;
    FStandardLayout = TkxLayout::kxl_X1Bottom_Y1Left;
    FItems = std::make_shared<TKxItemContainer>();
    FItemCount = 0;
    FAnnotations.Clear();
    FClassDefault = 0;
    FAllocSize = 1000;
    FAvoidDuplicateMarks = false;
    FMinDupMarkDist = 1;
    FShadowWidth = 0;
    FShadowColor = clGrayText;
    FShadowBakColor = clBtnFace;
    FShadowStyle = TShadowStyle::ssFlying;
    FCurrentLayer = 1;
    FMouseAffectsLayer.fill(false);
    FMouseAffectsLayer[0] = true;
    FDataColor = clBlack;
    FPenStyle = TPenStyle::psSolid;
    FChartFrameColor = clBlack;
    FFillColor = 0xC0C0C0;
    FChartColor = clWhite;
    FWindColor = clBtnFace;
    FGridColor = clBlack;
    FLineWidth = 1;
    FPanGridDx = FPanGridDy = 1;
    FPanGridOffsX = FPanGridOffsY = 0;
    FUseDataOf = nullptr;
    FSharers.fill(nullptr);
    FSharerCount = 0;
    FCaption.clear();
    FCaptionTrim = 100;
    FCaptionPosX = 0;
    FCaptionPosY = -15;
    FCaptionAlignment = TAlignment::taRightJustify;
    FCaptionAnchorHoriz = TCaptionAnchorHoriz::cahChartRight;
    FCaptionAnchorVert = TCaptionAnchorVert::cavChartTop;
    const TNotifyEvent redraw = [this](TObject*) { RedrawIfAuto(); };
    for (int32_t i = 0; i < 4; ++i) {
        TCrossHair& c = FCrossHairs[size_t(i)];
        c.OnChange = redraw;
        c.SetPosX(0);
        c.SetPosY(0);
        c.SetLayer(i + 1);
        c.SetColor(clRed);
        c.SetMode(TCrossHMode::chOff);
        c.SetLineType(TPenStyle::psDashDotDot);
        c.SetLineWid(1);
    }
    FAutoRedraw = false;  // the settings below must not paint
    for (TTextLabel& t : FTextLabels) {
        t.OnChange = redraw;
        t.SetPosX(0);
        t.SetPosY(0);
        t.SetLayer(1);
        t.SetAttachToData(TTxtLblAttachMode::tlamBoth);
        t.SetAlignment(TAlignment::taCenter);
        t.SetVerticalAlignment(TVerticalAlignment::vaBottom);
        t.SetColorBkg(clWhite);
        t.SetColorBorder(clBlack);
        t.SetShadowDx(3);
        t.SetShadowDy(3);
        t.SetColorShadow(clGray);
        t.SetTransparent(false);
        t.SetCaption("");
        t.SetFont(Font());
        t.SetVisible(false);
        t.SetMode(TTxtLblMode::tlOff);
    }
    for (std::string& s : FLongTexts) s.clear();
    for (std::string& s : FAnnotLongTexts) s.clear();
    FBackGroundImg.OnChange = redraw;
    FBackGroundImg.SetName("");
    FJointLayers.OnChange = redraw;
    FIsometric = false;
    FMouseCursorFixed = true;
    FTextFont.Assign(Font());
    FTextBkStyle = TTextBkg::tbClear;
    FTextAlignment = TAlignment::taCenter;
    FGridStyle = GridStyleType::gsNone;
    FGridDx = FGridDy = 0;
    LoadChartCursors();
    FDataBitmap.SetPixelFormat(TPixelFormat::pf32bit);
    FBackgroundBitmap.SetSize(10, 10);
    FAspectX = FAspectY = 1;  // square pixels on every display this runs on
    SetupAxisPainters();
    FPaintSuspended = true;
    SetStandardLayout(FStandardLayout);
    FMouseAction = TMouseActMode::maNone;
    FAutoRedraw = true;
}

// --- Item attributes ---------------------------------------------------------------------------

void TCustomKurvex::SetClassDefault(uint8_t value)
{
    if (value != 255) FClassDefault = value;
}

void TCustomKurvex::SetAllocSize(int32_t value)
{
    if (value >= 1 && value <= 1000000) FAllocSize = value;
}

// --- Painting control ------------------------------------------------------------------------

void TCustomKurvex::SuspendPaint(bool Value)
{
    if (Value == FPaintSuspended) return;
    FPaintSuspended = Value;
    if (!Value) Paint();
}

void TCustomKurvex::RedrawIfAuto()
{
    if (FAutoRedraw || ComponentState().Contains(csDesigning)) Paint();
}

void TKurvex::CreateWnd()
{
    TCustomKurvex::CreateWnd();
    FPaintSuspended = false;
}

// --- Look ---------------------------------------------------------------------------------------

void TCustomKurvex::SetAvoidDuplicateMarks(bool value)
{
    if (value == FAvoidDuplicateMarks) return;
    FAvoidDuplicateMarks = value;
    Paint();
}

void TCustomKurvex::SetMinDupMarkDist(int32_t value)
{
    value = std::clamp(value, 1, 3);
    if (value == FMinDupMarkDist) return;
    FMinDupMarkDist = value;
    Paint();
}

void TCustomKurvex::SetGridDx(double value)
{
    if (value < -3) return;
    StoreAuto(FGridDx, value);
}

void TCustomKurvex::SetGridDy(double value)
{
    if (value < -3) return;
    StoreAuto(FGridDy, value);
}

void TCustomKurvex::SetBackGroundImg(const TBakGndImg* value)
{
    const TNotifyEvent handler = FBackGroundImg.OnChange;
    FBackGroundImg.OnChange = nullptr;  // one repaint, below
    FBackGroundImg.Assign(value);
    FBackGroundImg.OnChange = handler;
    RedrawIfAuto();
}

void TCustomKurvex::SetCaption(const std::string& value)
{
    FCaption = value;
    RedrawIfAuto();
}

void TCustomKurvex::SetCaptionTrim(int32_t value)
{
    StoreAuto(FCaptionTrim, value == 0 ? 0 : std::clamp(value, 5, 100));
}

void TCustomKurvex::SetCrossHair(int32_t n, const TCrossHair* value)
{
    TCrossHair* own = CrossHair(n);
    const TNotifyEvent handler = own->OnChange;
    own->Assign(value);
    own->OnChange = handler;  // the chart keeps listening to its own crosshair
    RedrawIfAuto();
}

void TCustomKurvex::SetJointLayers(const TJointLayers* value)
{
    if (value != nullptr) FJointLayers.AssignEntries(*value);
    RedrawIfAuto();
}

// --- Geometry -------------------------------------------------------------------------------------

void TCustomKurvex::ResizeDataBitmap()
{
    FDataBitmap.SetSize(std::max(0, PlotWidth() + 1), std::max(0, PlotHeight() + 1));
}

void TCustomKurvex::AfterMarginChange(bool horizontalEdge)
{
    ResizeDataBitmap();
    if (FIsometric) RecentreIsometric(PlotWidth() + 1);
    SyncAllPainters();
    for (int32_t l = 1; l <= 16; ++l) {
        if (horizontalEdge) SetPainterGeometry(*FPainterX[size_t(l - 1)], true);
        else SetPainterGeometry(*FPainterY[size_t(l - 1)], false);
    }
    CalcTransform();
    RedrawIfAuto();
}

void TCustomKurvex::SetMarginLeft(int32_t value)
{
    FMarginLeft = value;
    AfterMarginChange(true);
}

void TCustomKurvex::SetMarginRight(int32_t value)
{
    FMarginRight = value;
    AfterMarginChange(true);
}

void TCustomKurvex::SetMarginTop(int32_t value)
{
    FMarginTop = value;
    AfterMarginChange(false);
}

void TCustomKurvex::SetMarginBottom(int32_t value)
{
    FMarginBottom = value;
    AfterMarginChange(false);
}

void TCustomKurvex::SetShadowWidth(int32_t value)
{
    FShadowWidth = std::clamp(value, 0, 32);
    ResizeDataBitmap();
    SyncAllPainters();
    for (int32_t l = 1; l <= 16; ++l) {
        SetPainterGeometry(*FPainterX[size_t(l - 1)], true);
        SetPainterGeometry(*FPainterY[size_t(l - 1)], false);
    }
    CalcTransform();
    RedrawIfAuto();
}

void TCustomKurvex::SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight)
{
    TSuspendScope scope(*this);
    // The plot area never shrinks below 80 x 20 pixels through a resize.
    AHeight = std::max(AHeight, FMarginTop + FMarginBottom + FShadowWidth + 20);
    AWidth = std::max(AWidth, FMarginLeft + FMarginRight + FShadowWidth + 80);
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FPainterX[0] != nullptr) {
        // The resize counts the shadow twice in the plot width.
        if (FIsometric) RecentreIsometric(Width() - FMarginLeft - FMarginRight - 2 * FShadowWidth + 1);
        for (int32_t l = 1; l <= 16; ++l) {
            for (bool x : {true, false}) {
                TScale& p = x ? *FPainterX[size_t(l - 1)] : *FPainterY[size_t(l - 1)];
                SyncScaleControl(p, x ? static_cast<const TScaleProps&>(*FScaleX[size_t(l - 1)])
                                      : static_cast<const TScaleProps&>(*FScaleY[size_t(l - 1)]));
                p.SetBounds(0, 0, Width(), Height());
                SetPainterGeometry(p, x);
            }
        }
        CalcTransform();
    }
    FPaintSuspended = scope.Release();
}

void TCustomKurvex::SetStandardLayout(TkxLayout value)
{
    TSuspendScope scope(*this);
    FStandardLayout = value;
    const TLayoutRow& row = kLayouts[size_t(value)];
    SetMarginLeft(row.ml);
    SetMarginRight(row.mr);
    SetMarginTop(row.mt);
    SetMarginBottom(row.mb);
    SetCaptionPosX(row.captionPosX);
    SetCaptionPosY(row.captionPosY);
    SetCaptionAlignment(row.captionAlignment);
    SetCaptionAnchorHoriz(row.anchorHoriz);
    SetCaptionAnchorVert(TCaptionAnchorVert::cavChartTop);
    const std::array<TAxisRow, 8> axes = LayoutAxes(value);
    for (int32_t l = 1; l <= 4; ++l) {
        for (bool x : {true, false}) {
            const TAxisRow& a = axes[size_t((x ? 0 : 4) + l - 1)];
            TScaleProps* p = x ? static_cast<TScaleProps*>(LayerScaleX(l)) : LayerScaleY(l);
            if (x) LayerScaleX(l)->SetScaleLocation(a.location == 2 ? TScaleLocationHoriz::slTop : TScaleLocationHoriz::slBottom);
            else LayerScaleY(l)->SetScaleLocation(a.location == 2 ? TScaleLocationVert::slRight : TScaleLocationVert::slLeft);
            p->SetCaptionPosX(a.posX);
            p->SetCaptionPosY(a.posY);
            p->SetCaptionAlignment(a.alignment);
            p->SetCaptionAnchor(a.anchor);
            p->SetScalePos(a.scalePos);
            p->SetVisible(a.visible);
        }
    }
    for (int32_t l = 5; l <= 16; ++l) {
        LayerScaleX(l)->SetVisible(false);
        LayerScaleY(l)->SetVisible(false);
    }
    SyncAllPainters();
    SuspendPaint(scope.Release());
}

// --- Life cycle -------------------------------------------------------------------------------------

void TCustomKurvex::Loaded()
{
    TCustomControl::Loaded();
    for (int32_t l = 1; l <= 16; ++l) {
        SyncScaleControl(*FPainterX[size_t(l - 1)], *FScaleX[size_t(l - 1)]);
        SyncScaleControl(*FPainterY[size_t(l - 1)], *FScaleY[size_t(l - 1)]);
        FScaleX[size_t(l - 1)]->SetLoading(false);
        FScaleY[size_t(l - 1)]->SetLoading(false);
    }
    CalcTransform();
    Paint();
}

void TCustomKurvex::Assign(const TPersistent* Source)
{
    const auto* s = dynamic_cast<const TCustomKurvex*>(Source);
    if (s == nullptr) {
        TCustomControl::Assign(Source);
        return;
    }
    if (s == this) return;
    FPaintSuspended = true;
    SetTag(s->Tag());
    FDataColor = s->FDataColor;
    FFillColor = s->FFillColor;
    FPenStyle = s->FPenStyle;
    FLineWidth = s->FLineWidth;
    FClassDefault = s->FClassDefault;
    FAllocSize = s->FAllocSize;
    // A chart that takes another's items leaves whatever group it was in.
    ReleaseSharers();
    if (FUseDataOf != nullptr) LeaveGroup();
    FItems = std::make_shared<TKxItemContainer>();
    FItems->AssignItems(*s->FItems, (s->FItemCount / FAllocSize + 1) * FAllocSize);
    FItemCount = s->FItemCount;
    FAnnotations = s->FAnnotations;
    FLongTexts = s->FLongTexts;
    FAnnotLongTexts = s->FAnnotLongTexts;
    FMouseAffectsLayer = s->FMouseAffectsLayer;
    FCurrentLayer = s->FCurrentLayer;
    FKx = s->FKx, FOx = s->FOx, FKy = s->FKy, FOy = s->FOy;
    // Copied settings objects keep notifying this chart, not the source
    // (their Assign carries the source's handlers along).
    const TNotifyEvent propsChanged = [this](TObject* sender) { ScalePropsChanged(sender); };
    for (int32_t l = 0; l < 16; ++l) {
        FScaleX[size_t(l)]->Assign(s->FScaleX[size_t(l)].get());
        FScaleY[size_t(l)]->Assign(s->FScaleY[size_t(l)].get());
        for (TScaleProps* own : {static_cast<TScaleProps*>(FScaleX[size_t(l)].get()),
                                 static_cast<TScaleProps*>(FScaleY[size_t(l)].get())}) {
            own->OnChange = propsChanged;
            own->DateFormat()->OnChange = propsChanged;
        }
        for (bool x : {true, false}) {
            TScale& own = x ? *FPainterX[size_t(l)] : *FPainterY[size_t(l)];
            own.Assign(x ? s->FPainterX[size_t(l)] : s->FPainterY[size_t(l)]);
            own.SetTargetCanvas(FFrameBitmap.Canvas(), 0, 0);
            HookPainterEvents(own);  // Assign brought the source chart's handlers
        }
    }
    const TNotifyEvent redraw = [this](TObject*) { RedrawIfAuto(); };
    FBackGroundImg.OnChange = nullptr;
    FBackGroundImg.Assign(&s->FBackGroundImg);
    FBackGroundImg.OnChange = redraw;
    for (size_t i = 0; i < FCrossHairs.size(); ++i) {
        FCrossHairs[i].Assign(&s->FCrossHairs[i]);
        FCrossHairs[i].OnChange = redraw;
    }
    for (size_t i = 0; i < FTextLabels.size(); ++i) {
        FTextLabels[i].Assign(&s->FTextLabels[i]);
        FTextLabels[i].OnChange = redraw;
    }
    // The joins, but acting on this chart.
    FJointLayers.AssignEntries(s->FJointLayers);
    FTextFont.Assign(&s->FTextFont);
    FIsometric = s->FIsometric;
    FMarginLeft = s->FMarginLeft, FMarginRight = s->FMarginRight;
    FMarginTop = s->FMarginTop, FMarginBottom = s->FMarginBottom;
    FShadowWidth = s->FShadowWidth;
    FStandardLayout = s->FStandardLayout;
    FAutoRedraw = s->FAutoRedraw;
    FAvoidDuplicateMarks = s->FAvoidDuplicateMarks;
    FMinDupMarkDist = s->FMinDupMarkDist;
    FShadowStyle = s->FShadowStyle, FShadowColor = s->FShadowColor, FShadowBakColor = s->FShadowBakColor;
    FChartFrameColor = s->FChartFrameColor, FChartColor = s->FChartColor, FWindColor = s->FWindColor;
    FGridStyle = s->FGridStyle, FGridColor = s->FGridColor, FGridDx = s->FGridDx, FGridDy = s->FGridDy;
    FCaption = s->FCaption;
    FCaptionPosX = s->FCaptionPosX, FCaptionPosY = s->FCaptionPosY, FCaptionAlignment = s->FCaptionAlignment;
    FCaptionAnchorHoriz = s->FCaptionAnchorHoriz, FCaptionAnchorVert = s->FCaptionAnchorVert;
    FCaptionTrim = s->FCaptionTrim;
    FMouseAction = s->FMouseAction;
    FMouseCursorFixed = s->FMouseCursorFixed;
    FTextBkStyle = s->FTextBkStyle;
    FTextAlignment = s->FTextAlignment;
    // A copy of a sharer joins the same owner (when it has room); the
    // source's own sharers stay with the source: one list has one owner.
    if (s->FUseDataOf != nullptr && s->FUseDataOf != this && s->FUseDataOf->FSharerCount < MaxSharers) {
        FUseDataOf = s->FUseDataOf;
        FUseDataOf->FSharers[size_t(FUseDataOf->FSharerCount++)] = this;
        FItems = FUseDataOf->FItems;
        FItemCount = FUseDataOf->FItemCount;
    }
    OnMouseMoveInChart = s->OnMouseMoveInChart;
    OnZoomPan = s->OnZoomPan;
    OnRubberBand = s->OnRubberBand;
    OnSelectRect = s->OnSelectRect;
    OnBeforeCrossHairMove = s->OnBeforeCrossHairMove;
    OnCrossHairMove = s->OnCrossHairMove;
    OnTextLabelMove = s->OnTextLabelMove;
    OnScaleTickDrawn = s->OnScaleTickDrawn;
    OnBeforeTickLabel = s->OnBeforeTickLabel;
    OnBeforeRenderData = s->OnBeforeRenderData;
    OnDataRendered = s->OnDataRendered;
    OnScalesRendered = s->OnScalesRendered;
    OnBeforeRenderChartItem = s->OnBeforeRenderChartItem;
    ResizeDataBitmap();
    FPaintSuspended = s->FPaintSuspended;
    ScalePropsChanged(this);
    CalcTransform();
    Paint();
}

void TCustomKurvex::AssignTo(TPersistent* Dest) const
{
    if (auto* d = dynamic_cast<TCustomKurvex*>(Dest)) {
        d->Assign(this);
        return;
    }
    TCustomControl::AssignTo(Dest);
}

}  // namespace qvx

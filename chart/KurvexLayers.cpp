// TCustomKurvex: the 16 layers, their axis settings and the current layer.

#include "chart/Kurvex.h"

namespace qvx {

namespace {

// Axis colours of the default arrangement, layer 1 first.
constexpr TColor kLayerColors[16] = {clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal, clGray,
                                     clSilver, clRed, clLime, clYellow, clBlue, clFuchsia, clAqua, clWhite};

}  // namespace

TScalePropsHoriz* TCustomKurvex::LayerScaleX(int32_t Layer)
{
    return FScaleX[Layer >= 1 && Layer <= 16 ? size_t(Layer - 1) : 0].get();
}

TScalePropsVert* TCustomKurvex::LayerScaleY(int32_t Layer)
{
    return FScaleY[Layer >= 1 && Layer <= 16 ? size_t(Layer - 1) : 0].get();
}

TScale* TCustomKurvex::ScalePainterX(int32_t Layer) const
{
    return FPainterX[Index(Layer)];
}

TScale* TCustomKurvex::ScalePainterY(int32_t Layer) const
{
    return FPainterY[Index(Layer)];
}

void TCustomKurvex::SetLayerScale(TScaleProps* own, const TScaleProps* value)
{
    own->Assign(value);
    // The copy carries the given object's handlers; the chart keeps listening.
    own->OnChange = [this](TObject* sender) { ScalePropsChanged(sender); };
    own->DateFormat()->OnChange = own->OnChange;
    if (ComponentState().Contains(csDesigning)) Paint();
}

void TCustomKurvex::SelectLayer(int32_t Layer)
{
    if (Layer < 1 || Layer > 16) return;
    FCurrentLayer = Layer;
    RedrawIfAuto();
}

bool TCustomKurvex::MouseAffectsLayer(int32_t Layer) const
{
    return Layer >= 1 && Layer <= 16 && FMouseAffectsLayer[size_t(Layer - 1)];
}

void TCustomKurvex::SetMouseAffectsLayer(int32_t Layer, bool Value)
{
    if (Layer >= 1 && Layer <= 16) FMouseAffectsLayer[size_t(Layer - 1)] = Value;
}

void TCustomKurvex::ApplyDefaultArrangement()
{
    for (int32_t l = 1; l <= 16; ++l) {
        TScalePropsHoriz& x = *FScaleX[size_t(l - 1)];
        TScalePropsVert& y = *FScaleY[size_t(l - 1)];
        x.SetColorScale(kLayerColors[l - 1]);
        y.SetColorScale(kLayerColors[l - 1]);
        x.SetScaleType(l % 2 == 1 ? TScaleType::sctXT : TScaleType::sctXB);
        y.SetScaleType(l % 2 == 1 ? TScaleType::sctYR : TScaleType::sctYL);
        x.SetScalePos((l - 1) / 2 * 30);
        y.SetScalePos((l - 1) / 2 * 50);
    }
}

void TCustomKurvex::ScalePropsChanged(TObject*)
{
    TSuspendScope scope(*this);
    SyncAllPainters();
    for (int32_t l = 1; l <= 16; ++l) {
        const TScaleProps& x = *FScaleX[size_t(l - 1)];
        const TScaleProps& y = *FScaleY[size_t(l - 1)];
        ApplyLayerRange(l, x.RangeLow(), y.RangeLow(), x.RangeHigh(), y.RangeHigh());
    }
    FPaintSuspended = scope.Release();
    Paint();
}

}  // namespace qvx

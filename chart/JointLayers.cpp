#include "chart/JointLayers.h"

#include <string>

#include "base/Exceptions.h"
#include "chart/Kurvex.h"

namespace qvx {

TJointLayers::TJointLayers(TCustomKurvex* chart) : FChart(chart)
{
    Reset();
}

void TJointLayers::Reset()
{
    for (int32_t i = 0; i < 16; ++i) FX[size_t(i)] = FY[size_t(i)] = i + 1;
}

int32_t TJointLayers::XControlledBy(int32_t layer) const
{
    return layer >= 1 && layer <= 16 ? FX[size_t(layer - 1)] : 0;
}

int32_t TJointLayers::YControlledBy(int32_t layer) const
{
    return layer >= 1 && layer <= 16 ? FY[size_t(layer - 1)] : 0;
}

void TJointLayers::SetXControlledBy(int32_t layer, int32_t v) { Join(FX, true, layer, v); }
void TJointLayers::SetYControlledBy(int32_t layer, int32_t v) { Join(FY, false, layer, v); }

void TJointLayers::Join(std::array<int32_t, 16>& table, bool isX, int32_t layer, int32_t v)
{
    if (layer < 1 || layer > 16) return;
    if (v < 1 || v > 16) throw EQVXKurvexError("Destination layer " + std::to_string(v) + " is out of range");
    if (v == layer) {
        table[size_t(layer - 1)] = layer;
        return;
    }
    if (table[size_t(v - 1)] != v) throw EQVXKurvexError("Destination layer " + std::to_string(v) + " is already joined");
    std::string joined;
    for (int32_t k = 1; k <= 16; ++k) {
        if (k != layer && table[size_t(k - 1)] == layer) joined += (joined.empty() ? "" : ", ") + std::to_string(k);
    }
    if (!joined.empty())
        throw EQVXKurvexError("Layer " + std::to_string(layer) + " is joined by other layers (" + joined + ")");
    table[size_t(layer - 1)] = v;
    if (FChart != nullptr) {
        TScaleProps* x = FChart->LayerScaleX(isX ? v : layer);
        TScaleProps* y = FChart->LayerScaleY(isX ? layer : v);
        FChart->StoreLayerRange(layer, x->RangeLow(), y->RangeLow(), x->RangeHigh(), y->RangeHigh());
    }
    Changed();
}

void TJointLayers::Assign(const TPersistent* Source)
{
    if (const auto* s = dynamic_cast<const TJointLayers*>(Source)) {
        FX = s->FX;
        FY = s->FY;
        OnChange = s->OnChange;
        FChart = s->FChart;
        return;
    }
    TSettingsObject::Assign(Source);
}

}  // namespace qvx

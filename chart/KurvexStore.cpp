// TCustomKurvex: the item store and data sharing between charts.

#include "chart/Kurvex.h"
#include "platform/controls/Application.h"

namespace qvx {

void TCustomKurvex::AddLine(double X1, double Y1, double X2, double Y2)
{
    TkxChartItem& item = FItems->Append(FAllocSize);
    item.Kind = ikLine;
    item.Layer = FCurrentLayer;
    item.ItemClass = FClassDefault;
    item.X1 = X1;
    item.Y1 = Y1;
    item.X2 = X2;
    item.Y2 = Y2;
    item.Color = FDataColor;
    item.FillColor = FFillColor;
    item.PenStyle = FPenStyle;
    item.LineWidth = FLineWidth;
    item.PosMode = 0;
    FItemCount = FItems->ItemCount();
    SyncSharedData();
}

void TCustomKurvex::RemoveItem(int32_t Index)
{
    FItems->RemoveItem(Index);
    FItemCount = FItems->ItemCount();
    SyncSharedData();
}

void TCustomKurvex::ClearItems()
{
    ResizeDataBitmap();
    DrawChartBackground(*FDataBitmap.Canvas(), 0, 0, FDataBitmap.Width(), FDataBitmap.Height());
    FItems->Clear();
    FItemCount = 0;
    FMouseTraceCount = 0;
    SyncSharedData();
}

TCustomKurvex* TCustomKurvex::Sharers(int32_t index) const
{
    return index >= 0 && index < FSharerCount ? FSharers[size_t(index)] : nullptr;
}

void TCustomKurvex::TakeList(const std::shared_ptr<TKxItemContainer>& list, int32_t count)
{
    FItems = list;
    FItemCount = count;
}

void TCustomKurvex::SyncSharedData()
{
    if (FUseDataOf != nullptr) {
        TCustomKurvex* owner = FUseDataOf;
        owner->TakeList(FItems, FItemCount);
        for (int32_t i = 0; i < owner->FSharerCount; ++i) owner->FSharers[size_t(i)]->TakeList(FItems, FItemCount);
    }
    for (int32_t i = 0; i < FSharerCount; ++i) FSharers[size_t(i)]->TakeList(FItems, FItemCount);
}

// Leaves the owner's group keeping the items shown now, as a list of its own.
void TCustomKurvex::LeaveGroup()
{
    TCustomKurvex* owner = FUseDataOf;
    int32_t at = 0;
    while (at < owner->FSharerCount && owner->FSharers[size_t(at)] != this) ++at;
    for (int32_t i = at; i + 1 < owner->FSharerCount; ++i) owner->FSharers[size_t(i)] = owner->FSharers[size_t(i + 1)];
    if (at < owner->FSharerCount) owner->FSharers[size_t(--owner->FSharerCount)] = nullptr;
    FUseDataOf = nullptr;
    // "From then on its list is its own": a copy, so that the former group's
    // later changes no longer reach this chart.
    FItems = std::make_shared<TKxItemContainer>(*FItems);
}

void TCustomKurvex::SetUseDataOf(TCustomKurvex* value)
{
    if (value == this) {
        Application().MessageBox("Kurvex: Cannot share data with myself", Application().Title());
        return;
    }
    if (FSharerCount > 0) {
        Application().MessageBox("Kurvex: Cannot use foreign data. Other Kurvexs are using my own data.",
                                 Application().Title());
        return;
    }
    if (value == FUseDataOf) return;
    if (value == nullptr) {
        LeaveGroup();
        RedrawIfAuto();
        return;
    }
    TCustomKurvex* owner = value->FUseDataOf != nullptr ? value->FUseDataOf : value;
    if (owner == this) return;  // already this chart's own group
    if (owner->FSharerCount >= MaxSharers) {
        Application().MessageBox("Kurvex: Max. number of data shares exceeded", Application().Title());
        return;
    }
    if (FUseDataOf != nullptr) LeaveGroup();
    FUseDataOf = owner;
    FItems = owner->FItems;
    FItemCount = owner->FItemCount;
    owner->FSharers[size_t(owner->FSharerCount++)] = this;
    RedrawIfAuto();
}

}  // namespace qvx

#pragma once
// TJointLayers: which layer's range each layer's X and Y axis shows. An
// entry equal to its own layer means the axis is not joined. Joins are one
// level deep: a controlling layer is never itself controlled on that axis,
// and a controlled layer never controls others.

#include <array>
#include <cstdint>

#include "base/SettingsObject.h"

namespace qvx {

class TCustomKurvex;

class TJointLayers : public TSettingsObject {
public:
    explicit TJointLayers(TCustomKurvex* chart);
    std::string ClassName() const override { return "TJointLayers"; }
    bool HasInstance(const TPersistent* object) const override
    {
        return dynamic_cast<const TJointLayers*>(object) != nullptr;
    }

    // Layer (1..16) controlling layer's X / Y range; layers outside 1..16 read 0.
    int32_t XControlledBy(int32_t layer) const;
    int32_t YControlledBy(int32_t layer) const;
    // Joins layer's axis to v, or releases it for v = layer. Raises
    // EQVXKurvexError for a destination outside 1..16, a destination that is
    // itself joined, or a layer that others are joined to; the entry then
    // keeps its value. A join takes the controller's range at once.
    void SetXControlledBy(int32_t layer, int32_t v);
    void SetYControlledBy(int32_t layer, int32_t v);

    int32_t L01xControlledBy() const { return XControlledBy(1); }
    void SetL01xControlledBy(int32_t v) { SetXControlledBy(1, v); }
    int32_t L02xControlledBy() const { return XControlledBy(2); }
    void SetL02xControlledBy(int32_t v) { SetXControlledBy(2, v); }
    int32_t L03xControlledBy() const { return XControlledBy(3); }
    void SetL03xControlledBy(int32_t v) { SetXControlledBy(3, v); }
    int32_t L04xControlledBy() const { return XControlledBy(4); }
    void SetL04xControlledBy(int32_t v) { SetXControlledBy(4, v); }
    int32_t L05xControlledBy() const { return XControlledBy(5); }
    void SetL05xControlledBy(int32_t v) { SetXControlledBy(5, v); }
    int32_t L06xControlledBy() const { return XControlledBy(6); }
    void SetL06xControlledBy(int32_t v) { SetXControlledBy(6, v); }
    int32_t L07xControlledBy() const { return XControlledBy(7); }
    void SetL07xControlledBy(int32_t v) { SetXControlledBy(7, v); }
    int32_t L08xControlledBy() const { return XControlledBy(8); }
    void SetL08xControlledBy(int32_t v) { SetXControlledBy(8, v); }
    int32_t L09xControlledBy() const { return XControlledBy(9); }
    void SetL09xControlledBy(int32_t v) { SetXControlledBy(9, v); }
    int32_t L10xControlledBy() const { return XControlledBy(10); }
    void SetL10xControlledBy(int32_t v) { SetXControlledBy(10, v); }
    int32_t L11xControlledBy() const { return XControlledBy(11); }
    void SetL11xControlledBy(int32_t v) { SetXControlledBy(11, v); }
    int32_t L12xControlledBy() const { return XControlledBy(12); }
    void SetL12xControlledBy(int32_t v) { SetXControlledBy(12, v); }
    int32_t L13xControlledBy() const { return XControlledBy(13); }
    void SetL13xControlledBy(int32_t v) { SetXControlledBy(13, v); }
    int32_t L14xControlledBy() const { return XControlledBy(14); }
    void SetL14xControlledBy(int32_t v) { SetXControlledBy(14, v); }
    int32_t L15xControlledBy() const { return XControlledBy(15); }
    void SetL15xControlledBy(int32_t v) { SetXControlledBy(15, v); }
    int32_t L16xControlledBy() const { return XControlledBy(16); }
    void SetL16xControlledBy(int32_t v) { SetXControlledBy(16, v); }
    int32_t L01yControlledBy() const { return YControlledBy(1); }
    void SetL01yControlledBy(int32_t v) { SetYControlledBy(1, v); }
    int32_t L02yControlledBy() const { return YControlledBy(2); }
    void SetL02yControlledBy(int32_t v) { SetYControlledBy(2, v); }
    int32_t L03yControlledBy() const { return YControlledBy(3); }
    void SetL03yControlledBy(int32_t v) { SetYControlledBy(3, v); }
    int32_t L04yControlledBy() const { return YControlledBy(4); }
    void SetL04yControlledBy(int32_t v) { SetYControlledBy(4, v); }
    int32_t L05yControlledBy() const { return YControlledBy(5); }
    void SetL05yControlledBy(int32_t v) { SetYControlledBy(5, v); }
    int32_t L06yControlledBy() const { return YControlledBy(6); }
    void SetL06yControlledBy(int32_t v) { SetYControlledBy(6, v); }
    int32_t L07yControlledBy() const { return YControlledBy(7); }
    void SetL07yControlledBy(int32_t v) { SetYControlledBy(7, v); }
    int32_t L08yControlledBy() const { return YControlledBy(8); }
    void SetL08yControlledBy(int32_t v) { SetYControlledBy(8, v); }
    int32_t L09yControlledBy() const { return YControlledBy(9); }
    void SetL09yControlledBy(int32_t v) { SetYControlledBy(9, v); }
    int32_t L10yControlledBy() const { return YControlledBy(10); }
    void SetL10yControlledBy(int32_t v) { SetYControlledBy(10, v); }
    int32_t L11yControlledBy() const { return YControlledBy(11); }
    void SetL11yControlledBy(int32_t v) { SetYControlledBy(11, v); }
    int32_t L12yControlledBy() const { return YControlledBy(12); }
    void SetL12yControlledBy(int32_t v) { SetYControlledBy(12, v); }
    int32_t L13yControlledBy() const { return YControlledBy(13); }
    void SetL13yControlledBy(int32_t v) { SetYControlledBy(13, v); }
    int32_t L14yControlledBy() const { return YControlledBy(14); }
    void SetL14yControlledBy(int32_t v) { SetYControlledBy(14, v); }
    int32_t L15yControlledBy() const { return YControlledBy(15); }
    void SetL15yControlledBy(int32_t v) { SetYControlledBy(15, v); }
    int32_t L16yControlledBy() const { return YControlledBy(16); }
    void SetL16yControlledBy(int32_t v) { SetYControlledBy(16, v); }

    TCustomKurvex* Chart() const { return FChart; }
    // Copies all 32 entries, the change handler and the chart reference.
    void Assign(const TPersistent* Source) override;
    // Copies the 32 entries only (the chart's JointLayers property setter).
    void AssignEntries(const TJointLayers& source)
    {
        FX = source.FX;
        FY = source.FY;
    }
    // Restores the identity joins without notifying.
    void Reset();

private:
    void Join(std::array<int32_t, 16>& table, bool isX, int32_t layer, int32_t v);

    TCustomKurvex* FChart;
    std::array<int32_t, 16> FX{};
    std::array<int32_t, 16> FY{};
};

}  // namespace qvx

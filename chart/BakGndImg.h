#pragma once
// TBakGndImg: the chart's background image and background area settings.
// Every setter stores and notifies.

#include <string>

#include "base/Enums.h"
#include "base/SettingsObject.h"
#include "chart/ChartTypes.h"
#include "platform/graphics/Color.h"

namespace qvx {

class TBakGndImg : public TSettingsObject {
public:
    std::string ClassName() const override { return "TBakGndImg"; }
    bool HasInstance(const TPersistent* object) const override
    {
        return dynamic_cast<const TBakGndImg*>(object) != nullptr;
    }

    const std::string& Name() const { return FName; }
    void SetName(const std::string& value) { StoreAndNotify(FName, value); }
    bool IncludePath() const { return FIncludePath; }
    void SetIncludePath(bool value) { StoreAndNotify(FIncludePath, value); }
    TBkgFill FillMode() const { return FFillMode; }
    void SetFillMode(TBkgFill value) { StoreAndNotify(FFillMode, value); }
    TBGAreaMode AreaMode() const { return FAreaMode; }
    void SetAreaMode(TBGAreaMode value) { StoreAndNotify(FAreaMode, value); }
    TColor AreaColor() const { return FAreaColor; }
    void SetAreaColor(TColor value) { StoreAndNotify(FAreaColor, value); }
    double AreaLeft() const { return FAreaLeft; }
    void SetAreaLeft(double value) { StoreAndNotify(FAreaLeft, value); }
    double AreaRight() const { return FAreaRight; }
    void SetAreaRight(double value) { StoreAndNotify(FAreaRight, value); }
    double AreaTop() const { return FAreaTop; }
    void SetAreaTop(double value) { StoreAndNotify(FAreaTop, value); }
    double AreaBottom() const { return FAreaBottom; }
    void SetAreaBottom(double value) { StoreAndNotify(FAreaBottom, value); }

    // Copies the settings (not the handler); notifies once.
    void Assign(const TPersistent* Source) override
    {
        if (const auto* s = dynamic_cast<const TBakGndImg*>(Source)) {
            if (s == this) return;
            FName = s->FName;
            FIncludePath = s->FIncludePath;
            FFillMode = s->FFillMode;
            FAreaMode = s->FAreaMode;
            FAreaColor = s->FAreaColor;
            FAreaLeft = s->FAreaLeft;
            FAreaRight = s->FAreaRight;
            FAreaTop = s->FAreaTop;
            FAreaBottom = s->FAreaBottom;
            Changed();
            return;
        }
        TSettingsObject::Assign(Source);
    }

private:
    std::string FName;
    bool FIncludePath = false;
    TBkgFill FFillMode = TBkgFill::bfStretch;
    TBGAreaMode FAreaMode = TBGAreaMode::bamNone;
    TColor FAreaColor = 0xDDDDDD;
    double FAreaLeft = -1, FAreaRight = 1, FAreaTop = 1, FAreaBottom = -1;
};

}  // namespace qvx

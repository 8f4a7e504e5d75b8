#pragma once
// TCrossHair: one crosshair of the chart. Every setter stores and notifies,
// also when the value is unchanged. Fields start at zero; the chart applies
// its defaults.

#include <cstdint>

#include "base/Enums.h"
#include "base/SettingsObject.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Pen.h"

namespace qvx {

class TCrossHair : public TSettingsObject {
public:
    std::string ClassName() const override { return "TCrossHair"; }
    bool HasInstance(const TPersistent* object) const override
    {
        return dynamic_cast<const TCrossHair*>(object) != nullptr;
    }

    double PosX() const { return FPosX; }
    void SetPosX(double value) { StoreAndNotify(FPosX, value); }
    double PosY() const { return FPosY; }
    void SetPosY(double value) { StoreAndNotify(FPosY, value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { StoreAndNotify(FColor, value); }
    TCrossHMode Mode() const { return FMode; }
    void SetMode(TCrossHMode value) { StoreAndNotify(FMode, value); }
    TPenStyle LineType() const { return FLineType; }
    void SetLineType(TPenStyle value) { StoreAndNotify(FLineType, value); }
    int32_t LineWid() const { return FLineWid; }
    void SetLineWid(int32_t value) { StoreAndNotify(FLineWid, value); }
    int32_t Layer() const { return FLayer; }
    // Clamped to 1..16.
    void SetLayer(int32_t value) { StoreAndNotify(FLayer, value < 1 ? 1 : value > 16 ? 16 : value); }

    // Copies every field, the OnChange handler included, without notifying.
    void Assign(const TPersistent* Source) override;

private:
    double FPosX = 0;
    double FPosY = 0;
    TColor FColor = 0;
    TCrossHMode FMode{};
    TPenStyle FLineType{};
    int32_t FLineWid = 0;
    int32_t FLayer = 0;
};

}  // namespace qvx

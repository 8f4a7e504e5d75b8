#pragma once
// TCustomTextLabel: a movable text label of the chart (published as
// TTextLabel with the chart). Every setter stores and notifies, also when
// the value is unchanged, except that an out-of-range layer is ignored.

#include <cstdint>
#include <string>

#include "base/Enums.h"
#include "base/SettingsObject.h"
#include "platform/controls/ControlTypes.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Font.h"

namespace qvx {

class TCustomTextLabel : public TSettingsObject {
public:
    TCustomTextLabel();
    std::string ClassName() const override { return "TCustomTextLabel"; }
    bool HasInstance(const TPersistent* object) const override
    {
        return dynamic_cast<const TCustomTextLabel*>(object) != nullptr;
    }

    double PosX() const { return FPosX; }
    void SetPosX(double value) { StoreAndNotify(FPosX, value); }
    double PosY() const { return FPosY; }
    void SetPosY(double value) { StoreAndNotify(FPosY, value); }
    int32_t Layer() const { return FLayer; }
    // Only 1..16 is taken; anything else is ignored without notification.
    void SetLayer(int32_t value);
    int32_t ShadowDx() const { return FShadowDx; }
    void SetShadowDx(int32_t value) { StoreAndNotify(FShadowDx, value); }
    int32_t ShadowDy() const { return FShadowDy; }
    void SetShadowDy(int32_t value) { StoreAndNotify(FShadowDy, value); }
    TColor ColorShadow() const { return FColorShadow; }
    void SetColorShadow(TColor value) { StoreAndNotify(FColorShadow, value); }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { StoreAndNotify(FAlignment, value); }
    TVerticalAlignment VerticalAlignment() const { return FVerticalAlignment; }
    void SetVerticalAlignment(TVerticalAlignment value) { StoreAndNotify(FVerticalAlignment, value); }
    TTxtLblAttachMode AttachToData() const { return FAttachToData; }
    void SetAttachToData(TTxtLblAttachMode value) { StoreAndNotify(FAttachToData, value); }
    TColor ColorBkg() const { return FColorBkg; }
    void SetColorBkg(TColor value) { StoreAndNotify(FColorBkg, value); }
    TColor ColorBorder() const { return FColorBorder; }
    void SetColorBorder(TColor value) { StoreAndNotify(FColorBorder, value); }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { StoreAndNotify(FTransparent, value); }
    TFont* Font() { return &FFont; }
    const TFont* Font() const { return &FFont; }
    // Copies the given font's attributes into the label's own font.
    void SetFont(const TFont* value);
    const std::string& Caption() const { return FCaption; }
    // Control characters other than line feed become blanks.
    void SetCaption(const std::string& value);
    TTxtLblMode Mode() const { return FMode; }
    void SetMode(TTxtLblMode value) { StoreAndNotify(FMode, value); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { StoreAndNotify(FVisible, value); }

    // Copies every field, the OnChange handler included, without notifying;
    // the font by its attributes.
    void Assign(const TPersistent* Source) override;

private:
    double FPosX = 100.0;
    double FPosY = 10.0;
    int32_t FLayer = 1;
    int32_t FShadowDx = 0;
    int32_t FShadowDy = 0;
    TColor FColorShadow = 0x808080;
    TAlignment FAlignment = TAlignment::taCenter;
    TVerticalAlignment FVerticalAlignment = TVerticalAlignment::vaBottom;
    TTxtLblAttachMode FAttachToData = TTxtLblAttachMode::tlamNone;
    TColor FColorBkg = 0xC0C0C0;
    TColor FColorBorder = 0x000000;
    bool FTransparent = false;
    TFont FFont;
    std::string FCaption;
    TTxtLblMode FMode = TTxtLblMode::tlsimple;
    bool FVisible = true;
};

}  // namespace qvx

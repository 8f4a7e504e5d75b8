#include "base/TextLabel.h"

namespace qvx {

TCustomTextLabel::TCustomTextLabel() = default;

void TCustomTextLabel::SetLayer(int32_t value)
{
    if (value < 1 || value > 16) return;
    StoreAndNotify(FLayer, value);
}

void TCustomTextLabel::SetFont(const TFont* value)
{
    FFont.Assign(value);
    Changed();
}

void TCustomTextLabel::SetCaption(const std::string& value)
{
    std::string caption = value;
    for (char& ch : caption) {
        const auto code = static_cast<unsigned char>(ch);
        if (code < 32 && code != 10) ch = ' ';
    }
    StoreAndNotify(FCaption, caption);
}

void TCustomTextLabel::Assign(const TPersistent* Source)
{
    if (const auto* s = dynamic_cast<const TCustomTextLabel*>(Source)) {
        if (s == this) return;
        FPosX = s->FPosX;
        FPosY = s->FPosY;
        FLayer = s->FLayer;
        FShadowDx = s->FShadowDx;
        FShadowDy = s->FShadowDy;
        FColorShadow = s->FColorShadow;
        FAlignment = s->FAlignment;
        FVerticalAlignment = s->FVerticalAlignment;
        FAttachToData = s->FAttachToData;
        FColorBkg = s->FColorBkg;
        FColorBorder = s->FColorBorder;
        FTransparent = s->FTransparent;
        FFont.Assign(&s->FFont);
        FCaption = s->FCaption;
        FMode = s->FMode;
        FVisible = s->FVisible;
        OnChange = s->OnChange;
        return;
    }
    TSettingsObject::Assign(Source);
}

}  // namespace qvx

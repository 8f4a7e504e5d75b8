#include "base/CrossHair.h"

namespace qvx {

void TCrossHair::Assign(const TPersistent* Source)
{
    if (const auto* s = dynamic_cast<const TCrossHair*>(Source)) {
        FPosX = s->FPosX;
        FPosY = s->FPosY;
        FColor = s->FColor;
        FMode = s->FMode;
        FLineType = s->FLineType;
        FLineWid = s->FLineWid;
        FLayer = s->FLayer;
        OnChange = s->OnChange;
        return;
    }
    TSettingsObject::Assign(Source);
}

}  // namespace qvx

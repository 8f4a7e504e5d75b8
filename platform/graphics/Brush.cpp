#include "platform/graphics/Brush.h"

namespace qvx {

void TBrush::SetColor(TColor value)
{
    if (value == FColor && FStyle == TBrushStyle::bsSolid) return;
    FColor = value;
    FStyle = TBrushStyle::bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle value)
{
    if (value == FStyle) return;
    FStyle = value;
    if (value == TBrushStyle::bsClear) FColor = clWhite;
    Changed();
}

void TBrush::Assign(const TPersistent* Source)
{
    if (const auto* brush = dynamic_cast<const TBrush*>(Source)) {
        if (brush == this) return;
        FColor = brush->FColor;
        FStyle = brush->FStyle;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

}  // namespace qvx

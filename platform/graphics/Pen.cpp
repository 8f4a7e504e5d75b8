#include "platform/graphics/Pen.h"

namespace qvx {

void TPen::SetColor(TColor value)
{
    if (value == FColor) return;
    FColor = value;
    Changed();
}

void TPen::SetWidth(int32_t value)
{
    if (value == FWidth) return;
    FWidth = value;
    Changed();
}

void TPen::SetStyle(TPenStyle value)
{
    if (value == FStyle) return;
    FStyle = value;
    Changed();
}

void TPen::SetMode(TPenMode value)
{
    if (value == FMode) return;
    FMode = value;
    Changed();
}

void TPen::Assign(const TPersistent* Source)
{
    if (const auto* pen = dynamic_cast<const TPen*>(Source)) {
        if (pen == this) return;
        FColor = pen->FColor;
        FWidth = pen->FWidth;
        FStyle = pen->FStyle;
        FMode = pen->FMode;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

}  // namespace qvx

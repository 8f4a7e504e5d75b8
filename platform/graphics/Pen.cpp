#include "platform/graphics/Pen.h"

namespace qvx {

void TPen::SetColor(TColor value)
{
    Store(FColor, value);
}

void TPen::SetWidth(int32_t value)
{
    Store(FWidth, value);
}

void TPen::SetStyle(TPenStyle value)
{
    Store(FStyle, value);
}

void TPen::SetMode(TPenMode value)
{
    Store(FMode, value);
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

#pragma once
// The canvas brush: fills interiors, and with a solid style also paints the
// gaps of styled pens and the cell behind text.

#include <cstdint>

#include "platform/graphics/Color.h"
#include "platform/graphics/GraphicsObject.h"

namespace qvx {

enum class TBrushStyle : uint8_t { bsSolid, bsClear };

class TBrush : public TGraphicsObject {
public:
    std::string ClassName() const override { return "TBrush"; }

    TColor Color() const { return FColor; }
    // Setting a colour makes a clear brush solid again.
    void SetColor(TColor value);
    TBrushStyle Style() const { return FStyle; }
    // Making the brush clear also resets its colour to white, as the classic
    // brush does; code that restores a solid brush restores its colour too.
    void SetStyle(TBrushStyle value);

    void Assign(const TPersistent* Source) override;

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = TBrushStyle::bsSolid;
};

}  // namespace qvx

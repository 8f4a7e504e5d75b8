#pragma once
// TPanel: a flat or bevelled area that groups controls, with an optional
// centred caption.

#include <cstdint>

#include "platform/controls/CustomControl.h"

namespace qvx {

enum class TBevelCut : uint8_t { bvNone, bvLowered, bvRaised, bvSpace };

// A bevel of `width` rings: top and left in `topColor`, bottom and right in
// `bottomColor`; the rectangle shrinks by one pixel per ring.
void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int32_t width);

class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* AOwner);
    std::string ClassName() const override { return "TPanel"; }

    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value);
    int32_t BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int32_t value);  // at least 1
    int32_t BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int32_t value);  // at least 0
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);

    TRect AlignRect() const override;

protected:
    void Paint() override;

private:
    TBevelCut FBevelInner = TBevelCut::bvNone;
    TBevelCut FBevelOuter = TBevelCut::bvRaised;
    int32_t FBevelWidth = 1;
    int32_t FBorderWidth = 0;
    TAlignment FAlignment = TAlignment::taCenter;
};

}  // namespace qvx

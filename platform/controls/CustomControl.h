#pragma once
// TCustomControl: a windowed control with its own surface and canvas that it
// paints in Paint. TGraphicControl: a control without a window that paints
// into its parent's surface, clipped to its own bounds.

#include "platform/controls/WinControl.h"
#include "platform/graphics/Canvas.h"

namespace qvx {

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* AOwner);
    std::string ClassName() const override { return "TCustomControl"; }

    // The canvas on the control's surface. Drawing on it outside a paint is
    // shown as soon as the host gets to it.
    TCanvas* Canvas();
    // Sized to the client area when first used: controls that only ever
    // paint elsewhere (embedded painters) never hold one.
    TPixelBuffer* Surface() override
    {
        EnsureSurface();
        return &FSurface;
    }

    // Paints now (Paint, then the window-less children) and presents.
    void Repaint() override;

protected:
    // Draws the control on Canvas; the default fills it with Color.
    virtual void Paint();
    void PaintWindow() override;
    // The surface follows the client size before anyone hears of a change.
    void PlacementChanged() override;
    void PaintControls();

    void EnsureSurface();

    TPixelBuffer FSurface;
    TCanvas FCanvas;
};

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* AOwner);
    std::string ClassName() const override { return "TGraphicControl"; }

    // A canvas on the parent's surface with the origin at this control's
    // top-left corner and drawing clipped to its bounds; unbound without a parent.
    TCanvas* Canvas();

    void Invalidate() override;
    // Paints now on the parent's surface and presents it.
    void Repaint() override;
    // Called by the parent while it paints its surface.
    void PaintOnParent();

protected:
    virtual void Paint() {}

private:
    TCanvas FCanvas;
};

}  // namespace qvx

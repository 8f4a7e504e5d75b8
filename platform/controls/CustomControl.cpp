#include "platform/controls/CustomControl.h"

#include <algorithm>

#include "platform/controls/Application.h"

namespace qvx {

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner), FCanvas(&FSurface) {}

TCanvas* TCustomControl::Canvas()
{
    EnsureSurface();
    if (HandleAllocated()) {
        if (THost* host = Application().Host()) host->PresentWindow(*this);
    }
    return &FCanvas;
}

void TCustomControl::EnsureSurface()
{
    if (FSurface.Width() != ClientWidth() || FSurface.Height() != ClientHeight())
        FSurface.Resize(ClientWidth(), ClientHeight(), ColorToPixel(clWhite));
}

void TCustomControl::PlacementChanged()
{
    if (HandleAllocated() || FSurface.Width() != 0) EnsureSurface();
    TWinControl::PlacementChanged();
}

void TCustomControl::Paint()
{
    TCanvas& c = FCanvas;
    c.Brush()->SetColor(Color());
    c.FillRect({0, 0, ClientWidth(), ClientHeight()});
}

void TCustomControl::PaintWindow()
{
    Paint();
    PaintControls();
}

void TCustomControl::PaintControls()
{
    for (int i = 0; i < ControlCount(); ++i) {
        auto* g = dynamic_cast<TGraphicControl*>(Controls(i));
        if (g != nullptr && g->Visible()) g->PaintOnParent();
    }
}

void TCustomControl::Repaint()
{
    FSurfaceValid = true;
    GuardedCall([&] { PaintWindow(); });
    if (HandleAllocated()) {
        if (THost* host = Application().Host()) host->PresentWindow(*this);
    }
}

// --- TGraphicControl ----------------------------------------------------------------

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}

TCanvas* TGraphicControl::Canvas()
{
    TWinControl* parent = Parent();
    TPixelBuffer* surface = parent != nullptr ? parent->Surface() : nullptr;
    FCanvas.SetTarget(surface);
    FCanvas.SetOrigin({Left(), Top()});
    FCanvas.SetClipRect({0, 0, Width(), Height()});
    if (surface != nullptr && parent->HandleAllocated()) {
        if (THost* host = Application().Host()) host->PresentWindow(*parent);
    }
    return &FCanvas;
}

void TGraphicControl::Invalidate()
{
    if (Parent() != nullptr) Parent()->Invalidate();
}

void TGraphicControl::PaintOnParent()
{
    Canvas();
    Paint();
}

void TGraphicControl::Repaint()
{
    if (Parent() == nullptr || !Visible()) return;
    GuardedCall([&] { PaintOnParent(); });
}

}  // namespace qvx

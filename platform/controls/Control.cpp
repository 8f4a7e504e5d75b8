#include "platform/controls/Control.h"

#include <algorithm>

#include "platform/controls/Application.h"
#include "platform/controls/WinControl.h"

namespace qvx {

TShiftState KeysToShiftState(uint16_t keys)
{
    TShiftState s;
    if (keys & MK_SHIFT) s.Include(ssShift);
    if (keys & MK_CONTROL) s.Include(ssCtrl);
    if (keys & MK_LBUTTON) s.Include(ssLeft);
    if (keys & MK_RBUTTON) s.Include(ssRight);
    if (keys & MK_MBUTTON) s.Include(ssMiddle);
    if (const THost* host = Application().Host(); host != nullptr && host->AltDown()) s.Include(ssAlt);
    return s;
}

TControl::TControl(TComponent* AOwner) : TComponent(AOwner)
{
    FFont.OnChange = [this](TObject*) {
        if (!FAssigningParentFont) FParentFont = false;
        FontChanged();
    };
}

TControl::~TControl()
{
    if (FParent != nullptr) FParent->RemoveControl(this);
}

void TControl::SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight)
{
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
    const bool resized = AWidth != FWidth || AHeight != FHeight;
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    PlacementChanged();
    RequestParentRealign();
    if (FParent != nullptr) FParent->Invalidate();
    if (resized) Resize();
}

void TControl::SetAlign(TAlign value)
{
    if (value == FAlign) return;
    FAlign = value;
    RequestParentRealign();
}

void TControl::SetVisible(bool value)
{
    if (value == FVisible) return;
    FVisible = value;
    PlacementChanged();
    RequestParentRealign();
    if (FParent != nullptr) FParent->Invalidate();
}

void TControl::SetEnabled(bool value)
{
    if (value == FEnabled) return;
    FEnabled = value;
    PlacementChanged();
    Invalidate();
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == FParent) return;
    if (FParent != nullptr) FParent->RemoveControl(this);
    FParent = nullptr;
    if (parent != nullptr) parent->InsertControl(this);
}

void TControl::SetParentFont(bool value)
{
    FParentFont = value;
    if (value && FParent != nullptr) {
        FAssigningParentFont = true;
        FFont.Assign(FParent->Font());
        FAssigningParentFont = false;
    }
}

void TControl::SetColor(TColor value)
{
    if (value == FColor) return;
    FColor = value;
    Invalidate();
}

void TControl::SetCaption(const std::string& value)
{
    if (value == FCaption) return;
    FCaption = value;
    PlacementChanged();
    Invalidate();
}

void TControl::RequestParentRealign()
{
    if (FParent != nullptr) FParent->AlignControls();
}

void TControl::Invalidate()
{
    if (FParent != nullptr) FParent->Invalidate();
}

void TControl::Repaint()
{
    Invalidate();
}

void TControl::FontChanged()
{
    Invalidate();
}

void TControl::Resize()
{
    if (OnResize) OnResize(this);
}

// --- Mouse ------------------------------------------------------------------------

void TControl::MouseMessage(TMouseMessage kind, TMouseButton button, TWMMouse& message)
{
    switch (kind) {
    case TMouseMessage::Move: WMMouseMove(message); break;
    case TMouseMessage::Down: WMButtonDown(button, message, false); break;
    case TMouseMessage::DoubleDown: WMButtonDown(button, message, true); break;
    case TMouseMessage::Up: WMButtonUp(button, message); break;
    }
}

void TControl::WMMouseMove(TWMMouse& message)
{
    MouseMove(KeysToShiftState(message.Keys), message.XPos, message.YPos);
}

void TControl::WMButtonDown(TMouseButton button, TWMMouse& message, bool doubleClick)
{
    TShiftState shift = KeysToShiftState(message.Keys);
    if (doubleClick) {
        DblClick();
        shift.Include(ssDouble);
    } else if (button == TMouseButton::mbLeft) {
        FClicked = true;
    }
    MouseDown(button, shift, message.XPos, message.YPos);
}

void TControl::WMButtonUp(TMouseButton button, TWMMouse& message)
{
    if (button == TMouseButton::mbLeft && FClicked) {
        FClicked = false;
        if (message.XPos >= 0 && message.XPos < ClientWidth() && message.YPos >= 0 && message.YPos < ClientHeight())
            Click();
    }
    MouseUp(button, KeysToShiftState(message.Keys), message.XPos, message.YPos);
}

void TControl::Click()
{
    if (OnClick) OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int32_t X, int32_t Y)
{
    if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseEnter()
{
    if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::MouseLeave()
{
    if (OnMouseLeave) OnMouseLeave(this);
}

}  // namespace qvx

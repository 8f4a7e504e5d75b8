#include "platform/controls/WinControl.h"

#include <algorithm>

#include "platform/controls/Application.h"

namespace qvx {

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl()
{
    // Children die with their parent window, last created first; each one
    // leaves its owner's list on the way.
    while (!FControls.empty()) {
        TControl* child = FControls.back();
        delete child;
    }
    DestroyHandle();
}

void TWinControl::InsertControl(TControl* control)
{
    FControls.push_back(control);
    control->FParent = this;
    if (control->FParentFont) control->SetParentFont(true);
    if (auto* win = dynamic_cast<TWinControl*>(control); win != nullptr && FHandleAllocated) win->HandleNeeded();
    AlignControls();
    Invalidate();
}

void TWinControl::RemoveControl(TControl* control)
{
    const auto it = std::find(FControls.begin(), FControls.end(), control);
    if (it == FControls.end()) return;
    if (FCaptureControl == control) FCaptureControl = nullptr;
    if (FMouseControl == control) FMouseControl = nullptr;
    if (auto* win = dynamic_cast<TWinControl*>(control)) win->DestroyHandle();
    FControls.erase(it);
    control->FParent = nullptr;
    AlignControls();
    Invalidate();
}

void TWinControl::SetParent(TWinControl* parent)
{
    if (parent == FParent) return;
    DestroyHandle();
    TControl::SetParent(parent);
}

// --- Handles ----------------------------------------------------------------------

void TWinControl::HandleNeeded()
{
    if (FHandleAllocated) return;
    CreateWnd();
    for (TControl* c : FControls)
        if (auto* win = dynamic_cast<TWinControl*>(c)) win->HandleNeeded();
}

void TWinControl::CreateWnd()
{
    FHandleAllocated = true;
    if (THost* host = Application().Host()) host->CreateWindow(*this);
}

void TWinControl::DestroyHandle()
{
    if (!FHandleAllocated) return;
    for (TControl* c : FControls)
        if (auto* win = dynamic_cast<TWinControl*>(c)) win->DestroyHandle();
    DestroyWnd();
}

void TWinControl::DestroyWnd()
{
    FHandleAllocated = false;
    if (THost* host = Application().Host()) host->DestroyWindow(*this);
    FHostData = nullptr;
}

void TWinControl::PlacementChanged()
{
    FSurfaceValid = false;
    AlignControls();
    if (!FHandleAllocated) return;
    if (THost* host = Application().Host()) {
        host->WindowChanged(*this);
        host->InvalidateWindow(*this);
    }
}

void TWinControl::Invalidate()
{
    FSurfaceValid = false;
    if (!FHandleAllocated) return;
    if (THost* host = Application().Host()) host->InvalidateWindow(*this);
}

void TWinControl::FontChanged()
{
    for (TControl* c : FControls) {
        if (c->FParentFont) c->SetParentFont(true);
    }
    TControl::FontChanged();
}

// --- Layout -----------------------------------------------------------------------

void TWinControl::AlignControls()
{
    if (FAligning) return;
    FAligning = true;
    TRect r = AlignRect();
    const TAlign order[] = {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient};
    for (TAlign kind : order) {
        for (TControl* c : FControls) {
            if (!c->Visible() || c->Align() != kind) continue;
            const int32_t w = int32_t(std::max<int64_t>(r.Width(), 0));
            const int32_t h = int32_t(std::max<int64_t>(r.Height(), 0));
            switch (kind) {
            case TAlign::alTop:
                c->SetBounds(r.Left, r.Top, w, c->Height());
                r.Top += c->Height();
                break;
            case TAlign::alBottom:
                c->SetBounds(r.Left, r.Bottom - c->Height(), w, c->Height());
                r.Bottom -= c->Height();
                break;
            case TAlign::alLeft:
                c->SetBounds(r.Left, r.Top, c->Width(), h);
                r.Left += c->Width();
                break;
            case TAlign::alRight:
                c->SetBounds(r.Right - c->Width(), r.Top, c->Width(), h);
                r.Right -= c->Width();
                break;
            default:
                c->SetBounds(r.Left, r.Top, w, h);
                break;
            }
        }
    }
    FAligning = false;
}

// --- Host entry points --------------------------------------------------------------

TControl* TWinControl::ControlAtPos(int32_t x, int32_t y) const
{
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* c = *it;
        if (dynamic_cast<TWinControl*>(c) != nullptr || !c->Visible() || !c->Enabled()) continue;
        if (x >= c->Left() && x < c->Left() + c->Width() && y >= c->Top() && y < c->Top() + c->Height()) return c;
    }
    return nullptr;
}

void TWinControl::SetMouseControl(TControl* control)
{
    if (control == FMouseControl) return;
    TControl* old = FMouseControl;
    FMouseControl = control;
    if (old != nullptr) old->MouseLeave();
    if (control != nullptr) control->MouseEnter();
}

void TWinControl::DispatchMouse(TControl* target, TMouseMessage kind, TMouseButton button, uint16_t keys, int32_t x,
                                int32_t y)
{
    if (target != this) {
        x -= target->Left();
        y -= target->Top();
    }
    TWMMouse message;
    message.Keys = keys;
    message.XPos = int16_t(std::clamp(x, -32768, 32767));
    message.YPos = int16_t(std::clamp(y, -32768, 32767));
    target->MouseMessage(kind, button, message);
}

void TWinControl::HostMouse(TMouseMessage kind, TMouseButton button, uint16_t keys, int32_t x, int32_t y)
{
    GuardedCall([&] {
        TControl* target = FCaptureControl;
        if (target == nullptr) {
            target = ControlAtPos(x, y);
            SetMouseControl(target);
            if (target == nullptr) target = this;
        }
        if ((kind == TMouseMessage::Down || kind == TMouseMessage::DoubleDown) && target != this)
            FCaptureControl = target;
        if (kind == TMouseMessage::Up) FCaptureControl = nullptr;
        DispatchMouse(target, kind, button, keys, x, y);
    });
}

void TWinControl::HostMouseEnter()
{
    GuardedCall([&] { MouseEnter(); });
}

void TWinControl::HostMouseLeave()
{
    GuardedCall([&] {
        SetMouseControl(nullptr);
        MouseLeave();
    });
}

void TWinControl::HostPaint()
{
    if (FSurfaceValid) return;
    FSurfaceValid = true;
    GuardedCall([&] { PaintWindow(); });
}

void TWinControl::HostResized(int32_t clientWidth, int32_t clientHeight)
{
    GuardedCall([&] {
        const int32_t dw = Width() - ClientWidth(), dh = Height() - ClientHeight();
        SetBounds(Left(), Top(), clientWidth + dw, clientHeight + dh);
    });
}

}  // namespace qvx

#include "platform/headless/HeadlessHost.h"

#include <algorithm>

#include "platform/controls/Application.h"
#include "platform/controls/BitBtn.h"
#include "platform/controls/Panel.h"

namespace qvx {

THeadlessHost::THeadlessHost()
{
    Application().SetHost(this);
}

THeadlessHost::~THeadlessHost()
{
    if (Application().Host() == this) Application().SetHost(nullptr);
}

void THeadlessHost::CreateWindow(TWinControl& control)
{
    FWindows[&control] = Window{};
}

void THeadlessHost::DestroyWindow(TWinControl& control)
{
    FWindows.erase(&control);
}

void THeadlessHost::WindowChanged(TWinControl&) {}

void THeadlessHost::InvalidateWindow(TWinControl& control)
{
    if (auto it = FWindows.find(&control); it != FWindows.end()) it->second.needsPaint = true;
}

void THeadlessHost::PresentWindow(TWinControl& control)
{
    if (auto it = FWindows.find(&control); it != FWindows.end()) ++it->second.presents;
}

int THeadlessHost::PresentCount(const TWinControl& c) const
{
    const auto it = FWindows.find(&c);
    return it == FWindows.end() ? 0 : it->second.presents;
}

int32_t THeadlessHost::StartTimer(uint32_t intervalMs, std::function<void()> onTimer)
{
    const int32_t id = FNextTimer++;
    FTimers[id] = Timer{intervalMs, FNow + intervalMs, std::move(onTimer)};
    return id;
}

void THeadlessHost::StopTimer(int32_t id)
{
    FTimers.erase(id);
}

void THeadlessHost::SetCursor(TCursor cursor, const TCursorImage*)
{
    FCursorLog.push_back(cursor);
}

void THeadlessHost::MessageBox(const std::string& text, const std::string& caption, TMsgBoxKind kind)
{
    FMessageBoxes.push_back({text, caption, kind});
}

void THeadlessHost::ClearRecords()
{
    FCursorLog.clear();
    FMessageBoxes.clear();
}

void THeadlessHost::Run()
{
    FTerminated = false;
    PaintPending();
    const uint64_t end = FNow + FRunLimit;
    while (!FTerminated && !FTimers.empty() && FNow < end) {
        uint64_t next = UINT64_MAX;
        for (const auto& [id, t] : FTimers) next = std::min(next, t.due);
        AdvanceTime(uint32_t(std::min(next, end) - FNow));
    }
}

void THeadlessHost::PaintPending()
{
    // Collect first: painting may create or destroy windows.
    std::vector<TWinControl*> pending;
    for (auto& [control, w] : FWindows) {
        if (w.needsPaint) pending.push_back(const_cast<TWinControl*>(control));
    }
    for (TWinControl* c : pending) {
        auto it = FWindows.find(c);
        if (it == FWindows.end()) continue;
        it->second.needsPaint = false;
        c->HostPaint();
    }
}

// --- Input ---------------------------------------------------------------------------

void THeadlessHost::MouseMove(TWinControl& c, int32_t x, int32_t y, uint16_t keys)
{
    c.HostMouse(TMouseMessage::Move, TMouseButton::mbLeft, keys, x, y);
}

namespace {

uint16_t ButtonKey(TMouseButton b)
{
    return b == TMouseButton::mbLeft ? MK_LBUTTON : b == TMouseButton::mbRight ? MK_RBUTTON : MK_MBUTTON;
}

}  // namespace

void THeadlessHost::MouseDown(TWinControl& c, TMouseButton b, int32_t x, int32_t y, uint16_t keys)
{
    c.HostMouse(TMouseMessage::Down, b, uint16_t(keys | ButtonKey(b)), x, y);
}

void THeadlessHost::MouseUp(TWinControl& c, TMouseButton b, int32_t x, int32_t y, uint16_t keys)
{
    c.HostMouse(TMouseMessage::Up, b, uint16_t(keys & ~ButtonKey(b)), x, y);
}

void THeadlessHost::Click(TWinControl& c, int32_t x, int32_t y)
{
    MouseDown(c, TMouseButton::mbLeft, x, y);
    MouseUp(c, TMouseButton::mbLeft, x, y);
}

void THeadlessHost::DoubleClick(TWinControl& c, int32_t x, int32_t y)
{
    Click(c, x, y);
    c.HostMouse(TMouseMessage::DoubleDown, TMouseButton::mbLeft, MK_LBUTTON, x, y);
    MouseUp(c, TMouseButton::mbLeft, x, y);
}

void THeadlessHost::PressButton(TBitBtn& button)
{
    button.HostClick();
}

// --- Timers --------------------------------------------------------------------------

void THeadlessHost::AdvanceTime(uint32_t ms)
{
    const uint64_t end = FNow + ms;
    for (;;) {
        // The next timer due within the step; a handler may start or stop timers.
        int32_t nextId = -1;
        uint64_t nextDue = UINT64_MAX;
        for (const auto& [id, t] : FTimers) {
            if (t.due <= end && t.due < nextDue) {
                nextDue = t.due;
                nextId = id;
            }
        }
        if (nextId < 0 || FTerminated) break;
        FNow = nextDue;
        Timer& t = FTimers[nextId];
        t.due += std::max<uint32_t>(t.interval, 1);
        const std::function<void()> fire = t.fire;
        fire();
        PaintPending();
    }
    FNow = std::max(FNow, end);
}

void THeadlessHost::FireTimers()
{
    std::vector<int32_t> ids;
    for (const auto& [id, t] : FTimers) ids.push_back(id);
    for (int32_t id : ids) {
        auto it = FTimers.find(id);
        if (it == FTimers.end()) continue;
        const std::function<void()> fire = it->second.fire;
        fire();
    }
    PaintPending();
}

// --- Snapshots -----------------------------------------------------------------------

void THeadlessHost::ComposeInto(TWinControl& c, TCanvas& canvas, int32_t x, int32_t y)
{
    if (!c.Visible()) return;
    if (TPixelBuffer* surface = c.Surface()) {
        TBitmap copy;
        copy.Buffer() = *surface;
        canvas.Draw(x, y, copy);
    } else {
        // A native button: a raised face with its caption.
        TRect r{x, y, x + c.Width(), y + c.Height()};
        canvas.Brush()->SetColor(clBtnFace);
        canvas.FillRect(r);
        Frame3D(canvas, r, clBtnHighlight, cl3DDkShadow, 1);
        Frame3D(canvas, r, clBtnFace, clBtnShadow, 1);
        canvas.SetFont(c.Font());
        canvas.Font()->SetColor(c.Enabled() ? clBtnText : clGrayText);
        canvas.Brush()->SetStyle(TBrushStyle::bsClear);
        const int32_t tw = canvas.TextWidth(c.Caption()), th = canvas.TextHeight(c.Caption());
        canvas.TextOut(x + (c.Width() - tw) / 2, y + (c.Height() - th) / 2, c.Caption());
    }
    for (int i = 0; i < c.ControlCount(); ++i) {
        if (auto* child = dynamic_cast<TWinControl*>(c.Controls(i)))
            ComposeInto(*child, canvas, x + child->Left(), y + child->Top());
    }
}

void THeadlessHost::Snapshot(TWinControl& form, TBitmap& out)
{
    PaintPending();
    out.SetSize(form.ClientWidth(), form.ClientHeight());
    ComposeInto(form, *out.Canvas(), 0, 0);
}

}  // namespace qvx

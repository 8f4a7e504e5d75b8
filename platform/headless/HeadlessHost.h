#pragma once
// A host without a display, for tests and off-screen rendering: windows are
// records, mouse input is synthetic, timers run on a virtual clock that only
// moves when told to, and cursor changes and message boxes are recorded.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/controls/Host.h"
#include "platform/controls/WinControl.h"
#include "platform/graphics/Bitmap.h"

namespace qvx {

class TBitBtn;
class TForm;

class THeadlessHost : public THost {
public:
    struct MessageBoxRecord {
        std::string Text;
        std::string Caption;
        TMsgBoxKind Kind;
    };

    // Installs itself as the application's host; the destructor restores none.
    THeadlessHost();
    ~THeadlessHost() override;

    // --- THost ---
    void CreateWindow(TWinControl& control) override;
    void DestroyWindow(TWinControl& control) override;
    void WindowChanged(TWinControl& control) override;
    void InvalidateWindow(TWinControl& control) override;
    void PresentWindow(TWinControl& control) override;
    int32_t StartTimer(uint32_t intervalMs, std::function<void()> onTimer) override;
    void StopTimer(int32_t id) override;
    void SetCursor(TCursor cursor, const TCursorImage* custom) override;
    void MessageBox(const std::string& text, const std::string& caption, TMsgBoxKind kind) override;
    void Run() override;
    void Terminate() override { FTerminated = true; }
    void ProcessMessages() override { PaintPending(); }
    bool AltDown() const override { return FAltDown; }

    // --- Driving it ---
    // Paints every window whose surface is out of date.
    void PaintPending();
    // Mouse input in the control's client coordinates; keys are MK_* flags.
    void MouseMove(TWinControl& c, int32_t x, int32_t y, uint16_t keys = 0);
    void MouseDown(TWinControl& c, TMouseButton b, int32_t x, int32_t y, uint16_t keys = 0);
    void MouseUp(TWinControl& c, TMouseButton b, int32_t x, int32_t y, uint16_t keys = 0);
    // Press and release; a double click is press, release, second press
    // (delivered as a double-click message) and release.
    void Click(TWinControl& c, int32_t x, int32_t y);
    void DoubleClick(TWinControl& c, int32_t x, int32_t y);
    void MouseEnter(TWinControl& c) { c.HostMouseEnter(); }
    void MouseLeave(TWinControl& c) { c.HostMouseLeave(); }
    void PressButton(TBitBtn& button);
    void SetAltDown(bool down) { FAltDown = down; }

    // Moves the virtual clock, firing every timer that comes due, in order.
    void AdvanceTime(uint32_t ms);
    // Fires every running timer once, in the order they were started.
    void FireTimers();
    uint64_t VirtualTimeMs() const { return FNow; }
    size_t RunningTimers() const { return FTimers.size(); }
    // Run() advances the virtual clock by at most this much before it returns.
    void SetRunLimitMs(uint64_t ms) { FRunLimit = ms; }
    bool Terminated() const { return FTerminated; }

    // What happened.
    const std::vector<TCursor>& CursorLog() const { return FCursorLog; }
    const std::vector<MessageBoxRecord>& MessageBoxes() const { return FMessageBoxes; }
    bool HasWindow(const TWinControl& c) const { return FWindows.count(&c) != 0; }
    int PresentCount(const TWinControl& c) const;
    void ClearRecords();

    // Composes a form as a screen would show it: every visible windowed
    // control's surface at its place, buttons drawn as plain bevelled faces.
    void Snapshot(TWinControl& form, TBitmap& out);

private:
    struct Window {
        bool needsPaint = true;
        int presents = 0;
    };
    struct Timer {
        uint32_t interval;
        uint64_t due;
        std::function<void()> fire;
    };
    void ComposeInto(TWinControl& c, TCanvas& canvas, int32_t x, int32_t y);

    std::map<const TWinControl*, Window> FWindows;
    std::map<int32_t, Timer> FTimers;
    int32_t FNextTimer = 1;
    uint64_t FNow = 0;
    uint64_t FRunLimit = 0;
    bool FTerminated = false;
    bool FAltDown = false;
    std::vector<TCursor> FCursorLog;
    std::vector<MessageBoxRecord> FMessageBoxes;
};

}  // namespace qvx

#pragma once
// The host interface: what the controls need from a windowing system. The
// Qt host gives them real windows; the headless host gives tests windows
// without a display, synthetic mouse messages and timers fired on demand.
//
// Hosts deliver input back through the Host* entry points of TWinControl
// and TTimer, which catch an exception escaping a handler and hand it to
// Application().HandleException.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/controls/ControlTypes.h"

namespace qvx {

class TWinControl;
struct TCursorImage;

enum class TMsgBoxKind : uint8_t { mbInformation, mbError };

class THost {
public:
    virtual ~THost() = default;

    // A windowed control gets its native window; its parent's exists already.
    virtual void CreateWindow(TWinControl& control) = 0;
    virtual void DestroyWindow(TWinControl& control) = 0;
    // Bounds, visibility, enabled state, caption or glyph changed.
    virtual void WindowChanged(TWinControl& control) = 0;
    // The control must be painted again (its Paint runs before it is shown).
    virtual void InvalidateWindow(TWinControl& control) = 0;
    // The control's surface was drawn on outside a paint: show it as it is.
    virtual void PresentWindow(TWinControl& control) = 0;

    // A repeating timer; returns its id.
    virtual int32_t StartTimer(uint32_t intervalMs, std::function<void()> onTimer) = 0;
    virtual void StopTimer(int32_t id) = 0;

    // The application-wide cursor; custom is set for the program's own cursors.
    virtual void SetCursor(TCursor cursor, const TCursorImage* custom) = 0;
    // A modal message box with a single OK button.
    virtual void MessageBox(const std::string& text, const std::string& caption, TMsgBoxKind kind) = 0;

    // Runs the message loop until Terminate.
    virtual void Run() = 0;
    virtual void Terminate() = 0;
    // Delivers what is pending (paints, posted events) and returns.
    virtual void ProcessMessages() = 0;
    // Keyboard state that mouse messages do not carry.
    virtual bool AltDown() const { return false; }
};

}  // namespace qvx

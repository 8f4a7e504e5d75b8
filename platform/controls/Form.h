#pragma once
// TForm: a top-level window. Width and Height are the outer size including
// the classic window frame (4 px borders and a 19 px caption bar), so the
// client area a design states is the one every host gives.

#include <algorithm>
#include <cstdint>

#include "platform/controls/CustomControl.h"

namespace qvx {

enum class TPosition : uint8_t {
    poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter, poMainFormCenter,
    poOwnerFormCenter
};

class TForm : public TCustomControl {
public:
    static constexpr int32_t FrameWidth = 4;
    static constexpr int32_t CaptionHeight = 19;

    explicit TForm(TComponent* AOwner);
    std::string ClassName() const override { return "TForm"; }

    int32_t ClientWidth() const override { return std::max(Width() - 2 * FrameWidth, 0); }
    int32_t ClientHeight() const override { return std::max(Height() - 2 * FrameWidth - CaptionHeight, 0); }
    void SetClientWidth(int32_t value) { SetWidth(value + 2 * FrameWidth); }
    void SetClientHeight(int32_t value) { SetHeight(value + 2 * FrameWidth + CaptionHeight); }

    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }

    // Creates the windows and shows the form.
    void Show();
    void Hide();
    // Closes the form; closing the main form ends the program.
    void Close();
    bool Active() const { return FActive; }

    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnClose;

    // Host entry points: the window became active or inactive; the user asks to close it.
    void HostActivate();
    void HostDeactivate();
    void HostCloseRequest();

private:
    TPosition FPosition = TPosition::poDesigned;
    bool FActive = false;
};

}  // namespace qvx

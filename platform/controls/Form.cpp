#include "platform/controls/Form.h"

#include "platform/controls/Application.h"

namespace qvx {

TForm::TForm(TComponent* AOwner) : TCustomControl(AOwner)
{
    FVisible = false;
    SetBounds(0, 0, 320, 240);
}

void TForm::Show()
{
    HandleNeeded();
    SetVisible(true);
    if (THost* host = Application().Host()) host->WindowChanged(*this);
}

void TForm::Hide()
{
    SetVisible(false);
}

void TForm::Close()
{
    if (OnClose) OnClose(this);
    if (Application().MainForm() == this) Application().Terminate();
    else Hide();
}

void TForm::HostActivate()
{
    GuardedCall([&] {
        if (FActive) return;
        FActive = true;
        if (OnActivate) OnActivate(this);
    });
}

void TForm::HostDeactivate()
{
    GuardedCall([&] {
        if (!FActive) return;
        FActive = false;
        if (OnDeactivate) OnDeactivate(this);
    });
}

void TForm::HostCloseRequest()
{
    GuardedCall([&] { Close(); });
}

}  // namespace qvx

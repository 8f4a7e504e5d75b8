#include "platform/controls/Application.h"

#include <cstdio>

#include "platform/controls/Form.h"

namespace qvx {

TApplication& Application()
{
    static TApplication app;
    return app;
}

void TApplication::Run()
{
    FTerminated = false;
    if (FMainForm != nullptr) FMainForm->Show();
    if (FHost != nullptr && !FTerminated) FHost->Run();
}

void TApplication::Terminate()
{
    FTerminated = true;
    if (FHost != nullptr) FHost->Terminate();
}

void TApplication::ProcessMessages()
{
    if (FHost != nullptr) FHost->ProcessMessages();
}

void TApplication::HandleException(const std::exception& e)
{
    if (OnException) {
        OnException(e);
        return;
    }
    if (FHost != nullptr) FHost->MessageBox(e.what(), FTitle, TMsgBoxKind::mbError);
    else std::fprintf(stderr, "%s: %s\n", FTitle.c_str(), e.what());
}

void TApplication::MessageBox(const std::string& text, const std::string& caption)
{
    if (FHost != nullptr) FHost->MessageBox(text, caption, TMsgBoxKind::mbInformation);
    else std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

void TApplication::DestroyForms()
{
    while (ComponentCount() > 0) delete Components(ComponentCount() - 1);
    FMainForm = nullptr;
}

void ShowMessage(const std::string& text)
{
    Application().MessageBox(text, Application().Title());
}

}  // namespace qvx

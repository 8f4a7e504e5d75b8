#pragma once
// The application object: owns the forms, knows the host, runs the message
// loop and reports exceptions that escape event handlers.

#include <exception>
#include <functional>
#include <string>

#include "platform/controls/Component.h"
#include "platform/controls/Host.h"

namespace qvx {

class TForm;

class TApplication : public TComponent {
public:
    TApplication() : TComponent(nullptr) {}
    std::string ClassName() const override { return "TApplication"; }

    THost* Host() const { return FHost; }
    // The host stays owned by the caller; nullptr runs controls without windows.
    void SetHost(THost* host) { FHost = host; }

    // Creates a form owned by the application; the first becomes the main form.
    template <class TFormClass, class... Args>
    TFormClass* CreateForm(Args&&... args)
    {
        auto* form = new TFormClass(this, std::forward<Args>(args)...);
        if (FMainForm == nullptr) FMainForm = form;
        return form;
    }
    TForm* MainForm() const { return FMainForm; }
    void SetMainForm(TForm* form) { FMainForm = form; }

    // Shows the main form and runs the message loop until Terminate.
    void Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    void ProcessMessages();

    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& value) { FTitle = value; }

    // Reports an exception that escaped an event handler and lets the
    // program go on: OnException when assigned, else an error box.
    void HandleException(const std::exception& e);
    std::function<void(const std::exception&)> OnException;

    // A modal information box with a single OK button.
    void MessageBox(const std::string& text, const std::string& caption);

    // Destroys every form (used by tests between cases and at shutdown).
    void DestroyForms();

private:
    THost* FHost = nullptr;
    TForm* FMainForm = nullptr;
    bool FTerminated = false;
    std::string FTitle = "Application";
};

TApplication& Application();

// Runs fn and reports an exception escaping it through the application.
template <class Fn>
void GuardedCall(Fn&& fn)
{
    try {
        fn();
    } catch (const std::exception& e) {
        Application().HandleException(e);
    }
}

// ShowMessage: the information box with the application's title.
void ShowMessage(const std::string& text);

}  // namespace qvx

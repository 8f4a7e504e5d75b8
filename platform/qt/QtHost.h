#pragma once
// The Qt6 Widgets host: every form is a top-level window, every windowed
// control a QWidget that shows the control's surface (one blit per paint, no
// other copy), bitmap buttons are QPushButtons, timers QTimers, the screen
// cursor Qt's override cursor and message boxes QMessageBoxes. Exceptions
// that escape an event handler are reported in an error box and the program
// goes on.

#include <QApplication>
#include <functional>
#include <map>
#include <memory>

#include "platform/controls/Host.h"

class QTimer;
class QWidget;

namespace qvx {

// QApplication that reports exceptions escaping event delivery instead of
// letting them end the program.
class TQtApplication : public QApplication {
public:
    TQtApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

class TQtHost : public QObject, public THost {
public:
    // Installs itself as the application's host. A QApplication must exist.
    TQtHost();
    ~TQtHost() override;

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
    void Terminate() override;
    void ProcessMessages() override;
    bool AltDown() const override;

    // The widget that shows a control, or nullptr.
    static QWidget* WidgetOf(const TWinControl& control);

private:
    std::map<int32_t, QTimer*> FTimers;
    int32_t FNextTimer = 1;
    bool FTerminateRequested = false;
    bool FOverrideCursor = false;
};

}  // namespace qvx

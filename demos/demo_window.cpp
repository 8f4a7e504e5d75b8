// demo_window [--screenshot OUT.png]: the platform demo window on the Qt
// host. With --screenshot it moves a synthetic mouse across the sketch,
// saves a picture of the window and exits.

#include <cstdio>
#include <cmath>
#include <cstring>
#include <string>

#include <QTimer>
#include <QWidget>

#include "demos/DemoForm.h"
#include "platform/controls/Application.h"
#include "platform/qt/QtHost.h"

using namespace qvx;

int main(int argc, char** argv)
{
    std::string screenshot;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--screenshot") == 0) screenshot = argv[i + 1];

    TQtApplication qtApp(argc, argv);
    TQtHost host;
    Application().SetTitle("Platform demo");
    auto* form = Application().CreateForm<demo::TDemoForm>();
    int status = 0;
    if (!screenshot.empty()) {
        QTimer::singleShot(200, [&] {
            demo::TSketch& sketch = *form->Sketch;
            sketch.HostMouseEnter();
            for (int i = 0; i <= 60; ++i) {
                const int x = 40 + i * 9, y = 200 - int(120 * std::sin(i / 9.0));
                sketch.HostMouse(TMouseMessage::Move, TMouseButton::mbLeft, 0, x, y);
            }
            sketch.HostMouse(TMouseMessage::Down, TMouseButton::mbLeft, MK_LBUTTON, 580, 150);
            sketch.HostMouse(TMouseMessage::Up, TMouseButton::mbLeft, 0, 580, 150);
            QCoreApplication::processEvents();
            if (!TQtHost::WidgetOf(*form)->grab().save(QString::fromStdString(screenshot))) {
                std::fprintf(stderr, "demo_window: cannot write %s\n", screenshot.c_str());
                status = 1;
            }
            Application().Terminate();
        });
    }
    Application().Run();
    Application().DestroyForms();
    return status;
}

// The Qt host on the offscreen platform: the demo window's real widgets get
// real mouse events in the classic order, a grab shows the custom control's
// pixels, exceptions from handlers are reported while the program goes on,
// timers tick and the screen cursor follows Screen.

#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdlib>
#include <string>
#include <vector>

#include "chart/Kurvex.h"
#include "demos/DemoForm.h"
#include "platform/controls/Application.h"
#include "platform/controls/Screen.h"
#include "platform/controls/Timer.h"
#include "platform/core/Exceptions.h"
#include "platform/qt/QtHost.h"

using namespace qvx;

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char arg0[] = "qt_host_test";
        static char* argv[] = {arg0, nullptr};
        app = new TQtApplication(argc, argv);
    }
    void TearDown() override { delete app; }
    TQtApplication* app = nullptr;
};

const auto* const gEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

class QtHostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = Application().CreateForm<demo::TDemoForm>();
        form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(TQtHost::WidgetOf(*form)));
    }
    void TearDown() override
    {
        Application().DestroyForms();
        QCoreApplication::processEvents();
    }
    QWidget* Widget(TWinControl& c) { return TQtHost::WidgetOf(c); }

    TQtHost host;
    demo::TDemoForm* form = nullptr;
};

// Closes the next modal message box and keeps its text.
void CloseNextMessageBox(std::vector<std::string>& texts)
{
    QTimer::singleShot(0, [&texts] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            texts.push_back(box->text().toStdString());
            box->accept();
        }
    });
}

}  // namespace

TEST_F(QtHostTest, RealMouseEventsArriveInTheClassicOrder)
{
    // Through the window, so that Qt's own input handling turns the second
    // press into a double click as it does for a real mouse.
    QWidget* sketch = Widget(*form->Sketch);
    ASSERT_NE(sketch, nullptr);
    QWindow* window = Widget(*form)->windowHandle();
    const QPoint first = sketch->mapTo(Widget(*form), QPoint(30, 40));
    const QPoint second = sketch->mapTo(Widget(*form), QPoint(31, 41));
    QTest::mouseClick(window, Qt::LeftButton, {}, first);
    QTest::mouseDClick(window, Qt::LeftButton, {}, second);
    EXPECT_EQ(form->Sketch->Log(), (std::vector<std::string>{"down 30,40", "click", "up 30,40", "down 31,41", "click",
                                                             "up 31,41", "dblclick", "down+double 31,41", "up 31,41"}));
}

TEST_F(QtHostTest, AGrabShowsTheCustomControlsPixels)
{
    QWidget* window = Widget(*form);
    form->Sketch->HostMouse(TMouseMessage::Move, TMouseButton::mbLeft, 0, 100, 80);
    QCoreApplication::processEvents();
    const QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.width(), form->ClientWidth());
    shot.save(QString::fromStdString(::testing::TempDir() + "qt_host_grab.png"));
    const TPixelBuffer& surface = *form->Sketch->Surface();
    const int ox = form->Sketch->Left(), oy = form->Sketch->Top();
    int differing = 0;
    for (int y = 0; y < surface.Height(); ++y)
        for (int x = 0; x < surface.Width(); ++x)
            differing += (shot.pixel(ox + x, oy + y) & 0xFFFFFF) != (surface.Row(y)[x] & 0xFFFFFF);
    EXPECT_EQ(differing, 0);
    // The crosshair drawn at the mouse is red in the grab.
    EXPECT_EQ(shot.pixel(ox + 100 + 8, oy + 80) & 0xFFFFFF, 0xFF0000u);
}

TEST_F(QtHostTest, AnExceptionFromAClickHandlerIsReportedAndTheProgramGoesOn)
{
    int clicks = 0;
    form->ClearButton->OnClick = [&](TObject*) {
        if (++clicks == 1) throw Exception("The chart cannot share its own data.");
    };
    std::vector<std::string> boxes;
    CloseNextMessageBox(boxes);
    QTest::mouseClick(Widget(*form->ClearButton), Qt::LeftButton);
    ASSERT_EQ(boxes, (std::vector<std::string>{"The chart cannot share its own data."}));
    QTest::mouseClick(Widget(*form->ClearButton), Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
}

TEST_F(QtHostTest, DisabledButtonsDoNotClick)
{
    int clicks = 0;
    form->ClearButton->OnClick = [&](TObject*) { ++clicks; };
    form->ClearButton->SetEnabled(false);
    QTest::mouseClick(Widget(*form->ClearButton), Qt::LeftButton);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(Widget(*form->ClearButton)->isEnabled());
}

TEST_F(QtHostTest, TimersRunOnQtTimers)
{
    auto* timer = new TTimer(form);
    timer->SetInterval(10);
    int ticks = 0;
    timer->OnTimer = [&](TObject*) { ++ticks; };
    QTest::qWait(200);
    EXPECT_GE(ticks, 3);
    timer->SetEnabled(false);
    const int stopped = ticks;
    QTest::qWait(50);
    EXPECT_EQ(ticks, stopped);
}

TEST_F(QtHostTest, TheScreenCursorIsTheApplicationsOverrideCursor)
{
    Screen().SetCursor(crCross);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::CrossCursor);
    Screen().SetCursors(7, TCursorImage::FromArt({"##", "#o"}, 1, 1));
    Screen().SetCursor(7);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BitmapCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor()->hotSpot(), QPoint(1, 1));
    Screen().SetCursor(crDefault);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(QtHostTest, AScaleInItsOwnWindowPansWhenDragged)
{
    QWidget* scale = Widget(*form->Scale);
    ASSERT_NE(scale, nullptr);
    int zoomPans = 0;
    form->Scale->OnZoomPan = [&](TObject*) { ++zoomPans; };
    const double low = form->Scale->RangeLow(), high = form->Scale->RangeHigh();
    QWindow* window = Widget(*form)->windowHandle();
    auto at = [&](int x) { return scale->mapTo(Widget(*form), QPoint(x, 20)); };
    QTest::mousePress(window, Qt::LeftButton, {}, at(200));
    QTest::mouseMove(window, at(210));  // arms the drag
    QTest::mouseMove(window, at(260));  // pans by 50 pixels
    QTest::mouseRelease(window, Qt::LeftButton, {}, at(260));
    EXPECT_EQ(zoomPans, 1);
    const double perPixel = (high - low) / (form->Scale->Width() - 40);
    EXPECT_NEAR(form->Scale->RangeLow(), low - 50 * perPixel, 1e-9);
    EXPECT_NEAR(form->Scale->RangeHigh(), high - 50 * perPixel, 1e-9);
    EXPECT_FALSE(form->Scale->Dragging());
}

TEST_F(QtHostTest, AChartInItsOwnWindowShowsItsAxesAndPlotArea)
{
    auto* chartForm = Application().CreateForm<TForm>();
    chartForm->SetClientWidth(500);
    chartForm->SetClientHeight(300);
    auto* chart = new TKurvex(chartForm);
    chart->SetParent(chartForm);
    chart->SetAlign(TAlign::alClient);
    chartForm->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Widget(*chartForm)));
    EXPECT_FALSE(chart->PaintSuspended()) << "the window exists";
    chart->SetLayerRange(1, 0, -1, 10, 1);
    QCoreApplication::processEvents();
    const QImage shot = Widget(*chartForm)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    shot.save(QString::fromStdString(::testing::TempDir() + "qt_chart_grab.png"));
    const int ml = chart->MarginLeft(), mt = chart->MarginTop();
    EXPECT_EQ(shot.pixel(ml + 40, mt + 40) & 0xFFFFFF, 0xFFFFFFu) << "plot area in the chart colour";
    int dark = 0;  // axis labels and marks left of the plot area
    for (int y = mt; y < chart->Height() - chart->MarginBottom(); ++y)
        for (int x = 0; x < ml; ++x) dark += qGray(shot.pixel(x, y)) < 100;
    EXPECT_GT(dark, 20);
}

TEST_F(QtHostTest, ClosingTheMainWindowEndsTheEventLoop)
{
    Application().SetMainForm(form);
    QTimer::singleShot(0, [&] { QTest::mouseClick(Widget(*form->ExitButton), Qt::LeftButton); });
    Application().Run();  // returns once Exit has closed the main form
    EXPECT_TRUE(Application().Terminated());
}

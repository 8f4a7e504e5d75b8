// Controls on the headless host: ownership, loading, layout, the mouse
// protocol, painting of window-less controls, timers, cursors, message boxes
// and the reporting of exceptions that escape handlers.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/controls/Application.h"
#include "platform/controls/BitBtn.h"
#include "platform/controls/Form.h"
#include "platform/controls/Panel.h"
#include "platform/controls/Screen.h"
#include "platform/controls/Timer.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/Pen.h"
#include "platform/headless/HeadlessHost.h"

using namespace qvx;

namespace {

class ControlsTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        Application().DestroyForms();
        Application().OnException = nullptr;
    }
    THeadlessHost host;
};

// Records the virtual mouse handlers in the order they run.
class Recorder : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    std::vector<std::string> log;

protected:
    void MouseDown(TMouseButton, TShiftState s, int32_t x, int32_t y) override
    {
        log.push_back(std::string("down") + (s.Contains(ssDouble) ? "+double" : "") + " " + std::to_string(x) + "," +
                      std::to_string(y));
    }
    void MouseUp(TMouseButton, TShiftState, int32_t, int32_t) override { log.push_back("up"); }
    void MouseMove(TShiftState s, int32_t x, int32_t y) override
    {
        log.push_back(std::string("move") + (s.Contains(ssLeft) ? "+left" : "") + " " + std::to_string(x) + "," +
                      std::to_string(y));
    }
    void DblClick() override { log.push_back("dblclick"); }
    void Click() override { log.push_back("click"); }
    void MouseEnter() override { log.push_back("enter"); }
    void MouseLeave() override { log.push_back("leave"); }
};

// Paints a filled rectangle larger than itself.
class Blot : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override
    {
        Canvas()->Brush()->SetColor(clRed);
        Canvas()->Pen()->SetColor(clRed);
        Canvas()->Rectangle(-50, -50, 500, 500);
    }
};

class LoadCounter : public TComponent {
public:
    using TComponent::TComponent;
    int loaded = 0;

protected:
    void Loaded() override
    {
        TComponent::Loaded();
        ++loaded;
    }
};

}  // namespace

TEST_F(ControlsTest, OwnerDestroysWhatItOwnsAndParentsTheirChildren)
{
    auto* form = Application().CreateForm<TForm>();
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    auto* button = new TBitBtn(form);
    button->SetParent(panel);
    auto* timer = new TTimer(form);
    EXPECT_EQ(form->ComponentCount(), 3);
    delete panel;  // takes its child button with it and leaves the owner's list
    EXPECT_EQ(form->ComponentCount(), 1);
    EXPECT_EQ(form->Components(0), timer);
    EXPECT_EQ(form->ControlCount(), 0);
}

TEST_F(ControlsTest, LoadedRunsOnceAfterTheLoadingBracket)
{
    TComponent root(nullptr);
    auto* a = new LoadCounter(&root);
    auto* b = new LoadCounter(a);
    root.BeginLoading();
    EXPECT_TRUE(b->ComponentState().Contains(csLoading));
    EXPECT_EQ(a->loaded + b->loaded, 0);
    root.EndLoading();
    EXPECT_EQ(a->loaded, 1);
    EXPECT_EQ(b->loaded, 1);
    EXPECT_FALSE(a->ComponentState().Contains(csLoading));
    root.EndLoading();  // nothing is loading any more
    EXPECT_EQ(a->loaded, 1);
}

TEST_F(ControlsTest, AssignBetweenUnrelatedClassesIsAConversionError)
{
    TTimer timer(nullptr);
    TPen pen;
    try {
        timer.Assign(&pen);
        FAIL() << "expected EConvertError";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Cannot assign a TPen to a TTimer");
    }
}

TEST_F(ControlsTest, AlignLaysOutChildrenInCreationOrder)
{
    auto* form = Application().CreateForm<TForm>();
    form->SetClientWidth(300);
    form->SetClientHeight(200);
    auto* top = new TPanel(form);
    top->SetParent(form);
    top->SetHeight(40);
    top->SetAlign(TAlign::alTop);
    auto* client = new TPanel(form);
    client->SetParent(form);
    client->SetAlign(TAlign::alClient);
    auto* left = new TPanel(form);
    left->SetParent(form);
    left->SetWidth(60);
    left->SetAlign(TAlign::alLeft);
    EXPECT_EQ(top->BoundsRect(), (TRect{0, 0, 300, 40}));
    EXPECT_EQ(left->BoundsRect(), (TRect{0, 40, 60, 200}));
    EXPECT_EQ(client->BoundsRect(), (TRect{60, 40, 300, 200}));

    form->SetClientWidth(400);  // the layout follows the parent's size
    EXPECT_EQ(client->BoundsRect(), (TRect{60, 40, 400, 200}));

    auto* inner = new TPanel(form);  // a bevelled panel aligns inside its bevels
    inner->SetParent(left);
    inner->SetAlign(TAlign::alClient);
    left->SetBevelInner(TBevelCut::bvLowered);
    EXPECT_EQ(inner->BoundsRect(), (TRect{2, 2, 58, 158}));
}

TEST_F(ControlsTest, DoubleClickFollowsTheClassicMessageOrder)
{
    auto* form = Application().CreateForm<TForm>();
    auto* r = new Recorder(form);
    r->SetParent(form);
    r->SetBounds(10, 10, 100, 50);
    form->Show();
    host.MouseEnter(*r);
    host.MouseMove(*r, 5, 6);
    host.DoubleClick(*r, 7, 8);
    host.MouseMove(*r, 9, 9, MK_LBUTTON);
    host.MouseLeave(*r);
    EXPECT_EQ(r->log, (std::vector<std::string>{"enter", "move 5,6", "down 7,8", "click", "up", "dblclick",
                                                "down+double 7,8", "up", "move+left 9,9", "leave"}));
}

TEST_F(ControlsTest, ReleaseOutsideTheControlIsNoClick)
{
    auto* form = Application().CreateForm<TForm>();
    auto* r = new Recorder(form);
    r->SetParent(form);
    r->SetBounds(0, 0, 20, 20);
    form->Show();
    host.MouseDown(*r, TMouseButton::mbLeft, 5, 5);
    host.MouseUp(*r, TMouseButton::mbLeft, 25, 5);
    EXPECT_EQ(r->log, (std::vector<std::string>{"down 5,5", "up"}));
}

TEST_F(ControlsTest, GraphicControlPaintsIntoItsParentClippedToItsBounds)
{
    auto* form = Application().CreateForm<TForm>();
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(0, 0, 60, 40);
    panel->SetBevelOuter(TBevelCut::bvNone);
    panel->SetColor(clWhite);
    auto* blot = new Blot(form);
    blot->SetParent(panel);
    blot->SetBounds(10, 5, 20, 10);
    form->Show();
    host.PaintPending();
    TBitmap shot;
    shot.Buffer() = *panel->Surface();
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 60; ++x) {
            const bool inside = x >= 10 && x < 30 && y >= 5 && y < 15;
            ASSERT_EQ(shot.Canvas()->Pixels(x, y), inside ? clRed : clWhite) << x << "," << y;
        }
    }
}

TEST_F(ControlsTest, MouseOverAGraphicControlGoesToIt)
{
    auto* form = Application().CreateForm<TForm>();
    auto* blot = new Blot(form);
    blot->SetParent(form);
    blot->SetBounds(10, 10, 20, 20);
    std::vector<std::string> log;
    blot->OnMouseEnter = [&](TObject*) { log.push_back("enter"); };
    blot->OnMouseLeave = [&](TObject*) { log.push_back("leave"); };
    blot->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int32_t x, int32_t y) {
        log.push_back("down " + std::to_string(x) + "," + std::to_string(y));
    };
    blot->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int32_t x, int32_t y) {
        log.push_back("up " + std::to_string(x) + "," + std::to_string(y));
    };
    form->OnMouseMove = [&](TObject*, TShiftState, int32_t, int32_t) { log.push_back("form move"); };
    form->Show();
    host.MouseMove(*form, 12, 15);
    host.MouseDown(*form, TMouseButton::mbLeft, 12, 15);
    host.MouseUp(*form, TMouseButton::mbLeft, 50, 50);  // the pressed control keeps the mouse
    host.MouseMove(*form, 50, 50);
    EXPECT_EQ(log, (std::vector<std::string>{"enter", "down 2,5", "up 40,40", "leave", "form move"}));
}

TEST_F(ControlsTest, TimersFireOnTheVirtualClock)
{
    auto* form = Application().CreateForm<TForm>();
    auto* timer = new TTimer(form);
    timer->SetEnabled(false);
    timer->SetInterval(500);
    int ticks = 0;
    timer->OnTimer = [&](TObject*) { ++ticks; };
    host.AdvanceTime(2000);
    EXPECT_EQ(ticks, 0);
    timer->SetEnabled(true);
    host.AdvanceTime(1499);
    EXPECT_EQ(ticks, 2);
    host.AdvanceTime(1);
    EXPECT_EQ(ticks, 3);
    host.FireTimers();
    EXPECT_EQ(ticks, 4);
    delete timer;
    EXPECT_EQ(host.RunningTimers(), 0u);
}

TEST_F(ControlsTest, CursorsAndMessageBoxesAreRecorded)
{
    Screen().SetCursors(1, TCursorImage::FromArt({"#", "##", "#o#"}, 0, 0));
    Screen().SetCursor(crCross);
    Screen().SetCursor(1);
    Screen().SetCursor(crDefault);
    EXPECT_EQ(host.CursorLog(), (std::vector<TCursor>{crCross, 1, crDefault}));
    ASSERT_NE(Screen().Cursors(1), nullptr);
    EXPECT_EQ(Screen().Cursors(1)->Pixels[size_t(2 * 32 + 1)], TCursorImage::White);
    EXPECT_EQ(Screen().Cursors(2), nullptr);

    Application().MessageBox("Chart 2 already shares the data.", "Note");
    ASSERT_EQ(host.MessageBoxes().size(), 1u);
    EXPECT_EQ(host.MessageBoxes()[0].Text, "Chart 2 already shares the data.");
    EXPECT_EQ(host.MessageBoxes()[0].Kind, TMsgBoxKind::mbInformation);
}

TEST_F(ControlsTest, CursorMasksDecodeTheClassicWay)
{
    std::array<uint32_t, 32> andMask{}, xorMask{};
    andMask.fill(0xFFFFFFFFu);
    andMask[0] = 0x3FFFFFFFu;  // two opaque pixels on the left of row 0
    xorMask[0] = 0x40000000u;  // the second of them white
    xorMask[1] = 0x80000000u;  // inverted where AND stays set
    const TCursorImage img = TCursorImage::FromMasks(andMask, xorMask, 3, 4);
    EXPECT_EQ(img.Pixels[0], TCursorImage::Black);
    EXPECT_EQ(img.Pixels[1], TCursorImage::White);
    EXPECT_EQ(img.Pixels[2], TCursorImage::Transparent);
    EXPECT_EQ(img.Pixels[32], TCursorImage::Inverted);
    EXPECT_EQ(img.HotY, 4);
}

TEST_F(ControlsTest, ExceptionsEscapingHandlersAreReportedAndTheProgramGoesOn)
{
    auto* form = Application().CreateForm<TForm>();
    auto* button = new TBitBtn(form);
    button->SetParent(form);
    int clicks = 0;
    button->OnClick = [&](TObject*) {
        ++clicks;
        throw Exception("Logarithmic axis must not be negative.");
    };
    auto* timer = new TTimer(form);
    timer->SetInterval(100);
    timer->OnTimer = [&](TObject*) { throw std::runtime_error("tick failed"); };
    form->Show();
    host.PressButton(*button);
    host.PressButton(*button);
    host.AdvanceTime(100);
    EXPECT_EQ(clicks, 2);
    ASSERT_EQ(host.MessageBoxes().size(), 3u);
    EXPECT_EQ(host.MessageBoxes()[0].Text, "Logarithmic axis must not be negative.");
    EXPECT_EQ(host.MessageBoxes()[0].Kind, TMsgBoxKind::mbError);
    EXPECT_EQ(host.MessageBoxes()[2].Text, "tick failed");
    button->SetEnabled(false);
    host.PressButton(*button);
    EXPECT_EQ(clicks, 2) << "a disabled button does not click";
}

TEST_F(ControlsTest, ClosingTheMainFormEndsTheProgram)
{
    auto* main = Application().CreateForm<TForm>();
    auto* other = Application().CreateForm<TForm>();
    int activations = 0;
    main->OnActivate = [&](TObject*) { ++activations; };
    main->Show();
    main->HostActivate();
    main->HostActivate();
    EXPECT_EQ(activations, 1);
    other->Show();
    other->Close();
    EXPECT_FALSE(other->Visible());
    EXPECT_FALSE(host.Terminated());
    main->Close();
    EXPECT_TRUE(host.Terminated());
    EXPECT_TRUE(Application().Terminated());
}

TEST_F(ControlsTest, FormSizeIsTheOuterSize)
{
    auto* form = Application().CreateForm<TForm>();
    form->SetBounds(305, 260, 857, 406);
    EXPECT_EQ(form->ClientWidth(), 849);
    EXPECT_EQ(form->ClientHeight(), 379);
    form->Show();
    EXPECT_EQ(form->Surface()->Width(), 849);
    EXPECT_EQ(form->Surface()->Height(), 379);
}

TEST_F(ControlsTest, ChildrenTakeTheParentFontUntilTheyGetTheirOwn)
{
    auto* form = Application().CreateForm<TForm>();
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    form->Font()->SetHeight(-13);
    EXPECT_EQ(panel->Font()->Height(), -13);
    panel->Font()->SetHeight(-20);
    EXPECT_FALSE(panel->ParentFont());
    form->Font()->SetHeight(-11);
    EXPECT_EQ(panel->Font()->Height(), -20);
}

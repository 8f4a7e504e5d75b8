// The chart control's model: the item store as the chart drives it, data
// sharing between charts (including the destruction of group members), a new
// chart's defaults, setter rules, the standard layouts, when the chart
// repaints, and copying one chart into another.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/Exceptions.h"
#include "chart/Kurvex.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/core/Exceptions.h"
#include "platform/headless/HeadlessHost.h"

using namespace qvx;

namespace {

const char* const kMsgSelf = "Kurvex: Cannot share data with myself";
const char* const kMsgForeign = "Kurvex: Cannot use foreign data. Other Kurvexs are using my own data.";
const char* const kMsgMax = "Kurvex: Max. number of data shares exceeded";

std::vector<double> X1s(const TCustomKurvex& k)
{
    std::vector<double> v;
    for (int32_t i = 0; i < k.ItemCount(); ++i) v.push_back(k.Items()[i].X1);
    return v;
}

std::vector<TkxChartItem> ItemsOf(const TCustomKurvex& k)
{
    std::vector<TkxChartItem> v;
    for (int32_t i = 0; i < k.ItemCount(); ++i) v.push_back(k.Items()[i]);
    return v;
}

bool SameItems(const std::vector<TkxChartItem>& a, const std::vector<TkxChartItem>& b)
{
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(TkxChartItem)) == 0);
}

void AddLines(TCustomKurvex& k, int n, double first = 0)
{
    for (int i = 0; i < n; ++i) k.AddLine(first + i, 0, first + i, 1);
}

// Charts on a form that is shown: each has a window, so painting is live.
class LiveChartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = Application().CreateForm<TForm>();
        form->SetClientWidth(900);
        form->SetClientHeight(700);
    }
    void TearDown() override { Application().DestroyForms(); }
    TKurvex* NewChart()
    {
        auto* k = new TKurvex(form);
        k->SetParent(form);
        return k;
    }
    TKurvex* NewLiveChart()
    {
        TKurvex* k = NewChart();
        form->Show();
        return k;
    }

    THeadlessHost host;
    TForm* form = nullptr;
};

// ---------------------------------------------------------------------------
// Item store through the chart

TEST(KurvexStoreTest, CapacityGrowsLinearlyInAllocSizeStepsAndIsReleased)
{
    THeadlessHost host;
    TKurvex k(nullptr);
    k.SetAllocSize(3);
    struct Step {
        const char* what;
        std::function<void()> op;
        int32_t count, capacity;
    };
    const Step steps[] = {
        {"first AddLine allocates AllocSize", [&] { AddLines(k, 1); }, 1, 3},
        {"fill the first block", [&] { AddLines(k, 2); }, 3, 3},
        {"AllocSize+1-th item adds one step", [&] { AddLines(k, 1); }, 4, 6},
        {"removing one of several keeps Capacity", [&] { k.RemoveItem(1); }, 3, 6},
        {"index = ItemCount removes nothing", [&] { k.RemoveItem(3); }, 3, 6},
        {"negative index removes nothing", [&] { k.RemoveItem(-1); }, 3, 6},
        {"later steps use the current AllocSize", [&] { k.SetAllocSize(10); AddLines(k, 4); }, 7, 16},
        {"RemoveFirstItem never shrinks", [&] { for (int i = 0; i < 6; ++i) k.RemoveFirstItem(); }, 1, 16},
        {"removing the only item releases", [&] { k.RemoveFirstItem(); }, 0, 0},
        {"RemoveFirstItem on an empty chart", [&] { k.RemoveFirstItem(); }, 0, 0},
        {"allocation starts over", [&] { AddLines(k, 1); }, 1, 10},
        {"ClearItems releases", [&] { AddLines(k, 12); k.ClearItems(); }, 0, 0},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.op();
        EXPECT_EQ(k.ItemCount(), s.count);
        EXPECT_EQ(k.Capacity(), s.capacity);
        EXPECT_EQ(k.Items().ItemCount(), s.count);
    }
}

TEST(KurvexStoreTest, RemovalKeepsTheOrderOfTheRest)
{
    THeadlessHost host;
    TKurvex k(nullptr);
    AddLines(k, 6);  // X1 = 0..5
    k.RemoveItem(2);
    EXPECT_EQ(X1s(k), (std::vector<double>{0, 1, 3, 4, 5}));
    k.RemoveFirstItem();
    EXPECT_EQ(X1s(k), (std::vector<double>{1, 3, 4, 5}));
    k.RemoveItem(3);
    EXPECT_EQ(X1s(k), (std::vector<double>{1, 3, 4}));
    k.AddLine(9, 0, 9, 1);
    EXPECT_EQ(X1s(k), (std::vector<double>{1, 3, 4, 9}));
}

TEST(KurvexStoreTest, AddLineCapturesTheAttributesOfTheMomentItIsAdded)
{
    THeadlessHost host;
    TKurvex k(nullptr);
    k.SelectLayer(3);
    k.SetDataColor(clRed);
    k.SetFillColor(clYellow);
    k.SetPenStyle(TPenStyle::psDash);
    k.SetLineWidth(4);
    k.SetClassDefault(7);
    k.AddLine(1.5, -2, 3, 4.25);
    // Later changes reach later items only.
    k.SelectLayer(16);
    k.SetDataColor(clBlue);
    k.SetTextBkColor(clLime);  // the second name of FillColor
    k.SetPenStyle(TPenStyle::psDot);
    k.SetLineWidth(2);
    k.SetClassDefault(254);
    k.AddLine(5, 6, 7, 8);

    struct Expected {
        double x1, y1, x2, y2;
        TColor color, fill;
        TPenStyle pen;
        int32_t width;
        uint8_t cls;
        int32_t layer;
    };
    const Expected expected[] = {
        {1.5, -2, 3, 4.25, clRed, clYellow, TPenStyle::psDash, 4, 7, 3},
        {5, 6, 7, 8, clBlue, clLime, TPenStyle::psDot, 2, 254, 16},
    };
    ASSERT_EQ(k.ItemCount(), 2);
    for (int32_t i = 0; i < 2; ++i) {
        SCOPED_TRACE("item " + std::to_string(i));
        const TkxChartItem& it = k.Items()[i];
        const Expected& e = expected[i];
        EXPECT_EQ(it.Kind, ikLine);
        EXPECT_EQ(it.PosMode, 0);
        EXPECT_EQ(it.X1, e.x1);
        EXPECT_EQ(it.Y1, e.y1);
        EXPECT_EQ(it.X2, e.x2);
        EXPECT_EQ(it.Y2, e.y2);
        EXPECT_EQ(it.Color, e.color);
        EXPECT_EQ(it.FillColor, e.fill);
        EXPECT_EQ(it.PenStyle, e.pen);
        EXPECT_EQ(it.LineWidth, e.width);
        EXPECT_EQ(it.ItemClass, e.cls);
        EXPECT_EQ(it.Layer, e.layer);
        EXPECT_EQ(it.AuxInt1 | it.AuxInt2 | it.AuxInt3 | it.AuxInt4 | it.AuxByte, 0);
        EXPECT_EQ(it.AuxFlag | it.AuxStyle | it.AuxText[0], 0);
    }
    EXPECT_EQ(k.FillColor(), clLime);
    EXPECT_EQ(k.TextBkColor(), clLime);
}

TEST(KurvexStoreTest, ClearItemsRepaintsTheEmptyPlotIntoTheDataBitmap)
{
    THeadlessHost host;
    TKurvex k(nullptr);
    AddLines(k, 3);
    k.SetChartColor(clAqua);
    k.SetMarginLeft(30);  // PW = 280 - 30 - 20 = 230, PH = 200 - 20 - 40 = 140
    k.SetShadowWidth(5);  // both shrink by 5
    k.DataBitmap()->SetSize(3, 3);
    k.ClearItems();
    EXPECT_EQ(k.ItemCount(), 0);
    EXPECT_EQ(k.MouseTraceCount(), 0);
    EXPECT_EQ(k.DataBitmap()->Width(), 226);
    EXPECT_EQ(k.DataBitmap()->Height(), 136);
    for (auto [x, y] : {std::pair{0, 0}, std::pair{225, 135}, std::pair{100, 60}})
        EXPECT_EQ(k.DataBitmap()->Canvas()->Pixels(x, y), clAqua) << x << "," << y;
    EXPECT_EQ(k.PaintCount(), 0) << "clearing does not paint the control";
}

// ---------------------------------------------------------------------------
// Data sharing

class KurvexSharingTest : public ::testing::Test {
protected:
    TKurvex* Make()
    {
        charts.push_back(std::make_unique<TKurvex>(nullptr));
        return charts.back().get();
    }
    void Destroy(TKurvex* k)
    {
        for (auto& c : charts)
            if (c.get() == k) c.reset();
    }
    std::vector<std::string> Messages() const
    {
        std::vector<std::string> m;
        for (const auto& r : host.MessageBoxes()) m.push_back(r.Text);
        return m;
    }
    static std::vector<TCustomKurvex*> SharersOf(const TCustomKurvex& k)
    {
        std::vector<TCustomKurvex*> s;
        for (int32_t i = 0; i < k.SharerCount(); ++i) s.push_back(k.Sharers(i));
        return s;
    }

    THeadlessHost host;
    std::vector<std::unique_ptr<TKurvex>> charts;
};

TEST_F(KurvexSharingTest, JoiningASharerJoinsItsOwnerAndShowsTheOwnersItems)
{
    TKurvex* a = Make();
    TKurvex* b = Make();
    TKurvex* c = Make();
    AddLines(*a, 2);
    AddLines(*c, 5);  // C's own items are replaced by the group's
    b->SetUseDataOf(a);
    c->SetUseDataOf(b);
    EXPECT_EQ(b->UseDataOf(), a);
    EXPECT_EQ(c->UseDataOf(), a) << "the group's owner, never a sharer";
    EXPECT_EQ(SharersOf(*a), (std::vector<TCustomKurvex*>{b, c}));
    EXPECT_EQ(b->SharerCount(), 0);
    EXPECT_EQ(a->Sharers(2), nullptr);
    EXPECT_EQ(c->ItemCount(), 2);
    EXPECT_EQ(&c->Items(), &a->Items()) << "one list, not a copy";
    EXPECT_TRUE(Messages().empty());
}

TEST_F(KurvexSharingTest, EveryChangeOnAnyMemberReachesTheWholeGroup)
{
    TKurvex* a = Make();
    TKurvex* b = Make();
    TKurvex* c = Make();
    b->SetUseDataOf(a);
    c->SetUseDataOf(a);
    c->SetDataColor(clGreen);
    c->SelectLayer(5);
    struct Step {
        const char* what;
        std::function<void()> op;
        std::vector<double> x1s;
    };
    const Step steps[] = {
        {"AddLine on a sharer", [&] { c->AddLine(1, 0, 1, 1); }, {1}},
        {"AddLine on the owner", [&] { a->AddLine(2, 0, 2, 1); }, {1, 2}},
        {"AddLine on the other sharer", [&] { AddLines(*b, 2, 3); }, {1, 2, 3, 4}},
        {"RemoveItem on a sharer", [&] { b->RemoveItem(1); }, {1, 3, 4}},
        {"RemoveFirstItem on the owner", [&] { a->RemoveFirstItem(); }, {3, 4}},
        {"ClearItems on a sharer empties all", [&] { c->ClearItems(); }, {}},
        {"AddLine after the clear", [&] { b->AddLine(7, 0, 7, 1); }, {7}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.op();
        for (TKurvex* k : {a, b, c}) {
            EXPECT_EQ(X1s(*k), s.x1s);
            EXPECT_EQ(k->ItemCount(), int32_t(s.x1s.size()));
            EXPECT_EQ(k->Capacity(), a->Capacity());
        }
    }
    c->AddLine(8, 0, 8, 1);
    EXPECT_EQ(a->Items()[0].Color, clBlack) << "added by B";
    EXPECT_EQ(a->Items()[1].Color, clGreen) << "added by C, with C's attributes";
    EXPECT_EQ(b->Items()[1].Layer, 5);
}

TEST_F(KurvexSharingTest, RefusalsShowTheirMessageAndChangeNothing)
{
    struct Case {
        const char* what;
        std::function<void(std::vector<TKurvex*>&)> act;  // k[0] owns a group with k[1..3]
        const char* message;
        int32_t sharersAfter;
    };
    const Case cases[] = {
        {"itself", [](std::vector<TKurvex*>& k) { k[4]->SetUseDataOf(k[4]); }, kMsgSelf, 3},
        {"a sharer itself", [](std::vector<TKurvex*>& k) { k[1]->SetUseDataOf(k[1]); }, kMsgSelf, 3},
        {"owner with sharers uses foreign data", [](std::vector<TKurvex*>& k) { k[0]->SetUseDataOf(k[4]); },
         kMsgForeign, 3},
        {"owner with sharers leaves with nil", [](std::vector<TKurvex*>& k) { k[0]->SetUseDataOf(nullptr); },
         kMsgForeign, 3},
        {"fifth sharer, joining the owner",
         [](std::vector<TKurvex*>& k) {
             k[4]->SetUseDataOf(k[0]);
             k[5]->SetUseDataOf(k[0]);
         },
         kMsgMax, 4},
        {"fifth sharer, joining through a sharer",
         [](std::vector<TKurvex*>& k) {
             k[4]->SetUseDataOf(k[0]);
             k[5]->SetUseDataOf(k[2]);
         },
         kMsgMax, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        charts.clear();
        host.ClearRecords();
        std::vector<TKurvex*> k;
        for (int i = 0; i < 6; ++i) k.push_back(Make());
        AddLines(*k[0], 2);
        AddLines(*k[5], 4);
        for (int i = 1; i <= 3; ++i) k[size_t(i)]->SetUseDataOf(k[0]);
        c.act(k);
        ASSERT_EQ(host.MessageBoxes().size(), 1u);
        EXPECT_EQ(host.MessageBoxes()[0].Text, c.message);
        EXPECT_EQ(host.MessageBoxes()[0].Caption, Application().Title());
        EXPECT_EQ(host.MessageBoxes()[0].Kind, TMsgBoxKind::mbInformation);
        EXPECT_EQ(k[0]->UseDataOf(), nullptr);
        EXPECT_EQ(k[5]->UseDataOf(), nullptr);
        EXPECT_EQ(k[5]->ItemCount(), 4);
        EXPECT_EQ(k[0]->SharerCount(), c.sharersAfter);
        EXPECT_EQ(k[0]->Sharers(3), c.sharersAfter == 4 ? k[4] : nullptr);
        for (int i = 1; i <= 3; ++i) EXPECT_EQ(k[size_t(i)]->UseDataOf(), k[0]);
        for (TKurvex* m : {k[1], k[2], k[3]}) EXPECT_EQ(m->ItemCount(), 2);
    }
}

TEST_F(KurvexSharingTest, LeavingKeepsTheShownItemsAsAListOfItsOwn)
{
    TKurvex* a = Make();
    TKurvex* b = Make();
    TKurvex* c = Make();
    TKurvex* d = Make();
    for (TKurvex* k : {b, c, d}) k->SetUseDataOf(a);
    AddLines(*a, 3);
    c->SetUseDataOf(nullptr);
    EXPECT_EQ(c->UseDataOf(), nullptr);
    EXPECT_EQ(SharersOf(*a), (std::vector<TCustomKurvex*>{b, d})) << "later entries move down";
    EXPECT_EQ(a->Sharers(2), nullptr);
    EXPECT_EQ(X1s(*c), (std::vector<double>{0, 1, 2}));
    a->AddLine(10, 0, 10, 1);
    c->RemoveFirstItem();
    EXPECT_EQ(X1s(*c), (std::vector<double>{1, 2}));
    EXPECT_EQ(X1s(*a), (std::vector<double>{0, 1, 2, 10}));
    EXPECT_EQ(X1s(*d), X1s(*a));

    c->SetUseDataOf(nullptr);  // not linked: nothing happens
    c->SetUseDataOf(nullptr);
    d->SetUseDataOf(a);  // already its owner: nothing happens
    EXPECT_EQ(SharersOf(*a), (std::vector<TCustomKurvex*>{b, d}));

    // Moving to another group leaves the first one.
    c->AddLine(20, 0, 20, 1);
    b->SetUseDataOf(c);
    EXPECT_EQ(b->UseDataOf(), c);
    EXPECT_EQ(SharersOf(*a), (std::vector<TCustomKurvex*>{d}));
    EXPECT_EQ(X1s(*b), (std::vector<double>{1, 2, 20}));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(KurvexSharingTest, DestroyedSharerLeavesItsOwnersList)
{
    TKurvex* a = Make();
    TKurvex* b = Make();
    TKurvex* c = Make();
    TKurvex* d = Make();
    for (TKurvex* k : {b, c, d}) k->SetUseDataOf(a);
    AddLines(*b, 2);
    Destroy(c);
    EXPECT_EQ(SharersOf(*a), (std::vector<TCustomKurvex*>{b, d}));
    EXPECT_EQ(a->Sharers(2), nullptr);
    // Every group operation still works and only touches live members.
    a->AddLine(5, 0, 5, 1);
    d->RemoveFirstItem();
    b->ClearItems();
    AddLines(*d, 1, 9);
    for (TKurvex* k : {a, b, d}) EXPECT_EQ(X1s(*k), (std::vector<double>{9}));
    TKurvex* e = Make();
    TKurvex* f = Make();
    e->SetUseDataOf(a);
    f->SetUseDataOf(b);  // the freed places can be taken again
    EXPECT_EQ(SharersOf(*a), (std::vector<TCustomKurvex*>{b, d, e, f}));
    d->SetUseDataOf(nullptr);
    Destroy(b);
    EXPECT_EQ(SharersOf(*a), (std::vector<TCustomKurvex*>{e, f}));
    EXPECT_EQ(f->ItemCount(), 1);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(KurvexSharingTest, SharersOfADestroyedOwnerKeepTheirItemsEachAsItsOwnList)
{
    TKurvex* a = Make();
    TKurvex* b = Make();
    TKurvex* c = Make();
    b->SetUseDataOf(a);
    c->SetUseDataOf(a);
    a->SetDataColor(clPurple);
    AddLines(*a, 3);
    const std::vector<TkxChartItem> before = ItemsOf(*a);
    Destroy(a);
    for (TKurvex* k : {b, c}) {
        EXPECT_EQ(k->UseDataOf(), nullptr);
        EXPECT_EQ(k->SharerCount(), 0);
        EXPECT_TRUE(SameItems(ItemsOf(*k), before));
    }
    EXPECT_NE(&b->Items(), &c->Items()) << "no longer a group";
    b->AddLine(7, 0, 7, 1);
    c->RemoveFirstItem();
    EXPECT_EQ(X1s(*b), (std::vector<double>{0, 1, 2, 7}));
    EXPECT_EQ(X1s(*c), (std::vector<double>{1, 2}));
    c->ClearItems();
    EXPECT_EQ(b->ItemCount(), 4);
    b->SetUseDataOf(nullptr);
    c->SetUseDataOf(b);  // a new group forms normally
    EXPECT_EQ(c->ItemCount(), 4);
    EXPECT_EQ(SharersOf(*b), (std::vector<TCustomKurvex*>{c}));
    Destroy(b);
    c->AddLine(1, 1, 1, 1);
    EXPECT_EQ(c->ItemCount(), 5);
    EXPECT_TRUE(Messages().empty());
}

// Members of a group on one form, destroyed in the form's own order (last
// created first) and out of order before it.
TEST_F(LiveChartTest, GroupMembersOnAFormDieInAnyOrder)
{
    TKurvex* owner = NewChart();
    TKurvex* s1 = NewChart();
    TKurvex* s2 = NewChart();
    TKurvex* s3 = NewChart();
    form->Show();
    for (TKurvex* s : {s1, s2, s3}) s->SetUseDataOf(owner);
    AddLines(*s2, 4);
    delete owner;
    s1->SetUseDataOf(s3);
    s2->Paint();
    s3->AddLine(1, 2, 3, 4);
    EXPECT_EQ(s1->ItemCount(), 5);
    EXPECT_EQ(s2->ItemCount(), 4);
    delete s3;
    s1->ClearItems();
    s1->Paint();
    EXPECT_EQ(s1->UseDataOf(), nullptr);
}

// ---------------------------------------------------------------------------
// A new chart

TEST(KurvexDefaultsTest, NewChartHasTheDocumentedState)
{
    THeadlessHost host;
    TKurvex k(nullptr);
    EXPECT_EQ(k.Width(), 280);
    EXPECT_EQ(k.Height(), 200);
    // The standard layout has run: its margins and caption position.
    EXPECT_EQ(k.MarginLeft(), 50);
    EXPECT_EQ(k.MarginRight(), 20);
    EXPECT_EQ(k.MarginTop(), 20);
    EXPECT_EQ(k.MarginBottom(), 40);
    EXPECT_EQ(k.LRim(), 50);
    EXPECT_EQ(k.RRim(), 20);
    EXPECT_EQ(k.TRim(), 20);
    EXPECT_EQ(k.BRim(), 40);
    EXPECT_EQ(k.StandardLayout(), TkxLayout::kxl_X1Bottom_Y1Left);
    EXPECT_EQ(k.CaptionPosX(), 0);
    EXPECT_EQ(k.CaptionPosY(), -16);
    EXPECT_EQ(k.CaptionAlignment(), TAlignment::taRightJustify);
    EXPECT_EQ(k.CaptionAnchorHoriz(), TCaptionAnchorHoriz::cahChartRight);
    EXPECT_EQ(k.CaptionAnchorVert(), TCaptionAnchorVert::cavChartTop);
    EXPECT_EQ(k.CaptionTrim(), 100);
    EXPECT_EQ(k.Caption(), "");

    EXPECT_TRUE(k.AutoRedraw());
    EXPECT_TRUE(k.PaintSuspended()) << "no window yet";
    EXPECT_EQ(k.PaintCount(), 0);
    EXPECT_EQ(k.CurrentLayer(), 1);
    for (int32_t l = 0; l <= 17; ++l) EXPECT_EQ(k.MouseAffectsLayer(l), l == 1) << "layer " << l;

    EXPECT_EQ(k.ItemCount(), 0);
    EXPECT_EQ(k.Capacity(), 0);
    EXPECT_EQ(k.Annotations().ItemCount(), 0);
    EXPECT_EQ(k.Annotations().Capacity(), 0);
    for (int i = 0; i < 50; ++i) {
        EXPECT_TRUE(k.LongTexts()[size_t(i)].empty());
        EXPECT_TRUE(k.AnnotLongTexts()[size_t(i)].empty());
    }
    EXPECT_EQ(k.UseDataOf(), nullptr);
    EXPECT_EQ(k.SharerCount(), 0);
    EXPECT_EQ(k.DataColor(), clBlack);
    EXPECT_EQ(k.FillColor(), 0xC0C0C0);
    EXPECT_EQ(k.PenStyle(), TPenStyle::psSolid);
    EXPECT_EQ(k.LineWidth(), 1);
    EXPECT_EQ(k.ClassDefault(), 0);
    EXPECT_EQ(k.AllocSize(), 1000);

    EXPECT_FALSE(k.AvoidDuplicateMarks());
    EXPECT_EQ(k.MinDupMarkDist(), 1);
    EXPECT_EQ(k.ShadowWidth(), 0);
    EXPECT_EQ(k.ShadowStyle(), TShadowStyle::ssFlying);
    EXPECT_EQ(k.ShadowColor(), clGrayText);
    EXPECT_EQ(k.ShadowBakColor(), clBtnFace);
    EXPECT_EQ(k.ChartFrameColor(), clBlack);
    EXPECT_EQ(k.ChartColor(), clWhite);
    EXPECT_EQ(k.WindColor(), clBtnFace);
    EXPECT_EQ(k.GridStyle(), GridStyleType::gsNone);
    EXPECT_EQ(k.GridColor(), clBlack);
    EXPECT_EQ(k.GridDx(), 0);
    EXPECT_EQ(k.GridDy(), 0);
    EXPECT_FALSE(k.Isometric());
    EXPECT_EQ(k.AspectX(), 1);
    EXPECT_EQ(k.AspectY(), 1);
    EXPECT_EQ(k.MouseAction(), TMouseActMode::maNone);
    EXPECT_TRUE(k.MouseCursorFixed());
    EXPECT_EQ(k.MouseTraceColor(), 0xFFFFFF);
    EXPECT_TRUE(k.MouseTraceInvert());
    EXPECT_EQ(k.MouseTraceCount(), 0);
    EXPECT_EQ(k.PanGridDx(), 1);
    EXPECT_EQ(k.PanGridDy(), 1);
    EXPECT_EQ(k.PanGridOffsX(), 0);
    EXPECT_EQ(k.PanGridOffsY(), 0);
    EXPECT_EQ(k.TextBkStyle(), TTextBkg::tbClear);
    EXPECT_EQ(k.TextAlignment(), TAlignment::taCenter);
    EXPECT_EQ(k.TextFont()->Name(), k.Font()->Name());
    EXPECT_EQ(k.TextFont()->Height(), k.Font()->Height());
    EXPECT_EQ(k.BackGroundImg()->Name(), "");
    EXPECT_EQ(k.DialogCode(), 3u) << "arrow keys and Tab";

    for (int32_t l = 1; l <= 16; ++l) {
        EXPECT_EQ(k.JointLayers()->XControlledBy(l), l);
        EXPECT_EQ(k.JointLayers()->YControlledBy(l), l);
    }
    EXPECT_EQ(k.JointLayers()->Chart(), &k);

    // Bitmaps: the plot area plus one in each direction, the control's size.
    EXPECT_EQ(k.DataBitmap()->Width(), 211);
    EXPECT_EQ(k.DataBitmap()->Height(), 141);
    EXPECT_EQ(k.DataBitmap()->PixelFormat(), TPixelFormat::pf32bit);
    EXPECT_EQ(k.FrameBitmap()->Width(), 280);
    EXPECT_EQ(k.FrameBitmap()->Height(), 200);
    EXPECT_EQ(k.BackgroundBitmap()->Width(), 10);
    EXPECT_EQ(k.BackgroundBitmap()->Height(), 10);

    EXPECT_FALSE(k.OnMouseMoveInChart || k.OnZoomPan || k.OnRubberBand || k.OnSelectRect ||
                 k.OnBeforeCrossHairMove || k.OnCrossHairMove || k.OnTextLabelMove || k.OnScaleTickDrawn ||
                 k.OnBeforeTickLabel || k.OnBeforeRenderData || k.OnDataRendered || k.OnScalesRendered ||
                 k.OnBeforeRenderChartItem || k.OnBeforeRenderText);
}

TEST(KurvexDefaultsTest, CrosshairsAndTextLabelsStartOff)
{
    THeadlessHost host;
    TKurvex k(nullptr);
    for (int32_t i = 1; i <= 4; ++i) {
        SCOPED_TRACE("crosshair " + std::to_string(i));
        const TCrossHair& c = *k.CrossHair(i);
        EXPECT_EQ(c.Layer(), i);
        EXPECT_EQ(c.PosX(), 0);
        EXPECT_EQ(c.PosY(), 0);
        EXPECT_EQ(c.Color(), clRed);
        EXPECT_EQ(c.Mode(), TCrossHMode::chOff);
        EXPECT_EQ(c.LineType(), TPenStyle::psDashDotDot);
        EXPECT_EQ(c.LineWid(), 1);
    }
    for (int32_t i : {1, 25, 50}) {
        SCOPED_TRACE("text label " + std::to_string(i));
        const TTextLabel& t = *k.TextLabel(i);
        EXPECT_EQ(t.Layer(), 1);
        EXPECT_EQ(t.AttachToData(), TTxtLblAttachMode::tlamBoth);
        EXPECT_EQ(t.Alignment(), TAlignment::taCenter);
        EXPECT_EQ(t.VerticalAlignment(), TVerticalAlignment::vaBottom);
        EXPECT_EQ(t.ColorBkg(), clWhite);
        EXPECT_EQ(t.ColorBorder(), clBlack);
        EXPECT_EQ(t.ShadowDx(), 3);
        EXPECT_EQ(t.ShadowDy(), 3);
        EXPECT_EQ(t.ColorShadow(), clGray);
        EXPECT_FALSE(t.Transparent());
        EXPECT_EQ(t.Caption(), "");
        EXPECT_FALSE(t.Visible());
        EXPECT_EQ(t.Mode(), TTxtLblMode::tlOff);
        EXPECT_EQ(t.Font()->Name(), k.Font()->Name());
    }
}

// Layer colours, sides and distances of the default arrangement; layers 1..4
// are then rearranged by the standard layout, 5..16 keep it (hidden).
TEST(KurvexDefaultsTest, DefaultArrangementOfTheLayers)
{
    THeadlessHost host;
    TKurvex k(nullptr);
    const TColor colors[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
                               0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    for (int32_t l = 1; l <= 16; ++l) {
        SCOPED_TRACE("layer " + std::to_string(l));
        const TScalePropsHoriz& x = *k.LayerScaleX(l);
        const TScalePropsVert& y = *k.LayerScaleY(l);
        EXPECT_EQ(x.ColorScale(), colors[l - 1]);
        EXPECT_EQ(y.ColorScale(), colors[l - 1]);
        EXPECT_EQ(k.ScalePainterX(l)->ColorScale(), colors[l - 1]);
        EXPECT_EQ(k.ScalePainterY(l)->ColorScale(), colors[l - 1]);
        EXPECT_EQ(x.Visible(), l == 1);
        EXPECT_EQ(y.Visible(), l == 1);
        EXPECT_TRUE(x.Loading()) << "a chart made in code is never loaded";
        EXPECT_EQ(x.RangeLow(), 0);
        EXPECT_EQ(x.RangeHigh(), 1);
        EXPECT_EQ(x.ScaleLocation(), TScaleLocationHoriz::slBottom);
        EXPECT_EQ(y.ScaleLocation(), TScaleLocationVert::slLeft);
        if (l <= 4) {
            EXPECT_EQ(x.ScaleType(), TScaleType::sctXT);
            EXPECT_EQ(y.ScaleType(), TScaleType::sctYR);
            EXPECT_EQ(x.ScalePos(), 0);
            EXPECT_EQ(y.ScalePos(), 0);
        } else {
            EXPECT_EQ(x.ScaleType(), l % 2 ? TScaleType::sctXT : TScaleType::sctXB);
            EXPECT_EQ(y.ScaleType(), l % 2 ? TScaleType::sctYR : TScaleType::sctYL);
            EXPECT_EQ(x.ScalePos(), (l - 1) / 2 * 30);
            EXPECT_EQ(y.ScalePos(), (l - 1) / 2 * 50);
        }
    }
}

TEST(KurvexDefaultsTest, SetterClampsAndRefusals)
{
    THeadlessHost host;
    TKurvex k(nullptr);
    struct Case {
        const char* what;
        std::function<void()> set;
        std::function<double()> get;
        double expected;
    };
    const Case cases[] = {
        {"CaptionTrim 3", [&] { k.SetCaptionTrim(3); }, [&] { return k.CaptionTrim(); }, 5},
        {"CaptionTrim 0", [&] { k.SetCaptionTrim(0); }, [&] { return k.CaptionTrim(); }, 0},
        {"CaptionTrim 250", [&] { k.SetCaptionTrim(250); }, [&] { return k.CaptionTrim(); }, 100},
        {"CaptionTrim -1", [&] { k.SetCaptionTrim(-1); }, [&] { return k.CaptionTrim(); }, 5},
        {"CaptionTrim 42", [&] { k.SetCaptionTrim(42); }, [&] { return k.CaptionTrim(); }, 42},
        {"MinDupMarkDist 0", [&] { k.SetMinDupMarkDist(0); }, [&] { return k.MinDupMarkDist(); }, 1},
        {"MinDupMarkDist 2", [&] { k.SetMinDupMarkDist(2); }, [&] { return k.MinDupMarkDist(); }, 2},
        {"MinDupMarkDist 9", [&] { k.SetMinDupMarkDist(9); }, [&] { return k.MinDupMarkDist(); }, 3},
        {"ShadowWidth 40", [&] { k.SetShadowWidth(40); }, [&] { return k.ShadowWidth(); }, 32},
        {"ShadowWidth -1", [&] { k.SetShadowWidth(-1); }, [&] { return k.ShadowWidth(); }, 0},
        {"GridDx -3 stored", [&] { k.SetGridDx(-3); }, [&] { return k.GridDx(); }, -3},
        {"GridDx -4 ignored", [&] { k.SetGridDx(-4); }, [&] { return k.GridDx(); }, -3},
        {"GridDy 2.5", [&] { k.SetGridDy(2.5); }, [&] { return k.GridDy(); }, 2.5},
        {"GridDy -3.5 ignored", [&] { k.SetGridDy(-3.5); }, [&] { return k.GridDy(); }, 2.5},
        {"ClassDefault 254", [&] { k.SetClassDefault(254); }, [&] { return k.ClassDefault(); }, 254},
        {"ClassDefault 255 refused", [&] { k.SetClassDefault(255); }, [&] { return k.ClassDefault(); }, 254},
        {"AllocSize 1", [&] { k.SetAllocSize(1); }, [&] { return k.AllocSize(); }, 1},
        {"AllocSize 0 ignored", [&] { k.SetAllocSize(0); }, [&] { return k.AllocSize(); }, 1},
        {"AllocSize 1000000", [&] { k.SetAllocSize(1000000); }, [&] { return k.AllocSize(); }, 1000000},
        {"AllocSize 1000001 ignored", [&] { k.SetAllocSize(1000001); }, [&] { return k.AllocSize(); }, 1000000},
        {"AllocSize -5 ignored", [&] { k.SetAllocSize(-5); }, [&] { return k.AllocSize(); }, 1000000},
        {"SelectLayer 16", [&] { k.SelectLayer(16); }, [&] { return k.CurrentLayer(); }, 16},
        {"SelectLayer 0 ignored", [&] { k.SelectLayer(0); }, [&] { return k.CurrentLayer(); }, 16},
        {"SelectLayer 17 ignored", [&] { k.SelectLayer(17); }, [&] { return k.CurrentLayer(); }, 16},
        {"MarginLeft -7 accepted", [&] { k.SetMarginLeft(-7); }, [&] { return k.MarginLeft(); }, -7},
        {"LRim is MarginLeft", [&] { k.SetLRim(33); }, [&] { return k.MarginLeft(); }, 33},
        {"BRim is MarginBottom", [&] { k.SetBRim(44); }, [&] { return k.MarginBottom(); }, 44},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.set();
        EXPECT_EQ(c.get(), c.expected);
    }
    k.SetMouseAffectsLayer(7, true);
    k.SetMouseAffectsLayer(1, false);
    k.SetMouseAffectsLayer(0, true);
    k.SetMouseAffectsLayer(17, true);
    for (int32_t l = 1; l <= 16; ++l) EXPECT_EQ(k.MouseAffectsLayer(l), l == 7) << "layer " << l;
    EXPECT_EQ(k.LayerScaleX(0), k.LayerScaleX(1));
    EXPECT_EQ(k.LayerScaleX(17), k.LayerScaleX(1));
    EXPECT_EQ(k.LayerScaleY(-3), k.LayerScaleY(1));
    EXPECT_NE(k.LayerScaleY(16), k.LayerScaleY(1));
    EXPECT_EQ(k.Scale3X(), k.LayerScaleX(3));
    EXPECT_EQ(k.Scale4Y(), k.LayerScaleY(4));
}

TEST(KurvexDefaultsTest, AssigningAnAxisCopiesIntoTheLayersOwnObject)
{
    THeadlessHost host;
    TKurvex k(nullptr);
    TScalePropsHoriz given;
    given.SetCaption("ext");
    given.SetColorScale(clLime);
    given.SetScaleLocation(TScaleLocationHoriz::slTop);
    TScalePropsHoriz* own = k.Scale3X();
    k.SetScale3X(&given);
    EXPECT_EQ(k.Scale3X(), own) << "the layer keeps its own object";
    EXPECT_EQ(own->Caption(), "ext");
    EXPECT_EQ(own->ColorScale(), clLime);
    EXPECT_EQ(own->ScaleType(), TScaleType::sctXB);
    EXPECT_EQ(own->ScaleLocation(), TScaleLocationHoriz::slBottom) << "not part of the copy";
    given.SetCaption("later");
    EXPECT_EQ(own->Caption(), "ext");
}

// Loading from a stored form: no transform and no painting until Loaded,
// which ends the axes' Loading state, computes the transform and paints once.
TEST_F(LiveChartTest, LoadingDefersTransformAndPaintingToLoaded)
{
    TKurvex* k = NewLiveChart();
    k->BeginLoading();
    const int before = k->PaintCount();
    const long double kx = k->Kx(1);
    k->SetMarginLeft(100);
    k->SetLayerRange(1, 0, 0, 10, 10);
    k->SetChartColor(clRed);
    k->Paint();
    EXPECT_EQ(k->Kx(1), kx) << "no transform while loading";
    EXPECT_EQ(k->PaintCount(), before);
    k->EndLoading();
    EXPECT_EQ(k->PaintCount(), before + 1);
    EXPECT_EQ(k->Kx(1), (280 - 100 - 20) / 10.0L);
    for (int32_t l = 1; l <= 16; ++l) {
        EXPECT_FALSE(k->LayerScaleX(l)->Loading()) << "X" << l;
        EXPECT_FALSE(k->LayerScaleY(l)->Loading()) << "Y" << l;
    }
    // From now on a logarithmic axis needs positive bounds.
    k->SetLayerRange(2, 0, 1, 100, 100);
    k->LayerScaleX(2)->SetLogarithmic(true);
    k->LayerScaleY(2)->SetLogarithmic(true);
    EXPECT_FALSE(k->LayerScaleX(2)->Logarithmic());
    EXPECT_TRUE(k->LayerScaleY(2)->Logarithmic());
}

TEST(KurvexLifecycleTest, NonPositiveLogBoundsFailWhenTheTransformIsComputed)
{
    THeadlessHost host;
    {
        SCOPED_TRACE("stored with the form: the error comes from Loaded");
        TKurvex k(nullptr);
        k.BeginLoading();
        k.LayerScaleY(5)->SetLogarithmic(true);  // on [0, 1]: taken while loading
        EXPECT_TRUE(k.LayerScaleY(5)->Logarithmic());
        EXPECT_THROW(k.EndLoading(), EQVXKurvexError);
        EXPECT_FALSE(k.LayerScaleY(5)->Loading());
    }
    {
        SCOPED_TRACE("chart made in code: the setter takes it and the error comes at once");
        TKurvex k(nullptr);
        EXPECT_THROW(k.LayerScaleX(2)->SetLogarithmic(true), EQVXKurvexError);
        EXPECT_TRUE(k.LayerScaleX(2)->Logarithmic());
    }
}

TEST(KurvexDefaultsTest, ResizeKeepsAPlotAreaOfAtLeast80By20)
{
    THeadlessHost host;
    TKurvex k(nullptr);
    struct Case {
        int32_t shadow, width, height, expectedWidth, expectedHeight;
    };
    const Case cases[] = {
        {0, 50, 30, 150, 80},     // 50 + 20 + 80, 20 + 40 + 20
        {0, 151, 81, 151, 81},
        {6, 10, 10, 156, 86},
        {0, 400, 300, 400, 300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height) + ", shadow " +
                     std::to_string(c.shadow));
        k.SetShadowWidth(c.shadow);
        k.SetBounds(5, 6, c.width, c.height);
        EXPECT_EQ(k.Left(), 5);
        EXPECT_EQ(k.Top(), 6);
        EXPECT_EQ(k.Width(), c.expectedWidth);
        EXPECT_EQ(k.Height(), c.expectedHeight);
    }
    k.SetShadowWidth(0);
    k.SetWidth(10);  // the platform setters go the same way
    EXPECT_EQ(k.Width(), 150);
}

// ---------------------------------------------------------------------------
// Standard layouts

struct LayoutAxis {
    bool visible;
    int32_t captionPosX, captionPosY;
    TAlignment alignment;
    TScaleUnitAnchor anchor;
    int32_t scalePos;
    bool otherSide;  // X: slTop (sctXB), Y: slRight (sctYL)
};

constexpr LayoutAxis HX{false, 10, 100, TAlignment::taCenter, TScaleUnitAnchor::uaSclCenter, 0, false};
constexpr LayoutAxis HY{false, 10, 100, TAlignment::taRightJustify, TScaleUnitAnchor::uaSclTopLft, 0, false};
constexpr LayoutAxis X1B{true, 0, 22, TAlignment::taCenter, TScaleUnitAnchor::uaSclCenter, 0, false};
constexpr LayoutAxis YL(int32_t pos)
{
    return {true, 0, -23, TAlignment::taRightJustify, TScaleUnitAnchor::uaSclTopLft, pos, false};
}

TEST(KurvexLayoutTest, EachStandardLayoutArrangesMarginsCaptionAndAxes)
{
    THeadlessHost host;
    struct Layout {
        const char* name;
        TkxLayout layout;
        int32_t mb, mt, ml, mr, captionPosY;
        TAlignment alignment;
        TCaptionAnchorHoriz anchor;
        LayoutAxis x[4], y[4];
    };
    const Layout layouts[] = {
        {"X1Bottom_Y1Left", TkxLayout::kxl_X1Bottom_Y1Left, 40, 20, 50, 20, -16, TAlignment::taRightJustify,
         TCaptionAnchorHoriz::cahChartRight, {X1B, HX, HX, HX},
         {{true, 0, -16, TAlignment::taLeftJustify, TScaleUnitAnchor::uaSclTopLft, 0, false}, HY, HY, HY}},
        {"X1Bottom_Y2Left", TkxLayout::kxl_X1Bottom_Y2Left, 40, 24, 100, 20, -16, TAlignment::taRightJustify,
         TCaptionAnchorHoriz::cahChartRight, {X1B, HX, HX, HX}, {YL(0), YL(50), HY, HY}},
        {"X1Bottom_Y3Left", TkxLayout::kxl_X1Bottom_Y3Left, 40, 24, 150, 20, -16, TAlignment::taRightJustify,
         TCaptionAnchorHoriz::cahChartRight, {X1B, HX, HX, HX}, {YL(0), YL(50), YL(100), HY}},
        {"X1Bottom_Y4Left", TkxLayout::kxl_X1Bottom_Y4Left, 40, 24, 200, 20, -16, TAlignment::taRightJustify,
         TCaptionAnchorHoriz::cahChartRight, {X1B, HX, HX, HX}, {YL(0), YL(50), YL(100), YL(150)}},
        {"X1Bottom_Y2Both", TkxLayout::kxl_X1Bottom_Y2Both, 40, 24, 50, 50, -20, TAlignment::taCenter,
         TCaptionAnchorHoriz::cahChartCenter, {X1B, HX, HX, HX},
         {YL(0), {true, 0, -23, TAlignment::taLeftJustify, TScaleUnitAnchor::uaSclTopLft, 0, true}, HY, HY}},
        {"X2Bottom_Y2Left", TkxLayout::kxl_X2Bottom_Y2Left, 70, 24, 100, 20, -16, TAlignment::taRightJustify,
         TCaptionAnchorHoriz::cahChartRight,
         {{true, -20, 7, TAlignment::taRightJustify, TScaleUnitAnchor::uaSclTopLft, 0, false},
          {true, -20, 7, TAlignment::taRightJustify, TScaleUnitAnchor::uaSclTopLft, 30, false}, HX, HX},
         {YL(0), YL(50), HY, HY}},
        {"X2Both_Y2Both", TkxLayout::kxl_X2Both_Y2Both, 40, 64, 50, 50, -60, TAlignment::taCenter,
         TCaptionAnchorHoriz::cahChartCenter,
         {{true, 0, 20, TAlignment::taCenter, TScaleUnitAnchor::uaSclCenter, 0, false},
          {true, 0, -40, TAlignment::taCenter, TScaleUnitAnchor::uaSclCenter, 0, true}, HX, HX},
         {{true, 0, -40, TAlignment::taRightJustify, TScaleUnitAnchor::uaSclTopLft, 0, false},
          {true, 0, -40, TAlignment::taLeftJustify, TScaleUnitAnchor::uaSclTopLft, 0, true},
          {false, 0, -23, TAlignment::taRightJustify, TScaleUnitAnchor::uaSclTopLft, 0, false},
          {false, 0, -23, TAlignment::taRightJustify, TScaleUnitAnchor::uaSclTopLft, 0, false}}},
    };
    auto check = [](TCustomKurvex& k, const Layout& l) {
        EXPECT_EQ(k.StandardLayout(), l.layout);
        EXPECT_EQ(k.MarginBottom(), l.mb);
        EXPECT_EQ(k.MarginTop(), l.mt);
        EXPECT_EQ(k.MarginLeft(), l.ml);
        EXPECT_EQ(k.MarginRight(), l.mr);
        EXPECT_EQ(k.CaptionPosX(), 0);
        EXPECT_EQ(k.CaptionPosY(), l.captionPosY);
        EXPECT_EQ(k.CaptionAlignment(), l.alignment);
        EXPECT_EQ(k.CaptionAnchorHoriz(), l.anchor);
        EXPECT_EQ(k.CaptionAnchorVert(), TCaptionAnchorVert::cavChartTop);
        for (int32_t n = 1; n <= 4; ++n) {
            for (bool isX : {true, false}) {
                SCOPED_TRACE(std::string(isX ? "X" : "Y") + std::to_string(n));
                const LayoutAxis& a = isX ? l.x[n - 1] : l.y[n - 1];
                const TScaleProps& p = isX ? static_cast<const TScaleProps&>(*k.LayerScaleX(n))
                                           : static_cast<const TScaleProps&>(*k.LayerScaleY(n));
                const TScale& painter = isX ? *k.ScalePainterX(n) : *k.ScalePainterY(n);
                EXPECT_EQ(p.Visible(), a.visible);
                EXPECT_EQ(p.CaptionPosX(), a.captionPosX);
                EXPECT_EQ(p.CaptionPosY(), a.captionPosY);
                EXPECT_EQ(p.CaptionAlignment(), a.alignment);
                EXPECT_EQ(p.CaptionAnchor(), a.anchor);
                EXPECT_EQ(p.ScalePos(), a.scalePos);
                const TScaleType side = isX ? (a.otherSide ? TScaleType::sctXB : TScaleType::sctXT)
                                            : (a.otherSide ? TScaleType::sctYL : TScaleType::sctYR);
                EXPECT_EQ(p.ScaleType(), side);
                if (isX) {
                    EXPECT_EQ(k.LayerScaleX(n)->ScaleLocation(),
                              a.otherSide ? TScaleLocationHoriz::slTop : TScaleLocationHoriz::slBottom);
                } else {
                    EXPECT_EQ(k.LayerScaleY(n)->ScaleLocation(),
                              a.otherSide ? TScaleLocationVert::slRight : TScaleLocationVert::slLeft);
                }
                // The painters took the new arrangement over.
                EXPECT_EQ(painter.Visible(), a.visible);
                EXPECT_EQ(painter.ScaleType(), side);
                EXPECT_EQ(painter.CaptionPosY(), a.captionPosY);
            }
        }
        for (int32_t n = 5; n <= 16; ++n) {
            EXPECT_FALSE(k.LayerScaleX(n)->Visible()) << "X" << n;
            EXPECT_FALSE(k.LayerScaleY(n)->Visible()) << "Y" << n;
            EXPECT_FALSE(k.ScalePainterX(n)->Visible()) << "X painter " << n;
        }
    };
    for (const Layout& l : layouts) {
        SCOPED_TRACE(l.name);
        TKurvex k(nullptr);
        for (int32_t n = 1; n <= 16; ++n) {  // everything visible and moved first
            k.LayerScaleX(n)->SetVisible(true);
            k.LayerScaleY(n)->SetVisible(true);
            k.LayerScaleX(n)->SetScaleLocation(TScaleLocationHoriz::slTop);
            k.LayerScaleY(n)->SetScaleLocation(TScaleLocationVert::slRight);
            k.LayerScaleY(n)->SetScalePos(77);
        }
        k.SetStandardLayout(l.layout);
        check(k, l);
    }
    // Layouts switch back and forth cleanly.
    TKurvex k(nullptr);
    k.SetStandardLayout(TkxLayout::kxl_X2Both_Y2Both);
    k.SetStandardLayout(TkxLayout::kxl_X1Bottom_Y3Left);
    SCOPED_TRACE("X2Both_Y2Both, then X1Bottom_Y3Left");
    check(k, layouts[2]);
}

// ---------------------------------------------------------------------------
// When the chart paints

TEST_F(LiveChartTest, PaintingStartsWhenTheWindowExists)
{
    TKurvex* k = NewChart();
    EXPECT_TRUE(k->PaintSuspended());
    k->Paint();
    k->SetChartColor(clRed);
    EXPECT_EQ(k->PaintCount(), 0);
    form->Show();
    EXPECT_FALSE(k->PaintSuspended());
    EXPECT_EQ(k->PaintCount(), 0) << "creating the window does not paint";
    k->Paint();
    EXPECT_EQ(k->PaintCount(), 1);
}

TEST_F(LiveChartTest, SuspendedPaintingPaintsOnceWhenResumed)
{
    TKurvex* k = NewLiveChart();
    const int before = k->PaintCount();
    k->SuspendPaint(true);
    k->SuspendPaint(true);
    k->SetChartColor(clYellow);
    k->SetMarginLeft(60);
    k->SelectLayer(2);
    k->AddLine(0, 0, 1, 1);
    k->LayerScaleX(1)->SetCaption("t");
    k->SetLayerRange(0, 0, 0, 10, 10);
    k->SetStandardLayout(TkxLayout::kxl_X1Bottom_Y2Left);
    k->SetAvoidDuplicateMarks(true);
    k->CrossHair1()->SetMode(TCrossHMode::chBoth);
    k->Paint();
    EXPECT_EQ(k->PaintCount(), before);
    EXPECT_TRUE(k->PaintSuspended());
    k->SuspendPaint(false);
    EXPECT_EQ(k->PaintCount(), before + 1);
    k->SuspendPaint(false);
    EXPECT_EQ(k->PaintCount(), before + 1) << "an unchanged flag does nothing";
}

TEST_F(LiveChartTest, AutoSettersPaintOnlyWithAutoRedraw)
{
    TKurvex* k = NewLiveChart();
    TCrossHair ch;
    ch.SetColor(clLime);
    TBakGndImg img;
    img.SetAreaColor(clNavy);
    TJointLayers joins(nullptr);
    struct Case {
        const char* what;
        std::function<void(int)> set;  // the argument varies the value from call to call
    };
    const Case cases[] = {
        {"ChartColor", [&](int i) { k->SetChartColor(i); }},
        {"WindColor", [&](int i) { k->SetWindColor(i); }},
        {"ChartFrameColor", [&](int i) { k->SetChartFrameColor(i); }},
        {"ShadowColor", [&](int i) { k->SetShadowColor(i); }},
        {"ShadowBakColor", [&](int i) { k->SetShadowBakColor(i); }},
        {"ShadowStyle", [&](int i) { k->SetShadowStyle(i % 2 ? TShadowStyle::ssBox : TShadowStyle::ssFlying); }},
        {"ShadowWidth", [&](int i) { k->SetShadowWidth(i % 5); }},
        {"GridStyle", [&](int i) { k->SetGridStyle(i % 2 ? GridStyleType::gsLines : GridStyleType::gsPoints); }},
        {"GridColor", [&](int i) { k->SetGridColor(i); }},
        {"GridDx", [&](int i) { k->SetGridDx(i); }},
        {"GridDy", [&](int i) { k->SetGridDy(i); }},
        {"Caption", [&](int i) { k->SetCaption("c" + std::to_string(i)); }},
        {"CaptionPosX", [&](int i) { k->SetCaptionPosX(i); }},
        {"CaptionPosY", [&](int i) { k->SetCaptionPosY(i); }},
        {"CaptionAlignment", [&](int i) { k->SetCaptionAlignment(TAlignment(i % 3)); }},
        {"CaptionAnchorHoriz", [&](int i) { k->SetCaptionAnchorHoriz(TCaptionAnchorHoriz(i % 5)); }},
        {"CaptionAnchorVert", [&](int i) { k->SetCaptionAnchorVert(TCaptionAnchorVert(i % 5)); }},
        {"CaptionTrim", [&](int i) { k->SetCaptionTrim(5 + i); }},
        {"TextAlignment", [&](int i) { k->SetTextAlignment(TAlignment(i % 3)); }},
        {"SelectLayer", [&](int i) { k->SelectLayer(1 + i % 16); }},
        {"MarginLeft", [&](int i) { k->SetMarginLeft(40 + i); }},
        {"MarginRight", [&](int i) { k->SetMarginRight(10 + i); }},
        {"MarginTop", [&](int i) { k->SetMarginTop(10 + i); }},
        {"MarginBottom", [&](int i) { k->SetMarginBottom(30 + i); }},
        {"a crosshair's setting", [&](int i) { k->CrossHair3()->SetPosX(i); }},
        {"CrossHair assigned", [&](int) { k->SetCrossHair(2, &ch); }},
        {"a text label's setting", [&](int i) { k->TextLabel(17)->SetPosY(i); }},
        {"a BackGroundImg setting", [&](int i) { k->BackGroundImg()->SetAreaColor(i); }},
        {"BackGroundImg assigned", [&](int) { k->SetBackGroundImg(&img); }},
        {"a join", [&](int i) { k->JointLayers()->SetL05xControlledBy(6 + i % 2); }},
        {"JointLayers assigned", [&](int) { k->SetJointLayers(&joins); }},
    };
    int i = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        k->SetAutoRedraw(true);
        int before = k->PaintCount();
        c.set(i++);
        EXPECT_EQ(k->PaintCount(), before + 1) << "AutoRedraw True";
        k->SetAutoRedraw(false);
        before = k->PaintCount();
        c.set(i++);
        EXPECT_EQ(k->PaintCount(), before) << "AutoRedraw False";
    }
}

TEST_F(LiveChartTest, PlainFieldsAndItemOperationsNeverPaint)
{
    TKurvex* k = NewLiveChart();
    const std::function<void()> ops[] = {
        [&] { k->SetDataColor(clRed); },
        [&] { k->SetFillColor(clRed); },
        [&] { k->SetPenStyle(TPenStyle::psDot); },
        [&] { k->SetLineWidth(3); },
        [&] { k->SetClassDefault(4); },
        [&] { k->SetAllocSize(5); },
        [&] { k->SetAutoRedraw(true); },
        [&] { k->SetMouseAction(TMouseActMode::maPan); },
        [&] { k->SetMouseCursorFixed(false); },
        [&] { k->SetMouseTraceColor(clRed); },
        [&] { k->SetMouseTraceInvert(false); },
        [&] { k->SetPanGridDx(3); },
        [&] { k->SetPanGridOffsY(3); },
        [&] { k->SetTextBkStyle(TTextBkg::tbSolid); },
        [&] { k->SetMouseAffectsLayer(3, true); },
        [&] { k->LayerScaleX(2)->SetMouseAction(TMouseActMode::maZoom); },
        [&] { k->AddLine(0, 0, 1, 1); },
        [&] { k->RemoveFirstItem(); },
        [&] { k->ClearItems(); },
        [&] { k->SetIsometric(false); },
        [&] { k->SelectLayer(0); },
    };
    const int before = k->PaintCount();
    int n = 0;
    for (const auto& op : ops) {
        op();
        EXPECT_EQ(k->PaintCount(), before) << "operation #" << n++;
    }
}

TEST_F(LiveChartTest, ChangesThatPaintRegardlessOfAutoRedraw)
{
    TKurvex* k = NewLiveChart();
    k->SetAutoRedraw(false);
    struct Case {
        const char* what;
        std::function<void()> op;
        int paints;
    };
    const Case cases[] = {
        {"AvoidDuplicateMarks changed", [&] { k->SetAvoidDuplicateMarks(true); }, 1},
        {"AvoidDuplicateMarks unchanged", [&] { k->SetAvoidDuplicateMarks(true); }, 0},
        {"MinDupMarkDist changed", [&] { k->SetMinDupMarkDist(3); }, 1},
        {"MinDupMarkDist unchanged", [&] { k->SetMinDupMarkDist(3); }, 0},
        {"MinDupMarkDist clamped to the current value", [&] { k->SetMinDupMarkDist(8); }, 0},
        {"an axis setting", [&] { k->LayerScaleY(9)->SetCaption("y9"); }, 1},
        {"an axis date format", [&] { k->LayerScaleX(2)->DateFormat()->SetDateSeparator('/'); }, 1},
        {"StandardLayout", [&] { k->SetStandardLayout(TkxLayout::kxl_X2Both_Y2Both); }, 1},
        {"a join, then a range change of the joined-to layer: one repaint", [&] {
             k->JointLayers()->SetL02xControlledBy(1);
             k->SetLayerRange(1, 0, 0, 5, 5);
         }, 1},
        {"SetLayerRange of a layer outside 0..16", [&] { k->SetLayerRange(17, 0, 0, 9, 9); }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int before = k->PaintCount();
        c.op();
        EXPECT_EQ(k->PaintCount(), before + c.paints);
    }
}

TEST_F(LiveChartTest, ADesignedChartRepaintsWithoutAutoRedraw)
{
    TKurvex* k = NewLiveChart();
    k->SetAutoRedraw(false);
    TScalePropsVert props;
    props.SetCaption("designed");
    const std::function<void(int)> ops[] = {
        [&](int i) { k->SetChartColor(i); },
        [&](int i) { k->SelectLayer(1 + i % 16); },
        [&](int) { k->SetScale2Y(&props); },
        [&](int i) { k->CrossHair4()->SetPosY(i); },
    };
    int i = 0;
    for (bool designing : {false, true}) {
        k->SetDesigning(designing);
        for (const auto& op : ops) {
            SCOPED_TRACE("designing " + std::to_string(designing) + ", operation #" + std::to_string(i % 4));
            const int before = k->PaintCount();
            op(i++);
            EXPECT_EQ(k->PaintCount(), before + (designing ? 1 : 0));
        }
    }
    EXPECT_EQ(k->Scale2Y()->Caption(), "designed");
}

TEST(KurvexPaintTest, AChartWithoutAWindowNeverPaints)
{
    THeadlessHost host;
    TKurvex k(nullptr);
    k.Paint();
    k.SetChartColor(clRed);
    k.SetAvoidDuplicateMarks(true);
    k.SetMinDupMarkDist(2);
    k.SetMarginLeft(70);
    k.SetBounds(0, 0, 500, 300);
    k.LayerScaleX(1)->SetCaption("x");
    k.SetLayerRange(0, 0, 0, 3, 3);
    k.SetStandardLayout(TkxLayout::kxl_X1Bottom_Y2Both);
    k.SetIsometric(true);
    k.JointLayers()->SetL02yControlledBy(1);
    k.SuspendPaint(true);
    EXPECT_EQ(k.PaintCount(), 0);
    EXPECT_TRUE(k.PaintSuspended());
}

// ---------------------------------------------------------------------------
// Assign

class KurvexAssignTest : public LiveChartTest {
protected:
    // A source with something other than the default in every group of settings.
    void Configure(TKurvex& s)
    {
        s.SetTag(42);
        s.SetAllocSize(7);
        s.SetDataColor(clTeal);
        s.SelectLayer(3);
        AddLines(s, 10);
        s.SetFillColor(clMaroon);
        s.SetPenStyle(TPenStyle::psDashDot);
        s.SetLineWidth(6);
        s.SetClassDefault(9);
        s.SetChartColor(clYellow);
        s.SetWindColor(clSilver);
        s.SetGridStyle(GridStyleType::gsDotLines);
        s.SetGridDx(2.5);
        s.SetCaption("source");
        s.SetCaptionTrim(30);
        s.SetMarginLeft(70);
        s.SetShadowWidth(4);
        s.SetAvoidDuplicateMarks(true);
        s.SetMinDupMarkDist(2);
        s.SetMouseAffectsLayer(4, true);
        s.SetMouseAction(TMouseActMode::maPan);
        s.SetTextAlignment(TAlignment::taLeftJustify);
        s.SetTextBkStyle(TTextBkg::tbSolid);
        s.TextFont()->SetHeight(-20);
        s.LongTexts()[4] = "long text";
        s.SetLayerRange(2, -5, 10, 5, 20);
        s.LayerScaleY(6)->SetCaption("volts");
        s.LayerScaleX(6)->SetVisible(true);
        s.JointLayers()->SetL04xControlledBy(2);
        s.CrossHair2()->SetColor(clFuchsia);
        s.TextLabel(7)->SetCaption("label");
        s.BackGroundImg()->SetAreaColor(clGreen);
        // Not copied:
        s.SetMouseTraceColor(clRed);
        s.SetMouseTraceInvert(false);
        s.SetPanGridDx(9);
        s.SetPanGridDy(8);
        s.SetPanGridOffsX(7);
        s.SetPanGridOffsY(6);
    }
};

TEST_F(KurvexAssignTest, CopiesSettingsItemsAndLayersButNotTheMouseTraceAndPanGrid)
{
    TKurvex* s = NewChart();
    TKurvex* d = NewChart();
    form->Show();
    Configure(*s);
    d->SetBounds(0, 300, 400, 260);
    s->OnZoomPan = [](TObject*) {};
    s->OnBeforeRenderText = [](TObject*, std::string&, int32_t, bool) {};
    d->Assign(s);

    EXPECT_EQ(d->Tag(), 42);
    EXPECT_EQ(d->Width(), 400) << "position and size stay";
    EXPECT_TRUE(SameItems(ItemsOf(*d), ItemsOf(*s)));
    EXPECT_EQ(d->ItemCount(), 10);
    EXPECT_EQ(d->Capacity(), 14) << "(10 div 7 + 1) * 7";
    EXPECT_NE(&d->Items(), &s->Items());
    EXPECT_EQ(d->AllocSize(), 7);
    EXPECT_EQ(d->DataColor(), clTeal);
    EXPECT_EQ(d->FillColor(), clMaroon);
    EXPECT_EQ(d->PenStyle(), TPenStyle::psDashDot);
    EXPECT_EQ(d->LineWidth(), 6);
    EXPECT_EQ(d->ClassDefault(), 9);
    EXPECT_EQ(d->CurrentLayer(), 3);
    EXPECT_TRUE(d->MouseAffectsLayer(4));
    EXPECT_EQ(d->ChartColor(), clYellow);
    EXPECT_EQ(d->WindColor(), clSilver);
    EXPECT_EQ(d->GridStyle(), GridStyleType::gsDotLines);
    EXPECT_EQ(d->GridDx(), 2.5);
    EXPECT_EQ(d->Caption(), "source");
    EXPECT_EQ(d->CaptionTrim(), 30);
    EXPECT_EQ(d->MarginLeft(), 70);
    EXPECT_EQ(d->ShadowWidth(), 4);
    EXPECT_TRUE(d->AvoidDuplicateMarks());
    EXPECT_EQ(d->MinDupMarkDist(), 2);
    EXPECT_EQ(d->MouseAction(), TMouseActMode::maPan);
    EXPECT_EQ(d->TextAlignment(), TAlignment::taLeftJustify);
    EXPECT_EQ(d->TextBkStyle(), TTextBkg::tbSolid);
    EXPECT_EQ(d->TextFont()->Height(), -20);
    EXPECT_EQ(d->LongTexts()[4], "long text");
    EXPECT_EQ(d->LayerScaleX(2)->RangeLow(), -5);
    EXPECT_EQ(d->LayerScaleY(2)->RangeHigh(), 20);
    EXPECT_EQ(d->LayerScaleX(4)->RangeHigh(), 5) << "joined to layer 2";
    EXPECT_EQ(d->LayerScaleY(6)->Caption(), "volts");
    EXPECT_TRUE(d->LayerScaleX(6)->Visible());
    EXPECT_TRUE(d->ScalePainterX(6)->Visible());
    EXPECT_EQ(d->ScalePainterY(6)->Caption(), "volts");
    EXPECT_EQ(d->ScalePainterX(6)->TargetCanvas(), d->FrameBitmap()->Canvas()) << "never the source's bitmap";
    EXPECT_EQ(d->JointLayers()->L04xControlledBy(), 2);
    EXPECT_EQ(d->CrossHair2()->Color(), clFuchsia);
    EXPECT_EQ(d->TextLabel(7)->Caption(), "label");
    EXPECT_EQ(d->BackGroundImg()->AreaColor(), clGreen);
    EXPECT_EQ(d->DataBitmap()->Width(), 400 - 70 - 20 - 4 + 1);
    EXPECT_EQ(d->DataBitmap()->Height(), 260 - 20 - 40 - 4 + 1);
    // The transform is this chart's own: layer 2's X runs over its plot width.
    int32_t px, py;
    d->WorldToPixel(2, 5, 10, px, py);
    EXPECT_EQ(px, 400 - 20 - 4);
    EXPECT_EQ(py, 260 - 40 - 4);

    EXPECT_TRUE(bool(d->OnZoomPan));
    EXPECT_FALSE(bool(d->OnBeforeRenderText));
    EXPECT_EQ(d->MouseTraceColor(), 0xFFFFFF);
    EXPECT_TRUE(d->MouseTraceInvert());
    EXPECT_EQ(d->PanGridDx(), 1);
    EXPECT_EQ(d->PanGridDy(), 1);
    EXPECT_EQ(d->PanGridOffsX(), 0);
    EXPECT_EQ(d->PanGridOffsY(), 0);

    // The copy is independent of its source.
    d->AddLine(99, 0, 99, 1);
    EXPECT_EQ(s->ItemCount(), 10);
}

TEST_F(KurvexAssignTest, CopyCapacityIsTheNextAllocSizeStepAboveTheCount)
{
    TKurvex* s = NewChart();
    TKurvex* d = NewChart();
    struct Case {
        int32_t alloc, count, capacity;
    };
    const Case cases[] = {{7, 10, 14}, {7, 14, 21}, {1000, 0, 1000}, {1000, 2500, 3000}, {1, 3, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.count) + " items, AllocSize " + std::to_string(c.alloc));
        s->ClearItems();
        s->SetAllocSize(c.alloc);
        AddLines(*s, c.count);
        d->Assign(s);
        EXPECT_EQ(d->ItemCount(), c.count);
        EXPECT_EQ(d->Capacity(), c.capacity);
        AddLines(*d, c.capacity - c.count + 1);  // the copy then grows as usual
        EXPECT_EQ(d->Capacity(), c.capacity + c.alloc);
    }
}

TEST_F(KurvexAssignTest, CopiedSettingsObjectsActOnTheDestination)
{
    TKurvex* s = NewChart();
    TKurvex* d = NewChart();
    form->Show();
    Configure(*s);
    d->Assign(s);
    ASSERT_FALSE(d->PaintSuspended());
    ASSERT_TRUE(d->AutoRedraw());
    struct Case {
        const char* what;
        std::function<void()> op;
    };
    const Case cases[] = {
        {"axis setting", [&] { d->LayerScaleX(1)->SetCaption("dest"); }},
        {"axis date format", [&] { d->LayerScaleY(3)->DateFormat()->SetTimeSeparator('.'); }},
        {"crosshair", [&] { d->CrossHair1()->SetPosX(3); }},
        {"text label", [&] { d->TextLabel(50)->SetPosX(3); }},
        {"background image", [&] { d->BackGroundImg()->SetAreaLeft(0.5); }},
        {"join", [&] { d->JointLayers()->SetL03xControlledBy(2); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int sourcePaints = s->PaintCount();
        const int destPaints = d->PaintCount();
        c.op();
        EXPECT_EQ(s->PaintCount(), sourcePaints);
        EXPECT_GE(d->PaintCount(), destPaints + 1);
    }
    EXPECT_EQ(d->ScalePainterX(1)->Caption(), "dest");
    EXPECT_EQ(s->ScalePainterX(1)->Caption(), "");
    EXPECT_EQ(d->JointLayers()->Chart(), d);
    EXPECT_EQ(d->LayerScaleX(3)->RangeLow(), -5) << "the destination's layer 3 took its layer 2 range";
    EXPECT_EQ(s->LayerScaleX(3)->RangeLow(), 0);
    EXPECT_EQ(s->JointLayers()->L03xControlledBy(), 3);
}

// The axis painters forward their events to the chart they belong to.
TEST_F(KurvexAssignTest, CopiedPaintersReportToTheDestination)
{
    TKurvex* s = NewChart();
    TKurvex* d = NewChart();
    form->Show();
    std::vector<TObject*> senders;
    s->OnBeforeTickLabel = [&](TObject* sender, TScaleType, double, std::string&) { senders.push_back(sender); };
    s->OnScaleTickDrawn = [&](TObject* sender, TCanvas*, TScaleType, double, int32_t, int32_t) {
        senders.push_back(sender);
    };
    d->Assign(s);
    senders.clear();
    d->Paint();
    ASSERT_FALSE(senders.empty());
    EXPECT_EQ(size_t(std::count(senders.begin(), senders.end(), d)), senders.size())
        << "events of the destination's painters name the destination as Sender";
    EXPECT_EQ(std::count(senders.begin(), senders.end(), s), 0);
}

TEST_F(KurvexAssignTest, ACopiedSharerJoinsTheSourcesOwnerWhenThereIsRoom)
{
    TKurvex* owner = NewChart();
    TKurvex* s = NewChart();
    TKurvex* d = NewChart();
    TKurvex* other = NewChart();
    s->SetUseDataOf(owner);
    AddLines(*owner, 3);
    d->Assign(s);
    EXPECT_EQ(d->UseDataOf(), owner);
    EXPECT_EQ(owner->SharerCount(), 2);
    EXPECT_EQ(owner->Sharers(1), d);
    EXPECT_EQ(&d->Items(), &owner->Items());
    d->AddLine(5, 5, 5, 5);
    EXPECT_EQ(owner->ItemCount(), 4);
    EXPECT_EQ(s->ItemCount(), 4);

    // The source's own sharers are not copied: they stay with the source.
    TKurvex* copy = NewChart();
    copy->Assign(owner);
    EXPECT_EQ(copy->SharerCount(), 0);
    EXPECT_EQ(copy->UseDataOf(), nullptr);
    EXPECT_EQ(owner->SharerCount(), 2);
    EXPECT_EQ(s->UseDataOf(), owner);

    // A full group: the copy keeps a list of its own.
    other->SetUseDataOf(owner);
    NewChart()->SetUseDataOf(d);  // d is a sharer: this joins the owner, the fourth sharer
    EXPECT_EQ(owner->SharerCount(), 4);
    TKurvex* e = NewChart();
    e->Assign(s);
    EXPECT_EQ(e->UseDataOf(), nullptr);
    EXPECT_EQ(owner->SharerCount(), 4);
    EXPECT_EQ(e->ItemCount(), 4);
    EXPECT_NE(&e->Items(), &owner->Items());
    EXPECT_TRUE(host.MessageBoxes().empty());
}

// A chart that is copied onto keeps the group invariants: every member of a
// group holds the group's one list, and no chart is both owner and sharer.
void ExpectGroupConsistent(TCustomKurvex& k)
{
    EXPECT_TRUE(k.UseDataOf() == nullptr || k.SharerCount() == 0) << "both owner and sharer";
    EXPECT_NE(k.UseDataOf(), &k) << "a chart never uses its own data";
    for (int32_t i = 0; i < k.SharerCount(); ++i) {
        SCOPED_TRACE("sharer " + std::to_string(i));
        ASSERT_NE(k.Sharers(i), &k);
        EXPECT_EQ(k.Sharers(i)->UseDataOf(), &k);
        EXPECT_EQ(&k.Sharers(i)->Items(), &k.Items());
        EXPECT_EQ(k.Sharers(i)->ItemCount(), k.ItemCount());
    }
}

TEST_F(KurvexAssignTest, AssigningOntoAGroupMemberKeepsTheGroupConsistent)
{
    {
        SCOPED_TRACE("destination owns a group, source is a plain chart");
        TKurvex* a = NewChart();
        TKurvex* b = NewChart();
        TKurvex* s = NewChart();
        b->SetUseDataOf(a);
        AddLines(*a, 2, 100);
        AddLines(*s, 5);
        a->Assign(s);
        EXPECT_EQ(X1s(*a), X1s(*s));
        ExpectGroupConsistent(*a);
        b->AddLine(9, 0, 9, 1);  // whether or not B is still in A's group, A keeps its copy
        std::vector<double> kept = X1s(*a);
        kept.resize(5);
        EXPECT_EQ(kept, X1s(*s));
    }
    {
        SCOPED_TRACE("destination owns a group, source is a sharer");
        TKurvex* a = NewChart();
        TKurvex* b = NewChart();
        TKurvex* o = NewChart();
        TKurvex* s = NewChart();
        b->SetUseDataOf(a);
        s->SetUseDataOf(o);
        a->Assign(s);
        ExpectGroupConsistent(*a);
        ExpectGroupConsistent(*o);
    }
    {
        SCOPED_TRACE("owner assigned from its own sharer");
        TKurvex* a = NewChart();
        TKurvex* s = NewChart();
        s->SetUseDataOf(a);
        AddLines(*a, 2);
        a->Assign(s);
        ExpectGroupConsistent(*a);
    }
}

TEST_F(KurvexAssignTest, ForeignClassesFailWithEConvertError)
{
    TKurvex* k = NewChart();
    TScalePropsHoriz props;
    TScale scale(nullptr);
    EXPECT_THROW(k->Assign(&props), EConvertError);
    EXPECT_THROW(k->Assign(&scale), EConvertError);
    EXPECT_THROW(k->Assign(nullptr), EConvertError);
    EXPECT_THROW(props.Assign(k), EConvertError);
    EXPECT_THROW(scale.Assign(k), EConvertError);
    // A chart of the other published class is fine, both ways round.
    TCustomKurvex plain(nullptr);
    plain.SetCaption("plain");
    k->Assign(&plain);
    EXPECT_EQ(k->Caption(), "plain");
    k->SetCaption("published");
    plain.Assign(k);
    EXPECT_EQ(plain.Caption(), "published");
}

}  // namespace

// An error raised while painting is suspended must not leave the chart
// unable to paint once the cause is gone.
TEST_F(LiveChartTest, ALogarithmicAxisErrorDoesNotLeavePaintingSuspended)
{
    TKurvex* k = NewLiveChart();
    TScalePropsVert* y3 = k->LayerScaleY(3);
    y3->SetRangeLow(1);
    y3->SetRangeHigh(10);
    y3->SetLogarithmic(true);
    y3->StoreRangeLow(-1);
    EXPECT_THROW(k->Scale1X()->SetCaption("x"), EQVXKurvexError);
    EXPECT_FALSE(k->PaintSuspended());
    y3->StoreRangeLow(1);
    const int paints = k->PaintCount();
    k->Paint();
    EXPECT_EQ(k->PaintCount(), paints + 1);
}

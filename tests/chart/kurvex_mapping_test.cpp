// The chart's coordinate mapping, layer ranges, joint layers and isometric
// mode, and the embedded axis painters that follow the chart's settings and
// geometry.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "base/Exceptions.h"
#include "chart/Kurvex.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/headless/HeadlessHost.h"

using namespace qvx;

namespace {

constexpr int32_t kMaxPix = 2147483647;

// A 280 x 200 chart with margins 50, 10, 16, 32: the plot area runs from
// x = 50 to 270 (PW 220) and from y = 16 to 168 (PH 152).
class KurvexMappingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        k.SetMarginLeft(50);
        k.SetMarginRight(10);
        k.SetMarginTop(16);
        k.SetMarginBottom(32);
    }
    std::pair<int32_t, int32_t> Pix(int32_t layer, double x, double y) const
    {
        int32_t px = -1, py = -1;
        k.WorldToPixel(layer, x, y, px, py);
        return {px, py};
    }
    std::pair<double, double> World(int32_t layer, int32_t px, int32_t py) const
    {
        double x = NAN, y = NAN;
        k.PixelToWorld(layer, px, py, x, y);
        return {x, y};
    }
    void MakeLog(int32_t layer)
    {
        k.SetLayerRange(layer, 1, 1, 100, 100);
        k.LayerScaleX(layer)->SetLogarithmic(true);
        k.LayerScaleY(layer)->SetLogarithmic(true);
    }
    void ExpectRange(int32_t layer, double xl, double xh, double yl, double yh)
    {
        SCOPED_TRACE("layer " + std::to_string(layer));
        EXPECT_DOUBLE_EQ(k.LayerScaleX(layer)->RangeLow(), xl);
        EXPECT_DOUBLE_EQ(k.LayerScaleX(layer)->RangeHigh(), xh);
        EXPECT_DOUBLE_EQ(k.LayerScaleY(layer)->RangeLow(), yl);
        EXPECT_DOUBLE_EQ(k.LayerScaleY(layer)->RangeHigh(), yh);
        // The painters and the transform follow every stored range.
        EXPECT_EQ(k.ScalePainterX(layer)->RangeLow(), k.LayerScaleX(layer)->RangeLow());
        EXPECT_EQ(k.ScalePainterX(layer)->RangeHigh(), k.LayerScaleX(layer)->RangeHigh());
        EXPECT_EQ(k.ScalePainterY(layer)->RangeLow(), k.LayerScaleY(layer)->RangeLow());
        EXPECT_EQ(k.ScalePainterY(layer)->RangeHigh(), k.LayerScaleY(layer)->RangeHigh());
        if (!k.LayerScaleX(layer)->Logarithmic() && !k.LayerScaleY(layer)->Logarithmic()) {
            EXPECT_EQ(Pix(layer, k.LayerScaleX(layer)->RangeLow(), k.LayerScaleY(layer)->RangeLow()),
                      std::make_pair(50, 168));
            EXPECT_EQ(Pix(layer, k.LayerScaleX(layer)->RangeHigh(), k.LayerScaleY(layer)->RangeHigh()),
                      std::make_pair(270, 16));
        }
    }

    THeadlessHost host;
    TKurvex k{nullptr};
};

// ---------------------------------------------------------------------------
// WorldToPixel / PixelToWorld

TEST_F(KurvexMappingTest, LinearAxesMapTheRangeOntoThePlotEdges)
{
    struct Case {
        const char* what;
        double xl, xh, yl, yh;  // layer 1 ranges
        double x, y;
        int32_t px, py;
    };
    const Case cases[] = {
        {"low ends", 0, 1, 0, 1, 0, 0, 50, 168},
        {"high ends", 0, 1, 0, 1, 1, 1, 270, 16},
        {"middle", 0, 1, 0, 1, 0.5, 0.5, 160, 92},
        {"beyond the range", 0, 1, 0, 1, 2, -1, 490, 320},
        {"inverted: RangeLow still at the left/bottom", 1, 0, 1, 0, 1, 1, 50, 168},
        {"inverted high ends", 1, 0, 1, 0, 0, 0, 270, 16},
        // One unit per pixel, so that ties show: half-way rounds to even.
        {"tie 50.5 -> 50", 0, 220, 0, 152, 0.5, 0.5, 50, 168},
        {"tie 51.5 -> 52", 0, 220, 0, 152, 1.5, 1.5, 52, 166},
        {"tie 52.5 -> 52", 0, 220, 0, 152, 2.5, 2.5, 52, 166},
        {"tie 49.5 -> 50", 0, 220, 0, 152, -0.5, -0.5, 50, 168},
        {"1e300 is clamped, not overflowed", 0, 1, 0, 1, 1e300, 1e300, kMaxPix, -kMaxPix},
        {"-1e300", 0, 1, 0, 1, -1e300, -1e300, -kMaxPix, kMaxPix},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        k.SetLayerRange(1, c.xl, c.yl, c.xh, c.yh);
        EXPECT_EQ(Pix(1, c.x, c.y), std::make_pair(c.px, c.py));
    }
}

TEST_F(KurvexMappingTest, PixelToWorldInvertsTheMapping)
{
    k.SetLayerRange(3, -10, 100, 12, 252);  // X: 0.1 units per pixel; Y: 1 unit per pixel
    const auto [x, y] = World(3, 160, 92);
    EXPECT_NEAR(x, 1, 1e-12);
    EXPECT_NEAR(y, 176, 1e-12);
    for (int32_t px : {50, 77, 270}) {
        for (int32_t py : {16, 100, 168}) {
            const auto [wx, wy] = World(3, px, py);
            EXPECT_EQ(Pix(3, wx, wy), std::make_pair(px, py));
        }
    }
}

TEST_F(KurvexMappingTest, LogarithmicAxes)
{
    MakeLog(1);
    struct Case {
        const char* what;
        double x, y;
        int32_t px, py;
    };
    const Case cases[] = {
        {"decade in the middle", 10, 10, 160, 92},
        {"range ends", 1, 100, 50, 16},
        {"zero goes to the low side: pixel 0 / H", 0, 0, 0, 200},
        {"negative", -3, -3, 0, 200},
        {"at 1e-100", 1e-100, 1e-100, 0, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Pix(1, c.x, c.y), std::make_pair(c.px, c.py));
    }
    const auto [x, y] = World(1, 160, 92);
    EXPECT_NEAR(x, 10, 1e-12);
    EXPECT_NEAR(y, 10, 1e-12);

    k.SetLayerRange(1, 100, 100, 1, 1);  // inverted: small values lie right / at the top
    EXPECT_EQ(Pix(1, 0, 0), std::make_pair(280, 0));
    EXPECT_EQ(Pix(1, 10, 10), std::make_pair(160, 92));
    EXPECT_EQ(Pix(1, 100, 100), std::make_pair(50, 168));
}

TEST_F(KurvexMappingTest, LayerOutside1To16UsesTheNearestLayer)
{
    k.SetLayerRange(1, 0, 0, 10, 10);
    k.SetLayerRange(16, 0, 0, 100, 100);
    EXPECT_EQ(Pix(0, 10, 10), std::make_pair(270, 16));
    EXPECT_EQ(Pix(-5, 10, 10), std::make_pair(270, 16));
    EXPECT_EQ(Pix(20, 10, 10), std::make_pair(72, 153));
    EXPECT_EQ(Pix(20, 10, 10), Pix(16, 10, 10));
    EXPECT_EQ(World(20, 270, 16), World(16, 270, 16));
}

TEST_F(KurvexMappingTest, APlotAreaOfNoSizeMapsToTheMiddle)
{
    k.SetLayerRange(2, 2, -4, 6, 0);
    struct Case {
        const char* what;
        int32_t ml, mt;
        bool xFlat, yFlat;
    };
    const Case cases[] = {
        {"PW = 0", 270, 16, true, false},
        {"PW < 0", 400, 16, true, false},
        {"PH = 0", 50, 168, false, true},
        {"both < 0", 300, 300, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        k.SetMarginLeft(c.ml);
        k.SetMarginTop(c.mt);
        EXPECT_EQ(k.Kx(2) == 0, c.xFlat);
        EXPECT_EQ(k.Ky(2) == 0, c.yFlat);
        const auto [px, py] = Pix(2, 5, -1);
        const auto [x, y] = World(2, 33, 44);
        if (c.xFlat) {
            EXPECT_EQ(px, 140) << "W / 2";
            EXPECT_EQ(x, 4) << "middle of [2, 6]";
        }
        if (c.yFlat) {
            EXPECT_EQ(py, 100) << "H / 2";
            EXPECT_EQ(y, -2) << "middle of [-4, 0]";
        }
        EXPECT_TRUE(std::isfinite(x) && std::isfinite(y));
    }
}

// ---------------------------------------------------------------------------
// CalcTransform and logarithmic axes with non-positive bounds

TEST_F(KurvexMappingTest, LogAxisWithANonPositiveBoundRaises)
{
    struct Case {
        const char* what;
        bool xAxis;
        double low, high;
    };
    const Case cases[] = {
        {"X low 0", true, 0, 100},     {"X low negative", true, -1, 100}, {"X high 0", true, 1, 0},
        {"Y low 0", false, 0, 100},    {"Y high negative", false, 1, -5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MakeLog(4);
        TScaleProps& axis = c.xAxis ? static_cast<TScaleProps&>(*k.LayerScaleX(4)) : *k.LayerScaleY(4);
        axis.StoreRangeLow(c.low);
        axis.StoreRangeHigh(c.high);
        try {
            k.CalcTransform();
            ADD_FAILURE() << "no exception";
        } catch (const EQVXKurvexError& e) {
            EXPECT_STREQ(e.what(), "Logarithmic axis must not be negative.");
        }
        // Whatever triggers the computation gets the error.
        EXPECT_THROW(k.SetMarginLeft(60), EQVXKurvexError);
        EXPECT_THROW(k.SetBounds(0, 0, 300, 220), EQVXKurvexError);
        EXPECT_THROW(k.SetShadowWidth(0), EQVXKurvexError);
        // The axis is not repaired by the failure; repairing it ends the errors.
        EXPECT_EQ(axis.RangeLow(), c.low);
        axis.StoreRangeLow(1);
        axis.StoreRangeHigh(100);
        EXPECT_NO_THROW(k.CalcTransform());
        k.LayerScaleX(4)->SetLogarithmic(false);
        k.LayerScaleY(4)->SetLogarithmic(false);
        k.SetMarginLeft(50);
    }
}

TEST_F(KurvexMappingTest, LayersBeforeTheFailingAxisKeepTheirNewCoefficients)
{
    k.SetLayerRange(3, 0, 1, 1, 100);
    k.LayerScaleY(3)->SetLogarithmic(true);
    k.LayerScaleY(3)->StoreRangeLow(-1);
    for (int32_t l : {1, 3, 4}) k.LayerScaleX(l)->StoreRangeHigh(2);  // not yet in the transform
    ASSERT_EQ(k.Kx(1), 220);
    EXPECT_THROW(k.CalcTransform(), EQVXKurvexError);
    EXPECT_EQ(k.Kx(1), 110) << "layer before the failing one";
    EXPECT_EQ(k.Kx(3), 110) << "X axis of the failing layer";
    EXPECT_EQ(k.Kx(4), 220) << "after the failing axis: untouched";
}

// ---------------------------------------------------------------------------
// SetLayerRange

TEST_F(KurvexMappingTest, SetLayerRangeRules)
{
    struct Case {
        const char* what;
        std::function<void(TKurvex&)> prepare;
        int32_t layer;
        long double xl, yl, xh, yh;
        double exl, exh, eyl, eyh;  // layer `check`'s ranges afterwards
        int32_t check;
    };
    const auto none = [](TKurvex&) {};
    const auto logX = [](TKurvex& c) {
        c.SetLayerRange(1, 1, 0, 100, 1);
        c.LayerScaleX(1)->SetLogarithmic(true);
    };
    const Case cases[] = {
        {"plain", none, 1, -3, 7, 4, 9, -3, 4, 7, 9, 1},
        {"equal X bounds widened by MinRange", none, 1, 5, 0, 5, 10, 5 - 5e-11, 5 + 5e-11, 0, 10, 1},
        {"equal Y bounds widened by MinRange", none, 1, 0, 3, 1, 3, 0, 1, 3 - 5e-11, 3 + 5e-11, 1},
        {"equal bounds with MinRange 2", [](TKurvex& c) { c.LayerScaleX(2)->SetMinRange(2); }, 2, 5, 0, 5, 1, 4, 6,
         0, 1, 2},
        {"equal bounds on a log axis: / and * 1.1", logX, 1, 10, 0, 10, 1, 10 / 1.1, 11, 0, 1, 1},
        {"too narrow X refused, Y stored", none, 1, 0, 2, 1e-11, 3, 0, 1, 2, 3, 1},
        {"too narrow Y refused, X stored", none, 1, 4, 5, 6, 5 + 5e-11, 4, 6, 0, 1, 1},
        {"just above 0.99 MinRange is stored", none, 1, 0, 0, 0.995e-10, 1, 0, 0.995e-10, 0, 1, 1},
        {"inverted pair stored inverted", none, 1, 10, 5, -10, -5, 10, -10, 5, -5, 1},
        {"log axis refuses a non-positive bound alone", logX, 1, -5, 0, 50, 1, 1, 50, 0, 1, 1},
        {"only the given layer", none, 5, 0, 0, 9, 9, 0, 1, 0, 1, 4},
        {"layer 0 sets every layer", none, 0, 2, 3, 4, 5, 2, 4, 3, 5, 16},
        {"layer 17 is ignored", none, 17, 2, 3, 4, 5, 0, 1, 0, 1, 16},
        {"layer -1 is ignored", none, -1, 2, 3, 4, 5, 0, 1, 0, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (int32_t l = 1; l <= 16; ++l) {
            k.LayerScaleX(l)->SetLogarithmic(false);
            k.LayerScaleX(l)->SetMinRange(1e-10);
        }
        k.SetLayerRange(0, 0, 0, 1, 1);
        c.prepare(k);
        k.SetLayerRange(c.layer, c.xl, c.yl, c.xh, c.yh);
        ExpectRange(c.check, c.exl, c.exh, c.eyl, c.eyh);
    }
}

TEST_F(KurvexMappingTest, SetLayerRangeOfAllLayersLeavesJoinedAxesToTheirController)
{
    k.LayerScaleX(1)->SetMinRange(100);  // [0, 1] widens to [-49.5, 50.5]
    k.JointLayers()->SetL02xControlledBy(1);
    ExpectRange(2, -49.5, 50.5, 0, 1);
    k.SetLayerRange(0, 0, 0, 10, 10);
    ExpectRange(1, -49.5, 50.5, 0, 10);  // X too narrow for layer 1's MinRange
    ExpectRange(2, -49.5, 50.5, 0, 10);  // would take [0, 10] if it were free
    ExpectRange(3, 0, 10, 0, 10);
}

// ---------------------------------------------------------------------------
// Joint layers

TEST_F(KurvexMappingTest, JoinedAxesFollowTheirController)
{
    TJointLayers& j = *k.JointLayers();
    k.SetLayerRange(1, 10, 0, 20, 1);
    k.SetLayerRange(2, 0, 3, 1, 4);
    j.SetL02xControlledBy(1);
    EXPECT_EQ(j.L02xControlledBy(), 1);
    ExpectRange(2, 10, 20, 3, 4);  // takes layer 1's X at once, keeps its Y

    k.SetLayerRange(1, 30, -1, 40, 5);
    ExpectRange(1, 30, 40, -1, 5);
    ExpectRange(2, 30, 40, 3, 4);  // both move in X

    k.SetLayerRange(2, 50, 7, 60, 8);
    ExpectRange(2, 30, 40, 7, 8);  // only its own Y changes
    ExpectRange(1, 30, 40, -1, 5);

    // Y joins are independent of X joins.
    j.SetL04yControlledBy(2);
    ExpectRange(4, 0, 1, 7, 8);
    k.SetLayerRange(2, 0, -9, 1, 9);
    ExpectRange(4, 0, 1, -9, 9);
    ExpectRange(2, 30, 40, -9, 9);

    // Releasing changes no range; the axis is free again.
    j.SetL02xControlledBy(2);
    EXPECT_EQ(j.L02xControlledBy(), 2);
    ExpectRange(2, 30, 40, -9, 9);
    k.SetLayerRange(2, 50, 7, 60, 8);
    ExpectRange(2, 50, 60, 7, 8);
    EXPECT_EQ(j.L04yControlledBy(), 2);
    ExpectRange(4, 0, 1, 7, 8);
}

TEST_F(KurvexMappingTest, JoinErrorsKeepTheEntry)
{
    struct Case {
        const char* what;
        std::function<void(TJointLayers&)> prepare;
        std::function<void(TJointLayers&)> join;
        const char* message;
        std::function<int32_t(TJointLayers&)> entry;
        int32_t expectedEntry;
    };
    const Case cases[] = {
        {"destination 17", [](TJointLayers&) {}, [](TJointLayers& j) { j.SetL02xControlledBy(17); },
         "Destination layer 17 is out of range", [](TJointLayers& j) { return j.L02xControlledBy(); }, 2},
        {"destination 0", [](TJointLayers&) {}, [](TJointLayers& j) { j.SetL09yControlledBy(0); },
         "Destination layer 0 is out of range", [](TJointLayers& j) { return j.L09yControlledBy(); }, 9},
        {"joined entry, destination out of range", [](TJointLayers& j) { j.SetL04xControlledBy(2); },
         [](TJointLayers& j) { j.SetL04xControlledBy(-3); }, "Destination layer -3 is out of range",
         [](TJointLayers& j) { return j.L04xControlledBy(); }, 2},
        {"destination already joined", [](TJointLayers& j) { j.SetL01xControlledBy(2); },
         [](TJointLayers& j) { j.SetL03xControlledBy(1); }, "Destination layer 1 is already joined",
         [](TJointLayers& j) { return j.L03xControlledBy(); }, 3},
        {"layer joined by others",
         [](TJointLayers& j) {
             j.SetL05xControlledBy(1);
             j.SetL03xControlledBy(1);
         },
         [](TJointLayers& j) { j.SetL01xControlledBy(2); }, "Layer 1 is joined by other layers (3, 5)",
         [](TJointLayers& j) { return j.L01xControlledBy(); }, 1},
        {"Y: layer joined by one other", [](TJointLayers& j) { j.SetL16yControlledBy(12); },
         [](TJointLayers& j) { j.SetL12yControlledBy(2); }, "Layer 12 is joined by other layers (16)",
         [](TJointLayers& j) { return j.L12yControlledBy(); }, 12},
        {"an X join does not block Y", [](TJointLayers& j) { j.SetL01xControlledBy(2); },
         [](TJointLayers& j) { j.SetL03yControlledBy(1); }, nullptr,
         [](TJointLayers& j) { return j.L03yControlledBy(); }, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TKurvex chart(nullptr);
        TJointLayers& j = *chart.JointLayers();
        c.prepare(j);
        if (c.message != nullptr) {
            try {
                c.join(j);
                ADD_FAILURE() << "no exception";
            } catch (const EQVXKurvexError& e) {
                EXPECT_STREQ(e.what(), c.message);
            }
        } else {
            EXPECT_NO_THROW(c.join(j));
        }
        EXPECT_EQ(c.entry(j), c.expectedEntry);
    }
}

TEST_F(KurvexMappingTest, JointLayersCopies)
{
    TJointLayers standalone(nullptr);
    standalone.SetL07xControlledBy(3);  // no chart: the entry only
    standalone.SetL08yControlledBy(1);
    k.SetLayerRange(3, 5, 0, 6, 1);
    k.SetJointLayers(&standalone);
    EXPECT_EQ(k.JointLayers()->L07xControlledBy(), 3);
    EXPECT_EQ(k.JointLayers()->L08yControlledBy(), 1);
    EXPECT_EQ(k.JointLayers()->Chart(), &k) << "the chart keeps its own object";
    k.SetLayerRange(3, 8, 0, 9, 1);
    ExpectRange(7, 8, 9, 0, 1);

    TJointLayers copy(nullptr);
    copy.Assign(k.JointLayers());
    EXPECT_EQ(copy.Chart(), &k);
    EXPECT_EQ(copy.L07xControlledBy(), 3);
    EXPECT_TRUE(bool(copy.OnChange));
}

// ---------------------------------------------------------------------------
// Isometric mode

class KurvexIsometricTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        k.SetBounds(0, 0, 470, 260);  // margins 50/20/20/40: PW + 1 = 401, PH + 1 = 201
    }
    void ExpectY(int32_t layer, double centre, double h)
    {
        SCOPED_TRACE("layer " + std::to_string(layer));
        EXPECT_NEAR(k.LayerScaleY(layer)->RangeLow(), centre - h, 1e-12 * std::max(1.0, std::fabs(centre) + h));
        EXPECT_NEAR(k.LayerScaleY(layer)->RangeHigh(), centre + h, 1e-12 * std::max(1.0, std::fabs(centre) + h));
    }

    THeadlessHost host;
    TKurvex k{nullptr};
};

TEST_F(KurvexIsometricTest, SetLayerRangeHoldsYToTheXScale)
{
    k.SetIsometric(true);
    k.SetLayerRange(1, 0, 0, 100, 10);
    ExpectY(1, 5, 100.0 * 201 / 401 / 2);  // 25.0623...
    EXPECT_NEAR(k.LayerScaleY(1)->RangeHigh(), 30.0623441396508, 1e-9);
    EXPECT_DOUBLE_EQ(k.LayerScaleX(1)->RangeHigh(), 100);
}

TEST_F(KurvexIsometricTest, SwitchingOnRecentresEveryLayerAndGeometryKeepsItSo)
{
    k.SetLayerRange(3, 0, 10, 40, 20);
    k.SetIsometric(true);
    EXPECT_TRUE(k.Isometric());
    ExpectY(3, 15, 40.0 * 201 / 401 / 2);
    ExpectY(1, 0.5, 1.0 * 201 / 401 / 2);
    ExpectY(16, 0.5, 1.0 * 201 / 401 / 2);

    k.SetMarginLeft(150);  // PW + 1 = 301
    ExpectY(3, 15, 40.0 * 201 / 301 / 2);
    k.SetMarginBottom(60);  // PH + 1 = 181
    ExpectY(3, 15, 40.0 * 181 / 301 / 2);

    k.SetShadowWidth(5);  // no re-centring here
    ExpectY(3, 15, 40.0 * 181 / 301 / 2);
    // A resize counts the shadow twice in the width: PW + 1 = 500 - 150 - 20 - 2 * 5 + 1 = 321,
    // PH + 1 = 300 - 20 - 60 - 5 + 1 = 216.
    k.SetBounds(0, 0, 500, 300);
    ExpectY(3, 15, 40.0 * 216 / 321 / 2);

    // Switching off only stores the flag.
    k.SetIsometric(false);
    ExpectY(3, 15, 40.0 * 216 / 321 / 2);
    k.SetMarginLeft(50);
    ExpectY(3, 15, 40.0 * 216 / 321 / 2);
    k.SetLayerRange(3, 0, 0, 40, 1);
    EXPECT_EQ(k.LayerScaleY(3)->RangeHigh(), 1);
}

// ---------------------------------------------------------------------------
// Embedded axis painters

// Every painter's geometry as the chart's margins, size and the axis's side
// and distance demand (the painters clamp negative margins to 0).
void ExpectPaintersFollow(TCustomKurvex& k)
{
    const int32_t W = k.Width(), H = k.Height(), ML = k.MarginLeft(), MR = k.MarginRight(), MT = k.MarginTop(),
                  MB = k.MarginBottom(), SW = k.ShadowWidth();
    const auto m = [](int32_t v) { return std::max(v, 0); };
    for (int32_t l = 1; l <= 16; ++l) {
        for (bool isX : {true, false}) {
            SCOPED_TRACE(std::string(isX ? "X" : "Y") + " painter of layer " + std::to_string(l));
            const TScale& p = isX ? *k.ScalePainterX(l) : *k.ScalePainterY(l);
            const TScaleProps& a = isX ? static_cast<const TScaleProps&>(*k.LayerScaleX(l))
                                       : static_cast<const TScaleProps&>(*k.LayerScaleY(l));
            EXPECT_EQ(p.Width(), W);
            EXPECT_EQ(p.Height(), H);
            EXPECT_EQ(p.ScaleType(), a.ScaleType());
            EXPECT_EQ(p.Visible(), a.Visible());
            EXPECT_EQ(p.RangeLow(), a.RangeLow());
            EXPECT_EQ(p.RangeHigh(), a.RangeHigh());
            if (isX) {
                EXPECT_EQ(p.MarginLeft(), m(ML));
                EXPECT_EQ(p.MarginRight(), m(MR + SW - 1));
            } else {
                EXPECT_EQ(p.MarginTop(), m(MT));
                EXPECT_EQ(p.MarginBottom(), m(MB + SW - 1));
            }
            switch (a.ScaleType()) {
            case TScaleType::sctXB: EXPECT_EQ(p.MarginBottom(), m(a.ScalePos() + H - MT - 1)); break;
            case TScaleType::sctXT: EXPECT_EQ(p.MarginTop(), m(a.ScalePos() + H - MB - SW)); break;
            case TScaleType::sctYL: EXPECT_EQ(p.MarginLeft(), m(a.ScalePos() + W - MR - SW)); break;
            case TScaleType::sctYR: EXPECT_EQ(p.MarginRight(), m(a.ScalePos() + W - ML - 1)); break;
            }
        }
    }
}

TEST(KurvexPaintersTest, PaintersAreSetUpAsEmbeddedPaintersOfTheFrameBitmap)
{
    THeadlessHost host;
    TKurvex k(nullptr);
    for (int32_t l = 1; l <= 16; ++l) {
        for (bool isX : {true, false}) {
            SCOPED_TRACE(std::string(isX ? "X" : "Y") + std::to_string(l));
            const TScale& p = isX ? *k.ScalePainterX(l) : *k.ScalePainterY(l);
            EXPECT_EQ(p.Name(), (isX ? "KX_FScale_X_" : "KX_FScale_Y_") + std::to_string(l));
            EXPECT_EQ(p.Owner(), &k);
            EXPECT_TRUE(p.Embedded());
            EXPECT_TRUE(p.PaintSuspended());
            EXPECT_EQ(p.TargetCanvas(), k.FrameBitmap()->Canvas());
            EXPECT_EQ(p.TargetOffsetX(), 0);
            EXPECT_EQ(p.TargetOffsetY(), 0);
            EXPECT_TRUE(p.Transparent());
            EXPECT_EQ(p.FrameStyle(), TFrameStyle::fsNone);
            EXPECT_EQ(p.ColorBackGnd(), k.WindColor());
            if (isX) {
                EXPECT_EQ(p.MouseAction(), TMouseActMode::maZoom);
            }
        }
    }
    ExpectPaintersFollow(k);
}

TEST(KurvexPaintersTest, PaintersFollowEveryChangeOfGeometryAndSettings)
{
    THeadlessHost host;
    struct Case {
        const char* what;
        std::function<void(TKurvex&)> op;
    };
    const Case cases[] = {
        {"MarginLeft", [](TKurvex& k) { k.SetMarginLeft(120); }},
        {"MarginRight", [](TKurvex& k) { k.SetMarginRight(35); }},
        {"MarginRight 0 (painter margin clamps)", [](TKurvex& k) {
             k.SetShadowWidth(0);
             k.SetMarginRight(0);
         }},
        {"MarginTop", [](TKurvex& k) { k.SetMarginTop(9); }},
        {"MarginBottom", [](TKurvex& k) { k.SetMarginBottom(55); }},
        {"ShadowWidth", [](TKurvex& k) { k.SetShadowWidth(7); }},
        {"SetBounds", [](TKurvex& k) { k.SetBounds(3, 4, 520, 330); }},
        {"StandardLayout", [](TKurvex& k) { k.SetStandardLayout(TkxLayout::kxl_X2Both_Y2Both); }},
        {"ScalePos of a left Y axis", [](TKurvex& k) { k.LayerScaleY(2)->SetScalePos(50); }},
        {"ScaleLocation slTop", [](TKurvex& k) { k.LayerScaleX(1)->SetScaleLocation(TScaleLocationHoriz::slTop); }},
        {"ScaleLocation slRight", [](TKurvex& k) { k.LayerScaleY(3)->SetScaleLocation(TScaleLocationVert::slRight); }},
        {"an upper layer made visible", [](TKurvex& k) { k.LayerScaleX(6)->SetVisible(true); }},
        {"SetLayerRange", [](TKurvex& k) { k.SetLayerRange(9, -1, -2, 3, 4); }},
        {"join", [](TKurvex& k) {
             k.SetLayerRange(5, 10, 10, 11, 11);
             k.JointLayers()->SetL12yControlledBy(5);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TKurvex k(nullptr);
        k.SetShadowWidth(3);
        c.op(k);
        ExpectPaintersFollow(k);
    }
}

TEST(KurvexPaintersTest, PainterMarginsForTheDocumentedCases)
{
    THeadlessHost host;
    TKurvex k(nullptr);
    k.SetMarginLeft(120);
    EXPECT_EQ(k.ScalePainterX(1)->MarginLeft(), 120);
    EXPECT_EQ(k.ScalePainterX(16)->MarginLeft(), 120);
    ASSERT_EQ(k.LayerScaleY(1)->ScaleType(), TScaleType::sctYR);
    EXPECT_EQ(k.ScalePainterY(1)->MarginRight(), 0 + 280 - 121);
    k.LayerScaleY(2)->SetScalePos(50);
    EXPECT_EQ(k.ScalePainterY(2)->MarginRight(), 50 + 280 - 121) << "50 pixels further left";
    // Layer 6's X axis sits above the plot area (its default side) at 60 pixels.
    k.LayerScaleX(6)->SetVisible(true);
    EXPECT_EQ(k.ScalePainterX(6)->ScaleType(), TScaleType::sctXB);
    EXPECT_EQ(k.ScalePainterX(6)->MarginBottom(), 60 + 200 - 20 - 1);
    EXPECT_EQ(k.LayerScaleX(6)->ScaleLocation(), TScaleLocationHoriz::slBottom);
}

TEST(KurvexPaintersTest, PainterTakesEveryAxisSettingOver)
{
    THeadlessHost host;
    TKurvex k(nullptr);
    TScalePropsHoriz& a = *k.LayerScaleX(3);
    k.SetLayerRange(3, 1, 0, 1000, 1);
    a.SetCaption("Pressure");
    a.SetCaptionPosX(4);
    a.SetCaptionPosY(-6);
    a.SetCaptionAlignment(TAlignment::taLeftJustify);
    a.SetCaptionAnchor(TScaleUnitAnchor::uaSclBotRgt);
    a.SetColorScale(clRed);
    a.SetLabelType(TFigType::ftUserText);
    a.SetDecPlaces(3);
    a.SetLogarithmic(true);
    a.SetShortTicks(false);
    a.SetMinTicks(5);
    a.SetScaleInscript("bar");
    a.SetUserTickText("a|b");
    a.SetVisible(true);
    a.Font()->SetHeight(-17);
    a.Font()->SetColor(clGreen);
    a.Font()->SetStyle({TFontStyle::fsBold});
    a.DateFormat()->SetTimeFormat(TTimeFormat::tfAMPM);
    a.DateFormat()->SetDateSeparator('/');
    a.DateFormat()->SetTimeSeparator('.');
    a.DateFormat()->SetYearLength(TYearLength::ylYY);
    a.DateFormat()->SetMonthName(false);
    a.DateFormat()->SetDateForTime(TDateForTime::dtAllTicks);
    a.DateFormat()->SetDateOrder(TDateOrder::doYYMMDD);

    TScale& p = *k.ScalePainterX(3);
    EXPECT_EQ(p.Caption(), "Pressure");
    EXPECT_EQ(p.CaptionPosX(), 4);
    EXPECT_EQ(p.CaptionPosY(), -6);
    EXPECT_EQ(p.CaptionAlignment(), TAlignment::taLeftJustify);
    EXPECT_EQ(p.CaptionAnchor(), TScaleUnitAnchor::uaSclBotRgt);
    EXPECT_EQ(p.ColorScale(), clRed);
    EXPECT_EQ(p.LabelType(), TFigType::ftUserText);
    EXPECT_EQ(p.DecPlaces(), 3);
    EXPECT_TRUE(p.Logarithmic());
    EXPECT_FALSE(p.ShortTicks());
    EXPECT_EQ(p.MinTicks(), 5);
    EXPECT_EQ(p.ScaleInscript(), "bar");
    EXPECT_EQ(p.UserTickText(), "a|b");
    EXPECT_TRUE(p.Visible());
    EXPECT_EQ(p.RangeLow(), 1);
    EXPECT_EQ(p.RangeHigh(), 1000);
    EXPECT_EQ(p.Font()->Height(), -17);
    EXPECT_EQ(p.Font()->Color(), clGreen);
    EXPECT_TRUE(p.Font()->Style().Contains(TFontStyle::fsBold));
    const TDTLabel& d = *p.DateFormat();
    EXPECT_EQ(d.TimeFormat(), TTimeFormat::tfAMPM);
    EXPECT_EQ(d.DateSeparator(), '/');
    EXPECT_EQ(d.TimeSeparator(), '.');
    EXPECT_EQ(d.YearLength(), TYearLength::ylYY);
    EXPECT_FALSE(d.MonthName());
    EXPECT_EQ(d.DateForTime(), TDateForTime::dtAllTicks);
    EXPECT_EQ(d.DateOrder(), TDateOrder::doYYMMDD);
    EXPECT_FALSE(k.ScalePainterX(4)->Visible()) << "the neighbours keep their own settings";
    EXPECT_EQ(k.ScalePainterY(3)->Caption(), "");
}

// Any axis change (and a painter's zoom/pan report) re-applies every layer's
// stored ranges, so joined layers follow and the transform is current.
TEST(KurvexPaintersTest, SettingsChangesReapplyAllRanges)
{
    THeadlessHost host;
    TKurvex k(nullptr);
    k.JointLayers()->SetL02xControlledBy(1);
    k.LayerScaleX(1)->StoreRangeHigh(7);  // written past the chart
    k.LayerScaleX(9)->StoreRangeHigh(4);
    k.LayerScaleY(11)->SetCaption("any change");
    EXPECT_EQ(k.LayerScaleX(2)->RangeHigh(), 7);
    EXPECT_EQ(k.ScalePainterX(2)->RangeHigh(), 7);
    EXPECT_EQ(k.Kx(9), k.PlotWidth() / 4.0L);

    k.LayerScaleY(7)->StoreRangeHigh(3);
    TScale& painter = *k.ScalePainterY(7);
    ASSERT_TRUE(bool(painter.OnZoomPan));
    painter.OnZoomPan(&painter);
    EXPECT_EQ(painter.RangeHigh(), 3);
    EXPECT_EQ(k.Ky(7), -k.PlotHeight() / 3.0L);
}

class KurvexPaintedAxesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = Application().CreateForm<TForm>();
        form->SetClientWidth(600);
        form->SetClientHeight(400);
        k = new TKurvex(form);
        k->SetParent(form);
        form->Show();
    }
    void TearDown() override { Application().DestroyForms(); }

    THeadlessHost host;
    TForm* form = nullptr;
    TKurvex* k = nullptr;
};

TEST_F(KurvexPaintedAxesTest, OnlyVisibleAxesDrawAndTheirEventsComeFromTheChart)
{
    std::vector<TObject*> senders;
    std::vector<TScaleType> labelled, drawn;
    k->OnBeforeTickLabel = [&](TObject* sender, TScaleType type, double, std::string& text) {
        senders.push_back(sender);
        labelled.push_back(type);
        text = "<" + text + ">";
    };
    k->OnScaleTickDrawn = [&](TObject* sender, TCanvas* canvas, TScaleType type, double, int32_t, int32_t) {
        senders.push_back(sender);
        drawn.push_back(type);
        EXPECT_EQ(canvas, k->FrameBitmap()->Canvas());
    };
    k->Paint();
    ASSERT_FALSE(labelled.empty());
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(size_t(std::count(senders.begin(), senders.end(), k)), senders.size()) << "the chart is the Sender";
    for (TScaleType t : labelled) EXPECT_TRUE(t == TScaleType::sctXT || t == TScaleType::sctYR);
    for (int32_t l = 1; l <= 16; ++l) {
        EXPECT_EQ(k->ScalePainterX(l)->NumTicks() > 0, l == 1) << "X" << l;
        EXPECT_EQ(k->ScalePainterY(l)->NumTicks() > 0, l == 1) << "Y" << l;
    }

    // A newly visible axis draws at the next paint, with the same forwarding.
    k->SetStandardLayout(TkxLayout::kxl_X1Bottom_Y2Both);
    senders.clear();
    labelled.clear();
    k->Paint();
    EXPECT_GT(k->ScalePainterY(2)->NumTicks(), 0);
    EXPECT_NE(std::find(labelled.begin(), labelled.end(), TScaleType::sctYL), labelled.end());
    EXPECT_EQ(size_t(std::count(senders.begin(), senders.end(), k)), senders.size());
}

}  // namespace

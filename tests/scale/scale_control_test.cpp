// The scale control: setter rules, the value-to-pixel mapping, when it
// paints, Assign, the range arithmetic of a drag and the mouse handling.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Pen.h"
#include "platform/headless/HeadlessHost.h"
#include "scale/QVX_Scale.h"

using namespace qvx;

namespace {

void ExpectRange(const TScale& s, double low, double high)
{
    EXPECT_NEAR(s.RangeLow(), low, 1e-9 * std::max(1.0, std::fabs(low)));
    EXPECT_NEAR(s.RangeHigh(), high, 1e-9 * std::max(1.0, std::fabs(high)));
}

}  // namespace

// --- Setters -------------------------------------------------------------------------------

TEST(ScaleSetters, ClampedIntegers)
{
    struct Case {
        const char* name;
        std::function<void(TScale&, int32_t)> set;
        std::function<int32_t(const TScale&)> get;
        int32_t value, stored;
    };
    const auto setDec = [](TScale& s, int32_t v) { s.SetDecPlaces(v); };
    const auto getDec = [](const TScale& s) { return s.DecPlaces(); };
    const auto setMin = [](TScale& s, int32_t v) { s.SetMinTicks(v); };
    const auto getMin = [](const TScale& s) { return s.MinTicks(); };
    const Case cases[] = {
        {"DecPlaces 20", setDec, getDec, 20, 12},
        {"DecPlaces -7", setDec, getDec, -7, -3},
        {"DecPlaces -3", setDec, getDec, -3, -3},
        {"DecPlaces 12", setDec, getDec, 12, 12},
        {"MinTicks 1", setMin, getMin, 1, 2},
        {"MinTicks 15", setMin, getMin, 15, 10},
        {"MinTicks 0", setMin, getMin, 0, 0},
        {"MinTicks -4", setMin, getMin, -4, 2},
        {"MinTicks 7", setMin, getMin, 7, 7},
        {"MarginLeft -5", [](TScale& s, int32_t v) { s.SetMarginLeft(v); },
         [](const TScale& s) { return s.MarginLeft(); }, -5, 0},
        {"MarginRight -5", [](TScale& s, int32_t v) { s.SetMarginRight(v); },
         [](const TScale& s) { return s.MarginRight(); }, -5, 0},
        {"MarginTop -5", [](TScale& s, int32_t v) { s.SetMarginTop(v); },
         [](const TScale& s) { return s.MarginTop(); }, -5, 0},
        {"MarginBottom -5", [](TScale& s, int32_t v) { s.SetMarginBottom(v); },
         [](const TScale& s) { return s.MarginBottom(); }, -5, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TScale s(nullptr);
        c.set(s, c.value);
        EXPECT_EQ(c.get(s), c.stored);
    }
}

TEST(ScaleSetters, MarginsRecomputeTheMapping)
{
    TScale s(nullptr);  // 400 x 400, 0..100, margins 20
    s.SetMarginLeft(-5);
    EXPECT_EQ(s.ValueToPixel(0), 0);
    EXPECT_EQ(s.ValueToPixel(100), 400 - 20 - 1);
    s.SetScaleType(TScaleType::sctYL);
    s.SetMarginTop(-5);
    s.SetMarginBottom(50);
    EXPECT_EQ(s.ValueToPixel(100), 0);
    EXPECT_EQ(s.ValueToPixel(0), 400 - 50 - 1);
}

TEST(ScaleSetters, EqualBoundsAreSeparated)
{
    struct Case {
        const char* name;
        std::function<void(TScale&)> act;
        double low, high;
    };
    const Case cases[] = {
        {"RangeHigh := RangeLow reverses", [](TScale& s) { s.SetRangeHigh(0); }, 1, 0},
        {"RangeLow := RangeHigh", [](TScale& s) { s.SetRangeLow(100); }, 100, 101},
        {"SetRange with equal bounds", [](TScale& s) { s.SetRange(5, 5); }, 5, 6},
        {"SetRange reversed", [](TScale& s) { s.SetRange(7, -3); }, 7, -3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TScale s(nullptr);
        c.act(s);
        EXPECT_EQ(s.RangeLow(), c.low);
        EXPECT_EQ(s.RangeHigh(), c.high);
        // RangeLow at the left end, RangeHigh at the right end.
        EXPECT_EQ(s.ValueToPixel(c.low), 20);
        EXPECT_EQ(s.ValueToPixel(c.high), 379);
    }
}

TEST(ScaleSetters, LogarithmicAcceptance)
{
    struct Case {
        const char* name;
        bool loaded;
        double low, high;
        TFigType labelType;
        bool accepted;
    };
    const Case cases[] = {
        {"loaded, RangeLow 0", true, 0, 100, TFigType::ftNum, false},
        {"loaded, negative RangeHigh", true, 10, -1, TFigType::ftNum, false},
        {"loaded, RangeLow below 1e-100", true, 1e-101, 100, TFigType::ftNum, false},
        {"loaded, positive bounds", true, 1, 1000, TFigType::ftNum, true},
        {"loaded, date/time labels", true, 1, 1000, TFigType::ftDateTime, false},
        {"run time, RangeLow 0", false, 0, 100, TFigType::ftNum, true},
        {"run time, positive bounds", false, 1, 1000, TFigType::ftNum, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TScale s(nullptr);
        s.SetRange(c.low, c.high);
        s.SetLabelType(c.labelType);
        if (c.loaded) {
            s.BeginLoading();
            s.EndLoading();
        }
        EXPECT_EQ(s.NotYetLoaded(), !c.loaded);
        const double ppu = s.PixPerUnit(), off = s.PixOffset();
        s.SetLogarithmic(true);
        EXPECT_EQ(s.Logarithmic(), c.accepted);
        if (c.accepted && c.low > 0) {
            EXPECT_EQ(s.ValueToPixel(10), 140);  // a third of 359 pixels from 20
        } else {
            EXPECT_EQ(s.PixPerUnit(), ppu) << "the factors stay";
            EXPECT_EQ(s.PixOffset(), off);
        }
        s.SetLogarithmic(false);
        EXPECT_FALSE(s.Logarithmic());
    }
}

TEST(ScaleSetters, NothingIsRecomputedWhileLoading)
{
    TScale s(nullptr);
    s.BeginLoading();
    s.SetRange(0, 50);
    EXPECT_EQ(s.ValueToPixel(40), 164);  // still the 0..100 mapping
    s.EndLoading();
    EXPECT_EQ(s.ValueToPixel(40), 307);
}

TEST(ScaleSetters, LabelTypeSideEffects)
{
    TScale s(nullptr);
    s.SetRange(1, 1000);
    s.SetLogarithmic(true);
    ASSERT_EQ(s.ValueToPixel(10), 140);
    s.SetLabelType(TFigType::ftDateTime);
    EXPECT_FALSE(s.Logarithmic());
    EXPECT_EQ(s.ValueToPixel(10), 23) << "linear at once: 20 + 359 * 9 / 999";
    EXPECT_EQ(s.ValueToPixel(1000), 379);

    TScale t(nullptr);
    t.SetLabelType(TFigType::ftTime);
    EXPECT_EQ(t.DecPlaces(), 4);
}

// --- Mapping -------------------------------------------------------------------------------

TEST(ScaleMapping, ValueToPixel)
{
    struct Case {
        const char* name;
        TScaleType type;
        bool log;
        double low, high;
        double value;
        int32_t pixel;
    };
    // 400 x 300 with margins of 20: 359 pixels across, 259 down.
    const Case cases[] = {
        {"horizontal low end", TScaleType::sctXB, false, 0, 100, 0, 20},
        {"horizontal high end", TScaleType::sctXB, false, 0, 100, 100, 379},
        {"horizontal inside", TScaleType::sctXT, false, 0, 100, 25, 110},
        {"horizontal beyond", TScaleType::sctXT, false, 0, 100, 200, 738},
        {"horizontal reversed", TScaleType::sctXB, false, 100, 0, 75, 110},
        {"vertical high end at the top", TScaleType::sctYL, false, 0, 100, 100, 20},
        {"vertical low end at the bottom", TScaleType::sctYR, false, 0, 100, 0, 279},
        {"vertical inside", TScaleType::sctYL, false, 0, 100, 25, 214},
        {"clamped above", TScaleType::sctXB, false, 0, 100, 1e300, 2147483647},
        {"clamped below to -(2^31 - 1)", TScaleType::sctXB, false, 0, 100, -1e300, -2147483647},
        {"log horizontal low end", TScaleType::sctXB, true, 1, 1000, 1, 20},
        {"log horizontal high end", TScaleType::sctXB, true, 1, 1000, 1000, 379},
        {"log horizontal decade", TScaleType::sctXB, true, 1, 1000, 10, 140},
        {"log vertical decade", TScaleType::sctYL, true, 1, 1000, 10, 193},
        {"log vertical high end", TScaleType::sctYR, true, 1, 1000, 1000, 20},
        {"log reversed", TScaleType::sctXB, true, 1000, 1, 1000, 20},
        {"log, zero", TScaleType::sctXB, true, 1, 1000, 0, 0},
        {"log, 1e-101", TScaleType::sctYL, true, 1, 1000, 1e-101, 0},
        {"log, negative", TScaleType::sctXB, true, 1, 1000, -5, 0},
        {"log reversed, zero maps to Width", TScaleType::sctXB, true, 1000, 1, 0, 400},
        {"log reversed vertical, zero maps to Width", TScaleType::sctYL, true, 1000, 1, 1e-200, 400},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TScale s(nullptr);
        s.SetBounds(0, 0, 400, 300);
        s.SetScaleType(c.type);
        s.SetRange(c.low, c.high);
        s.SetLogarithmic(c.log);
        EXPECT_EQ(s.ValueToPixel(c.value), c.pixel);
    }
}

TEST(ScaleMapping, FactorsAndDegenerateExtent)
{
    TScale s(nullptr);
    s.SetBounds(0, 0, 400, 300);
    EXPECT_DOUBLE_EQ(s.PixPerUnit(), 3.59);
    EXPECT_DOUBLE_EQ(s.PixOffset(), 20);
    s.SetScaleType(TScaleType::sctYL);
    EXPECT_DOUBLE_EQ(s.PixPerUnit(), -2.59);
    EXPECT_DOUBLE_EQ(s.PixOffset(), 279);

    // Smaller than its margins: every value maps to the middle.
    s.SetBounds(0, 0, 400, 41);  // extent 0
    EXPECT_EQ(s.PixPerUnit(), 0);
    EXPECT_EQ(s.PixOffset(), 20.5);
    EXPECT_EQ(s.ValueToPixel(-1000), 20) << "20.5 rounds to the even neighbour";
    EXPECT_EQ(s.ValueToPixel(1000), 20);
    s.SetScaleType(TScaleType::sctXT);
    s.SetBounds(0, 0, 30, 300);
    EXPECT_EQ(s.PixOffset(), 15);
    EXPECT_EQ(s.ValueToPixel(77), 15);
    s.SetRange(1, 1000);
    s.SetLogarithmic(true);
    EXPECT_EQ(s.ValueToPixel(77), 15);
}

// --- When it paints ------------------------------------------------------------------------

TEST(ScalePaint, VisibilityDesignTimeAndEmbedding)
{
    struct Case {
        bool visible, designing, embedded, painted;
    };
    const Case cases[] = {
        {true, false, false, true},   {false, false, false, false}, {false, true, false, true},
        {false, true, true, false},   {true, false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "visible " << c.visible << " designing " << c.designing << " embedded "
                                          << c.embedded);
        TScale s(nullptr);
        TBitmap target(400, 400);
        s.SetTargetCanvas(target.Canvas(), 0, 0);
        s.SetVisible(c.visible);
        s.SetDesigning(c.designing);
        s.SetEmbedded(c.embedded);
        int paints = 0;
        s.OnBeforeScaleRendered = [&](TObject*, TCanvas*) { ++paints; };
        s.ForcePaint();
        EXPECT_EQ(paints, c.painted ? 1 : 0);
        EXPECT_TRUE(s.PaintSuspended());
    }
}

// --- Assign --------------------------------------------------------------------------------

TEST(ScaleAssign, CopiesTheScaleSettingsOnly)
{
    TScale src(nullptr), dst(nullptr);
    src.SetBounds(0, 0, 300, 200);
    src.SetFrameStyle(TFrameStyle::fsRaised);
    src.SetColorBackGnd(clYellow);
    src.SetColorScale(clRed);
    src.SetColorScheme(TColorScheme::csSystem);
    src.SetRange(1, 1000);
    src.SetLogarithmic(true);
    src.SetShortTicks(false);
    src.SetMinTicks(5);
    src.SetDecPlaces(3);
    src.SetShowBaseLine(false);
    src.SetLabelType(TFigType::ftUserText);
    src.DateFormat()->SetDateOrder(TDateOrder::doYYMMDD);
    src.SetMarginLeft(1);
    src.SetMarginRight(2);
    src.SetMarginTop(3);
    src.SetMarginBottom(4);
    src.SetCaptionPosX(7);
    src.SetCaptionPosY(8);
    src.SetUserTickText("a|b");
    src.SetScaleInscript("&%");
    src.SetCaption("Cap");
    src.SetCaptionAnchor(TScaleUnitAnchor::uaSclBotRgt);
    src.SetCaptionAlignment(TAlignment::taRightJustify);
    src.SetScaleType(TScaleType::sctYR);
    int tickHandler = 0, labelHandler = 0, beforeHandler = 0, afterHandler = 0, srcZoomPan = 0, dstZoomPan = 0;
    src.OnScaleTickDrawn = [&](TObject*, TCanvas*, TScaleType, double, int32_t, int32_t) { ++tickHandler; };
    src.OnBeforeTickLabel = [&](TObject*, TScaleType, double, std::string&) { ++labelHandler; };
    src.OnBeforeScaleRendered = [&](TObject*, TCanvas*) { ++beforeHandler; };
    src.OnAfterScaleRendered = [&](TObject*, TCanvas*) { ++afterHandler; };
    src.OnZoomPan = [&](TObject*) { ++srcZoomPan; };
    src.SetMouseAction(TMouseActMode::maPan);
    src.Font()->SetHeight(-30);
    TBitmap bmp(300, 200), target(10, 10);
    src.DrawVertScale(*bmp.Canvas(), 297);  // records ticks
    ASSERT_GT(src.NumTicks(), 0);
    src.SetTargetCanvas(target.Canvas(), 11, 12);
    src.SetEmbedded(true);

    dst.OnZoomPan = [&](TObject*) { ++dstZoomPan; };
    dst.SetMouseAction(TMouseActMode::maZoom);
    const int32_t dstFontHeight = dst.Font()->Height();
    dst.Assign(&src);

    EXPECT_EQ(dst.FrameStyle(), TFrameStyle::fsRaised);
    EXPECT_EQ(dst.ColorBackGnd(), clYellow);
    EXPECT_EQ(dst.ColorScale(), clRed);
    EXPECT_EQ(dst.ColorScheme(), TColorScheme::csSystem);
    EXPECT_EQ(dst.FrameColorShadow(), clBtnShadow);
    EXPECT_EQ(dst.FrameColorLight(), clBtnHighlight);
    EXPECT_TRUE(dst.Logarithmic());
    EXPECT_EQ(dst.PixPerUnit(), src.PixPerUnit());
    EXPECT_EQ(dst.PixOffset(), src.PixOffset());
    EXPECT_EQ(dst.RangeLow(), 1);
    EXPECT_EQ(dst.RangeHigh(), 1000);
    EXPECT_FALSE(dst.ShortTicks());
    EXPECT_EQ(dst.MinTicks(), 5);
    EXPECT_EQ(dst.DecPlaces(), 3);
    EXPECT_FALSE(dst.ShowBaseLine());
    EXPECT_EQ(dst.LabelType(), TFigType::ftUserText);
    EXPECT_EQ(dst.DateFormat()->DateOrder(), TDateOrder::doYYMMDD);
    EXPECT_EQ(dst.MarginLeft(), 1);
    EXPECT_EQ(dst.MarginRight(), 2);
    EXPECT_EQ(dst.MarginTop(), 3);
    EXPECT_EQ(dst.MarginBottom(), 4);
    EXPECT_EQ(dst.CaptionPosX(), 7);
    EXPECT_EQ(dst.CaptionPosY(), 8);
    EXPECT_EQ(dst.UserTickText(), "a|b");
    EXPECT_EQ(dst.ScaleInscript(), "&%");
    EXPECT_EQ(dst.Caption(), "Cap");
    EXPECT_EQ(dst.CaptionAnchor(), TScaleUnitAnchor::uaSclBotRgt);
    EXPECT_EQ(dst.CaptionAlignment(), TAlignment::taRightJustify);
    EXPECT_EQ(dst.ScaleType(), TScaleType::sctYR);
    EXPECT_EQ(dst.TargetOffsetX(), 11);
    EXPECT_EQ(dst.TargetOffsetY(), 12);
    EXPECT_TRUE(dst.Embedded());
    EXPECT_EQ(dst.NumTicks(), src.NumTicks());
    for (int32_t i = 1; i <= src.NumTicks(); ++i) EXPECT_EQ(dst.TickPos(i), src.TickPos(i));
    // Handlers of the drawing events come along.
    ASSERT_TRUE(dst.OnScaleTickDrawn && dst.OnBeforeTickLabel && dst.OnBeforeScaleRendered && dst.OnAfterScaleRendered);
    std::string text;
    tickHandler = labelHandler = beforeHandler = afterHandler = 0;
    dst.OnScaleTickDrawn(&dst, nullptr, TScaleType::sctXB, 0, 0, 0);
    dst.OnBeforeTickLabel(&dst, TScaleType::sctXB, 0, text);
    dst.OnBeforeScaleRendered(&dst, nullptr);
    dst.OnAfterScaleRendered(&dst, nullptr);
    EXPECT_EQ(tickHandler, 1);
    EXPECT_EQ(labelHandler, 1);
    EXPECT_EQ(beforeHandler, 1);
    EXPECT_EQ(afterHandler, 1);
    // Not copied: target canvas, font, mouse action, OnZoomPan, size.
    EXPECT_EQ(dst.TargetCanvas(), nullptr);
    EXPECT_EQ(dst.Font()->Height(), dstFontHeight);
    EXPECT_EQ(dst.MouseAction(), TMouseActMode::maZoom);
    ASSERT_TRUE(dst.OnZoomPan);
    dst.OnZoomPan(&dst);
    EXPECT_EQ(dstZoomPan, 1);
    EXPECT_EQ(srcZoomPan, 0);
    EXPECT_EQ(dst.Width(), 400);
}

TEST(ScaleAssign, PaintSuspendedIsCopied)
{
    TScale src(nullptr), dst(nullptr);
    TBitmap target(400, 400);
    src.SetTargetCanvas(target.Canvas(), 0, 0);
    src.SuspendPaint(false);
    ASSERT_TRUE(dst.PaintSuspended());
    dst.Assign(&src);
    EXPECT_FALSE(dst.PaintSuspended());
}

TEST(ScaleAssign, ForeignClassesRaiseConvertError)
{
    TScale s(nullptr);
    TPen pen;
    s.SetRange(3, 4);
    EXPECT_THROW(s.Assign(&pen), EConvertError);
    EXPECT_THROW(pen.Assign(&s), EConvertError);
    EXPECT_EQ(s.RangeLow(), 3);
}

// --- Drag arithmetic -----------------------------------------------------------------------

TEST(ScaleDragRange, ActionsOrientationsAndMappings)
{
    // 400 x 300 with margins 20 / 30 / 10 / 40: PW = 350, PH = 250; the
    // horizontal middle is x = 195, the vertical one y = 135.
    struct Case {
        const char* name;
        TMouseActMode action;
        TScaleType type;
        bool log;
        double low0, high0, low, high;  // range at arming and now
        int32_t p0, p;                  // pointer along the scale at arming and now
        double newLow, newHigh;
    };
    const auto H = TScaleType::sctXB, HT = TScaleType::sctXT, V = TScaleType::sctYL, VR = TScaleType::sctYR;
    const auto pan = TMouseActMode::maPan, zoom = TMouseActMode::maZoom, zd = TMouseActMode::maZoomDrag;
    const Case cases[] = {
        // The pan takes its span (ratio) from the current range.
        {"pan, horizontal", pan, H, false, 0, 100, 20, 70, 100, 170, -10, 90},
        {"pan, horizontal, log", pan, HT, true, 1, 1000, 1, 100, 200, 25, 10, 10000},
        {"pan, vertical", pan, V, false, 0, 100, 0, 50, 100, 150, 10, 110},
        {"pan, vertical, log", pan, VR, true, 1, 1000, 1, 100, 100, 225, 10, 10000},
        {"zoom, left half", zoom, H, false, 0, 100, 0, 100, 90, 160, 100 - 100 * 280.0 / 210, 100},
        {"zoom, right half", zoom, HT, false, 0, 100, 0, 100, 300, 370, 0, 80},
        {"zoom, exact horizontal middle counts as right", zoom, H, false, 0, 100, 0, 100, 195, 300, 0, 62.5},
        {"zoom, left half, log", zoom, H, true, 1, 10000, 1, 10000, 90, 265, 0.1, 10000},
        {"zoom, right half, log", zoom, HT, true, 1, 10000, 1, 10000, 300, 125, 1, 1e5},
        {"zoom, lower half", zoom, V, false, 0, 100, 0, 100, 200, 110, -90, 100},
        {"zoom, upper half", zoom, VR, false, 0, 100, 0, 100, 60, 10, 0, 80},
        {"zoom, exact vertical middle counts as upper", zoom, V, false, 0, 100, 0, 100, 135, 35, 0, 100 * 125.0 / 225},
        {"zoom, lower half, log", zoom, V, true, 1, 10000, 1, 10000, 200, 75, 0.1, 10000},
        {"zoom, upper half, log", zoom, VR, true, 1, 10000, 1, 10000, 60, 185, 1, 1e5},
        {"zoom drag, horizontal", zd, H, false, 0, 100, 0, 100, 100, 140, 5, 95},
        {"zoom drag, vertical", zd, V, false, 0, 100, 0, 100, 100, 130, -5, 105},
        {"zoom drag, horizontal, log", zd, HT, true, 1, 10000, 1, 10000, 100, 300, 10, 1000},
        {"zoom drag, vertical, log", zd, VR, true, 1, 10000, 1, 10000, 0, 150, 0.1, 1e5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const bool horizontal = c.type == H || c.type == HT;
        TScaleDragInput in;
        in.Width = 400, in.Height = 300;
        in.MarginLeft = 20, in.MarginRight = 30, in.MarginTop = 10, in.MarginBottom = 40;
        // The pointer across the scale must not matter.
        in.X = horizontal ? c.p : 57, in.X0 = horizontal ? c.p0 : 3;
        in.Y = horizontal ? 57 : c.p, in.Y0 = horizontal ? 3 : c.p0;
        in.Low0 = c.low0, in.High0 = c.high0, in.Low = c.low, in.High = c.high;
        in.Action = c.action, in.ScaleType = c.type, in.Logarithmic = c.log;
        double lo = 0, hi = 0;
        ASSERT_TRUE(ScaleDragRange(in, lo, hi));
        EXPECT_NEAR(lo, c.newLow, 1e-9 * std::max(1.0, std::fabs(c.newLow)));
        EXPECT_NEAR(hi, c.newHigh, 1e-9 * std::max(1.0, std::fabs(c.newHigh)));
        if (c.action == zoom && !c.log) {
            // The value that was under the pointer at arming is under it now.
            auto valueAt = [&](double l, double h, int32_t p) {
                return horizontal ? l + (h - l) * (p - 20) / 350.0 : h - (h - l) * (p - 10) / 250.0;
            };
            EXPECT_NEAR(valueAt(lo, hi, c.p), valueAt(c.low0, c.high0, c.p0), 1e-9);
        }
    }
}

TEST(ScaleDragRange, OtherActionsLeaveTheOutputs)
{
    for (TMouseActMode a : {TMouseActMode::maNone, TMouseActMode::maPanHoriz, TMouseActMode::maRubberBand,
                            TMouseActMode::maZoomWind, TMouseActMode::maDragCrossH}) {
        SCOPED_TRACE(int(a));
        TScaleDragInput in;
        in.X = 100, in.X0 = 50, in.Width = 400, in.Height = 300;
        in.Low0 = in.Low = 0, in.High0 = in.High = 100;
        in.Action = a;
        double lo = -7, hi = -8;
        EXPECT_FALSE(ScaleDragRange(in, lo, hi));
        EXPECT_EQ(lo, -7);
        EXPECT_EQ(hi, -8);
    }
}

// --- Mouse -------------------------------------------------------------------------------------

namespace {

// Counts the paints that get past the suspension.
class CountingScale : public TScale {
public:
    using TScale::TScale;
    int paints = 0;
    void Paint() override
    {
        if (!PaintSuspended()) ++paints;
        TScale::Paint();
    }
};

class ScaleMouseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = Application().CreateForm<TForm>();
        form->SetClientWidth(500);
        form->SetClientHeight(500);
        scale = new CountingScale(form);
        scale->SetParent(form);  // 400 x 400, margins 20: PW = PH = 360
        scale->OnZoomPan = [this](TObject* sender) {
            EXPECT_EQ(sender, scale);
            ++zoomPans;
            rangeSeen = {scale->RangeLow(), scale->RangeHigh()};
        };
        form->Show();
    }
    void TearDown() override { Application().DestroyForms(); }
    void Move(int32_t x, int32_t y) { host.MouseMove(*scale, x, y, MK_LBUTTON); }

    THeadlessHost host;
    TForm* form = nullptr;
    CountingScale* scale = nullptr;
    int zoomPans = 0;
    std::pair<double, double> rangeSeen;
};

}  // namespace

TEST_F(ScaleMouseTest, PanDerivesEveryMoveFromTheDragStart)
{
    ASSERT_FALSE(scale->PaintSuspended()) << "a scale with a window paints";
    scale->SetMouseAction(TMouseActMode::maPan);
    host.MouseDown(*scale, TMouseButton::mbLeft, 100, 200);
    Move(100, 200);  // first counted move: records only
    EXPECT_TRUE(scale->Dragging());
    ExpectRange(*scale, 0, 100);
    EXPECT_EQ(zoomPans, 0);

    scale->paints = 0;
    Move(136, 200);
    ExpectRange(*scale, -10, 90);
    EXPECT_EQ(zoomPans, 1);
    EXPECT_EQ(rangeSeen, std::make_pair(scale->RangeLow(), scale->RangeHigh()));
    EXPECT_EQ(scale->paints, 1) << "one redraw per move";
    EXPECT_FALSE(scale->PaintSuspended());

    Move(136, 200);  // the same point again gives the same range
    ExpectRange(*scale, -10, 90);
    Move(172, 200);
    ExpectRange(*scale, -20, 80);
    EXPECT_EQ(zoomPans, 3);

    host.MouseUp(*scale, TMouseButton::mbLeft, 172, 200);
    EXPECT_FALSE(scale->Dragging());
    Move(100, 200);  // a new drag starts with a recording move
    ExpectRange(*scale, -20, 80);
    EXPECT_EQ(zoomPans, 3);
}

TEST_F(ScaleMouseTest, ActiveAreaIsStrict)
{
    struct Case {
        TScaleType type;
        int32_t x, y;
        bool counts;
    };
    const Case cases[] = {
        {TScaleType::sctXB, 20, 200, false}, {TScaleType::sctXB, 380, 200, false},
        {TScaleType::sctXB, 100, 0, false},  {TScaleType::sctXB, 100, 400, false},
        {TScaleType::sctXT, 21, 1, true},    {TScaleType::sctXT, 379, 399, true},
        {TScaleType::sctYL, 0, 200, false},  {TScaleType::sctYL, 400, 200, false},
        {TScaleType::sctYR, 200, 20, false}, {TScaleType::sctYR, 200, 380, false},
        {TScaleType::sctYL, 1, 21, true},    {TScaleType::sctYR, 399, 379, true},
    };
    scale->SetMouseAction(TMouseActMode::maPan);
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << int(c.type) << " (" << c.x << ", " << c.y << ")");
        scale->SetScaleType(c.type);
        scale->SetRange(0, 100);
        zoomPans = 0;
        host.MouseDown(*scale, TMouseButton::mbLeft, c.x, c.y);
        Move(c.x, c.y);
        EXPECT_EQ(scale->Dragging(), c.counts);
        // Outside points change nothing, also later in a drag.
        Move(150, 150);
        Move(c.x, c.y);
        if (!c.counts) ExpectRange(*scale, 0, 100);
        host.MouseUp(*scale, TMouseButton::mbLeft, c.x, c.y);
        EXPECT_EQ(zoomPans, c.counts ? 2 : 0);
    }
    // Without the left button nothing counts.
    scale->SetScaleType(TScaleType::sctXB);
    host.MouseMove(*scale, 100, 200);
    EXPECT_FALSE(scale->Dragging());
}

TEST_F(ScaleMouseTest, DragResultsPerAction)
{
    struct Case {
        const char* name;
        TMouseActMode action;
        TScaleType type;
        bool log;
        double low, high;
        int32_t p0, p;  // pointer along the scale
        double newLow, newHigh;
        bool applies;
    };
    const Case cases[] = {
        {"zoom, left half", TMouseActMode::maZoom, TScaleType::sctXB, false, 0, 100, 100, 60, 12.5, 100, true},
        {"zoom, right half", TMouseActMode::maZoom, TScaleType::sctXT, false, 0, 100, 300, 370, 0, 80, true},
        {"zoom drag", TMouseActMode::maZoomDrag, TScaleType::sctXB, false, 0, 100, 100, 140, 5, 95, true},
        {"pan, vertical", TMouseActMode::maPan, TScaleType::sctYL, false, 0, 100, 100, 136, 10, 110, true},
        {"zoom, lower half", TMouseActMode::maZoom, TScaleType::sctYR, false, 0, 100, 300, 370, 20, 100, true},
        {"pan, log", TMouseActMode::maPan, TScaleType::sctXB, true, 1, 1000, 200, 80, 10, 10000, true},
        {"zoom, upper half, log", TMouseActMode::maZoom, TScaleType::sctYL, true, 1, 10000, 100, 280, 1, 1e5, true},
        {"no action", TMouseActMode::maNone, TScaleType::sctXB, false, 0, 100, 100, 200, 0, 100, false},
        {"foreign action", TMouseActMode::maRubberBand, TScaleType::sctXB, false, 0, 100, 100, 200, 0, 100, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const bool horizontal = c.type == TScaleType::sctXB || c.type == TScaleType::sctXT;
        scale->SetLogarithmic(false);
        scale->SetScaleType(c.type);
        scale->SetRange(c.low, c.high);
        scale->SetLogarithmic(c.log);
        scale->SetMouseAction(c.action);
        zoomPans = 0;
        const int32_t across = 150;
        host.MouseDown(*scale, TMouseButton::mbLeft, horizontal ? c.p0 : across, horizontal ? across : c.p0);
        Move(horizontal ? c.p0 : across, horizontal ? across : c.p0);
        Move(horizontal ? c.p : across, horizontal ? across : c.p);
        host.MouseUp(*scale, TMouseButton::mbLeft, horizontal ? c.p : across, horizontal ? across : c.p);
        ExpectRange(*scale, c.newLow, c.newHigh);
        EXPECT_EQ(zoomPans, c.applies ? 1 : 0);
    }
}

TEST_F(ScaleMouseTest, DoubleClickTogglesPanAndZoom)
{
    struct Case {
        TMouseActMode before, after;
    };
    const Case cases[] = {
        {TMouseActMode::maPan, TMouseActMode::maZoom},
        {TMouseActMode::maZoom, TMouseActMode::maPan},
        {TMouseActMode::maNone, TMouseActMode::maNone},
        {TMouseActMode::maZoomDrag, TMouseActMode::maZoomDrag},
    };
    int dblClicks = 0;
    scale->OnDblClick = [&](TObject*) { ++dblClicks; };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.before));
        scale->SetMouseAction(c.before);
        host.DoubleClick(*scale, 100, 200);
        EXPECT_EQ(scale->MouseAction(), c.after);
    }
    EXPECT_EQ(dblClicks, 4);
    scale->SetMouseAction(TMouseActMode::maPan);
    host.DoubleClick(*scale, 100, 200);
    host.DoubleClick(*scale, 100, 200);
    EXPECT_EQ(scale->MouseAction(), TMouseActMode::maPan);
}

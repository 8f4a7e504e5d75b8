// The per-axis settings of the chart's layers: defaults, the setter rules
// with their notifications, the owned font and date format, Loading, and the
// Assign protocol.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "chart/ScaleProps.h"
#include "platform/core/Exceptions.h"
#include "tests/support/ChangeLog.h"

using namespace qvx;

namespace {

using qvx::testing::ChangeLog;

auto DateFields(const TDTLabel& d)
{
    return std::make_tuple(int(d.TimeFormat()), d.DateSeparator(), d.TimeSeparator(), int(d.YearLength()),
                           d.MonthName(), int(d.DateOrder()), int(d.DateForTime()));
}

auto FontFields(const TFont& f)
{
    const TFontStyles s = f.Style();
    return std::make_tuple(f.Name(), f.Height(), s.Contains(TFontStyle::fsBold), s.Contains(TFontStyle::fsItalic),
                           s.Contains(TFontStyle::fsUnderline), s.Contains(TFontStyle::fsStrikeOut), f.Color(),
                           f.PixelsPerInch());
}

// Everything Assign copies apart from the handler.
auto Fields(const TScaleProps& p)
{
    return std::tuple_cat(std::make_tuple(p.Caption(), p.CaptionPosX(), p.CaptionPosY(), int(p.CaptionAlignment()),
                                          int(p.CaptionAnchor()), p.ColorScale()),
                          DateFields(*p.DateFormat()),
                          std::make_tuple(p.DecPlaces(), p.Logarithmic(), int(p.LabelType())),
                          FontFields(*p.Font()),
                          std::make_tuple(p.MinTicks(), p.Loading(), p.RangeLow(), p.RangeHigh(), p.ShortTicks(),
                                          p.ScaleInscript(), int(p.ScaleType()), p.YScalePos(), p.XScalePos(),
                                          p.MinRange(), p.UserTickText(), p.Visible()));
}

void MakeOddFont(TFont& f)
{
    f.SetName("DejaVu Serif");
    f.SetHeight(-17);
    f.SetStyle({TFontStyle::fsBold, TFontStyle::fsItalic});
    f.SetColor(clTeal);
    f.SetPixelsPerInch(120);
}

void MakeOddDateFormat(TDTLabel& d)
{
    d.SetTimeFormat(TTimeFormat::tfAMPM);
    d.SetDateSeparator('/');
    d.SetTimeSeparator('.');
    d.SetYearLength(TYearLength::ylYY);
    d.SetMonthName(false);
    d.SetDateOrder(TDateOrder::doYYMMDD);
    d.SetDateForTime(TDateForTime::dtAllTicks);
}

// Low then High through the setters; from any start this lands on exactly
// [low, high] as long as the two are further apart than MinRange and the
// axis is linear.
void SetRange(TScaleProps& p, double low, double high)
{
    p.SetRangeLow(low);
    p.SetRangeHigh(high);
}

// Every setting away from its default, the internal ones included.
void FillEverything(TScaleProps& p)
{
    p.SetCaption("Temperature");
    p.SetCaptionPosX(7);
    p.SetCaptionPosY(-23);
    p.SetCaptionAlignment(TAlignment::taRightJustify);
    p.SetCaptionAnchor(TScaleUnitAnchor::uaSclBotRgt);
    p.SetColorScale(clPurple);
    TDTLabel d;
    MakeOddDateFormat(d);
    p.SetDateFormat(&d);
    p.SetLabelType(TFigType::ftTime);
    p.SetDecPlaces(5);
    SetRange(p, 2, 300);
    p.SetLogarithmic(true);
    p.SetLoading(false);
    TFont f;
    MakeOddFont(f);
    p.SetFont(&f);
    p.SetMinTicks(6);
    p.SetShortTicks(false);
    p.SetScaleInscript("degC");
    p.SetUserTickText("low;mid;high");
    p.SetVisible(true);
    p.SetMinRange(1e-3);
    p.SetScaleType(TScaleType::sctYL);
    p.SetScalePos(50);
    p.SetScaleType(TScaleType::sctXB);
    p.SetScalePos(30);
    p.SetMouseAction(TMouseActMode::maZoom);
}

}  // namespace

// --- Defaults ------------------------------------------------------------------------------

TEST(ScalePropsTest, NewObjectsHoldTheDefaultsOfBothForms)
{
    TScalePropsHoriz h;
    TScalePropsVert v;
    EXPECT_EQ(h.ScaleLocation(), TScaleLocationHoriz::slBottom);
    EXPECT_EQ(v.ScaleLocation(), TScaleLocationVert::slLeft);
    EXPECT_EQ(h.ClassName(), "TScalePropsHoriz");
    EXPECT_EQ(v.ClassName(), "TScalePropsVert");

    for (TScaleProps* p : {static_cast<TScaleProps*>(&h), static_cast<TScaleProps*>(&v)}) {
        SCOPED_TRACE(p->ClassName());
        EXPECT_EQ(p->Caption(), "");
        EXPECT_EQ(p->CaptionPosX(), 0);
        EXPECT_EQ(p->CaptionPosY(), 0);
        EXPECT_EQ(p->CaptionAlignment(), TAlignment::taCenter);
        EXPECT_EQ(p->CaptionAnchor(), TScaleUnitAnchor::uaSclTopLft);
        EXPECT_EQ(p->ColorScale(), 0);
        EXPECT_EQ(p->DecPlaces(), -2);
        EXPECT_FALSE(p->Logarithmic());
        EXPECT_EQ(p->LabelType(), TFigType::ftNum);
        EXPECT_EQ(p->MinTicks(), 3);
        EXPECT_EQ(p->MinRange(), 1e-10);
        EXPECT_EQ(p->MouseAction(), TMouseActMode::maNone);
        EXPECT_EQ(p->RangeLow(), 0.0);
        EXPECT_EQ(p->RangeHigh(), 1.0);
        EXPECT_TRUE(p->ShortTicks());
        EXPECT_EQ(p->ScaleInscript(), "");
        EXPECT_EQ(p->ScalePos(), 0);
        EXPECT_EQ(p->UserTickText(), "");
        EXPECT_FALSE(p->Visible());
        EXPECT_FALSE(p->OnChange);
        // Both forms start on the same side; the chart's arrangement moves them.
        EXPECT_EQ(p->ScaleType(), TScaleType::sctXT);
        EXPECT_EQ(p->XScalePos(), 0);
        EXPECT_EQ(p->YScalePos(), 0);
        EXPECT_TRUE(p->Loading());

        const TDTLabel* d = p->DateFormat();
        EXPECT_EQ(DateFields(*d), std::make_tuple(int(TTimeFormat::tfHHMMSS), '-', ':', int(TYearLength::ylYYYY), true,
                                                  int(TDateOrder::doDDMMYY), int(TDateForTime::dtOnePerDay)));
        EXPECT_FALSE(d->OnChange) << "the chart wires the date format's handler itself";
        EXPECT_EQ(FontFields(*p->Font()), FontFields(TFont()));
    }
}

// --- Setter rules --------------------------------------------------------------------------

TEST(ScalePropsTest, PlainSettersStoreTheValueUnchangedAndNotifyEvenWhenItIsTheSame)
{
    struct Case {
        const char* name;
        void (*set)(TScaleProps&);
        bool (*stored)(const TScaleProps&);
    };
    // Values a careless setter would clamp or filter (MinTicks outside the
    // scale control's 2..10, negative offsets, a system colour) are included.
    const Case cases[] = {
        {"Caption", [](TScaleProps& p) { p.SetCaption("Pressure\tbar"); },
         [](const TScaleProps& p) { return p.Caption() == "Pressure\tbar"; }},
        {"CaptionPosX", [](TScaleProps& p) { p.SetCaptionPosX(-40); },
         [](const TScaleProps& p) { return p.CaptionPosX() == -40; }},
        {"CaptionPosY", [](TScaleProps& p) { p.SetCaptionPosY(-23); },
         [](const TScaleProps& p) { return p.CaptionPosY() == -23; }},
        {"CaptionAlignment", [](TScaleProps& p) { p.SetCaptionAlignment(TAlignment::taLeftJustify); },
         [](const TScaleProps& p) { return p.CaptionAlignment() == TAlignment::taLeftJustify; }},
        {"CaptionAnchor", [](TScaleProps& p) { p.SetCaptionAnchor(TScaleUnitAnchor::uaSclCenter); },
         [](const TScaleProps& p) { return p.CaptionAnchor() == TScaleUnitAnchor::uaSclCenter; }},
        {"ColorScale", [](TScaleProps& p) { p.SetColorScale(clBtnFace); },
         [](const TScaleProps& p) { return p.ColorScale() == clBtnFace; }},
        {"MinTicks above 10", [](TScaleProps& p) { p.SetMinTicks(40); },
         [](const TScaleProps& p) { return p.MinTicks() == 40; }},
        {"MinTicks negative", [](TScaleProps& p) { p.SetMinTicks(-1); },
         [](const TScaleProps& p) { return p.MinTicks() == -1; }},
        {"ShortTicks", [](TScaleProps& p) { p.SetShortTicks(false); },
         [](const TScaleProps& p) { return !p.ShortTicks(); }},
        {"ScaleInscript", [](TScaleProps& p) { p.SetScaleInscript("x 1000"); },
         [](const TScaleProps& p) { return p.ScaleInscript() == "x 1000"; }},
        {"UserTickText", [](TScaleProps& p) { p.SetUserTickText("a\nb"); },
         [](const TScaleProps& p) { return p.UserTickText() == "a\nb"; }},
        {"Visible", [](TScaleProps& p) { p.SetVisible(true); }, [](const TScaleProps& p) { return p.Visible(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TScalePropsHoriz p;
        ChangeLog log;
        p.OnChange = log.Handler();
        c.set(p);
        c.set(p);
        EXPECT_TRUE(c.stored(p));
        EXPECT_EQ(log.count, 2);
        EXPECT_TRUE(log.AllFrom(&p));
    }
}

TEST(ScalePropsTest, DecPlacesIsClampedToMinus3Through12)
{
    const std::pair<int32_t, int32_t> cases[] = {{20, 12},  {13, 12}, {12, 12}, {4, 4},   {0, 0},
                                                 {-2, -2},  {-3, -3}, {-4, -3}, {-7, -3}, {INT32_MIN, -3},
                                                 {INT32_MAX, 12}};
    for (auto [given, stored] : cases) {
        SCOPED_TRACE(given);
        TScalePropsVert p;
        ChangeLog log;
        p.OnChange = log.Handler();
        p.SetDecPlaces(given);
        EXPECT_EQ(p.DecPlaces(), stored);
        EXPECT_EQ(log.count, 1);
    }
}

TEST(ScalePropsTest, LabelTypeDateTimeMakesTheAxisLinearAndTimeSetsFourDecimals)
{
    struct Case {
        TFigType type;
        bool logAfter;
        int32_t decAfter;
    };
    // Start: logarithmic [1, 100] with 7 decimals.
    const Case cases[] = {
        {TFigType::ftDateTime, false, 7}, {TFigType::ftTime, true, 4},    {TFigType::ftNum, true, 7},
        {TFigType::ftUserText, true, 7},  {TFigType::ftNoFigs, true, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.type));
        TScalePropsHoriz p;
        SetRange(p, 1, 100);
        p.SetLogarithmic(true);
        p.SetDecPlaces(7);
        ChangeLog log;
        p.OnChange = log.Handler();
        p.SetLabelType(c.type);
        EXPECT_EQ(p.LabelType(), c.type);
        EXPECT_EQ(p.Logarithmic(), c.logAfter);
        EXPECT_EQ(p.DecPlaces(), c.decAfter);
        EXPECT_EQ(log.count, 1);
    }
}

TEST(ScalePropsTest, LogarithmicIsCheckedAgainstRangeAndLabelTypeOnlyAfterLoading)
{
    struct Case {
        const char* name;
        bool loading;
        double low, high;
        TFigType type;
        bool result;
    };
    const Case cases[] = {
        {"loaded, range from 0", false, 0, 100, TFigType::ftNum, false},
        {"loaded, positive range", false, 1, 100, TFigType::ftNum, true},
        {"loaded, date/time labels", false, 1, 100, TFigType::ftDateTime, false},
        {"loaded, bound exactly 1e-100", false, 1e-100, 1, TFigType::ftNum, true},
        {"loaded, bound just below 1e-100", false, 5e-101, 1, TFigType::ftNum, false},
        {"loaded, high bound negative", false, 100, -1, TFigType::ftNum, false},
        {"loaded, inverted positive range", false, 100, 1, TFigType::ftNum, true},
        {"loading, range from 0", true, 0, 100, TFigType::ftNum, true},
        {"loading, negative range", true, -5, -1, TFigType::ftNum, true},
        {"loading, date/time labels", true, 1, 100, TFigType::ftDateTime, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TScalePropsVert p;
        SetRange(p, c.low, c.high);
        p.SetLabelType(c.type);
        p.SetLoading(c.loading);
        ChangeLog log;
        p.OnChange = log.Handler();
        p.SetLogarithmic(true);
        EXPECT_EQ(p.Logarithmic(), c.result);
        EXPECT_EQ(log.count, 1) << "notifies whether or not True was taken";
        EXPECT_EQ(p.RangeLow(), c.low);
        EXPECT_EQ(p.RangeHigh(), c.high);
    }

    // False is always taken, also on a range that would refuse True.
    TScalePropsVert p;
    p.SetLogarithmic(true);  // [0, 1] accepted while loading
    p.SetLoading(false);
    ChangeLog log;
    p.OnChange = log.Handler();
    p.SetLogarithmic(false);
    EXPECT_FALSE(p.Logarithmic());
    EXPECT_EQ(log.count, 1);
}

TEST(ScalePropsTest, MinRangeWidensOnlyATooNarrowRangeAboutItsCentre)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* name;
        double low, high, minRange;
        double expLow, expHigh, expMinRange;
        int notifications;
    };
    const Case cases[] = {
        {"wider than the range", 0, 1, 10, -4.5, 5.5, 10, 1},
        {"narrower than the range", 0, 1, 0.5, 0, 1, 0.5, 0},
        {"exactly the range's width", 0, 1, 1, 0, 1, 1, 0},
        {"inverted range comes out ascending", 1, 0, 10, -4.5, 5.5, 10, 1},
        {"negative range", -30, -20, 40, -45, -5, 40, 1},
        {"1e-100 is ignored", 0, 1, 1e-100, 0, 1, 1e-10, 0},
        {"zero is ignored", 0, 1, 0, 0, 1, 1e-10, 0},
        {"negative is ignored", 0, 1, -10, 0, 1, 1e-10, 0},
        {"NaN is ignored", 0, 1, nan, 0, 1, 1e-10, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TScalePropsHoriz p;
        SetRange(p, c.low, c.high);
        ChangeLog log;
        p.OnChange = log.Handler();
        p.SetMinRange(c.minRange);
        EXPECT_EQ(p.RangeLow(), c.expLow);
        EXPECT_EQ(p.RangeHigh(), c.expHigh);
        EXPECT_EQ(p.MinRange(), c.expMinRange);
        EXPECT_EQ(log.count, c.notifications);
    }
}

TEST(ScalePropsTest, RangeBoundsStayMinRangeApartAndHonourTheLogarithmicFloor)
{
    struct Case {
        const char* name;
        bool logarithmic;
        double minRange;
        bool setHigh;  // else RangeLow is set
        double x;
        double expLow, expHigh;
    };
    // Every case starts from [1, 100].
    const Case cases[] = {
        {"High just above Low moves Low down", false, 1e-10, true, 1 + 1e-12, 1 + 1e-12 - 1e-10, 1 + 1e-12},
        {"Low just below High moves High up", false, 1e-10, false, 100 - 1e-12, 100 - 1e-12, 100 - 1e-12 + 1e-10},
        {"Low equal to High", false, 1e-10, false, 100, 100, 100 + 1e-10},
        {"Low above High inverts the axis", false, 1e-10, false, 500, 500, 100},
        {"High below Low inverts the axis", false, 1e-10, true, -3, 1, -3},
        {"plain Low", false, 1e-10, false, -5, -5, 100},
        {"log: negative Low refused", true, 1e-10, false, -5, 1, 100},
        {"log: zero Low refused", true, 1e-10, false, 0, 1, 100},
        {"log: Low exactly 1e-100 taken", true, 1e-10, false, 1e-100, 1e-100, 100},
        {"log: negative High refused", true, 1e-10, true, -1, 1, 100},
        {"log: closeness wins over the floor", true, 10, true, -5, -15, -5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TScalePropsVert p;
        SetRange(p, 1, 100);
        p.SetMinRange(c.minRange);
        p.SetLogarithmic(c.logarithmic);
        ChangeLog log;
        p.OnChange = log.Handler();
        if (c.setHigh)
            p.SetRangeHigh(c.x);
        else
            p.SetRangeLow(c.x);
        EXPECT_EQ(p.RangeLow(), c.expLow);
        EXPECT_EQ(p.RangeHigh(), c.expHigh);
        EXPECT_EQ(log.count, 1) << "notifies also when the value is refused";
    }
}

TEST(ScalePropsTest, ScalePosIsKeptPerOrientationOfTheScaleType)
{
    TScalePropsHoriz p;
    ChangeLog log;
    p.OnChange = log.Handler();
    p.SetScaleType(TScaleType::sctXB);
    p.SetScalePos(30);
    p.SetScaleType(TScaleType::sctYR);
    p.SetScalePos(50);
    EXPECT_EQ(log.count, 2);
    EXPECT_EQ(p.XScalePos(), 30);
    EXPECT_EQ(p.YScalePos(), 50);

    const std::pair<TScaleType, int32_t> reads[] = {
        {TScaleType::sctXB, 30}, {TScaleType::sctXT, 30}, {TScaleType::sctYL, 50}, {TScaleType::sctYR, 50}};
    for (auto [type, expected] : reads) {
        p.SetScaleType(type);
        EXPECT_EQ(p.ScalePos(), expected) << int(type);
    }
}

TEST(ScalePropsTest, ScaleLocationChoosesTheSideAndNotifies)
{
    const std::pair<TScaleLocationHoriz, TScaleType> horiz[] = {{TScaleLocationHoriz::slTop, TScaleType::sctXB},
                                                                {TScaleLocationHoriz::slBottom, TScaleType::sctXT}};
    for (auto [location, type] : horiz) {
        TScalePropsHoriz p;
        p.SetScaleType(TScaleType::sctYL);  // whatever the chart set before
        ChangeLog log;
        p.OnChange = log.Handler();
        p.SetScaleLocation(location);
        EXPECT_EQ(p.ScaleLocation(), location);
        EXPECT_EQ(p.ScaleType(), type);
        EXPECT_EQ(log.count, 1);
    }
    const std::pair<TScaleLocationVert, TScaleType> vert[] = {{TScaleLocationVert::slLeft, TScaleType::sctYR},
                                                              {TScaleLocationVert::slRight, TScaleType::sctYL}};
    for (auto [location, type] : vert) {
        TScalePropsVert p;
        p.SetScaleType(TScaleType::sctXB);
        ChangeLog log;
        p.OnChange = log.Handler();
        p.SetScaleLocation(location);
        EXPECT_EQ(p.ScaleLocation(), location);
        EXPECT_EQ(p.ScaleType(), type);
        EXPECT_EQ(log.count, 1);
    }
}

TEST(ScalePropsTest, ScalePosReadsTheOrientationTheLocationSelected)
{
    // An X axis that the chart had put on a vertical type: slTop brings its
    // X position back.
    TScalePropsHoriz x;
    x.SetScalePos(30);  // default sctXT: X position
    x.SetScaleType(TScaleType::sctYR);
    x.SetScalePos(50);
    x.SetScaleLocation(TScaleLocationHoriz::slTop);
    EXPECT_EQ(x.ScalePos(), 30);

    // A new Y axis starts on sctXT, so ScalePos lands in the X slot until a
    // location (or the chart) selects a vertical side.
    TScalePropsVert y;
    y.SetScalePos(40);
    EXPECT_EQ(y.XScalePos(), 40);
    EXPECT_EQ(y.YScalePos(), 0);
    y.SetScaleLocation(TScaleLocationVert::slLeft);
    EXPECT_EQ(y.ScalePos(), 0);
}

TEST(ScalePropsTest, MouseActionAndTheInternalStateDoNotNotify)
{
    TScalePropsHoriz p;
    ChangeLog log;
    p.OnChange = log.Handler();
    p.SetMouseAction(TMouseActMode::maZoomDrag);
    p.SetScaleType(TScaleType::sctXB);
    p.SetLoading(false);
    EXPECT_EQ(p.MouseAction(), TMouseActMode::maZoomDrag);
    EXPECT_EQ(p.ScaleType(), TScaleType::sctXB);
    EXPECT_FALSE(p.Loading());
    EXPECT_EQ(log.count, 0);
}

// --- Owned font and date format -------------------------------------------------------------

TEST(ScalePropsTest, FontChangesNotifyWithTheSettingsObjectAsSender)
{
    TScalePropsVert p;
    TFont* own = p.Font();
    ChangeLog log;
    p.OnChange = log.Handler();

    TFont odd;
    MakeOddFont(odd);
    p.SetFont(&odd);
    EXPECT_EQ(p.Font(), own) << "the object keeps its own font";
    EXPECT_EQ(FontFields(*p.Font()), FontFields(odd));
    EXPECT_EQ(log.count, 1) << "SetFont notifies once";

    p.SetFont(&odd);
    EXPECT_EQ(log.count, 2) << "also when nothing differs";

    p.Font()->SetHeight(-20);
    p.Font()->SetColor(clPurple);
    EXPECT_EQ(log.count, 4);
    p.Font()->SetHeight(-20);
    EXPECT_EQ(log.count, 4) << "the font reports only real changes";
    EXPECT_TRUE(log.AllFrom(&p));

    // A refused copy leaves the font reporting as before.
    EXPECT_THROW(p.SetFont(nullptr), EConvertError);
    EXPECT_EQ(log.count, 4);
    p.Font()->SetName("DejaVu Sans");
    EXPECT_EQ(log.count, 5);
}

TEST(ScalePropsTest, DateFormatChangesReachTheDateFormatsOwnHandler)
{
    TScalePropsHoriz p;
    ChangeLog props, date;
    p.OnChange = props.Handler();
    p.DateFormat()->OnChange = date.Handler();  // how the chart listens

    p.DateFormat()->SetTimeFormat(TTimeFormat::tfHHhMM);
    EXPECT_EQ(date.count, 1);
    EXPECT_EQ(props.count, 0);

    TDTLabel given;
    MakeOddDateFormat(given);
    TDTLabel* own = p.DateFormat();
    p.SetDateFormat(&given);
    EXPECT_EQ(p.DateFormat(), own);
    EXPECT_EQ(DateFields(*p.DateFormat()), DateFields(given));
    EXPECT_EQ(props.count, 1);
    EXPECT_EQ(date.count, 1) << "the copy itself is silent";
    // The listener stays wired: a later change still reaches it.
    p.DateFormat()->SetTimeFormat(TTimeFormat::tfAMPM);
    EXPECT_EQ(date.count, 2);
}

// --- Assign --------------------------------------------------------------------------------

TEST(ScalePropsTest, AssignCopiesSettingsAndHandlerButNeitherMouseActionNorLocation)
{
    TScalePropsHoriz src;
    FillEverything(src);
    src.SetScaleLocation(TScaleLocationHoriz::slTop);
    ChangeLog srcLog;
    src.OnChange = srcLog.Handler();

    TScalePropsHoriz dst;
    dst.SetMouseAction(TMouseActMode::maPan);
    ChangeLog dstLog;
    dst.OnChange = dstLog.Handler();
    TFont* ownFont = dst.Font();
    TDTLabel* ownDate = dst.DateFormat();

    dst.Assign(&src);
    EXPECT_EQ(Fields(dst), Fields(src));
    EXPECT_EQ(dst.MouseAction(), TMouseActMode::maPan);
    EXPECT_EQ(dst.ScaleLocation(), TScaleLocationHoriz::slBottom);
    EXPECT_EQ(dst.Font(), ownFont);
    EXPECT_EQ(dst.DateFormat(), ownDate);
    EXPECT_EQ(srcLog.count + dstLog.count, 0) << "Assign notifies nobody";

    // The handler came along: changes now go to the source's listener, with
    // the destination as sender, also those made on the owned font.
    dst.SetVisible(false);
    dst.Font()->SetHeight(-30);
    EXPECT_EQ(dstLog.count, 0);
    EXPECT_EQ(srcLog.count, 2);
    EXPECT_TRUE(srcLog.AllFrom(&dst));

    // The other form takes the same settings.
    TScalePropsVert other;
    other.Assign(&src);
    EXPECT_EQ(Fields(other), Fields(src));
    EXPECT_EQ(other.ScaleLocation(), TScaleLocationVert::slLeft);
}

TEST(ScalePropsTest, AssignFromAFreeStandingObjectDisconnectsTheListener)
{
    TScalePropsVert axis;
    ChangeLog chart;
    axis.OnChange = chart.Handler();
    axis.DateFormat()->OnChange = chart.Handler();

    const TScalePropsVert freeStanding;
    axis.Assign(&freeStanding);
    axis.SetCaption("CH1");
    axis.Font()->SetHeight(-13);
    axis.DateFormat()->SetTimeFormat(TTimeFormat::tfAMPM);
    EXPECT_EQ(chart.count, 0);

    // Assigning an object to itself changes nothing.
    axis.OnChange = chart.Handler();
    const auto before = Fields(axis);
    axis.Assign(&axis);
    EXPECT_EQ(Fields(axis), before);
    EXPECT_EQ(chart.count, 0);
    EXPECT_TRUE(axis.OnChange);
}

TEST(ScalePropsTest, ForeignClassesRaiseEConvertErrorAndChangeNothing)
{
    TScalePropsHoriz p;
    FillEverything(p);
    const auto before = Fields(p);

    TDTLabel date;
    TFont font;
    EXPECT_THROW(p.Assign(&date), EConvertError);
    EXPECT_THROW(p.Assign(&font), EConvertError);
    EXPECT_THROW(p.Assign(nullptr), EConvertError);
    EXPECT_EQ(Fields(p), before);

    const auto dateBefore = DateFields(date);
    EXPECT_THROW(date.Assign(&p), EConvertError);
    EXPECT_EQ(DateFields(date), dateBefore);
    EXPECT_THROW(font.Assign(&p), EConvertError);
    EXPECT_EQ(FontFields(font), FontFields(TFont()));
}

// --- Defaults again ------------------------------------------------------------------------

TEST(ScalePropsTest, InitDefaultsRestoresANewObjectsSettingsSilently)
{
    TScalePropsVert p;
    FillEverything(p);
    p.SetScaleLocation(TScaleLocationVert::slRight);
    ChangeLog log;
    p.OnChange = log.Handler();
    p.DateFormat()->OnChange = log.Handler();

    p.InitDefaults();
    TScalePropsVert fresh;
    fresh.SetLoading(false);  // Loading is the chart's business, not a default
    EXPECT_EQ(Fields(p), Fields(fresh));
    EXPECT_EQ(p.ScaleLocation(), TScaleLocationVert::slLeft);
    EXPECT_EQ(p.MouseAction(), TMouseActMode::maNone);
    EXPECT_EQ(log.count, 0);
    EXPECT_FALSE(p.DateFormat()->OnChange);

    p.SetVisible(true);
    EXPECT_EQ(log.count, 1) << "the object's own handler stays";
}

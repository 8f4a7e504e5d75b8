// Ticks of time and date/time axes drawn by a scale without a parent: the
// sequences and labels of every family, the messages written instead of
// ticks, the date beside time labels, and the numeric fallback of time axes.
// Every drawing is also checked for the common rules: a label follows its
// mark and precedes its tick's event, nothing outside the range is announced,
// and the record holds exactly the announced ticks.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls/DateUtils.h"
#include "platform/graphics/Bitmap.h"
#include "scale/Scale.h"

using namespace qvx;

namespace {

const double kDay = EncodeDate(2024, 3, 5);  // a Tuesday
constexpr double kHour = 1.0 / 24, kMinute = 1.0 / 1440, kSecond = 1.0 / 86400;

struct Tick {
    double value;
    std::vector<std::string> labels;  // those written for this tick, in order
};

class DateTimeTicksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        s.OnBeforeTickLabel = [this](TObject*, TScaleType, double v, std::string& text) {
            EXPECT_TRUE(MarkDrawn(v)) << "label before its mark: " << text;
            pending.push_back({v, {text}});
        };
        s.OnScaleTickDrawn = [this](TObject*, TCanvas*, TScaleType, double v, int32_t, int32_t) {
            Tick t{v, {}};
            for (const Tick& label : pending) {
                EXPECT_EQ(label.value, v) << "label of another tick: " << label.labels[0];
                t.labels.push_back(label.labels[0]);
            }
            pending.clear();
            ticks.push_back(t);
        };
    }

    void Configure(TFigType type, double low, double high, int32_t minTicks,
                   TScaleType scaleType = TScaleType::sctXB, bool shortTicks = true)
    {
        s.SetScaleType(scaleType);
        const bool horizontal = scaleType == TScaleType::sctXB || scaleType == TScaleType::sctXT;
        s.SetBounds(0, 0, horizontal ? 600 : 160, horizontal ? 80 : 600);
        s.SetLabelType(type);
        s.SetRange(low, high);
        s.SetMinTicks(minTicks);
        s.SetShortTicks(shortTicks);
    }

    bool Horizontal() const { return s.ScaleType() == TScaleType::sctXB || s.ScaleType() == TScaleType::sctXT; }

    int32_t Base() const
    {
        switch (s.ScaleType()) {
        case TScaleType::sctXB: return s.Height() - s.MarginBottom() - 1;
        case TScaleType::sctXT: return s.MarginTop();
        case TScaleType::sctYL: return s.MarginLeft();
        default: return s.Width() - s.MarginRight() - 1;
        }
    }

    // The mark's pixel next to the base line.
    bool MarkDrawn(double v)
    {
        const int32_t p = s.ValueToPixel(v), b = Base();
        TCanvas& c = *bmp->Canvas();
        switch (s.ScaleType()) {
        case TScaleType::sctXB: return c.Pixels(p, b - 1) == clBlack;
        case TScaleType::sctXT: return c.Pixels(p, b + 1) == clBlack;
        case TScaleType::sctYL: return c.Pixels(b + 1, p) == clBlack;
        default: return c.Pixels(b - 1, p) == clBlack;
        }
    }

    void Draw()
    {
        ticks.clear();
        pending.clear();
        bmp = std::make_unique<TBitmap>(s.Width(), s.Height());
        if (Horizontal()) s.DrawHorizScale(*bmp->Canvas(), Base());
        else s.DrawVertScale(*bmp->Canvas(), Base());
        EXPECT_TRUE(pending.empty()) << "a label without its tick's event";

        const double lo = std::min(s.RangeLow(), s.RangeHigh()), hi = std::max(s.RangeLow(), s.RangeHigh());
        const double tol = 1e-8 * std::max({1.0, std::fabs(lo), std::fabs(hi)});
        for (const Tick& t : ticks) {
            EXPECT_GE(t.value, lo - tol);
            EXPECT_LE(t.value, hi + tol);
        }
        if (ticks.size() <= size_t(TScale::MaxTicks)) {
            ASSERT_EQ(size_t(s.NumTicks()), ticks.size());
            for (size_t i = 0; i < ticks.size(); ++i) EXPECT_EQ(s.TickPos(int32_t(i) + 1), ticks[i].value) << i;
        }
    }

    // One entry per tick: "." for a short tick, else its labels joined by "|".
    std::vector<std::string> Summary() const
    {
        std::vector<std::string> out;
        for (const Tick& t : ticks) {
            std::string entry;
            for (const std::string& label : t.labels) entry += (entry.empty() ? "" : "|") + label;
            out.push_back(t.labels.empty() ? "." : entry);
        }
        return out;
    }

    std::vector<double> Values() const
    {
        std::vector<double> out;
        for (const Tick& t : ticks) out.push_back(t.value);
        return out;
    }

    // Pixels that differ between the drawing and `ref`.
    int Differing(TBitmap& ref)
    {
        int n = 0;
        for (int32_t y = 0; y < s.Height(); ++y)
            for (int32_t x = 0; x < s.Width(); ++x) n += bmp->Canvas()->Pixels(x, y) != ref.Canvas()->Pixels(x, y);
        return n;
    }

    TScale s{nullptr};
    std::unique_ptr<TBitmap> bmp = std::make_unique<TBitmap>(1, 1);
    std::vector<Tick> ticks, pending;
};

std::vector<double> Progression(double first, double step, int count)
{
    std::vector<double> out;
    for (int i = 0; i < count; ++i) out.push_back(first + i * step);
    return out;
}

void ExpectValues(const std::vector<double>& actual, const std::vector<double>& expected, double tol)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i) EXPECT_NEAR(actual[i], expected[i], tol) << i;
}

}  // namespace

// --- Time axes (seconds) ---

TEST_F(DateTimeTicksTest, TimeTicksShortFirstThenLabelledMajors)
{
    struct Major {
        double value;
        const char* label;
    };
    struct Case {
        const char* name;
        double low, high;
        int32_t minTicks;
        TScaleType type;
        double shortFirst, shortStep;
        int shortCount;
        std::vector<Major> majors;
    };
    using T = TScaleType;
    const Case cases[] = {
        {"30 s steps, short every 5 s", 0, 120, 3, T::sctXB, 0, 5, 25,
         {{0, " 00:00:00"}, {30, " 00:00:30"}, {60, " 00:01:00"}, {90, " 00:01:30"}, {120, " 00:02:00"}}},
        {"0.5 s steps carry milliseconds", 0, 1.5, 3, T::sctXT, 0, 0.1, 16,
         {{0, " 00:00:00.000"}, {0.5, " 00:00:00.500"}, {1, " 00:00:01.000"}, {1.5, " 00:00:01.500"}}},
        {"a start above zero off the grid", 7, 127, 3, T::sctXB, 10, 5, 24,
         {{30, " 00:00:30"}, {60, " 00:01:00"}, {90, " 00:01:30"}, {120, " 00:02:00"}}},
        // Ranges starting below zero, or above zero running backwards, get
        // their short ticks before the first major one.
        {"a start below zero", -40, 80, 4, T::sctXB, -40, 5, 25,
         {{-30, "-00:00:30"}, {0, " 00:00:00"}, {30, " 00:00:30"}, {60, " 00:01:00"}}},
        {"a start below zero, vertical", -40, 80, 4, T::sctYL, -40, 5, 25,
         {{-30, "-00:00:30"}, {0, " 00:00:00"}, {30, " 00:00:30"}, {60, " 00:01:00"}}},
        {"all below zero", -100, -10, 3, T::sctYR, -100, 5, 19,
         {{-90, "-00:01:30"}, {-60, "-00:01:00"}, {-30, "-00:00:30"}}},
        {"reversed", 100, 0, 3, T::sctXB, 100, -5, 21,
         {{90, " 00:01:30"}, {60, " 00:01:00"}, {30, " 00:00:30"}, {0, " 00:00:00"}}},
        {"reversed below zero", -10, -100, 3, T::sctYL, -10, -5, 19,
         {{-30, "-00:00:30"}, {-60, "-00:01:00"}, {-90, "-00:01:30"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Configure(TFigType::ftTime, c.low, c.high, c.minTicks, c.type);
        Draw();
        ASSERT_EQ(ticks.size(), size_t(c.shortCount) + c.majors.size());
        const std::vector<double> values = Values();
        ExpectValues({values.begin(), values.begin() + c.shortCount}, Progression(c.shortFirst, c.shortStep, c.shortCount),
                     1e-9);
        for (size_t i = 0; i < c.majors.size(); ++i) {
            const Tick& t = ticks[size_t(c.shortCount) + i];
            EXPECT_NEAR(t.value, c.majors[i].value, 1e-9);
            EXPECT_EQ(t.labels, std::vector<std::string>{c.majors[i].label});
        }
        for (int i = 0; i < c.shortCount; ++i) EXPECT_TRUE(ticks[size_t(i)].labels.empty());
    }
}

TEST_F(DateTimeTicksTest, TimeTicksWithoutShortTicksDrawMajorsOnly)
{
    Configure(TFigType::ftTime, -40, 80, 4, TScaleType::sctXB, false);
    Draw();
    EXPECT_EQ(Summary(), (std::vector<std::string>{"-00:00:30", " 00:00:00", " 00:00:30", " 00:01:00"}));
}

TEST_F(DateTimeTicksTest, TimeAxisFallsBackToNumbersOutsideItsSteps)
{
    struct Case {
        const char* name;
        double low, high;
        int32_t minTicks;
        std::vector<std::string> labels;
    };
    const Case cases[] = {
        // A day or more per tick; labels keep the 4 decimals ftTime selects.
        {"three days", 0, 3 * 86400, 3,
         {"0.0", "50000.0000", "100000.0000", "150000.0000", "200000.0000", "250000.0000"}},
        {"below a millisecond per tick", 0, 0.002, 3, {"0.0000", "0.0005", "0.0010", "0.0015", "0.0020"}},
        {"unit steps", 0, 3, 0, {"0.0000", "1.0000", "2.0000", "3.0000"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Configure(TFigType::ftTime, c.low, c.high, c.minTicks, TScaleType::sctXB, false);
        EXPECT_EQ(s.DecPlaces(), 4);
        Draw();
        EXPECT_EQ(Summary(), c.labels);
    }
}

// --- Date/time axes: clock ticks ---

TEST_F(DateTimeTicksTest, ClockTicksOfEveryKind)
{
    const std::string d5 = "05-Mar-2024", d6 = "06-Mar-2024";
    using T = TScaleType;
    struct Case {
        const char* name;
        double low, high;
        int32_t minTicks;
        TScaleType type;
        double step;  // between drawn ticks
        std::vector<std::string> summary;
    };
    const double noon = kDay + 0.5, centi = kSecond / 100;
    const Case cases[] = {
        {"Kind 1: 6 h, short every 2 h", kDay, kDay + 1, 4, T::sctXB, 2 * kHour,
         {"00:00|" + d5, ".", ".", "06:00", ".", ".", "12:00", ".", ".", "18:00", ".", ".", "00:00|" + d6}},
        {"Kind 2: 20 min, short every 5", noon, noon + 65 * kMinute, 3, T::sctXT, 5 * kMinute,
         {"12:00|" + d5, ".", ".", ".", "12:20", ".", ".", ".", "12:40", ".", ".", ".", "13:00", "."}},
        {"Kind 3: one minute, 20 s", noon, noon + kMinute, 3, T::sctXB, 5 * kSecond,
         {"12:00:00|" + d5, ".", ".", ".", "12:00:20", ".", ".", ".", "12:00:40", ".", ".", ".", "12:01:00"}},
        {"Kind 3 on a vertical scale", noon, noon + kMinute, 3, T::sctYL, 5 * kSecond,
         {"12:00:00|" + d5, ".", ".", ".", "12:00:20", ".", ".", ".", "12:00:40", ".", ".", ".", "12:01:00"}},
        {"Kind 4: half a second, vertical only", noon, noon + 0.5 * kSecond, 2, T::sctYR, 10 * centi,
         {"12:00:00.00|" + d5, ".", "12:00:00.20", ".", "12:00:00.40", "."}},
        // The digits after the point are hundredths, not milliseconds.
        {"Kind 4: 5/100 s", noon, noon + 0.1 * kSecond, 2, T::sctYL, centi,
         {"12:00:00.00|" + d5, ".", ".", ".", ".", "12:00:00.05", ".", ".", ".", ".", "12:00:00.10"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Configure(TFigType::ftDateTime, c.low, c.high, c.minTicks, c.type);
        Draw();
        EXPECT_EQ(Summary(), c.summary);
        ExpectValues(Values(), Progression(c.low, c.step, int(c.summary.size())), 1e-9);
    }
}

TEST_F(DateTimeTicksTest, ClockLabelsFollowTheTimeFormat)
{
    Configure(TFigType::ftDateTime, kDay, kDay + 1, 4, TScaleType::sctXB, false);
    s.DateFormat()->SetDateForTime(TDateForTime::dtNone);
    s.DateFormat()->SetTimeFormat(TTimeFormat::tfHHhMM);
    Draw();
    EXPECT_EQ(Summary(), (std::vector<std::string>{"0h", "6h", "12h", "18h", "0h"}));
    s.DateFormat()->SetTimeFormat(TTimeFormat::tfAMPM);
    Draw();
    EXPECT_EQ(Summary(), (std::vector<std::string>{"12am", "6am", "12pm", "6pm", "12am"}));
}

TEST_F(DateTimeTicksTest, DateBesideTimeLabelsInEachMode)
{
    // Ticks every hour from 20:00 across midnight to 04:00, labels every two.
    const std::string d5 = "05-Mar-2024", d6 = "06-Mar-2024";
    struct Case {
        TDateForTime mode;
        std::vector<std::string> summary;
    };
    const Case cases[] = {
        {TDateForTime::dtNone, {"20:00", ".", "22:00", ".", "00:00", ".", "02:00", ".", "04:00"}},
        {TDateForTime::dtOnePerChart, {"20:00|" + d5, ".", "22:00", ".", "00:00", ".", "02:00", ".", "04:00"}},
        {TDateForTime::dtOnePerDay, {"20:00|" + d5, ".", "22:00", ".", "00:00|" + d6, ".", "02:00", ".", "04:00"}},
        {TDateForTime::dtAllTicks,
         {"20:00|" + d5, ".", "22:00|" + d5, ".", "00:00|" + d6, ".", "02:00|" + d6, ".", "04:00|" + d6}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.mode));
        Configure(TFigType::ftDateTime, kDay + 20 * kHour, kDay + 28 * kHour, 4);
        s.DateFormat()->SetDateForTime(c.mode);
        Draw();
        EXPECT_EQ(Summary(), c.summary);
        Draw();  // the counter starts again with every drawing
        EXPECT_EQ(Summary(), c.summary);
    }
    // The date's own format.
    s.DateFormat()->SetDateForTime(TDateForTime::dtOnePerChart);
    s.DateFormat()->SetMonthName(false);
    s.DateFormat()->SetYearLength(TYearLength::ylNone);
    s.DateFormat()->SetDateOrder(TDateOrder::doMMDDYY);
    s.DateFormat()->SetDateSeparator('/');
    Draw();
    EXPECT_EQ(Summary()[0], "20:00|03/05");
}

TEST_F(DateTimeTicksTest, DateSitsOneLineBeyondTheTimeLabel)
{
    // Drawn with the date, and without it plus the date written where it
    // belongs, the two pictures must agree.
    for (TScaleType type : {TScaleType::sctXT, TScaleType::sctXB, TScaleType::sctYL, TScaleType::sctYR}) {
        SCOPED_TRACE(int(type));
        Configure(TFigType::ftDateTime, kDay + 20 * kHour, kDay + 28 * kHour, 4, type, false);
        if (Horizontal()) s.SetMarginLeft(100);  // keeps the first label off the edge
        s.DateFormat()->SetDateForTime(TDateForTime::dtOnePerChart);
        Draw();
        const std::unique_ptr<TBitmap> withDate = std::move(bmp);

        s.DateFormat()->SetDateForTime(TDateForTime::dtNone);
        Draw();
        TCanvas& c = *bmp->Canvas();
        const std::string date = "05-Mar-2024";
        const int32_t p = s.ValueToPixel(s.RangeLow()), w = c.TextWidth(date), h = c.TextHeight(date);
        switch (type) {
        case TScaleType::sctXT: c.TextOut(p - w / 2, Base() + h + 7, date); break;
        case TScaleType::sctXB: c.TextOut(p - w / 2, Base() - h - 7 - h, date); break;
        case TScaleType::sctYL: c.TextOut(Base() + 8, p - 3 * (h / 2), date); break;
        default: c.TextOut(Base() - w - 8, p - 3 * (h / 2), date); break;
        }
        EXPECT_EQ(Differing(*withDate), 0);
    }
}

// --- Date/time axes: calendar ticks ---

TEST_F(DateTimeTicksTest, DayTicksAlignToTheFirstOfJanuary)
{
    // Two-day steps counted from 2024-01-01: the majors fall on odd days
    // of March, whatever day the range starts on.
    const double start = EncodeDate(2024, 3, 6);
    Configure(TFigType::ftDateTime, start, start + 10, 5);
    Draw();
    EXPECT_EQ(Summary(), (std::vector<std::string>{".", "07-Mar-2024", ".", "09-Mar-2024", ".", "11-Mar-2024", ".",
                                                   "13-Mar-2024", ".", "15-Mar-2024", "."}));
    ExpectValues(Values(), Progression(start, 1, 11), 0);

    s.SetShortTicks(false);
    s.DateFormat()->SetYearLength(TYearLength::ylNone);
    s.DateFormat()->SetMonthName(false);
    Draw();
    EXPECT_EQ(Summary(), (std::vector<std::string>{"07-03-", "09-03-", "11-03-", "13-03-", "15-03-"}));

    // Four weeks per tick, short ticks weekly.
    Configure(TFigType::ftDateTime, EncodeDate(2024, 1, 1), EncodeDate(2024, 3, 31), 3);
    s.DateFormat()->SetDateOrder(TDateOrder::doYYMMDD);
    s.DateFormat()->SetYearLength(TYearLength::ylYYYY);
    Draw();
    EXPECT_EQ(Summary(), (std::vector<std::string>{"2024-01-01", ".", ".", ".", "2024-01-29", ".", ".", ".",
                                                   "2024-02-26", ".", ".", ".", "2024-03-25"}));
}

TEST_F(DateTimeTicksTest, MonthTicksSkipTheStartMonthWithoutShortTicks)
{
    Configure(TFigType::ftDateTime, EncodeDate(2001, 1, 1), EncodeDate(2002, 1, 1), 3, TScaleType::sctXB, false);
    Draw();
    EXPECT_EQ(Summary(), (std::vector<std::string>{"Apr-2001", "Jul-2001", "Oct-2001", "Jan-2002"}));
    ExpectValues(Values(), {EncodeDate(2001, 4, 1), EncodeDate(2001, 7, 1), EncodeDate(2001, 10, 1),
                            EncodeDate(2002, 1, 1)}, 0);

    s.SetShortTicks(true);
    s.DateFormat()->SetDateOrder(TDateOrder::doYYMMDD);
    s.DateFormat()->SetYearLength(TYearLength::ylYY);
    Draw();
    EXPECT_EQ(Summary(), (std::vector<std::string>{"01-Jan", ".", ".", "01-Apr", ".", ".", "01-Jul", ".", ".",
                                                   "01-Oct", ".", ".", "02-Jan"}));

    // A start inside a month: its first is before the range.
    Configure(TFigType::ftDateTime, EncodeDate(2001, 1, 15), EncodeDate(2001, 6, 1), 4);
    s.DateFormat()->SetDateOrder(TDateOrder::doDDMMYY);
    s.DateFormat()->SetYearLength(TYearLength::ylNone);
    s.DateFormat()->SetMonthName(false);
    Draw();
    EXPECT_EQ(Summary(), (std::vector<std::string>{"02-", "03-", "04-", "05-", "06-"}));
}

TEST_F(DateTimeTicksTest, YearTicks)
{
    struct Case {
        const char* name;
        double low, high;
        bool shortTicks;
        TYearLength length;
        std::vector<std::string> summary;
    };
    using Y = TYearLength;
    const Case cases[] = {
        // 33 years per tick: labels every 20 years, ticks every 10.
        {"2000-2100", EncodeDate(2000, 1, 1), EncodeDate(2100, 1, 1), true, Y::ylYYYY,
         {"2000", ".", "2020", ".", "2040", ".", "2060", ".", "2080", ".", "2100"}},
        {"2000-2100 without short ticks", EncodeDate(2000, 1, 1), EncodeDate(2100, 1, 1), false, Y::ylYY,
         {"00", "20", "40", "60", "80", "00"}},
        {"no year digits: empty labels", EncodeDate(2000, 1, 1), EncodeDate(2100, 1, 1), false, Y::ylNone,
         {"", "", "", "", "", ""}},
        {"no leading zeros", EncodeDate(900, 1, 1), EncodeDate(1100, 1, 1), false, Y::ylYYYY,
         {"900", "950", "1000", "1050", "1100"}},
        // 371 years per tick: labels every 200, ticks every 100, none after 9999.
        {"the calendar ends with 9999", EncodeDate(9000, 1, 1), 3000000, true, Y::ylYYYY,
         {"9000", ".", "9200", ".", "9400", ".", "9600", ".", "9800", "."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Configure(TFigType::ftDateTime, c.low, c.high, 3, TScaleType::sctXB, c.shortTicks);
        s.DateFormat()->SetYearLength(c.length);
        Draw();
        EXPECT_EQ(Summary(), c.summary);
    }
    // A start after 1 January moves on to the next tick year.
    Configure(TFigType::ftDateTime, EncodeDate(2000, 1, 2), EncodeDate(2100, 1, 1), 3, TScaleType::sctXB, false);
    s.DateFormat()->SetYearLength(TYearLength::ylYYYY);
    Draw();
    EXPECT_EQ(Summary(), (std::vector<std::string>{"2020", "2040", "2060", "2080", "2100"}));
}

// --- Messages instead of ticks ---

TEST_F(DateTimeTicksTest, MessagesReplaceTheTicks)
{
    const double noon = kDay + 0.5;
    struct Case {
        const char* name;
        double low, high;
        int32_t minTicks;
        TScaleType type;
        std::vector<std::string> lines;  // one line on horizontal scales
    };
    using T = TScaleType;
    const std::vector<std::string> invalid = {"invalid", "DateTime", "scale"};
    const std::vector<std::string> below = {"DateTime", "range is", "below 1", "second"};
    const Case cases[] = {
        {"reversed", kDay + 1, kDay, 3, T::sctXB, {"invalid DateTime scale"}},
        {"before year 1", -693594, 0, 3, T::sctXT, {"invalid DateTime scale"}},
        {"beyond 3000000", 2000000, 3000001, 3, T::sctYL, invalid},
        {"reversed, vertical", kDay + 1, kDay, 3, T::sctYR, invalid},
        {"half a second, horizontal", noon, noon + 0.5 * kSecond, 2, T::sctXB, {"DateTime range is below 1 second"}},
        {"0.9 s per tick, horizontal", noon, noon + 2.7 * kSecond, 3, T::sctXT, {"DateTime range is below 1 second"}},
        {"below 1/100 s per tick, vertical", noon, noon + 0.015 * kSecond, 2, T::sctYL, below},
        {"below 1/100 s per tick, vertical right", noon, noon + 0.015 * kSecond, 2, T::sctYR, below},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Configure(TFigType::ftDateTime, c.low, c.high, c.minTicks, c.type);
        Draw();
        EXPECT_TRUE(ticks.empty());
        EXPECT_EQ(s.NumTicks(), 0);

        TBitmap ref(s.Width(), s.Height());
        TCanvas& r = *ref.Canvas();
        const int32_t m = s.ValueToPixel((c.low + c.high) / 2), h = r.TextHeight("T");
        for (size_t i = 0; i < c.lines.size(); ++i) {
            const std::string& line = c.lines[i];
            if (Horizontal()) r.TextOut(m - r.TextWidth(line) / 2, Base() + 7, line);
            else if (c.type == T::sctYL) r.TextOut(Base() + 2, m - h + int32_t(i) * h, line);
            else r.TextOut(Base() - 2 - r.TextWidth(line), m - h + int32_t(i) * h, line);
        }
        EXPECT_EQ(Differing(ref), 0);
    }
}

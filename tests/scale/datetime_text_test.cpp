// Texts and steps of time and date/time axes: durations, date and time
// labels (negative days, 1/100 s, English month names), the date formats
// and the clock step with its first tick.

#include <gtest/gtest.h>

#include <string>

#include "platform/controls/DateUtils.h"
#include "scale/DateTimeText.h"

using namespace qvx;
using namespace qvx::scale;

TEST(TimeSpanTest, StepIndexSearchesDownToTheFirstStepNotAboveR)
{
    struct Case {
        double r;
        int32_t index;
    };
    for (const Case& c : {Case{120.0 / 3, 15}, Case{1.5 / 3, 9}, Case{0.003 / 3, 1}, Case{0.0009, 0},
                          Case{86399, 27}, Case{86400, 28}, Case{1e9, 28}}) {
        SCOPED_TRACE(c.r);
        EXPECT_EQ(TimeSpanStepIndex(c.r), c.index);
    }
}

TEST(TimeSpanTest, FormatTimeSpan)
{
    struct Case {
        bool ms;
        double seconds;
        const char* text;
    };
    const Case cases[] = {
        {false, 725.5, " 00:12:05"},
        {true, 725.5, " 00:12:05.500"},
        {false, -90, "-00:01:30"},
        {true, -0.25, "-00:00:00.250"},
        {true, 0, " 00:00:00.000"},
        {true, 0.007, " 00:00:00.007"},
        {false, 90061, " 25:01:01"},  // hours do not wrap
        {false, 360000, " 100:00:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seconds);
        EXPECT_EQ(FormatTimeSpan(c.ms, c.seconds), c.text);
    }
}

TEST(DateLabelTest, NegativeDaysRunForwardsThroughTheFraction)
{
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {-0.25, "1899-12-29 18:00"},
        {-1.75, "1899-12-28 06:00"},
        {-2, "1899-12-28 00:00"},
        {-1e-9, "1899-12-30 00:00"},  // near zero is zero
        {0.5, "1899-12-30 12:00"},
        {-693592.5, "0001-01-01 12:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(FormatDateLabel("yyyy-mm-dd hh:nn", c.value), c.text);
    }
}

TEST(DateLabelTest, MonthNamesStayEnglishAndAmPmSwitchesTheClock)
{
    const double day = EncodeDate(2024, 3, 5);
    TFormatSettings& global = FormatSettings();
    const std::string saved = global.ShortMonthNames[2];
    global.ShortMonthNames[2] = "Mrz";
    EXPECT_EQ(FormatDateLabel("dd mmm", day), "05 Mar");
    global.ShortMonthNames[2] = saved;

    EXPECT_EQ(FormatDateLabel("ham/pm", day), "12am");
    EXPECT_EQ(FormatDateLabel("ham/pm", day + 0.5), "12pm");
    EXPECT_EQ(FormatDateLabel("hham/pm", day + 13.0 / 24), "01pm");
}

TEST(DateLabelTest, HundredthsReplaceMillisecondsOnlyWhereAsked)
{
    const double noon = EncodeDate(2024, 3, 5) + 0.5;
    const double centi = 1.0 / 8640000;
    // The platform's zz is milliseconds with at least two digits.
    EXPECT_EQ(FormatDateLabel("ss.zz", noon + 5 * centi), "00.50");
    EXPECT_EQ(FormatDateLabel("ss.zz", noon + 50 * centi), "00.500");

    struct Case {
        double value;
        const char* text;
    };
    for (const Case& c : {Case{noon + 5 * centi, "12:00:00.05"}, Case{noon + 50 * centi, "12:00:00.50"},
                          Case{noon + 99 * centi, "12:00:00.99"}, Case{noon + 100 * centi, "12:00:01.00"},
                          Case{noon - 1 * centi, "11:59:59.99"}}) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatHundredthsLabel("hh\":\"nn\":\"ss.zz", c.value), c.text);
    }
    // Quoted z's are text, zzz stays three-digit milliseconds.
    EXPECT_EQ(FormatHundredthsLabel("\"zz\"zz", noon + 5 * centi), "zz05");
    EXPECT_EQ(FormatHundredthsLabel("zzz", noon + 5 * centi), "050");
    // Negative days: 1899-12-29 23:59:59.97.
    EXPECT_EQ(FormatHundredthsLabel("dd hh:nn:ss.zz", -3 * centi), "29 23:59:59.97");
}

TEST(DateLabelTest, TimeLabelsPerKindAndFormat)
{
    const double t = EncodeDate(2024, 3, 5) + EncodeTime(13, 5, 7, 250);
    using F = TTimeFormat;
    struct Case {
        int32_t kind;
        F format;
        char separator;
        const char* text;
    };
    const Case cases[] = {
        {1, F::tfHHMMSS, ':', "13:05"},       {1, F::tfHHhMM, ':', "13h"},           {1, F::tfAMPM, ':', "1pm"},
        {2, F::tfHHMMSS, ':', "13:05"},       {2, F::tfHHhMM, ':', "13h05"},         {2, F::tfAMPM, ':', "1:05pm"},
        {3, F::tfHHMMSS, ':', "13:05:07"},    {3, F::tfHHhMM, ':', "13h05:07"},      {3, F::tfAMPM, ':', "1:05.07pm"},
        {4, F::tfHHMMSS, ':', "13:05:07.25"}, {4, F::tfHHhMM, ':', "13h05:07.25"},   {4, F::tfAMPM, ':', "1:05.07.25pm"},
        {3, F::tfHHMMSS, '/', "13/05/07"},    {3, F::tfAMPM, 'h', "1h05.07pm"},      {2, F::tfHHMMSS, '"', "13\"05"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string format = TimeLabelFormat(c.kind, c.format, c.separator);
        EXPECT_EQ(c.kind == 4 ? FormatHundredthsLabel(format, t) : FormatDateLabel(format, t), c.text);
    }
    // The separator is literal text, never the platform's own separator.
    EXPECT_EQ(TimeLabelFormat(3, F::tfHHMMSS, ':'), "hh\":\"nn\":\"ss");
    EXPECT_EQ(TimeLabelFormat(4, F::tfAMPM, ':'), "h\":\"nn\".\"ss.zzam/pm");
}

TEST(DateFormatTest, DateBesideTimeForEveryCombination)
{
    const double t = EncodeDate(2024, 3, 5) + 0.75;
    using Y = TYearLength;
    using O = TDateOrder;
    struct Case {
        bool monthName;
        Y year;
        O order;
        const char* text;
    };
    const Case cases[] = {
        {false, Y::ylNone, O::doMMDDYY, "03-05"},       {false, Y::ylYY, O::doMMDDYY, "03-05-24"},
        {false, Y::ylYYYY, O::doMMDDYY, "03-05-2024"},  {true, Y::ylNone, O::doMMDDYY, "Mar-05"},
        {true, Y::ylYY, O::doMMDDYY, "Mar-05-24"},      {true, Y::ylYYYY, O::doMMDDYY, "Mar-05-2024"},
        {false, Y::ylNone, O::doDDMMYY, "05-03"},       {false, Y::ylYY, O::doDDMMYY, "05-03-24"},
        {false, Y::ylYYYY, O::doDDMMYY, "05-03-2024"},  {true, Y::ylNone, O::doDDMMYY, "05-Mar"},
        {true, Y::ylYY, O::doDDMMYY, "05-Mar-24"},      {true, Y::ylYYYY, O::doDDMMYY, "05-Mar-2024"},
        {false, Y::ylNone, O::doYYMMDD, "03-05"},       {false, Y::ylYY, O::doYYMMDD, "24-03-05"},
        {false, Y::ylYYYY, O::doYYMMDD, "2024-03-05"},  {true, Y::ylNone, O::doYYMMDD, "Mar-05"},
        {true, Y::ylYY, O::doYYMMDD, "24-Mar-05"},      {true, Y::ylYYYY, O::doYYMMDD, "2024-Mar-05"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DateFormatString(c.monthName, c.year, c.order, '-', t), c.text);
    }
    EXPECT_EQ(DateFormatString(false, Y::ylYYYY, O::doDDMMYY, '/', t), "05/03/2024");
    EXPECT_EQ(DateFormatString(false, Y::ylYYYY, O::doDDMMYY, '\0', t), "05032024");
}

TEST(DateFormatTest, DayAndMonthTicksKeepTheSeparatorNextToAnEmptyYear)
{
    const double t = EncodeDate(2024, 3, 5);
    using Y = TYearLength;
    using O = TDateOrder;
    struct Case {
        TDateUse use;
        Y year;
        O order;
        const char* text;
    };
    const Case cases[] = {
        {TDateUse::duDayTick, Y::ylYYYY, O::doMMDDYY, "03.05.2024"},
        {TDateUse::duDayTick, Y::ylYYYY, O::doDDMMYY, "05.03.2024"},
        {TDateUse::duDayTick, Y::ylYYYY, O::doYYMMDD, "2024.03.05"},
        {TDateUse::duDayTick, Y::ylNone, O::doDDMMYY, "05.03."},
        {TDateUse::duDayTick, Y::ylNone, O::doYYMMDD, ".03.05"},
        {TDateUse::duMonthTick, Y::ylYY, O::doMMDDYY, "03.24"},
        {TDateUse::duMonthTick, Y::ylYY, O::doDDMMYY, "03.24"},
        {TDateUse::duMonthTick, Y::ylYY, O::doYYMMDD, "24.03"},
        {TDateUse::duMonthTick, Y::ylNone, O::doDDMMYY, "03."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatDateLabel(DateFormatPattern(c.use, false, c.year, c.order, '.'), t), c.text);
    }
}

TEST(ClockStepTest, StepAndFirstTickAfterTheStart)
{
    const double day = 45000;
    struct Case {
        const char* name;
        int32_t row;
        long double unitsPerDay, daysPerTick;
        double rangeLow;
        long double first, step, shortStep;  // in units
    };
    const Case cases[] = {
        {"6 h from midnight", 1, 24, 0.25L, day, 45000 * 24.0L, 6, 2},
        {"6 h from 07:30", 1, 24, 0.25L, day + 7.5 / 24, 45000 * 24.0L + 12, 6, 2},
        {"6 h from 20:00 runs into the next day", 1, 24, 0.25L, day + 20.0 / 24, 45001 * 24.0L, 6, 2},
        {"12 h, the largest hour step", 1, 24, 0.9L, day + 0.1, 45000 * 24.0L + 12, 12, 3},
        {"below the smallest step", 1, 24, 0.01L, day + 0.1, 45000 * 24.0L + 3, 1, 1},
        {"20 min", 2, 1440, 20.0L / 1440, day + 601.0 / 1440, 45000 * 1440.0L + 620, 20, 5},
        {"30 s", 2, 86400, 45.0L / 86400, day + 0.5, 45000 * 86400.0L + 43200, 30, 10},
        {"5/100 s", 4, 8640000, 7.0L / 8640000, day + 0.5 + 3.0 / 8640000, 45000 * 8640000.0L + 4320005, 5, 1},
        // Six minutes of a real date over 3 ticks come out a hair short of 2 min.
        {"2 min from a date's span", 2, 1440, ((day + 6.0 / 1440) - day) / 3, day, 45000 * 1440.0L, 2, 1},
        // Before 1899-12-30: -0.3 is 16:48 of day -1.
        {"negative day", 1, 24, 0.25L, -0.3, -0.25L * 24, 6, 2},
        {"negative whole day", 1, 24, 0.25L, -1, -24, 6, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TClockStep s = CalcClockStep(c.row, c.unitsPerDay, c.daysPerTick, c.rangeLow);
        EXPECT_NEAR(double(s.First * c.unitsPerDay), double(c.first), 1e-6);
        EXPECT_NEAR(double(s.Step * c.unitsPerDay), double(c.step), 1e-9);
        EXPECT_NEAR(double(s.ShortStep * c.unitsPerDay), double(c.shortStep), 1e-9);
    }
}

TEST(ClockStepTest, StartOnAGridPointKeepsIt)
{
    // 10:00 is not exact in binary; a start a rounding error after the grid
    // point must not push the first tick to 11:00.
    for (int h = 0; h < 24; ++h) {
        const double start = EncodeDate(2024, 3, 5) + EncodeTime(uint16_t(h), 0, 0, 0);
        const TClockStep s = CalcClockStep(1, 24, 1.0L / 24, start);
        EXPECT_NEAR(double(s.First), start, 1e-8) << h;
    }
}

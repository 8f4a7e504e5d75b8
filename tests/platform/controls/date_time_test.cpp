// Date and time encoding, decoding at the edges, and FormatDateTime.

#include <gtest/gtest.h>

#include <locale.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "platform/controls/DateUtils.h"
#include "platform/core/Exceptions.h"

using namespace qvx;

namespace {

struct TParts {
    uint16_t Year, Month, Day, Hour, Min, Sec, MSec;
    bool operator==(const TParts&) const = default;
};

std::ostream& operator<<(std::ostream& os, const TParts& p)
{
    return os << p.Year << '-' << p.Month << '-' << p.Day << ' ' << p.Hour << ':' << p.Min << ':' << p.Sec << '.'
              << p.MSec;
}

TParts Decode(TDateTime value)
{
    TParts p{};
    DecodeDateTime(value, p.Year, p.Month, p.Day, p.Hour, p.Min, p.Sec, p.MSec);
    return p;
}

constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

}  // namespace

TEST(DateEncodingTest, KnownDatesHaveTheirSerialNumbersAndWeekdays)
{
    // Serial numbers and weekdays (1 = Sunday) from an independent calendar.
    struct Case { uint16_t y, m, d; double serial; int weekday; };
    const Case cases[] = {
        {1, 1, 1, -693593, 2},     {4, 2, 29, -692439, 1},     {1600, 2, 29, -109512, 3},
        {1899, 12, 29, -1, 6},     {1899, 12, 30, 0, 7},       {1899, 12, 31, 1, 1},
        {1900, 1, 1, 2, 2},        {1900, 2, 28, 60, 4},       {1900, 3, 1, 61, 5},
        {1970, 1, 1, 25569, 5},    {2000, 2, 29, 36585, 3},    {2000, 3, 1, 36586, 4},
        {2024, 3, 5, 45356, 3},    {9999, 12, 31, 2958465, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.y << '-' << c.m << '-' << c.d);
        EXPECT_EQ(EncodeDate(c.y, c.m, c.d), c.serial);
        const TDateTime noon = ComposeDateTime(c.serial, 0.5);
        EXPECT_EQ(Decode(noon), (TParts{c.y, c.m, c.d, 12, 0, 0, 0}));
        EXPECT_EQ(DayOfWeek(noon), c.weekday);
    }
}

TEST(DateEncodingTest, LeapYearsAndMonthLengths)
{
    struct Case { uint16_t year; bool leap; };
    for (const Case c : {Case{1, false}, Case{4, true}, Case{100, false}, Case{400, true}, Case{1900, false},
                         Case{2000, true}, Case{2023, false}, Case{2024, true}, Case{2100, false}}) {
        EXPECT_EQ(IsLeapYear(c.year), c.leap) << c.year;
        EXPECT_EQ(DaysInMonth(c.year, 2), c.leap ? 29 : 28) << c.year;
    }
    const uint16_t lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (uint16_t m = 1; m <= 12; ++m) EXPECT_EQ(DaysInMonth(2023, m), lengths[m - 1]) << m;
    EXPECT_EQ(DaysInMonth(2023, 0), 0);
    EXPECT_EQ(DaysInMonth(2023, 13), 0);
}

TEST(DateEncodingTest, EveryDayFromYear1To9999RoundTrips)
{
    // Walks the calendar one day at a time: serial numbers must be consecutive,
    // decoding must give back the date and the weekday must cycle.
    uint16_t y = 1, m = 1, d = 1;
    int weekday = 2;  // 0001-01-01 was a Monday
    for (int32_t serial = -693593; serial <= 2958465; ++serial) {
        ASSERT_EQ(EncodeDate(y, m, d), serial) << y << '-' << m << '-' << d;
        for (double frac : {0.0, 0.75}) {
            const double value = serial < 0 ? serial - frac : serial + frac;
            uint16_t yy, mm, dd;
            DecodeDate(value, yy, mm, dd);
            ASSERT_TRUE(yy == y && mm == m && dd == d) << value << " decodes to " << yy << '-' << mm << '-' << dd;
            ASSERT_EQ(DayOfWeek(value), weekday) << value;
        }
        weekday = weekday % 7 + 1;
        if (++d > DaysInMonth(y, m)) {
            d = 1;
            if (++m > 12) {
                m = 1;
                ++y;
            }
        }
    }
    EXPECT_EQ(y, 10000);
}

TEST(DateEncodingTest, EveryMillisecondPatternOfTheDayRoundTrips)
{
    // Each second of the day at several milliseconds, on dates at both ends of
    // the range and on both sides of day 0 (negative values subtract the time).
    const double days[] = {-693593, -109512, -1, 0, 36585, 2958465};
    for (double day : days) {
        for (uint32_t second = 0; second < 86400; ++second) {
            const auto h = uint16_t(second / 3600), n = uint16_t(second / 60 % 60), s = uint16_t(second % 60);
            for (uint16_t ms : {0, 1, 499, 500, 999}) {
                const TDateTime value = ComposeDateTime(day, EncodeTime(h, n, s, ms));
                uint16_t hh, nn, ss, zz;
                DecodeTime(value, hh, nn, ss, zz);
                ASSERT_TRUE(hh == h && nn == n && ss == s && zz == ms)
                    << day << ' ' << h << ':' << n << ':' << s << '.' << ms;
                ASSERT_EQ(std::trunc(value), day);
            }
        }
    }
    EXPECT_EQ(EncodeTime(6, 0, 0, 0), 0.25);
    EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);
    EXPECT_EQ(EncodeDateTime(1899, 12, 29, 6, 0, 0, 0), -1.25);
    EXPECT_EQ(EncodeDateTime(1899, 12, 31, 18, 0, 0, 0), 1.75);
}

TEST(DateDecodingTest, EdgesRoundToWholeMillisecondsAndAgree)
{
    const double ms = 1.0 / MSecsPerDay;
    struct Case { const char* what; double value; TParts parts; int weekday; };
    const Case cases[] = {
        {"day 0", 0.0, {1899, 12, 30, 0, 0, 0, 0}, 7},
        {"one ms before midnight", 1 - ms, {1899, 12, 30, 23, 59, 59, 999}, 7},
        {"0.6 ms before midnight", 1 - 0.6 * ms, {1899, 12, 30, 23, 59, 59, 999}, 7},
        {"0.4 ms before midnight", 1 - 0.4 * ms, {1899, 12, 31, 0, 0, 0, 0}, 1},
        {"round-off below 1", 0.99999999999, {1899, 12, 31, 0, 0, 0, 0}, 1},
        {"round-off above 1", 1.00000000001, {1899, 12, 31, 0, 0, 0, 0}, 1},
        {"round-off at a late date", 45356.9999999999, {2024, 3, 6, 0, 0, 0, 0}, 4},
        {"negative, quarter day", -1.25, {1899, 12, 29, 6, 0, 0, 0}, 6},
        {"negative, half day", -2.5, {1899, 12, 28, 12, 0, 0, 0}, 5},
        {"between -1 and 0", -0.5, {1899, 12, 30, 12, 0, 0, 0}, 7},
        {"negative, round-off to the next day", -1.99999999999, {1899, 12, 30, 0, 0, 0, 0}, 7},
        {"first day", -693593.5, {1, 1, 1, 12, 0, 0, 0}, 2},
        {"last millisecond", 2958465 + 86399999 * ms, {9999, 12, 31, 23, 59, 59, 999}, 6},
        // Out of range: everything zero.
        {"rounds into year 10000", 2958466 - 0.3 * ms, {}, 0},
        {"year 10000", 2958466.0, {}, 0},
        {"year 0", -693594.0, {}, 0},
        {"huge", 1e300, {}, 0},
        {"huge negative", -1e300, {}, 0},
        {"NaN", Nan, {}, 0},
        {"+inf", Inf, {}, 0},
        {"-inf", -Inf, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Decode(c.value), c.parts);
        TParts separate{};
        DecodeDate(c.value, separate.Year, separate.Month, separate.Day);
        DecodeTime(c.value, separate.Hour, separate.Min, separate.Sec, separate.MSec);
        EXPECT_EQ(separate, c.parts);
        EXPECT_EQ(DayOfWeek(c.value), c.weekday);
    }
}

TEST(DateEncodingTest, InvalidFieldsRaiseEConvertErrorAndTryFormsFail)
{
    struct DateCase { uint16_t y, m, d; const char* mentions; };
    const DateCase dates[] = {
        {0, 1, 1, "year"},         {10000, 1, 1, "year"},       {2024, 0, 1, "month"},
        {2024, 13, 1, "month"},    {2024, 1, 0, "day"},         {2024, 4, 31, "1..30"},
        {2023, 2, 29, "1..28"},    {1900, 2, 29, "February 1900"}, {2024, 2, 30, "1..29"},
    };
    for (const DateCase& c : dates) {
        SCOPED_TRACE(testing::Message() << c.y << '-' << c.m << '-' << c.d);
        try {
            EncodeDate(c.y, c.m, c.d);
            ADD_FAILURE() << "no exception";
        } catch (const EConvertError& e) {
            EXPECT_NE(e.Message().find("Invalid date"), std::string::npos) << e.Message();
            EXPECT_NE(e.Message().find(c.mentions), std::string::npos) << e.Message();
        }
        TDateTime untouched = 42;
        EXPECT_FALSE(TryEncodeDate(c.y, c.m, c.d, untouched));
        EXPECT_EQ(untouched, 42);
        EXPECT_THROW(EncodeDateTime(c.y, c.m, c.d, 0, 0, 0, 0), EConvertError);
    }

    struct TimeCase { uint16_t h, n, s, ms; const char* mentions; };
    const TimeCase times[] = {
        {24, 0, 0, 0, "hour"}, {0, 60, 0, 0, "minute"}, {0, 0, 60, 0, "second"}, {0, 0, 0, 1000, "millisecond"},
    };
    for (const TimeCase& c : times) {
        SCOPED_TRACE(c.mentions);
        try {
            EncodeTime(c.h, c.n, c.s, c.ms);
            ADD_FAILURE() << "no exception";
        } catch (const EConvertError& e) {
            EXPECT_NE(e.Message().find("Invalid time"), std::string::npos) << e.Message();
            EXPECT_NE(e.Message().find(c.mentions), std::string::npos) << e.Message();
        }
        TDateTime untouched = 42;
        EXPECT_FALSE(TryEncodeTime(c.h, c.n, c.s, c.ms, untouched));
        EXPECT_EQ(untouched, 42);
    }

    TDateTime value = 0;
    EXPECT_TRUE(TryEncodeDate(2024, 2, 29, value));
    EXPECT_EQ(value, 45351);
    EXPECT_TRUE(TryEncodeTime(23, 59, 59, 999, value));
    EXPECT_EQ(value, 86399999.0 / MSecsPerDay);
}

// ---- FormatDateTime ---------------------------------------------------------

namespace {

struct TFormatCase {
    const char* format;
    const char* expected;
};

void ExpectFormats(TDateTime value, std::initializer_list<TFormatCase> cases,
                   const TFormatSettings& settings = TFormatSettings())
{
    for (const TFormatCase& c : cases)
        EXPECT_EQ(FormatDateTime(c.format, value, settings), c.expected) << "format \"" << c.format << '"';
}

}  // namespace

TEST(FormatDateTimeTest, EverySpecifier)
{
    // Tuesday 2024-03-05 14:07:09.045
    const TDateTime value = EncodeDateTime(2024, 3, 5, 14, 7, 9, 45);
    ExpectFormats(value, {
        {"d", "5"},        {"dd", "05"},        {"ddd", "Tue"},        {"dddd", "Tuesday"},
        {"m", "3"},        {"mm", "03"},        {"mmm", "Mar"},        {"mmmm", "March"},
        {"y", "24"},       {"yy", "24"},        {"yyy", "2024"},       {"yyyy", "2024"},
        {"h", "14"},       {"hh", "14"},        {"n", "7"},            {"nn", "07"},
        {"s", "9"},        {"ss", "09"},        {"z", "45"},           {"zz", "45"},
        {"zzz", "045"},    {"zzzz", "045"},     {"hhh", "14"},         {"nnn", "07"},
        {"DD.MM.YYYY", "05.03.2024"},           {"MMM-DD, YYYY", "Mar-05, 2024"},
        {"mmm-dd, yyyy", "Mar-05, 2024"},       {"yyyy/mm/dd", "2024/03/05"},
        {"hh:nn:ss.zz", "14:07:09.45"},         {"hh:nn:ss.zzz", "14:07:09.045"},
        {"ddddd", "3/5/2024"},                  {"dddddd", "Tuesday, March 5, 2024"},
        {"t", "14:07"},                         {"tt", "14:07:09"},
        {"c", "3/5/2024 14:07:09"},             {"", "3/5/2024 14:07:09"},
        {"yyyy年m月d日", "2024年3月5日"},        {"x#%", "x#%"},
    });
    ExpectFormats(EncodeDate(2005, 1, 9), {{"yy", "05"}, {"c", "1/9/2005"}, {"", "1/9/2005"}});
    ExpectFormats(EncodeDate(1, 1, 1), {{"yyyy-mm-dd", "0001-01-01"}, {"yy", "01"}});
    // "c" leaves out a midnight time even when milliseconds are set.
    ExpectFormats(EncodeDateTime(2005, 1, 9, 0, 0, 0, 500), {{"c", "1/9/2005"}});
}

TEST(FormatDateTimeTest, MonthAfterHourMeansMinutesAndQuotesAreLiteral)
{
    const TDateTime value = EncodeDateTime(2024, 3, 5, 14, 7, 9, 45);
    ExpectFormats(value, {
        {"hh:mm", "14:07"},            {"HH:MM:SS", "14:07:09"},       {"h:m", "14:7"},
        {"h\"h\"nn", "14h07"},         {"h 'at' mm", "14 at 07"},      {"hh:mm:ss mm", "14:07:09 03"},
        {"hh:nn mm", "14:07 03"},      {"mm hh", "03 14"},             {"'hh' mm", "hh 03"},
        {"h x m", "14 x 3"},           {"\"yyyy\" yyyy", "yyyy 2024"}, {"'it''s'", "its"},
        {"'unclosed mm", "unclosed mm"}, {"\"a 'b' c\"", "a 'b' c"},   {"''", ""},
    });
}

TEST(FormatDateTimeTest, TwelveHourClock)
{
    struct Case { uint16_t h, n; const char* format; const char* expected; };
    const Case cases[] = {
        {0, 0, "ham/pm", "12am"},       {11, 59, "ham/pm", "11am"},     {12, 0, "ham/pm", "12pm"},
        {23, 30, "ham/pm", "11pm"},     {0, 0, "hh:nn AM/PM", "12:00 AM"}, {23, 30, "hh:nn AM/PM", "11:30 PM"},
        {13, 5, "h:nn Am/pM", "1:05 pM"}, {9, 5, "h:nn Am/pM", "9:05 Am"}, {0, 0, "h a/p", "12 a"},
        {12, 0, "h A/P", "12 P"},       {13, 0, "hampm", "1pm"},        {1, 0, "hAMPM", "1am"},
        {23, 30, "am/pm h", "pm 11"},   {23, 30, "h:nn", "23:30"},      {0, 0, "h:nn", "0:00"},
        {23, 30, "h 'am/pm'", "23 am/pm"}, {23, 30, "h \"a/p\"", "23 a/p"}, {13, 0, "h:nn a", "13:00 a"},
        {23, 30, "h:mm am/pm", "11:30 pm"},
    };
    for (const Case& c : cases)
        ExpectFormats(EncodeDateTime(2024, 3, 5, c.h, c.n, 0, 0), {{c.format, c.expected}});
}

TEST(FormatDateTimeTest, MillisecondsHaveAtLeastTheDigitsOfTheSpecifier)
{
    struct Case { uint16_t ms; const char* z; const char* zz; const char* zzz; };
    for (const Case& c : {Case{5, "5", "05", "005"}, Case{50, "50", "50", "050"}, Case{500, "500", "500", "500"},
                          Case{0, "0", "00", "000"}}) {
        const TDateTime value = EncodeDateTime(2024, 3, 5, 1, 2, 3, c.ms);
        ExpectFormats(value, {{"z", c.z}, {"zz", c.zz}, {"zzz", c.zzz}});
    }
}

TEST(FormatDateTimeTest, SettingsSupplyNamesSeparatorsAndAmPm)
{
    TFormatSettings s;
    s.DateSeparator = '.';
    s.TimeSeparator = '\0';
    s.LongMonthNames[2] = "März";
    s.ShortDayNames[2] = "Di";
    s.TimeAMString = "a.m.";
    s.TimePMString = "p.m.";
    s.ShortDateFormat = "dd/mm/yyyy";
    s.LongTimeFormat = "hh:nn";
    const TDateTime value = EncodeDateTime(2024, 3, 5, 14, 7, 0, 0);
    ExpectFormats(value, {
        {"dd/mm/yyyy", "05.03.2024"}, {"hh:nn", "1407"},      {"mmmm", "März"},
        {"ddd", "Di"},                 {"h AM/PM", "2 P.M."},  {"h am/pm", "2 p.m."},
        {"h ampm", "2 p.m."},          {"h a/p", "2 p"},       {"c", "05.03.2024 1407"},
    }, s);

    // Formats that name formats are expanded one level only.
    TFormatSettings loop;
    loop.ShortDateFormat = "c dd";
    ExpectFormats(value, {{"ddddd", "  05"}}, loop);  // "c" adds its space, then nothing
}

TEST(FormatDateTimeTest, OutOfRangeValuesFormatAsZeros)
{
    for (double value : {Nan, Inf, -Inf, 1e300, 2958466.0}) {
        EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", value), "0000-00-00 00:00:00.000") << value;
        EXPECT_EQ(FormatDateTime("[mmm|mmmm|ddd|dddd]", value), "[|||]") << value;
    }
}

TEST(FormatSettingsTest, GlobalDefaultsAreEnglishAndChangesApply)
{
    TFormatSettings& global = FormatSettings();
    EXPECT_EQ(global.ShortMonthNames[0], "Jan");
    EXPECT_EQ(global.LongMonthNames[11], "December");
    EXPECT_EQ(global.ShortDayNames[0], "Sun");
    EXPECT_EQ(global.LongDayNames[6], "Saturday");
    EXPECT_EQ(global.DateSeparator, '/');
    EXPECT_EQ(global.TimeSeparator, ':');
    EXPECT_EQ(global.DecimalSeparator, '.');
    EXPECT_EQ(global.TimeAMString, "am");
    EXPECT_EQ(global.TimePMString, "pm");

    const TFormatSettings saved = global;
    global.DateSeparator = '-';
    global.ShortMonthNames[2] = "mar";
    const std::string text = FormatDateTime("yyyy/mm mmm", EncodeDate(2024, 3, 5));
    global = saved;
    EXPECT_EQ(text, "2024-03 mar");
}

TEST(FormatSettingsTest, LocaleNamesComeFromTheLocaleWithoutTouchingTheProcess)
{
    const std::string processLocale = std::setlocale(LC_ALL, nullptr);
    const TFormatSettings english;

    const TFormatSettings c = FormatSettingsFromLocale("C");
    for (int m = 0; m < 12; ++m) {
        EXPECT_EQ(c.ShortMonthNames[m], english.ShortMonthNames[m]);
        EXPECT_EQ(c.LongMonthNames[m], english.LongMonthNames[m]);
    }
    for (int d = 0; d < 7; ++d) {
        EXPECT_EQ(c.ShortDayNames[d], english.ShortDayNames[d]);
        EXPECT_EQ(c.LongDayNames[d], english.LongDayNames[d]);
    }

    const TFormatSettings missing = FormatSettingsFromLocale("xx_NOWHERE.UTF-8");
    EXPECT_EQ(missing.LongMonthNames[0], "January");
    EXPECT_EQ(missing.ShortDayNames[1], "Mon");

    // When a German locale is installed its names arrive as UTF-8, whatever
    // the locale's own character set.
    for (const char* name : {"de_DE.UTF-8", "de_DE.ISO-8859-1", "de_DE"}) {
        locale_t probe = newlocale(LC_ALL_MASK, name, locale_t(0));
        if (probe == locale_t(0)) continue;
        freelocale(probe);
        const TFormatSettings german = FormatSettingsFromLocale(name);
        EXPECT_EQ(german.LongMonthNames[2], "März") << name;
        EXPECT_EQ(german.LongDayNames[0], "Sonntag") << name;
    }

    EXPECT_EQ(std::setlocale(LC_ALL, nullptr), processLocale);
    EXPECT_EQ(FormatSettings().LongMonthNames[2], "March");
}

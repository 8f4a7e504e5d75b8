#include "platform/controls/DateUtils.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "platform/core/Exceptions.h"

namespace qvx {

namespace {

constexpr int32_t MinDay = 1 - DateDelta;  // 0001-01-01
constexpr int32_t MaxDay = 2958465;        // 9999-12-31
constexpr int32_t DaysPer400Years = 146097;
constexpr int32_t DaysPer100Years = 36524;
constexpr int32_t DaysPer4Years = 1461;

const char* const EnglishLongMonths[12] = {"January", "February", "March",     "April",   "May",      "June",
                                           "July",    "August",   "September", "October", "November", "December"};

// Halves go to the even neighbour, as the FPU's default rounding does, but
// without depending on the rounding mode a program may have set. x >= 0.
double RoundHalfEven(double x)
{
    const double lower = std::floor(x);
    const double rest = x - lower;
    if (rest > 0.5) return lower + 1;
    if (rest < 0.5) return lower;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

// Splits Value into its day number (0 = 1899-12-30) and its time of day in
// whole milliseconds. False when the value is not a date this platform can
// show. The integer part is exact in a double, so is Value - whole.
bool SplitDateTime(TDateTime Value, int32_t& Day, int32_t& MSec)
{
    // Beyond this the value is out of range anyway; checking first keeps the
    // integer conversions below defined.
    if (!std::isfinite(Value) || std::fabs(Value) > 4.0e6) return false;
    const double whole = std::trunc(Value);
    int64_t day = static_cast<int64_t>(whole);
    int64_t ms = static_cast<int64_t>(RoundHalfEven(std::fabs(Value - whole) * MSecsPerDay));
    if (ms >= MSecsPerDay) {
        // 24:00:00.000 is midnight of the following day, for negative values too.
        ++day;
        ms -= MSecsPerDay;
    }
    if (day < MinDay || day > MaxDay) return false;
    Day = static_cast<int32_t>(day);
    MSec = static_cast<int32_t>(ms);
    return true;
}

void DayToDate(int32_t Day, uint16_t& Year, uint16_t& Month, uint16_t& DayOfMonth)
{
    int32_t n = Day + DateDelta - 1;  // days since 0001-01-01
    const int32_t y400 = n / DaysPer400Years;
    n %= DaysPer400Years;
    // The last day of a 400-year (4-year) cycle would otherwise count as a
    // fifth century (year).
    const int32_t y100 = std::min(n / DaysPer100Years, 3);
    n -= y100 * DaysPer100Years;
    const int32_t y4 = n / DaysPer4Years;
    n %= DaysPer4Years;
    const int32_t y1 = std::min(n / 365, 3);
    n -= y1 * 365;
    Year = static_cast<uint16_t>(400 * y400 + 100 * y100 + 4 * y4 + y1 + 1);
    Month = 1;
    for (int32_t length = DaysInMonth(Year, Month); n >= length; length = DaysInMonth(Year, Month)) {
        n -= length;
        ++Month;
    }
    DayOfMonth = static_cast<uint16_t>(n + 1);
}

std::string DateText(uint16_t Year, uint16_t Month, uint16_t Day)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u", unsigned(Year), unsigned(Month), unsigned(Day));
    return text;
}

// Why the date is invalid, or an empty string when it is valid.
std::string DateProblem(uint16_t Year, uint16_t Month, uint16_t Day)
{
    if (Year < 1 || Year > 9999) return "the year must be 1..9999";
    if (Month < 1 || Month > 12) return "the month must be 1..12";
    const uint16_t length = DaysInMonth(Year, Month);
    if (Day < 1 || Day > length)
        return "the day must be 1.." + std::to_string(length) + " in " + EnglishLongMonths[Month - 1] + " " +
               std::to_string(Year);
    return {};
}

std::string TimeProblem(uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec)
{
    if (Hour >= 24) return "the hour must be 0..23";
    if (Min >= 60) return "the minute must be 0..59";
    if (Sec >= 60) return "the second must be 0..59";
    if (MSec >= 1000) return "the millisecond must be 0..999";
    return {};
}

TDateTime DateValue(uint16_t Year, uint16_t Month, uint16_t Day)
{
    int32_t dayOfYear = Day;
    for (uint16_t m = 1; m < Month; ++m) dayOfYear += DaysInMonth(Year, m);
    const int32_t y = Year - 1;
    return y * 365 + y / 4 - y / 100 + y / 400 + dayOfYear - DateDelta;
}

TDateTime TimeValue(uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec)
{
    const int32_t ms = ((Hour * 60 + Min) * 60 + Sec) * 1000 + MSec;
    return double(ms) / MSecsPerDay;
}

// ---- formatting ----------------------------------------------------------

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }
char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }
bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool MatchesAt(const std::string& text, size_t pos, const char* word)
{
    const size_t length = std::strlen(word);
    if (pos + length > text.size()) return false;
    for (size_t i = 0; i < length; ++i)
        if (UpperAscii(text[pos + i]) != UpperAscii(word[i])) return false;
    return true;
}

// True when Format holds an am/pm, a/p or ampm specifier outside quotes.
bool UsesTwelveHourClock(const std::string& Format)
{
    char quote = 0;
    for (size_t i = 0; i < Format.size(); ++i) {
        const char c = Format[i];
        if (quote != 0) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if ((c == 'a' || c == 'A') &&
                   (MatchesAt(Format, i, "am/pm") || MatchesAt(Format, i, "a/p") || MatchesAt(Format, i, "ampm"))) {
            return true;
        }
    }
    return false;
}

// Text with the ASCII letter case of Pattern, letter by letter; letters past
// the end of Pattern follow its last letter.
std::string WithCaseOf(const std::string& Text, const char* Pattern, size_t PatternLength)
{
    std::string result = Text;
    for (size_t i = 0; i < result.size(); ++i) {
        const char p = Pattern[std::min(i, PatternLength - 1)];
        if (IsAsciiLetter(result[i])) result[i] = (p >= 'A' && p <= 'Z') ? UpperAscii(result[i]) : LowerAscii(result[i]);
    }
    return result;
}

class TDateFormatter {
public:
    TDateFormatter(TDateTime Value, const TFormatSettings& Settings) : S(Settings)
    {
        DecodeDateTime(Value, Year, Month, Day, Hour, Min, Sec, MSec);
        WeekDay = DayOfWeek(Value);
    }

    void Append(const std::string& Format, int Level);
    std::string Out;

private:
    void Number(unsigned Value, size_t Digits)
    {
        char text[16];
        std::snprintf(text, sizeof text, "%0*u", int(Digits), Value);
        Out += text;
    }
    void MonthName(const std::string (&Names)[12])
    {
        if (Month >= 1 && Month <= 12) Out += Names[Month - 1];
    }
    void DayName(const std::string (&Names)[7])
    {
        if (WeekDay >= 1 && WeekDay <= 7) Out += Names[WeekDay - 1];
    }

    const TFormatSettings& S;
    uint16_t Year = 0, Month = 0, Day = 0, Hour = 0, Min = 0, Sec = 0, MSec = 0;
    int WeekDay = 0;
};

void TDateFormatter::Append(const std::string& Format, int Level)
{
    // A format naming a format is expanded once; deeper references, such as
    // a ShortDateFormat that contains "c", write nothing instead of recursing.
    if (Level >= 2) return;
    const bool twelveHour = UsesTwelveHourClock(Format);
    char lastToken = ' ';
    size_t i = 0;
    while (i < Format.size()) {
        const char starter = Format[i++];
        char token = UpperAscii(starter);
        if (IsAsciiLetter(token)) {
            if (token == 'M' && lastToken == 'H') token = 'N';
            lastToken = token;
        }
        // Length of the run of `starter`, consumed from the format.
        auto count = [&] {
            size_t n = 1;
            while (i < Format.size() && Format[i] == starter) {
                ++i;
                ++n;
            }
            return n;
        };
        switch (token) {
        case 'Y':
            if (count() <= 2)
                Number(Year % 100, 2);
            else
                Number(Year, 4);
            break;
        case 'M': {
            const size_t n = count();
            if (n <= 2)
                Number(Month, n);
            else if (n == 3)
                MonthName(S.ShortMonthNames);
            else
                MonthName(S.LongMonthNames);
            break;
        }
        case 'D': {
            const size_t n = count();
            if (n <= 2)
                Number(Day, n);
            else if (n == 3)
                DayName(S.ShortDayNames);
            else if (n == 4)
                DayName(S.LongDayNames);
            else if (n == 5)
                Append(S.ShortDateFormat, Level + 1);
            else
                Append(S.LongDateFormat, Level + 1);
            break;
        }
        case 'H': {
            const size_t n = count();
            unsigned h = Hour;
            if (twelveHour) h = h == 0 ? 12 : (h > 12 ? h - 12 : h);
            Number(h, std::min<size_t>(n, 2));
            break;
        }
        case 'N':
            Number(Min, std::min<size_t>(count(), 2));
            break;
        case 'S':
            Number(Sec, std::min<size_t>(count(), 2));
            break;
        case 'Z':
            Number(MSec, std::min<size_t>(count(), 3));
            break;
        case 'T':
            Append(count() == 1 ? S.ShortTimeFormat : S.LongTimeFormat, Level + 1);
            break;
        case 'C':
            count();
            Append(S.ShortDateFormat, Level + 1);
            if (Hour != 0 || Min != 0 || Sec != 0) {
                Out += ' ';
                Append(S.LongTimeFormat, Level + 1);
            }
            break;
        case 'A': {
            const size_t at = i - 1;
            const bool pm = Hour >= 12;
            if (MatchesAt(Format, at, "am/pm")) {
                Out += WithCaseOf(pm ? S.TimePMString : S.TimeAMString, Format.data() + at + (pm ? 3 : 0), 2);
                i = at + 5;
            } else if (MatchesAt(Format, at, "a/p")) {
                Out += Format[at + (pm ? 2 : 0)];
                i = at + 3;
            } else if (MatchesAt(Format, at, "ampm")) {
                Out += pm ? S.TimePMString : S.TimeAMString;
                i = at + 4;
            } else {
                Out += starter;
            }
            break;
        }
        case '/':
            if (S.DateSeparator != '\0') Out += S.DateSeparator;
            break;
        case ':':
            if (S.TimeSeparator != '\0') Out += S.TimeSeparator;
            break;
        case '"':
        case '\'': {
            // An unclosed quote runs to the end of the format.
            const size_t close = Format.find(starter, i);
            const size_t end = close == std::string::npos ? Format.size() : close;
            Out.append(Format, i, end - i);
            i = close == std::string::npos ? end : end + 1;
            break;
        }
        default:
            Out += starter;
            break;
        }
    }
}

// ---- locale names ----------------------------------------------------------

bool IsUtf8Codeset(const char* codeset)
{
    return std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "utf8") == 0 ||
           std::strcmp(codeset, "ANSI_X3.4-1968") == 0;  // ASCII is already UTF-8
}

// Text from a locale's codeset to UTF-8; empty when it does not convert.
std::string ToUtf8(const char* text, iconv_t converter)
{
    if (converter == iconv_t(-1)) return text;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);  // reset the shift state
    std::string result(std::strlen(text) * 4 + 8, '\0');
    char* in = const_cast<char*>(text);
    size_t inLeft = std::strlen(text);
    char* out = result.data();
    size_t outLeft = result.size();
    if (iconv(converter, &in, &inLeft, &out, &outLeft) == size_t(-1)) return {};
    result.resize(result.size() - outLeft);
    return result;
}

}  // namespace

bool IsLeapYear(uint16_t Year)
{
    return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0);
}

uint16_t DaysInMonth(uint16_t Year, uint16_t Month)
{
    static const uint16_t lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (Month < 1 || Month > 12) return 0;
    return Month == 2 && IsLeapYear(Year) ? 29 : lengths[Month - 1];
}

TDateTime EncodeDate(uint16_t Year, uint16_t Month, uint16_t Day)
{
    const std::string problem = DateProblem(Year, Month, Day);
    if (!problem.empty()) throw EConvertError("Invalid date " + DateText(Year, Month, Day) + ": " + problem);
    return DateValue(Year, Month, Day);
}

bool TryEncodeDate(uint16_t Year, uint16_t Month, uint16_t Day, TDateTime& Result)
{
    if (!DateProblem(Year, Month, Day).empty()) return false;
    Result = DateValue(Year, Month, Day);
    return true;
}

TDateTime EncodeTime(uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec)
{
    const std::string problem = TimeProblem(Hour, Min, Sec, MSec);
    if (!problem.empty()) {
        char text[48];
        std::snprintf(text, sizeof text, "%02u:%02u:%02u.%03u", unsigned(Hour), unsigned(Min), unsigned(Sec),
                      unsigned(MSec));
        throw EConvertError(std::string("Invalid time ") + text + ": " + problem);
    }
    return TimeValue(Hour, Min, Sec, MSec);
}

bool TryEncodeTime(uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec, TDateTime& Result)
{
    if (!TimeProblem(Hour, Min, Sec, MSec).empty()) return false;
    Result = TimeValue(Hour, Min, Sec, MSec);
    return true;
}

TDateTime EncodeDateTime(uint16_t Year, uint16_t Month, uint16_t Day,
                         uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec)
{
    return ComposeDateTime(EncodeDate(Year, Month, Day), EncodeTime(Hour, Min, Sec, MSec));
}

TDateTime ComposeDateTime(TDateTime Date, TDateTime Time)
{
    const double day = std::trunc(Date);
    const double time = std::fabs(Time - std::trunc(Time));
    return Date < 0 ? day - time : day + time;
}

void DecodeDate(TDateTime Value, uint16_t& Year, uint16_t& Month, uint16_t& Day)
{
    int32_t day = 0, ms = 0;
    if (!SplitDateTime(Value, day, ms)) {
        Year = Month = Day = 0;
        return;
    }
    DayToDate(day, Year, Month, Day);
}

void DecodeTime(TDateTime Value, uint16_t& Hour, uint16_t& Min, uint16_t& Sec, uint16_t& MSec)
{
    int32_t day = 0, ms = 0;
    if (!SplitDateTime(Value, day, ms)) {
        Hour = Min = Sec = MSec = 0;
        return;
    }
    Hour = static_cast<uint16_t>(ms / 3600000);
    Min = static_cast<uint16_t>(ms / 60000 % 60);
    Sec = static_cast<uint16_t>(ms / 1000 % 60);
    MSec = static_cast<uint16_t>(ms % 1000);
}

void DecodeDateTime(TDateTime Value, uint16_t& Year, uint16_t& Month, uint16_t& Day,
                    uint16_t& Hour, uint16_t& Min, uint16_t& Sec, uint16_t& MSec)
{
    DecodeDate(Value, Year, Month, Day);
    DecodeTime(Value, Hour, Min, Sec, MSec);
}

int DayOfWeek(TDateTime Value)
{
    int32_t day = 0, ms = 0;
    if (!SplitDateTime(Value, day, ms)) return 0;
    return (day + DateDelta) % 7 + 1;  // 0001-01-01, day 1, was a Monday
}

TFormatSettings& FormatSettings()
{
    static TFormatSettings settings;
    return settings;
}

TFormatSettings FormatSettingsFromLocale(const char* localeName)
{
    TFormatSettings result;
    locale_t locale = newlocale(LC_TIME_MASK | LC_CTYPE_MASK, localeName != nullptr ? localeName : "", locale_t(0));
    if (locale == locale_t(0)) return result;

    const char* codeset = nl_langinfo_l(CODESET, locale);
    iconv_t converter = iconv_t(-1);
    if (codeset != nullptr && *codeset != '\0' && !IsUtf8Codeset(codeset)) {
        converter = iconv_open("UTF-8", codeset);
        if (converter == iconv_t(-1)) {
            // Names we cannot convert would not be UTF-8; keep English.
            freelocale(locale);
            return result;
        }
    }
    auto take = [&](nl_item item, std::string& name) {
        const char* text = nl_langinfo_l(item, locale);
        if (text == nullptr || *text == '\0') return;
        std::string utf8 = ToUtf8(text, converter);
        if (!utf8.empty()) name = std::move(utf8);
    };
    static const nl_item shortMonths[12] = {ABMON_1, ABMON_2, ABMON_3, ABMON_4,  ABMON_5,  ABMON_6,
                                            ABMON_7, ABMON_8, ABMON_9, ABMON_10, ABMON_11, ABMON_12};
    static const nl_item longMonths[12] = {MON_1, MON_2, MON_3, MON_4,  MON_5,  MON_6,
                                           MON_7, MON_8, MON_9, MON_10, MON_11, MON_12};
    static const nl_item shortDays[7] = {ABDAY_1, ABDAY_2, ABDAY_3, ABDAY_4, ABDAY_5, ABDAY_6, ABDAY_7};
    static const nl_item longDays[7] = {DAY_1, DAY_2, DAY_3, DAY_4, DAY_5, DAY_6, DAY_7};
    for (int m = 0; m < 12; ++m) {
        take(shortMonths[m], result.ShortMonthNames[m]);
        take(longMonths[m], result.LongMonthNames[m]);
    }
    for (int d = 0; d < 7; ++d) {  // ABDAY_1 / DAY_1 are Sunday
        take(shortDays[d], result.ShortDayNames[d]);
        take(longDays[d], result.LongDayNames[d]);
    }
    if (converter != iconv_t(-1)) iconv_close(converter);
    freelocale(locale);
    return result;
}

std::string FormatDateTime(const std::string& Format, TDateTime Value)
{
    return FormatDateTime(Format, Value, FormatSettings());
}

std::string FormatDateTime(const std::string& Format, TDateTime Value, const TFormatSettings& Settings)
{
    TDateFormatter formatter(Value, Settings);
    formatter.Append(Format.empty() ? std::string("c") : Format, 0);
    return std::move(formatter.Out);
}

}  // namespace qvx

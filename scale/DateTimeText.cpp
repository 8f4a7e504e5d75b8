#include "scale/DateTimeText.h"

#include <cmath>

#include "platform/controls/DateUtils.h"
#include "scale/ScaleMath.h"

namespace qvx::scale {

namespace {

// Zero-padded to at least `width` digits.
std::string Digits(int64_t n, int width)
{
    std::string text = std::to_string(n);
    if (int(text.size()) < width) text.insert(0, size_t(width) - text.size(), '0');
    return text;
}

// A character as literal format text. A double quote goes into single
// quotes; a NUL separator writes nothing.
std::string Literal(char c)
{
    if (c == '\0') return {};
    if (c == '"') return "'\"'";
    return std::string("\"") + c + "\"";
}

// Continuous day values run forwards through the fraction also before
// 1899-12-30; the platform encodes a negative value's time of day as the
// magnitude of its fraction.
double ToPlatformDateTime(double v)
{
    if (std::fabs(v) < 1e-8) return 0;
    if (v >= 0) return v;
    const long double f = v - std::trunc(static_cast<long double>(v));
    const long double floor = FloorInt(v);
    return double(f <= -1e-8L ? floor - f - 1 : floor - f);
}

std::string FormatPlatform(const std::string& Format, double platformValue)
{
    // Month names stay English whatever the program set for its own dates.
    static const TFormatSettings english;
    TFormatSettings settings = FormatSettings();
    for (int i = 0; i < 12; ++i) {
        settings.ShortMonthNames[i] = english.ShortMonthNames[i];
        settings.LongMonthNames[i] = english.LongMonthNames[i];
    }
    return FormatDateTime(Format, platformValue, settings);
}

}  // namespace

int32_t TimeSpanStepIndex(double SecondsPerTick)
{
    for (int32_t i = int32_t(TimeSpanSteps.size()) - 1; i >= 1; --i)
        if (TimeSpanSteps[size_t(i)].Seconds <= SecondsPerTick) return i;
    return 0;
}

std::string FormatTimeSpan(bool WithMillisec, double Seconds)
{
    const long double s = std::fabs(static_cast<long double>(Seconds));
    const int64_t h = int64_t(std::trunc(s / 3600));
    const int64_t m = int64_t(std::trunc((s - 3600.0L * h) / 60));
    const int64_t sec = int64_t(std::trunc(s - 3600.0L * h - 60.0L * m));
    std::string text = std::string(Seconds < 0 ? "-" : " ") + Digits(h, 2) + ":" + Digits(m, 2) + ":" + Digits(sec, 2);
    if (WithMillisec) text += "." + Digits(Round((s - std::trunc(s)) * 1000), 3);
    return text;
}

TClockStep CalcClockStep(int32_t Row, long double UnitsPerDay, long double DaysPerTick, double RangeLow)
{
    const auto& row = ClockTimeSteps[size_t(Row)];
    // A span of exactly so many steps arrives a rounding error short of it
    // (a date near 45000 carries about 1e-12 days): allow for that.
    const long double t = DaysPerTick * UnitsPerDay * (1 + 1e-6L);
    size_t idx = 0;
    for (size_t k = row.size(); k-- > 0;) {
        if (row[k].Step <= t) {
            idx = k;
            break;
        }
    }
    const int32_t step = row[idx].Step;

    const int32_t day = FloorInt(RangeLow);
    // Time since that day's midnight; a negative whole day is its own midnight.
    long double f = RangeLow - std::trunc(static_cast<long double>(RangeLow));
    if (RangeLow < 0 && f != 0) f += 1;
    long double units = f * UnitsPerDay;
    // A start that lies on a grid point but a rounding error after it keeps
    // that grid point (the same 1e-8-day tolerance as at the high end).
    const long double whole = std::nearbyint(units);
    if (units > whole && units - whole < 1e-8L * UnitsPerDay) units = whole;
    int32_t u = CeilInt(units);
    if (u != 0) {
        u = step - u % step;
        if (u == step) u = 0;
    }
    TClockStep r;
    r.First = day + CeilInt(units + u) / UnitsPerDay;
    r.Step = step / UnitsPerDay;
    r.ShortStep = row[idx].Short / UnitsPerDay;
    return r;
}

void DecodeDay(double Value, uint16_t& Year, uint16_t& Month, uint16_t& Day)
{
    DecodeDate(ToPlatformDateTime(Value), Year, Month, Day);
}

std::string FormatDateLabel(const std::string& Format, double Value)
{
    return FormatPlatform(Format, ToPlatformDateTime(Value));
}

std::string FormatHundredthsLabel(const std::string& Format, double Value)
{
    const double v = ToPlatformDateTime(Value);
    uint16_t hour = 0, min = 0, sec = 0, msec = 0;
    DecodeTime(v, hour, min, sec, msec);
    const std::string hundredths = "\"" + Digits(msec / 10, 2) + "\"";

    std::string format;
    char quote = 0;
    for (size_t i = 0; i < Format.size();) {
        const char c = Format[i];
        if (quote == 0 && (c == 'z' || c == 'Z')) {
            size_t run = 1;
            while (i + run < Format.size() && (Format[i + run] == 'z' || Format[i + run] == 'Z')) ++run;
            format += run == 2 ? hundredths : Format.substr(i, run);
            i += run;
            continue;
        }
        if (quote != 0) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        }
        format += c;
        ++i;
    }
    return FormatPlatform(format, v);
}

std::string TimeLabelFormat(int32_t Kind, TTimeFormat TimeFormat, char TimeSeparator)
{
    const std::string ts = Literal(TimeSeparator);
    const std::string fraction = Kind == 4 ? ".zz" : "";
    switch (TimeFormat) {
        case TTimeFormat::tfHHhMM:
            if (Kind == 1) return "h\"h\"";
            if (Kind == 2) return "h\"h\"nn";
            return "h\"h\"nn" + ts + "ss" + fraction;
        case TTimeFormat::tfAMPM:
            if (Kind == 1) return "ham/pm";
            if (Kind == 2) return "h" + ts + "nnam/pm";
            return "h" + ts + "nn\".\"ss" + fraction + "am/pm";
        case TTimeFormat::tfHHMMSS:
        default:
            if (Kind <= 2) return "hh" + ts + "nn";
            return "hh" + ts + "nn" + ts + "ss" + fraction;
    }
}

std::string DateFormatPattern(TDateUse Use, bool MonthName, TYearLength YearLength, TDateOrder DateOrder,
                              char Separator)
{
    const std::string m = MonthName ? "mmm" : "mm";
    const std::string y = YearLength == TYearLength::ylYYYY ? "yyyy" : YearLength == TYearLength::ylYY ? "yy" : "";
    const std::string s = Literal(Separator);
    switch (Use) {
        case TDateUse::duMonthTick:
            return DateOrder == TDateOrder::doYYMMDD ? y + s + m : m + s + y;
        case TDateUse::duBesideTime:
            if (y.empty()) return DateOrder == TDateOrder::doDDMMYY ? "dd" + s + m : m + s + "dd";
            [[fallthrough]];
        case TDateUse::duDayTick:
        default:
            switch (DateOrder) {
                case TDateOrder::doDDMMYY: return "dd" + s + m + s + y;
                case TDateOrder::doYYMMDD: return y + s + m + s + "dd";
                case TDateOrder::doMMDDYY:
                default: return m + s + "dd" + s + y;
            }
    }
}

std::string DateFormatString(bool MonthName, TYearLength YearLength, TDateOrder DateOrder, char Separator,
                             double Value)
{
    return FormatDateLabel(DateFormatPattern(TDateUse::duBesideTime, MonthName, YearLength, DateOrder, Separator),
                           Value);
}

}  // namespace qvx::scale

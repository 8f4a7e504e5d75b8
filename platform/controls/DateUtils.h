#pragma once
// Dates and times as the classic platform stores them: a TDateTime is a
// count of days since 1899-12-30 00:00 with the time of day as the fraction.
// Before that day the integer part counts backwards while the fraction still
// runs forwards from midnight: -1.25 is 1899-12-29 06:00 (the date is the
// value truncated toward zero, the time of day the magnitude of the fraction).
//
// Decoding rounds the time of day to whole milliseconds; a time that rounds
// up to 24:00:00.000 belongs to the following day, so the date, the time and
// DayOfWeek of one value always agree. Values whose date falls outside
// 0001-01-01 .. 9999-12-31, NaN and infinities decode to all zeros
// (year, month, day, hour, minute, second, millisecond) and DayOfWeek 0.

#include <cstdint>
#include <string>

namespace qvx {

using TDateTime = double;

inline constexpr int32_t MSecsPerDay = 24 * 60 * 60 * 1000;
// Days from 0001-01-01 (day 1) to 1899-12-30 (TDateTime 0).
inline constexpr int32_t DateDelta = 693594;

bool IsLeapYear(uint16_t Year);
// 28..31; 0 for a month outside 1..12.
uint16_t DaysInMonth(uint16_t Year, uint16_t Month);

// Whole days; raise EConvertError naming the offending field. The Try forms
// return false instead and leave Result untouched.
TDateTime EncodeDate(uint16_t Year, uint16_t Month, uint16_t Day);
bool TryEncodeDate(uint16_t Year, uint16_t Month, uint16_t Day, TDateTime& Result);
// The fraction of a day in [0, 1).
TDateTime EncodeTime(uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec);
bool TryEncodeTime(uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec, TDateTime& Result);
TDateTime EncodeDateTime(uint16_t Year, uint16_t Month, uint16_t Day,
                         uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec);
// Joins a date and a time of day; before 1899-12-30 the time is subtracted,
// which plain Date + Time gets wrong.
TDateTime ComposeDateTime(TDateTime Date, TDateTime Time);

void DecodeDate(TDateTime Value, uint16_t& Year, uint16_t& Month, uint16_t& Day);
void DecodeTime(TDateTime Value, uint16_t& Hour, uint16_t& Min, uint16_t& Sec, uint16_t& MSec);
void DecodeDateTime(TDateTime Value, uint16_t& Year, uint16_t& Month, uint16_t& Day,
                    uint16_t& Hour, uint16_t& Min, uint16_t& Sec, uint16_t& MSec);
// 1 = Sunday .. 7 = Saturday; 0 when the value is out of range.
int DayOfWeek(TDateTime Value);

// Names and separators for formatting. Index 0 is January / Sunday.
struct TFormatSettings {
    std::string ShortMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::string LongMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                      "July",    "August",   "September", "October", "November", "December"};
    std::string ShortDayNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::string LongDayNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    char DateSeparator = '/';   // '\0' writes nothing
    char TimeSeparator = ':';   // '\0' writes nothing
    char DecimalSeparator = '.';
    std::string TimeAMString = "am";
    std::string TimePMString = "pm";
    std::string ShortDateFormat = "m/d/yyyy";            // "c", "ddddd"
    std::string LongDateFormat = "dddd, mmmm d, yyyy";   // "dddddd"
    std::string ShortTimeFormat = "hh:nn";               // "t"
    std::string LongTimeFormat = "hh:nn:ss";             // "tt", "c"
};

// The settings FormatDateTime uses when given none. English until a program
// changes them; not synchronised, so change them before other threads format.
TFormatSettings& FormatSettings();

// English settings with the month and day names of the named locale ("" is
// the locale of the environment: LC_ALL, LC_TIME, LANG), converted to UTF-8.
// Reads the locale through its own handle and leaves the process locale and
// FormatSettings() alone. Separators, formats and am/pm strings stay English
// (many locales have empty am/pm strings). Names the locale cannot supply,
// and all of them when it is not installed, stay English.
TFormatSettings FormatSettingsFromLocale(const char* localeName);

// Formats Value; specifiers are case-insensitive, a run counts repeats of the
// same character:
//   d dd        day (dd: two digits)      ddd dddd  short / long day name
//   ddddd       ShortDateFormat           dddddd    LongDateFormat
//   m mm        month; minutes when the previous letter specifier was h/hh
//   mmm mmmm    short / long month name   yy yyyy   year: last two / four digits
//   h hh        hour, 12-hour clock when the format has am/pm, a/p or ampm
//               outside quotes (0 and 12 both show 12)
//   n nn        minute                    s ss      second
//   z zz zzz    millisecond with at least 1, 2, 3 digits
//   am/pm       TimeAMString / TimePMString with the letter case of the specifier
//   a/p         "a" / "p" in the case of the specifier
//   ampm        TimeAMString / TimePMString as they are
//   c           ShortDateFormat, then " " + LongTimeFormat unless the time is
//               00:00:00 (milliseconds are ignored)
//   t tt        ShortTimeFormat / LongTimeFormat
//   / :         DateSeparator / TimeSeparator
//   "x" 'x'     text copied without the quotes
// Everything else is copied. An empty Format means "c". Formats named by a
// format are expanded one level deep only. Output is UTF-8 when the format and
// the settings are.
std::string FormatDateTime(const std::string& Format, TDateTime Value);
std::string FormatDateTime(const std::string& Format, TDateTime Value, const TFormatSettings& Settings);

}  // namespace qvx

#pragma once
// Texts and step tables of the time (seconds) and date/time (days) axes.

#include <array>
#include <cstdint>
#include <string>

#include "base/Enums.h"

namespace qvx::scale {

// --- Time axes: values are seconds ---

struct TTimeSpanStep {
    double Seconds;
    int32_t SubDiv;  // short intervals per step
};

// Indexed 1..28 by the tick code (entry 0 stands for "none").
inline constexpr std::array<TTimeSpanStep, 29> TimeSpanSteps{{
    {0, 1},       {0.001, 5}, {0.002, 4}, {0.005, 5}, {0.01, 5},  {0.02, 4},   {0.05, 5},
    {0.1, 5},     {0.2, 4},   {0.5, 5},   {1, 5},     {2, 4},     {5, 5},      {10, 5},
    {20, 4},      {30, 6},    {60, 6},    {120, 6},   {180, 6},   {300, 5},    {600, 5},
    {1200, 6},    {1800, 6},  {3600, 6},  {7200, 4},  {14400, 4}, {21600, 6},  {43200, 6},
    {86400, 6},
}};

// The largest index 1..28 of TimeSpanSteps whose step is not above
// SecondsPerTick; 0 below the smallest step.
int32_t TimeSpanStepIndex(double SecondsPerTick);

// Sign (a blank or "-"), then hh:mm:ss from the truncated magnitude, and
// with WithMillisec ".mmm" of its rounded fraction. Hours do not wrap at 24.
std::string FormatTimeSpan(bool WithMillisec, double Seconds);

// --- Date/time axes: values are days since 1899-12-30, continuous also
// before that day (-0.25 is 1899-12-29 18:00) ---

struct TClockTimeStep {
    int32_t Step;
    int32_t Short;  // short-tick distance, in the unit of Step
};

// Rows 1..5 (row 0 unused): hours; minutes or seconds; days; hundredths of a
// second; months.
inline constexpr std::array<std::array<TClockTimeStep, 6>, 6> ClockTimeSteps{{
    {{{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}},
    {{{1, 1}, {2, 1}, {3, 1}, {6, 2}, {8, 2}, {12, 3}}},
    {{{1, 1}, {2, 1}, {5, 1}, {10, 2}, {20, 5}, {30, 10}}},
    {{{1, 1}, {2, 1}, {3, 1}, {7, 1}, {14, 7}, {28, 7}}},
    {{{1, 1}, {2, 1}, {5, 1}, {10, 5}, {20, 10}, {50, 10}}},
    {{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {6, 1}, {12, 1}}},
}};

struct TClockStep {
    long double First = 0;      // first whole multiple of Step since midnight not before RangeLow (days)
    long double Step = 0;       // days
    long double ShortStep = 0;  // days
};

// Step of ClockTimeSteps[Row] for DaysPerTick, in units of 1 / UnitsPerDay
// days, and the first tick at or after RangeLow on that step's grid.
TClockStep CalcClockStep(int32_t Row, long double UnitsPerDay, long double DaysPerTick, double RangeLow);

// The calendar date of Value as its labels show it (the time of day rounded
// to whole milliseconds); all zeros outside 0001-01-01 .. 9999-12-31.
void DecodeDay(double Value, uint16_t& Year, uint16_t& Month, uint16_t& Day);

// The platform's formatting of Value, with English month names; negative
// continuous values are converted to the platform's encoding first.
std::string FormatDateLabel(const std::string& Format, double Value);

// As FormatDateLabel, but an unquoted "zz" writes the hundredths of the
// second as two digits (the labels of a 1/100-second axis).
std::string FormatHundredthsLabel(const std::string& Format, double Value);

// Format of the time label of clock ticks, Kind 1 (hours), 2 (minutes),
// 3 (seconds) or 4 (1/100 s).
std::string TimeLabelFormat(int32_t Kind, TTimeFormat TimeFormat, char TimeSeparator);

enum class TDateUse : uint8_t {
    duBesideTime,  // the date written beside time labels
    duDayTick,     // labels of day ticks
    duMonthTick,   // labels of month ticks
};

// The date format for a use; day and month labels keep the separator next
// to an empty year.
std::string DateFormatPattern(TDateUse Use, bool MonthName, TYearLength YearLength, TDateOrder DateOrder,
                              char Separator);

// The date beside a time label, for Value.
std::string DateFormatString(bool MonthName, TYearLength YearLength, TDateOrder DateOrder, char Separator,
                             double Value);

}  // namespace qvx::scale

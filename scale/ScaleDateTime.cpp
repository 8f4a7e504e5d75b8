// Time (seconds) and date/time (days) tick families of TScale.

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/controls/DateUtils.h"
#include "scale/DateTimeText.h"
#include "scale/Scale.h"
#include "scale/ScaleMath.h"

namespace qvx {

namespace {

// Guards every tick loop against a runaway sequence; no valid range comes
// near it.
constexpr int32_t kMaxTicksPerSequence = 20000;
// Dates end with 9999-12-31; later days have no calendar to label them.
constexpr double kEndOfCalendar = 2958466;
constexpr double kFirstDay = -693593;  // 0001-01-01
constexpr double kLastValue = 3000000;
// The date/time sequences treat a tick this close to either end as inside.
constexpr long double kDayTolerance = 1e-8L;

int32_t FloorMod(int64_t a, int32_t b)
{
    const int64_t r = a % b;
    return int32_t(r < 0 ? r + b : r);
}

}  // namespace

bool TScale::DrawTimeTicks(const TDrawContext& ctx)
{
    const long double low = FRangeLow, high = FRangeHigh;
    if (FMinTicks == 0) return false;  // unit steps: numeric ticks
    const double r = std::fabs(FRangeHigh - FRangeLow) / FMinTicks;
    const int32_t index = scale::TimeSpanStepIndex(r);
    if (index == 0 || index == int32_t(scale::TimeSpanSteps.size()) - 1) return false;

    const long double dir = high > low ? 1 : -1;
    const long double step = dir * scale::TimeSpanSteps[size_t(index)].Seconds;
    const long double shortStep = step / scale::TimeSpanSteps[size_t(index)].SubDiv;
    const int64_t count = int64_t(std::trunc((high - low) / shortStep)) + 5;
    long double first = std::trunc((low / step) / 0.999999999L) * step;
    // Truncating toward zero lands beyond RangeLow when the range starts
    // below zero (or starts above zero and runs backwards): start one short
    // step before RangeLow instead, the range test below drops it.
    if (dir * low < 0) first = (std::ceil(low / shortStep) - 1) * shortStep;

    // Both ends widened by a relative 1e-9, outwards in the scale's direction
    // (a reversed scale mirrors the factors, or its end ticks would fall out).
    constexpr long double k = 0.999999999L;
    const long double lo = (dir > 0) == (low >= 0) ? low * k : low / k;
    const long double hi = (dir > 0) == (high > 0) ? high / k : high * k;
    auto inside = [&](long double v) { return dir * lo <= dir * v && dir * v <= dir * hi; };

    if (FShortTicks) {
        for (int64_t i = 0; i <= count; ++i) {
            const long double v = first + i * shortStep;
            if (!inside(v)) continue;
            DrawTickMark(ctx, double(v), false);
            RecordTick(double(v));
            AnnounceTick(ctx, double(v));
        }
    }
    const bool withMillisec = index <= 9;
    for (int64_t i = 0; i <= count; ++i) {
        const long double v = first + i * shortStep;
        const long double q = v / step;
        const long double n = std::trunc(q >= 0 ? q + 0.5L : q - 0.5L);
        if (std::fabs(q - n) >= 0.01L || !inside(v)) continue;
        DrawTickMark(ctx, double(v), true);
        RecordTick(double(v));
        // Ticks are whole milliseconds; labelling the nearest one keeps a
        // rounding error from showing as 00:00:01.1000 or -00:00:00.
        const double labelled = double(scale::Round(v * 1000)) / 1000;
        WriteTickLabel(ctx, double(v), scale::FormatTimeSpan(withMillisec, labelled));
        AnnounceTick(ctx, double(v));
    }
    return true;
}

void TScale::DrawDateTimeTicks(const TDrawContext& ctx)
{
    // One drawing of a date/time axis; holds the date counter of the time
    // families.
    struct TPass {
        TScale& s;
        const TDrawContext& ctx;
        long double low, high, r;
        bool anyDateWritten = false;
        uint16_t lastDateDay = 0;  // day of the month of the last date written

        TCanvas& Canvas() const { return *ctx.Canvas; }

        void Message(const std::string& line, const std::vector<std::string>& lines) const
        {
            const int32_t m = s.ValueToPixel(double((low + high) / 2));
            if (ctx.Horizontal) {
                Canvas().TextOut(m - Canvas().TextWidth(line) / 2, ctx.Base + 7, line);
                return;
            }
            const int32_t h = Canvas().TextHeight("T");
            int32_t top = m - h;
            for (const std::string& text : lines) {
                const int32_t left =
                    s.FScaleType == TScaleType::sctYL ? ctx.Base + 2 : ctx.Base - 2 - Canvas().TextWidth(text);
                Canvas().TextOut(left, top, text);
                top += h;
            }
        }

        // Date labels on vertical scales are centred by their own height.
        void Label(double v, const std::string& text) const
        {
            TDrawContext own = ctx;
            own.LabelHeight = Canvas().TextHeight(text);
            s.WriteTickLabel(own, v, text);
        }

        void DrawDateForTime(double v)
        {
            const TDTLabel& f = s.FDateFormat;
            uint16_t year = 0, month = 0, day = 0;
            scale::DecodeDay(v, year, month, day);
            switch (f.DateForTime()) {
            case TDateForTime::dtNone: return;
            case TDateForTime::dtOnePerChart:
                if (anyDateWritten) return;
                break;
            case TDateForTime::dtOnePerDay:
                if (anyDateWritten && day == lastDateDay) return;
                break;
            case TDateForTime::dtAllTicks: break;
            }
            anyDateWritten = true;
            lastDateDay = day;
            std::string text =
                scale::DateFormatString(f.MonthName(), f.YearLength(), f.DateOrder(), f.DateSeparator(), v);
            const int32_t p = s.ValueToPixel(v);
            const int32_t h = Canvas().TextHeight(text);
            if (ctx.Horizontal) {
                // One line beyond the time label.
                const int32_t y = s.FScaleType == TScaleType::sctXT ? ctx.Base + h : ctx.Base - h;
                s.DrawHorizLabel(Canvas(), p, y, std::move(text), v);
                return;
            }
            // One line above the time label.
            const int32_t w = Canvas().TextWidth(text);
            text = s.BeforeTickLabel(v, std::move(text));
            const int32_t left = s.FScaleType == TScaleType::sctYL ? ctx.Base + 8 : ctx.Base - w - 8;
            Canvas().TextOut(left, p - 3 * (h / 2), text);
        }

        void Tick(double v, bool major) const
        {
            s.DrawTickMark(ctx, v, major);
            s.RecordTick(v);
        }

        // Kind 1: hours, 2: minutes, 3: seconds, 4: hundredths of a second.
        void ClockTicks(int32_t kind)
        {
            static constexpr int32_t rows[] = {1, 2, 2, 4};
            static constexpr long double unitsPerDay[] = {24, 1440, 86400, 8640000};
            const scale::TClockStep cs =
                scale::CalcClockStep(rows[kind - 1], unitsPerDay[kind - 1], r, s.FRangeLow);
            anyDateWritten = false;
            lastDateDay = 0;
            long double first = cs.First;
            if (s.FShortTicks)
                while (first > low) first -= cs.ShortStep;
            const long double advance = s.FShortTicks ? cs.ShortStep : cs.Step;
            const std::string format = scale::TimeLabelFormat(kind, s.FDateFormat.TimeFormat(),
                                                              s.FDateFormat.TimeSeparator());
            for (int32_t i = 0; i < kMaxTicksPerSequence; ++i) {
                const long double t = first + i * advance;
                if (t - high >= kDayTolerance) break;
                if (t < low - kDayTolerance) continue;
                const long double q = t / cs.Step;
                const bool major = !s.FShortTicks || std::fabs(q - std::nearbyint(q)) <= 0.1L;
                const double v = double(t);
                Tick(v, major);
                if (major) {
                    Label(v, kind == 4 ? scale::FormatHundredthsLabel(format, v) : scale::FormatDateLabel(format, v));
                    DrawDateForTime(v);
                }
                s.AnnounceTick(ctx, v);
            }
        }

        void DayTicks()
        {
            static constexpr int32_t steps[] = {28, 14, 7, 3, 2, 1};
            int32_t step = 1;
            for (int32_t candidate : steps) {
                if (candidate <= r) {
                    step = candidate;
                    break;
                }
            }
            const int32_t shortStep = step >= 14 ? 7 : 1;
            uint16_t year = 0, month = 0, day = 0;
            scale::DecodeDay(s.FRangeLow, year, month, day);
            if (year == 0) return;  // beyond the calendar
            const double jan1 = EncodeDate(year, 1, 1);
            const double first = jan1 + step * (int64_t(std::trunc(s.FRangeLow - jan1)) / step);
            const int32_t phase = FloorMod(scale::Round(first), step);
            const int32_t advance = s.FShortTicks ? shortStep : step;
            const std::string format =
                scale::DateFormatPattern(scale::TDateUse::duDayTick, s.FDateFormat.MonthName(),
                                         s.FDateFormat.YearLength(), s.FDateFormat.DateOrder(),
                                         s.FDateFormat.DateSeparator());
            for (int32_t i = 0; i < kMaxTicksPerSequence; ++i) {
                const double v = first + double(i) * advance;
                if (v - high >= kDayTolerance || v >= kEndOfCalendar) break;
                if (v < low) continue;
                const bool major = !s.FShortTicks || FloorMod(scale::Round(v), step) == phase;
                Tick(v, major);
                if (major) Label(v, scale::FormatDateLabel(format, v));
                s.AnnounceTick(ctx, v);
            }
        }

        void MonthTicks()
        {
            const long double mpt = (high - low) / 30.4375L / std::max(s.FMinTicks, 1);
            static constexpr int32_t steps[] = {6, 4, 3, 2, 1};
            int32_t step = 1;
            for (int32_t candidate : steps) {
                if (candidate <= mpt) {
                    step = candidate;
                    break;
                }
            }
            uint16_t year = 0, month = 0, day = 0;
            scale::DecodeDay(s.FRangeLow, year, month, day);
            if (year == 0) return;
            int32_t y = year, m = month;
            auto advance = [&](int32_t months) {
                m += months;
                while (m > 12) {
                    m -= 12;
                    ++y;
                }
            };
            if (step > 1 && !s.FShortTicks) {
                do advance(1);
                while (m % step != 1);
            }
            const std::string format =
                scale::DateFormatPattern(scale::TDateUse::duMonthTick, s.FDateFormat.MonthName(),
                                         s.FDateFormat.YearLength(), s.FDateFormat.DateOrder(),
                                         s.FDateFormat.DateSeparator());
            for (int32_t i = 0; i < kMaxTicksPerSequence && y <= 9999; ++i, advance(s.FShortTicks ? 1 : step)) {
                const double v = EncodeDate(uint16_t(y), uint16_t(m), 1);
                if (v - high >= kDayTolerance) break;
                if (v < low) continue;
                const bool major = !(s.FShortTicks && step != 1 && m % step != 1);
                Tick(v, major);
                if (major) Label(v, scale::FormatDateLabel(format, v));
                s.AnnounceTick(ctx, v);
            }
        }

        void YearTicks()
        {
            const long double ypt = std::max((high - low) / 365.25L / std::max(s.FMinTicks, 1), 1.0L);
            // Decade and mantissa from exact powers of ten, so that a ratio of
            // exactly 2 or 5 times a power is not taken for one below it.
            int32_t k = int32_t(std::floor(std::log10(ypt)));
            while (k > 0 && scale::Pow10(k) > ypt) --k;
            while (scale::Pow10(k + 1) <= ypt) ++k;
            const long double decade = scale::Pow10(k);
            const int32_t m = ypt < 2 * decade ? 1 : ypt < 5 * decade ? 2 : 5;
            const int64_t n = scale::Round(decade * m);
            int64_t t = n;
            if (s.FShortTicks && n > 1) t = scale::Round(m == 5 ? n / 5.0L : n / 2.0L);

            uint16_t y0 = 0, m0 = 0, d0 = 0;
            scale::DecodeDay(s.FRangeLow, y0, m0, d0);
            if (y0 == 0) return;
            int64_t year = ((y0 - 1) / t + 1) * t;
            if (year == y0 && (m0 > 1 || d0 > 1)) year += t;
            for (; year <= 9999; year += t) {
                const double v = EncodeDate(uint16_t(year), 1, 1);
                if (v - high >= kDayTolerance) break;
                if (v < low) continue;  // a start after midnight of 1 January
                const bool major = !(s.FShortTicks && year % n != 0);
                Tick(v, major);
                if (major) Label(v, YearLabel(v));
                s.AnnounceTick(ctx, v);
            }
        }

        std::string YearLabel(double v) const
        {
            switch (s.FDateFormat.YearLength()) {
            case TYearLength::ylNone: return {};
            case TYearLength::ylYY: return scale::FormatDateLabel("yy", v);
            case TYearLength::ylYYYY: break;
            }
            std::string text = scale::FormatDateLabel("yyyy", v);
            text.erase(0, text.find_first_not_of('0'));
            return text;
        }
    };

    const double low = FRangeLow, high = FRangeHigh;
    TPass pass{*this, ctx, low, high, 0};
    // Negated so that NaN bounds count as invalid too.
    if (!(high >= low && low >= kFirstDay && high <= kLastValue)) {
        pass.Message("invalid DateTime scale", {"invalid", "DateTime", "scale"});
        return;
    }
    // MinTicks 0 (unit steps) has no meaning on a calendar: the fewest ticks.
    pass.r = (pass.high - pass.low) / std::max(FMinTicks, 1);
    const long double r = pass.r;
    auto belowOneSecond = [&] {
        pass.Message("DateTime range is below 1 second", {"DateTime", "range is", "below 1", "second"});
    };
    if (ctx.Horizontal) {
        if (r <= 1.1574e-5L) belowOneSecond();
        else if (r <= 0.00069444L) pass.ClockTicks(3);
        else if (r <= 0.041667L) pass.ClockTicks(2);
        else if (r <= 1) pass.ClockTicks(1);
        else if (r <= 30) pass.DayTicks();
        else if (r <= 366) pass.MonthTicks();
        else pass.YearTicks();
    } else {
        if (r <= 1 / 8640000.0L) belowOneSecond();
        else if (r <= 1 / 86400.0L) pass.ClockTicks(4);
        else if (r <= 1 / 1440.0L) pass.ClockTicks(3);
        else if (r <= 0.041667L) pass.ClockTicks(2);
        else if (r <= 1) pass.ClockTicks(1);
        else if (r <= 30) pass.DayTicks();
        else if (r <= 366) pass.MonthTicks();
        else pass.YearTicks();
    }
}

}  // namespace qvx

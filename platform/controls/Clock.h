#pragma once
// The wall clock as the components read it. Everything that asks for the
// current time goes through Now(), so a test can put the whole program at a
// chosen moment by replacing the clock source.

#include <atomic>
#include <functional>
#include <memory>

#include "platform/controls/DateUtils.h"

namespace qvx {

using TClockSource = std::function<TDateTime()>;

// Local date and time, to the millisecond.
TDateTime Now();
// Today at 00:00 (Now() truncated toward zero).
TDateTime Date();
// The time of day as a fraction in [0, 1).
TDateTime Time();

// Makes Now() call Source; an empty function restores the system clock.
// Safe to call while other threads read the clock.
void SetClockSource(TClockSource Source);
void ResetClockSource();

// Replaces the clock for the lifetime of the object and puts back whatever
// source was set before, so scopes nest. Built from a TDateTime it is a clock
// that stands still until Set moves it.
class TScopedClock {
public:
    explicit TScopedClock(TClockSource Source);
    explicit TScopedClock(TDateTime Fixed);
    ~TScopedClock();
    TScopedClock(const TScopedClock&) = delete;
    TScopedClock& operator=(const TScopedClock&) = delete;

    // Moves a fixed clock; has no effect on one built from a function.
    void Set(TDateTime Value) { FFixed->store(Value); }

private:
    // Shared with the source, which a reader on another thread may still be
    // calling while this object goes away.
    std::shared_ptr<std::atomic<TDateTime>> FFixed = std::make_shared<std::atomic<TDateTime>>(0.0);
    TClockSource FPrevious;
};

}  // namespace qvx

#include "platform/controls/Clock.h"

#include <time.h>

#include <cmath>
#include <memory>
#include <mutex>

namespace qvx {

namespace {

std::mutex SourceLock;
// Shared so that a reader can call the source outside the lock while another
// thread replaces it.
std::shared_ptr<const TClockSource> Source;

std::shared_ptr<const TClockSource> CurrentSource()
{
    std::lock_guard<std::mutex> lock(SourceLock);
    return Source;
}

TClockSource Exchange(TClockSource NewSource)
{
    auto next = NewSource ? std::make_shared<const TClockSource>(std::move(NewSource)) : nullptr;
    std::lock_guard<std::mutex> lock(SourceLock);
    TClockSource previous = Source ? *Source : TClockSource();
    Source = std::move(next);
    return previous;
}

TDateTime SystemNow()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    if (localtime_r(&now.tv_sec, &local) == nullptr) return 0;
    TDateTime date = 0, time = 0;
    // A leap second (tm_sec 60) shows as the last millisecond of its minute.
    const bool leap = local.tm_sec > 59;
    const auto msec = static_cast<uint16_t>(leap ? 999 : now.tv_nsec / 1000000);
    if (!TryEncodeDate(uint16_t(local.tm_year + 1900), uint16_t(local.tm_mon + 1), uint16_t(local.tm_mday), date) ||
        !TryEncodeTime(uint16_t(local.tm_hour), uint16_t(local.tm_min), uint16_t(leap ? 59 : local.tm_sec), msec,
                       time))
        return 0;
    return ComposeDateTime(date, time);
}

}  // namespace

TDateTime Now()
{
    if (const auto source = CurrentSource()) return (*source)();
    return SystemNow();
}

TDateTime Date()
{
    return std::trunc(Now());
}

TDateTime Time()
{
    const TDateTime now = Now();
    return std::fabs(now - std::trunc(now));
}

void SetClockSource(TClockSource NewSource)
{
    Exchange(std::move(NewSource));
}

void ResetClockSource()
{
    Exchange(nullptr);
}

TScopedClock::TScopedClock(TClockSource NewSource) : FPrevious(Exchange(std::move(NewSource))) {}

TScopedClock::TScopedClock(TDateTime Fixed)
    : FFixed(std::make_shared<std::atomic<TDateTime>>(Fixed)),
      FPrevious(Exchange([value = FFixed] { return value->load(); }))
{
}

TScopedClock::~TScopedClock()
{
    Exchange(std::move(FPrevious));
}

}  // namespace qvx

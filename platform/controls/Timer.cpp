#include "platform/controls/Timer.h"

#include "platform/controls/Application.h"

namespace qvx {

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner)
{
    UpdateTimer();
}

TTimer::~TTimer()
{
    FEnabled = false;
    UpdateTimer();
}

void TTimer::SetInterval(uint32_t value)
{
    if (value == FInterval) return;
    FInterval = value;
    UpdateTimer();
}

void TTimer::SetEnabled(bool value)
{
    if (value == FEnabled) return;
    FEnabled = value;
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    THost* host = Application().Host();
    if (FTimerId >= 0 && host != nullptr) host->StopTimer(FTimerId);
    FTimerId = -1;
    if (FEnabled && FInterval > 0 && host != nullptr) FTimerId = host->StartTimer(FInterval, [this] { HostTimer(); });
}

void TTimer::HostTimer()
{
    GuardedCall([&] {
        if (FEnabled && OnTimer) OnTimer(this);
    });
}

}  // namespace qvx

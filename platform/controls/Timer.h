#pragma once
// TTimer: calls OnTimer every Interval milliseconds while Enabled.

#include <cstdint>

#include "platform/controls/Component.h"

namespace qvx {

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;
    std::string ClassName() const override { return "TTimer"; }

    uint32_t Interval() const { return FInterval; }
    // 0 stops the timer.
    void SetInterval(uint32_t value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    bool Running() const { return FTimerId >= 0; }

    TNotifyEvent OnTimer;

    // Host entry point: the interval has elapsed.
    void HostTimer();

private:
    void UpdateTimer();

    uint32_t FInterval = 1000;
    bool FEnabled = true;
    int32_t FTimerId = -1;
};

}  // namespace qvx

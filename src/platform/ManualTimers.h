#pragma once

#include "platform/Timers.h"

#include <cstdint>
#include <vector>

namespace fup::platform {

// A timer service whose clock only moves when a test says so. advance() fires every
// timer that falls due on the way, in due order, so deferred work runs deterministically.
class ManualTimerService final : public TimerService {
public:
    ManualTimerService();
    ~ManualTimerService() override;
    std::unique_ptr<Timer> createTimer() override;
    std::int64_t milliseconds() const override { return now_; }
    void advance(std::int64_t milliseconds);

private:
    class ManualTimer;
    friend class ManualTimer;
    std::int64_t now_ = 0;
    std::vector<ManualTimer*> timers_;
};

}  // namespace fup::platform

#include "platform/ManualTimers.h"

#include <algorithm>
#include <limits>

namespace fup::platform {

class ManualTimerService::ManualTimer final : public Timer {
public:
    explicit ManualTimer(ManualTimerService& service) : service_(&service) { service.timers_.push_back(this); }
    ~ManualTimer() override
    {
        if (service_)
            std::erase(service_->timers_, this);
    }
    void setCallback(std::function<void()> callback) override { callback_ = std::move(callback); }
    void setInterval(int milliseconds) override { interval_ = std::max(0, milliseconds); }
    int interval() const override { return interval_; }
    void setSingleShot(bool singleShot) override { singleShot_ = singleShot; }
    void start() override
    {
        active_ = true;
        due_ = (service_ ? service_->now_ : 0) + interval_;
    }
    void stop() override { active_ = false; }
    bool isActive() const override { return active_; }

    ManualTimerService* service_;
    std::function<void()> callback_;
    int interval_ = 0;
    bool singleShot_ = false;
    bool active_ = false;
    std::int64_t due_ = 0;
};

ManualTimerService::ManualTimerService() = default;

ManualTimerService::~ManualTimerService()
{
    for (ManualTimer* timer : timers_)
        timer->service_ = nullptr;
}

std::unique_ptr<Timer> ManualTimerService::createTimer() { return std::make_unique<ManualTimer>(*this); }

void ManualTimerService::advance(std::int64_t milliseconds)
{
    const std::int64_t end = now_ + std::max<std::int64_t>(0, milliseconds);
    for (;;) {
        // Callbacks may create, stop or destroy timers, so look for the next due one afresh.
        ManualTimer* next = nullptr;
        for (ManualTimer* timer : timers_)
            if (timer->active_ && timer->due_ <= end && (!next || timer->due_ < next->due_))
                next = timer;
        if (!next)
            break;
        now_ = std::max(now_, next->due_);
        if (next->singleShot_)
            next->active_ = false;
        else
            next->due_ = now_ + std::max(1, next->interval_);
        if (next->callback_)
            next->callback_();
    }
    now_ = end;
}

}  // namespace fup::platform

#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace fup::platform {

// A one-shot or periodic timer on the GUI thread. The core never sleeps: periodic and
// deferred work (simulation cycle, polling, deferred message boxes, removals that must
// not happen inside their own event) runs from timer callbacks.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void setCallback(std::function<void()> callback) = 0;
    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;
    virtual void setSingleShot(bool singleShot) = 0;
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary origin, monotonic.
    virtual std::int64_t milliseconds() const = 0;
};

class TimerService : public Clock {
public:
    virtual std::unique_ptr<Timer> createTimer() = 0;
};

}  // namespace fup::platform

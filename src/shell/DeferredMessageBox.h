#pragma once

#include "platform/Timers.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>

namespace fup {

// A message box shown 300 ms after it was asked for, once the event that caused it has
// returned and every block has its normal colour again.
class DeferredMessageBox {
public:
    static constexpr int DelayMs = 300;

    // resetColours runs before the box is shown; showBox shows one text.
    DeferredMessageBox(platform::TimerService& timers, std::function<void()> resetColours,
                       std::function<void(const std::string&)> showBox);

    void request(const std::string& text);
    bool pending() const { return !queue_.empty(); }

private:
    void fire();

    std::unique_ptr<platform::Timer> timer_;
    std::function<void()> resetColours_;
    std::function<void(const std::string&)> showBox_;
    std::deque<std::string> queue_;
};

}  // namespace fup

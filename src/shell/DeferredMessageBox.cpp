#include "shell/DeferredMessageBox.h"

namespace fup {

DeferredMessageBox::DeferredMessageBox(platform::TimerService& timers, std::function<void()> resetColours,
                                       std::function<void(const std::string&)> showBox)
    : timer_(timers.createTimer()), resetColours_(std::move(resetColours)), showBox_(std::move(showBox))
{
    timer_->setSingleShot(true);
    timer_->setInterval(DelayMs);
    timer_->setCallback([this] { fire(); });
}

void DeferredMessageBox::request(const std::string& text)
{
    queue_.push_back(text);
    if (!timer_->isActive())
        timer_->start();
}

void DeferredMessageBox::fire()
{
    if (resetColours_)
        resetColours_();
    // A box is modal: texts requested while it is open wait for the next round.
    std::deque<std::string> due;
    due.swap(queue_);
    for (const std::string& text : due)
        showBox_(text);
    if (!queue_.empty())
        timer_->start();
}

}  // namespace fup

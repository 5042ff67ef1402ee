#include "shell/DeferredMessageBox.h"

#include "platform/ManualTimers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fup {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(DeferredMessageBox, ShowsAfterColoursAreReset)
{
    platform::ManualTimerService timers;
    std::vector<std::string> calls;
    DeferredMessageBox box(
        timers, [&] { calls.push_back("reset"); }, [&](const std::string& text) { calls.push_back(text); });

    box.request("eins");
    timers.advance(100);
    box.request("zwei");
    timers.advance(199);
    EXPECT_THAT(calls, IsEmpty());
    timers.advance(1);
    EXPECT_THAT(calls, ElementsAre("reset", "eins", "zwei"));
    EXPECT_FALSE(box.pending());
}

TEST(DeferredMessageBox, TextRequestedWhileShowingWaitsForTheNextRound)
{
    platform::ManualTimerService timers;
    std::vector<std::string> shown;
    DeferredMessageBox* self = nullptr;
    DeferredMessageBox box(timers, {}, [&](const std::string& text) {
        shown.push_back(text);
        if (text == "eins")
            self->request("folge");
    });
    self = &box;
    box.request("eins");
    timers.advance(300);
    EXPECT_THAT(shown, ElementsAre("eins"));
    timers.advance(300);
    EXPECT_THAT(shown, ElementsAre("eins", "folge"));
}

TEST(ManualTimers, PeriodicAndDestroyedTimers)
{
    platform::ManualTimerService timers;
    int ticks = 0;
    auto periodic = timers.createTimer();
    periodic->setInterval(10);
    periodic->setCallback([&] { ++ticks; });
    periodic->start();
    timers.advance(35);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(timers.milliseconds(), 35);
    periodic.reset();
    timers.advance(100);  // a destroyed timer never fires
    EXPECT_EQ(ticks, 3);
}

}  // namespace
}  // namespace fup

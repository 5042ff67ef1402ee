#include "codegen/TimeConstant.h"

#include "model/Document.h"
#include "shell/RecordingReporter.h"

#include <gtest/gtest.h>

namespace fup {
namespace {

struct Rounding : ::testing::Test {
    Rounding() { block = document.createBlock(51, 1, 1, 1, 4, 4, false); }

    TimeConstantResult round(const std::string& text, double cycleSeconds = 0.1)
    {
        return roundTimeConstant(text, cycleSeconds, *block, reporter, [this](const std::string& question) {
            questions.push_back(question);
            return answer;
        });
    }

    test::RecordingReporter reporter;
    Document document{&reporter};
    TKiste* block = nullptr;
    std::vector<std::string> questions;
    bool answer = true;
};

TEST_F(Rounding, PowersOfTwoCyclesPassSilently)
{
    struct Case {
        const char* entered;
        const char* kept;
    };
    for (const Case& c : {Case{"0.8", "0.8"}, Case{"0.1", "0.1"}, Case{"0.05", "0.1"}, Case{"-3", "0.1"},
                          Case{"0.0", "0.1"}, Case{"0.82", "0.8"}, Case{" 1.6 ", "1.6"}}) {
        const TimeConstantResult result = round(c.entered);
        EXPECT_TRUE(result.accepted) << c.entered;
        EXPECT_EQ(result.text, c.kept) << c.entered;
    }
    EXPECT_TRUE(questions.empty());
    EXPECT_TRUE(reporter.lines.empty());
}

TEST_F(Rounding, OtherTimesAskForTheNearest)
{
    TimeConstantResult result = round("1");
    EXPECT_TRUE(result.accepted);
    EXPECT_EQ(result.text, "0.8");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], block->name + ": naechstmoegliche Zeitkonstante= 0.8 Sec!  ..uebernehmen ?");

    answer = false;
    result = round("1");
    EXPECT_FALSE(result.accepted);
    EXPECT_EQ(result.text, "1");
}

TEST_F(Rounding, EmptyOrUnreadableTextsAreRefused)
{
    EXPECT_FALSE(round("  ").accepted);
    EXPECT_FALSE(round("zwei").accepted);
    EXPECT_EQ(reporter.lines,
              (std::vector<std::string>{"E:" + block->name + " ohne PT1-Zeit",
                                        "E:" + block->name + " strToFloat exception  PT1-Zeit"}));
}

TEST_F(Rounding, WithoutCycleTimeTheTextStays)
{
    const TimeConstantResult result = round("1", 0.0);
    EXPECT_TRUE(result.accepted);
    EXPECT_EQ(result.text, "1");
    EXPECT_TRUE(questions.empty());
}

} // namespace
} // namespace fup

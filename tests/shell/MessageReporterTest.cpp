#include "shell/MessageReporter.h"

#include "shell/EditorState.h"
#include "shell/ErrorList.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fup {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Blocks are only passed through by address here; the view never looks inside them.
const TKiste* const SomeBlock = reinterpret_cast<const TKiste*>(0x1000);

class FakeView final : public ReporterView {
public:
    void showMainWindow() override { calls.push_back("show"); }
    void highlightBlock(const TKiste&, Rgb colour) override
    {
        calls.push_back(colour == colour::Red ? "red" : colour == colour::Yellow ? "yellow" : "other");
    }
    int blockNumber(const TKiste&) const override { return 7; }
    void raiseMessageWindow() override { calls.push_back("raise"); }
    void appendMessage(const std::string& line) override { calls.push_back("msg:" + line); }
    void messageBox(const std::string& text) override { calls.push_back("box:" + text); }
    void showErrorList() override { calls.push_back("list"); }
    std::vector<std::string> calls;
};

struct ReporterFixture : ::testing::Test {
    EditorState state;
    TErrListBox errors;
    FakeView view;
    MessageReporter reporter{state, errors, view};
};

TEST_F(ReporterFixture, ExitCodeFollowsTheLastReport)
{
    EXPECT_EQ(reporter.exitCode(), 0);
    reporter.warning(nullptr, "w");
    EXPECT_EQ(reporter.exitCode(), ExitWarning);
    EXPECT_TRUE(state.warningFlag);
    bool ok = true;
    reporter.error(nullptr, "e", ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(reporter.exitCode(), ExitError);
    reporter.warning(nullptr, "w2");
    EXPECT_EQ(reporter.exitCode(), ExitWarning);
    reporter.log("only a line");
    reporter.box("only a box");
    EXPECT_EQ(reporter.exitCode(), ExitWarning);
}

TEST_F(ReporterFixture, InteractiveReports)
{
    bool ok = true;
    reporter.error(SomeBlock, "kaputt", ok);
    reporter.warning(nullptr, "vorsicht");
    reporter.errorRaw(nullptr, "eigener Text", ok);
    EXPECT_THAT(view.calls, ElementsAre("red", "msg:Fehler: kaputt", "box:Fehler: kaputt",          //
                                        "raise", "msg:Warnung: vorsicht", "box:Warnung: vorsicht",  //
                                        "raise", "msg:eigener Text", "box:eigener Text"));
    EXPECT_THAT(errors.entries(), IsEmpty());
}

TEST_F(ReporterFixture, CompileRunCollectsIntoErrorList)
{
    reporter.setCompileRunning(true);
    reporter.error(SomeBlock, "a");
    reporter.warning(nullptr, "b");
    EXPECT_THAT(view.calls, ElementsAre("list", "list"));
    ASSERT_EQ(errors.entries().size(), 2u);
    EXPECT_EQ(errors.entries()[0].text, "Fehler : a");
    EXPECT_EQ(errors.entries()[0].blockNumber, 7);
    EXPECT_EQ(errors.entries()[1].text, "Warnung: b");
    EXPECT_EQ(errors.entries()[1].blockNumber, -1);
    EXPECT_EQ(reporter.exitCode(), ExitWarning);
}

TEST_F(ReporterFixture, SimulationSendsOnlyErrorsToTheList)
{
    state.mode = EditorMode::Simulation;
    reporter.error(nullptr, "a");
    reporter.warning(nullptr, "b");
    EXPECT_EQ(errors.entries().size(), 1u);
    EXPECT_THAT(view.calls, ElementsAre("list", "raise", "msg:Warnung: b", "box:Warnung: b"));
}

TEST_F(ReporterFixture, BatchModeShowsTheWindowFirst)
{
    state.batchMode = true;
    reporter.warning(nullptr, "b");
    ASSERT_FALSE(view.calls.empty());
    EXPECT_EQ(view.calls.front(), "show");
}

TEST(ErrorList, DoubleClickAndRightClick)
{
    TErrListBox list;
    list.add("Fehler : x", 4);
    list.add("Warnung: y", -1);
    EXPECT_TRUE(list.visible());
    EXPECT_EQ(list.blockAt(0), 4);
    EXPECT_EQ(list.blockAt(1), -1);
    EXPECT_EQ(list.blockAt(9), -1);
    list.hideAndClear();
    EXPECT_FALSE(list.visible());
    EXPECT_THAT(list.entries(), IsEmpty());
}

}  // namespace
}  // namespace fup

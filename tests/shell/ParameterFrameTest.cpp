#include "shell/ParameterFrame.h"

#include "HauptFixture.h"

#include "model/Document.h"
#include "shell/Haupt.h"

#include <gtest/gtest.h>

namespace fup {
namespace {

Para_descriptor parameter(const char* name, int kind, const char* value, bool eeprom, bool flash,
                          const char* hint = "")
{
    Para_descriptor p;
    p.name = name;
    p.kind = kind;
    p.value = value;
    p.prompt = name;
    p.hint = hint;
    p.eeprom = eeprom;
    p.flash = flash;
    return p;
}

// A limit block with one EEPROM constant between two flash constants.
std::vector<Para_descriptor> mixedConstants()
{
    return {parameter("OG", 55, "0.9", false, true, "Obergrenze"), parameter("SG", 55, "0.5", true, false),
            parameter("UG", 55, "-0.9", false, true, "Untergrenze")};
}

TEST(ParameterValues, CleanedAsTheyAreStored)
{
    struct Case {
        const char* entered;
        int kind;
        const char* stored;
    };
    for (const Case& c :
         {Case{"12,5", 55, "12.5"}, Case{"  0,25 ", 51, "0.25"}, Case{"1,5", 59, "1.5"},
          Case{"12,5", 58, "12,5"}, Case{" \"Pumpe\" ", 58, "Pumpe"}, Case{"a\"b,c", 58, "a b,c"},
          Case{"1,2,3", 56, "1.2.3"}, Case{"\"2,5\"", 62, "2.5"}, Case{"", 55, ""}}) {
        EXPECT_EQ(cleanParameterValue(c.entered, c.kind), c.stored) << c.entered << " kind " << c.kind;
    }
}

TEST(ParameterRows, CountSkipsTheProgramTextOfStructuredText)
{
    Document document;
    const TKiste* st = document.createBlock(81, 0, 0, 1, 4, 4, false);
    EXPECT_EQ(st->params.size(), 8u);
    EXPECT_EQ(parameterRowCount(*st), 7);
    EXPECT_EQ(parameterRowCount(*document.createBlock(13, 2, 1, 1, 20, 4, false)), 1);
    EXPECT_EQ(parameterRowCount(*document.createBlock(21, 0, 0, 1, 40, 4, false)), 1);
}

TEST(ParameterRows, OpeningFillsTheRowsInUse)
{
    ParameterFrame frame;
    int notified = 0;
    frame.changed = [&] { ++notified; };
    std::vector<Para_descriptor> params = mixedConstants();
    params[1].show = false;
    frame.open("Limit 4", 3, params, false);

    EXPECT_EQ(frame.state(), ParameterFrameState::Open);
    EXPECT_EQ(frame.blockName(), "Limit 4");
    EXPECT_EQ(frame.rowsInUse(), 3);
    EXPECT_EQ(notified, 1);
    const ParameterRow& og = frame.row(0);
    EXPECT_EQ(og.label, "OG =");
    EXPECT_EQ(og.value, "0.9");
    EXPECT_EQ(og.storageText(), "Obergrenze   (FLASH/fix)");
    EXPECT_TRUE(og.storageHighlighted());
    EXPECT_TRUE(og.visible);
    EXPECT_EQ(frame.row(1).storageText(), "   (EEPROM/aenderbar)");
    EXPECT_FALSE(frame.row(1).storageHighlighted());
    EXPECT_FALSE(frame.row(1).visible);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(frame.row(i).editShown && frame.row(i).checkShown && frame.row(i).storageShown) << i;
    }
    for (int i = 3; i < ParameterRowCount; ++i) {
        EXPECT_FALSE(frame.row(i).shown || frame.row(i).editShown || frame.row(i).checkShown ||
                     frame.row(i).storageShown)
            << i;
        EXPECT_EQ(frame.row(i).label, "");
    }
    EXPECT_EQ(frame.firstFocusRow(), 0);

    // A plain parameter shows its hint alone; a second opening clears what was there.
    Para_descriptor plain = parameter("nr", 56, "3", false, false, "Register");
    frame.open("REG 1", 1, {plain}, false);
    EXPECT_EQ(frame.row(0).storageText(), "Register");
    EXPECT_FALSE(frame.row(1).shown);
}

TEST(ParameterRows, OnlineShowsOnlyTheEepromValueField)
{
    ParameterFrame frame;
    frame.open("Limit 4", 3, mixedConstants(), true);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(frame.row(i).shown) << i;
        EXPECT_EQ(frame.row(i).editShown, i == 1) << i;
        EXPECT_FALSE(frame.row(i).checkShown) << i;
        EXPECT_FALSE(frame.row(i).storageShown) << i;
    }
    EXPECT_EQ(frame.firstFocusRow(), 1);
    // Enter in the only field is Enter in the last one.
    EXPECT_EQ(frame.enterPressed(1), -1);
    EXPECT_EQ(frame.state(), ParameterFrameState::Accepted);
    // The storage labels are not there to be clicked.
    frame.open("Limit 4", 3, mixedConstants(), true);
    frame.storageClicked(0);
    EXPECT_FALSE(frame.row(0).eeprom);
}

TEST(ParameterRows, StorageLabelSwitchesFlashAndEeprom)
{
    ParameterFrame frame;
    frame.open("Limit 4", 3, mixedConstants(), false);
    frame.storageClicked(0);
    EXPECT_TRUE(frame.row(0).eeprom);
    EXPECT_EQ(frame.row(0).storageText(), "Obergrenze   (EEPROM/aenderbar)");
    EXPECT_FALSE(frame.row(0).storageHighlighted());
    frame.storageClicked(0);
    EXPECT_EQ(frame.row(0).storageText(), "Obergrenze   (FLASH/fix)");
    // An EEPROM constant that is not switchable stays one; rows out of use are ignored.
    frame.storageClicked(1);
    frame.storageClicked(7);
    frame.storageClicked(-1);
    EXPECT_TRUE(frame.row(1).eeprom);

    frame.storageClicked(2);
    frame.accept();
    const ParameterPoll poll = frame.poll(mixedConstants(), {});
    EXPECT_EQ(poll.eeprom, (std::vector<bool>{false, true, true}));
    EXPECT_FALSE(poll.changed); // the storage is no value text
}

TEST(ParameterPanel, StatesMoveOnlyFromOpen)
{
    ParameterFrame frame;
    frame.accept();
    frame.cancel();
    EXPECT_EQ(frame.state(), ParameterFrameState::Closed);
    EXPECT_FALSE(frame.poll(mixedConstants(), {}).done);

    frame.open("Limit 4", 3, mixedConstants(), false);
    EXPECT_FALSE(frame.poll(mixedConstants(), {}).done); // still open
    frame.cancel();
    frame.accept(); // too late
    EXPECT_EQ(frame.state(), ParameterFrameState::Cancelled);
    const ParameterPoll cancelled = frame.poll(mixedConstants(), {});
    EXPECT_TRUE(cancelled.done);
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_FALSE(cancelled.accepted);
    EXPECT_TRUE(cancelled.values.empty());
    EXPECT_EQ(frame.state(), ParameterFrameState::Closed);

    frame.open("Limit 4", 3, mixedConstants(), false);
    frame.escapePressed();
    EXPECT_EQ(frame.state(), ParameterFrameState::Cancelled);
}

TEST(ParameterPanel, EnterWalksThroughTheFieldsAndAcceptsOnTheLast)
{
    ParameterFrame frame;
    frame.open("Limit 4", 3, mixedConstants(), false);
    EXPECT_EQ(frame.enterPressed(0), 1);
    EXPECT_EQ(frame.enterPressed(1), 2);
    EXPECT_EQ(frame.state(), ParameterFrameState::Open);
    EXPECT_EQ(frame.enterPressed(2), -1);
    EXPECT_EQ(frame.state(), ParameterFrameState::Accepted);
}

TEST(ParameterPanel, AcceptedPollHandsBackCleanedValues)
{
    ParameterFrame frame;
    const std::vector<Para_descriptor> params = mixedConstants();
    frame.open(" \"Limit\" 4 ", 3, params, false);
    frame.setValue(0, " 0,75 ");
    frame.setVisible(1, false);
    frame.accept();
    const ParameterPoll poll = frame.poll(params, {});
    EXPECT_TRUE(poll.done);
    EXPECT_TRUE(poll.accepted);
    EXPECT_TRUE(poll.changed);
    EXPECT_EQ(poll.name, "Limit  4");
    EXPECT_EQ(poll.values, (std::vector<std::string>{"0.75", "0.5", "-0.9"}));
    EXPECT_EQ(poll.visible, (std::vector<bool>{true, false, true}));
    EXPECT_EQ(frame.state(), ParameterFrameState::Closed);

    // The same texts again: nothing changed.
    frame.open("Limit 4", 3, params, false);
    frame.setValue(2, "-0,9");
    frame.accept();
    EXPECT_FALSE(frame.poll(params, {}).changed);
}

TEST(ParameterPanel, RefusedTimeConstantKeepsThePanelOpen)
{
    ParameterFrame frame;
    std::vector<Para_descriptor> params{parameter("ina", 56, "2", false, false),
                                        parameter("t", 60, "0.8", false, true)};
    bool agree = false;
    std::vector<std::string> rounded;
    const ParameterFrame::TimeConstantRounding round = [&](int row, const std::string& text) {
        rounded.push_back(std::to_string(row) + ":" + text);
        return TimeConstantResult{agree, agree ? "0.8" : text};
    };
    frame.open("PT1 1", 2, params, false);
    frame.setValue(0, "4");
    frame.setValue(1, "1,0");
    frame.accept();
    const ParameterPoll refused = frame.poll(params, round);
    EXPECT_FALSE(refused.done);
    EXPECT_FALSE(refused.accepted);
    EXPECT_TRUE(refused.values.empty());
    EXPECT_EQ(frame.state(), ParameterFrameState::Open);
    EXPECT_EQ(frame.row(1).value, "1.0");
    EXPECT_EQ(params[0].value, "2"); // nothing was taken over

    agree = true;
    frame.accept();
    const ParameterPoll taken = frame.poll(params, round);
    EXPECT_TRUE(taken.accepted);
    EXPECT_EQ(taken.values, (std::vector<std::string>{"4", "0.8"}));
    EXPECT_TRUE(taken.changed);
    EXPECT_EQ(rounded, (std::vector<std::string>{"1:1.0", "1:1.0"}));
}

struct ParameterCommand : test::HauptFixture {
    // Types into the first row and presses OK, then lets the block's poll run.
    void enter(const std::string& text)
    {
        haupt.parameterFrame().setValue(0, text);
        haupt.parameterFrame().accept();
        timers.advance(100);
    }

    ParameterFrame& frame = haupt.parameterFrame();
};

TEST_F(ParameterCommand, OpensAfterTheMenuAndAppliesThroughTheDocument)
{
    EXPECT_TRUE(Haupt::handlesBlockCommand(BlockCommand::Parameter));
    TKiste* adder = haupt.document().createBlock(13, 2, 1, 1, 4, 4, false);
    haupt.blockCommand(*adder, BlockCommand::Parameter);
    EXPECT_FALSE(frame.isOpen());
    timers.advance(10);
    ASSERT_EQ(frame.state(), ParameterFrameState::Open);
    EXPECT_EQ(frame.blockName(), adder->name);
    EXPECT_EQ(frame.rowsInUse(), 1);

    const int before = view.redisplays;
    enter("4");
    EXPECT_FALSE(frame.isOpen());
    EXPECT_EQ(adder->n, 4);
    EXPECT_NE(adder->pinNamed("+4"), nullptr);
    EXPECT_GT(view.redisplays, before);

    // Cancelled or given up: nothing is taken over.
    haupt.blockCommand(*adder, BlockCommand::Parameter);
    timers.advance(10);
    frame.setValue(0, "3");
    frame.cancel();
    timers.advance(100);
    EXPECT_FALSE(frame.isOpen());
    EXPECT_EQ(adder->n, 4);
}

TEST_F(ParameterCommand, NotOfferedNotOpened)
{
    TKiste* adder = haupt.document().createBlock(13, 2, 1, 1, 4, 4, false);
    TKiste* bare = haupt.document().createBlock(17, 1, 1, 1, 20, 4, false); // no parameters
    haupt.blockCommand(*bare, BlockCommand::Parameter);
    timers.advance(20);
    EXPECT_FALSE(frame.isOpen());

    haupt.NURLESEN1Click(); // read-only
    haupt.blockCommand(*adder, BlockCommand::Parameter);
    timers.advance(20);
    EXPECT_FALSE(frame.isOpen());
}

TEST_F(ParameterCommand, RemovedBlockClosesItsPanel)
{
    TKiste* adder = haupt.document().createBlock(13, 2, 1, 1, 4, 4, false);
    haupt.openParameters(*adder);
    haupt.document().removeBlock(*adder);
    enter("5");
    EXPECT_FALSE(frame.isOpen());
    EXPECT_FALSE(adder->alive());
}

TEST_F(ParameterCommand, TimeConstantIsRoundedOrKeepsThePanelOpen)
{
    haupt.state().setCycleTime(100);
    TKiste* pt1 = haupt.document().createBlock(51, 1, 1, 1, 4, 4, false);
    haupt.openParameters(*pt1);
    enter("1");
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(frame.state(), ParameterFrameState::Open);
    EXPECT_EQ(frame.row(0).value, "1");
    EXPECT_EQ(pt1->param("t")->value, "0.0");

    dialogs.yesNo = {true};
    enter("1");
    EXPECT_FALSE(frame.isOpen());
    EXPECT_EQ(pt1->param("t")->value, "0.8");
}

TEST_F(ParameterCommand, VisibleAndStorageFlagsAreTakenOver)
{
    TKiste* constant = haupt.document().createBlock(12, 1, 1, 1, 4, 4, false);
    ASSERT_TRUE(constant->param("K")->flash);
    haupt.openParameters(*constant);
    frame.storageClicked(0);
    frame.setVisible(0, false);
    enter("0,25");
    EXPECT_EQ(constant->param("K")->value, "0.25");
    EXPECT_TRUE(constant->param("K")->eeprom);
    EXPECT_FALSE(constant->param("K")->show);
}

} // namespace
} // namespace fup

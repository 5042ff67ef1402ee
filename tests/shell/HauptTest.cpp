#include "shell/Haupt.h"
#include "HauptFixture.h"
#include "ScratchDirectory.h"

#include <gtest/gtest.h>

namespace fup {
namespace {

using test::HauptFixture;
using test::HauptRun;

TEST_F(HauptFixture, RemovalWaitsUntilTheMenuEventHasReturned)
{
    Document& document = haupt.document();
    TKiste* first = document.createBlock(13, 2, 1, 1, 4, 4, false);
    document.createBlock(14, 2, 1, 1, 20, 4, false);
    haupt.blockCommand(*first, BlockCommand::Remove);
    EXPECT_EQ(document.blocks().size(), 2u);
    timers.advance(1);
    ASSERT_EQ(document.blocks().size(), 1u);
    EXPECT_EQ(document.blocks()[0]->name, "SUGR 1");
}

TEST_F(HauptFixture, MacroGoesWithItsInside)
{
    Document& document = haupt.document();
    TKiste* macro = haupt.createBlockFromMenu(187);
    ASSERT_NE(macro, nullptr);
    document.createBlock(13, 2, 1, macro->childPage, 4, 4, false);
    document.createBlock(92, 2, 1, 1, 30, 4, false);
    haupt.blockCommand(*macro, BlockCommand::Remove);
    timers.advance(1);
    ASSERT_EQ(document.blocks().size(), 1u);
    EXPECT_EQ(document.blocks()[0]->type, 92);
}

TEST_F(HauptFixture, ReadOnlyAndOtherModesChangeNothing)
{
    Document& document = haupt.document();
    TKiste* block = document.createBlock(13, 2, 1, 1, 4, 4, false);
    haupt.NURLESEN1Click();  // read-only again
    haupt.blockCommand(*block, BlockCommand::Flip);
    haupt.blockCommand(*block, BlockCommand::Remove);
    timers.advance(5);
    EXPECT_FALSE(block->flipped);
    EXPECT_EQ(document.blocks().size(), 1u);
    EXPECT_EQ(haupt.createBlockFromMenu(13), nullptr);
}

TEST_F(HauptFixture, ExitKeepsTheWindowWhenNothingWasSaved)
{
    haupt.saveProgram = [] { return false; };
    haupt.Exit1Click();
    EXPECT_FALSE(view.closed);
    haupt.saveProgram = [] { return true; };
    haupt.Exit1Click();
    EXPECT_TRUE(view.closed);
}

TEST_F(HauptFixture, BlocksRefusedOutsideTheirHome)
{
    EXPECT_EQ(haupt.createBlockFromMenu(189), nullptr);
    EXPECT_EQ(view.boxes, std::vector<std::string>{"nur in \"Automat\" moeglich"});
    EXPECT_TRUE(haupt.document().blocks().empty());
}

}  // namespace
}  // namespace fup

namespace fup {
namespace {

TEST(HauptFile, SavedProgramOpensAgainAtStartUp)
{
    const std::filesystem::path dir = fup::test::scratchDirectory("fup-haupt-test");
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string program = (dir / "pumpe.KR2").string();
    {
        HauptRun run({program, "20", "", "", "", "", "", "4"}, dir);
        Haupt& haupt = run.haupt;
        EXPECT_TRUE(haupt.document().blocks().empty());
        EXPECT_FALSE(std::filesystem::exists(program));  // a missing file is no error

        haupt.document().createBlock(13, 3, 1, 1, 10, 10, false);
        haupt.document().createBlock(92, 2, 1, 1, 30, 10, false);
        EXPECT_FALSE(haupt.saveProgramFile());  // still read-only
        EXPECT_EQ(run.view.boxes, std::vector<std::string>{"read only !"});
        haupt.NURLESEN1Click();
        haupt.Exit1Click();
        EXPECT_TRUE(run.view.closed);
    }
    HauptRun run({program}, dir);
    Haupt& haupt = run.haupt;
    ASSERT_EQ(haupt.document().blocks().size(), 2u);
    EXPECT_EQ(haupt.document().blocks()[0]->name, "ADGR 1");
    EXPECT_EQ(haupt.document().blocks()[0]->n, 3);
    EXPECT_EQ(haupt.state().target, 4);
    EXPECT_DOUBLE_EQ(haupt.state().cycleTimeMs, 20);
    EXPECT_EQ(haupt.state().processName, "pumpe");
    EXPECT_EQ(haupt.exitCode(), 0);

    // A damaged file: reported, empty document, process "leer_dummy".
    std::filesystem::resize_file(program, 40);
    HauptRun brokenRun({program}, dir);
    Haupt& broken = brokenRun.haupt;
    EXPECT_TRUE(broken.document().blocks().empty());
    EXPECT_EQ(broken.state().processName, "leer_dummy");
    EXPECT_EQ(broken.exitCode(), 10);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace fup

namespace fup {
namespace {

TEST(HauptFile, SaveAsThenLoadAnotherProgram)
{
    const std::filesystem::path dir = fup::test::scratchDirectory("fup-haupt-files");
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    HauptRun run({}, dir);
    Haupt& haupt = run.haupt;
    test::ScriptedDialogs& dialogs = run.dialogs;
    haupt.NURLESEN1Click();
    haupt.document().createBlock(13, 2, 1, 1, 10, 10, false);

    dialogs.file = dir / "kessel.kr2";
    haupt.ProgrammSichernUnterClick();
    EXPECT_EQ(haupt.state().processName, "kessel");
    EXPECT_TRUE(std::filesystem::exists(dir / "kessel.KR2"));

    // Clearing the sheets can be undone; loading asks first and cancel keeps everything.
    haupt.ArbeitsblaetterLoeschenClick();
    EXPECT_TRUE(haupt.document().blocks().empty());
    haupt.edit().undo();
    EXPECT_EQ(haupt.document().blocks().size(), 1u);
    haupt.ProgrammLadenClick();
    EXPECT_EQ(haupt.document().blocks().size(), 1u);

    haupt.document().createBlock(92, 2, 1, 1, 30, 10, false);
    dialogs.yesNoCancel = {platform::Answer::No};
    haupt.ProgrammLadenClick();  // the same file again, without the unsaved AND
    ASSERT_EQ(haupt.document().blocks().size(), 1u);
    EXPECT_EQ(haupt.document().blocks()[0]->type, 13);

    dialogs.file = std::filesystem::path("/");
    haupt.ProgrammSichernUnterClick();  // no name in the path
    EXPECT_EQ(run.view.boxes.back(), "ungueltige Ziel-Datei");
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace fup

namespace fup {
namespace {

TEST_F(HauptFixture, MacroSavedFromItsMenuEntry)
{
    const std::filesystem::path dir = fup::test::scratchDirectory("fup-haupt-macro");
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    haupt.state().dataDirectory = dir / "";
    TKiste* macro = haupt.createBlockFromMenu(187);
    ASSERT_NE(macro, nullptr);
    macro->param("nam")->value = "KESSEL";
    haupt.document().createBlock(13, 2, 1, macro->childPage, 4, 4, false);
    ASSERT_TRUE(Haupt::handlesBlockCommand(*macro, BlockCommand::Save));
    haupt.blockCommand(*macro, BlockCommand::Save);
    EXPECT_TRUE(std::filesystem::exists(dir / "KESSEL.KR4"));
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace fup

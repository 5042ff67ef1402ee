#include "HauptFixture.h"
#include "ScratchDirectory.h"

#include "codegen/MacroChecks.h"
#include "model/Hierarchy.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fup {
namespace {

using test::ScriptedDialogs;

struct Hierarchy : test::HauptFixture {
    Document& doc = haupt.document();

    // A macro needs a name: the checks after returning report a nameless one.
    TKiste* macroFromMenu(const std::string& name)
    {
        TKiste* macro = haupt.createBlockFromMenu(187);
        EXPECT_NE(macro, nullptr);
        macro->param("nam")->value = name;
        return macro;
    }

    TKiste* portFromMenu(int type, const std::string& name, const std::string& number)
    {
        TKiste* port = haupt.createBlockFromMenu(type);
        EXPECT_NE(port, nullptr);
        port->param("nam")->value = name;
        port->param("nr")->value = number;
        return port;
    }
};

TEST_F(Hierarchy, DescendAndReturnKeepTheViews)
{
    doc.setScroll(100, 50);
    TKiste* macro = macroFromMenu("M");
    EXPECT_EQ(macro->childPage, 200);
    macro->viewX = 3;
    macro->viewY = 4;

    haupt.blockCommand(*macro, BlockCommand::OpenInside);
    EXPECT_EQ(doc.currentSheet(), 200);
    EXPECT_EQ(doc.mother(), macro);
    EXPECT_EQ(doc.nestingDepth(), 1);
    EXPECT_EQ(doc.scrollX(), 3 * doc.zoom());
    EXPECT_EQ(doc.scrollY(), 4 * doc.zoom());
    EXPECT_EQ(doc.sheet(1).viewX, 10);
    EXPECT_EQ(doc.sheet(1).viewY, 5);
    EXPECT_FALSE(view.lastMenu[Cmd::ClearSheets].enabled); // no page commands inside
    EXPECT_FALSE(view.lastMenu[Cmd::LoadProgram].enabled);
    EXPECT_EQ(view.lastMenu.blockScope, MenuState::BlockScope::MacroInside); // the port entries show
    // Blocks made now belong to the inside, ports included.
    TKiste* in = portFromMenu(182, "a", "1");
    EXPECT_EQ(in->sheet, 200);

    doc.setScroll(70, 80);
    ASSERT_TRUE(haupt.PopZurueckMacro());
    EXPECT_EQ(doc.currentSheet(), 1);
    EXPECT_EQ(doc.mother(), nullptr);
    EXPECT_EQ(doc.nestingDepth(), 0);
    EXPECT_EQ(doc.scrollX(), 100);
    EXPECT_EQ(doc.scrollY(), 50);
    EXPECT_EQ(macro->viewX, 7);
    EXPECT_EQ(macro->viewY, 8);
    EXPECT_EQ(macro->colour, colour::Green);
    EXPECT_TRUE(view.lastMenu[Cmd::ClearSheets].enabled);
    EXPECT_EQ(view.lastMenu.blockScope, MenuState::BlockScope::Sheet);

    TKiste* automat = haupt.createBlockFromMenu(188);
    ASSERT_TRUE(haupt.KisteExpand(*automat));
    EXPECT_EQ(view.lastMenu.blockScope, MenuState::BlockScope::AutomatInside);
    EXPECT_FALSE(view.lastMenu[Cmd::LoadMacro].enabled);
    ASSERT_TRUE(haupt.PopZurueckMacro());
    view.boxes.clear(); // the nameless automat is reported on the way back

    // Without an open macro there is nothing to return from.
    EXPECT_FALSE(haupt.PopZurueckMacro());
    EXPECT_EQ(view.boxes.back(), "Fehler: ..kein Macro aktiv");
}

TEST_F(Hierarchy, ReturningRunsTheMacroChecksInEditMode)
{
    TKiste* nameless = haupt.createBlockFromMenu(187);
    ASSERT_TRUE(haupt.KisteExpand(*nameless));
    ASSERT_TRUE(haupt.PopZurueckMacro());
    EXPECT_EQ(view.boxes, std::vector<std::string>{"Fehler: Namenloser Baustein !"});
}

TEST_F(Hierarchy, MacrosNestEightLevelsDeep)
{
    std::vector<TKiste*> chain;
    for (int level = 0; level < MaxMacroNesting; ++level) {
        TKiste* macro = macroFromMenu("M" + std::to_string(level));
        doc.createBlock(13, 2, 1, macro->childPage, 5, 5, false);
        chain.push_back(macro);
        ASSERT_TRUE(haupt.KisteExpand(*macro)) << level;
        EXPECT_EQ(doc.nestingDepth(), level + 1);
        EXPECT_EQ(doc.currentSheet(), macro->childPage);
    }
    // The ninth macro can be made but not opened.
    TKiste* ninth = macroFromMenu("M8");
    EXPECT_FALSE(haupt.KisteExpand(*ninth));
    EXPECT_EQ(view.boxes, std::vector<std::string>{"Fehler: Macro-SchachtelungsTiefe zu gross!"});
    EXPECT_EQ(doc.currentSheet(), chain.back()->childPage);
    EXPECT_EQ(doc.instanceCounter(), 209);
    EXPECT_EQ(doc.nestingDepthOf(ninth->childPage), 9);

    // The inside-first order puts every inside before its macro.
    for (std::size_t i = 0; i + 1 < chain.size(); ++i)
        EXPECT_LT(chain[i + 1]->number, chain[i]->number);

    for (int level = MaxMacroNesting - 1; level >= 0; --level) {
        ASSERT_TRUE(haupt.PopZurueckMacro()) << level;
        EXPECT_EQ(doc.nestingDepth(), level);
        EXPECT_EQ(doc.mother(), level > 0 ? chain[static_cast<std::size_t>(level - 1)] : nullptr);
        EXPECT_EQ(doc.currentSheet(), chain[static_cast<std::size_t>(level)]->sheet);
        EXPECT_EQ(chain[static_cast<std::size_t>(level)]->colour, colour::Green);
    }
    EXPECT_EQ(view.boxes.size(), 1u); // the macro checks found nothing

    // Removing the third level takes everything below it and closes the numbers.
    haupt.blockCommand(*chain[2], BlockCommand::Remove);
    timers.advance(1);
    EXPECT_EQ(doc.instanceCounter(), 202);
    EXPECT_EQ(doc.blocks().size(), 4u); // two macros and their adders
    EXPECT_EQ(chain[0]->childPage, 200);
    EXPECT_EQ(chain[1]->childPage, 201);
}

TEST_F(Hierarchy, GoingToAFoundBlockAndBack)
{
    TKiste* outer = macroFromMenu("Aussen");
    ASSERT_TRUE(haupt.KisteExpand(*outer));
    TKiste* inner = macroFromMenu("Innen");
    ASSERT_TRUE(haupt.PopZurueckMacro());
    TKiste* deep = doc.createBlock(13, 2, 1, inner->childPage, 40, 30, false);
    doc.renumber();

    ASSERT_TRUE(haupt.showBlockNumber(deep->number));
    EXPECT_EQ(doc.mother(), inner);
    EXPECT_EQ(doc.nestingDepth(), 2);
    ASSERT_TRUE(haupt.PopZurueckMacro());
    // Straight to the macro block, which lies inside the outer macro.
    EXPECT_EQ(doc.currentSheet(), outer->childPage);
    EXPECT_EQ(doc.mother(), outer);
    EXPECT_EQ(inner->colour, colour::Green);

    // Opening from a top-level sheet forgets the search.
    ASSERT_TRUE(haupt.PopZurueckMacro());
    ASSERT_TRUE(haupt.KisteExpand(*outer));
    ASSERT_TRUE(haupt.KisteExpand(*inner));
    ASSERT_TRUE(haupt.PopZurueckMacro());
    EXPECT_EQ(doc.mother(), outer);
    ASSERT_TRUE(haupt.PopZurueckMacro());
    EXPECT_EQ(doc.currentSheet(), 1);
}

TEST_F(Hierarchy, LockedMacrosAskForThePassword)
{
    TKiste* macro = macroFromMenu("M");
    dialogs.passwords = {"abc", "abc"};
    haupt.blockCommand(*macro, BlockCommand::Lock);
    EXPECT_EQ(macro->lock, "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_TRUE(haupt.mayOpenParameters(*macro)); // remembered since it was set

    // Another run of the program: the password is asked for.
    test::HauptRun otherRun;
    Haupt& other = otherRun.haupt;
    test::RecordingView& otherView = otherRun.view;
    ScriptedDialogs& otherDialogs = otherRun.dialogs;
    other.NURLESEN1Click();
    TKiste* locked = other.createBlockFromMenu(187);
    locked->param("nam")->value = "M";
    locked->lock = macro->lock;
    otherDialogs.passwords = {"abd"};
    EXPECT_FALSE(other.KisteExpand(*locked));
    EXPECT_EQ(other.document().currentSheet(), 1);
    EXPECT_TRUE(otherView.boxes.empty());
    otherRun.timers.advance(300); // the message waits for the deferred box
    EXPECT_EQ(otherView.boxes, std::vector<std::string>{"ungueltiges Password"});
    otherDialogs.passwords = {"abc"};
    EXPECT_TRUE(other.KisteExpand(*locked));
    EXPECT_EQ(other.passwords().remembered(), "abc");
    ASSERT_TRUE(other.PopZurueckMacro());

    // Unlock with the remembered password; read-only refuses both commands.
    other.blockCommand(*locked, BlockCommand::Unlock);
    EXPECT_TRUE(locked->lock.empty());
    other.NURLESEN1Click();
    otherDialogs.passwords = {"x", "x"};
    other.blockCommand(*locked, BlockCommand::Lock);
    EXPECT_TRUE(locked->lock.empty());

    // Blocks without a lock and other types never ask.
    const std::size_t asked = otherDialogs.asked.size();
    TKiste* adder = other.document().createBlock(13, 2, 1, 1, 50, 50, false);
    EXPECT_TRUE(other.mayOpenParameters(*adder));
    EXPECT_EQ(otherDialogs.asked.size(), asked);
}

TEST_F(Hierarchy, PortsThroughTheBlockMenu)
{
    TKiste* macro = macroFromMenu("M");
    ASSERT_TRUE(haupt.KisteExpand(*macro));
    TKiste* out = portFromMenu(185, "y", "2");
    EXPECT_TRUE(haupt.blockMenuContext().insideMother);

    haupt.blockCommand(*out, BlockCommand::ConnectPort);
    ASSERT_NE(macro->outputPin(2), nullptr);
    EXPECT_EQ(out->colour, colour::PortConnected);

    // Changing the port's number in the parameter dialog moves the macro's pin.
    ASSERT_TRUE(doc.setParameters(*out, {"y", "4"}, haupt.editContext()));
    EXPECT_NE(macro->outputPin(4), nullptr);
    EXPECT_EQ(macro->heightRows, 5);

    haupt.blockCommand(*out, BlockCommand::DisconnectPort);
    EXPECT_TRUE(macro->pins.empty());

    // While its removal is pending a port is not connected any more.
    haupt.blockCommand(*out, BlockCommand::Remove);
    haupt.blockCommand(*out, BlockCommand::ConnectPort);
    EXPECT_TRUE(macro->pins.empty());
    timers.advance(1);
    EXPECT_FALSE(out->alive());

    // A connected port that is removed takes its pins from the macro.
    TKiste* in = portFromMenu(182, "a", "1");
    haupt.blockCommand(*in, BlockCommand::ConnectPort);
    ASSERT_EQ(macro->pins.size(), 1u);
    haupt.blockCommand(*in, BlockCommand::Remove);
    timers.advance(1);
    EXPECT_TRUE(macro->pins.empty());
}

TEST_F(Hierarchy, ClonesThroughTheBlockMenu)
{
    TKiste* st = haupt.createBlockFromMenu(81);
    ASSERT_TRUE(doc.setParameters(*st, {"Regler", "a", "", "", "q", "", "", ""}, haupt.editContext()));
    EXPECT_NE(st->pinNamed("a"), nullptr); // the follow-up builds the pins
    haupt.blockCommand(*st, BlockCommand::Clone);
    ASSERT_EQ(doc.blocks().size(), 2u);
    TKiste* clone = doc.blocks().back();
    EXPECT_EQ(clone->type, 82);
    EXPECT_NE(clone->pinNamed("q"), nullptr);

    dialogs.inputs = {"Regler2"};
    haupt.blockCommand(*clone, BlockCommand::CloneToOriginal);
    EXPECT_EQ(clone->type, 81);
    EXPECT_EQ(clone->param("nam")->value, "Regler2");
}

TEST_F(Hierarchy, UpdateMacrosAsksAndReplaces)
{
    TKiste* first = haupt.createBlockFromMenu(187);
    TKiste* second = haupt.createBlockFromMenu(187);
    first->param("nam")->value = second->param("nam")->value = "M";
    doc.createBlock(92, 2, 1, first->childPage, 5, 5, false);
    dialogs.yesNo = {true};
    haupt.blockCommand(*first, BlockCommand::UpdateMacros);
    EXPECT_EQ(dialogs.asked.back(), "yesno:Sollen alle 1 Makros gleichen Namens überschrieben werden?");
    int copies = 0;
    for (const TKiste* b : doc.blocks())
        if (b->type == 187) {
            ++copies;
            EXPECT_EQ(contentFingerprint(doc, *b), contentFingerprint(doc, *first));
        }
    EXPECT_EQ(copies, 2);
    int ands = 0;
    for (const TKiste* b : doc.blocks())
        ands += b->type == 92;
    EXPECT_EQ(ands, 2);
    EXPECT_EQ(doc.instanceCounter(), 202);
}

TEST_F(Hierarchy, AMacroNameOfAnExistingMacroFileNeedsConsent)
{
    const std::filesystem::path dir = fup::test::scratchDirectory("fup-hierarchy-macrofile");
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    { std::ofstream(dir / "Pumpe.KR4") << "()"; }
    haupt.state().dataDirectory = dir;
    TKiste* macro = macroFromMenu("Alt");

    dialogs.yesNo = {false};
    EXPECT_FALSE(doc.setParameters(*macro, {"Pumpe"}, haupt.editContext()));
    EXPECT_EQ(macro->param("nam")->value, "Alt");
    EXPECT_EQ(dialogs.asked.back(),
              "yesno:Eine MacroDatei diesese Namens (Pumpe.KR4) existiert bereits! neuen Macro-Namen trotzdem "
              "beibehalten ?");
    dialogs.yesNo = {true};
    doc.setParameters(*macro, {"Pumpe"}, haupt.editContext());
    EXPECT_EQ(macro->param("nam")->value, "Pumpe");

    // No such file: no question.
    const std::size_t asked = dialogs.asked.size();
    doc.setParameters(*macro, {"Kessel"}, haupt.editContext());
    EXPECT_EQ(macro->param("nam")->value, "Kessel");
    EXPECT_EQ(dialogs.asked.size(), asked);
    std::filesystem::remove_all(dir);
}

TEST(HauptHierarchyCommands, EveryHierarchyEntryIsCarriedOut)
{
    Document doc;
    TKiste* sub = doc.createBlock(180, 0, 0, 1, 0, 0, false);
    TKiste* macro = doc.createBlock(187, 0, 0, 1, 0, 0, false);
    EXPECT_TRUE(Haupt::handlesBlockCommand(*macro, BlockCommand::OpenInside));
    // A sub-process opens its program file through the editing commands.
    EXPECT_TRUE(Haupt::handlesBlockCommand(*sub, BlockCommand::OpenInside));
    EXPECT_TRUE(Haupt::handlesBlockCommand(BlockCommand::OpenEditor));
    for (BlockCommand c : {BlockCommand::Lock, BlockCommand::Unlock, BlockCommand::ConnectPort,
                           BlockCommand::DisconnectPort, BlockCommand::Clone, BlockCommand::CloneToOriginal,
                           BlockCommand::UpdateMacros})
        EXPECT_TRUE(Haupt::handlesBlockCommand(c));
}

} // namespace
} // namespace fup

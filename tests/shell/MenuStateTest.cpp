#include "shell/MenuState.h"

#include "model/Catalogue.h"

#include <gtest/gtest.h>

namespace fup {
namespace {

const Cmd EditingCommands[] = {Cmd::BlockMenus, Cmd::VisualisationMenu, Cmd::CompileMenu, Cmd::MakeCode,
                               Cmd::DeletePage, Cmd::LoadFrame, Cmd::Cut, Cmd::Paste, Cmd::MakeMacro,
                               Cmd::Undo, Cmd::Redo, Cmd::ClearSheets, Cmd::LoadProgram, Cmd::LoadMacro,
                               Cmd::LoadAutomat};
const Cmd SimulationItems[] = {Cmd::StartSimulation, Cmd::StopSimulation, Cmd::SimulationStep,
                               Cmd::ResetSimulation};
const Cmd OnlineItems[] = {Cmd::Connect, Cmd::Disconnect, Cmd::StartSps, Cmd::StopSps};
const Cmd SaveCommands[] = {Cmd::Save, Cmd::SaveAs, Cmd::Exit, Cmd::ExitTop};

MenuState menuFor(EditorMode mode, bool readOnly, MenuContext context = {}, int target = 3)
{
    EditorState state;
    state.mode = mode;
    state.readOnly = readOnly;
    state.target = target;
    return computeMenuState(state, context);
}

TEST(MenuState, ModesAndReadOnly)
{
    struct Case {
        EditorMode mode;
        bool readOnly;
        bool editing, simulationShown, onlineShown, editEntryEnabled;
    };
    for (const Case& c : {Case{EditorMode::Edit, false, true, false, false, false},
                          Case{EditorMode::Edit, true, false, false, false, false},
                          Case{EditorMode::Simulation, false, false, true, false, true},
                          Case{EditorMode::Simulation, true, false, true, false, true},
                          Case{EditorMode::Online, false, false, false, true, true},
                          Case{EditorMode::Online, true, false, false, true, true}}) {
        const MenuState menu = menuFor(c.mode, c.readOnly);
        const auto where = testing::Message() << "mode " << int(c.mode) << " readOnly " << c.readOnly;
        for (Cmd cmd : EditingCommands)
            EXPECT_EQ(menu[cmd].enabled, c.editing) << where << " cmd " << int(cmd);
        for (Cmd cmd : SimulationItems)
            EXPECT_EQ(menu[cmd].visible, c.simulationShown) << where;
        for (Cmd cmd : OnlineItems)
            EXPECT_EQ(menu[cmd].visible, c.onlineShown) << where;
        for (Cmd cmd : SaveCommands)
            EXPECT_EQ(menu[cmd].enabled, !c.readOnly) << where;
        EXPECT_EQ(menu[Cmd::DisplayTimeBase].visible, c.mode != EditorMode::Edit) << where;
        EXPECT_EQ(menu[Cmd::ModeEdit].enabled, c.editEntryEnabled) << where;
        EXPECT_EQ(menu[Cmd::ModeEdit].checked, c.mode == EditorMode::Edit) << where;
        EXPECT_EQ(menu[Cmd::ModeSimulation].checked, c.mode == EditorMode::Simulation) << where;
        EXPECT_EQ(menu[Cmd::ModeOnline].checked, c.mode == EditorMode::Online) << where;
        EXPECT_EQ(menu[Cmd::ReadOnly].checked, c.readOnly) << where;
        EXPECT_TRUE(menu[Cmd::Copy].enabled) << where;
    }
}

TEST(MenuState, InsideOnScreenAndIdeDrivenLimitLoading)
{
    MenuContext insideMacro;
    insideMacro.motherOnScreen = true;
    MenuState menu = menuFor(EditorMode::Edit, false, insideMacro);
    EXPECT_FALSE(menu[Cmd::ClearSheets].enabled);
    EXPECT_FALSE(menu[Cmd::LoadProgram].enabled);
    EXPECT_TRUE(menu[Cmd::LoadMacro].enabled);

    MenuContext insideAutomat = insideMacro;
    insideAutomat.automatInsideOnScreen = true;
    menu = menuFor(EditorMode::Edit, false, insideAutomat);
    EXPECT_FALSE(menu[Cmd::LoadMacro].enabled);
    EXPECT_FALSE(menu[Cmd::LoadAutomat].enabled);
    EXPECT_TRUE(menu[Cmd::Paste].enabled);

    EditorState state;
    state.readOnly = false;
    state.ideDriven = true;
    EXPECT_FALSE(computeMenuState(state, {})[Cmd::LoadProgram].enabled);
}

// The block menu offers what may be placed on the sheet on screen.
TEST(MenuState, BlockEntriesFollowTheInsideOnScreen)
{
    // The menu group of a type and one group without any state-machine entry.
    auto groupOf = [](int type) {
        for (const BlockMenuGroup& g : blockMenus())
            for (const BlockMenuEntry& e : g.entries)
                if (e.type == type)
                    return std::pair{g.caption, e.caption};
        return std::pair{std::string(), std::string()};
    };
    const auto [complexGroup, stateCaption] = groupOf(189);
    const auto [plainGroup, andCaption] = groupOf(3);
    ASSERT_FALSE(stateCaption.empty());
    ASSERT_NE(complexGroup, plainGroup);

    enum Where { Sheet, Macro, Automat };
    struct Case {
        int type;
        bool onSheet, inMacro, inAutomat;
    };
    MenuContext contexts[3];
    contexts[Macro].motherOnScreen = contexts[Automat].motherOnScreen = true;
    contexts[Macro].macroInsideOnScreen = true;
    contexts[Automat].automatInsideOnScreen = true;
    for (const Case& c : {Case{3, true, true, false},       // an ordinary block
                          Case{187, true, true, false},     // a macro
                          Case{188, true, true, false},     // an automat is no part of one
                          Case{182, false, true, false},    // macro ports
                          Case{179, false, true, false},
                          Case{189, false, false, true},    // state-machine blocks and ports
                          Case{191, false, false, true},
                          Case{194, false, false, true}}) {
        const std::string group = groupOf(c.type).first;
        const std::string caption = groupOf(c.type).second;
        const bool expected[] = {c.onSheet, c.inMacro, c.inAutomat};
        for (Where where : {Sheet, Macro, Automat})
            EXPECT_EQ(menuFor(EditorMode::Edit, false, contexts[where], -1).blockEntryShown(group, caption, c.type),
                      expected[where])
                << "type " << c.type << " where " << int(where);
    }
    for (Where where : {Sheet, Macro})
        EXPECT_TRUE(menuFor(EditorMode::Edit, false, contexts[where], -1).blockGroupShown(plainGroup));
    const MenuState automat = menuFor(EditorMode::Edit, false, contexts[Automat], -1);
    EXPECT_FALSE(automat.blockGroupShown(plainGroup));
    EXPECT_TRUE(automat.blockGroupShown(complexGroup));
    EXPECT_TRUE(automat[Cmd::CommentText].enabled);
}

TEST(MenuState, SimulationItemsFollowRunState)
{
    MenuContext context;
    MenuState entered = menuFor(EditorMode::Simulation, true, context);
    EXPECT_TRUE(entered[Cmd::StartSimulation].enabled);
    EXPECT_TRUE(entered[Cmd::SimulationStep].enabled);
    EXPECT_FALSE(entered[Cmd::StopSimulation].enabled);
    EXPECT_FALSE(entered[Cmd::ResetSimulation].enabled);

    context.simulationRunning = true;
    MenuState running = menuFor(EditorMode::Simulation, true, context);
    EXPECT_FALSE(running[Cmd::StartSimulation].enabled);
    EXPECT_FALSE(running[Cmd::SimulationStep].enabled);
    EXPECT_TRUE(running[Cmd::StopSimulation].enabled);
    EXPECT_TRUE(running[Cmd::ResetSimulation].enabled);
}

TEST(MenuState, OnlineItemsFollowConnectionAndTarget)
{
    MenuContext context;
    MenuState closed = menuFor(EditorMode::Online, true, context);
    EXPECT_TRUE(closed[Cmd::Connect].enabled);
    EXPECT_FALSE(closed[Cmd::Disconnect].enabled);
    EXPECT_FALSE(closed[Cmd::StartSps].enabled);
    EXPECT_FALSE(closed[Cmd::StopSps].enabled);
    EXPECT_TRUE(closed[Cmd::ComPortMenu].visible);
    EXPECT_FALSE(closed[Cmd::ComPort1].enabled);  // the port in use
    EXPECT_TRUE(closed[Cmd::ComPort2].enabled);

    context.onlineConnected = true;
    MenuState connected = menuFor(EditorMode::Online, true, context);
    EXPECT_FALSE(connected[Cmd::Connect].enabled);
    EXPECT_TRUE(connected[Cmd::Disconnect].enabled);
    EXPECT_TRUE(connected[Cmd::StartSps].enabled);

    for (int target : {9, 10, -1})
        EXPECT_FALSE(menuFor(EditorMode::Online, true, {}, target)[Cmd::ComPortMenu].visible) << target;
    EXPECT_FALSE(menuFor(EditorMode::Edit, true)[Cmd::ComPortMenu].visible);
}

TEST(MenuState, PrintingNeedsAPrinter)
{
    MenuContext context;
    context.printerAvailable = false;
    const MenuState menu = menuFor(EditorMode::Edit, false, context);
    for (Cmd cmd : {Cmd::PrinterSetup, Cmd::Print, Cmd::PrintAll, Cmd::PrintSelection})
        EXPECT_FALSE(menu[cmd].enabled);
}

}  // namespace
}  // namespace fup

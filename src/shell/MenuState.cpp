#include "shell/MenuState.h"

#include "codegen/Targets.h"
#include "model/Catalogue.h"
#include "model/Kisten.h"

#include <algorithm>

namespace fup {

namespace {

bool placeableIn(MenuState::BlockScope scope, int type)
{
    if (scope == MenuState::BlockScope::AutomatInside || isStateMachineType(type))
        return scope == MenuState::BlockScope::AutomatInside && isStateMachineType(type);
    return !isMacroPort(type) || scope == MenuState::BlockScope::MacroInside;
}

} // namespace

bool MenuState::blockGroupShown(std::string_view group) const
{
    if (!menuGroupOffered(blockMenuTarget, group))
        return false;
    if (blockScope != BlockScope::AutomatInside)
        return true;
    // Inside an automat only the group that holds the state-machine blocks stays.
    for (const BlockMenuGroup& g : blockMenus())
        if (g.caption == group)
            return std::any_of(g.entries.begin(), g.entries.end(),
                               [this](const BlockMenuEntry& e) { return placeableIn(blockScope, e.type); });
    return false;
}

bool MenuState::blockEntryShown(std::string_view group, std::string_view caption, int type) const
{
    return placeableIn(blockScope, type) && menuEntryOffered(blockMenuTarget, group, caption);
}

Cmd comPortCommand(int port) { return static_cast<Cmd>(static_cast<int>(Cmd::ComPort1) + port - 1); }

MenuState computeMenuState(const EditorState& state, const MenuContext& context)
{
    MenuState menu;
    const bool edit = state.mode == EditorMode::Edit;
    const bool simulation = state.mode == EditorMode::Simulation;
    const bool online = state.mode == EditorMode::Online;
    const bool editing = edit && !state.readOnly;

    menu[Cmd::ModeEdit] = {true, !edit, edit};
    menu[Cmd::ModeSimulation] = {true, true, simulation};
    menu[Cmd::ModeOnline] = {true, true, online};
    menu[Cmd::ReadOnly].checked = state.readOnly;
    menu[Cmd::ProcessVisualisationOnly].checked = state.processVisualisationOnly;

    for (Cmd cmd : {Cmd::BlockMenus, Cmd::VisualisationMenu, Cmd::CompileMenu, Cmd::MakeCode, Cmd::CheckProgram,
                    Cmd::DeletePage, Cmd::LoadFrame, Cmd::Cut, Cmd::Paste, Cmd::MakeMacro, Cmd::Undo, Cmd::Redo,
                    Cmd::CommentText})
        menu[cmd].enabled = editing;
    menu[Cmd::ClearSheets].enabled = editing && !context.motherOnScreen;
    // A program opened by the surrounding tool stays the one being edited.
    menu[Cmd::LoadProgram].enabled = editing && !context.motherOnScreen && !state.ideDriven;
    menu[Cmd::LoadMacro].enabled = editing && !context.automatInsideOnScreen;
    menu[Cmd::LoadAutomat].enabled = editing && !context.automatInsideOnScreen;
    menu[Cmd::SaveFrame].enabled = context.frameSelected;
    menu[Cmd::PagesMenu].enabled = !context.motherOnScreen;

    for (Cmd cmd : {Cmd::Save, Cmd::SaveAs, Cmd::Exit, Cmd::ExitTop})
        menu[cmd].enabled = !state.readOnly;
    // Leaving the program is only possible from the top level file.
    menu[Cmd::BackSubProcess].visible = context.insideSubProcess;
    if (context.insideSubProcess)
        for (Cmd cmd : {Cmd::Exit, Cmd::ExitTop, Cmd::Quit})
            menu[cmd].enabled = false;

    const bool running = context.simulationRunning;
    menu[Cmd::StartSimulation] = {simulation, !running};
    menu[Cmd::SimulationStep] = {simulation, !running};
    menu[Cmd::StopSimulation] = {simulation, running};
    menu[Cmd::ResetSimulation] = {simulation, running || context.simulationResetEnabled};

    const bool connected = context.onlineConnected;
    menu[Cmd::Connect] = {online, !connected};
    menu[Cmd::Disconnect] = {online, connected};
    menu[Cmd::StartSps] = {online, connected};
    menu[Cmd::StopSps] = {online, connected};
    menu[Cmd::DisplayTimeBase] = {online || simulation, true};
    const bool serialTarget = state.target >= 0 && state.target <= 8;
    menu[Cmd::ComPortMenu] = {online && serialTarget, true};
    for (int port = 1; port <= 8; ++port)
        menu[comPortCommand(port)] = {online && serialTarget, state.comPort != "COM" + std::to_string(port)};

    for (Cmd cmd : {Cmd::PrinterSetup, Cmd::Print, Cmd::PrintAll, Cmd::PrintSelection})
        menu[cmd].enabled = context.printerAvailable;
    menu[Cmd::VisualisationMenu].visible = context.visualisationMenuShown;
    menu[Cmd::BlockHints].checked = context.blockHints;
    menu[Cmd::SheetLabels].checked = context.sheetLabels;
    menu[Cmd::AlwaysInFront].checked = context.alwaysInFront;
    menu.blockMenuTarget = context.menuTarget;
    if (context.automatInsideOnScreen)
        menu.blockScope = MenuState::BlockScope::AutomatInside;
    else if (context.macroInsideOnScreen)
        menu.blockScope = MenuState::BlockScope::MacroInside;
    return menu;
}

}  // namespace fup

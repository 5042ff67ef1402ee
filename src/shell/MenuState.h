#pragma once

#include "shell/EditorState.h"

#include <array>
#include <string>
#include <string_view>

namespace fup {

// Every main-menu command whose visibility, enabling or check mark depends on the
// editor's state. The window shows only the commands it offers; the rules hold for all.
enum class Cmd {
    Quit, ModeEdit, ModeSimulation, ModeOnline, ReadOnly, ProcessVisualisationOnly,
    // editing commands: Edit mode and not read-only
    BlockMenus, VisualisationMenu, CompileMenu, MakeCode, CheckProgram, DeletePage, LoadFrame, Cut, Paste,
    MakeMacro, Undo, Redo, CommentText,
    Copy, SaveFrame,
    // editing commands with conditions on the inside on screen
    ClearSheets, LoadProgram, LoadMacro, LoadAutomat,
    // the page commands: not inside a macro or automat
    PagesMenu,
    // "<-- Zurueck" of the file menu: inside a sub-process or function-block file
    BackSubProcess,
    // saving: not read-only
    Save, SaveAs, Exit, ExitTop,
    // simulation items
    StartSimulation, StopSimulation, SimulationStep, ResetSimulation,
    // online items
    Connect, Disconnect, StartSps, StopSps, ComPortMenu,
    ComPort1, ComPort2, ComPort3, ComPort4, ComPort5, ComPort6, ComPort7, ComPort8,
    DisplayTimeBase,
    // printing
    PrinterSetup, Print, PrintAll, PrintSelection,
    // view flags with their check marks
    BlockHints, SheetLabels, AlwaysInFront,
    Count
};

struct ItemState {
    bool visible = true;
    bool enabled = true;
    bool checked = false;
    bool operator==(const ItemState&) const = default;
};

// What the rules look at besides the editor state.
struct MenuContext {
    bool motherOnScreen = false;         // the inside of a macro, automat or sub-process is shown
    bool automatInsideOnScreen = false;
    bool macroInsideOnScreen = false;
    bool simulationRunning = false;
    bool simulationResetEnabled = false; // off on entry, on once the simulation has run
    bool onlineConnected = false;
    bool printerAvailable = true;
    bool frameSelected = false;          // a select frame holds objects ("Rahmen Sichern")
    bool insideSubProcess = false;       // a sub-process or function-block file is open
    int menuTarget = -1;                 // target whose block menus are shown; -1: all of them
    // View flags of the main window.
    bool blockHints = true;              // blocks show their hints as tooltips
    bool sheetLabels = false;            // work-sheet names on the sheet grid
    bool alwaysInFront = false;          // every repaint brings the window to the front
    bool visualisationMenuShown = true;  // F1 hides and shows the menu "Visualisierung"
};

class MenuState {
public:
    ItemState& operator[](Cmd cmd) { return items_[static_cast<std::size_t>(cmd)]; }
    const ItemState& operator[](Cmd cmd) const { return items_[static_cast<std::size_t>(cmd)]; }
    bool operator==(const MenuState&) const = default;

    // The block menus offer what the chosen target can run; until a target was chosen
    // every entry is there. What may be placed on the sheet on screen narrows them
    // further: the macro ports only inside a macro, the state-machine blocks only inside
    // an automat, where nothing else is offered.
    int blockMenuTarget = -1;
    enum class BlockScope { Sheet, MacroInside, AutomatInside };
    BlockScope blockScope = BlockScope::Sheet;
    bool blockGroupShown(std::string_view group) const;
    bool blockEntryShown(std::string_view group, std::string_view caption, int type) const;

private:
    std::array<ItemState, static_cast<std::size_t>(Cmd::Count)> items_{};
};

MenuState computeMenuState(const EditorState& state, const MenuContext& context);

// "COM1".."COM8" -> Cmd::ComPort1..8.
Cmd comPortCommand(int port);

}  // namespace fup

#pragma once

#include "model/Document.h"
#include "model/Lock.h"
#include "persistence/ProgramSettings.h"
#include "platform/Dialogs.h"
#include "platform/Timers.h"
#include "shell/CommandLine.h"
#include "shell/DeferredMessageBox.h"
#include "shell/EditCommands.h"
#include "shell/EditorState.h"
#include "shell/ErrorList.h"
#include "shell/InfoFrame.h"
#include "shell/MenuState.h"
#include "shell/MessageReporter.h"
#include "shell/ParameterFrame.h"
#include "shell/TextEditorSession.h"
#include "shell/WireLayer.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fup {

enum class WindowShow { Normal, Maximised, Minimised };

// What the editor asks of its main window.
class MainView {
public:
    virtual ~MainView() = default;
    virtual void showMainWindow() = 0;
    virtual void raiseMessageWindow() = 0;
    virtual void appendMessage(const std::string& line) = 0;
    virtual void messageBox(const std::string& text) = 0;
    virtual void showErrorList() = 0;
    virtual void applyMenuState(const MenuState& menu) = 0;
    virtual void setCaption(const std::string& caption) = 0;
    // The application's own title ("KORM: " + process name), which the desktop shows for
    // the program as a whole; views without such a place ignore it.
    virtual void setApplicationTitle(const std::string&) {}
    // Empties the message window; views without one ignore it.
    virtual void clearMessages() {}
    virtual void hideMessageWindow() {}
    // Brings the main window and the program to the front.
    virtual void bringToFront() {}
    virtual void showWindow(WindowShow how) = 0;
    virtual void closeWindow() = 0;
    // Repaints the current sheet (scroll position and sheet may have changed).
    virtual void redisplay() = 0;
};

// The editor's run: start-up, the document state, the three modes with the read-only
// flag, the message reporter and the end of the run. The main window forwards its menu
// commands here and shows what this object decides.
class Haupt : private ReporterView {
public:
    Haupt(MainView& view, platform::Dialogs& dialogs, platform::TimerService& timers);

    EditorState& state() { return state_; }
    const EditorState& state() const { return state_; }
    Document& document() { return document_; }
    const Document& document() const { return document_; }
    MessageReporter& reporter() { return reporter_; }
    TErrListBox& errorList() { return errorList_; }
    DeferredMessageBox& deferredBox() { return deferredBox_; }
    int exitCode() const { return reporter_.exitCode(); }

    // The whole start-up after the window exists: arguments, directories, Edit mode,
    // loading, batch compile or interactive start, the block to show, read-only.
    void startUp(const std::vector<std::string>& arguments, const std::filesystem::path& executableDirectory,
                 bool printerAvailable);

    // Menu "Datei": the program file.
    void ProgrammLadenClick();           // "Programm   Laden..."
    void ProgrammSichernClick();         // "Programm   Sichern"
    void ProgrammSichernUnterClick();    // "Programm   Sichern unter..."
    void ArbeitsblaetterLoeschenClick(); // "Arbeitsblaetter Loeschen"

    // Menu "Betriebsart".
    void EditClick();
    void SimulateClick();
    void OnlineClick();
    void NURLESEN1Click();
    void NurProzessvisualisierung1Click();
    // End of the run.
    void Quitt1Click();
    void Exit1Click();
    bool FormCloseQuery() const { return true; }
    void FormClose();

    // A block menu entry: asks for the pin counts where the type has them, then creates
    // the block on the current sheet if the context allows it.
    TKiste* createBlockFromMenu(int type);
    void setParameterDisplay(ParamDisplay mode);
    // Shows a block by its number and colours it red; false when there is no such block.
    bool showBlockNumber(int number);

    // Block context menu: the entries the editor carries out, and carrying one out.
    // Removal happens from a timer, after the menu's own event has returned.
    static bool handlesBlockCommand(BlockCommand command);
    // The same for one block: "Oeffnen" opens a macro or automat inside, or the program
    // file of a sub-process or function block.
    static bool handlesBlockCommand(const TKiste& block, BlockCommand command);
    void blockCommand(TKiste& block, BlockCommand command);
    BlockMenuContext blockMenuContext() const;

    MenuState menuState() const;
    MenuContext& menuContext() { return context_; }
    EditContext editContext() const;
    void refreshMenus();

    // Mouse gestures on the blocks and wires of the sheet; the sheet view feeds it.
    WireLayer& gestures() { return *gestures_; }

    // The checks that must pass before Simulation or Online can be entered. Until a
    // compiler is attached nothing can be checked, so the program never counts as
    // error-free.
    std::function<bool()> compileCheck;
    // Program directory + process name + ".KR2".
    std::filesystem::path programFile() const;
    // Loads a program file into the document and takes over its settings. A missing
    // file leaves an empty document; an unreadable one is reported, leaves an empty
    // document and names the process "leer_dummy".
    void loadProgramFile(const std::filesystem::path& file);
    // Saves the program file ("read only !" while read-only); false when nothing was written.
    bool saveProgramFile();
    ProgramSettings& settings() { return settings_; }

    // Saves the program file; replaceable for tests. Defaults to saveProgramFile().
    std::function<bool()> saveProgram;
    // Runs the batch compile; false when it failed.
    std::function<bool()> batchCompile;
    // Closes the online client of the current target.
    std::function<void()> closeOnline;

    // --- project and parameter panels (HauptPanels.cpp) -----------------------------------
    InfoFrame& infoFrame() { return *infoFrame_; }
    ParameterFrame& parameterFrame() { return *parameterFrame_; }
    // Opens the parameter panel for the block. The block menu's "Parameter" gets here
    // through a 10 ms timer, after the menu's own event has returned.
    void openParameters(TKiste& block);
    // The open panel's periodic poll: an accepted panel's values are taken over through
    // the document, which runs the follow-ups (pin counts, ports, ...), and the sheet is
    // redrawn.
    void pollParameters();

    // --- comment texts (HauptTexts.cpp) -----------------------------------------------------
    // Menu "KommentarText": a text on the current sheet at the default position, red until
    // the next colour reset; none when not editable.
    TTexte* KommentarTextClick();
    // The right-click menu of a text, and carrying out one of its entries. "Bearbeiten"
    // asks for the new text here; "Loeschen" removes the text from a timer, after the
    // menu's own event has returned.
    std::vector<TextMenuItem> textMenu(const TTexte& text) const;
    void textCommand(TTexte& text, TextCommand command);
    // The multi-line editor: the comment text it holds, if any, and leaving it with the
    // edited text. False when the user chose to stay in the editor.
    std::optional<std::uint64_t> commentInEditor() const { return textEditor_->commentId(); }
    bool finishMultilineComment(const std::string& edited);
    // The text editor window shared by comment texts ("Bearbeiten mehrzeilig") and
    // structured-text blocks ("Oeffnen"): what it holds and what its commands do.
    TextEditorSession& textEditor() { return *textEditor_; }
    // Shows that window with the text it now holds (its caption, menu and read-only state
    // come from textEditor()); without it neither command opens anything.
    // closeCommentEditor hides it again when what it holds goes away.
    std::function<void(const std::string& text)> openCommentEditor;
    std::function<void()> closeCommentEditor;
    // Taken before a command changes a comment text.
    std::function<void()> undoSnapshot;

    // --- hierarchy (HauptHierarchy.cpp) -------------------------------------------------------
    // "Oeffnen" on a macro or automat: a locked one asks for its password first; then its
    // inside is shown at its remembered view, the view left behind is remembered. A macro
    // is not opened from 8 levels deep ("Fehler: Macro-SchachtelungsTiefe zu gross!").
    bool KisteExpand(TKiste& block);
    // "<-- Zurueck" of the sheet menu: back to the sheet around the open macro or automat,
    // at its remembered view, with the macro checks in Edit mode; the block just left turns
    // green. An inside reached by going to a found block returns to that macro block.
    bool PopZurueckMacro();
    // Before the parameter dialog of a block opens: a locked macro or automat asks for its
    // password ("ungueltiges Password" after a wrong one).
    bool mayOpenParameters(TKiste& block);
    const PasswordKeeper& passwords() const { return passwords_; }

    // --- editing commands (EditCommands.cpp) ------------------------------------------------
    // Select frame, clipboard, delete, undo and redo, pages, scrolling, zoom, finding, keys
    // and the window caption.
    EditCommands& edit() { return *edit_; }

    // --- view flags and key help (HauptView.cpp) ----------------------------------------------
    void TastenBelegungClick();     // "Tasten-Belegung": the key help in the message window
    void Hinweiseeinaus1Click();    // "Baustein-Hinweise/Tooltips (ein/aus)"
    void PageNumbers1Click();       // "Seiten-Nummerrierung": the work-sheet names
    void VordergrundClick();        // "Grafik immer im Vordergrund"
    void toggleVisualisationMenu(); // F1: shows or hides the menu "Visualisierung"
    bool blockHints() const { return context_.blockHints; }
    bool sheetLabels() const { return context_.sheetLabels; }
    // Every repaint of the sheet: completes a page change that was not shown yet (the
    // caption follows) and brings the window to the front while that flag is set.
    void sheetPainting();
    // "KORM: " + process name.
    void showApplicationTitle();

private:
    friend class EditCommands;
    // ReporterView: window parts go to the main window, blocks are shown here.
    void showMainWindow() override { view_.showMainWindow(); }
    void highlightBlock(const TKiste& block, Rgb colour) override;
    int blockNumber(const TKiste& block) const override;
    void raiseMessageWindow() override { view_.raiseMessageWindow(); }
    void appendMessage(const std::string& line) override { view_.appendMessage(line); }
    void messageBox(const std::string& text) override { view_.messageBox(text); }
    void showErrorList() override { view_.showErrorList(); }

    void switchMode(EditorMode mode);
    void removePendingBlock();
    void applyReadOnly();
    bool closeOnlineSafely();

    MainView& view_;
    platform::Dialogs& dialogs_;
    EditorState state_;
    TErrListBox errorList_;
    MessageReporter reporter_;
    Document document_;
    DeferredMessageBox deferredBox_;
    MenuContext context_;
    ProgramSettings settings_;
    std::unique_ptr<platform::Timer> closeTimer_;
    std::unique_ptr<platform::Timer> removeTimer_;
    TKiste* pendingRemoval_ = nullptr;

    // Project and parameter panels (HauptPanels.cpp).
    void installPanels(platform::TimerService& timers);
    bool parametersOffered(const TKiste& block) const;
    void requestParameters(TKiste& block);
    void openPendingParameters();
    std::unique_ptr<InfoFrame> infoFrame_;
    std::unique_ptr<ParameterFrame> parameterFrame_;
    std::unique_ptr<platform::Timer> parameterOpenTimer_;
    std::unique_ptr<platform::Timer> parameterPollTimer_;
    TKiste* pendingParameters_ = nullptr;
    TKiste* parameterBlock_ = nullptr; // the block whose panel is open
    int parameterBlockType_ = 0;
    std::unique_ptr<WireLayer> gestures_;

    // Comment texts: the deferred removal, by id, since the text may be gone by the time
    // it is looked at; the text editor window.
    void removePendingText();
    void highlightOnly(TTexte& text);
    std::unique_ptr<platform::Timer> textRemoveTimer_;
    std::optional<std::uint64_t> pendingTextRemoval_;
    std::unique_ptr<TextEditorSession> textEditor_;

    // Hierarchy (HauptHierarchy.cpp).
    void installHierarchyHooks();
    // Carries out the commands of macros, automats, ports and clones; false for the others.
    bool hierarchyBlockCommand(TKiste& block, BlockCommand command);
    void rememberView();
    void clearSelectFrame();
    PasswordKeeper passwords_;
    bool enteredBySearch_ = false; // the open inside was reached by going to a found block

    // Editing commands (EditCommands.cpp).
    std::unique_ptr<EditCommands> edit_;

    // The page (or inside) shown by the last repaint (HauptView.cpp).
    int paintedSheet_ = 0;
};

}  // namespace fup

#pragma once

#include "persistence/FrameText.h"
#include "platform/Clipboard.h"
#include "shell/Gestures.h"
#include "shell/ProgStack.h"
#include "shell/UndoBuffer.h"
#include "shell/VariableList.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace fup {

class Haupt;

// The select frame: none, being drawn, a selection exists, the selection is being moved.
enum class SelectState { None = 0, Drawing = 1, Selected = 2, Moving = 3 };

// The keys the sheet reacts to.
enum class EditKey {
    Left,
    Right,
    Up,
    Down,
    PageUp,
    PageDown,
    Home,
    End,
    Plus,
    Minus,
    Escape,
    Delete,
    F,
    N,
    B,
    C,
    X,
    V,
    Z,
    Y,
    S
};

// What the sheet's context menu shows.
struct SheetMenu {
    bool zoomSelection = false; // "ZOOM Select-Rahmen"
    bool zoomOverview = false;  // "ZOOM Uebersicht"
    bool back = false;          // "<-- Zurueck": a macro or automat is open
    bool passivate = false;     // "Passiviere/Aktiviere selektierte Bausteine"
};

// The editing commands on the sheets of the open document: the select frame and moving a
// selection, clipboard, delete, undo and redo, pages, scrolling and zoom, finding blocks,
// the sheet's context menu, keys, wheel and panning, and the window caption. The sheet
// view hands it the mouse events the gesture layer declined.
class EditCommands {
  public:
    explicit EditCommands(Haupt& haupt);

    // The project information follows a document that was replaced (cleared before, shown
    // again after).
    std::function<void()> projectInfoReset;
    std::function<void()> projectInfoRefresh;

    // --- undo -----------------------------------------------------------------------------
    // The document as program-file text with the current file name.
    std::string snapshotText();
    // Taken before every command that changes the document.
    void storeUndo();
    bool undo();
    bool redo();
    // Replaces the document with a snapshot; false ("ParseUndo-String") leaves an empty
    // one-page document.
    bool restore(const std::string& text);
    TUndoBuffer& undoBuffer() { return *undo_; }
    // A fresh ring (a document was loaded or created); the old one is handed back.
    std::unique_ptr<TUndoBuffer> replaceUndoBuffer(std::unique_ptr<TUndoBuffer> fresh = nullptr);

    // --- select frame (mouse events the gesture layer declined) ---------------------------
    SelectState selectState() const { return state_; }
    const FrameRect& selectRect() const { return rect_; }
    void press(const MouseEvent& event);
    void move(const MouseEvent& event);
    void release(const MouseEvent& event);
    // Esc and the page commands: every selected mark cleared, no frame.
    void clearSelectFrame();
    // Middle-button panning.
    bool panning() const { return panning_; }

    // --- clipboard and delete ---------------------------------------------------------------
    void setClipboard(platform::Clipboard* clipboard) { clipboard_ = clipboard; }
    void copy();
    void cut();
    // Pastes centred on the mouse (pixels of the sheet view).
    void paste(PixelPoint mouse);
    // Frame, macro and automat files; the file is chosen through the editor's dialogs.
    void loadFrame(PixelPoint mouse);  // "Rahmen  Laden..."
    void saveFrame();                  // "Rahmen Sichern"
    void loadMacro(bool automat);      // "MACRO   Laden...", "AUTOMAT Laden..."
    // The Del key: asks "LOESCHEN ?".
    void deleteSelection();
    void passivateSelection();
    void activateSelection();

    // --- pages ------------------------------------------------------------------------------
    bool newPage();
    void renamePage();
    void deletePage();
    void raisePage();
    void lowerPage();
    // Next or previous page, taking the selection along; false when refused.
    bool goToPage(int number);
    void nextPage() { goToPage(currentPage() + 1); }
    void previousPage() { goToPage(currentPage() - 1); }

    // --- scrolling and zoom -----------------------------------------------------------------
    void scrollTo(int x, int y);
    void scrollBy(int dx, int dy);
    // The arrow step: the largest multiple of the pitch that is at most 64 pixels.
    int arrowStep() const;
    void zoomAt(int pitch, GridPoint centre);
    // "+"/"-": one pitch step, the point under the mouse stays under it.
    void stepZoom(int delta, PixelPoint mouse);
    void fitRect(int left, int top, int right, int bottom, int maxPitch = 28);
    void zoomCentre();                                               // "Zentrieren"
    void zoomSelection();                                            // "Select-Rahmen"
    void zoomWorkSheet(std::optional<PixelPoint> at = std::nullopt); // "Arbeits-Blatt"
    void zoomOverview();                                             // "Uebersicht"
    // Mouse wheel: 40 pixels per notch; Ctrl horizontally, Alt zooms.
    void wheel(int notches, const KeyModifiers& modifiers, PixelPoint mouse);

    // --- finding ----------------------------------------------------------------------------
    // "Suche Baustein": asks for the number.
    void findBlock();
    // "N"/"B": the block after or before the one found last.
    void findNext(int step);
    bool goToBlock(int number);
    int foundLast() const { return foundLast_; }
    // Home (+1) / End (-1): every selected block takes the next or the previous place in
    // the block list, unless it is at the end or a selected block holds that place; the
    // inside-first order is kept and all blocks renumbered. False when nothing moved.
    bool shiftSelectedBlocks(int step);
    // "Variablen-Liste" / "Suche Variable".
    VariableList& variableList() { return variableList_; }

    // --- context menu, keys, caption ---------------------------------------------------------
    SheetMenu sheetMenu() const;
    // True when the key was taken. Keys marked "on release" act on release.
    bool keyPress(EditKey key, const KeyModifiers& modifiers, PixelPoint mouse);
    bool keyRelease(EditKey key, const KeyModifiers& modifiers, PixelPoint mouse);
    // Whether the sheet listens to the key now: no key while the project information, the
    // parameter panel or the text editor is open, and no arrow or page key while the
    // variable list or the error list is shown.
    bool takesKey(EditKey key) const;
    // Whether the project information is shown; only the window knows.
    std::function<bool()> projectInfoShown;
    std::string caption() const;
    void updateCaption();

    // --- sub-process files (SubProcess.cpp) --------------------------------------------------
    // "Oeffnen" on a sub-process (180) or function block (186): the caller goes on the
    // program stack with its undo ring, the named program file becomes the document.
    bool openSubProcess(TKiste& block);
    // "<-- Zurueck" of the file menu: asks "Aenderungen speichern ?" (not when ask is false),
    // then the caller comes back exactly as it was left.
    bool Zurueck_SubProc(bool ask = true);
    const TProgStack& progStack() const { return progStack_; }
    // The type of the block whose file is open: 0 at the top, 180 or 186.
    int levelKind() const { return levelKind_; }

  private:
    int currentPage() const;
    bool editable() const;
    // The select state, with the frame flag the menus read.
    void setSelectState(SelectState state);
    void repaint();
    void autoScroll(PixelPoint mouse, bool drawing);
    void deleteSelected();
    void moveSelected(int dx, int dy, int dsheet);
    void scrollLimits(int& maxX, int& maxY) const;
    // Puts the mouse pointer on a grid point of the view, where the user is to look.
    void pointAt(GridPoint point);
    void pointAtFound();
    bool restoreSnapshot(const std::string& text, bool asLoaded);

    Haupt& haupt_;
    VariableList variableList_{haupt_};
    std::unique_ptr<TUndoBuffer> undo_;
    SelectState state_ = SelectState::None;
    FrameRect rect_;
    GridPoint startCell_;
    GridPoint lastCell_;
    bool moved_ = false; // the selection being dragged has moved (undo snapshot taken)
    bool panning_ = false;
    PixelPoint panFrom_;
    int foundLast_ = 0;
    TProgStack progStack_;
    int levelKind_ = 0;
    class MemoryClipboard final : public platform::Clipboard {
      public:
        std::string text() const override { return text_; }
        void setText(const std::string& text) override { text_ = text; }

      private:
        std::string text_;
    };
    MemoryClipboard ownClipboard_;
    platform::Clipboard* clipboard_ = &ownClipboard_;
};

} // namespace fup

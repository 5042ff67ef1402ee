#pragma once

#include "model/SheetGeometry.h"

#include <optional>
#include <string>
#include <string_view>

// Frame texts: a piece of a diagram in the syntax of the program file, without its
// project, view and sheet sections. The selected objects of the shown sheet are written
// with everything inside the selected macros and automats. Frame files (".KR3"), macro
// files (".KR4"), automat files (".KR5") and the clipboard all hold frame texts.
namespace fup {

class Document;

// The select frame in grid units; right and bottom are exclusive.
struct FrameRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const FrameRect&) const = default;
};

// The selection as a frame text (UTF-8, "\n" line ends). With a frame rectangle the text
// carries its size and the objects of the shown sheet are written relative to its top
// left corner; without one (macro and automat files) a block of the shown sheet is
// written at -1/-1, its place to be chosen when it is inserted. Before writing, the
// insides of the selected macros and automats are selected; afterwards everything off
// the shown sheet is deselected again. Save indexes and numbers count the written
// objects only.
std::string writeFrame(Document& doc, const std::optional<FrameRect>& rect);
// The same for the selection of another sheet (a macro saved from wherever it lies).
std::string writeFrameOfSheet(Document& doc, const std::optional<FrameRect>& rect, int topSheet);

// Where the objects of the top level of a frame go.
struct FramePlacement {
    enum class Kind {
        InPlace, // macro and automat files: origin 0/0, the text has no size
        AtMouse, // frame files and paste: the frame is centred on the mouse
        AtOrigin // the text's size is read and the frame placed at a given grid point
    };
    Kind kind = Kind::InPlace;
    PixelPoint mouse; // AtMouse: the mouse in pixels of the sheet view
    GridPoint origin; // AtOrigin
    // The block names of the text are kept instead of the editor's numbering (tools that
    // rewrite a file; the editor renumbers after every insertion anyway).
    bool keepNames = false;

    static FramePlacement inPlace() { return {}; }
    static FramePlacement atMouse(PixelPoint mouse) { return {Kind::AtMouse, mouse, {}, false}; }
    static FramePlacement atOrigin(GridPoint origin) { return {Kind::AtOrigin, {}, origin, false}; }
};

struct FrameReadResult {
    bool ok = false;
    int fileVersion = 0;
    // AtMouse, AtOrigin: the select frame around the inserted objects.
    std::optional<FrameRect> rect;
};

// Reads a frame text into the document. The new objects are selected; those of the top
// level of the frame keep sheet 0 and the insides their stored instance numbers until
// finishInsertion() gives them their places. Every fault is reported with its message;
// what was read before it stays in the document (insertFrame() takes it back).
FrameReadResult readFrame(Document& doc, std::string_view text, const FramePlacement& placement);

// After a frame was read: every inserted macro and automat of the top level gets a fresh
// instance number, its inside (and the insides in it, depth first) follow with fresh
// numbers and leave the selection; the top level goes to the shown sheet and stays
// selected. Inserted objects on an instance number that no inserted macro owns would
// land inside a macro of the document: they are dropped (one log line). Then connected
// ports of the shown sheet take their light green, and the insides are put back before
// their macros.
void finishInsertion(Document& doc);

// Deselects everything, reads the frame and finishes the insertion. A text that cannot
// be read is taken back completely: the document is as it was before.
FrameReadResult insertFrame(Document& doc, std::string_view text, const FramePlacement& placement);

// Deselects every block, pin, wire element and comment text (selection-coloured blocks
// return to their resting colour).
void deselectAll(Document& doc);

// --- clipboard ------------------------------------------------------------------------------

// The clipboard form of the selection: the frame text with its rectangle, lines ending in
// CR LF as the program has always put them there.
std::string clipboardText(Document& doc, const FrameRect& rect);

enum class PasteOutcome {
    Ignored, // the clipboard holds no frame text (its first character is not "(")
    Pasted,  // the objects are on the shown sheet, selected, inside the returned frame
    Failed,  // reported ("ParseClipboardString" after the reader's own error); nothing changed
};

struct PasteResult {
    PasteOutcome outcome = PasteOutcome::Ignored;
    std::optional<FrameRect> rect;
};

// Pastes clipboard text centred on the mouse (pixels of the sheet view).
PasteResult pasteClipboardText(Document& doc, std::string_view text, PixelPoint mouse);

} // namespace fup

#pragma once

#include "model/Kisten.h"
#include "model/Types.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Comment texts: free annotations on a sheet. They carry no signal and play no part in
// compiling, simulating or the online display; they are saved, copied with frames,
// selected, moved and deleted with the select frame and printed with the sheet.
namespace fup {

class Document;

namespace colour {
constexpr Rgb CommentBackground = 0xA6A6A6; // the grey label behind a comment on screen
constexpr Rgb CommentPrint = 0xFFFFFF;      // its background while the print preview is on
constexpr Rgb CommentRed = 0xB80000;        // the dark red of a coloured comment
} // namespace colour

// One comment text. The document owns it; a removed text is destroyed, so whoever has to
// find a text again later (a deferred removal, the editor window) keeps its id.
class TTexte {
  public:
    int x = 0; // grid position of the top left corner
    int y = 0;
    int sheet = 1;    // sheet number, or the instance number of the inside that holds it
    std::string text; // never holds a double quote; may hold line breaks
    bool large = false;
    bool coloured = false;
    bool selected = false;
    Rgb normalBackground = colour::CommentBackground;
    Rgb background = colour::CommentBackground; // what is drawn now
    bool dragging = false;                      // the left button moves the text
    int dragOffsetX = 0;                        // where the mouse took the label, pixels
    int dragOffsetY = 0;

    // Unique for the whole run; never reused.
    std::uint64_t id() const { return id_; }

    // The file's style word: 1 for the large font plus 2 for the coloured text.
    int style() const { return (large ? 1 : 0) + (coloured ? 2 : 0); }
    // Bit 0 gives the large font; any style above 1 counts as coloured, so 2 and 3 both do.
    void setStyle(int style);
    // Selected texts are written in the selection colour, the others dark red or black.
    Rgb fontColour() const;

  private:
    friend class Document;
    std::uint64_t id_ = 0;
};

// The font of comment texts at a zoom (the grid pitch, 2..28). Small sizes take the
// bitmap font "SmalFont"; a single blank names the system's default font. The label font
// of pins, wire variables and block names takes the normal font of the same zoom.
struct CommentFont {
    int size = 9; // points
    std::string name = " ";
    bool operator==(const CommentFont&) const = default;
};
CommentFont commentFont(int zoom, bool large);

// What a text holds after the user entered it: double quotes become blanks, the text is
// trimmed, and nothing at all becomes "leerer Kommentar" (one-line entry) or
// "leer-Kommentar" (the multi-line editor).
std::string enteredComment(const std::string& entered, bool multiline);

// --- the text list ----------------------------------------------------------------------

// Menu "KommentarText": a text on the current sheet at the default position, with a red
// background until the next colour reset.
TTexte& createTextFromMenu(Document& doc);

// Select frame: every text of the current sheet whose top left grid point lies in the
// rectangle (left <= x < right, top <= y < bottom) is selected, however far its label
// reaches beyond it.
void selectTextsInRect(Document& doc, int left, int top, int right, int bottom);
// Every text on one of the sheets (the insides of selected macros and automats).
void selectTextsOnSheets(Document& doc, const std::vector<int>& sheets);
void clearTextSelection(Document& doc);
// Moves every selected text by dx, dy grid units and dsheet sheets.
void moveSelectedTexts(Document& doc, int dx, int dy, int dsheet);
// Sheet k was deleted (its own texts are removed by the command): texts on the ordinary
// sheets after it move one sheet down; texts inside macros and automats stay.
void textsAfterSheetDeleted(Document& doc, int k);
// Sheets a and b changed places.
void textsAfterSheetsSwapped(Document& doc, int a, int b);
// Print preview on: white backgrounds; off: grey again.
void setTextPrintPreview(Document& doc, bool on);
// Every text (of that sheet only, when given) returns to its normal background.
void resetTextColours(Document& doc, std::optional<int> sheet = std::nullopt);

// --- the mouse on a text ------------------------------------------------------------------

// Left button down on a text at `offset` pixels inside its label: every text takes its
// normal background, this one the selection colour, and dragging starts.
void textMouseDown(Document& doc, TTexte& text, int offsetX, int offsetY);
// The mouse at (mouseX, mouseY) pixels of the view while dragging: the label's top left
// goes there less the offset and is converted to the nearest grid point. True when the
// text moved (the sheet is to be redrawn). Nothing moves while read-only.
bool textMouseMove(const Document& doc, TTexte& text, int mouseX, int mouseY, bool readOnly);
// Left button up: the normal background returns and dragging ends.
void textMouseUp(TTexte& text);

// --- context menu ---------------------------------------------------------------------------

enum class TextCommand {
    Remove,        // "Loeschen"            TTexte.TexteRemove
    Edit,          // "Bearbeiten"          TTexte.TexteBearbeiten
    EditMultiline, // "Bearbeiten mehrzeilig" TTexte.TexteBearbeiten_mehrzeilig
    ChangeSize,    // "Gross/Klein"         TTexte.TexteChangeSize
    ChangeColour,  // "Schwarz/Rot"         TTexte.TexteChangeColor
};

struct TextMenuItem {
    TextCommand command;
    std::string caption; // German; translated where the menu is shown
    bool enabled = true;
};

struct TextMenuContext {
    EditContext edit;
    bool removalPending = false; // a deferred removal of a text has not run yet
    bool editorBusy = false;     // the multi-line editor holds a comment text
};

// The entries a right click on the text offers: all five in Edit mode, size and colour in
// Simulation, none in Online mode or while read-only. A selected text, and any text while
// a removal is pending, opens no menu (the sheet gets the click). While the multi-line
// editor holds a text, removing and editing are disabled.
std::vector<TextMenuItem> textContextMenu(const TTexte& text, const TextMenuContext& context);
// Whether the command may run in that state; the commands check it themselves.
bool textCommandAllowed(TextCommand command, const EditContext& edit);

} // namespace fup

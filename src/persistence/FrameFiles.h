#pragma once

#include "persistence/FrameText.h"

#include <filesystem>
#include <functional>
#include <string>

// The file commands of frames, macros and automats. Dialogs that choose a file belong to
// the window; these take the chosen file.
namespace fup {

class Document;
class TKiste;

// Frame files keep the select frame ("Rahmen Sichern", "Rahmen  Laden...").
inline constexpr const char* FrameFileFilter = "SPS-FrameDatei (*.kr3)|*.KR3";
inline constexpr const char* MacroFileFilter = "SPS-MacroDatei (*.kr4)|*.KR4";
inline constexpr const char* AutomatFileFilter = "AUTOMAT-Datei (*.kr5)|*.KR5";

// "Rahmen Sichern" before its file dialog: refused with the box "read only !" while
// read-only, and without a word when there is no select frame.
bool mayStartFrameSave(Document& doc, bool readOnly, bool frameActive);

// Writes the framed selection to the file (Windows-1252, CR LF; the old file is replaced
// only by a complete new one). A write failure is reported as an error naming the file.
bool saveFrameFile(Document& doc, const FrameRect& rect, const std::filesystem::path& file);

// Inserts a frame file centred on the mouse (pixels of the sheet view). A file that
// cannot be read gives the error "OpenFrame:" + file name; a frame that cannot be read
// is reported and taken back. The inserted objects stay selected inside the returned
// frame, for the user to move them.
FrameReadResult loadFrameFile(Document& doc, const std::filesystem::path& file, PixelPoint mouse);

// What saving a macro asks of the editor.
struct MacroSaveContext {
    bool selectFrameActive = false;
    // The deferred message box; the reporter's box when not given.
    std::function<void(const std::string& text)> deferredMessage;
    // "...existiert bereits! Ueberschreiben ?" (yes/no); overwrites when not given.
    std::function<bool(const std::string& question)> askYesNo;
};

// "Sichern/Save" of a macro or automat (TKiste.KisteSave): the block and its whole inside
// go to data directory + its name "nam" + ".KR4" (macro) or ".KR5" (automat). Returns the
// file written, or an empty path when nothing was saved (every reason is reported).
std::filesystem::path saveMacroFile(Document& doc, TKiste& block, const std::filesystem::path& dataDirectory,
                                    const MacroSaveContext& context);

// What inserting a macro or automat file asks of the editor.
struct MacroLoadContext {
    bool editMode = true;
    // The macro consistency checks; false when they fail. Without them the inserted
    // blocks count as consistent.
    std::function<bool()> macroChecks;
};

// "MACRO   Laden..." and "AUTOMAT Laden...": inserts the file in place, its block at the
// default position with fresh instance numbers for the insides. The inserted blocks of
// the shown sheet are coloured red, or green when the checks fail in Edit mode;
// everything is deselected afterwards. A file that cannot be read gives "OpenFrame:" +
// file name; a text that cannot be read is reported and taken back.
bool loadMacroFile(Document& doc, const std::filesystem::path& file, const MacroLoadContext& context);

} // namespace fup

#pragma once

#include "model/Document.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace fup {

// Macros (187) and automats (188) keep their inside in the same document: every object
// of the inside carries the block's child page, its instance number (200 and up), as its
// sheet. Port blocks on the inside give the block its pins. The numbers in use are
// always exactly 200 .. instance counter - 1.

// Deepest nesting from which a macro may still be opened.
constexpr int MaxMacroNesting = 8;
// Port numbers are the rows of the mother block's pins.
constexpr int MaxPortNumber = 24;

// --- ports ------------------------------------------------------------------------------

// Value type of the pin a port gives its mother block (none for other types).
std::uint8_t portValueType(int portType);

struct PortAddress {
    std::string name; // trimmed
    int number = 0;   // 1..24
};

// The port's "nam" and "nr" when both are valid; otherwise the first fault is reported as
// an error on the port (": PinName 1..3 Zeichen lang", ": ungueltige Pin-Nr.",
// ": PortPin-Nr. nur von 1 .. 24") and none is returned.
std::optional<PortAddress> validatePort(Document& doc, const TKiste& port);

// "EinSchalten": gives the mother block (the owner of the port's sheet) the pins of the
// port and, for a macro port, links the port's hidden pin with the mother's pin. Refused
// with its error when the port is invalid, a connected port of the same inside has the
// same name or the same direction and number, or a macro port is linked already. True
// when the port is connected afterwards.
bool connectPort(Document& doc, TKiste& port);
// "AusSchalten", and the step before a port is removed: the mother's pins of the port go
// with all their wires; the port turns teal. False when nothing was disconnected.
bool disconnectPort(Document& doc, TKiste& port);
// Follow-up after the user changed the parameters of a connected port: the mother's pin
// takes the new name (losing its outside wire) or moves to the new row. Invalid or
// duplicate values are reported and the old ones restored.
void portParametersChanged(Document& doc, TKiste& port, const std::string& oldName, const std::string& oldNumber);
// Whenever an inside is shown: its connected ports are light green, unless red now.
void markConnectedPorts(Document& doc, int inside);

// --- instance numbers ----------------------------------------------------------------------

// Gives back the child page of one macro or automat: the counter drops by 1, the inside's
// objects move to sheet 0 (they are about to go), every higher instance number (sheets,
// child pages and the current sheet) moves down by 1, the block's child page becomes 0.
void compactInstanceNumber(Document& doc, TKiste& block);
// The selected macros and automats, one by one in block-list order.
void compactSelectedInsides(Document& doc);
// Removes every selected intermediate point and block with its pins. A selected port
// whose mother stays is disconnected first. Renumbers the blocks.
void removeSelectedObjects(Document& doc);
// Removes a block the way the block menu does: a macro or automat with its whole inside
// (nested insides included) and with the instance numbers compacted, a port after its
// mother's pins, any other block alone. Anything selected before is deselected first.
void removeWithInside(Document& doc, TKiste& block);
// After objects were inserted (selected; sheet 0 for the top level of the inserted text,
// their stored instance numbers inside): every inserted macro or automat at the top
// level gets a fresh instance number and its inside follows, depth first; objects left
// on sheet 0 go to the shown sheet and stay selected with their pins, inserted insides
// end deselected. Selected objects on an instance number no inserted macro owns are
// dropped; returns how many.
int renumberInsertedInsides(Document& doc, int shownSheet);

// --- sub-processes and function blocks ------------------------------------------------

// The program a sub-process (180) or function block (186) names by "nam": the base name
// without directory and extension; none for an empty name or "-".
std::optional<std::string> referencedProgramName(const TKiste& block);
// Its program file: that name + ".KR2" in the program directory (sub-process) or the data
// directory (function block).
std::optional<std::filesystem::path> referencedProgramFile(const TKiste& block,
                                                           const std::filesystem::path& programDirectory,
                                                           const std::filesystem::path& dataDirectory);
// Every sub-process or function block that calls the process itself (names compared
// trimmed, in upper case) or a program that onStack knows gets "Rekursiver Aufruf von: "
// + name on its block. True when one was found.
bool findRecursiveCalls(Document& doc, const std::string& processName,
                        const std::function<bool(const std::string& name)>& onStack);

// --- "Update Macros" ----------------------------------------------------------------------

struct UpdateMacrosDialogs {
    std::function<bool(const std::string& question)> askYesNo;
    std::function<void(const std::string& text)> information; // a box, shown at once
    std::function<void(const std::string& text)> message;     // the deferred message box
};

// Replaces every other macro whose "nam" equals the block's exactly by a copy of it (with
// its inside), at the copy's place, sheet and flip, keeping the variables and outside
// wires of its pins by pin name. Refused with "Rekursives Makro" when a macro of that name
// lies inside another one. True when copies were replaced.
bool updateMacros(Document& doc, TKiste& macro, const UpdateMacrosDialogs& dialogs);

} // namespace fup

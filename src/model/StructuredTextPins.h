#pragma once

#include "model/Document.h"

#include <array>
#include <string>
#include <vector>

namespace fup {

namespace platform {
class Dialogs;
}

// Structured-text blocks (81) and their clones (82) take their pins from six parameters,
// one list of pin names per direction and value type. Clones of one name share one
// parameter set; a plain block has a name no other structured-text block carries.

// The pin lists in the order they are read: "de", "ae", "ie" give the inputs, "da", "aa",
// "ia" the outputs (digital, fixed point, integer).
constexpr std::array<const char*, 6> StPinListKeys = {"de", "ae", "ie", "da", "aa", "ia"};
constexpr int MaxStPinNamesPerList = 100;

struct StPinLists {
    // The names as the pins get them: cut to 3 characters, later duplicates renamed
    // "_01", "_02", ...
    std::array<std::vector<std::string>, 6> names;
    // Every finding in order; the last one is what the block reports.
    std::vector<std::string> findings;
};

// Splits the six lists of the block: blank, "," and ";" separate names; control
// characters and double quotes are ignored; at most 100 names a list. Findings: "PinName
// zu lang: ", "PinName muss mit Buchstabe anfangen: ", "gleiche PinNamen: " + the name.
StPinLists readStPinLists(const TKiste& block);

// Rebuilds the pins from the lists: pins whose name stays in the list of their direction
// and value type keep their wires, the others go with theirs, new names get new pins;
// every pin moves to its row, and the counts and the height follow. After a finding the
// last one is reported as an error on the block and the pins follow the corrected names;
// the parameter texts stay as they were written. False after a finding.
bool rebuildStPins(Document& doc, TKiste& block);

// The name that another structured-text block or clone carries already (names compared
// exactly, trimmed).
bool stNameTaken(const Document& doc, const TKiste& block, const std::string& name);

// Follow-up after the user changed the parameters of a structured-text block or clone:
// parameters trimmed (all but the text), pins rebuilt, the name kept unique (asking for
// another one), and for a clone every clone of its old name (and, when the user agrees,
// of its new name) takes its values.
void stParametersChanged(Document& doc, TKiste& block, const std::string& oldName, platform::Dialogs& dialogs);

// "Klonen" on a plain block: asks for another name while the name is taken, then the block
// and a new block on the current sheet at the default position become clones of that
// name; the original is green, the new clone red. Returns the new clone, or none when
// the question was cancelled.
TKiste* cloneStBlock(Document& doc, TKiste& original, platform::Dialogs& dialogs);

// "Klone -> Original": asks for another name while the name is taken, then the clone
// becomes a plain block, coloured green. False when the question was cancelled.
bool uncloneStBlock(Document& doc, TKiste& clone, platform::Dialogs& dialogs);

// For a clone read from a file: when its parameters (all but the name) differ from those
// of a clone of the same name before it in the block list, it becomes a plain block,
// yellow, with the warning
// "Ungleiche Klone gleichen Namens. Nach St-Text umgewandelt!". False in that case.
bool checkCloneConsistency(Document& doc, TKiste& clone);

// The editor stores a saved program text into the block and every clone of its name.
void storeStText(Document& doc, TKiste& block, const std::string& text);

} // namespace fup

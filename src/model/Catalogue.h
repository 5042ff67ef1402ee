#pragma once

#include "model/Types.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace fup {

// One pin of a block type, in creation order.
struct PinTemplate {
    std::string name;
    std::uint8_t kind = ek::InputPin;   // ek::InputPin or ek::OutputPin
    std::uint8_t valueType = vt::None;
    bool constCapable = false;
    int ordinal = 1;                     // row among inputs or among outputs, 1-based
};

// A block parameter: the template from the catalogue, and with its current value the
// record every block keeps (up to 8, in file order).
struct Para_descriptor {
    int kind = 58;
    std::string name;    // key: "ina", "K", "nam", ...
    std::string value;   // current value as text; the default at creation
    std::string prompt;  // German; translate when shown
    std::string hint;    // German; translate when shown
    bool eeprom = false;
    bool flash = false;      // flash constant; the user may switch it to EEPROM
    bool show = true;        // shown in "Selektierte Parameter" mode
    bool showPrompt = true;  // shown as prompt + "=" + value
};

struct PinLayout {
    int width = 2;          // in catalogue units; drawn as width x row pitch (2 grid units)
    int heightPreset = 0;   // rows; 0 = from the pin counts
    std::vector<PinTemplate> pins;

    int inputCount() const;
    int outputCount() const;
};

// Which creation counts a type asks for, with their limits. Types without a variable
// count ask nothing and take their pin counts from the layout.
struct VariablePins {
    bool askInputs = false;      // "Anzahl Eingaenge ?" at creation
    int minInputs = 2;           // accepted answers minInputs..MaxVariableInputs
    bool askOutputs = false;     // "Anzahl Ausgaenge ?" at creation
    int minOutputs = 1;          // accepted answers minOutputs..maxOutputs
    int maxOutputs = 24;
    int initialInputs = 2;       // offered in the prompt, or used without asking
    int initialOutputs = 2;
    bool inputsFollowParameter = false;   // N follows the parameter "ina"
    int minInputsOnChange = 2;            // "ina" is raised to this
    bool outputsFollowParameter = false;  // M follows the parameter "oua"
};
constexpr int MaxVariableInputs = 32;
constexpr int MaxParameters = 8;
constexpr int MaxPins = 33;  // for every type but the state (189), whose M adds to its N
inline constexpr const char* InputCountPrompt = "Anzahl Eingaenge ?";
inline constexpr const char* OutputCountPrompt = "Anzahl Ausgaenge ?";
inline constexpr const char* CountPromptDefault = "2";

struct BlockMenuEntry {
    std::string caption;  // with its blanks, untranslated
    int type = 0;
};
struct BlockMenuGroup {
    std::string caption;  // "--- Gleitpunkt ----", ..., "Visualisierung      "
    bool ownMenu = false; // a top-level menu of its own (visualisation) rather than a group
    std::vector<BlockMenuEntry> entries;
};

bool isKnownType(int type);
// All 188 type numbers in ascending order.
std::span<const int> knownTypes();

// Pin layout for creation counts n inputs, m outputs (ignored for fixed types). Variable
// counts are kept within 1..32 inputs and 1..24 outputs; the creation prompt's stricter
// limits are applied by creationInputCount / creationOutputCount.
PinLayout pinLayout(int type, int n, int m);

std::string typeLabel(int type);   // "none" for unknown types
std::string typeHint(int type);    // "noch nicht definiert" for unknown types, untranslated
// Parameter templates with their defaults; "ina"/"oua" default to n/m as decimal text.
std::vector<Para_descriptor> typeParameters(int type, int n, int m);

// Menu captions of the type in menu order: its block-menu items, and for the macro also
// the edit command that builds one from the selection. Empty for types without a menu.
std::vector<std::string> menuCaptions(int type);

VariablePins variablePins(int type);
// The count a creation prompt yields: the answer when it is a whole number within the
// type's limits, otherwise (also when cancelled: nullopt) the default 2. Types that do
// not ask get their fixed pin count (the state change: its one input).
int creationInputCount(int type, std::optional<std::string_view> answer);
int creationOutputCount(int type, std::optional<std::string_view> answer);

Rgb normalColour(int type);

// Block size in rows of two grid units.
int blockHeightRows(int heightPreset, int n, int m);

// The block menus in the order they appear.
const std::vector<BlockMenuGroup>& blockMenus();

// Programming check of a layout's sides: "Fehler: Eingang nicht Links" when an input
// template is not an input pin, "Fehler: Ausgang nicht Rechts" when an output template is
// not an output pin; empty when both sides are right.
std::string pinSideFault(std::span<const PinTemplate> inputs, std::span<const PinTemplate> outputs);

}  // namespace fup

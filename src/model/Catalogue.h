#pragma once

#include "model/Types.h"

#include <cstdint>
#include <span>
#include <string>
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
    std::string prompt;
    std::string hint;    // German; translate when shown
    bool eeprom = false;
    bool flash = false;
    bool show = true;        // shown in "Selektierte Parameter" mode
    bool showPrompt = true;  // shown as prompt + "=" + value
};

struct PinLayout {
    int width = 2;          // grid units
    int heightPreset = 0;   // rows; 0 = from the pin counts
    std::vector<PinTemplate> pins;
};

// Which creation counts a type asks for, with their limits.
struct VariablePins {
    bool askInputs = false;
    int minInputs = 2;
    bool askOutputs = false;
    int minOutputs = 1;
    int maxOutputs = 24;
};
constexpr int MaxVariableInputs = 32;
constexpr int MaxParameters = 8;
constexpr int MaxPins = 33;

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

// Pin layout for creation counts n inputs, m outputs (ignored for fixed types).
PinLayout pinLayout(int type, int n, int m);

std::string typeLabel(int type);   // "none" for unknown types
std::string typeHint(int type);    // "noch nicht definiert" for unknown types, untranslated
// Parameter templates with their defaults; "ina"/"oua" default to n/m as decimal text.
std::vector<Para_descriptor> typeParameters(int type, int n, int m);

VariablePins variablePins(int type);
Rgb normalColour(int type);

// Block size in rows of two grid units.
int blockHeightRows(int heightPreset, int n, int m);

// The block menus in the order they appear.
const std::vector<BlockMenuGroup>& blockMenus();

}  // namespace fup

#pragma once

// The catalogue's data tables, written in the notation of the type tables so that a row
// can be checked against them by eye. Only the catalogue's own .cpp files include this.
//
// Pin lists ("inputs", "outputs"): comma-separated pins, each a name and a value type.
//   name:   a pin name, "(unnamed)" for an empty name, or a range "+1..+N", "i2..iN",
//           "b0..b15", "o1..oM" (N and M are the block's creation counts)
//   value:  F fixed-point, D digital, G floating-point, I integer, - none;
//           a trailing * marks a constant-capable input
//   "-" alone: no pins.
// Parameter lists: semicolon-separated `key kind [=default] [E] [L] [h]` where the
//   default is ="text" (blanks kept), =N or =M (the creation count as decimal text);
//   E = EEPROM, L = flash constant (switchable), h = not shown in the selected mode.
//   "-" alone: no parameters.

#include <span>

namespace fup::catalogue {

struct MenuCaptions {
    const char* first = nullptr;   // nullptr: the type has no menu item
    const char* second = nullptr;  // a second item for the same type
};

struct TypeRow {
    int type;
    MenuCaptions menu;
    const char* label;
    const char* hint;
    const char* inputs;
    const char* outputs;
    int width;
    const char* params;
};

struct GroupTable {
    const char* caption;  // group caption in the block menu, nullptr for types without menu
    bool ownMenu;         // a top-level menu of its own
    std::span<const TypeRow> rows;
};

// Prompt and hint of a parameter key; the same key may read differently per type, and
// a type may carry the same key twice (then the rows apply in order).
struct PromptRow {
    const char* key;
    int kind;
    const char* prompt;
    const char* hint;   // "" when there is none
    const char* types;  // comma-separated type numbers
};

// Family tables, each in its own file.
GroupTable floatBlocks();
GroupTable analogBlocks();
GroupTable analogLimitBlocks();
GroupTable digitalBlocks();
GroupTable registerBlocks();
GroupTable telegramBlocks();
GroupTable complexBlocks();
GroupTable displayBlocks();
GroupTable visualisationBlocks();
GroupTable blocksWithoutMenu();

std::span<const PromptRow> parameterPrompts();

}  // namespace fup::catalogue

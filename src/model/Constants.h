#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Constants on input pins and the texts of value labels. The display type chosen when a
// constant is made decides how its text becomes the 32-bit word and how the word is
// shown again; live values of wires use the same texts.
namespace fup {

// What a time value depends on: the project's cycle time and the target system.
struct TimeBase {
    double cycleTimeMs = 0.0; // 0: not set
    int target = -1;          // -1 none, 0..10
};

// Targets 1..8 keep a cycle count in the upper 16 bits of a word (one cycle = 0x10000).
bool timeCountInUpperHalf(int target);
// The cycle count held in a time word: the upper 16 bits for targets 1..8, the lower 16
// bits (unsigned) for target 0, the whole word otherwise.
std::int64_t timeCountOf(std::int32_t word, int target);

// A decimal number with "." as separator whatever the locale; blanks around it and a
// leading "+" are allowed. None for anything else, including "nan" and "inf".
std::optional<double> parseRealText(std::string_view text);
// An integer, "$" + up to 8 hexadecimal digits (taken as the 32-bit pattern) or decimal
// within the 32-bit range.
std::optional<std::int32_t> parseIntegerText(std::string_view text);

// round(v * 2^31), limited to the 32-bit range.
std::int32_t fixedFromReal(double v);

struct ConstantEntry {
    bool ok = false;
    std::int32_t value = 0;
    std::string message; // translated; empty when ok
};

// The word a constant entered as text stands for, by display type (dt::...). Digital
// constants (dt::Value) take "TRUE"/"FALSE" (any case) or "1"/"0". An entry that is
// refused carries its message and no value.
ConstantEntry parseConstant(std::uint8_t displayType, std::string_view text, const TimeBase& base);

// How a word is shown in the given display type: constants and live value labels alike.
// The variable-name display has no value text and gives four blanks here.
std::string valueText(std::uint8_t displayType, std::int32_t value, const TimeBase& base);

std::string fixedPointText(std::int32_t value); // 8 decimals
std::string angleText(std::int32_t value);      // degrees, 4 decimals, " °"
std::string floatText(std::int32_t bits);       // general format, 7 significant digits

// --- variable names ------------------------------------------------------------------------

constexpr int MaxVariableNameLength = 12;

// Characters of a UTF-8 text (names count characters, not bytes).
std::size_t characterCount(std::string_view text);
// The warning that refuses a cleaned, non-empty name, or none when it may be used.
std::optional<std::string> variableNameRefusal(const std::string& name);
// How a name is shown as a label: one blank on each side when shorter than 3 characters.
std::string variableLabelText(const std::string& name);
// Names starting with "_" are temporary variables.
bool isTemporaryName(std::string_view name);
// The prefix "NIL_" (any case) marks names that may be defined more than once.
bool mayBeDefinedTwice(std::string_view name);

} // namespace fup

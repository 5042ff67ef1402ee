#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fup {

// Numbers in files are written and read with "." as decimal separator whatever the
// locale of the process.

// A whole number: optional sign, then decimal digits, or hexadecimal digits after "$"
// (or "0x"). Decimal values must fit 32 bits; hexadecimal ones may use all 32 bits and
// stand for the two's-complement value ("$FFFFFFFF" is -1).
std::optional<std::int32_t> parseFileInteger(std::string_view text);

// A decimal number such as "100", "12.5", "-0.25", "1e3"; nothing else may follow.
std::optional<double> parseDecimal(std::string_view text);

// The shortest text that reads back as the same value: "100", "12.5".
std::string formatDecimal(double value);

} // namespace fup

#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace fup {

class Reporter;
class TKiste;

// Characteristic curves of the curve blocks: type 46 has 33 points and reads "TK33.A",
// types 47 and 48 have 65 points and read "TK65.A", both from the data directory. A
// curve file holds any number of curves, each a header ("TXF1 name" for 33 points,
// "TXF2 name" for 65) followed by its raw fixed-point values in groups of four
// ("T1B4"/"T2B4") or one ("T1B1"/"T2B1"); "*" and ";" start a comment that runs to the
// end of the line.

// Points of the curve block type, 0 for other types.
int curvePoints(int type);
// The file name the type reads: "TK33.A" or "TK65.A" (empty for other types).
std::string_view curveFileName(int type);

// Reads the table of the block's curve (named by its parameter "KN") from the data
// directory: points + 1 entries, filled at 1..points. Every fault is an error on the
// block, followed by "kenlinienwerte nicht erfolgreich gelesen"; ok is cleared then and
// the table is empty.
std::vector<std::int32_t> loadCurveTable(const TKiste& block, const std::filesystem::path& dataDirectory,
                                         Reporter& reporter, bool& ok);

// The same on a curve text already in memory (UTF-8); file names only for the messages.
std::vector<std::int32_t> readCurveTable(const TKiste& block, std::string_view text, Reporter& reporter,
                                         bool& ok);

} // namespace fup

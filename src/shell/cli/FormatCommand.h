#pragma once

#include <filesystem>
#include <ostream>

namespace fup::cli {

enum class FormatOutcome {
    Canonical,   // already in the writer's form: nothing written
    Rewritten,   // written back in the writer's form
    NotCanonical,// --check: would be rewritten
    Failed,      // could not be read or written: reported, file untouched
};

// Reads a program file (.KR2), frame file (.KR3), macro file (.KR4) or automat file (.KR5)
// and writes it back in the writer's canonical form (atomic save, same encoding; a
// program file keeps its save date, a frame file its size, macro and automat files their
// instance numbers). With check set nothing is written. Reports go to err
// through the command line's reporter; json selects its JSON lines.
FormatOutcome formatFile(const std::filesystem::path& file, bool check, bool json, std::ostream& err,
                         int& exitCode);

}  // namespace fup::cli

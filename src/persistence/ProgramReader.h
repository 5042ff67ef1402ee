#pragma once

#include "persistence/ProgramFormat.h"
#include "persistence/ProgramSettings.h"

#include <string>
#include <string_view>

namespace fup {

class Document;

struct ReadResult {
    bool ok = false;
    int fileVersion = 0;
    std::string fileName; // as stored in the file's SPSFILE line
};

// Reads a program text (UTF-8; decodeFileText makes it of the file bytes) into the
// document, which is cleared first. Every fault is reported through the document's
// reporter with its German message. A read that fails leaves the document cleared and
// the settings untouched; a read that succeeds applies the file's project settings to
// them (target, cycle time and data directory only where the rules allow).
ReadResult readProgram(Document& doc, ProgramSettings& settings, std::string_view text);

} // namespace fup

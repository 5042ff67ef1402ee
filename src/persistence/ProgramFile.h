#pragma once

#include "persistence/ProgramFormat.h"
#include "persistence/ProgramReader.h"
#include "persistence/ProgramSettings.h"

#include <filesystem>
#include <optional>
#include <string>

namespace fup {

class Document;

enum class OpenStatus {
    Missing, // no such file: nothing was done
    Loaded,
    Failed, // reported; the document is cleared (the caller names the process "leer_dummy")
};

struct OpenResult {
    OpenStatus status = OpenStatus::Missing;
    ReadResult read;
};

// Opens a program file (".KR2"): reads its bytes, converts them from Windows-1252 and
// reads the program into the document. A file that cannot be read is reported as
// "Create:" + file name.
OpenResult openProgram(Document& doc, ProgramSettings& settings, const std::filesystem::path& file);

struct SaveOptions {
    bool readOnly = false;  // the editor's read-only flag
    bool batchMode = false; // batch mode saves even when read-only and keeps the save date
    // The save date to write; the current local time when not given.
    std::optional<std::string> now;
};

// Saves the document as a program file. Refused with the box "read only !" while
// read-only (except in batch mode). Otherwise the save date becomes the current date
// and time (not in batch mode), the text is written in Windows-1252 with CR LF, and the
// old file is replaced only when the new one was written completely. A failure is
// reported as an error naming the file and the reason; the save date then stays.
bool saveProgram(Document& doc, ProgramSettings& settings, const std::filesystem::path& file,
                 const SaveOptions& options = {});

// The current local date and time as the save date is written.
std::string currentSaveDate();

} // namespace fup

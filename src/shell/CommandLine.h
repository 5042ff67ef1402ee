#pragma once

#include "shell/EditorState.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace fup {

class Reporter;

// What start-up still has to do with the arguments after the editor state is set.
struct StartupRequest {
    bool dataDirectoryOverride = false;   // argument 4 named an existing directory
    double cycleTimeOverrideMs = 0.0;      // argument 2; 0 leaves the file's value
    std::optional<std::string> showBlockArgument;  // argument 10 as given
};

struct PathSplit {
    std::string directory;  // as written, including its final separator, may be empty
    std::string name;       // without extension
};
// Splits a program path into directory and process name; the extension is dropped.
// Backslash, slash and ":" all end a directory part.
PathSplit splitProgramPath(const std::string& path);

std::string trimmed(const std::string& text);

// Reads the ten positional arguments (index 0 = argument 1) into the editor state,
// with their messages and echo lines, in the order the start-up has always used.
// directoryExists is asked about the program and data directories.
StartupRequest readCommandLine(const std::vector<std::string>& arguments, EditorState& state, Reporter& reporter,
                               const std::function<bool(const std::filesystem::path&)>& directoryExists);

// Adds the native separator when the text does not end in one.
std::filesystem::path withTrailingSeparator(const std::filesystem::path& directory);

}  // namespace fup

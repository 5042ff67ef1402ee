#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace fup::platform {

class Process {
public:
    virtual ~Process() = default;
    // Runs a program without a window and waits for it; returns its exit code, or -1
    // when it could not be started.
    virtual int runHidden(const std::filesystem::path& program, const std::vector<std::string>& arguments) = 0;
    // Opens a document with the desktop's "open" action (help files).
    virtual bool openDocument(const std::filesystem::path& document) = 0;
};

}  // namespace fup::platform

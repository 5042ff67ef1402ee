#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

namespace fup::test {

// A directory of its own for one test process: CTest runs the tests of one executable as
// parallel processes, so a fixed name would be shared between them.
inline std::filesystem::path scratchDirectory(const std::string& name)
{
    return std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()));
}

}  // namespace fup::test

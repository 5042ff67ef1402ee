#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace fup::cli {

// Exit code of a command line the program does not understand.
constexpr int ExitUsage = 2;

std::string fupcVersion();

// Runs fupc with its arguments (without the program name): listings and help go to
// out, reports and usage errors to err. Returns the process exit code.
int runFupc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace fup::cli

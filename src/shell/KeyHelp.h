#pragma once

#include <string>
#include <vector>

namespace fup {

// The lines of "Tasten-Belegung" in the current language; empty lines separate the groups.
std::vector<std::string> keyHelpLines();

} // namespace fup

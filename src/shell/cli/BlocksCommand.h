#pragma once

#include <ostream>
#include <string>

namespace fup::cli {

// Creation counts used for the listing of types whose pin count is variable.
constexpr int ListedInputs = 2;
constexpr int ListedOutputs = 2;

// One type of the catalogue as one line of JSON (no newline); texts untranslated.
std::string blockTypeJson(int type);
// One type of the catalogue as a readable paragraph; texts translated for display.
void writeBlockTypeText(std::ostream& out, int type);

}  // namespace fup::cli

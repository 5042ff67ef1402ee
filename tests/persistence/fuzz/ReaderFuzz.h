#pragma once

#include <string>
#include <string_view>

namespace fup::fuzz {

// Feeds file bytes to the program reader. Any input must end in a clean success or a
// clean failure; a failed read must leave an empty document, and a text that was read
// must give the same text again when it is written, read and written once more.
// Returns a description of the broken rule, or empty.
std::string checkReader(std::string_view bytes);

} // namespace fup::fuzz

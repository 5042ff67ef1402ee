#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace fup {

// Every user-visible text passes through here with its German wording as the key
// (gettext, domain "default"). The lookup sits in the lowest library because blocks,
// wires, the reader and the code generator all produce user-visible texts.
std::string tx(std::string_view german);

// Catalogues live in <directory>/<lang>/LC_MESSAGES/default.mo below the executable.
void setTranslationDirectory(const std::filesystem::path& directory);
// "de", "en", "nl"; an empty code follows the process locale again.
void setLanguage(const std::string& code);
std::string currentLanguage();

}  // namespace fup

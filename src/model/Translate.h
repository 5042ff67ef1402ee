#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace fup {

// Every user-visible text passes through here with its German wording as the key
// (gettext, domain "default"). The lookup sits in the lowest library because blocks,
// wires, the reader and the code generator all produce user-visible texts.
// Keys are collected from the sources by scripts/update-translations.sh: pass the text
// to tx() as a literal, or mark a literal that is translated later with txKey().
std::string tx(std::string_view german);

// Marks a German text that is kept in a table and passed to tx() where it is shown, so
// that the catalogue update finds it. Returns its argument unchanged.
constexpr const char* txKey(const char* german) { return german; }

// Catalogues live in <directory>/<lang>/LC_MESSAGES/default.mo below the executable.
// The first call (of this or setLanguage) takes the language from the process
// environment: LANGUAGE, LC_ALL, LC_MESSAGES, LANG as gettext reads them, also when the
// locale named there is not installed.
void setTranslationDirectory(const std::filesystem::path& directory);
// "de", "en", "nl"; an empty code follows the process locale again.
void setLanguage(const std::string& code);
// The code last given to setLanguage; empty while the process locale decides.
std::string currentLanguage();
// The language the texts appear in now: the language of the catalogue in use, or "de"
// when no catalogue answers (German is the key).
std::string shownLanguage();

}  // namespace fup

#include "model/Translate.h"

#include <clocale>
#include <cstdlib>
#include <libintl.h>

namespace fup {
namespace {

constexpr const char* Domain = "default";
std::string languageCode;
bool bound = false;

void bindOnce()
{
    if (bound)
        return;
    bound = true;
    // Message lookup needs LC_MESSAGES from the environment; numbers stay in the C locale.
    std::setlocale(LC_MESSAGES, "");
    bind_textdomain_codeset(Domain, "UTF-8");
}

}  // namespace

void setTranslationDirectory(const std::filesystem::path& directory)
{
    bindOnce();
    bindtextdomain(Domain, directory.string().c_str());
}

void setLanguage(const std::string& code)
{
    bindOnce();
    languageCode = code;
    if (code.empty()) {
        unsetenv("LANGUAGE");
    } else {
        setenv("LANGUAGE", code.c_str(), 1);
        // gettext ignores LANGUAGE under the plain C locale.
        const char* current = std::setlocale(LC_MESSAGES, nullptr);
        if (!current || std::string_view(current) == "C" || std::string_view(current) == "POSIX")
            std::setlocale(LC_MESSAGES, "C.UTF-8");
    }
    // gettext caches translations per language; changing a domain binding drops that cache.
    textdomain(Domain);
}

std::string currentLanguage() { return languageCode; }

std::string tx(std::string_view german)
{
    if (german.empty() || !bound)
        return std::string(german);
    const std::string key(german);
    return dgettext(Domain, key.c_str());
}

}  // namespace fup

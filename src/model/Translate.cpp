#include "model/Translate.h"

#include <clocale>
#include <cstdlib>
#include <libintl.h>
#include <optional>

namespace fup {
namespace {

constexpr const char* Domain = "default";
std::string languageCode;
bool bound = false;

// What the process environment asked for, restored by setLanguage("").
std::optional<std::string> defaultLanguageVariable;  // LANGUAGE, when set
std::string defaultMessagesLocale = "C";

std::optional<std::string> environment(const char* name)
{
    const char* value = std::getenv(name);
    if (!value)
        return std::nullopt;
    return std::string(value);
}

void setEnvironment(const char* name, const std::optional<std::string>& value)
{
    if (value)
        setenv(name, value->c_str(), 1);
    else
        unsetenv(name);
}

// gettext ignores LANGUAGE under the plain C locale (not under C.UTF-8).
bool isPlainC(std::string_view locale) { return locale.empty() || locale == "C" || locale == "POSIX"; }

std::string messagesLocale()
{
    const char* current = std::setlocale(LC_MESSAGES, nullptr);
    return current ? current : "C";
}

// Switches LC_MESSAGES to a locale under which gettext honours LANGUAGE. C.UTF-8 is
// built into glibc; the others are for systems that lack it.
void useNeutralLocale()
{
    for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8", "en_US.utf8"}) {
        if (std::setlocale(LC_MESSAGES, name))
            return;
    }
}

// The locale that LC_MESSAGES names in the environment, by the usual precedence.
std::string environmentLocale()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return value;
    }
    return {};
}

void bindOnce()
{
    if (bound)
        return;
    bound = true;
    // Message lookup needs LC_MESSAGES from the environment; numbers stay in the C locale.
    if (!std::setlocale(LC_MESSAGES, "")) {
        // The environment names a locale that is not installed; the C library then stays
        // in C and gettext would show German. The language was asked for all the same:
        // name it through LANGUAGE (unless that is set already) under a neutral locale.
        const std::string named = environmentLocale();
        if (!isPlainC(named)) {
            const auto language = environment("LANGUAGE");
            if (!language || language->empty())
                setenv("LANGUAGE", named.c_str(), 1);
            useNeutralLocale();
        }
    }
    defaultLanguageVariable = environment("LANGUAGE");
    defaultMessagesLocale = messagesLocale();
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
        setEnvironment("LANGUAGE", defaultLanguageVariable);
        std::setlocale(LC_MESSAGES, defaultMessagesLocale.c_str());
    } else {
        setenv("LANGUAGE", code.c_str(), 1);
        if (isPlainC(messagesLocale()))
            useNeutralLocale();
    }
    // gettext caches translations per locale, not per LANGUAGE; setting the text domain
    // bumps its catalogue counter and so drops that cache.
    textdomain(Domain);
}

std::string currentLanguage() { return languageCode; }

std::string shownLanguage()
{
    if (!bound)
        return "de";
    // The empty key yields the header of the catalogue in use, or itself when none is.
    const std::string_view header = dgettext(Domain, "");
    constexpr std::string_view Field = "Language: ";
    std::size_t at = 0;
    while (at < header.size() && header.substr(at, Field.size()) != Field) {
        at = header.find('\n', at);
        at = at == std::string_view::npos ? header.size() : at + 1;
    }
    if (at >= header.size())
        return "de";
    const std::string_view value = header.substr(at + Field.size());
    const auto end = value.find_first_of("_.@\n");
    const std::string language(value.substr(0, end));
    return language.empty() ? "de" : language;
}

std::string tx(std::string_view german)
{
    if (german.empty() || !bound)
        return std::string(german);
    const std::string key(german);
    return dgettext(Domain, key.c_str());
}

}  // namespace fup

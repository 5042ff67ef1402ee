#include "model/Catalogue.h"
#include "model/Translate.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace fup {
namespace {

// The catalogues built from translations/*.po, in the layout the editor finds beside itself.
const std::filesystem::path LocaleDir = FUP_LOCALE_DIR;

struct Expected {
    std::string german;
    std::string english;
    std::string dutch;
};

// Real keys of the program: menus, a message with its " !", blanks that carry layout,
// quotes, block menu group captions and hints from the catalogue.
const std::vector<Expected> Samples = {
    {"Betriebsart", "Operating mode", "Bedrijfsmodus"},
    {"noch nicht definiert", "not yet defined", "nog niet gedefinieerd"},
    {"Anzahl Eingaenge ?", "Number of inputs ?", "Aantal ingangen ?"},
    {"Kein Drucker verfuegbar !", "No printer available !", "Geen printer beschikbaar !"},
    {" read only", " read only", " alleen lezen"},
    {"Fehler: ", "Error: ", "Fout: "},
    {"Visualisierung      ", "Visualisation      ", "Visualisatie      "},
    {"nur in \"Macro\" moeglich", "only possible in a \"macro\"", "alleen mogelijk in een \"macro\""},
    {"Loeschen", "Delete", "Verwijderen"},
    {"Addierer mit Begrenzung auf +/- 1", "Adder limited to +/- 1", "Opteller met begrenzing op +/- 1"},
};

std::string inLanguage(const Expected& e, const std::string& language)
{
    return language == "en" ? e.english : language == "nl" ? e.dutch : e.german;
}

TEST(Translate, LooksUpTheGermanKeyInTheChosenLanguage)
{
    setTranslationDirectory(LocaleDir);
    for (const std::string language : {"en", "nl", "de", "en"}) {
        setLanguage(language);
        EXPECT_EQ(currentLanguage(), language);
        EXPECT_EQ(shownLanguage(), language);
        for (const Expected& e : Samples)
            EXPECT_EQ(tx(e.german), inLanguage(e, language)) << language << ": " << e.german;
        // A text without an entry stays German, blanks included.
        EXPECT_EQ(tx("Gibt es nicht  "), "Gibt es nicht  ") << language;
        EXPECT_EQ(tx(""), "") << language;
    }
    setLanguage("de");
}

// Reads the message pairs of a compiled catalogue (GNU .mo, little-endian as msgfmt
// writes it here), so the test sees exactly what the program loads.
std::map<std::string, std::string> readCatalogue(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto word = [&data](std::size_t at) {
        std::uint32_t value = 0;
        if (at + 4 <= data.size())
            std::memcpy(&value, data.data() + at, 4);
        return static_cast<std::size_t>(value);
    };
    std::map<std::string, std::string> messages;
    if (word(0) != 0x950412de)
        return messages;
    const std::size_t count = word(8), originals = word(12), translations = word(16);
    auto text = [&](std::size_t table, std::size_t i) {
        const std::size_t length = word(table + 8 * i), offset = word(table + 8 * i + 4);
        return offset + length <= data.size() ? data.substr(offset, length) : std::string();
    };
    for (std::size_t i = 0; i < count; ++i)
        messages[text(originals, i)] = text(translations, i);
    return messages;
}

std::set<std::string> catalogueTexts()
{
    std::set<std::string> texts;
    for (const BlockMenuGroup& group : blockMenus()) {
        texts.insert(group.caption);
        for (const BlockMenuEntry& entry : group.entries)
            texts.insert(entry.caption);
    }
    for (const int type : knownTypes()) {
        for (const std::string& caption : menuCaptions(type))
            texts.insert(caption);
        texts.insert(typeHint(type));
        for (const Para_descriptor& parameter : typeParameters(type, 2, 2)) {
            texts.insert(parameter.prompt);
            texts.insert(parameter.hint);
        }
    }
    texts.erase("");
    return texts;
}

TEST(Translate, EveryCatalogueTextHasEnglishAndDutch)
{
    const std::set<std::string> texts = catalogueTexts();
    ASSERT_GT(texts.size(), 400u);
    for (const std::string language : {"en", "nl"}) {
        const auto messages = readCatalogue(LocaleDir / language / "LC_MESSAGES" / "default.mo");
        ASSERT_FALSE(messages.empty()) << language;
        std::vector<std::string> missing;
        for (const std::string& text : texts) {
            const auto found = messages.find(text);
            if (found == messages.end() || found->second.empty())
                missing.push_back(text);
        }
        EXPECT_TRUE(missing.empty()) << language << ": " << missing.size() << " texts without translation, first \""
                                     << missing.front() << "\"; run scripts/update-translations.sh and translate";
    }
    // German is the key: its catalogue holds the header and nothing else.
    const auto german = readCatalogue(LocaleDir / "de" / "LC_MESSAGES" / "default.mo");
    ASSERT_EQ(german.size(), 1u);
    EXPECT_NE(german.begin()->second.find("Language: de"), std::string::npos);
}

// The process environment decides the first language. Each case runs in a child
// process of its own, because the library reads the environment once.
struct EnvironmentCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> environment;  // variables to set; the rest are unset
    std::string initial;                                            // language shown at start
    std::string switchTo;
};

void expectShown(const std::string& language, const char* step, int& faults)
{
    const std::string shown = shownLanguage();
    if (shown != language) {
        std::fprintf(stderr, "%s: shown language %s, expected %s\n", step, shown.c_str(), language.c_str());
        ++faults;
    }
    for (const Expected& e : Samples) {
        const std::string text = tx(e.german);
        if (text != inLanguage(e, language)) {
            std::fprintf(stderr, "%s: \"%s\" gave \"%s\" (%s expected)\n", step, e.german.c_str(), text.c_str(),
                         language.c_str());
            ++faults;
            return;
        }
    }
}

[[noreturn]] void runEnvironmentCase(const EnvironmentCase& c)
{
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        unsetenv(name);
    for (const auto& [name, value] : c.environment)
        setenv(name, value, 1);
    int faults = 0;
    setTranslationDirectory(LocaleDir);
    expectShown(c.initial, "at start", faults);
    setLanguage(c.switchTo);
    expectShown(c.switchTo, "after switching", faults);
    setLanguage("");
    expectShown(c.initial, "back to the process locale", faults);
    if (currentLanguage() != "") {
        std::fprintf(stderr, "current language stays \"%s\"\n", currentLanguage().c_str());
        ++faults;
    }
    std::exit(faults);
}

TEST(Translate, ProcessLocaleDecidesUntilTheUserSwitches)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::vector<EnvironmentCase> cases = {
        // Plain C: gettext ignores LANGUAGE there, and the switch still has to work.
        {"C locale", {}, "de", "en"},
        {"C locale with LANGUAGE", {{"LC_ALL", "C"}, {"LANGUAGE", "nl"}}, "de", "nl"},
        {"C.UTF-8 with LANGUAGE", {{"LANG", "C.UTF-8"}, {"LANGUAGE", "nl"}}, "nl", "de"},
        // The locale named by LANG need not be installed for its language to count.
        {"English LANG", {{"LANG", "en_US.UTF-8"}}, "en", "nl"},
        {"Dutch LC_MESSAGES over LANG", {{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "nl_NL.UTF-8"}}, "nl", "de"},
        {"LANGUAGE before LANG", {{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "nl"}}, "nl", "en"},
        // No catalogue for the language: the texts stay German.
        {"French LANG", {{"LANG", "fr_FR.UTF-8"}}, "de", "en"},
    };
    for (const EnvironmentCase& c : cases)
        EXPECT_EXIT(runEnvironmentCase(c), testing::ExitedWithCode(0), "") << c.name;
}

}  // namespace
}  // namespace fup

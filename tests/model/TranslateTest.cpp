#include "model/Translate.h"

#include <gtest/gtest.h>

namespace fup {
namespace {

// The catalogues built from translations/*.po, in the layout the editor finds beside itself.
TEST(Translate, LooksUpTheGermanKeyInTheChosenLanguage)
{
    setTranslationDirectory(FUP_LOCALE_DIR);
    setLanguage("en");
    EXPECT_EQ(tx("noch nicht definiert"), "not yet defined");
    setLanguage("nl");
    EXPECT_EQ(tx("noch nicht definiert"), "nog niet gedefinieerd");
    setLanguage("de");
    EXPECT_EQ(tx("noch nicht definiert"), "noch nicht definiert");
    // A text without translation stays German, blanks included.
    setLanguage("en");
    EXPECT_EQ(tx("Anzahl Eingaenge ?"), "Anzahl Eingaenge ?");
    EXPECT_EQ(tx(""), "");
    setLanguage("");
}

}  // namespace
}  // namespace fup

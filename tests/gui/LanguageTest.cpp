#include "gui/MainWindow.h"
#include "gui/MessageWindow.h"
#include "model/Translate.h"

#include <QAction>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace fup::gui {
namespace {

// Every test starts and ends in German with the catalogues built beside the tests, so the
// other widget tests in this program keep seeing the German keys.
class LanguageSwitch : public testing::Test {
protected:
    void SetUp() override
    {
        setTranslationDirectory(FUP_LOCALE_DIR);
        setLanguage("de");
    }
    void TearDown() override
    {
        setTranslationDirectory(FUP_LOCALE_DIR);
        setLanguage("de");
    }

    static QAction* topMenu(MainWindow& window, const QString& caption)
    {
        for (QAction* action : window.menuBar()->actions())
            if (action->text() == caption)
                return action;
        return nullptr;
    }

    static QAction* languageItem(MainWindow& window, const char* name)
    {
        return window.findChild<QAction*>(name);
    }

    static std::string checkedLanguage(MainWindow& window)
    {
        std::string checked;
        for (const auto& [name, code] : {std::pair{"Deutsch1", "de"}, std::pair{"Englisch1", "en"},
                                         std::pair{"Dutch1", "nl"}})
            if (languageItem(window, name)->isChecked())
                checked += code;
        return checked;
    }

    // Caption and tooltip of every action of the window (menus included), as shown now.
    static std::map<QAction*, std::pair<QString, QString>> captions(MainWindow& window)
    {
        std::map<QAction*, std::pair<QString, QString>> texts;
        for (QAction* action : window.findChildren<QAction*>())
            texts[action] = {action->text(), action->toolTip()};
        return texts;
    }
};

TEST_F(LanguageSwitch, MenusFollowTheChosenLanguageAndReturnToGerman)
{
    MainWindow window;
    QAction* modes = topMenu(window, "Betriebsart");
    ASSERT_NE(modes, nullptr);
    QAction* adder = window.blockAction(13);
    ASSERT_NE(adder, nullptr);
    QAction* visualisation = topMenu(window, "Visualisierung      ");
    ASSERT_NE(visualisation, nullptr);
    auto* errorDock = window.findChild<QDockWidget*>("errorList");
    ASSERT_NE(errorDock, nullptr);
    EXPECT_EQ(checkedLanguage(window), "de");
    const auto german = captions(window);

    struct Shown {
        const char* item;
        std::string language;
        QString modes, adder, adderHint, visualisation, quit, errorList, messages, english;
    };
    for (const Shown& s : {
             Shown{"Englisch1", "en", "Operating mode", "Adder", "Adder limited to +/- 1", "Visualisation      ",
                   "Exit without saving (Quit)", "Error list", "Message window", "English"},
             Shown{"Dutch1", "nl", "Bedrijfsmodus", "Opteller", "Opteller met begrenzing op +/- 1",
                   "Visualisatie      ", "Afsluiten zonder opslaan (Quit)", "Foutenlijst", "Meldingenvenster",
                   "Engels"},
             Shown{"Deutsch1", "de", "Betriebsart", "Addierer", "Addierer mit Begrenzung auf +/- 1",
                   "Visualisierung      ", "Ende ohne Sicherung (Quit)", "Fehlerliste", "Meldungs-Fenster",
                   "Englisch"},
         }) {
        languageItem(window, s.item)->trigger();
        EXPECT_EQ(shownLanguage(), s.language);
        EXPECT_EQ(checkedLanguage(window), s.language);
        EXPECT_EQ(modes->text(), s.modes);
        EXPECT_EQ(adder->text(), s.adder);
        EXPECT_EQ(adder->toolTip(), s.adderHint);
        EXPECT_EQ(visualisation->text(), s.visualisation);
        EXPECT_EQ(window.action(Cmd::Quit)->text(), s.quit);
        EXPECT_EQ(errorDock->windowTitle(), s.errorList);
        EXPECT_EQ(window.messageWindow().windowTitle(), s.messages);
        EXPECT_EQ(languageItem(window, "Englisch1")->text(), s.english);

        // Not one caption or hint is left behind: each reads as its German key looks up now.
        int changed = 0;
        for (const auto& [action, text] : german) {
            const auto& [caption, hint] = text;
            EXPECT_EQ(action->text().toStdString(), tx(caption.toStdString()));
            // An action without a hint of its own shows its caption as tooltip, without
            // the dots of a caption that opens a dialog.
            if (hint != caption.trimmed() && hint != QString(caption).remove("...").trimmed()) {
                EXPECT_EQ(action->toolTip().toStdString(), tx(hint.toStdString()));
            }
            changed += action->text() != caption;
        }
        if (s.language == "de")
            EXPECT_EQ(changed, 0);
        else
            EXPECT_GT(changed, 150) << s.language;
    }
}

TEST_F(LanguageSwitch, WithoutCataloguesEverythingStaysGerman)
{
    MainWindow window;
    const auto german = captions(window);
    setTranslationDirectory(std::filesystem::path(FUP_LOCALE_DIR) / "missing");
    for (const char* item : {"Englisch1", "Dutch1"}) {
        languageItem(window, item)->trigger();
        EXPECT_EQ(captions(window), german) << item;
        // The texts are German, and the menu says so.
        EXPECT_EQ(checkedLanguage(window), "de") << item;
    }
}

TEST_F(LanguageSwitch, NewWindowStartsInTheLanguageInUse)
{
    setLanguage("nl");
    MainWindow window;
    EXPECT_EQ(checkedLanguage(window), "nl");
    EXPECT_NE(topMenu(window, "Bedrijfsmodus"), nullptr);
    EXPECT_EQ(window.blockAction(13)->text(), "Opteller");
}

}  // namespace
}  // namespace fup::gui

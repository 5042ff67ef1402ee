// The key help, the view flags of the main window, the application title and the window
// caption after start-up, loading and returning from a sub-process file.
#include "shell/Haupt.h"
#include "shell/KeyHelp.h"

#include "HauptFixture.h"
#include "ScratchDirectory.h"
#include "model/Translate.h"
#include "persistence/FileText.h"
#include "persistence/ProgramWriter.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fup {
namespace {

using test::HauptRun;

// German is the key; a test that switches the language switches back.
struct Language : ::testing::Test {
    Language()
    {
        setTranslationDirectory(FUP_LOCALE_DIR);
        setLanguage("de");
    }
    ~Language() override { setLanguage("de"); }
};

using KeyHelp = Language;

const std::vector<std::string> GermanKeyHelp = {
    "********** TastenBelegung ***********",
    "",
    "RechteMausTaste(in Fenster) = Hilfe Aus",
    "",
    "ESC = Select-Rahmen loeschen",
    "",
    "X = CUT   (Ausschneiden)",
    "C = COPY  (Kopieren    )",
    "V = PASTE (Einfuegen    )",
    "",
    "Z = UNDO ",
    "Y = REDO ",
    "S = SAVE -> UNDO",
    "",
    "F = Finde Baustein",
    "",
    "Pfeil links   = scroll links",
    "Pfeil rechts  = scroll rechts",
    "Pfeil oben    = scroll oben",
    "Pfeil unten   = scroll unten",
    "STRG+Pfeil li.= scroll links (BlattGroesse)",
    "STRG+Pfeil re.= scroll rechts(BlattGroesse)",
    "STRG+Pfeil ob.= scroll oben  (BlattGroesse)",
    "STRG+Pfeil un.= scroll unten (BlattGroesse)",
    "",
    "+ = ZOOM IN  (naeher ran )",
    "- = ZOOM OUT (weiter weg)",
    "Bild->oben  = SeitenEbene rauf",
    "Bild->unten = SeitenEbene runter",
    "Pos1 = Selektierte Objekte: Nummer +1",
    "Ende = Selektierte Objekte: Nummer -1",
    "--Kommentar an AusgangsSignalen(Linien):",
    "STRG+LinkeMausTaste = Kommentar neu",
    "ALT+LinkeMausTaste  = Kommentar ein/aus",
    "SHIFT+LinkeMausTaste = Signal/Linien-Verfolgung zu anderen Seiten",
    "F7 = Simulieren(SingleStep)",
};

TEST_F(KeyHelp, ReplacesTheMessagesWithTheKeyLines)
{
    HauptRun run;
    run.view.messages = {"an older message"};
    run.haupt.TastenBelegungClick();
    EXPECT_EQ(run.view.messages, GermanKeyHelp);
    EXPECT_EQ(run.view.messageWindowRaises, 1);
}

TEST_F(KeyHelp, AnEnglishRunTranslatesTheLinesAndKeepsTheEmptyOnes)
{
    setLanguage("en");
    const std::vector<std::string> english = keyHelpLines();
    ASSERT_EQ(english.size(), GermanKeyHelp.size());
    for (std::size_t i = 0; i < english.size(); ++i)
        EXPECT_EQ(english[i].empty(), GermanKeyHelp[i].empty()) << i;
    EXPECT_EQ(english[0], "********** Key assignment ***********");
    EXPECT_EQ(english[16], "Arrow left    = scroll left");
    EXPECT_EQ(english.back(), "F7 = Simulate (single step)");
}

TEST(ViewFlags, TogglesShowTheirCheckMarks)
{
    HauptRun run;
    Haupt& haupt = run.haupt;
    EXPECT_TRUE(haupt.blockHints());
    EXPECT_FALSE(haupt.sheetLabels());
    const MenuState start = haupt.menuState();
    EXPECT_TRUE(start[Cmd::BlockHints].checked);
    EXPECT_FALSE(start[Cmd::SheetLabels].checked);
    EXPECT_FALSE(start[Cmd::AlwaysInFront].checked);
    EXPECT_TRUE(start[Cmd::VisualisationMenu].visible);

    haupt.Hinweiseeinaus1Click();
    haupt.toggleVisualisationMenu();
    const int repaints = run.view.redisplays;
    haupt.PageNumbers1Click();
    EXPECT_GT(run.view.redisplays, repaints); // the labels appear at once
    EXPECT_FALSE(haupt.blockHints());
    EXPECT_TRUE(haupt.sheetLabels());
    const MenuState toggled = haupt.menuState();
    EXPECT_FALSE(toggled[Cmd::BlockHints].checked);
    EXPECT_TRUE(toggled[Cmd::SheetLabels].checked);
    EXPECT_FALSE(toggled[Cmd::VisualisationMenu].visible);

    haupt.Hinweiseeinaus1Click();
    haupt.toggleVisualisationMenu();
    EXPECT_TRUE(haupt.blockHints());
    EXPECT_TRUE(haupt.menuState()[Cmd::VisualisationMenu].visible);
}

TEST(ViewFlags, AlwaysInFrontActsOnEveryRepaintWhileSet)
{
    HauptRun run;
    run.haupt.sheetPainting();
    EXPECT_EQ(run.view.broughtToFront, 0);
    run.haupt.VordergrundClick();
    EXPECT_TRUE(run.haupt.menuState()[Cmd::AlwaysInFront].checked);
    run.haupt.sheetPainting();
    run.haupt.sheetPainting();
    EXPECT_EQ(run.view.broughtToFront, 2);
    run.haupt.VordergrundClick();
    run.haupt.sheetPainting();
    EXPECT_EQ(run.view.broughtToFront, 2);
}

using MacroCaption = test::HauptFixture;

TEST_F(MacroCaption, NamesTheOpenMacroAndThePageAfterReturning)
{
    TKiste* macro = haupt.createBlockFromMenu(187);
    ASSERT_NE(macro, nullptr);
    macro->param("nam")->value = "Regler";
    haupt.blockCommand(*macro, BlockCommand::OpenInside);
    EXPECT_NE(view.caption.find("       Makro(1):  Regler    Datei: "), std::string::npos) << view.caption;
    ASSERT_TRUE(haupt.PopZurueckMacro());
    EXPECT_NE(view.caption.find("       Seite 1 (von 1) :     Datei: "), std::string::npos) << view.caption;
}

// Program files with two pages, a named first page and a fixed save date.
struct Captions : ::testing::Test {
    Captions()
    {
        std::filesystem::remove_all(directory);
        std::filesystem::create_directories(directory);
        writeProgramFile("pumpe");
        writeProgramFile("kessel");
    }
    ~Captions() override { std::filesystem::remove_all(directory); }

    void writeProgramFile(const std::string& name)
    {
        Document doc;
        doc.sheet(1).name = "Zulauf";
        doc.appendSheet("Ablauf");
        doc.createBlock(13, 2, 1, 1, 10, 10, false);
        ProgramSettings settings;
        settings.saveDate = "01.02.2026  10:00:00";
        const std::filesystem::path file = directory / (name + ".KR2");
        std::ofstream(file, std::ios::binary) << encodeFileText(writeProgram(doc, settings, file.string()));
    }
    std::string longCaption(const std::string& name, const std::string& page) const
    {
        return "EDIT:  " + name + "    " + (directory / "").string() + name + "       Seite " + page +
               "    Datei: 01.02.2026  10:00:00    Compiled: ";
    }

    std::filesystem::path directory = test::scratchDirectory("fup-captions");
    test::RecordingView view;
    test::ScriptedDialogs dialogs;
    platform::ManualTimerService timers;
    Haupt haupt{view, dialogs, timers};
};

TEST_F(Captions, StartUpShowsTheLongCaptionAndTheProcessInTheTitle)
{
    haupt.startUp({(directory / "pumpe.KR2").string()}, directory, true);
    EXPECT_EQ(view.titles, (std::vector<std::string>{"KORM: ", "KORM: pumpe"}));
    EXPECT_EQ(view.caption, longCaption("pumpe", "1 (von 2) : Zulauf"));

    // A page change the commands did not announce is completed by the next repaint.
    haupt.document().setCurrentSheet(2);
    haupt.sheetPainting();
    EXPECT_EQ(view.caption, longCaption("pumpe", "2 (von 2) : Ablauf"));
}

TEST_F(Captions, StartUpWithoutAProgramDirectoryKeepsTheBareTitle)
{
    haupt.startUp({"", "", (directory / "gibt-es-nicht").string()}, directory, true);
    EXPECT_EQ(view.titles, std::vector<std::string>{"KORM: "});
    EXPECT_EQ(
        view.caption,
        "EDIT:  Unbenannt       Seite 1 (von 1) :     Datei: ohne Savedatum    Compiled: ohne Compiledatum");
}

TEST_F(Captions, LoadingAndSubProcessFilesRetitleTheWindow)
{
    haupt.startUp({(directory / "pumpe.KR2").string()}, directory, true);
    haupt.NURLESEN1Click();
    dialogs.yesNoCancel = {platform::Answer::No};
    dialogs.openFiles = {directory / "kessel.KR2"};
    haupt.ProgrammLadenClick();
    EXPECT_EQ(view.titles.back(), "KORM: kessel");
    EXPECT_EQ(view.caption, longCaption("kessel", "1 (von 2) : Zulauf"));

    // Into a sub-process file that does not exist yet, and back.
    TKiste* sub = haupt.document().createBlock(180, 2, 1, 1, 30, 10, false);
    sub->param("nam")->value = "TEIL";
    dialogs.yesNo = {true};
    ASSERT_TRUE(haupt.edit().openSubProcess(*sub));
    EXPECT_EQ(view.titles.back(), "KORM: TEIL");
    EXPECT_EQ(view.caption,
              "EDIT:  TEIL    " + (directory / "").string() +
                  "TEIL       Seite 1 (von 1) :     Datei: ohne Savedatum    Compiled: ohne Compiledatum");

    haupt.document().setCurrentSheet(1);
    ASSERT_TRUE(haupt.edit().Zurueck_SubProc(false));
    EXPECT_EQ(view.titles.back(), "KORM: kessel");
    EXPECT_EQ(view.caption, longCaption("kessel", "1 (von 2) : Zulauf"));
}

} // namespace
} // namespace fup

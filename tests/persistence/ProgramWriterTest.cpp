#include "persistence/ProgramWriter.h"
#include "persistence/FileText.h"

#include "model/Document.h"

#include <gtest/gtest.h>

#include <clocale>

namespace fup {
namespace {

TEST(ProgramWriter, ExactTextOfASmallDiagram)
{
    Document doc;
    doc.renameSheet(1, "Haupt");
    doc.appendSheet("\u00DCbersicht");
    doc.setCurrentSheet(2);
    doc.setScroll(30, 40);

    TKiste* cons = doc.createBlock(12, 0, 1, 1, 10, 20, false);
    cons->params[0].value = "0.5";
    cons->params[0].eeprom = true;
    TKiste* out = doc.createBlock(11, 1, 0, 1, 30, 20, false);
    out->flipped = true;
    out->passive = true;
    TKiste* macro = doc.createBlock(187, 0, 0, 2, 5, 6, false);
    macro->childPage = doc.allocateInstanceNumber();
    macro->viewX = 7;
    macro->viewY = 8;
    macro->params[0].value = "PUMPE, \"neu\"";
    TKante* mpin = doc.addPin(*macro, ek::InputPin, "a", vt::Digital, 1, false, false);
    mpin->varType = var::Own;
    mpin->constValue = -5;
    mpin->displayType = dt::Value;
    doc.renumber();

    TKante* o = cons->pinNamed("o");
    ASSERT_NE(o, nullptr);
    TKante* i = out->pinNamed("i");
    ASSERT_NE(i, nullptr);
    o->varType = var::Own;
    o->varText = "Sollwert";
    o->signalComment = "Soll";
    o->displayFlag = true;
    TKante* point = doc.createPoint(25, 21, 1, vt::Fixed);
    point->commentFlag = true;
    ASSERT_TRUE(linkNeighbours(*o, *point));
    ASSERT_TRUE(linkNeighbours(*point, *i));
    i->inverse = true;

    ProgramSettings s;
    s.projectName = "Anlage";
    s.author = "M\u00FCller";
    s.processVersion = "1.2";
    s.saveDate = "01.02.2024  03:04:05";
    s.compileDate = "";
    s.cycleTimeMs = 12.5;
    s.dataDirectory = "/daten/";
    s.optimisationLevel = 2;
    s.target = 9;
    s.comPort = "COM3";
    s.useTempVars = true;
    s.comment = "zwei\nZeilen";
    s.scrollRangeX = 5650;
    s.scrollRangeY = 3800;
    doc.createText(4, 5, 1, true, true).text = "Hinweis";

    const std::string text = writeProgram(doc, s, "/prog/ANLAGE.KR2");
    const std::string expected = R"((VERSION 21 )
(SPSFILE "/prog/ANLAGE.KR2"
  (PROJEKTINFO
    (PROJEKTNAME    "Anlage")
    (BEARBEITER     "Müller")
    (PROJEKTVERSION "1.2")
    (SAVEDATUM      "01.02.2024  03:04:05")
    (COMPILEDATUM   "")
    (ZYKLUSZEIT     "12.5")
    (DATENDIR       "/daten/")
    (OPTIMIERT      "2")
    (TARGET         "9")
    (COMPORT        "COM3")
    (TEMPVARINFO    1 "DxT" "AxT")
    (KOMMENTAR      "zwei
Zeilen")
  )
  (VIEWINFO
    (PAGE  2 )
    (ZOOM  10 )
    (SCROL 30 40 5650 3800 )
  )
  (SEITEN
    (SEITE "Haupt" )
    (SEITE "Übersicht" )
  )
  (TEXTE
    (TEXT 4 5 1 3 "Hinweis" )
  )
  (KISTEN
    (KISTE 1 "CONS 1"
      (TYP 12 1 1)
      (FLIP 0)
      (POS 10 20 1)
      (PARAMETER 55 K K "0.5" 1 1)
    )
    (KISTE 2 "AOut4 2"
      (TYP 11 1 1)
      (FLIP 3)
      (POS 30 20 1)
    )
    (KISTE 3 "MACRO 3"
      (TYP 187 0 0)
      (FLIP 0)
      (KINDERSEITE 200 7 8)
      (LOCK  "")
      (POS 5 6 2)
      (PARAMETER 58 nam Name "PUMPE,  neu " 1 0)
    )
  )
  (KANTEN
    (KANTE 1 0 0
      (MUTTER 1)
      (PIN "" "" 0 0 )
      (NACHBAR )
    )
    (KANTE 2 0 1
      (MUTTER 1)
      (PIN "o" "Soll" 1 0 "Sollwert" )
      (NACHBAR 6 )
    )
    (KANTE 3 0 0
      (MUTTER 2)
      (INVERSE)
      (PIN "i" "" 0 0 )
      (NACHBAR 6 )
    )
    (KANTE 4 0 0
      (MUTTER 2)
      (PIN "" "" 0 0 )
      (NACHBAR )
    )
    (KANTE 5 0 0
      (MUTTER 3)
      (TYP 2 1 2 0)
      (PIN "a" "" 1 3 "-5" )
      (NACHBAR )
    )
    (KANTE 6 1 0
      (POS 25 21 1)
      (NACHBAR 2 3 )
    )
  )
)
)";
    EXPECT_EQ(text, expected);
}

TEST(ProgramWriter, WordsThatWouldBreakTheFileArePlaceholders)
{
    Document doc;
    TKiste* cons = doc.createBlock(12, 0, 1, 1, 1, 1, false);
    cons->params[0].prompt = "zwei Worte";
    TKiste* cons2 = doc.createBlock(12, 0, 1, 1, 1, 1, false);
    cons2->params[0].prompt = "";
    TKiste* cons3 = doc.createBlock(12, 0, 1, 1, 1, 1, false);
    cons3->params[0].prompt = "Kiste"; // a keyword
    TKiste* cons4 = doc.createBlock(12, 0, 1, 1, 1, 1, false);
    cons4->params[0].prompt = "(x)";
    const std::string text = writeProgram(doc, {}, "f");
    std::size_t at = 0;
    int placeholders = 0;
    while ((at = text.find("(PARAMETER 55 K _ ", at)) != std::string::npos) {
        ++placeholders;
        ++at;
    }
    EXPECT_EQ(placeholders, 4);
}

TEST(ProgramWriter, NumbersIgnoreTheLocaleAndSizeHasNoLimit)
{
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    std::setlocale(LC_ALL, "de_DE.UTF-8");

    Document doc;
    for (int k = 0; k < 3000; ++k) {
        TKiste* b = doc.createBlock(13, 2, 1, 1, k % 500, k / 500, false);
        b->params[0].value = std::string(100, 'v');
    }
    ProgramSettings s;
    s.cycleTimeMs = 2.5;
    const std::string text = writeProgram(doc, s, "big");
    std::setlocale(LC_ALL, saved.c_str());

    EXPECT_GT(text.size(), 500000u);
    EXPECT_NE(text.find("(ZYKLUSZEIT     \"2.5\")"), std::string::npos);
    EXPECT_NE(text.find("(KISTE 3000 \"ADGR3000\""), std::string::npos);
    const std::string bytes = encodeFileText(text);
    EXPECT_EQ(bytes.size(),
              text.size() + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
}

TEST(ProgramWriter, SaveDateFormat)
{
    EXPECT_EQ(formatSaveDate(2024, 3, 7, 9, 5, 0), "07.03.2024  09:05:00");
}

} // namespace
} // namespace fup

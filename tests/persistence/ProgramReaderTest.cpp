#include "persistence/ProgramReader.h"
#include "persistence/FileText.h"
#include "persistence/ProgramFile.h"
#include "persistence/ProgramWriter.h"

#include "persistence/SampleDiagram.h"
#include "shell/RecordingReporter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace fup {
namespace {

namespace fs = std::filesystem;
using test::RecordingReporter;

const fs::path Fixture = fs::path(FUP_TEST_DATA) / "persistence" / "ANLAGE.KR2";

std::string fixtureText()
{
    std::ifstream in(Fixture, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return decodeFileText(bytes);
}

std::string replaced(std::string text, std::string_view from, std::string_view to)
{
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

// Empty when equal, else the first line that differs in each, with its number.
std::string firstDifference(const std::string& a, const std::string& b)
{
    std::size_t line = 1;
    std::size_t start = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        if (i >= a.size() || i >= b.size() || a[i] != b[i]) {
            auto lineOf = [start](const std::string& s) {
                if (start >= s.size())
                    return std::string("<end>");
                return s.substr(start, s.find('\n', start) - start);
            };
            return "line " + std::to_string(line) + ":\n  " + lineOf(a) + "\n  " + lineOf(b);
        }
        if (a[i] == '\n') {
            ++line;
            start = i + 1;
        }
    }
    return {};
}

std::vector<std::string> withPrefix(const std::vector<std::string>& lines, std::string_view prefix)
{
    std::vector<std::string> out;
    for (const std::string& l : lines)
        if (l.starts_with(prefix))
            out.push_back(l);
    return out;
}

class Reader : public ::testing::Test {
  protected:
    ReadResult read(std::string_view text)
    {
        reporter.lines.clear();
        return readProgram(doc, settings, text);
    }
    std::vector<std::string> errors() const { return withPrefix(reporter.lines, "E:"); }
    std::vector<std::string> warnings() const { return withPrefix(reporter.lines, "W:"); }
    std::vector<std::string> boxes() const { return withPrefix(reporter.lines, "BOX:"); }
    TKiste* block(int number) const { return doc.findBlock(number); }

    RecordingReporter reporter;
    Document doc{&reporter};
    ProgramSettings settings;
};

// A comment text as the tests compare it.
struct TextState {
    int x;
    int y;
    int sheet;
    bool large;
    bool coloured;
    std::string text;
    bool operator==(const TextState&) const = default;
};

std::vector<TextState> textStates(const Document& doc)
{
    std::vector<TextState> states;
    for (const auto& t : doc.texts())
        states.push_back({t->x, t->y, t->sheet, t->large, t->coloured, t->text});
    return states;
}

TEST_F(Reader, FixtureFileLoadsWithEverythingInPlace)
{
    const OpenResult r = openProgram(doc, settings, Fixture);
    ASSERT_EQ(r.status, OpenStatus::Loaded) << ::testing::PrintToString(reporter.lines);
    EXPECT_EQ(r.read.fileVersion, 21);
    EXPECT_EQ(r.read.fileName, "/prog/ANLAGE.KR2");
    EXPECT_TRUE(errors().empty());
    EXPECT_TRUE(warnings().empty());
    EXPECT_TRUE(boxes().empty());
    EXPECT_NE(std::find(reporter.lines.begin(), reporter.lines.end(), "LOG:File-Version= 21"),
              reporter.lines.end());

    EXPECT_EQ(settings.projectName, "Kl\u00E4ranlage");
    EXPECT_EQ(settings.author, "B\u00E4r");
    EXPECT_EQ(settings.saveDate, "05.06.2023  07:08:09");
    EXPECT_EQ(settings.cycleTimeMs, 50.0);
    EXPECT_EQ(settings.optimisationLevel, 1);
    EXPECT_EQ(settings.target, 2);
    EXPECT_EQ(settings.comPort, "COM4");
    EXPECT_TRUE(settings.useTempVars);
    EXPECT_EQ(settings.digitalTempName, "DX");
    EXPECT_EQ(settings.comment, "Becken 1");
    EXPECT_EQ(settings.scrollRangeX, 5650);

    ASSERT_EQ(doc.sheetCount(), 2);
    EXPECT_EQ(doc.sheet(1).name, "\u00DCbersicht");
    EXPECT_EQ(doc.currentSheet(), 2);
    EXPECT_EQ(textStates(doc), (std::vector<TextState>{{4, 5, 1, false, true, "Zulauf"}}));
    EXPECT_FALSE(doc.texts()[0]->selected);

    ASSERT_EQ(doc.blocks().size(), 2u);
    TKiste* cons = block(1);
    TKiste* adder = block(2);
    EXPECT_EQ(cons->name, "CONS 1");
    EXPECT_EQ(cons->params[0].value, "0.5");
    EXPECT_TRUE(adder->flipped);
    EXPECT_FALSE(adder->passive);
    EXPECT_EQ(adder->inputPin(1)->x, adder->widthGrid()); // flipped: inputs on the right

    TKante* o = cons->pinNamed("o");
    EXPECT_EQ(o->varType, var::Own);
    EXPECT_EQ(o->varText, "Sollwert");
    EXPECT_EQ(o->signalComment, "Soll");
    EXPECT_TRUE(o->displayFlag);
    ASSERT_EQ(o->neighbourCount, 1);
    TKante* point = o->neighbours[0];
    EXPECT_TRUE(point->isPoint());
    EXPECT_TRUE(point->commentFlag);
    EXPECT_EQ(point->valueType, vt::Fixed);
    EXPECT_EQ(point->source, o);
    EXPECT_EQ(point->parent, o);
    TKante* plus1 = adder->pinNamed("+1");
    EXPECT_EQ(point->neighbours[1], plus1);
    EXPECT_EQ(plus1->source, o);
    EXPECT_EQ(plus1->parent, point);
    TKante* plus2 = adder->pinNamed("+2");
    EXPECT_EQ(plus2->varType, var::Own);
    EXPECT_EQ(plus2->constValue, 1073741824);
}

TEST_F(Reader, FilesWithBareLineFeedsReadTheSame)
{
    std::ifstream in(Fixture, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    bytes.erase(std::remove(bytes.begin(), bytes.end(), '\r'), bytes.end());
    ASSERT_TRUE(read(decodeFileText(bytes)).ok);
    const std::string fromLf = writeProgram(doc, settings, "x");
    ASSERT_TRUE(read(fixtureText()).ok);
    EXPECT_EQ(firstDifference(writeProgram(doc, settings, "x"), fromLf), "");
}

TEST_F(Reader, SampleDiagramRoundTripIsByteIdentical)
{
    Document original;
    test::buildSampleDiagram(original);
    const ProgramSettings s = test::sampleSettings();
    test::addSampleTexts(original);
    const std::string first = writeProgram(original, s, "/prog/KLAER.KR2");

    // Through the file encoding and back, as a save and a load would do it.
    ASSERT_TRUE(read(decodeFileText(encodeFileText(first))).ok) << ::testing::PrintToString(reporter.lines);
    EXPECT_TRUE(errors().empty()) << ::testing::PrintToString(reporter.lines);
    EXPECT_TRUE(warnings().empty()) << ::testing::PrintToString(reporter.lines);
    EXPECT_EQ(textStates(doc), textStates(original));
    EXPECT_EQ(firstDifference(writeProgram(doc, settings, "/prog/KLAER.KR2"), first), "");

    // The structure behind the text.
    EXPECT_EQ(doc.blocks().size(), original.blocks().size());
    EXPECT_EQ(doc.kanten().size(), original.kanten().size());
    EXPECT_EQ(doc.instanceCounter(), 202);
    EXPECT_EQ(settings.target, 3);
    EXPECT_EQ(settings.cycleTimeMs, 20.0);
    EXPECT_EQ(settings.comment, s.comment);
    EXPECT_EQ(doc.zoom(), 12);
    EXPECT_EQ(doc.scrollX(), 24);
    const TKiste* adder = doc.findBlock(2);
    ASSERT_EQ(adder->type, 13);
    EXPECT_EQ(adder->n, 4);
    const TKiste* limit = doc.findBlock(3);
    EXPECT_TRUE(limit->flipped);
    EXPECT_TRUE(doc.findBlock(4)->passive);
    EXPECT_EQ(doc.findBlock(6)->params[0].value, "Kurve 1, \u00C4nderung; neu");
    // The adder output drives a branch: both ends take it as their source.
    const TKante* a = adder->outputPin(1);
    EXPECT_EQ(limit->inputPin(1)->source, a);
    EXPECT_EQ(doc.findBlock(4)->inputPin(1)->source, a);
    // Through the macro's input pin into the port inside.
    const TKiste* macro = doc.findBlock(7);
    ASSERT_EQ(macro->type, 187);
    EXPECT_EQ(macro->childPage, 200);
    EXPECT_EQ(macro->lock.size(), 32u);
    EXPECT_EQ(macro->heightRows, 2);
    const TKante* hidden = macro->pins[1];
    EXPECT_TRUE(hidden->hidden);
    EXPECT_EQ(hidden->ordinal(), -1);
    EXPECT_EQ(hidden->source, doc.findBlock(9)->portFacingPin());
    const TKiste* st = doc.findBlock(12);
    ASSERT_EQ(st->type, 81);
    EXPECT_TRUE(st->inputPin(2)->constCapable);
    EXPECT_FALSE(st->inputPin(1)->constCapable);
    EXPECT_EQ(st->inputPin(2)->constValue, 42);
    EXPECT_EQ(doc.findBlock(13)->type, 82);
    EXPECT_EQ(doc.findBlock(14)->type, 82);
}

TEST_F(Reader, EveryCatalogueTypeRoundTrips)
{
    Document original;
    int column = 0;
    for (const int type : knownTypes()) {
        const int n = creationInputCount(type, std::nullopt);
        const int m = creationOutputCount(type, std::nullopt);
        original.createBlock(type, n, m, 1, 2 + 10 * (column % 50), 2 + 10 * (column / 50), false);
        ++column;
    }
    original.renumber();
    ProgramSettings s;
    s.target = 0;
    s.cycleTimeMs = 100;
    const std::string first = writeProgram(original, s, "alle");
    ASSERT_TRUE(read(first).ok) << ::testing::PrintToString(reporter.lines);
    EXPECT_TRUE(errors().empty()) << ::testing::PrintToString(errors());
    EXPECT_TRUE(warnings().empty()) << ::testing::PrintToString(warnings());
    EXPECT_EQ(firstDifference(writeProgram(doc, settings, "alle"), first), "");
}

// --- faults that end the read --------------------------------------------------------

struct Fault {
    const char* what;
    const char* from;
    const char* to;
    std::vector<std::string> errors;
};

class ReaderFault : public Reader, public ::testing::WithParamInterface<Fault> {};

TEST_P(ReaderFault, ReportsAndLeavesAnEmptyDocumentAndTheSettings)
{
    const Fault& f = GetParam();
    settings.projectName = "vorher";
    settings.target = 7;
    const ReadResult r = read(replaced(fixtureText(), f.from, f.to));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(errors(), f.errors) << ::testing::PrintToString(reporter.lines);
    EXPECT_EQ(withPrefix(reporter.lines, "LOG:Lesefehler in Zeile ").size(), 1u);
    EXPECT_TRUE(doc.blocks().empty());
    EXPECT_TRUE(doc.kanten().empty());
    EXPECT_EQ(doc.sheetCount(), 1);
    EXPECT_EQ(doc.sheet(1).name, "");
    EXPECT_EQ(doc.currentSheet(), 1);
    EXPECT_EQ(settings.projectName, "vorher");
    EXPECT_EQ(settings.target, 7);
}

const std::string Kisten = "E:Fehlerhafte SPS_Datei(kisten)";
const std::string Kanten = "E:Fehlerhafte SPS-Datei(kanten)";

INSTANTIATE_TEST_SUITE_P(
    Messages, ReaderFault,
    ::testing::Values(
        Fault{"bad version", "(VERSION 21 )", "(VERSION xx )", {"E:Fehlerhafte SPS_Datei(no FileVersion)"}},
        Fault{"no SPSFILE", "(SPSFILE", "(SPSDATEI", {"E:SPSFILE erwartet"}},
        Fault{"no file name", "\"/prog/ANLAGE.KR2\"", "ANLAGE", {"E:kein DateiName"}},
        Fault{"no project", "(PROJEKTINFO", "(PROJEKT", {"E:PROJEKTINFO erwartet"}},
        Fault{"author not a text",
              "\"B\u00E4r\"",
              "Baer",
              {"E:kein Bearbeiter", "E:Fehlerhafte SPS_Datei(ProjektInfo)"}},
        Fault{"no cycle time",
              "(ZYKLUSZEIT",
              "(ZYKLUS",
              {"E:ZYKLUSZEIT erwartet", "E:Fehlerhafte SPS_Datei(ProjektInfo)"}},
        Fault{"temp flag",
              "(TEMPVARINFO    1",
              "(TEMPVARINFO    ja",
              {"E:useTempVars", "E:Fehlerhafte SPS_Datei(ProjektInfo)"}},
        Fault{"no view", "(VIEWINFO", "(VIEW", {"E:ViewInfo erwartet", "E:Fehlerhafte SPS_Datei(ViewInfo)"}},
        Fault{"zoom", "(ZOOM  10 )", "(ZOOM  zehn )", {"E:zoomFaktor", "E:Fehlerhafte SPS_Datei(ViewInfo)"}},
        Fault{"scroll", "5650 3800 )", "5650 )", {"E:vertScrolRange", "E:Fehlerhafte SPS_Datei(ViewInfo)"}},
        Fault{"sheet name",
              "(SEITE \"Pumpen\" )",
              "(SEITE Pumpen )",
              {"E:kein SeitenName", "E:Fehlerhafte SPS_Datei(SeitenInfo)"}},
        Fault{"sheet close",
              "(SEITE \"Pumpen\" )",
              "(SEITE \"Pumpen\" \"x\" )",
              {"E:kein )nach SeitenText", "E:Fehlerhafte SPS_Datei(SeitenInfo)"}},
        Fault{"text style",
              "(TEXT 4 5 1 2 ",
              "(TEXT 4 5 1 gross ",
              {"E:ungültige Textgröße", "E:Fehlerhafte SPS_Datei(texten)"}},
        Fault{"text missing",
              "(TEXT 4 5 1 2 \"Zulauf\" )",
              "(TEXT 4 5 1 )",
              {"E:kein Text", "E:Fehlerhafte SPS_Datei(texten)"}},
        Fault{
            "text keyword", "(TEXT 4 5", "(TXT 4 5", {"E:TEXT erwartet", "E:Fehlerhafte SPS_Datei(texten)"}},
        Fault{"no blocks", "(KISTEN", "(KASTEN", {"E:KISTEN erwartet"}},
        Fault{"block keyword", "(KISTE 1", "(KASTE 1", {"E:KISTE erwartet", Kisten}},
        Fault{"input count", "(TYP 13 2 1)", "(TYP 13 zwei 1)", {"E:inPinAnzahl", Kisten}},
        Fault{"absurd input count", "(TYP 13 2 1)", "(TYP 13 2000000000 1)", {"E:inPinAnzahl", Kisten}},
        Fault{"no FLIP", "(FLIP 1)", "(FLOP 1)", {"E:FLIP erwartet", Kisten}},
        Fault{"no POS", "(POS 10 20 1)", "(PUS 10 20 1)", {"E:kein KistenPos", Kisten}},
        Fault{"POS not closed", "(POS 10 20 1)", "(POS 10 20 1 4)", {"E:KlammerZu erwartet", Kisten}},
        Fault{"position", "(POS 10 20 1)", "(POS 10 20 eins)", {"E:Z-Pos", Kisten}},
        Fault{"parameter value", "\"0.5\" 1 0)", "0.5 1 0)", {"E:kein ParameterWert:CONS 1", Kisten}},
        Fault{"parameter name keyword", "56 ina Anzahl", "56 TYP Anzahl", {"E:keine ParKennung", Kisten}},
        Fault{"parameter show flag", "\"0.5\" 1 0)", "\"0.5\" 2 0)", {"E:Sichtbar", Kisten}},
        Fault{"parameter record", "(PARAMETER 55", "(PARAM 55", {"E:Parameter erwartet", Kisten}},
        Fault{"after parameters", "\"2\" 0 0)\n    )", "\"2\" 0 0)\n    x)", {"E:kein )nachPar.", Kisten}},
        Fault{"no wires", "(KANTEN", "(KANTE", {"E:KANTEN erwartet"}},
        Fault{"neither", "(POS 25 21 1)", "(PIN 25 21 1)", {"E:weder POS noch MUTTER", Kanten}},
        Fault{"five neighbours", "(NACHBAR 2 5 )", "(NACHBAR 2 5 6 4 1 )", {"E:zu viele Nachbarn", Kanten}},
        Fault{"neighbour word", "(NACHBAR 2 5 )", "(NACHBAR 2 f\u00FCnf )", {"E:nachbar<>integer", Kanten}},
        Fault{"neighbour close", "(NACHBAR 2 5 )", "(NACHBAR 2 5 \"x\")", {"E:kein N.ParClose", Kanten}},
        Fault{"point neighbours",
              "(POS 25 21 1)\n      (NACHBAR",
              "(POS 25 21 1)\n      (NACHBARN",
              {"E:NACHBAR erwartet", Kanten}},
        Fault{"display type", "(PIN \"+2\" \"\" 1 0", "(PIN \"+2\" \"\" 1 9", {"E:DisplayTyp", Kanten}},
        Fault{"variable type", "(PIN \"+2\" \"\" 1 0", "(PIN \"+2\" \"\" 3 0", {"E:ExternVarTyp", Kanten}},
        Fault{"pin name", "(PIN \"+1\"", "(PIN +1", {"E:kein PinName", Kanten}},
        Fault{
            "pin close", "\"1073741824\" )", "\"1073741824\" \"x\" )", {"E:pin KlammerZu erwartet", Kanten}},
        Fault{"pin without close",
              "(PIN \"+1\" \"\" 0 0 )",
              "(PIN \"+1\" \"\" 0 0 x)",
              {"E:Klammer zu erwartet", Kanten}},
        Fault{"no PIN",
              "(MUTTER 2)\n      (PIN \"o\"",
              "(MUTTER 2)\n      (PON \"o\"",
              {"E:PIN erwartet", Kanten}},
        Fault{"layout kind",
              "(MUTTER 2)\n      (PIN \"o\"",
              "(MUTTER 2)\n      (TYP 1 1 1 0)\n      (PIN \"o\"",
              {"E:ioTyp", Kanten}},
        Fault{"layout value type",
              "(MUTTER 2)\n      (PIN \"o\"",
              "(MUTTER 2)\n      (TYP 0 1 7 0)\n      (PIN \"o\"",
              {"E:werte-Typ", Kanten}},
        Fault{"layout pin of a missing block",
              "(MUTTER 2)\n      (PIN \"o\"",
              "(MUTTER 9)\n      (TYP 0 1 1 0)\n      (PIN \"o\"",
              {"E:KistenNr 9 nicht gefunden", Kanten}},
        Fault{
            "record end", "(NACHBAR 2 5 )\n    )", "(NACHBAR 2 5 )\n    x", {"E:kein )nachNachbar.", Kanten}},
        Fault{"wire list end",
              "(NACHBAR )\n    )\n  )\n)",
              "(NACHBAR )\n    )\n",
              {"E:kantenEnde ohne )", Kanten}},
        Fault{"inside without macro",
              "(PAGE  2 )",
              "(PAGE  200 )",
              {"E:..Mutter-Makro(openSPS) nicht gefunden"}}));

TEST_F(Reader, EmptyAndGarbageInputFailCleanly)
{
    for (const char* text : {"", "   ", "(", ")", "(VERSION", "(VERSION 21 ) (SPSFILE", "\"", "((((((("}) {
        EXPECT_FALSE(read(text).ok) << text;
        EXPECT_FALSE(errors().empty()) << text;
        EXPECT_TRUE(doc.blocks().empty());
    }
}

// --- what the reader tolerates ---------------------------------------------------------

TEST_F(Reader, FileWithoutVersionTurnsConstantsIntoReferences)
{
    const std::string text = replaced(fixtureText(), "(VERSION 21 )\n", "");
    const ReadResult r = read(text);
    ASSERT_TRUE(r.ok) << ::testing::PrintToString(reporter.lines);
    EXPECT_EQ(r.fileVersion, 0);
    EXPECT_EQ(withPrefix(reporter.lines, "LOG:File-Version= "),
              std::vector<std::string>{"LOG:File-Version= 0"});
    const TKante* plus2 = block(2)->pinNamed("+2");
    EXPECT_EQ(plus2->varType, var::Reference);
    EXPECT_EQ(plus2->varText, "1073741824");
    EXPECT_EQ(plus2->constValue, 0);
    // An output keeps its own variable.
    EXPECT_EQ(block(1)->pinNamed("o")->varType, var::Own);
}

TEST_F(Reader, MissingPinIsReportedAndTheRestLoads)
{
    const ReadResult r = read(replaced(fixtureText(), "(PIN \"+1\"", "(PIN \"+9\""));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(errors(), std::vector<std::string>{"E:Kante: 2  Pin: +9 nicht gefunden"});
    EXPECT_EQ(withPrefix(reporter.lines, "LOG:Nachbar"),
              std::vector<std::string>{"LOG:Nachbar 5 nicht gefunden"});
    EXPECT_EQ(doc.blocks().size(), 2u);
    const TKante* o = block(1)->pinNamed("o");
    ASSERT_EQ(o->neighbourCount, 1);
    EXPECT_EQ(o->neighbours[0]->neighbourCount, 1); // the point lost only its link to "+1"
    EXPECT_EQ(block(2)->pinNamed("+1")->neighbourCount, 0);
    EXPECT_EQ(block(2)->pinNamed("+2")->constValue, 1073741824);
}

TEST_F(Reader, PinRecordOfAMissingBlockIsReportedAndLeftOut)
{
    const ReadResult r =
        read(replaced(fixtureText(), "(MUTTER 2)\n      (PIN \"+2\"", "(MUTTER 5)\n      (PIN \"+2\""));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(errors(), std::vector<std::string>{"E:KistenNr 5 nicht gefunden"});
    EXPECT_EQ(block(2)->pinNamed("+2")->varType, var::None);
}

TEST_F(Reader, ProjectSectionDefaultsAndBoxes)
{
    struct Case {
        const char* what;
        const char* from;
        const char* to;
        std::vector<std::string> boxes;
        int target;
        double cycle;
        int level;
    };
    const Case cases[] = {
        {"as stored", "", "", {}, 2, 50, 1},
        {"no target",
         "    (TARGET         \"2\")\n",
         "",
         {"BOX:Datei ohne Ziel-System ..default=TQ801"},
         0,
         50,
         1},
        {"target not a number",
         "(TARGET         \"2\")",
         "(TARGET         \"TQ\")",
         {"BOX:ungueltiges Ziel-System in Datei ..default=TQ801"},
         0,
         50,
         1},
        {"target out of the table",
         "(TARGET         \"2\")",
         "(TARGET         \"11\")",
         {"BOX:ungueltiges Ziel-System in Datei ..default=TQ801"},
         0,
         50,
         1},
        {"no target yet", "(TARGET         \"2\")", "(TARGET         \"-1\")", {}, -1, 50, 1},
        {"empty cycle time", "(ZYKLUSZEIT     \"50\")", "(ZYKLUSZEIT     \"\")", {}, 2, 100, 1},
        {"bad cycle time",
         "(ZYKLUSZEIT     \"50\")",
         "(ZYKLUSZEIT     \"50ms\")",
         {"BOX:ungueltige Zykluszeit in Datei ..default=100"},
         2,
         100,
         1},
        {"zero cycle time", "(ZYKLUSZEIT     \"50\")", "(ZYKLUSZEIT     \"0\")", {}, 2, 0, 1},
        {"negative cycle time",
         "(ZYKLUSZEIT     \"50\")",
         "(ZYKLUSZEIT     \"-5\")",
         {"BOX:ungueltige Zykluszeit in Datei ..default=100"},
         2,
         100,
         1},
        {"decimal cycle time", "(ZYKLUSZEIT     \"50\")", "(ZYKLUSZEIT     \"12.5\")", {}, 2, 12.5, 1},
        {"bad level",
         "(OPTIMIERT      \"1\")",
         "(OPTIMIERT      \"ja\")",
         {"BOX:ungueltiger CompileMode in Datei ..default=optimieren"},
         2,
         50,
         0},
        {"no comment", "    (KOMMENTAR      \"Becken 1\")\n", "", {"BOX:Kommentar erwartet"}, 2, 50, 1},
        {"no optional entries",
         "    (TARGET         \"2\")\n    (COMPORT        \"COM4\")\n    (TEMPVARINFO    1 \"DX\" \"AX\")\n",
         "",
         {"BOX:Datei ohne Ziel-System ..default=TQ801"},
         0,
         50,
         1},
    };
    for (const Case& c : cases) {
        settings = ProgramSettings{};
        const std::string text = *c.from ? replaced(fixtureText(), c.from, c.to) : fixtureText();
        ASSERT_TRUE(read(text).ok) << c.what << ::testing::PrintToString(reporter.lines);
        EXPECT_EQ(boxes(), c.boxes) << c.what;
        EXPECT_EQ(settings.target, c.target) << c.what;
        EXPECT_EQ(settings.cycleTimeMs, c.cycle) << c.what;
        EXPECT_EQ(settings.optimisationLevel, c.level) << c.what;
    }
}

TEST_F(Reader, CommandLineValuesWin)
{
    settings.target = 5;
    settings.cycleTimeMs = 10;
    settings.projectName = "Kommandozeile";
    settings.projectNameFixed = true;
    ASSERT_TRUE(read(replaced(fixtureText(), "    (TARGET         \"2\")\n", "")).ok);
    EXPECT_EQ(boxes(), std::vector<std::string>{"BOX:Datei ohne Ziel-System ..default=TQ801"});
    EXPECT_EQ(settings.target, 5);
    EXPECT_EQ(settings.cycleTimeMs, 10.0);
    EXPECT_EQ(settings.projectName, "Kommandozeile");
    EXPECT_EQ(settings.author, "B\u00E4r");
}

TEST_F(Reader, DataDirectoryFromTheFileOnlyWhenItBelongsToTheProgramDirectory)
{
    const fs::path base = fs::temp_directory_path() / ("fup_datadir_" + std::to_string(::getpid()));
    fs::create_directories(base / "daten");
    const std::string stored = (base / "daten").string();
    const std::string text =
        replaced(replaced(fixtureText(), "(DATENDIR       \"\")", "(DATENDIR       \"" + stored + "\")"),
                 "\"/prog/ANLAGE.KR2\"", "\"/prog/ANLAGE.KR2\"");
    struct Case {
        const char* what;
        std::string programDirectory;
        std::string current;
        bool ide;
        std::string expected;
        std::size_t boxes;
    };
    const Case cases[] = {
        {"same program directory", "/prog/", "", false, stored + "/", 1},
        {"same, spelled otherwise", "\\PROG", "", false, stored + "/", 1},
        {"same and already in use", "/prog/", stored + "/", false, stored + "/", 0},
        {"file moved elsewhere", "/anders/", "/alt/", false, "/anders/", 0},
        {"command line decides", "/anders/", "/ide/", true, "/ide/", 0},
    };
    for (const Case& c : cases) {
        settings = ProgramSettings{};
        settings.programDirectory = c.programDirectory;
        settings.dataDirectory = c.current;
        settings.ideDriven = c.ide;
        ASSERT_TRUE(read(text).ok) << c.what;
        EXPECT_EQ(settings.dataDirectory.string(), c.expected) << c.what;
        EXPECT_EQ(boxes().size(), c.boxes) << c.what;
    }
    // A stored directory that does not exist falls back to the program directory.
    settings = ProgramSettings{};
    settings.programDirectory = "/prog/";
    ASSERT_TRUE(read(replaced(text, stored, stored + "_weg")).ok);
    EXPECT_EQ(settings.dataDirectory.string(), "/prog/");
    fs::remove_all(base);
}

TEST_F(Reader, ParameterNameMismatchAndBadConstantAreWarnings)
{
    std::string text = replaced(fixtureText(), "(PARAMETER 55 K K \"0.5\"", "(PARAMETER 55 KX Wert \"0.7\"");
    text = replaced(text, "\"1073741824\"", "\"0.5\"");
    ASSERT_TRUE(read(text).ok);
    EXPECT_EQ(warnings(), (std::vector<std::string>{"W:unerwartete ParameterKennung :Wert: KX",
                                                    "W:TypWandlung:pinVarName->wert.i"}));
    EXPECT_EQ(block(1)->params[0].name, "K");
    EXPECT_EQ(block(1)->params[0].value, "0.7");
    EXPECT_EQ(block(2)->pinNamed("+2")->constValue, 0);
}

TEST_F(Reader, OldTextRecordsAndUnknownNeighbours)
{
    std::string text = replaced(fixtureText(), "(TEXT 4 5 1 2 \"Zulauf\" )", "(TEXT 4 5 1 \"Zulauf\" )");
    text = replaced(text, "(NACHBAR 3 )", "(NACHBAR 3 77 )");
    ASSERT_TRUE(read(text).ok);
    EXPECT_EQ(textStates(doc), (std::vector<TextState>{{4, 5, 1, false, false, "Zulauf"}}));
    EXPECT_EQ(withPrefix(reporter.lines, "LOG:Nachbar"),
              std::vector<std::string>{"LOG:Nachbar 77 nicht gefunden"});
    EXPECT_EQ(block(1)->pinNamed("o")->neighbourCount, 1);
}

TEST_F(Reader, TextStyleBitsGiveLargeAndColouredAndWriteBackAsTheyWere)
{
    struct Case {
        const char* record;
        bool large;
        bool coloured;
        const char* written;
    };
    for (const Case& c : {Case{"(TEXT 4 5 1 0 \"a\" )", false, false, "(TEXT 4 5 1 0 \"a\" )"},
                          Case{"(TEXT 4 5 1 1 \"a\" )", true, false, "(TEXT 4 5 1 1 \"a\" )"},
                          Case{"(TEXT 4 5 1 2 \"a\" )", false, true, "(TEXT 4 5 1 2 \"a\" )"},
                          Case{"(TEXT 4 5 1 3 \"a\" )", true, true, "(TEXT 4 5 1 3 \"a\" )"},
                          Case{"(TEXT 4 5 1 \"a\" )", false, false, "(TEXT 4 5 1 0 \"a\" )"},
                          Case{"(TEXT -3 5 201 1 \"a\" )", true, false, "(TEXT -3 5 201 1 \"a\" )"}}) {
        ASSERT_TRUE(read(replaced(fixtureText(), "(TEXT 4 5 1 2 \"Zulauf\" )", c.record)).ok) << c.record;
        ASSERT_EQ(doc.texts().size(), 1u);
        const TTexte& t = *doc.texts()[0];
        EXPECT_EQ(t.large, c.large) << c.record;
        EXPECT_EQ(t.coloured, c.coloured) << c.record;
        EXPECT_NE(writeProgram(doc, settings, "x").find(c.written), std::string::npos) << c.record;
    }
    // A failed read takes its texts with it.
    EXPECT_FALSE(read(replaced(fixtureText(), "(KANTEN", "(KANTE")).ok);
    EXPECT_TRUE(doc.texts().empty());
}

TEST_F(Reader, OneSidedLinkIsCompleted)
{
    // The point lists the adder's "+2"; "+2" does not list the point.
    ASSERT_TRUE(read(replaced(fixtureText(), "(NACHBAR 2 5 )", "(NACHBAR 2 5 6 )")).ok);
    const TKante* plus2 = block(2)->pinNamed("+2");
    ASSERT_EQ(plus2->neighbourCount, 1);
    EXPECT_TRUE(plus2->neighbours[0]->hasNeighbour(plus2));
}

TEST_F(Reader, UnknownBlockTypeLoadsAndSavesUnchanged)
{
    const std::string unknown = "    (KISTE 3 \"none 3\"\n"
                                "      (TYP 999 3 2)\n"
                                "      (FLIP 2)\n"
                                "      (POS 50 20 1)\n"
                                "      (PARAMETER 58 xy Preis \"1, 2\" 1 0)\n"
                                "      (PARAMETER 56 z Z \"3\" 0 1)\n"
                                "    )\n";
    std::string text = replaced(fixtureText(), "  )\n  (KANTEN", unknown + "  )\n  (KANTEN");
    text = replaced(text, "  )\n)",
                    "    (KANTE 7 0 0\n      (MUTTER 3)\n      (PIN \"i\" \"\" 0 0 )\n    )\n  )\n)");
    ASSERT_TRUE(read(text).ok);
    EXPECT_EQ(errors(), std::vector<std::string>{"E:Kante: 3  Pin: i nicht gefunden"});
    const TKiste* b = block(3);
    EXPECT_EQ(b->label, "none");
    EXPECT_TRUE(b->pins.empty());
    const std::string written = writeProgram(doc, settings, "x");
    EXPECT_NE(written.find(unknown), std::string::npos) << written;
}

TEST_F(Reader, LayoutPinOnAnOrdinaryBlockSurvivesARoundTrip)
{
    // A damaged file gives the adder a pin with layout that its catalogue entry lacks.
    const std::string text = replaced(fixtureText(), "  )\n)",
                                      "    (KANTE 7 0 0\n      (MUTTER 2)\n      (TYP 2 3 1 0)\n"
                                      "      (PIN \"z\" \"\" 2 0 \"Extra\" )\n    )\n  )\n)");
    ASSERT_TRUE(read(text).ok);
    EXPECT_EQ(boxes(),
              std::vector<std::string>{"BOX:Fehlerhaftes Makro: makroPin fuer anderen Baustein: ADGR2"});
    ASSERT_NE(block(2)->pinNamed("z"), nullptr);
    const std::string first = writeProgram(doc, settings, "x");
    EXPECT_NE(first.find("(TYP 2 3 1 0)\n      (PIN \"z\" \"\" 2 0 \"Extra\" )"), std::string::npos);
    ASSERT_TRUE(read(first).ok);
    EXPECT_EQ(firstDifference(writeProgram(doc, settings, "x"), first), "");
}

TEST_F(Reader, LimitPinOfOldFilesIsNowSym)
{
    const std::string limitBlock = "    (KISTE 3 \"Limit 3\"\n      (TYP 42 2 1)\n      (FLIP 0)\n"
                                   "      (POS 50 20 1)\n    )\n";
    std::string text = replaced(fixtureText(), "  )\n  (KANTEN", limitBlock + "  )\n  (KANTEN");
    text = replaced(
        text, "  )\n)",
        "    (KANTE 7 0 0\n      (MUTTER 3)\n      (PIN \"lim\" \"\" 2 0 \"Grenze\" )\n    )\n  )\n)");
    ASSERT_TRUE(read(text).ok) << ::testing::PrintToString(reporter.lines);
    EXPECT_TRUE(errors().empty());
    const TKante* sym = block(3)->pinNamed("sym");
    ASSERT_NE(sym, nullptr);
    EXPECT_EQ(sym->varText, "Grenze");
}

TEST_F(Reader, UnequalClonesBecomePlainStructuredText)
{
    Document original;
    for (const char* program : {"x := 1;", "x := 1;", "x := 2;"}) {
        TKiste* clone = original.createBlock(82, 0, 0, 1, 5, 5, false);
        clone->params[0].value = "Gleich";
        clone->params[7].value = program;
    }
    original.renumber();
    ASSERT_TRUE(read(writeProgram(original, {}, "x")).ok);
    EXPECT_EQ(warnings(),
              std::vector<std::string>{"W:Ungleiche Klone gleichen Namens. Nach St-Text umgewandelt!"});
    EXPECT_EQ(block(1)->type, 82);
    EXPECT_EQ(block(2)->type, 82);
    EXPECT_EQ(block(3)->type, 81);
    EXPECT_EQ(block(3)->label, "St-Text");
    EXPECT_EQ(block(3)->colour, colour::Yellow);
}

TEST_F(Reader, CurrentSheetInsideAMacroSetsMotherAndDepth)
{
    Document original;
    TKiste* outer = original.createBlock(187, 0, 0, 1, 5, 5, false);
    outer->childPage = original.allocateInstanceNumber();
    TKiste* inner = original.createBlock(187, 0, 0, outer->childPage, 5, 5, false);
    inner->childPage = original.allocateInstanceNumber();
    original.createBlock(92, 2, 1, inner->childPage, 5, 5, false);
    original.setCurrentSheet(inner->childPage);
    original.renumber();
    ASSERT_TRUE(read(writeProgram(original, {}, "x")).ok);
    EXPECT_EQ(doc.currentSheet(), 201);
    EXPECT_EQ(doc.mother(), block(2));
    EXPECT_EQ(doc.nestingDepth(), 2);
    EXPECT_EQ(doc.instanceCounter(), 202);
}

TEST_F(Reader, PageThatNamesNoSheetShowsTheFirst)
{
    ASSERT_TRUE(read(replaced(fixtureText(), "(PAGE  2 )", "(PAGE  7 )")).ok);
    EXPECT_EQ(doc.currentSheet(), 1);
}

// --- opening and saving files -----------------------------------------------------------

class ProgramFiles : public Reader {
  protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("fup_programfile_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

TEST_F(ProgramFiles, OpenMissingUnreadableAndBroken)
{
    test::buildSampleDiagram(doc);
    EXPECT_EQ(openProgram(doc, settings, dir / "NEU.KR2").status, OpenStatus::Missing);
    EXPECT_FALSE(doc.blocks().empty()); // nothing was done

    fs::create_directories(dir / "ORDNER.KR2");
    EXPECT_EQ(openProgram(doc, settings, dir / "ORDNER.KR2").status, OpenStatus::Failed);
    EXPECT_EQ(errors(), std::vector<std::string>{"E:Create:" + (dir / "ORDNER.KR2").string()});
    EXPECT_TRUE(doc.blocks().empty());

    std::ofstream(dir / "KAPUTT.KR2") << "(VERSION 21 )\r\n(SPSFILE";
    test::buildSampleDiagram(doc);
    reporter.lines.clear();
    EXPECT_EQ(openProgram(doc, settings, dir / "KAPUTT.KR2").status, OpenStatus::Failed);
    EXPECT_EQ(errors(), std::vector<std::string>{"E:kein DateiName"});
    EXPECT_TRUE(doc.blocks().empty());
}

TEST_F(ProgramFiles, SaveWritesWindowsBytesAndTheSaveDate)
{
    test::buildSampleDiagram(doc);
    settings = test::sampleSettings();
    const fs::path file = dir / "KLAER.KR2";
    ASSERT_TRUE(saveProgram(doc, settings, file, SaveOptions{false, false, "09.10.2024  11:12:13"}));
    EXPECT_EQ(settings.saveDate, "09.10.2024  11:12:13");

    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(bytes.substr(0, 15), "(VERSION 21 )\r\n");
    EXPECT_NE(bytes.find("(SEITE \"\xDC"
                         "bersicht\" )\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("(SAVEDATUM      \"09.10.2024  11:12:13\")\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);
    EXPECT_EQ(bytes.find("\xC3"), std::string::npos); // no UTF-8 in the file

    Document reread(&reporter);
    ProgramSettings again;
    ASSERT_EQ(openProgram(reread, again, file).status, OpenStatus::Loaded);
    EXPECT_EQ(firstDifference(writeProgram(reread, again, file.string()),
                              writeProgram(doc, settings, file.string())),
              "");
}

TEST_F(ProgramFiles, ReadOnlyBatchAndFailedSaves)
{
    test::buildSampleDiagram(doc);
    settings.saveDate = "alt";
    const fs::path file = dir / "P.KR2";

    EXPECT_FALSE(saveProgram(doc, settings, file, SaveOptions{true, false, "neu"}));
    EXPECT_EQ(boxes(), std::vector<std::string>{"BOX:read only !"});
    EXPECT_FALSE(fs::exists(file));

    // Batch mode saves even when read-only and keeps the save date.
    ASSERT_TRUE(saveProgram(doc, settings, file, SaveOptions{true, true, "neu"}));
    EXPECT_EQ(settings.saveDate, "alt");

    // A save that fails keeps the old date and reports the file.
    reporter.lines.clear();
    EXPECT_FALSE(saveProgram(doc, settings, dir / "fehlt" / "P.KR2", SaveOptions{false, false, "neu"}));
    EXPECT_EQ(settings.saveDate, "alt");
    ASSERT_EQ(errors().size(), 1u);
    EXPECT_NE(errors()[0].find("fehlt"), std::string::npos);
}

} // namespace
} // namespace fup

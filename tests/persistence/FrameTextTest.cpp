#include "persistence/FrameText.h"
#include "ScratchDirectory.h"
#include "persistence/FrameFiles.h"

#include "model/Translate.h"
#include "persistence/FileText.h"
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

std::vector<std::string> withPrefix(const std::vector<std::string>& lines, std::string_view prefix)
{
    std::vector<std::string> out;
    for (const std::string& l : lines)
        if (l.starts_with(prefix))
            out.push_back(l);
    return out;
}

// The lines of a text that start (after their indent) with the given words.
std::vector<std::string> linesWith(const std::string& text, std::string_view start)
{
    std::vector<std::string> out;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto end = text.find('\n', at);
        const std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
        const auto first = line.find_first_not_of(' ');
        if (first != std::string::npos && line.compare(first, start.size(), start) == 0)
            out.push_back(line.substr(first));
        if (end == std::string::npos)
            break;
        at = end + 1;
    }
    return out;
}

// The whole document as the program writer has it: two equal texts mean nothing changed.
std::string snapshot(Document& doc)
{
    return writeProgram(doc, {}, "snapshot");
}

// Sheet 1 of a small program: a constant wired through a point into an adder, whose output
// runs on through a second point to a block far to the right; a text beside the constant.
struct SmallSheet {
    TKiste* cons = nullptr;
    TKiste* adder = nullptr;
    TKiste* far = nullptr;
    TKante* p1 = nullptr;
    TKante* p2 = nullptr;

    explicit SmallSheet(Document& doc)
    {
        cons = doc.createBlock(12, 0, 1, 1, 12, 14, false);
        cons->params[0].value = "0.5";
        adder = doc.createBlock(13, 2, 1, 1, 22, 14, false);
        far = doc.createBlock(11, 1, 0, 1, 60, 14, false);
        p1 = doc.createPoint(18, 15, 1, vt::Fixed);
        doc.connect(*cons->outputPin(1), *p1);
        doc.connect(*p1, *adder->inputPin(1));
        p2 = doc.createPoint(30, 15, 1, vt::Fixed);
        doc.connect(*adder->outputPin(1), *p2);
        doc.connect(*p2, *far->inputPin(1));
        cons->outputPin(1)->signalComment = "Soll";
        p1->commentFlag = true;
        p2->commentFlag = true; // its source (the adder output) is framed too
        adder->inputPin(2)->varType = var::Own;
        adder->inputPin(2)->constValue = 7;
        TTexte& text = doc.createText(13, 12, 1, true, false);
        text.text = "Zulauf";
        doc.createText(50, 12, 1, false, false).text = "draussen";
        doc.renumber();
    }
};

struct Frames : ::testing::Test {
    RecordingReporter reporter;
    Document doc{&reporter};

    void frame(const FrameRect& r)
    {
        doc.selectInRect(r.left, r.top, r.right, r.bottom);
        selectTextsInRect(doc, r.left, r.top, r.right, r.bottom);
    }
    std::vector<std::string> errors() const { return withPrefix(reporter.lines, "E:"); }
};

TEST_F(Frames, SelectionIsWrittenRelativeToTheFrameAndCutAtItsEdge)
{
    SmallSheet sheet(doc);
    frame({10, 10, 40, 30});
    const std::string text = writeFrame(doc, FrameRect{10, 10, 40, 30});
    EXPECT_EQ(text, R"((VERSION 21 )
(BREITE 30)
(HOEHE 20)
  (TEXTE
    (TEXT 3 2 0 2 "Zulauf" )
  )
  (KISTEN
    (KISTE 1 "CONS 1"
      (TYP 12 1 1)
      (FLIP 0)
      (POS 2 4 0)
      (PARAMETER 55 K K "0.5" 1 0)
    )
    (KISTE 2 "ADGR 2"
      (TYP 13 2 1)
      (FLIP 0)
      (POS 12 4 0)
      (PARAMETER 56 ina anz_eing. "2" 0 0)
    )
  )
  (KANTEN
    (KANTE 1 0 0
      (MUTTER 1)
      (PIN "" "" 0 0 )
    )
    (KANTE 2 0 0
      (MUTTER 1)
      (PIN "o" "Soll" 0 0 )
      (NACHBAR 6 )
    )
    (KANTE 3 0 0
      (MUTTER 2)
      (PIN "o" "" 0 0 )
      (NACHBAR 7 )
    )
    (KANTE 4 0 0
      (MUTTER 2)
      (PIN "+1" "" 0 0 )
      (NACHBAR 6 )
    )
    (KANTE 5 0 0
      (MUTTER 2)
      (PIN "+2" "" 1 0 "7" )
    )
    (KANTE 6 1 0
      (POS 8 5 0)
      (NACHBAR 2 4 )
    )
    (KANTE 7 1 0
      (POS 20 5 0)
      (NACHBAR 3 )
    )
  )
)");
    // The wire to the block outside ends at the point inside the frame; nothing that lies
    // outside is written, and the far block's input keeps its wire.
    EXPECT_EQ(sheet.far->inputPin(1)->neighbourCount, 1);
}

TEST_F(Frames, PointsAndCommentFlagsAtTheEdgeOfTheFrame)
{
    SmallSheet sheet(doc);
    // The second point and the far block, without the adder: the point keeps its link to
    // the far block only, and its comment flag is dropped with the net's source.
    frame({25, 10, 70, 30});
    std::string text = writeFrame(doc, FrameRect{25, 10, 70, 30});
    EXPECT_EQ(linesWith(text, "(KANTE "),
              (std::vector<std::string>{"(KANTE 1 0 0", "(KANTE 2 0 0", "(KANTE 3 0 0"}));
    EXPECT_EQ(linesWith(text, "(NACHBAR"), (std::vector<std::string>{"(NACHBAR 3 )", "(NACHBAR 1 )"}));
    EXPECT_EQ(linesWith(text, "(POS"), (std::vector<std::string>{"(POS 35 4 0)", "(POS 5 5 0)"}));
    deselectAll(doc);

    // A point alone in the frame, its neighbours outside: not written at all.
    frame({16, 10, 20, 30});
    EXPECT_TRUE(sheet.p1->selected);
    text = writeFrame(doc, FrameRect{16, 10, 20, 30});
    EXPECT_TRUE(linesWith(text, "(KANTE ").empty()) << text;
}

TEST_F(Frames, AutomatPortsAreConnectedOnlyInsideAWrittenAutomat)
{
    TKiste* automat = doc.createBlock(188, 0, 0, 1, 12, 12, false);
    automat->childPage = doc.allocateInstanceNumber();
    TKiste* port = doc.createBlock(191, 0, 1, automat->childPage, 4, 4, false);
    port->connected = true;
    doc.createText(6, 6, automat->childPage, false, false).text = "innen";
    doc.renumber();

    frame({10, 10, 20, 20});
    std::string text = writeFrame(doc, FrameRect{10, 10, 20, 20});
    EXPECT_EQ(linesWith(text, "(VERBUNDEN"), std::vector<std::string>{"(VERBUNDEN 1)"});
    EXPECT_EQ(linesWith(text, "(TEXT "), std::vector<std::string>{"(TEXT 6 6 200 0 \"innen\" )"});
    EXPECT_EQ(linesWith(text, "(POS 4 4"), std::vector<std::string>{"(POS 4 4 200)"});
    // Everything off the shown sheet leaves the selection again.
    EXPECT_FALSE(port->selected);
    EXPECT_FALSE(doc.texts()[0]->selected);
    EXPECT_TRUE(automat->selected);
    deselectAll(doc);

    // The port framed on the automat's inside: taken out of its automat.
    doc.setCurrentSheet(automat->childPage);
    frame({0, 0, 10, 10});
    text = writeFrame(doc, FrameRect{0, 0, 10, 10});
    EXPECT_EQ(linesWith(text, "(VERBUNDEN"), std::vector<std::string>{"(VERBUNDEN 0)"});
    EXPECT_EQ(linesWith(text, "(POS"), std::vector<std::string>{"(POS 4 4 0)"});
    EXPECT_TRUE(port->connected);
}

TEST_F(Frames, FrameIsCentredOnTheMouse)
{
    // A frame of 10 x 6 with a block 2/4 from its corner and a text at its corner.
    const std::string text = "(VERSION 21 )\n(BREITE 10)\n(HOEHE 6)\n"
                             "  (TEXTE\n    (TEXT 0 0 0 3 \"t\" )\n  )\n"
                             "  (KISTEN\n    (KISTE 1 \"CONS 1\"\n      (TYP 12 1 1)\n      (FLIP 0)\n"
                             "      (POS 2 4 0)\n    )\n  )\n  (KANTEN\n  )\n";
    doc.setScroll(100, 40);
    // Mouse at 200/150 less half the frame (50/30) is 150/120 in the view, grid 25/16.
    const FrameReadResult read = insertFrame(doc, text, FramePlacement::atMouse({200, 150}));
    ASSERT_TRUE(read.ok) << ::testing::PrintToString(reporter.lines);
    ASSERT_TRUE(read.rect);
    EXPECT_EQ(*read.rect, (FrameRect{25, 16, 35, 22}));
    ASSERT_EQ(doc.blocks().size(), 1u);
    const TKiste* block = doc.blocks()[0];
    EXPECT_EQ((std::pair{block->x, block->y}), (std::pair{27, 20}));
    EXPECT_EQ(block->sheet, doc.currentSheet());
    // Inserted objects stay selected as a placed frame the user moves.
    EXPECT_TRUE(block->selected);
    EXPECT_EQ(block->colour, colour::InactiveCaption);
    ASSERT_EQ(doc.texts().size(), 1u);
    const TTexte& t = *doc.texts()[0];
    EXPECT_EQ((std::pair{t.x, t.y}), (std::pair{25, 16}));
    EXPECT_TRUE(t.selected && t.large && t.coloured);
}

// Sheet 2 of the sample diagram (a macro with its inside, an automat with a connected
// port, structured text) with its texts, block order as the editor keeps it.
void sampleWithTexts(Document& doc)
{
    test::buildSampleDiagram(doc);
    test::addSampleTexts(doc);
    doc.restoreInsideFirstOrder();
    doc.setCurrentSheet(2);
}

TEST_F(Frames, WriteReadWriteGivesTheSameText)
{
    sampleWithTexts(doc);
    const FrameRect all{0, 0, SheetWidth, SheetHeight};
    frame(all);
    // Block names carry the numbers of the document they were written from; from a
    // document that holds the frame only, every further copy is the same text.
    RecordingReporter quiet;
    Document first(&quiet);
    ASSERT_TRUE(insertFrame(first, writeFrame(doc, all), FramePlacement::atOrigin({0, 0})).ok);
    const std::string written = writeFrame(first, all);

    Document copy(&quiet);
    const FrameReadResult read = insertFrame(copy, written, FramePlacement::atOrigin({0, 0}));
    ASSERT_TRUE(read.ok) << ::testing::PrintToString(quiet.lines);
    EXPECT_TRUE(withPrefix(quiet.lines, "E:").empty()) << ::testing::PrintToString(quiet.lines);
    EXPECT_EQ(*read.rect, all);
    EXPECT_EQ(writeFrame(copy, read.rect), written);
    EXPECT_EQ(copy.instanceCounter(), 202);

    // The inside came along: the macro's port pin still meets the macro.
    const auto macro = std::find_if(copy.blocks().begin(), copy.blocks().end(),
                                    [](const TKiste* b) { return b->type == 187; });
    ASSERT_NE(macro, copy.blocks().end());
    EXPECT_EQ((*macro)->sheet, 1);
    EXPECT_EQ((*macro)->lock, "0123456789abcdef0123456789abcdef");
    const TKante* in = (*macro)->pinNamed("e");
    ASSERT_NE(in, nullptr);
    ASSERT_EQ(in->neighbourCount, 1);
    EXPECT_EQ(in->neighbours[0]->sheet, (*macro)->childPage);
}

TEST_F(Frames, InsertedInsidesGetFreshInstanceNumbersDepthFirst)
{
    // The frame: macro A (inside 200) holding macro B (inside 201) with a block and a text,
    // and automat C (inside 202) beside A.
    std::string clipboard;
    {
        Document source;
        TKiste* a = source.createBlock(187, 0, 0, 1, 10, 10, false);
        a->childPage = source.allocateInstanceNumber();
        TKiste* b = source.createBlock(187, 0, 0, a->childPage, 5, 5, false);
        b->childPage = source.allocateInstanceNumber();
        source.createBlock(92, 2, 1, b->childPage, 3, 3, false);
        source.createText(1, 1, b->childPage, false, false).text = "tief";
        TKiste* c = source.createBlock(188, 0, 0, 1, 30, 10, false);
        c->childPage = source.allocateInstanceNumber();
        source.createBlock(189, 0, 1, c->childPage, 3, 3, false);
        source.restoreInsideFirstOrder();
        source.selectInRect(0, 0, 50, 50);
        clipboard = clipboardText(source, {0, 0, 50, 50});
    }
    // The document has insides 200..202 of its own.
    for (int k = 0; k < 3; ++k) {
        TKiste* own = doc.createBlock(187, 0, 0, 1, 100 + 10 * k, 100, false);
        own->childPage = doc.allocateInstanceNumber();
        doc.createBlock(12, 0, 1, own->childPage, 1, 1, false);
    }
    doc.createText(2, 2, 201, false, false).text = "eigen";
    doc.restoreInsideFirstOrder();
    ASSERT_EQ(doc.instanceCounter(), 203);

    const PasteResult pasted = pasteClipboardText(doc, clipboard, {100, 100});
    ASSERT_EQ(pasted.outcome, PasteOutcome::Pasted) << ::testing::PrintToString(reporter.lines);
    EXPECT_EQ(doc.instanceCounter(), 206);

    std::vector<std::string> found;
    for (const TKiste* b : doc.blocks())
        found.push_back(std::to_string(b->type) + "@" + std::to_string(b->sheet) +
                        (isMacroOrAutomat(b->type) ? ">" + std::to_string(b->childPage) : "") +
                        (b->selected ? "*" : ""));
    // Insides first, each directly before its macro; the top level selected.
    EXPECT_EQ(found,
              (std::vector<std::string>{"12@200", "187@1>200", "12@201", "187@1>201", "12@202", "187@1>202",
                                        "92@204", "187@203>204", "187@1>203*", "189@205", "188@1>205*"}));
    for (const TKiste* b : doc.blocks())
        for (const TKante* p : b->pins)
            EXPECT_EQ(p->sheet, b->sheet) << b->name;
    std::vector<std::string> texts;
    for (const auto& t : doc.texts())
        texts.push_back(t->text + "@" + std::to_string(t->sheet) + (t->selected ? "*" : ""));
    EXPECT_EQ(texts, (std::vector<std::string>{"eigen@201", "tief@204"}));
    EXPECT_EQ(pasted.rect->width(), 50);
}

TEST_F(Frames, ObjectsOnAnInsideWithoutItsMacroAreDropped)
{
    TKiste* own = doc.createBlock(187, 0, 0, 1, 10, 10, false);
    own->childPage = doc.allocateInstanceNumber();
    doc.renumber();
    const std::string before = snapshot(doc);
    // A foreign text: a block and a text on inside 200, whose macro it does not hold.
    const std::string text = "(BREITE 5)(HOEHE 5)(TEXTE (TEXT 1 1 200 0 \"x\" ))"
                             "(KISTEN (KISTE 1 \"x\" (TYP 92 2 1) (FLIP 0) (POS 1 1 200)))(KANTEN)";
    const PasteResult pasted = pasteClipboardText(doc, text, {50, 50});
    EXPECT_EQ(pasted.outcome, PasteOutcome::Pasted);
    EXPECT_EQ(snapshot(doc), before);
    EXPECT_EQ(withPrefix(reporter.lines, "LOG:Rahmen"),
              std::vector<std::string>{"LOG:Rahmen: 2 Objekte ohne Makro verworfen"});
}

TEST_F(Frames, PinsWithoutRecordsFollowTheirBlock)
{
    // A hand-made text that lists no pins at all: the blocks' own pins go where they go.
    const std::string text = "(BREITE 5)(HOEHE 5)(KISTEN"
                             "(KISTE 1 \"i\" (TYP 92 2 1) (FLIP 0) (POS 1 1 207))"
                             "(KISTE 2 \"m\" (TYP 187 0 0) (FLIP 0) (KINDERSEITE 207 0 0) (POS 1 1 0))"
                             "(KISTE 3 \"o\" (TYP 92 2 1) (FLIP 0) (POS 3 1 0)))(KANTEN)";
    ASSERT_EQ(pasteClipboardText(doc, text, {50, 50}).outcome, PasteOutcome::Pasted);
    ASSERT_EQ(doc.blocks().size(), 3u);
    for (const TKiste* b : doc.blocks()) {
        EXPECT_EQ(b->pins.empty(), b->type == 187) << b->name;
        for (const TKante* p : b->pins) {
            EXPECT_EQ(p->sheet, b->sheet) << b->name;
            EXPECT_EQ(p->selected, b->selected) << b->name;
        }
    }
    EXPECT_EQ(doc.blocks()[0]->sheet, 200);
    EXPECT_TRUE(doc.blocks()[2]->selected);
}

struct FrameFault {
    const char* what;
    const char* from; // replaced in the valid frame text
    const char* to;
    std::vector<std::string> errors;
};

class FrameFaults : public Frames, public ::testing::WithParamInterface<FrameFault> {};

// A valid clipboard text of the small sheet, everything framed.
std::string validFrame()
{
    Document source;
    SmallSheet sheet(source);
    source.selectInRect(0, 0, 100, 100);
    selectTextsInRect(source, 0, 0, 100, 100);
    return writeFrame(source, FrameRect{0, 0, 100, 100});
}

TEST_P(FrameFaults, AreReportedAndTakenBack)
{
    const FrameFault& f = GetParam();
    SmallSheet sheet(doc);
    const std::string before = snapshot(doc);
    std::string text = validFrame();
    const auto at = text.find(f.from);
    ASSERT_NE(at, std::string::npos) << f.from;
    text.replace(at, std::string_view(f.from).size(), f.to);

    const FrameReadResult read = insertFrame(doc, text, FramePlacement::atMouse({300, 200}));
    EXPECT_FALSE(read.ok);
    EXPECT_FALSE(read.rect);
    EXPECT_EQ(withPrefix(reporter.lines, "E:"), f.errors);
    EXPECT_EQ(snapshot(doc), before);
    EXPECT_EQ(doc.texts().size(), 2u);
}

const std::string Kisten = "E:Frame:parse Kisten";
const std::string Kanten = "E:Frame:Parse Kanten";

INSTANTIATE_TEST_SUITE_P(
    Messages, FrameFaults,
    ::testing::Values(
        FrameFault{"version", "(VERSION 21 )", "(VERSION x )", {"E:Fehlerhafte SPS_Datei(no FileVersion)"}},
        FrameFault{"no size", "(BREITE 100)\n", "", {"E:BREITE erwartet"}},
        FrameFault{"no height", "(HOEHE 100)", "(HOHE 100)", {"E:BREITE erwartet"}},
        FrameFault{"width", "(BREITE 100)", "(BREITE -3)", {"E:Breite"}},
        FrameFault{"height", "(HOEHE 100)", "(HOEHE zehn)", {"E:Hoehe"}},
        FrameFault{"text style",
                   "(TEXT 13 12 0 2",
                   "(TEXT 13 12 0 rot",
                   {"E:ungültige Textgröße", "E:Fehlerhafte SPS_Datei(texten)"}},
        FrameFault{"no blocks", "(KISTEN", "(KASTEN", {"E:Frame-KISTEN erwartet"}},
        FrameFault{"block record", "(TYP 13 2 1)", "(TYP 13 zwei 1)", {"E:inPinAnzahl", Kisten}},
        FrameFault{"no wires", "(KANTEN", "(KANTE", {"E:Frame-Kanten erwartet"}},
        FrameFault{"wire record", "(NACHBAR ", "(NACHBAR vier ", {"E:nachbar<>integer", Kanten}},
        FrameFault{"layout pin of a missing block",
                   "(MUTTER 2)",
                   "(MUTTER 9)\n      (TYP 0 1 1 0)",
                   {"E:KistenNr 9 nicht gefunden", Kanten}}));

TEST_F(Frames, UnknownNeighbourIsLoggedAndDropped)
{
    std::string text = validFrame();
    const auto at = text.find("(NACHBAR ");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 9, "(NACHBAR 99 ");
    ASSERT_TRUE(insertFrame(doc, text, FramePlacement::atOrigin({0, 0})).ok);
    EXPECT_EQ(withPrefix(reporter.lines, "LOG:Nachbar"),
              std::vector<std::string>{"LOG:Nachbar 99 nicht gefunden"});
}

TEST_F(Frames, ClipboardTextIsPastedOnlyWhenItIsAFrame)
{
    SmallSheet sheet(doc);
    const std::string before = snapshot(doc);
    // Not a frame at all: nothing happens, nothing is said.
    EXPECT_EQ(pasteClipboardText(doc, "Hallo", {10, 10}).outcome, PasteOutcome::Ignored);
    EXPECT_EQ(pasteClipboardText(doc, " (KISTEN)", {10, 10}).outcome, PasteOutcome::Ignored);
    EXPECT_TRUE(reporter.lines.empty());
    // A program text is no frame: the reader's message, then the paste's; nothing changed.
    Document program;
    SmallSheet other(program);
    const PasteResult failed = pasteClipboardText(doc, writeProgram(program, {}, "x"), {10, 10});
    EXPECT_EQ(failed.outcome, PasteOutcome::Failed);
    EXPECT_EQ(withPrefix(reporter.lines, "E:"),
              (std::vector<std::string>{"E:BREITE erwartet", "E:" + tx("ParseClipboardString")}));
    EXPECT_EQ(snapshot(doc), before);

    // The clipboard form: CR LF line ends, which a multi-line text does not keep.
    Document source;
    source.createText(5, 5, 1, false, false).text = "zwei\nZeilen";
    selectTextsInRect(source, 0, 0, 10, 10);
    const std::string copied = clipboardText(source, {0, 0, 10, 10});
    EXPECT_NE(copied.find("(BREITE 10)\r\n(HOEHE 10)\r\n"), std::string::npos);
    EXPECT_EQ(copied.find("\n\n"), std::string::npos);
    const PasteResult pasted = pasteClipboardText(doc, copied, {100, 100});
    ASSERT_EQ(pasted.outcome, PasteOutcome::Pasted);
    EXPECT_EQ(doc.texts().back()->text, "zwei\nZeilen");
    EXPECT_EQ(*pasted.rect, (FrameRect{5, 5, 15, 15}));
}

TEST_F(Frames, PointsAndTextsOfTheTopLevelKeepTheirPlaceWithoutAFrame)
{
    // Without a rectangle (macro files) the reader inserts at origin 0/0: writing and
    // reading again must not move anything of the top level.
    const std::string text = "(VERSION 21 )\n  (TEXTE\n    (TEXT 7 8 0 0 \"t\" )\n  )\n"
                             "  (KISTEN\n    (KISTE 1 \"CONS 1\"\n      (TYP 12 1 1)\n      (FLIP 0)\n"
                             "      (POS -1 -1 0)\n    )\n  )\n"
                             "  (KANTEN\n    (KANTE 1 0 0\n      (MUTTER 1)\n      (PIN \"o\" \"\" 0 0 )\n"
                             "      (NACHBAR 2 )\n    )\n    (KANTE 2 0 0\n      (POS 9 9 0)\n"
                             "      (NACHBAR 1 )\n    )\n  )\n";
    doc.setCurrentSheet(0);
    ASSERT_TRUE(readFrame(doc, text, FramePlacement::inPlace()).ok)
        << ::testing::PrintToString(reporter.lines);
    const std::string again = writeFrame(doc, std::nullopt);
    EXPECT_EQ(linesWith(again, "(TEXT "), std::vector<std::string>{"(TEXT 7 8 0 0 \"t\" )"});
    EXPECT_EQ(linesWith(again, "(POS"), (std::vector<std::string>{"(POS -1 -1 0)", "(POS 9 9 0)"}));
}

// --- files -------------------------------------------------------------------------------------

struct FrameFiles : Frames {
    FrameFiles()
    {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~FrameFiles() override { fs::remove_all(dir); }

    static std::string bytesOf(const fs::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    const fs::path dir = fup::test::scratchDirectory("fup-frame-files");
    std::vector<std::string> deferred;
    std::vector<std::string> questions;
    bool overwrite = true;

    MacroSaveContext saveContext()
    {
        MacroSaveContext c;
        c.deferredMessage = [this](const std::string& text) { deferred.push_back(text); };
        c.askYesNo = [this](const std::string& text) {
            questions.push_back(text);
            return overwrite;
        };
        return c;
    }

    // A macro PUMP on sheet 1 whose inside holds a nested macro and a port; its input
    // pin carries an outside variable.
    TKiste* pumpMacro()
    {
        TKiste* macro = doc.createBlock(187, 0, 0, 1, 20, 20, false);
        macro->childPage = doc.allocateInstanceNumber();
        macro->param("nam")->value = " PUMP ";
        TKiste* nested = doc.createBlock(187, 0, 0, macro->childPage, 10, 10, false);
        nested->childPage = doc.allocateInstanceNumber();
        nested->param("nam")->value = "INNEN";
        TKiste* port = doc.createBlock(182, 1, 1, macro->childPage, 2, 2, false);
        port->param("nam")->value = "ein";
        port->param("nr")->value = "1";
        TKante* pin = doc.addPin(*macro, ek::InputPin, "ein", vt::Digital, 1, false, false);
        macro->recomputeHeight();
        linkNeighbours(*pin, *port->portFacingPin());
        pin->varType = var::Reference;
        pin->varText = "Aussen";
        doc.createText(3, 3, macro->childPage, false, false).text = "Pumpe";
        doc.restoreInsideFirstOrder();
        return macro;
    }
};

TEST_F(FrameFiles, MacroFileHoldsTheBlockAtMinusOneAndItsInsideAsItWas)
{
    TKiste* macro = pumpMacro();
    const fs::path file = saveMacroFile(doc, *macro, dir, saveContext());
    ASSERT_EQ(file, dir / "PUMP.KR4") << ::testing::PrintToString(reporter.lines);
    const std::string bytes = bytesOf(file);
    EXPECT_TRUE(bytes.starts_with("(VERSION 21 )\r\n  (TEXTE\r\n")) << bytes;
    const std::string text = decodeFileText(bytes);
    EXPECT_EQ(linesWith(text, "(POS"),
              (std::vector<std::string>{"(POS 10 10 200)", "(POS 2 2 200)", "(POS -1 -1 0)"}));
    EXPECT_EQ(linesWith(text, "(KINDERSEITE"),
              (std::vector<std::string>{"(KINDERSEITE 201 0 0)", "(KINDERSEITE 200 0 0)"}));
    // The outside variable is not part of the macro's file.
    const std::string display = std::to_string(macro->pinNamed("ein")->displayType);
    EXPECT_EQ(linesWith(text, "(PIN \"ein\""),
              std::vector<std::string>{"(PIN \"ein\" \"\" 0 " + display + " )"});
    EXPECT_EQ(macro->pinNamed("ein")->varText, "Aussen");
    EXPECT_TRUE(deferred.empty());
    EXPECT_TRUE(questions.empty());
    // Nothing stays selected.
    for (const TKiste* b : doc.blocks())
        EXPECT_FALSE(b->selected) << b->name;

    // Inserted where the instance counter is 203: the macro takes 203, its nested one 204,
    // at the top left of the visible area + 4, red, deselected, its pin without variable.
    RecordingReporter quiet;
    Document other(&quiet);
    other.setInstanceCounter(203);
    other.setScroll(200, 100);
    ASSERT_TRUE(loadMacroFile(other, file, {})) << ::testing::PrintToString(quiet.lines);
    ASSERT_EQ(other.blocks().size(), 3u);
    const TKiste* inserted = other.blocks().back();
    EXPECT_EQ(inserted->type, 187);
    EXPECT_EQ(inserted->childPage, 203);
    EXPECT_EQ(other.blocks()[0]->childPage, 204);
    EXPECT_EQ(other.blocks()[0]->sheet, 203);
    EXPECT_EQ((std::pair{inserted->x, inserted->y}), (std::pair{24, 14}));
    EXPECT_EQ(inserted->colour, colour::Red);
    EXPECT_FALSE(inserted->selected);
    EXPECT_EQ(inserted->pinNamed("ein")->varType, var::None);
    ASSERT_EQ(other.texts().size(), 1u);
    EXPECT_EQ(other.texts()[0]->sheet, 203);
    EXPECT_EQ(other.instanceCounter(), 205);

    // Failing macro checks in Edit mode colour it green; other modes do not check.
    Document checked;
    MacroLoadContext failing;
    failing.macroChecks = [] { return false; };
    ASSERT_TRUE(loadMacroFile(checked, file, failing));
    EXPECT_EQ(checked.blocks().back()->colour, colour::Green);
    failing.editMode = false;
    ASSERT_TRUE(loadMacroFile(checked, file, failing));
    EXPECT_EQ(checked.blocks().back()->colour, colour::Red);
}

TEST_F(FrameFiles, MacroSaveRefusals)
{
    TKiste* macro = pumpMacro();
    TKiste* plain = doc.createBlock(13, 2, 1, 1, 50, 50, false);
    doc.renumber();

    EXPECT_TRUE(saveMacroFile(doc, *plain, dir, saveContext()).empty());
    EXPECT_EQ(deferred, std::vector<std::string>{tx("..Save nur fuer Makros/Automat")});

    MacroSaveContext active = saveContext();
    active.selectFrameActive = true;
    EXPECT_TRUE(saveMacroFile(doc, *macro, dir, active).empty());
    EXPECT_EQ(deferred.back(), tx("Select-Rahmen noch aktiv"));

    macro->param("nam")->value = "  ";
    EXPECT_TRUE(saveMacroFile(doc, *macro, dir, saveContext()).empty());
    EXPECT_EQ(withPrefix(reporter.lines, "E:").back(), "E:" + tx("Namenloses Macro: ") + macro->name);

    // A name that would leave the data directory is no file name.
    const fs::path data = dir / "daten";
    fs::create_directories(data);
    for (const char* name : {"../PUMP", "..\\PUMP", "sub/PUMP"}) {
        macro->param("nam")->value = name;
        EXPECT_TRUE(saveMacroFile(doc, *macro, data, saveContext()).empty()) << name;
        EXPECT_EQ(deferred.back(), tx("Datei-SchreibFehler (..ungueltiger Datei-Name?): ") +
                                       (data / (std::string(name) + ".KR4")).string());
    }
    EXPECT_FALSE(fs::exists(dir / "PUMP.KR4"));

    // An existing file is replaced only when the user agrees.
    macro->param("nam")->value = "PUMP";
    std::ofstream(dir / "PUMP.KR4") << "alt";
    overwrite = false;
    EXPECT_TRUE(saveMacroFile(doc, *macro, dir, saveContext()).empty());
    EXPECT_EQ(questions,
              std::vector<std::string>{tx("Eine Datei diesese Namens (") + (dir / "PUMP.KR4").string() +
                                       tx(") existiert bereits! Ueberschreiben ?")});
    EXPECT_EQ(bytesOf(dir / "PUMP.KR4"), "alt");
    overwrite = true;
    EXPECT_EQ(saveMacroFile(doc, *macro, dir, saveContext()), dir / "PUMP.KR4");
    EXPECT_NE(bytesOf(dir / "PUMP.KR4"), "alt");

    // A directory that cannot be written: the old file stays, the message is deferred.
    EXPECT_TRUE(saveMacroFile(doc, *macro, dir / "fehlt", saveContext()).empty());
    EXPECT_EQ(deferred.back(), tx("Datei-SchreibFehler (..ungueltiger Datei-Name?): ") +
                                   (dir / "fehlt" / "PUMP.KR4").string());

    // An automat goes to ".KR5"; a block without a name parameter cannot be saved.
    TKiste* automat = doc.createBlock(188, 0, 0, 1, 80, 80, false);
    automat->childPage = doc.allocateInstanceNumber();
    automat->param("nam")->value = "Ablauf";
    EXPECT_EQ(saveMacroFile(doc, *automat, dir, saveContext()), dir / "Ablauf.KR5");
    automat->params.clear();
    EXPECT_TRUE(saveMacroFile(doc, *automat, dir, saveContext()).empty());
    EXPECT_EQ(withPrefix(reporter.lines, "E:").back(),
              "E:" + tx("MacroName nicht gefunden: ") + automat->name);
}

TEST_F(FrameFiles, FrameFileSavesInWindowsBytesAndLoadsAtTheMouse)
{
    EXPECT_FALSE(mayStartFrameSave(doc, true, true));
    EXPECT_EQ(reporter.lines, std::vector<std::string>{"BOX:" + tx("read only !")});
    EXPECT_FALSE(mayStartFrameSave(doc, false, false));
    EXPECT_TRUE(mayStartFrameSave(doc, false, true));
    reporter.lines.clear();

    SmallSheet sheet(doc);
    frame({10, 10, 40, 30});
    const fs::path file = dir / "teil.KR3";
    ASSERT_TRUE(saveFrameFile(doc, {10, 10, 40, 30}, file));
    const std::string bytes = bytesOf(file);
    EXPECT_TRUE(bytes.starts_with("(VERSION 21 )\r\n(BREITE 30)\r\n(HOEHE 20)\r\n"));
    deselectAll(doc);

    const FrameReadResult read = loadFrameFile(doc, file, {400, 300});
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(*read.rect, (FrameRect{25, 20, 55, 40}));
    EXPECT_EQ(doc.blocks().size(), 5u);

    EXPECT_FALSE(loadFrameFile(doc, dir / "fehlt.KR3", {0, 0}).ok);
    EXPECT_EQ(withPrefix(reporter.lines, "E:"),
              std::vector<std::string>{"E:" + tx("OpenFrame:") + (dir / "fehlt.KR3").string()});
    EXPECT_FALSE(loadMacroFile(doc, dir / "fehlt.KR4", {}));
    EXPECT_FALSE(saveFrameFile(doc, {10, 10, 40, 30}, dir / "fehlt" / "teil.KR3"));
}

} // namespace
} // namespace fup

#include "shell/VariableList.h"

#include "HauptFixture.h"
#include "model/Document.h"

#include <gtest/gtest.h>

namespace fup {
namespace {

enum class Entry { OwnVariable, Reference, Constant };

struct LineCase {
    const char* what;
    int type;         // block type carrying the name
    int blocksBefore; // blocks in front of it, for its number
    bool output;      // output pin, else input pin
    Entry entry;
    const char* name;
    const char* line; // nullptr: no line expected
};

TEST(VariableLines, WhichPinsMakeALineAndHowItReads)
{
    const LineCase cases[] = {
        {"own variable of an output", 13, 0, true, Entry::OwnVariable, "Motor1", "Motor1           1 write"},
        {"reference written by an output", 13, 0, true, Entry::Reference, "Fremd", "Fremd            1 write"},
        {"reference read by an input", 13, 0, false, Entry::Reference, "Temp", "Temp             1"},
        {"number right-aligned", 13, 11, true, Entry::OwnVariable, "Q", "Q               12 write"},
        {"twelve characters fill the column", 13, 0, false, Entry::Reference, "ABCDEFGHIJKL",
         "ABCDEFGHIJKL     1"},
        {"longer names from old files are cut", 13, 0, false, Entry::Reference, "ABCDEFGHIJKLMNO",
         "ABCDEFGHIJKL     1"},
        {"umlauts take one place", 13, 0, false, Entry::Reference, "\xC3\x96lstand",
         "\xC3\x96lstand          1"},
        {"placeholder _nil", 13, 0, true, Entry::OwnVariable, "_nil", nullptr},
        {"placeholder in capitals", 13, 0, true, Entry::OwnVariable, "_NIL", nullptr},
        {"constant of an input (old file keeps its text)", 13, 0, false, Entry::Constant, "0.5", nullptr},
        {"macro in-port", 182, 0, false, Entry::Reference, "p1", nullptr},
        {"macro out-port", 185, 0, true, Entry::OwnVariable, "p2", nullptr},
        {"automat port", 192, 0, true, Entry::OwnVariable, "p3", nullptr},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.what);
        Document doc;
        for (int i = 0; i < c.blocksBefore; ++i)
            doc.createBlock(13, 2, 1, 1, 10 + i, 10, false);
        TKiste* block = doc.createBlock(c.type, 2, 1, 1, 60, 10, false);
        doc.renumber();
        TKante* pin = c.output ? block->outputPin(1) : block->inputPin(1);
        ASSERT_NE(pin, nullptr);
        pin->varType = c.entry == Entry::Reference ? var::Reference : var::Own;
        pin->varText = c.name;

        const std::vector<VariableLine> lines = variableLines(doc);
        if (!c.line) {
            EXPECT_TRUE(lines.empty());
            continue;
        }
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].text, c.line);
        EXPECT_EQ(lines[0].blockNumber, block->number);
    }
}

TEST(VariableLines, SortedByNameWithoutRegardToCase)
{
    Document doc;
    const char* names[] = {"b", "Xy", "A", "a2", "C"};
    for (const char* name : names) {
        TKiste* block = doc.createBlock(13, 2, 1, 1, 10, 10, false);
        ASSERT_TRUE(doc.setVariableName(*block->outputPin(1), name));
    }
    // The variable Xy is read again further on.
    TKiste* reader = doc.createBlock(13, 2, 1, 1, 10, 30, false);
    ASSERT_TRUE(doc.setVariableName(*reader->inputPin(2), "Xy"));
    doc.renumber();

    std::vector<std::string> texts;
    for (const VariableLine& line : variableLines(doc))
        texts.push_back(line.text);
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "A                3 write",
                         "a2               4 write",
                         "b                1 write",
                         "C                5 write",
                         "Xy               2 write",
                         "Xy               6",
                     }));
}

struct VariableListFixture : test::HauptFixture {
    VariableListFixture() { list().changed = [this] { ++changes; }; }
    VariableList& list() { return haupt.edit().variableList(); }
    Document& doc() { return haupt.document(); }
    int lineOf(const std::string& name)
    {
        const auto& lines = list().lines();
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i].text.rfind(name + " ", 0) == 0)
                return static_cast<int>(i);
        return -1;
    }

    int changes = 0;
};

TEST_F(VariableListFixture, ToggleFillsTheListAndEscHidesIt)
{
    TKiste* block = doc().createBlock(13, 2, 1, 1, 10, 10, false);
    doc().renumber();
    list().toggle();
    EXPECT_TRUE(list().visible());
    EXPECT_TRUE(list().lines().empty());

    // Shown again, the list reads the document afresh.
    list().toggle();
    EXPECT_FALSE(list().visible());
    ASSERT_TRUE(doc().setVariableName(*block->outputPin(1), "Neu"));
    list().toggle();
    ASSERT_EQ(list().lines().size(), 1u);

    // Esc also puts the message window away.
    haupt.edit().keyRelease(EditKey::Escape, {}, {0, 0});
    EXPECT_FALSE(list().visible());
    EXPECT_EQ(view.messageWindowHides, 1);
    EXPECT_EQ(changes, 4);
}

TEST_F(VariableListFixture, LineLeadsIntoTheMacroThatHoldsTheBlock)
{
    doc().createBlock(13, 2, 1, 1, 10, 10, false);
    TKiste* macro = haupt.createBlockFromMenu(187);
    ASSERT_NE(macro, nullptr);
    macro->param("nam")->value = "M";
    TKiste* inside = doc().createBlock(13, 2, 1, macro->childPage, 200, 150, false);
    ASSERT_TRUE(doc().setVariableName(*inside->outputPin(1), "Innen"));
    doc().restoreInsideFirstOrder();
    doc().findBlock(1)->colour = colour::Red; // found before; the new find takes over
    list().show();

    const int line = lineOf("Innen");
    ASSERT_GE(line, 0);
    ASSERT_TRUE(list().goToLine(line));
    EXPECT_EQ(view.messages.back(), "i=" + std::to_string(line) + "  nr=" + std::to_string(inside->number));
    EXPECT_EQ(doc().currentSheet(), macro->childPage);
    EXPECT_EQ(doc().mother(), macro);
    EXPECT_EQ(inside->colour, colour::Red);
    EXPECT_EQ(doc().findBlock(1)->colour, doc().findBlock(1)->restingColour());
    EXPECT_GT(doc().scrollX(), 0);
    EXPECT_GT(doc().scrollY(), 0);

    // Reached by a search, "<-- Zurueck" shows the macro block itself.
    ASSERT_TRUE(haupt.PopZurueckMacro());
    EXPECT_EQ(doc().currentSheet(), 1);
    EXPECT_EQ(macro->colour, colour::Green);
}

TEST_F(VariableListFixture, LinesFollowTheirBlocksUntilTheyAreGone)
{
    doc().createBlock(13, 2, 1, 1, 10, 10, false);
    TKiste* gone = doc().createBlock(13, 2, 1, 1, 30, 10, false);
    TKiste* stays = doc().createBlock(13, 2, 1, 1, 50, 10, false);
    doc().renumber();
    ASSERT_TRUE(doc().setVariableName(*gone->outputPin(1), "Weg"));
    ASSERT_TRUE(doc().setVariableName(*stays->outputPin(1), "Bleibt"));
    list().show();
    doc().removeBlock(*gone); // the block behind it takes number 2

    ASSERT_TRUE(list().goToLine(lineOf("Bleibt")));
    EXPECT_EQ(view.messages.back(), "i=0  nr=3");
    EXPECT_EQ(stays->colour, colour::Red);
    EXPECT_EQ(haupt.edit().foundLast(), 2);

    const int sheetBefore = doc().currentSheet();
    EXPECT_FALSE(list().goToLine(lineOf("Weg")));
    EXPECT_EQ(view.messages.back(), "i=1  nr=2");
    EXPECT_FALSE(list().goToLine(-1)); // Enter with no line chosen
    EXPECT_EQ(view.messages.back(), "i=-1  nr=0");
    EXPECT_TRUE(view.boxes.empty());
    timers.advance(2 * DeferredMessageBox::DelayMs);
    EXPECT_EQ(view.boxes, (std::vector<std::string>{"k=nil", "nr=0"}));
    EXPECT_EQ(doc().currentSheet(), sheetBefore);

    // Undo rebuilds every block in storage that held others before: a line whose pin no
    // longer carries its name leads nowhere rather than to whatever block is there now.
    ASSERT_TRUE(doc().setVariableName(*stays->outputPin(1), "Anders"));
    EXPECT_FALSE(list().goToLine(lineOf("Bleibt")));
    timers.advance(2 * DeferredMessageBox::DelayMs);
    EXPECT_EQ(view.boxes.back(), "k=nil");
}

} // namespace
} // namespace fup

#include "model/Document.h"
#include "model/StructuredTextPins.h"

#include "ScriptedDialogs.h"
#include "shell/RecordingReporter.h"

#include <gtest/gtest.h>

namespace fup {
namespace {

using test::RecordingReporter;
using test::ScriptedDialogs;

// Parameter values in dialog order: nam, de, ae, ie, da, aa, ia, txt.
using Values = std::vector<std::string>;

struct Clones : ::testing::Test {
    RecordingReporter reporter;
    Document doc{&reporter};
    ScriptedDialogs dialogs;
    EditContext edit;

    Clones()
    {
        doc.hooks().structuredTextChanged = [this](TKiste& block, const std::string& oldName) {
            stParametersChanged(doc, block, oldName, dialogs);
        };
    }

    TKiste* plain(const Values& values)
    {
        TKiste* st = doc.createBlock(81, 0, 0, 1, 10, 10, false);
        doc.setParameters(*st, values, edit);
        return st;
    }
    static Values values(const TKiste& block)
    {
        Values result;
        for (const Para_descriptor& p : block.params)
            result.push_back(p.value);
        return result;
    }
    static std::string name(const TKiste& block) { return block.param("nam")->value; }
};

TEST_F(Clones, CloningMakesTwoClonesOfOneName)
{
    TKiste* original = plain({"Regler", "ein", "sol ist", "", "aus", "y", "", "y := sol;"});
    TKiste* other = plain({"Andere", "", "", "", "", "", "", ""});
    TKiste* clone = cloneStBlock(doc, *original, dialogs);
    ASSERT_NE(clone, nullptr);
    EXPECT_TRUE(dialogs.asked.empty());
    for (TKiste* c : {original, clone}) {
        EXPECT_EQ(c->type, 82);
        EXPECT_EQ(c->label, "ST-Clone");
        EXPECT_EQ(c->hint, "Strukturierter-Text Klone");
        EXPECT_EQ(c->labelColour, colour::Blue);
        EXPECT_EQ(c->n, 3);
        EXPECT_EQ(c->m, 2);
    }
    EXPECT_EQ(values(*clone), values(*original));
    EXPECT_EQ(clone->sheet, doc.currentSheet());
    EXPECT_EQ(clone->pinNamed("ist")->ordinal(), 3);
    EXPECT_EQ(original->colour, colour::Green);
    EXPECT_EQ(clone->colour, colour::Red);
    EXPECT_EQ(other->colour, other->normalColour);
    EXPECT_TRUE(reporter.lines.empty());

    // Back to a plain block: the other clone still carries the name, so a new one is asked for.
    dialogs.inputs = {std::nullopt};
    EXPECT_FALSE(uncloneStBlock(doc, *clone, dialogs));
    EXPECT_EQ(clone->type, 82);
    EXPECT_EQ(dialogs.asked,
              std::vector<std::string>{"input:Bausteine dieses Names gibt es bereits!|Bitte den Baustein-Namen aendern|Regler"});

    dialogs.inputs = {"Andere", " Regler2\" "}; // taken, then free (the quote becomes a blank)
    ASSERT_TRUE(uncloneStBlock(doc, *clone, dialogs));
    EXPECT_EQ(clone->type, 81);
    EXPECT_EQ(name(*clone), "Regler2");
    EXPECT_EQ(clone->label, "St-Text");
    EXPECT_EQ(clone->hint, "Strukturierter-Text");
    EXPECT_EQ(clone->labelColour, colour::Black);
    EXPECT_EQ(clone->colour, colour::Green);
    EXPECT_EQ(original->type, 82); // a clone alone is still a clone
}

TEST_F(Clones, CloningATakenNameAsksFirst)
{
    TKiste* a = plain({"Same", "", "", "", "", "", "", ""});
    doc.createBlock(82, 0, 0, 1, 30, 10, false)->param("nam")->value = "Same";
    TKiste* other = plain({"Other", "", "", "", "", "", "", ""});
    // Cancelled after a name that is taken as well: the block keeps the name it had, so
    // no two plain blocks end up sharing one.
    for (TKiste* k : {a, doc.blocks()[1]}) {
        dialogs.inputs = {"Other", std::nullopt};
        if (k == a)
            EXPECT_EQ(cloneStBlock(doc, *k, dialogs), nullptr);
        else
            EXPECT_FALSE(uncloneStBlock(doc, *k, dialogs));
        EXPECT_EQ(name(*k), "Same");
        EXPECT_EQ(dialogs.asked.size(), 2u);
        dialogs.asked.clear();
    }
    EXPECT_EQ(a->type, 81);
    EXPECT_EQ(doc.blocks()[1]->type, 82);
    EXPECT_EQ(name(*other), "Other");
    EXPECT_EQ(doc.blocks().size(), 3u);

    dialogs.inputs = {"Neu"};
    ASSERT_NE(cloneStBlock(doc, *a, dialogs), nullptr);
    EXPECT_EQ(name(*a), "Neu");
    EXPECT_EQ(name(*doc.blocks().back()), "Neu");
}

TEST_F(Clones, AChangeOfOneCloneReachesAllClonesOfItsName)
{
    TKiste* a = plain({"R", "", "x", "", "", "y", "", "t"});
    TKiste* b = cloneStBlock(doc, *a, dialogs);
    TKiste* c = cloneStBlock(doc, *a, dialogs); // a is a clone now: nothing happens
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(c, nullptr);
    TKiste* stranger = plain({"S", "", "x", "", "", "", "", ""});

    doc.setParameters(*b, {"R", "", " x  z ", "", "", "y", "", "t"}, edit);
    for (TKiste* k : {a, b}) {
        EXPECT_EQ(k->param("ae")->value, "x  z"); // trimmed
        ASSERT_NE(k->pinNamed("z"), nullptr);
        EXPECT_EQ(k->pinNamed("z")->ordinal(), 2);
        EXPECT_EQ(k->n, 2);
    }
    EXPECT_EQ(stranger->n, 1);
    EXPECT_EQ(stranger->param("ae")->value, "x");
}

TEST_F(Clones, RenamingAClone)
{
    TKiste* a = plain({"R", "a", "", "", "", "", "", ""});
    TKiste* b = cloneStBlock(doc, *a, dialogs);
    TKiste* p = plain({"P", "", "", "", "", "", "", ""});
    TKiste* q = plain({"Q", "q", "", "", "", "", "", ""});
    TKiste* q2 = cloneStBlock(doc, *q, dialogs);
    ASSERT_TRUE(b && q2);

    // A free name: the whole group takes it.
    doc.setParameters(*a, {"R2", "a", "", "", "", "", "", ""}, edit);
    EXPECT_EQ(name(*a), "R2");
    EXPECT_EQ(name(*b), "R2");

    // The name of other clones: cancel restores the old name, the group stays as it was.
    dialogs.yesNoCancel = {platform::Answer::Cancel};
    doc.setParameters(*a, {"Q", "a b", "", "", "", "", "", ""}, edit);
    EXPECT_EQ(dialogs.asked.back(), "ync:Es gibt bereits Klone mit dem Namen  Q,  sollen sie überschrieben werden?");
    EXPECT_EQ(name(*a), "R2");
    EXPECT_EQ(name(*b), "R2");
    EXPECT_EQ(b->param("de")->value, "a b"); // the group follows the other changes
    EXPECT_EQ(name(*q), "Q");

    // No: asked for another name; the plain block's name is taken too.
    dialogs.yesNoCancel = {platform::Answer::No};
    dialogs.inputs = {"P", "R3"};
    doc.setParameters(*a, {"Q", "a", "", "", "", "", "", ""}, edit);
    EXPECT_EQ(name(*a), "R3");
    EXPECT_EQ(name(*b), "R3");
    EXPECT_EQ(name(*q), "Q");
    EXPECT_EQ(name(*p), "P");

    // Yes: the other clones are overwritten and join the group.
    dialogs.yesNoCancel = {platform::Answer::Yes};
    doc.setParameters(*a, {"Q", "k", "", "", "", "", "", ""}, edit);
    for (TKiste* k : {a, b, q, q2}) {
        EXPECT_EQ(name(*k), "Q");
        EXPECT_EQ(k->param("de")->value, "k");
        EXPECT_NE(k->pinNamed("k"), nullptr);
    }
}

TEST_F(Clones, APlainBlockKeepsAUniqueName)
{
    plain({"A", "", "", "", "", "", "", ""});
    TKiste* b = plain({"B", "", "", "", "", "", "", ""});
    dialogs.inputs = {std::nullopt};
    doc.setParameters(*b, {"A", "", "", "", "", "", "", ""}, edit);
    EXPECT_EQ(name(*b), "B");
    EXPECT_EQ(dialogs.asked.back(), "input:Klone dieses Namens gibt es bereits!|Bitte den Baustein-Namen aendern|A");
    dialogs.inputs = {"C"};
    doc.setParameters(*b, {"A", "", "", "", "", "", "", ""}, edit);
    EXPECT_EQ(name(*b), "C");
}

TEST_F(Clones, UnequalClonesInAFileBecomePlainBlocks)
{
    TKiste* first = doc.createBlock(82, 0, 0, 1, 10, 10, false);
    TKiste* second = doc.createBlock(82, 0, 0, 1, 30, 10, false);
    TKiste* third = doc.createBlock(82, 0, 0, 1, 50, 10, false);
    for (TKiste* k : {first, second, third})
        k->param("nam")->value = "Z";
    first->param("txt")->value = "a := 1;";
    second->param("txt")->value = "a := 1;";
    third->param("txt")->value = "a := 2;";
    EXPECT_TRUE(checkCloneConsistency(doc, *second));
    EXPECT_FALSE(checkCloneConsistency(doc, *third));
    EXPECT_EQ(third->type, 81);
    EXPECT_EQ(third->colour, colour::Yellow);
    EXPECT_EQ(third->labelColour, colour::Black);
    EXPECT_EQ(reporter.lines, std::vector<std::string>{"W:Ungleiche Klone gleichen Namens. Nach St-Text umgewandelt!"});
    EXPECT_EQ(second->type, 82);
}

TEST_F(Clones, ASavedTextReachesEveryCloneOfTheName)
{
    TKiste* a = plain({"T", "", "", "", "", "", "", "alt"});
    TKiste* b = cloneStBlock(doc, *a, dialogs);
    TKiste* lone = plain({"U", "", "", "", "", "", "", "alt"});
    storeStText(doc, *b, "x := \"neu\";");
    EXPECT_EQ(a->param("txt")->value, "x :=  neu ;");
    EXPECT_EQ(b->param("txt")->value, "x :=  neu ;");
    EXPECT_EQ(lone->param("txt")->value, "alt");
}

} // namespace
} // namespace fup

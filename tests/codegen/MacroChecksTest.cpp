#include "codegen/MacroChecks.h"
#include "model/Document.h"
#include "model/Hierarchy.h"

#include "shell/RecordingReporter.h"

#include <gtest/gtest.h>

namespace fup {
namespace {

using test::RecordingReporter;

struct MacroNames : ::testing::Test {
    RecordingReporter reporter;
    Document doc{&reporter};

    // A macro named name with an in-port wired to an adder inside.
    TKiste* macro(const std::string& name, int type = 187)
    {
        TKiste* m = doc.createBlock(type, 0, 0, 1, 10, 10, false);
        m->childPage = doc.allocateInstanceNumber();
        m->param("nam")->value = name;
        if (type == 187) {
            TKiste* in = doc.createBlock(184, 0, 0, m->childPage, 2, 2, false);
            in->param("nam")->value = "x";
            in->param("nr")->value = "1";
            EXPECT_TRUE(connectPort(doc, *in));
            TKiste* add = doc.createBlock(13, 2, 1, m->childPage, 10, 2, false);
            EXPECT_TRUE(doc.connect(*in->outputPin(1), *add->inputPin(1)));
        } else {
            doc.createBlock(189, 1, 1, m->childPage, 2, 2, false);
        }
        return m;
    }
    TKiste* adderIn(const TKiste& m)
    {
        for (TKiste* b : doc.blocks())
            if (b->sheet == m.childPage && b->type == 13)
                return b;
        return nullptr;
    }
};

TEST_F(MacroNames, EqualCopiesPassChangedOnesAreMarked)
{
    TKiste* a = macro("Regler");
    TKiste* b = macro(" REGLER ");
    TKiste* c = macro("regler");
    EXPECT_EQ(contentFingerprint(doc, *a), contentFingerprint(doc, *b));
    EXPECT_NE(contentFingerprint(doc, *a), 0u);
    EXPECT_TRUE(macroConsistencyChecks(doc));
    EXPECT_TRUE(reporter.lines.empty());

    // What makes a copy different: a variable name, a name on an open input, a wire, a
    // port parameter.
    const std::function<void(TKiste&)> changes[] = {
        [&](TKiste& m) { adderIn(m)->outputPin(1)->varText = "aus"; },
        [&](TKiste& m) { EXPECT_TRUE(doc.setVariableName(*adderIn(m)->inputPin(2), "K")); },
        [&](TKiste& m) { doc.removeElement(*adderIn(m)->inputPin(1), false); },
        [&](TKiste& m) {
            for (TKiste* k : doc.blocks())
                if (k->sheet == m.childPage && k->type == 184)
                    k->param("nr")->value = "1 ";
        },
    };
    for (const auto& change : changes) {
        const std::uint32_t before = contentFingerprint(doc, *c);
        change(*c);
        EXPECT_NE(contentFingerprint(doc, *c), before);
    }

    reporter.lines.clear();
    EXPECT_TRUE(macroConsistencyChecks(doc)); // unequal macros are not an error
    const std::string pairAc = a->name + "," + c->name + "  name=REGLER";
    const std::string pairBc = b->name + "," + c->name + "  name=REGLER";
    EXPECT_EQ(reporter.lines, (std::vector<std::string>{"W:Ungleiche Macros gleichen Namens: " + pairAc,
                                                        "LOG:Ungleiche Macros: " + pairAc,
                                                        "LOG:Ungleiche Macros: " + pairBc}));
    EXPECT_EQ(a->colour, colour::Red);
    EXPECT_EQ(c->colour, colour::Red);
}

TEST_F(MacroNames, NestedMacrosCountWithTheirContent)
{
    TKiste* a = macro("Aussen");
    TKiste* b = macro("Aussen");
    TKiste* innerA = doc.createBlock(187, 0, 0, a->childPage, 30, 30, false);
    TKiste* innerB = doc.createBlock(187, 0, 0, b->childPage, 30, 30, false);
    innerA->childPage = doc.allocateInstanceNumber();
    innerB->childPage = doc.allocateInstanceNumber();
    innerA->param("nam")->value = innerB->param("nam")->value = "Innen";
    doc.createBlock(92, 2, 1, innerA->childPage, 1, 1, false);
    doc.createBlock(92, 2, 1, innerB->childPage, 1, 1, false);
    EXPECT_EQ(contentFingerprint(doc, *a), contentFingerprint(doc, *b));
    doc.createBlock(93, 2, 1, innerB->childPage, 9, 1, false);
    EXPECT_NE(contentFingerprint(doc, *a), contentFingerprint(doc, *b));

    // A damaged file whose inside contains itself ends the walk.
    innerA->childPage = a->childPage;
    contentFingerprint(doc, *a);
}

TEST_F(MacroNames, UnequalAutomatsAreErrors)
{
    TKiste* a = macro("Ablauf", 188);
    TKiste* b = macro("Ablauf", 188);
    doc.createBlock(190, 1, 1, b->childPage, 20, 2, false);
    EXPECT_FALSE(macroConsistencyChecks(doc));
    EXPECT_EQ(reporter.lines.front(),
              "E:Ungleiche Automaten gleichen Namens: " + a->name + "," + b->name + "  name=ABLAUF");
}

TEST_F(MacroNames, MissingOrEmptyNamesEndTheCheck)
{
    TKiste* a = macro("  ");
    macro("x");
    EXPECT_FALSE(macroConsistencyChecks(doc));
    EXPECT_EQ(reporter.lines, std::vector<std::string>{"E:Namenloser Baustein !"});

    reporter.lines.clear();
    a->params.clear();
    EXPECT_FALSE(macroConsistencyChecks(doc));
    EXPECT_EQ(reporter.lines, std::vector<std::string>{"E:Par:Name nicht gefunden"});
}

} // namespace
} // namespace fup

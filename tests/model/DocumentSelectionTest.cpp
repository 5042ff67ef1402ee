#include "model/Document.h"

#include "shell/RecordingReporter.h"

#include <gtest/gtest.h>

namespace fup {
namespace {

using test::RecordingReporter;

// Sheet 1: adder, macro M (inside 200), other block.
// Inside 200: block A, nested macro N (inside 201), a point.
// Inside 201: block B.
struct NestedMacros : ::testing::Test {
    RecordingReporter reporter;
    Document doc{&reporter};
    TKiste* add = doc.createBlock(13, 2, 1, 1, 0, 0, false);
    TKiste* macro = doc.createBlock(187, 0, 0, 1, 10, 0, false);
    TKiste* other = doc.createBlock(14, 0, 0, 1, 20, 0, false);
    TKiste* a = doc.createBlock(14, 0, 0, 200, 0, 0, false);
    TKiste* nested = doc.createBlock(187, 0, 0, 200, 10, 0, false);
    TKiste* b = doc.createBlock(14, 0, 0, 201, 0, 0, false);
    TKante* point = doc.createPoint(3, 3, 200, vt::Fixed);

    void SetUp() override
    {
        macro->childPage = doc.allocateInstanceNumber();
        nested->childPage = doc.allocateInstanceNumber();
        doc.renumber();
    }
};

TEST_F(NestedMacros, PassivatingASelectedMacroPassivatesItsInsideRecursively)
{
    macro->selected = true;
    doc.passivateSelection();
    for (TKiste* k : {macro, a, nested, b}) {
        EXPECT_TRUE(k->passive) << k->name;
        EXPECT_EQ(k->colour, colour::Teal) << k->name;
    }
    EXPECT_TRUE(point->selected);
    EXPECT_FALSE(add->passive);
    EXPECT_FALSE(other->passive);

    doc.activateSelection();
    for (TKiste* k : {macro, a, nested, b}) {
        EXPECT_FALSE(k->passive) << k->name;
        EXPECT_FALSE(k->selected) << k->name;
        EXPECT_EQ(k->colour, k->normalColour) << k->name;
    }
    EXPECT_FALSE(point->selected);
}

TEST_F(NestedMacros, PassivatingSurvivesAMacroThatContainsItself)
{
    // A damaged file: the nested macro claims the outer inside as its own.
    nested->childPage = 200;
    macro->selected = true;
    doc.passivateSelection();
    EXPECT_TRUE(a->passive);
    EXPECT_FALSE(b->passive); // its inside is no longer reachable
}

TEST_F(NestedMacros, ShowingABlockInsideSetsMotherAndDepth)
{
    doc.setClientSize(400, 300);
    b->x = 100;
    b->y = 50;
    ASSERT_TRUE(doc.showBlock(*b));
    EXPECT_EQ(doc.currentSheet(), 201);
    EXPECT_EQ(doc.mother(), nested);
    EXPECT_EQ(doc.nestingDepth(), 2);
    EXPECT_EQ(doc.scrollX(), 100 * 10 - 200);
    EXPECT_EQ(doc.scrollY(), 50 * 10 - 150);

    ASSERT_TRUE(doc.showBlock(*other));
    EXPECT_EQ(doc.currentSheet(), 1);
    EXPECT_EQ(doc.mother(), nullptr);
    EXPECT_EQ(doc.nestingDepth(), 0);
    EXPECT_EQ(doc.scrollX(), 0); // near the top left the view cannot centre
    EXPECT_TRUE(reporter.lines.empty());
}

TEST_F(NestedMacros, ShowingABlockWhoseMotherIsMissingReportsAndStays)
{
    TKiste* orphan = doc.createBlock(14, 0, 0, 207, 0, 0, false);
    EXPECT_FALSE(doc.showBlock(*orphan));
    EXPECT_EQ(reporter.lines, std::vector<std::string>{"E:..Mutter-Makro(GOTO Baustein) nicht gefunden"});
    EXPECT_EQ(doc.currentSheet(), 1);
}

TEST_F(NestedMacros, InsideFirstOrderPutsInsidesBeforeTheirMacro)
{
    doc.restoreInsideFirstOrder();
    const std::vector<TKiste*> expected{add, a, b, nested, macro, other};
    EXPECT_EQ(doc.blocks(), expected);
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(expected[i]->number, static_cast<int>(i + 1));
}

TEST_F(NestedMacros, InsideFirstOrderKeepsBlocksOfAnInsideWithoutOwner)
{
    TKiste* orphan = doc.createBlock(14, 0, 0, 250, 0, 0, false);
    doc.restoreInsideFirstOrder();
    EXPECT_EQ(doc.blocks().size(), 7u);
    EXPECT_EQ(doc.blocks().back(), orphan);
}

TEST_F(NestedMacros, MenuCreationInsideAMacroLandsBeforeItAndMacrosGetInstanceNumbers)
{
    doc.setMother(macro);
    doc.setCurrentSheet(200);
    TKiste* created = doc.createBlockFromMenu(187, 0, 0);
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->sheet, 200);
    EXPECT_EQ(created->childPage, 202);
    EXPECT_EQ(doc.instanceCounter(), 203);
    EXPECT_EQ(created->colour, colour::Red);
    EXPECT_LT(created->number, macro->number);
    EXPECT_EQ(doc.findBlock(created->number), created);
}

struct RefusalCase {
    int motherType; // 0: no mother
    int type;
    const char* message; // nullptr: allowed
};

class CreationCheck : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(CreationCheck, MessagesOfTheMenuPath)
{
    const RefusalCase& c = GetParam();
    RecordingReporter reporter;
    Document doc{&reporter};
    if (c.motherType) {
        TKiste* mother = doc.createBlock(c.motherType, 0, 0, 1, 0, 0, false);
        mother->childPage = doc.allocateInstanceNumber();
        doc.setMother(mother);
        doc.setCurrentSheet(mother->childPage);
    }
    const std::size_t before = doc.blocks().size();
    TKiste* created = doc.createBlockFromMenu(c.type, 2, 2);
    if (c.message) {
        EXPECT_EQ(created, nullptr);
        EXPECT_EQ(doc.blocks().size(), before);
        EXPECT_EQ(reporter.lines, std::vector<std::string>{std::string("BOX:") + c.message});
    } else {
        ASSERT_NE(created, nullptr);
        EXPECT_EQ(created->sheet, doc.currentSheet());
        EXPECT_TRUE(reporter.lines.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Table, CreationCheck,
                         ::testing::Values(RefusalCase{0, 189, "nur in \"Automat\" moeglich"},
                                           RefusalCase{0, 194, "nur in \"Automat\" moeglich"},
                                           RefusalCase{0, 178, "nur in \"Macro\" moeglich"},
                                           RefusalCase{0, 185, "nur in \"Macro\" moeglich"},
                                           RefusalCase{0, 13, nullptr},
                                           RefusalCase{188, 13, "in \"Automat\" nicht moeglich"},
                                           RefusalCase{188, 182, "in \"Automat\" nicht moeglich"},
                                           RefusalCase{188, 190, nullptr},
                                           RefusalCase{187, 189, "nur in \"Automat\" moeglich"},
                                           RefusalCase{187, 182, nullptr}, RefusalCase{187, 187, nullptr}));

TEST(SelectFrame, TakesBlocksWhoseTopLeftLiesInsideHalfOpen)
{
    Document doc;
    TKiste* onLeftTop = doc.createBlock(14, 0, 0, 1, 10, 20, false);
    TKiste* onRight = doc.createBlock(14, 0, 0, 1, 30, 20, false);
    TKiste* onBottom = doc.createBlock(14, 0, 0, 1, 10, 40, false);
    TKiste* inner = doc.createBlock(14, 0, 0, 1, 29, 39, false);
    TKiste* otherSheet = doc.createBlock(14, 0, 0, 2, 15, 25, false);
    onRight->framedDirectly = true;
    otherSheet->framedDirectly = true;

    doc.selectInRect(10, 20, 30, 40);

    for (TKiste* k : {onLeftTop, inner}) {
        EXPECT_TRUE(k->selected);
        EXPECT_TRUE(k->framedDirectly);
        EXPECT_EQ(k->colour, colour::InactiveCaption);
        for (const TKante* p : k->pins)
            EXPECT_TRUE(p->selected);
    }
    for (TKiste* k : {onRight, onBottom, otherSheet}) {
        EXPECT_FALSE(k->selected);
        EXPECT_FALSE(k->framedDirectly);
    }

    doc.clearSelection();
    EXPECT_FALSE(inner->selected);
    EXPECT_EQ(inner->colour, colour::Normal);
    EXPECT_FALSE(inner->pins.front()->selected);
}

} // namespace
} // namespace fup

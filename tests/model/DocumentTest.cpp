#include "model/Document.h"

#include "shell/RecordingReporter.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace fup {
namespace {

using test::RecordingReporter;

std::vector<std::string> pinNames(const TKiste& block, std::uint8_t kind)
{
    std::vector<std::string> names;
    for (const TKante* p : block.pins)
        if (p->kind == kind)
            names.push_back(p->name);
    return names;
}

bool listed(const Document& doc, const TKante* e)
{
    return std::find(doc.kanten().begin(), doc.kanten().end(), e) != doc.kanten().end();
}

TEST(Document, NewDocumentHasOneUnnamedSheetAndDefaults)
{
    Document doc;
    EXPECT_EQ(doc.sheetCount(), 1);
    EXPECT_EQ(doc.sheet(1).name, "");
    EXPECT_EQ(doc.currentSheet(), 1);
    EXPECT_EQ(doc.instanceCounter(), 200);
    EXPECT_EQ(doc.nestingDepth(), 0);
    EXPECT_EQ(doc.mother(), nullptr);
    EXPECT_EQ(doc.zoom(), 10);
    EXPECT_EQ(doc.paramDisplay(), ParamDisplay::Selected);
    EXPECT_TRUE(doc.blocks().empty());
    EXPECT_TRUE(doc.kanten().empty());
}

TEST(Document, ClearResetsEverythingAndKeepsOldObjectsSafe)
{
    Document doc;
    doc.appendSheet("zwei");
    doc.setCurrentSheet(2);
    TKiste* macro = doc.createBlock(187, 0, 0, 2, 5, 5, false);
    macro->childPage = doc.allocateInstanceNumber();
    TKiste* inner = doc.createBlock(13, 2, 1, macro->childPage, 5, 5, false);
    doc.setMother(macro);
    doc.setNestingDepth(1);
    TKante* pin = inner->pins.front();

    doc.clear();

    EXPECT_TRUE(doc.blocks().empty());
    EXPECT_TRUE(doc.kanten().empty());
    EXPECT_EQ(doc.sheetCount(), 1);
    EXPECT_EQ(doc.sheet(1).name, "");
    EXPECT_EQ(doc.currentSheet(), 1);
    EXPECT_EQ(doc.instanceCounter(), 200);
    EXPECT_EQ(doc.nestingDepth(), 0);
    EXPECT_EQ(doc.mother(), nullptr);
    // Pointers kept by the editor still lead to valid, dead objects.
    EXPECT_FALSE(inner->alive());
    EXPECT_FALSE(pin->alive());
    EXPECT_TRUE(inner->pins.empty());

    TKiste* reused = doc.createBlock(14, 0, 0, 1, 0, 0, false);
    EXPECT_TRUE(reused == macro || reused == inner);
    EXPECT_TRUE(reused->alive());
    EXPECT_EQ(reused->childPage, 0);
}

TEST(Document, SheetListHoldsNinetyNineCleanedNames)
{
    Document doc;
    EXPECT_TRUE(doc.appendSheet("  Ein \"Name\"  "));
    EXPECT_EQ(doc.sheet(2).name, "Ein  Name");
    EXPECT_EQ(doc.sheet(2).viewX, 0);
    doc.renameSheet(1, "\"x\"");
    EXPECT_EQ(doc.sheet(1).name, "x");
    while (doc.sheetCount() < MaxSheets)
        ASSERT_TRUE(doc.appendSheet(""));
    EXPECT_FALSE(doc.appendSheet("hundert"));
    EXPECT_EQ(doc.sheetCount(), 99);
}

TEST(Document, CreateAdderLaysOutPinsFromTheCatalogue)
{
    Document doc;
    TKiste* add = doc.createBlock(13, 4, 1, 3, 20, 30, false);
    EXPECT_EQ(add->number, 1);
    EXPECT_EQ(add->label, "ADGR");
    EXPECT_EQ(add->name, "ADGR1");
    EXPECT_EQ(add->sheet, 3);
    EXPECT_EQ(add->n, 4);
    EXPECT_EQ(add->heightRows, 5);
    EXPECT_EQ(add->normalColour, colour::Normal);
    EXPECT_EQ(pinNames(*add, ek::InputPin), (std::vector<std::string>{"+1", "+2", "+3", "+4"}));
    EXPECT_EQ(pinNames(*add, ek::OutputPin), (std::vector<std::string>{"o"}));
    for (const TKante* p : add->pins) {
        EXPECT_EQ(p->owner, add);
        EXPECT_EQ(p->sheet, 3);
        EXPECT_TRUE(listed(doc, p));
        EXPECT_EQ(p->x, p->isInput() ? 0 : add->widthGrid());
        if (p->isInput()) {
            EXPECT_TRUE(p->constCapable);
        }
    }
    ASSERT_NE(add->param("ina"), nullptr);
    EXPECT_EQ(add->param("ina")->value, "4");
}

struct SizeCase {
    int type, n, m;
    int pins, heightRows;
    const char* label;
};

class CreateSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(CreateSize, PinCountAndHeight)
{
    const SizeCase& c = GetParam();
    Document doc;
    TKiste* b = doc.createBlock(c.type, c.n, c.m, 1, 0, 0, false);
    EXPECT_EQ(static_cast<int>(b->pins.size()), c.pins);
    EXPECT_EQ(b->heightRows, c.heightRows);
    EXPECT_EQ(b->label, c.label);
}

INSTANTIATE_TEST_SUITE_P(Types, CreateSize,
                         ::testing::Values(SizeCase{13, 32, 1, 33, 33, "ADGR"}, // 32 inputs + output
                                           SizeCase{13, 2, 1, 3, 3, "ADGR"},
                                           SizeCase{64, 1, 1, 2, 2, "y=f(x)"}, // one input is enough
                                           SizeCase{189, 1, 24, 25, 25, "State"},
                                           SizeCase{22, 0, 0, 0, 2, "none"}, // unknown type
                                           SizeCase{21, 5, 5, 0, 2, "DIF"},  // counts of a fixed type ignored
                                           SizeCase{187, 0, 0, 0, 2, "MACRO"}));

TEST(Document, UnknownTypeHasNoParametersAndPortsHideTheirFacingPin)
{
    Document doc;
    EXPECT_TRUE(doc.createBlock(22, 0, 0, 1, 0, 0, false)->params.empty());

    for (int type : {178, 182, 184, 179, 183, 185}) {
        TKiste* port = doc.createBlock(type, 0, 0, 200, 0, 0, false);
        const std::uint8_t facing = isInPort(type) ? ek::InputPin : ek::OutputPin;
        for (const TKante* p : port->pins)
            EXPECT_EQ(p->hidden, p->kind == facing) << type << " " << p->name;
        EXPECT_EQ(port->portFacingPin()->kind, facing);
        EXPECT_EQ(port->normalColour, colour::Teal);
    }
}

TEST(Document, NegativePositionMeansVisibleTopLeftPlusFour)
{
    Document doc;
    doc.setScroll(95, 204); // zoom 10: nearest grid points 10 and 20
    TKiste* b = doc.createBlock(14, 0, 0, 1, -1, -1, false);
    EXPECT_EQ(b->x, 14);
    EXPECT_EQ(b->y, 24);
}

TEST(Document, RemovingBlockThreeOfFiveRenumbersTheRest)
{
    Document doc;
    std::vector<TKiste*> blocks;
    for (int i = 0; i < 5; ++i)
        blocks.push_back(doc.createBlock(14, 0, 0, 1, 10 * i, 0, false));
    doc.renumber();
    const std::size_t kantenBefore = doc.kanten().size();

    doc.removeBlock(*blocks[2]);

    ASSERT_EQ(doc.blocks().size(), 4u);
    EXPECT_EQ(doc.kanten().size(), kantenBefore - 3); // "+", "-", "o" of the removed block
    EXPECT_EQ(blocks[3]->number, 3);
    EXPECT_EQ(blocks[4]->number, 4);
    EXPECT_EQ(blocks[3]->name, "SUGR 3");
    EXPECT_EQ(blocks[4]->name, "SUGR 4");
    EXPECT_EQ(doc.findBlock(3), blocks[3]);
    EXPECT_EQ(doc.findBlock(5), nullptr);
    EXPECT_EQ(doc.findBlock(0), nullptr);
    EXPECT_FALSE(blocks[2]->alive());

    // The next block is made from the removed one.
    EXPECT_EQ(doc.createBlock(13, 2, 1, 1, 0, 0, false), blocks[2]);
    EXPECT_EQ(blocks[2]->number, 5);
}

// Output o of A -> point p -> point q -> input of B, and a second branch p -> input of C.
struct WiredFixture : ::testing::Test {
    Document doc;
    TKiste* a = doc.createBlock(14, 0, 0, 1, 0, 0, false);
    TKiste* b = doc.createBlock(14, 0, 0, 1, 20, 0, false);
    TKiste* c = doc.createBlock(14, 0, 0, 1, 20, 20, false);
    TKante* out = a->outputPin(1);
    TKante* p = doc.createPoint(10, 2, 1, vt::Fixed);
    TKante* q = doc.createPoint(15, 2, 1, vt::Fixed);
    TKante* inB = b->inputPin(1);
    TKante* inC = c->inputPin(1);

    void SetUp() override
    {
        for (auto [x, y] : {std::pair{out, p}, {p, q}, {q, inB}, {p, inC}})
            ASSERT_TRUE(linkNeighbours(*x, *y));
        for (TKante* e : {out, p, q, inB, inC})
            e->source = out;
        p->parent = out;
        q->parent = p;
        inB->parent = q;
        inC->parent = p;
    }
};

TEST_F(WiredFixture, RemovingTheDrivingBlockLeavesTheWireWithoutSource)
{
    doc.removeBlock(*a);
    EXPECT_FALSE(out->alive());
    EXPECT_TRUE(p->alive()); // still joins q and C
    EXPECT_EQ(p->neighbourCount, 2);
    for (TKante* e : {p, q, inB, inC}) {
        EXPECT_EQ(e->source, nullptr);
        EXPECT_NE(e->parent, out);
    }
}

TEST_F(WiredFixture, RemovingADrivenBlockKeepsTheWireUpstream)
{
    doc.removeBlock(*b);
    EXPECT_FALSE(inB->alive());
    EXPECT_TRUE(q->alive()); // still joined to p
    EXPECT_EQ(q->neighbourCount, 1);
    EXPECT_EQ(q->source, out);
    EXPECT_EQ(inC->source, out);
}

TEST_F(WiredFixture, RemovingBothEndsOfAPointDropsIt)
{
    doc.removeBlock(*b);
    doc.disconnect(*p, *q);
    EXPECT_FALSE(q->alive());
    EXPECT_FALSE(listed(doc, q));
    EXPECT_EQ(p->neighbourCount, 2);
}

struct FlipCase {
    EditContext::Mode mode;
    bool readOnly;
    bool flips;
};

class Flip : public ::testing::TestWithParam<FlipCase> {};

TEST_P(Flip, OnlyInEditModeAndWritable)
{
    Document doc;
    TKiste* b = doc.createBlock(13, 2, 1, 1, 0, 0, false);
    doc.flipBlock(*b, EditContext{GetParam().mode, GetParam().readOnly, true});
    EXPECT_EQ(b->flipped, GetParam().flips);
    for (const TKante* p : b->pins) {
        const bool right = p->isOutput() != GetParam().flips;
        EXPECT_EQ(p->x, right ? b->widthGrid() : 0) << p->name;
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, Flip,
                         ::testing::Values(FlipCase{EditContext::Mode::Edit, false, true},
                                           FlipCase{EditContext::Mode::Edit, true, false},
                                           FlipCase{EditContext::Mode::Simulation, false, false},
                                           FlipCase{EditContext::Mode::Online, false, false}));

TEST(Document, FlippedBlockPutsNewPinsOnItsInputEdge)
{
    Document doc;
    TKiste* b = doc.createBlock(13, 2, 1, 1, 0, 0, false);
    doc.flipBlock(*b, EditContext{});
    ASSERT_TRUE(doc.changeInputCount(*b, "3"));
    EXPECT_EQ(b->inputPin(3)->x, b->widthGrid());
    doc.flipBlock(*b, EditContext{});
    for (const TKante* p : b->pins)
        EXPECT_EQ(p->x, p->isInput() ? 0 : b->widthGrid());
}

} // namespace
} // namespace fup

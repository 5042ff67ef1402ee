#include "model/Document.h"

#include <gtest/gtest.h>

namespace fup {
namespace {

TEST(Kanten, LinksFillTheFirstFreeSlotAndStopAtFour)
{
    TKante hub;
    TKante others[5];
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(linkNeighbours(hub, others[i]));
    EXPECT_FALSE(linkNeighbours(hub, others[4]));
    EXPECT_EQ(others[4].neighbourCount, 0);
    EXPECT_EQ(hub.neighbourCount, 4);

    ASSERT_TRUE(unlinkNeighbours(hub, others[1]));
    EXPECT_EQ(hub.neighbours[1], nullptr);
    EXPECT_FALSE(unlinkNeighbours(hub, others[1]));
    ASSERT_TRUE(linkNeighbours(hub, others[4]));
    EXPECT_EQ(hub.neighbours[1], &others[4]);
    EXPECT_FALSE(linkNeighbours(hub, hub));
}

TEST(Kanten, CompatibleValueTypes)
{
    EXPECT_TRUE(valueTypesCompatible(vt::Fixed, vt::Integer));
    EXPECT_TRUE(valueTypesCompatible(vt::None, vt::Digital));
    EXPECT_TRUE(valueTypesCompatible(vt::Float, vt::Float));
    EXPECT_FALSE(valueTypesCompatible(vt::Fixed, vt::Digital));
    EXPECT_FALSE(valueTypesCompatible(vt::Integer, vt::Float));
}

TEST(Kanten, NewPinsStartWithTheDisplayTypeOfTheirValueType)
{
    EXPECT_EQ(defaultDisplayType(vt::Digital), dt::VarName);
    EXPECT_EQ(defaultDisplayType(vt::Float), dt::Float);
    EXPECT_EQ(defaultDisplayType(vt::Fixed), dt::Fixed);
    EXPECT_EQ(defaultDisplayType(vt::Integer), dt::Fixed);
}

// Output pin -> p1 -> p2 -> input pin, all digital.
struct Chain : ::testing::Test {
    Document doc;
    TKiste* driver = doc.createBlock(92, 2, 1, 1, 0, 0, false);
    TKiste* driven = doc.createBlock(92, 2, 1, 1, 20, 0, false);
    TKante* out = driver->outputPin(1);
    TKante* p1 = doc.createPoint(8, 2, 1, vt::Digital);
    TKante* p2 = doc.createPoint(12, 2, 1, vt::Digital);
    TKante* in = driven->inputPin(1);

    void SetUp() override
    {
        ASSERT_TRUE(linkNeighbours(*out, *p1));
        ASSERT_TRUE(linkNeighbours(*p1, *p2));
        ASSERT_TRUE(linkNeighbours(*p2, *in));
        for (TKante* e : {out, p1, p2, in})
            e->source = out;
        p1->parent = out;
        p2->parent = p1;
        in->parent = p2;
    }
};

TEST_F(Chain, DisconnectBelowTheSourceClearsTheSubtreeAndRetypesFromItsPin)
{
    doc.disconnect(*p1, *p2);
    EXPECT_EQ(p1->source, out);
    EXPECT_EQ(p2->source, nullptr);
    EXPECT_EQ(in->source, nullptr);
    EXPECT_EQ(p2->parent, nullptr);
    // p2 was made untyped and took the digital type of the input pin again.
    EXPECT_EQ(p2->valueType, vt::Digital);
    EXPECT_TRUE(p1->alive());
    EXPECT_TRUE(p2->alive());
}

TEST_F(Chain, PointsLeftAloneDisappear)
{
    doc.disconnect(*out, *p1);
    EXPECT_TRUE(p1->alive()); // still joined to p2
    doc.disconnect(*p1, *p2);
    EXPECT_FALSE(p1->alive());
    EXPECT_EQ(doc.kanten().size(), 2u * 3 + 1); // two gates of three pins, and p2
}

TEST_F(Chain, RemovingAnInputPinWithoutItselfKeepsItButDropsItsWire)
{
    doc.removeElement(*in, false);
    EXPECT_TRUE(in->alive());
    EXPECT_EQ(in->neighbourCount, 0);
    EXPECT_EQ(in->source, nullptr);
    EXPECT_FALSE(p2->hasNeighbour(in));

    doc.removeElement(*p1, false); // a point always goes
    EXPECT_FALSE(p1->alive());
    EXPECT_EQ(out->neighbourCount, 0);
}

TEST(Kanten, LinkBetweenAMacroPinAndItsPortSurvivesRemovalOfTheOutsideWire)
{
    Document doc;
    TKiste* macro = doc.createBlock(187, 0, 0, 1, 0, 0, false);
    macro->childPage = 200;
    TKiste* port = doc.createBlock(182, 0, 0, 200, 0, 0, false);
    TKante* motherPin = doc.addPin(*macro, ek::InputPin, "a", vt::Digital, 1, false, false);
    TKante* outside = doc.createPoint(0, 0, 1, vt::Digital);
    ASSERT_TRUE(linkNeighbours(*motherPin, *outside));
    ASSERT_TRUE(linkNeighbours(*motherPin, *port->portFacingPin()));
    EXPECT_TRUE(port->portConnected());
    macro->recomputeHeight();
    EXPECT_EQ(macro->heightRows, 2);

    doc.removeElement(*motherPin, false);
    EXPECT_TRUE(motherPin->hasNeighbour(port->portFacingPin()));
    EXPECT_FALSE(outside->alive());

    doc.removeBlock(*macro); // the pin goes, and with it the link into the inside
    EXPECT_FALSE(port->portConnected());
}

} // namespace
} // namespace fup

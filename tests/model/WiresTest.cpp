// Connecting and disconnecting wire elements: the rules, their messages, and how sources,
// parents and value types follow.
#include "model/Document.h"

#include "shell/RecordingReporter.h"

#include <gtest/gtest.h>

#include <functional>

namespace fup {
namespace {

using test::RecordingReporter;

// A few blocks on sheet 1 whose pins cover every value type.
struct Net {
    RecordingReporter rep;
    Document doc{&rep};
    TKiste* add = doc.createBlock(13, 2, 1, 1, 0, 0, false);     // fixed point: o, +1, +2
    TKiste* andW = doc.createBlock(75, 2, 1, 1, 20, 0, false);   // integer inputs
    TKiste* gate = doc.createBlock(92, 2, 1, 1, 40, 0, false);   // digital: o, i1, i2
    TKiste* gate2 = doc.createBlock(93, 2, 1, 1, 60, 0, false);  // digital
    TKiste* bits = doc.createBlock(98, 2, 1, 1, 80, 0, false);   // untyped output
    TKiste* fadd = doc.createBlock(136, 2, 1, 1, 100, 0, false); // floating point

    TKante* fixedOut = add->outputPin(1);
    TKante* fixedIn = add->inputPin(1);
    TKante* intIn = andW->inputPin(1);
    TKante* digOut = gate->outputPin(1);
    TKante* digIn = gate->inputPin(1);
    TKante* digIn2 = gate->inputPin(2);
    TKante* digOut2 = gate2->outputPin(1);
    TKante* digIn3 = gate2->inputPin(1);
    TKante* untypedOut = bits->outputPin(1);
    TKante* floatIn = fadd->inputPin(1);

    TKante* point(std::uint8_t type = vt::None, int sheet = 1)
    {
        return doc.createPoint(10, 10, sheet, type);
    }
};

struct Wires : ::testing::Test, Net {};

TEST_F(Wires, OutputPinsDriveThemselvesFromTheStart)
{
    EXPECT_EQ(netSource(*digOut), digOut);
    EXPECT_EQ(digOut->source, digOut);
    EXPECT_EQ(netSource(*digIn), nullptr);
}

struct RefusalCase {
    const char* name;
    // Builds the situation and answers the pair to connect.
    std::function<std::pair<TKante*, TKante*>(Net&)> setUp;
    ConnectRefusal refusal;
    std::vector<std::string> report; // what connect writes
};

std::vector<RefusalCase> refusalCases()
{
    using P = std::pair<TKante*, TKante*>;
    return {
        {"FixedPointOntoInteger",
         [](Net& w) {
             return P{w.fixedOut, w.intIn};
         },
         ConnectRefusal::None,
         {}},
        {"FixedPointOntoDigital",
         [](Net& w) {
             return P{w.fixedOut, w.digIn};
         },
         ConnectRefusal::ValueTypes,
         {}},
        {"DigitalOntoFloat",
         [](Net& w) {
             return P{w.digOut, w.floatIn};
         },
         ConnectRefusal::ValueTypes,
         {}},
        {"ElementWithItself",
         [](Net& w) {
             return P{w.digIn, w.digIn};
         },
         ConnectRefusal::SameElement,
         {}},
        {"UntypedSourceOntoTypedPoint",
         [](Net& w) {
             return P{w.untypedOut, w.point(vt::Digital)};
         },
         ConnectRefusal::UntypedSource,
         {}},
        {"TypedPointOntoUntypedSource",
         [](Net& w) {
             return P{w.point(vt::Fixed), w.untypedOut};
         },
         ConnectRefusal::UntypedSource,
         {}},
        {"UntypedSourceOntoUntypedPoint",
         [](Net& w) {
             return P{w.untypedOut, w.point()};
         },
         ConnectRefusal::None,
         {}},
        {"HiddenPin",
         [](Net& w) {
             TKiste* port = w.doc.createBlock(182, 0, 0, 1, 0, 20, false);
             return P{w.point(vt::Digital), port->portFacingPin()};
         },
         ConnectRefusal::NotWirable,
         {}},
        {"InputPinWiredAlready",
         [](Net& w) {
             TKante* p = w.point(vt::Digital);
             w.doc.connect(*p, *w.digIn);
             return P{w.point(vt::Digital), w.digIn};
         },
         ConnectRefusal::PinTaken,
         {}},
        {"OutputPinWiredAlready",
         [](Net& w) {
             w.doc.connect(*w.digOut, *w.point());
             return P{w.digOut, w.point()};
         },
         ConnectRefusal::PinTaken,
         {}},
        {"PointWithFourNeighbours",
         [](Net& w) {
             TKante* hub = w.point(vt::Digital);
             for (int i = 0; i < 4; ++i)
                 w.doc.connect(*hub, *w.point());
             return P{w.digIn, hub};
         },
         ConnectRefusal::NeighboursFull,
         {"LOG:Max. NachbarAnzahl erreicht"}},
        {"InputPinWithConstant",
         [](Net& w) {
             w.fixedIn->varType = var::Own;
             return P{w.point(vt::Fixed), w.fixedIn};
         },
         ConnectRefusal::ExternalVariable,
         {"LOG:ExtVar-Input"}},
        {"InputPinWithReference",
         [](Net& w) {
             w.digIn->varType = var::Reference;
             return P{w.digIn, w.digOut2};
         },
         ConnectRefusal::ExternalVariable,
         {"LOG:ExtVar-Input"}},
        {"PinOntoPointOfAnotherSheet",
         [](Net& w) {
             w.doc.appendSheet("");
             return P{w.digOut, w.point(vt::None, 2)};
         },
         ConnectRefusal::PinAcrossSheets,
         {"BOX:IoPin: nur ueber Zwischenpunkt nach andere Seite wechseln!"}},
        {"PointsOfTwoSheets",
         [](Net& w) {
             w.doc.appendSheet("");
             return P{w.point(), w.point(vt::None, 2)};
         },
         ConnectRefusal::None,
         {}},
        {"SecondLinkToAnotherSheet",
         [](Net& w) {
             w.doc.appendSheet("");
             w.doc.appendSheet("");
             TKante* through = w.point();
             w.doc.connect(*through, *w.point(vt::None, 2));
             return P{through, w.point(vt::None, 3)};
         },
         ConnectRefusal::SecondCrossLink,
         {"BOX:Durchkontaktierung: nur ueber Zwischenpunkt nach andere Seite wechseln!"}},
        {"TwoEndsOfOneNet",
         [](Net& w) {
             TKante* fork = w.point();
             TKante* left = w.point();
             TKante* right = w.point();
             w.doc.connect(*w.digOut, *fork);
             w.doc.connect(*fork, *left);
             w.doc.connect(*fork, *right);
             return P{left, right};
         },
         ConnectRefusal::Cycle,
         {}},
        {"TwoOutputs",
         [](Net& w) {
             TKante* a = w.point();
             TKante* b = w.point();
             w.doc.connect(*w.digOut, *a);
             w.doc.connect(*b, *w.digOut2);
             return P{a, b};
         },
         ConnectRefusal::TwoSources,
         {"LOG:AusGaenge nicht zusammenschalten"}},
    };
}

struct ConnectRuleTest : ::testing::TestWithParam<RefusalCase> {};

TEST_P(ConnectRuleTest, RefusesWithItsMessageAndChangesNothing)
{
    Net w;
    const auto [a, b] = GetParam().setUp(w);
    w.rep.lines.clear();
    const int countA = a->neighbourCount;
    const int countB = b->neighbourCount;
    const TKante* sourceA = a->source;
    const TKante* sourceB = b->source;

    EXPECT_EQ(w.doc.connectRefusal(*a, *b), GetParam().refusal);
    const bool linked = w.doc.connect(*a, *b);
    EXPECT_EQ(w.rep.lines, GetParam().report);
    if (GetParam().refusal == ConnectRefusal::None) {
        EXPECT_TRUE(linked);
        EXPECT_TRUE(a->hasNeighbour(b));
        EXPECT_TRUE(b->hasNeighbour(a));
        return;
    }
    EXPECT_FALSE(linked);
    EXPECT_EQ(a->neighbourCount, countA);
    EXPECT_EQ(b->neighbourCount, countB);
    EXPECT_EQ(a->source, sourceA);
    EXPECT_EQ(b->source, sourceB);
}

INSTANTIATE_TEST_SUITE_P(Table, ConnectRuleTest, ::testing::ValuesIn(refusalCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Wires, ReachableOverAnyLinkInEitherDirection)
{
    // A long chain and a single point, joined only through the long chain's end.
    std::vector<TKante*> chain{point()};
    for (int i = 0; i < 20; ++i) {
        chain.push_back(point());
        ASSERT_TRUE(linkNeighbours(*chain[chain.size() - 2], *chain.back()));
    }
    TKante* alone = point();
    EXPECT_TRUE(reachable(*chain.front(), *chain.back()));
    EXPECT_TRUE(reachable(*chain.back(), *chain.front()));
    EXPECT_TRUE(reachable(*alone, *alone));
    EXPECT_FALSE(reachable(*chain.front(), *alone));
    EXPECT_FALSE(reachable(*alone, *chain[10]));
    ASSERT_TRUE(linkNeighbours(*chain.back(), *digIn));
    ASSERT_TRUE(linkNeighbours(*digIn, *alone)); // as a macro pin joins its port
    EXPECT_TRUE(reachable(*alone, *chain.front()));
}

TEST_F(Wires, MacroInputPinTakesAWireBesideItsPortLink)
{
    TKiste* macro = doc.createBlock(187, 0, 0, 1, 0, 30, false);
    TKante* pin = doc.addPin(*macro, ek::InputPin, "a", vt::Digital, 1, false, false);
    TKiste* port = doc.createBlock(182, 0, 0, 200, 0, 0, false);
    ASSERT_TRUE(linkNeighbours(*pin, *port->portFacingPin()));

    EXPECT_TRUE(doc.connect(*digOut, *pin));
    EXPECT_EQ(pin->source, digOut);
    EXPECT_EQ(doc.connectRefusal(*digOut2, *pin), ConnectRefusal::PinTaken);
}

TEST_F(Wires, UntypedPointTakesTheTypeOfTheInputAndThenTheSourceOfTheOutput)
{
    TKante* p = point();
    ASSERT_TRUE(doc.connect(*p, *digIn));
    EXPECT_EQ(p->valueType, vt::Digital);
    EXPECT_EQ(digIn->source, nullptr);

    ASSERT_TRUE(doc.connect(*p, *digOut));
    EXPECT_EQ(p->source, digOut);
    EXPECT_EQ(p->parent, digOut);
    EXPECT_EQ(digIn->source, digOut);
    EXPECT_EQ(digIn->parent, p);
}

TEST_F(Wires, TypeSpreadsOverEveryPointOfAnUndrivenChain)
{
    // p1 - p2 - p3 untyped, then the end joins a fixed-point input.
    TKante* p1 = point();
    TKante* p2 = point();
    TKante* p3 = point();
    ASSERT_TRUE(doc.connect(*p1, *p2));
    ASSERT_TRUE(doc.connect(*p2, *p3));
    ASSERT_TRUE(doc.connect(*fixedIn, *p1));
    for (TKante* p : {p1, p2, p3})
        EXPECT_EQ(p->valueType, vt::Fixed);
    // A fixed-point net also takes integer inputs; its points keep their type.
    ASSERT_TRUE(doc.connect(*p3, *intIn));
    EXPECT_EQ(p3->valueType, vt::Fixed);
}

TEST_F(Wires, SourceReachesTheJoinedSubtreeOnly)
{
    // Driven: digOut - a. Undriven: b1 - b2 - digIn, b1 - b3 - digIn2.
    TKante* a = point();
    ASSERT_TRUE(doc.connect(*digOut, *a));
    TKante* b1 = point();
    TKante* b2 = point();
    TKante* b3 = point();
    ASSERT_TRUE(doc.connect(*b1, *b2));
    ASSERT_TRUE(doc.connect(*b2, *digIn));
    ASSERT_TRUE(doc.connect(*b1, *b3));
    ASSERT_TRUE(doc.connect(*b3, *digIn2));
    // An unrelated net keeps its own source.
    TKante* other = point();
    ASSERT_TRUE(doc.connect(*digOut2, *other));

    // Joining from the undriven side: parents point back towards the source.
    ASSERT_TRUE(doc.connect(*b2, *a));
    EXPECT_EQ(b2->parent, a);
    EXPECT_EQ(b1->parent, b2);
    EXPECT_EQ(digIn->parent, b2);
    EXPECT_EQ(b3->parent, b1);
    EXPECT_EQ(digIn2->parent, b3);
    for (TKante* e : {a, b1, b2, b3, digIn, digIn2})
        EXPECT_EQ(e->source, digOut);
    EXPECT_EQ(other->source, digOut2);
    EXPECT_EQ(other->parent, digOut2);
}

TEST_F(Wires, PointsJoiningADrivenNetTakeTheTypeOfItsSource)
{
    // An undriven chain typed integer by its input joins a fixed-point output.
    TKante* p = point();
    ASSERT_TRUE(doc.connect(*p, *intIn));
    ASSERT_EQ(p->valueType, vt::Integer);
    ASSERT_TRUE(doc.connect(*fixedOut, *p));
    EXPECT_EQ(p->valueType, vt::Fixed);
    EXPECT_EQ(intIn->source, fixedOut);
    EXPECT_EQ(intIn->valueType, vt::Integer); // a pin keeps its own type
}

// digOut2 - p1 - p2 - digIn, with a branch p1 - p3 - digIn2.
struct Tree : Wires {
    TKante* p1 = point();
    TKante* p2 = point();
    TKante* p3 = point();

    void SetUp() override
    {
        ASSERT_TRUE(doc.connect(*digOut2, *p1));
        ASSERT_TRUE(doc.connect(*p1, *p2));
        ASSERT_TRUE(doc.connect(*p2, *digIn));
        ASSERT_TRUE(doc.connect(*p1, *p3));
        ASSERT_TRUE(doc.connect(*p3, *digIn2));
    }
};

TEST_F(Tree, DisconnectReleasesTheCutOffBranchOnlyWhicheverWayRoundItIsAsked)
{
    for (bool reversed : {false, true}) {
        SCOPED_TRACE(reversed ? "p2, p1" : "p1, p2");
        if (reversed)
            doc.disconnect(*p2, *p1);
        else
            doc.disconnect(*p1, *p2);
        EXPECT_EQ(p2->source, nullptr);
        EXPECT_EQ(p2->parent, nullptr);
        EXPECT_EQ(digIn->source, nullptr);
        EXPECT_EQ(digIn->parent, nullptr);
        EXPECT_EQ(p2->valueType, vt::Digital); // typed again from its input pin
        EXPECT_EQ(p3->source, digOut2);
        EXPECT_EQ(digIn2->source, digOut2);
        EXPECT_EQ(digIn2->parent, p3);
        ASSERT_TRUE(doc.connect(*p1, *p2)); // and joined again for the other order
        EXPECT_EQ(digIn->source, digOut2);
    }
}

TEST_F(Tree, RemovingTheDrivingBlockLeavesPointsTypedByTheirInputs)
{
    doc.removeBlock(*gate2);
    // p1 lost its only link towards the source but keeps its branches.
    EXPECT_TRUE(p1->alive());
    EXPECT_EQ(p2->source, nullptr);
    EXPECT_EQ(p1->source, nullptr);
    EXPECT_EQ(p3->source, nullptr);
    EXPECT_EQ(digIn2->source, nullptr);
    EXPECT_EQ(p3->valueType, vt::Digital);
    EXPECT_EQ(p2->valueType, vt::Digital);
}

TEST_F(Tree, RemovingABranchPointDropsEveryLinkAndItself)
{
    doc.removeElement(*p1, false);
    EXPECT_FALSE(p1->alive());
    EXPECT_EQ(digOut2->neighbourCount, 0);
    EXPECT_EQ(p2->source, nullptr);
    EXPECT_EQ(p3->source, nullptr);
    EXPECT_TRUE(p2->alive()); // still joined to its input
}

TEST_F(Wires, UndrivenNetLosesTheTypeOfAPinThatLeftIt)
{
    for (bool reversed : {false, true}) {
        SCOPED_TRACE(reversed ? "pin first" : "point first");
        TKante* p1 = point();
        TKante* p2 = point();
        ASSERT_TRUE(doc.connect(*p1, *p2));
        ASSERT_TRUE(doc.connect(*p2, *digIn));
        ASSERT_EQ(p1->valueType, vt::Digital);
        if (reversed)
            doc.disconnect(*digIn, *p2);
        else
            doc.disconnect(*p2, *digIn);
        EXPECT_EQ(p1->valueType, vt::None);
        EXPECT_EQ(p2->valueType, vt::None);
        // Untyped again, the points may join a net of any type.
        EXPECT_TRUE(doc.connect(*p2, *floatIn));
        doc.removeElement(*p1, false);
        doc.removeElement(*p2, false);
    }
}

TEST_F(Wires, ReleasedPointsTakeATypedPinEvenWhenAnUntypedOneWasFoundLast)
{
    // The undriven rest holds a digital input and the untyped input of a VAR block; in
    // either order of drawing, a fixed-point output must not reach the digital input.
    TKiste* var = doc.createBlock(1, 0, 0, 1, 0, 40, false);
    TKante* untypedIn = var->inputPin(1);
    ASSERT_EQ(untypedIn->valueType, vt::None);
    for (bool untypedFirst : {false, true}) {
        SCOPED_TRACE(untypedFirst ? "untyped input drawn first" : "digital input drawn first");
        TKante* p = point();
        ASSERT_TRUE(doc.connect(*digOut2, *p));
        TKante* first = untypedFirst ? untypedIn : digIn;
        TKante* second = untypedFirst ? digIn : untypedIn;
        ASSERT_TRUE(doc.connect(*p, *first));
        ASSERT_TRUE(doc.connect(*p, *second));

        doc.disconnect(*digOut2, *p);
        EXPECT_EQ(p->source, nullptr);
        EXPECT_EQ(p->valueType, vt::Digital);
        EXPECT_EQ(doc.connectRefusal(*fixedOut, *p), ConnectRefusal::ValueTypes);
        doc.removeElement(*p, false);
    }
}

TEST_F(Wires, InsertedPointTakesTheTypeOfItsNet)
{
    // A fixed-point net ending on an integer input.
    ASSERT_TRUE(doc.connect(*fixedOut, *intIn));
    TKante* inserted = doc.insertPoint(*intIn);
    ASSERT_NE(inserted, nullptr);
    EXPECT_EQ(inserted->valueType, vt::Fixed);
    EXPECT_EQ(inserted->parent, fixedOut);
    EXPECT_EQ(intIn->parent, inserted);
}

TEST_F(Wires, InsertPointBetweenAnInputAndItsParent)
{
    TKante* p = point();
    ASSERT_TRUE(doc.connect(*digOut, *p));
    ASSERT_TRUE(doc.connect(*p, *digIn));
    p->commentFlag = false;
    digIn->commentFlag = true;
    digIn->selected = true;

    TKante* inserted = doc.insertPoint(*digIn);
    ASSERT_NE(inserted, nullptr);
    EXPECT_EQ(inserted->x, gate->x - 1);
    EXPECT_EQ(inserted->y, gate->y + 2 * digIn->ordinal() - 1);
    EXPECT_EQ(inserted->sheet, 1);
    EXPECT_EQ(inserted->valueType, vt::Digital);
    EXPECT_TRUE(inserted->commentFlag);
    EXPECT_TRUE(inserted->selected);
    EXPECT_TRUE(inserted->hasNeighbour(p));
    EXPECT_TRUE(inserted->hasNeighbour(digIn));
    EXPECT_FALSE(p->hasNeighbour(digIn));
    EXPECT_EQ(inserted->source, digOut);
    EXPECT_EQ(inserted->parent, p);
    EXPECT_EQ(digIn->parent, inserted);
}

TEST_F(Wires, InsertPointAfterADrivingPinOfAFlippedBlock)
{
    doc.flipBlock(*gate, EditContext{});
    TKante* p = point();
    ASSERT_TRUE(doc.connect(*digOut, *p));
    TKante* inserted = doc.insertPoint(*digOut);
    ASSERT_NE(inserted, nullptr);
    EXPECT_EQ(inserted->x, gate->x + digOut->x + 1); // right of a flipped block's pin
    EXPECT_EQ(inserted->parent, digOut);
    EXPECT_EQ(p->parent, inserted);
    EXPECT_EQ(p->source, digOut);
}

TEST_F(Wires, InsertPointOnlyWhereOffered)
{
    TKante* lone = point();
    EXPECT_FALSE(doc.canInsertPoint(*lone)); // no source
    TKante* p = point();
    ASSERT_TRUE(doc.connect(*digOut, *p));
    EXPECT_FALSE(doc.canInsertPoint(*p)); // a point with one neighbour
    ASSERT_TRUE(doc.connect(*p, *digIn));
    EXPECT_TRUE(doc.canInsertPoint(*p));
    ASSERT_TRUE(doc.connect(*p, *digIn2));
    EXPECT_FALSE(doc.canInsertPoint(*p)); // three
    EXPECT_EQ(doc.insertPoint(*p), nullptr);
}

TEST_F(Wires, RebuildFromRawLinksRestoresSourcesParentsAndTypes)
{
    // As a file reader leaves them: links only.
    TKante* p1 = point();
    TKante* p2 = point();
    TKante* q = point();
    ASSERT_TRUE(linkNeighbours(*digOut, *p1));
    ASSERT_TRUE(linkNeighbours(*p1, *p2));
    ASSERT_TRUE(linkNeighbours(*p2, *digIn));
    ASSERT_TRUE(linkNeighbours(*q, *fixedIn)); // undriven
    digOut->source = nullptr;

    doc.rebuildNets();
    EXPECT_EQ(digOut->source, digOut);
    EXPECT_EQ(p1->source, digOut);
    EXPECT_EQ(p2->parent, p1);
    EXPECT_EQ(digIn->parent, p2);
    EXPECT_EQ(p2->valueType, vt::Digital);
    EXPECT_EQ(q->source, nullptr);
    EXPECT_EQ(q->valueType, vt::Fixed);
}

TEST_F(Wires, FollowALinkToAnotherSheet)
{
    doc.appendSheet("zwei");
    TKante* here = doc.createPoint(5, 5, 1, vt::None);
    TKante* there = doc.createPoint(300, 200, 2, vt::None);
    ASSERT_TRUE(doc.connect(*here, *there));
    EXPECT_EQ(doc.followTarget(*there), here);
    EXPECT_EQ(doc.followLink(*here), there);
    EXPECT_EQ(doc.currentSheet(), 2);
    EXPECT_EQ(doc.scrollX(), 300 * doc.zoom() - doc.clientWidth() / 2);
    EXPECT_EQ(doc.scrollY(), 200 * doc.zoom() - doc.clientHeight() / 2);
    // Nothing to follow from a point without such a link, nor into an inside.
    EXPECT_EQ(doc.followLink(*doc.createPoint(1, 1, 1, vt::None)), nullptr);
    TKante* inside = doc.createPoint(1, 1, 200, vt::None);
    TKante* outside = doc.createPoint(1, 1, 1, vt::None);
    ASSERT_TRUE(linkNeighbours(*inside, *outside));
    EXPECT_EQ(doc.followTarget(*outside), nullptr);
}

TEST_F(Wires, SelectFramePicksPointsInsideItOnTheCurrentSheet)
{
    doc.appendSheet("");
    TKante* in = doc.createPoint(10, 10, 1, vt::None);
    TKante* rightEdge = doc.createPoint(20, 10, 1, vt::None);
    TKante* otherSheet = doc.createPoint(10, 10, 2, vt::None);
    doc.selectInRect(10, 10, 20, 20);
    EXPECT_TRUE(in->selected);
    EXPECT_FALSE(rightEdge->selected);
    EXPECT_FALSE(otherSheet->selected);
}

TEST_F(Wires, MoveCheckKeepsPinsOnTheirSheetAndOneTargetPerPoint)
{
    doc.appendSheet("");
    TKante* p = point();
    ASSERT_TRUE(doc.connect(*digOut, *p));
    EXPECT_EQ(doc.moveCheck(1), "ok"); // nothing selected

    // The block goes, its wire's point stays.
    for (TKante* pin : gate->pins)
        pin->selected = true;
    EXPECT_EQ(doc.moveCheck(0), "ok");
    EXPECT_EQ(doc.moveCheck(1), "Anschluesse nur ueber Zwischenpunkte in andere Seiten verschieben.");
    p->selected = true;
    EXPECT_EQ(doc.moveCheck(1), "ok");
    doc.clearSelection();

    // A point that leaves two neighbours behind.
    TKante* left = point();
    TKante* right = point();
    TKante* middle = point();
    ASSERT_TRUE(doc.connect(*left, *middle));
    ASSERT_TRUE(doc.connect(*middle, *right));
    middle->selected = true;
    EXPECT_EQ(doc.moveCheck(1), "Verbindungen duerfen nur EIN Ziel in einer anderen Seite haben.");
    left->selected = true;
    EXPECT_EQ(doc.moveCheck(1), "ok");

    doc.moveSelectedElements(3, -2, 1);
    EXPECT_EQ(middle->sheet, 2);
    EXPECT_EQ(middle->x, 13);
    EXPECT_EQ(middle->y, 8);
    EXPECT_EQ(right->sheet, 1);
}

} // namespace
} // namespace fup

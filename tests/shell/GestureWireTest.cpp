// Drawing, extending and moving wires with the mouse, driven by synthetic events.
#include "shell/GestureBench.h"

#include "model/Kanten.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

namespace fup {
namespace {

using test::GestureBench;
using Kind = GestureResult::Kind;

// Two fixed-point adders side by side and two AND gates below them.
struct Wires : GestureBench, ::testing::Test {
    TKiste* a = doc.createBlock(13, 2, 1, 1, 10, 10, false);
    TKiste* b = doc.createBlock(13, 2, 1, 1, 40, 10, false);
    TKiste* g = doc.createBlock(92, 2, 1, 1, 10, 40, false);
    TKiste* h = doc.createBlock(92, 2, 1, 1, 40, 40, false);
};

TEST_F(Wires, OutputClickedThenInputClickedAreJoined)
{
    TKante* out = a->outputPin(1);
    TKante* in = b->inputPin(1);
    click(at(out));
    EXPECT_EQ(layer.state(), WireState::RubberBand);
    EXPECT_EQ(layer.startElement(), out);
    moveTo(at(in));
    EXPECT_EQ(press(at(in)).kind, Kind::Consumed);
    EXPECT_EQ(layer.state(), WireState::Idle);
    EXPECT_TRUE(out->hasNeighbour(in));
    EXPECT_EQ(netSource(*in), out);
    EXPECT_EQ(layer.cursor(), GestureCursor::Arrow);
    EXPECT_EQ(snapshots, 1);
    EXPECT_TRUE(rep.lines.empty());
}

TEST_F(Wires, WireOfTwoSegmentsThroughANewPoint)
{
    TKante* out = a->outputPin(1);
    TKante* in = b->inputPin(2);
    const PixelPoint bend = grid(25, 30);
    drawWire(out, bend);
    EXPECT_EQ(layer.state(), WireState::Idle);
    ASSERT_EQ(out->neighbourCount, 1);
    TKante* point = out->firstNeighbour();
    EXPECT_TRUE(point->isPoint());
    EXPECT_EQ(elementGrid(*point), (GridPoint{25, 30}));
    EXPECT_EQ(point->sheet, 1);
    EXPECT_EQ(point->valueType, vt::Fixed);
    EXPECT_EQ(point->source, out);
    EXPECT_EQ(point->parent, out);

    // The same gesture from the new point completes the wire.
    click(bend);
    ASSERT_EQ(layer.state(), WireState::RubberBand);
    EXPECT_EQ(layer.startElement(), point);
    press(at(in));
    EXPECT_EQ(point->neighbourCount, 2);
    EXPECT_TRUE(point->hasNeighbour(in));
    EXPECT_EQ(netSource(*in), out);
    EXPECT_EQ(in->parent, point);
    EXPECT_EQ(snapshots, 2);
}

TEST_F(Wires, RubberBandFollowsTheMouseUntilAClickOnAGridPoint)
{
    TKante* out = g->outputPin(1);
    click(at(out));
    const std::size_t elements = doc.kanten().size();

    // The line runs from the grid point under the mouse to the start element.
    moveTo(offset(grid(30, 30), 3, -2));
    GestureLayout drawn = layer.layout();
    EXPECT_TRUE(drawn.rubberBand);
    EXPECT_EQ(drawn.bandFrom, grid(30, 30));
    EXPECT_EQ(drawn.bandTo, at(out));
    EXPECT_EQ(drawn.colour, colour::Red);
    EXPECT_TRUE(drawn.startShown);
    EXPECT_EQ(layer.cursor(), GestureCursor::Cross);

    // Between grid points (more than 4 pixels off at zoom 10) a click does nothing.
    const PixelPoint between = offset(grid(30, 30), 5, 0);
    moveTo(between);
    EXPECT_EQ(layer.cursor(), GestureCursor::Arrow);
    EXPECT_EQ(press(between).kind, Kind::Consumed);
    EXPECT_EQ(layer.state(), WireState::RubberBand);
    EXPECT_EQ(doc.kanten().size(), elements);

    // A right click cancels and leaves the diagram as it was.
    EXPECT_EQ(press(grid(30, 30), MouseButton::Right).kind, Kind::Consumed);
    EXPECT_EQ(layer.state(), WireState::Idle);
    EXPECT_EQ(doc.kanten().size(), elements);
    EXPECT_EQ(out->neighbourCount, 0);
    EXPECT_FALSE(layer.layout().rubberBand);
    EXPECT_EQ(snapshots, 0);
}

TEST_F(Wires, ScrolledAndZoomedViewKeepsTheGridUnderTheMouse)
{
    doc.setZoom(7);
    doc.setScroll(35, 21);
    TKante* out = a->outputPin(1);
    click(at(out));
    // At zoom 7 the cross tolerance is 2 pixels.
    const PixelPoint target = grid(30, 30);
    EXPECT_EQ(target, (PixelPoint{175, 189}));
    press(offset(target, 3, 0));
    EXPECT_EQ(layer.state(), WireState::RubberBand);
    press(offset(target, -2, 2));
    ASSERT_EQ(layer.state(), WireState::Idle);
    ASSERT_EQ(out->neighbourCount, 1);
    EXPECT_EQ(elementGrid(*out->firstNeighbour()), (GridPoint{30, 30}));
}

TEST_F(Wires, DraggedPointFollowsTheMouseInGridSteps)
{
    TKante* out = a->outputPin(1);
    drawWire(out, grid(30, 30));
    TKante* point = out->firstNeighbour();
    const PixelPoint centre = at(point);
    const PixelPoint grip = offset(centre, 2, 1);

    press(grip);
    EXPECT_EQ(layer.state(), WireState::Armed);
    moveTo(offset(grip, 13, 0), MouseButton::Left);
    // Before 70 ms nothing moves.
    timers.advance(WireLayer::DragDelayMs - 1);
    moveTo(offset(grip, 23, 4), MouseButton::Left);
    EXPECT_EQ(elementGrid(*point), (GridPoint{30, 30}));
    timers.advance(1);
    EXPECT_EQ(layer.state(), WireState::Dragging);

    // 23 pixels right is 2.3 grid units: the nearest grid point is 2 units on.
    moveTo(offset(grip, 23, 4), MouseButton::Left);
    EXPECT_EQ(elementGrid(*point), (GridPoint{32, 30}));
    moveTo(offset(grip, 27, -16), MouseButton::Left);
    EXPECT_EQ(elementGrid(*point), (GridPoint{33, 28}));
    EXPECT_EQ(layer.layout().startMark.left, at(point).x - handleHalf(view()));

    release(offset(grip, 27, -16));
    EXPECT_EQ(layer.state(), WireState::Idle);
    EXPECT_EQ(point->neighbourCount, 1);
    EXPECT_EQ(point->source, out);
    EXPECT_EQ(snapshots, 2); // the new point, then the move
}

TEST_F(Wires, PinsNeverFollowTheMouse)
{
    TKante* out = a->outputPin(1);
    press(at(out));
    moveTo(offset(at(out), 30, 30), MouseButton::Left);
    timers.advance(200);
    moveTo(offset(at(out), 40, 30), MouseButton::Left);
    EXPECT_EQ(layer.state(), WireState::Armed);
    release(offset(at(out), 40, 30));
    EXPECT_EQ(layer.state(), WireState::RubberBand);
}

// Refused gestures leave every link as it was and report what the model reports.
TEST(WireRefusals, NetUnchangedAndMessage)
{
    struct Case {
        const char* name;
        // Builds the situation; returns the start element and where the gesture ends.
        std::function<std::pair<TKante*, TKante*>(GestureBench&)> setUp;
        std::vector<std::string> report;
        WireState after;
    };
    const std::vector<Case> cases = {
        {"fixed point onto digital",
         [](GestureBench& t) {
             TKiste* add = t.doc.createBlock(13, 2, 1, 1, 10, 10, false);
             TKiste* gate = t.doc.createBlock(92, 2, 1, 1, 40, 10, false);
             return std::pair{add->outputPin(1), gate->inputPin(1)};
         },
         {},
         WireState::Idle},
        {"two outputs",
         [](GestureBench& t) {
             TKiste* one = t.doc.createBlock(13, 2, 1, 1, 10, 10, false);
             TKiste* two = t.doc.createBlock(13, 2, 1, 1, 40, 10, false);
             return std::pair{one->outputPin(1), two->outputPin(1)};
         },
         {"LOG:AusGaenge nicht zusammenschalten"},
         WireState::Idle},
        {"two driven nets",
         [](GestureBench& t) {
             TKiste* one = t.doc.createBlock(13, 2, 1, 1, 10, 10, false);
             TKiste* two = t.doc.createBlock(13, 2, 1, 1, 10, 30, false);
             TKante* p = t.doc.createPoint(30, 12, 1, vt::None);
             TKante* q = t.doc.createPoint(30, 32, 1, vt::None);
             t.doc.connect(*one->outputPin(1), *p);
             t.doc.connect(*two->outputPin(1), *q);
             return std::pair{p, q};
         },
         {"LOG:AusGaenge nicht zusammenschalten"},
         WireState::Idle},
        {"closing a loop",
         [](GestureBench& t) {
             TKante* p = t.doc.createPoint(20, 20, 1, vt::None);
             TKante* q = t.doc.createPoint(30, 20, 1, vt::None);
             TKante* r = t.doc.createPoint(30, 30, 1, vt::None);
             t.doc.connect(*p, *q);
             t.doc.connect(*q, *r);
             return std::pair{r, p};
         },
         {},
         WireState::Idle},
        {"input with a constant",
         [](GestureBench& t) {
             TKiste* add = t.doc.createBlock(13, 2, 1, 1, 10, 10, false);
             t.doc.createConstant(*add->inputPin(1), dt::Fixed, "0.5", t.time);
             return std::pair{add->inputPin(1), static_cast<TKante*>(nullptr)};
         },
         {"LOG:ExtVar-Input"},
         WireState::Idle},
        {"point with four neighbours",
         [](GestureBench& t) {
             TKante* hub = t.doc.createPoint(30, 30, 1, vt::None);
             const int spokes[4][2] = {{20, 30}, {40, 30}, {30, 20}, {30, 40}};
             for (const auto& s : spokes)
                 t.doc.connect(*hub, *t.doc.createPoint(s[0], s[1], 1, vt::None));
             return std::pair{hub, static_cast<TKante*>(nullptr)};
         },
         {"LOG:Max. NachbarAnzahl erreicht"},
         WireState::Idle},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GestureBench t;
        const auto [from, to] = c.setUp(t);
        const auto before = t.links();
        const std::size_t elements = t.doc.kanten().size();
        t.click(t.at(from));
        if (to) {
            ASSERT_EQ(t.layer.state(), WireState::RubberBand);
            t.moveTo(t.at(to));
            t.press(t.at(to));
            t.release(t.at(to));
        }
        EXPECT_EQ(t.layer.state(), c.after);
        EXPECT_EQ(t.links(), before);
        EXPECT_EQ(t.doc.kanten().size(), elements);
        EXPECT_EQ(t.rep.lines, c.report);
        EXPECT_EQ(t.snapshots, 0);
    }
}

TEST_F(Wires, AWiredPinStartsNothing)
{
    ASSERT_TRUE(doc.connect(*a->outputPin(1), *b->inputPin(1)));
    click(at(b->inputPin(1)));
    EXPECT_EQ(layer.state(), WireState::Idle);
    EXPECT_FALSE(layer.layout().startShown);
}

TEST_F(Wires, ContinuingOnAnotherSheet)
{
    doc.appendSheet("zwei");
    TKante* out = a->outputPin(1);

    // A pin's wire may not leave its sheet directly.
    click(at(out));
    doc.setCurrentSheet(2);
    moveTo(grid(20, 20));
    press(grid(20, 20));
    EXPECT_EQ(rep.lines, std::vector<std::string>{"BOX:IoPin: nur ueber Zwischenpunkt nach andere Seite wechseln!"});
    EXPECT_EQ(layer.state(), WireState::RubberBand);
    layer.reset();
    EXPECT_EQ(layer.state(), WireState::Idle);

    // Through an intermediate point it may, once.
    doc.setCurrentSheet(1);
    drawWire(out, grid(30, 30));
    TKante* point = out->firstNeighbour();
    click(at(point));
    doc.setCurrentSheet(2);
    moveTo(grid(20, 20));
    press(grid(20, 20));
    EXPECT_EQ(layer.state(), WireState::Idle);
    TKante* there = crossSheetNeighbour(*point);
    ASSERT_NE(there, nullptr);
    EXPECT_EQ(there->sheet, 2);
    EXPECT_EQ(elementGrid(*there), (GridPoint{20, 20}));
    EXPECT_EQ(there->source, out);

    rep.lines.clear();
    doc.setCurrentSheet(1);
    click(at(point));
    doc.setCurrentSheet(2);
    press(grid(10, 20));
    EXPECT_EQ(rep.lines, std::vector<std::string>{
                             "BOX:Durchkontaktierung: nur ueber Zwischenpunkt nach andere Seite wechseln!"});
    EXPECT_EQ(layer.state(), WireState::RubberBand);
    EXPECT_EQ(crossSheetNeighbourCount(*point), 1);

    // Shift-click follows the link: the other sheet comes up and the pointer lands on it.
    layer.reset();
    doc.setCurrentSheet(1);
    press(at(point), MouseButton::Left, {.shift = true});
    EXPECT_EQ(doc.currentSheet(), 2);
    ASSERT_EQ(pointer.size(), 1u);
    EXPECT_EQ(pointer[0], at(there));
    EXPECT_EQ(layer.state(), WireState::Idle);
}

TEST_F(Wires, AltAndCtrlClicksWorkOnTheSignalComment)
{
    TKante* out = g->outputPin(1);
    drawWire(out, grid(30, 50));
    TKante* point = out->firstNeighbour();
    const int before = snapshots;

    dialogs.inputs = {"Pumpe \"an\""};
    press(at(point), MouseButton::Left, {.ctrl = true});
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_THAT(dialogs.asked[0], ::testing::StartsWith("input:Signal Kommentar|bitte eingeben|"));
    EXPECT_EQ(netComment(*point), "Pumpe  an ");
    EXPECT_TRUE(point->commentFlag);

    press(at(point), MouseButton::Left, {.alt = true});
    EXPECT_FALSE(point->commentFlag);
    press(at(point), MouseButton::Left, {.alt = true});
    EXPECT_TRUE(point->commentFlag);
    EXPECT_EQ(snapshots, before + 3);
    // No gesture starts with a modifier held.
    EXPECT_EQ(layer.state(), WireState::Idle);

    // Without a source there is nothing to comment on.
    TKante* lone = h->inputPin(1);
    press(at(lone), MouseButton::Left, {.ctrl = true});
    EXPECT_EQ(dialogs.asked.size(), 1u);
}

TEST_F(Wires, ReadOnlyAndOtherModes)
{
    TKante* out = a->outputPin(1);
    context.readOnly = true;
    EXPECT_EQ(press(at(out)).kind, Kind::Consumed);
    release(at(out));
    EXPECT_EQ(layer.state(), WireState::Idle);
    EXPECT_EQ(press(at(out), MouseButton::Right).kind, Kind::Consumed);

    // Simulation: the right button still reaches the display entries; a left click
    // arms but draws nothing.
    context.mode = EditContext::Mode::Simulation;
    const GestureResult menu = press(at(out), MouseButton::Right);
    EXPECT_EQ(menu.kind, Kind::WireMenu);
    EXPECT_EQ(menu.element, out);
    context.readOnly = false;
    click(at(out));
    EXPECT_EQ(layer.state(), WireState::Idle);
    EXPECT_EQ(out->neighbourCount, 0);
}

TEST_F(Wires, WhatTheLayerHandsOnToTheSheetLogic)
{
    TKante* out = a->outputPin(1);
    ASSERT_TRUE(doc.connect(*out, *b->inputPin(1)));
    const PixelPoint empty = grid(30, 30);

    EXPECT_TRUE(press(empty).declined());
    EXPECT_TRUE(moveTo(offset(empty, 20, 20), MouseButton::Left).declined());
    EXPECT_TRUE(release(offset(empty, 20, 20)).declined());
    EXPECT_TRUE(press(at(out), MouseButton::Middle).declined());
    EXPECT_TRUE(moveTo(empty, MouseButton::Middle).declined());
    EXPECT_TRUE(press(empty, MouseButton::Right).declined());
    // A left click on a wire segment belongs to the sheet as well.
    const PixelPoint onSegment = offset(at(out), 60, 0);
    EXPECT_TRUE(press(onSegment).declined());

    // Blocks and points of the select frame are the sheet logic's.
    a->selected = true;
    out->selected = true;
    EXPECT_TRUE(press(at(out)).declined());
    EXPECT_TRUE(press(offset(at(a->inputPin(1)), 10, 0)).declined());
    EXPECT_EQ(layer.state(), WireState::Idle);

    // The middle button pans even through a pending rubber band.
    a->selected = out->selected = false;
    click(at(g->outputPin(1)));
    EXPECT_TRUE(press(empty, MouseButton::Middle).declined());
    EXPECT_EQ(layer.state(), WireState::RubberBand);
}

TEST_F(Wires, RightClicksAskForTheirMenus)
{
    TKante* out = a->outputPin(1);
    TKante* in = b->inputPin(1);
    ASSERT_TRUE(doc.connect(*out, *in));

    GestureResult r = press(at(out), MouseButton::Right);
    EXPECT_EQ(r.kind, Kind::WireMenu);
    EXPECT_EQ(r.element, out);

    // The segment's end nearer to the mouse.
    r = press(offset(at(in), -8, 0), MouseButton::Right);
    EXPECT_EQ(r.kind, Kind::WireMenu);
    EXPECT_EQ(r.element, in);
    r = press(offset(at(out), 8, 0), MouseButton::Right);
    EXPECT_EQ(r.element, out);

    const BlockPaint paint = layoutBlock(*a, view(), TextMetrics{}, doc.paramDisplay());
    const TextItem& label = paint.pins.front().label;
    r = press({label.box.left + 1, label.box.top + 1}, MouseButton::Right);
    EXPECT_EQ(r.kind, Kind::PinLabelMenu);
    EXPECT_EQ(r.element, paint.pins.front().pin);

    const PixelRect body = blockRect(*a, view());
    r = press({body.left + body.width / 2, body.top + 3}, MouseButton::Right);
    EXPECT_EQ(r.kind, Kind::BlockMenu);
    EXPECT_EQ(r.block, a);
}

TEST_F(Wires, DeletedElementGoesWhenTheTimerFires)
{
    TKante* out = a->outputPin(1);
    drawWire(out, grid(30, 30));
    TKante* point = out->firstNeighbour();
    ASSERT_TRUE(layer.commands().run(*point, {WireCommand::Delete, "Loesche Verbindung", 0, {}, {}}));
    EXPECT_EQ(layer.state(), WireState::RemovalPending);
    EXPECT_TRUE(point->alive());
    // Nothing else starts meanwhile, and Esc does not stop it.
    click(at(b->outputPin(1)));
    layer.reset();
    EXPECT_EQ(layer.state(), WireState::RemovalPending);
    timers.advance(WireLayer::RemovalDelayMs);
    EXPECT_EQ(layer.state(), WireState::Idle);
    EXPECT_FALSE(point->alive());
    EXPECT_EQ(out->neighbourCount, 0);
}

TEST_F(Wires, StartElementThatVanishedEndsTheRubberBand)
{
    TKante* out = a->outputPin(1);
    drawWire(out, grid(30, 30));
    TKante* point = out->firstNeighbour();
    click(at(point));
    ASSERT_EQ(layer.state(), WireState::RubberBand);
    doc.removeElement(*point, true);
    moveTo(grid(35, 35));
    EXPECT_EQ(layer.state(), WireState::Idle);
    EXPECT_FALSE(layer.layout().rubberBand);
}

TEST_F(Wires, HandlesNearTheMouseOnEveryTenthMovement)
{
    TKante* out = a->outputPin(1);
    drawWire(out, grid(30, 30));
    TKante* point = out->firstNeighbour();
    // drawWire moved the mouse once; eight more make nine.
    for (int i = 0; i < 8; ++i)
        moveTo(grid(32, 33));
    EXPECT_TRUE(layer.layout().handles.empty());
    moveTo(grid(32, 33));
    ASSERT_EQ(layer.layout().handles.size(), 1u);
    EXPECT_EQ(layer.layout().handles[0].point, point);
    EXPECT_EQ(layer.layout().handles[0].colour, colour::Yellow); // a driven fixed-point net
    for (int i = 0; i < 10; ++i)
        moveTo(grid(35, 30));
    EXPECT_TRUE(layer.layout().handles.empty());
    // A selected point keeps its handle hidden.
    point->selected = true;
    for (int i = 0; i < 10; ++i)
        moveTo(grid(30, 30));
    EXPECT_TRUE(layer.layout().handles.empty());
}

} // namespace
} // namespace fup

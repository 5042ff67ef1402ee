// Wires as the painter gets them: segments, point handles, labels, comments, colours and
// hit testing.
#include "model/SheetGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace fup {
namespace {

using Mode = EditContext::Mode;

TEST(WireGeometry, PenWidthFollowsTheZoom)
{
    const std::pair<int, int> cases[] = {{2, 1}, {3, 1}, {7, 1}, {8, 2}, {10, 2}, {13, 3}, {28, 6}};
    for (const auto& [zoom, width] : cases)
        EXPECT_EQ(wirePenWidth(zoom), width) << "zoom " << zoom;
}

// AND (driver) on sheet 1 -> p1 -> p2 on sheet 2 -> OR input on sheet 2; a fork at p1
// also feeds the driver's own second input on sheet 1.
struct Sheets : ::testing::Test {
    Document doc;
    TKiste* driver = doc.createBlock(92, 2, 1, 1, 10, 10, false);
    TKiste* reader = nullptr;
    TKante* out = driver->outputPin(1);
    TKante* p1 = doc.createPoint(30, 12, 1, vt::None);
    TKante* fork = doc.createPoint(30, 20, 1, vt::None);
    TKante* p2 = nullptr;
    TextMetrics metrics;

    void SetUp() override
    {
        doc.appendSheet("zwei");
        reader = doc.createBlock(93, 2, 1, 2, 50, 10, false);
        p2 = doc.createPoint(40, 12, 2, vt::None);
        ASSERT_TRUE(doc.connect(*out, *p1));
        ASSERT_TRUE(doc.connect(*p1, *p2));
        ASSERT_TRUE(doc.connect(*p2, *reader->inputPin(1)));
        ASSERT_TRUE(doc.connect(*p1, *fork));
        ASSERT_TRUE(doc.connect(*fork, *driver->inputPin(2)));
        doc.renumber();
    }

    ViewGeometry view() const { return ViewGeometry::of(doc); }
};

TEST_F(Sheets, SegmentsJoinCentresOnTheCurrentSheetOnly)
{
    const WireLayout layout = layoutWires(doc, metrics, WireView{});
    // out-p1, p1-fork, fork-input: the link to sheet 2 is not drawn.
    ASSERT_EQ(layout.segments.size(), 3u);
    const auto has = [&](const TKante* a, const TKante* b) {
        return std::any_of(layout.segments.begin(), layout.segments.end(), [&](const WireSegment& s) {
            return (s.from == a && s.to == b) || (s.from == b && s.to == a);
        });
    };
    EXPECT_TRUE(has(out, p1));
    EXPECT_TRUE(has(p1, fork));
    EXPECT_TRUE(has(fork, driver->inputPin(2)));
    for (const WireSegment& s : layout.segments) {
        EXPECT_EQ(s.colour, 0x00FFFFu); // a driven digital net
        EXPECT_EQ(s.width, 2);
        const PixelPoint expectedA = elementCentre(*s.from, view());
        EXPECT_EQ(s.a, expectedA);
    }
    EXPECT_EQ(elementCentre(*p1, view()), (PixelPoint{300, 120}));
    EXPECT_EQ(elementCentre(*out, view()), pinAnchor(*out, view()));
}

TEST_F(Sheets, PointsShowJunctionsAndWhereAWireGoesOn)
{
    const WireLayout layout = layoutWires(doc, metrics, WireView{});
    ASSERT_EQ(layout.points.size(), 2u);
    const PointHandle& h = layout.points.front().point == p1 ? layout.points[0] : layout.points[1];
    EXPECT_TRUE(h.junction); // out, p2 and fork
    // Pen 2: radius 4, from 3 pixels up-left to 4 down-right.
    EXPECT_EQ(h.dot, (PixelRect{297, 117, 7, 7}));
    EXPECT_EQ(h.handle, (PixelRect{295, 115, 10, 10}));
    EXPECT_TRUE(h.crossSheet);
    // The source lies on this sheet, so the first pin beyond the link names the target.
    EXPECT_EQ(h.crossText.text, "2." + reader->name + ".i1");

    doc.setCurrentSheet(2);
    const WireLayout there = layoutWires(doc, metrics, WireView{});
    const auto it = std::find_if(there.points.begin(), there.points.end(),
                                 [&](const PointHandle& p) { return p.point == p2; });
    ASSERT_NE(it, there.points.end());
    EXPECT_FALSE(it->junction);
    EXPECT_EQ(it->crossText.text, "1." + driver->name + ".o"); // the source's sheet
}

TEST(WireGeometry, JunctionDotAtPenWidthOne)
{
    Document doc;
    doc.setZoom(5);
    TKante* hub = doc.createPoint(10, 10, 1, vt::None);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(doc.connect(*hub, *doc.createPoint(12 + i, 14, 1, vt::None)));
    const WireLayout layout = layoutWires(doc, TextMetrics{}, WireView{});
    const auto it = std::find_if(layout.points.begin(), layout.points.end(),
                                 [&](const PointHandle& p) { return p.point == hub; });
    ASSERT_NE(it, layout.points.end());
    // From 2 pixels up-left to 3 pixels down-right of the centre (50, 50).
    EXPECT_EQ(it->dot, (PixelRect{48, 48, 5, 5}));
}

TEST_F(Sheets, ArrowheadsOnWiredInputsOfThisSheet)
{
    const WireLayout layout = layoutWires(doc, metrics, WireView{});
    ASSERT_EQ(layout.arrows.size(), 1u);
    EXPECT_EQ(layout.arrows[0].pin, driver->inputPin(2));
    EXPECT_EQ(layout.arrows[0].tip, pinAnchor(*driver->inputPin(2), view()));
    EXPECT_TRUE(layout.arrows[0].pointsRight);
}

TEST_F(Sheets, SignalCommentAtFlaggedPointsOfADrivenNet)
{
    ASSERT_TRUE(doc.setSignalComment(*fork, "Freigabe"));
    EXPECT_EQ(netComment(*p2), "Freigabe"); // every element of the net answers it
    TKante* lone = doc.createPoint(5, 5, 1, vt::None);
    lone->commentFlag = true; // no source: nothing to show
    const WireLayout layout = layoutWires(doc, metrics, WireView{});
    ASSERT_EQ(layout.comments.size(), 1u);
    EXPECT_EQ(layout.comments[0].text, "Freigabe");
    EXPECT_EQ(layout.comments[0].box.left, 300 + 5 + 2);
}

TEST_F(Sheets, ValueLabelsInEditModeNameVariablesAndConstants)
{
    ASSERT_TRUE(doc.setVariableName(*out, "Q"));
    TKiste* add = doc.createBlock(13, 2, 1, 1, 10, 30, false);
    TKante* constant = add->inputPin(1);
    ASSERT_TRUE(doc.createConstant(*constant, dt::Fixed, "0.5", TimeBase{}));

    const WireLayout layout = layoutWires(doc, metrics, WireView{});
    ASSERT_EQ(layout.labels.size(), 2u);
    const ValueLabel& name = layout.labels[0].element == out ? layout.labels[0] : layout.labels[1];
    const ValueLabel& value = layout.labels[0].element == out ? layout.labels[1] : layout.labels[0];

    EXPECT_EQ(name.text.text, " Q ");
    const PixelPoint outAnchor = pinAnchor(*out, view());
    EXPECT_EQ(name.text.box.left, outAnchor.x + 5 + 2); // right of a right-edge pin
    EXPECT_EQ(name.text.box.bottom(), outAnchor.y - 1);
    EXPECT_EQ(name.background, 0x00FFFFu);

    EXPECT_EQ(value.text.text, "0.50000000");
    const PixelPoint inAnchor = pinAnchor(*constant, view());
    EXPECT_EQ(value.text.box.right(), inAnchor.x - 5 - 2); // left of a left-edge pin
    EXPECT_EQ(value.background, 0xFFFF00u);

    // The pin's name inside the block sits on the same background.
    const BlockPaint paint = layoutBlock(*add, view(), metrics, ParamDisplay::None);
    const auto pin = std::find_if(paint.pins.begin(), paint.pins.end(),
                                  [&](const PinPaint& p) { return p.pin == constant; });
    ASSERT_NE(pin, paint.pins.end());
    EXPECT_TRUE(pin->labelFilled);
    EXPECT_EQ(pin->labelBackground, 0xFFFF00u);
}

TEST_F(Sheets, SimulationShowsValuesAndDigitalStates)
{
    WireView sim{Mode::Simulation, TimeBase{100.0, 0}, false};
    out->value = 1;
    doc.setDisplayType(*fork, dt::Value);
    EXPECT_EQ(valueLabelText(*fork, sim), " true");
    doc.setDisplayType(*fork, dt::Hex);
    EXPECT_EQ(valueLabelText(*fork, sim), "$00000001");
    doc.setDisplayType(*fork, dt::VarName);
    EXPECT_EQ(valueLabelText(*fork, sim), "    ");
    ASSERT_TRUE(doc.setVariableName(*out, "Motor"));
    EXPECT_EQ(valueLabelText(*fork, sim), "Motor");
    doc.hideValueLabel(*fork);
    EXPECT_EQ(valueLabelText(*fork, sim), "");

    TKante* inverted = driver->inputPin(2);
    ASSERT_TRUE(doc.invertInput(*inverted));
    EXPECT_EQ(wireColour(*fork, sim), 0x00FF00u);
    EXPECT_EQ(wireColour(*inverted, sim), 0xFF4848u);
    EXPECT_EQ(wireColour(*inverted, sim, false), 0x00FF00u); // the line into it
    out->value = 0x100;                                      // only the lowest byte counts
    EXPECT_EQ(wireColour(*fork, sim), 0xFF4848u);
    EXPECT_EQ(pinLabelBackground(*out, sim), 0xFF4848u);

    // In Edit mode the inverted input is black, the net cyan.
    EXPECT_EQ(wireColour(*inverted, WireView{}), 0x000000u);
    EXPECT_EQ(wireColour(*fork, WireView{}), 0x00FFFFu);
}

TEST_F(Sheets, OnlineValuesNotYetReceivedAreWhite)
{
    const WireView live{Mode::Online, TimeBase{}, false};
    doc.setDisplayType(*fork, dt::Decimal);
    out->value = 7;
    out->valueValid = false;
    EXPECT_EQ(wireColour(*fork, live), 0xFFFFFFu);
    const WireLayout layout = layoutWires(doc, metrics, live);
    const auto label = std::find_if(layout.labels.begin(), layout.labels.end(),
                                    [&](const ValueLabel& l) { return l.element == fork; });
    ASSERT_NE(label, layout.labels.end());
    EXPECT_EQ(label->text.text, " 7");
    EXPECT_EQ(label->background, 0xFFFFFFu);
    out->valueValid = true;
    EXPECT_EQ(wireColour(*fork, live), 0xFF4848u);
}

TEST(WireGeometry, ColoursByValueTypeSourceAndPrintStyle)
{
    Document doc;
    TKiste* add = doc.createBlock(13, 2, 1, 1, 0, 0, false);
    TKante* driven = doc.createPoint(20, 2, 1, vt::None);
    ASSERT_TRUE(doc.connect(*add->outputPin(1), *driven));
    TKante* undriven = doc.createPoint(20, 8, 1, vt::Integer);
    TKante* untyped = doc.createPoint(20, 12, 1, vt::None);
    const WireView print{Mode::Edit, TimeBase{}, true};

    EXPECT_EQ(wireColour(*driven, WireView{}), 0xFFFF00u);
    EXPECT_EQ(wireColour(*undriven, WireView{}), 0x808080u);
    EXPECT_EQ(wireColour(*untyped, WireView{}), 0xFFFFFFu);
    EXPECT_EQ(wireColour(*driven, print), 0x000000u);
    EXPECT_EQ(wireColour(*undriven, print), 0x000000u);
    EXPECT_EQ(wireColour(*untyped, print), 0xC0C0C0u);
    // Without a source the label background follows the pin's own type.
    EXPECT_EQ(pinLabelBackground(*add->inputPin(1), WireView{}), 0xFFFF00u);
}

TEST_F(Sheets, HandlesShowNearTheMouseOnly)
{
    // fork at (30, 20).
    struct Case {
        GridPoint mouse;
        bool shown;
    };
    for (const Case& c : {Case{{30, 20}, true}, Case{{34, 16}, true}, Case{{26, 24}, true},
                          Case{{35, 20}, false}, Case{{30, 15}, false}}) {
        EXPECT_EQ(handleShownNear(*fork, c.mouse, Mode::Edit), c.shown) << c.mouse.x << "," << c.mouse.y;
    }
    fork->selected = true;
    EXPECT_FALSE(handleShownNear(*fork, {30, 20}, Mode::Edit));
    // p1 leads to another sheet: always shown.
    EXPECT_TRUE(handleShownNear(*p1, {200, 200}, Mode::Edit));

    // Untyped pins only in Edit mode; typed pins never.
    TKiste* var = doc.createBlock(1, 0, 0, 1, 60, 40, false);
    TKante* untyped = var->inputPin(1);
    const GridPoint at = elementGrid(*untyped);
    EXPECT_EQ(at, (GridPoint{60, 42}));
    EXPECT_TRUE(handleShownNear(*untyped, at, Mode::Edit));
    EXPECT_FALSE(handleShownNear(*untyped, at, Mode::Simulation));
    EXPECT_FALSE(handleShownNear(*var->outputPin(1), elementGrid(*var->outputPin(1)), Mode::Edit));
}

TEST_F(Sheets, HitTestPrefersPointsThenTheNearestSegmentEnd)
{
    // p1's handle at (300, 120).
    WireHit hit = hitTestWires(doc, {303, 118});
    EXPECT_EQ(hit.kind, WireHit::Kind::Point);
    EXPECT_EQ(hit.element, p1);

    // On the vertical p1 (300,120) - fork (300,200), nearer the fork.
    hit = hitTestWires(doc, {301, 180});
    EXPECT_EQ(hit.kind, WireHit::Kind::Segment);
    EXPECT_EQ(hit.element, fork);
    EXPECT_EQ(hit.other, p1);

    EXPECT_EQ(hitTestWires(doc, {310, 160}).kind, WireHit::Kind::None);

    // p2 lies on sheet 2 at (400, 120): not hit from sheet 1.
    EXPECT_EQ(hitTestWires(doc, {400, 120}).kind, WireHit::Kind::None);
    doc.setCurrentSheet(2);
    EXPECT_EQ(hitTestWires(doc, {400, 120}).element, p2);

    // Scrolling moves everything alike.
    doc.setCurrentSheet(1);
    doc.setScroll(100, 50);
    EXPECT_EQ(hitTestWires(doc, {203, 68}).element, p1);
}

} // namespace
} // namespace fup

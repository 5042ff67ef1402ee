// Moving blocks with the mouse.
#include "shell/GestureBench.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace fup {
namespace {

using test::GestureBench;

// A grip inside the block that is neither a pin nor a pin name.
PixelPoint gripOf(const GestureBench& t, const TKiste& block)
{
    const PixelRect body = blockRect(block, t.view());
    return {body.left + body.width / 2, body.top + 3};
}

TEST(BlockGesture, PinsAndWiresMoveWithTheBlock)
{
    GestureBench t;
    TKiste* a = t.doc.createBlock(13, 2, 1, 1, 10, 10, false);
    TKiste* b = t.doc.createBlock(13, 2, 1, 1, 40, 10, false);
    TKante* out = a->outputPin(1);
    ASSERT_TRUE(t.doc.connect(*out, *b->inputPin(1)));
    const PixelPoint anchor = t.at(out);
    const PixelPoint grip = gripOf(t, *a);

    t.press(grip);
    EXPECT_EQ(t.layer.draggedBlock(), a);
    EXPECT_EQ(a->colour, colour::InactiveCaption);
    // 34 and 26 pixels are 3.4 and 2.6 grid units: three each.
    t.moveTo(GestureBench::offset(grip, 34, 26), MouseButton::Left);
    EXPECT_EQ(a->x, 13);
    EXPECT_EQ(a->y, 13);
    EXPECT_EQ(t.at(out), GestureBench::offset(anchor, 30, 30));
    EXPECT_TRUE(out->hasNeighbour(b->inputPin(1)));
    const WireLayout wires = layoutWires(t.doc, TextMetrics{}, WireView{});
    ASSERT_EQ(wires.segments.size(), 1u);
    const WireSegment& s = wires.segments[0];
    EXPECT_EQ(s.from == out ? s.a : s.b, t.at(out));

    t.moveTo(GestureBench::offset(grip, 36, 24), MouseButton::Left); // same grid point
    t.release(GestureBench::offset(grip, 36, 24));
    EXPECT_EQ(t.layer.draggedBlock(), nullptr);
    EXPECT_EQ(a->colour, colour::Normal);
    EXPECT_EQ(t.snapshots, 1);

    // A block coloured red meanwhile (found, faulty) keeps it; a passive one goes back to teal.
    t.press(gripOf(t, *a));
    a->colour = colour::Red;
    t.release(gripOf(t, *a));
    EXPECT_EQ(a->colour, colour::Red);
    b->passive = true;
    t.press(gripOf(t, *b));
    t.release(gripOf(t, *b));
    EXPECT_EQ(b->colour, colour::Teal);
}

TEST(BlockGesture, StaysInTheWindowAndScrollsAtItsEdges)
{
    // Client 800 x 600, zoom 10, view scrolled to 100/100. The block's left edge may go
    // from -14 to 770 pixels, its top from -18 to 560; beyond 760 / 540 and below 0 the
    // view scrolls one pitch.
    struct Case {
        const char* name;
        PixelPoint topLeft; // where the mouse would put the block's top left corner
        GridPoint grid;
        int scrollX;
        int scrollY;
    };
    for (const Case& c : {
             Case{"inside", {400, 300}, {50, 40}, 100, 100},
             Case{"far left", {-50, 300}, {9, 40}, 90, 100},
             Case{"just left", {-4, 300}, {10, 40}, 90, 100},
             Case{"right edge", {765, 300}, {87, 40}, 110, 100},
             Case{"far right", {2000, 300}, {87, 40}, 110, 100},
             Case{"short of the right edge", {755, 300}, {86, 40}, 100, 100},
             Case{"far up", {400, -70}, {50, 8}, 100, 90},
             Case{"far down", {400, 2000}, {50, 66}, 100, 110},
         }) {
        SCOPED_TRACE(c.name);
        GestureBench t;
        t.doc.setScroll(100, 100);
        TKiste* block = t.doc.createBlock(13, 2, 1, 1, 30, 30, false);
        const PixelPoint grip = gripOf(t, *block);
        const PixelRect body = blockRect(*block, t.view());
        const PixelPoint inside{grip.x - body.left, grip.y - body.top};
        t.press(grip);
        t.moveTo({c.topLeft.x + inside.x, c.topLeft.y + inside.y}, MouseButton::Left);
        EXPECT_EQ((GridPoint{block->x, block->y}), c.grid);
        EXPECT_EQ(t.doc.scrollX(), c.scrollX);
        EXPECT_EQ(t.doc.scrollY(), c.scrollY);
    }
}

TEST(BlockGesture, ReadOnlyKeepsTheBlockWhereItIs)
{
    GestureBench t;
    t.context.readOnly = true;
    TKiste* block = t.doc.createBlock(92, 2, 1, 1, 20, 20, false);
    const PixelPoint grip = gripOf(t, *block);
    t.press(grip);
    t.moveTo(GestureBench::offset(grip, 50, 50), MouseButton::Left);
    t.release(GestureBench::offset(grip, 50, 50));
    EXPECT_EQ(block->x, 20);
    EXPECT_EQ(block->y, 20);
    EXPECT_EQ(block->colour, colour::Normal);
    EXPECT_EQ(t.snapshots, 0);
}

TEST(BlockGesture, PendingRubberBandSurvivesABlockMove)
{
    GestureBench t;
    TKiste* a = t.doc.createBlock(13, 2, 1, 1, 10, 10, false);
    TKiste* b = t.doc.createBlock(13, 2, 1, 1, 40, 10, false);
    t.click(t.at(a->outputPin(1)));
    ASSERT_EQ(t.layer.state(), WireState::RubberBand);
    const PixelPoint grip = gripOf(t, *b);
    t.press(grip);
    t.moveTo(GestureBench::offset(grip, 0, 100), MouseButton::Left);
    t.release(GestureBench::offset(grip, 0, 100));
    EXPECT_EQ(b->y, 20);
    EXPECT_EQ(t.layer.state(), WireState::RubberBand);
    t.moveTo(t.at(b->inputPin(1)));
    t.press(t.at(b->inputPin(1)));
    EXPECT_TRUE(a->outputPin(1)->hasNeighbour(b->inputPin(1)));
}

} // namespace
} // namespace fup

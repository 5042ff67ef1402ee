#include "model/SheetGeometry.h"
#include "model/Texten.h"

#include <gtest/gtest.h>

namespace fup {
namespace {

// Text heights of a font: 2 pixels more than its size, so that a wrong font shows.
TextMetrics heightOfSize(const CommentFont& font)
{
    TextMetrics metrics;
    metrics.height = font.size + 2;
    return metrics;
}

TEST(SheetGrid, LinesCloseEveryWorkSheetOnTheRightAndBelow)
{
    const ViewGeometry view{10, 30, 40};
    const SheetGrid grid = layoutSheetGrid(view, colour::Sheet, false, heightOfSize);
    EXPECT_EQ(grid.lineColour, 0xCFCFCFu);
    EXPECT_TRUE(grid.labels.empty());
    ASSERT_EQ(grid.lines.size(), 10u);
    // Verticals at 113 k from the top to 380, horizontals at 76 k from the left to 565.
    EXPECT_EQ(grid.lines[0].a, (PixelPoint{1130 - 30, -40}));
    EXPECT_EQ(grid.lines[0].b, (PixelPoint{1130 - 30, 3800 - 40}));
    EXPECT_EQ(grid.lines[4].a, (PixelPoint{5650 - 30, -40}));
    EXPECT_EQ(grid.lines[5].a, (PixelPoint{-30, 760 - 40}));
    EXPECT_EQ(grid.lines[9].b, (PixelPoint{5650 - 30, 3800 - 40}));
}

TEST(SheetGrid, LabelsNameRowAndColumnInTheLowerRightCorner)
{
    struct Case {
        int zoom;
        int fontSize; // 14 x the normal font of the zoom
    };
    for (const Case c : {Case{10, 126}, Case{3, 28}, Case{20, 252}}) {
        const ViewGeometry view{c.zoom, 7, 5};
        const SheetGrid grid = layoutSheetGrid(view, colour::Sheet, true, heightOfSize);
        ASSERT_EQ(grid.labels.size(), 25u) << c.zoom;
        const WorkSheetLabel& c4 = grid.labels[2 * 5 + 3];
        EXPECT_EQ(c4.name, "C4");
        EXPECT_EQ(c4.font.size, c.fontSize) << c.zoom;
        EXPECT_EQ(c4.font.name, commentFont(c.zoom, false).name);
        EXPECT_EQ(c4.colour, 0xDFDFDFu);
        // Right border of column 4 and lower border of row C, less the scroll position.
        const int right = 4 * 113 * c.zoom - 7;
        const int bottom = 3 * 76 * c.zoom - 5;
        EXPECT_EQ(c4.topLeft, (PixelPoint{right - 2 * c.fontSize + 2, bottom - (c.fontSize + 2) - 2}))
            << c.zoom;
    }
    const SheetGrid grid = layoutSheetGrid(ViewGeometry{}, colour::Sheet, true, heightOfSize);
    EXPECT_EQ(grid.labels.front().name, "A1");
    EXPECT_EQ(grid.labels[4].name, "A5");
    EXPECT_EQ(grid.labels[5].name, "B1");
    EXPECT_EQ(grid.labels.back().name, "E5");
}

TEST(SheetGrid, ColoursFollowTheWindowColourWithoutWrappingBelowBlack)
{
    EXPECT_EQ(layoutSheetGrid({}, 0xC0D0E0, true, heightOfSize).lineColour, 0x90A0B0u);
    EXPECT_EQ(layoutSheetGrid({}, 0xC0D0E0, true, heightOfSize).labels[0].colour, 0xA0B0C0u);
    // A dark window keeps each channel at 0 rather than borrowing from the next one, and a
    // marker above the colour bits is dropped.
    EXPECT_EQ(layoutSheetGrid({}, 0x80102040, false, heightOfSize).lineColour, 0x000010u);
}

} // namespace
} // namespace fup

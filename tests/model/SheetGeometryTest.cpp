#include "model/SheetGeometry.h"

#include <gtest/gtest.h>

namespace fup {
namespace {

struct GridCase {
    int pixel, scroll, zoom;
    int grid;
};

class PixelToGrid : public ::testing::TestWithParam<GridCase> {};

TEST_P(PixelToGrid, RoundsToTheNearestGridPointNeverBelowZero)
{
    const GridCase& c = GetParam();
    EXPECT_EQ(pixelToGrid(c.pixel, c.scroll, c.zoom), c.grid);
}

INSTANTIATE_TEST_SUITE_P(Table, PixelToGrid,
                         ::testing::Values(GridCase{0, 0, 10, 0}, GridCase{4, 0, 10, 0},
                                           GridCase{5, 0, 10, 1}, GridCase{14, 0, 10, 1},
                                           GridCase{15, 0, 10, 2}, GridCase{3, 100, 10, 10},
                                           GridCase{-30, 0, 10, 0}, GridCase{-6, 0, 10, 0},
                                           GridCase{3, 0, 7, 0}, GridCase{4, 0, 7, 1}, GridCase{27, 0, 28, 1},
                                           GridCase{13, 0, 28, 0}));

TEST(SheetGeometry, GridAndPixelRoundTrip)
{
    const ViewGeometry view{12, 30, 55};
    for (int g : {0, 1, 7, 564}) {
        const PixelPoint p = toPixel({g, g}, view);
        EXPECT_EQ(toGrid(p, view), (GridPoint{g, g}));
        EXPECT_EQ(toGrid({p.x + 5, p.y - 6}, view), (GridPoint{g, g})); // within half a pitch
    }
}

struct GeometryFixture : ::testing::Test {
    Document doc;
    TKiste* add = nullptr;

    void SetUp() override
    {
        doc.setScroll(20, 30);
        add = doc.createBlock(13, 2, 1, 1, 10, 5, false); // width 2, 3 rows
    }
    ViewGeometry view() const { return ViewGeometry::of(doc); }
};

TEST_F(GeometryFixture, BlockRectangleIsWidthAndHeightInRowPitches)
{
    EXPECT_EQ(blockRect(*add, view()), (PixelRect{80, 20, 40, 60}));
    doc.setZoom(7);
    EXPECT_EQ(blockRect(*add, view()), (PixelRect{50, 5, 28, 42}));
}

TEST_F(GeometryFixture, PinsSitOnTheirEdgeTwoGridUnitsPerRowAndSwapWhenFlipped)
{
    const TKante* plus1 = add->inputPin(1);
    const TKante* plus2 = add->inputPin(2);
    const TKante* out = add->outputPin(1);
    EXPECT_EQ(pinAnchor(*plus1, view()), (PixelPoint{80, 40}));
    EXPECT_EQ(pinAnchor(*plus2, view()), (PixelPoint{80, 60}));
    EXPECT_EQ(pinAnchor(*out, view()), (PixelPoint{120, 40}));
    EXPECT_TRUE(pinOnLeftEdge(*plus1));

    doc.flipBlock(*add, EditContext{});
    EXPECT_EQ(pinAnchor(*plus1, view()), (PixelPoint{120, 40}));
    EXPECT_EQ(pinAnchor(*out, view()), (PixelPoint{80, 40}));
    EXPECT_FALSE(pinOnLeftEdge(*plus1));

    // Names stay inside the block, beside their pin.
    const BlockPaint paint = layoutBlock(*add, view(), TextMetrics{}, ParamDisplay::None);
    for (const PinPaint& p : paint.pins) {
        EXPECT_GE(p.label.box.left, paint.body.left);
        EXPECT_LE(p.label.box.right(), paint.body.right());
        const int middle = paint.body.left + paint.body.width / 2;
        if (p.leftEdge) {
            EXPECT_LT(p.label.box.left, middle);
        } else {
            EXPECT_GT(p.label.box.right(), middle);
        }
    }
}

struct LabelCase {
    const char* name;
    std::uint8_t kind;
    bool inverse;
    const char* label;
};

class PinLabel : public ::testing::TestWithParam<LabelCase> {};

TEST_P(PinLabel, Padding)
{
    TKante pin;
    pin.kind = GetParam().kind;
    pin.name = GetParam().name;
    pin.inverse = GetParam().inverse;
    EXPECT_EQ(pinLabelText(pin), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PinLabel,
    ::testing::Values(LabelCase{"o", ek::OutputPin, false, "o "}, LabelCase{"a", ek::InputPin, false, "a "},
                      LabelCase{"i", ek::InputPin, false, " i "}, LabelCase{"t", ek::InputPin, false, " t "},
                      LabelCase{"+1", ek::InputPin, false, "+1"}, LabelCase{"", ek::InputPin, false, ""},
                      LabelCase{"a", ek::InputPin, true, "/a"}, LabelCase{"i1", ek::InputPin, true, "/i1"},
                      LabelCase{"o", ek::OutputPin, true, "o "}));

TEST(SheetGeometry, ParameterLinePitchIsSevenSixthsOfTheFontMinusOne)
{
    EXPECT_EQ(parameterLinePitch(12), 13);
    EXPECT_EQ(parameterLinePitch(13), 14);
    EXPECT_EQ(parameterLinePitch(6), 6);
}

TEST(SheetGeometry, ParameterLinesFollowTheDisplayMode)
{
    TKiste block;
    block.type = 35;
    block.params = {Para_descriptor{55, "OG", "0.9", "OG", "", true, false, true, true},
                    Para_descriptor{55, "UG", "-0.9", "UG", "", true, false, false, true},
                    Para_descriptor{58, "nam", "Motor", "Name", "", false, false, true, false}};
    EXPECT_EQ(parameterLines(block, ParamDisplay::All),
              (std::vector<std::string>{"OG=0.9", "UG=-0.9", "Motor"}));
    EXPECT_EQ(parameterLines(block, ParamDisplay::Selected), (std::vector<std::string>{"OG=0.9", "Motor"}));
    EXPECT_TRUE(parameterLines(block, ParamDisplay::None).empty());

    // The program text of a structured-text block never appears, whatever its flags.
    for (int type : {81, 82}) {
        block.type = type;
        EXPECT_EQ(parameterLines(block, ParamDisplay::All), (std::vector<std::string>{"OG=0.9", "UG=-0.9"}));
        EXPECT_EQ(parameterLines(block, ParamDisplay::Selected), (std::vector<std::string>{"OG=0.9"}));
    }
}

TEST_F(GeometryFixture, LayoutPlacesLabelsNumberAndParameterLines)
{
    TKiste* limit = doc.createBlock(35, 0, 0, 1, 10, 5, false); // OG, UG
    limit->number = 12;
    const TextMetrics metrics{12, 6, {}};
    const BlockPaint paint = layoutBlock(*limit, view(), metrics, ParamDisplay::All);
    EXPECT_EQ(paint.label.text, "Limit");
    EXPECT_EQ(paint.label.box.left, paint.body.left + 2);
    EXPECT_EQ(paint.label.box.top, paint.body.top + 1);
    EXPECT_EQ(paint.number.text, "12");
    EXPECT_EQ(paint.number.box.left, paint.body.left + 2);
    EXPECT_EQ(paint.number.box.bottom(), paint.body.bottom() - 1);
    ASSERT_EQ(paint.parameters.size(), 2u);
    EXPECT_EQ(paint.parameters[0].text, "hi="); // prompt, "=", the (empty) value
    EXPECT_EQ(paint.parameters[0].box.top, paint.body.bottom());
    EXPECT_EQ(paint.parameters[0].box.left, paint.body.left);
    EXPECT_EQ(paint.parameters[1].box.top, paint.body.bottom() + 13);
    EXPECT_EQ(paint.pins.size(), 2u);
    EXPECT_EQ(paint.fill, colour::Normal);
}

TEST(SheetGeometry, SheetLayoutHoldsOnlyTheCurrentSheetInListOrder)
{
    Document doc;
    TKiste* first = doc.createBlock(14, 0, 0, 1, 0, 0, false);
    doc.createBlock(14, 0, 0, 2, 0, 0, false);
    TKiste* third = doc.createBlock(14, 0, 0, 1, 5, 5, false);
    third->selected = true;
    doc.selectInRect(5, 5, 6, 6);
    const auto paints = layoutSheet(doc, TextMetrics{});
    ASSERT_EQ(paints.size(), 2u);
    EXPECT_EQ(paints[0].block, first);
    EXPECT_EQ(paints[1].block, third);
    EXPECT_EQ(paints[1].fill, colour::InactiveCaption);
}

TEST(SheetGeometry, EditColoursFollowTheSourceOrTheOwnValueType)
{
    TKante out;
    out.kind = ek::OutputPin;
    out.valueType = vt::Digital;
    TKante in;
    in.kind = ek::InputPin;
    in.valueType = vt::Digital;
    EXPECT_EQ(elementColour(in), 0xE8FFFFu);
    in.source = &out;
    EXPECT_EQ(elementColour(in), 0x00FFFFu);
    in.inverse = true;
    EXPECT_EQ(elementColour(in), 0x000000u);
    TKante point;
    point.valueType = vt::Integer;
    EXPECT_EQ(elementColour(point), 0x808080u);
}

struct HitFixture : GeometryFixture {
    TextMetrics metrics{10, 6, {}};
    SheetHit at(int x, int y) const { return hitTest(doc, {x, y}, metrics); }
};

TEST_F(HitFixture, PinHandleBeatsNameAndBody)
{
    // Block body 80..120 x 20..80; +1 at (80, 40), o at (120, 40).
    SheetHit hit = at(80, 40);
    EXPECT_EQ(hit.kind, SheetHit::Kind::Pin);
    EXPECT_EQ(hit.pin, add->inputPin(1));
    hit = at(123, 42); // just outside the right edge, on the output's handle
    EXPECT_EQ(hit.kind, SheetHit::Kind::Pin);
    EXPECT_EQ(hit.pin, add->outputPin(1));

    hit = at(88, 61); // on the name "+2"
    EXPECT_EQ(hit.kind, SheetHit::Kind::PinLabel);
    EXPECT_EQ(hit.pin, add->inputPin(2));

    hit = at(100, 75);
    EXPECT_EQ(hit.kind, SheetHit::Kind::Block);
    EXPECT_EQ(hit.block, add);
    EXPECT_EQ(hit.pin, nullptr);

    EXPECT_EQ(at(200, 200).kind, SheetHit::Kind::None);
    EXPECT_EQ(at(120, 20).kind, SheetHit::Kind::None); // right edge is exclusive, no pin there
}

TEST_F(HitFixture, TopmostBlockWinsAndOtherSheetsAreIgnored)
{
    TKiste* above = doc.createBlock(14, 0, 0, 1, 11, 6, false);
    EXPECT_EQ(at(100, 75).block, above);
    above->sheet = 2;
    EXPECT_EQ(at(100, 75).block, add);
}

TEST_F(HitFixture, HiddenPinsAreNeverHit)
{
    TKiste* port = doc.createBlock(182, 0, 0, 1, 30, 5, false); // hidden input "i" at (280, 40)
    const SheetHit hit = at(280, 40);
    EXPECT_EQ(hit.kind, SheetHit::Kind::Block);
    EXPECT_EQ(hit.block, port);
    const BlockPaint paint = layoutBlock(*port, view(), metrics, ParamDisplay::None);
    ASSERT_EQ(paint.pins.size(), 1u);
    EXPECT_EQ(paint.pins[0].pin->name, "o");
}

} // namespace
} // namespace fup

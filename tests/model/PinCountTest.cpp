#include "model/Document.h"

#include "shell/RecordingReporter.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace fup {
namespace {

using test::RecordingReporter;

std::vector<std::string> names(const TKiste& block, std::uint8_t kind)
{
    std::vector<std::string> result;
    for (const TKante* p : block.pins)
        if (p->kind == kind)
            result.push_back(p->name);
    return result;
}

struct PinCount : ::testing::Test {
    RecordingReporter reporter;
    Document doc{&reporter};
};

TEST_F(PinCount, RaisingAndLoweringTheAdderInputs)
{
    TKiste* add = doc.createBlock(13, 2, 1, 1, 0, 0, false);
    TKiste* later = doc.createBlock(14, 0, 0, 1, 10, 0, false);

    ASSERT_TRUE(doc.changeInputCount(*add, "4"));
    EXPECT_EQ(names(*add, ek::InputPin), (std::vector<std::string>{"+1", "+2", "+3", "+4"}));
    EXPECT_EQ(add->n, 4);
    EXPECT_EQ(add->heightRows, 5);
    EXPECT_EQ(add->param("ina")->value, "4");
    for (int k : {3, 4}) {
        const TKante* pin = add->inputPin(k);
        ASSERT_NE(pin, nullptr);
        EXPECT_TRUE(pin->constCapable);
        EXPECT_EQ(pin->valueType, vt::Fixed);
        EXPECT_EQ(pin->x, 0);
    }
    // The new pins follow the block's last input in the wire list, ahead of later blocks.
    const auto& list = doc.kanten();
    const auto at = [&](const TKante* e) { return std::find(list.begin(), list.end(), e) - list.begin(); };
    EXPECT_EQ(at(add->inputPin(3)), at(add->inputPin(2)) + 1);
    EXPECT_LT(at(add->inputPin(4)), at(later->pins.front()));

    // A wire on +4: a point joined to +4 only, and one joined to +4 and to another point.
    TKante* lonely = doc.createPoint(0, 8, 1, vt::Fixed);
    TKante* branch = doc.createPoint(0, 9, 1, vt::Fixed);
    TKante* far = doc.createPoint(0, 12, 1, vt::Fixed);
    TKante* plus4 = add->inputPin(4);
    ASSERT_TRUE(linkNeighbours(*plus4, *lonely));
    ASSERT_TRUE(linkNeighbours(*branch, *far));
    TKante* plus3 = add->inputPin(3);
    ASSERT_TRUE(linkNeighbours(*plus3, *branch));

    ASSERT_TRUE(doc.changeInputCount(*add, "3"));
    EXPECT_EQ(names(*add, ek::InputPin), (std::vector<std::string>{"+1", "+2", "+3"}));
    EXPECT_FALSE(plus4->alive());
    EXPECT_FALSE(lonely->alive());
    EXPECT_TRUE(branch->alive()); // wired to +3, which stays
    EXPECT_EQ(add->heightRows, 4);
    EXPECT_EQ(std::count(list.begin(), list.end(), lonely), 0);

    ASSERT_TRUE(doc.changeInputCount(*add, "2"));
    EXPECT_FALSE(plus3->alive());
    EXPECT_FALSE(branch->hasNeighbour(plus3));
    EXPECT_TRUE(branch->alive()); // still joined to the far point
}

struct CountCase {
    int type;
    int n;
    const char* text;
    int expected;
};

class InputCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(InputCount, KeptWithinTheTypeMinimumAndThirtyTwo)
{
    const CountCase& c = GetParam();
    Document doc;
    TKiste* b = doc.createBlock(c.type, c.n, 2, 1, 0, 0, false);
    ASSERT_TRUE(doc.changeInputCount(*b, c.text));
    EXPECT_EQ(b->n, c.expected);
    EXPECT_EQ(static_cast<int>(names(*b, ek::InputPin).size()), c.expected);
    EXPECT_EQ(b->param("ina")->value, std::to_string(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Types, InputCount,
                         ::testing::Values(CountCase{92, 2, "1", 2},  // AND: at least 2
                                           CountCase{113, 2, "1", 1}, // digital formula: 1
                                           CountCase{113, 2, "40", 32}, CountCase{13, 2, " 5 ", 5},
                                           CountCase{13, 2, "-3", 2}, CountCase{13, 2, "99999999999999", 32},
                                           CountCase{64, 3, "1", 1}, CountCase{190, 1, "3", 3},
                                           CountCase{189, 2, "0", 1}));

TEST_F(PinCount, NewPinNamesTakeTheFirstCharacterOfTheLastPin)
{
    TKiste* formula = doc.createBlock(64, 1, 1, 1, 0, 0, false);
    ASSERT_TRUE(doc.changeInputCount(*formula, "3"));
    EXPECT_EQ(names(*formula, ek::InputPin), (std::vector<std::string>{"x1", "x2", "x3"}));
    EXPECT_TRUE(formula->inputPin(3)->constCapable);

    TKiste* change = doc.createBlock(190, 1, 1, 1, 0, 0, false);
    ASSERT_TRUE(doc.changeInputCount(*change, "3"));
    EXPECT_EQ(names(*change, ek::InputPin), (std::vector<std::string>{"i", "i2", "i3"}));

    TKiste* gate = doc.createBlock(92, 2, 1, 1, 0, 0, false);
    ASSERT_TRUE(doc.changeInputCount(*gate, "3"));
    EXPECT_FALSE(gate->inputPin(3)->constCapable); // AND inputs take no constants
    EXPECT_EQ(gate->inputPin(3)->valueType, vt::Digital);
    EXPECT_EQ(gate->inputPin(3)->displayType, dt::VarName);
}

TEST_F(PinCount, InvalidTextChangesNothingAndRestoresTheParameter)
{
    TKiste* add = doc.createBlock(13, 3, 1, 1, 0, 0, false);
    add->param("ina")->value = "drei";
    EXPECT_FALSE(doc.changeInputCount(*add, "drei"));
    EXPECT_EQ(reporter.lines, std::vector<std::string>{"BOX:ungueltiger Wert :drei"});
    EXPECT_EQ(add->n, 3);
    EXPECT_EQ(names(*add, ek::InputPin).size(), 3u);
    EXPECT_EQ(add->param("ina")->value, "3");
}

TEST_F(PinCount, StateOutputsFollowOua)
{
    TKiste* state = doc.createBlock(189, 1, 2, 200, 0, 0, false);
    ASSERT_TRUE(doc.changeOutputCount(*state, "4"));
    EXPECT_EQ(names(*state, ek::OutputPin), (std::vector<std::string>{"o1", "o2", "o3", "o4"}));
    EXPECT_FALSE(state->outputPin(4)->constCapable);
    EXPECT_EQ(state->outputPin(4)->x, state->widthGrid());
    EXPECT_EQ(state->heightRows, 5);
    EXPECT_EQ(state->param("oua")->value, "4");

    ASSERT_TRUE(doc.changeOutputCount(*state, "30"));
    EXPECT_EQ(state->m, 24);
    ASSERT_TRUE(doc.changeOutputCount(*state, "0"));
    EXPECT_EQ(state->m, 1);

    EXPECT_FALSE(doc.changeOutputCount(*state, "x"));
    EXPECT_EQ(reporter.lines, std::vector<std::string>{"BOX:ungueltiger Wert: x"});
    EXPECT_EQ(state->m, 1);
}

TEST_F(PinCount, FixedTypesIgnoreCountChanges)
{
    TKiste* sub = doc.createBlock(14, 0, 0, 1, 0, 0, false);
    EXPECT_FALSE(doc.changeInputCount(*sub, "5"));
    EXPECT_FALSE(doc.changeOutputCount(*sub, "5"));
    EXPECT_EQ(sub->pins.size(), 3u);
}

// --- set parameters -------------------------------------------------------------------

TEST_F(PinCount, SetParametersCopiesValuesAndFollowsIna)
{
    TKiste* add = doc.createBlock(13, 2, 1, 1, 0, 0, false);
    EXPECT_TRUE(doc.setParameters(*add, {"4"}, EditContext{}));
    EXPECT_EQ(add->n, 4);

    TKiste* limit = doc.createBlock(35, 0, 0, 1, 0, 0, false);
    ASSERT_EQ(limit->params.size(), 2u);
    EXPECT_TRUE(doc.setParameters(*limit, {"0.5", "say \"hi\""}, EditContext{}));
    EXPECT_EQ(limit->params[0].value, "0.5");
    EXPECT_EQ(limit->params[1].value, "say  hi "); // a quote would break the file
}

TEST_F(PinCount, XyCurveNeedsEqualListLengths)
{
    TKiste* curve = doc.createBlock(49, 0, 0, 1, 0, 0, false);
    EXPECT_FALSE(doc.setParameters(*curve, {"-1 0 1", "0 1"}, EditContext{}));
    EXPECT_EQ(reporter.lines, std::vector<std::string>{"E:Ungleiche Anzahl von X- und Y-Werten"});

    reporter.lines.clear();
    EXPECT_TRUE(doc.setParameters(*curve, {"-1 1", "0 1"}, EditContext{}));
    EXPECT_TRUE(reporter.lines.empty());

    // A parser that fails first: no count message on top of its own.
    doc.hooks().parseValueList = [](TKiste&, bool xList, const std::string&, bool& ok) {
        if (xList)
            ok = false;
        return xList ? 3 : 2;
    };
    EXPECT_FALSE(doc.setParameters(*curve, {"-1 0,5 1", "0 1"}, EditContext{}));
    EXPECT_TRUE(reporter.lines.empty());
}

TEST_F(PinCount, MacroHooks)
{
    TKiste* macro = doc.createBlock(187, 0, 0, 1, 0, 0, false);
    TKiste* red = doc.createBlock(14, 0, 0, 1, 0, 0, false);
    red->colour = colour::Red;

    doc.hooks().confirmMacroValues = [](const TKiste&, const std::vector<std::string>&) { return false; };
    EXPECT_FALSE(doc.setParameters(*macro, {"NEU"}, EditContext{}));
    EXPECT_EQ(macro->params[0].value, "");

    doc.hooks().confirmMacroValues = nullptr;
    doc.hooks().macroChecks = [](TKiste&) { return false; };
    EXPECT_FALSE(doc.setParameters(*macro, {"NEU"}, EditContext{}));
    EXPECT_EQ(macro->params[0].value, "NEU");
    EXPECT_EQ(macro->colour, colour::Green);
    EXPECT_EQ(red->colour, colour::Normal); // highlights were reset first

    // Unchanged values run no macro checks.
    macro->colour = colour::Normal;
    EXPECT_TRUE(doc.setParameters(*macro, {"NEU"}, EditContext{}));
    EXPECT_EQ(macro->colour, colour::Normal);
}

TEST_F(PinCount, PortAndOnlineHooks)
{
    TKiste* port = doc.createBlock(182, 0, 0, 200, 0, 0, false);
    std::string seen;
    doc.hooks().portChanged = [&](TKiste&, const std::string& oldName, const std::string& oldNumber) {
        seen = oldName + "/" + oldNumber;
    };
    int sent = 0;
    doc.hooks().sendOnline = [&](TKiste&) { ++sent; };

    ASSERT_TRUE(doc.setParameters(*port, {"a", "1"}, EditContext{}));
    ASSERT_TRUE(doc.setParameters(*port, {"b", "2"}, EditContext{EditContext::Mode::Online, true, true}));
    EXPECT_EQ(seen, "a/1");
    EXPECT_EQ(sent, 1);
}

} // namespace
} // namespace fup

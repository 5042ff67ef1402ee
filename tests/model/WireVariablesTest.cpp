// Variables, references, constants, inversion and signal comments on pins and nets.
#include "model/Constants.h"
#include "model/Document.h"

#include "shell/RecordingReporter.h"

#include <gtest/gtest.h>

namespace fup {
namespace {

using test::RecordingReporter;

struct PinNames : ::testing::Test {
    RecordingReporter rep;
    Document doc{&rep};
    TKiste* add = doc.createBlock(13, 2, 1, 1, 0, 0, false); // fixed point: o, +1, +2
    TKiste* gate = doc.createBlock(92, 2, 1, 1, 20, 0, false);
    TKante* out = add->outputPin(1);
    TKante* in = add->inputPin(1);
    TKante* wire = doc.createPoint(10, 10, 1, vt::None);

    void SetUp() override
    {
        ASSERT_TRUE(doc.connect(*gate->outputPin(1), *wire));
        ASSERT_TRUE(doc.connect(*wire, *gate->inputPin(1)));
    }
};

TEST_F(PinNames, OutputTakesAnOwnVariableAndShowsIt)
{
    EXPECT_TRUE(doc.setVariableName(*out, "  \"Motor1\"  "));
    EXPECT_EQ(out->varType, var::Own);
    EXPECT_EQ(out->varText, "Motor1");
    EXPECT_TRUE(out->displayFlag);
    EXPECT_TRUE(rep.lines.empty());

    EXPECT_TRUE(doc.setVariableName(*out, "ABCDEFGHIJKL"));
    EXPECT_EQ(out->varText, "ABCDEFGHIJKL");
}

TEST_F(PinNames, RefusedNamesLeaveThePinAsItWas)
{
    ASSERT_TRUE(doc.setVariableName(*out, "alt"));
    struct Case {
        const char* entered;
        std::vector<std::string> report;
    };
    for (const Case& c :
         {Case{"a b", {"W:Name enthaelt Blank: a b"}},
          Case{"ABCDEFGHIJKLM", {"W:Name zu lang: ABCDEFGHIJKLM"}}, Case{"  ", {}}, Case{"\"\"", {}}}) {
        SCOPED_TRACE(c.entered);
        rep.lines.clear();
        EXPECT_FALSE(doc.setVariableName(*out, c.entered));
        EXPECT_EQ(rep.lines, c.report);
        EXPECT_EQ(out->varType, var::Own);
        EXPECT_EQ(out->varText, "alt");
    }
}

TEST_F(PinNames, InputReferenceReplacesTheWire)
{
    TKante* gateIn = gate->inputPin(1);
    ASSERT_EQ(gateIn->neighbourCount, 1);
    EXPECT_TRUE(doc.setVariableName(*gateIn, "Schalter"));
    EXPECT_EQ(gateIn->varType, var::Reference);
    EXPECT_EQ(gateIn->neighbourCount, 0);
    EXPECT_EQ(gateIn->source, nullptr);
    EXPECT_TRUE(wire->hasNeighbour(gate->outputPin(1)));
    // A pin with a name cannot be wired.
    EXPECT_EQ(doc.connectRefusal(*wire, *gateIn), ConnectRefusal::ExternalVariable);

    // A refused name removes nothing.
    TKante* gateIn2 = gate->inputPin(2);
    ASSERT_TRUE(doc.connect(*wire, *gateIn2));
    EXPECT_FALSE(doc.setVariableName(*gateIn2, "zu langer Name"));
    EXPECT_EQ(gateIn2->neighbourCount, 1);
}

TEST_F(PinNames, ReferenceOnOutputsOnly)
{
    EXPECT_TRUE(doc.setReference(*out, "Fremd"));
    EXPECT_EQ(out->varType, var::Reference);
    EXPECT_EQ(out->varText, "Fremd");
    EXPECT_FALSE(doc.setReference(*in, "Fremd"));
    EXPECT_EQ(in->varType, var::None);
}

TEST_F(PinNames, NotOfferedOnPortsStatesAndUntypedPins)
{
    TKiste* port = doc.createBlock(182, 0, 0, 200, 0, 0, false);
    TKiste* state = doc.createBlock(189, 1, 1, 200, 20, 0, false);
    TKiste* var = doc.createBlock(1, 0, 0, 1, 40, 0, false); // its input is untyped
    for (TKante* pin : {port->outputPin(1), state->pins.front(), var->inputPin(1)}) {
        EXPECT_FALSE(Document::variableAllowed(*pin));
        EXPECT_FALSE(doc.setVariableName(*pin, "x"));
        EXPECT_EQ(pin->varType, var::None);
    }
    EXPECT_TRUE(Document::variableAllowed(*var->outputPin(1)));
}

TEST_F(PinNames, ClearingForgetsNameAndLabelAndTheNeighboursType)
{
    TKante* gateOut = gate->outputPin(1);
    ASSERT_TRUE(doc.setVariableName(*gateOut, "Q1"));
    wire->varType = var::Own;
    doc.clearVariable(*gateOut);
    EXPECT_EQ(gateOut->varType, var::None);
    EXPECT_EQ(gateOut->varText, "");
    EXPECT_FALSE(gateOut->displayFlag);
    EXPECT_EQ(wire->varType, var::None);
}

TEST_F(PinNames, ConstantOnAConstantCapableInput)
{
    const TimeBase base{100.0, 3};
    TKante* p = doc.createPoint(2, 2, 1, vt::None);
    ASSERT_TRUE(doc.connect(*out, *p));
    TKante* second = add->inputPin(2);
    ASSERT_TRUE(doc.connect(*p, *second));

    EXPECT_TRUE(doc.createConstant(*second, dt::Time, "2.5", base));
    EXPECT_EQ(second->varType, var::Own);
    EXPECT_EQ(second->displayType, dt::Time);
    EXPECT_EQ(second->constValue, 25 * 65536);
    EXPECT_TRUE(second->displayFlag);
    EXPECT_EQ(second->neighbourCount, 0); // its wire went first
    EXPECT_EQ(second->source, nullptr);

    EXPECT_TRUE(doc.changeConstant(*second, "0.5", base));
    EXPECT_EQ(second->constValue, 5 * 65536);

    doc.clearConstant(*second);
    EXPECT_EQ(second->varType, var::None);
    EXPECT_EQ(second->constValue, 0);
    EXPECT_FALSE(second->displayFlag);
}

TEST_F(PinNames, RefusedConstantChangesNothing)
{
    TKante* p = doc.createPoint(2, 2, 1, vt::None);
    ASSERT_TRUE(doc.connect(*out, *p));
    ASSERT_TRUE(doc.connect(*p, *in));

    EXPECT_FALSE(doc.createConstant(*in, dt::Angle, "1200", TimeBase{}));
    EXPECT_EQ(rep.lines, std::vector<std::string>{"BOX:Bitte Winkel<1000 Grad eingeben"});
    EXPECT_EQ(in->varType, var::None);
    EXPECT_EQ(in->neighbourCount, 1); // the wire stays
    EXPECT_EQ(in->source, out);

    // A display type that does not suit the pin's value type is no constant at all.
    rep.lines.clear();
    EXPECT_FALSE(doc.createConstant(*in, dt::Float, "1.5", TimeBase{}));
    EXPECT_FALSE(doc.createConstant(*in, dt::Value, "TRUE", TimeBase{}));
    EXPECT_TRUE(rep.lines.empty());

    ASSERT_TRUE(doc.createConstant(*in, dt::Fixed, "0.5", TimeBase{}));
    rep.lines.clear();
    EXPECT_FALSE(doc.changeConstant(*in, "halb", TimeBase{}));
    EXPECT_EQ(rep.lines, std::vector<std::string>{"BOX:ungueltiger Wert :halb"});
    EXPECT_EQ(in->constValue, 1073741824);
}

TEST_F(PinNames, ConstantsNeedAConstantCapableInput)
{
    // Gate inputs and outputs take no constants.
    EXPECT_FALSE(doc.createConstant(*gate->inputPin(2), dt::Value, "TRUE", TimeBase{}));
    EXPECT_FALSE(doc.createConstant(*out, dt::Fixed, "0.5", TimeBase{}));
    EXPECT_EQ(out->varType, var::None);
}

TEST_F(PinNames, DigitalConstantToggles)
{
    // The catalogue gives no digital input this ability; an added input can have it.
    TKante* digital = doc.addPin(*gate, ek::InputPin, "i3", vt::Digital, 3, true, false);
    ASSERT_TRUE(doc.createConstant(*digital, dt::Value, "FALSE", TimeBase{}));
    EXPECT_EQ(digital->constValue, 0);
    EXPECT_TRUE(doc.changeConstant(*digital, "", TimeBase{}));
    EXPECT_EQ(digital->constValue, 1);
    EXPECT_TRUE(doc.changeConstant(*digital, "", TimeBase{}));
    EXPECT_EQ(digital->constValue, 0);
}

TEST_F(PinNames, InvertOnlyTheInputsOfAndOrAndBitsToRegister)
{
    EXPECT_TRUE(doc.invertInput(*gate->inputPin(2)));
    EXPECT_TRUE(gate->inputPin(2)->inverse);
    EXPECT_TRUE(doc.invertInput(*gate->inputPin(2)));
    EXPECT_FALSE(gate->inputPin(2)->inverse);
    EXPECT_FALSE(doc.invertInput(*gate->outputPin(1)));
    EXPECT_FALSE(doc.invertInput(*in));
    EXPECT_FALSE(in->inverse);
}

TEST_F(PinNames, SignalCommentLivesOnTheSourceAndShowsWhereItWasEdited)
{
    EXPECT_TRUE(doc.setSignalComment(*wire, "Motor \"an\""));
    TKante* source = gate->outputPin(1);
    EXPECT_EQ(source->signalComment, "Motor  an ");
    EXPECT_TRUE(wire->commentFlag);
    EXPECT_FALSE(source->commentFlag);

    EXPECT_TRUE(doc.setSignalComment(*wire, ""));
    EXPECT_FALSE(wire->commentFlag);

    TKante* lone = doc.createPoint(1, 1, 1, vt::None);
    EXPECT_FALSE(doc.setSignalComment(*lone, "x"));
    EXPECT_TRUE(doc.toggleCommentFlag(*lone));
    EXPECT_TRUE(lone->commentFlag);
    EXPECT_FALSE(doc.toggleCommentFlag(*in));
}

TEST_F(PinNames, DisplayEntriesChooseTheTypeAndShowTheLabel)
{
    doc.setDisplayType(*wire, dt::Hex);
    EXPECT_EQ(wire->displayType, dt::Hex);
    EXPECT_TRUE(wire->displayFlag);
    doc.hideValueLabel(*wire);
    EXPECT_FALSE(wire->displayFlag);
    doc.setDisplayType(*wire, 8);
    EXPECT_EQ(wire->displayType, dt::Hex);
}

} // namespace
} // namespace fup

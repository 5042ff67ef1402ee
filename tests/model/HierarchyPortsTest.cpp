#include "model/Document.h"
#include "model/Hierarchy.h"

#include "shell/RecordingReporter.h"

#include <gtest/gtest.h>

namespace fup {
namespace {

using test::RecordingReporter;

struct Ports : ::testing::Test {
    RecordingReporter reporter;
    Document doc{&reporter};
    TKiste* macro = doc.createBlock(187, 0, 0, 1, 20, 10, false);
    TKiste* automat = doc.createBlock(188, 0, 0, 1, 60, 10, false);

    void SetUp() override
    {
        macro->childPage = doc.allocateInstanceNumber();
        automat->childPage = doc.allocateInstanceNumber();
    }

    TKiste* port(int type, const std::string& name, const std::string& number)
    {
        const int inside = isAutomatPort(type) ? automat->childPage : macro->childPage;
        TKiste* p = doc.createBlock(type, 0, 0, inside, 5, 5, false);
        p->param("nam")->value = name;
        p->param("nr")->value = number;
        return p;
    }

    std::vector<std::string> pinsOf(const TKiste& block) const
    {
        std::vector<std::string> result;
        for (const TKante* p : block.pins)
            result.push_back((p->isInput() ? "in " : "out ") + p->name + " " + std::to_string(p->ordinal()) +
                             (p->hidden ? " hidden" : ""));
        return result;
    }
};

TEST_F(Ports, OutPortGivesTheMacroAnOutputAndAHiddenLinkedInput)
{
    TKiste* out = port(183, "q", "3");
    ASSERT_TRUE(connectPort(doc, *out));
    EXPECT_EQ(pinsOf(*macro), (std::vector<std::string>{"in q -3 hidden", "out q 3"}));
    EXPECT_EQ(macro->heightRows, 4);
    TKante* hidden = macro->inputPin(-3);
    ASSERT_NE(hidden, nullptr);
    EXPECT_TRUE(hidden->hasNeighbour(out->portFacingPin()));
    EXPECT_EQ(netSource(*hidden), out->portFacingPin()); // driven from inside
    EXPECT_EQ(macro->outputPin(3)->valueType, vt::Digital);
    EXPECT_TRUE(out->portConnected());
    EXPECT_EQ(out->normalColour, colour::PortConnected);
    EXPECT_EQ(out->colour, colour::PortConnected);

    ASSERT_TRUE(disconnectPort(doc, *out));
    EXPECT_TRUE(macro->pins.empty());
    EXPECT_EQ(macro->heightRows, 2);
    EXPECT_FALSE(out->portConnected());
    EXPECT_EQ(out->colour, colour::Teal);
    EXPECT_EQ(out->portFacingPin()->neighbourCount, 0);
    EXPECT_TRUE(reporter.lines.empty());
}

TEST_F(Ports, EveryPortTypeGivesItsPin)
{
    struct Case {
        int type;
        std::uint8_t kind;
        std::uint8_t valueType;
        int motherPins; // including the hidden one of macro out-ports
    };
    const Case cases[] = {
        {182, ek::InputPin, vt::Digital, 1}, {184, ek::InputPin, vt::Fixed, 1},
        {178, ek::InputPin, vt::Float, 1},   {183, ek::OutputPin, vt::Digital, 2},
        {185, ek::OutputPin, vt::Fixed, 2},  {179, ek::OutputPin, vt::Float, 2},
        {191, ek::InputPin, vt::Digital, 1}, {192, ek::OutputPin, vt::Digital, 1},
        {194, ek::OutputPin, vt::Integer, 1},
    };
    for (const Case& c : cases) {
        TKiste* p = port(c.type, "p", "2");
        TKiste* mother = isAutomatPort(c.type) ? automat : macro;
        ASSERT_TRUE(connectPort(doc, *p)) << c.type;
        ASSERT_EQ(static_cast<int>(mother->pins.size()), c.motherPins) << c.type;
        const TKante* pin = c.kind == ek::InputPin ? mother->inputPin(2) : mother->outputPin(2);
        ASSERT_NE(pin, nullptr) << c.type;
        EXPECT_EQ(pin->valueType, c.valueType) << c.type;
        EXPECT_EQ(pin->name, "p");
        EXPECT_EQ(pin->sheet, 1);
        EXPECT_FALSE(pin->hidden);
        EXPECT_EQ(mother->heightRows, 3);
        EXPECT_TRUE(p->portConnected()) << c.type;
        ASSERT_TRUE(disconnectPort(doc, *p)) << c.type;
        EXPECT_TRUE(mother->pins.empty()) << c.type;
        EXPECT_FALSE(p->portConnected()) << c.type;
        doc.removeBlock(*p);
    }
    EXPECT_TRUE(reporter.lines.empty());
}

TEST_F(Ports, AnOutsideWireReachesThePortInside)
{
    TKiste* in = port(184, "x", "1");
    ASSERT_TRUE(connectPort(doc, *in));
    TKiste* source = doc.createBlock(12, 0, 0, 1, 2, 10, false); // constant, fixed-point output
    ASSERT_TRUE(doc.connect(*source->outputPin(1), *macro->inputPin(1)));
    EXPECT_EQ(netSource(*in->portFacingPin()), source->outputPin(1));

    // Disconnecting takes the mother's pin with its outside wire.
    ASSERT_TRUE(disconnectPort(doc, *in));
    EXPECT_EQ(source->outputPin(1)->neighbourCount, 0);
    EXPECT_EQ(netSource(*in->portFacingPin()), nullptr);
}

TEST_F(Ports, InvalidPortsAreNotConnected)
{
    const std::pair<std::pair<const char*, const char*>, std::string> cases[] = {
        {{"abcd", "1"}, ": PinName 1..3 Zeichen lang"},
        {{"  ", "1"}, ": PinName 1..3 Zeichen lang"},
        {{"a", "x1"}, ": ungueltige Pin-Nr."},
        {{"a", "25"}, ": PortPin-Nr. nur von 1 .. 24"},
        {{"a", "0"}, ": PortPin-Nr. nur von 1 .. 24"},
    };
    for (const auto& [values, message] : cases) {
        reporter.lines.clear();
        TKiste* p = port(182, values.first, values.second);
        EXPECT_FALSE(connectPort(doc, *p)) << values.first;
        EXPECT_EQ(reporter.lines, std::vector<std::string>{"E:" + p->name + message});
        EXPECT_TRUE(macro->pins.empty());
        EXPECT_FALSE(p->portConnected());
        EXPECT_EQ(p->colour, colour::Teal);
    }
}

TEST_F(Ports, NamesAreUniqueAcrossDirectionsNumbersWithinOne)
{
    TKiste* first = port(182, " Ab ", "1");
    ASSERT_TRUE(connectPort(doc, *first));

    TKiste* sameName = port(185, "aB", "5"); // other direction, name differs only in case and blanks
    EXPECT_FALSE(connectPort(doc, *sameName));
    EXPECT_EQ(reporter.lines, std::vector<std::string>{"E:PortAnschluss_Name: \"Ab\" gibt es bereits"});

    reporter.lines.clear();
    TKiste* otherDirection = port(183, "q", "1"); // an out-port may have number 1 as well
    EXPECT_TRUE(connectPort(doc, *otherDirection));
    TKiste* sameNumber = port(184, "z", "1");
    EXPECT_FALSE(connectPort(doc, *sameNumber));
    EXPECT_EQ(reporter.lines, std::vector<std::string>{"E:PortAnschluss_Nr.: \"1\" gibt es bereits"});

    // A disconnected port blocks nothing.
    reporter.lines.clear();
    ASSERT_TRUE(disconnectPort(doc, *first));
    EXPECT_TRUE(connectPort(doc, *sameNumber));
    EXPECT_TRUE(reporter.lines.empty());

    // Automat ports have their own texts.
    TKiste* a1 = port(191, "s", "1");
    TKiste* a2 = port(192, "S", "2");
    ASSERT_TRUE(connectPort(doc, *a1));
    EXPECT_FALSE(connectPort(doc, *a2));
    EXPECT_EQ(reporter.lines, std::vector<std::string>{"E:Automat_Anschluss_Name: \"s\" gibt es bereits"});
}

TEST_F(Ports, ALinkedPortIsNotConnectedTwice)
{
    TKiste* in = port(182, "a", "1");
    ASSERT_TRUE(connectPort(doc, *in));
    EXPECT_FALSE(connectPort(doc, *in));
    EXPECT_EQ(reporter.lines, std::vector<std::string>{"E:PortAnschluss ist bereits verbunden"});
    EXPECT_EQ(macro->pins.size(), 1u);

    // An automat port connected twice keeps its one pin.
    TKiste* s = port(192, "s", "1");
    ASSERT_TRUE(connectPort(doc, *s));
    EXPECT_TRUE(connectPort(doc, *s));
    EXPECT_EQ(automat->pins.size(), 1u);
}

TEST_F(Ports, NoMotherNoConnection)
{
    TKiste* stray = doc.createBlock(182, 0, 0, 1, 5, 5, false);
    stray->param("nam")->value = "a";
    stray->param("nr")->value = "1";
    EXPECT_FALSE(connectPort(doc, *stray));
    EXPECT_TRUE(macro->pins.empty());
}

TEST_F(Ports, AutomatPortWithoutItsMotherPin)
{
    TKiste* s = port(192, "s", "2");
    ASSERT_TRUE(connectPort(doc, *s));
    doc.removeElement(*automat->outputPin(2), true); // a damaged document
    EXPECT_FALSE(disconnectPort(doc, *s));
    EXPECT_EQ(reporter.lines, std::vector<std::string>{"E:..Mutter-AutomatPin nicht gefunden"});
    EXPECT_TRUE(s->portConnected());
}

TEST_F(Ports, ParameterChangesFollowTheMotherPin)
{
    TKiste* out = port(185, "y", "2");
    ASSERT_TRUE(connectPort(doc, *out));
    TKiste* target = doc.createBlock(14, 0, 0, 1, 40, 10, false);
    ASSERT_TRUE(doc.connect(*macro->outputPin(2), *target->inputPin(1)));

    // A new number moves the pin and its hidden twin; the wire stays.
    out->param("nr")->value = "5";
    portParametersChanged(doc, *out, "y", "2");
    ASSERT_NE(macro->outputPin(5), nullptr);
    EXPECT_NE(macro->inputPin(-5), nullptr);
    EXPECT_EQ(macro->outputPin(2), nullptr);
    EXPECT_EQ(macro->heightRows, 6);
    EXPECT_EQ(macro->outputPin(5)->neighbourCount, 1);

    // A new name loses the outside wire, never the link to the port.
    out->param("nam")->value = "z";
    portParametersChanged(doc, *out, "y", "5");
    EXPECT_EQ(macro->outputPin(5)->name, "z");
    EXPECT_EQ(macro->outputPin(5)->neighbourCount, 0);
    EXPECT_EQ(target->inputPin(1)->neighbourCount, 0);
    EXPECT_TRUE(macro->inputPin(-5)->hasNeighbour(out->portFacingPin()));

    // Invalid or taken values are reported and the old ones come back.
    TKiste* other = port(183, "o", "1");
    ASSERT_TRUE(connectPort(doc, *other));
    const std::pair<const char*, const char*> refused[] = {{"zz", "30"}, {"O", "5"}, {"z", "1"}, {"z", "x"}};
    for (const auto& [name, number] : refused) {
        reporter.lines.clear();
        out->param("nam")->value = name;
        out->param("nr")->value = number;
        portParametersChanged(doc, *out, "z", "5");
        EXPECT_EQ(reporter.lines.size(), 1u) << name << " " << number;
        EXPECT_EQ(out->param("nam")->value, "z");
        EXPECT_EQ(out->param("nr")->value, "5");
        EXPECT_NE(macro->outputPin(5), nullptr);
    }
}

TEST_F(Ports, TheStateNumberPortFollowsItsParametersToo)
{
    doc.hooks().portChanged = [this](TKiste& p, const std::string& oldName, const std::string& oldNumber) {
        portParametersChanged(doc, p, oldName, oldNumber);
    };
    TKiste* state = port(194, "st", "1");
    ASSERT_TRUE(connectPort(doc, *state));
    ASSERT_TRUE(doc.setParameters(*state, {"st", "3"}, EditContext{}));
    EXPECT_EQ(automat->outputPin(1), nullptr);
    ASSERT_NE(automat->outputPin(3), nullptr);
    EXPECT_EQ(automat->outputPin(3)->valueType, vt::Integer);
    // Without the follow-up the pin would stay in row 1 and disconnecting would fail.
    EXPECT_TRUE(disconnectPort(doc, *state));
    EXPECT_TRUE(automat->pins.empty());
    EXPECT_TRUE(reporter.lines.empty());
}

TEST_F(Ports, RemovingAPortTakesTheMotherPinsWithIt)
{
    TKiste* in = port(182, "a", "1");
    TKiste* out = port(183, "b", "2");
    ASSERT_TRUE(connectPort(doc, *in));
    ASSERT_TRUE(connectPort(doc, *out));
    removeWithInside(doc, *out);
    EXPECT_FALSE(out->alive());
    EXPECT_EQ(pinsOf(*macro), std::vector<std::string>{"in a 1"});
    EXPECT_EQ(macro->heightRows, 2);

    // Through the selection, as a cut does.
    in->selected = true;
    removeSelectedObjects(doc);
    EXPECT_TRUE(macro->pins.empty());
}

TEST_F(Ports, ShowingAnInsideMarksItsConnectedPorts)
{
    TKiste* connected = port(182, "a", "1");
    TKiste* red = port(183, "b", "1");
    TKiste* loose = port(184, "c", "2");
    ASSERT_TRUE(connectPort(doc, *connected));
    ASSERT_TRUE(connectPort(doc, *red));
    connected->normalColour = connected->colour = colour::Teal; // as read from a file
    red->colour = colour::Red;
    markConnectedPorts(doc, macro->childPage);
    EXPECT_EQ(connected->colour, colour::PortConnected);
    EXPECT_EQ(red->normalColour, colour::PortConnected);
    EXPECT_EQ(red->colour, colour::Red);
    EXPECT_EQ(loose->colour, colour::Teal);
}

} // namespace
} // namespace fup

// The wire popup menu's commands: what they ask, what they do with the answer.
#include "shell/GestureBench.h"

#include "model/Kanten.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <bit>

namespace fup {
namespace {

using test::GestureBench;
using ::testing::EndsWith;
using ::testing::StartsWith;

WireMenuItem entry(WireCommand command, std::uint8_t displayType = 0, std::string preset = {})
{
    return {command, "", displayType, std::move(preset), {}};
}

// The entry of that caption in a menu, looked up in submenus as well.
std::optional<WireMenuItem> find(const std::vector<WireMenuItem>& menu, const std::string& caption)
{
    for (const WireMenuItem& item : menu) {
        if (item.caption == caption)
            return item;
        if (auto inner = find(item.submenu, caption))
            return inner;
    }
    return std::nullopt;
}

struct Commands : GestureBench, ::testing::Test {
    TKiste* add = doc.createBlock(13, 2, 1, 1, 10, 10, false);
    TKiste* gate = doc.createBlock(92, 2, 1, 1, 40, 10, false);
    TKiste* fadd = doc.createBlock(136, 2, 1, 1, 10, 40, false);
    WireCommands& commands = layer.commands();

    bool choose(TKante& element, WireMenuPlace place, const std::string& caption)
    {
        const auto item = find(commands.menu(element, place), caption);
        if (!item) {
            ADD_FAILURE() << "no entry " << caption;
            return false;
        }
        return commands.carryOut(element, *item);
    }
};

TEST_F(Commands, VariableNamesThroughTheirDialogs)
{
    TKante* out = add->outputPin(1);
    dialogs.inputs = {"Motor1"};
    EXPECT_TRUE(choose(*out, WireMenuPlace::PinLabel, "eigene Variable erzeugen"));
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_THAT(dialogs.asked[0], StartsWith("input:SPS-AusgangsVariable neu|Name der SPS-Variable ?|"));
    EXPECT_EQ(out->varType, var::Own);
    EXPECT_EQ(out->varText, "Motor1");

    // A refused name, an empty answer and a cancel leave the name as it is.
    dialogs.inputs = {"a b", "  ", std::nullopt};
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(choose(*out, WireMenuPlace::PinLabel, "Variable aendern"));
    EXPECT_THAT(dialogs.asked.back(), EndsWith("|Motor1"));
    EXPECT_EQ(out->varText, "Motor1");
    EXPECT_EQ(rep.lines, std::vector<std::string>{"W:Name enthaelt Blank: a b"});

    // An output that writes a variable of elsewhere is renamed through the reference dialog.
    EXPECT_TRUE(choose(*out, WireMenuPlace::PinLabel, "Variable loeschen"));
    dialogs.inputs = {"Fremd", "Fremd2"};
    EXPECT_TRUE(choose(*out, WireMenuPlace::PinLabel, "fremde Variable nutzen (Referenz)"));
    EXPECT_EQ(out->varType, var::Reference);
    EXPECT_TRUE(choose(*out, WireMenuPlace::PinLabel, "Referenz aendern"));
    EXPECT_THAT(dialogs.asked.back(), StartsWith("input:SPS-Variable referenzieren|"));
    EXPECT_EQ(out->varType, var::Reference);
    EXPECT_EQ(out->varText, "Fremd2");

    // An input reads a named variable instead of its wire.
    TKante* in = gate->inputPin(1);
    ASSERT_TRUE(doc.connect(*gate->outputPin(1), *doc.createPoint(60, 20, 1, vt::None)));
    ASSERT_TRUE(doc.connect(*doc.kanten().back(), *in));
    dialogs.inputs = {"Freigabe"};
    EXPECT_TRUE(choose(*in, WireMenuPlace::PinLabel, "Referenz erzeugen"));
    EXPECT_THAT(dialogs.asked.back(), StartsWith("input:SPS-EingangsVariable referenzieren|"));
    EXPECT_EQ(in->varType, var::Reference);
    EXPECT_EQ(in->neighbourCount, 0);
}

TEST_F(Commands, ConstantsOfEveryEncoding)
{
    TKante* in = add->inputPin(1);
    dialogs.inputs = {"0.5"};
    EXPECT_TRUE(choose(*in, WireMenuPlace::PinLabel, "Festpunkt"));
    EXPECT_THAT(dialogs.asked.back(), StartsWith("input:Neuer Festpunkt-Wert|bitte eingeben|"));
    EXPECT_EQ(in->constValue, 1073741824);

    dialogs.inputs = {"-1"};
    EXPECT_TRUE(choose(*in, WireMenuPlace::PinLabel, "Konstante aendern"));
    EXPECT_THAT(dialogs.asked.back(), EndsWith("|0.50000000"));
    EXPECT_EQ(in->constValue, -2147483647 - 1);

    // A bad floating-point text is refused with the model's message.
    TKante* fin = fadd->inputPin(1);
    dialogs.inputs = {"abc"};
    EXPECT_FALSE(choose(*fin, WireMenuPlace::PinLabel, "Gleitpunkt"));
    EXPECT_EQ(rep.lines.back(), "BOX:abc :  ungültige Gleitpunktzahl");
    EXPECT_EQ(fin->varType, var::None);

    // An angle out of range likewise.
    TKante* second = add->inputPin(2);
    dialogs.inputs = {"1500"};
    EXPECT_FALSE(choose(*second, WireMenuPlace::PinLabel, "Winkel"));
    EXPECT_EQ(rep.lines.back(), "BOX:Bitte Winkel<1000 Grad eingeben");
    EXPECT_EQ(second->varType, var::None);

    EXPECT_TRUE(choose(*in, WireMenuPlace::PinLabel, "Konstante loeschen"));
    EXPECT_EQ(in->varType, var::None);
}

// The text offered by "Konstante aendern" is the value as shown; taking it unchanged must
// keep the value in every encoding.
TEST_F(Commands, ChangingAConstantToItsShownTextKeepsIt)
{
    struct Case {
        const char* choice;
        const char* entered;
    };
    for (const Case& c : {Case{"Festpunkt", "-0.25"}, Case{"Dezimal", "-17"}, Case{"Hexadezimal", "$7FFF0001"},
                          Case{"Zeit", "2.5"}, Case{"Winkel", "270"}}) {
        SCOPED_TRACE(c.choice);
        TKante* in = add->inputPin(1);
        dialogs.inputs = {c.entered};
        ASSERT_TRUE(choose(*in, WireMenuPlace::PinLabel, c.choice));
        const std::int32_t value = in->constValue;
        dialogs.inputs.clear();
        const auto item = find(commands.menu(*in, WireMenuPlace::PinLabel), "Konstante aendern");
        ASSERT_TRUE(item);
        const auto question = commands.query(*in, *item);
        ASSERT_TRUE(question);
        EXPECT_TRUE(commands.run(*in, *item, question->initial));
        EXPECT_EQ(in->constValue, value) << question->initial;
        commands.run(*in, entry(WireCommand::ClearConstant));
    }
    TKante* fin = fadd->inputPin(1);
    dialogs.inputs = {"0.0015"};
    ASSERT_TRUE(choose(*fin, WireMenuPlace::PinLabel, "Gleitpunkt"));
    const auto question = commands.query(*fin, entry(WireCommand::ChangeConstant));
    ASSERT_TRUE(question);
    EXPECT_TRUE(commands.run(*fin, entry(WireCommand::ChangeConstant), question->initial));
    EXPECT_EQ(std::bit_cast<float>(fin->constValue), 0.0015f);
    EXPECT_TRUE(rep.lines.empty());
}

TEST_F(Commands, DigitalConstantsAreChosenNotTyped)
{
    TKante* in = gate->inputPin(2);
    in->constCapable = true; // as the inputs of blocks that take digital constants
    EXPECT_TRUE(choose(*in, WireMenuPlace::PinLabel, "TRUE"));
    EXPECT_EQ(in->constValue, 1);
    EXPECT_TRUE(choose(*in, WireMenuPlace::PinLabel, "Konstante aendern"));
    EXPECT_EQ(in->constValue, 0);
    EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(Commands, ElementEntries)
{
    TKante* out = gate->outputPin(1);
    TKante* p = doc.createPoint(60, 20, 1, vt::None);
    ASSERT_TRUE(doc.connect(*out, *p));
    TKante* gin = gate->inputPin(1);
    ASSERT_TRUE(doc.connect(*p, *gin));

    EXPECT_TRUE(choose(*gin, WireMenuPlace::Element, "Verbindung einfuegen"));
    EXPECT_EQ(gin->neighbourCount, 1);
    TKante* inserted = gin->firstNeighbour();
    EXPECT_NE(inserted, p);
    EXPECT_TRUE(inserted->isPoint());

    dialogs.inputs = {"Freigabe"};
    EXPECT_TRUE(choose(*p, WireMenuPlace::Element, "Edit Signalkommentar"));
    EXPECT_EQ(out->signalComment, "Freigabe");
    EXPECT_TRUE(choose(*p, WireMenuPlace::Element, "Signalkommentar Ein/Aus"));
    EXPECT_FALSE(p->commentFlag);

    EXPECT_TRUE(choose(*gin, WireMenuPlace::PinLabel, "Invertiere Eingang"));
    EXPECT_TRUE(gin->inverse);
}

TEST_F(Commands, DisplayEntriesOnlyWhileValuesAreShown)
{
    TKante* out = add->outputPin(1);
    EXPECT_FALSE(commands.run(*out, entry(WireCommand::Display, dt::Hex)));
    EXPECT_EQ(out->displayType, dt::Fixed);

    context.mode = EditContext::Mode::Simulation;
    context.readOnly = true;
    EXPECT_TRUE(choose(*out, WireMenuPlace::Element, "Hexadezimal-Anzeige"));
    EXPECT_EQ(out->displayType, dt::Hex);
    EXPECT_TRUE(out->displayFlag);
    EXPECT_TRUE(choose(*out, WireMenuPlace::PinLabel, "Unsichtbar"));
    EXPECT_FALSE(out->displayFlag);

    // Editing entries are refused outside Edit mode, whoever calls them.
    dialogs.inputs = {"X1"};
    EXPECT_FALSE(commands.carryOut(*out, entry(WireCommand::CreateVariable)));
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_EQ(out->varType, var::None);
}

TEST_F(Commands, FollowFromTheMenu)
{
    doc.appendSheet("zwei");
    TKante* here = doc.createPoint(30, 30, 1, vt::None);
    TKante* there = doc.createPoint(50, 45, 2, vt::None);
    ASSERT_TRUE(doc.connect(*here, *there));
    EXPECT_TRUE(choose(*here, WireMenuPlace::Element, "Folge Verbindung"));
    EXPECT_EQ(doc.currentSheet(), 2);
    ASSERT_EQ(pointer.size(), 1u);
    EXPECT_EQ(pointer[0], at(there));
    EXPECT_EQ(snapshots, 0);
}

} // namespace
} // namespace fup

// Which entries the wire popup menu offers on wire elements and on pin name labels.
#include "model/KantenMenu.h"

#include "model/Document.h"

#include <gtest/gtest.h>

namespace fup {
namespace {

using Mode = EditContext::Mode;

const EditContext Edit{};
const EditContext ReadOnly{Mode::Edit, true, false};
const EditContext Simulation{Mode::Simulation, true, false};

std::vector<std::string> captions(const std::vector<WireMenuItem>& items)
{
    std::vector<std::string> out;
    for (const WireMenuItem& i : items) {
        out.push_back(i.caption);
        for (const WireMenuItem& sub : i.submenu)
            out.push_back("  " + sub.caption);
    }
    return out;
}

using Captions = std::vector<std::string>;

struct Menus : ::testing::Test {
    Document doc;
    TKiste* add = doc.createBlock(13, 2, 1, 1, 0, 0, false);   // fixed point
    TKiste* gate = doc.createBlock(92, 2, 1, 1, 20, 0, false); // AND
    TKiste* fadd = doc.createBlock(136, 2, 1, 1, 40, 0, false);
    TKante* p = doc.createPoint(10, 10, 1, vt::None);
    TKante* q = doc.createPoint(12, 10, 1, vt::None);
};

TEST_F(Menus, WireElementInEditMode)
{
    EXPECT_EQ(captions(wireElementMenu(doc, *p, Edit)), (Captions{"Loesche Verbindung"}));
    ASSERT_TRUE(doc.connect(*gate->outputPin(1), *p));
    ASSERT_TRUE(doc.connect(*p, *q));
    EXPECT_EQ(captions(wireElementMenu(doc, *p, Edit)),
              (Captions{"Loesche Verbindung", "Verbindung einfuegen", "Edit Signalkommentar"}));
    ASSERT_TRUE(doc.setSignalComment(*q, "Freigabe"));
    EXPECT_EQ(captions(wireElementMenu(doc, *p, Edit)),
              (Captions{"Loesche Verbindung", "Verbindung einfuegen", "Edit Signalkommentar",
                        "Signalkommentar Ein/Aus"}));
    // A pin never offers the comment toggle.
    EXPECT_EQ(captions(wireElementMenu(doc, *gate->outputPin(1), Edit)),
              (Captions{"Loesche Verbindung", "Verbindung einfuegen", "Edit Signalkommentar"}));

    doc.appendSheet("");
    TKante* there = doc.createPoint(1, 1, 2, vt::None);
    ASSERT_TRUE(doc.connect(*q, *there));
    EXPECT_EQ(captions(wireElementMenu(doc, *q, Edit)),
              (Captions{"Loesche Verbindung", "Folge Verbindung", "Verbindung einfuegen",
                        "Edit Signalkommentar", "Signalkommentar Ein/Aus"}));
    EXPECT_TRUE(wireElementMenu(doc, *q, ReadOnly).empty());
}

TEST_F(Menus, DisplayEntriesBelongToSimulationAndOnline)
{
    ASSERT_TRUE(doc.connect(*add->outputPin(1), *p));
    TKante* out = add->outputPin(1);
    EXPECT_TRUE(wireElementMenu(doc, *p, Simulation).empty()); // points offer none
    EXPECT_TRUE(wireElementMenu(doc, *add->inputPin(1), Simulation).empty());
    EXPECT_EQ(captions(wireElementMenu(doc, *out, Simulation)),
              (Captions{"Festpunkt-Anzeige", "Winkel-Anzeige", "Hexadezimal-Anzeige", "Zeit(sec)-Anzeige",
                        "Dezimal-Anzeige", "VariablenName-Anzeige"}));
    out->displayFlag = true;
    EXPECT_EQ(captions(pinLabelMenu(*out, Simulation)).back(), "Unsichtbar");
    EXPECT_EQ(captions(pinLabelMenu(*gate->outputPin(1), Simulation)),
              (Captions{"Wert-Anzeige", "VariablenName-Anzeige", "Hexadezimal-Anzeige", "Dezimal-Anzeige"}));
    EXPECT_EQ(captions(displayMenu(*fadd->outputPin(1))),
              (Captions{"VariablenName-Anzeige", "Gleitpunkt-Anzeige"}));

    // An input with a constant shows its value, but is never hidden.
    TKante* in = add->inputPin(2);
    ASSERT_TRUE(doc.createConstant(*in, dt::Fixed, "0.5", TimeBase{}));
    const auto entries = pinLabelMenu(*in, Simulation);
    ASSERT_FALSE(entries.empty());
    EXPECT_NE(entries.back().command, WireCommand::Hide);
    EXPECT_EQ(entries.front().displayType, dt::Fixed);
}

TEST_F(Menus, PinLabelEntriesFollowWhatThePinCarries)
{
    TKante* out = add->outputPin(1);
    TKante* in = add->inputPin(1);
    TKante* gateIn = gate->inputPin(1);
    EXPECT_EQ(captions(pinLabelMenu(*out, Edit)),
              (Captions{"eigene Variable erzeugen", "fremde Variable nutzen (Referenz)"}));
    EXPECT_EQ(captions(pinLabelMenu(*in, Edit)),
              (Captions{"Referenz erzeugen", "Konstante erzeugen", "  Festpunkt", "  Dezimal",
                        "  Hexadezimal", "  Zeit", "  Winkel"}));
    EXPECT_EQ(captions(pinLabelMenu(*gateIn, Edit)), (Captions{"Invertiere Eingang", "Referenz erzeugen"}));
    EXPECT_EQ(captions(pinLabelMenu(*fadd->inputPin(1), Edit)),
              (Captions{"Referenz erzeugen", "Konstante erzeugen", "  Gleitpunkt"}));

    ASSERT_TRUE(doc.setVariableName(*out, "A"));
    EXPECT_EQ(captions(pinLabelMenu(*out, Edit)), (Captions{"Variable loeschen", "Variable aendern"}));
    ASSERT_TRUE(doc.setReference(*out, "B"));
    EXPECT_EQ(captions(pinLabelMenu(*out, Edit)), (Captions{"Referenz loeschen", "Referenz aendern"}));
    ASSERT_TRUE(doc.setVariableName(*gateIn, "C"));
    EXPECT_EQ(captions(pinLabelMenu(*gateIn, Edit)),
              (Captions{"Invertiere Eingang", "Referenz loeschen", "Referenz aendern"}));
    ASSERT_TRUE(doc.createConstant(*in, dt::Decimal, "3", TimeBase{}));
    EXPECT_EQ(captions(pinLabelMenu(*in, Edit)), (Captions{"Konstante loeschen", "Konstante aendern"}));
    EXPECT_TRUE(pinLabelMenu(*in, ReadOnly).empty());
}

TEST_F(Menus, DigitalConstantChoicesCarryTheirValue)
{
    TKante* in = doc.addPin(*gate, ek::InputPin, "i3", vt::Digital, 3, true, false);
    const auto items = pinLabelMenu(*in, Edit);
    ASSERT_EQ(items.size(), 3u);
    ASSERT_EQ(items[2].submenu.size(), 2u);
    EXPECT_EQ(items[2].submenu[0].preset, "TRUE");
    EXPECT_EQ(items[2].submenu[1].preset, "FALSE");
    EXPECT_TRUE(
        doc.createConstant(*in, items[2].submenu[0].displayType, items[2].submenu[0].preset, TimeBase{}));
    EXPECT_EQ(in->constValue, 1);
}

TEST_F(Menus, ConstantBlocksNameTheirConstant)
{
    TKiste* eeprom = doc.createBlock(12, 0, 0, 1, 0, 20, false);
    TKiste* flash = doc.createBlock(12, 0, 0, 1, 10, 20, false);
    ASSERT_FALSE(eeprom->params.empty());
    eeprom->params.front().eeprom = true;
    EXPECT_EQ(captions(pinLabelMenu(*eeprom->outputPin(1), Edit)), (Captions{"Konstante erzeugen"}));
    EXPECT_EQ(variableNameDialog(*eeprom->outputPin(1), false).title, "SPS-Konstante neu");
    EXPECT_EQ(variableNameDialog(*eeprom->outputPin(1), false).prompt, "Name der SPS-Konstanten ?");
    EXPECT_EQ(variableNameDialog(*flash->outputPin(1), false).title, "Variable fuer Flash-Konstante");
    ASSERT_TRUE(doc.setVariableName(*eeprom->outputPin(1), "K1"));
    EXPECT_EQ(captions(pinLabelMenu(*eeprom->outputPin(1), Edit)),
              (Captions{"Konstante loeschen", "Konstante aendern"}));
}

TEST_F(Menus, NoVariableEntriesOnPortsStatesAndAutomatPorts)
{
    TKiste* port = doc.createBlock(182, 0, 0, 200, 0, 0, false);
    TKiste* automatPort = doc.createBlock(191, 0, 0, 200, 10, 0, false);
    EXPECT_TRUE(pinLabelMenu(*port->outputPin(1), Edit).empty());
    for (TKante* pin : automatPort->pins) {
        EXPECT_TRUE(pinLabelMenu(*pin, Simulation).empty());
        EXPECT_TRUE(wireElementMenu(doc, *pin, Edit).empty());
    }
}

TEST(WireDialogs, TitlesPromptsAndHints)
{
    Document doc;
    TKiste* add = doc.createBlock(13, 2, 1, 1, 0, 0, false);
    TKante* out = add->outputPin(1);
    TKante* in = add->inputPin(1);
    EXPECT_EQ(variableNameDialog(*out, false).title, "SPS-AusgangsVariable neu");
    EXPECT_EQ(variableNameDialog(*out, true).title, "SPS-Variable referenzieren");
    EXPECT_EQ(variableNameDialog(*in, true).title, "SPS-EingangsVariable referenzieren");
    EXPECT_EQ(variableNameDialog(*in, true).prompt, "Name der SPS-Referenz-Variable ?");

    EXPECT_EQ(variableHint(*out), "");
    ASSERT_TRUE(doc.setReference(*out, "X"));
    EXPECT_EQ(variableHint(*out), "Fremd-Variable");
    ASSERT_TRUE(doc.setVariableName(*in, "Y"));
    EXPECT_EQ(variableHint(*in), "Variablen-Referenz");
    ASSERT_TRUE(doc.createConstant(*in, dt::Fixed, "0.1", TimeBase{}));
    EXPECT_EQ(variableHint(*in), "Flash-Konstante");

    EXPECT_EQ(constantDialog(dt::Time).title, "Neuer Zeit-Wert (sec)");
    EXPECT_EQ(constantDialog(dt::Value).title, "Neuer-Wert");
    EXPECT_EQ(constantDialog(dt::Float).prompt, "bitte eingeben");
}

} // namespace
} // namespace fup

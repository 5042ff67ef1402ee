#include "model/KantenMenu.h"

#include "model/Document.h"

namespace fup {

namespace {

using Mode = EditContext::Mode;

WireMenuItem item(WireCommand command, std::string caption, std::uint8_t displayType = 0)
{
    return {command, std::move(caption), displayType, {}, {}};
}

bool isConstantBlock(int type)
{
    return type == 12 || type == 24 || type == 53 || type == 130;
}

// The output of a constant block whose value lives in the EEPROM names that constant.
bool namesEepromConstant(const TKante& pin)
{
    return pin.isOutput() && pin.owner && isConstantBlock(pin.owner->type) && !pin.owner->params.empty() &&
           pin.owner->params.front().eeprom;
}

int ownerType(const TKante& e)
{
    return e.owner ? e.owner->type : 0;
}

bool withoutMenuEver(const TKante& e)
{
    const int t = ownerType(e);
    return e.isPin() && (t == 191 || t == 192 || t == 194);
}

std::vector<WireMenuItem> constantChoices(std::uint8_t valueType)
{
    std::vector<WireMenuItem> choices;
    switch (valueType) {
    case vt::Fixed:
    case vt::Integer:
        choices = {item(WireCommand::CreateConstant, "Festpunkt", dt::Fixed),
                   item(WireCommand::CreateConstant, "Dezimal", dt::Decimal),
                   item(WireCommand::CreateConstant, "Hexadezimal", dt::Hex),
                   item(WireCommand::CreateConstant, "Zeit", dt::Time),
                   item(WireCommand::CreateConstant, "Winkel", dt::Angle)};
        break;
    case vt::Digital:
        choices = {item(WireCommand::CreateConstant, "TRUE", dt::Value),
                   item(WireCommand::CreateConstant, "FALSE", dt::Value)};
        choices[0].preset = "TRUE";
        choices[1].preset = "FALSE";
        break;
    case vt::Float:
        choices = {item(WireCommand::CreateConstant, "Gleitpunkt", dt::Float)};
        break;
    default:
        break;
    }
    return choices;
}

} // namespace

std::vector<WireMenuItem> displayMenu(const TKante& element)
{
    const TKante* source = netSource(element);
    const std::uint8_t type = source ? source->valueType : element.valueType;
    std::vector<WireMenuItem> items;
    auto add = [&items](const char* caption, std::uint8_t displayType) {
        items.push_back(item(WireCommand::Display, caption, displayType));
    };
    switch (type) {
    case vt::Float:
        add("VariablenName-Anzeige", dt::VarName);
        add("Gleitpunkt-Anzeige", dt::Float);
        break;
    case vt::Digital:
        add("Wert-Anzeige", dt::Value);
        add("VariablenName-Anzeige", dt::VarName);
        add("Hexadezimal-Anzeige", dt::Hex);
        add("Dezimal-Anzeige", dt::Decimal);
        break;
    case vt::Fixed:
    case vt::Integer:
        add("Festpunkt-Anzeige", dt::Fixed);
        add("Winkel-Anzeige", dt::Angle);
        add("Hexadezimal-Anzeige", dt::Hex);
        add("Zeit(sec)-Anzeige", dt::Time);
        add("Dezimal-Anzeige", dt::Decimal);
        add("VariablenName-Anzeige", dt::VarName);
        break;
    default:
        break;
    }
    if (element.displayFlag && !element.isInput())
        items.push_back(item(WireCommand::Hide, "Unsichtbar"));
    return items;
}

std::vector<WireMenuItem> wireElementMenu(const Document& document, const TKante& element,
                                          const EditContext& context)
{
    std::vector<WireMenuItem> items;
    if (!element.alive() || withoutMenuEver(element))
        return items;
    if (context.mode != Mode::Edit) {
        // Values can be chosen for pins that show one; points and plain inputs have none.
        if (element.isPoint() || (element.isInput() && element.varType == var::None))
            return items;
        return displayMenu(element);
    }
    if (context.readOnly)
        return items;
    items.push_back(item(WireCommand::Delete, "Loesche Verbindung"));
    if (document.followTarget(element))
        items.push_back(item(WireCommand::Follow, "Folge Verbindung"));
    if (document.canInsertPoint(element))
        items.push_back(item(WireCommand::InsertPoint, "Verbindung einfuegen"));
    const TKante* source = netSource(element);
    if (source)
        items.push_back(item(WireCommand::EditComment, "Edit Signalkommentar"));
    if (element.isPoint() && source && !source->signalComment.empty())
        items.push_back(item(WireCommand::ToggleComment, "Signalkommentar Ein/Aus"));
    return items;
}

std::vector<WireMenuItem> pinLabelMenu(const TKante& pin, const EditContext& context)
{
    std::vector<WireMenuItem> items;
    if (!pin.alive() || !pin.isPin() || withoutMenuEver(pin))
        return items;
    if (context.mode != Mode::Edit) {
        if (pin.isInput() && pin.varType == var::None)
            return items;
        return displayMenu(pin);
    }
    const int t = ownerType(pin);
    if (context.readOnly || t == 178 || t == 182 || t == 184 || isStateMachineType(t))
        return items;

    if (pin.isInput() && (t == 92 || t == 93 || t == 98))
        items.push_back(item(WireCommand::Invert, "Invertiere Eingang"));
    const bool named = Document::variableAllowed(pin);
    const bool eeprom = namesEepromConstant(pin);

    if (pin.varType != var::None) {
        if (pin.isOutput()) {
            const std::string kind = eeprom                          ? "Konstante "
                                     : pin.varType == var::Reference ? "Referenz "
                                                                     : "Variable ";
            items.push_back(item(WireCommand::ClearVariable, kind + "loeschen"));
            items.push_back(item(WireCommand::ChangeVariable, kind + "aendern"));
        } else if (pin.varType == var::Own) {
            if (pin.constCapable) {
                items.push_back(item(WireCommand::ClearConstant, "Konstante loeschen"));
                items.push_back(item(WireCommand::ChangeConstant, "Konstante aendern"));
            }
        } else {
            items.push_back(item(WireCommand::ClearVariable, "Referenz loeschen"));
            items.push_back(item(WireCommand::ChangeVariable, "Referenz aendern"));
        }
        return items;
    }

    if (pin.isOutput()) {
        if (named)
            items.push_back(item(WireCommand::CreateVariable,
                                 eeprom ? "Konstante erzeugen" : "eigene Variable erzeugen"));
        if (named && !eeprom)
            items.push_back(item(WireCommand::CreateReference, "fremde Variable nutzen (Referenz)"));
        return items;
    }
    if (named)
        items.push_back(item(WireCommand::CreateReference, "Referenz erzeugen"));
    if (pin.constCapable) {
        std::vector<WireMenuItem> choices = constantChoices(pin.valueType);
        if (!choices.empty()) {
            WireMenuItem create = item(WireCommand::CreateConstant, "Konstante erzeugen");
            create.submenu = std::move(choices);
            items.push_back(std::move(create));
        }
    }
    return items;
}

NameDialog variableNameDialog(const TKante& pin, bool reference)
{
    if (pin.isInput())
        return {"SPS-EingangsVariable referenzieren", "Name der SPS-Referenz-Variable ?"};
    if (reference)
        return {"SPS-Variable referenzieren", "Name der SPS-Referenz-Variable ?"};
    if (pin.owner && isConstantBlock(pin.owner->type)) {
        if (namesEepromConstant(pin))
            return {"SPS-Konstante neu", "Name der SPS-Konstanten ?"};
        return {"Variable fuer Flash-Konstante", "Name der SPS-Variable ?"};
    }
    return {"SPS-AusgangsVariable neu", "Name der SPS-Variable ?"};
}

std::string variableHint(const TKante& pin)
{
    if (pin.varType == var::Reference)
        return pin.isOutput() ? "Fremd-Variable" : "Variablen-Referenz";
    if (pin.varType == var::Own && pin.isInput())
        return "Flash-Konstante";
    return {};
}

NameDialog constantDialog(std::uint8_t displayType)
{
    const char* title = "Neuer-Wert";
    switch (displayType) {
    case dt::Fixed:
        title = "Neuer Festpunkt-Wert";
        break;
    case dt::Hex:
        title = "Neuer Hex-Wert";
        break;
    case dt::Time:
        title = "Neuer Zeit-Wert (sec)";
        break;
    case dt::Decimal:
        title = "Neuer Dezimal-Wert";
        break;
    case dt::Angle:
        title = "Neuer Winkel-Wert";
        break;
    case dt::Float:
        title = "Neuer Gleitpunkt-Wert";
        break;
    default:
        break;
    }
    return {title, "bitte eingeben"};
}

} // namespace fup

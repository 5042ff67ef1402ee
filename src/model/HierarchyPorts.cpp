// Port blocks and the pins they give the macro or automat around them.
#include "model/Constants.h"
#include "model/Hierarchy.h"
#include "model/HierarchyNames.h"
#include "model/Reporter.h"
#include "model/Translate.h"

namespace fup {

namespace {

std::string parameterValue(const TKiste& block, const char* key)
{
    const Para_descriptor* p = block.param(key);
    return p ? p->value : std::string();
}

bool isPort(int type)
{
    return isMacroPort(type) || isAutomatPort(type);
}

std::optional<int> portNumber(const std::string& text)
{
    const std::optional<std::int32_t> number = parseIntegerText(names::trimmed(text));
    if (!number)
        return std::nullopt;
    return static_cast<int>(*number);
}

// Whether the address is still free among the connected ports of the port's inside: no
// other with the same name (whatever its direction), none of the same direction with the
// same number. The first clash is reported on the port.
bool addressFree(Document& doc, const TKiste& port, const PortAddress& address)
{
    const bool automat = isAutomatPort(port.type);
    const std::string nameKey = names::upper(address.name);
    for (const TKiste* other : doc.blocks()) {
        if (other == &port || other->sheet != port.sheet)
            continue;
        if (automat ? !isAutomatPort(other->type) : !isMacroPort(other->type))
            continue;
        if (!other->portConnected())
            continue;
        const std::string otherName = names::trimmed(parameterValue(*other, "nam"));
        if (names::upper(otherName) == nameKey) {
            doc.reporter().error(&port, tx(automat ? "Automat_Anschluss_Name: " : "PortAnschluss_Name: ") + "\"" +
                                            otherName + "\"" + tx(" gibt es bereits"));
            return false;
        }
        if (isInPort(other->type) == isInPort(port.type) &&
            portNumber(parameterValue(*other, "nr")) == address.number) {
            doc.reporter().error(&port, tx(automat ? "Automat_Anschluss_Nr.: " : "PortAnschluss_Nr.: ") + "\"" +
                                            std::to_string(address.number) + "\"" + tx(" gibt es bereits"));
            return false;
        }
    }
    return true;
}

void showConnected(TKiste& port, bool connected)
{
    port.connected = connected;
    port.normalColour = connected ? colour::PortConnected : colour::Teal;
    port.colour = port.normalColour;
}

} // namespace

std::uint8_t portValueType(int portType)
{
    switch (portType) {
    case 182:
    case 183:
    case 191:
    case 192:
        return vt::Digital;
    case 184:
    case 185:
        return vt::Fixed;
    case 178:
    case 179:
        return vt::Float;
    case 194:
        return vt::Integer;
    default:
        return vt::None;
    }
}

std::optional<PortAddress> validatePort(Document& doc, const TKiste& port)
{
    PortAddress address;
    address.name = names::trimmed(parameterValue(port, "nam"));
    const std::size_t length = characterCount(address.name);
    if (length < 1 || length > 3) {
        doc.reporter().error(&port, port.name + tx(": PinName 1..3 Zeichen lang"));
        return std::nullopt;
    }
    const std::optional<int> number = portNumber(parameterValue(port, "nr"));
    if (!number) {
        doc.reporter().error(&port, port.name + tx(": ungueltige Pin-Nr."));
        return std::nullopt;
    }
    if (*number < 1 || *number > MaxPortNumber) {
        doc.reporter().error(&port, port.name + tx(": PortPin-Nr. nur von 1 .. ") + std::to_string(MaxPortNumber));
        return std::nullopt;
    }
    address.number = *number;
    return address;
}

bool connectPort(Document& doc, TKiste& port)
{
    TKiste* mother = doc.ownerOfInside(port.sheet);
    if (!mother || !isPort(port.type))
        return false;
    const std::optional<PortAddress> address = validatePort(doc, port);
    if (!address || !addressFree(doc, port, *address))
        return false;

    const std::uint8_t valueType = portValueType(port.type);
    const int k = address->number;
    if (isAutomatPort(port.type)) {
        if (port.connected)
            return true; // its pin is there already
        if (port.type == 191)
            doc.addPin(*mother, ek::InputPin, address->name, valueType, k, false, false);
        else
            doc.addPin(*mother, ek::OutputPin, address->name, valueType, k, false, false);
        mother->recomputeHeight();
        showConnected(port, true);
        return true;
    }

    TKante* facing = port.portFacingPin();
    if (!facing) {
        doc.reporter().error(&port, tx("portPin nicht gefunden"));
        return false;
    }
    if (facing->neighbourCount > 0) {
        doc.reporter().error(&port, tx("PortAnschluss ist bereits verbunden"));
        return false;
    }
    TKante* linked = nullptr;
    if (isInPort(port.type)) {
        linked = doc.addPin(*mother, ek::InputPin, address->name, valueType, k, false, false);
    } else {
        linked = doc.addPin(*mother, ek::InputPin, address->name, valueType, -k, false, true);
        doc.addPin(*mother, ek::OutputPin, address->name, valueType, k, false, false);
    }
    mother->recomputeHeight();
    if (!linkNeighbours(*facing, *linked)) {
        doc.reporter().error(&port, tx("KantenVerbinden erfolglos"));
        return false;
    }
    // The hidden input of an out-port is driven from inside by the port.
    if (!isInPort(port.type))
        propagateSource(*linked, *facing, *facing);
    showConnected(port, true);
    return true;
}

bool disconnectPort(Document& doc, TKiste& port)
{
    if (isAutomatPort(port.type)) {
        if (!port.connected)
            return false;
        const std::optional<PortAddress> address = validatePort(doc, port);
        if (!address)
            return false;
        TKiste* mother = doc.ownerOfInside(port.sheet);
        TKante* pin = nullptr;
        if (mother)
            pin = port.type == 191 ? mother->inputPin(address->number) : mother->outputPin(address->number);
        if (!pin) {
            doc.reporter().error(&port, tx("..Mutter-AutomatPin nicht gefunden"));
            return false;
        }
        doc.removeElement(*pin, true);
        mother->recomputeHeight();
        showConnected(port, false);
        return true;
    }
    if (!isMacroPort(port.type))
        return false;

    TKante* facing = port.portFacingPin();
    if (!facing) {
        doc.reporter().error(&port, tx("portPin nicht gefunden"));
        return false;
    }
    facing->varType = var::None;
    if (facing->neighbourCount == 0)
        return false;
    TKante* linked = facing->firstNeighbour();
    if (!linked) {
        doc.reporter().error(&port, tx("hat keinen Nachbarn"));
        return false;
    }
    TKiste* mother = linked->isPin() ? linked->owner : nullptr;
    if (mother && !isInPort(port.type))
        if (TKante* output = mother->outputPin(-linked->ordinal()))
            doc.removeElement(*output, true);
    if (mother)
        doc.removeElement(*linked, true);
    else
        doc.disconnect(*facing, *linked); // not a mother's pin: only the link goes
    if (mother)
        mother->recomputeHeight();
    showConnected(port, false);
    return true;
}

void portParametersChanged(Document& doc, TKiste& port, const std::string& oldName, const std::string& oldNumber)
{
    if (!isPort(port.type) || !port.portConnected())
        return;
    Para_descriptor* nam = port.param("nam");
    Para_descriptor* nr = port.param("nr");
    if (!nam || !nr)
        return;
    const std::string previousName = names::trimmed(oldName);
    const std::string previousNumber = names::trimmed(oldNumber);
    if (names::trimmed(nam->value) == previousName && names::trimmed(nr->value) == previousNumber)
        return;
    TKiste* mother = doc.ownerOfInside(port.sheet);
    if (!mother)
        return;
    auto restore = [&] {
        nam->value = previousName;
        nr->value = previousNumber;
    };
    const std::optional<PortAddress> address = validatePort(doc, port);
    if (!address || !addressFree(doc, port, *address)) {
        restore();
        return;
    }
    const std::optional<int> oldK = portNumber(previousNumber);
    if (!oldK)
        return; // a connected port always had a valid number; nothing to follow

    const bool in = isInPort(port.type);
    TKante* pin = in ? mother->inputPin(*oldK) : mother->outputPin(*oldK);
    TKante* hidden = isMacroPort(port.type) && !in ? mother->inputPin(-*oldK) : nullptr;
    if (!pin) {
        if (isAutomatPort(port.type))
            doc.reporter().error(&port, tx("..Mutter-AutomatPin nicht gefunden"));
        restore();
        return;
    }
    if (address->name != previousName) {
        // The outside wire belonged to the old name; the link to the port stays.
        doc.removeElement(*pin, false);
        pin->name = address->name;
        if (hidden)
            hidden->name = address->name;
    }
    if (address->number != *oldK) {
        pin->y = address->number;
        if (hidden)
            hidden->y = -address->number;
        mother->recomputeHeight();
    }
}

void markConnectedPorts(Document& doc, int inside)
{
    for (TKiste* b : doc.blocks()) {
        if (b->sheet != inside || !isPort(b->type) || !b->portConnected())
            continue;
        b->normalColour = colour::PortConnected;
        if (b->colour != colour::Red)
            b->colour = colour::PortConnected;
    }
}

} // namespace fup

// Wire operations: connecting elements, inserting points, following links across sheets,
// signal comments, variables and constants on pins.
#include "model/Constants.h"
#include "model/Document.h"
#include "model/Reporter.h"
#include "model/Translate.h"

#include <algorithm>

namespace fup {

namespace {

// How many neighbours a pin may have: one, except the inputs of a macro block, which also
// lead to their port inside.
int pinNeighbourLimit(const TKante& pin)
{
    return pin.isInput() && pin.owner && pin.owner->type == 187 ? 2 : 1;
}

bool carriesExternalValue(const TKante& e)
{
    return e.isInput() && e.varType != var::None;
}

bool displayTypeSuits(std::uint8_t valueType, std::uint8_t displayType)
{
    switch (valueType) {
    case vt::Fixed:
    case vt::Integer:
        return displayType == dt::Fixed || displayType == dt::Decimal || displayType == dt::Hex ||
               displayType == dt::Time || displayType == dt::Angle;
    case vt::Digital:
        return displayType == dt::Value;
    case vt::Float:
        return displayType == dt::Float;
    default:
        return false;
    }
}

std::string withoutQuotes(std::string text)
{
    std::replace(text.begin(), text.end(), '"', ' ');
    return text;
}

} // namespace

ConnectRefusal Document::connectRefusal(const TKante& a, const TKante& b) const
{
    if (!a.alive() || !b.alive() || (a.isPin() && a.hidden) || (b.isPin() && b.hidden))
        return ConnectRefusal::NotWirable;
    if (&a == &b)
        return ConnectRefusal::SameElement;
    const TKante* sourceA = netSource(a);
    const TKante* sourceB = netSource(b);
    if ((sourceA && sourceA->valueType == vt::None && b.valueType != vt::None) ||
        (sourceB && sourceB->valueType == vt::None && a.valueType != vt::None))
        return ConnectRefusal::UntypedSource;
    if (!valueTypesCompatible(a.valueType, b.valueType))
        return ConnectRefusal::ValueTypes;
    if (a.neighbourCount >= MaxNeighbours || b.neighbourCount >= MaxNeighbours)
        return ConnectRefusal::NeighboursFull;
    if ((a.isPin() && a.neighbourCount >= pinNeighbourLimit(a)) ||
        (b.isPin() && b.neighbourCount >= pinNeighbourLimit(b)))
        return ConnectRefusal::PinTaken;
    if (carriesExternalValue(a) || carriesExternalValue(b))
        return ConnectRefusal::ExternalVariable;
    if (a.sheet != b.sheet) {
        if (a.isPin() || b.isPin())
            return ConnectRefusal::PinAcrossSheets;
        if (crossSheetNeighbourCount(a) > 0 || crossSheetNeighbourCount(b) > 0)
            return ConnectRefusal::SecondCrossLink;
    }
    if (reachable(a, b))
        return ConnectRefusal::Cycle;
    if (sourceA && sourceB)
        return ConnectRefusal::TwoSources;
    return ConnectRefusal::None;
}

bool Document::connect(TKante& a, TKante& b)
{
    switch (connectRefusal(a, b)) {
    case ConnectRefusal::None:
        break;
    case ConnectRefusal::NeighboursFull:
        reporter().log(tx("Max. NachbarAnzahl erreicht"));
        return false;
    case ConnectRefusal::ExternalVariable:
        reporter().log("ExtVar-Input");
        return false;
    case ConnectRefusal::PinAcrossSheets:
        reporter().box(tx("IoPin: nur ueber Zwischenpunkt nach andere Seite wechseln!"));
        return false;
    case ConnectRefusal::SecondCrossLink:
        reporter().box(tx("Durchkontaktierung: nur ueber Zwischenpunkt nach andere Seite wechseln!"));
        return false;
    case ConnectRefusal::TwoSources:
        reporter().log(tx("AusGaenge nicht zusammenschalten"));
        return false;
    default:
        return false;
    }

    TKante* sourceA = netSource(a);
    TKante* sourceB = netSource(b);
    linkNeighbours(a, b);
    if (sourceA)
        propagateSource(b, a, *sourceA);
    else if (sourceB)
        propagateSource(a, b, *sourceB);
    else {
        // Neither side is driven yet: whatever type one side knows types the other's points.
        spreadValueType(a, a.valueType);
        spreadValueType(b, b.valueType);
    }
    return true;
}

bool Document::canInsertPoint(const TKante& e) const
{
    if (!e.alive() || !netSource(e))
        return false;
    return (e.isPin() && e.neighbourCount == 1) || e.neighbourCount == 2;
}

TKante* Document::insertPoint(TKante& e)
{
    if (!canInsertPoint(e))
        return nullptr;
    TKante* towardsSource = e.parent;
    TKante* other = towardsSource ? towardsSource : e.firstNeighbour();
    if (!other)
        return nullptr;

    int x = e.x - 1;
    int y = e.y - 1;
    if (e.isPin() && e.owner) {
        x = e.owner->x + e.x + (e.owner->flipped ? 1 : -1);
        y = e.owner->y + 2 * e.ordinal() - 1;
    }
    // The point takes the type of the net it joins: for a pin that is its source's (a
    // fixed-point net may end on an integer input).
    TKante* point = createPoint(std::max(0, x), std::max(0, y), e.sheet, netSource(e)->valueType);
    point->commentFlag = e.commentFlag;
    point->selected = e.selected;

    unlinkNeighbours(e, *other);
    linkNeighbours(e, *point);
    linkNeighbours(*point, *other);
    point->source = netSource(e);
    if (towardsSource) {
        point->parent = other;
        e.parent = point;
    } else {
        // e drives the net itself: the point sits between it and its first child.
        point->parent = &e;
        if (other->parent == &e)
            other->parent = point;
    }
    return point;
}

TKante* Document::followTarget(const TKante& e) const
{
    if (!e.alive() || !e.isPoint())
        return nullptr;
    for (TKante* n : e.neighbours)
        if (n && n->sheet != e.sheet && n->sheet >= 1 && n->sheet <= sheetCount())
            return n;
    return nullptr;
}

TKante* Document::followLink(const TKante& e)
{
    TKante* target = followTarget(e);
    if (!target)
        return nullptr;
    mother_ = nullptr;
    depth_ = 0;
    currentSheet_ = target->sheet;
    const int maxX = std::max(0, zoom_ * SheetWidth + 60 - clientWidth_);
    const int maxY = std::max(0, zoom_ * SheetHeight + 60 - clientHeight_);
    scrollX_ = std::clamp(target->x * zoom_ - clientWidth_ / 2, 0, maxX);
    scrollY_ = std::clamp(target->y * zoom_ - clientHeight_ / 2, 0, maxY);
    return target;
}

void Document::rebuildNets()
{
    for (TKante* e : kanten_) {
        e->source = e->isOutput() ? e : nullptr;
        e->parent = nullptr;
        if (e->isPoint())
            e->valueType = vt::None;
    }
    for (TKante* e : kanten_) {
        if (!e->isOutput())
            continue;
        for (TKante* n : e->neighbours)
            if (n && !n->isOutput() && !n->source)
                propagateSource(*n, *e, *e);
    }
    for (TKante* e : kanten_)
        if (e->isInput())
            spreadValueType(*e, e->valueType);
}

bool Document::setSignalComment(TKante& e, const std::string& entered)
{
    TKante* source = e.alive() ? netSource(e) : nullptr;
    if (!source)
        return false;
    source->signalComment = withoutQuotes(entered);
    e.commentFlag = !source->signalComment.empty();
    return true;
}

bool Document::toggleCommentFlag(TKante& e)
{
    if (!e.alive() || !e.isPoint())
        return false;
    e.commentFlag = !e.commentFlag;
    return true;
}

bool Document::invertInput(TKante& pin)
{
    if (!pin.alive() || !pin.isInput() || !pin.owner)
        return false;
    const int type = pin.owner->type;
    if (type != 92 && type != 93 && type != 98)
        return false;
    pin.inverse = !pin.inverse;
    return true;
}

bool Document::variableAllowed(const TKante& pin)
{
    if (!pin.alive() || !pin.isPin() || pin.hidden || pin.valueType == vt::None)
        return false;
    if (!pin.owner)
        return true;
    const int type = pin.owner->type;
    return type != 178 && type != 182 && type != 184 && !isStateMachineType(type);
}

bool Document::setVariableName(TKante& pin, const std::string& entered)
{
    if (!variableAllowed(pin))
        return false;
    const std::string name = cleanEnteredText(entered);
    if (name.empty())
        return false;
    if (const auto refusal = variableNameRefusal(name)) {
        reporter().warning(pin.owner, *refusal);
        return false;
    }
    if (pin.isInput()) {
        // An input reads either its wire or the named variable, never both.
        removeElement(pin, false);
        pin.varType = var::Reference;
        pin.constValue = 0;
    } else {
        pin.varType = var::Own;
    }
    pin.varText = name;
    pin.displayFlag = true;
    return true;
}

bool Document::setReference(TKante& pin, const std::string& entered)
{
    if (!pin.isOutput() || !variableAllowed(pin))
        return false;
    const std::string name = cleanEnteredText(entered);
    if (name.empty())
        return false;
    if (const auto refusal = variableNameRefusal(name)) {
        reporter().warning(pin.owner, *refusal);
        return false;
    }
    pin.varType = var::Reference;
    pin.varText = name;
    pin.displayFlag = true;
    return true;
}

void Document::clearVariable(TKante& pin)
{
    if (!pin.alive())
        return;
    pin.varType = var::None;
    pin.varText.clear();
    pin.constValue = 0;
    pin.displayFlag = false;
    if (pin.neighbourCount == 1)
        pin.firstNeighbour()->varType = var::None;
}

bool Document::createConstant(TKante& pin, std::uint8_t displayType, const std::string& entered,
                              const TimeBase& base)
{
    if (!pin.isInput() || !pin.constCapable || !variableAllowed(pin) ||
        !displayTypeSuits(pin.valueType, displayType))
        return false;
    const ConstantEntry entry = parseConstant(displayType, entered, base);
    if (!entry.ok) {
        reporter().box(entry.message);
        return false;
    }
    removeElement(pin, false);
    pin.varType = var::Own;
    pin.varText.clear();
    pin.displayType = displayType;
    pin.constValue = entry.value;
    pin.displayFlag = true;
    return true;
}

bool Document::changeConstant(TKante& pin, const std::string& entered, const TimeBase& base)
{
    if (!pin.alive() || !pin.isInput() || pin.varType != var::Own)
        return false;
    if (pin.displayType == dt::Value) {
        pin.constValue = (pin.constValue & 0xFF) == 1 ? 0 : 1;
        return true;
    }
    const ConstantEntry entry = parseConstant(pin.displayType, entered, base);
    if (!entry.ok) {
        reporter().box(entry.message);
        return false;
    }
    pin.constValue = entry.value;
    return true;
}

void Document::clearConstant(TKante& pin)
{
    if (pin.isInput() && pin.varType == var::Own)
        clearVariable(pin);
}

void Document::setDisplayType(TKante& e, std::uint8_t displayType)
{
    if (displayType > dt::Float)
        return;
    e.displayType = displayType;
    e.displayFlag = true;
}

void Document::hideValueLabel(TKante& e)
{
    e.displayFlag = false;
}

std::string Document::moveCheck(int dsheet) const
{
    if (dsheet == 0)
        return "ok";
    auto newSheet = [dsheet](const TKante& e) { return e.sheet + (e.selected ? dsheet : 0); };
    for (const TKante* e : kanten_) {
        for (const TKante* n : e->neighbours) {
            if (!n || e->sheet != n->sheet || newSheet(*e) == newSheet(*n))
                continue;
            if (e->isPin() || n->isPin())
                return tx("Anschluesse nur ueber Zwischenpunkte in andere Seiten verschieben.");
        }
    }
    for (const TKante* e : kanten_) {
        if (!e->isPoint())
            continue;
        int crossing = 0;
        for (const TKante* n : e->neighbours)
            if (n && newSheet(*n) != newSheet(*e))
                ++crossing;
        if (crossing > 1)
            return tx("Verbindungen duerfen nur EIN Ziel in einer anderen Seite haben.");
    }
    return "ok";
}

void Document::moveSelectedElements(int dx, int dy, int dsheet)
{
    for (TKante* e : kanten_) {
        if (!e->selected)
            continue;
        e->sheet += dsheet;
        if (e->isPoint()) {
            e->x += dx;
            e->y += dy;
        }
    }
}

} // namespace fup

// Nets: which output feeds which inputs, as the compile sees the document.
#include "codegen/Nets.h"

#include "model/HierarchyNames.h"
#include "model/Reporter.h"
#include "model/Translate.h"

#include <unordered_map>

namespace fup {

namespace {

bool livePin(const TKante* e)
{
    return e->alive() && e->isPin() && e->owner;
}

// SUGR, SUBW and SUB subtract the input named "-".
bool subtractedInput(const TKiste& block, const TKante& pin)
{
    return (block.type == 14 || block.type == 56 || block.type == 137) && names::trimmed(pin.name) == "-";
}

// The mother block's input pin that a connected in-port's hidden pin is linked with.
TKante* motherPin(const TKiste& port, const TKante& pin)
{
    if (port.portFacingPin() != &pin)
        return nullptr;
    for (TKante* n : pin.neighbours)
        if (n && n->isInput() && n->alive())
            return n;
    return nullptr;
}

// The hidden pin of an in-port mirrors the variable or constant of its mother pin while
// that pin is unwired; the code of the port reads it from there.
void mirrorMotherPin(TKante& portPin, const TKante& mother)
{
    if (!netSource(mother) && mother.varType != var::None) {
        portPin.varType = mother.varType;
        portPin.varText = mother.varText;
        portPin.constValue = mother.constValue;
        // A constant's value is encoded by its display type.
        portPin.displayType = mother.displayType;
    } else {
        portPin.varType = var::None;
        portPin.varText.clear();
        portPin.constValue = 0;
    }
}

const OutputRecord* recordOf(const CompileFields& fields, const TKante& sourcePin)
{
    if (!sourcePin.alive() || !sourcePin.owner)
        return nullptr;
    for (const OutputRecord& record : fields.of(*sourcePin.owner).outputs)
        if (record.pin == &sourcePin)
            return &record;
    return nullptr;
}

} // namespace

bool isMacroInPort(int type)
{
    return type == 178 || type == 182 || type == 184;
}

const BlockCompileFields& CompileFields::of(const TKiste& block) const
{
    static const BlockCompileFields none;
    const auto it = fields_.find(&block);
    return it == fields_.end() ? none : it->second;
}

bool buildNets(Document& doc, CompileFields& fields)
{
    fields.clear();
    Reporter& reporter = doc.reporter();
    bool ok = true;

    // The input pins each output drives, in pin-list order.
    std::unordered_map<const TKante*, std::vector<TKante*>> driven;
    for (TKante* e : doc.kanten())
        if (livePin(e) && e->isInput())
            if (const TKante* source = netSource(*e))
                driven[source].push_back(e);

    for (TKante* e : doc.kanten()) {
        if (!livePin(e) || !e->isOutput())
            continue;
        TKiste& block = *e->owner;
        std::vector<OutputRecord>& outputs = fields.at(block).outputs;
        if (outputs.size() >= MaxOutputs) {
            reporter.error(&block, tx("Zu viele Ausgaenge: ") + block.name, ok);
            return false;
        }
        OutputRecord& record = outputs.emplace_back();
        record.pin = e;
        record.block = &block;
        const auto inputs = driven.find(e);
        if (inputs == driven.end())
            continue;
        for (const TKante* input : inputs->second) {
            if (record.targets.size() >= MaxNetTargets) {
                reporter.error(&block, tx("Zu viele Netz-Ziele: ") + block.name, ok);
                return false;
            }
            record.targets.push_back(input->owner);
        }
    }

    // Hidden pins of connected in-ports with the mother pin they follow; changed only
    // once the whole build has succeeded.
    std::vector<std::pair<TKante*, const TKante*>> mirrors;
    for (TKante* e : doc.kanten()) {
        if (!livePin(e) || !e->isInput())
            continue;
        TKiste& block = *e->owner;
        const TKante* mother = isMacroInPort(block.type) ? motherPin(block, *e) : nullptr;
        if (mother)
            mirrors.emplace_back(e, mother);
        const TKante* source = netSource(*e);
        std::string variable;
        if (!source) {
            // An in-port's own pin never carries a name of its own.
            const TKante* named = isMacroInPort(block.type) ? mother : e;
            if (!named || named->varType == var::None)
                continue;
            variable = named->varText;
        }
        std::vector<InputEntry>& inputs = fields.at(block).inputs;
        if (inputs.size() >= MaxInputEntries) {
            reporter.error(&block, tx("Zu viele Eingaenge: ") + block.name, ok);
            return false;
        }
        const OutputRecord* record = source ? recordOf(fields, *source) : nullptr;
        if (source && !record) {
            reporter.error(&block, tx("InputNetz nicht gefunden"), ok);
            return false;
        }
        InputEntry& entry = inputs.emplace_back();
        entry.variable = std::move(variable);
        entry.source = record;
        entry.sourcePin = record ? record->pin : nullptr;
        entry.pinText = e->name;
        entry.inputPin = e;
        entry.inverted = subtractedInput(block, *e);
    }

    for (const auto& [portPin, mother] : mirrors)
        mirrorMotherPin(*portPin, *mother);
    return true;
}

} // namespace fup

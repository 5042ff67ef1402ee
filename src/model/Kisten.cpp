#include "model/Kisten.h"

#include "model/Kanten.h"

#include <algorithm>

namespace fup {

bool isMacroOrAutomat(int type)
{
    return type == 187 || type == 188;
}

bool isMacroPort(int type)
{
    return type == 178 || type == 179 || (type >= 182 && type <= 185);
}

bool isAutomatPort(int type)
{
    return type == 191 || type == 192 || type == 194;
}

bool isStateMachineType(int type)
{
    return type >= 189 && type <= 194;
}

bool isInPort(int type)
{
    return type == 178 || type == 182 || type == 184 || type == 191;
}

bool hasOwnPinSource(int type)
{
    return isMacroOrAutomat(type) || type == 81 || type == 82;
}

bool newInputsConstCapable(int type)
{
    switch (type) {
    case 7:
    case 9:
    case 13:
    case 15:
    case 55:
    case 64:
    case 68:
    case 69:
    case 136:
    case 138:
        return true;
    default:
        return false;
    }
}

Para_descriptor* TKiste::param(const std::string& key)
{
    for (Para_descriptor& p : params)
        if (p.name == key)
            return &p;
    return nullptr;
}

const Para_descriptor* TKiste::param(const std::string& key) const
{
    return const_cast<TKiste*>(this)->param(key);
}

bool TKiste::hasEepromParameter() const
{
    return std::any_of(params.begin(), params.end(), [](const Para_descriptor& p) { return p.eeprom; });
}

TKante* TKiste::inputPin(int ordinal) const
{
    for (TKante* p : pins)
        if (p->isInput() && p->ordinal() == ordinal)
            return p;
    return nullptr;
}

TKante* TKiste::outputPin(int ordinal) const
{
    for (TKante* p : pins)
        if (p->isOutput() && p->ordinal() == ordinal)
            return p;
    return nullptr;
}

TKante* TKiste::pinNamed(const std::string& pinName) const
{
    for (TKante* p : pins)
        if (p->name == pinName)
            return p;
    return nullptr;
}

TKante* TKiste::portFacingPin() const
{
    if (!isMacroPort(type))
        return nullptr;
    const std::uint8_t facing = isInPort(type) ? ek::InputPin : ek::OutputPin;
    for (TKante* p : pins)
        if (p->kind == facing && p->hidden)
            return p;
    return nullptr;
}

bool TKiste::portConnected() const
{
    if (isAutomatPort(type))
        return connected;
    const TKante* facing = portFacingPin();
    return facing && facing->neighbourCount > 0;
}

void TKiste::recomputeHeight()
{
    if (hasOwnPinSource(type)) {
        // Pins of these blocks come from ports or parameters, not from the counts.
        int largest = 1;
        for (const TKante* p : pins)
            largest = std::max(largest, p->ordinal());
        heightRows = largest + 1;
        return;
    }
    heightRows = blockHeightRows(heightPreset, n, m);
}

void TKiste::reset()
{
    *this = TKiste{};
}

std::vector<BlockMenuItem> blockContextMenu(const TKiste& block, const BlockMenuContext& context)
{
    using Mode = EditContext::Mode;
    const EditContext& edit = context.edit;
    std::vector<BlockMenuItem> items;
    if (edit.mode == Mode::Online && !edit.onlineConnected)
        return items;

    const int t = block.type;
    // Entries that change the diagram exist only where editing is allowed.
    const bool editing = edit.editable();
    auto add = [&items](BlockCommand command, const char* caption) { items.push_back({command, caption}); };

    const bool parameter =
        edit.mode == Mode::Online ? block.hasEepromParameter() : editing && !block.params.empty();
    if (parameter)
        add(BlockCommand::Parameter, "Parameter");
    if (editing) {
        add(BlockCommand::Remove, "Loeschen");
        add(BlockCommand::Flip, "Spiegeln");
    }
    if (editing && isMacroOrAutomat(t))
        add(BlockCommand::Save, "Sichern/Save");
    if (!edit.readOnly && isMacroOrAutomat(t)) {
        add(BlockCommand::Lock, "Verriegeln");
        add(BlockCommand::Unlock, "Entriegeln");
    }
    if (editing && context.insideMother && (isMacroPort(t) || isAutomatPort(t))) {
        // Both are offered; each operation refuses what does not fit the port's state.
        add(BlockCommand::ConnectPort, "EinSchalten");
        add(BlockCommand::DisconnectPort, "AusSchalten");
    }
    if (t == 180 || t == 186 || isMacroOrAutomat(t))
        add(BlockCommand::OpenInside, "Oeffnen");
    if (t == 81 || t == 82) {
        // The editor window takes one text at a time.
        add(BlockCommand::OpenEditor, "Oeffnen");
        items.back().enabled = !context.textEditorBusy;
    }
    if (editing && t == 81)
        add(BlockCommand::Clone, "Klonen");
    if (editing && t == 82)
        add(BlockCommand::CloneToOriginal, "Klone -> Original");
    if (editing && t == 187)
        add(BlockCommand::UpdateMacros, "Update Macros");
    return items;
}

} // namespace fup

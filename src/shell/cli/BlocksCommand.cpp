#include "shell/cli/BlocksCommand.h"

#include "model/Catalogue.h"
#include "model/Translate.h"
#include "shell/cli/Json.h"

#include <algorithm>
#include <vector>

namespace fup::cli {
namespace {

std::string pinsJson(const PinLayout& layout, std::uint8_t kind)
{
    std::string out = "[";
    for (const auto& pin : layout.pins) {
        if (pin.kind != kind)
            continue;
        if (out.size() > 1)
            out += ',';
        out += JsonObject()
                   .field("name", pin.name)
                   .field("vt", static_cast<int>(pin.valueType))
                   .field("const", pin.constCapable)
                   .str();
    }
    return out + "]";
}

std::string paramsJson(const std::vector<Para_descriptor>& params)
{
    std::string out = "[";
    for (const auto& p : params) {
        if (out.size() > 1)
            out += ',';
        out += JsonObject()
                   .field("key", p.name)
                   .field("kind", p.kind)
                   .field("default", p.value)
                   .field("prompt", p.prompt)
                   .field("hint", p.hint)
                   .field("eeprom", p.eeprom)
                   .field("flash", p.flash)
                   .field("shown", p.show)
                   .field("showPrompt", p.showPrompt)
                   .str();
    }
    return out + "]";
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

std::string pinsText(const PinLayout& layout, std::uint8_t kind)
{
    static const char letters[] = "-FDGI";
    std::string out;
    for (const auto& pin : layout.pins) {
        if (pin.kind != kind)
            continue;
        if (!out.empty())
            out += ", ";
        out += pin.name.empty() ? "(unnamed)" : pin.name;
        out += ' ';
        out += pin.valueType <= vt::Integer ? letters[pin.valueType] : '?';
        if (pin.constCapable)
            out += '*';
    }
    return out.empty() ? "-" : out;
}

void pad(std::string& cell, size_t width) { cell.resize(std::max(cell.size(), width), ' '); }

}  // namespace

std::string blockTypeJson(int type)
{
    const auto layout = pinLayout(type, ListedInputs, ListedOutputs);
    std::string menu = "[";
    for (const auto& caption : menuCaptions(type)) {
        if (menu.size() > 1)
            menu += ',';
        appendJsonString(menu, caption);
    }
    menu += "]";
    return JsonObject()
        .field("type", type)
        .raw("menu", menu)
        .field("label", typeLabel(type))
        .field("hint", typeHint(type))
        .field("width", layout.width)
        .raw("inputs", pinsJson(layout, ek::InputPin))
        .raw("outputs", pinsJson(layout, ek::OutputPin))
        .raw("params", paramsJson(typeParameters(type, ListedInputs, ListedOutputs)))
        .str();
}

void writeBlockTypeText(std::ostream& out, int type)
{
    const auto layout = pinLayout(type, ListedInputs, ListedOutputs);
    std::string menu;
    for (const auto& caption : menuCaptions(type))
        menu += (menu.empty() ? "" : " / ") + quoted(tx(caption));
    out << type << "  " << quoted(typeLabel(type)) << '\n'
        << "    menu     " << (menu.empty() ? "-" : menu) << '\n'
        << "    hint     " << quoted(tx(typeHint(type))) << '\n'
        << "    width    " << layout.width << '\n'
        << "    inputs   " << pinsText(layout, ek::InputPin) << '\n'
        << "    outputs  " << pinsText(layout, ek::OutputPin) << '\n';

    const auto params = typeParameters(type, ListedInputs, ListedOutputs);
    if (params.empty()) {
        out << "    params   -\n";
        return;
    }
    // One row per parameter, columns aligned within the type.
    std::vector<std::vector<std::string>> rows;
    for (const auto& p : params) {
        std::string flags;
        if (p.eeprom)
            flags += 'E';
        if (p.flash)
            flags += 'L';
        if (!p.show)
            flags += 'h';
        rows.push_back({p.name, std::to_string(p.kind), "=" + quoted(p.value), flags.empty() ? "-" : flags,
                        quoted(tx(p.prompt)), p.hint.empty() ? "-" : quoted(tx(p.hint))});
    }
    std::vector<size_t> widths(rows.front().size(), 0);
    for (const auto& row : rows)
        for (size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
    bool first = true;
    for (auto& row : rows) {
        std::string line = first ? "    params   " : "             ";
        first = false;
        for (size_t c = 0; c + 1 < row.size(); ++c) {
            pad(row[c], widths[c]);
            line += row[c] + "  ";
        }
        line += row.back();
        out << line << '\n';
    }
}

}  // namespace fup::cli

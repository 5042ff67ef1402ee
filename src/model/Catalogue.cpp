#include "model/Catalogue.h"

#include "model/CatalogueRows.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <stdexcept>

namespace fup {
namespace {

using catalogue::GroupTable;
using catalogue::TypeRow;

constexpr int CountN = -1;  // range end "N"
constexpr int CountM = -2;  // range end "M"

// One entry of a pin column: a single pin or a numbered range.
struct PinSpec {
    std::string name;  // single pin: its name; range: the prefix
    bool range = false;
    int first = 0;
    int last = 0;  // a number, CountN or CountM
    std::uint8_t valueType = vt::None;
    bool constCapable = false;
};

enum class DefaultFrom { Text, N, M };

struct ParamSpec {
    Para_descriptor templ;
    DefaultFrom from = DefaultFrom::Text;
};

struct TypeDescription {
    const TypeRow* row = nullptr;
    std::vector<PinSpec> inputs;
    std::vector<PinSpec> outputs;
    std::vector<ParamSpec> params;
};

[[noreturn]] void badRow(int type, std::string_view what)
{
    throw std::logic_error("catalogue row " + std::to_string(type) + ": " + std::string(what));
}

std::string_view trim(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> split(std::string_view s, char sep)
{
    std::vector<std::string_view> parts;
    for (;;) {
        const auto pos = s.find(sep);
        parts.push_back(trim(s.substr(0, pos)));
        if (pos == std::string_view::npos)
            return parts;
        s.remove_prefix(pos + 1);
    }
}

std::optional<int> toInt(std::string_view s)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size() || s.empty())
        return std::nullopt;
    return value;
}

std::uint8_t valueTypeLetter(int type, char c)
{
    switch (c) {
    case 'F': return vt::Fixed;
    case 'D': return vt::Digital;
    case 'G': return vt::Float;
    case 'I': return vt::Integer;
    case '-': return vt::None;
    }
    badRow(type, std::string("value type ") + c);
}

std::vector<PinSpec> parsePins(int type, std::string_view column)
{
    std::vector<PinSpec> pins;
    if (trim(column) == "-")
        return pins;
    for (const auto item : split(column, ',')) {
        const auto blank = item.rfind(' ');
        if (blank == std::string_view::npos)
            badRow(type, "pin without value type");
        std::string_view name = item.substr(0, blank);
        std::string_view typeText = item.substr(blank + 1);
        PinSpec pin;
        pin.constCapable = typeText.size() == 2 && typeText[1] == '*';
        if (typeText.empty() || typeText.size() > 2 || (typeText.size() == 2 && !pin.constCapable))
            badRow(type, "pin value type");
        pin.valueType = valueTypeLetter(type, typeText[0]);
        if (name == "(unnamed)")
            name = {};
        if (const auto dots = name.find(".."); dots != std::string_view::npos) {
            const auto left = name.substr(0, dots);
            const auto right = name.substr(dots + 2);
            const auto digits = left.find_first_of("0123456789");
            if (digits == std::string_view::npos || right.substr(0, digits) != left.substr(0, digits))
                badRow(type, "pin range");
            pin.range = true;
            pin.name = std::string(left.substr(0, digits));
            pin.first = toInt(left.substr(digits)).value_or(-1);
            const auto end = right.substr(digits);
            pin.last = end == "N" ? CountN : end == "M" ? CountM : toInt(end).value_or(-3);
            if (pin.first < 0 || pin.last == -3)
                badRow(type, "pin range bounds");
        } else {
            pin.name = std::string(name);
        }
        pins.push_back(std::move(pin));
    }
    return pins;
}

// Finds the prompt row for the occurrence-th parameter with this key in this type.
const catalogue::PromptRow& promptFor(int type, std::string_view key, int occurrence)
{
    for (const auto& row : catalogue::parameterPrompts()) {
        if (key != row.key)
            continue;
        for (const auto t : split(row.types, ',')) {
            if (toInt(t) == type && occurrence-- == 0)
                return row;
        }
    }
    badRow(type, "no prompt for parameter " + std::string(key));
}

std::vector<ParamSpec> parseParams(int type, std::string_view column)
{
    std::vector<ParamSpec> params;
    if (trim(column) == "-")
        return params;
    std::map<std::string, int, std::less<>> seen;
    for (auto item : split(column, ';')) {
        ParamSpec described;
        auto& p = described.templ;
        const auto blank = item.find(' ');
        if (blank == std::string_view::npos)
            badRow(type, "parameter without kind");
        p.name = std::string(item.substr(0, blank));
        item = trim(item.substr(blank + 1));
        const auto kindEnd = item.find(' ');
        const auto kind = toInt(item.substr(0, kindEnd));
        if (!kind)
            badRow(type, "parameter kind");
        p.kind = *kind;
        item = kindEnd == std::string_view::npos ? std::string_view{} : trim(item.substr(kindEnd));
        if (!item.empty() && item.front() == '=') {
            item.remove_prefix(1);
            if (!item.empty() && item.front() == '"') {
                const auto close = item.find('"', 1);
                if (close == std::string_view::npos)
                    badRow(type, "unterminated default");
                p.value = std::string(item.substr(1, close - 1));
                item = trim(item.substr(close + 1));
            } else if (!item.empty() && (item.front() == 'N' || item.front() == 'M')) {
                described.from = item.front() == 'N' ? DefaultFrom::N : DefaultFrom::M;
                item = trim(item.substr(1));
            } else {
                badRow(type, "parameter default");
            }
        }
        for (const auto flag : split(item, ' ')) {
            if (flag == "E")
                p.eeprom = true;
            else if (flag == "L")
                p.flash = true;
            else if (flag == "h")
                p.show = false;
            else if (!flag.empty())
                badRow(type, "parameter flag " + std::string(flag));
        }
        const auto& prompt = promptFor(type, p.name, seen[p.name]++);
        if (prompt.kind != p.kind)
            badRow(type, "kind of " + p.name + " differs from its prompt row");
        p.prompt = prompt.prompt;
        p.hint = prompt.hint;
        // Every parameter line on the sheet names its prompt: "K=0.5" reads better than a
        // bare number below a block with several parameters.
        p.showPrompt = true;
        params.push_back(std::move(described));
    }
    if (params.size() > MaxParameters)
        badRow(type, "too many parameters");
    return params;
}

std::array<GroupTable, 10> groupTables()
{
    using namespace catalogue;
    return {floatBlocks(),     analogBlocks(),   analogLimitBlocks(), digitalBlocks(),
            registerBlocks(),  telegramBlocks(), complexBlocks(),     displayBlocks(),
            visualisationBlocks(), blocksWithoutMenu()};
}

struct Tables {
    std::map<int, TypeDescription> types;
    std::vector<int> known;
    std::vector<BlockMenuGroup> menus;
};

// Captions that name a type but live outside the block menus: the macro is also made
// from the current selection by an edit command.
constexpr std::pair<int, std::string_view> EditMenuCaptions[] = {{187, "Makro  generieren"}};

bool inEditMenu(int type, std::string_view caption)
{
    return std::any_of(std::begin(EditMenuCaptions), std::end(EditMenuCaptions),
                       [&](const auto& e) { return e.first == type && e.second == caption; });
}

const Tables& tables()
{
    static const Tables built = [] {
        Tables t;
        for (const auto& group : groupTables()) {
            BlockMenuGroup menu;
            if (group.caption) {
                menu.caption = group.caption;
                menu.ownMenu = group.ownMenu;
            }
            for (const auto& row : group.rows) {
                TypeDescription d;
                d.row = &row;
                d.inputs = parsePins(row.type, row.inputs);
                d.outputs = parsePins(row.type, row.outputs);
                d.params = parseParams(row.type, row.params);
                if (!t.types.emplace(row.type, std::move(d)).second)
                    badRow(row.type, "listed twice");
                for (const char* caption : {row.menu.first, row.menu.second}) {
                    if (caption && !inEditMenu(row.type, caption))
                        menu.entries.push_back({caption, row.type});
                }
            }
            if (group.caption)
                t.menus.push_back(std::move(menu));
        }
        for (const auto& [type, d] : t.types)
            t.known.push_back(type);
        return t;
    }();
    return built;
}

const TypeDescription* describe(int type)
{
    const auto& types = tables().types;
    const auto it = types.find(type);
    return it == types.end() ? nullptr : &it->second;
}

bool isIn(int type, std::initializer_list<int> list)
{
    return std::find(list.begin(), list.end(), type) != list.end();
}

int heightPresetOf(int type)
{
    if (isIn(type, {81, 82, 187, 188}))
        return 1;
    if (isIn(type, {150, 151, 152, 153, 154, 157, 195, 198, 199}))
        return 2;
    if (type == 197)
        return 4;
    return 0;
}

void expand(const std::vector<PinSpec>& described, std::uint8_t kind, int n, int m,
            std::vector<PinTemplate>& out)
{
    int ordinal = 0;
    for (const auto& pin : described) {
        auto add = [&](std::string name) {
            out.push_back({std::move(name), kind, pin.valueType, pin.constCapable, ++ordinal});
        };
        if (!pin.range) {
            add(pin.name);
            continue;
        }
        const int last = pin.last == CountN ? n : pin.last == CountM ? m : pin.last;
        for (int i = pin.first; i <= last; ++i)
            add(pin.name + std::to_string(i));
    }
}

// The counts a layout is built with: what it is given, kept within what a block can hold.
int clampInputs(int type, int n)
{
    return variablePins(type).inputsFollowParameter ? std::clamp(n, 1, MaxVariableInputs) : n;
}

int clampOutputs(int type, int m)
{
    const auto v = variablePins(type);
    return v.outputsFollowParameter ? std::clamp(m, v.minOutputs, v.maxOutputs) : m;
}

std::optional<int> wholeNumber(std::optional<std::string_view> answer)
{
    if (!answer)
        return std::nullopt;
    auto text = trim(*answer);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    return toInt(text);
}

}  // namespace

int PinLayout::inputCount() const
{
    return static_cast<int>(std::count_if(pins.begin(), pins.end(),
                                          [](const PinTemplate& p) { return p.kind == ek::InputPin; }));
}

int PinLayout::outputCount() const { return static_cast<int>(pins.size()) - inputCount(); }

bool isKnownType(int type) { return describe(type) != nullptr; }

std::span<const int> knownTypes() { return tables().known; }

VariablePins variablePins(int type)
{
    VariablePins v;
    if (isIn(type, {3, 9, 13, 15, 55, 68, 69, 92, 93, 113, 136, 138})) {
        v.askInputs = true;
        v.inputsFollowParameter = true;
        // The digital formula takes a single input once it exists, though it asks for two.
        v.minInputsOnChange = type == 113 ? 1 : 2;
    } else if (type == 64 || type == 189) {
        v.askInputs = true;
        v.minInputs = 1;
        v.inputsFollowParameter = true;
        v.minInputsOnChange = 1;
        if (type == 189) {
            v.askOutputs = true;
            v.outputsFollowParameter = true;
        }
    } else if (type == 190) {
        // A state change starts with its single input "i"; more follow from "ina".
        v.initialInputs = 1;
        v.minInputs = 1;
        v.inputsFollowParameter = true;
        v.minInputsOnChange = 1;
    }
    return v;
}

int creationInputCount(int type, std::optional<std::string_view> answer)
{
    const auto v = variablePins(type);
    const auto n = wholeNumber(answer);
    if (!v.askInputs)
        return v.inputsFollowParameter ? v.initialInputs : pinLayout(type, 0, 0).inputCount();
    return n && *n >= v.minInputs && *n <= MaxVariableInputs ? *n : 2;
}

int creationOutputCount(int type, std::optional<std::string_view> answer)
{
    const auto v = variablePins(type);
    const auto m = wholeNumber(answer);
    if (!v.askOutputs)
        return pinLayout(type, v.initialInputs, 0).outputCount();
    return m && *m >= v.minOutputs && *m <= v.maxOutputs ? *m : 2;
}

PinLayout pinLayout(int type, int n, int m)
{
    PinLayout layout;
    const auto* d = describe(type);
    if (!d)
        return layout;
    n = clampInputs(type, n);
    m = clampOutputs(type, m);
    layout.width = d->row->width;
    layout.heightPreset = heightPresetOf(type);
    std::vector<PinTemplate> inputs;
    std::vector<PinTemplate> outputs;
    expand(d->inputs, ek::InputPin, n, m, inputs);
    expand(d->outputs, ek::OutputPin, n, m, outputs);
    if (const auto fault = pinSideFault(inputs, outputs); !fault.empty())
        throw std::logic_error(fault);
    // Blocks with a variable number of inputs and one output get the output first, so
    // that it keeps its place in the pin list whatever the input count becomes.
    const bool outputFirst = variablePins(type).askInputs && d->outputs.size() == 1 && !d->outputs[0].range;
    auto& first = outputFirst ? outputs : inputs;
    auto& second = outputFirst ? inputs : outputs;
    layout.pins = std::move(first);
    layout.pins.insert(layout.pins.end(), std::make_move_iterator(second.begin()),
                       std::make_move_iterator(second.end()));
    return layout;
}

std::string typeLabel(int type)
{
    const auto* d = describe(type);
    return d ? d->row->label : "none";
}

std::string typeHint(int type)
{
    const auto* d = describe(type);
    return d ? d->row->hint : "noch nicht definiert";
}

std::vector<Para_descriptor> typeParameters(int type, int n, int m)
{
    std::vector<Para_descriptor> params;
    const auto* d = describe(type);
    if (!d)
        return params;
    for (const auto& described : d->params) {
        auto p = described.templ;
        if (described.from == DefaultFrom::N)
            p.value = std::to_string(clampInputs(type, n));
        else if (described.from == DefaultFrom::M)
            p.value = std::to_string(clampOutputs(type, m));
        params.push_back(std::move(p));
    }
    return params;
}

std::vector<std::string> menuCaptions(int type)
{
    std::vector<std::string> captions;
    if (const auto* d = describe(type)) {
        for (const char* caption : {d->row->menu.first, d->row->menu.second}) {
            if (caption)
                captions.emplace_back(caption);
        }
    }
    return captions;
}

Rgb normalColour(int type)
{
    if (isIn(type, {178, 179, 182, 183, 184, 185, 191, 192, 194}))
        return colour::Teal;
    if (type == 189)
        return colour::State;
    return colour::Normal;
}

int blockHeightRows(int heightPreset, int n, int m)
{
    const int rows = std::max(heightPreset != 0 ? heightPreset : n, m) + 1;
    return std::max(rows, 2);
}

const std::vector<BlockMenuGroup>& blockMenus() { return tables().menus; }

std::string pinSideFault(std::span<const PinTemplate> inputs, std::span<const PinTemplate> outputs)
{
    for (const auto& pin : inputs) {
        if (pin.kind != ek::InputPin)
            return "Fehler: Eingang nicht Links";
    }
    for (const auto& pin : outputs) {
        if (pin.kind != ek::OutputPin)
            return "Fehler: Ausgang nicht Rechts";
    }
    return {};
}

}  // namespace fup

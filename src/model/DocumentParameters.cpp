// Taking over a block's parameters and the pin counts that follow them.
#include "model/Document.h"

#include "model/Catalogue.h"
#include "model/Reporter.h"
#include "model/Translate.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace fup {

namespace {

// A whole number written in decimal, with an optional sign and surrounding blanks. Digit
// strings too long for an int come back saturated: they are numbers, just far too large.
std::optional<int> wholeNumber(const std::string& text)
{
    const std::string t = cleanEnteredText(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        negative = t[i++] == '-';
    if (i == t.size())
        return std::nullopt;
    long long value = 0;
    for (; i < t.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(t[i])))
            return std::nullopt;
        value = std::min<long long>(value * 10 + (t[i] - '0'), 1'000'000'000LL);
    }
    return static_cast<int>(negative ? -value : value);
}

int countListItems(const std::string& text)
{
    std::istringstream in(text);
    int count = 0;
    for (std::string item; in >> item;)
        ++count;
    return count;
}

// The state-number port (194) follows as well: otherwise its automat pin would stay in
// the old row and could no longer be found when the port is disconnected.
bool isPortWithFollowUp(int type)
{
    return isMacroPort(type) || isAutomatPort(type);
}

} // namespace

void Document::removePinsWhere(TKiste& block, const std::function<bool(const TKante&)>& doomed)
{
    std::vector<TKante*> victims;
    for (TKante* p : block.pins)
        if (doomed(*p))
            victims.push_back(p);
    for (TKante* p : victims)
        removeElementInternal(*p, true);
    sweepKanten();
}

bool Document::changePinCount(TKiste& block, const std::string& text, bool inputs)
{
    const VariablePins limits = variablePins(block.type);
    if (inputs ? !limits.inputsFollowParameter : !limits.outputsFollowParameter)
        return false;
    const int lowest = inputs ? limits.minInputsOnChange : limits.minOutputs;
    const int highest = inputs ? MaxVariableInputs : limits.maxOutputs;
    int& count = inputs ? block.n : block.m;
    Para_descriptor* param = block.param(inputs ? "ina" : "oua");

    const std::optional<int> asked = wholeNumber(text);
    if (!asked) {
        reporter().box(inputs ? tx("ungueltiger Wert :") + text : tx("ungueltiger Wert") + ": " + text);
        // The parameter keeps describing the pins the block has.
        if (param)
            param->value = std::to_string(count);
        return false;
    }
    const int wanted = std::clamp(*asked, lowest, highest);
    const std::uint8_t kind = inputs ? ek::InputPin : ek::OutputPin;

    if (wanted < count) {
        removePinsWhere(block, [&](const TKante& p) { return p.kind == kind && p.ordinal() > wanted; });
    } else if (wanted > count) {
        TKante* last = nullptr;
        for (TKante* p : block.pins)
            if (p->kind == kind && (!last || p->ordinal() > last->ordinal()))
                last = p;
        const PinLayout fresh = pinLayout(block.type, inputs ? wanted : block.n, inputs ? block.m : wanted);
        TKante* after = last;
        for (int k = count + 1; k <= wanted; ++k) {
            std::string name;
            std::uint8_t valueType = vt::None;
            if (last) {
                name = last->name.substr(0, 1) + std::to_string(k);
                valueType = last->valueType;
            } else {
                // No pin of that side to copy from: the catalogue names it.
                for (const PinTemplate& t : fresh.pins)
                    if (t.kind == kind && t.ordinal == k) {
                        name = t.name;
                        valueType = t.valueType;
                    }
            }
            const bool constCapable = inputs && newInputsConstCapable(block.type);
            after = addPin(block, kind, name, valueType, k, constCapable, false, after);
        }
    }
    count = wanted;
    if (param)
        param->value = std::to_string(wanted);
    block.recomputeHeight();
    return true;
}

bool Document::changeInputCount(TKiste& block, const std::string& text)
{
    return changePinCount(block, text, true);
}

bool Document::changeOutputCount(TKiste& block, const std::string& text)
{
    return changePinCount(block, text, false);
}

bool Document::setParameters(TKiste& block, const std::vector<std::string>& values,
                             const EditContext& context)
{
    const std::size_t count = std::min(values.size(), block.params.size());
    std::vector<std::string> incoming(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(count));
    // A double quote would end the value early in every file it is written to.
    for (std::string& v : incoming)
        std::replace(v.begin(), v.end(), '"', ' ');

    bool changed = false;
    for (std::size_t i = 0; i < count; ++i)
        changed = changed || block.params[i].value != incoming[i];
    if (block.type == 187 && changed && hooks_.confirmMacroValues &&
        !hooks_.confirmMacroValues(block, incoming))
        return false;

    const Para_descriptor* namParam = block.param("nam");
    const Para_descriptor* nrParam = block.param("nr");
    const std::string oldName = namParam ? namParam->value : std::string();
    const std::string oldNumber = nrParam ? nrParam->value : std::string();
    for (std::size_t i = 0; i < count; ++i)
        block.params[i].value = incoming[i];

    bool ok = true;
    const VariablePins limits = variablePins(block.type);
    if (limits.inputsFollowParameter)
        if (const Para_descriptor* ina = block.param("ina"))
            ok = changeInputCount(block, ina->value) && ok;
    if (limits.outputsFollowParameter)
        if (const Para_descriptor* oua = block.param("oua"))
            ok = changeOutputCount(block, oua->value) && ok;

    if (block.type == 49) {
        const Para_descriptor* xs = block.param("XP");
        const Para_descriptor* ys = block.param("YP");
        const std::string xText = (xs ? xs->value : std::string()) + " ";
        const std::string yText = (ys ? ys->value : std::string()) + " ";
        bool listsOk = true;
        int xCount = 0;
        int yCount = 0;
        if (hooks_.parseValueList) {
            xCount = hooks_.parseValueList(block, true, xText, listsOk);
            yCount = hooks_.parseValueList(block, false, yText, listsOk);
        } else {
            xCount = countListItems(xText);
            yCount = countListItems(yText);
        }
        if (listsOk && xCount != yCount)
            reporter().error(&block, tx("Ungleiche Anzahl von X- und Y-Werten"), listsOk);
        ok = listsOk && ok;
    }

    if ((block.type == 81 || block.type == 82) && hooks_.structuredTextChanged)
        hooks_.structuredTextChanged(block, oldName);
    if (isPortWithFollowUp(block.type) && hooks_.portChanged)
        hooks_.portChanged(block, oldName, oldNumber);
    if (hooks_.appearanceChanged)
        hooks_.appearanceChanged(block);

    using Mode = EditContext::Mode;
    if (context.mode == Mode::Edit && block.type == 187 && changed) {
        resetColours();
        if (hooks_.macroChecks && !hooks_.macroChecks(block)) {
            block.colour = colour::Green;
            ok = false;
        }
    }
    if (context.mode == Mode::Online && hooks_.sendOnline)
        hooks_.sendOnline(block);
    return ok;
}

} // namespace fup

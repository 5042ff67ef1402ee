#include "shell/VariableList.h"

#include "model/Document.h"
#include "shell/Haupt.h"

#include <algorithm>
#include <cctype>

namespace fup {

namespace {

constexpr std::size_t NameWidth = 12;
constexpr std::size_t NumberWidth = 4;

bool continuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The name in exactly twelve character places (not bytes, so umlauts keep the columns).
std::string nameColumn(const std::string& name)
{
    std::string out;
    std::size_t places = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (!continuationByte(name[i]) && ++places > NameWidth)
            break;
        out += name[i];
    }
    if (places < NameWidth)
        out.append(NameWidth - places, ' ');
    return out;
}

std::string numberColumn(int number)
{
    std::string text = std::to_string(number);
    if (text.size() < NumberWidth)
        text.insert(0, NumberWidth - text.size(), ' ');
    return text;
}

bool placeholderName(const std::string& name)
{
    static const std::string Nil = "_nil";
    return name.size() == Nil.size() && std::equal(name.begin(), name.end(), Nil.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == b;
           });
}

bool lessIgnoringCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

// A pin that names a variable. An input pin's own entry is a constant, whose label shows a
// value rather than a name.
bool namesVariable(const TKante& pin)
{
    if (!pin.alive() || pin.varType == var::None || pin.varText.empty())
        return false;
    if (pin.isInput() && pin.varType == var::Own)
        return false;
    return !placeholderName(pin.varText);
}

} // namespace

std::vector<VariableLine> variableLines(const Document& document)
{
    std::vector<VariableLine> lines;
    for (const TKiste* block : document.blocks()) {
        // Ports only hand a signal through; their names belong to the macro outside.
        if (isMacroPort(block->type) || isAutomatPort(block->type))
            continue;
        for (const TKante* pin : block->pins) {
            if (!namesVariable(*pin))
                continue;
            std::string text = nameColumn(pin->varText) + "  " + numberColumn(block->number);
            if (pin->isOutput())
                text += " write";
            lines.push_back({std::move(text), pin->varText, block->number, block, pin});
        }
    }
    std::sort(lines.begin(), lines.end(), [](const VariableLine& a, const VariableLine& b) {
        if (lessIgnoringCase(a.text, b.text))
            return true;
        if (lessIgnoringCase(b.text, a.text))
            return false;
        return a.text != b.text ? a.text < b.text : a.blockNumber < b.blockNumber;
    });
    return lines;
}

VariableList::VariableList(Haupt& haupt) : haupt_(haupt) {}

void VariableList::notify()
{
    if (changed)
        changed();
}

void VariableList::toggle()
{
    if (visible_)
        hide();
    else
        show();
}

void VariableList::show()
{
    lines_ = variableLines(haupt_.document());
    visible_ = true;
    notify();
}

void VariableList::hide()
{
    if (!visible_)
        return;
    visible_ = false;
    notify();
}

bool VariableList::goToLine(int index)
{
    const bool onLine = index >= 0 && static_cast<std::size_t>(index) < lines_.size();
    const VariableLine* line = onLine ? &lines_[static_cast<std::size_t>(index)] : nullptr;
    const int number = line ? line->blockNumber : 0;
    haupt_.reporter().log("i=" + std::to_string(index) + "  nr=" + std::to_string(number));
    if (number == 0) {
        haupt_.deferredBox().request("nr=0");
        return false;
    }
    // Removed objects stay in the document's storage, so the pointers can be asked; a pin
    // that no longer belongs to the block, or no longer carries the name, means both were
    // removed and the storage taken for something else.
    const bool there = line->block && line->block->alive() && line->pin && line->pin->alive() &&
                       line->pin->owner == line->block && line->pin->varText == line->name;
    if (!there) {
        haupt_.deferredBox().request("k=nil");
        return false;
    }
    return haupt_.edit().goToBlock(line->block->number);
}

} // namespace fup

#include "model/StructuredTextPins.h"

#include "model/Catalogue.h"
#include "model/Constants.h"
#include "model/HierarchyNames.h"
#include "model/Reporter.h"
#include "model/Translate.h"
#include "platform/Dialogs.h"

#include <algorithm>
#include <set>

namespace fup {

namespace {

constexpr std::size_t MaxPinNameLength = 3;
constexpr const char* PlainHint = "Strukturierter-Text";

bool isStBlock(int type)
{
    return type == 81 || type == 82;
}

std::uint8_t listKind(std::size_t list)
{
    return list < 3 ? ek::InputPin : ek::OutputPin;
}

std::uint8_t listValueType(std::size_t list)
{
    static constexpr std::uint8_t Types[] = {vt::Digital, vt::Fixed, vt::Integer};
    return Types[list % 3];
}

// The first count characters of a UTF-8 text.
std::string firstCharacters(const std::string& text, std::size_t count)
{
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && seen++ == count)
            return text.substr(0, i);
    }
    return text;
}

std::vector<std::string> splitNames(const std::string& text)
{
    std::vector<std::string> result;
    std::string current;
    auto finish = [&] {
        if (!current.empty() && result.size() < static_cast<std::size_t>(MaxStPinNamesPerList))
            result.push_back(current);
        current.clear();
    };
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == ' ' || c == ',' || c == ';')
            finish();
        else if (c >= 0x20 && c != 0x7F && c != '"')
            current += ch;
    }
    finish();
    return result;
}

std::string hexCount(int count)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string digits;
    for (int v = count; v > 0 || digits.size() < 2; v /= 16)
        digits.insert(digits.begin(), Hex[v % 16]);
    return "_" + digits;
}

Para_descriptor* nameParameter(TKiste& block)
{
    return block.param("nam");
}

std::string stName(const TKiste& block)
{
    const Para_descriptor* nam = block.param("nam");
    return names::trimmed(nam ? nam->value : std::string());
}

void becomeClone(TKiste& block)
{
    block.type = 82;
    block.label = typeLabel(82);
    block.hint = typeHint(82);
    block.labelColour = colour::Blue;
}

void becomePlain(TKiste& block)
{
    block.type = 81;
    block.label = typeLabel(81);
    block.hint = PlainHint;
    block.labelColour = colour::Black;
}

// Asks for another name while isFree refuses the present one. False when the user
// cancels; the name is then the one it had before the first question, not a taken one
// entered on the way.
bool askForFreeName(TKiste& block, platform::Dialogs& dialogs, const char* caption,
                    const std::function<bool(const std::string&)>& isFree)
{
    Para_descriptor* nam = nameParameter(block);
    if (!nam)
        return false;
    const std::string before = nam->value;
    while (!isFree(names::trimmed(nam->value))) {
        const auto answer = dialogs.inputQuery(tx(caption), tx("Bitte den Baustein-Namen aendern"), nam->value);
        if (!answer) {
            nam->value = before;
            return false;
        }
        nam->value = cleanEnteredText(*answer);
    }
    return true;
}

} // namespace

StPinLists readStPinLists(const TKiste& block)
{
    StPinLists lists;
    for (std::size_t list = 0; list < StPinListKeys.size(); ++list) {
        const Para_descriptor* p = block.param(StPinListKeys[list]);
        for (std::string name : splitNames(p ? p->value : std::string())) {
            if (characterCount(name) > MaxPinNameLength) {
                lists.findings.push_back(tx("PinName zu lang: ") + name);
                name = firstCharacters(name, MaxPinNameLength);
            }
            lists.names[list].push_back(name);
        }
    }
    std::set<std::string> seen; // upper case
    int renamed = 0;
    for (auto& list : lists.names) {
        for (std::string& name : list) {
            if (std::toupper(static_cast<unsigned char>(name.front())) < 'A')
                lists.findings.push_back(tx("PinName muss mit Buchstabe anfangen: ") + name);
            if (seen.count(names::upper(name))) {
                lists.findings.push_back(tx("gleiche PinNamen: ") + name);
                // A name the user wrote himself is never taken twice.
                do
                    name = hexCount(++renamed);
                while (seen.count(names::upper(name)));
            }
            seen.insert(names::upper(name));
        }
    }
    return lists;
}

bool rebuildStPins(Document& doc, TKiste& block)
{
    if (!isStBlock(block.type))
        return false;
    const StPinLists lists = readStPinLists(block);
    if (!lists.findings.empty())
        doc.reporter().error(&block, lists.findings.back());

    // Pins whose name stays in the list of their direction and value type keep their wires.
    std::array<std::vector<TKante*>, 6> kept;
    std::vector<TKante*> claimed;
    for (std::size_t list = 0; list < lists.names.size(); ++list) {
        for (const std::string& name : lists.names[list]) {
            TKante* found = nullptr;
            for (TKante* p : block.pins)
                if (p->kind == listKind(list) && p->valueType == listValueType(list) && p->name == name &&
                    std::find(claimed.begin(), claimed.end(), p) == claimed.end()) {
                    found = p;
                    break;
                }
            if (found)
                claimed.push_back(found);
            kept[list].push_back(found);
        }
    }
    std::vector<TKante*> doomed;
    for (TKante* p : block.pins)
        if (std::find(claimed.begin(), claimed.end(), p) == claimed.end())
            doomed.push_back(p);
    for (TKante* p : doomed)
        doc.removeElement(*p, true);

    int inputs = 0;
    int outputs = 0;
    for (std::size_t list = 0; list < lists.names.size(); ++list) {
        const std::uint8_t kind = listKind(list);
        const std::uint8_t valueType = listValueType(list);
        for (std::size_t i = 0; i < lists.names[list].size(); ++i) {
            const int ordinal = kind == ek::InputPin ? ++inputs : ++outputs;
            TKante* pin = kept[list][i];
            if (!pin)
                pin = doc.addPin(block, kind, lists.names[list][i], valueType, ordinal,
                                 kind == ek::InputPin && valueType != vt::Digital, false);
            pin->y = ordinal;
        }
    }
    block.n = inputs;
    block.m = outputs;
    block.recomputeHeight();
    doc.placePins(block);
    return lists.findings.empty();
}

bool stNameTaken(const Document& doc, const TKiste& block, const std::string& name)
{
    const std::string wanted = names::trimmed(name);
    return std::any_of(doc.blocks().begin(), doc.blocks().end(), [&](const TKiste* other) {
        return other != &block && isStBlock(other->type) && stName(*other) == wanted;
    });
}

void stParametersChanged(Document& doc, TKiste& block, const std::string& oldName, platform::Dialogs& dialogs)
{
    if (!isStBlock(block.type) || block.params.empty())
        return;
    for (std::size_t i = 0; i + 1 < block.params.size(); ++i)
        block.params[i].value = names::trimmed(block.params[i].value);
    rebuildStPins(doc, block);
    Para_descriptor* nam = nameParameter(block);
    if (!nam)
        return;
    const std::string previous = names::trimmed(oldName);

    if (block.type == 81) {
        if (!askForFreeName(block, dialogs, "Klone dieses Namens gibt es bereits!",
                            [&](const std::string& name) { return !stNameTaken(doc, block, name); }))
            nam->value = previous;
        return;
    }

    auto carriedBy = [&](int type, const std::string& name) {
        return std::any_of(doc.blocks().begin(), doc.blocks().end(), [&](const TKiste* other) {
            return other != &block && other->type == type && stName(*other) == name;
        });
    };
    // The clones of the old name follow this one, so their name is no obstacle.
    auto freeForClone = [&](const std::string& name) {
        if (carriedBy(81, name))
            return false;
        return name == previous || !carriedBy(82, name);
    };
    bool overwriteNewName = false;
    const std::string wanted = names::trimmed(nam->value);
    if (wanted != previous) {
        if (carriedBy(82, wanted)) {
            const platform::Answer answer = dialogs.askYesNoCancel(
                tx("Es gibt bereits Klone mit dem Namen  ") + wanted + tx(",  sollen sie überschrieben werden?"));
            if (answer == platform::Answer::Yes)
                overwriteNewName = true;
            else if (answer == platform::Answer::Cancel ||
                     !askForFreeName(block, dialogs, "Klone dieses Namens gibt es bereits!", freeForClone))
                nam->value = previous;
        } else if (carriedBy(81, wanted) &&
                   !askForFreeName(block, dialogs, "Klone dieses Namens gibt es bereits!", freeForClone)) {
            nam->value = previous;
        }
    }
    for (TKiste* other : doc.blocks()) {
        if (other == &block || other->type != 82)
            continue;
        const std::string name = stName(*other);
        if (name != previous && !(overwriteNewName && name == wanted))
            continue;
        for (std::size_t i = 0; i < other->params.size() && i < block.params.size(); ++i)
            other->params[i].value = block.params[i].value;
        rebuildStPins(doc, *other);
    }
}

TKiste* cloneStBlock(Document& doc, TKiste& original, platform::Dialogs& dialogs)
{
    if (original.type != 81)
        return nullptr;
    if (!askForFreeName(original, dialogs, "Bausteine dieses Names gibt es bereits!",
                        [&](const std::string& name) { return !stNameTaken(doc, original, name); }))
        return nullptr;
    TKiste* clone = doc.createBlock(82, 0, 0, doc.currentSheet(), -1, -1, false);
    for (std::size_t i = 0; i < clone->params.size() && i < original.params.size(); ++i)
        clone->params[i].value = original.params[i].value;
    rebuildStPins(doc, *clone);
    becomeClone(original);
    doc.resetColours();
    original.colour = colour::Green;
    clone->colour = colour::Red;
    return clone;
}

bool uncloneStBlock(Document& doc, TKiste& clone, platform::Dialogs& dialogs)
{
    if (clone.type != 82)
        return false;
    if (!askForFreeName(clone, dialogs, "Bausteine dieses Names gibt es bereits!",
                        [&](const std::string& name) { return !stNameTaken(doc, clone, name); }))
        return false;
    becomePlain(clone);
    doc.resetColours();
    clone.colour = colour::Green;
    return true;
}

bool checkCloneConsistency(Document& doc, TKiste& clone)
{
    if (clone.type != 82)
        return true;
    const std::string name = stName(clone);
    // The clones read before it set the standard; a later one answers for itself.
    for (const TKiste* other : doc.blocks()) {
        if (other == &clone)
            break;
        if (other->type != 82 || stName(*other) != name)
            continue;
        bool equal = other->params.size() == clone.params.size();
        for (std::size_t i = 1; equal && i < clone.params.size(); ++i)
            equal = other->params[i].value == clone.params[i].value;
        if (equal)
            continue;
        becomePlain(clone);
        clone.colour = colour::Yellow;
        doc.reporter().warning(&clone, tx("Ungleiche Klone gleichen Namens. Nach St-Text umgewandelt!"));
        return false;
    }
    return true;
}

void storeStText(Document& doc, TKiste& block, const std::string& text)
{
    if (!isStBlock(block.type) || block.params.empty())
        return;
    // The file has no escape for a double quote.
    std::string stored = text;
    std::replace(stored.begin(), stored.end(), '"', ' ');
    block.params.back().value = stored;
    if (block.type != 82)
        return;
    const std::string name = stName(block);
    for (TKiste* other : doc.blocks())
        if (other != &block && other->type == 82 && stName(*other) == name && !other->params.empty())
            other->params.back().value = stored;
}

} // namespace fup

// "Update Macros": every other macro of one name is replaced by a copy of the chosen one.
#include "model/Hierarchy.h"
#include "model/Reporter.h"
#include "model/Translate.h"

#include <algorithm>
#include <set>
#include <unordered_map>

namespace fup {

namespace {

// More outside connections than a copy may keep.
constexpr std::size_t MaxConnections = 56;

const std::string& macroName(const TKiste& block)
{
    static const std::string none;
    const Para_descriptor* nam = block.param("nam");
    return nam ? nam->value : none;
}

bool sameNamedMacro(const TKiste& block, const std::string& name)
{
    return block.type == 187 && block.param("nam") && macroName(block) == name;
}

// The instance numbers of an inside and of every inside nested in it.
std::set<int> insideSheets(const Document& doc, int instance)
{
    std::set<int> found;
    std::vector<int> pending{instance};
    while (!pending.empty()) {
        const int page = pending.back();
        pending.pop_back();
        if (page < FirstInstanceNumber || !found.insert(page).second)
            continue;
        for (const TKiste* b : doc.blocks())
            if (b->sheet == page && isMacroOrAutomat(b->type))
                pending.push_back(b->childPage);
    }
    return found;
}

// A macro with its inside, kept as values: what a frame text of it would hold.
class MacroTemplate {
  public:
    MacroTemplate(const Document& doc, const TKiste& macro)
    {
        const std::set<int> sheets = insideSheets(doc, macro.childPage);
        std::unordered_map<const TKante*, int> index;
        for (const TKiste* b : doc.blocks()) {
            if (b != &macro && !sheets.count(b->sheet))
                continue;
            blocks_.push_back(*b);
            blocks_.back().pins.clear();
            for (const TKante* p : b->pins) {
                index.emplace(p, static_cast<int>(elements_.size()));
                elements_.push_back({*p, static_cast<int>(blocks_.size()) - 1, {}});
            }
            if (b == &macro)
                top_ = blocks_.size() - 1;
        }
        for (const TKante* e : doc.kanten()) {
            if (e->isPoint() && sheets.count(e->sheet)) {
                index.emplace(e, static_cast<int>(elements_.size()));
                elements_.push_back({*e, -1, {}});
            }
        }
        // Links within the copy keep their slot order; links leaving it are dropped.
        for (Element& element : elements_) {
            element.links.clear();
            for (const TKante* n : element.value.neighbours)
                if (n)
                    if (const auto j = index.find(n); j != index.end())
                        element.links.push_back(j->second);
        }
        for (const auto& t : doc.texts())
            if (sheets.count(t->sheet))
                texts_.push_back(*t);
    }

    // Inserts a copy, selected, the macro itself on sheet 0 and its inside under the old
    // numbers (the way a frame text is read); returns the copy of the macro.
    TKiste* insert(Document& doc) const
    {
        std::vector<TKiste*> made;
        for (const TKiste& t : blocks_) {
            TKiste* b = doc.createBlock(t.type, t.n, t.m, t.sheet, t.x, t.y, true);
            const std::vector<TKante*> catalogue = b->pins;
            for (TKante* p : catalogue)
                doc.removeElement(*p, true);
            *b = t; // every field of the original, pins rebuilt below
            b->selected = true;
            b->framedDirectly = false;
            b->colour = b->restingColour();
            made.push_back(b);
        }
        TKiste* top = made[top_];
        top->sheet = 0;
        std::vector<TKante*> elements;
        for (const auto& [t, owner, links] : elements_) {
            TKante* e = nullptr;
            if (owner >= 0) {
                TKiste& block = *made[static_cast<std::size_t>(owner)];
                e = doc.addPin(block, t.kind, t.name, t.valueType, t.ordinal(), t.constCapable, t.hidden);
                *e = t;
                e->owner = &block;
                e->sheet = block.sheet;
            } else {
                e = doc.createPoint(t.x, t.y, t.sheet, t.valueType);
                *e = t;
            }
            e->neighbours = {};
            e->neighbourCount = 0;
            e->source = e->isOutput() ? e : nullptr;
            e->parent = nullptr;
            e->selected = true;
            elements.push_back(e);
        }
        for (std::size_t i = 0; i < elements.size(); ++i) {
            TKante& e = *elements[i];
            for (int j : elements_[i].links)
                e.neighbours[static_cast<std::size_t>(e.neighbourCount++)] = elements[static_cast<std::size_t>(j)];
        }
        for (const TTexte& t : texts_) {
            TTexte& text = doc.createText(t.x, t.y, t.sheet, t.coloured, t.large);
            text.text = t.text;
            text.normalBackground = t.normalBackground;
            text.background = t.normalBackground;
            text.selected = true;
        }
        return top;
    }

  private:
    struct Element {
        TKante value;
        int owner;              // index of the block, -1 for a point
        std::vector<int> links; // neighbours within the copy, in slot order
    };
    std::vector<TKiste> blocks_;
    std::vector<Element> elements_;
    std::vector<TTexte> texts_;
    std::size_t top_ = 0;
};

// The wire outside a macro's pin: the neighbour on the macro's own sheet (an input also
// has its link to the port inside). A dangling point leads nowhere.
TKante* outsideNeighbour(const TKiste& macro, const TKante& pin)
{
    for (TKante* n : pin.neighbours) {
        if (!n || n->sheet != macro.sheet)
            continue;
        if (n->isPoint() && n->neighbourCount < 2)
            return nullptr;
        return n;
    }
    return nullptr;
}

bool isPinOfOtherCopy(const TKante* e, const TKiste& macro, const std::string& name)
{
    return e && e->isPin() && e->owner && e->owner != &macro && sameNamedMacro(*e->owner, name);
}

struct Connection {
    std::uint8_t varType = var::None;
    std::string varText;
    std::string pinName;
    TKante* neighbour = nullptr;
};

struct Replacement {
    TKiste* mother = nullptr;
    bool motherGone = false;
    bool flipped = false;
    int x = 0;
    int y = 0;
    int sheet = 0;
    std::vector<Connection> connections;
};

// A point between the pin and its neighbour that belongs to neither copy, so that the
// link outlives the removal of both.
TKante* keepLink(Document& doc, TKante& pin, TKante& neighbour)
{
    const TKiste& owner = *pin.owner;
    const int pinX = owner.x + pin.x;
    const int pinY = owner.y + 2 * pin.ordinal();
    int otherX = neighbour.x;
    int otherY = neighbour.y;
    if (neighbour.isPin() && neighbour.owner) {
        otherX = neighbour.owner->x + neighbour.x;
        otherY = neighbour.owner->y + 2 * neighbour.ordinal();
    }
    const std::uint8_t type = pin.valueType != vt::None ? pin.valueType : neighbour.valueType;
    TKante* point = doc.createPoint(std::max(0, (pinX + otherX) / 2), std::max(0, (pinY + otherY) / 2), pin.sheet, type);
    unlinkNeighbours(pin, neighbour);
    linkNeighbours(pin, *point);
    linkNeighbours(*point, neighbour);
    return point;
}

int countConnections(const TKiste& macro)
{
    int count = 0;
    for (const TKante* p : macro.pins)
        if (p->ordinal() >= 1 && (outsideNeighbour(macro, *p) || p->varType != var::None))
            ++count;
    return count;
}

bool insideSameNamedMacro(const Document& doc, const TKiste& macro, const std::string& name)
{
    int sheet = macro.sheet;
    // Bounded: a damaged file may nest insides in a ring.
    for (std::size_t steps = 0; sheet >= FirstInstanceNumber && steps <= doc.blocks().size(); ++steps) {
        const TKiste* owner = doc.ownerOfInside(sheet);
        if (!owner)
            return false;
        if (sameNamedMacro(*owner, name))
            return true;
        sheet = owner->sheet;
    }
    return false;
}

} // namespace

bool updateMacros(Document& doc, TKiste& macro, const UpdateMacrosDialogs& dialogs)
{
    if (macro.type != 187 || !macro.alive())
        return false;
    macro.colour = colour::Olive;
    const std::string name = macroName(macro);
    std::vector<TKiste*> copies; // in block-list order, the chosen one among them
    for (TKiste* b : doc.blocks())
        if (b == &macro || sameNamedMacro(*b, name))
            copies.push_back(b);
    const std::size_t others = copies.size() - 1;
    if (others == 0) {
        if (dialogs.information)
            dialogs.information(tx("Keine anderen Makros gleichen Namens vorhanden"));
        macro.colour = macro.restingColour();
        return false;
    }
    if (!dialogs.askYesNo || !dialogs.askYesNo(tx("Sollen alle ") + std::to_string(others) +
                                               tx(" Makros gleichen Namens überschrieben werden?"))) {
        macro.colour = macro.restingColour();
        return false;
    }

    // Everything that refuses the command is found before anything changes.
    for (TKiste* m : copies) {
        if (insideSameNamedMacro(doc, *m, name)) {
            doc.clearSelection();
            doc.reporter().error(m, tx("Rekursives Makro"));
            macro.colour = macro.restingColour();
            return false;
        }
        if (static_cast<std::size_t>(countConnections(*m)) > MaxConnections) {
            doc.clearSelection();
            doc.reporter().error(m, tx("Ueberlauf Verbindungsliste"));
            macro.colour = macro.restingColour();
            return false;
        }
    }

    doc.clearSelection();
    for (const auto& t : doc.texts())
        t->selected = false;
    const MacroTemplate original(doc, macro);

    std::vector<Replacement> replacements;
    for (TKiste* m : copies) {
        if (m == &macro)
            continue;
        const std::vector<int> insides = doc.selectInside(m->childPage);
        for (const auto& t : doc.texts())
            if (std::find(insides.begin(), insides.end(), t->sheet) != insides.end())
                t->selected = true;
        m->selected = true;
        for (TKante* p : m->pins)
            p->selected = true;

        Replacement r;
        r.mother = doc.ownerOfInside(m->sheet);
        r.flipped = m->flipped;
        r.x = m->x;
        r.y = m->y;
        r.sheet = m->sheet;
        for (TKante* pin : m->pins) {
            if (pin->ordinal() < 1)
                continue;
            TKante* neighbour = outsideNeighbour(*m, *pin);
            if (!neighbour && pin->varType == var::None)
                continue;
            if (neighbour) {
                bool otherCopy = isPinOfOtherCopy(neighbour, *m, name);
                if (neighbour->isPoint())
                    for (const TKante* n : neighbour->neighbours)
                        otherCopy = otherCopy || (n != pin && isPinOfOtherCopy(n, *m, name));
                if (otherCopy)
                    neighbour = keepLink(doc, *pin, *neighbour);
            }
            r.connections.push_back({pin->varType, pin->varText, pin->name, neighbour});
        }
        replacements.push_back(std::move(r));
    }
    doc.rebuildNets();

    compactSelectedInsides(doc);
    removeSelectedObjects(doc);
    // Whatever the removal took is known now, before new objects may reuse its storage.
    for (Replacement& r : replacements) {
        r.motherGone = r.mother && !r.mother->alive();
        for (Connection& c : r.connections)
            if (c.neighbour && !c.neighbour->alive())
                c.neighbour = nullptr;
    }

    for (const Replacement& r : replacements) {
        if (r.motherGone) {
            if (dialogs.message)
                dialogs.message(tx("missing Macro..Rekursiv?"));
            continue;
        }
        doc.clearSelection();
        TKiste* copy = original.insert(doc);
        renumberInsertedInsides(doc, r.mother ? r.mother->childPage : r.sheet);
        copy->x = r.x;
        copy->y = r.y;
        if (copy->flipped != r.flipped) {
            copy->flipped = r.flipped;
            doc.placePins(*copy);
        }
        doc.rebuildNets();
        for (const Connection& c : r.connections) {
            TKante* pin = nullptr;
            for (TKante* p : copy->pins)
                if (p->ordinal() >= 1 && p->name == c.pinName) {
                    pin = p;
                    break;
                }
            if (!pin)
                continue;
            pin->varType = c.varType;
            pin->varText = c.varText;
            pin->displayFlag = c.varType != var::None;
            if (!c.neighbour)
                continue;
            if (doc.connectRefusal(*pin, *c.neighbour) != ConnectRefusal::None || !doc.connect(*pin, *c.neighbour))
                doc.reporter().error(copy, tx("Misserfolg Kanten verbinden, pin=") + pin->name);
        }
    }

    doc.clearSelection();
    for (const auto& t : doc.texts())
        t->selected = false;
    doc.restoreInsideFirstOrder();
    macro.colour = macro.restingColour();
    if (doc.currentSheet() >= FirstInstanceNumber)
        doc.showBlock(macro);
    return true;
}

} // namespace fup

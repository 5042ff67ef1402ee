#include "model/Kanten.h"

#include <unordered_set>
#include <vector>

namespace fup {

std::uint8_t defaultDisplayType(std::uint8_t valueType)
{
    if (valueType == vt::Digital)
        return dt::VarName;
    if (valueType == vt::Float)
        return dt::Float;
    return dt::Fixed;
}

bool valueTypesCompatible(std::uint8_t a, std::uint8_t b)
{
    if (a == vt::None || b == vt::None || a == b)
        return true;
    auto numeric = [](std::uint8_t t) { return t == vt::Fixed || t == vt::Integer; };
    return numeric(a) && numeric(b);
}

bool TKante::hasNeighbour(const TKante* other) const
{
    for (const TKante* n : neighbours)
        if (n && n == other)
            return true;
    return false;
}

TKante* TKante::firstNeighbour() const
{
    for (TKante* n : neighbours)
        if (n)
            return n;
    return nullptr;
}

void TKante::reset()
{
    *this = TKante{};
}

bool linkNeighbours(TKante& a, TKante& b)
{
    auto freeSlot = [](TKante& e) -> TKante** {
        for (TKante*& slot : e.neighbours)
            if (!slot)
                return &slot;
        return nullptr;
    };
    TKante** slotA = freeSlot(a);
    TKante** slotB = freeSlot(b);
    if (!slotA || !slotB || &a == &b)
        return false;
    *slotA = &b;
    *slotB = &a;
    ++a.neighbourCount;
    ++b.neighbourCount;
    return true;
}

bool unlinkNeighbours(TKante& a, TKante& b)
{
    bool found = false;
    auto drop = [&found](TKante& from, const TKante* other) {
        for (TKante*& slot : from.neighbours) {
            if (slot == other) {
                slot = nullptr;
                --from.neighbourCount;
                found = true;
                return;
            }
        }
    };
    drop(a, &b);
    drop(b, &a);
    return found;
}

void spreadValueType(TKante& start, std::uint8_t valueType)
{
    if (valueType == vt::None)
        return;
    std::vector<TKante*> stack{&start};
    std::unordered_set<const TKante*> seen{&start};
    while (!stack.empty()) {
        TKante* e = stack.back();
        stack.pop_back();
        const bool typedHere = e->isPoint() && e->valueType == vt::None;
        if (typedHere)
            e->valueType = valueType;
        // Pins end a walk, except the start itself: a net passes a pin only at its end. A
        // point that had a type ends it as well: the points between two pins are typed all
        // alike, so everything behind it has its type already.
        if (e != &start && !typedHere)
            continue;
        for (TKante* n : e->neighbours)
            if (n && seen.insert(n).second)
                stack.push_back(n);
    }
}

void releaseSubtree(TKante& start)
{
    if (start.isOutput())
        return;
    std::vector<TKante*> stack{&start};
    std::unordered_set<const TKante*> seen{&start};
    std::vector<TKante*> pins;
    while (!stack.empty()) {
        TKante* e = stack.back();
        stack.pop_back();
        e->source = nullptr;
        e->parent = nullptr;
        if (e->isPoint())
            e->valueType = vt::None;
        else
            pins.push_back(e);
        for (TKante* n : e->neighbours)
            if (n && !n->isOutput() && seen.insert(n).second)
                stack.push_back(n);
    }
    // The last pin found types the points again. When it is untyped, another pin of the
    // subtree that has a type does: points left untyped beside a typed input would let
    // a net of any type reach that input.
    for (auto it = pins.rbegin(); it != pins.rend(); ++it)
        spreadValueType(**it, (*it)->valueType);
}

TKante* netSource(const TKante& e)
{
    if (e.isOutput())
        return const_cast<TKante*>(&e);
    return e.source;
}

bool reachable(const TKante& from, const TKante& to)
{
    if (&from == &to)
        return true;
    // Two walks, one from each end, in turns: when they meet the elements are joined; when
    // either runs out they are not. Joining a small piece to a large net so costs the size
    // of the small piece.
    struct Walk {
        std::vector<const TKante*> stack;
        std::unordered_set<const TKante*> seen;
    };
    Walk walks[2] = {{{&from}, {&from}}, {{&to}, {&to}}};
    for (int turn = 0;; turn ^= 1) {
        Walk& mine = walks[turn];
        const Walk& theirs = walks[turn ^ 1];
        if (mine.stack.empty())
            return false;
        const TKante* e = mine.stack.back();
        mine.stack.pop_back();
        for (const TKante* n : e->neighbours) {
            if (!n || !mine.seen.insert(n).second)
                continue;
            if (theirs.seen.count(n))
                return true;
            mine.stack.push_back(n);
        }
    }
}

void propagateSource(TKante& start, TKante& from, TKante& source)
{
    struct Step {
        TKante* element;
        TKante* parent;
    };
    std::vector<Step> stack{{&start, &from}};
    // A tree needs no record of visited elements, but a damaged file may hold a cycle.
    std::unordered_set<const TKante*> seen{&start, &from};
    while (!stack.empty()) {
        const Step step = stack.back();
        stack.pop_back();
        TKante* e = step.element;
        e->source = &source;
        e->parent = step.parent;
        if (e->isPoint())
            e->valueType = source.valueType;
        for (TKante* n : e->neighbours)
            if (n && !n->isOutput() && seen.insert(n).second)
                stack.push_back({n, e});
    }
}

const std::string& netComment(const TKante& e)
{
    static const std::string none;
    const TKante* source = netSource(e);
    return source ? source->signalComment : none;
}

int crossSheetNeighbourCount(const TKante& e)
{
    int count = 0;
    for (const TKante* n : e.neighbours)
        if (n && n->sheet != e.sheet)
            ++count;
    return count;
}

TKante* crossSheetNeighbour(const TKante& e)
{
    for (TKante* n : e.neighbours)
        if (n && n->sheet != e.sheet)
            return n;
    return nullptr;
}

} // namespace fup

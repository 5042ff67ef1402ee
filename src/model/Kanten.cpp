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
        if (e->isPoint() && e->valueType == vt::None)
            e->valueType = valueType;
        // Pins end a walk, except the start itself: a net passes a pin only at its end.
        if (e != &start && e->isPin())
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
    TKante* lastPin = nullptr;
    while (!stack.empty()) {
        TKante* e = stack.back();
        stack.pop_back();
        e->source = nullptr;
        e->parent = nullptr;
        if (e->isPoint())
            e->valueType = vt::None;
        else
            lastPin = e;
        for (TKante* n : e->neighbours)
            if (n && !n->isOutput() && seen.insert(n).second)
                stack.push_back(n);
    }
    if (lastPin)
        spreadValueType(*lastPin, lastPin->valueType);
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
    std::vector<const TKante*> stack{&from};
    std::unordered_set<const TKante*> seen{&from};
    while (!stack.empty()) {
        const TKante* e = stack.back();
        stack.pop_back();
        for (const TKante* n : e->neighbours) {
            if (!n || !seen.insert(n).second)
                continue;
            if (n == &to)
                return true;
            stack.push_back(n);
        }
    }
    return false;
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

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

namespace {

// Every element reachable from start over neighbour links, start first.
std::vector<TKante*> reachable(TKante& start)
{
    std::vector<TKante*> order{&start};
    std::unordered_set<const TKante*> seen{&start};
    for (std::size_t i = 0; i < order.size(); ++i) {
        for (TKante* n : order[i]->neighbours) {
            if (n && seen.insert(n).second)
                order.push_back(n);
        }
    }
    return order;
}

} // namespace

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
    std::vector<TKante*> subtree = reachable(start);
    TKante* lastPin = nullptr;
    for (TKante* e : subtree) {
        if (e->isOutput())
            continue; // another source keeps itself; cannot happen in a tree
        e->source = nullptr;
        e->parent = nullptr;
        if (e->isPoint())
            e->valueType = vt::None;
        else
            lastPin = e;
    }
    if (lastPin)
        spreadValueType(*lastPin, lastPin->valueType);
}

} // namespace fup

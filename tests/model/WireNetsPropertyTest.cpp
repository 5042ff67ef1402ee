// Random sequences of wire operations, checked after every step against what a net must
// be: a tree with at most one source that every element knows, parent links leading to it,
// and intermediate points typed like their net.
#include "model/Document.h"
#include "model/SheetGeometry.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <sstream>
#include <unordered_set>

namespace fup {
namespace {

std::string describe(const TKante* e)
{
    std::ostringstream out;
    if (!e)
        return "none";
    if (e->isPin())
        out << (e->owner ? e->owner->label : "?") << "." << e->name << (e->isOutput() ? "(out)" : "(in)");
    else
        out << "point@" << e->x << "," << e->y << "/" << e->sheet;
    return out.str();
}

// The first broken rule found, or empty.
std::string netFault(const Document& doc)
{
    const auto& all = doc.kanten();
    for (const TKante* e : all) {
        int count = 0;
        std::set<const TKante*> distinct;
        for (const TKante* n : e->neighbours) {
            if (!n)
                continue;
            ++count;
            if (n == e)
                return "self link at " + describe(e);
            if (!n->alive())
                return "link to a removed element from " + describe(e);
            if (!n->hasNeighbour(e))
                return "one-sided link " + describe(e) + " -> " + describe(n);
            if (!distinct.insert(n).second)
                return "double link at " + describe(e);
            if (n->sheet != e->sheet && (e->isPin() || n->isPin()))
                return "pin linked across sheets at " + describe(e);
        }
        if (count != e->neighbourCount)
            return "neighbour count of " + describe(e);
        if (e->isPoint() && count == 0)
            return "point without neighbours left in the list";
        if (e->isPoint() && crossSheetNeighbourCount(*e) > 1)
            return "two links to other sheets at " + describe(e);
    }

    std::unordered_set<const TKante*> done;
    for (const TKante* start : all) {
        if (done.count(start))
            continue;
        std::vector<const TKante*> component{start};
        done.insert(start);
        int links = 0;
        for (std::size_t i = 0; i < component.size(); ++i) {
            for (const TKante* n : component[i]->neighbours) {
                if (!n)
                    continue;
                ++links;
                if (done.insert(n).second)
                    component.push_back(n);
            }
        }
        if (links / 2 != static_cast<int>(component.size()) - 1)
            return "cycle in the net of " + describe(start);
        const TKante* output = nullptr;
        for (const TKante* e : component) {
            if (!e->isOutput())
                continue;
            if (output)
                return "two outputs in one net: " + describe(output) + ", " + describe(e);
            output = e;
        }
        for (const TKante* e : component) {
            if (netSource(*e) != output)
                return "source of " + describe(e) + " is " + describe(netSource(*e)) + ", net driven by " +
                       describe(output);
            if (!output || e == output) {
                if (e->parent)
                    return "parent without a source at " + describe(e);
                continue;
            }
            // The parent chain leads to the source over links.
            const TKante* walk = e;
            for (std::size_t steps = 0; walk != output; ++steps) {
                if (!walk->parent || !walk->hasNeighbour(walk->parent) || steps > component.size())
                    return "parent chain broken at " + describe(walk);
                walk = walk->parent;
            }
            if (e->isPoint() && e->valueType != output->valueType)
                return "point type differs from its source at " + describe(e);
            if (e->isPin() && !valueTypesCompatible(e->valueType, output->valueType))
                return "incompatible pin " + describe(e) + " on the net of " + describe(output);
            if (e->isPin() && output->valueType == vt::None && e->valueType != vt::None)
                return "typed pin " + describe(e) + " on an untyped source";
        }
        if (output)
            continue;
        // Undriven: the points between pins are all typed or all untyped, typed exactly when
        // a typed pin touches them.
        std::unordered_set<const TKante*> regionDone;
        for (const TKante* p : component) {
            if (!p->isPoint() || regionDone.count(p))
                continue;
            std::vector<const TKante*> region{p};
            regionDone.insert(p);
            bool typedPin = false;
            for (std::size_t i = 0; i < region.size(); ++i) {
                for (const TKante* n : region[i]->neighbours) {
                    if (!n)
                        continue;
                    if (n->isPin()) {
                        typedPin = typedPin || n->valueType != vt::None;
                        if (!valueTypesCompatible(n->valueType, region[i]->valueType))
                            return "point " + describe(region[i]) + " incompatible with " + describe(n);
                    } else if (regionDone.insert(n).second) {
                        region.push_back(n);
                    }
                }
            }
            for (const TKante* q : region)
                if ((q->valueType == vt::None) != (p->valueType == vt::None))
                    return "partly typed points around " + describe(p);
            if (typedPin && p->valueType == vt::None)
                return "untyped points beside a typed pin around " + describe(p);
            if (!typedPin && p->valueType != vt::None)
                return "typed points without a typed pin around " + describe(p);
        }
    }
    return {};
}

struct Snapshot {
    std::map<const TKante*, std::pair<const TKante*, const TKante*>> links; // source, parent
};

Snapshot sourcesOf(const Document& doc)
{
    Snapshot s;
    for (const TKante* e : doc.kanten())
        s.links[e] = {netSource(*e), e->parent};
    return s;
}

class RandomWiring : public ::testing::TestWithParam<unsigned> {};

TEST_P(RandomWiring, NetsStayConsistent)
{
    std::mt19937 random(GetParam());
    Document doc;
    doc.appendSheet("");
    // Every value type among outputs and inputs, untyped ones included.
    for (int type : {13, 13, 75, 92, 92, 93, 136, 98, 1, 1, 1})
        doc.createBlock(type, 2, 1, 1, 0, 0, false);

    auto pick = [&random](const auto& list) { return list[random() % list.size()]; };
    auto wirable = [&doc] {
        std::vector<TKante*> out;
        for (TKante* e : doc.kanten())
            if (e->isPoint() || pinShown(*e))
                out.push_back(e);
        return out;
    };
    auto countPoints = [&doc] {
        return std::count_if(doc.kanten().begin(), doc.kanten().end(),
                             [](const TKante* e) { return e->isPoint(); });
    };

    for (int step = 0; step < 1500; ++step) {
        const int op = static_cast<int>(random() % 100);
        std::string what;
        if (op < 35) {
            const std::vector<TKante*> elements = wirable();
            TKante* a = pick(elements);
            TKante* b = pick(elements);
            what = "connect " + describe(a) + " with " + describe(b);
            doc.connect(*a, *b);
        } else if (op < 65 && countPoints() < 60) {
            // A new point wired to an element, as drawing a wire does.
            const std::vector<TKante*> elements = wirable();
            TKante* from = pick(elements);
            for (int tries = 0; tries < 3 && !from->isPoint(); ++tries)
                from = pick(elements);
            const int sheet = from->isPoint() && random() % 4 == 0 ? 2 : from->sheet;
            TKante* p = doc.createPoint(static_cast<int>(random() % 50), static_cast<int>(random() % 50),
                                        sheet, from->valueType);
            what = "new point from " + describe(from);
            if (!doc.connect(*from, *p))
                doc.removeElement(*p, true);
        } else if (op < 77) {
            std::vector<TKante*> linked;
            for (TKante* e : doc.kanten())
                if (e->neighbourCount > 0)
                    linked.push_back(e);
            if (linked.empty())
                continue;
            TKante* a = pick(linked);
            TKante* b = a->firstNeighbour();
            what = "disconnect " + describe(a) + " from " + describe(b);
            doc.disconnect(*a, *b);
        } else if (op < 83) {
            TKante* e = pick(wirable());
            what = "remove " + describe(e);
            doc.removeElement(*e, false);
        } else if (op < 91) {
            TKante* e = pick(wirable());
            what = "insert a point at " + describe(e);
            doc.insertPoint(*e);
        } else if (op < 95) {
            TKante* e = pick(wirable());
            what = "name " + describe(e);
            if (e->varType == var::None)
                doc.setVariableName(*e, "V" + std::to_string(step));
            else
                doc.clearVariable(*e);
        } else {
            what = "rebuild";
            const Snapshot before = sourcesOf(doc);
            doc.rebuildNets();
            ASSERT_EQ(sourcesOf(doc).links, before.links) << "step " << step << ": rebuilt nets differ";
        }
        const std::string fault = netFault(doc);
        ASSERT_EQ(fault, "") << "step " << step << ": " << what;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomWiring, ::testing::Values(1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u));

} // namespace
} // namespace fup

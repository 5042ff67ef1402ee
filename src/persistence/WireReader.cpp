// Wire-element records of diagram texts, neighbour links and the rebuilding of nets.
#include "persistence/DiagramReader.h"

#include "model/Document.h"
#include "model/Reporter.h"
#include "model/Translate.h"
#include "persistence/Numbers.h"
#include "persistence/ProgramWriter.h"

#include <algorithm>
#include <climits>
#include <unordered_map>

namespace fup {

namespace {

// Pin rows: ports use 1..24 (and -24..-1 for the hidden macro pins), structured text up
// to 300; anything far beyond is a corrupt file.
constexpr int MaxOrdinal = 1000;

bool takesConstantsFromLayout(int type)
{
    return type == 81 || type == 82;
}

} // namespace

bool DiagramReader::readNeighbourNumbers(std::vector<int>& numbers)
{
    for (;;) {
        const Token t = steps_.next();
        if (!steps_.ok())
            return false;
        if (t.code != Tok::Word) {
            if (t.code != Tok::Close)
                steps_.fail("kein N.ParClose");
            return steps_.ok();
        }
        const auto number = parseFileInteger(t.text);
        if (!number) {
            steps_.fail("nachbar<>integer");
            return false;
        }
        if (numbers.size() == static_cast<std::size_t>(MaxNeighbours)) {
            steps_.fail("zu viele Nachbarn");
            return false;
        }
        numbers.push_back(*number);
    }
}

TKante* DiagramReader::pinOfRecord(TKiste& owner, int ownerIndex, const std::string& name)
{
    TKante* pin = owner.pinNamed(name);
    if (!pin && owner.type == 42 && name == "lim") {
        // The symmetric limit's pin was once called "lim".
        pin = owner.pinNamed("sym");
        if (!pin) {
            pin = owner.pinNamed("lim");
            if (pin)
                pin->name = "sym";
        }
    }
    if (!pin) {
        // Reported, and the record is left out; the rest of the diagram still loads.
        bool ignored = true;
        doc_.reporter().error(
            &owner, tx("Kante: ") + std::to_string(ownerIndex) + tx("  Pin: ") + name + tx(" nicht gefunden"),
            ignored);
    }
    return pin;
}

bool DiagramReader::readOneElement()
{
    steps_.expect(Tok::KANTE, "KANTE erwartet");
    const auto number = steps_.integer("Kanten-Nr", INT_MIN, INT_MAX);
    const auto comment = steps_.integer("Kommenter-Flag", INT_MIN, INT_MAX);
    const auto display = steps_.integer("Display-Flag", INT_MIN, INT_MAX);
    const Tok code = steps_.nextSection();
    if (steps_.ok() && code != Tok::POS && code != Tok::MUTTER)
        steps_.fail("weder POS noch MUTTER");
    if (!steps_.ok())
        return false;

    ElementRecord record;
    TKante* element = nullptr;
    std::string signalComment;
    std::uint8_t varType = var::None;
    bool inverse = false;

    if (code == Tok::POS) {
        const auto x = steps_.integer("X-Pos");
        const auto y = steps_.integer("Y-Pos");
        const auto sheet = steps_.integer("Z-Pos");
        steps_.section(Tok::NACHBAR, "NACHBAR erwartet");
        readNeighbourNumbers(record.neighbours);
        steps_.expect(Tok::Close, "kein )nachNachbar.");
        if (!steps_.ok())
            return false;
        element = doc_.createPoint(placement_.placedX(*x, *sheet), placement_.placedY(*y, *sheet), *sheet,
                                   vt::None);
    } else {
        const auto ownerIndex = steps_.integer("Mutter-Nr", INT_MIN, INT_MAX);
        Tok next = steps_.nextSection();
        if (next == Tok::INVERSE) {
            inverse = true;
            next = steps_.nextSection();
        }
        bool withLayout = false;
        std::optional<int> kind;
        std::optional<int> ordinal;
        std::optional<int> valueType;
        std::optional<bool> hidden;
        if (next == Tok::TYP) {
            withLayout = true;
            kind = steps_.integer("ioTyp", 0, 2);
            if (kind == int{ek::Point})
                steps_.fail("ioTyp"); // a pin is an input or an output
            ordinal = steps_.integer("pin y-pos", -MaxOrdinal, MaxOrdinal);
            valueType = steps_.integer("werte-Typ", 0, 4);
            hidden = steps_.flag("hidden");
            next = steps_.nextSection();
        }
        if (steps_.ok() && next != Tok::PIN)
            steps_.fail("PIN erwartet");
        const auto pinName = steps_.text("kein PinName");
        const auto pinComment = steps_.text("kein SignalKommentar");
        const auto fileVarType = steps_.integer("ExternVarTyp", 0, 2);
        const auto displayType = steps_.integer("DisplayTyp", 0, 7);
        std::optional<std::string> varText;
        Token t = steps_.next();
        if (t.code == Tok::Text) {
            varText = std::string(t.text);
            steps_.expect(Tok::Close, "pin KlammerZu erwartet");
        } else if (steps_.ok() && t.code != Tok::Close) {
            steps_.fail("Klammer zu erwartet");
        }
        t = steps_.next();
        if (t.code == Tok::Open) {
            steps_.expect(Tok::NACHBAR, "NACHBAR erwartet");
            readNeighbourNumbers(record.neighbours);
            t = steps_.next();
        }
        if (steps_.ok() && t.code != Tok::Close)
            steps_.fail("kein )nachNachbar.");
        if (!steps_.ok())
            return false;

        TKiste* owner = blockWithIndex(*ownerIndex);
        const std::string name(*pinName);
        if (!owner) {
            const std::string text = tx("KistenNr ") + std::to_string(*ownerIndex) + tx(" nicht gefunden");
            if (withLayout) {
                steps_.failTranslated(text);
                return false;
            }
            // Without a layout the record only describes a pin of a block that is not
            // there; like a missing pin it is reported and left out.
            bool ignored = true;
            doc_.reporter().error(nullptr, text, ignored);
            return true;
        }
        if (withLayout) {
            if (!pinsWrittenWithLayout(owner->type)) {
                doc_.reporter().box(tx("Fehlerhaftes Makro: makroPin fuer anderen Baustein:") + " " +
                                    owner->name);
            }
            const auto k = static_cast<std::uint8_t>(*kind);
            const auto v = static_cast<std::uint8_t>(*valueType);
            const bool constCapable =
                takesConstantsFromLayout(owner->type) && k == ek::InputPin && v != vt::Digital;
            element = doc_.addPin(*owner, k, name, v, *ordinal, constCapable, *hidden);
            owner->recomputeHeight();
        } else {
            element = pinOfRecord(*owner, *ownerIndex, name);
            if (!element)
                return true;
        }

        element->displayType = static_cast<std::uint8_t>(*displayType);
        varType = static_cast<std::uint8_t>(*fileVarType);
        signalComment = std::string(*pinComment);
        if (varText) {
            if (element->isInput() && varType == var::Own && version_ >= ConstantValueVersion) {
                const auto value = parseFileInteger(*varText);
                if (value) {
                    element->constValue = *value;
                } else {
                    doc_.reporter().warning(owner, tx("TypWandlung:pinVarName->wert.i"));
                    element->constValue = 0;
                    element->varText = *varText;
                }
            } else {
                // Old files stored an input's constant as its text: it becomes a
                // reference of that name.
                element->varText = *varText;
                if (element->isInput())
                    varType = var::Reference;
            }
        }
    }

    element->varType = varType;
    element->selected = placement_.pasting;
    element->saveNumber = *number;
    element->commentFlag = *comment == 1;
    element->signalComment = signalComment;
    element->displayFlag = *display == 1;
    element->inverse = inverse;
    record.element = element;
    records_.push_back(std::move(record));
    return true;
}

bool DiagramReader::resolveNeighbours()
{
    if (!steps_.ok())
        return false;
    // Numbers refer to the elements read now; the first record of a number counts.
    std::unordered_map<int, TKante*> byNumber;
    for (const ElementRecord& r : records_)
        byNumber.try_emplace(r.element->saveNumber, r.element);

    for (const ElementRecord& r : records_) {
        TKante& e = *r.element;
        e.neighbours.fill(nullptr);
        e.neighbourCount = 0;
    }
    // Each element takes its neighbours in the order of its own list, so the list is
    // written back the same way.
    for (const ElementRecord& r : records_) {
        TKante& e = *r.element;
        for (const int n : r.neighbours) {
            const auto it = byNumber.find(n);
            if (it == byNumber.end()) {
                doc_.reporter().log("Nachbar " + std::to_string(n) + " nicht gefunden");
                continue;
            }
            TKante* other = it->second;
            if (other == &e || e.hasNeighbour(other) || e.neighbourCount >= MaxNeighbours)
                continue;
            e.neighbours[static_cast<std::size_t>(e.neighbourCount++)] = other;
        }
    }
    // A link is a pair. One that only one side lists (a damaged file) is completed when
    // the other side has room, and dropped otherwise, so that every link the document
    // holds can be removed from both ends.
    for (const ElementRecord& r : records_) {
        TKante& e = *r.element;
        for (TKante*& slot : e.neighbours) {
            TKante* other = slot;
            if (!other || other->hasNeighbour(&e))
                continue;
            if (other->neighbourCount < MaxNeighbours) {
                for (TKante*& free : other->neighbours) {
                    if (!free) {
                        free = &e;
                        ++other->neighbourCount;
                        break;
                    }
                }
            } else {
                slot = nullptr;
                --e.neighbourCount;
                doc_.reporter().log("Nachbar " + std::to_string(other->saveNumber) + " nicht gefunden");
            }
        }
    }
    for (const ElementRecord& r : records_) {
        auto& slots = r.element->neighbours;
        std::stable_partition(slots.begin(), slots.end(), [](const TKante* n) { return n != nullptr; });
    }

    std::vector<TKante*> elements;
    elements.reserve(records_.size());
    for (const ElementRecord& r : records_)
        elements.push_back(r.element);
    rebuildNets(elements);
    return true;
}

void rebuildNets(const std::vector<TKante*>& elements)
{
    for (TKante* e : elements) {
        e->source = nullptr;
        e->parent = nullptr;
    }
    std::vector<TKante*> stack;
    for (TKante* out : elements) {
        if (!out->isOutput())
            continue;
        out->source = out;
        stack.assign(1, out);
        while (!stack.empty()) {
            TKante* e = stack.back();
            stack.pop_back();
            for (TKante* n : e->neighbours) {
                // Another output is another net's source; an element that has a source
                // already was reached before (this walk or, in a damaged file that joins
                // two outputs, an earlier one).
                if (!n || n->isOutput() || n->source)
                    continue;
                n->source = out;
                n->parent = e;
                if (n->isPoint())
                    n->valueType = out->valueType;
                stack.push_back(n);
            }
        }
    }
    for (TKante* e : elements)
        if (e->isInput())
            spreadValueType(*e, e->valueType);
}

} // namespace fup

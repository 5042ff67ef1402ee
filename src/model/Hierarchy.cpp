// Instance numbers of insides, removal of macros with their insides, and the programs
// that sub-processes and function blocks name.
#include "model/Hierarchy.h"

#include "model/HierarchyNames.h"
#include "model/Reporter.h"
#include "model/Translate.h"

#include <algorithm>

namespace fup {

namespace {

bool isPort(int type)
{
    return isMacroPort(type) || isAutomatPort(type);
}

// Sheet numbers after the inside b was given back: b itself becomes 0, every higher
// instance number moves down by one.
int compactedSheet(int sheet, int b)
{
    if (sheet == b)
        return 0;
    return sheet > b ? sheet - 1 : sheet;
}

} // namespace

// --- instance numbers ----------------------------------------------------------------------

void compactInstanceNumber(Document& doc, TKiste& block)
{
    if (!isMacroOrAutomat(block.type))
        return;
    const int b = block.childPage;
    block.childPage = 0;
    if (b < FirstInstanceNumber)
        return;
    doc.setInstanceCounter(std::max(FirstInstanceNumber, doc.instanceCounter() - 1));
    for (TKiste* k : doc.blocks()) {
        k->sheet = compactedSheet(k->sheet, b);
        if (isMacroOrAutomat(k->type) && k->childPage > b)
            --k->childPage;
    }
    for (TKante* e : doc.kanten())
        e->sheet = compactedSheet(e->sheet, b);
    for (const auto& t : doc.texts())
        t->sheet = compactedSheet(t->sheet, b);
    // The inside on screen keeps being the same inside under its new number.
    if (doc.currentSheet() > b)
        doc.setCurrentSheet(doc.currentSheet() - 1);
}

void compactSelectedInsides(Document& doc)
{
    // Compaction changes numbers, never the list.
    for (std::size_t i = 0; i < doc.blocks().size(); ++i) {
        TKiste* block = doc.blocks()[i];
        if (block->selected && isMacroOrAutomat(block->type))
            compactInstanceNumber(doc, *block);
    }
}

void removeSelectedObjects(Document& doc)
{
    // A port that goes while its mother stays takes the mother's pins with it first.
    const std::vector<TKiste*> blocks = doc.blocks();
    for (TKiste* b : blocks) {
        if (!b->selected || !isPort(b->type) || !b->portConnected())
            continue;
        const TKiste* mother = doc.ownerOfInside(b->sheet);
        if (mother && !mother->selected)
            disconnectPort(doc, *b);
    }
    std::vector<TKante*> points;
    for (TKante* e : doc.kanten())
        if (e->selected && e->isPoint())
            points.push_back(e);
    for (TKante* e : points)
        if (e->alive() && e->isPoint()) // an earlier removal may have taken it already
            doc.removeElement(*e, true);
    for (TKiste* b : blocks)
        if (b->alive() && b->selected)
            doc.removeBlock(*b);
    doc.removeSelectedTexts();
}

void removeWithInside(Document& doc, TKiste& block)
{
    if (!block.alive())
        return;
    if (!isMacroOrAutomat(block.type)) {
        if (isPort(block.type) && block.portConnected() && doc.ownerOfInside(block.sheet))
            disconnectPort(doc, block);
        doc.removeBlock(block);
        return;
    }
    // Only the macro and its inside may go: whatever else was selected stays.
    doc.clearSelection();
    for (const auto& t : doc.texts())
        t->selected = false;
    const std::vector<int> insides = doc.selectInside(block.childPage);
    for (const auto& t : doc.texts())
        if (std::find(insides.begin(), insides.end(), t->sheet) != insides.end())
            t->selected = true;
    block.selected = true;
    for (TKante* p : block.pins)
        p->selected = true;
    compactSelectedInsides(doc);
    removeSelectedObjects(doc);
}

int renumberInsertedInsides(Document& doc, int shownSheet)
{
    // Depth first, in block-list order: a macro's number, then the insides within it,
    // before the next macro of the same level. Iterative, so that deeply nested input
    // cannot exhaust the stack.
    std::vector<TKiste*> pending;
    for (TKiste* b : doc.blocks())
        if (b->selected && b->sheet == 0 && isMacroOrAutomat(b->type))
            pending.push_back(b);
    std::reverse(pending.begin(), pending.end());
    while (!pending.empty()) {
        TKiste* macro = pending.back();
        pending.pop_back();
        const int old = macro->childPage;
        const int fresh = doc.allocateInstanceNumber();
        macro->childPage = fresh;
        // An inside is taken along at most once: whatever moves leaves the selection, so
        // old numbers of the inserted text never meet the numbers of the document.
        if (old < FirstInstanceNumber)
            continue;
        std::vector<TKiste*> nested;
        for (TKiste* b : doc.blocks()) {
            if (!b->selected || b->sheet != old)
                continue;
            b->sheet = fresh;
            b->selected = false;
            // Pins go with their block, also those the inserted text has no record of.
            for (TKante* p : b->pins) {
                p->sheet = fresh;
                p->selected = false;
            }
            if (b->colour == colour::InactiveCaption)
                b->colour = b->restingColour();
            if (isMacroOrAutomat(b->type))
                nested.push_back(b);
        }
        for (TKante* e : doc.kanten()) {
            if (e->selected && e->sheet == old) {
                e->sheet = fresh;
                e->selected = false;
            }
        }
        for (const auto& t : doc.texts()) {
            if (t->selected && t->sheet == old) {
                t->sheet = fresh;
                t->selected = false;
            }
        }
        for (auto it = nested.rbegin(); it != nested.rend(); ++it)
            pending.push_back(*it);
    }

    // The top level goes to the shown sheet. Anything still selected on an instance
    // number belongs to no inserted macro: left there it would turn up inside a macro of
    // the document, so it is dropped.
    std::vector<TKiste*> orphans;
    for (TKiste* b : doc.blocks()) {
        if (!b->selected)
            continue;
        if (b->sheet == 0) {
            b->sheet = shownSheet;
            for (TKante* p : b->pins) {
                p->sheet = shownSheet;
                p->selected = true;
            }
        } else if (b->sheet >= FirstInstanceNumber) {
            orphans.push_back(b);
        }
    }
    int dropped = static_cast<int>(orphans.size());
    for (TKiste* b : orphans)
        doc.removeBlock(*b);
    std::vector<TKante*> strayPoints;
    for (TKante* e : doc.kanten()) {
        if (!e->selected)
            continue;
        if (e->sheet == 0)
            e->sheet = shownSheet;
        else if (e->sheet >= FirstInstanceNumber && e->isPoint())
            strayPoints.push_back(e);
    }
    for (TKante* e : strayPoints) {
        if (e->alive()) {
            doc.removeElement(*e, true);
            ++dropped;
        }
    }
    std::vector<std::uint64_t> strayTexts;
    for (const auto& t : doc.texts()) {
        if (!t->selected)
            continue;
        if (t->sheet == 0)
            t->sheet = shownSheet;
        else if (t->sheet >= FirstInstanceNumber)
            strayTexts.push_back(t->id());
    }
    for (std::uint64_t id : strayTexts)
        doc.removeText(id);
    return dropped + static_cast<int>(strayTexts.size());
}

// --- sub-processes and function blocks ------------------------------------------------

std::optional<std::string> referencedProgramName(const TKiste& block)
{
    if (block.type != 180 && block.type != 186)
        return std::nullopt;
    const Para_descriptor* nam = block.param("nam");
    std::string name = names::trimmed(nam ? nam->value : std::string());
    if (name.empty() || name == "-")
        return std::nullopt;
    // The extension is cut only where it belongs to the file name itself, so that a dot in
    // a directory name does not take the file name with it.
    const auto dot = name.rfind('.');
    const auto separator = name.find_last_of("\\/:");
    if (dot != std::string::npos && (separator == std::string::npos || dot > separator))
        name.erase(dot);
    const auto cut = name.find_last_of("\\/:.");
    if (cut != std::string::npos)
        name.erase(0, cut + 1);
    name = names::trimmed(name);
    if (name.empty())
        return std::nullopt;
    return name;
}

std::optional<std::filesystem::path> referencedProgramFile(const TKiste& block,
                                                           const std::filesystem::path& programDirectory,
                                                           const std::filesystem::path& dataDirectory)
{
    const std::optional<std::string> name = referencedProgramName(block);
    if (!name)
        return std::nullopt;
    return (block.type == 186 ? dataDirectory : programDirectory) / (*name + ".KR2");
}

bool findRecursiveCalls(Document& doc, const std::string& processName,
                        const std::function<bool(const std::string& name)>& onStack)
{
    const std::string process = names::key(processName);
    bool found = false;
    for (TKiste* b : doc.blocks()) {
        if (b->type != 180 && b->type != 186)
            continue;
        const std::string name = b->params.empty() ? std::string() : b->params.front().value;
        if (names::key(name).empty())
            continue;
        // Directory and extension do not make it another program.
        const std::optional<std::string> base = referencedProgramName(*b);
        const bool self = names::key(name) == process || (base && names::key(*base) == process);
        if (self || (onStack && onStack(name))) {
            doc.reporter().error(b, tx("Rekursiver Aufruf von: ") + name);
            found = true;
        }
    }
    return found;
}

} // namespace fup

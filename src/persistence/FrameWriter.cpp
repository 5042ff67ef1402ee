// Writing frame texts: the selection of one sheet with the insides of its macros.
#include "persistence/FrameText.h"

#include "model/Document.h"
#include "persistence/ProgramFormat.h"
#include "persistence/ProgramWriter.h"
#include "persistence/RecordWriter.h"

#include <unordered_set>

namespace fup {

namespace {

// Pins that carry the outside of a macro, automat or structured-text block: a saved
// macro's file does not take the variables and comments of the program it came from.
bool pinsCarryOutside(int type)
{
    return type == 81 || type == 82 || isMacroOrAutomat(type);
}

// Selects the insides of the selected macros and automats of the sheet, nested ones
// included; returns their instance numbers.
std::unordered_set<int> selectInsidesOfSelection(Document& doc, int topSheet)
{
    std::vector<int> pages;
    for (const TKiste* b : doc.blocks())
        if (b->selected && b->sheet == topSheet && isMacroOrAutomat(b->type))
            pages.push_back(b->childPage);
    std::unordered_set<int> insides;
    for (int page : pages) {
        // A child page below the first instance number belongs to no inside.
        if (page < FirstInstanceNumber || page == topSheet)
            continue;
        const std::vector<int> visited = doc.selectInside(page);
        selectTextsOnSheets(doc, visited);
        insides.insert(visited.begin(), visited.end());
    }
    insides.erase(topSheet);
    return insides;
}

void deselectOffSheet(Document& doc, int topSheet)
{
    for (TKiste* b : doc.blocks())
        if (b->sheet != topSheet)
            b->selected = false;
    for (TKante* e : doc.kanten())
        if (e->sheet != topSheet)
            e->selected = false;
    for (const auto& t : doc.texts())
        if (t->sheet != topSheet)
            t->selected = false;
}

} // namespace

// The frame of one sheet: the shown sheet for the select frame and the clipboard, the
// block's own sheet when a macro is saved.
std::string writeFrameOfSheet(Document& doc, const std::optional<FrameRect>& rect, int topSheet)
{
    const std::unordered_set<int> insides = selectInsidesOfSelection(doc, topSheet);
    // Only the sheet and those insides count: a selection left over on another sheet is
    // not part of the frame.
    const auto inFrame = [&](bool selected, int sheet) {
        return selected && (sheet == topSheet || insides.contains(sheet));
    };

    // Blocks are placed relative to the frame's corner, or at -1/-1 without a frame.
    // Points and texts without a frame keep their positions: the reader inserts such a
    // text at origin 0/0, so they come back where they were.
    const int x0 = rect ? rect->left : 0;
    const int y0 = rect ? rect->top : 0;

    std::vector<const TKiste*> blocks;
    std::unordered_set<const TKiste*> writtenBlocks;
    int index = 0;
    for (TKiste* b : doc.blocks()) {
        if (!inFrame(b->selected, b->sheet)) {
            b->saveIndex = 0;
            continue;
        }
        b->saveIndex = ++index;
        blocks.push_back(b);
        writtenBlocks.insert(b);
    }

    // Every pin of a written block goes with it; a point only when it is selected and
    // joined to something written, so that no wire hangs loose at the frame's edge.
    std::unordered_set<const TKante*> written;
    for (const TKiste* b : blocks)
        for (const TKante* p : b->pins)
            if (p->alive())
                written.insert(p);
    for (const TKante* e : doc.kanten()) {
        if (!e->isPoint() || !inFrame(e->selected, e->sheet))
            continue;
        for (const TKante* n : e->neighbours) {
            if (n && ((n->isPoint() && inFrame(n->selected, n->sheet)) || written.contains(n))) {
                written.insert(e);
                break;
            }
        }
    }

    const WritePlan plan = planElements(doc);
    std::vector<TKante*> elements;
    int number = 0;
    for (TKante* e : plan.order) {
        if (!written.contains(e)) {
            e->saveNumber = 0;
            continue;
        }
        e->saveNumber = ++number;
        elements.push_back(e);
    }

    const auto sheetOf = [topSheet](int sheet) { return sheet == topSheet ? 0 : sheet; };

    Out out(1024 + blocks.size() * 260 + elements.size() * 130);
    out << "(VERSION " << ProgramFileVersion << " )\n";
    if (rect) {
        out << "(BREITE " << rect->width() << ")\n";
        out << "(HOEHE " << rect->height() << ")\n";
    }
    out << "  (TEXTE\n";
    for (const auto& t : doc.texts()) {
        if (!inFrame(t->selected, t->sheet))
            continue;
        const bool top = t->sheet == topSheet;
        writeTextRecord(out, *t, {top ? t->x - x0 : t->x, top ? t->y - y0 : t->y, sheetOf(t->sheet)});
    }
    out << "  )\n";

    out << "  (KISTEN\n";
    for (const TKiste* b : blocks) {
        const bool top = b->sheet == topSheet;
        BlockPlace place{b->x, b->y, sheetOf(b->sheet), b->connected};
        if (top) {
            place.x = rect ? b->x - x0 : -1;
            place.y = rect ? b->y - y0 : -1;
            // A port taken out of its automat is not connected where it goes.
            place.connected = false;
        }
        writeBlockRecord(out, *b, place);
    }
    out << "  )\n";

    out << "  (KANTEN\n";
    for (const TKante* e : elements) {
        const bool top = e->sheet == topSheet;
        ElementPlace place;
        place.x = top ? e->x - x0 : e->x;
        place.y = top ? e->y - y0 : e->y;
        place.sheet = sheetOf(e->sheet);
        const TKante* source = netSource(*e);
        place.commentFlag = e->commentFlag && source && written.contains(source);
        place.withoutOutside = !rect && top && e->owner && pinsCarryOutside(e->owner->type);
        place.written = &written;
        writeElementRecord(out, *e, plan.withLayout.contains(e), place);
    }
    out << "  )\n";

    deselectOffSheet(doc, topSheet);
    return out.take();
}

std::string writeFrame(Document& doc, const std::optional<FrameRect>& rect)
{
    return writeFrameOfSheet(doc, rect, doc.currentSheet());
}

std::string clipboardText(Document& doc, const FrameRect& rect)
{
    const std::string text = writeFrame(doc, rect);
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\n')
            out.push_back('\r');
        out.push_back(c);
    }
    return out;
}

} // namespace fup

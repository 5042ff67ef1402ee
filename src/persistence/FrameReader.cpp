// Reading frame texts and inserting them into the document.
#include "persistence/FrameText.h"

#include "model/Document.h"
#include "model/Hierarchy.h"
#include "model/Reporter.h"
#include "model/Translate.h"
#include "persistence/DiagramReader.h"
#include "persistence/ReadSteps.h"

#include <algorithm>
#include <unordered_set>

namespace fup {

namespace {

// The frame's size in grid units, never negative.
constexpr int MaxFrameSize = 100'000;

// What the document held before a frame was read, so that a failed read can be taken
// back.
class Before {
  public:
    explicit Before(const Document& doc)
        : blocks_(doc.blocks().begin(), doc.blocks().end()),
          kanten_(doc.kanten().begin(), doc.kanten().end()), counter_(doc.instanceCounter())
    {
        for (const auto& t : doc.texts())
            texts_.insert(t->id());
    }

    // Removes whatever the read added.
    void restore(Document& doc) const
    {
        std::vector<TKiste*> newBlocks;
        for (TKiste* b : doc.blocks())
            if (!blocks_.contains(b))
                newBlocks.push_back(b);
        for (TKiste* b : newBlocks)
            doc.removeBlock(*b);
        // Points are all that is left of the new elements once their blocks are gone. A
        // point goes with its last link, so each is looked at only while it still lives.
        std::vector<TKante*> newPoints;
        for (TKante* e : doc.kanten())
            if (!kanten_.contains(e))
                newPoints.push_back(e);
        for (TKante* e : newPoints)
            if (e->alive())
                doc.removeElement(*e, true);
        std::vector<std::uint64_t> newTexts;
        for (const auto& t : doc.texts())
            if (!texts_.contains(t->id()))
                newTexts.push_back(t->id());
        for (std::uint64_t id : newTexts)
            doc.removeText(id);
        doc.setInstanceCounter(counter_);
        doc.renumber();
    }

  private:
    std::unordered_set<const TKiste*> blocks_;
    std::unordered_set<const TKante*> kanten_;
    std::unordered_set<std::uint64_t> texts_;
    int counter_;
};

bool readFrameBody(Document& doc, ReadSteps& steps, const FramePlacement& placement, FrameReadResult& result)
{
    Tok code = steps.firstSectionAfterVersion(result.fileVersion);
    if (!steps.ok())
        return false;

    GridPoint origin;
    if (placement.kind != FramePlacement::Kind::InPlace) {
        if (code != Tok::BREITE) {
            steps.fail("BREITE erwartet");
            return false;
        }
        const auto width = steps.integer("Breite", 0, MaxFrameSize);
        steps.section(Tok::HOEHE, "BREITE erwartet");
        const auto height = steps.integer("Hoehe", 0, MaxFrameSize);
        if (!steps.ok())
            return false;
        if (placement.kind == FramePlacement::Kind::AtMouse) {
            // Centred on the mouse: its position less half the frame, to the nearest grid
            // point.
            const ViewGeometry view = ViewGeometry::of(doc);
            origin = toGrid(
                {placement.mouse.x - view.zoom * *width / 2, placement.mouse.y - view.zoom * *height / 2},
                view);
        } else {
            origin = placement.origin;
        }
        result.rect = FrameRect{origin.x, origin.y, origin.x + *width, origin.y + *height};
        code = steps.nextSection();
    }

    DiagramReader diagram(doc, steps, result.fileVersion,
                          Placement{true, origin.x, origin.y, placement.keepNames});
    return diagram.readBody(code, {txKey("Frame-KISTEN erwartet"), txKey("Frame:parse Kisten"), txKey("Frame-Kanten erwartet"),
                                   txKey("Frame:Parse Kanten"), txKey("Frame:init Kanten")});
}

// Fresh instance numbers for the inserted insides, the top level onto the shown sheet.
void placeInsertedObjects(Document& doc)
{
    if (const int dropped = renumberInsertedInsides(doc, doc.currentSheet()); dropped > 0)
        doc.reporter().log("Rahmen: " + std::to_string(dropped) + " Objekte ohne Makro verworfen");
}

} // namespace

FrameReadResult readFrame(Document& doc, std::string_view text, const FramePlacement& placement)
{
    FrameReadResult result;
    ReadSteps steps(text, doc.reporter());
    result.ok = readFrameBody(doc, steps, placement, result) && steps.ok();
    return result;
}

void deselectAll(Document& doc)
{
    doc.clearSelection();
    clearTextSelection(doc);
}

void finishInsertion(Document& doc)
{
    placeInsertedObjects(doc);
    const int shown = doc.currentSheet();
    // Connected ports of the shown sheet in their light green.
    for (TKiste* b : doc.blocks()) {
        if (b->sheet != shown || !(isMacroPort(b->type) || isAutomatPort(b->type)) || !b->portConnected())
            continue;
        b->normalColour = colour::PortConnected;
        if (b->colour != colour::Red && b->colour != colour::InactiveCaption)
            b->colour = colour::PortConnected;
    }
    doc.restoreInsideFirstOrder();
}

FrameReadResult insertFrame(Document& doc, std::string_view text, const FramePlacement& placement)
{
    deselectAll(doc);
    const Before before(doc);
    FrameReadResult result = readFrame(doc, text, placement);
    if (!result.ok) {
        before.restore(doc);
        result.rect.reset();
        return result;
    }
    finishInsertion(doc);
    return result;
}

PasteResult pasteClipboardText(Document& doc, std::string_view text, PixelPoint mouse)
{
    PasteResult result;
    if (text.empty() || text.front() != '(')
        return result;
    // Clipboard texts end their lines with CR LF; in memory a line break is "\n".
    std::string normal;
    normal.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            normal.push_back(text[i]);

    const FrameReadResult read = insertFrame(doc, normal, FramePlacement::atMouse(mouse));
    if (!read.ok) {
        doc.reporter().error(nullptr, tx("ParseClipboardString"));
        result.outcome = PasteOutcome::Failed;
        return result;
    }
    result.outcome = PasteOutcome::Pasted;
    result.rect = read.rect;
    return result;
}

} // namespace fup

// Selection, highlighting, showing a block and the order of the block list.
#include "model/Document.h"

#include "model/Reporter.h"
#include "model/Translate.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace fup {

std::optional<std::string> Document::creationRefusal(int type) const
{
    const TKiste* mother = mother_ && mother_->alive() ? mother_ : nullptr;
    if (!mother) {
        if (isStateMachineType(type))
            return std::string("nur in \"Automat\" moeglich");
        if (isMacroPort(type))
            return std::string("nur in \"Macro\" moeglich");
        return std::nullopt;
    }
    const bool automat = mother->type == 188;
    if (automat && !isStateMachineType(type))
        return std::string("in \"Automat\" nicht moeglich");
    if (!automat && isStateMachineType(type))
        return std::string("nur in \"Automat\" moeglich");
    return std::nullopt;
}

TKiste* Document::createBlockFromMenu(int type, int n, int m)
{
    if (const auto refusal = creationRefusal(type)) {
        reporter().box(tx(*refusal));
        return nullptr;
    }
    TKiste* block = createBlock(type, n, m, currentSheet_, -1, -1, false);
    if (isMacroOrAutomat(type))
        block->childPage = allocateInstanceNumber();
    block->colour = colour::Red;
    restoreInsideFirstOrder();
    return block;
}

bool Document::showBlock(TKiste& block)
{
    if (!block.alive())
        return false;
    if (block.sheet >= FirstInstanceNumber) {
        TKiste* owner = ownerOfInside(block.sheet);
        if (!owner) {
            reporter().error(&block, tx("..Mutter-Makro(GOTO Baustein) nicht gefunden"));
            return false;
        }
        mother_ = owner;
        depth_ = nestingDepthOf(block.sheet);
    } else {
        mother_ = nullptr;
        depth_ = 0;
    }
    currentSheet_ = block.sheet;
    // Centre the view on the block's grid position, within the scroll range.
    const int maxX = std::max(0, zoom_ * SheetWidth + 60 - clientWidth_);
    const int maxY = std::max(0, zoom_ * SheetHeight + 60 - clientHeight_);
    scrollX_ = std::clamp(block.x * zoom_ - clientWidth_ / 2, 0, maxX);
    scrollY_ = std::clamp(block.y * zoom_ - clientHeight_ / 2, 0, maxY);
    return true;
}

void Document::selectInRect(int left, int top, int right, int bottom)
{
    for (TKiste* b : blocks_) {
        const bool inside =
            b->sheet == currentSheet_ && left <= b->x && b->x < right && top <= b->y && b->y < bottom;
        b->framedDirectly = inside;
        if (!inside)
            continue;
        b->selected = true;
        b->colour = colour::InactiveCaption;
        for (TKante* p : b->pins)
            p->selected = true;
    }
    for (TKante* e : kanten_)
        if (e->isPoint() && e->sheet == currentSheet_ && left <= e->x && e->x < right && top <= e->y &&
            e->y < bottom)
            e->selected = true;
}

std::vector<int> Document::selectInside(int instance)
{
    if (instance < FirstInstanceNumber)
        return {};
    std::unordered_set<int> pending{instance};
    std::unordered_set<int> done;
    // Each pass selects what lies on the pending insides and collects the insides found
    // there; an inside is visited once, so a corrupt self-containing macro cannot loop.
    while (!pending.empty()) {
        std::unordered_set<int> next;
        for (TKiste* b : blocks_) {
            if (!pending.count(b->sheet))
                continue;
            b->selected = true;
            for (TKante* p : b->pins)
                p->selected = true;
            if (isMacroOrAutomat(b->type) && b->childPage >= FirstInstanceNumber)
                next.insert(b->childPage);
        }
        for (TKante* e : kanten_)
            if (pending.count(e->sheet))
                e->selected = true;
        done.insert(pending.begin(), pending.end());
        pending.clear();
        for (int page : next)
            if (!done.count(page))
                pending.insert(page);
    }
    return {done.begin(), done.end()};
}

void Document::passivateSelection()
{
    // Snapshot first: selecting an inside adds to the selection being walked.
    std::vector<int> insides;
    for (const TKiste* b : blocks_)
        if (b->selected && isMacroOrAutomat(b->type))
            insides.push_back(b->childPage);
    for (int page : insides)
        selectInside(page);
    for (TKiste* b : blocks_) {
        if (!b->selected)
            continue;
        b->passive = true;
        b->colour = colour::Teal;
    }
}

void Document::activateSelection()
{
    std::vector<int> macros;
    for (const TKiste* b : blocks_)
        if (b->selected && isMacroOrAutomat(b->type))
            macros.push_back(b->childPage);
    std::unordered_set<int> insides;
    for (int page : macros) {
        const std::vector<int> visited = selectInside(page);
        insides.insert(visited.begin(), visited.end());
    }
    for (TKiste* b : blocks_) {
        if (!b->selected)
            continue;
        b->passive = false;
        b->selected = false;
        // The block's own normal colour: grey for most, but a port or a state keeps its
        // colour rather than looking like an ordinary block.
        b->colour = b->normalColour;
        for (TKante* p : b->pins)
            p->selected = false;
    }
    // Whatever the insides brought into the selection leaves it again with them.
    for (TKante* e : kanten_)
        if (insides.count(e->sheet))
            e->selected = false;
}

void Document::clearSelection()
{
    for (TKiste* b : blocks_) {
        b->selected = false;
        b->framedDirectly = false;
        if (b->colour == colour::InactiveCaption)
            b->colour = b->restingColour();
    }
    for (TKante* e : kanten_)
        e->selected = false;
}

void Document::resetColours()
{
    for (TKiste* b : blocks_)
        b->colour = b->restingColour();
}

void Document::restoreInsideFirstOrder()
{
    // The blocks of every inside, in their present relative order.
    std::unordered_map<int, std::vector<TKiste*>> byInside;
    for (TKiste* b : blocks_)
        if (b->sheet >= FirstInstanceNumber)
            byInside[b->sheet].push_back(b);

    std::vector<TKiste*> ordered;
    ordered.reserve(blocks_.size());
    std::unordered_set<int> emitted;
    // Each inside is put down once, directly before its macro or automat.
    auto emit = [&](auto&& self, TKiste* block) -> void {
        if (isMacroOrAutomat(block->type) && block->childPage >= FirstInstanceNumber &&
            emitted.insert(block->childPage).second) {
            if (auto it = byInside.find(block->childPage); it != byInside.end())
                for (TKiste* inner : it->second)
                    self(self, inner);
        }
        ordered.push_back(block);
    };
    for (TKiste* b : blocks_)
        if (b->sheet < FirstInstanceNumber)
            emit(emit, b);
    // Blocks of an inside without an owner stay, at the end, in their order.
    if (ordered.size() != blocks_.size()) {
        std::unordered_set<const TKiste*> placed(ordered.begin(), ordered.end());
        for (TKiste* b : blocks_)
            if (!placed.count(b))
                ordered.push_back(b);
    }
    blocks_ = std::move(ordered);
    renumber();
}

void Document::swapBlockPlaces(int a, int b)
{
    const int count = static_cast<int>(blocks_.size());
    if (a < 1 || b < 1 || a > count || b > count)
        return;
    std::swap(blocks_[static_cast<std::size_t>(a - 1)], blocks_[static_cast<std::size_t>(b - 1)]);
}

} // namespace fup

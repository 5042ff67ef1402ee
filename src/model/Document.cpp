#include "model/Document.h"

#include "model/Catalogue.h"
#include "model/Reporter.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace fup {

namespace {

// Stands in until the editor hands over its reporter, so that no operation has to ask
// whether one exists.
class SilentReporter final : public Reporter {
  public:
    void error(const TKiste*, const std::string&, bool& ok) override { ok = false; }
    void warning(const TKiste*, const std::string&) override {}
    void errorRaw(const TKiste*, const std::string&, bool& ok) override { ok = false; }
    void warningRaw(const TKiste*, const std::string&) override {}
    void log(const std::string&) override {}
    void box(const std::string&) override {}
};

SilentReporter silentReporter;

} // namespace

std::string cleanEnteredText(const std::string& text)
{
    std::string cleaned = text;
    std::replace(cleaned.begin(), cleaned.end(), '"', ' ');
    const auto first = cleaned.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = cleaned.find_last_not_of(" \t\r\n");
    return cleaned.substr(first, last - first + 1);
}

Document::Document(Reporter* reporter) : reporter_(reporter)
{
    sheets_.emplace_back();
}

Document::~Document() = default;

void Document::setReporter(Reporter* reporter)
{
    reporter_ = reporter;
}

Reporter& Document::reporter() const
{
    return reporter_ ? *reporter_ : silentReporter;
}

// --- sheets and view --------------------------------------------------------------------

const Sheet& Document::sheet(int number) const
{
    if (number < 1 || number > sheetCount())
        throw std::out_of_range("sheet number");
    return sheets_[static_cast<std::size_t>(number - 1)];
}

Sheet& Document::sheet(int number)
{
    return const_cast<Sheet&>(std::as_const(*this).sheet(number));
}

bool Document::appendSheet(const std::string& name)
{
    if (sheetCount() >= MaxSheets)
        return false;
    sheets_.push_back(Sheet{cleanEnteredText(name), 0, 0});
    return true;
}

void Document::renameSheet(int number, const std::string& name)
{
    sheet(number).name = cleanEnteredText(name);
}

void Document::removeSheet(int number)
{
    sheet(number); // checks the number
    if (sheetCount() == 1)
        sheets_.front() = Sheet{};
    else
        sheets_.erase(sheets_.begin() + (number - 1));
    currentSheet_ = std::clamp(currentSheet_, 1, sheetCount());
}

void Document::setZoom(int pixelsPerGridUnit)
{
    zoom_ = std::clamp(pixelsPerGridUnit, 2, 28);
}

void Document::setScroll(int x, int y)
{
    scrollX_ = std::max(0, x);
    scrollY_ = std::max(0, y);
}

void Document::setClientSize(int width, int height)
{
    clientWidth_ = std::max(0, width);
    clientHeight_ = std::max(0, height);
}

int Document::visibleLeft() const
{
    return std::max(0, (scrollX_ + zoom_ / 2) / zoom_);
}

int Document::visibleTop() const
{
    return std::max(0, (scrollY_ + zoom_ / 2) / zoom_);
}

TKiste* Document::ownerOfInside(int instance) const
{
    if (instance < FirstInstanceNumber)
        return nullptr;
    for (TKiste* b : blocks_)
        if (isMacroOrAutomat(b->type) && b->childPage == instance)
            return b;
    return nullptr;
}

int Document::nestingDepthOf(int sheetNumber) const
{
    int depth = 0;
    // A corrupt file could make an inside contain its own macro; the bound ends the walk.
    const int bound = static_cast<int>(blocks_.size());
    while (sheetNumber >= FirstInstanceNumber && depth <= bound) {
        const TKiste* owner = ownerOfInside(sheetNumber);
        if (!owner)
            break;
        ++depth;
        sheetNumber = owner->sheet;
    }
    return depth;
}

void Document::clear()
{
    for (TKiste* b : blocks_) {
        b->reset();
        freeBlocks_.push_back(b);
    }
    blocks_.clear();
    for (TKante* e : kanten_) {
        const bool pin = e->isPin();
        e->reset();
        (pin ? freePins_ : freePoints_).push_back(e);
    }
    kanten_.clear();
    kantenDirty_ = false;
    texts_.clear(); // comment texts are destroyed, not kept for reuse
    sheets_.assign(1, Sheet{});
    currentSheet_ = 1;
    instanceCounter_ = FirstInstanceNumber;
    depth_ = 0;
    mother_ = nullptr;
}

// --- storage ------------------------------------------------------------------------------

TKiste* Document::takeBlock()
{
    TKiste* block = nullptr;
    if (!freeBlocks_.empty()) {
        block = freeBlocks_.back();
        freeBlocks_.pop_back();
    } else {
        blockStore_.push_back(std::make_unique<TKiste>());
        block = blockStore_.back().get();
    }
    block->reset();
    block->alive_ = true;
    return block;
}

TKante* Document::takeElement(bool pin)
{
    std::vector<TKante*>& pool = pin ? freePins_ : freePoints_;
    TKante* e = nullptr;
    if (!pool.empty()) {
        e = pool.back();
        pool.pop_back();
    } else {
        kanteStore_.push_back(std::make_unique<TKante>());
        e = kanteStore_.back().get();
    }
    e->reset();
    e->alive_ = true;
    return e;
}

void Document::retire(TKante& e)
{
    if (!e.alive_)
        return;
    const bool pin = e.isPin();
    if (pin && e.owner) {
        auto& pins = e.owner->pins;
        pins.erase(std::remove(pins.begin(), pins.end(), &e), pins.end());
    }
    e.reset();
    (pin ? freePins_ : freePoints_).push_back(&e);
    kantenDirty_ = true;
}

void Document::sweepKanten()
{
    if (!kantenDirty_)
        return;
    kanten_.erase(std::remove_if(kanten_.begin(), kanten_.end(), [](const TKante* e) { return !e->alive(); }),
                  kanten_.end());
    kantenDirty_ = false;
}

// --- blocks -------------------------------------------------------------------------------

TKiste* Document::createBlock(int type, int n, int m, int sheetNumber, int x, int y, bool pasted)
{
    (void)pasted; // paste places the block itself; the factory treats both paths alike
    if (x < 0 || y < 0) {
        x = visibleLeft() + 4;
        y = visibleTop() + 4;
    }
    const PinLayout layout = pinLayout(type, n, m);

    TKiste* block = takeBlock();
    blocks_.push_back(block);
    block->number = static_cast<int>(blocks_.size());
    block->type = type;
    block->sheet = sheetNumber;
    block->x = x;
    block->y = y;
    // Fixed layouts decide the counts themselves (the height follows them); blocks whose
    // pins come from parameters or ports keep the counts they are given.
    block->n = hasOwnPinSource(type) ? n : layout.inputCount();
    block->m = hasOwnPinSource(type) ? m : layout.outputCount();
    block->normalColour = normalColour(type);
    block->colour = block->normalColour;
    block->width = layout.width;
    block->heightPreset = layout.heightPreset;

    block->label = typeLabel(type);
    block->hint = typeHint(type);
    block->params = typeParameters(type, n, m);
    if (block->params.size() > static_cast<std::size_t>(MaxParameters))
        block->params.resize(MaxParameters);
    block->name = block->label + std::to_string(block->number);

    // The pin of a macro port that faces the macro block is hidden.
    const std::uint8_t hiddenKind = !isMacroPort(type) ? 0xFF : isInPort(type) ? ek::InputPin : ek::OutputPin;
    for (const PinTemplate& t : layout.pins)
        addPin(*block, t.kind, t.name, t.valueType, t.ordinal, t.constCapable, t.kind == hiddenKind);

    if (type == 82)
        block->labelColour = colour::Blue;
    block->recomputeHeight();
    return block;
}

void Document::removeBlock(TKiste& block)
{
    if (!block.alive_)
        return;
    // Copy: removing a pin edits the block's index.
    const std::vector<TKante*> pins = block.pins;
    for (TKante* pin : pins)
        removeElementInternal(*pin, true);
    sweepKanten();

    blocks_.erase(std::remove(blocks_.begin(), blocks_.end(), &block), blocks_.end());
    if (mother_ == &block) {
        mother_ = nullptr;
        depth_ = 0;
    }
    block.reset();
    freeBlocks_.push_back(&block);
    renumber();
}

void Document::placePins(TKiste& block)
{
    for (TKante* p : block.pins) {
        const bool rightEdge = p->isOutput() != block.flipped;
        p->x = rightEdge ? block.widthGrid() : 0;
    }
}

void Document::flipBlock(TKiste& block, const EditContext& context)
{
    if (!context.editable())
        return;
    block.flipped = !block.flipped;
    placePins(block);
}

void Document::renumber()
{
    int number = 0;
    for (TKiste* b : blocks_) {
        b->number = ++number;
        b->name = b->label + " " + std::to_string(number);
    }
}

TKiste* Document::findBlock(int number) const
{
    if (number < 1)
        return nullptr;
    const auto index = static_cast<std::size_t>(number - 1);
    if (index < blocks_.size() && blocks_[index]->number == number)
        return blocks_[index];
    // Numbers equal list positions except between a reorder and the next renumbering.
    for (TKiste* b : blocks_)
        if (b->number == number)
            return b;
    return nullptr;
}

// --- pins and wire elements ------------------------------------------------------------------

TKante* Document::addPin(TKiste& block, std::uint8_t kind, const std::string& name, std::uint8_t valueType,
                         int ordinal, bool constCapable, bool hidden, TKante* after)
{
    TKante* pin = takeElement(true);
    pin->kind = kind;
    pin->owner = &block;
    pin->name = name;
    pin->sheet = block.sheet;
    pin->y = ordinal;
    pin->valueType = valueType;
    pin->displayType = defaultDisplayType(valueType);
    pin->constCapable = constCapable;
    if (kind == ek::OutputPin)
        pin->source = pin; // an output pin drives its own net
    pin->hidden = hidden;
    pin->selected = block.selected;
    pin->x = (kind == ek::OutputPin) != block.flipped ? block.widthGrid() : 0;

    auto listPos = kanten_.end();
    auto pinPos = block.pins.end();
    if (after) {
        auto it = std::find(kanten_.begin(), kanten_.end(), after);
        if (it != kanten_.end())
            listPos = it + 1;
        auto own = std::find(block.pins.begin(), block.pins.end(), after);
        if (own != block.pins.end())
            pinPos = own + 1;
    }
    kanten_.insert(listPos, pin);
    block.pins.insert(pinPos, pin);
    return pin;
}

TKante* Document::createPoint(int x, int y, int sheetNumber, std::uint8_t valueType)
{
    TKante* point = takeElement(false);
    point->kind = ek::Point;
    point->x = x;
    point->y = y;
    point->sheet = sheetNumber;
    point->valueType = valueType;
    point->displayType = defaultDisplayType(valueType);
    kanten_.push_back(point);
    return point;
}

void Document::disconnectInternal(TKante& a, TKante& b)
{
    if (!unlinkNeighbours(a, b))
        return;
    if ((b.parent == &a || b.parent == nullptr) && !b.isOutput())
        releaseSubtree(b);
    if (a.parent == &b) {
        a.parent = nullptr;
        if (!a.isOutput())
            releaseSubtree(a);
    } else if (!netSource(a) && !a.isOutput()) {
        // An undriven net owes its point types to its pins, and the pins that typed a's
        // side may have been on b's: its points are typed again from what is left.
        releaseSubtree(a);
    }
    if (b.isPoint() && b.neighbourCount == 0)
        retire(b);
    if (a.isPoint() && a.neighbourCount == 0)
        retire(a);
}

void Document::disconnect(TKante& a, TKante& b)
{
    disconnectInternal(a, b);
    sweepKanten();
}

void Document::removeElementInternal(TKante& e, bool removeItself)
{
    if (!e.alive_)
        return;
    for (TKante* n : e.neighbours) {
        if (!n)
            continue;
        const bool portLink = !removeItself && e.isInput() && n->isInput() && n->sheet != e.sheet;
        if (!portLink)
            disconnectInternal(e, *n);
        if (!e.alive_)
            return; // a point is retired once its last link is gone
    }
    if (removeItself || e.isPoint())
        retire(e);
}

void Document::removeElement(TKante& e, bool removeItself)
{
    removeElementInternal(e, removeItself);
    sweepKanten();
}

} // namespace fup

#include "shell/WireLayer.h"

#include "model/Document.h"
#include "model/Kanten.h"
#include "model/Reporter.h"
#include "model/Translate.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace fup {

namespace {

using Mode = EditContext::Mode;

GestureResult consumed()
{
    return {};
}

GestureResult declined()
{
    return {GestureResult::Kind::Declined, nullptr, nullptr};
}

// The pins of the automat's state-machine ports are wired by the automat, never by hand.
bool onAutomatPort(const TKante& element)
{
    return element.isPin() && element.owner && isAutomatPort(element.owner->type);
}

bool inSelectFrame(const TKante& element)
{
    return element.selected || (element.owner && element.owner->selected);
}

// Intermediate points take up to four neighbours, pins one, and the inputs of a macro
// block a second one (the port inside).
bool takesAnotherNeighbour(const TKante& element)
{
    if (element.isPoint() || element.neighbourCount == 0)
        return true;
    return element.isInput() && element.owner && element.owner->type == 187 && element.neighbourCount <= 1;
}

} // namespace

struct WireLayer::Target {
    enum class Kind { Sheet, Element, PinLabel, Block, Segment };
    Kind kind = Kind::Sheet;
    TKante* element = nullptr; // Element, PinLabel, Segment (its end nearer to the mouse)
    TKiste* block = nullptr;   // Block, PinLabel
};

WireLayer::WireLayer(Document& document, platform::Dialogs& dialogs, platform::TimerService& timers,
                     std::function<EditContext()> context, std::function<TimeBase()> timeBase)
    : document_(document), context_(context), commands_(*this, document, dialogs, context, std::move(timeBase)),
      timer_(timers.createTimer()), blockDrag_(document, beforeChange)
{
    timer_->setSingleShot(true);
    timer_->setCallback([this] { timerFired(); });
}

WireLayer::~WireLayer() = default;

void WireLayer::changing()
{
    if (beforeChange)
        beforeChange();
}

void WireLayer::repaint()
{
    if (redisplay)
        redisplay();
}

// Points lie on top of everything, blocks (with their pins and names) on top of the wire
// segments.
WireLayer::Target WireLayer::targetAt(PixelPoint pos) const
{
    const WireHit wire = hitTestWires(document_, pos);
    if (wire.kind == WireHit::Kind::Point)
        return {Target::Kind::Element, wire.element, nullptr};
    const SheetHit hit = hitTest(document_, pos, metrics ? metrics() : TextMetrics{});
    switch (hit.kind) {
    case SheetHit::Kind::Pin:
        return {Target::Kind::Element, hit.pin, hit.block};
    case SheetHit::Kind::PinLabel:
        return {Target::Kind::PinLabel, hit.pin, hit.block};
    case SheetHit::Kind::Block:
        return {Target::Kind::Block, nullptr, hit.block};
    case SheetHit::Kind::None:
        break;
    }
    if (wire.kind == WireHit::Kind::Segment)
        return {Target::Kind::Segment, wire.element, nullptr};
    return {};
}

GestureResult WireLayer::press(const MouseEvent& event)
{
    captured_ = false;
    if (event.button == MouseButton::Middle || event.button == MouseButton::None)
        return declined();
    const Target target = targetAt(event.pos);
    switch (target.kind) {
    case Target::Kind::Element:
        return pressElement(*target.element, event);
    case Target::Kind::PinLabel:
        if (inSelectFrame(*target.element))
            return declined();
        if (event.button == MouseButton::Right) {
            captured_ = true;
            return {GestureResult::Kind::PinLabelMenu, target.element, target.block};
        }
        return pressBlock(*target.block, event);
    case Target::Kind::Block:
        return pressBlock(*target.block, event);
    case Target::Kind::Segment:
    case Target::Kind::Sheet:
        break;
    }
    return pressSheet(target, event);
}

GestureResult WireLayer::doubleClick(const MouseEvent& event)
{
    return press(event);
}

GestureResult WireLayer::pressElement(TKante& element, const MouseEvent& event)
{
    if (inSelectFrame(element))
        return declined();
    captured_ = true;
    const EditContext context = context_();
    const bool right = event.button == MouseButton::Right;
    const bool allowedNow = !context.readOnly || (context.mode != Mode::Edit && right);
    if (!allowedNow || (state_ != WireState::Idle && state_ != WireState::RubberBand) || onAutomatPort(element))
        return consumed();

    if (right)
        return {GestureResult::Kind::WireMenu, &element, element.owner};

    if (event.modifiers.shift) {
        if (frameBusy && frameBusy())
            document_.reporter().box(tx("SelectRahmen noch aktiv !"));
        else if (element.sheet < FirstInstanceNumber)
            followLink(element);
        return consumed();
    }
    if (event.modifiers.alt) {
        if (element.isPoint() && context.editable()) {
            changing();
            document_.toggleCommentFlag(element);
            repaint();
        }
        return consumed();
    }
    if (event.modifiers.ctrl) {
        if (netSource(element))
            commands_.carryOut(element, editCommentItem());
        return consumed();
    }

    if (state_ == WireState::RubberBand) {
        connectTo(element);
        return consumed();
    }
    if (takesAnotherNeighbour(element)) {
        const PixelPoint centre = elementCentre(element, ViewGeometry::of(document_));
        start_ = &element;
        pressOffset_ = {event.pos.x - centre.x, event.pos.y - centre.y};
        pointMoved_ = false;
        state_ = WireState::Armed;
        repaint();
    }
    return consumed();
}

GestureResult WireLayer::pressBlock(TKiste& block, const MouseEvent& event)
{
    if (block.selected)
        return declined();
    captured_ = true;
    if (event.button == MouseButton::Right)
        return {GestureResult::Kind::BlockMenu, nullptr, &block};
    blockDrag_.press(block, event.pos);
    repaint();
    return consumed();
}

GestureResult WireLayer::pressSheet(const Target& target, const MouseEvent& event)
{
    if (state_ == WireState::RubberBand) {
        // The pending line owns the empty sheet until it ends.
        captured_ = true;
        if (event.button == MouseButton::Right) {
            endGesture();
            repaint();
        } else if (withinCrossTolerance(event.pos)) {
            placePoint(event.pos);
        }
        return consumed();
    }
    if (target.kind == Target::Kind::Segment && event.button == MouseButton::Right &&
        !inSelectFrame(*target.element) && !commands_.menu(*target.element, WireMenuPlace::Element).empty()) {
        captured_ = true;
        return {GestureResult::Kind::WireMenu, target.element, target.element->owner};
    }
    return declined();
}

void WireLayer::connectTo(TKante& element)
{
    TKante* start = start_;
    endGesture();
    if (start && start->alive()) {
        if (document_.connectRefusal(*start, element) == ConnectRefusal::None)
            changing();
        document_.connect(*start, element); // a refusal reports its own message
    }
    repaint();
}

void WireLayer::placePoint(PixelPoint pos)
{
    TKante* start = start_;
    if (!start || !start->alive()) {
        endGesture();
        repaint();
        return;
    }
    const int sheet = document_.currentSheet();
    if (sheet != start->sheet) {
        // Only an intermediate point may lead to another sheet, and only once.
        if (start->isPin()) {
            document_.reporter().box(tx("IoPin: nur ueber Zwischenpunkt nach andere Seite wechseln!"));
            return;
        }
        if (crossSheetNeighbourCount(*start) > 0) {
            document_.reporter().box(tx("Durchkontaktierung: nur ueber Zwischenpunkt nach andere Seite wechseln!"));
            return;
        }
    }
    endGesture();
    changing();
    const GridPoint at = toGrid(pos, ViewGeometry::of(document_));
    TKante* point = document_.createPoint(at.x, at.y, sheet, start->valueType);
    if (!document_.connect(*start, *point))
        document_.removeElement(*point, true);
    repaint();
}

bool WireLayer::withinCrossTolerance(PixelPoint pos) const
{
    const ViewGeometry view = ViewGeometry::of(document_);
    const PixelPoint grid = toPixel(toGrid(pos, view), view);
    const int tolerance = view.zoom / 2 - 1;
    return std::abs(pos.x - grid.x) <= tolerance && std::abs(pos.y - grid.y) <= tolerance;
}

GestureResult WireLayer::move(const MouseEvent& event)
{
    bool changed = false;
    // The handles near the mouse follow it on every tenth movement only.
    if (++moveCount_ % 10 == 0 && !context_().readOnly) {
        const GridPoint mouse = toGrid(event.pos, ViewGeometry::of(document_));
        if (!handleMouse_ || *handleMouse_ != mouse) {
            handleMouse_ = mouse;
            changed = true;
        }
    }
    if (event.button == MouseButton::Middle) {
        if (changed)
            repaint();
        return declined();
    }

    bool taken = captured_;
    if (blockDrag_.active()) {
        if (!context_().readOnly && blockDrag_.move(event.pos))
            changed = true;
        taken = true;
    }
    switch (state_) {
    case WireState::Armed:
        // Only points are dragged; the delay keeps a plain click from moving them.
        if (start_ && start_->isPoint() && !timer_->isActive()) {
            timer_->setInterval(DragDelayMs);
            timer_->start();
        }
        taken = true;
        break;
    case WireState::Dragging:
        changed = dragPoint(event.pos) || changed;
        taken = true;
        break;
    case WireState::RubberBand:
        changed = trackRubberBand(event.pos) || changed;
        taken = true;
        break;
    case WireState::Idle:
    case WireState::RemovalPending:
        break;
    }
    if (changed)
        repaint();
    return taken ? consumed() : declined();
}

bool WireLayer::dragPoint(PixelPoint pos)
{
    if (!start_ || !start_->alive()) {
        endGesture();
        return true;
    }
    const ViewGeometry view = ViewGeometry::of(document_);
    GridPoint at = toGrid({pos.x - pressOffset_.x, pos.y - pressOffset_.y}, view);
    at.x = std::min(at.x, SheetWidth);
    at.y = std::min(at.y, SheetHeight);
    if (at.x == start_->x && at.y == start_->y)
        return false;
    if (!pointMoved_)
        changing();
    pointMoved_ = true;
    start_->x = at.x;
    start_->y = at.y;
    return true;
}

bool WireLayer::trackRubberBand(PixelPoint pos)
{
    const GridPoint at = toGrid(pos, ViewGeometry::of(document_));
    cursor_ = withinCrossTolerance(pos) ? GestureCursor::Cross : GestureCursor::Arrow;
    if (!start_ || !start_->alive()) {
        endGesture();
        return true;
    }
    if (at == end_)
        return false;
    end_ = at;
    return true;
}

GestureResult WireLayer::release(const MouseEvent& event)
{
    if (event.button == MouseButton::Middle)
        return declined();
    bool taken = captured_;
    captured_ = false;
    if (event.button != MouseButton::Left)
        return taken ? consumed() : declined();

    if (blockDrag_.active()) {
        blockDrag_.release();
        repaint();
        taken = true;
    }
    if (state_ == WireState::Dragging) {
        endGesture();
        repaint();
        taken = true;
    } else if (state_ == WireState::Armed) {
        finishArmed(event.pos);
        taken = true;
    }
    return taken ? consumed() : declined();
}

void WireLayer::finishArmed(PixelPoint pos)
{
    timer_->stop();
    TKante* start = start_;
    if (!start || !start->alive()) {
        endGesture();
    } else if (start->neighbourCount >= MaxNeighbours) {
        document_.reporter().log(tx("Max. NachbarAnzahl erreicht"));
        endGesture();
    } else if (start->isInput() && start->varType != var::None) {
        document_.reporter().log("ExtVar-Input");
        endGesture();
    } else if (context_().mode != Mode::Edit) {
        endGesture();
    } else {
        state_ = WireState::RubberBand;
        end_ = toGrid(pos, ViewGeometry::of(document_));
        cursor_ = withinCrossTolerance(pos) ? GestureCursor::Cross : GestureCursor::Arrow;
    }
    repaint();
}

void WireLayer::endGesture()
{
    if (state_ != WireState::RemovalPending)
        timer_->stop();
    state_ = WireState::Idle;
    start_ = nullptr;
    pointMoved_ = false;
    cursor_ = GestureCursor::Arrow;
}

void WireLayer::reset()
{
    if (state_ == WireState::RemovalPending)
        return;
    const bool pending = state_ != WireState::Idle;
    endGesture();
    if (pending)
        repaint();
}

void WireLayer::scheduleRemoval(TKante& element)
{
    changing();
    endGesture();
    pendingRemoval_ = &element;
    state_ = WireState::RemovalPending;
    timer_->setInterval(RemovalDelayMs);
    timer_->start();
}

void WireLayer::timerFired()
{
    if (state_ == WireState::Armed) {
        state_ = WireState::Dragging;
        return;
    }
    if (state_ != WireState::RemovalPending)
        return;
    TKante* element = std::exchange(pendingRemoval_, nullptr);
    state_ = WireState::Idle;
    if (element && element->alive())
        document_.removeElement(*element, false);
    repaint();
}

bool WireLayer::followLink(TKante& element)
{
    TKante* target = document_.followLink(element);
    if (!target)
        return false;
    repaint();
    if (movePointer)
        movePointer(elementCentre(*target, ViewGeometry::of(document_)));
    return true;
}

GestureLayout WireLayer::layout() const
{
    GestureLayout layout;
    const ViewGeometry view = ViewGeometry::of(document_);
    const int half = handleHalf(view);
    const EditContext context = context_();
    WireView wires;
    wires.mode = context.mode;
    auto around = [half](PixelPoint c) { return PixelRect{c.x - half, c.y - half, 2 * half, 2 * half}; };

    if (handleMouse_) {
        for (const TKante* e : document_.kanten()) {
            // Points, and untyped pins in Edit mode; points linked to another sheet are
            // painted with the sheet.
            if (!e->alive() || e->sheet != document_.currentSheet() || (e->isPoint() && crossSheetNeighbour(*e)))
                continue;
            if (handleShownNear(*e, *handleMouse_, context.mode))
                layout.handles.push_back({e, around(elementCentre(*e, view)), wireColour(*e, wires)});
        }
    }

    const bool gesture =
        state_ == WireState::Armed || state_ == WireState::Dragging || state_ == WireState::RubberBand;
    if (gesture && start_ && start_->alive()) {
        const PixelPoint centre = elementCentre(*start_, view);
        if (start_->sheet == document_.currentSheet()) {
            layout.startShown = true;
            layout.startMark = around(centre);
        }
        if (state_ == WireState::RubberBand) {
            layout.rubberBand = true;
            layout.bandFrom = toPixel(end_, view);
            layout.bandTo = centre;
            layout.bandWidth = wirePenWidth(view.zoom);
        }
    }
    return layout;
}

} // namespace fup

#pragma once

#include "model/Constants.h"
#include "model/Kisten.h"
#include "model/SheetGeometry.h"
#include "platform/Dialogs.h"
#include "platform/Timers.h"
#include "shell/BlockDrag.h"
#include "shell/Gestures.h"
#include "shell/WireCommands.h"

#include <functional>
#include <memory>
#include <optional>

namespace fup {

class Document;
class TKante;

// States of the wire layer, numbered as the program always numbered them.
enum class WireState {
    Idle = 0,           // no wire gesture in progress
    Armed = 1,          // the left button went down on an element that takes another neighbour
    Dragging = 2,       // an intermediate point follows the mouse
    RubberBand = 3,     // a line follows the mouse from the start element until the next click
    RemovalPending = 4, // "Loesche Verbindung" waits for the layer's timer
};

// The mouse gestures on blocks and wires of the current sheet: drawing wires of one or
// more segments (also on to another sheet), dragging intermediate points, moving blocks,
// the modifier clicks on wire elements and the popup menus they lead to. Every mouse event
// on the sheet comes here first; what the layer declines belongs to the sheet logic.
//
// The layer reads the document and the editor's mode, changes the model only through the
// document's operations, and asks for a repaint through `redisplay`.
class WireLayer {
  public:
    // After a press on an intermediate point and a movement, the point starts to follow
    // the mouse when this much time has passed with the button still down.
    static constexpr int DragDelayMs = 70;
    // "Loesche Verbindung" runs after the menu's own event has returned.
    static constexpr int RemovalDelayMs = 1;

    WireLayer(Document& document, platform::Dialogs& dialogs, platform::TimerService& timers,
              std::function<EditContext()> context, std::function<TimeBase()> timeBase);
    ~WireLayer();
    WireLayer(const WireLayer&) = delete;
    WireLayer& operator=(const WireLayer&) = delete;

    GestureResult press(const MouseEvent& event);
    GestureResult move(const MouseEvent& event);
    GestureResult release(const MouseEvent& event);
    // The second press of a double click counts as a press.
    GestureResult doubleClick(const MouseEvent& event);
    // Esc: a pending wire gesture ends; a removal that is waiting still happens.
    void reset();
    // "Loesche Verbindung": the element goes when the layer's timer fires.
    void scheduleRemoval(TKante& element);

    WireState state() const { return state_; }
    TKante* startElement() const { return start_; }
    // The grid point under the mouse while the rubber band is shown.
    GridPoint endPoint() const { return end_; }
    GestureCursor cursor() const { return cursor_; }
    TKiste* draggedBlock() const { return blockDrag_.block(); }
    GestureLayout layout() const;
    WireCommands& commands() { return commands_; }

    // Repaints the sheet; the view may have scrolled or shown another sheet.
    std::function<void()> redisplay;
    // Puts the mouse pointer on a pixel of the view (after following a link).
    std::function<void(PixelPoint)> movePointer;
    // The sheet logic draws or moves a select frame right now.
    std::function<bool()> frameBusy;
    // Runs before the model changes (the undo snapshot).
    std::function<void()> beforeChange;
    // The font measures of the view, for hitting pin names.
    std::function<TextMetrics()> metrics;

  private:
    friend class WireCommands;

    struct Target;
    Target targetAt(PixelPoint pos) const;
    GestureResult pressElement(TKante& element, const MouseEvent& event);
    GestureResult pressBlock(TKiste& block, const MouseEvent& event);
    GestureResult pressSheet(const Target& target, const MouseEvent& event);
    void connectTo(TKante& element);
    void placePoint(PixelPoint pos);
    void finishArmed(PixelPoint pos);
    bool dragPoint(PixelPoint pos);
    bool trackRubberBand(PixelPoint pos);
    bool withinCrossTolerance(PixelPoint pos) const;
    void timerFired();
    void endGesture();
    void changing();
    void repaint();
    bool followLink(TKante& element);

    Document& document_;
    std::function<EditContext()> context_;
    WireCommands commands_;
    std::unique_ptr<platform::Timer> timer_;
    BlockDrag blockDrag_;

    WireState state_ = WireState::Idle;
    TKante* start_ = nullptr;
    PixelPoint pressOffset_;  // press position relative to the start element's centre
    GridPoint end_;           // grid point under the mouse (rubber band)
    bool pointMoved_ = false; // the dragged point has left its grid point
    TKante* pendingRemoval_ = nullptr;
    GestureCursor cursor_ = GestureCursor::Arrow;
    // The layer took the press, so the moves and the release that follow are its own.
    bool captured_ = false;
    int moveCount_ = 0;
    std::optional<GridPoint> handleMouse_; // where handles were last shown around
};

} // namespace fup

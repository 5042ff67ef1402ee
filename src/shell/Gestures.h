#pragma once

#include "model/SheetGeometry.h"
#include "model/Types.h"

#include <vector>

// What the sheet view hands to the gesture layer and what it gets back. Positions are
// pixels of the view, as the painter and the hit tests use them.
namespace fup {

class TKante;
class TKiste;

enum class MouseButton { None, Left, Right, Middle };

struct KeyModifiers {
    bool shift = false;
    bool alt = false;
    bool ctrl = false;

    bool any() const { return shift || alt || ctrl; }
};

// Press, release and double click name the button that changed; a movement names the
// button held (the middle one first, since it pans whatever else is held), or None.
struct MouseEvent {
    PixelPoint pos;
    MouseButton button = MouseButton::None;
    KeyModifiers modifiers;
};

struct GestureResult {
    enum class Kind {
        Declined,     // no gesture of the layer: the sheet logic's turn (select frame, panning)
        Consumed,     // taken, whether or not it changed anything
        WireMenu,     // show the wire popup menu of `element`
        PinLabelMenu, // show the popup menu of the name label of the pin `element`
        BlockMenu,    // show the block context menu of `block`
    };
    Kind kind = Kind::Consumed;
    TKante* element = nullptr;
    TKiste* block = nullptr;

    bool declined() const { return kind == Kind::Declined; }
};

enum class GestureCursor { Arrow, Cross };

struct HandleMark {
    const TKante* point = nullptr;
    PixelRect rect;
    Rgb colour = 0;
};

// What the gesture layer adds on top of the painted sheet.
struct GestureLayout {
    // Intermediate points and untyped pins shown near the mouse (points linked to another
    // sheet are painted with the sheet and are not repeated here).
    std::vector<HandleMark> handles;
    // The start element of a wire gesture, marked red.
    bool startShown = false;
    PixelRect startMark;
    // Rubber band: from the end point under the mouse to the start element's centre.
    bool rubberBand = false;
    PixelPoint bandFrom;
    PixelPoint bandTo;
    int bandWidth = 1;
    Rgb colour = colour::Red;
};

} // namespace fup

#pragma once

#include "ScriptedDialogs.h"

#include "model/Document.h"
#include "platform/ManualTimers.h"
#include "shell/RecordingReporter.h"
#include "shell/WireLayer.h"

#include <utility>
#include <vector>

namespace fup::test {

// A document with the gesture layer on top, a manual clock and synthetic mouse events in
// pixels of the view (zoom 10, no scrolling: grid point (x, y) is pixel (10x, 10y)).
struct GestureBench {
    GestureBench()
    {
        doc.setClientSize(800, 600);
        layer.beforeChange = [this] { ++snapshots; };
        layer.redisplay = [this] { ++repaints; };
        layer.movePointer = [this](PixelPoint p) { pointer.push_back(p); };
    }

    ViewGeometry view() const { return ViewGeometry::of(doc); }
    PixelPoint at(const TKante* element) const { return elementCentre(*element, view()); }
    PixelPoint grid(int x, int y) const { return toPixel({x, y}, view()); }
    static PixelPoint offset(PixelPoint p, int dx, int dy) { return {p.x + dx, p.y + dy}; }

    GestureResult press(PixelPoint p, MouseButton button = MouseButton::Left, KeyModifiers modifiers = {})
    {
        return layer.press({p, button, modifiers});
    }
    GestureResult release(PixelPoint p, MouseButton button = MouseButton::Left)
    {
        return layer.release({p, button, {}});
    }
    GestureResult moveTo(PixelPoint p, MouseButton held = MouseButton::None)
    {
        return layer.move({p, held, {}});
    }
    void click(PixelPoint p, MouseButton button = MouseButton::Left)
    {
        press(p, button);
        release(p, button);
    }
    // Press and release on the start element, the mouse to the target, a press there.
    void drawWire(const TKante* from, PixelPoint to)
    {
        click(at(from));
        moveTo(to);
        press(to);
        release(to);
    }

    // Every link of the document, to compare before and after a refused gesture.
    std::vector<std::pair<const TKante*, const TKante*>> links() const
    {
        std::vector<std::pair<const TKante*, const TKante*>> out;
        for (const TKante* e : doc.kanten())
            for (const TKante* n : e->neighbours)
                if (n)
                    out.emplace_back(e, n);
        return out;
    }

    RecordingReporter rep;
    Document doc{&rep};
    ScriptedDialogs dialogs;
    platform::ManualTimerService timers;
    EditContext context;
    TimeBase time{100.0, 0};
    int snapshots = 0;
    int repaints = 0;
    std::vector<PixelPoint> pointer;
    WireLayer layer{doc, dialogs, timers, [this] { return context; }, [this] { return time; }};
};

} // namespace fup::test

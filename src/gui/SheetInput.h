#pragma once

// Qt's mouse buttons and modifiers in the editor's own terms, for the sheet view's
// gesture layer and editing commands alike.
#include "shell/Gestures.h"

#include <QMouseEvent>

namespace fup::gui {

// The button a press or release is about.
inline MouseButton toButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return MouseButton::None;
    }
}

inline KeyModifiers toModifiers(Qt::KeyboardModifiers modifiers)
{
    KeyModifiers out;
    out.shift = modifiers.testFlag(Qt::ShiftModifier);
    out.alt = modifiers.testFlag(Qt::AltModifier);
    out.ctrl = modifiers.testFlag(Qt::ControlModifier);
    return out;
}

inline MouseEvent toMouseEvent(const QMouseEvent& event, MouseButton button)
{
    const QPoint pos = event.position().toPoint();
    return {{pos.x(), pos.y()}, button, toModifiers(event.modifiers())};
}

} // namespace fup::gui

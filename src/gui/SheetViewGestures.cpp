// The sheet view's mouse and key events: everything goes to the gesture layer first and
// the popup menus it asks for are shown here.
#include "gui/QtPlatform.h"
#include "gui/SheetInput.h"
#include "gui/SheetView.h"
#include "gui/WireMenu.h"
#include "model/Translate.h"
#include "shell/Haupt.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace fup::gui {

namespace {

// While moving, the middle button wins: it pans whatever else is held.
MouseButton heldButton(Qt::MouseButtons buttons)
{
    if (buttons & Qt::MiddleButton)
        return MouseButton::Middle;
    if (buttons & Qt::LeftButton)
        return MouseButton::Left;
    if (buttons & Qt::RightButton)
        return MouseButton::Right;
    return MouseButton::None;
}

QRect toQRect(const PixelRect& rect) { return {rect.left, rect.top, rect.width, rect.height}; }

}  // namespace

void SheetView::connectGestures()
{
    WireLayer& layer = haupt_.gestures();
    layer.metrics = [this] { return metrics(); };
    layer.movePointer = [this](PixelPoint p) { QCursor::setPos(viewport()->mapToGlobal(QPoint(p.x, p.y))); };
}

void SheetView::mousePressEvent(QMouseEvent* event)
{
    pressDelivered_ = true;
    if (textMouse(SheetEvent::Press, *event))
        return;
    const GestureResult result = haupt_.gestures().press(toMouseEvent(*event, toButton(event->button())));
    handleGesture(result, event->globalPosition().toPoint());
    sheetMouse(SheetEvent::Press, *event, result);
}

void SheetView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Depending on the platform the second press of a double click arrives as a press,
    // as a double click, or as both; the layer must see it once.
    if (std::exchange(pressDelivered_, true))
        return;
    if (textMouse(SheetEvent::DoubleClick, *event))
        return;
    const GestureResult result =
        haupt_.gestures().doubleClick(toMouseEvent(*event, toButton(event->button())));
    handleGesture(result, event->globalPosition().toPoint());
    sheetMouse(SheetEvent::DoubleClick, *event, result);
}

void SheetView::mouseMoveEvent(QMouseEvent* event)
{
    if (textMouse(SheetEvent::Move, *event))
        return;
    const GestureResult result = haupt_.gestures().move(toMouseEvent(*event, heldButton(event->buttons())));
    handleGesture(result, event->globalPosition().toPoint());
    sheetMouse(SheetEvent::Move, *event, result);
}

void SheetView::mouseReleaseEvent(QMouseEvent* event)
{
    pressDelivered_ = false;
    if (textMouse(SheetEvent::Release, *event))
        return;
    const GestureResult result = haupt_.gestures().release(toMouseEvent(*event, toButton(event->button())));
    handleGesture(result, event->globalPosition().toPoint());
    sheetMouse(SheetEvent::Release, *event, result);
}

void SheetView::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && !event->isAutoRepeat() && haupt_.edit().takesKey(EditKey::Escape)) {
        haupt_.gestures().reset();
        applyCursor();
    }
    if (!event->isAutoRepeat() && editKey(event, false))
        return;
    QAbstractScrollArea::keyReleaseEvent(event);
}

void SheetView::handleGesture(const GestureResult& result, const QPoint& globalPos)
{
    applyCursor();
    WireLayer& layer = haupt_.gestures();
    switch (result.kind) {
    case GestureResult::Kind::WireMenu:
        execWireMenu(this, layer.commands(), *result.element, WireMenuPlace::Element, globalPos);
        break;
    case GestureResult::Kind::PinLabelMenu:
        execWireMenu(this, layer.commands(), *result.element, WireMenuPlace::PinLabel, globalPos);
        break;
    case GestureResult::Kind::BlockMenu:
        showBlockMenu(*result.block, globalPos);
        break;
    case GestureResult::Kind::Declined:
        // The select frame, panning and the sheet's own menu take these.
    case GestureResult::Kind::Consumed:
        break;
    }
}

void SheetView::showBlockMenu(TKiste& block, const QPoint& globalPos)
{
    QMenu menu(this);
    for (const BlockMenuItem& item : blockContextMenu(block, haupt_.blockMenuContext())) {
        if (!Haupt::handlesBlockCommand(block, item.command))
            continue;
        QAction* action = menu.addAction(qs(tx(item.caption)));
        action->setEnabled(item.enabled);
        connect(action, &QAction::triggered, this,
                [this, target = &block, command = item.command] { haupt_.blockCommand(*target, command); });
    }
    if (!menu.isEmpty())
        menu.exec(globalPos);
}

void SheetView::applyCursor()
{
    Qt::CursorShape shape = overText_ ? Qt::PointingHandCursor : Qt::ArrowCursor;
    if (haupt_.gestures().cursor() == GestureCursor::Cross)
        shape = Qt::CrossCursor;
    if (viewport()->cursor().shape() != shape)
        viewport()->setCursor(shape);
}

void SheetView::paintGestures(QPainter& painter) const
{
    const GestureLayout layout = haupt_.gestures().layout();
    painter.save();
    for (const HandleMark& handle : layout.handles) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(toQColor(handle.colour));
        painter.drawRect(toQRect(handle.rect).adjusted(0, 0, -1, -1));
    }
    if (layout.rubberBand) {
        painter.setPen(QPen(toQColor(layout.colour), layout.bandWidth));
        painter.drawLine(layout.bandFrom.x, layout.bandFrom.y, layout.bandTo.x, layout.bandTo.y);
    }
    if (layout.startShown) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(toQColor(layout.colour));
        painter.drawRect(toQRect(layout.startMark).adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

}  // namespace fup::gui

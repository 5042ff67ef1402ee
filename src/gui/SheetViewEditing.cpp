// The sheet's own logic behind the gesture layer: the select frame, panning with the
// middle button, the sheet menu, keys and the wheel. Everything is decided by the
// editing commands; this file only translates Qt's events.
#include "gui/QtPlatform.h"
#include "gui/SheetInput.h"
#include "gui/SheetView.h"
#include "model/Translate.h"
#include "shell/Haupt.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <optional>

namespace fup::gui {

namespace {

std::optional<EditKey> toEditKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return EditKey::Left;
    case Qt::Key_Right:
        return EditKey::Right;
    case Qt::Key_Up:
        return EditKey::Up;
    case Qt::Key_Down:
        return EditKey::Down;
    case Qt::Key_PageUp:
        return EditKey::PageUp;
    case Qt::Key_PageDown:
        return EditKey::PageDown;
    case Qt::Key_Home:
        return EditKey::Home;
    case Qt::Key_End:
        return EditKey::End;
    case Qt::Key_Plus:
        return EditKey::Plus;
    case Qt::Key_Minus:
        return EditKey::Minus;
    case Qt::Key_Escape:
        return EditKey::Escape;
    case Qt::Key_Delete:
        return EditKey::Delete;
    case Qt::Key_F:
        return EditKey::F;
    case Qt::Key_N:
        return EditKey::N;
    case Qt::Key_B:
        return EditKey::B;
    case Qt::Key_C:
        return EditKey::C;
    case Qt::Key_X:
        return EditKey::X;
    case Qt::Key_V:
        return EditKey::V;
    case Qt::Key_Z:
        return EditKey::Z;
    case Qt::Key_Y:
        return EditKey::Y;
    case Qt::Key_S:
        return EditKey::S;
    default:
        return std::nullopt;
    }
}

} // namespace

void SheetView::sheetMouse(SheetEvent kind, const QMouseEvent& event, const GestureResult& result)
{
    EditCommands& edit = haupt_.edit();
    // Panning and a frame being drawn or moved follow the mouse whatever lies under it.
    const bool frameBusy =
        edit.selectState() == SelectState::Drawing || edit.selectState() == SelectState::Moving;
    if (!result.declined() && !(kind != SheetEvent::Press && (frameBusy || edit.panning())))
        return;
    switch (kind) {
    case SheetEvent::Press: {
        const MouseEvent sheet = toMouseEvent(event, toButton(event.button()));
        if (sheet.button == MouseButton::Right) {
            if (edit.selectState() == SelectState::None || edit.selectState() == SelectState::Selected)
                showSheetMenu(event.globalPosition().toPoint(), sheet.pos);
            return;
        }
        edit.press(sheet);
        if (sheet.button == MouseButton::Middle)
            viewport()->setCursor(Qt::SizeAllCursor);
        break;
    }
    case SheetEvent::Move:
        edit.move(toMouseEvent(event, MouseButton::None));
        break;
    case SheetEvent::Release:
        edit.release(toMouseEvent(event, toButton(event.button())));
        if (event.button() == Qt::MiddleButton)
            applyCursor();
        break;
    case SheetEvent::DoubleClick:
        // Qt delivers the second press of a double click as this event alone; the frame
        // ignores it, as it ignores a second press.
        break;
    }
    viewport()->update();
}

void SheetView::showSheetMenu(const QPoint& globalPos, PixelPoint pos)
{
    EditCommands& edit = haupt_.edit();
    const SheetMenu items = edit.sheetMenu();
    QMenu menu(this);
    connect(menu.addAction(qs(tx("ZOOM Arbeitsblatt"))), &QAction::triggered, this,
            [&edit, pos] { edit.zoomWorkSheet(pos); });
    if (items.zoomSelection)
        connect(menu.addAction(qs(tx("ZOOM Select-Rahmen"))), &QAction::triggered, this, [&edit] {
            edit.zoomSelection();
            edit.clearSelectFrame();
        });
    if (items.zoomOverview)
        connect(menu.addAction(qs(tx("ZOOM Uebersicht"))), &QAction::triggered, this,
                [&edit] { edit.zoomOverview(); });
    if (items.back)
        connect(menu.addAction(qs(tx("<-- Zurueck"))), &QAction::triggered, this,
                [this] { haupt_.PopZurueckMacro(); });
    if (items.passivate) {
        connect(menu.addAction(qs(tx("Passiviere selektierte Bausteine"))), &QAction::triggered, this,
                [&edit] { edit.passivateSelection(); });
        connect(menu.addAction(qs(tx("Aktiviere selektierte Bausteine"))), &QAction::triggered, this,
                [&edit] { edit.activateSelection(); });
    }
    menu.exec(globalPos);
}

bool SheetView::editKey(QKeyEvent* event, bool press)
{
    const auto key = toEditKey(event->key());
    if (!key)
        return false;
    const QPoint mouse = viewport()->mapFromGlobal(QCursor::pos());
    EditCommands& edit = haupt_.edit();
    const KeyModifiers modifiers = toModifiers(event->modifiers());
    const bool taken = press ? edit.keyPress(*key, modifiers, {mouse.x(), mouse.y()})
                             : edit.keyRelease(*key, modifiers, {mouse.x(), mouse.y()});
    if (taken) {
        haupt_.refreshMenus();
        refresh();
    }
    return taken;
}

void SheetView::keyPressEvent(QKeyEvent* event)
{
    // A key the sheet holds back must not scroll it through the scroll area either.
    if (const auto key = toEditKey(event->key()); key && !haupt_.edit().takesKey(*key)) {
        event->ignore();
        return;
    }
    if (!editKey(event, true))
        QAbstractScrollArea::keyPressEvent(event);
}

void SheetView::wheelEvent(QWheelEvent* event)
{
    const int notches = event->angleDelta().y() / 120;
    if (notches == 0) {
        event->accept();
        return;
    }
    const QPoint pos = event->position().toPoint();
    haupt_.edit().wheel(notches, toModifiers(event->modifiers()), {pos.x(), pos.y()});
    refresh();
    event->accept();
}

void SheetView::paintSelectFrame(QPainter& painter) const
{
    const EditCommands& edit = haupt_.edit();
    if (edit.selectState() == SelectState::None)
        return;
    const Document& document = haupt_.document();
    const int zoom = document.zoom();
    const FrameRect& rect = edit.selectRect();
    painter.save();
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.left * zoom - document.scrollX(), rect.top * zoom - document.scrollY(),
                     rect.width() * zoom - 1, rect.height() * zoom - 1);
    painter.restore();
}

} // namespace fup::gui

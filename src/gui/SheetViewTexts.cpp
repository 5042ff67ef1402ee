// The mouse on comment texts: dragging with the left button, the text's own menu on the
// right button. Texts lie on top of the sheet, so they see the mouse before the wires.
#include "gui/SheetView.h"

#include "gui/QtPlatform.h"
#include "model/Texten.h"
#include "model/Translate.h"
#include "shell/Haupt.h"

#include <QMenu>
#include <QMouseEvent>

namespace fup::gui {

bool SheetView::textMouse(SheetEvent kind, const QMouseEvent& event)
{
    Document& document = haupt_.document();
    const PixelPoint pos{event.position().toPoint().x(), event.position().toPoint().y()};

    if (draggedText_) {
        TTexte* text = document.findText(*draggedText_);
        if (!text) {
            draggedText_.reset();
            return false;
        }
        if (kind == SheetEvent::Move) {
            if (textMouseMove(document, *text, pos.x, pos.y, haupt_.state().readOnly))
                viewport()->update();
        } else if (kind == SheetEvent::Release && event.button() == Qt::LeftButton) {
            textMouseUp(*text);
            draggedText_.reset();
            viewport()->update();
        }
        return true;
    }
    if (kind == SheetEvent::Move)
        overText_ = hitTestComments(document, pos, commentMetrics) != nullptr;
    if (kind != SheetEvent::Press && kind != SheetEvent::DoubleClick)
        return false;
    TTexte* text = hitTestComments(document, pos, commentMetrics);
    if (!text)
        return false;
    // A double click on a text does nothing, whatever lies beneath it; on a selected text
    // and with the middle button it belongs to the select frame.
    if (kind == SheetEvent::DoubleClick)
        return !text->selected && event.button() != Qt::MiddleButton;

    if (event.button() == Qt::LeftButton) {
        if (haupt_.state().mode != EditorMode::Edit || haupt_.state().readOnly || text->selected)
            return false;
        const CommentPaint label = layoutComment(*text, ViewGeometry::of(document), commentMetrics);
        haupt_.edit().storeUndo();
        textMouseDown(document, *text, pos.x - label.box.left, pos.y - label.box.top);
        draggedText_ = text->id();
        viewport()->update();
        return true;
    }
    if (event.button() == Qt::RightButton) {
        const std::vector<TextMenuItem> items = haupt_.textMenu(*text);
        if (items.empty())
            return false;
        QMenu menu(this);
        const std::uint64_t id = text->id();
        for (const TextMenuItem& item : items) {
            QAction* action = menu.addAction(qs(tx(item.caption)));
            action->setEnabled(item.enabled);
            connect(action, &QAction::triggered, this, [this, id, command = item.command] {
                // The text is looked up again: the menu's dialog may have outlived it.
                if (TTexte* target = haupt_.document().findText(id))
                    haupt_.textCommand(*target, command);
                viewport()->update();
            });
        }
        menu.exec(event.globalPosition().toPoint());
        return true;
    }
    return false;
}

}  // namespace fup::gui

#pragma once

#include "model/SheetGeometry.h"
#include "shell/Gestures.h"

#include <QAbstractScrollArea>

#include <cstdint>
#include <optional>

class QPainter;

namespace fup {
class Haupt;
class TKiste;
}

namespace fup::gui {

// The sheet on screen: a scrolled view of the current sheet that paints blocks, pins and
// texts from the model's layout records. The document holds zoom and scroll position;
// this widget keeps its scroll bars in step with them.
class SheetView final : public QAbstractScrollArea {
    Q_OBJECT
public:
    SheetView(Haupt& haupt, QWidget* parent);

    // Takes over zoom and scroll position from the document and repaints.
    void refresh();
    // Paints the current sheet as the document's view geometry places it.
    void paintSheet(QPainter& painter, const QRect& exposed) const;
    TextMetrics metrics() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Mouse events go to the gesture layer first (SheetViewGestures.cpp).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    // Keys, wheel and the events the gesture layer declined go to the editing commands
    // (SheetViewEditing.cpp).
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void updateScrollBars();
    void connectGestures();
    void handleGesture(const GestureResult& result, const QPoint& globalPos);
    void showBlockMenu(TKiste& block, const QPoint& globalPos);
    // The rubber band, the start element's mark and the handles near the mouse.
    void paintGestures(QPainter& painter) const;
    void applyCursor();
    // The select frame, panning and the sheet's own menu (SheetViewEditing.cpp).
    enum class SheetEvent { Press, Move, Release, DoubleClick };
    void sheetMouse(SheetEvent kind, const QMouseEvent& event, const GestureResult& result);
    void showSheetMenu(const QPoint& globalPos, PixelPoint pos);
    bool editKey(QKeyEvent* event, bool press);
    void paintSelectFrame(QPainter& painter) const;
    // Comment texts lie on top of the sheet and take the mouse first (SheetViewTexts.cpp);
    // true when a text took the event.
    bool textMouse(SheetEvent kind, const QMouseEvent& event);

    Haupt& haupt_;
    bool syncing_ = false;
    // A press reached the gesture layer and its release has not come yet: a double click
    // that follows it is the same press again.
    bool pressDelivered_ = false;
    // The comment text being dragged, by id.
    std::optional<std::uint64_t> draggedText_;
    // The mouse rests on a comment text: the cursor becomes a pointing hand.
    bool overText_ = false;
};

// What the font of comment texts measures at a size.
TextMetrics commentMetrics(const CommentFont& font);

// Qt colour of a model colour; resolves the palette tokens.
QColor toQColor(Rgb rgb);

}  // namespace fup::gui

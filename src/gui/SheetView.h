#pragma once

#include "model/SheetGeometry.h"

#include <QAbstractScrollArea>

class QPainter;

namespace fup {
class Haupt;
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

private:
    void updateScrollBars();

    Haupt& haupt_;
    bool syncing_ = false;
};

// Qt colour of a model colour; resolves the palette tokens.
QColor toQColor(Rgb rgb);

}  // namespace fup::gui

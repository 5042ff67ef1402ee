#include "gui/SheetView.h"

#include "gui/QtPlatform.h"
#include "model/Translate.h"
#include "shell/Haupt.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QPainter>
#include <QPalette>
#include <QScrollBar>
#include <QToolTip>

namespace fup::gui {

namespace {

QRect toQRect(const PixelRect& rect) { return {rect.left, rect.top, rect.width, rect.height}; }

QFont sheetFont(int zoom)
{
    QFont font = QApplication::font();
    font.setPixelSize(std::clamp(zoom + 1, 6, 30));
    return font;
}

// The font of comment texts: sizes in points, drawn at 96 dpi whatever the screen, so
// that a sheet looks the same everywhere. A family the system lacks falls back to the
// default font.
QFont commentQFont(const CommentFont& font)
{
    QFont qfont = QApplication::font();
    if (font.name != " ")
        qfont.setFamily(QString::fromStdString(font.name));
    qfont.setPixelSize(std::max(1, fontPixelSize(font.size)));
    return qfont;
}

}  // namespace

TextMetrics commentMetrics(const CommentFont& font)
{
    const QFontMetrics fm(commentQFont(font));
    TextMetrics metrics;
    metrics.height = fm.height();
    metrics.averageCharWidth = fm.averageCharWidth();
    metrics.width = [fm](std::string_view text) {
        return fm.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    };
    return metrics;
}

QColor toQColor(Rgb rgb)
{
    if (rgb == colour::InactiveCaption)
        return QApplication::palette().color(QPalette::Inactive, QPalette::Highlight);
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

SheetView::SheetView(Haupt& haupt, QWidget* parent) : QAbstractScrollArea(parent), haupt_(haupt)
{
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setMouseTracking(true);
    updateScrollBars();
    connectGestures();
}

TextMetrics SheetView::metrics() const
{
    const QFontMetrics fm(sheetFont(haupt_.document().zoom()));
    TextMetrics metrics;
    metrics.height = fm.height();
    metrics.averageCharWidth = fm.averageCharWidth();
    metrics.width = [fm](std::string_view text) {
        return fm.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    };
    return metrics;
}

void SheetView::updateScrollBars()
{
    const Document& document = haupt_.document();
    const int zoom = document.zoom();
    syncing_ = true;
    // The sheet with a small margin; steps of one pin row.
    const int width = zoom * SheetWidth + 60;
    const int height = zoom * SheetHeight + 60;
    horizontalScrollBar()->setRange(0, std::max(0, width - viewport()->width()));
    verticalScrollBar()->setRange(0, std::max(0, height - viewport()->height()));
    horizontalScrollBar()->setSingleStep(2 * zoom);
    verticalScrollBar()->setSingleStep(2 * zoom);
    horizontalScrollBar()->setPageStep(viewport()->width());
    verticalScrollBar()->setPageStep(viewport()->height());
    horizontalScrollBar()->setValue(document.scrollX());
    verticalScrollBar()->setValue(document.scrollY());
    syncing_ = false;
    // The bars may have clamped the position the document asked for.
    haupt_.document().setScroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void SheetView::refresh()
{
    updateScrollBars();
    applyCursor();
    viewport()->update();
}

void SheetView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    haupt_.document().setClientSize(viewport()->width(), viewport()->height());
    updateScrollBars();
}

void SheetView::scrollContentsBy(int, int)
{
    if (syncing_)
        return;
    haupt_.document().setScroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
    viewport()->update();
}

void SheetView::paintEvent(QPaintEvent* event)
{
    haupt_.sheetPainting();
    QPainter painter(viewport());
    paintSheet(painter, event->rect());
    paintGestures(painter);
    paintSelectFrame(painter);
}

void SheetView::paintSheet(QPainter& painter, const QRect& exposed) const
{
    const Document& document = haupt_.document();
    const ViewGeometry view = ViewGeometry::of(document);
    const int zoom = view.zoom;

    // Outside the sheet, the sheet, and the work sheets' lines and names below everything.
    const QRect sheet(-view.scrollX, -view.scrollY, zoom * SheetWidth, zoom * SheetHeight);
    painter.fillRect(exposed, palette().color(QPalette::Window));
    painter.fillRect(sheet.intersected(exposed), toQColor(colour::Sheet));
    const SheetGrid grid = layoutSheetGrid(view, colour::Sheet, haupt_.sheetLabels(), commentMetrics);
    for (const WorkSheetLabel& label : grid.labels) {
        painter.setPen(toQColor(label.colour));
        painter.setFont(commentQFont(label.font));
        const int baseline = label.topLeft.y + painter.fontMetrics().ascent();
        painter.drawText(QPoint(label.topLeft.x, baseline), qs(label.name));
    }
    painter.setPen(QPen(toQColor(grid.lineColour), 1, Qt::DotLine));
    for (const GridLine& line : grid.lines)
        painter.drawLine(line.a.x, line.a.y, line.b.x, line.b.y);

    painter.setFont(sheetFont(zoom));
    const auto drawText = [&painter](const TextItem& item) {
        if (item.text.empty())
            return;
        painter.setPen(toQColor(item.colour));
        painter.drawText(toQRect(item.box), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, qs(item.text));
    };

    const TextMetrics textMetrics = metrics();
    const bool editing = haupt_.state().mode == EditorMode::Edit;
    WireView wireView;
    wireView.mode = haupt_.state().mode;
    wireView.time = {haupt_.state().cycleTimeMs, haupt_.state().target};
    const WireLayout wires = layoutWires(document, textMetrics, wireView);

    for (const BlockPaint& block : layoutSheet(document, textMetrics)) {
        const QRect body = toQRect(block.body);
        QRect bounds = body.adjusted(-zoom, 0, zoom, 0);
        for (const TextItem& line : block.parameters)
            bounds = bounds.united(toQRect(line.box));
        if (!bounds.intersects(exposed))
            continue;
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(toQColor(block.fill));
        painter.drawRect(body.adjusted(0, 0, -1, -1));
        drawText(block.label);
        drawText(block.number);
        for (const PinPaint& pin : block.pins) {
            drawText(pin.label);
            // In Edit mode an untyped pin shows its handle only near the mouse, with
            // the gesture layer's handles.
            if (editing && pin.pin && pin.pin->valueType == vt::None)
                continue;
            painter.setPen(QPen(toQColor(pin.colour), 1));
            const QRect mark = toQRect(pin.mark);
            if (pin.inverted) {
                painter.setBrush(Qt::white);
                painter.drawEllipse(mark);
            } else {
                painter.setBrush(toQColor(pin.colour));
                painter.drawRect(mark.adjusted(0, 0, -1, -1));
            }
        }
        for (const TextItem& line : block.parameters)
            drawText(line);
    }

    // Comment texts on their labels, over the blocks.
    for (const CommentPaint& comment : layoutComments(document, commentMetrics)) {
        if (!toQRect(comment.box).intersects(exposed))
            continue;
        painter.fillRect(toQRect(comment.box), toQColor(comment.background));
        painter.setFont(commentQFont(comment.font));
        for (const TextItem& line : comment.lines)
            drawText(line);
    }
    painter.setFont(sheetFont(zoom));

    // The wires come after the blocks and texts, so a line across a block stays visible.
    for (const WireSegment& segment : wires.segments) {
        painter.setPen(QPen(toQColor(segment.colour), segment.width));
        painter.drawLine(segment.a.x, segment.a.y, segment.b.x, segment.b.y);
    }

    // Points, arrowheads and texts lie on top of blocks and lines.
    for (const PointHandle& point : wires.points) {
        if (point.junction) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(toQColor(point.colour));
            painter.drawEllipse(toQRect(point.dot));
        }
        if (point.crossSheet) {
            painter.setPen(QPen(Qt::red, 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(toQRect(point.handle).adjusted(0, 0, -1, -1));
            drawText(point.crossText);
        }
    }
    const int arrow = std::max(2, zoom / 2);
    for (const ArrowHead& head : wires.arrows) {
        const int direction = head.pointsRight ? 1 : -1;
        const QPoint tip(head.tip.x, head.tip.y);
        const QPoint shape[] = {tip, tip + QPoint(-direction * arrow, -arrow / 2 - 1),
                                tip + QPoint(-direction * arrow, arrow / 2 + 1)};
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawPolygon(shape, 3);
    }
    for (const ValueLabel& label : wires.labels) {
        painter.fillRect(toQRect(label.text.box), toQColor(label.background));
        drawText(label.text);
    }
    for (const TextItem& comment : wires.comments)
        drawText(comment);
    painter.setBrush(Qt::NoBrush);
}

void SheetView::contextMenuEvent(QContextMenuEvent* event)
{
    // Menus open on the right button's press, through the gesture layer.
    event->accept();
}

bool SheetView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const SheetHit hit = hitTest(haupt_.document(), {help->pos().x(), help->pos().y()}, metrics());
        if (hit.block && haupt_.blockHints())
            QToolTip::showText(help->globalPos(), qs(tx(hit.block->hint)), viewport());
        else
            QToolTip::hideText();
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

}  // namespace fup::gui

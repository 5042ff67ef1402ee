#include "gui/VariableListWidget.h"

#include "gui/QtPlatform.h"
#include "shell/VariableList.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>

namespace fup::gui {

namespace {

constexpr int ListWidth = 220;
constexpr int ListHeight = 550;
constexpr int RightOffset = 300;
constexpr int TopOffset = 30;

}  // namespace

VariableListWidget::VariableListWidget(VariableList& list, QWidget* parent) : QListWidget(parent), list_(list)
{
    setObjectName("VariablenListe");
    setFixedSize(ListWidth, ListHeight);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setSelectionMode(QAbstractItemView::SingleSelection);
    hide();
    // It keeps its place at the right edge when the window changes its size.
    parent->installEventFilter(this);
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        setCurrentItem(item);
        goToCurrent();
    });
}

void VariableListWidget::refresh()
{
    if (!list_.visible()) {
        hide();
        return;
    }
    clear();
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(list_.lines().size()));
    for (const VariableLine& line : list_.lines())
        texts.append(qs(line.text));
    addItems(texts);
    place();
    show();
    raise();
}

void VariableListWidget::place()
{
    if (isVisible() || list_.visible())
        move(parentWidget()->width() - RightOffset, TopOffset);
}

bool VariableListWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        place();
    return QListWidget::eventFilter(watched, event);
}

void VariableListWidget::goToCurrent()
{
    // With no line chosen the list answers "nr=0" itself.
    list_.goToLine(currentRow());
}

void VariableListWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        list_.hide();
        return;
    }
    QListWidget::mousePressEvent(event);
}

void VariableListWidget::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        goToCurrent();
        return;
    case Qt::Key_Escape:
        list_.hide();
        return;
    default:
        QListWidget::keyPressEvent(event);
    }
}

}  // namespace fup::gui

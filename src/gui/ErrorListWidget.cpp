#include "gui/ErrorListWidget.h"

#include "gui/QtPlatform.h"
#include "shell/ErrorList.h"

#include <QMouseEvent>

namespace fup::gui {

ErrorListWidget::ErrorListWidget(TErrListBox& list, std::function<void(int)> showBlock, QWidget* parent)
    : QListWidget(parent), list_(list), showBlock_(std::move(showBlock))
{
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int block = list_.blockAt(static_cast<std::size_t>(row(item)));
        if (block >= 0 && showBlock_)
            showBlock_(block);
    });
}

void ErrorListWidget::refresh()
{
    clear();
    for (const auto& entry : list_.entries())
        addItem(qs(entry.text));
    emit visibilityWanted(list_.visible());
}

void ErrorListWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        list_.hideAndClear();
        refresh();
        return;
    }
    QListWidget::mousePressEvent(event);
}

}  // namespace fup::gui

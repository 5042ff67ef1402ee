#include "gui/MessageWindow.h"

#include "gui/QtPlatform.h"
#include "model/Translate.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace fup::gui {

MessageWindow::MessageWindow(QWidget* parent) : QWidget(parent, Qt::Tool), log_(new QPlainTextEdit(this))
{
    setWindowTitle(qs(tx("Meldungs-Fenster")));
    log_->setReadOnly(true);
    log_->setLineWrapMode(QPlainTextEdit::NoWrap);
    log_->setMaximumBlockCount(20000);
    // Key help and listings line up in columns.
    log_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The right button closes the window instead of opening the text's menu.
    log_->setContextMenuPolicy(Qt::NoContextMenu);
    log_->viewport()->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(log_);
    resize(520, 300);
}

void MessageWindow::appendLine(const QString& line) { log_->appendPlainText(line); }

void MessageWindow::clear() { log_->clear(); }

QString MessageWindow::text() const { return log_->toPlainText(); }

void MessageWindow::raiseAtCorner()
{
    move(10, 10);
    show();
    raise();
}

bool MessageWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == log_->viewport() && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        hide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace fup::gui

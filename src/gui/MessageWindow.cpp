#include "gui/MessageWindow.h"

#include "gui/QtPlatform.h"
#include "model/Translate.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace fup::gui {

MessageWindow::MessageWindow(QWidget* parent) : QWidget(parent, Qt::Tool), log_(new QPlainTextEdit(this))
{
    setWindowTitle(qs(tx("Meldungs-Fenster")));
    log_->setReadOnly(true);
    log_->setLineWrapMode(QPlainTextEdit::NoWrap);
    log_->setMaximumBlockCount(20000);
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

}  // namespace fup::gui

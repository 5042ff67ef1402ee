#include "gui/TextEditorWindow.h"

#include "gui/QtPlatform.h"
#include "model/Translate.h"
#include "shell/Haupt.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QSplitter>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <optional>

namespace fup::gui {

namespace {

constexpr int MessageLines = 4;

QString fromBytes(const std::string& text, std::size_t bytes)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(bytes));
}

} // namespace

TextEditorWindow::TextEditorWindow(Haupt& haupt, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), haupt_(haupt),
      editor_(new QPlainTextEdit(this)), messages_(new QPlainTextEdit(this))
{
    setObjectName("textEditor");
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    editor_->setFont(fixed);
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(editor_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        std::unique_ptr<QMenu> menu(createPopupMenu());
        menu->exec(editor_->viewport()->mapToGlobal(pos));
    });

    messages_->setReadOnly(true);
    messages_->setFont(fixed);
    messages_->setMaximumBlockCount(1000);
    const int messageHeight = QFontMetrics(fixed).lineSpacing() * MessageLines;

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(editor_);
    splitter->addWidget(messages_);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setSizes({TextEditorInitialSize.height - messageHeight, messageHeight});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    setGeometry(TextEditorLeft, TextEditorTop, TextEditorInitialSize.width, TextEditorInitialSize.height);
}

TextEditorSession& TextEditorWindow::session()
{
    return haupt_.textEditor();
}

std::string TextEditorWindow::currentText() const
{
    return editor_->toPlainText().toStdString();
}

void TextEditorWindow::open(const std::string& text)
{
    setWindowTitle(qs(session().caption()));
    const EditorSize minimum = session().minimumSize();
    setMinimumSize(minimum.width, minimum.height);
    const EditorSize size = session().sizeOnAttach({width(), height()});
    resize(size.width, size.height);
    editor_->setPlainText(qs(text));
    editor_->setReadOnly(session().readOnly());
    messages_->clear();
    // Only a program has anything to report; a comment's short window keeps its room.
    messages_->setVisible(session().holdsBlock());
    show();
    raise();
    activateWindow();
    editor_->setFocus();
}

QMenu* TextEditorWindow::createPopupMenu()
{
    auto* menu = new QMenu(this);
    for (const TextEditorMenuItem& item : session().menu()) {
        QAction* action = menu->addAction(qs(tx(item.caption)));
        connect(action, &QAction::triggered, this, [this, command = item.command] {
            switch (command) {
            case TextEditorCommand::Exit:
                exitEditor();
                break;
            case TextEditorCommand::Save:
                saveText();
                break;
            case TextEditorCommand::Print:
                printText();
                break;
            case TextEditorCommand::Find:
                findText();
                break;
            case TextEditorCommand::CheckProgram:
                checkProgram();
                break;
            }
        });
    }
    return menu;
}

void TextEditorWindow::exitEditor()
{
    close();
}

void TextEditorWindow::closeEvent(QCloseEvent* event)
{
    // Leaving may ask and the user may stay; the window itself is only hidden.
    if (session().leave(currentText()))
        event->accept();
    else
        event->ignore();
}

void TextEditorWindow::replaceText(const std::string& text)
{
    if (text == currentText())
        return;
    const int position = editor_->textCursor().position();
    editor_->setPlainText(qs(text));
    QTextCursor cursor = editor_->textCursor();
    cursor.setPosition(std::min(position, editor_->document()->characterCount() - 1));
    editor_->setTextCursor(cursor);
}

void TextEditorWindow::saveText()
{
    if (const std::optional<std::string> stored = session().save(currentText()))
        replaceText(*stored);
}

void TextEditorWindow::checkProgram()
{
    replaceText(session().check(currentText()));
}

void TextEditorWindow::findText()
{
    // The session counts bytes of UTF-8, the editor characters of UTF-16.
    const QString shown = editor_->toPlainText();
    const std::string text = shown.toStdString();
    const auto from =
        static_cast<std::size_t>(shown.left(editor_->textCursor().selectionEnd()).toUtf8().size());
    const auto hit = session().find(text, from);
    if (!hit)
        return;
    QTextCursor cursor = editor_->textCursor();
    cursor.setPosition(static_cast<int>(fromBytes(text, hit->first).size()));
    cursor.setPosition(static_cast<int>(fromBytes(text, hit->second).size()), QTextCursor::KeepAnchor);
    editor_->setTextCursor(cursor);
}

void TextEditorWindow::printText()
{
    QPrinter printer;
    printer.setPageOrientation(QPageLayout::Portrait);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printTo(printer);
}

void TextEditorWindow::printTo(QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const QFont headerFont("Arial", 16);
    const QFont bodyFont = editor_->font();
    const QFontMetrics headerMetrics(headerFont, &printer);
    const QFontMetrics bodyMetrics(bodyFont, &printer);
    const std::vector<PrintPage> pages =
        layoutPrintPages(session().printHeader(haupt_.state().processName), currentText(),
                         headerMetrics.lineSpacing(), bodyMetrics.lineSpacing(), painter.viewport().height());
    bool first = true;
    for (const PrintPage& page : pages) {
        if (!first)
            printer.newPage();
        first = false;
        for (const PrintLine& line : page) {
            painter.setFont(line.header ? headerFont : bodyFont);
            const QFontMetrics& metrics = line.header ? headerMetrics : bodyMetrics;
            painter.drawText(0, line.top + metrics.ascent(), qs(line.text));
        }
    }
    painter.end();
}

} // namespace fup::gui

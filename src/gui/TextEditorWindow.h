#pragma once

#include <QWidget>

#include <string>

class QMenu;
class QPlainTextEdit;
class QPrinter;

namespace fup {
class Haupt;
class TextEditorSession;
} // namespace fup

namespace fup::gui {

// The one text editor window of the program: a comment text's multi-line editor and the
// structured-text blocks' program editor. It stays on top of the main window; closing it
// only hides it. What it holds and what its commands do is the session's business.
class TextEditorWindow final : public QWidget {
    Q_OBJECT
  public:
    TextEditorWindow(Haupt& haupt, QWidget* parent);

    // Shows the window with the text the session now holds.
    void open(const std::string& text);

    QPlainTextEdit& editor() { return *editor_; }
    QPlainTextEdit& messages() { return *messages_; }
    // The popup menu as the session offers it now; the caller owns it.
    QMenu* createPopupMenu();

    // The popup menu's commands.
    void exitEditor();
    void saveText();
    void findText();
    void printText();
    void checkProgram();
    // Prints the text onto a printer that is set up already.
    void printTo(QPrinter& printer);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    TextEditorSession& session();
    std::string currentText() const;
    // Puts a cleaned text back when it differs from what is shown, keeping the caret.
    void replaceText(const std::string& text);

    Haupt& haupt_;
    QPlainTextEdit* editor_;
    QPlainTextEdit* messages_;
};

} // namespace fup::gui

#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace fup::gui {

// "Meldungs-Fenster": the diagnostic log, one line per message. A right click hides it.
class MessageWindow final : public QWidget {
    Q_OBJECT
public:
    explicit MessageWindow(QWidget* parent = nullptr);
    void appendLine(const QString& line);
    void clear();
    QString text() const;
    // Moves the window to 10,10 of the screen, brings it to the front and shows it.
    void raiseAtCorner();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit* log_;
};

}  // namespace fup::gui

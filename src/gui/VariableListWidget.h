#pragma once

#include <QListWidget>

namespace fup {
class VariableList;
}

namespace fup::gui {

// The variable list at the right edge of the main window: 220 x 550 pixels in a
// fixed-pitch font, so the name, number and " write" columns line up. Double click or
// Enter goes to the line's block; the right button and Esc hide the list.
class VariableListWidget final : public QListWidget {
    Q_OBJECT
public:
    VariableListWidget(VariableList& list, QWidget* parent);
    // Takes over the lines and the visibility of the list.
    void refresh();
    // A visible list sits 300 pixels left of the window's right border, 30 below its top.
    void place();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void goToCurrent();

    VariableList& list_;
};

}  // namespace fup::gui

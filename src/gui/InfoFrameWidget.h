#pragma once

#include "shell/InfoFrame.h"

#include <QFrame>

#include <map>
#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace fup::gui {

// The project information panel on screen: shows what the core's InfoFrame holds and
// hands every button to it. Floats over the main window and can be dragged.
class InfoFrameWidget final : public QFrame {
    Q_OBJECT
  public:
    // anchor: the widget whose top left corner the panel's positions are measured from.
    InfoFrameWidget(InfoFrame& frame, QWidget* anchor, QWidget* parent);

    // "Projekt-Information", "Display-Zeitbasis (sec/div)": at (100, 50), in front, focus
    // in the comment.
    void showPanel();
    // Takes over every text and button state from the core.
    void refresh();
    // Captions set here, again in the current language.
    void retranslate();

    QPushButton* button(InfoButton which) const { return buttons_.at(which); }
    QLabel* valueLabel(const char* objectName) const;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QLabel* addCaption(const std::string& german);

    InfoFrame& frame_;
    QWidget* anchor_;
    PanelDrag drag_;
    std::map<InfoButton, QPushButton*> buttons_;
    std::vector<std::pair<QWidget*, std::string>> captions_;
    QLabel* title_ = nullptr;
    QLabel* projectName_ = nullptr;
    QLabel* version_ = nullptr;
    QLabel* author_ = nullptr;
    QLabel* saveDate_ = nullptr;
    QLabel* compileDate_ = nullptr;
    QLabel* target_ = nullptr;
    QLabel* compileMode_ = nullptr;
    QLabel* varMode_ = nullptr;
    QLabel* digitalName_ = nullptr;
    QLabel* fixedName_ = nullptr;
    QLabel* cycleTime_ = nullptr;
    QLabel* timeBase_ = nullptr;
    QToolButton* timeBaseUp_ = nullptr;
    QToolButton* timeBaseDown_ = nullptr;
    QPlainTextEdit* comment_ = nullptr;
    QPushButton* ok_ = nullptr;
    bool refreshing_ = false;
};

} // namespace fup::gui

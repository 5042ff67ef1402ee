#pragma once

#include "shell/InfoFrame.h"
#include "shell/ParameterFrame.h"

#include <QFrame>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace fup::gui {

// The parameter panel on screen: the rows of the core's ParameterFrame, eight at most.
// Opens when the core opens and hides when the block's poll closed it. Keys, buttons and
// label clicks go to the core; the block polls the core for the result.
class ParameterFrameWidget final : public QFrame {
    Q_OBJECT
  public:
    ParameterFrameWidget(ParameterFrame& frame, QWidget* anchor, QWidget* parent);

    // Shows the core's state: rows, visibility, the panel itself.
    void refresh();
    void retranslate();

    QLineEdit* valueEdit(int row) const { return rows_[static_cast<std::size_t>(row)].edit; }
    QCheckBox* visibleBox(int row) const { return rows_[static_cast<std::size_t>(row)].visible; }
    QLabel* storageLabel(int row) const { return rows_[static_cast<std::size_t>(row)].storage; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    struct Row {
        QLabel* name = nullptr;
        QLineEdit* edit = nullptr;
        QCheckBox* visible = nullptr;
        QLabel* storage = nullptr;
    };
    int rowOf(QObject* object) const;

    ParameterFrame& frame_;
    QWidget* anchor_;
    PanelDrag drag_;
    QLineEdit* blockName_ = nullptr;
    std::array<Row, ParameterRowCount> rows_{};
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    ParameterFrameState shownState_ = ParameterFrameState::Closed;
    bool refreshing_ = false;
};

} // namespace fup::gui

#pragma once

#include <QListWidget>

#include <functional>

namespace fup {
class TErrListBox;
}

namespace fup::gui {

// Shows the error list. Double click on an entry shows its block; right click hides the
// list and forgets its entries.
class ErrorListWidget final : public QListWidget {
    Q_OBJECT
public:
    ErrorListWidget(TErrListBox& list, std::function<void(int blockNumber)> showBlock, QWidget* parent = nullptr);
    // Takes over the entries and visibility of the list.
    void refresh();

signals:
    void visibilityWanted(bool visible);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    TErrListBox& list_;
    std::function<void(int)> showBlock_;
};

}  // namespace fup::gui

#include "gui/ParameterFrameWidget.h"

#include "gui/QtPlatform.h"
#include "model/Translate.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace fup::gui {

namespace {

constexpr int PanelLeft = 10;
constexpr int PanelTop = 10;
constexpr const char* VisibleCaption = "sichtbar";
constexpr const char* OkCaption = "OK";
constexpr const char* CancelCaption = "Abbrechen";

} // namespace

ParameterFrameWidget::ParameterFrameWidget(ParameterFrame& frame, QWidget* anchor, QWidget* parent)
    : QFrame(parent), frame_(frame), anchor_(anchor)
{
    setObjectName("Parameter");
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);

    auto* outer = new QVBoxLayout(this);
    blockName_ = new QLineEdit(this);
    blockName_->setObjectName("NameEdit");
    blockName_->setReadOnly(true);
    QFont bold = blockName_->font();
    bold.setBold(true);
    blockName_->setFont(bold);
    outer->addWidget(blockName_);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(3);
    outer->addLayout(grid);
    for (int i = 0; i < ParameterRowCount; ++i) {
        Row& row = rows_[static_cast<std::size_t>(i)];
        row.name = new QLabel(this);
        row.name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.edit = new QLineEdit(this);
        row.edit->setObjectName(QString("Edit%1").arg(i + 1));
        row.edit->setMinimumWidth(160);
        row.edit->installEventFilter(this);
        connect(row.edit, &QLineEdit::textEdited, this,
                [this, i](const QString& text) { frame_.setValue(i, str(text)); });
        row.visible = new QCheckBox(qs(tx(VisibleCaption)), this);
        connect(row.visible, &QCheckBox::clicked, this,
                [this, i](bool checked) { frame_.setVisible(i, checked); });
        row.storage = new QLabel(this);
        row.storage->setObjectName(QString("Label1%1").arg(i + 1));
        row.storage->setAutoFillBackground(true);
        row.storage->setCursor(Qt::PointingHandCursor);
        row.storage->installEventFilter(this);
        grid->addWidget(row.name, i, 0);
        grid->addWidget(row.edit, i, 1);
        grid->addWidget(row.visible, i, 2);
        grid->addWidget(row.storage, i, 3);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    ok_ = new QPushButton(qs(tx(OkCaption)), this);
    ok_->setObjectName("EnterButton");
    cancel_ = new QPushButton(qs(tx(CancelCaption)), this);
    cancel_->setObjectName("AbortButton");
    connect(ok_, &QPushButton::clicked, this, [this] { frame_.accept(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { frame_.cancel(); });
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    outer->addLayout(buttons);

    frame_.changed = [this] { refresh(); };
    hide();
}

void ParameterFrameWidget::refresh()
{
    const ParameterFrameState state = frame_.state();
    const ParameterFrameState before = std::exchange(shownState_, state);
    if (state == ParameterFrameState::Closed) {
        hide();
        return;
    }
    blockName_->setText(qs(frame_.blockName()));
    for (int i = 0; i < ParameterRowCount; ++i) {
        const ParameterRow& r = frame_.row(i);
        Row& row = rows_[static_cast<std::size_t>(i)];
        row.name->setText(qs(r.label));
        row.name->setVisible(r.shown);
        if (row.edit->text() != qs(r.value))
            row.edit->setText(qs(r.value));
        row.edit->setVisible(r.editShown);
        row.visible->setChecked(r.visible);
        row.visible->setVisible(r.checkShown);
        row.storage->setText(qs(r.storageText()));
        QPalette palette = row.storage->palette();
        palette.setColor(QPalette::Window, r.storageHighlighted() ? QColor(Qt::yellow)
                                                                  : this->palette().color(QPalette::Window));
        row.storage->setPalette(palette);
        row.storage->setVisible(r.storageShown);
    }
    if (before == ParameterFrameState::Closed) {
        adjustSize();
        move(anchor_->mapTo(parentWidget(), QPoint(PanelLeft, PanelTop)));
        show();
        raise();
        if (const int first = frame_.firstFocusRow(); first >= 0)
            rows_[static_cast<std::size_t>(first)].edit->setFocus();
    }
}

void ParameterFrameWidget::retranslate()
{
    for (Row& row : rows_)
        row.visible->setText(qs(tx(VisibleCaption)));
    ok_->setText(qs(tx(OkCaption)));
    cancel_->setText(qs(tx(CancelCaption)));
    if (frame_.isOpen())
        refresh();
}

int ParameterFrameWidget::rowOf(QObject* object) const
{
    for (int i = 0; i < ParameterRowCount; ++i) {
        const Row& row = rows_[static_cast<std::size_t>(i)];
        if (row.edit == object || row.storage == object)
            return i;
    }
    return -1;
}

bool ParameterFrameWidget::eventFilter(QObject* watched, QEvent* event)
{
    const int row = rowOf(watched);
    if (row >= 0 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            frame_.escapePressed();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (const int next = frame_.enterPressed(row); next >= 0)
                rows_[static_cast<std::size_t>(next)].edit->setFocus();
            return true;
        }
    }
    if (row >= 0 && watched == rows_[static_cast<std::size_t>(row)].storage &&
        event->type() == QEvent::MouseButtonPress) {
        frame_.storageClicked(row);
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

void ParameterFrameWidget::mousePressEvent(QMouseEvent* event)
{
    // Any button but the left one gives the panel up.
    if (event->button() != Qt::LeftButton) {
        frame_.cancel();
        return;
    }
    drag_.press(event->position().toPoint().x(), event->position().toPoint().y());
    QFrame::mousePressEvent(event);
}

void ParameterFrameWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (const auto to = drag_.move(at.x(), at.y(), x(), y()))
        move((*to)[0], (*to)[1]);
    QFrame::mouseMoveEvent(event);
}

void ParameterFrameWidget::mouseReleaseEvent(QMouseEvent* event)
{
    drag_.release();
    QFrame::mouseReleaseEvent(event);
}

} // namespace fup::gui

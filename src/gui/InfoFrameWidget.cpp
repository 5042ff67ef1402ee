#include "gui/InfoFrameWidget.h"

#include "gui/QtPlatform.h"
#include "model/Translate.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace fup::gui {

namespace {

constexpr int PanelLeft = 100;
constexpr int PanelTop = 50;
constexpr const char* ChangeCaption = "Aendern";

// The Delphi-era control names are kept as object names: tests and style sheets find
// the controls by them.
struct ButtonName {
    InfoButton button;
    const char* objectName;
};
constexpr ButtonName ButtonNames[] = {
    {InfoButton::ProjectName, "ProjektKnopf"}, {InfoButton::Version, "VersionsKnopf"},
    {InfoButton::Author, "BearbeiterKnopf"},   {InfoButton::Target, "BitBtn1"},
    {InfoButton::CompileMode, "TargetKnopf"},  {InfoButton::VarMode, "VarModeKnopf"},
    {InfoButton::DigitalName, "BoolName"},     {InfoButton::FixedName, "FixName"},
    {InfoButton::CycleTime, "ZyklusKnopf"},
};

const char* objectNameOf(InfoButton button)
{
    for (const ButtonName& name : ButtonNames)
        if (name.button == button)
            return name.objectName;
    return "";
}

void setTextIfChanged(QLabel* label, const std::string& text)
{
    const QString shown = qs(text);
    if (label->text() != shown)
        label->setText(shown);
}

} // namespace

InfoFrameWidget::InfoFrameWidget(InfoFrame& frame, QWidget* anchor, QWidget* parent)
    : QFrame(parent), frame_(frame), anchor_(anchor)
{
    setObjectName("Projekt_Info");
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);

    auto* outer = new QVBoxLayout(this);
    title_ = addCaption("Projekt-Information");
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    outer->addWidget(title_);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    outer->addLayout(grid);
    int row = 0;
    // Rows without a button are as high as those with one.
    const int rowHeight = QPushButton(qs(tx(ChangeCaption))).sizeHint().height();
    const auto line = [&](const char* caption, const char* valueName, InfoButton button) {
        QLabel* label = addCaption(caption);
        grid->addWidget(label, row, 0);
        auto* value = new QLabel(this);
        value->setObjectName(valueName);
        value->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        value->setMinimumWidth(230);
        grid->setRowMinimumHeight(row, rowHeight);
        grid->addWidget(value, row, 1);
        if (button != InfoButton::Count) {
            auto* change = new QPushButton(this);
            change->setObjectName(objectNameOf(button));
            captions_.emplace_back(change, ChangeCaption);
            change->setText(qs(tx(ChangeCaption)));
            connect(change, &QPushButton::clicked, this, [this, button] { frame_.click(button); });
            buttons_[button] = change;
            grid->addWidget(change, row, 2);
        }
        ++row;
        return value;
    };
    projectName_ = line("Projekt-Name:", "ProjektLabel", InfoButton::ProjectName);
    version_ = line("Prozess-Version:", "VersionLabel", InfoButton::Version);
    author_ = line("Bearbeiter:", "BearbeiterLabel", InfoButton::Author);
    saveDate_ = line("gesichert:", "SaveLabel", InfoButton::Count);
    compileDate_ = line("compiliert:", "CompileLabel", InfoButton::Count);
    target_ = line("Ziel-System:", "TargetLabel", InfoButton::Target);
    compileMode_ = line("Compile-Mode:", "OptimizeLabel", InfoButton::CompileMode);
    varMode_ = line("Variablen-Mode:", "VarModeLabel", InfoButton::VarMode);
    digitalName_ = line("digitale temp. Var.:", "BoolLabel", InfoButton::DigitalName);
    fixedName_ = line("analoge temp. Var.:", "FixLabel", InfoButton::FixedName);
    cycleTime_ = line("ZyklusZeit (mS):", "ZyklusLabel", InfoButton::CycleTime);
    timeBase_ = line("Display-Zeitbasis (sec/div):", "DisplayLabel", InfoButton::Count);

    // UpDown1: the upper arrow slows the chart down, the lower one speeds it up.
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    timeBaseUp_ = new QToolButton(this);
    timeBaseUp_->setObjectName("UpDown1Up");
    timeBaseUp_->setArrowType(Qt::UpArrow);
    timeBaseDown_ = new QToolButton(this);
    timeBaseDown_->setObjectName("UpDown1Down");
    timeBaseDown_->setArrowType(Qt::DownArrow);
    for (QToolButton* arrow : {timeBaseUp_, timeBaseDown_}) {
        arrow->setFixedSize(22, 12);
        arrows->addWidget(arrow);
    }
    connect(timeBaseUp_, &QToolButton::clicked, this, [this] { frame_.timeBaseUpper(); });
    connect(timeBaseDown_, &QToolButton::clicked, this, [this] { frame_.timeBaseLower(); });
    grid->addLayout(arrows, row - 1, 2, Qt::AlignLeft);

    outer->addWidget(addCaption("Kommentar:"));
    comment_ = new QPlainTextEdit(this);
    comment_->setObjectName("Memo1");
    comment_->setFixedHeight(90);
    connect(comment_, &QPlainTextEdit::textChanged, this, [this] {
        if (!refreshing_)
            frame_.setComment(str(comment_->toPlainText()));
    });
    outer->addWidget(comment_);

    ok_ = new QPushButton(this);
    ok_->setObjectName("Button1");
    captions_.emplace_back(ok_, "Ok");
    ok_->setText(qs(tx("Ok")));
    connect(ok_, &QPushButton::clicked, this, &QWidget::hide);
    outer->addWidget(ok_, 0, Qt::AlignRight);

    adjustSize();
    hide();
    refresh();
}

QLabel* InfoFrameWidget::addCaption(const std::string& german)
{
    auto* label = new QLabel(qs(tx(german)), this);
    captions_.emplace_back(label, german);
    return label;
}

QLabel* InfoFrameWidget::valueLabel(const char* objectName) const
{
    return findChild<QLabel*>(objectName);
}

void InfoFrameWidget::showPanel()
{
    refresh();
    move(anchor_->mapTo(parentWidget(), QPoint(PanelLeft, PanelTop)));
    show();
    raise();
    setEnabled(true);
    comment_->setFocus();
}

void InfoFrameWidget::refresh()
{
    const InfoFrameTexts t = frame_.texts();
    setTextIfChanged(projectName_, t.projectName);
    setTextIfChanged(version_, t.version);
    setTextIfChanged(author_, t.author);
    setTextIfChanged(saveDate_, t.saveDate);
    setTextIfChanged(compileDate_, t.compileDate);
    setTextIfChanged(target_, t.target);
    setTextIfChanged(compileMode_, t.compileMode);
    setTextIfChanged(varMode_, t.varMode);
    setTextIfChanged(digitalName_, t.digitalName);
    setTextIfChanged(fixedName_, t.fixedName);
    setTextIfChanged(cycleTime_, t.cycleTime);
    setTextIfChanged(timeBase_, t.timeBase);
    for (const auto& [which, button] : buttons_)
        button->setEnabled(t.isEnabled(which));
    // Typing goes to the core as it happens; only a text from elsewhere (a load, a reset)
    // replaces what the field holds.
    if (str(comment_->toPlainText()) != t.comment) {
        refreshing_ = true;
        comment_->setPlainText(qs(t.comment));
        refreshing_ = false;
    }
}

void InfoFrameWidget::retranslate()
{
    for (const auto& [widget, german] : captions_) {
        if (auto* label = qobject_cast<QLabel*>(widget))
            label->setText(qs(tx(german)));
        else if (auto* button = qobject_cast<QPushButton*>(widget))
            button->setText(qs(tx(german)));
    }
    refresh();
}

void InfoFrameWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        drag_.press(event->position().toPoint().x(), event->position().toPoint().y());
    QFrame::mousePressEvent(event);
}

void InfoFrameWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (const auto to = drag_.move(at.x(), at.y(), x(), y()))
        move((*to)[0], (*to)[1]);
    QFrame::mouseMoveEvent(event);
}

void InfoFrameWidget::mouseReleaseEvent(QMouseEvent* event)
{
    drag_.release();
    QFrame::mouseReleaseEvent(event);
}

} // namespace fup::gui

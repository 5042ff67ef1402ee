#include "gui/MainWindow.h"

#include "gui/ErrorListWidget.h"
#include "gui/MessageWindow.h"
#include "gui/SheetView.h"
#include "model/Catalogue.h"
#include "model/Translate.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QMenuBar>
#include <QScrollArea>

namespace fup::gui {

MainWindow::MainWindow(std::unique_ptr<platform::Dialogs> dialogs)
    : dialogs_(dialogs ? std::move(dialogs) : std::make_unique<QtDialogs>(this)),
      messageWindow_(new MessageWindow(this)),
      sheetView_(nullptr)
{
    haupt_ = std::make_unique<Haupt>(*this, *dialogs_, timers_);
    sheetView_ = new SheetView(*haupt_, this);
    setCentralWidget(sheetView_);

    errorListWidget_ = new ErrorListWidget(
        haupt_->errorList(), [this](int number) { haupt_->showBlockNumber(number); }, this);
    errorDock_ = new QDockWidget(qs(tx("Fehlerliste")), this);
    errorDock_->setObjectName("errorList");
    errorDock_->setWidget(errorListWidget_);
    errorDock_->hide();
    addDockWidget(Qt::BottomDockWidgetArea, errorDock_);
    connect(errorListWidget_, &ErrorListWidget::visibilityWanted, errorDock_, &QDockWidget::setVisible);

    buildMenus();
    resize(1100, 750);
}

MainWindow::~MainWindow() = default;

QAction* MainWindow::action(Cmd cmd) const
{
    const auto found = actions_.find(cmd);
    return found == actions_.end() ? nullptr : found->second;
}

QAction* MainWindow::blockAction(int type) const
{
    const auto found = blockActions_.find(type);
    return found == blockActions_.end() ? nullptr : found->second;
}

QAction* MainWindow::addCommand(QMenu* menu, const char* caption, Cmd cmd, void (Haupt::*handler)())
{
    QAction* action = menu->addAction(qs(tx(caption)));
    connect(action, &QAction::triggered, this, [this, handler] {
        (haupt_.get()->*handler)();
        // Qt toggles a check mark by itself; the editor's state decides it.
        haupt_->refreshMenus();
    });
    actions_[cmd] = action;
    return action;
}

void MainWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(qs(tx("Datei")));
    addCommand(file, "Ende ohne Sicherung (Quit)", Cmd::Quit, &Haupt::Quitt1Click);
    addCommand(file, "Ende mit Sicherung    (Exit)", Cmd::Exit, &Haupt::Exit1Click);

    QMenu* modes = menuBar()->addMenu(qs(tx("Betriebsart")));
    addCommand(modes, "Edit", Cmd::ModeEdit, &Haupt::EditClick)->setCheckable(true);
    addCommand(modes, "Simulation", Cmd::ModeSimulation, &Haupt::SimulateClick)->setCheckable(true);
    addCommand(modes, "Online", Cmd::ModeOnline, &Haupt::OnlineClick)->setCheckable(true);
    modes->addSeparator();
    addCommand(modes, " read only", Cmd::ReadOnly, &Haupt::NURLESEN1Click)->setCheckable(true);
    addCommand(modes, "Nur Prozessvisualisierung", Cmd::ProcessVisualisationOnly,
               &Haupt::NurProzessvisualisierung1Click)
        ->setCheckable(true);

    buildBlockMenus();

    QMenu* show = menuBar()->addMenu(qs(tx("Anzeigen")));
    auto* paramGroup = new QActionGroup(this);
    for (const auto& [caption, mode] : {std::pair{"Alle Parameter", ParamDisplay::All},
                                        std::pair{"Selektierte Parameter", ParamDisplay::Selected},
                                        std::pair{"Keine Parameter", ParamDisplay::None}}) {
        QAction* action = show->addAction(qs(tx(caption)));
        action->setCheckable(true);
        action->setChecked(mode == ParamDisplay::Selected);
        paramGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, mode = mode] { haupt_->setParameterDisplay(mode); });
    }
    show->addSeparator();
    QAction* messages = show->addAction(qs(tx("Meldungs-Fenster")));
    connect(messages, &QAction::triggered, this, [this] {
        messageWindow_->setVisible(!messageWindow_->isVisible());
        if (messageWindow_->isVisible())
            messageWindow_->raise();
    });

    QAction* exitTop = menuBar()->addAction(qs(tx("Exit (sichern)")));
    connect(exitTop, &QAction::triggered, this, [this] { haupt_->Exit1Click(); });
    actions_[Cmd::ExitTop] = exitTop;
}

void MainWindow::buildBlockMenus()
{
    blockMenu_ = menuBar()->addMenu(qs(tx("Bausteine")));
    for (const BlockMenuGroup& group : blockMenus()) {
        QMenu* menu = group.ownMenu ? menuBar()->addMenu(qs(tx(group.caption))) : blockMenu_->addMenu(qs(tx(group.caption)));
        if (group.ownMenu)
            visualisationMenu_ = menu;
        for (const BlockMenuEntry& entry : group.entries) {
            QAction* action = menu->addAction(qs(tx(entry.caption)));
            action->setToolTip(qs(tx(typeHint(entry.type))));
            const int type = entry.type;
            connect(action, &QAction::triggered, this, [this, type] { haupt_->createBlockFromMenu(type); });
            blockActions_.try_emplace(type, action);
        }
        menu->setToolTipsVisible(true);
    }
}

void MainWindow::showMainWindow()
{
    if (!isVisible())
        showMaximized();
}

void MainWindow::raiseMessageWindow() { messageWindow_->raiseAtCorner(); }

void MainWindow::appendMessage(const std::string& line) { messageWindow_->appendLine(qs(line)); }

void MainWindow::messageBox(const std::string& text) { dialogs_->messageBox(text); }

void MainWindow::showErrorList() { errorListWidget_->refresh(); }

void MainWindow::applyMenuState(const MenuState& menu)
{
    for (const auto& [cmd, action] : actions_) {
        const ItemState& item = menu[cmd];
        action->setVisible(item.visible);
        action->setEnabled(item.enabled);
        if (action->isCheckable())
            action->setChecked(item.checked);
    }
    blockMenu_->setEnabled(menu[Cmd::BlockMenus].enabled);
    if (visualisationMenu_)
        visualisationMenu_->setEnabled(menu[Cmd::VisualisationMenu].enabled);
}

void MainWindow::setCaption(const std::string& caption) { setWindowTitle(qs(caption)); }

void MainWindow::showWindow(WindowShow how)
{
    switch (how) {
    case WindowShow::Normal:
        show();
        break;
    case WindowShow::Maximised:
        showMaximized();
        break;
    case WindowShow::Minimised:
        showMinimized();
        break;
    }
}

void MainWindow::closeWindow() { close(); }

void MainWindow::redisplay() { sheetView_->refresh(); }

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!haupt_->FormCloseQuery()) {
        event->ignore();
        return;
    }
    haupt_->FormClose();
    messageWindow_->close();
    event->accept();
}

}  // namespace fup::gui

#include "gui/MainWindow.h"

#include "gui/ErrorListWidget.h"
#include "gui/InfoFrameWidget.h"
#include "gui/MessageWindow.h"
#include "gui/ParameterFrameWidget.h"
#include "gui/SheetView.h"
#include "gui/TextEditorWindow.h"
#include "gui/VariableListWidget.h"
#include "model/Catalogue.h"
#include "model/Translate.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDockWidget>
#include <QMenuBar>
#include <QScrollArea>
#include <QTimer>

#include <string>
#include <tuple>

namespace fup::gui {

namespace {

// Captions set through tx() keep their German key in these properties, so that a change
// of language can look every one of them up again.
constexpr const char* TextKey = "fupTextKey";
constexpr const char* ToolTipKey = "fupToolTipKey";

// The caption of an action (a menu's caption is its menu action's) or the title of a
// window, translated now and again on every language switch.
void setKeyedText(QObject* object, const std::string& german)
{
    object->setProperty(TextKey, qs(german));
    if (auto* action = qobject_cast<QAction*>(object))
        action->setText(qs(tx(german)));
    else if (auto* widget = qobject_cast<QWidget*>(object))
        widget->setWindowTitle(qs(tx(german)));
}

void setKeyedToolTip(QAction* action, const std::string& german)
{
    action->setProperty(ToolTipKey, qs(german));
    action->setToolTip(qs(tx(german)));
}

template <class Parent>
QMenu* addKeyedMenu(Parent* parent, const std::string& german)
{
    QMenu* menu = parent->addMenu(QString());
    setKeyedText(menu->menuAction(), german);
    return menu;
}

template <class Parent>
QAction* addKeyedAction(Parent* parent, const std::string& german)
{
    QAction* action = parent->addAction(QString());
    setKeyedText(action, german);
    return action;
}

}  // namespace

MainWindow::MainWindow(std::unique_ptr<platform::Dialogs> dialogs)
    : dialogs_(dialogs ? std::move(dialogs) : std::make_unique<QtDialogs>(this)),
      messageWindow_(new MessageWindow(this)),
      sheetView_(nullptr)
{
    haupt_ = std::make_unique<Haupt>(*this, *dialogs_, timers_);
    sheetView_ = new SheetView(*haupt_, this);
    setCentralWidget(sheetView_);
    textEditor_ = new TextEditorWindow(*haupt_, this);
    haupt_->openCommentEditor = [this](const std::string& text) { textEditor_->open(text); };
    haupt_->closeCommentEditor = [this] { textEditor_->hide(); };

    errorListWidget_ = new ErrorListWidget(
        haupt_->errorList(), [this](int number) { haupt_->showBlockNumber(number); }, this);
    errorDock_ = new QDockWidget(this);
    setKeyedText(errorDock_, "Fehlerliste");
    setKeyedText(messageWindow_, "Meldungs-Fenster");
    errorDock_->setObjectName("errorList");
    errorDock_->setWidget(errorListWidget_);
    errorDock_->hide();
    addDockWidget(Qt::BottomDockWidgetArea, errorDock_);
    connect(errorListWidget_, &ErrorListWidget::visibilityWanted, errorDock_, &QDockWidget::setVisible);
    // Closed by its own button, the list no longer holds the sheet's arrow keys.
    connect(errorDock_, &QDockWidget::visibilityChanged, this,
            [this](bool visible) { haupt_->errorList().setVisible(visible); });

    // The variable list floats over the sheet at the window's right edge.
    auto* variables = new VariableListWidget(haupt_->edit().variableList(), this);
    haupt_->edit().variableList().changed = [variables] { variables->refresh(); };

    buildPanels();
    haupt_->edit().projectInfoShown = [this] { return infoFrameWidget_->isVisible(); };
    buildMenus();
    haupt_->edit().setClipboard(&clipboard_);
    resize(1100, 750);
}

MainWindow::~MainWindow()
{
    // The docks hide as Qt takes the window apart, after the editor is gone.
    errorDock_->disconnect(this);
}

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
    QAction* action = addKeyedAction(menu, caption);
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
    QMenu* file = addKeyedMenu(menuBar(), "Datei");
    addCommand(file, "Programm   Laden...", Cmd::LoadProgram, &Haupt::ProgrammLadenClick)
        ->setShortcut(QKeySequence::Open);
    addCommand(file, "Programm   Sichern", Cmd::Save, &Haupt::ProgrammSichernClick)->setShortcut(QKeySequence::Save);
    addCommand(file, "Programm   Sichern unter...", Cmd::SaveAs, &Haupt::ProgrammSichernUnterClick);
    file->addSeparator();
    addCommand(file, "Arbeitsblaetter Loeschen", Cmd::ClearSheets, &Haupt::ArbeitsblaetterLoeschenClick);
    file->addSeparator();
    addEditAction(file, "Rahmen  Laden...", [this](EditCommands& e) { e.loadFrame(mouseOnSheet()); }, Cmd::LoadFrame);
    addEditAction(file, "Rahmen Sichern", [](EditCommands& e) { e.saveFrame(); }, Cmd::SaveFrame);
    addEditAction(file, "MACRO   Laden...", [](EditCommands& e) { e.loadMacro(false); }, Cmd::LoadMacro);
    addEditAction(file, "AUTOMAT Laden...", [](EditCommands& e) { e.loadMacro(true); }, Cmd::LoadAutomat);
    file->addSeparator();
    addCommand(file, "Ende ohne Sicherung (Quit)", Cmd::Quit, &Haupt::Quitt1Click);
    addCommand(file, "Ende mit Sicherung    (Exit)", Cmd::Exit, &Haupt::Exit1Click);
    file->addSeparator();
    QAction* projectInfo = addKeyedAction(file, "Projekt-Information");
    connect(projectInfo, &QAction::triggered, infoFrameWidget_, &InfoFrameWidget::showPanel);

    QMenu* modes = addKeyedMenu(menuBar(), "Betriebsart");
    addCommand(modes, "Edit", Cmd::ModeEdit, &Haupt::EditClick)->setCheckable(true);
    addCommand(modes, "Simulation", Cmd::ModeSimulation, &Haupt::SimulateClick)->setCheckable(true);
    addCommand(modes, "Online", Cmd::ModeOnline, &Haupt::OnlineClick)->setCheckable(true);
    modes->addSeparator();
    addCommand(modes, " read only", Cmd::ReadOnly, &Haupt::NURLESEN1Click)->setCheckable(true);
    addCommand(modes, "Nur Prozessvisualisierung", Cmd::ProcessVisualisationOnly,
               &Haupt::NurProzessvisualisierung1Click)
        ->setCheckable(true);
    modes->addSeparator();
    // Shown in Simulation and Online, where the chart recorder runs.
    QAction* timeBase = addKeyedAction(modes, "Display-Zeitbasis (sec/div)");
    connect(timeBase, &QAction::triggered, infoFrameWidget_, &InfoFrameWidget::showPanel);
    actions_[Cmd::DisplayTimeBase] = timeBase;

    buildBlockMenus();
    buildEditMenus();

    QMenu* show = addKeyedMenu(menuBar(), "Anzeigen");
    auto* paramGroup = new QActionGroup(this);
    for (const auto& [caption, mode] : {std::pair{txKey("Alle Parameter"), ParamDisplay::All},
                                        std::pair{txKey("Selektierte Parameter"), ParamDisplay::Selected},
                                        std::pair{txKey("Keine Parameter"), ParamDisplay::None}}) {
        QAction* action = addKeyedAction(show, caption);
        action->setCheckable(true);
        action->setChecked(mode == ParamDisplay::Selected);
        paramGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, mode = mode] { haupt_->setParameterDisplay(mode); });
    }
    show->addSeparator();
    addEditAction(show, txKey("Variablen-Liste"), [](EditCommands& e) { e.variableList().toggle(); });
    QAction* messages = addKeyedAction(show, "Meldungs-Fenster");
    connect(messages, &QAction::triggered, this, [this] {
        messageWindow_->setVisible(!messageWindow_->isVisible());
        if (messageWindow_->isVisible())
            messageWindow_->raise();
    });
    addCommand(show, "Baustein-Hinweise/Tooltips (ein/aus)", Cmd::BlockHints, &Haupt::Hinweiseeinaus1Click)
        ->setCheckable(true);
    addCommand(show, "Seiten-Nummerrierung", Cmd::SheetLabels, &Haupt::PageNumbers1Click)->setCheckable(true);
    addCommand(show, "Grafik immer im Vordergrund", Cmd::AlwaysInFront, &Haupt::VordergrundClick)
        ->setCheckable(true);
    QAction* keys = addKeyedAction(show, "Tasten-Belegung");
    connect(keys, &QAction::triggered, this, [this] { haupt_->TastenBelegungClick(); });
    // F1 shows and hides the menu "Visualisierung", wherever the focus is in the window.
    auto* visualisationKey = new QAction(this);
    visualisationKey->setShortcut(Qt::Key_F1);
    visualisationKey->setShortcutContext(Qt::WindowShortcut);
    addAction(visualisationKey);
    connect(visualisationKey, &QAction::triggered, this, [this] { haupt_->toggleVisualisationMenu(); });
    show->addSeparator();
    buildLanguageItems(show);

    QAction* exitTop = addKeyedAction(menuBar(), "Exit (sichern)");
    connect(exitTop, &QAction::triggered, this, [this] { haupt_->Exit1Click(); });
    actions_[Cmd::ExitTop] = exitTop;
}

void MainWindow::buildBlockMenus()
{
    blockMenu_ = addKeyedMenu(menuBar(), "Bausteine");
    for (const BlockMenuGroup& group : blockMenus()) {
        QMenu* menu = group.ownMenu ? addKeyedMenu(menuBar(), group.caption) : addKeyedMenu(blockMenu_, group.caption);
        if (group.ownMenu)
            visualisationMenu_ = menu;
        for (const BlockMenuEntry& entry : group.entries) {
            QAction* action = addKeyedAction(menu, entry.caption);
            setKeyedToolTip(action, typeHint(entry.type));
            const int type = entry.type;
            connect(action, &QAction::triggered, this, [this, type] { haupt_->createBlockFromMenu(type); });
            blockActions_.try_emplace(type, action);
            blockEntryActions_.push_back({action, group.caption, entry.caption, type});
        }
        menu->setToolTipsVisible(true);
        blockGroupMenus_.emplace_back(menu, group.caption);
    }
}

QAction* MainWindow::addEditAction(QMenu* menu, const char* caption, std::function<void(EditCommands&)> command,
                                   std::optional<Cmd> cmd)
{
    QAction* action = addKeyedAction(menu, caption);
    connect(action, &QAction::triggered, this, [this, command = std::move(command)] {
        command(haupt_->edit());
        haupt_->refreshMenus();
        sheetView_->refresh();
    });
    if (cmd)
        actions_[*cmd] = action;
    return action;
}

PixelPoint MainWindow::mouseOnSheet() const
{
    const QPoint pos = sheetView_->viewport()->mapFromGlobal(QCursor::pos());
    return {pos.x(), pos.y()};
}

void MainWindow::buildEditMenus()
{
    // The letters in the captions name the keys of the sheet, which act on their release.
    QMenu* edit = addKeyedMenu(menuBar(), "Bearbeiten");
    addEditAction(edit, "Undo                 Z", [](EditCommands& e) { e.undo(); }, Cmd::Undo);
    addEditAction(edit, "Redo                 Y", [](EditCommands& e) { e.redo(); }, Cmd::Redo);
    edit->addSeparator();
    addEditAction(edit, "Ausschneiden    X", [](EditCommands& e) { e.cut(); }, Cmd::Cut);
    addEditAction(edit, "Kopieren            C", [](EditCommands& e) { e.copy(); }, Cmd::Copy);
    addEditAction(edit, "Einfuegen          V", [this](EditCommands& e) { e.paste(mouseOnSheet()); }, Cmd::Paste);
    edit->addSeparator();
    addEditAction(edit, "Suche Baustein                 F", [](EditCommands& e) { e.findBlock(); });
    addEditAction(edit, txKey("Suche Variable"), [](EditCommands& e) { e.variableList().toggle(); });
    edit->addSeparator();
    QAction* comment = addKeyedAction(edit, "KommentarText");
    connect(comment, &QAction::triggered, this, [this] {
        haupt_->KommentarTextClick();
        sheetView_->refresh();
    });
    actions_[Cmd::CommentText] = comment;

    // Back from a sub-process or function-block file, in the file menu beside the exits.
    QMenu* file = menuBar()->actions().front()->menu();
    addEditAction(file, "<-- Zurueck", [](EditCommands& e) { e.Zurueck_SubProc(); }, Cmd::BackSubProcess);

    QMenu* pages = addKeyedMenu(menuBar(), "Seiten");
    actions_[Cmd::PagesMenu] = pages->menuAction();
    addEditAction(pages, "Bezeichnung aendern", [](EditCommands& e) { e.renamePage(); });
    addEditAction(pages, "neue Seite", [](EditCommands& e) { e.newPage(); });
    addEditAction(pages, "Seite loeschen", [](EditCommands& e) { e.deletePage(); }, Cmd::DeletePage);
    addEditAction(pages, "Seite anheben", [](EditCommands& e) { e.raisePage(); });
    addEditAction(pages, "Seite absenken", [](EditCommands& e) { e.lowerPage(); });
    pages->addSeparator();
    addEditAction(pages, "naechste Seite", [](EditCommands& e) { e.nextPage(); });
    addEditAction(pages, "vorherige Seite", [](EditCommands& e) { e.previousPage(); });

    QMenu* zoom = addKeyedMenu(menuBar(), "Zoom");
    addEditAction(zoom, "Uebersicht", [](EditCommands& e) { e.zoomOverview(); });
    addEditAction(zoom, "Zentrieren", [](EditCommands& e) { e.zoomCentre(); });
    addEditAction(zoom, "Select-Rahmen", [](EditCommands& e) { e.zoomSelection(); });
    addEditAction(zoom, "Arbeits-Blatt", [](EditCommands& e) { e.zoomWorkSheet(); });
}

void MainWindow::buildPanels()
{
    // Both float over the sheet, hidden until they are asked for.
    infoFrameWidget_ = new InfoFrameWidget(haupt_->infoFrame(), sheetView_, this);
    parameterFrameWidget_ = new ParameterFrameWidget(haupt_->parameterFrame(), sheetView_, this);
}

void MainWindow::buildLanguageItems(QMenu* menu)
{
    auto* group = new QActionGroup(this);
    for (const auto& [caption, name, code] : {std::tuple{txKey("Deutsch"), "Deutsch1", "de"},
                                              std::tuple{txKey("Englisch"), "Englisch1", "en"},
                                              std::tuple{txKey("Niederlaendisch"), "Dutch1", "nl"}}) {
        QAction* action = addKeyedAction(menu, caption);
        action->setObjectName(name);
        action->setCheckable(true);
        group->addAction(action);
        languageActions_[code] = action;
        connect(action, &QAction::triggered, this, [this, code = std::string(code)] {
            setLanguage(code);
            retranslate();
        });
    }
    checkShownLanguage();
}

void MainWindow::checkShownLanguage()
{
    // The catalogue in use decides: without one the texts stay German, whatever was chosen.
    const std::string shown = shownLanguage();
    for (const auto& [code, action] : languageActions_)
        action->setChecked(code == shown);
}

void MainWindow::retranslate()
{
    const auto apply = [](QObject* object) {
        if (const QVariant key = object->property(TextKey); key.isValid())
            setKeyedText(object, key.toString().toStdString());
        if (auto* action = qobject_cast<QAction*>(object)) {
            if (const QVariant key = action->property(ToolTipKey); key.isValid())
                setKeyedToolTip(action, key.toString().toStdString());
        }
    };
    apply(this);
    for (QObject* object : findChildren<QObject*>())
        apply(object);
    checkShownLanguage();
    // The caption's words ("Seite", "von", ...) are looked up as it is built.
    haupt_->edit().updateCaption();
    infoFrameWidget_->retranslate();
    parameterFrameWidget_->retranslate();
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
    for (const BlockEntryAction& entry : blockEntryActions_)
        entry.action->setVisible(menu.blockEntryShown(entry.group, entry.caption, entry.type));
    for (const auto& [groupMenu, caption] : blockGroupMenus_)
        groupMenu->menuAction()->setVisible(menu.blockGroupShown(caption));
    if (visualisationMenu_ && !menu[Cmd::VisualisationMenu].visible)
        visualisationMenu_->menuAction()->setVisible(false);
    // The project panel shows the state the menus follow.
    if (infoFrameWidget_)
        infoFrameWidget_->refresh();
}

void MainWindow::setCaption(const std::string& caption) { setWindowTitle(qs(caption)); }

void MainWindow::setApplicationTitle(const std::string& title)
{
    // The desktop names the program by it; on X11 and Wayland it follows every window
    // title as " \u2014 KORM: name", the window's own title stays the long caption.
    QGuiApplication::setApplicationDisplayName(qs(title));
}

void MainWindow::clearMessages() { messageWindow_->clear(); }

void MainWindow::hideMessageWindow() { messageWindow_->hide(); }

void MainWindow::bringToFront()
{
    // Called while the sheet paints: raising from inside a paint event could expose and
    // repaint again, so it waits for the event loop.
    if (isActiveWindow())
        return;
    QTimer::singleShot(0, this, [this] {
        raise();
        activateWindow();
    });
}

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

void MainWindow::redisplay()
{
    // What the text editor holds may have gone with the change.
    haupt_->textEditor().verify();
    sheetView_->refresh();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The text editor asks about its unsaved text first; staying there keeps both open.
    if (!haupt_->FormCloseQuery() || (textEditor_->isVisible() && !textEditor_->close())) {
        event->ignore();
        return;
    }
    haupt_->FormClose();
    messageWindow_->close();
    event->accept();
}

}  // namespace fup::gui

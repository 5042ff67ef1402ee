#pragma once

#include "gui/QtPlatform.h"
#include "shell/Haupt.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <optional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QDockWidget;
class QMenu;

namespace fup::gui {

class ErrorListWidget;
class InfoFrameWidget;
class ParameterFrameWidget;
class MessageWindow;
class SheetView;
class TextEditorWindow;

class MainWindow final : public QMainWindow, public MainView {
    Q_OBJECT
public:
    // dialogs: what asks the user; tests pass their own.
    explicit MainWindow(std::unique_ptr<platform::Dialogs> dialogs = nullptr);
    ~MainWindow() override;

    Haupt& haupt() { return *haupt_; }
    MessageWindow& messageWindow() { return *messageWindow_; }
    SheetView& sheetView() { return *sheetView_; }
    TextEditorWindow& textEditor() { return *textEditor_; }
    QAction* action(Cmd cmd) const;
    // The action of a block menu entry, by type (the first entry when a type has two).
    QAction* blockAction(int type) const;
    InfoFrameWidget& infoFrameWidget() { return *infoFrameWidget_; }
    ParameterFrameWidget& parameterFrameWidget() { return *parameterFrameWidget_; }
    // Looks every caption, title and tooltip that was set through tx() up again in the
    // current language; the language items in "Anzeigen" call it after switching.
    void retranslate();

    // MainView
    void showMainWindow() override;
    void raiseMessageWindow() override;
    void appendMessage(const std::string& line) override;
    void messageBox(const std::string& text) override;
    void showErrorList() override;
    void applyMenuState(const MenuState& menu) override;
    void setCaption(const std::string& caption) override;
    void showWindow(WindowShow how) override;
    void closeWindow() override;
    void redisplay() override;
    void setApplicationTitle(const std::string& title) override;
    void clearMessages() override;
    void hideMessageWindow() override;
    void bringToFront() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* addCommand(QMenu* menu, const char* caption, Cmd cmd, void (Haupt::*handler)());
    void buildMenus();
    void buildBlockMenus();
    void buildLanguageItems(QMenu* menu);
    void buildPanels();
    void checkShownLanguage();
    // Editing, pages and zoom (the editing commands of the core).
    void buildEditMenus();
    QAction* addEditAction(QMenu* menu, const char* caption, std::function<void(EditCommands&)> command,
                           std::optional<Cmd> cmd = std::nullopt);
    PixelPoint mouseOnSheet() const;

    std::unique_ptr<platform::Dialogs> dialogs_;
    QtTimerService timers_;
    MessageWindow* messageWindow_;
    SheetView* sheetView_;
    ErrorListWidget* errorListWidget_ = nullptr;
    QDockWidget* errorDock_ = nullptr;
    std::unique_ptr<Haupt> haupt_;
    TextEditorWindow* textEditor_ = nullptr;
    std::map<Cmd, QAction*> actions_;
    std::map<int, QAction*> blockActions_;
    std::map<std::string, QAction*> languageActions_;
    QMenu* blockMenu_ = nullptr;
    // Block menu entries and groups by caption, shown or hidden by the target and by what
    // may be placed on the sheet on screen.
    struct BlockEntryAction {
        QAction* action;
        std::string group;
        std::string caption;
        int type;
    };
    std::vector<BlockEntryAction> blockEntryActions_;
    std::vector<std::pair<QMenu*, std::string>> blockGroupMenus_;
    InfoFrameWidget* infoFrameWidget_ = nullptr;
    ParameterFrameWidget* parameterFrameWidget_ = nullptr;
    QMenu* visualisationMenu_ = nullptr;
    QtClipboard clipboard_;
};

}  // namespace fup::gui

#include "gui/MainWindow.h"
#include "MainWindowFixture.h"
#include "gui/MessageWindow.h"
#include "gui/SheetView.h"
#include "model/Catalogue.h"
#include "model/Texten.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace fup::gui {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// Text queries keep their initial text unless a test gives an answer.
struct Editor : test::EditorWindow {
    Editor() { dialogs->acceptInitial = true; }
};

void saveScreenshot(QWidget& widget, const QString& name)
{
    QDir().mkpath(FUP_SCREENSHOT_DIR);
    widget.grab().save(QString(FUP_SCREENSHOT_DIR) + "/" + name);
}

TEST(MainWindow, StartsReadOnlyInEditMode)
{
    Editor editor;
    MainWindow& window = *editor.window;
    EXPECT_TRUE(window.windowTitle().startsWith("EDIT:  ")) << window.windowTitle().toStdString();
    EXPECT_EQ(editor.haupt().state().processName, "Unbenannt");
    EXPECT_TRUE(window.action(Cmd::ReadOnly)->isChecked());
    EXPECT_TRUE(window.action(Cmd::ModeEdit)->isChecked());
    EXPECT_FALSE(window.action(Cmd::ModeEdit)->isEnabled());
    EXPECT_FALSE(window.action(Cmd::Exit)->isEnabled());
    ASSERT_NE(window.blockAction(13), nullptr);
    EXPECT_FALSE(qobject_cast<QWidget*>(window.blockAction(13)->parent())->isEnabled() &&
                 window.menuBar()->actions().at(2)->isEnabled());
    EXPECT_EQ(editor.haupt().document().sheetCount(), 1);

    // Read-only off: editing and saving open up; on again: closed.
    window.action(Cmd::ReadOnly)->trigger();
    EXPECT_FALSE(window.action(Cmd::ReadOnly)->isChecked());
    EXPECT_TRUE(window.action(Cmd::Exit)->isEnabled());
    EXPECT_TRUE(editor.haupt().menuState()[Cmd::BlockMenus].enabled);
    window.action(Cmd::ReadOnly)->trigger();
    EXPECT_FALSE(window.action(Cmd::Exit)->isEnabled());
    saveScreenshot(window, "main-window.png");
}

TEST(MainWindow, SimulationAndOnlineNeedAnErrorFreeProgram)
{
    Editor editor;
    editor.window->action(Cmd::ModeSimulation)->trigger();
    editor.window->action(Cmd::ModeOnline)->trigger();
    EXPECT_EQ(editor.dialogs->boxes, (std::vector<std::string>{"Nicht Fehlerfrei: Simulation nicht moeglich",
                                                               "Nicht Fehlerfrei: Online nicht moeglich"}));
    EXPECT_EQ(editor.haupt().state().mode, EditorMode::Edit);
    EXPECT_TRUE(editor.window->action(Cmd::ModeEdit)->isChecked());
    EXPECT_FALSE(editor.window->action(Cmd::ModeSimulation)->isChecked());
}

TEST(MainWindow, EveryBlockMenuEntryCreatesItsBlock)
{
    Editor editor;
    editor.window->action(Cmd::ReadOnly)->trigger();
    Document& document = editor.haupt().document();
    std::set<int> refused;
    int created = 0;
    for (const BlockMenuGroup& group : blockMenus()) {
        for (const BlockMenuEntry& entry : group.entries) {
            const std::size_t before = document.blocks().size();
            editor.window->blockAction(entry.type)->trigger();
            if (document.blocks().size() == before) {
                refused.insert(entry.type);
                continue;
            }
            ++created;
            const TKiste& block = *document.blocks().back();
            EXPECT_EQ(block.type, entry.type);
            EXPECT_EQ(block.sheet, 1);
            const PinLayout layout = pinLayout(block.type, block.n, block.m);
            EXPECT_EQ(block.pins.size(), layout.pins.size()) << entry.caption;
            EXPECT_EQ(block.params.size(), typeParameters(block.type, block.n, block.m).size()) << entry.caption;
            EXPECT_EQ(block.name, block.label + " " + std::to_string(block.number)) << entry.caption;
        }
    }
    // Ports and state-machine blocks belong inside macros and automats.
    for (int type : refused)
        EXPECT_TRUE((type >= 178 && type <= 185 && type != 180 && type != 181) || (type >= 189 && type <= 194))
            << type;
    EXPECT_GT(created, 150);
    EXPECT_FALSE(editor.dialogs->boxes.empty());
    EXPECT_EQ(editor.dialogs->boxes.front().find("nur in "), 0u);
}

TEST(MainWindow, AskedInputCountShapesTheBlock)
{
    Editor editor;
    editor.window->action(Cmd::ReadOnly)->trigger();
    editor.dialogs->inputs = {"5"};
    editor.window->blockAction(92)->trigger();
    ASSERT_THAT(editor.dialogs->asked, ElementsAre(HasSubstr("|Anzahl Eingaenge ?|")));
    const TKiste& block = *editor.haupt().document().blocks().back();
    EXPECT_EQ(block.n, 5);
    EXPECT_EQ(block.param("ina")->value, "5");
    editor.dialogs->inputs = {"40"};  // outside 2..32: the default count
    editor.window->blockAction(92)->trigger();
    EXPECT_EQ(editor.haupt().document().blocks().back()->n, 2);
}

TEST(MainWindow, SheetWithManyBlockTypes)
{
    Editor editor;
    editor.window->resize(1400, 900);
    editor.window->action(Cmd::ReadOnly)->trigger();
    Document& document = editor.haupt().document();
    const int types[] = {12, 25, 13, 14, 15, 16, 18, 19, 36, 35, 39, 68, 43, 31, 29, 46, 49, 58,
                         108, 90, 91, 92, 93, 111, 97, 119, 130, 136, 139, 164, 129, 128, 113, 64, 150, 157};
    int x = 4;
    int y = 4;
    for (int type : types) {
        TKiste* block = document.createBlock(type, 3, 2, 1, x, y, false);
        ASSERT_NE(block, nullptr);
        x += 14;
        if (x > 100) {
            x = 4;
            y += 22;
        }
    }
    document.renumber();
    // A small net: constant -> adder input, through two intermediate points, with a branch.
    TKiste& constant = *document.blocks()[0];
    TKiste& adder = *document.blocks()[2];
    TKiste& limit = *document.blocks()[9];
    TKante* bend = document.createPoint(10, 14, 1, vt::None);
    TKante* branch = document.createPoint(10, 30, 1, vt::None);
    EXPECT_TRUE(document.connect(*constant.outputPin(1), *bend));
    EXPECT_TRUE(document.connect(*bend, *branch));
    EXPECT_TRUE(document.connect(*branch, *limit.inputPin(1)));
    EXPECT_TRUE(document.connect(*bend, *adder.inputPin(2)));
    document.flipBlock(*document.blocks()[2], editor.haupt().editContext());
    document.blocks()[3]->passive = true;
    document.blocks()[3]->colour = document.blocks()[3]->restingColour();
    editor.haupt().setParameterDisplay(ParamDisplay::All);
    editor.window->show();
    QApplication::processEvents();
    saveScreenshot(editor.window->sheetView(), "sheet-many-types.png");
    EXPECT_EQ(layoutSheet(document, editor.window->sheetView().metrics()).size(), std::size(types));
}

}  // namespace
}  // namespace fup::gui

namespace fup::gui {
namespace {

TEST(MainWindow, StartUpArgumentsAndExitCodes)
{
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        int target;
        int cycleNumber;
    };
    const std::string dir = std::filesystem::temp_directory_path().string();
    for (const Case& c : std::vector<Case>{
             {{}, 0, -1, -1},
             {{dir + "/pump.KR2", "10"}, 0, -1, -1},
             {{"", "", "", "", "", "0", "", " 3 "}, 0, 3, 0},
             {{"", "", "", "", "", "", "", "11"}, 9, -1, -1},
             {{"", "", "", "", "", "65"}, 10, -1, -1},
             // Argument 6 is read after argument 8: its error is the last report.
             {{"", "", "", "", "", "65", "", "11"}, 10, -1, -1},
         }) {
        test::EditorWindow editor(c.arguments, dir);
        const EditorState& state = editor.haupt().state();
        EXPECT_EQ(editor.haupt().exitCode(), c.exitCode) << testing::PrintToString(c.arguments);
        EXPECT_EQ(state.target, c.target);
        EXPECT_EQ(state.cycleNumber, c.cycleNumber);
        EXPECT_TRUE(state.readOnly);
        EXPECT_EQ(state.mode, EditorMode::Edit);
    }
}

TEST(MainWindow, BlockArgumentAndErrorListDoubleClick)
{
    Editor editor;
    Document& document = editor.haupt().document();
    document.appendSheet("zwei");
    TKiste* block = document.createBlock(13, 2, 1, 2, 40, 30, false);
    document.renumber();
    EXPECT_TRUE(editor.haupt().showBlockNumber(block->number));
    EXPECT_EQ(document.currentSheet(), 2);
    EXPECT_EQ(block->colour, colour::Red);
    EXPECT_FALSE(editor.haupt().showBlockNumber(99));

    // A report during a compile goes to the list; double click leads back to the block.
    document.setCurrentSheet(1);
    editor.haupt().reporter().setCompileRunning(true);
    editor.haupt().reporter().error(block, "kaputt");
    editor.haupt().reporter().setCompileRunning(false);
    ASSERT_EQ(editor.haupt().errorList().entries().size(), 1u);
    EXPECT_EQ(editor.haupt().errorList().entries()[0].text, "Fehler : kaputt");
    EXPECT_TRUE(editor.dialogs->boxes.empty());
    editor.haupt().showBlockNumber(editor.haupt().errorList().blockAt(0));
    EXPECT_EQ(document.currentSheet(), 2);
}

TEST(MainWindow, ReportWithBlockShowsItsSheetAndColoursIt)
{
    Editor editor;
    Document& document = editor.haupt().document();
    document.appendSheet("");
    TKiste* block = document.createBlock(92, 2, 1, 2, 10, 10, false);
    editor.haupt().reporter().warning(block, "schau");
    EXPECT_EQ(document.currentSheet(), 2);
    EXPECT_EQ(block->colour, colour::Yellow);
    EXPECT_EQ(editor.dialogs->boxes, std::vector<std::string>{"Warnung: schau"});
    EXPECT_TRUE(editor.window->messageWindow().text().endsWith("Warnung: schau"));
    EXPECT_EQ(editor.haupt().exitCode(), 9);
}

}  // namespace
}  // namespace fup::gui

namespace fup::gui {
namespace {

void sendMouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(pos), target->mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

TEST(MainWindow, CommentTextFollowsTheMouseAndCanBeUndone)
{
    Editor editor;
    editor.window->action(Cmd::ReadOnly)->trigger();
    editor.window->action(Cmd::CommentText)->trigger();
    Document& document = editor.haupt().document();
    ASSERT_EQ(document.texts().size(), 1u);
    TTexte& text = *document.texts().front();
    const int startX = text.x;
    editor.window->show();
    QWidget* viewport = editor.window->sheetView().viewport();
    const int zoom = document.zoom();
    const QPoint grip(text.x * zoom - document.scrollX() + 3, text.y * zoom - document.scrollY() + 3);
    // A pointing hand over the text, the arrow beside it.
    sendMouse(viewport, QEvent::MouseMove, grip, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(viewport->cursor().shape(), Qt::PointingHandCursor);
    sendMouse(viewport, QEvent::MouseMove, grip - QPoint(2 * zoom, 2 * zoom), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(viewport->cursor().shape(), Qt::ArrowCursor);
    sendMouse(viewport, QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseMove, grip + QPoint(10 * zoom, 0), Qt::NoButton, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseButtonRelease, grip + QPoint(10 * zoom, 0), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(text.x, startX + 10);
    EXPECT_FALSE(text.dragging);
    editor.haupt().edit().undo();
    ASSERT_EQ(document.texts().size(), 1u);
    EXPECT_EQ(document.texts().front()->x, startX);
}

}  // namespace
}  // namespace fup::gui

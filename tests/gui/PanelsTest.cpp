#include "gui/InfoFrameWidget.h"
#include "gui/MainWindow.h"
#include "MainWindowFixture.h"
#include "gui/ParameterFrameWidget.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace fup::gui {
namespace {

// Shown and editable; text queries keep their initial text unless a test gives an answer.
struct PanelEditor : test::EditorWindow {
    PanelEditor()
    {
        dialogs->acceptInitial = true;
        window->show();
        haupt().NURLESEN1Click(); // editable
    }
};

QAction* findAction(QWidget& root, const QString& caption)
{
    for (QAction* action : root.findChildren<QAction*>())
        if (action->text() == caption)
            return action;
    return nullptr;
}

TEST(Panels, ParameterPanelChangesTheInputsOfAnAdder)
{
    PanelEditor editor;
    TKiste* adder = editor.haupt().createBlockFromMenu(13);
    ASSERT_NE(adder, nullptr);
    ASSERT_EQ(adder->n, 2);
    ParameterFrameWidget& panel = editor.window->parameterFrameWidget();

    // What the block menu's "Parameter" does: the panel opens once the menu has returned.
    editor.haupt().blockCommand(*adder, BlockCommand::Parameter);
    EXPECT_FALSE(panel.isVisible());
    QTRY_VERIFY(panel.isVisible());
    EXPECT_TRUE(panel.valueEdit(0)->isVisible());
    EXPECT_FALSE(panel.valueEdit(1)->isVisible());
    EXPECT_EQ(panel.valueEdit(0)->text(), "2");

    QLineEdit* ina = panel.valueEdit(0);
    ina->setFocus();
    ina->selectAll();
    QTest::keyClicks(ina, "4");
    QTest::keyClick(ina, Qt::Key_Return); // the last row: accepted
    QTRY_VERIFY(!panel.isVisible());
    EXPECT_EQ(adder->n, 4);
    EXPECT_EQ(adder->param("ina")->value, "4");
    EXPECT_NE(adder->pinNamed("+4"), nullptr);
    EXPECT_EQ(adder->pins.size(), 5u);

    // Cancelled: nothing changes.
    editor.haupt().blockCommand(*adder, BlockCommand::Parameter);
    QTRY_VERIFY(panel.isVisible());
    panel.valueEdit(0)->setFocus();
    panel.valueEdit(0)->selectAll();
    QTest::keyClicks(panel.valueEdit(0), "3");
    panel.cancelButton()->click();
    QTRY_VERIFY(!panel.isVisible());
    EXPECT_EQ(adder->n, 4);
}

TEST(Panels, ProjectPanelFollowsTheEditorState)
{
    PanelEditor editor;
    InfoFrameWidget& panel = editor.window->infoFrameWidget();
    QAction* open = findAction(*editor.window, "Projekt-Information");
    ASSERT_NE(open, nullptr);
    open->trigger();
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.valueLabel("ProjektLabel")->text(), "ohne Projektname");
    EXPECT_EQ(panel.valueLabel("TargetLabel")->text(), "???");

    // Stepping the target shows its name and its block menus.
    panel.button(InfoButton::Target)->click();
    EXPECT_EQ(panel.valueLabel("TargetLabel")->text(), "TQ810");
    EXPECT_FALSE(editor.window->blockAction(236)->isVisible()); // "LA  Sende"
    EXPECT_TRUE(editor.window->blockAction(238)->isVisible());  // "SST Control"
    const auto* group = qobject_cast<QMenu*>(editor.window->blockAction(136)->parent());
    EXPECT_FALSE(group && group->menuAction()->isVisible());
    panel.button(InfoButton::Target)->click();
    EXPECT_EQ(panel.valueLabel("TargetLabel")->text(), "LVB300");
    EXPECT_TRUE(editor.window->blockAction(236)->isVisible());
    EXPECT_FALSE(editor.window->blockAction(238)->isVisible());

    editor.dialogs->inputs = {"50"};
    panel.button(InfoButton::CycleTime)->click();
    EXPECT_EQ(panel.valueLabel("ZyklusLabel")->text(), "50");
    EXPECT_EQ(panel.valueLabel("DisplayLabel")->text(), "2.5 sec");
    panel.findChild<QToolButton*>("UpDown1Down")->click();
    EXPECT_EQ(panel.valueLabel("DisplayLabel")->text(), "1.25 sec");

    panel.findChild<QPlainTextEdit*>("Memo1")->setPlainText("Pumpen\nStation");
    EXPECT_EQ(editor.haupt().settings().comment, "Pumpen\nStation");

    // Read-only closes every change button.
    editor.haupt().NURLESEN1Click();
    for (InfoButton b : {InfoButton::ProjectName, InfoButton::Version, InfoButton::Author, InfoButton::Target,
                         InfoButton::CompileMode, InfoButton::VarMode, InfoButton::CycleTime})
        EXPECT_FALSE(panel.button(b)->isEnabled()) << static_cast<int>(b);
    editor.haupt().NURLESEN1Click();
    EXPECT_TRUE(panel.button(InfoButton::Target)->isEnabled());
    EXPECT_FALSE(panel.button(InfoButton::DigitalName)->isEnabled());

    panel.findChild<QPushButton*>("Button1")->click();
    EXPECT_FALSE(panel.isVisible());
}

TEST(Panels, Screenshot)
{
    PanelEditor editor;
    editor.haupt().infoFrame().selectTarget(5);
    editor.haupt().state().setCycleTime(20);
    editor.haupt().settings().projectName = "Klaeranlage Nord";
    editor.haupt().settings().comment = "Regelung der Zulaufpumpen";
    editor.haupt().infoFrame().refresh();
    editor.window->infoFrameWidget().showPanel();
    Document& document = editor.haupt().document();
    TKiste* limit = document.createBlock(35, 1, 1, 1, 60, 30, false);
    ASSERT_EQ(limit->params.size(), 2u);
    limit->params[0].value = "0.9";
    limit->params[1].value = "-0.9";
    // One flash constant beside an EEPROM one, to show both storage labels.
    limit->params[1].eeprom = false;
    limit->params[1].flash = true;
    editor.haupt().openParameters(*limit);
    ParameterFrameWidget& panel = editor.window->parameterFrameWidget();
    ASSERT_TRUE(panel.isVisible());
    // Both open near the top left corner; the picture shows them one below the other.
    InfoFrameWidget& info = editor.window->infoFrameWidget();
    info.move(panel.x(), panel.y() + panel.height() + 10);
    editor.window->resize(std::max(editor.window->width(), info.x() + info.width() + 40),
                          std::max(editor.window->height(), info.y() + info.height() + 80));
    QApplication::processEvents();
    QDir().mkpath(FUP_SCREENSHOT_DIR);
    EXPECT_TRUE(editor.window->grab().save(QString(FUP_SCREENSHOT_DIR) + "/panels.png"));
}

} // namespace
} // namespace fup::gui

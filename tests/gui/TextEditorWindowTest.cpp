// The shared text editor window, reached the way a user reaches it: a comment text through
// its right-click menu, a structured-text block through "Oeffnen".
#include "gui/TextEditorWindow.h"
#include "gui/MainWindow.h"
#include "gui/SheetView.h"

#include "MainWindowFixture.h"
#include "MenuDriver.h"
#include "model/Translate.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace fup::gui {
namespace {

using test::chooseInNextMenu;

QStringList captions(QMenu& menu)
{
    QStringList result;
    for (QAction* action : menu.actions())
        result << action->text();
    return result;
}

void choose(TextEditorWindow& editor, const QString& caption)
{
    std::unique_ptr<QMenu> menu(editor.createPopupMenu());
    for (QAction* action : menu->actions())
        if (action->text() == caption)
            action->trigger();
}

void screenshot(QWidget& widget, const QString& name)
{
    QDir().mkpath(FUP_SCREENSHOT_DIR);
    EXPECT_TRUE(widget.grab().save(QString(FUP_SCREENSHOT_DIR) + "/" + name));
}

TEST(TextEditorWindow, OneWindowForCommentsAndPrograms)
{
    test::EditorWindow mainWindow;
    test::ScriptedDialogs& dialogs = *mainWindow.dialogs;
    MainWindow& window = *mainWindow.window;
    Haupt& haupt = window.haupt();
    haupt.NURLESEN1Click(); // editable
    window.resize(1000, 700);
    window.show();
    QApplication::processEvents();
    TextEditorWindow& editor = window.textEditor();

    // A comment text, opened through its own menu.
    TTexte* text = haupt.KommentarTextClick();
    const std::uint64_t id = text->id();
    const CommentPaint label = layoutComment(*text, ViewGeometry::of(haupt.document()), commentMetrics);
    chooseInNextMenu(qs(tx("Bearbeiten mehrzeilig")));
    QTest::mouseClick(window.sheetView().viewport(), Qt::RightButton, {},
                      QPoint(label.box.left + 3, label.box.top + label.box.height / 2));
    ASSERT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.windowTitle(), qs(tx("Kommentar-Text")));
    EXPECT_EQ(editor.height(), 155);
    EXPECT_EQ(editor.editor().toPlainText(), qs(tx("Kommentar")));
    std::unique_ptr<QMenu> menu(editor.createPopupMenu());
    EXPECT_EQ(captions(*menu), (QStringList{"EXIT", "PRINT", "FIND"}));

    editor.editor().moveCursor(QTextCursor::End);
    QTest::keyClick(&editor.editor(), Qt::Key_Return);
    QTest::keyClicks(&editor.editor(), "Pumpe \"P1\"  ");
    screenshot(editor, "text-editor-comment.png");
    dialogs.yesNoCancel = {platform::Answer::Yes};
    choose(editor, "EXIT");
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(dialogs.asked,
              std::vector<std::string>{"ync:" + tx("Möchten Sie die Änderungen an diesem Text speichern?")});
    ASSERT_NE(haupt.document().findText(id), nullptr);
    EXPECT_EQ(haupt.document().findText(id)->text, tx("Kommentar") + "\nPumpe  P1");
    EXPECT_FALSE(haupt.textEditor().attached());

    // A program; the window was only hidden and comes back at full height.
    TKiste* block = haupt.createBlockFromMenu(81);
    haupt.document().setParameters(*block, {"Regler", "a", "", "", "q", "", "", ""}, haupt.editContext());
    haupt.blockCommand(*block, BlockCommand::OpenEditor);
    ASSERT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.windowTitle(), "Regler");
    EXPECT_EQ(editor.size(), QSize(600, 700));
    EXPECT_TRUE(editor.editor().toPlainText().startsWith("PROGRAM Regler;\n\nCONST\n"));
    editor.editor().moveCursor(QTextCursor::End);
    QTest::keyClicks(&editor.editor(), "(* Regler *)");
    screenshot(editor, "text-editor-program.png");

    // Finding goes on from the selection; the umlaut ahead counts as one character.
    editor.editor().moveCursor(QTextCursor::Start);
    QTest::keyClicks(&editor.editor(), "(* Ä *) ");
    const QString shown = editor.editor().toPlainText();
    for (qsizetype expected : {shown.indexOf("Regler"), shown.lastIndexOf("Regler")}) {
        dialogs.inputs = {"Regler"};
        choose(editor, "FIND");
        EXPECT_EQ(editor.editor().textCursor().selectionStart(), expected);
        EXPECT_EQ(editor.editor().textCursor().selectedText(), "Regler");
    }

    // Closing the main window asks for the program first; staying keeps both open.
    dialogs.yesNoCancel = {platform::Answer::Cancel};
    window.close();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(editor.isVisible());
    choose(editor, "SAVE");
    EXPECT_TRUE(block->param("txt")->value.starts_with("(* Ä *) PROGRAM Regler;"));
    EXPECT_TRUE(block->param("txt")->value.ends_with("END_PROGRAM\n(* Regler *)"));
    choose(editor, "EXIT");
    EXPECT_FALSE(editor.isVisible());
}

} // namespace
} // namespace fup::gui

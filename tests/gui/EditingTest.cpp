#include "gui/MainWindow.h"
#include "MainWindowFixture.h"
#include "gui/InfoFrameWidget.h"
#include "gui/SheetView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDockWidget>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

namespace fup::gui {
namespace {

TEST(Editing, FrameCutPasteUndoRedoWithTheKeys)
{
    test::EditorWindow editor;
    MainWindow& window = *editor.window;
    window.haupt().NURLESEN1Click(); // editable
    window.resize(900, 700);
    window.show();
    SheetView& sheet = window.sheetView();
    QWidget* viewport = sheet.viewport();
    Document& doc = window.haupt().document();
    doc.setZoom(10);
    doc.setScroll(0, 0);
    sheet.refresh();
    doc.createBlock(13, 2, 1, 1, 10, 10, false);
    doc.createBlock(14, 2, 1, 1, 40, 10, false);
    doc.renumber();
    EditCommands& edit = window.haupt().edit();
    const std::string start = edit.snapshotText();

    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(60, 60));
    QTest::mouseMove(viewport, QPoint(160, 160));
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(160, 160));
    ASSERT_EQ(edit.selectState(), SelectState::Selected);
    EXPECT_TRUE(doc.blocks()[0]->selected);

    QTest::keyClick(&sheet, Qt::Key_X);
    ASSERT_EQ(doc.blocks().size(), 1u);
    EXPECT_EQ(QApplication::clipboard()->text().left(1), "(");
    const std::string afterCut = edit.snapshotText();

    QCursor::setPos(viewport->mapToGlobal(QPoint(300, 300)));
    QTest::keyClick(&sheet, Qt::Key_V);
    ASSERT_EQ(doc.blocks().size(), 2u);
    EXPECT_EQ(edit.selectState(), SelectState::Selected);
    const std::string afterPaste = edit.snapshotText();

    QTest::keyClick(&sheet, Qt::Key_Z);
    EXPECT_EQ(edit.snapshotText(), afterCut);
    QTest::keyClick(&sheet, Qt::Key_Z);
    EXPECT_EQ(edit.snapshotText(), start);
    QTest::keyClick(&sheet, Qt::Key_Y);
    QTest::keyClick(&sheet, Qt::Key_Y);
    EXPECT_EQ(edit.snapshotText(), afterPaste);

    // Page keys, zoom keys and the caption.
    editor.dialogs->inputs = {"Zwei"};
    window.action(Cmd::PagesMenu)->menu()->actions().at(1)->trigger(); // "neue Seite"
    EXPECT_EQ(doc.sheetCount(), 2);
    EXPECT_TRUE(window.windowTitle().contains("(von 2) : Zwei")) << window.windowTitle().toStdString();
    QTest::keyClick(&sheet, Qt::Key_PageDown);
    EXPECT_EQ(doc.currentSheet(), 1);
    QTest::keyClick(&sheet, Qt::Key_Plus);
    EXPECT_EQ(doc.zoom(), 11);
    QTest::keyClick(&sheet, Qt::Key_Escape);
    EXPECT_EQ(edit.selectState(), SelectState::None);
}

// The project information and the error list hold the sheet's keys while they are shown;
// closing the error list with its own button gives the arrow keys back.
TEST(Editing, PanelsInFrontOfTheSheetHoldItsKeys)
{
    test::EditorWindow editor;
    MainWindow& window = *editor.window;
    window.haupt().NURLESEN1Click();
    window.resize(900, 700);
    window.show();
    SheetView& sheet = window.sheetView();
    Document& doc = window.haupt().document();
    doc.setZoom(10);
    doc.setScroll(0, 0);
    sheet.refresh();

    window.infoFrameWidget().showPanel();
    QTest::keyClick(&sheet, Qt::Key_Plus);
    EXPECT_EQ(doc.zoom(), 10);
    window.infoFrameWidget().hide();
    QTest::keyClick(&sheet, Qt::Key_Plus);
    EXPECT_EQ(doc.zoom(), 11);

    window.haupt().errorList().add("Fehler : x", -1);
    window.showErrorList();
    auto* dock = window.findChild<QDockWidget*>("errorList");
    ASSERT_NE(dock, nullptr);
    ASSERT_TRUE(dock->isVisible());
    ASSERT_TRUE(window.haupt().errorList().visible());
    doc.setScroll(0, 0);
    QTest::keyClick(&sheet, Qt::Key_Right);
    EXPECT_EQ(doc.scrollX(), 0);
    dock->close();
    QTest::keyClick(&sheet, Qt::Key_Right);
    EXPECT_GT(doc.scrollX(), 0);
}

} // namespace
} // namespace fup::gui

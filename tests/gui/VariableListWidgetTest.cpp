#include "gui/MainWindow.h"
#include "gui/SheetView.h"
#include "gui/VariableListWidget.h"

#include "ScriptedDialogs.h"

#include <QAction>
#include <QDir>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace fup::gui {
namespace {

// Menu entries by their German caption, whatever language is shown.
QAction* entry(MainWindow& window, const char* german)
{
    for (QAction* action : window.findChildren<QAction*>())
        if (action->property("fupTextKey").toString() == german)
            return action;
    return nullptr;
}

TEST(VariableListWidget, ShownFromTheMenusLeadsToTheBlockAndHidesAgain)
{
    MainWindow window(std::make_unique<test::ScriptedDialogs>());
    Haupt& haupt = window.haupt();
    haupt.startUp({}, std::filesystem::temp_directory_path(), true);
    haupt.NURLESEN1Click(); // editable
    window.resize(1100, 750);
    window.show();
    Document& doc = haupt.document();
    doc.setZoom(10);
    doc.setScroll(0, 0);
    window.sheetView().refresh();

    TKiste* near = doc.createBlock(13, 2, 1, 1, 10, 10, false);
    ASSERT_TRUE(doc.setVariableName(*near->outputPin(1), "Zulauf"));
    ASSERT_TRUE(doc.setVariableName(*near->inputPin(1), "Pumpe"));
    TKiste* far = doc.createBlock(13, 2, 1, 1, 400, 300, false);
    ASSERT_TRUE(doc.setVariableName(*far->outputPin(1), "Pumpe"));
    doc.renumber();

    QAction* showList = entry(window, "Variablen-Liste");
    QAction* findVariable = entry(window, "Suche Variable");
    ASSERT_NE(showList, nullptr);
    ASSERT_NE(findVariable, nullptr);
    auto* list = window.findChild<VariableListWidget*>("VariablenListe");
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->isVisible());

    showList->trigger();
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->size(), QSize(220, 550));
    EXPECT_EQ(list->pos(), QPoint(window.width() - 300, 30));
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "Pumpe            1");
    EXPECT_EQ(list->item(1)->text(), "Pumpe            2 write");

    const QPoint line = list->visualItemRect(list->item(1)).center();
    // A double click as the window system delivers it: the first click, then the second.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, line);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, line);
    EXPECT_EQ(far->colour, colour::Red);
    EXPECT_GT(doc.scrollX(), 0);
    EXPECT_GT(doc.scrollY(), 0);
    EXPECT_EQ(window.sheetView().horizontalScrollBar()->value(), doc.scrollX());

    QDir().mkpath(FUP_SCREENSHOT_DIR);
    EXPECT_TRUE(window.grab().save(QString(FUP_SCREENSHOT_DIR) + "/variable-list.png"));

    // The right button hides the list; the other entry shows it again, Esc on the sheet
    // hides it.
    QTest::mouseClick(list->viewport(), Qt::RightButton, Qt::NoModifier, line);
    EXPECT_FALSE(list->isVisible());
    findVariable->trigger();
    EXPECT_TRUE(list->isVisible());
    QTest::keyClick(&window.sheetView(), Qt::Key_Escape);
    EXPECT_FALSE(list->isVisible());
}

} // namespace
} // namespace fup::gui

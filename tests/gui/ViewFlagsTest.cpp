// The view menu's toggles, the key help in the message window, F1 and the captions as
// the window shows them.
#include "MainWindowFixture.h"
#include "gui/MainWindow.h"
#include "gui/MessageWindow.h"
#include "gui/SheetView.h"
#include "model/Translate.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QHelpEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <filesystem>

namespace fup::gui {
namespace {

struct Window : ::testing::Test, test::EditorWindow {
    Window()
    {
        window->resize(900, 700);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    ~Window() override { QToolTip::hideText(); }

    QAction* menuItem(const QString& caption) const
    {
        for (QAction* action : window->findChildren<QAction*>())
            if (action->text() == caption)
                return action;
        ADD_FAILURE() << "no menu item " << caption.toStdString();
        return nullptr;
    }
    QMenu* topMenu(const QString& caption) const
    {
        for (QAction* action : window->menuBar()->actions())
            if (action->text().trimmed() == caption)
                return action->menu();
        return nullptr;
    }
    // Pixels of the sheet in the colour of the work-sheet names (window colour - 0x202020).
    int labelPixels()
    {
        QApplication::processEvents();
        const QImage image = window->sheetView().viewport()->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixel(x, y) == qRgb(0xDF, 0xDF, 0xDF);
        return count;
    }
};

TEST_F(Window, SheetLabelsAppearAndGoWithTheirMenuItem)
{
    // Overview zoom: all 25 names on screen at once.
    window->haupt().edit().zoomOverview();
    window->sheetView().refresh();
    QAction* labels = menuItem("Seiten-Nummerrierung");
    ASSERT_NE(labels, nullptr);
    EXPECT_FALSE(labels->isChecked());
    EXPECT_EQ(labelPixels(), 0);

    labels->trigger();
    EXPECT_TRUE(labels->isChecked());
    EXPECT_GT(labelPixels(), 500);
    QDir().mkpath(FUP_SCREENSHOT_DIR);
    window->grab().save(QString(FUP_SCREENSHOT_DIR) + "/sheet-labels.png");

    labels->trigger();
    EXPECT_FALSE(labels->isChecked());
    EXPECT_EQ(labelPixels(), 0);
}

TEST_F(Window, BlockTooltipsFollowTheHintsItem)
{
    window->haupt().NURLESEN1Click();
    TKiste* block = window->haupt().createBlockFromMenu(13);
    ASSERT_NE(block, nullptr);
    QWidget* viewport = window->sheetView().viewport();
    const PixelRect body = blockRect(*block, ViewGeometry::of(window->haupt().document()));
    const QPoint inside(body.left + body.width / 2, body.top + body.height - 3);
    const auto hover = [&] {
        QToolTip::hideText();
        EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
        QHelpEvent help(QEvent::ToolTip, inside, viewport->mapToGlobal(inside));
        QApplication::sendEvent(viewport, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    const QString hint = QString::fromStdString(block->hint);
    ASSERT_FALSE(hint.isEmpty());

    QAction* hints = menuItem("Baustein-Hinweise/Tooltips (ein/aus)");
    ASSERT_NE(hints, nullptr);
    EXPECT_TRUE(hints->isChecked());
    EXPECT_EQ(hover(), hint);
    hints->trigger();
    EXPECT_FALSE(hints->isChecked());
    EXPECT_EQ(hover(), QString());
    hints->trigger();
    EXPECT_EQ(hover(), hint);
}

TEST_F(Window, KeyHelpFillsTheMessageWindowAndARightClickHidesIt)
{
    MessageWindow& messages = window->messageWindow();
    messages.appendLine("vorher");
    menuItem("Tasten-Belegung")->trigger();
    EXPECT_TRUE(messages.isVisible());
    EXPECT_EQ(messages.pos(), QPoint(10, 10));
    const QStringList lines = messages.text().split('\n');
    ASSERT_GT(lines.size(), 30);
    EXPECT_EQ(lines.front(), "********** TastenBelegung ***********");
    EXPECT_EQ(lines.at(1), "");
    EXPECT_EQ(lines.back(), "F7 = Simulieren(SingleStep)");

    auto* log = messages.findChild<QPlainTextEdit*>();
    ASSERT_NE(log, nullptr);
    QTest::mouseClick(log->viewport(), Qt::LeftButton);
    EXPECT_TRUE(messages.isVisible());
    QTest::mouseClick(log->viewport(), Qt::RightButton);
    EXPECT_FALSE(messages.isVisible());
}

TEST_F(Window, F1HidesAndShowsTheVisualisationMenu)
{
    QMenu* visualisation = topMenu("Visualisierung");
    ASSERT_NE(visualisation, nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->sheetView().setFocus();
    QTest::keyClick(&window->sheetView(), Qt::Key_F1);
    EXPECT_FALSE(visualisation->menuAction()->isVisible());
    // Other menu changes leave it hidden.
    window->haupt().NURLESEN1Click();
    EXPECT_FALSE(visualisation->menuAction()->isVisible());
    QTest::keyClick(&window->sheetView(), Qt::Key_F1);
    EXPECT_TRUE(visualisation->menuAction()->isVisible());
}

TEST_F(Window, AlwaysInFrontIsACheckedToggle)
{
    QAction* front = menuItem("Grafik immer im Vordergrund");
    ASSERT_NE(front, nullptr);
    EXPECT_FALSE(front->isChecked());
    front->trigger();
    EXPECT_TRUE(front->isChecked());
    front->trigger();
    EXPECT_FALSE(front->isChecked());
}

TEST_F(Window, TheWindowTitleIsTheLongCaptionAndTheProgramIsNamedApart)
{
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "KORM: ");
    EXPECT_EQ(window->windowTitle(), "EDIT:  Unbenannt       Seite 1 (von 1) :     Datei: ohne Savedatum    "
                                     "Compiled: ohne Compiledatum");
    window->haupt().NURLESEN1Click();
    dialogs->inputs = {"Ablauf"};
    window->haupt().edit().newPage();
    EXPECT_TRUE(window->windowTitle().startsWith("EDIT:  Unbenannt       Seite 2 (von 2) : Ablauf    "))
        << window->windowTitle().toStdString();
}

TEST_F(Window, TheCaptionFollowsALanguageSwitch)
{
    setTranslationDirectory(FUP_LOCALE_DIR);
    struct German {
        ~German() { setLanguage("de"); }
    } german;
    window->findChild<QAction*>("Englisch1")->trigger();
    EXPECT_TRUE(window->windowTitle().contains("Sheet 1 (of 1)")) << window->windowTitle().toStdString();
    window->findChild<QAction*>("Deutsch1")->trigger();
    EXPECT_TRUE(window->windowTitle().contains("Seite 1 (von 1)")) << window->windowTitle().toStdString();
}

} // namespace
} // namespace fup::gui

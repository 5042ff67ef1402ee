// Editing scripts on the real window: every step is done with the mouse on the sheet, the
// keys of the sheet, the menus or the popup menus, and the whole document (its program
// text) is compared after every step with what it must be.
#include "gui/MainWindow.h"
#include "gui/MessageWindow.h"
#include "gui/SheetView.h"
#include "model/Texten.h"
#include "MainWindowFixture.h"
#include "MenuDriver.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fup::gui {
namespace {

// Types of the small diagram.
constexpr int Constant = 12;
constexpr int Adder = 13;
constexpr int Limiter = 14;
constexpr int Macro = 187;
constexpr int InPort = 182;

using test::chooseInNextMenu;
using test::findAction;

// The window at pitch 10 with two pages:
//   1 "Anlage":   a limiter and the macro "Regler", whose inside holds the connected input
//                 port "a";
//   2 "Regelung": a constant wired through a bend point into an adder, and a comment text.
// The undo ring is fresh, as after loading the file.
struct EditingScript : ::testing::Test, test::EditorWindow {
    EditingScript()
    {
        haupt().NURLESEN1Click(); // editable
        window->resize(1000, 700);
        window->show();
        QApplication::processEvents();
        doc().setZoom(10);
        doc().setScroll(0, 0);
        sheet().refresh();

        doc().renameSheet(1, "Anlage");
        doc().createBlock(Limiter, 2, 1, 1, 6, 40, false);
        TKiste* macro = doc().createBlock(Macro, 0, 0, 1, 40, 30, false);
        macro->childPage = doc().allocateInstanceNumber();
        macro->param("nam")->value = "Regler";
        EXPECT_TRUE(haupt().KisteExpand(*macro));
        TKiste* port = haupt().createBlockFromMenu(InPort);
        port->param("nam")->value = "a";
        port->param("nr")->value = "1";
        haupt().blockCommand(*port, BlockCommand::ConnectPort);
        EXPECT_TRUE(haupt().PopZurueckMacro());

        doc().appendSheet("Regelung");
        TKiste* constant = doc().createBlock(Constant, 2, 1, 2, 6, 6, false);
        TKiste* adder = doc().createBlock(Adder, 2, 1, 2, 30, 4, false);
        TKante* bend = doc().createPoint(20, 12, 2, constant->outputPin(1)->valueType);
        EXPECT_TRUE(doc().connect(*constant->outputPin(1), *bend));
        EXPECT_TRUE(doc().connect(*bend, *adder->inputPin(1)));
        doc().createText(8, 18, 2, false, false).text = "Pumpe ein";
        doc().renumber();
        doc().resetColours();

        edit().replaceUndoBuffer();
        edit().updateCaption();
        sheet().refresh();
        dialogs->boxes.clear();
        window->messageWindow().clear();
    }

    Document& doc() { return haupt().document(); }
    EditCommands& edit() { return haupt().edit(); }
    SheetView& sheet() { return window->sheetView(); }
    QWidget* viewport() { return sheet().viewport(); }
    std::string text() { return edit().snapshotText(); }
    std::string caption() const { return window->windowTitle().toStdString(); }
    std::string lastBox() const { return dialogs->boxes.empty() ? std::string() : dialogs->boxes.back(); }

    // The first block of a type; looked up again after every undo, which rebuilds them all.
    TKiste* block(int type)
    {
        for (TKiste* b : doc().blocks())
            if (b->type == type)
                return b;
        return nullptr;
    }
    const TTexte* comment()
    {
        return doc().texts().empty() ? nullptr : doc().texts().front().get();
    }
    QPoint pixel(int x, int y)
    {
        const PixelPoint p = toPixel({x, y}, ViewGeometry::of(doc()));
        return {p.x, p.y};
    }
    QPoint middleOf(const TKiste& b) { return pixel(b.x + b.widthGrid() / 2, b.y + b.heightGrid() / 2); }

    // Left button down at one place, moved in steps and let go at another.
    void drag(QPoint from, QPoint to)
    {
        QTest::mouseMove(viewport(), from);
        QTest::mousePress(viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(viewport(), (from + to) / 2);
        QTest::mouseMove(viewport(), to);
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, to);
    }
    void key(Qt::Key k) { QTest::keyClick(&sheet(), k); }
    void pageMenu(const char* caption)
    {
        QAction* item = findAction(*window->action(Cmd::PagesMenu)->menu(), QString::fromUtf8(caption));
        ASSERT_NE(item, nullptr) << caption;
        item->trigger();
    }
    // A right click at a place, choosing an entry of the menu that opens there.
    QStringList rightClickChoose(QPoint at, const QString& entry)
    {
        QStringList offered;
        chooseInNextMenu(entry, offered);
        QTest::mouseMove(viewport(), at);
        QTest::mouseClick(viewport(), Qt::RightButton, {}, at);
        return offered;
    }
};

TEST_F(EditingScript, FrameDragCarryCutPasteThenUndoAndRedoEveryStep)
{
    key(Qt::Key_PageUp); // no selection: only the page changes
    ASSERT_EQ(doc().currentSheet(), 2);
    EXPECT_NE(caption().find("     Seite 2 (von 2) : Regelung"), std::string::npos) << caption();
    std::vector<std::string> states{text()};

    // A frame around the constant, the bend, the adder and the text selects them; the
    // document stays as it was.
    drag(pixel(2, 2), pixel(45, 24));
    ASSERT_EQ(edit().selectState(), SelectState::Selected);
    EXPECT_TRUE(block(Constant)->selected);
    EXPECT_TRUE(block(Adder)->selected);
    EXPECT_TRUE(comment()->selected);
    EXPECT_EQ(text(), states.back());

    // Dragged from inside the frame by three cells right and two down: everything framed
    // moves by exactly that, the frame with it.
    drag(pixel(15, 15), pixel(18, 17));
    EXPECT_EQ(edit().selectState(), SelectState::Selected);
    EXPECT_EQ(edit().selectRect(), (FrameRect{5, 4, 49, 27}));
    EXPECT_EQ(block(Constant)->x, 9);
    EXPECT_EQ(block(Constant)->y, 8);
    EXPECT_EQ(block(Adder)->x, 33);
    EXPECT_EQ(block(Adder)->y, 6);
    EXPECT_EQ(comment()->x, 11);
    EXPECT_EQ(comment()->y, 20);
    TKante* bend = block(Adder)->inputPin(1)->firstNeighbour();
    ASSERT_NE(bend, nullptr);
    EXPECT_EQ(bend->x, 23);
    EXPECT_EQ(bend->y, 14);
    states.push_back(text());

    // Page Down takes the selection along to page 1, at the same place on the screen.
    key(Qt::Key_PageDown);
    ASSERT_EQ(doc().currentSheet(), 1);
    EXPECT_EQ(edit().selectState(), SelectState::Selected);
    for (int type : {Constant, Adder})
        EXPECT_EQ(block(type)->sheet, 1) << type;
    EXPECT_EQ(block(Adder)->inputPin(1)->firstNeighbour()->sheet, 1);
    EXPECT_EQ(comment()->sheet, 1);
    EXPECT_EQ(block(Adder)->x, 33);
    EXPECT_NE(caption().find("     Seite 1 (von 2) : Anlage"), std::string::npos) << caption();
    states.push_back(text());

    // Cut: the framed objects leave page 1 for the clipboard; the rest stays.
    key(Qt::Key_X);
    EXPECT_EQ(edit().selectState(), SelectState::None);
    EXPECT_EQ(block(Constant), nullptr);
    EXPECT_EQ(block(Adder), nullptr);
    EXPECT_TRUE(doc().texts().empty());
    EXPECT_NE(block(Macro), nullptr);
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("("));
    states.push_back(text());

    // Pasted around the mouse elsewhere: selected, wired as before, ready to be dragged.
    QCursor::setPos(viewport()->mapToGlobal(pixel(45, 52)));
    key(Qt::Key_V);
    ASSERT_EQ(edit().selectState(), SelectState::Selected);
    const FrameRect& pasted = edit().selectRect();
    EXPECT_TRUE(pasted.left <= 45 && 45 < pasted.right && pasted.top <= 52 && 52 < pasted.bottom)
        << pasted.left << "," << pasted.top << " " << pasted.right << "," << pasted.bottom;
    ASSERT_NE(block(Adder), nullptr);
    ASSERT_NE(block(Constant), nullptr);
    EXPECT_EQ(block(Adder)->sheet, 1);
    EXPECT_TRUE(block(Adder)->selected);
    EXPECT_EQ(block(Adder)->x - block(Constant)->x, 24);
    EXPECT_GT(block(Constant)->y, 30);
    ASSERT_EQ(doc().texts().size(), 1u);
    EXPECT_EQ(comment()->text, "Pumpe ein");
    TKante* pastedBend = block(Adder)->inputPin(1)->firstNeighbour();
    ASSERT_NE(pastedBend, nullptr);
    EXPECT_TRUE(pastedBend->hasNeighbour(block(Constant)->outputPin(1)));
    states.push_back(text());

    QApplication::processEvents();
    QDir().mkpath(FUP_SCREENSHOT_DIR);
    EXPECT_TRUE(window->grab().save(QString(FUP_SCREENSHOT_DIR) + "/editing-script-pasted.png"));

    // Back to the start one step at a time, and forward again.
    for (int i = static_cast<int>(states.size()) - 2; i >= 0; --i) {
        key(Qt::Key_Z);
        EXPECT_EQ(text(), states[static_cast<std::size_t>(i)]) << "undo to state " << i;
        EXPECT_EQ(edit().selectState(), SelectState::None);
    }
    EXPECT_NE(caption().find("     Seite 2 (von 2) : Regelung"), std::string::npos) << caption();
    EXPECT_TRUE(dialogs->boxes.empty());
    key(Qt::Key_Z);
    EXPECT_EQ(dialogs->boxes, std::vector<std::string>{"Undo nicht moeglich"});
    EXPECT_EQ(text(), states.front());
    for (std::size_t i = 1; i < states.size(); ++i) {
        key(Qt::Key_Y);
        EXPECT_EQ(text(), states[i]) << "redo to state " << i;
    }
    key(Qt::Key_Y);
    EXPECT_EQ(lastBox(), "Redo nicht moeglich");
    EXPECT_EQ(text(), states.back());
}

TEST_F(EditingScript, PageCommandsEachUndoneAndRedone)
{
    // Each command, then undo back to the state before it and redo forward to its result.
    auto undoRedo = [this](const std::string& before, const std::string& after, const char* step) {
        key(Qt::Key_Z);
        EXPECT_EQ(text(), before) << "undo of " << step;
        key(Qt::Key_Y);
        EXPECT_EQ(text(), after) << "redo of " << step;
    };
    const std::string start = text();

    dialogs->inputs = {std::string("Neue \"Seite\" ")};
    pageMenu("neue Seite");
    ASSERT_EQ(doc().sheetCount(), 3);
    EXPECT_EQ(doc().currentSheet(), 3);
    EXPECT_EQ(doc().sheet(3).name, "Neue  Seite");
    EXPECT_NE(caption().find("     Seite 3 (von 3) : Neue  Seite"), std::string::npos) << caption();
    const std::string added = text();
    undoRedo(start, added, "neue Seite");
    EXPECT_NE(caption().find("(von 3) : Neue  Seite"), std::string::npos) << caption();

    dialogs->inputs = {std::string("Dritte")};
    pageMenu("Bezeichnung aendern");
    EXPECT_EQ(dialogs->asked.back(), "input:aktuelle Seitenbezeichnung aendern|neue Bezeichnung ?|Neue  Seite");
    EXPECT_NE(caption().find("     Seite 3 (von 3) : Dritte"), std::string::npos) << caption();
    const std::string renamed = text();
    undoRedo(added, renamed, "Bezeichnung aendern");

    // Lowered, the empty third page changes places with "Regelung" and its objects.
    pageMenu("Seite absenken");
    EXPECT_EQ(doc().currentSheet(), 2);
    EXPECT_EQ(doc().sheet(2).name, "Dritte");
    EXPECT_EQ(doc().sheet(3).name, "Regelung");
    EXPECT_EQ(block(Adder)->sheet, 3);
    EXPECT_EQ(comment()->sheet, 3);
    const std::string lowered = text();
    undoRedo(renamed, lowered, "Seite absenken");

    // Raised again, the document is exactly as before the lowering.
    pageMenu("Seite anheben");
    EXPECT_EQ(doc().currentSheet(), 3);
    EXPECT_EQ(text(), renamed);
    undoRedo(lowered, renamed, "Seite anheben");

    // Deleting page 1 takes the macro with its inside; the later pages move down.
    key(Qt::Key_PageDown);
    key(Qt::Key_PageDown);
    ASSERT_EQ(doc().currentSheet(), 1);
    const std::string onFirst = text();
    dialogs->yesNo = {true};
    pageMenu("Seite loeschen");
    EXPECT_EQ(dialogs->asked.back(), "yesno:SEITE LOESCHEN ?");
    ASSERT_EQ(doc().sheetCount(), 2);
    EXPECT_EQ(doc().sheet(1).name, "Regelung");
    EXPECT_EQ(block(Macro), nullptr);
    EXPECT_EQ(block(InPort), nullptr);
    EXPECT_EQ(block(Limiter), nullptr);
    EXPECT_EQ(block(Adder)->sheet, 1);
    EXPECT_EQ(comment()->sheet, 1);
    EXPECT_NE(caption().find("     Seite 1 (von 2) : Regelung"), std::string::npos) << caption();
    const std::string deleted = text();
    undoRedo(onFirst, deleted, "Seite loeschen");

    // Answered No, nothing is deleted and nothing stored.
    dialogs->yesNo = {false};
    pageMenu("Seite loeschen");
    EXPECT_EQ(text(), deleted);
    key(Qt::Key_Z);
    EXPECT_EQ(text(), onFirst);
    EXPECT_TRUE(dialogs->boxes.empty()) << dialogs->boxes.front();
}

TEST_F(EditingScript, InsideAMacroAndBackWithUndo)
{
    const std::string start = text();
    EXPECT_NE(caption().find("     Seite 1 (von 2) : Anlage"), std::string::npos) << caption();

    // "Oeffnen" from the macro block's own menu.
    rightClickChoose(middleOf(*block(Macro)), "Oeffnen");
    const int inside = block(Macro)->childPage;
    ASSERT_EQ(doc().currentSheet(), inside);
    EXPECT_NE(caption().find("     Makro(1):  Regler"), std::string::npos) << caption();
    EXPECT_FALSE(window->action(Cmd::PagesMenu)->isEnabled());
    const std::string opened = text();

    // The port dragged by two cells right and three down.
    TKiste* port = block(InPort);
    const int portX = port->x;
    const int portY = port->y;
    drag(middleOf(*port), middleOf(*port) + QPoint(20, 30));
    EXPECT_EQ(block(InPort)->x, portX + 2);
    EXPECT_EQ(block(InPort)->y, portY + 3);
    const std::string changed = text();

    // Undone and redone inside, the view stays inside the macro.
    key(Qt::Key_Z);
    EXPECT_EQ(text(), opened);
    EXPECT_EQ(doc().currentSheet(), inside);
    EXPECT_NE(caption().find("     Makro(1):  Regler"), std::string::npos) << caption();
    key(Qt::Key_Y);
    EXPECT_EQ(text(), changed);
    EXPECT_EQ(block(InPort)->x, portX + 2);

    // "<-- Zurueck" from the sheet's menu, on an empty place.
    QStringList offered = rightClickChoose(pixel(90, 60), "<-- Zurueck");
    EXPECT_TRUE(offered.contains("<-- Zurueck")) << offered.join("|").toStdString();
    ASSERT_EQ(doc().currentSheet(), 1);
    EXPECT_EQ(doc().mother(), nullptr);
    EXPECT_NE(caption().find("     Seite 1 (von 2) : Anlage"), std::string::npos) << caption();
    EXPECT_EQ(block(Macro)->colour, colour::Green);
    EXPECT_TRUE(window->action(Cmd::PagesMenu)->isEnabled());
    EXPECT_TRUE(dialogs->boxes.empty()) << dialogs->boxes.front();
    // Back outside, the document is the changed one seen from page 1.
    std::string expected = changed;
    const std::string insidePage = "(PAGE  " + std::to_string(inside) + " )";
    ASSERT_NE(expected.find(insidePage), std::string::npos);
    expected.replace(expected.find(insidePage), insidePage.size(), "(PAGE  1 )");
    EXPECT_EQ(text(), expected);

    // Undo brings back the state before the drag, which was inside the macro; the way out
    // is there again.
    key(Qt::Key_Z);
    EXPECT_EQ(text(), opened);
    EXPECT_EQ(doc().currentSheet(), inside);
    EXPECT_NE(caption().find("     Makro(1):  Regler"), std::string::npos) << caption();
    offered = rightClickChoose(pixel(90, 60), "<-- Zurueck");
    EXPECT_TRUE(offered.contains("<-- Zurueck")) << offered.join("|").toStdString();
    EXPECT_EQ(doc().currentSheet(), 1);
    EXPECT_NE(caption().find("     Seite 1 (von 2) : Anlage"), std::string::npos) << caption();
    EXPECT_EQ(text(), start);
}

TEST_F(EditingScript, ClipboardTextsThatAreNoFrameChangeNothing)
{
    // A real clipboard text of the constant, cut off in the middle.
    key(Qt::Key_PageUp);
    drag(pixel(2, 2), pixel(20, 14));
    ASSERT_EQ(edit().selectState(), SelectState::Selected);
    key(Qt::Key_C);
    const QString copied = QApplication::clipboard()->text();
    ASSERT_TRUE(copied.startsWith("("));
    const std::string before = text();
    const int depth = edit().undoBuffer().undoDepth();
    QCursor::setPos(viewport()->mapToGlobal(pixel(70, 50)));

    struct Case {
        QString clipboard;
        bool reported; // a frame text that cannot be read; anything else is not looked at
    };
    for (const Case& c : {Case{copied.left(copied.size() / 2), true}, Case{"(", true},
                          Case{"(SPSFILE kaputt\r\n)", true}, Case{"Hallo Welt", false}, Case{"", false}}) {
        dialogs->boxes.clear();
        window->messageWindow().clear();
        QApplication::clipboard()->setText(c.clipboard);
        key(Qt::Key_V);
        const std::string shown = c.clipboard.left(20).toStdString();
        EXPECT_EQ(text(), before) << shown;
        EXPECT_EQ(edit().selectState(), SelectState::None) << shown;
        EXPECT_EQ(edit().undoBuffer().undoDepth(), depth) << shown;
        const bool reported = lastBox().find("ParseClipboardString") != std::string::npos;
        EXPECT_EQ(reported, c.reported) << shown;
    }
    // Undo has nothing to take back.
    key(Qt::Key_Z);
    EXPECT_EQ(lastBox(), "Undo nicht moeglich");
    EXPECT_EQ(text(), before);
}

} // namespace
} // namespace fup::gui

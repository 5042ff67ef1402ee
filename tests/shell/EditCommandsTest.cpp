#include "shell/Haupt.h"
#include "HauptFixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace fup {
namespace {

struct EditFixture : test::HauptFixture {
    EditFixture()
    {
        doc().setZoom(10);
        doc().setScroll(0, 0);
    }
    Document& doc() { return haupt.document(); }
    // A block as the menus leave it: numbered and named.
    TKiste* addBlock(int type, int sheet, int x, int y)
    {
        TKiste* block = doc().createBlock(type, 2, 1, sheet, x, y, false);
        doc().renumber();
        return block;
    }
    EditCommands& edit() { return haupt.edit(); }
    std::string text() { return edit().snapshotText(); }
    // A frame drawn from one grid cell to another (zoom 10, no scroll).
    void frame(GridPoint from, GridPoint to)
    {
        edit().press({{from.x * 10, from.y * 10}, MouseButton::Left, {}});
        edit().move({{to.x * 10, to.y * 10}, MouseButton::Left, {}});
        edit().release({{to.x * 10, to.y * 10}, MouseButton::Left, {}});
    }
    void drag(GridPoint from, GridPoint to)
    {
        edit().press({{from.x * 10, from.y * 10}, MouseButton::Left, {}});
        edit().move({{to.x * 10, to.y * 10}, MouseButton::Left, {}});
        edit().release({{to.x * 10, to.y * 10}, MouseButton::Left, {}});
    }
    int blocksOn(int sheet)
    {
        int n = 0;
        for (const TKiste* b : doc().blocks())
            n += b->sheet == sheet;
        return n;
    }
};

TEST_F(EditFixture, SelectMoveCutPasteThenUndoAndRedoEachStep)
{
    addBlock(13, 1, 4, 4);
    addBlock(14, 1, 30, 4);
    std::vector<std::string> states{text()};

    frame({2, 2}, {10, 10});
    ASSERT_EQ(edit().selectState(), SelectState::Selected);
    EXPECT_TRUE(doc().blocks()[0]->selected);
    EXPECT_FALSE(doc().blocks()[1]->selected);
    EXPECT_EQ(text(), states.back()); // selecting changes nothing that is stored

    drag({5, 5}, {8, 9});
    EXPECT_EQ(edit().selectState(), SelectState::Selected);
    EXPECT_EQ(doc().blocks()[0]->x, 7);
    EXPECT_EQ(doc().blocks()[0]->y, 8);
    states.push_back(text());

    edit().cut();
    EXPECT_EQ(edit().selectState(), SelectState::None);
    ASSERT_EQ(doc().blocks().size(), 1u);
    EXPECT_EQ(doc().blocks()[0]->number, 1);
    states.push_back(text());

    edit().paste({200, 200});
    ASSERT_EQ(edit().selectState(), SelectState::Selected);
    ASSERT_EQ(doc().blocks().size(), 2u);
    states.push_back(text());

    for (int i = static_cast<int>(states.size()) - 2; i >= 0; --i) {
        ASSERT_TRUE(edit().undo());
        EXPECT_EQ(text(), states[static_cast<std::size_t>(i)]) << "undo to state " << i;
    }
    EXPECT_FALSE(edit().undo());
    EXPECT_EQ(view.boxes.back(), "Undo nicht moeglich");
    for (std::size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(edit().redo());
        EXPECT_EQ(text(), states[i]) << "redo to state " << i;
    }
    EXPECT_FALSE(edit().redo());
    EXPECT_EQ(view.boxes.back(), "Redo nicht moeglich");
}

TEST_F(EditFixture, ClickWithoutDraggingMakesNoSelection)
{
    addBlock(13, 1, 4, 4);
    edit().press({{40, 40}, MouseButton::Left, {}});
    edit().release({{40, 40}, MouseButton::Left, {}});
    EXPECT_EQ(edit().selectState(), SelectState::None);
    EXPECT_FALSE(doc().blocks()[0]->selected);
}

TEST_F(EditFixture, PressOutsideTheFrameStartsANewOne)
{
    addBlock(13, 1, 4, 4);
    frame({2, 2}, {10, 10});
    edit().press({{300, 300}, MouseButton::Left, {}});
    EXPECT_EQ(edit().selectState(), SelectState::Drawing);
    EXPECT_FALSE(doc().blocks()[0]->selected);
    EXPECT_EQ(edit().selectRect(), (FrameRect{30, 30, 31, 31}));
}

TEST_F(EditFixture, ClipboardTextThatIsNoFrameChangesNothing)
{
    addBlock(13, 1, 4, 4);
    const std::string before = text();
    struct : platform::Clipboard {
        std::string text() const override { return content; }
        void setText(const std::string& t) override { content = t; }
        std::string content;
    } clipboard;
    edit().setClipboard(&clipboard);
    for (const std::string content : {"", "hello", "(garbage without end", "(SPSFILE broken\n)"}) {
        clipboard.content = content;
        edit().paste({100, 100});
        EXPECT_EQ(text(), before) << content;
        EXPECT_EQ(edit().selectState(), SelectState::None) << content;
    }
    // Neither stores a snapshot: undo would have nothing to take back.
    EXPECT_EQ(edit().undoBuffer().undoDepth(), 0);
}

TEST_F(EditFixture, PasteWhileAFrameExistsDoesNothing)
{
    addBlock(13, 1, 4, 4);
    frame({2, 2}, {10, 10});
    edit().copy();
    frame({2, 2}, {10, 10});
    const std::string before = text();
    edit().paste({200, 200});
    EXPECT_EQ(text(), before);
    EXPECT_EQ(doc().blocks().size(), 1u);
}

TEST_F(EditFixture, DeleteAsksAndRemovesTheSelection)
{
    addBlock(13, 1, 4, 4);
    addBlock(14, 1, 30, 4);
    frame({2, 2}, {10, 10});
    dialogs.yesNo = {false};
    edit().deleteSelection();
    EXPECT_EQ(doc().blocks().size(), 2u);
    dialogs.yesNo = {true};
    edit().deleteSelection();
    EXPECT_EQ(dialogs.asked.back(), "yesno:LOESCHEN ?");
    ASSERT_EQ(doc().blocks().size(), 1u);
    EXPECT_EQ(doc().blocks()[0]->type, 14);
    EXPECT_EQ(edit().selectState(), SelectState::None);
    ASSERT_TRUE(edit().undo());
    EXPECT_EQ(doc().blocks().size(), 2u);
}

TEST_F(EditFixture, PagesNewRenameRaiseLowerDelete)
{
    addBlock(13, 1, 4, 4);
    dialogs.inputs = {"Zwei \"B\"", "Drei"};
    ASSERT_TRUE(edit().newPage());
    EXPECT_EQ(doc().sheetCount(), 2);
    EXPECT_EQ(doc().currentSheet(), 2);
    EXPECT_EQ(doc().sheet(2).name, "Zwei  B");
    addBlock(14, 2, 4, 4);
    ASSERT_TRUE(edit().newPage());
    EXPECT_EQ(doc().sheet(3).name, "Drei");

    // Page 2 goes up one place and takes its block along; the view follows it.
    ASSERT_TRUE(edit().goToPage(2));
    edit().raisePage();
    EXPECT_EQ(doc().currentSheet(), 3);
    EXPECT_EQ(doc().sheet(3).name, "Zwei  B");
    EXPECT_EQ(doc().blocks()[1]->sheet, 3);
    edit().lowerPage();
    EXPECT_EQ(doc().currentSheet(), 2);
    EXPECT_EQ(doc().blocks()[1]->sheet, 2);

    dialogs.inputs = {"Anders"};
    edit().renamePage();
    EXPECT_EQ(doc().sheet(2).name, "Anders");
    EXPECT_NE(view.caption.find("Seite 2 (von 3) : Anders"), std::string::npos) << view.caption;

    dialogs.yesNo = {true};
    edit().deletePage();
    EXPECT_EQ(dialogs.asked.back(), "yesno:SEITE LOESCHEN ?");
    EXPECT_EQ(doc().sheetCount(), 2);
    EXPECT_EQ(doc().sheet(2).name, "Drei");
    ASSERT_EQ(doc().blocks().size(), 1u);
    EXPECT_EQ(doc().blocks()[0]->sheet, 1);
    ASSERT_TRUE(edit().undo());
    EXPECT_EQ(doc().sheetCount(), 3);
    EXPECT_EQ(blocksOn(2), 1);
}

TEST_F(EditFixture, DeletingTheOnlyPageLeavesAnEmptyUnnamedPage)
{
    doc().renameSheet(1, "Eins");
    addBlock(13, 1, 4, 4);
    dialogs.yesNo = {true};
    edit().deletePage();
    EXPECT_EQ(doc().sheetCount(), 1);
    EXPECT_EQ(doc().sheet(1).name, "");
    EXPECT_TRUE(doc().blocks().empty());
}

TEST_F(EditFixture, AHundredthPageIsRefused)
{
    for (int i = 2; i <= MaxSheets; ++i)
        ASSERT_TRUE(doc().appendSheet(""));
    dialogs.inputs = {"zuviel"};
    EXPECT_FALSE(edit().newPage());
    EXPECT_EQ(doc().sheetCount(), MaxSheets);
    EXPECT_FALSE(view.boxes.empty());
}

TEST_F(EditFixture, SelectionGoesAlongToTheNextPage)
{
    doc().appendSheet("zwei");
    addBlock(13, 1, 4, 4);
    addBlock(14, 1, 30, 4);
    frame({2, 2}, {10, 10});
    ASSERT_TRUE(edit().keyPress(EditKey::PageUp, {}, {0, 0}));
    EXPECT_EQ(doc().currentSheet(), 2);
    EXPECT_EQ(doc().blocks()[0]->sheet, 2);
    EXPECT_EQ(doc().blocks()[1]->sheet, 1);
    EXPECT_EQ(edit().selectState(), SelectState::Selected);
    edit().keyPress(EditKey::PageDown, {}, {0, 0});
    EXPECT_EQ(doc().currentSheet(), 1);
    EXPECT_EQ(doc().blocks()[0]->sheet, 1);
    // Each carry is one undo step; undo shows the page the selection was on.
    edit().keyPress(EditKey::PageUp, {}, {0, 0});
    ASSERT_TRUE(edit().undo());
    EXPECT_EQ(doc().currentSheet(), 1);
    EXPECT_EQ(doc().blocks()[0]->sheet, 1);
}

TEST_F(EditFixture, SelectionWithAPinWireAcrossPagesStays)
{
    doc().appendSheet("zwei");
    TKiste* a = addBlock(13, 1, 4, 4);
    TKiste* b = addBlock(14, 1, 40, 4);
    ASSERT_TRUE(doc().connect(*a->outputPin(1), *b->inputPin(1)));
    frame({2, 2}, {10, 10});
    EXPECT_FALSE(edit().goToPage(2));
    EXPECT_NE(view.boxes.back().find("ggf. ueber einen ZwischenPunkt in die andere Seite gehen."),
              std::string::npos);
    EXPECT_EQ(doc().currentSheet(), 1);
    EXPECT_EQ(a->sheet, 1);
    EXPECT_EQ(edit().selectState(), SelectState::None);
}

TEST_F(EditFixture, ZoomStepsStayWithinTwoAndTwentyEight)
{
    struct Case {
        int from;
        EditKey key;
        int expected;
    };
    for (const Case c : {Case{10, EditKey::Plus, 11}, Case{10, EditKey::Minus, 9},
                         Case{28, EditKey::Plus, 28}, Case{2, EditKey::Minus, 2}}) {
        doc().setZoom(c.from);
        edit().keyPress(c.key, {}, {100, 100});
        EXPECT_EQ(doc().zoom(), c.expected) << c.from;
    }
    // The point under the mouse stays there.
    doc().setZoom(10);
    doc().setScroll(200, 100);
    edit().stepZoom(1, {300, 200});
    EXPECT_EQ(doc().zoom(), 11);
    EXPECT_EQ(doc().scrollX(), 50 * 11 - 300);
    EXPECT_EQ(doc().scrollY(), 30 * 11 - 200);
}

TEST_F(EditFixture, FitAndOverviewZoom)
{
    doc().setClientSize(800, 600);
    std::vector<PixelPoint> pointer;
    haupt.gestures().movePointer = [&pointer](PixelPoint p) { pointer.push_back(p); };
    edit().fitRect(0, 0, 113, 76);
    EXPECT_EQ(doc().zoom(), std::min((800 + 5) / 113, (600 + 10) / 76));
    // The pointer goes onto the middle of what was fitted.
    ASSERT_EQ(pointer.size(), 1u);
    EXPECT_EQ(pointer.back(), toPixel({56, 40}, ViewGeometry::of(doc())));
    edit().zoomOverview();
    EXPECT_EQ(doc().zoom(), 2);
    EXPECT_EQ(doc().scrollX(), 0);
    edit().fitRect(10, 10, 5, 5); // inverted: nothing
    EXPECT_EQ(doc().zoom(), 2);
}

TEST_F(EditFixture, WheelScrollsAndZooms)
{
    doc().setScroll(400, 400);
    edit().wheel(-1, {}, {10, 10});
    EXPECT_EQ(doc().scrollY(), 440);
    edit().wheel(1, KeyModifiers{false, false, true}, {10, 10});
    EXPECT_EQ(doc().scrollX(), 360);
    edit().wheel(-1, KeyModifiers{false, true, false}, {10, 10});
    EXPECT_EQ(doc().zoom(), 11);
}

TEST_F(EditFixture, MiddleButtonPans)
{
    doc().setScroll(300, 300);
    edit().press({{100, 100}, MouseButton::Middle, {}});
    edit().move({{80, 130}, MouseButton::Middle, {}});
    EXPECT_EQ(doc().scrollX(), 320);
    EXPECT_EQ(doc().scrollY(), 270);
    edit().release({{80, 130}, MouseButton::Middle, {}});
    EXPECT_FALSE(edit().panning());
}

TEST_F(EditFixture, FindBlockByNumber)
{
    addBlock(13, 1, 4, 4);
    addBlock(14, 1, 30, 4);
    std::vector<PixelPoint> pointer;
    haupt.gestures().movePointer = [&pointer](PixelPoint p) { pointer.push_back(p); };
    const auto pixelOf = [this](const TKiste& b) { return toPixel({b.x, b.y}, ViewGeometry::of(doc())); };
    dialogs.inputs = {"x1"};
    edit().findBlock();
    EXPECT_EQ(view.boxes.back(), "Nur ganze Zahlen eingeben!");
    EXPECT_TRUE(pointer.empty());
    dialogs.inputs = {" 2 "};
    edit().findBlock();
    EXPECT_EQ(edit().foundLast(), 2);
    EXPECT_EQ(doc().blocks()[1]->colour, colour::Red);
    // The pointer goes onto the block found.
    ASSERT_EQ(pointer.size(), 1u);
    EXPECT_EQ(pointer.back(), pixelOf(*doc().blocks()[1]));
    edit().keyPress(EditKey::B, {}, {0, 0});
    EXPECT_EQ(edit().foundLast(), 1);
    EXPECT_EQ(pointer.back(), pixelOf(*doc().blocks()[0]));
    edit().keyPress(EditKey::B, {}, {0, 0}); // below 1 stays at 1
    EXPECT_EQ(edit().foundLast(), 1);
    edit().keyPress(EditKey::N, {}, {0, 0});
    edit().keyPress(EditKey::N, {}, {0, 0}); // no block 3
    EXPECT_EQ(edit().foundLast(), 0);
}

TEST_F(EditFixture, PassivateAndActivateFromTheSheetMenu)
{
    addBlock(13, 1, 4, 4);
    EXPECT_FALSE(edit().sheetMenu().passivate);
    frame({2, 2}, {10, 10});
    EXPECT_TRUE(edit().sheetMenu().passivate);
    EXPECT_TRUE(edit().sheetMenu().zoomSelection);
    edit().passivateSelection();
    EXPECT_TRUE(doc().blocks()[0]->passive);
    EXPECT_EQ(edit().selectState(), SelectState::None);
    frame({2, 2}, {10, 10});
    edit().activateSelection();
    EXPECT_FALSE(doc().blocks()[0]->passive);
}

TEST_F(EditFixture, SnapshotKeyStoresAnUnchangedDocumentOnce)
{
    edit().keyRelease(EditKey::S, {}, {0, 0});
    edit().keyRelease(EditKey::S, {}, {0, 0});
    EXPECT_EQ(edit().undoBuffer().undoDepth(), 1);
}

TEST_F(EditFixture, BlockCommandsTakeASnapshotFirst)
{
    TKiste* block = addBlock(13, 1, 4, 4);
    const std::string before = text();
    haupt.blockCommand(*block, BlockCommand::Flip);
    EXPECT_NE(text(), before);
    ASSERT_TRUE(edit().undo());
    EXPECT_EQ(text(), before);
}

TEST_F(EditFixture, UnreadableSnapshotLeavesAnEmptyPage)
{
    addBlock(13, 1, 4, 4);
    EXPECT_FALSE(edit().restore("(nonsense"));
    EXPECT_TRUE(doc().blocks().empty());
    EXPECT_EQ(doc().sheetCount(), 1);
}

} // namespace
} // namespace fup

namespace fup {
namespace {

// A program directory of its own for each test.
struct SubProcessFixture : EditFixture {
    SubProcessFixture()
    {
        directory = std::filesystem::temp_directory_path() /
                    ("fup-subprocess-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                     "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(directory);
        std::filesystem::create_directories(directory);
        haupt.state().programDirectory = directory / "";
        haupt.state().dataDirectory = directory / ""; // as loading a program leaves it
        haupt.state().processName = "HAUPT";
    }
    ~SubProcessFixture() override { std::filesystem::remove_all(directory); }
    TKiste* subProcess(const std::string& name, int sheet = 1)
    {
        TKiste* block = addBlock(180, sheet, 10, 10);
        block->param("nam")->value = name;
        return block;
    }
    std::filesystem::path directory;
};

TEST_F(SubProcessFixture, DescendAndReturnRestoresTheCallerExactly)
{
    addBlock(13, 1, 4, 4);
    TKiste* sub = subProcess("TEIL");
    const std::string caller = text();
    dialogs.yesNo = {true};
    haupt.blockCommand(*sub, BlockCommand::OpenInside);
    EXPECT_EQ(dialogs.asked.back(), "yesno:Datei: \"TEIL\" existiert nicht.. Datei neu erzeugen ?");
    EXPECT_EQ(edit().progStack().depth(), 1);
    EXPECT_EQ(edit().levelKind(), 180);
    EXPECT_EQ(haupt.state().processName, "TEIL");
    EXPECT_TRUE(doc().blocks().empty());
    EXPECT_TRUE(haupt.menuState()[Cmd::BackSubProcess].visible);
    EXPECT_FALSE(haupt.menuState()[Cmd::Exit].enabled);

    addBlock(14, 1, 8, 8);
    // "Aenderungen speichern ?" is answered Cancel by the fixture's dialogs: nothing happens.
    EXPECT_FALSE(edit().Zurueck_SubProc());
    EXPECT_EQ(edit().progStack().depth(), 1);
    // Without the question (No): the file is not written and the caller is back.
    ASSERT_TRUE(edit().Zurueck_SubProc(false));
    EXPECT_FALSE(std::filesystem::exists(directory / "TEIL.KR2"));
    EXPECT_EQ(text(), caller);
    EXPECT_EQ(haupt.state().processName, "HAUPT");
    EXPECT_EQ(edit().levelKind(), 0);
    EXPECT_FALSE(haupt.menuState()[Cmd::BackSubProcess].visible);
    EXPECT_TRUE(haupt.menuState()[Cmd::Exit].enabled);
}

TEST_F(SubProcessFixture, RefusalsLeaveEverythingAsItWas)
{
    struct Case {
        std::string name;
        std::string message;
    };
    for (const Case& c : {Case{"-", "Ungueltiger Prozess-Name: -"},
                          Case{" haupt ", "Rekursiver Prozess-Aufruf von: haupt"}}) {
        TKiste* sub = subProcess(c.name);
        const std::string before = text();
        EXPECT_FALSE(edit().openSubProcess(*sub)) << c.name;
        EXPECT_EQ(view.boxes.back(), c.message);
        EXPECT_EQ(text(), before);
        EXPECT_EQ(edit().progStack().depth(), 0);
    }
    dialogs.yesNo = {false}; // "Datei neu erzeugen ?" No
    TKiste* missing = subProcess("NEU");
    EXPECT_FALSE(edit().openSubProcess(*missing));
    EXPECT_EQ(haupt.state().processName, "HAUPT");
}

TEST_F(SubProcessFixture, FiveNestedFilesAtMost)
{
    for (int level = 1; level <= TProgStack::MaxDepth; ++level) {
        TKiste* sub = subProcess("S" + std::to_string(level));
        dialogs.yesNo = {true}; // "Datei neu erzeugen ?"
        ASSERT_TRUE(edit().openSubProcess(*sub)) << level;
    }
    EXPECT_EQ(edit().progStack().depth(), 5);
    TKiste* sixth = subProcess("S6");
    EXPECT_FALSE(edit().openSubProcess(*sixth));
    EXPECT_EQ(view.boxes.back(), "Max. Schachtelungstiefe erreicht");
    // A file further up the stack is a recursion.
    TKiste* again = subProcess("s2");
    EXPECT_FALSE(edit().openSubProcess(*again));
    EXPECT_EQ(view.boxes.back(), "Rekursiver Prozess-Aufruf von: s2");
    // Such a block keeps the user from returning until it is gone.
    EXPECT_FALSE(edit().Zurueck_SubProc(false));
    EXPECT_EQ(view.boxes.back(), "Zurueck (mit rekursiven Bloecken) NICHT moeglich");
    doc().removeBlock(*again);
    for (int level = TProgStack::MaxDepth; level >= 1; --level) {
        ASSERT_TRUE(edit().Zurueck_SubProc(false)) << level;
        EXPECT_EQ(haupt.state().processName, level == 1 ? "HAUPT" : "S" + std::to_string(level - 1));
    }
    EXPECT_FALSE(edit().Zurueck_SubProc(false));
    EXPECT_EQ(view.boxes.back(), "Fehler: ProgStack Unterlauf");
}

} // namespace
} // namespace fup

namespace fup {
namespace {

TEST_F(EditFixture, CaptionNamesModePageAndFile)
{
    haupt.state().programDirectory = "/daten/anlage/";
    haupt.state().processName = "PUMPE";
    doc().renameSheet(1, "Zulauf");
    doc().appendSheet("Ablauf");
    haupt.EditClick();
    EXPECT_EQ(view.caption, "EDIT:  PUMPE    /daten/anlage/PUMPE       Seite 1 (von 2) : Zulauf    Datei: "
                            "ohne Savedatum    Compiled: ohne Compiledatum");
    haupt.settings().saveDate = "01.02.2026  10:11:12";
    edit().nextPage();
    EXPECT_EQ(view.caption, "EDIT:  PUMPE    /daten/anlage/PUMPE       Seite 2 (von 2) : Ablauf    Datei: "
                            "01.02.2026  10:11:12    Compiled: ohne Compiledatum");
}

} // namespace
} // namespace fup

namespace fup {
namespace {

// Commands that replace what is on screen must not leave a frame behind: a stale one
// keeps paste refused and the sheet menu offering a selection that is gone.
TEST_F(EditFixture, ReplacingTheSheetOnScreenEndsTheFrame)
{
    struct Case {
        const char* what;
        std::function<void(EditFixture&, TKiste& macro)> replace;
    };
    const Case cases[] = {
        {"open a macro", [](EditFixture& f, TKiste& macro) { f.haupt.blockCommand(macro, BlockCommand::OpenInside); }},
        {"return from a macro",
         [](EditFixture& f, TKiste& macro) {
             ASSERT_TRUE(f.haupt.KisteExpand(macro));
             f.addBlock(13, macro.childPage, 4, 4);
             f.frame({2, 2}, {10, 10});
             ASSERT_EQ(f.edit().selectState(), SelectState::Selected);
             ASSERT_TRUE(f.haupt.PopZurueckMacro());
         }},
        {"return from a found block to its macro",
         [](EditFixture& f, TKiste& macro) {
             TKiste* inner = f.addBlock(13, macro.childPage, 4, 4);
             ASSERT_TRUE(f.edit().goToBlock(inner->number));
             f.frame({2, 2}, {10, 10});
             ASSERT_EQ(f.edit().selectState(), SelectState::Selected);
             ASSERT_TRUE(f.haupt.PopZurueckMacro());
             ASSERT_EQ(f.doc().currentSheet(), 1);
         }},
        {"clear the sheets", [](EditFixture& f, TKiste&) { f.haupt.ArbeitsblaetterLoeschenClick(); }},
        {"load a program", [](EditFixture& f, TKiste&) { f.haupt.loadProgramFile("/nonexistent/NEU.KR2"); }},
    };
    for (const Case& c : cases) {
        doc().clear();
        TKiste* macro = haupt.createBlockFromMenu(187);
        ASSERT_NE(macro, nullptr);
        macro->param("nam")->value = "M";
        macro->x = 4;
        macro->y = 4;
        addBlock(13, 1, 6, 6);
        frame({2, 2}, {10, 10});
        edit().copy();
        frame({2, 2}, {10, 10});
        ASSERT_EQ(edit().selectState(), SelectState::Selected) << c.what;

        c.replace(*this, *macro);
        EXPECT_EQ(edit().selectState(), SelectState::None) << c.what;
        EXPECT_FALSE(edit().sheetMenu().zoomSelection) << c.what;
        EXPECT_FALSE(haupt.menuState()[Cmd::SaveFrame].enabled) << c.what;
        const std::size_t before = doc().blocks().size();
        edit().paste({100, 100});
        EXPECT_EQ(edit().selectState(), SelectState::Selected) << c.what;
        EXPECT_GT(doc().blocks().size(), before) << c.what;
        edit().clearSelectFrame();
    }
}

TEST_F(EditFixture, CommandsThatClearTheMessageWindow)
{
    struct Case {
        const char* what;
        std::function<void(EditFixture&)> command;
    };
    const Case cases[] = {
        {"copy", [](EditFixture& f) { f.edit().copy(); }},
        {"cut", [](EditFixture& f) { f.edit().cut(); }},
        {"return from a macro", [](EditFixture& f) { ASSERT_TRUE(f.haupt.PopZurueckMacro()); }},
    };
    TKiste* macro = haupt.createBlockFromMenu(187);
    ASSERT_NE(macro, nullptr);
    macro->param("nam")->value = "M";
    macro->x = 50; // outside the frame
    for (const Case& c : cases) {
        addBlock(13, 1, 4, 4);
        frame({2, 2}, {10, 10});
        if (std::string(c.what) == "return from a macro") {
            ASSERT_TRUE(haupt.KisteExpand(*macro));
        }
        haupt.reporter().log("alte Meldung");
        ASSERT_FALSE(view.messages.empty());
        c.command(*this);
        EXPECT_TRUE(view.messages.empty()) << c.what;
    }
}

} // namespace
} // namespace fup

namespace fup {
namespace {

TEST_F(SubProcessFixture, TheCycleTimeBelongsToTheTopLevelFile)
{
    TKiste* sub = subProcess("TEIL");
    dialogs.yesNo = {true}; // "Datei neu erzeugen ?"
    ASSERT_TRUE(edit().openSubProcess(*sub));
    haupt.infoFrame().click(InfoButton::CycleTime);
    EXPECT_EQ(view.boxes, std::vector<std::string>{"nur auf oberster SPS-Ebene aenderbar"});

    ASSERT_TRUE(edit().Zurueck_SubProc(false));
    dialogs.inputs = {"20"};
    haupt.infoFrame().click(InfoButton::CycleTime);
    EXPECT_EQ(haupt.state().cycleTimeMs, 20.0);
}

TEST_F(SubProcessFixture, ReturningKeepsAFileThatCouldNotBeSaved)
{
    TKiste* sub = subProcess("TEIL");
    dialogs.yesNo = {true};
    ASSERT_TRUE(edit().openSubProcess(*sub));
    addBlock(14, 1, 8, 8);
    const std::string work = text();

    haupt.saveProgram = [] { return false; };
    dialogs.yesNoCancel = {platform::Answer::Yes}; // "Aenderungen speichern ?"
    EXPECT_FALSE(edit().Zurueck_SubProc());
    EXPECT_EQ(text(), work);
    EXPECT_EQ(edit().progStack().depth(), 1);

    haupt.saveProgram = [] { return true; };
    dialogs.yesNoCancel = {platform::Answer::Yes};
    EXPECT_TRUE(edit().Zurueck_SubProc());
    EXPECT_EQ(haupt.state().processName, "HAUPT");
}

} // namespace
} // namespace fup

namespace fup {
namespace {

// The sheet's keys wait while a panel is open in front of it; the arrow and page keys also
// belong to the lists beside it while they are shown.
TEST_F(EditFixture, KeysWaitWhilePanelsAndListsAreShown)
{
    TKiste* block = addBlock(13, 1, 4, 4);
    doc().appendSheet("Zwei");
    bool projectInfo = false;
    edit().projectInfoShown = [&projectInfo] { return projectInfo; };
    struct Case {
        const char* what;
        std::function<void(EditFixture&)> show;
        std::function<void(EditFixture&)> hide;
        bool arrowsAndPages; // still taken
        bool otherKeys;
    };
    const Case cases[] = {
        {"project information", [&projectInfo](EditFixture&) { projectInfo = true; },
         [&projectInfo](EditFixture&) { projectInfo = false; }, false, false},
        {"parameter panel", [block](EditFixture& f) { f.haupt.openParameters(*block); },
         [](EditFixture& f) { f.haupt.parameterFrame().close(); }, false, false},
        {"variable list", [](EditFixture& f) { f.edit().variableList().show(); },
         [](EditFixture& f) { f.edit().variableList().hide(); }, false, true},
        {"error list", [](EditFixture& f) { f.haupt.errorList().add("Fehler : x", -1); },
         [](EditFixture& f) { f.haupt.errorList().hideAndClear(); }, false, true},
        {"nothing", [](EditFixture&) {}, [](EditFixture&) {}, true, true},
    };
    for (const Case& c : cases) {
        c.show(*this);
        EXPECT_EQ(edit().keyPress(EditKey::PageUp, {}, {0, 0}), c.arrowsAndPages) << c.what;
        EXPECT_EQ(doc().currentSheet(), c.arrowsAndPages ? 2 : 1) << c.what;
        EXPECT_EQ(edit().keyPress(EditKey::Right, {}, {0, 0}), c.arrowsAndPages) << c.what;
        EXPECT_EQ(edit().keyPress(EditKey::Plus, {}, {0, 0}), c.otherKeys) << c.what;
        frame({2, 2}, {10, 10});
        dialogs.yesNo = {false};
        const std::size_t questions = dialogs.asked.size();
        EXPECT_EQ(edit().keyRelease(EditKey::Delete, {}, {0, 0}), c.otherKeys) << c.what;
        EXPECT_EQ(dialogs.asked.size(), questions + (c.otherKeys ? 1 : 0)) << c.what; // "LOESCHEN ?"
        c.hide(*this);
        edit().clearSelectFrame();
        edit().goToPage(1);
        doc().setZoom(10);
    }
}

} // namespace
} // namespace fup

namespace fup {
namespace {

// Of the page commands only deleting a page waits for an editable document.
TEST_F(EditFixture, PageCommandsOutsideEditingKeepToTheirMenu)
{
    struct Case {
        const char* what;
        EditorMode mode;
        bool readOnly;
    };
    for (const Case& c : {Case{"read only", EditorMode::Edit, true},
                          Case{"simulation", EditorMode::Simulation, false}}) {
        doc().clear();
        haupt.state().mode = c.mode;
        haupt.state().readOnly = c.readOnly;
        EXPECT_EQ(haupt.menuState()[Cmd::PagesMenu].enabled, true) << c.what;
        EXPECT_EQ(haupt.menuState()[Cmd::DeletePage].enabled, false) << c.what;
        dialogs.inputs = {"Zwei"};
        EXPECT_TRUE(edit().newPage()) << c.what;
        EXPECT_EQ(doc().sheetCount(), 2) << c.what;
        edit().lowerPage();
        EXPECT_EQ(doc().sheet(1).name, "Zwei") << c.what;
        edit().raisePage();
        EXPECT_EQ(doc().sheet(2).name, "Zwei") << c.what;
        dialogs.inputs = {"Drei"};
        edit().renamePage();
        EXPECT_EQ(doc().sheet(2).name, "Drei") << c.what;
        dialogs.yesNo = {true};
        edit().deletePage();
        EXPECT_EQ(doc().sheetCount(), 2) << c.what;
    }
}

} // namespace
} // namespace fup

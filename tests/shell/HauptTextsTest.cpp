#include "shell/Haupt.h"
#include "HauptFixture.h"

#include "model/Translate.h"

#include <gtest/gtest.h>

namespace fup {
namespace {

struct TextCommands : test::HauptFixture {
    TextCommands() { haupt.undoSnapshot = [this] { ++snapshots; }; }
    int snapshots = 0;
};

TEST_F(TextCommands, MenuTextIsCreatedRedAtTheDefaultPlace)
{
    TTexte* text = haupt.KommentarTextClick();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->sheet, haupt.document().currentSheet());
    EXPECT_EQ((std::pair{text->x, text->y}), (std::pair{4, 4}));
    EXPECT_EQ(text->background, colour::Red);
    EXPECT_EQ(snapshots, 1);

    haupt.NURLESEN1Click(); // read-only
    EXPECT_EQ(haupt.KommentarTextClick(), nullptr);
    EXPECT_EQ(haupt.document().texts().size(), 1u);
}

TEST_F(TextCommands, RemovalWaitsForItsTimerAndBlocksTheMenuMeanwhile)
{
    TTexte* text = haupt.KommentarTextClick();
    TTexte* other = haupt.KommentarTextClick();
    haupt.textCommand(*text, TextCommand::Remove);
    EXPECT_EQ(haupt.document().texts().size(), 2u); // not inside the menu's event
    EXPECT_TRUE(haupt.textMenu(*other).empty());
    timers.advance(1);
    ASSERT_EQ(haupt.document().texts().size(), 1u);
    EXPECT_EQ(haupt.document().texts()[0].get(), other);
    EXPECT_FALSE(haupt.textMenu(*other).empty());
}

TEST_F(TextCommands, RemovalOfATextThatIsGoneAlreadyIsOnlyLogged)
{
    TTexte* text = haupt.KommentarTextClick();
    haupt.textCommand(*text, TextCommand::Remove);
    haupt.document().clear(); // e.g. another file loaded before the timer fired
    timers.advance(1);
    EXPECT_TRUE(haupt.document().texts().empty());
    EXPECT_NE(std::find(view.messages.begin(), view.messages.end(), "Ausketten Misserfolg"),
              view.messages.end());
}

TEST_F(TextCommands, EditTakesTheEntryCleanedAndKeepsTheTextOnCancel)
{
    TTexte* text = haupt.KommentarTextClick();
    dialogs.inputs = {" Pumpe \"P1\" "};
    haupt.textCommand(*text, TextCommand::Edit);
    EXPECT_EQ(text->text, "Pumpe  P1");
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0],
              "input:" + tx("Kommentar") + "|" + tx("bitte neu eingeben") + "|" + tx("Kommentar"));
    EXPECT_EQ(text->background, colour::InactiveCaption); // highlighted

    dialogs.inputs = {std::nullopt}; // cancelled: the default comes back
    haupt.textCommand(*text, TextCommand::Edit);
    EXPECT_EQ(text->text, "Pumpe  P1");
    dialogs.inputs = {"\"  \""};
    haupt.textCommand(*text, TextCommand::Edit);
    EXPECT_EQ(text->text, tx("leerer Kommentar"));
}

TEST_F(TextCommands, EditOfATextRemovedWhileTheDialogWasOpen)
{
    TTexte* text = haupt.KommentarTextClick();
    haupt.textCommand(*text, TextCommand::Remove);
    dialogs.inputs = {"neu"};
    dialogs.whileOpen = [this] { timers.advance(1); };
    // Edit is refused while the removal is pending only through the menu; called
    // directly, the dialog's event loop lets the removal run first.
    haupt.textCommand(*text, TextCommand::Edit);
    EXPECT_TRUE(haupt.document().texts().empty());
}

TEST_F(TextCommands, SimulationAllowsSizeAndColourButNoEditing)
{
    TTexte* text = haupt.KommentarTextClick();
    haupt.compileCheck = [] { return true; };
    haupt.SimulateClick();
    ASSERT_EQ(haupt.state().mode, EditorMode::Simulation);
    haupt.textCommand(*text, TextCommand::ChangeSize);
    haupt.textCommand(*text, TextCommand::ChangeColour);
    EXPECT_TRUE(text->large);
    EXPECT_TRUE(text->coloured);
    dialogs.inputs = {"anders"};
    haupt.textCommand(*text, TextCommand::Edit);
    haupt.textCommand(*text, TextCommand::Remove);
    timers.advance(1);
    EXPECT_EQ(text->text, tx("Kommentar"));
    EXPECT_EQ(haupt.document().texts().size(), 1u);
    EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(TextCommands, MultilineEditorAsksBeforeItStoresAChange)
{
    std::vector<std::string> opened;
    int closed = 0;
    haupt.openCommentEditor = [&](const std::string& text) { opened.push_back(text); };
    haupt.closeCommentEditor = [&] { ++closed; };
    TTexte* text = haupt.KommentarTextClick();
    TTexte* other = haupt.KommentarTextClick();
    haupt.textCommand(*text, TextCommand::EditMultiline);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(haupt.commentInEditor(), text->id());
    // While the editor holds a text, removing and editing are disabled everywhere.
    const std::vector<TextMenuItem> menu = haupt.textMenu(*other);
    ASSERT_EQ(menu.size(), 5u);
    EXPECT_FALSE(menu[0].enabled);
    EXPECT_TRUE(menu[3].enabled);
    haupt.textCommand(*other, TextCommand::EditMultiline);
    EXPECT_EQ(opened.size(), 1u);

    // Cancel stays in the editor; no discards; yes stores.
    dialogs.yesNoCancel = {platform::Answer::Cancel, platform::Answer::No};
    EXPECT_FALSE(haupt.finishMultilineComment("Zeile 1\nZeile 2"));
    EXPECT_TRUE(haupt.commentInEditor().has_value());
    EXPECT_TRUE(haupt.finishMultilineComment("Zeile 1\nZeile 2"));
    EXPECT_EQ(text->text, tx("Kommentar"));
    EXPECT_FALSE(haupt.commentInEditor().has_value());

    haupt.textCommand(*text, TextCommand::EditMultiline);
    dialogs.yesNoCancel = {platform::Answer::Yes};
    EXPECT_TRUE(haupt.finishMultilineComment("  Zeile \"1\"\nZeile 2 \n"));
    EXPECT_EQ(text->text, "Zeile  1 \nZeile 2");

    // Unchanged text: no question. Blank text becomes "leer-Kommentar".
    haupt.textCommand(*text, TextCommand::EditMultiline);
    const auto questions = dialogs.asked.size();
    EXPECT_TRUE(haupt.finishMultilineComment("Zeile  1 \nZeile 2"));
    EXPECT_EQ(dialogs.asked.size(), questions);
    haupt.textCommand(*text, TextCommand::EditMultiline);
    dialogs.yesNoCancel = {platform::Answer::Yes};
    EXPECT_TRUE(haupt.finishMultilineComment(" \" "));
    EXPECT_EQ(text->text, tx("leer-Kommentar"));

    // Removing the text in the editor closes the editor.
    haupt.textCommand(*text, TextCommand::EditMultiline);
    haupt.textCommand(*text, TextCommand::Remove);
    timers.advance(1);
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(haupt.commentInEditor().has_value());
}

TEST_F(TextCommands, MacroTakesTheTextsOfItsInsideAlong)
{
    Document& document = haupt.document();
    TKiste* macro = haupt.createBlockFromMenu(187);
    ASSERT_NE(macro, nullptr);
    document.createText(3, 3, macro->childPage, false, false);
    document.createText(3, 3, 1, false, false);
    haupt.blockCommand(*macro, BlockCommand::Remove);
    timers.advance(1);
    ASSERT_EQ(document.texts().size(), 1u);
    EXPECT_EQ(document.texts()[0]->sheet, 1);
}

} // namespace
} // namespace fup

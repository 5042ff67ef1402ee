#include "shell/TextEditorSession.h"
#include "shell/Haupt.h"

#include "HauptFixture.h"
#include "model/Translate.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace fup {
namespace {

using platform::Answer;

struct TextEditor : test::HauptFixture {
    TextEditor()
    {
        haupt.openCommentEditor = [this](const std::string& text) { shown.push_back(text); };
        haupt.closeCommentEditor = [this] { ++hidden; };
    }

    TextEditorSession& session() { return haupt.textEditor(); }
    Document& document() { return haupt.document(); }

    // Parameter values in dialog order: nam, de, ae, ie, da, aa, ia, txt.
    TKiste* stBlock(const std::string& name, const std::string& program)
    {
        TKiste* block = haupt.createBlockFromMenu(81);
        document().setParameters(*block, {name, "a", "", "", "q", "", "", program}, haupt.editContext());
        return block;
    }
    static std::string program(const TKiste& block) { return block.param("txt")->value; }
    int undoDepth() { return haupt.edit().undoBuffer().undoDepth(); }
    bool openOffered(const TKiste& block)
    {
        for (const BlockMenuItem& item : blockContextMenu(block, haupt.blockMenuContext()))
            if (item.command == BlockCommand::OpenEditor)
                return item.enabled;
        return false;
    }

    std::vector<std::string> shown;
    int hidden = 0;
};

TEST(TextEditorTemplate, ShortProgramsStartFromTheTemplate)
{
    EXPECT_EQ(structuredTextTemplate("Regler"), "PROGRAM Regler;\r\n"
                                                "\r\nCONST\r\n"
                                                "\r\nVAR_TEMP\r\n"
                                                "\r\nVAR_LOCAL\r\n"
                                                "\r\nBEGIN_PROGRAM\r\n"
                                                "\r\nEND_PROGRAM\r\n");
    EXPECT_EQ(structuredTextTemplate("").substr(0, 15), "PROGRAM name;\r\n");
}

TEST_F(TextEditor, OpeningShowsTheProgramOrTheTemplate)
{
    struct Case {
        const char* stored;
        std::string expected;
    };
    const std::string regler =
        "PROGRAM Regler;\n\nCONST\n\nVAR_TEMP\n\nVAR_LOCAL\n\nBEGIN_PROGRAM\n\nEND_PROGRAM\n";
    const Case cases[] = {
        {"", regler},                 // a new block
        {"a:=b", regler},             // too short to be a program
        {"äöüßx", regler},            // five characters, ten bytes
        {"a := b", "a := b"},         // six characters
        {"x\r\ny := 1", "x\ny := 1"}, // line ends as the document keeps them
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        TKiste* block = stBlock("Regler", c.stored);
        haupt.blockCommand(*block, BlockCommand::OpenEditor);
        ASSERT_TRUE(session().holdsBlock());
        EXPECT_EQ(shown.back(), c.expected);
        EXPECT_EQ(session().caption(), "Regler");
        EXPECT_EQ(block->colour, colour::Green);
        dialogs.yesNoCancel = {Answer::No};
        session().leave(session().text());
        ASSERT_FALSE(session().attached());
        dialogs.yesNoCancel.clear();
        document().removeBlock(*block);
    }
}

TEST_F(TextEditor, HoldsOneThingAtATime)
{
    TKiste* first = stBlock("Eins", "PROGRAM Eins; END_PROGRAM");
    TKiste* second = stBlock("Zwei", "PROGRAM Zwei; END_PROGRAM");
    TTexte* text = haupt.KommentarTextClick();
    auto multilineEnabled = [&] {
        const std::vector<TextMenuItem> menu = haupt.textMenu(*text);
        return std::find_if(
                   menu.begin(), menu.end(),
                   [](const TextMenuItem& item) { return item.command == TextCommand::EditMultiline; })
            ->enabled;
    };
    EXPECT_TRUE(openOffered(*first));

    const int depth = undoDepth();
    haupt.blockCommand(*first, BlockCommand::OpenEditor);
    EXPECT_FALSE(openOffered(*first));
    EXPECT_FALSE(openOffered(*second));
    EXPECT_FALSE(multilineEnabled());
    EXPECT_TRUE(haupt.textMenu(*text).front().enabled); // "Loeschen" stays
    haupt.blockCommand(*second, BlockCommand::OpenEditor);
    haupt.textCommand(*text, TextCommand::EditMultiline);
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_EQ(session().caption(), "Eins");
    EXPECT_EQ(undoDepth(), depth); // opening changes nothing

    ASSERT_TRUE(session().leave(session().text()));
    EXPECT_EQ(first->colour, colour::Green); // marks the block just left
    haupt.textCommand(*text, TextCommand::EditMultiline);
    EXPECT_EQ(session().caption(), tx("Kommentar-Text"));
    EXPECT_FALSE(openOffered(*first));
    haupt.blockCommand(*first, BlockCommand::OpenEditor);
    EXPECT_FALSE(session().holdsBlock());
}

TEST_F(TextEditor, SaveReachesEveryCloneOfTheName)
{
    TKiste* original = stBlock("Regler", "PROGRAM Regler; END_PROGRAM");
    haupt.blockCommand(*original, BlockCommand::Clone);
    TKiste* other = stBlock("Andere", "PROGRAM Andere; END_PROGRAM");
    haupt.blockCommand(*other, BlockCommand::Clone);
    std::vector<TKiste*> regler, andere;
    for (TKiste* b : document().blocks())
        (b->param("nam")->value == "Regler" ? regler : andere).push_back(b);
    ASSERT_EQ(regler.size(), 2u);
    ASSERT_EQ(andere.size(), 2u);

    haupt.blockCommand(*regler[1], BlockCommand::OpenEditor);
    const int depth = undoDepth();
    const std::string edited = "PROGRAM Regler;\nVAR_TEMP \"t\" : BOOL;\nEND_PROGRAM";
    EXPECT_EQ(session().save(edited), "PROGRAM Regler;\nVAR_TEMP  t  : BOOL;\nEND_PROGRAM");
    for (TKiste* b : regler)
        EXPECT_EQ(program(*b), "PROGRAM Regler;\nVAR_TEMP  t  : BOOL;\nEND_PROGRAM");
    for (TKiste* b : andere)
        EXPECT_EQ(program(*b), "PROGRAM Andere; END_PROGRAM");
    EXPECT_EQ(undoDepth(), depth + 1);

    // Saving what is stored already takes no snapshot; the quotes count as blanks.
    session().save(edited);
    EXPECT_EQ(undoDepth(), depth + 1);
    // Leaving without a change asks nothing.
    EXPECT_TRUE(session().leave(edited));
    EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(TextEditor, APlainBlockKeepsItsProgramToItself)
{
    TKiste* plain = stBlock("Einzel", "PROGRAM Einzel; END_PROGRAM");
    TKiste* clone = stBlock("Klon", "PROGRAM Klon; END_PROGRAM");
    haupt.blockCommand(*clone, BlockCommand::Clone);
    haupt.blockCommand(*plain, BlockCommand::OpenEditor);
    session().save("PROGRAM Einzel; BEGIN_PROGRAM END_PROGRAM");
    for (TKiste* b : document().blocks())
        EXPECT_EQ(program(*b),
                  b == plain ? "PROGRAM Einzel; BEGIN_PROGRAM END_PROGRAM" : "PROGRAM Klon; END_PROGRAM");
}

TEST_F(TextEditor, LeavingAsksAboutAChangedProgram)
{
    struct Case {
        Answer answer;
        bool leaves;
        const char* stored;
    };
    const Case cases[] = {
        {Answer::Cancel, false, "PROGRAM P; END_PROGRAM"},
        {Answer::No, true, "PROGRAM P; END_PROGRAM"},
        {Answer::Yes, true, "PROGRAM P;  x  END_PROGRAM"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        TKiste* block = stBlock("P", "PROGRAM P; END_PROGRAM");
        haupt.blockCommand(*block, BlockCommand::OpenEditor);
        block->colour = colour::Red;
        dialogs.asked.clear();
        dialogs.yesNoCancel = {c.answer};
        EXPECT_EQ(session().leave("PROGRAM P; \"x\" END_PROGRAM"), c.leaves);
        EXPECT_EQ(dialogs.asked, std::vector<std::string>{
                                     "ync:" + tx("Möchten Sie die Änderungen an diesem Text speichern?")});
        EXPECT_EQ(program(*block), c.stored);
        EXPECT_EQ(session().attached(), !c.leaves);
        EXPECT_EQ(block->colour, c.leaves ? colour::Green : colour::Red);
        dialogs.yesNoCancel = {Answer::No};
        session().leave("");
        document().removeBlock(*block);
    }
}

TEST_F(TextEditor, OutsideEditModeTheProgramIsOnlyShown)
{
    TKiste* block = stBlock("P", "PROGRAM P; END_PROGRAM");
    haupt.NURLESEN1Click(); // read-only
    haupt.blockCommand(*block, BlockCommand::OpenEditor);
    ASSERT_TRUE(session().holdsBlock());
    EXPECT_TRUE(session().readOnly());
    for (const TextEditorMenuItem& item : session().menu())
        EXPECT_NE(item.command, TextEditorCommand::Save);
    EXPECT_FALSE(session().save("PROGRAM P; x END_PROGRAM"));
    EXPECT_TRUE(session().leave("PROGRAM P; x END_PROGRAM"));
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_EQ(program(*block), "PROGRAM P; END_PROGRAM");
}

TEST_F(TextEditor, MenuAndWindowSizeFollowWhatIsHeld)
{
    using C = TextEditorCommand;
    auto commands = [&] {
        std::vector<C> result;
        for (const TextEditorMenuItem& item : session().menu())
            result.push_back(item.command);
        return result;
    };
    TTexte* text = haupt.KommentarTextClick();
    haupt.textCommand(*text, TextCommand::EditMultiline);
    EXPECT_EQ(commands(), (std::vector<C>{C::Exit, C::Print, C::Find}));
    EXPECT_EQ(session().minimumSize(), (EditorSize{300, 80}));
    const std::pair<EditorSize, EditorSize> commentSizes[] = {
        {{600, 700}, {600, 155}}, {{200, 50}, {300, 80}}, {{400, 300}, {400, 300}}, {{400, 301}, {400, 155}}};
    for (const auto& [before, after] : commentSizes)
        EXPECT_EQ(session().sizeOnAttach(before), after);
    haupt.finishMultilineComment(text->text);

    TKiste* block = stBlock("P", "PROGRAM P; END_PROGRAM");
    haupt.blockCommand(*block, BlockCommand::OpenEditor);
    EXPECT_EQ(commands(), (std::vector<C>{C::Exit, C::Save, C::Print, C::Find}));
    std::string checked;
    session().checkProgram = [&](TKiste&, const std::string& text) {
        checked = text;
        return true;
    };
    EXPECT_EQ(commands().back(), C::CheckProgram);
    block->colour = colour::Red;
    EXPECT_EQ(session().check("PROGRAM P; \"x\" END_PROGRAM"), "PROGRAM P;  x  END_PROGRAM");
    EXPECT_EQ(checked, "PROGRAM P;  x  END_PROGRAM");
    EXPECT_EQ(dialogs.boxes, std::vector<std::string>{tx("No errors found")});
    EXPECT_EQ(block->colour, colour::Green);
    EXPECT_EQ(session().minimumSize(), (EditorSize{}));
    EXPECT_EQ(session().sizeOnAttach({600, 155}), (EditorSize{600, 700}));
    EXPECT_EQ(session().sizeOnAttach({500, 400}), (EditorSize{500, 400}));
}

TEST_F(TextEditor, FindSearchesForwardFromTheSelection)
{
    const std::string text = "IF a THEN\n  Ä := a;\nEND_IF";
    struct Case {
        std::size_t from;
        std::optional<std::string> needle;
        std::optional<std::pair<std::size_t, std::size_t>> hit;
    };
    const Case cases[] = {
        {0, "a", std::pair<std::size_t, std::size_t>{3, 4}},
        {4, "a", std::pair<std::size_t, std::size_t>{18, 19}}, // after the umlaut's two bytes
        {19, "a", std::nullopt},                               // nothing wraps around
        {0, "A", std::nullopt},                                // case-sensitive
        {0, "", std::nullopt},
        {0, std::nullopt, std::nullopt}, // cancelled
        {500, "a", std::nullopt},
    };
    for (const Case& c : cases) {
        dialogs.inputs = {c.needle};
        EXPECT_EQ(session().find(text, c.from), c.hit) << c.from << " " << c.needle.value_or("<cancel>");
    }
    EXPECT_EQ(dialogs.asked.front(), "input:" + tx("Suchen") + "|" + tx("bitte Suchstring eingeben ") + "|");
    EXPECT_EQ(dialogs.asked[1], "input:" + tx("Suchen") + "|" + tx("bitte Suchstring eingeben ") + "|a");
}

TEST_F(TextEditor, LetsGoWhatTheDocumentLoses)
{
    TKiste* block = stBlock("P", "PROGRAM P; END_PROGRAM");
    haupt.blockCommand(*block, BlockCommand::OpenEditor);
    EXPECT_TRUE(session().verify());

    // Undo rebuilds every block; the program is found again by its name.
    TTexte* text = haupt.KommentarTextClick();
    ASSERT_TRUE(haupt.edit().undo());
    EXPECT_EQ(document().texts().size(), 0u);
    EXPECT_TRUE(session().verify());
    TKiste* rebuilt = session().block();
    ASSERT_NE(rebuilt, nullptr);
    EXPECT_EQ(rebuilt->colour, colour::Green);
    session().save("PROGRAM P; BEGIN_PROGRAM END_PROGRAM");
    EXPECT_EQ(program(*rebuilt), "PROGRAM P; BEGIN_PROGRAM END_PROGRAM");

    // Removed, and its storage taken by another block: nothing is written there.
    haupt.blockCommand(*rebuilt, BlockCommand::Remove);
    timers.advance(1);
    TKiste* newcomer = stBlock("Q", "PROGRAM Q; END_PROGRAM");
    EXPECT_FALSE(session().save("PROGRAM P; END_PROGRAM"));
    dialogs.yesNoCancel = {Answer::Yes};
    EXPECT_FALSE(session().verify());
    EXPECT_EQ(hidden, 1);
    EXPECT_FALSE(session().attached());
    EXPECT_EQ(program(*newcomer), "PROGRAM Q; END_PROGRAM");
    EXPECT_EQ(view.messages.back(), tx("Text-Editor geschlossen: Baustein nicht mehr vorhanden"));
    EXPECT_TRUE(dialogs.asked.empty());

    // A comment text is gone after clearing the sheets (and after any undo).
    text = haupt.KommentarTextClick();
    haupt.textCommand(*text, TextCommand::EditMultiline);
    haupt.ArbeitsblaetterLoeschenClick();
    EXPECT_FALSE(session().verify());
    EXPECT_EQ(hidden, 2);
    EXPECT_EQ(view.messages.back(), tx("Text-Editor geschlossen: Kommentar nicht mehr vorhanden"));
    EXPECT_TRUE(haupt.finishMultilineComment("anders"));
    EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(TextEditor, FollowsARenamedProgram)
{
    TKiste* block = stBlock("Alt", "PROGRAM Alt; END_PROGRAM");
    haupt.blockCommand(*block, BlockCommand::Clone);
    TKiste* clone = document().blocks().back();
    haupt.blockCommand(*clone, BlockCommand::OpenEditor);
    // Renaming the other clone carries the new name to every clone of the old one.
    document().setParameters(*block, {"Neu", "a", "", "", "q", "", "", "PROGRAM Alt; END_PROGRAM"},
                             haupt.editContext());
    ASSERT_EQ(clone->param("nam")->value, "Neu");
    EXPECT_EQ(session().block(), clone);
    session().save("PROGRAM Neu; END_PROGRAM");
    EXPECT_EQ(program(*block), "PROGRAM Neu; END_PROGRAM");
    EXPECT_EQ(session().printHeader("Anlage"), "     Anlage: Neu");
}

TEST(TextEditorPrint, HeaderBlankLineThenIndentedLinesOverPages)
{
    const std::vector<PrintPage> pages = layoutPrintPages("     Anlage: P", "a\r\nb\nc\n", 30, 10, 55);
    ASSERT_EQ(pages.size(), 2u);
    auto texts = [](const PrintPage& page) {
        std::vector<std::pair<int, std::string>> result;
        for (const PrintLine& line : page)
            result.emplace_back(line.top, line.text);
        return result;
    };
    EXPECT_EQ(texts(pages[0]),
              (std::vector<std::pair<int, std::string>>{{0, "     Anlage: P"}, {30, ""}, {40, "    a"}}));
    EXPECT_EQ(texts(pages[1]), (std::vector<std::pair<int, std::string>>{{0, "    b"}, {10, "    c"}}));
    EXPECT_TRUE(pages[0][0].header);
    EXPECT_FALSE(pages[1][0].header);
    // A page lower than one line still takes one line each.
    EXPECT_EQ(layoutPrintPages("h", "x", 30, 10, 5).size(), 3u);
}

} // namespace
} // namespace fup

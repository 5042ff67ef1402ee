#include "model/SheetGeometry.h"
#include "model/Texten.h"
#include "model/Translate.h"

#include "shell/RecordingReporter.h"

#include <gtest/gtest.h>

namespace fup {
namespace {

struct FontCase {
    int zoom;
    int normal;
    int large;
};

class CommentFonts : public ::testing::TestWithParam<FontCase> {};

TEST_P(CommentFonts, FollowTheZoomTable)
{
    const FontCase& c = GetParam();
    const CommentFont normal = commentFont(c.zoom, false);
    const CommentFont large = commentFont(c.zoom, true);
    EXPECT_EQ(normal.size, c.normal);
    EXPECT_EQ(large.size, c.large);
    // Below 8 points the small bitmap font, else the system's default.
    EXPECT_EQ(normal.name, c.normal < 8 ? "SmalFont" : " ");
    EXPECT_EQ(large.name, c.large < 8 ? "SmalFont" : " ");
}

INSTANTIATE_TEST_SUITE_P(Table, CommentFonts,
                         ::testing::Values(FontCase{2, 1, 2}, FontCase{3, 2, 4}, FontCase{5, 4, 8},
                                           FontCase{8, 7, 14}, FontCase{9, 8, 16}, FontCase{10, 9, 18},
                                           FontCase{11, 9, 18}, FontCase{12, 11, 22}, FontCase{13, 12, 24},
                                           FontCase{14, 12, 24}, FontCase{15, 14, 28}, FontCase{16, 14, 28},
                                           FontCase{17, 16, 28}, FontCase{18, 16, 28}, FontCase{19, 18, 36},
                                           FontCase{20, 18, 36}, FontCase{21, 20, 36}, FontCase{22, 20, 36},
                                           FontCase{23, 22, 48}, FontCase{24, 22, 48}, FontCase{25, 24, 48},
                                           FontCase{26, 24, 48}, FontCase{27, 26, 48}, FontCase{28, 26, 48},
                                           FontCase{29, 28, 72}, FontCase{0, 28, 72}));

TEST(CommentTexts, EnteredTextIsCleanedAndNeverEmpty)
{
    EXPECT_EQ(enteredComment("  Pumpe \"1\" an ", false), "Pumpe  1  an");
    EXPECT_EQ(enteredComment("zwei\nZeilen\n", true), "zwei\nZeilen");
    // Blanks and double quotes only: the one-line and the multi-line wording differ.
    EXPECT_EQ(enteredComment(" \"\" \" ", false), tx("leerer Kommentar"));
    EXPECT_EQ(enteredComment(" \"\" \" ", true), tx("leer-Kommentar"));
    EXPECT_EQ(enteredComment("", true), tx("leer-Kommentar"));
}

TEST(CommentTexts, StyleBitsOfTheFile)
{
    struct Case {
        int style;
        bool large;
        bool coloured;
        int written;
    };
    for (const Case c : {Case{0, false, false, 0}, Case{1, true, false, 1}, Case{2, false, true, 2},
                         Case{3, true, true, 3}, Case{5, true, true, 3}, Case{4, false, true, 2}}) {
        TTexte t;
        t.setStyle(c.style);
        EXPECT_EQ(t.large, c.large) << c.style;
        EXPECT_EQ(t.coloured, c.coloured) << c.style;
        EXPECT_EQ(t.style(), c.written) << c.style;
    }
}

struct TextList : ::testing::Test {
    test::RecordingReporter reporter;
    Document doc{&reporter};

    TTexte& add(int x, int y, int sheet)
    {
        TTexte& t = doc.createText(x, y, sheet, false, false);
        t.text = std::to_string(x) + "/" + std::to_string(y) + "@" + std::to_string(sheet);
        return t;
    }
    std::vector<int> sheets() const
    {
        std::vector<int> out;
        for (const auto& t : doc.texts())
            out.push_back(t->sheet);
        return out;
    }
};

TEST_F(TextList, NewTextsAreAppendedWithTheirDefaults)
{
    doc.setScroll(105, 42); // visible area from grid 11/4 at zoom 10
    TTexte& first = doc.createText(-1, 7, 1, true, false);
    TTexte& second = doc.createText(3, 9, 200, false, true);
    ASSERT_EQ(doc.texts().size(), 2u);
    EXPECT_EQ(doc.texts()[0].get(), &first);
    EXPECT_EQ(doc.texts()[1].get(), &second);
    // A negative coordinate places the text at the top left of the visible area + 4.
    EXPECT_EQ(first.x, 15);
    EXPECT_EQ(first.y, 8);
    EXPECT_EQ(first.text, tx("Kommentar"));
    EXPECT_EQ(first.fontColour(), colour::CommentRed);
    EXPECT_EQ(second.fontColour(), colour::Black);
    EXPECT_EQ(first.background, colour::CommentBackground);
    EXPECT_TRUE(second.large);
    EXPECT_NE(first.id(), second.id());

    doc.setCurrentSheet(1);
    TTexte& menu = createTextFromMenu(doc);
    EXPECT_EQ(menu.sheet, 1);
    EXPECT_EQ(menu.background, colour::Red);
    resetTextColours(doc);
    EXPECT_EQ(menu.background, colour::CommentBackground);
}

TEST_F(TextList, RemovalDestroysAndAMissingTextIsLogged)
{
    const auto a = add(1, 1, 1).id();
    const auto b = add(2, 2, 1).id();
    EXPECT_TRUE(doc.removeText(a));
    EXPECT_EQ(doc.findText(a), nullptr);
    EXPECT_NE(doc.findText(b), nullptr);
    EXPECT_TRUE(reporter.lines.empty());
    // The same text again, e.g. a removal that was pending while the document was cleared.
    EXPECT_FALSE(doc.removeText(a));
    EXPECT_EQ(reporter.lines, std::vector<std::string>{"LOG:Ausketten Misserfolg"});

    // Ids are never handed out again: a removal recorded for an old text cannot hit a new one.
    doc.clear();
    EXPECT_TRUE(doc.texts().empty());
    const auto c = add(3, 3, 1).id();
    EXPECT_NE(c, a);
    EXPECT_NE(c, b);
    EXPECT_FALSE(doc.removeText(b));
    EXPECT_EQ(doc.texts().size(), 1u);
}

TEST_F(TextList, SelectFrameTakesTextsByTheirTopLeftPointOnTheShownSheetOnly)
{
    doc.appendSheet("");
    doc.setCurrentSheet(2);
    TTexte& inside = add(10, 10, 2); // corner in the frame, however long the text
    inside.text = std::string(200, 'x');
    TTexte& left = add(9, 10, 2);    // left of the frame
    TTexte& right = add(20, 10, 2);  // right edge is exclusive
    TTexte& bottom = add(10, 20, 2); // so is the bottom edge
    TTexte& corner = add(19, 19, 2);
    TTexte& otherSheet = add(12, 12, 1);
    TTexte& macro = add(12, 12, 200);
    selectTextsInRect(doc, 10, 10, 20, 20);
    EXPECT_TRUE(inside.selected);
    EXPECT_TRUE(corner.selected);
    for (const TTexte* t : {&left, &right, &bottom, &otherSheet, &macro})
        EXPECT_FALSE(t->selected) << t->text;
    EXPECT_EQ(inside.fontColour(), colour::InactiveCaption);

    moveSelectedTexts(doc, 3, -2, 1);
    EXPECT_EQ((std::pair{inside.x, inside.y}), (std::pair{13, 8}));
    EXPECT_EQ(inside.sheet, 3);
    EXPECT_EQ(left.x, 9);

    selectTextsOnSheets(doc, {200});
    EXPECT_TRUE(macro.selected);
    clearTextSelection(doc);
    for (const auto& t : doc.texts())
        EXPECT_FALSE(t->selected);
    EXPECT_EQ(inside.fontColour(), colour::Black);

    corner.selected = true;
    left.selected = true;
    EXPECT_EQ(doc.removeSelectedTexts(), 2);
    EXPECT_EQ(doc.texts().size(), 5u);
}

TEST_F(TextList, SheetDeletionAndSwappingRenumberOrdinarySheetsOnly)
{
    add(1, 1, 1);
    add(1, 1, 3);
    add(1, 1, 4);
    add(1, 1, 200);
    add(1, 1, 201);
    textsAfterSheetDeleted(doc, 2); // sheet 2 of 4
    EXPECT_EQ(sheets(), (std::vector<int>{1, 2, 3, 200, 201}));
    textsAfterSheetsSwapped(doc, 1, 3);
    EXPECT_EQ(sheets(), (std::vector<int>{3, 2, 1, 200, 201}));
}

TEST_F(TextList, PrintPreviewAndColourResetPerSheet)
{
    TTexte& a = add(1, 1, 1);
    TTexte& b = add(1, 1, 2);
    setTextPrintPreview(doc, true);
    EXPECT_EQ(a.background, colour::CommentPrint);
    a.background = colour::Red;
    b.background = colour::Red;
    resetTextColours(doc, 2);
    EXPECT_EQ(a.background, colour::Red);
    EXPECT_EQ(b.background, colour::CommentPrint);
    setTextPrintPreview(doc, false);
    EXPECT_EQ(a.background, colour::CommentBackground);
    EXPECT_EQ(a.normalBackground, colour::CommentBackground);
}

TEST_F(TextList, DraggingMovesToTheNearestGridPointUnlessReadOnly)
{
    doc.setScroll(20, 30);
    TTexte& a = add(10, 5, 1);
    TTexte& b = add(30, 5, 1);
    b.background = colour::Red;
    // Taken 6/4 pixels inside the label, whose corner is at 80/20.
    textMouseDown(doc, a, 6, 4);
    EXPECT_EQ(a.background, colour::InactiveCaption);
    EXPECT_EQ(b.background, colour::CommentBackground);
    EXPECT_TRUE(a.dragging);
    EXPECT_FALSE(textMouseMove(doc, a, 88, 26, false)); // 82/22: still the same grid point
    EXPECT_TRUE(textMouseMove(doc, a, 101, 38, false)); // 95/34 -> grid 12/6 (nearest)
    EXPECT_EQ((std::pair{a.x, a.y}), (std::pair{12, 6}));
    EXPECT_FALSE(textMouseMove(doc, a, 300, 300, true));
    EXPECT_EQ(a.x, 12);
    textMouseUp(a);
    EXPECT_FALSE(a.dragging);
    EXPECT_EQ(a.background, colour::CommentBackground);
    EXPECT_FALSE(textMouseMove(doc, a, 300, 300, false)); // no longer dragging
}

TEST(CommentTexts, ContextMenuByMode)
{
    using Mode = EditorMode;
    struct Case {
        const char* what;
        Mode mode;
        bool readOnly;
        std::vector<std::string> captions;
    };
    const std::vector<std::string> all = {"Loeschen", "Bearbeiten", "Bearbeiten mehrzeilig", "Gross/Klein",
                                          "Schwarz/Rot"};
    const std::vector<std::string> styleOnly = {"Gross/Klein", "Schwarz/Rot"};
    for (const Case& c :
         {Case{"edit", Mode::Edit, false, all}, Case{"simulation", Mode::Simulation, false, styleOnly},
          Case{"online", Mode::Online, false, {}}, Case{"read-only", Mode::Edit, true, {}},
          Case{"read-only simulation", Mode::Simulation, true, {}}}) {
        TTexte text;
        TextMenuContext context;
        context.edit.mode = c.mode;
        context.edit.readOnly = c.readOnly;
        std::vector<std::string> captions;
        for (const TextMenuItem& item : textContextMenu(text, context)) {
            captions.push_back(item.caption);
            EXPECT_TRUE(item.enabled);
            EXPECT_TRUE(textCommandAllowed(item.command, context.edit));
        }
        EXPECT_EQ(captions, c.captions) << c.what;
    }

    TTexte text;
    TextMenuContext context;
    context.editorBusy = true;
    std::vector<bool> enabled;
    for (const TextMenuItem& item : textContextMenu(text, context))
        enabled.push_back(item.enabled);
    EXPECT_EQ(enabled, (std::vector<bool>{false, false, false, true, true}));

    // A selected text, or any text while a removal is pending, leaves the click to the sheet.
    context.editorBusy = false;
    text.selected = true;
    EXPECT_TRUE(textContextMenu(text, context).empty());
    text.selected = false;
    context.removalPending = true;
    EXPECT_TRUE(textContextMenu(text, context).empty());
}

// Every character 7 pixels wide, lines 13 high; large fonts twice that.
TextMetrics fixedMetrics(const CommentFont& font)
{
    TextMetrics m;
    const int scale = font.size >= 18 ? 2 : 1;
    m.height = 13 * scale;
    m.averageCharWidth = 7 * scale;
    return m;
}

TEST_F(TextList, LayoutPlacesLabelsOfTheShownSheetSizedToTheirLines)
{
    doc.setScroll(20, 30);
    TTexte& a = add(10, 5, 1);
    a.text = "zwei\nZeilen!";
    a.coloured = true;
    TTexte& b = add(12, 6, 1);
    b.text = "gross";
    b.large = true;
    b.selected = true;
    add(10, 5, 2);
    add(10, 5, 200);

    const std::vector<CommentPaint> paints = layoutComments(doc, fixedMetrics);
    ASSERT_EQ(paints.size(), 2u);
    const CommentPaint& pa = paints[0];
    EXPECT_EQ(pa.text, &a);
    EXPECT_EQ(pa.box, (PixelRect{80, 20, 49, 26}));
    ASSERT_EQ(pa.lines.size(), 2u);
    EXPECT_EQ(pa.lines[1].text, "Zeilen!");
    EXPECT_EQ(pa.lines[1].box, (PixelRect{80, 33, 49, 13}));
    EXPECT_EQ(pa.colour, colour::CommentRed);
    EXPECT_EQ(pa.background, colour::CommentBackground);
    EXPECT_EQ(pa.font, commentFont(10, false));
    const CommentPaint& pb = paints[1];
    EXPECT_EQ(pb.font.size, 18);
    EXPECT_EQ(pb.box, (PixelRect{100, 30, 70, 26}));
    EXPECT_EQ(pb.colour, colour::InactiveCaption);

    // The later text lies on top where the labels overlap; outside both there is nothing.
    EXPECT_EQ(hitTestComments(doc, {110, 40}, fixedMetrics), &b);
    EXPECT_EQ(hitTestComments(doc, {85, 40}, fixedMetrics), &a);
    EXPECT_EQ(hitTestComments(doc, {79, 40}, fixedMetrics), nullptr);
    EXPECT_EQ(hitTestComments(doc, {85, 46}, fixedMetrics), nullptr);

    // An empty text keeps a grip of one grid unit.
    a.text.clear();
    EXPECT_EQ(layoutComment(a, ViewGeometry::of(doc), fixedMetrics).box, (PixelRect{80, 20, 10, 13}));
}

} // namespace
} // namespace fup

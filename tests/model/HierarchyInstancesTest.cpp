#include "model/Document.h"
#include "model/Hierarchy.h"

#include "shell/RecordingReporter.h"

#include <gtest/gtest.h>

#include <set>

namespace fup {
namespace {

using test::RecordingReporter;

struct Instances : ::testing::Test {
    RecordingReporter reporter;
    Document doc{&reporter};

    // A macro on the sheet with a fresh inside holding one adder and one point.
    TKiste* macroOn(int sheet, int x = 10)
    {
        TKiste* m = doc.createBlock(187, 0, 0, sheet, x, 10, false);
        m->childPage = doc.allocateInstanceNumber();
        doc.createBlock(13, 2, 1, m->childPage, 4, 4, false);
        doc.createPoint(3, 3, m->childPage, vt::Fixed);
        return m;
    }

    // Every sheet number in use by blocks, wire elements and texts.
    std::set<int> sheetsInUse() const
    {
        std::set<int> sheets;
        for (const TKiste* b : doc.blocks())
            sheets.insert(b->sheet);
        for (const TKante* e : doc.kanten())
            sheets.insert(e->sheet);
        for (const auto& t : doc.texts())
            sheets.insert(t->sheet);
        return sheets;
    }

    // Instance numbers are dense from 200, each inside has its owner, nothing lies on an
    // inside without one.
    void expectDense() const
    {
        std::set<int> pages;
        for (const TKiste* b : doc.blocks())
            if (isMacroOrAutomat(b->type))
                pages.insert(b->childPage);
        std::set<int> expected;
        for (int n = FirstInstanceNumber; n < doc.instanceCounter(); ++n)
            expected.insert(n);
        EXPECT_EQ(pages, expected);
        for (int sheet : sheetsInUse()) {
            if (sheet >= FirstInstanceNumber) {
                EXPECT_NE(doc.ownerOfInside(sheet), nullptr) << sheet;
            }
        }
    }
};

TEST_F(Instances, RemovingTheMiddleOfThreeMacrosClosesTheGap)
{
    TKiste* a = macroOn(1, 10);
    TKiste* b = macroOn(1, 30);
    TKiste* c = macroOn(1, 50);
    TKiste* onC = doc.blocks()[doc.blocks().size() - 1];
    ASSERT_EQ(c->childPage, 202);
    doc.createText(5, 5, 202, false, false);

    removeWithInside(doc, *b);
    EXPECT_FALSE(b->alive());
    EXPECT_EQ(a->childPage, 200);
    EXPECT_EQ(c->childPage, 201);
    EXPECT_EQ(onC->sheet, 201);
    EXPECT_EQ(doc.texts().front()->sheet, 201);
    EXPECT_EQ(doc.instanceCounter(), 202);
    EXPECT_EQ(doc.blocks().size(), 4u); // two macros, two adders
    EXPECT_EQ(sheetsInUse(), (std::set<int>{1, 200, 201}));
    expectDense();
}

TEST_F(Instances, NestedInsidesGoWithTheirMacro)
{
    // 1: a (200) and keep (203); inside 200: b (201) and c (202); inside 201: d (204).
    TKiste* a = macroOn(1);
    TKiste* b = macroOn(a->childPage);
    TKiste* c = macroOn(a->childPage, 30);
    TKiste* keep = macroOn(1, 40);
    TKiste* d = macroOn(b->childPage);
    doc.createText(1, 1, d->childPage, false, false);
    doc.createText(1, 1, keep->childPage, false, false);
    TKiste* source = doc.createBlock(12, 0, 0, 1, 2, 40, false);
    TKiste* sink = doc.createBlock(14, 0, 0, 1, 20, 40, false);
    ASSERT_TRUE(doc.connect(*source->outputPin(1), *sink->inputPin(1)));
    doc.setCurrentSheet(keep->childPage);

    removeWithInside(doc, *a);
    for (TKiste* gone : {a, b, c, d})
        EXPECT_FALSE(gone->alive());
    EXPECT_EQ(keep->childPage, 200);
    EXPECT_EQ(doc.instanceCounter(), 201);
    EXPECT_EQ(doc.currentSheet(), 200); // the inside on screen keeps being shown
    ASSERT_EQ(doc.texts().size(), 1u);
    EXPECT_EQ(doc.texts().front()->sheet, 200);
    EXPECT_EQ(sheetsInUse(), (std::set<int>{1, 200}));
    EXPECT_EQ(source->outputPin(1)->neighbourCount, 1); // other wires untouched
    expectDense();
}

TEST_F(Instances, SomethingSelectedBeforeIsNotRemovedWithTheMacro)
{
    TKiste* m = macroOn(1);
    TKiste* bystander = doc.createBlock(14, 0, 0, 1, 40, 40, false);
    bystander->selected = true;
    removeWithInside(doc, *m);
    EXPECT_TRUE(bystander->alive());
    EXPECT_EQ(doc.blocks().size(), 1u);
}

TEST_F(Instances, InsertedMacrosTakeFreshNumbers)
{
    for (int i = 0; i < 5; ++i)
        macroOn(1, 10 * i);
    ASSERT_EQ(doc.instanceCounter(), 205);
    const std::size_t before = doc.blocks().size();

    // As a frame text is read: the top level on sheet 0, insides under their stored
    // numbers (200 and 201 here, clashing with the document's), everything selected.
    TKiste* pasted = doc.createBlock(187, 0, 0, 0, 5, 5, true);
    pasted->childPage = 200;
    TKiste* inner = doc.createBlock(187, 0, 0, 200, 5, 5, true);
    inner->childPage = 201;
    TKiste* deep = doc.createBlock(13, 2, 1, 201, 5, 5, true);
    TKante* point = doc.createPoint(2, 2, 200, vt::Digital);
    TKiste* loose = doc.createBlock(14, 0, 0, 0, 30, 5, true);
    doc.createText(3, 3, 201, false, false).selected = true;
    for (TKiste* b : {pasted, inner, deep, loose}) {
        b->selected = true;
        for (TKante* p : b->pins)
            p->selected = true;
    }
    point->selected = true;

    renumberInsertedInsides(doc, 3);
    EXPECT_EQ(pasted->childPage, 205);
    EXPECT_EQ(pasted->sheet, 3);
    EXPECT_EQ(inner->sheet, 205);
    EXPECT_EQ(inner->childPage, 206);
    EXPECT_EQ(deep->sheet, 206);
    EXPECT_EQ(deep->pins.front()->sheet, 206);
    EXPECT_EQ(point->sheet, 205);
    EXPECT_EQ(doc.texts().back()->sheet, 206);
    EXPECT_EQ(loose->sheet, 3);
    EXPECT_EQ(doc.instanceCounter(), 207);
    // The first five insides kept their contents.
    for (std::size_t i = 0; i < before; ++i)
        EXPECT_LT(doc.blocks()[i]->sheet, 205);
    // Insides leave the selection; the top level stays selected.
    EXPECT_FALSE(inner->selected);
    EXPECT_FALSE(deep->selected);
    EXPECT_TRUE(pasted->selected);
    EXPECT_TRUE(loose->selected);
    expectDense();
}

TEST_F(Instances, InsideFirstOrderPutsEveryInsideBeforeItsMacro)
{
    TKiste* a = macroOn(1);
    TKiste* b = macroOn(a->childPage);
    TKiste* late = doc.createBlock(14, 0, 0, b->childPage, 30, 30, false); // made last
    doc.restoreInsideFirstOrder();
    auto position = [&](const TKiste* k) {
        return std::find(doc.blocks().begin(), doc.blocks().end(), k) - doc.blocks().begin();
    };
    EXPECT_LT(position(late), position(b));
    EXPECT_LT(position(b), position(a));
    for (const TKiste* k : doc.blocks())
        EXPECT_EQ(k->number, position(k) + 1);
}

TEST(ProgramReferences, BaseNameWithoutDirectoryAndExtension)
{
    Document doc;
    TKiste* sub = doc.createBlock(180, 0, 0, 1, 0, 0, false);
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"pumpe", "pumpe"},
        {" pumpe.KR2 ", "pumpe"},
        {"C:\\anlage\\pumpe.KR2", "pumpe"},
        {"..\\projekt.v2\\pumpe", "pumpe"}, // a dot in a directory keeps the file name
        {"teil/pumpe.kr2", "pumpe"},
        {"a.b.c", "b"},
        {"D:pumpe", "pumpe"},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"dir\\", std::nullopt},
    };
    for (const auto& [nam, expected] : cases) {
        sub->param("nam")->value = nam;
        EXPECT_EQ(referencedProgramName(*sub), expected) << nam;
    }
    sub->param("nam")->value = "lib\\regler.KR2";
    EXPECT_EQ(referencedProgramFile(*sub, "/prog", "/data"), std::filesystem::path("/prog/regler.KR2"));
    TKiste* function = doc.createBlock(186, 0, 0, 1, 0, 0, false);
    function->param("nam")->value = "regler";
    EXPECT_EQ(referencedProgramFile(*function, "/prog", "/data"), std::filesystem::path("/data/regler.KR2"));
}

TEST(ProgramReferences, RecursiveCallsAreReportedOnTheirBlocks)
{
    RecordingReporter reporter;
    Document doc(&reporter);
    const std::pair<int, const char*> blocks[] = {
        {180, " Pumpe "}, {186, "anlage\\PUMPE.KR2"}, {180, "regler"}, {186, "kessel"}, {180, ""}};
    for (const auto& [type, nam] : blocks)
        doc.createBlock(type, 0, 0, 1, 0, 0, false)->param("nam")->value = nam;
    const bool found =
        findRecursiveCalls(doc, "pumpe", [](const std::string& name) { return name == "kessel"; });
    EXPECT_TRUE(found);
    EXPECT_EQ(reporter.lines, (std::vector<std::string>{"E:Rekursiver Aufruf von:  Pumpe ",
                                                        "E:Rekursiver Aufruf von: anlage\\PUMPE.KR2",
                                                        "E:Rekursiver Aufruf von: kessel"}));
    reporter.lines.clear();
    EXPECT_FALSE(findRecursiveCalls(doc, "other", {}));
    EXPECT_TRUE(reporter.lines.empty());
}

} // namespace
} // namespace fup

#include "HauptFixture.h"

#include <gtest/gtest.h>

#include <set>

namespace fup {
namespace {

struct BlockOrderKeys : test::HauptFixture {
    Document& doc() { return haupt.document(); }
    EditCommands& edit() { return haupt.edit(); }
    // Blocks 1..count in a row on sheet 1; each keeps its first number in x.
    void addBlocks(int count)
    {
        for (int i = 1; i <= count; ++i)
            doc().createBlock(13, 2, 1, 1, i, 10, false);
        doc().renumber();
    }
    void select(const std::set<int>& numbers)
    {
        doc().clearSelection();
        for (int number : numbers)
            doc().findBlock(number)->selected = true;
    }
    // The blocks in list order, named by the x they were made with.
    std::vector<int> order() const
    {
        std::vector<int> xs;
        for (const TKiste* b : haupt.document().blocks())
            xs.push_back(b->x);
        return xs;
    }
    void press(EditKey key) { edit().keyPress(key, {}, {0, 0}); }
};

TEST_F(BlockOrderKeys, SelectedBlocksTakeTheNextOrPreviousPlace)
{
    struct Case {
        std::set<int> selected;
        EditKey key;
        std::vector<int> order;
    };
    const Case cases[] = {
        {{2}, EditKey::Home, {1, 3, 2, 4, 5}},
        {{2}, EditKey::End, {2, 1, 3, 4, 5}},
        {{2, 4}, EditKey::Home, {1, 3, 2, 5, 4}},
        // A selected neighbour holds the place: only the front of the group moves.
        {{2, 3}, EditKey::Home, {1, 2, 4, 3, 5}},
        {{2, 3}, EditKey::End, {2, 1, 3, 4, 5}},
        // The ends stay.
        {{1, 3}, EditKey::End, {1, 3, 2, 4, 5}},
        {{5}, EditKey::Home, {1, 2, 3, 4, 5}},
        {{1}, EditKey::End, {1, 2, 3, 4, 5}},
        {{}, EditKey::Home, {1, 2, 3, 4, 5}},
    };
    addBlocks(5);
    const std::string start = edit().snapshotText();
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.selected) + (c.key == EditKey::Home ? " Home" : " End"));
        ASSERT_TRUE(edit().restore(start));
        select(c.selected);
        press(c.key);
        EXPECT_EQ(order(), c.order);
        for (std::size_t i = 0; i < doc().blocks().size(); ++i) {
            const TKiste* b = doc().blocks()[i];
            EXPECT_EQ(b->number, static_cast<int>(i) + 1);
            EXPECT_EQ(b->name, b->label + " " + std::to_string(b->number));
        }
    }
}

TEST_F(BlockOrderKeys, UndoBringsTheOldOrderBack)
{
    addBlocks(3);
    const std::string before = edit().snapshotText();
    select({1});
    press(EditKey::Home);
    ASSERT_EQ(order(), (std::vector<int>{2, 1, 3}));
    ASSERT_TRUE(edit().undo());
    EXPECT_EQ(order(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(edit().snapshotText(), before);
}

TEST_F(BlockOrderKeys, AnInsideStaysTogetherBeforeItsMacro)
{
    addBlocks(1);
    TKiste* macro = haupt.createBlockFromMenu(187);
    ASSERT_NE(macro, nullptr);
    macro->x = 9;
    doc().createBlock(13, 2, 1, macro->childPage, 20, 10, false);
    doc().createBlock(13, 2, 1, macro->childPage, 21, 10, false);
    doc().restoreInsideFirstOrder();
    ASSERT_EQ(order(), (std::vector<int>{1, 20, 21, 9}));

    // Block 1 would land between the inside blocks; the order puts it back in front.
    select({1});
    press(EditKey::Home);
    EXPECT_EQ(order(), (std::vector<int>{1, 20, 21, 9}));
    // Inside blocks change places among themselves.
    select({3});
    press(EditKey::End);
    EXPECT_EQ(order(), (std::vector<int>{1, 21, 20, 9}));
}

TEST_F(BlockOrderKeys, OnlyInEditModeAndNotReadOnly)
{
    addBlocks(3);
    select({1});
    haupt.NURLESEN1Click(); // read-only again
    press(EditKey::Home);
    EXPECT_EQ(order(), (std::vector<int>{1, 2, 3}));
    haupt.NURLESEN1Click();
    haupt.state().mode = EditorMode::Simulation;
    press(EditKey::Home);
    EXPECT_EQ(order(), (std::vector<int>{1, 2, 3}));
}

} // namespace
} // namespace fup

#include "shell/UndoBuffer.h"

#include <gtest/gtest.h>

namespace fup {
namespace {

// The ring driven as the editor drives it: the present document is a string.
struct Ring {
    TUndoBuffer buffer;
    std::string present;

    void change(const std::string& next)
    {
        buffer.PutProject(present);
        present = next;
    }
    bool undo()
    {
        const auto text = buffer.UndoProject([this] { return present; });
        if (text)
            present = *text;
        return text.has_value();
    }
    bool redo()
    {
        const auto text = buffer.RedoProject();
        if (text)
            present = *text;
        return text.has_value();
    }
};

TEST(UndoBuffer, SeventeenSnapshotsAllowFourteenUndos)
{
    TUndoBuffer buffer;
    for (int i = 1; i <= 17; ++i)
        buffer.PutProject("s" + std::to_string(i));
    std::string last;
    int undos = 0;
    while (const auto text = buffer.UndoProject([] { return std::string("present"); })) {
        last = *text;
        ++undos;
    }
    EXPECT_EQ(undos, 14);
    EXPECT_EQ(last, "s4");
}

TEST(UndoBuffer, UndoThenRedoReturnsToEachState)
{
    Ring ring;
    ring.present = "a";
    ring.change("b");
    ring.change("c");
    ring.change("d");
    ASSERT_TRUE(ring.undo());
    EXPECT_EQ(ring.present, "c");
    ASSERT_TRUE(ring.undo());
    EXPECT_EQ(ring.present, "b");
    ASSERT_TRUE(ring.redo());
    EXPECT_EQ(ring.present, "c");
    ASSERT_TRUE(ring.redo());
    EXPECT_EQ(ring.present, "d");
    EXPECT_FALSE(ring.redo());
    EXPECT_EQ(ring.present, "d");
    // Undo after redoing to the end goes back step by step again.
    ASSERT_TRUE(ring.undo());
    EXPECT_EQ(ring.present, "c");
    ASSERT_TRUE(ring.undo());
    EXPECT_EQ(ring.present, "b");
    ASSERT_TRUE(ring.undo());
    EXPECT_EQ(ring.present, "a");
    EXPECT_FALSE(ring.undo());
    EXPECT_EQ(ring.present, "a");
}

TEST(UndoBuffer, NewSnapshotAfterUndoCutsTheRedoChain)
{
    Ring ring;
    ring.present = "a";
    ring.change("b");
    ring.change("c");
    ASSERT_TRUE(ring.undo());
    ring.change("x");
    EXPECT_FALSE(ring.redo());
    EXPECT_EQ(ring.present, "x");
    ASSERT_TRUE(ring.undo());
    EXPECT_EQ(ring.present, "b");
    ASSERT_TRUE(ring.undo());
    EXPECT_EQ(ring.present, "a");
}

TEST(UndoBuffer, SameSnapshotTwiceIsStoredOnce)
{
    TUndoBuffer buffer;
    EXPECT_TRUE(buffer.PutProject("a"));
    EXPECT_FALSE(buffer.PutProject("a"));
    EXPECT_EQ(buffer.undoDepth(), 1);
    EXPECT_TRUE(buffer.PutProject("b"));
    EXPECT_EQ(buffer.undoDepth(), 2);
}

TEST(UndoBuffer, GetProjectYieldsTheLatestSnapshotWithoutKeepingThePresent)
{
    TUndoBuffer buffer;
    EXPECT_FALSE(buffer.GetProject());
    buffer.PutProject("a");
    buffer.PutProject("b");
    EXPECT_EQ(buffer.GetProject(), "b");
    EXPECT_EQ(buffer.GetProject(), "a");
    EXPECT_FALSE(buffer.GetProject());
}

} // namespace
} // namespace fup

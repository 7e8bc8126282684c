// Undo and redo of selections: order, depth, and redo dropped by a new change.
#include "timeline/SelectionHistory.h"

#include <gtest/gtest.h>

namespace {
Selection at(std::int32_t begin) { return {begin, begin + 10, true, true}; }
}

TEST(SelectionHistory, UndoesAndRedoesInOrder)
{
    SelectionHistory h;
    EXPECT_FALSE(h.undo(at(0)));
    h.record(at(1));
    h.record(at(2));
    EXPECT_EQ(h.undo(at(3)), at(2));
    EXPECT_EQ(h.undo(at(2)), at(1));
    EXPECT_EQ(h.redo(at(1)), at(2));
    EXPECT_EQ(h.redo(at(2)), at(3));
    EXPECT_FALSE(h.redo(at(3)));
    EXPECT_EQ(h.undo(at(3)), at(2));
    h.record(at(2));  // a new change after an undo: the redo step is gone
    EXPECT_FALSE(h.canRedo());
}

TEST(SelectionHistory, KeepsTheNewestStepsUpToItsDepth)
{
    SelectionHistory h(50);
    for (int i = 0; i < 80; ++i)
        h.record(at(i));
    Selection s = at(80);
    for (int i = 79; i >= 30; --i) {
        s = h.undo(s).value_or(Selection{});
        ASSERT_EQ(s, at(i));
    }
    EXPECT_FALSE(h.undo(s));
    SelectionHistory deep;  // the editor's default
    for (int i = 0; i < 100; ++i)
        deep.record(at(i));
    EXPECT_EQ(deep.undoSteps(), 100u);
}

#pragma once
#include "timeline/Selection.h"

#include <cstddef>
#include <deque>
#include <optional>

// Undo and redo of selection changes: the selections before each change, at most `depth` of
// them (the oldest are dropped first), and the ones undone since the last change. Owns only
// those copies.
class SelectionHistory {
public:
    explicit SelectionHistory(std::size_t depth = 100);

    // Remembers `before` as the state that undo returns to after a change; clears the redo steps.
    void record(const Selection& before);
    // The selection to return to, given the current one (which redo will bring back); nothing
    // when there is no step to undo.
    std::optional<Selection> undo(const Selection& current);
    // The selection that the last undo left, given the current one; nothing when there is none.
    std::optional<Selection> redo(const Selection& current);
    void clear();

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    std::size_t undoSteps() const { return undo_.size(); }

private:
    // Takes the newest of `from`, keeping `current` on `to`.
    static std::optional<Selection> step(std::deque<Selection>& from, std::deque<Selection>& to,
                                         const Selection& current);

    std::size_t depth_;
    std::deque<Selection> undo_;
    std::deque<Selection> redo_;
};

#include "timeline/SelectionHistory.h"

SelectionHistory::SelectionHistory(std::size_t depth) : depth_(depth > 0 ? depth : 1) {}

void SelectionHistory::record(const Selection& before)
{
    undo_.push_back(before);
    if (undo_.size() > depth_)
        undo_.pop_front();
    redo_.clear();
}

std::optional<Selection> SelectionHistory::step(std::deque<Selection>& from, std::deque<Selection>& to,
                                               const Selection& current)
{
    if (from.empty())
        return std::nullopt;
    const Selection s = from.back();
    from.pop_back();
    to.push_back(current);
    return s;
}

std::optional<Selection> SelectionHistory::undo(const Selection& current)
{
    return step(undo_, redo_, current);
}

std::optional<Selection> SelectionHistory::redo(const Selection& current)
{
    return step(redo_, undo_, current);
}

void SelectionHistory::clear()
{
    undo_.clear();
    redo_.clear();
}

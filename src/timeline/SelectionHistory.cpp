#include "timeline/SelectionHistory.h"

SelectionHistory::SelectionHistory(std::size_t depth) : depth_(depth > 0 ? depth : 1) {}

void SelectionHistory::record(const Selection& before)
{
    undo_.push_back(before);
    if (undo_.size() > depth_)
        undo_.pop_front();
    redo_.clear();
}

std::optional<Selection> SelectionHistory::undo(const Selection& current)
{
    if (undo_.empty())
        return std::nullopt;
    const Selection back = undo_.back();
    undo_.pop_back();
    redo_.push_back(current);
    return back;
}

std::optional<Selection> SelectionHistory::redo(const Selection& current)
{
    if (redo_.empty())
        return std::nullopt;
    const Selection forward = redo_.back();
    redo_.pop_back();
    undo_.push_back(current);
    return forward;
}

void SelectionHistory::clear()
{
    undo_.clear();
    redo_.clear();
}

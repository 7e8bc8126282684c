#include "timeline/TimelineBoard.h"

#include "timeline/EditorState.h"
#include "timeline/SelectionLabels.h"
#include "timeline/TimeText.h"

PlainTimelineBoard::PlainTimelineBoard()
{
    lefts_[idx(TimelinePic::Line)] = kLineOffset;
    lefts_[idx(TimelinePic::SelectLine1)] = kLineOffset;
    visible_[idx(TimelinePic::TopPoint)] = true;
    visible_[idx(TimelinePic::Line)] = true;
    visible_[idx(TimelinePic::BottomPoint)] = true;
}

int PlainTimelineBoard::width(TimelinePic pic) const
{
    switch (pic) {
    case TimelinePic::Line:
    case TimelinePic::SelectLine1:
    case TimelinePic::SelectLine2:
        return 1;
    default:
        return kHandleWidth;
    }
}

void placeInitialMarkers(TimelineBoard& board)
{
    board.setLeft(TimelinePic::SelectTop1, 0);
    board.setLeft(TimelinePic::SelectLine1, kLineOffset);
    board.setLeft(TimelinePic::SelectBottom1, 0);
    board.setLeft(TimelinePic::SelectTop2, kTrackWidth);
    board.setLeft(TimelinePic::SelectBottom2, kTrackWidth);
    board.setLeft(TimelinePic::SelectLine2, kTrackWidth + kLineOffset);
}

void resetEditor(EditorState& state, TimelineBoard& board, LabelSink& labels)
{
    state.selBeginSeconds = 0;
    state.selEndSeconds = 0;
    // Nothing may be cut from a file that is closed, and its markers must not come back.
    state.txtFullTime = QStringLiteral("0");
    placeInitialMarkers(board);
    labels.setText(TimeLabel::Time, formatTime(0));
    board.setLeft(TimelinePic::TopPoint, 0);
    board.setLeft(TimelinePic::Line, kLineOffset);
    board.setLeft(TimelinePic::BottomPoint, 0);
    for (TimelinePic p : {TimelinePic::SelectTop1, TimelinePic::SelectLine1, TimelinePic::SelectBottom1,
                          TimelinePic::SelectTop2, TimelinePic::SelectLine2, TimelinePic::SelectBottom2})
        board.setVisible(p, false);
    for (TimeLabel l : {TimeLabel::SelBegin, TimeLabel::SelEnd, TimeLabel::SelLength,
                        TimeLabel::ViewBegin, TimeLabel::ViewEnd, TimeLabel::ViewLength})
        labels.setText(l, formatTime(0));
}

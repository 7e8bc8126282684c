#include "support/RecordingLabels.h"
#include "timeline/EditorState.h"
#include "timeline/SelectionLabels.h"
#include "timeline/TimelineBoard.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <map>

namespace {
QString w(TimeLabel l, const char* t) { return QString::number(static_cast<int>(l)) + "=" + t; }
}

TEST(EditorState, StartsEmptyAndReadsTheDurationText)
{
    EditorState s;
    EXPECT_EQ(s.fileIsOpen, kFalse);
    EXPECT_EQ(s.txtFullTime, "0");
    EXPECT_EQ(s.fullSeconds(), 0);
    s.txtFullTime = "364";
    EXPECT_EQ(s.fullSeconds(), 364);
    s.txtFullTime = "not a number";
    EXPECT_EQ(s.fullSeconds(), 0);
    EXPECT_EQ(flag(true), -1);
    EXPECT_TRUE(isSet(kTrue));
}

TEST(SelectionLabels, BeginWritesLengthOnlyForAPositiveSelection)
{
    RecordingLabels labels;
    writeBeginLabels(labels, 10, 30);
    EXPECT_EQ(labels.writes, QStringList({w(TimeLabel::SelBegin, "00:00:10"), w(TimeLabel::ViewBegin, "00:00:10"),
                                          w(TimeLabel::SelLength, "00:00:20"), w(TimeLabel::ViewLength, "00:00:20")}));

    // No end set: the length labels keep their old text, the view copy is still written.
    labels.writes.clear();
    writeBeginLabels(labels, 40, 0);
    EXPECT_EQ(labels.writes, QStringList({w(TimeLabel::SelBegin, "00:00:40"), w(TimeLabel::ViewBegin, "00:00:40"),
                                          w(TimeLabel::ViewLength, "00:00:20")}));
}

TEST(SelectionLabels, EndAlwaysWritesTheLengthAndViewsCopyTheFirstRow)
{
    RecordingLabels labels;
    writeEndLabels(labels, 50, 150);
    EXPECT_EQ(labels.writes, QStringList({w(TimeLabel::SelEnd, "00:02:30"), w(TimeLabel::ViewEnd, "00:02:30"),
                                          w(TimeLabel::SelLength, "00:01:40"), w(TimeLabel::ViewLength, "00:01:40")}));
    writeEndLabels(labels, 50, 50);
    EXPECT_EQ(labels.texts[TimeLabel::SelLength], "00:00:00");
    for (auto [first, second] : {std::pair{TimeLabel::SelBegin, TimeLabel::ViewBegin},
                                 std::pair{TimeLabel::SelEnd, TimeLabel::ViewEnd},
                                 std::pair{TimeLabel::SelLength, TimeLabel::ViewLength}})
        EXPECT_EQ(labels.text(first), labels.text(second));
}

TEST(TimelineBoard, InitialPlacementAndEditorReset)
{
    PlainTimelineBoard board;
    placeInitialMarkers(board);
    EXPECT_EQ(board.left(TimelinePic::SelectTop1), 0);
    EXPECT_EQ(board.left(TimelinePic::SelectLine1), 6);
    EXPECT_EQ(board.left(TimelinePic::SelectTop2), 728);
    EXPECT_EQ(board.left(TimelinePic::SelectLine2), 734);
    EXPECT_EQ(board.width(TimelinePic::SelectTop1), 13);

    EditorState s;
    s.selBeginSeconds = 10;
    s.selEndSeconds = 30;
    s.txtFullTime = "60";
    s.playPaused = kTrue;
    s.playingSelection = kTrue;
    s.playFraction = 0.5f;
    for (TimelinePic p : {TimelinePic::SelectTop1, TimelinePic::SelectLine2})
        board.setVisible(p, true);
    board.setLeft(TimelinePic::TopPoint, 364);
    board.setLeft(TimelinePic::Line, 370);
    board.setLeft(TimelinePic::BottomPoint, 364);
    board.setLeft(TimelinePic::SelectTop1, 100);  // markers of the closed file
    board.setLeft(TimelinePic::SelectLine1, 106);
    board.setLeft(TimelinePic::SelectBottom2, 300);
    RecordingLabels labels;
    labels.texts[TimeLabel::Time] = "00:00:30";
    labels.texts[TimeLabel::SelLength] = "00:00:20";

    resetEditor(s, board, labels);
    EXPECT_EQ(s.selBeginSeconds, 0);
    EXPECT_EQ(s.selEndSeconds, 0);
    EXPECT_EQ(s.txtFullTime, "0");  // the closed file's duration is forgotten
    EXPECT_EQ(s.playPaused, kTrue);
    EXPECT_EQ(s.playingSelection, kTrue);
    EXPECT_FLOAT_EQ(s.playFraction, 0.5f);
    EXPECT_EQ(board.left(TimelinePic::TopPoint), 0);
    EXPECT_EQ(board.left(TimelinePic::Line), 6);
    EXPECT_EQ(board.left(TimelinePic::BottomPoint), 0);
    EXPECT_EQ(board.left(TimelinePic::SelectTop1), 0);  // back where start-up puts them
    EXPECT_EQ(board.left(TimelinePic::SelectLine1), 6);
    EXPECT_EQ(board.left(TimelinePic::SelectBottom2), 728);
    for (int i = 3; i < kTimelinePicCount; ++i)
        EXPECT_FALSE(board.isVisible(static_cast<TimelinePic>(i)));
    for (TimeLabel l : {TimeLabel::Time, TimeLabel::SelBegin, TimeLabel::SelEnd, TimeLabel::SelLength,
                        TimeLabel::ViewBegin, TimeLabel::ViewEnd, TimeLabel::ViewLength})
        EXPECT_EQ(labels.text(l), "00:00:00");
}

#include "support/RecordingLabels.h"
#include "timeline/EditorModel.h"
#include "editor/EditorState.h"
#include "timeline/SelectionLabels.h"
#include "timeline/TimelineLayout.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <map>

namespace {
QString w(TimeLabel l, const char* t) { return QString::number(static_cast<int>(l)) + "=" + t; }
}

TEST(EditorState, StartsEmpty)
{
    EditorState s;
    EXPECT_EQ(s.fileIsOpen, kFalse);
    EXPECT_EQ(s.playPaused, kFalse);
    EXPECT_EQ(s.playFraction, 0);
    EXPECT_EQ(flag(true), -1);
    EXPECT_TRUE(isSet(kTrue));
    EditorModel m;
    EXPECT_EQ(m.duration(), 0);  // unknown until the sound is measured
    EXPECT_EQ(m.selection(), Selection{});
}

TEST(SelectionLabels, BeginWritesLengthOnlyForAPositiveSelection)
{
    RecordingLabels labels;
    writeBeginLabels(labels, 10000, 30000);
    EXPECT_EQ(labels.writes, QStringList({w(TimeLabel::SelBegin, "00:00:10"), w(TimeLabel::ViewBegin, "00:00:10"),
                                          w(TimeLabel::SelLength, "00:00:20"), w(TimeLabel::ViewLength, "00:00:20")}));

    // No end set: the length labels keep their old text, the view copy is still written.
    labels.writes.clear();
    writeBeginLabels(labels, 40000, 0);
    EXPECT_EQ(labels.writes, QStringList({w(TimeLabel::SelBegin, "00:00:40"), w(TimeLabel::ViewBegin, "00:00:40"),
                                          w(TimeLabel::ViewLength, "00:00:20")}));
}

TEST(SelectionLabels, EndAlwaysWritesTheLengthAndViewsCopyTheFirstRow)
{
    RecordingLabels labels;
    writeEndLabels(labels, 50000, 150000);
    EXPECT_EQ(labels.writes, QStringList({w(TimeLabel::SelEnd, "00:02:30"), w(TimeLabel::ViewEnd, "00:02:30"),
                                          w(TimeLabel::SelLength, "00:01:40"), w(TimeLabel::ViewLength, "00:01:40")}));
    writeEndLabels(labels, 50000, 50000);
    EXPECT_EQ(labels.texts[TimeLabel::SelLength], "00:00:00");
    for (auto [first, second] : {std::pair{TimeLabel::SelBegin, TimeLabel::ViewBegin},
                                 std::pair{TimeLabel::SelEnd, TimeLabel::ViewEnd},
                                 std::pair{TimeLabel::SelLength, TimeLabel::ViewLength}})
        EXPECT_EQ(labels.text(first), labels.text(second));
}

TEST(EditorReset, ClosingForgetsTheFileAndPutsTheMarkersWhereStartUpDoes)
{
    EditorModel m;
    EXPECT_EQ(layoutTimeline(m).begin.left, 0);  // start-up: begin at 0, end at 728, both hidden
    EXPECT_EQ(layoutTimeline(m).end.left, 728);
    m.setDuration(60);
    m.applyRandomCut(10, 30);
    m.setPlayhead(30);
    m.zoomAround(364, 4);
    RecordingLabels labels;
    labels.texts[TimeLabel::Time] = "00:00:30";
    labels.texts[TimeLabel::SelLength] = "00:00:20";

    // What closing a file does: the duration is forgotten, the model and the labels reset.
    m.setDuration(0);
    m.reset();
    clearTimeLabels(labels);
    EXPECT_EQ(m.selection(), Selection{});
    EXPECT_EQ(m.playhead(), 0);
    EXPECT_FALSE(m.isZoomed());
    EXPECT_FALSE(m.canUndo());
    const TimelineLayout l = layoutTimeline(m);
    EXPECT_EQ(l.begin.left, 0);
    EXPECT_EQ(l.end.left, 728);
    EXPECT_FALSE(l.begin.drawn);
    EXPECT_FALSE(l.end.drawn);
    EXPECT_FALSE(l.shadeShown);
    EXPECT_EQ(l.playhead.left, 0);
    for (TimeLabel t : {TimeLabel::Time, TimeLabel::SelBegin, TimeLabel::SelEnd, TimeLabel::SelLength,
                        TimeLabel::ViewBegin, TimeLabel::ViewEnd, TimeLabel::ViewLength})
        EXPECT_EQ(labels.text(t), "00:00:00");
}

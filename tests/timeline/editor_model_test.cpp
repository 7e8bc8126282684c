// The editor's model in seconds: selection rules at the playhead, label writes through its
// signals, keyboard moves, undo, reset, and the view that follows the playhead.
#include "support/RecordingLabels.h"
#include "timeline/EditorModel.h"
#include "timeline/SelectionLabels.h"
#include "timeline/TimelineLayout.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

QString w(TimeLabel l, const char* t) { return QString::number(static_cast<int>(l)) + "=" + t; }

// A model whose begin/end signals write the labels as the window does.
struct Rig {
    EditorModel model;
    RecordingLabels labels;
    explicit Rig(std::int32_t duration = 60)
    {
        model.setDuration(duration);
        QObject::connect(&model, &EditorModel::beginSet,
                         [this] { writeBeginLabels(labels, model.selection().beginMs, model.selection().endMs); });
        QObject::connect(&model, &EditorModel::endSet,
                         [this] { writeEndLabels(labels, model.selection().beginMs, model.selection().endMs); });
    }
    bool begin(double at)
    {
        model.setPlayhead(at);
        return model.setBeginAtPlayhead();
    }
    bool end(double at)
    {
        model.setPlayhead(at);
        return model.setEndAtPlayhead();
    }
};

}  // namespace

TEST(EditorModel, SetsTheSelectionAtThePlayheadWithItsGuards)
{
    Rig r;
    EXPECT_TRUE(r.begin(10));
    EXPECT_TRUE(r.end(30));
    EXPECT_EQ(r.labels.text(TimeLabel::ViewLength), "00:00:20");
    EXPECT_FALSE(r.end(5));       // before the begin
    EXPECT_FALSE(r.begin(30));    // at the end
    EXPECT_TRUE(r.end(10.4));     // rounds to the begin: accepted
    EXPECT_FALSE(r.begin(20.5));  // 20 (half to even) is after the end
    EXPECT_EQ(r.model.selection(), (Selection{10000, 10000, true, true}));
}

TEST(EditorModel, RandomCutWritesTheEndBeforeTheBeginInOneStep)
{
    Rig r(600);
    QSignalSpy changed(&r.model, &EditorModel::selectionChanged);
    r.model.applyRandomCut(100, 130);
    EXPECT_EQ(r.model.selection(), (Selection{100000, 130000, true, true}));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(r.labels.writes,
              QStringList({w(TimeLabel::SelEnd, "00:02:10"), w(TimeLabel::ViewEnd, "00:02:10"),
                           w(TimeLabel::SelLength, "00:00:30"), w(TimeLabel::ViewLength, "00:00:30"),
                           w(TimeLabel::SelBegin, "00:01:40"), w(TimeLabel::ViewBegin, "00:01:40"),
                           w(TimeLabel::SelLength, "00:00:30"), w(TimeLabel::ViewLength, "00:00:30")}));
    EXPECT_TRUE(r.model.undo());
    EXPECT_EQ(r.model.selection(), Selection{});
}

TEST(EditorModel, MarkersMoveBySecondsWithinTheirLimits)
{
    Rig r(100);
    EXPECT_FALSE(r.model.nudgeMarkerMs(Boundary::Begin, 1000));  // hidden markers cannot be moved
    r.model.applyRandomCut(10, 12);
    EXPECT_TRUE(r.model.nudgeMarkerMs(Boundary::Begin, 1000));
    EXPECT_EQ(r.labels.text(TimeLabel::SelBegin), "00:00:11");
    EXPECT_FALSE(r.model.nudgeMarkerMs(Boundary::Begin, 1000));  // one second before the end at most
    EXPECT_FALSE(r.model.nudgeMarkerMs(Boundary::End, -1000));
    EXPECT_TRUE(r.model.nudgeMarkerMs(Boundary::End, 1000000));
    EXPECT_TRUE(r.model.nudgeMarkerMs(Boundary::Begin, -1000000));
    EXPECT_EQ(r.model.selection(), (Selection{0, 100000, true, true}));

    Rig open(50);  // a begin with no end set may go up to the file's end
    open.begin(48);
    EXPECT_TRUE(open.model.nudgeMarkerMs(Boundary::Begin, 5000));
    EXPECT_EQ(open.model.selection().beginMs, 50000);
}

TEST(EditorModel, UndoAndRedoFiftyStepsAndMore)
{
    Rig r(7200);
    r.model.applyRandomCut(0, 6);
    for (int i = 0; i < 60; ++i)
        r.model.nudgeMarkerMs(Boundary::End, 1000);
    for (int i = 0; i < 50; ++i)
        ASSERT_TRUE(r.model.undo()) << i;
    EXPECT_EQ(r.model.selection().endMs, 16000);
    EXPECT_EQ(r.labels.text(TimeLabel::ViewLength), "00:00:16");
    r.model.redo();
    r.model.nudgeMarkerMs(Boundary::Begin, 2000);  // a new change drops what was undone
    EXPECT_FALSE(r.model.redo());
    r.model.undo();
    EXPECT_EQ(r.model.selection(), (Selection{0, 17000, true, true}));

    // A marker released where it was adds no step; the first set that shows a marker does.
    Rig fresh;
    fresh.begin(0);
    fresh.model.setBeginFromDragMs(0);
    EXPECT_TRUE(fresh.model.undo());
    EXPECT_FALSE(fresh.model.selection().beginShown);
    EXPECT_FALSE(fresh.model.canUndo());
}

TEST(EditorModel, AnEndSetWithoutABeginDrawsWhatASaveWouldWrite)
{
    Rig r;
    ASSERT_TRUE(r.end(6));  // E without B: a save writes 00:00:00-00:00:06
    EXPECT_EQ(r.labels.text(TimeLabel::ViewBegin), "00:00:00");
    EXPECT_EQ(r.labels.text(TimeLabel::ViewLength), "00:00:06");
    const TimelineLayout l = layoutTimeline(r.model);
    EXPECT_TRUE(l.begin.drawn);
    EXPECT_TRUE(l.end.drawn);
    EXPECT_TRUE(l.shadeShown);
    EXPECT_EQ(l.begin.left, 0);
    EXPECT_NEAR(l.end.left, 728.0 * 6 / 60, 1e-9);
    ASSERT_TRUE(r.model.undo());  // one step: both markers go as they came
    EXPECT_EQ(r.model.selection(), Selection{});
}

TEST(EditorModel, ZoomToTheSelectionAndResetToTheWholeFile)
{
    Rig r(7200);
    r.begin(600);
    EXPECT_FALSE(r.model.zoomToSelection());  // needs both markers
    r.end(630);
    r.model.setDragPreview(DragPreview{Boundary::Begin, 20});
    EXPECT_TRUE(r.model.zoomToSelection());
    EXPECT_EQ(r.model.view(), (TimelineView{598.5, 33}));
    r.model.reset();  // closing: everything but the duration
    EXPECT_EQ(r.model.selection(), Selection{});
    EXPECT_EQ(r.model.playhead(), 0);
    EXPECT_FALSE(r.model.dragPreview() || r.model.canUndo() || r.model.isZoomed());
    EXPECT_EQ(r.model.duration(), 7200);
    r.model.zoomAround(364, 4);
    r.model.setDuration(90);  // a new duration shows the whole of the new file
    EXPECT_EQ(r.model.view(), wholeView(90));
}

TEST(EditorModel, KeyboardMovesThePlayheadBySecondsAndShowsIt)
{
    Rig r(7200);
    r.model.setPlayhead(58.7);  // the whole view: from its whole second
    EXPECT_EQ(r.model.movePlayheadByMs(1000), 60000);
    r.model.setView({0, 60});  // tenths: from its tenth
    r.model.setPlayhead(58.7);
    EXPECT_EQ(r.model.movePlayheadByMs(1000), 59700);
    EXPECT_EQ(r.model.movePlayheadByMs(10000), 69700);
    EXPECT_NEAR(r.model.view().start, 9.7, 1e-9);  // just enough to show it
    EXPECT_EQ(r.model.view().span, 60);
    EXPECT_EQ(r.model.movePlayheadByMs(-100000), 0);
    EXPECT_EQ(r.model.movePlayheadTo(PlayheadTarget::End), 7200000);
    EXPECT_EQ(r.model.movePlayheadByMs(10000), 7200000);
    EXPECT_EQ(r.model.movePlayheadTo(PlayheadTarget::SelectionEnd), 7200000);  // no end: the file's end
    EXPECT_EQ(r.model.movePlayheadTo(PlayheadTarget::SelectionBegin), 0);
    r.model.applyRandomCut(300, 400);
    EXPECT_EQ(r.model.movePlayheadTo(PlayheadTarget::SelectionEnd), 400000);
    EXPECT_EQ(r.model.view(), (TimelineView{340, 60}));
}

TEST(EditorModel, TheViewFollowsThePlayheadOnlyWhilePlaying)
{
    Rig r(7200);
    r.model.setView({0, 60});
    r.model.setPlayhead(75);  // stopped: the view stays
    EXPECT_EQ(r.model.view(), (TimelineView{0, 60}));
    r.model.setPlaying(true);  // starting to play shows where it plays
    EXPECT_EQ(r.model.view(), (TimelineView{75, 60}));
    r.model.setPlayhead(135.5);
    EXPECT_EQ(r.model.view(), (TimelineView{135.5, 60}));
    r.model.setView({3000, 60});  // the user looks elsewhere while it plays: the view stays there
    r.model.setPlayhead(136);
    r.model.setPlayhead(196);
    EXPECT_EQ(r.model.view(), (TimelineView{3000, 60}));
    r.model.setView({150, 60});  // until the playhead runs through it again
    r.model.setPlayhead(211);
    EXPECT_EQ(r.model.view(), (TimelineView{211, 60}));
    r.model.setPlaying(false);
    r.model.setPlayhead(1000);
    EXPECT_EQ(r.model.view(), (TimelineView{211, 60}));
    EXPECT_EQ(r.model.keyboardAnchor(), 364);  // out of view: zoom around the middle
}

// ---- Milliseconds ----

TEST(EditorModel, AMarkerSetAtThePlayheadTakesTheViewsPrecision)
{
    Rig r(7200);  // two hours: the whole view gives whole seconds
    EXPECT_TRUE(r.begin(83.4567));
    EXPECT_EQ(r.model.selection().beginMs, 83000);
    EXPECT_EQ(r.labels.text(TimeLabel::SelBegin), "00:01:23");
    r.model.setView({80, 60});  // 82 ms a pixel: tenths
    EXPECT_TRUE(r.begin(83.4567));
    EXPECT_EQ(r.model.selection().beginMs, 83500);
    EXPECT_EQ(r.labels.text(TimeLabel::SelBegin), "00:01:23.5");
    r.model.setView({80, 7.28});  // 10 ms a pixel: hundredths
    EXPECT_TRUE(r.end(84.1234));
    EXPECT_EQ(r.model.selection().endMs, 84120);
    EXPECT_EQ(r.labels.text(TimeLabel::SelLength), "00:00:00.62");
    r.model.setView({83, 0.728});  // 1 ms a pixel
    EXPECT_TRUE(r.begin(83.4567));
    EXPECT_EQ(r.model.selection().beginMs, 83457);
    EXPECT_EQ(r.labels.text(TimeLabel::SelBegin), "00:01:23.457");
    r.model.showWholeFile();
    EXPECT_EQ(r.model.precisionMs(), 1000);
}

TEST(EditorModel, TypedTimesAreCheckedAndEachIsOneUndoStep)
{
    Rig r(120);
    EXPECT_EQ(r.model.setTypedTime(TimeField::Begin, 12345), TypedTimeError::None);
    EXPECT_EQ(r.model.setTypedTime(TimeField::End, 42845), TypedTimeError::None);
    EXPECT_EQ(r.model.selection(), (Selection{12345, 42845, true, true}));
    EXPECT_EQ(r.labels.text(TimeLabel::SelLength), "00:00:30.5");
    EXPECT_EQ(r.model.setTypedTime(TimeField::Length, 20000), TypedTimeError::None);  // moves the end
    EXPECT_EQ(r.model.selection().endMs, 32345);

    const Selection before = r.model.selection();
    EXPECT_EQ(r.model.setTypedTime(TimeField::End, 12345), TypedTimeError::EndNotAfterBegin);
    EXPECT_EQ(r.model.setTypedTime(TimeField::End, 10000), TypedTimeError::EndNotAfterBegin);
    EXPECT_EQ(r.model.setTypedTime(TimeField::Begin, 32345), TypedTimeError::BeginNotBeforeEnd);
    EXPECT_EQ(r.model.setTypedTime(TimeField::End, 120001), TypedTimeError::PastEnd);
    EXPECT_EQ(r.model.setTypedTime(TimeField::Begin, 130000), TypedTimeError::PastEnd);
    EXPECT_EQ(r.model.setTypedTime(TimeField::Length, 107656), TypedTimeError::PastEnd);
    EXPECT_EQ(r.model.setTypedTime(TimeField::Length, 0), TypedTimeError::EndNotAfterBegin);
    EXPECT_EQ(r.model.selection(), before);
    EXPECT_EQ(r.model.setTypedTime(TimeField::End, 120000), TypedTimeError::None);  // the very end

    ASSERT_TRUE(r.model.undo());
    EXPECT_EQ(r.model.selection(), before);
    ASSERT_TRUE(r.model.undo());
    EXPECT_EQ(r.model.selection().endMs, 42845);
    ASSERT_TRUE(r.model.undo());
    EXPECT_EQ(r.model.selection(), (Selection{12345, 0, true, false}));
}

TEST(EditorModel, NudgesMoveByTheGivenStepAndKeepOneUnitApart)
{
    Rig r(60);
    r.model.setTypedTime(TimeField::Begin, 10000);
    r.model.setTypedTime(TimeField::End, 12000);
    // The whole view: a second apart at least, as always.
    EXPECT_TRUE(r.model.nudgeMarkerMs(Boundary::End, -10000));
    EXPECT_EQ(r.model.selection().endMs, 11000);
    r.model.setView({5, 7.28});  // hundredths
    EXPECT_EQ(r.model.precisionMs(), 10);
    EXPECT_TRUE(r.model.nudgeMarkerMs(Boundary::End, -r.model.precisionMs()));
    EXPECT_EQ(r.model.selection().endMs, 10990);
    EXPECT_TRUE(r.model.nudgeMarkerMs(Boundary::End, -10000));
    EXPECT_EQ(r.model.selection().endMs, 10010);
    EXPECT_FALSE(r.model.nudgeMarkerMs(Boundary::End, -10));

    // The playhead moves from its place at the view's precision.
    r.model.setPlayhead(9.87654);
    EXPECT_EQ(r.model.movePlayheadByMs(r.model.precisionMs()), 9890);
    EXPECT_EQ(r.model.movePlayheadByMs(-1000), 8890);
    r.model.showWholeFile();
    EXPECT_EQ(r.model.movePlayheadByMs(1000), 10000);  // from its whole second, as always
}

TEST(EditorModel, AFileStillDecodingBoundsMarkersAtThePrecision)
{
    Rig r(100);
    r.model.setDecodedEnd(40.4567);
    EXPECT_EQ(r.model.editableEndMs(), 40000);  // its last whole second at the whole view
    EXPECT_EQ(r.model.editableEnd(), 40);
    r.model.setView({35, 7.28});
    EXPECT_EQ(r.model.editableEndMs(), 40450);
    r.model.setEndFromDragMs(41000);
    EXPECT_EQ(r.model.selection().endMs, 40450);
    EXPECT_EQ(r.model.setTypedTime(TimeField::End, 40457), TypedTimeError::PastEnd);
    EXPECT_EQ(r.model.setTypedTime(TimeField::End, 40456), TypedTimeError::None);
}

TEST(EditorModel, TheSoundsLastFractionOfASecondIsReachedZoomedIn)
{
    Rig r;
    r.model.setLengthMs(20937);  // 20.937 s: the duration is 20
    EXPECT_EQ(r.model.duration(), 20);
    EXPECT_EQ(r.model.view(), wholeView(20));
    EXPECT_EQ(r.model.editableEndMs(), 20000);  // the whole-file view keeps whole seconds

    // A narrower view goes on to the sound's end; its markers and playhead too.
    r.model.setView({16, 5});
    EXPECT_DOUBLE_EQ(r.model.view().end(), 20.937);
    ASSERT_EQ(r.model.precisionMs(), 10);
    EXPECT_EQ(r.model.editableEndMs(), 20930);
    EXPECT_EQ(r.model.movePlayheadTo(PlayheadTarget::End), 20930);
    EXPECT_TRUE(r.model.setEndAtPlayhead());
    EXPECT_EQ(r.model.selection().endMs, 20930);
    r.model.setEndFromDragMs(20940);  // rounded past the end at the view's edge
    EXPECT_EQ(r.model.selection().endMs, 20930);
    r.model.scrollBy(1000);
    EXPECT_DOUBLE_EQ(r.model.view().end(), 20.937);

    // A typed time may name the sound's very end, not a millisecond more.
    EXPECT_EQ(r.model.setTypedTime(TimeField::End, 20937), TypedTimeError::None);
    EXPECT_EQ(r.model.setTypedTime(TimeField::End, 20938), TypedTimeError::PastEnd);

    // The whole-file view draws that end at the track's end, where the duration ends.
    r.model.showWholeFile();
    const TimelineLayout l = layoutTimeline(r.model);
    EXPECT_TRUE(l.end.drawn);
    EXPECT_DOUBLE_EQ(l.end.left, 728);
    // Zooming out as far as it goes is the whole-file view again.
    r.model.setView({10, 5});
    r.model.zoomAround(364, 0.01);
    EXPECT_FALSE(r.model.isZoomed());

    // Another sound: its own length.
    r.model.setDuration(30);
    EXPECT_EQ(r.model.lengthMs(), 30000);
}

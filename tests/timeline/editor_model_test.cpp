// The editor's model in seconds: selection rules at the playhead, label writes through its
// signals, keyboard moves, undo, reset, and the view that follows the playhead.
#include "support/RecordingLabels.h"
#include "timeline/EditorModel.h"
#include "timeline/SelectionLabels.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

QString w(TimeLabel l, const char* t) { return QString::number(static_cast<int>(l)) + "=" + t; }

// A model whose begin/end signals write the labels as the window does.
struct Rig {
    EditorModel model;
    RecordingLabels labels;
    Rig(std::int32_t duration = 60)
    {
        model.setDuration(duration);
        QObject::connect(&model, &EditorModel::beginSet, [this] {
            writeBeginLabels(labels, model.selection().begin, model.selection().end);
        });
        QObject::connect(&model, &EditorModel::endSet, [this] {
            writeEndLabels(labels, model.selection().begin, model.selection().end);
        });
    }
    void at(double seconds) { model.setPlayhead(seconds); }
};

}  // namespace

TEST(EditorModel, SetsTheSelectionAtThePlayheadWithItsGuards)
{
    Rig r;
    r.at(10);
    EXPECT_TRUE(r.model.setBeginAtPlayhead());
    EXPECT_EQ(r.model.selection(), (Selection{10, 0, true, false}));
    r.at(30);
    EXPECT_TRUE(r.model.setEndAtPlayhead());
    EXPECT_EQ(r.labels.text(TimeLabel::SelLength), "00:00:20");
    EXPECT_EQ(r.labels.text(TimeLabel::ViewLength), "00:00:20");
    r.at(5);
    EXPECT_FALSE(r.model.setEndAtPlayhead());  // before the begin
    r.at(30);
    EXPECT_FALSE(r.model.setBeginAtPlayhead());  // at the end
    r.at(10.4);
    EXPECT_TRUE(r.model.setEndAtPlayhead());  // rounds to the begin: accepted
    EXPECT_EQ(r.model.selection(), (Selection{10, 10, true, true}));
    r.at(20.5);  // half to even
    EXPECT_FALSE(r.model.setBeginAtPlayhead());  // 20 is after the end 10

    // With no end set, any begin is taken and the length labels keep their text.
    Rig fresh;
    fresh.labels.texts[TimeLabel::SelLength] = "00:00:07";
    fresh.at(45);
    EXPECT_TRUE(fresh.model.setBeginAtPlayhead());
    EXPECT_EQ(fresh.labels.writes, QStringList({w(TimeLabel::SelBegin, "00:00:45"), w(TimeLabel::ViewBegin, "00:00:45"),
                                                w(TimeLabel::ViewLength, "00:00:07")}));
}

TEST(EditorModel, RandomCutWritesTheEndBeforeTheBeginInOneStep)
{
    Rig r(600);
    QSignalSpy changed(&r.model, &EditorModel::selectionChanged);
    r.model.applyRandomCut(100, 130);
    EXPECT_EQ(r.model.selection(), (Selection{100, 130, true, true}));
    const QStringList cutWrites = r.labels.writes;
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(r.model.undo());
    EXPECT_EQ(r.model.selection(), Selection{});
    EXPECT_EQ(cutWrites,
              QStringList({w(TimeLabel::SelEnd, "00:02:10"), w(TimeLabel::ViewEnd, "00:02:10"),
                           w(TimeLabel::SelLength, "00:00:30"), w(TimeLabel::ViewLength, "00:00:30"),
                           w(TimeLabel::SelBegin, "00:01:40"), w(TimeLabel::ViewBegin, "00:01:40"),
                           w(TimeLabel::SelLength, "00:00:30"), w(TimeLabel::ViewLength, "00:00:30")}));
}

TEST(EditorModel, MarkersMoveBySecondsWithinTheirLimits)
{
    Rig r(100);
    EXPECT_FALSE(r.model.nudgeMarker(Boundary::Begin, 1));  // hidden markers cannot be moved
    r.model.applyRandomCut(10, 12);
    EXPECT_TRUE(r.model.nudgeMarker(Boundary::Begin, 1));
    EXPECT_EQ(r.model.selection().begin, 11);
    EXPECT_EQ(r.labels.text(TimeLabel::SelBegin), "00:00:11");
    EXPECT_FALSE(r.model.nudgeMarker(Boundary::Begin, 1));  // one second before the end at most
    EXPECT_FALSE(r.model.nudgeMarker(Boundary::End, -1));
    EXPECT_TRUE(r.model.nudgeMarker(Boundary::End, 10));
    EXPECT_TRUE(r.model.nudgeMarker(Boundary::End, 1000));
    EXPECT_EQ(r.model.selection().end, 100);  // the file's end
    EXPECT_TRUE(r.model.nudgeMarker(Boundary::Begin, -1000));
    EXPECT_EQ(r.model.selection().begin, 0);
    EXPECT_FALSE(r.model.nudgeMarker(Boundary::Begin, -1));
    EXPECT_FALSE(r.model.nudgeMarker(Boundary::Playhead, 1));

    // A begin with no end set may go up to the file's end.
    Rig open(50);
    open.at(48);
    open.model.setBeginAtPlayhead();
    EXPECT_TRUE(open.model.nudgeMarker(Boundary::Begin, 5));
    EXPECT_EQ(open.model.selection().begin, 50);
}

TEST(EditorModel, UndoAndRedoEverySelectionChange)
{
    Rig r(7200);
    QSignalSpy history(&r.model, &EditorModel::historyChanged);
    EXPECT_FALSE(r.model.undo());
    r.model.applyRandomCut(0, 6);
    for (int i = 0; i < 60; ++i)
        r.model.nudgeMarker(Boundary::End, 1);
    EXPECT_EQ(r.model.selection().end, 66);
    EXPECT_GT(history.count(), 0);
    for (int i = 0; i < 50; ++i)
        ASSERT_TRUE(r.model.undo()) << i;
    EXPECT_EQ(r.model.selection().end, 16);
    EXPECT_EQ(r.labels.text(TimeLabel::SelEnd), "00:00:16");
    EXPECT_EQ(r.labels.text(TimeLabel::ViewLength), "00:00:16");
    EXPECT_TRUE(r.model.canRedo());
    for (int i = 0; i < 3; ++i)
        r.model.redo();
    EXPECT_EQ(r.model.selection().end, 19);
    // A new change drops what was undone.
    r.model.nudgeMarker(Boundary::Begin, 2);
    EXPECT_FALSE(r.model.canRedo());
    EXPECT_FALSE(r.model.redo());
    r.model.undo();
    EXPECT_EQ(r.model.selection(), (Selection{0, 19, true, true}));

    // A marker released where it was adds no step; the first set that shows a marker does.
    const bool before = r.model.canUndo();
    r.model.setEndFromDrag(19);
    EXPECT_EQ(r.model.canUndo(), before);
    Rig fresh;
    fresh.model.setBeginAtPlayhead();  // 0 -> 0, but now shown
    EXPECT_TRUE(fresh.model.undo());
    EXPECT_FALSE(fresh.model.selection().beginShown);
}

TEST(EditorModel, ResetClearsEverythingButTheDuration)
{
    Rig r(7200);
    r.model.applyRandomCut(100, 200);
    r.model.setPlayhead(150);
    r.model.zoomToSelection();
    r.model.setDragPreview(DragPreview{Boundary::Begin, 20});
    EXPECT_TRUE(r.model.isZoomed());
    r.model.reset();
    EXPECT_EQ(r.model.selection(), Selection{});
    EXPECT_EQ(r.model.playhead(), 0);
    EXPECT_FALSE(r.model.dragPreview());
    EXPECT_FALSE(r.model.canUndo());
    EXPECT_FALSE(r.model.isZoomed());
    EXPECT_EQ(r.model.duration(), 7200);
    // A new duration shows the whole of the new file.
    r.model.zoomAround(364, 4);
    r.model.setDuration(90);
    EXPECT_EQ(r.model.view(), wholeView(90));
    r.model.setDuration(-4);
    EXPECT_EQ(r.model.duration(), 0);
}

TEST(EditorModel, KeyboardMovesThePlayheadBySecondsAndShowsIt)
{
    Rig r(7200);
    r.model.setView({0, 60});
    r.model.setPlayhead(58.7);
    EXPECT_EQ(r.model.movePlayheadBy(1), 60);
    EXPECT_EQ(r.model.view(), (TimelineView{0, 60}));
    EXPECT_EQ(r.model.movePlayheadBy(10), 70);
    EXPECT_EQ(r.model.view(), (TimelineView{10, 60}));  // just enough to show it
    EXPECT_EQ(r.model.movePlayheadBy(-100), 0);
    EXPECT_EQ(r.model.movePlayheadTo(PlayheadTarget::End), 7200);
    EXPECT_EQ(r.model.movePlayheadBy(10), 7200);
    EXPECT_EQ(r.model.movePlayheadTo(PlayheadTarget::SelectionEnd), 7200);  // no end: the file's end
    EXPECT_EQ(r.model.movePlayheadTo(PlayheadTarget::SelectionBegin), 0);
    r.model.applyRandomCut(300, 400);
    EXPECT_EQ(r.model.movePlayheadTo(PlayheadTarget::SelectionEnd), 400);
    EXPECT_EQ(r.model.view(), (TimelineView{340, 60}));
    EXPECT_EQ(r.model.movePlayheadTo(PlayheadTarget::SelectionBegin), 300);
    EXPECT_EQ(r.model.movePlayheadTo(PlayheadTarget::Start), 0);
    EXPECT_EQ(r.model.view(), (TimelineView{0, 60}));
}

TEST(EditorModel, TheViewFollowsThePlayheadOnlyWhilePlaying)
{
    Rig r(7200);
    r.model.setView({0, 60});
    r.model.setPlayhead(75);  // stopped: the view stays
    EXPECT_EQ(r.model.view(), (TimelineView{0, 60}));
    r.model.setPlaying(true);  // starting to play shows where it plays
    EXPECT_EQ(r.model.view(), (TimelineView{75, 60}));
    r.model.setPlayhead(100);
    EXPECT_EQ(r.model.view(), (TimelineView{75, 60}));
    r.model.setPlayhead(135.5);
    EXPECT_EQ(r.model.view(), (TimelineView{135.5, 60}));
    EXPECT_NEAR(r.model.keyboardAnchor(), 0, 1e-9);
    r.model.setPlaying(false);
    r.model.setPlayhead(1000);
    EXPECT_EQ(r.model.view(), (TimelineView{135.5, 60}));
    EXPECT_EQ(r.model.keyboardAnchor(), 364);  // out of view: zoom around the middle
}

TEST(EditorModel, ZoomToSelectionNeedsBothMarkers)
{
    Rig r(7200);
    EXPECT_FALSE(r.model.zoomToSelection());
    r.at(600);
    r.model.setBeginAtPlayhead();
    EXPECT_FALSE(r.model.zoomToSelection());
    r.at(630);
    r.model.setEndAtPlayhead();
    QSignalSpy view(&r.model, &EditorModel::viewChanged);
    EXPECT_TRUE(r.model.zoomToSelection());
    EXPECT_EQ(r.model.view(), (TimelineView{598.5, 33}));
    EXPECT_EQ(view.count(), 1);
    r.model.showWholeFile();
    EXPECT_EQ(r.model.view(), wholeView(7200));
    r.model.zoomAround(364, 2);
    r.model.scrollBy(-10000);
    EXPECT_EQ(r.model.view(), (TimelineView{0, 3600}));
}

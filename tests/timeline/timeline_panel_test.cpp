// The timeline panel in a real widget: the pointer drags and seeks through it at the whole-file
// view exactly as the unzoomed timeline always did, the wheel zooms and scrolls, a marker out of
// view cannot be grabbed, and the keyboard takes markers with Tab and moves them with arrows.
#include "support/RecordingLabels.h"
#include "timeline/DragBubble.h"
#include "timeline/SelectionLabels.h"
#include "timeline/TimelineGeometry.h"
#include "timeline/TimelinePanel.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

struct Rig {
    EditorModel model;
    RecordingLabels labels;
    QWidget window;
    TimelinePanel* panel;
    QWidget* before;  // a focusable neighbour, for Tab
    explicit Rig(std::int32_t duration)
    {
        model.setDuration(duration);
        connectSelectionLabels(model, labels, &model);
        before = new QWidget(&window);
        before->setFocusPolicy(Qt::TabFocus);
        before->setGeometry(0, 0, 10, 10);
        panel = new TimelinePanel(model, TimelineArt{}, &window);
        panel->setGeometry(0, 20, 746, 360);
        window.resize(760, 400);
        window.show();
        QApplication::setActiveWindow(&window);
    }
    double left(Boundary b) const { return layoutTimeline(model).of(b).left; }
    // Grabs a handle 6 px inside it (the upper one, or the lower with `bottom`), moves the pointer
    // by dx and lets go.
    void drag(Boundary b, double dx, bool bottom = false)
    {
        const int x = int(std::lround(left(b))) + 6;
        const int y = bottom ? kBottomHandleY + 4 : kTopHandleY + 4;
        QTest::mousePress(panel, Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
        QTest::mouseMove(panel, QPoint(int(x + dx), y));
        QTest::mouseRelease(panel, Qt::LeftButton, Qt::NoModifier, QPoint(int(x + dx), y));
    }
    void wheel(QPoint at, int delta, Qt::KeyboardModifiers mods)
    {
        QWheelEvent e(QPointF(at), QPointF(panel->mapToGlobal(at)), QPoint(), QPoint(0, delta), Qt::NoButton, mods,
                      Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(panel, &e);
    }
};

}  // namespace

TEST(TimelinePanel, MarkerDragsAtTheWholeFileKeepTheirPixelsAndSeconds)
{
    Rig r(200);
    r.model.applyRandomCut(0, 200);
    r.drag(Boundary::Begin, 182);
    EXPECT_EQ(r.left(Boundary::Begin), 182);
    EXPECT_EQ(r.model.selection().beginMs, 50000);
    EXPECT_EQ(r.labels.text(TimeLabel::SelBegin), "00:00:50");
    EXPECT_EQ(r.labels.text(TimeLabel::ViewBegin), "00:00:50");
    r.drag(Boundary::End, 546 - 728, true);  // the lower handle moves the whole marker
    EXPECT_EQ(r.left(Boundary::End), 546);
    EXPECT_EQ(r.model.selection().endMs, 150000);
    EXPECT_EQ(r.labels.text(TimeLabel::SelLength), "00:01:40");
    EXPECT_EQ(r.labels.text(TimeLabel::ViewLength), "00:01:40");
    EXPECT_EQ(r.panel->takenMarker(), Boundary::End);  // a click takes the marker for the keys
}

TEST(TimelinePanel, MarkersStopOneHandleApartAndOnTheTrack)
{
    Rig r(364);
    r.model.applyRandomCut(0, 364);
    r.drag(Boundary::End, 400 - 728);
    r.drag(Boundary::Begin, 500);  // into the end marker: stops exactly 13 px left of it, at 387
    EXPECT_EQ(r.model.selection().beginMs, 194000);  // 193.5 rounds to even, and is drawn there
    EXPECT_EQ(r.left(Boundary::Begin), 388);
    r.drag(Boundary::End, -300, true);  // the end marker into the begin marker: begin + 13
    EXPECT_EQ(r.left(Boundary::End), 400);  // 401 px: 200.5 s rounds to 200, drawn at 400
    r.drag(Boundary::Begin, -1000);  // past the left end: 0
    EXPECT_EQ(r.left(Boundary::Begin), 0);
    EXPECT_EQ(r.model.selection().beginMs, 0);
    r.drag(Boundary::End, 1000);  // past the right end: 728, the full duration
    EXPECT_EQ(r.left(Boundary::End), 728);
    EXPECT_EQ(r.model.selection().endMs, 364000);
}

TEST(TimelinePanel, PlayheadHandlesAndTrackClicksAreSignalled)
{
    Rig r(364);
    QSignalSpy taken(r.panel, &TimelinePanel::playheadTaken);
    QSignalSpy released(r.panel, &TimelinePanel::playheadReleased);
    QSignalSpy track(r.panel, &TimelinePanel::trackPressed);
    QTest::mousePress(r.panel, Qt::LeftButton, Qt::NoModifier, QPoint(6, kBottomHandleY + 4));
    EXPECT_EQ(taken.size(), 1);
    QTest::mouseMove(r.panel, QPoint(6 + 182, kBottomHandleY + 4));
    EXPECT_EQ(dragBubbleText(r.panel->drag()), "00:01:31");  // the bubble tells the second
    QTest::mouseRelease(r.panel, Qt::LeftButton, Qt::NoModifier, QPoint(6 + 182, kBottomHandleY + 4));
    ASSERT_EQ(released.size(), 1);
    EXPECT_EQ(released[0][0].toLongLong(), 91000);
    EXPECT_EQ(r.model.playhead(), 91);
    EXPECT_TRUE(dragBubbleText(r.panel->drag()).isEmpty());

    // Hidden markers cannot be grabbed: a press where they wait seeks.
    QTest::mousePress(r.panel, Qt::RightButton, Qt::NoModifier, QPoint(728 + 6, kTopHandleY + 4));
    ASSERT_EQ(track.size(), 1);  // any button
    EXPECT_EQ(track[0][0].toDouble(), 734);
    EXPECT_EQ(r.model.selection(), Selection{});
}

TEST(TimelinePanel, CtrlWheelZoomsAroundThePointerAndTheWheelScrolls)
{
    Rig r(7200);
    const QPoint at(6 + 546, 200);
    const double under = r.model.view().timeAt(546);
    r.wheel(at, 120 * 4, Qt::ControlModifier);
    EXPECT_NEAR(r.model.view().span, 7200 / 4.0, 1e-6);
    EXPECT_NEAR(r.model.view().timeAt(546), under, 1e-6);  // the second under the pointer stays
    const double start = r.model.view().start;
    r.wheel(at, -120, Qt::NoModifier);  // down: later
    EXPECT_NEAR(r.model.view().start, start + r.model.view().span / 10, 1e-6);
    r.wheel(at, 120, Qt::ShiftModifier);
    EXPECT_NEAR(r.model.view().start, start, 1e-6);
    for (int i = 0; i < 40; ++i)
        r.wheel(at, 120, Qt::ControlModifier);
    EXPECT_NEAR(r.model.view().span, kMinViewSpan, 1e-9);  // about 1 s per 100 px at most

    // A marker out of view is not drawn and cannot be grabbed: a press there seeks instead.
    r.model.setPlayhead(10);
    r.model.setBeginAtPlayhead();
    QSignalSpy track(r.panel, &TimelinePanel::trackPressed);
    ASSERT_GT(r.model.view().start, 20);
    EXPECT_FALSE(layoutTimeline(r.model).begin.drawn);
    QTest::mousePress(r.panel, Qt::LeftButton, Qt::NoModifier, QPoint(6, kTopHandleY + 4));
    EXPECT_EQ(track.size(), 1);
    EXPECT_FALSE(r.panel->drag().isActive());
}

TEST(TimelinePanel, TabTakesTheMarkersAndArrowsMoveThemBySeconds)
{
    Rig r(600);
    r.model.applyRandomCut(100, 200);
    r.before->setFocus();
    QTest::keyClick(r.before, Qt::Key_Tab);
    ASSERT_TRUE(r.panel->hasFocus());
    EXPECT_EQ(r.panel->takenMarker(), Boundary::Begin);
    QTest::keyClick(r.panel, Qt::Key_Right);
    EXPECT_EQ(r.model.selection().beginMs, 101000);
    QTest::keyClick(r.panel, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(r.model.selection().beginMs, 91000);
    QTest::keyClick(r.panel, Qt::Key_Tab);  // on to the end marker
    EXPECT_EQ(r.panel->takenMarker(), Boundary::End);
    QTest::keyClick(r.panel, Qt::Key_Left);
    EXPECT_EQ(r.model.selection().endMs, 199000);
    EXPECT_EQ(r.labels.text(TimeLabel::SelEnd), "00:03:19");
    QTest::keyClick(r.panel, Qt::Key_Backtab);
    EXPECT_EQ(r.panel->takenMarker(), Boundary::Begin);
    EXPECT_TRUE(r.model.undo());  // each step is one undo
    EXPECT_EQ(r.model.selection().endMs, 200000);

    // The focus ring is drawn around the taken marker only.
    const int x = int(std::lround(r.left(Boundary::Begin))) - 2;
    auto inked = [&](const QImage& image) {
        int n = 0;
        for (int y = 60; y < 340; ++y)
            n += image.pixel(x, y) != qRgb(255, 255, 255);
        return n;
    };
    EXPECT_GT(inked(r.panel->grabScene()), 50);
    r.panel->takeMarker(std::nullopt);
    EXPECT_EQ(inked(r.panel->grabScene()), 0);
}

TEST(TimelinePanel, ADraggedMarkerSnapsToBeatsUnlessShiftIsHeldAndOnlyWithSnappingOn)
{
    Rig r(100);
    r.model.setView({40, 7.28});  // 10 ms per pixel
    r.model.applyRandomCut(41, 46);
    r.panel->setBeats({44.25});
    const double beat = r.model.view().pixelOf(44.25);
    const int x = int(std::lround(r.left(Boundary::End))) + 6;
    const int y = kTopHandleY + 4;
    const int to = x + int(std::lround(beat - r.left(Boundary::End))) + 3;  // 3 px past the beat

    // Snapping off (as at first): the marker follows the pointer.
    QTest::mousePress(r.panel, Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
    QTest::mouseMove(r.panel, QPoint(to, y));
    EXPECT_FALSE(r.panel->drag().onBeat());
    r.panel->cancelDrag();
    QTest::mouseRelease(r.panel, Qt::LeftButton, Qt::NoModifier, QPoint(to, y));

    r.panel->setSnapToBeats(true);
    QTest::mousePress(r.panel, Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
    QTest::mouseMove(r.panel, QPoint(to, y));
    EXPECT_TRUE(r.panel->drag().onBeat());
    EXPECT_EQ(r.panel->drag().left(), beat);
    EXPECT_TRUE(dragBubbleText(r.panel->drag()).endsWith(" beat"));
    // Shift pressed while holding still lets go of the beat; let go, it snaps again.
    QTest::keyPress(r.panel, Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_FALSE(r.panel->drag().onBeat());
    EXPECT_NEAR(r.panel->drag().left(), beat + 3, 1);
    QTest::keyRelease(r.panel, Qt::Key_Shift);
    EXPECT_TRUE(r.panel->drag().onBeat());
    // A move with Shift held does not snap either.
    QMouseEvent shifted(QEvent::MouseMove, QPointF(to, y), r.panel->mapToGlobal(QPointF(to, y)), Qt::NoButton,
                        Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(r.panel, &shifted);
    EXPECT_FALSE(r.panel->drag().onBeat());
    QTest::mouseRelease(r.panel, Qt::LeftButton, Qt::ShiftModifier, QPoint(to, y));
    EXPECT_NEAR(double(r.model.selection().endMs), 44280, 10);  // where Shift let it go
}

TEST(TimelinePanel, AltArrowsMoveATakenMarkerByOneUnitOfTheView)
{
    Rig r(600);
    r.model.applyRandomCut(100, 200);
    r.before->setFocus();
    QTest::keyClick(r.before, Qt::Key_Tab);
    ASSERT_EQ(r.panel->takenMarker(), Boundary::Begin);
    QTest::keyClick(r.panel, Qt::Key_Right, Qt::AltModifier);  // the whole view: a second
    EXPECT_EQ(r.model.selection().beginMs, 101000);
    r.model.setView({95, 7.28});  // 10 ms a pixel
    QTest::keyClick(r.panel, Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(r.model.selection().beginMs, 101010);
    EXPECT_EQ(r.labels.text(TimeLabel::SelBegin), "00:01:41.01");
    r.model.setView({100, 0.728});  // 1 ms a pixel
    QTest::keyClick(r.panel, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(r.model.selection().beginMs, 101009);
    QTest::keyClick(r.panel, Qt::Key_Left);  // a plain arrow keeps its second
    EXPECT_EQ(r.model.selection().beginMs, 100009);
}

#include "support/FakeMedia.h"
#include "support/RecordingLabels.h"
#include "timeline/EditorState.h"
#include "timeline/PlaybackController.h"
#include "timeline/SelectionLabels.h"
#include "timeline/TimelineBoard.h"
#include "timeline/TimelineInteraction.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace {


struct Rig {
    QTemporaryDir dir;
    QString wav = dir.filePath("open-1.wav");
    EditorState state;
    FakeMedia media;
    PlainTimelineBoard board;
    RecordingLabels labels;
    PlaybackController playback{state, media, board, labels, wav, {}};
    QList<bool> pollSwitches;
    TimelineInteraction ui{state, board, labels, playback, [this](bool on) { pollSwitches << on; }};
    Rig()
    {
        QFile f(wav);
        f.open(QIODevice::WriteOnly);
        placeInitialMarkers(board);
    }
    double left(TimelinePic p) const { return board.left(p); }
    // Drags a handle grabbed at x = 6 so that its Left moves by `dx`.
    void drag(MarkerHandle h, double dx)
    {
        ui.markerPress(h, 6);
        ui.markerMove(h, 6 + dx);
        ui.markerRelease(h);
    }
};

}  // namespace

TEST(MarkerDrag, ReleasesWriteWholeSecondsAndLabels)
{
    Rig r;
    r.state.txtFullTime = "200";
    r.drag(MarkerHandle::Top1, 182);
    EXPECT_EQ(r.left(TimelinePic::SelectTop1), 182);
    EXPECT_EQ(r.left(TimelinePic::SelectLine1), 188);
    EXPECT_EQ(r.left(TimelinePic::SelectBottom1), 182);
    EXPECT_EQ(r.state.selBeginSeconds, 50);
    EXPECT_EQ(r.labels.text(TimeLabel::SelBegin), "00:00:50");
    EXPECT_EQ(r.labels.text(TimeLabel::ViewBegin), "00:00:50");

    r.drag(MarkerHandle::Bottom2, 546 - 728);  // the lower handle moves the whole marker
    EXPECT_EQ(r.left(TimelinePic::SelectTop2), 546);
    EXPECT_EQ(r.left(TimelinePic::SelectLine2), 552);
    EXPECT_EQ(r.state.selEndSeconds, 150);
    EXPECT_EQ(r.labels.text(TimeLabel::SelLength), "00:01:40");
    EXPECT_EQ(r.labels.text(TimeLabel::ViewLength), "00:01:40");
    EXPECT_EQ(r.state.dragActive, kFalse);
}

TEST(MarkerDrag, MarkersStopOneHandleApartAndOnTheTrack)
{
    Rig r;
    r.state.txtFullTime = "364";
    r.drag(MarkerHandle::Top2, 400 - 728);
    r.drag(MarkerHandle::Top1, 500);  // into the end marker: stops exactly 13 px left of it
    EXPECT_EQ(r.left(TimelinePic::SelectTop1), 387);
    EXPECT_EQ(r.left(TimelinePic::SelectLine1), 393);
    EXPECT_EQ(r.left(TimelinePic::SelectBottom1), 387);

    r.drag(MarkerHandle::Bottom2, -300);  // the end marker into the begin marker: begin + 13
    EXPECT_EQ(r.left(TimelinePic::SelectBottom2), 400);
    EXPECT_EQ(r.left(TimelinePic::SelectTop2), 400);

    r.drag(MarkerHandle::Top1, -1000);  // past the left end: all three at 0, line at 6
    EXPECT_EQ(r.left(TimelinePic::SelectTop1), 0);
    EXPECT_EQ(r.left(TimelinePic::SelectLine1), 6);
    EXPECT_EQ(r.state.selBeginSeconds, 0);

    r.drag(MarkerHandle::Top2, 1000);  // past the right end: 728, line 734, the full duration
    EXPECT_EQ(r.left(TimelinePic::SelectTop2), 728);
    EXPECT_EQ(r.left(TimelinePic::SelectLine2), 734);
    EXPECT_EQ(r.state.selEndSeconds, 364);

    // The collision is tested against the other marker even while it is hidden.
    EXPECT_FALSE(r.board.isVisible(TimelinePic::SelectTop2));
}

TEST(MarkerDrag, ACollisionCorrectionSkipsTheEdgeTest)
{
    // Where keeping a handle apart and keeping on the track conflict, apart wins: the
    // correction after a collision is not clamped to the track afterwards.
    Rig r;
    r.state.txtFullTime = "728";
    r.board.setLeft(TimelinePic::SelectTop2, 5);  // the end marker near the left end, as set at the playhead
    r.board.setLeft(TimelinePic::SelectBottom2, 5);
    r.drag(MarkerHandle::Top1, 20);
    EXPECT_EQ(r.left(TimelinePic::SelectTop1), 5 - 13);
    EXPECT_EQ(r.left(TimelinePic::SelectLine1), 5 - 13 + 6);
    EXPECT_EQ(r.left(TimelinePic::SelectBottom1), 5 - 13);
    EXPECT_EQ(r.state.selBeginSeconds, -8);

    r.board.setLeft(TimelinePic::SelectTop1, 723);  // and the same at the right end
    r.board.setLeft(TimelinePic::SelectBottom1, 723);
    r.drag(MarkerHandle::Bottom2, -100);
    EXPECT_EQ(r.left(TimelinePic::SelectBottom2), 723 + 13);
    EXPECT_EQ(r.left(TimelinePic::SelectTop2), 723 + 13);
    EXPECT_EQ(r.state.selEndSeconds, 736);
}

TEST(MarkerDrag, MovesAndReleasesWithoutAPressChangeNothing)
{
    Rig r;
    r.state.txtFullTime = "100";
    r.ui.markerMove(MarkerHandle::Top1, 50);
    r.ui.markerRelease(MarkerHandle::Top1);
    EXPECT_EQ(r.left(TimelinePic::SelectTop1), 0);
    EXPECT_TRUE(r.labels.texts.empty());

    // Before any playback the duration is 0 and every release gives 0 seconds.
    r.state.txtFullTime = "0";
    r.drag(MarkerHandle::Top1, 300);
    EXPECT_EQ(r.state.selBeginSeconds, 0);
    EXPECT_EQ(r.labels.text(TimeLabel::SelBegin), "00:00:00");
}

TEST(MarkerDrag, ScriptedMoveShiftsByThreeMinusTheLastAnchor)
{
    // How the random cutter drives a top handle: set its Left, set dragActive, move with x = 3.
    Rig r;
    r.state.txtFullTime = "100";
    r.ui.markerPress(MarkerHandle::Top1, 5);  // a real press leaves anchor 5
    r.ui.markerRelease(MarkerHandle::Top1);
    r.board.setLeft(TimelinePic::SelectTop2, 300);
    r.state.dragActive = kTrue;
    r.ui.markerMove(MarkerHandle::Top2, 3);
    EXPECT_EQ(r.left(TimelinePic::SelectTop2), 298);
    EXPECT_EQ(r.left(TimelinePic::SelectLine2), 304);
    EXPECT_EQ(r.left(TimelinePic::SelectBottom2), 298);
}

TEST(PlayheadSeek, DragAndReleasePlaysFromTheSecondUnderThePlayhead)
{
    Rig r;
    r.state.txtFullTime = "364";
    r.ui.playheadPress(PlayheadHandle::Bottom, 6);
    EXPECT_EQ(r.pollSwitches, QList<bool>({false}));
    EXPECT_EQ(r.media.commands, QStringList({"stop sound", "close sound"}));
    r.ui.playheadMove(PlayheadHandle::Bottom, 6 + 182);
    EXPECT_EQ(r.left(TimelinePic::TopPoint), 182);
    EXPECT_EQ(r.left(TimelinePic::BottomPoint), 182);
    EXPECT_EQ(r.left(TimelinePic::Line), 188);
    r.ui.playheadRelease(PlayheadHandle::Bottom);
    EXPECT_EQ(r.pollSwitches, QList<bool>({false, true}));
    EXPECT_EQ(r.media.commands.mid(2), QStringList({"open " + r.wav + " alias sound", "play sound from 91000"}));

    // The upper handle gives the same result; pressing and releasing without a move replays there.
    r.media.commands.clear();
    r.ui.playheadPress(PlayheadHandle::Top, 3);
    r.ui.playheadRelease(PlayheadHandle::Top);
    EXPECT_EQ(r.media.commands.last(), "play sound from 91000");

    // Dragged left of the track: no clamping, and the device refuses the negative position.
    r.ui.playheadPress(PlayheadHandle::Top, 6);
    r.ui.playheadMove(PlayheadHandle::Top, 6 - 400);
    EXPECT_EQ(r.left(TimelinePic::TopPoint), -218);
    r.ui.playheadRelease(PlayheadHandle::Top);
    EXPECT_EQ(r.media.commands.last(), "play sound from -109000");
}

TEST(PlayheadSeek, PanelClickSeeksAndKeepsTheSelectionPlayback)
{
    Rig r;
    r.state.txtFullTime = "364";
    r.state.playingSelection = kTrue;
    r.state.playPaused = kTrue;
    // The second under the pointer plays: the line of 273 s is drawn at 546 + 6.
    r.ui.panelPress(552);
    EXPECT_EQ(r.media.commands, QStringList({"stop sound", "close sound", "open " + r.wav + " alias sound",
                                             "play sound from 273000"}));
    EXPECT_EQ(r.state.playingSelection, kTrue);
    EXPECT_EQ(r.state.playPaused, kTrue);
    EXPECT_TRUE(r.pollSwitches.isEmpty());  // a click does not suspend the poll

    // The track's edges and the strips beside them play from the start and from the end.
    for (const auto& [x, ms] : {std::pair{0.0, "0"}, std::pair{6.0, "0"}, std::pair{8.0, "1000"},
                                std::pair{734.0, "364000"}, std::pair{745.0, "364000"}}) {
        r.ui.panelPress(x);
        EXPECT_EQ(r.media.commands.last(), QStringLiteral("play sound from ") + QLatin1String(ms)) << x;
    }

    r.state.txtFullTime = "0";  // duration unknown: every seek plays from the start
    r.ui.panelPress(700);
    EXPECT_EQ(r.media.commands.last(), "play sound from 0");
}

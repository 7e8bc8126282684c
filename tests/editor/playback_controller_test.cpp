#include "support/FakeMedia.h"
#include "support/RecordingLabels.h"
#include "timeline/EditorModel.h"
#include "editor/EditorState.h"
#include "editor/PlaybackController.h"
#include "timeline/SelectionLabels.h"
#include "timeline/TimelineLayout.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace {


struct Rig {
    QTemporaryDir dir;
    QString wav;
    EditorState state;
    EditorModel model;
    FakeMedia media;
    RecordingLabels labels;
    int pumps = 0;
    std::function<void()> duringPump;  // what the window's event processing runs meanwhile
    QStringList failures;              // what the controller reported
    PlaybackController ctl;
    Rig()
        : wav(dir.filePath("open-1.wav")),
          ctl(
              state, model, media, labels, wav,
              [this] {
                  ++pumps;
                  if (duringPump)
                      duringPump();
              },
              [this](const QString& why) { failures << why; })
    {
        QFile f(wav);
        f.open(QIODevice::WriteOnly);
        f.write("RIFF");
        connectSelectionLabels(model, labels, &model);
    }
    // Where the playhead and the markers are drawn (track pixels of the view).
    double left(Boundary b) const { return layoutTimeline(model).of(b).left; }
    // Plays, then lets the device report the given length and position to one poll.
    void playAt(double lengthMs, double positionMs)
    {
        ctl.play();
        media.lengthMs = lengthMs;
        media.positionMs = positionMs;
        ctl.poll();
    }
};

}  // namespace

TEST(PlaybackController, PlayClosesReopensAndPlaysFromTheStart)
{
    Rig r;
    r.ctl.play();
    EXPECT_EQ(r.media.commands, QStringList({"stop sound", "close sound", "stop sound", "close sound",
                                             "open " + r.wav + " alias sound", "play sound"}));
    EXPECT_GE(r.pumps, 2);
    r.media.commands.clear();
    r.ctl.play();  // a second Play restarts from the beginning
    EXPECT_EQ(r.media.commands.last(), "play sound");
    EXPECT_EQ(r.media.commands.filter("open ").size(), 1);

    // Without the decoded WAV, Play stops after closing the device, silently.
    QFile::remove(r.wav);
    r.media.commands.clear();
    r.ctl.play();
    EXPECT_EQ(r.media.commands, QStringList({"stop sound", "close sound", "stop sound", "close sound"}));
}

TEST(PlaybackController, PauseAndResumeKeepThePausedFlagUntilStop)
{
    Rig r;
    r.ctl.play();
    r.ctl.pause();
    EXPECT_EQ(r.state.playPaused, kTrue);
    EXPECT_EQ(r.media.commands.last(), "pause sound");
    r.media.commands.clear();
    r.ctl.play();
    EXPECT_EQ(r.media.commands, QStringList({"resume sound"}));
    EXPECT_EQ(r.state.playPaused, kTrue);  // every later Play only resumes
    r.ctl.play();
    EXPECT_EQ(r.media.commands.last(), "resume sound");

    r.labels.texts[TimeLabel::Time] = "00:00:12";
    r.state.playFraction = 0.4f;
    r.ctl.stop();
    EXPECT_EQ(r.state.playPaused, kFalse);
    EXPECT_EQ(r.state.playFraction, 0);
    EXPECT_EQ(r.labels.text(TimeLabel::Time), "00:00:00");
    EXPECT_FALSE(r.media.open);

    // Pause with nothing open still sets the flag; the next Play only resumes.
    r.ctl.pause();
    r.media.commands.clear();
    r.ctl.play();
    EXPECT_EQ(r.media.commands, QStringList({"resume sound"}));
}

TEST(PlaybackController, PollKeepsDurationPlayheadAndTimeLabel)
{
    Rig r;
    r.model.setDuration(17);
    r.labels.texts[TimeLabel::Time] = "00:00:09";
    r.ctl.poll();  // nothing open: playhead parked, the rest untouched
    EXPECT_EQ(r.left(Boundary::Playhead), 0);
    EXPECT_EQ(r.model.duration(), 17);
    EXPECT_EQ(r.labels.text(TimeLabel::Time), "00:00:09");

    r.playAt(60500, 15125);  // 60.5 s, at a quarter
    EXPECT_EQ(r.model.duration(), 60);
    EXPECT_FLOAT_EQ(r.state.playFraction, 0.25f);
    EXPECT_DOUBLE_EQ(r.model.playhead(), 15.125);  // where it plays, not 60 s x the fraction
    EXPECT_DOUBLE_EQ(r.left(Boundary::Playhead), 728 * 15.125 / 60);
    EXPECT_EQ(r.labels.text(TimeLabel::Time), "00:00:15");

    // In the last half second, past the whole-second duration, the playhead stays at the right
    // end of the whole-file view with the full time.
    for (double at : {60200.0, 60500.0}) {
        r.media.positionMs = at;
        r.ctl.poll();
        EXPECT_DOUBLE_EQ(r.model.playhead(), at / 1000);
        EXPECT_DOUBLE_EQ(r.left(Boundary::Playhead), 728);
        EXPECT_EQ(r.labels.text(TimeLabel::Time), "00:01:00");
    }
}

TEST(PlaybackController, MarkersSetWhilePlayingAndTheSelectionsEndAreWhereTheSoundIs)
{
    // A file of 20.9 s: its whole-second duration is 20, so 20 x the played fraction would stand
    // 0.2 s early at 5 s (and 0.6 s at 14 s).
    Rig r;
    r.playAt(20900, 5000);
    r.model.zoomAround(0, 2);  // 10 s in view: markers take tenths
    ASSERT_EQ(r.model.precisionMs(), 100);
    r.ctl.setBeginAtPlayhead();
    EXPECT_EQ(r.model.selection().beginMs, 5000);
    r.media.positionMs = 14000;
    r.ctl.poll();
    r.ctl.setEndAtPlayhead();
    EXPECT_EQ(r.model.selection().endMs, 14000);

    // The selection plays to its end and no further.
    r.ctl.playSelection();
    EXPECT_EQ(r.media.commands.last(), "play sound from 5000");
    r.media.positionMs = 13900;
    r.ctl.poll();
    EXPECT_EQ(r.state.playingSelection, kTrue);
    r.media.positionMs = 14000;
    r.ctl.poll();
    EXPECT_EQ(r.state.playingSelection, kFalse);

    // In the file's last fraction of a second, a marker set at the whole-file view takes the
    // last whole second.
    r.model.showWholeFile();
    r.playAt(20900, 20800);
    r.ctl.setEndAtPlayhead();
    EXPECT_EQ(r.model.selection().endMs, 20000);
    // Zoomed in, End takes the playhead to the sound's very end; the time label, in whole
    // seconds, does not pass the duration.
    r.ctl.pause();
    r.model.zoomAround(728, 4);
    EXPECT_EQ(r.model.movePlayheadTo(PlayheadTarget::End), 20900);
    r.ctl.cuePlayhead();
    EXPECT_EQ(r.labels.text(TimeLabel::Time), "00:00:20");
}

TEST(PlaybackController, SetsTheSelectionAtThePlayheadWithItsGuards)
{
    Rig r;
    r.playAt(60000, 10000);  // 10 s of 60
    r.ctl.setBeginAtPlayhead();
    EXPECT_EQ(r.model.selection().beginMs, 10000);
    EXPECT_TRUE(layoutTimeline(r.model).begin.drawn);
    EXPECT_NEAR(r.left(Boundary::Begin), r.left(Boundary::Playhead), 1e-3);
    EXPECT_EQ(r.labels.text(TimeLabel::SelBegin), "00:00:10");
    EXPECT_EQ(r.labels.text(TimeLabel::ViewBegin), "00:00:10");

    r.media.positionMs = 30000;
    r.ctl.poll();
    r.ctl.setEndAtPlayhead();
    EXPECT_EQ(r.model.selection().endMs, 30000);
    EXPECT_EQ(r.labels.text(TimeLabel::SelLength), "00:00:20");
    EXPECT_EQ(r.labels.text(TimeLabel::ViewLength), "00:00:20");
    EXPECT_TRUE(layoutTimeline(r.model).end.drawn);

    r.media.positionMs = 5000;  // an end before the begin is ignored
    r.ctl.poll();
    r.ctl.setEndAtPlayhead();
    EXPECT_EQ(r.model.selection().endMs, 30000);

    r.media.positionMs = 30000;  // a begin at or after the end is ignored
    r.ctl.poll();
    r.ctl.setBeginAtPlayhead();
    EXPECT_EQ(r.model.selection().beginMs, 10000);

    r.media.positionMs = 10000;  // an end equal to the begin is accepted
    r.ctl.poll();
    r.ctl.setEndAtPlayhead();
    EXPECT_EQ(r.model.selection().endMs, 10000);
}

TEST(PlaybackController, BeginWithoutAnEndKeepsTheLengthLabels)
{
    Rig r;
    r.labels.texts[TimeLabel::SelLength] = "00:00:07";
    r.playAt(60000, 20000);
    r.ctl.setBeginAtPlayhead();
    EXPECT_EQ(r.model.selection().beginMs, 20000);
    EXPECT_EQ(r.labels.text(TimeLabel::SelLength), "00:00:07");
    EXPECT_EQ(r.labels.text(TimeLabel::ViewLength), "00:00:07");
}

TEST(PlaybackController, SelectionPlaysFromItsBeginAndStopsAtItsEnd)
{
    Rig r;
    r.ctl.playSelection();  // 0/0: nothing
    EXPECT_TRUE(r.media.commands.isEmpty());

    r.model.setDuration(60);
    r.model.setEndFromDragMs(12000);
    r.ctl.playSelection();
    EXPECT_EQ(r.media.commands.last(), "play sound from 0");
    EXPECT_EQ(r.media.capacities.last(), 0);  // sent without a reply buffer
    EXPECT_EQ(r.state.playingSelection, kTrue);

    r.media.lengthMs = 60000;
    r.media.positionMs = 11900;
    r.ctl.poll();
    EXPECT_TRUE(r.media.open);
    r.media.positionMs = 12050;
    r.ctl.poll();
    EXPECT_FALSE(r.media.open);
    EXPECT_EQ(r.state.playingSelection, kFalse);
    EXPECT_EQ(r.state.playPaused, kFalse);
    EXPECT_EQ(r.labels.text(TimeLabel::Time), "00:00:00");
    r.ctl.poll();  // the next tick parks the playhead
    EXPECT_EQ(r.left(Boundary::Playhead), 0);

    r.model.setBeginFromDragMs(15000);
    r.ctl.playSelection();
    EXPECT_EQ(r.media.commands.last(), "play sound from 15000");
}

TEST(PlaybackController, RepeatedSelectionPlaysWhileOneStartsRestartItWithoutAnError)
{
    // Key repeat on P, or quick clicks: the next press arrives while the window's events are
    // processed inside the start under way.
    Rig r;
    r.model.setDuration(60);
    r.model.setBeginFromDragMs(5000);
    r.model.setEndFromDragMs(12000);
    int nested = 0;
    r.duringPump = [&] {
        if (nested < 3) {
            ++nested;
            r.ctl.playSelection();
        }
    };
    r.ctl.playSelection();
    r.duringPump = nullptr;
    EXPECT_TRUE(r.failures.isEmpty()) << r.failures.join("; ").toStdString();
    EXPECT_TRUE(r.media.open);
    EXPECT_EQ(r.media.commands.last(), "play sound from 5000");
    EXPECT_EQ(r.state.playingSelection, kTrue);
    EXPECT_TRUE(r.ctl.isPlaying());

    // Once it plays, another press starts it again from the begin.
    r.media.lengthMs = 60000;
    r.media.positionMs = 9000;
    r.ctl.poll();
    r.ctl.playSelection();
    EXPECT_TRUE(r.failures.isEmpty());
    EXPECT_EQ(r.media.commands.last(), "play sound from 5000");
}

TEST(PlaybackController, PlayPressedWhilePlayStartsDoesNotFail)
{
    Rig r;
    r.model.setDuration(60);
    bool again = true;
    r.duringPump = [&] {
        if (std::exchange(again, false))
            r.ctl.play();
    };
    r.ctl.play();
    r.duringPump = nullptr;
    EXPECT_TRUE(r.failures.isEmpty()) << r.failures.join("; ").toStdString();
    EXPECT_TRUE(r.media.open);
    EXPECT_TRUE(r.ctl.isPlaying());
}

TEST(PlaybackController, CompletionSoundReleasesTheOutputWhenItEndsOrBeforeTheEditedSound)
{
    Rig r;
    QFile chime(r.dir.filePath("sound.wav"));
    ASSERT_TRUE(chime.open(QIODevice::WriteOnly));
    chime.close();
    r.ctl.playCompletionSound(r.dir.filePath("sound.wav"));
    EXPECT_EQ(r.media.commands, QStringList({"open " + r.dir.filePath("sound.wav") + " alias chime", "play chime"}));
    r.ctl.poll();  // still playing: kept
    EXPECT_TRUE(r.media.others.contains("chime"));
    r.media.chimeMode = "stopped";
    r.ctl.poll();  // ended: closed, so the output is free for the edited sound
    EXPECT_FALSE(r.media.others.contains("chime"));
    EXPECT_TRUE(r.media.commands.contains("close chime"));

    // Played again and still playing when the user presses Play: closed before the open.
    r.media.chimeMode = "playing";
    r.ctl.playCompletionSound(r.dir.filePath("sound.wav"));
    r.media.commands.clear();
    r.ctl.play();
    const qsizetype closed = r.media.commands.indexOf("close chime");
    ASSERT_GE(closed, 0);
    EXPECT_LT(closed, r.media.commands.indexOf("open " + r.wav + " alias sound"));
    EXPECT_EQ(r.media.commands.last(), "play sound");
    r.media.commands.clear();
    r.ctl.poll();  // nothing left to ask about the chime
    EXPECT_FALSE(r.media.commands.contains("status chime mode"));
    EXPECT_TRUE(r.failures.isEmpty());
}

TEST(PlaybackController, AFailedOpenIsToldOnceAndShowsNothingPlaying)
{
    Rig r;
    r.media.openFailures["sound"] = MediaError::Hardware;
    r.labels.texts[TimeLabel::Time] = "00:00:42";
    r.ctl.play();
    ASSERT_EQ(r.failures.size(), 1);
    EXPECT_TRUE(r.failures[0].contains("no audio output"));
    EXPECT_EQ(r.labels.text(TimeLabel::Time), "00:00:00");
    EXPECT_FALSE(r.media.commands.contains("play sound"));
    r.model.setDuration(60);
    r.model.setEndFromDragMs(10000);
    r.ctl.playSelection();  // fails again: not told twice
    EXPECT_EQ(r.failures.size(), 1);
    EXPECT_EQ(r.state.playingSelection, kFalse);
    EXPECT_TRUE(r.media.commands.filter("play sound from").isEmpty());

    // Once an open works again, a later failure is told again.
    r.media.openFailures.clear();
    r.ctl.play();
    EXPECT_EQ(r.media.commands.last(), "play sound");
    r.media.openFailures["sound"] = MediaError::InvalidFile;
    r.ctl.play();
    ASSERT_EQ(r.failures.size(), 2);
    EXPECT_TRUE(r.failures[1].contains("damaged"));
}

TEST(PlaybackController, PlayAfterASaveThatClosedAPausedSoundPlaysOnFromThePlayhead)
{
    Rig r;
    r.model.setDuration(60);
    r.playAt(60000, 24000);  // paused at 24 s
    r.ctl.pause();
    r.duringPump = [&] { r.ctl.poll(); };  // a poll tick while the device is being released
    r.ctl.releaseForSave();
    r.duringPump = nullptr;
    EXPECT_FALSE(r.media.open);
    EXPECT_NEAR(r.left(Boundary::Playhead), 728 * 0.4, 0.01);
    r.ctl.poll();  // the playhead stays where the pause left it
    EXPECT_NEAR(r.left(Boundary::Playhead), 728 * 0.4, 0.01);
    r.media.commands.clear();
    r.ctl.play();
    EXPECT_EQ(r.media.commands, QStringList({"stop sound", "close sound", "open " + r.wav + " alias sound",
                                             "play sound from 24000"}));
    r.media.commands.clear();
    r.ctl.play();  // playing again: Play resumes as it does after any pause
    EXPECT_EQ(r.media.commands, QStringList({"resume sound"}));

    // A save while playing (not paused) leaves Play as usual: from the start.
    r.ctl.stop();
    r.ctl.play();
    r.ctl.releaseForSave();
    r.media.commands.clear();
    r.ctl.play();
    EXPECT_EQ(r.media.commands.last(), "play sound");
}

TEST(PlaybackController, ACuedPlayheadStaysAndPlayStartsThere)
{
    Rig r;
    r.playAt(60000, 0);
    r.ctl.stop();
    r.ctl.poll();
    EXPECT_EQ(r.model.playhead(), 0);
    r.model.movePlayheadByMs(10000);  // a key while nothing plays: only the playhead moves
    r.ctl.cuePlayhead();
    EXPECT_EQ(r.labels.text(TimeLabel::Time), "00:00:10");
    r.ctl.poll();  // nothing open: the cued playhead is not parked
    EXPECT_EQ(r.model.playhead(), 10);
    EXPECT_FALSE(r.ctl.isPlaying());
    r.media.commands.clear();
    r.ctl.play();
    EXPECT_EQ(r.media.commands.last(), "play sound from 10000");
    EXPECT_TRUE(r.ctl.isPlaying());
    EXPECT_FALSE(r.ctl.isCued());

    // Paused, then moved: the poll of the paused device does not pull the playhead back.
    r.media.positionMs = 10000;
    r.ctl.poll();
    r.ctl.pause();
    r.model.movePlayheadByMs(-5000);
    r.ctl.cuePlayhead();
    r.ctl.poll();
    EXPECT_EQ(r.model.playhead(), 5);
    r.ctl.play();
    EXPECT_EQ(r.media.commands.last(), "play sound from 5000");
    // Stop forgets a cue; the next poll parks the playhead.
    r.model.movePlayheadByMs(20000);
    r.ctl.cuePlayhead();
    r.ctl.stop();
    r.ctl.poll();
    EXPECT_EQ(r.model.playhead(), 0);
}

TEST(PlaybackController, SeekingPlaysFromTheSecondAndKeepsTheFlags)
{
    Rig r;
    r.state.playingSelection = kTrue;
    r.state.playPaused = kTrue;
    r.model.setDuration(364);
    r.model.setPlayhead(273);
    r.duringPump = [&] { r.ctl.poll(); };  // a poll tick while the device is reopened
    r.ctl.seekToMs(273000);
    r.duringPump = nullptr;
    EXPECT_EQ(r.model.playhead(), 273);  // not parked at the start meanwhile
    EXPECT_EQ(r.media.commands, QStringList({"stop sound", "close sound", "status sound length",
                                             "open " + r.wav + " alias sound", "play sound from 273000"}));
    EXPECT_EQ(r.state.playingSelection, kTrue);
    EXPECT_EQ(r.state.playPaused, kTrue);
    EXPECT_TRUE(r.ctl.isPlaying());
}

TEST(PlaybackController, SeeksAndKeysWhileTheDeviceIsReopenedAreNotLost)
{
    // Keys pressed in quick succession arrive while a seek's device is closed and reopened: the
    // seek plays from where the last of them put the playhead.
    Rig r;
    r.model.setDuration(600);
    r.model.setPlayhead(100);
    int nested = 0;
    r.duringPump = [&] {
        if (nested++ > 0)
            return;
        r.model.movePlayheadByMs(10000);  // the next key: nothing plays at this moment, so a cue
        r.ctl.cuePlayhead();
        r.model.movePlayheadByMs(10000);
        r.ctl.cuePlayhead();
    };
    r.ctl.seekToMs(r.model.movePlayheadByMs(10000));  // the first key, while playing
    EXPECT_EQ(r.media.commands.filter("play sound from"), QStringList({"play sound from 130000"}));
    EXPECT_EQ(r.model.playhead(), 130);
    EXPECT_TRUE(r.ctl.isPlaying());

    // A click on the track meanwhile is a seek of its own: the newest place wins, one reopening.
    nested = 0;
    r.media.commands.clear();
    r.duringPump = [&] {
        if (nested++ == 0)
            r.ctl.seekToMs(400000);
    };
    r.ctl.seekToMs(200000);
    EXPECT_EQ(r.media.commands.filter("play sound from"), QStringList({"play sound from 400000"}));
    EXPECT_EQ(r.media.commands.filter("open ").size(), 1);
}

TEST(PlaybackController, TheDurationIsLearntWithoutPlaying)
{
    Rig r;
    r.media.lengthMs = 7199500;  // a device that knows its length as soon as the sound is open
    EXPECT_EQ(r.ctl.learnDuration(), 7199);
    EXPECT_EQ(r.model.duration(), 7199);
    EXPECT_EQ(r.model.lengthMs(), 7199500);  // and its exact length, which zoomed views reach
    EXPECT_EQ(r.media.commands, QStringList({"open " + r.wav + " alias sound", "status sound length", "close sound"}));
    EXPECT_FALSE(r.media.open);
    EXPECT_TRUE(r.media.commands.filter("play sound").isEmpty());

    // No output at all: nothing told (Play tells it), the duration stays unknown.
    Rig quiet;
    quiet.media.openFailures["sound"] = MediaError::Hardware;
    EXPECT_EQ(quiet.ctl.learnDuration(), 0);
    EXPECT_TRUE(quiet.failures.isEmpty());
}

TEST(PlaybackController, PlayingKeepsAViewThatShowsWhereItPlays)
{
    Rig r;
    r.model.setDuration(7200);
    r.model.applyRandomCut(4000, 4030);
    r.model.zoomToSelection();
    const TimelineView selection = r.model.view();
    r.ctl.playSelection();  // the playhead jumps into the view before the view would follow it
    EXPECT_EQ(r.model.playhead(), 4000);
    EXPECT_EQ(r.model.view(), selection);
    r.ctl.stop();
    r.model.setView({5000, 60});
    r.ctl.play();  // from the start: the view shows the start
    EXPECT_EQ(r.model.view().start, 0);
}

TEST(PlaybackController, ALoopedSelectionPlaysAgainFromItsBegin)
{
    Rig r;
    r.model.setDuration(60);
    r.model.applyRandomCut(20, 30);
    r.ctl.setLooping(true);
    r.ctl.playSelection();
    r.media.lengthMs = 60000;
    r.media.positionMs = 30050;
    r.media.commands.clear();
    r.ctl.poll();
    EXPECT_EQ(r.media.commands.last(), "play sound from 20000");
    EXPECT_TRUE(r.media.open);
    EXPECT_EQ(r.state.playingSelection, kTrue);
    r.ctl.setLooping(false);  // the pass that plays now is the last
    r.ctl.poll();
    EXPECT_FALSE(r.media.open);
    EXPECT_EQ(r.state.playingSelection, kFalse);
}

TEST(PlaybackController, ASelectionWithItsEffectsPlaysItsOwnWavAcrossTheSelection)
{
    Rig r;
    const QString preview = r.dir.filePath("preview-1.wav");
    QFile(preview).open(QIODevice::WriteOnly);
    std::vector<std::pair<std::int64_t, std::int64_t>> asked;
    std::optional<QString> answer = preview;
    r.ctl.setSelectionSound([&](std::int64_t begin, std::int64_t end) {
        asked.emplace_back(begin, end);
        return answer;
    });
    r.playAt(60000, 0);  // the decoded sound is 60 s long
    r.model.applyRandomCut(10, 20);
    r.media.commands.clear();
    r.ctl.playSelection();
    EXPECT_EQ(asked, (std::vector<std::pair<std::int64_t, std::int64_t>>{{10000, 20000}}));
    EXPECT_EQ(r.media.commands, QStringList({"stop sound", "close sound", "open " + preview + " alias sound", "play sound"}));
    EXPECT_EQ(r.state.playingSelection, kTrue);

    // Its position counts from the selection's begin; the decoded sound's duration stays.
    r.media.lengthMs = 10000;
    r.media.positionMs = 5000;
    r.ctl.poll();
    EXPECT_EQ(r.model.duration(), 60);
    EXPECT_FLOAT_EQ(r.state.playFraction, 0.25f);
    EXPECT_DOUBLE_EQ(r.model.playhead(), 15);
    EXPECT_EQ(r.labels.text(TimeLabel::Time), "00:00:15");
    // Its end is the selection's end.
    r.media.positionMs = 10000;
    r.ctl.poll();
    EXPECT_EQ(r.state.playingSelection, kFalse);
    EXPECT_EQ(r.labels.text(TimeLabel::Time), "00:00:00");
    EXPECT_FALSE(r.media.open);

    // Stop while it plays: the next Play plays the decoded sound as always.
    r.ctl.playSelection();
    r.ctl.stop();
    r.ctl.play();
    r.media.lengthMs = 60000;
    r.media.positionMs = 30000;
    r.ctl.poll();
    EXPECT_FLOAT_EQ(r.state.playFraction, 0.5f);

    // Nothing to play (the rendering failed): the device stays closed.
    answer = std::nullopt;
    r.media.commands.clear();
    r.ctl.playSelection();
    EXPECT_EQ(r.media.commands, QStringList({"stop sound", "close sound"}));
    // Every effect off: the decoded sound from the selection's begin, as before.
    answer = QString();
    r.media.commands.clear();
    r.ctl.playSelection();
    EXPECT_EQ(r.media.commands.mid(2), QStringList({"open " + r.wav + " alias sound", "play sound from 10000"}));

    // Looping: its end plays it again from the start of the WAV, the selection's begin.
    answer = preview;
    r.ctl.setLooping(true);
    r.ctl.playSelection();
    r.media.lengthMs = 10000;
    r.media.positionMs = 10000;
    r.media.commands.clear();
    r.ctl.poll();
    EXPECT_EQ(r.media.commands.last(), "play sound from 0");
    EXPECT_TRUE(r.media.open);
    EXPECT_EQ(r.state.playingSelection, kTrue);
    EXPECT_DOUBLE_EQ(r.model.playhead(), 10);
}

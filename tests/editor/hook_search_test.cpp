// The selection helpers in an editor session on files opened through the transcoder: the hook
// lands on a chorus, H cycles through the proposals, each one undo step; Esc stops the search;
// results are kept per file; trimming silence finds the edges to the millisecond and leaves a
// silent selection alone; without a file both warn as the random cutter does.
#include "analysis/HookJudge.h"
#include "analysis/SongGenerator.h"
#include "analysis/WavWriter.h"
#include "editor/EditorSession.h"
#include "editor/HookSearch.h"
#include "editor/SelectionHelpers.h"
#include "support/SessionRig.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr int kWait = 120000;  // ms: generous, for sanitizer builds on a busy machine

// The shared session rig with the build's transcoder, and the steps of these tests.
struct HookRig : SessionRig {
    EditorSession& session = make();
    QStringList& hints = log.hints;

    HookRig() : SessionRig(true) {}
    EditorModel& model() { return session.model(); }
    SelectionHelpers& helpers() { return session.selectionHelpers(); }
    // Writes `samples` as a WAV named `name` and opens it; the device tells its length.
    QString open(const QString& name, const std::vector<std::int16_t>& samples, int rate, int channels)
    {
        const QString path = root.filePath(name);
        EXPECT_TRUE(songgen::writeWav(QFile::encodeName(path).toStdString(), samples, rate, channels));
        media.lengthMs = double(samples.size() / size_t(channels)) * 1000.0 / rate;
        EXPECT_TRUE(session.openGivenFile(path));
        return path;
    }
    // Presses H and waits until a proposal is the selection; its index.
    int findHook()
    {
        QSignalSpy shown(&helpers(), &SelectionHelpers::proposalShown);
        session.findHook();
        if (shown.isEmpty()) {
            EXPECT_TRUE(shown.wait(kWait)) << "no proposal";
        }
        return shown.isEmpty() ? -1 : shown.first().first().toInt();
    }
    // Undo steps until none is left.
    int undoAll()
    {
        int steps = 0;
        while (model().undo())
            ++steps;
        return steps;
    }
};

const songgen::GeneratedSong& song()
{
    static const songgen::GeneratedSong s = songgen::generateSong(11);
    return s;
}

// The selection the model keeps for a range in ms: exactly that range.
Selection heldAround(std::int64_t beginMs, std::int64_t endMs)
{
    return {beginMs, endMs, true, true};
}

}  // namespace

TEST(SelectionHelpers, WithoutASoundTheyWarnAsTheRandomCutterDoes)
{
    HookRig r;
    r.session.randomCut();
    r.session.findHook();
    r.session.trimSilence();
    ASSERT_EQ(r.boxes.shown.size(), 3u);
    for (const ShownMessage& m : r.boxes.shown) {
        EXPECT_EQ(m.text, r.boxes.shown[0].text);
        EXPECT_EQ(m.title, r.boxes.shown[0].title);
        EXPECT_EQ(m.icon, r.boxes.shown[0].icon);
    }
    EXPECT_EQ(r.boxes.shown[0].text, "Please play the music first");
    EXPECT_FALSE(r.helpers().search().isRunning());
    EXPECT_EQ(r.model().selection(), Selection{});
}

TEST(SelectionHelpers, TheHookLengthIsTheSelectionsFromFiveSecondsElseThirtyAndNeverLongerThanTheFile)
{
    HookRig r;
    r.model().setDuration(200);
    EXPECT_EQ(r.helpers().hookLengthMs(), 30000);  // no selection
    r.model().applyRandomCut(10, 14);
    EXPECT_EQ(r.helpers().hookLengthMs(), 30000);  // 4 s: too short to keep
    r.model().applyRandomCut(10, 15);
    EXPECT_EQ(r.helpers().hookLengthMs(), 5000);
    r.model().applyRandomCut(20, 62);
    EXPECT_EQ(r.helpers().hookLengthMs(), 42000);
    r.model().reset();
    r.model().setDuration(12);
    EXPECT_EQ(r.helpers().hookLengthMs(), 12000);
}

TEST(SelectionHelpers, TheFirstProposalLandsOnAChorusAndHCyclesThroughTheOthersEachOneUndoStep)
{
    HookRig r;
    const songgen::GeneratedSong& s = song();
    r.open("song.wav", s.samples, s.sampleRate, s.channels);
    r.model().zoomAround(0, 8);  // the start of the song in view: the proposal is brought into it

    ASSERT_EQ(r.findHook(), 0);
    const std::vector<analysis::HookProposal> proposals = r.helpers().proposals();
    ASSERT_EQ(proposals.size(), 3u);
    const analysis::HookProposal& best = proposals[0];
    EXPECT_EQ(best.endMs - best.beginMs, 30000);
    EXPECT_TRUE(songgen::overlapsChorus(s, best.begin(), best.end())) << s.describe() << " got " << best.begin();
    EXPECT_EQ(r.model().selection(), heldAround(best.beginMs, best.endMs));
    EXPECT_LE(r.model().view().start, double(r.model().selection().beginMs) / 1000);
    EXPECT_GE(r.model().view().end(), double(r.model().selection().endMs) / 1000);
    ASSERT_FALSE(r.hints.isEmpty());
    EXPECT_TRUE(r.hints.last().startsWith(QStringLiteral("Hook 1 of 3, score %1, at ").arg(std::lround(best.score * 100))))
        << r.hints.last().toStdString();
    EXPECT_TRUE(r.hints.filter(QStringLiteral("Finding the hook: ")).size() >= 2);  // progress was shown

    // H again: the second, the third, and back to the first, without analysing again.
    EXPECT_EQ(r.findHook(), 1);
    EXPECT_EQ(r.model().selection(), heldAround(proposals[1].beginMs, proposals[1].endMs));
    EXPECT_TRUE(r.hints.last().startsWith("Hook 2 of 3")) << r.hints.last().toStdString();
    EXPECT_EQ(r.findHook(), 2);
    EXPECT_EQ(r.findHook(), 0);
    EXPECT_FALSE(r.helpers().search().isRunning());

    // Four proposals shown, four steps back to no selection.
    EXPECT_EQ(r.undoAll(), 4);
    EXPECT_EQ(r.model().selection(), Selection{});
}

TEST(SelectionHelpers, ASelectionChangedByHandStartsAgainWithItsLength)
{
    HookRig r;
    const songgen::GeneratedSong& s = song();
    r.open("song.wav", s.samples, s.sampleRate, s.channels);
    ASSERT_EQ(r.findHook(), 0);
    r.model().applyRandomCut(0, 12);  // by hand: H no longer cycles
    ASSERT_EQ(r.findHook(), 0);
    const analysis::HookProposal& p = r.helpers().proposals()[0];
    EXPECT_EQ(p.endMs - p.beginMs, 12000);
    EXPECT_EQ(r.model().selection(), heldAround(p.beginMs, p.endMs));
    // Undone, the hand-made selection is back, and H proposes from its length again.
    r.model().undo();
    EXPECT_EQ(r.model().selection(), (Selection{0, 12000, true, true}));
    EXPECT_EQ(r.findHook(), 0);
    EXPECT_EQ(r.model().selection(), heldAround(p.beginMs, p.endMs));
}

TEST(SelectionHelpers, EscStopsTheSearchWithoutAChangeAndHStartsItAgain)
{
    HookRig r;
    const songgen::GeneratedSong& s = song();
    r.open("song.wav", s.samples, s.sampleRate, s.channels);
    HookSearch& search = r.helpers().search();
    QSignalSpy progress(&search, &HookSearch::progress);
    QSignalSpy stopped(&search, &HookSearch::stopped);
    QSignalSpy shown(&r.helpers(), &SelectionHelpers::proposalShown);
    r.session.findHook();
    ASSERT_TRUE(search.isRunning());
    r.session.findHook();  // while it runs, H only says so
    EXPECT_EQ(r.hints.last(), "The song is still being analysed (Esc stops).");
    ASSERT_TRUE(progress.wait(kWait));
    r.session.stopRunningJob();  // Esc
    ASSERT_TRUE(stopped.wait(kWait));
    EXPECT_TRUE(stopped.first().first().toBool());  // cancelled
    EXPECT_FALSE(search.isRunning());
    EXPECT_EQ(r.hints.last(), "The hook search was stopped.");
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_EQ(r.model().selection(), Selection{});
    EXPECT_FALSE(r.model().canUndo());

    EXPECT_EQ(r.findHook(), 0);
    EXPECT_EQ(r.undoAll(), 1);
}

TEST(SelectionHelpers, ResultsAreKeptPerFileAndClosingStopsASearch)
{
    HookRig r;
    const songgen::GeneratedSong& s = song();
    const QString path = r.open("song.wav", s.samples, s.sampleRate, s.channels);
    ASSERT_EQ(r.findHook(), 0);
    const Selection first = r.model().selection();
    QSignalSpy beats(&r.helpers(), &SelectionHelpers::beatsChanged);
    r.session.closeFile();
    ASSERT_EQ(beats.size(), 1);
    EXPECT_TRUE(beats[0][0].value<std::vector<double>>().empty());  // no beats to snap to

    // Reopened: the beats are known at once, and H answers without a new run.
    EXPECT_TRUE(r.session.openGivenFile(path));
    ASSERT_EQ(beats.size(), 2);
    EXPECT_GT(beats[1][0].value<std::vector<double>>().size(), 100u);
    r.session.findHook();
    EXPECT_FALSE(r.helpers().search().isRunning());
    EXPECT_EQ(r.model().selection(), first);

    // Another file is analysed anew; closing it stops its search, and nothing is told after.
    const songgen::GeneratedSong other = songgen::generateSong(12);
    r.session.closeFile();
    r.open("other.wav", other.samples, other.sampleRate, other.channels);
    QSignalSpy stopped(&r.helpers().search(), &HookSearch::stopped);
    r.session.findHook();
    ASSERT_TRUE(r.helpers().search().isRunning());
    r.session.closeFile();
    ASSERT_TRUE(stopped.wait(kWait));
    EXPECT_FALSE(r.hints.contains("The hook search was stopped."));
    EXPECT_EQ(r.model().selection(), Selection{});
}

namespace {

// A stereo file at 44.1 kHz: silence, a 440 Hz tone that fades in over `fadeFrames` from 0 to
// 0.5 of full scale, then holds until `toneEnd`, and silence to `frames`.
std::vector<std::int16_t> toneFile(std::int64_t frames, std::int64_t toneStart, std::int64_t fadeFrames,
                                   std::int64_t toneEnd)
{
    std::vector<std::int16_t> samples(size_t(frames * 2), 0);
    for (std::int64_t f = toneStart; f <= toneEnd; ++f) {
        const double gain = f - toneStart < fadeFrames ? double(f - toneStart) / double(fadeFrames) : 1.0;
        const auto v = std::int16_t(std::lround(16384 * gain * std::sin(2 * std::numbers::pi * 440 * double(f) / 44100)));
        samples[size_t(f * 2)] = v;
        samples[size_t(f * 2 + 1)] = v;
    }
    return samples;
}

// The first and last frames of `samples` (stereo) at or above -50 dBFS (|s| >= 104).
std::pair<std::int64_t, std::int64_t> soundFrames(const std::vector<std::int16_t>& samples)
{
    std::int64_t first = -1, last = -1;
    for (size_t i = 0; i < samples.size(); ++i)
        if (std::abs(int(samples[i])) >= 104) {
            if (first < 0)
                first = std::int64_t(i / 2);
            last = std::int64_t(i / 2);
        }
    return {first, last};
}

}  // namespace

TEST(SelectionHelpers, TrimFindsTheSoundToTheMillisecondThroughAFadeAsOneUndoStep)
{
    HookRig r;
    // 20 s; the tone from 2.34567 s (fading in over 0.5 s) to 17.5 s.
    const std::vector<std::int16_t> samples = toneFile(44100 * 20, 103444, 22050, 771750);
    const auto [first, last] = soundFrames(samples);
    ASSERT_GT(first, 103444);  // the fade crosses the threshold after its start
    r.open("tone.wav", samples, 44100, 2);
    QSignalSpy trimmed(&r.helpers(), &SelectionHelpers::trimmed);

    r.model().applyRandomCut(1, 19);
    r.session.trimSilence();
    ASSERT_TRUE(trimmed.wait(kWait));
    const std::int64_t beginMs = trimmed[0][0].toLongLong();
    const std::int64_t endMs = trimmed[0][1].toLongLong();
    // The latest millisecond at or before the first sound, the earliest at or after the last.
    EXPECT_EQ(beginMs, first * 1000 / 44100);
    EXPECT_EQ(endMs, (last * 1000 + 44099) / 44100);
    EXPECT_EQ(r.model().selection(), heldAround(beginMs, endMs));
    EXPECT_TRUE(r.hints.last().startsWith("Trimmed to the sound: 00:00:0")) << r.hints.last().toStdString();
    EXPECT_EQ(r.undoAll(), 2);  // the selection made by hand, and the trim

    // With no selection set, the whole file is trimmed.
    r.session.trimSilence();
    ASSERT_TRUE(trimmed.wait(kWait));
    EXPECT_EQ(trimmed[1][0].toLongLong(), beginMs);
    EXPECT_EQ(trimmed[1][1].toLongLong(), endMs);
    EXPECT_EQ(r.undoAll(), 1);
}

TEST(SelectionHelpers, TrimSaysSoAndChangesNothingWithoutAudibleSound)
{
    HookRig r;
    const std::vector<std::int16_t> samples = toneFile(44100 * 20, 44100 * 5, 1, 44100 * 15);
    r.open("tone.wav", samples, 44100, 2);
    r.model().applyRandomCut(16, 19);
    QSignalSpy none(&r.helpers().search(), &HookSearch::noSoundFound);
    r.session.trimSilence();
    ASSERT_TRUE(none.wait(kWait));
    EXPECT_EQ(r.hints.last(), "No audible sound in the selection: nothing was trimmed.");
    EXPECT_EQ(r.model().selection(), (Selection{16000, 19000, true, true}));
    EXPECT_EQ(r.undoAll(), 1);
}

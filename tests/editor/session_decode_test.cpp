// A file is played, seen and marked while its decode still runs: the session
// follows the WAV the transcoder writes, lets the commands that need the whole
// file wait for its end, and leaves nothing open when the decode fails or is
// stopped part way.
//
// The transcoder's stand-in is a script that prints the transcoder's header
// lines and then hands its output file to slow_wav_writer, which writes the WAV
// the way the transcoder does, one step per command the test sends through a
// pipe.
#include "editor/PlaybackController.h"
#include "platform/SdlMediaDevice.h"
#include "platform/WavFile.h"
#include "support/SessionRig.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kRate = 8000;
constexpr int kSeconds = 20;

// The rig with a transcoder that decodes a 20-s stereo file at the pace the
// test sets.
struct SlowDecode {
    SessionRig rig;
    QString source = rig.root.filePath("music/song.mp3");
    QString pipe = rig.root.filePath("steps");
    int steps = -1;  // the pipe's writing end, once the writer reads it

    SlowDecode()
    {
        QFile song(source);
        song.open(QIODevice::WriteOnly);
        song.write("not decoded by the stand-in");
        song.close();
        mkfifo(QFile::encodeName(pipe).constData(), 0600);
        // The header as the transcoder prints it; the output is the last argument.
        rig.useCoderScript(QStringLiteral("for out; do :; done\n"
                                          "echo 'Input #0, mp3, from x:'\n"
                                          "echo '  Duration: 00:00:%1.00, start: 0.000000, "
                                          "bitrate: 128 kb/s'\n"
                                          "echo \"Output #0, wav, to '$out':\"\n"
                                          "echo '  Stream #0:0: Audio: pcm_s16le, %2 Hz, stereo, "
                                          "s16, %3 kb/s'\n"
                                          "exec \"%4\" \"$(dirname \"$out\")\" \"$(basename "
                                          "\"$out\")\" 2 %2 unnamed < \"%5\"")
                               .arg(kSeconds)
                               .arg(kRate)
                               .arg(kRate * 32 / 1000)
                               .arg(QStringLiteral(TS_SLOW_WAV_WRITER), pipe));
    }
    ~SlowDecode()
    {
        if (steps >= 0)
            ::close(steps);
    }

    // True once the writer reads the pipe, whose writing end is then open here.
    bool writerReads()
    {
        if (steps < 0)
            steps = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
        return steps >= 0;
    }
    // The writer reads to the end of the pipe: it ends once this is closed.
    void closePipe()
    {
        if (steps >= 0)
            ::close(steps);
        steps = -1;
    }
    // Sends one command to the writer.
    bool send(const QByteArray& command)
    {
        const QByteArray line = command + '\n';
        return steps >= 0 && ::write(steps, line.constData(), size_t(line.size())) == line.size();
    }

    // One step of a scenario: `act` runs once `ready` holds.
    struct Step {
        std::function<bool()> ready;
        std::function<void()> act;
    };
    // Opens the file and runs `scenario` while its decode runs. The session holds
    // the caller until the transcoder ends and reads the transcoder's output in
    // between the events it hands out, so each step runs from a timer and returns
    // at once. A step not ready within 30 s fails the test and stops the decode.
    // Returns whether the file is open afterwards.
    bool openWhile(std::vector<Step> scenario)
    {
        std::size_t next = 0;
        QElapsedTimer waited;
        waited.start();
        QTimer ticks;
        ticks.setInterval(10);
        QObject::connect(&ticks, &QTimer::timeout, [&] {
            if (next == scenario.size() || !rig.s().decodeRunner().isRunning())
                return;
            if (scenario[next].ready && !scenario[next].ready()) {
                if (waited.elapsed() > 30000) {
                    ADD_FAILURE() << "step " << next << " was not ready within 30 s";
                    next = scenario.size();
                    rig.s().stopRunningJob();
                }
                return;
            }
            const std::size_t now = next++;
            waited.restart();
            scenario[now].act();
        });
        ticks.start();
        const bool open = rig.s().openGivenFile(source);
        EXPECT_EQ(next, scenario.size()) << "the decode ended before the scenario did";
        return open;
    }
};

}  // namespace

// The length, the timeline and the part decoded come with the first written samples; the
// commands that need the whole file wait, and the end of the decode is today's end.
TEST(SessionDecode, FollowsTheFileWhileItIsWritten)
{
    SlowDecode d;
    EditorSession& s = d.rig.make();
    bool sawFollowed = false;
    const bool open = d.openWhile({
        {[&] { return d.writerReads(); }, [&] { ASSERT_TRUE(d.send("header")); }},
        {nullptr, [&] { ASSERT_TRUE(d.send("frames " + QByteArray::number(kRate * 3))); }},
        {[&] { return s.isDecoding() && s.model().decodedEnd().value_or(0) >= 3; },
            [&] {
                sawFollowed = true;
                EXPECT_EQ(s.model().duration(), kSeconds);
                EXPECT_FALSE(s.isBusy());
                EXPECT_TRUE(d.rig.log.timelineShown());
                EXPECT_FALSE(d.rig.log.decodePanelShown());
                EXPECT_FALSE(s.isFileOpen());

                // Marks work on the decoded part; a key past it stops at its last
                // second.
                s.movePlayheadTo(PlayheadTarget::End);
                EXPECT_EQ(s.model().playheadSeconds(), 3);
                s.setEnd();
                EXPECT_EQ(s.model().selection().endMs, 3000);

                // What needs the whole file says so and does nothing.
                const std::size_t dialogs = d.rig.dialogs.calls.size();
                s.save();
                EXPECT_EQ(d.rig.log.hints.last().toStdString(), "Saving waits until the file is decoded.");
                EXPECT_EQ(d.rig.dialogs.calls.size(), dialogs);
                const Selection before = s.model().selection();
                s.randomCut();
                EXPECT_TRUE(s.model().selection() == before);
                EXPECT_EQ(d.rig.log.hints.last().toStdString(), "The random cutter waits until the file is decoded.");
                s.setLooping(true);
                EXPECT_EQ(d.rig.log.looping.last(), false);
                EXPECT_TRUE(d.rig.boxes.shown.empty());
                ASSERT_TRUE(d.send("frames " + QByteArray::number(kRate * (kSeconds - 3))));
            }},
        {[&] { return s.model().decodedEnd().value_or(0) >= kSeconds; },
            [&] {
                ASSERT_TRUE(d.send("finish"));
                d.closePipe();
            }},
    });
    EXPECT_TRUE(sawFollowed);
    EXPECT_TRUE(open);
    EXPECT_FALSE(s.isDecoding());
    EXPECT_FALSE(s.model().decodedEnd());
    EXPECT_EQ(s.model().selection().endMs, 3000);  // marked during the decode, kept
    EXPECT_EQ(d.rig.log.opened, QStringList {d.source});
    EXPECT_EQ(d.rig.log.decoded.size(), 1);
    const std::unique_ptr<WavFile> wav = WavFile::open(d.rig.paths.tempWav);
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->frames(), qint64(kRate) * kSeconds);
    EXPECT_TRUE(d.rig.boxes.shown.empty());
}

// A decode that fails part way tells what today tells and leaves nothing open.
TEST(SessionDecode, AFailurePartWayLeavesNothingOpen)
{
    SlowDecode d;
    EditorSession& s = d.rig.make();
    const bool open = d.openWhile({
        {[&] { return d.writerReads(); }, [&] { ASSERT_TRUE(d.send("header")); }},
        {nullptr, [&] { ASSERT_TRUE(d.send("frames " + QByteArray::number(kRate * 2))); }},
        {[&] { return s.isDecoding(); },
            [&] {
                s.setEnd();
                ASSERT_TRUE(d.send("quit"));  // ends without finishing: the transcoder fails
            }},
    });
    EXPECT_FALSE(open);
    EXPECT_FALSE(s.isDecoding());
    EXPECT_FALSE(s.isFileOpen());
    EXPECT_EQ(s.model().duration(), 0);
    EXPECT_TRUE(s.model().selection() == Selection {});
    EXPECT_FALSE(d.rig.log.timelineShown());
    EXPECT_EQ(d.rig.log.closed, 1);
    ASSERT_EQ(d.rig.boxes.shown.size(), 1u);
    EXPECT_TRUE(d.rig.boxes.shown[0].text.startsWith(QStringLiteral("Could not open \"%1\"").arg(d.source)));
    EXPECT_FALSE(QFile::exists(d.rig.paths.tempWav));
}

// Closing the file while it decodes asks as today, then stops the decode: no
// message, nothing open, no WAV left.
TEST(SessionDecode, ClosingDuringTheDecodeStopsIt)
{
    SlowDecode d;
    EditorSession& s = d.rig.make();
    const bool open = d.openWhile({
        {[&] { return d.writerReads(); }, [&] { ASSERT_TRUE(d.send("header")); }},
        {nullptr, [&] { ASSERT_TRUE(d.send("frames " + QByteArray::number(kRate))); }},
        {[&] { return s.isDecoding(); }, [&] { s.openOrCloseFile(); }},  // the open button closes it
    });
    EXPECT_FALSE(open);
    ASSERT_EQ(d.rig.boxes.shown.size(), 1u);
    EXPECT_EQ(d.rig.boxes.shown[0].text.toStdString(), "Current Audio file will be closed, are you sure?");
    EXPECT_FALSE(s.isDecoding());
    EXPECT_FALSE(s.isFileOpen());
    EXPECT_FALSE(QFile::exists(d.rig.paths.tempWav));
    EXPECT_EQ(s.fileCaption().toStdString(), "No file open");
}

// Play while the decode runs: the sound comes from the part written and the
// playhead moves on before the decode ends; a seek past the decoded part plays
// from its last second.
TEST(SessionDecode, PlaysTheDecodedPartOnTheRealDevice)
{
    SdlMediaDevice device;
    SlowDecode d;
    d.rig.realMedia = &device;
    EditorSession& s = d.rig.make();
    bool movedWhileDecoding = false;
    const bool open = d.openWhile({
        {[&] { return d.writerReads(); }, [&] { ASSERT_TRUE(d.send("header")); }},
        {nullptr, [&] { ASSERT_TRUE(d.send("frames " + QByteArray::number(kRate * 4))); }},
        {[&] { return s.isDecoding() && s.model().decodedEnd().value_or(0) >= 4; }, [&] { s.playPause(); }},
        {[&] { return s.model().playhead() >= 0.5; },
            [&] {
                movedWhileDecoding = s.isDecoding();
                s.pressTrack(700);  // far past the four seconds written
                EXPECT_LE(s.model().playheadSeconds(), 4);
                EXPECT_TRUE(d.rig.boxes.shown.empty());
                s.stop();
                ASSERT_TRUE(d.send("frames " + QByteArray::number(kRate * (kSeconds - 4))));
            }},
        {nullptr,
            [&] {
                ASSERT_TRUE(d.send("finish"));
                d.closePipe();
            }},
    });
    EXPECT_TRUE(movedWhileDecoding);
    EXPECT_TRUE(open);
    EXPECT_TRUE(d.rig.boxes.shown.empty());
    EXPECT_EQ(s.model().duration(), kSeconds);
}

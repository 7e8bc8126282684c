// An editor session saving its selection through the real transcoder, without a window: every
// format, the after-save settings, what is refused or reported, and stopping a save.
#include "coder/CoderHarness.h"
#include "support/SessionRig.h"
#include "support/WithoutRootFileAccess.h"
#include "transcode/ConsoleRunner.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <utility>

using coder_test::ffmpeg;
using coder_test::probeFormat;
using coder_test::probeStream;

namespace {

// A session that has decoded `seconds` of a stereo sine tone.
struct Opened {
    SessionRig rig{true};
    EditorSession& s = rig.make();
    QString input = rig.root.filePath("tone.mp3");

    explicit Opened(int seconds = 8)
    {
        EXPECT_TRUE(ffmpeg({"-f", "lavfi", "-i", QString("sine=frequency=440:duration=%1").arg(seconds), "-ac", "2",
                            "-ar", "44100", "-b:a", "128k", input}));
        EXPECT_TRUE(s.openGivenFile(input));
    }
    void select(int begin, int end)
    {
        s.model().setBeginFromDragMs(begin * 1000);
        s.model().setEndFromDragMs(end * 1000);
    }
    // Saves the selection as `name` in the rig's folder (panel button 1); returns the output path.
    QString save(const QString& name)
    {
        const QString out = rig.root.filePath(name);
        rig.dialogs.saveAnswers.push_back(out);
        s.save();
        return out;
    }
};

}  // namespace

TEST(SessionSave, WritesEachFormatWithTheSettingsActions)
{
    Opened o;
    QFile snd(o.rig.paths.soundWav());
    ASSERT_TRUE(snd.open(QIODevice::WriteOnly));
    snd.write("RIFF");
    snd.close();

    struct Case {
        QString name, codec, rate, channels;
        std::int16_t openFolder, playSound;
    };
    const Case cases[] = {{"ring one.mp3", "mp3", "44100", "1", 0, 0},
                          {"Ring.Wma", "wmav1", "44100", "2", 1, 1},
                          {"ring.wav", "pcm_s16le", "44100", "2", 0, 1},
                          {"ring.amr", "amr_nb", "8000", "1", 1, 0}};
    o.select(2, 5);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        o.s.settings() = {c.openFolder, c.playSound};
        o.rig.shell.opened.clear();
        o.rig.media.commands.clear();
        o.rig.log.clear();
        const QString out = o.save(c.name);
        ASSERT_TRUE(QFile::exists(out));
        EXPECT_EQ(probeStream(out, "codec_name"), c.codec);
        EXPECT_EQ(probeStream(out, "sample_rate"), c.rate);
        EXPECT_EQ(probeStream(out, "channels"), c.channels);
        EXPECT_NEAR(probeFormat(out, "duration").toDouble(), 3.0, 0.1);
        EXPECT_EQ(o.rig.log.savePanel, QList<bool>({true, false}));
        EXPECT_EQ(o.rig.log.busy, QList<bool>({true, false}));
        EXPECT_FALSE(o.s.isBusy());
        EXPECT_EQ(o.rig.log.saved, QStringList{out});
        EXPECT_EQ(o.s.savePath(), out);
        EXPECT_EQ(o.rig.shell.opened, c.openFolder == 0 ? QStringList({o.rig.root.path() + "/"}) : QStringList());
        const bool played = o.rig.media.commands.contains("open " + o.rig.paths.soundWav() + " alias chime") &&
                            o.rig.media.commands.last() == "play chime";
        EXPECT_EQ(played, c.playSound == 0);
        // The media device was released before the transcoder ran.
        EXPECT_EQ(o.rig.media.commands.mid(0, 2), QStringList({"stop sound", "close sound"}));
        // Progress up to 100%.
        ASSERT_FALSE(o.rig.log.saveTexts.isEmpty());
        EXPECT_EQ(o.rig.log.saveTexts.first(), "0%");
        EXPECT_EQ(o.rig.log.saveTexts.last(), "100%");
    }
    EXPECT_TRUE(o.rig.boxes.shown.empty());
    EXPECT_TRUE(o.s.saveRunner().CommandLine().contains(" -i " + o.rig.paths.tempWav +
                                                        " -ss 2 -t 3 -y -ar 8000 -ab 7.4k -ac 1 \""));
}

TEST(SessionSave, RefusesOrReportsWhatCannotBeSaved)
{
    Opened o(4);
    o.select(1, 3);
    o.rig.media.commands.clear();
    o.rig.log.clear();
    // An extension that is no format: refused before anything is busy or released.
    o.save("ring.opus");
    ASSERT_EQ(o.rig.boxes.shown.size(), 1u);
    EXPECT_TRUE(o.rig.boxes.shown[0].text.contains("ring.opus"));
    EXPECT_TRUE(o.rig.boxes.shown[0].text.contains(".amr, .m4r, .m4a, .ogg or .flac"));
    EXPECT_TRUE(o.rig.media.commands.filter("close").isEmpty());
    EXPECT_TRUE(o.rig.log.busy.isEmpty());
    EXPECT_TRUE(o.rig.log.savePanel.isEmpty());

    // A folder that does not exist: the transcoder fails, the failure is told, nothing else.
    o.save("missing/ring.mp3");
    ASSERT_EQ(o.rig.boxes.shown.size(), 2u);
    EXPECT_TRUE(o.rig.boxes.shown[1].text.contains("missing/ring.mp3"));
    EXPECT_TRUE(o.rig.shell.opened.isEmpty());
    EXPECT_FALSE(o.rig.media.commands.contains("play sound"));
    EXPECT_TRUE(o.rig.log.saved.isEmpty());
    EXPECT_FALSE(o.s.isBusy());
    EXPECT_FALSE(o.rig.log.savePanelShown());

    // The temporary WAV is never an output.
    o.rig.dialogs.saveAnswers.push_back(o.rig.paths.tempWav);
    o.s.save();
    EXPECT_EQ(o.rig.boxes.shown.size(), 3u);
    EXPECT_GT(QFileInfo(o.rig.paths.tempWav).size(), 44);

    // A selection shorter than a second does nothing but say why; a cancelled dialog does nothing.
    const size_t calls = o.rig.dialogs.calls.size();
    o.select(2, 2);
    o.s.save();
    EXPECT_EQ(o.rig.dialogs.calls.size(), calls);
    EXPECT_EQ(o.rig.log.hints.last(), "Nothing to save: mark a begin and an end first (B and E).");
    o.select(0, 1);
    o.s.save();
    EXPECT_EQ(o.rig.dialogs.calls.size(), calls + 1);
    EXPECT_EQ(o.rig.dialogs.calls.back().kind, DialogCall::Save);
    EXPECT_EQ(o.rig.boxes.shown.size(), 3u);
}

TEST(SessionSave, WhileSavingTheSessionIsBusyAndThePanelShown)
{
    Opened o;
    o.select(1, 6);
    int seen = 0;
    QObject::connect(&o.s.saveRunner(), &ConsoleRunner::ReceiveOutputs, [&](QString&) {
        if (seen++)
            return;
        EXPECT_TRUE(o.s.isBusy());
        EXPECT_TRUE(o.rig.log.busyNow());
        EXPECT_TRUE(o.rig.log.savePanelShown());
    });
    EXPECT_TRUE(QFile::exists(o.save("during.wav")));
    EXPECT_GT(seen, 0);
    EXPECT_FALSE(o.s.isBusy());
    EXPECT_FALSE(o.rig.log.busyNow());
    EXPECT_FALSE(o.rig.log.savePanelShown());
}

TEST(SessionSave, StoppingASaveSavesNothing)
{
    Opened o;
    o.select(1, 3);
    o.rig.useCoderScript("echo 'time=0.00 '; sleep 60; exec REAL_CODER \"$@\"");
    bool stopped = false;
    QObject::connect(&o.s.saveRunner(), &ConsoleRunner::ReceiveOutputs, [&](QString&) {
        if (!std::exchange(stopped, true))
            o.s.stopRunningJob();
    });
    o.rig.media.commands.clear();
    const QString out = o.save("stopped.mp3");
    EXPECT_TRUE(stopped);
    EXPECT_TRUE(o.s.saveRunner().lastExit().stopped);
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_FALSE(o.s.isBusy());
    EXPECT_FALSE(o.rig.log.savePanelShown());
    EXPECT_TRUE(o.rig.log.saved.isEmpty());
    EXPECT_TRUE(o.rig.boxes.shown.empty());
    EXPECT_TRUE(o.rig.shell.opened.isEmpty());  // no after-save actions
    EXPECT_TRUE(o.rig.media.commands.filter("chime").isEmpty());
    EXPECT_TRUE(o.s.isFileOpen());  // the file stays open
}

TEST(SessionSave, ASaveIntoAReadOnlyFolderTellsWhy)
{
    Opened o(4);
    o.select(1, 3);
    const QString folder = o.rig.root.filePath("read-only");
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    {
        WithoutRootFileAccess asOwner;  // the transcoder meets the folder's permissions, as root too
        ASSERT_TRUE(asOwner.ready());
        o.save("read-only/ring.mp3");
    }
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_EQ(o.rig.boxes.shown.size(), 1u);
    EXPECT_TRUE(o.rig.boxes.shown[0].text.startsWith("Could not save \"" + folder + "/ring.mp3\"."));
    EXPECT_TRUE(o.rig.boxes.shown[0].text.contains("Permission denied"));
    EXPECT_TRUE(QDir(folder).isEmpty());
    EXPECT_TRUE(o.rig.shell.opened.isEmpty());
}

TEST(SessionSave, ANameWithTrailingBlanksNeverReplacesAnotherFileUnasked)
{
    Opened o(4);
    o.select(1, 3);
    const QString precious = o.rig.root.filePath("cut.mp3");
    QFile f(precious);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("precious");
    f.close();

    o.rig.log.clear();
    o.rig.boxes.answers = {MsgResult::Cancel};
    o.save("cut.mp3 ");
    ASSERT_EQ(o.rig.boxes.shown.size(), 1u);
    EXPECT_TRUE(o.rig.boxes.shown[0].text.contains("\"" + precious + "\" already exists"));
    EXPECT_EQ(o.rig.boxes.shown[0].buttons, MsgButtons::OkCancel);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "precious");
    f.close();
    EXPECT_FALSE(o.s.saveRunner().lastExit().started);  // nothing ran
    EXPECT_TRUE(o.rig.log.busy.isEmpty());

    o.rig.boxes.answers = {MsgResult::Ok};  // asked and confirmed: replaced
    o.save("cut.mp3 ");
    EXPECT_EQ(o.rig.boxes.shown.size(), 2u);
    EXPECT_EQ(probeStream(precious, "codec_name"), "mp3");

    o.save("new.mp3  ");  // no other file of that name: no question
    EXPECT_EQ(o.rig.boxes.shown.size(), 2u);
    EXPECT_TRUE(QFile::exists(o.rig.root.filePath("new.mp3")));
}

TEST(SessionSave, PlayAfterASaveMadeWhilePausedPlaysOnFromThePlayhead)
{
    Opened o;
    o.rig.media.lengthMs = 8000;
    o.rig.media.positionMs = 5000;
    o.s.play();
    o.s.poll();
    o.s.pause();  // paused at 5 s
    o.select(1, 3);
    ASSERT_TRUE(QFile::exists(o.save("while-paused.wav")));
    o.rig.media.commands.clear();
    o.s.play();
    EXPECT_EQ(o.rig.media.commands.last(), "play sound from 5000");
    EXPECT_TRUE(o.rig.media.open);
}

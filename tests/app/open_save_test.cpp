// Opening and saving through the real transcoder, with dialogs, message boxes, the shell and the
// media device answered or recorded by stand-ins.
#include "app/ImageControl.h"
#include "app/PathLabel.h"
#include "app/SkinLabel.h"
#include "editor/EditorSession.h"
#include "app/frmMain.h"
#include "coder/CoderHarness.h"
#include "timeline/TimelineLayout.h"
#include "timeline/TimelinePanel.h"

#include <QFileInfo>
#include "support/MainWindowRig.h"
#include "support/WithoutRootFileAccess.h"
#include "transcode/ConsoleRunner.h"
#include "support/WindowParts.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utility>

using coder_test::ffmpeg;
using coder_test::probeFormat;
using coder_test::probeStream;

namespace {

// A window that has decoded `seconds` of a sine tone from an MP3 whose name has blanks,
// quotes and shell syntax in it.
struct Opened {
    MainWindowRig rig{true};
    std::unique_ptr<frmMain> w = rig.make();
    QString input;
    QStringList percents;

    explicit Opened(int seconds = 8, bool open = true)
    {
        input = rig.root.filePath(QString::fromUtf8("my \"best\" $(song) é.mp3"));
        EXPECT_TRUE(ffmpeg({"-f", "lavfi", "-i", QString("sine=frequency=440:duration=%1").arg(seconds), "-ac", "2",
                            "-ar", "44100", "-b:a", "128k", input}));
        QObject::connect((&w->session().decodeRunner()), &ConsoleRunner::ReceiveOutputs, [this](QString&) { percents << part<QLabel>(*w, "lblPB")->text(); });
        if (open)
            openIt();
    }
    void openIt()
    {
        rig.dialogs.openAnswers.push_back(input);
        clickPanel(*w, 0);
    }
    void select(int begin, int end)
    {
        w->session().model().setBeginFromDragMs(begin * 1000);
        w->session().model().setEndFromDragMs(end * 1000);
    }
    // Saves the selection as `name` in the rig's folder; returns the output path.
    QString save(const QString& name)
    {
        const QString out = rig.root.filePath(name);
        rig.dialogs.saveAnswers.push_back(out);
        clickPanel(*w, 1);
        return out;
    }
};

}  // namespace

TEST(OpenFile, DecodesWithLiveProgressAndShowsTheTimeline)
{
    Opened o;
    EXPECT_EQ(o.w->session().state().fileIsOpen, kTrue);
    EXPECT_TRUE(part<ImageControl>(*o.w, "picPBBack")->isHidden());
    EXPECT_FALSE(part<TimelinePanel>(*o.w, "picOpened")->isHidden());
    EXPECT_EQ(o.w->session().state().currentJob, "open file");
    EXPECT_EQ(o.w->session().state().sourceDurationSeconds, 0);  // reset when the decode is over
    EXPECT_TRUE(QFileInfo(o.rig.paths.tempWav).size() > 8 * 44100 * 4);
    EXPECT_EQ(part<PathLabel>(*o.w, "lblFileName")->path(), o.input);  // whole, or elided in the middle where it is too long
    EXPECT_LE(part<PathLabel>(*o.w, "lblFileName")->fontMetrics().horizontalAdvance(part<PathLabel>(*o.w, "lblFileName")->text()), part<PathLabel>(*o.w, "lblFileName")->width());

    // The dialog was asked as designed, and the name reached the transcoder as one argument.
    ASSERT_EQ(o.rig.dialogs.calls.size(), 1u);
    EXPECT_EQ(o.rig.dialogs.calls[0].file.title, "Open Files");
    // "All supported files" first, chosen by default; the eight original entries follow.
    const QList<FilterEntry>& filters = o.rig.dialogs.calls[0].file.filters;
    ASSERT_EQ(filters.size(), 9);
    EXPECT_EQ(filters[0].description, "All supported files");
    EXPECT_EQ(o.rig.dialogs.calls[0].file.selectedFilter, 0);
    EXPECT_EQ(filters[1].description, "MP3 Files(*.mp3)");
    EXPECT_EQ(filters[8].description, "All Files(*.*)");
    EXPECT_TRUE((&o.w->session().decodeRunner())->CommandLine().startsWith(o.rig.paths.coder() + " -i \""));
    EXPECT_TRUE((&o.w->session().decodeRunner())->CommandLine().endsWith(" -y -vn " + o.rig.paths.tempWav));

    // The waveform arrives from the background scan.
    QElapsedTimer t;
    t.start();
    while (!part<TimelinePanel>(*o.w, "picOpened")->hasWaveform() && t.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(part<TimelinePanel>(*o.w, "picOpened")->hasWaveform());

    // Progress went through percentages up to 100%.
    ASSERT_FALSE(o.percents.isEmpty());
    EXPECT_EQ(o.percents.last(), "100%");
    EXPECT_TRUE(o.rig.boxes.shown.empty());
}

TEST(OpenFile, SecondClickOffersToCloseAndCancelKeepsTheFile)
{
    Opened o;
    o.rig.boxes.answers = {MsgResult::Cancel};
    clickPanel(*o.w, 0);
    ASSERT_EQ(o.rig.boxes.shown.size(), 1u);
    EXPECT_EQ(o.rig.boxes.shown[0].text, "Current Audio file will be closed, are you sure?");
    EXPECT_EQ(o.rig.boxes.shown[0].title, "Close Current File");
    EXPECT_EQ(o.rig.boxes.shown[0].icon, MsgIcon::None);
    EXPECT_EQ(o.rig.dialogs.calls.size(), 1u);  // no open dialog
    EXPECT_EQ(o.w->session().state().fileIsOpen, kTrue);
    EXPECT_FALSE(part<TimelinePanel>(*o.w, "picOpened")->isHidden());

    o.w->session().model().setDuration(8);
    o.select(2, 5);
    o.rig.boxes.answers = {MsgResult::Ok};
    o.w->postAction("OpenFile");  // the menu item asks the same question
    EXPECT_EQ(o.rig.boxes.shown.size(), 2u);
    EXPECT_EQ(o.w->session().state().fileIsOpen, kFalse);
    EXPECT_TRUE(part<TimelinePanel>(*o.w, "picOpened")->isHidden());
    EXPECT_EQ(o.w->session().model().selection().endMs, 0);
    EXPECT_EQ(part<QLabel>(*o.w, "lblPB")->text(), "0%");
    EXPECT_EQ(o.w->session().model().duration(), 0);  // the closed file's duration is forgotten
    EXPECT_EQ(part<PathLabel>(*o.w, "lblFileName")->text(), "No file open");
}

TEST(OpenFile, FailuresLeaveNoFileOpen)
{
    // Not a media file: a message naming it, no timeline, no WAV left behind.
    {
        Opened o(1, false);
        QFile f(o.input);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("this is text, not sound\n");
        f.close();
        o.openIt();
        ASSERT_EQ(o.rig.boxes.shown.size(), 1u);
        EXPECT_TRUE(o.rig.boxes.shown[0].text.contains(o.input));
        EXPECT_TRUE(o.rig.boxes.shown[0].text.contains("holds no sound that can be decoded"));
        EXPECT_TRUE(o.rig.boxes.shown[0].text.contains("not a media file"));  // the transcoder's own words
        EXPECT_EQ(o.rig.boxes.shown[0].icon, MsgIcon::Error);
        EXPECT_EQ(o.w->session().state().fileIsOpen, kFalse);
        EXPECT_TRUE(part<TimelinePanel>(*o.w, "picOpened")->isHidden());
        EXPECT_TRUE(part<ImageControl>(*o.w, "picPBBack")->isHidden());
        EXPECT_FALSE(QFile::exists(o.rig.paths.tempWav));
    }
    // No transcoder: the runner says so, and nothing stays shown or disabled.
    {
        MainWindowRig rig(false);
        auto w = rig.make();
        QFile input(rig.root.filePath("x.mp3"));
        ASSERT_TRUE(input.open(QIODevice::WriteOnly));
        input.close();
        rig.dialogs.openAnswers.push_back(input.fileName());
        clickPanel(*w, 0);
        ASSERT_EQ(rig.boxes.shown.size(), 1u);
        EXPECT_EQ(rig.boxes.shown[0].text, "File or command not found");
        EXPECT_EQ(rig.boxes.shown[0].title, "TuneSnip");
        EXPECT_EQ(w->session().state().fileIsOpen, kFalse);
        EXPECT_TRUE(part<ImageControl>(*w, "picPBBack")->isHidden());
        EXPECT_EQ(part<PathLabel>(*w, "lblFileName")->text(), "No file open");  // the name is not left standing
    }
    // A temporary folder replaced by a link to somewhere else: refused, nothing is written there.
    {
        Opened o(1, false);
        QDir(o.rig.paths.tempDir).removeRecursively();
        const QString elsewhere = o.rig.root.filePath("elsewhere");
        QDir().mkpath(elsewhere);
        ASSERT_TRUE(QFile::link(elsewhere, o.rig.paths.tempDir));
        o.openIt();
        ASSERT_EQ(o.rig.boxes.shown.size(), 1u);
        EXPECT_TRUE(o.rig.boxes.shown[0].text.contains("temporary folder"));
        EXPECT_TRUE(QDir(elsewhere).isEmpty());
        EXPECT_EQ(o.w->session().state().fileIsOpen, kFalse);
    }
    // Cancelled dialog: nothing at all.
    {
        MainWindowRig rig(true);
        auto w = rig.make();
        clickPanel(*w, 0);
        EXPECT_EQ(rig.dialogs.calls.size(), 1u);
        EXPECT_TRUE(rig.boxes.shown.empty());
        EXPECT_EQ(part<PathLabel>(*w, "lblFileName")->text(), "No file open");
    }
}

TEST(OpenFile, QuittingDuringTheDecodeLeavesNoWav)
{
    Opened o(20, false);
    bool asked = false;
    QObject::connect((&o.w->session().decodeRunner()), &ConsoleRunner::ReceiveOutputs, [&](QString&) {
        if (!asked) {
            asked = true;
            o.w->close();  // answered OK
        }
    });
    o.openIt();
    EXPECT_TRUE(asked);
    EXPECT_FALSE(o.w->isVisible());
    EXPECT_FALSE(QFile::exists(o.rig.paths.tempWav));
    EXPECT_EQ(o.w->session().state().fileIsOpen, kFalse);
    ASSERT_EQ(o.rig.boxes.shown.size(), 1u);  // the quit question only
    EXPECT_EQ(o.rig.boxes.shown[0].text, "Are you sure to quit?");
}

TEST(SaveFile, WritesEachFormatWithTheSettingsActions)
{
    Opened o;
    QFile snd(o.rig.paths.soundWav());
    ASSERT_TRUE(snd.open(QIODevice::WriteOnly));
    snd.write("RIFF");
    snd.close();
    QStringList percents;
    QObject::connect((&o.w->session().saveRunner()), &ConsoleRunner::ReceiveOutputs, [&](QString&) { percents << part<QLabel>(*o.w, "lblPro")->text(); });

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
        o.w->session().settings() = {c.openFolder, c.playSound};
        o.rig.shell.opened.clear();
        o.rig.media.commands.clear();
        const QString out = o.save(c.name);
        ASSERT_TRUE(QFile::exists(out));
        EXPECT_EQ(probeStream(out, "codec_name"), c.codec);
        EXPECT_EQ(probeStream(out, "sample_rate"), c.rate);
        EXPECT_EQ(probeStream(out, "channels"), c.channels);
        EXPECT_NEAR(probeFormat(out, "duration").toDouble(), 3.0, 0.1);
        EXPECT_TRUE(part<ImageControl>(*o.w, "picPro")->isHidden());
        EXPECT_TRUE(part<ImageControl>(*o.w, "imgButton", 0)->isEnabled());
        EXPECT_TRUE(part<ImageControl>(*o.w, "imgCtrlButton", 6)->isEnabled());
        EXPECT_TRUE(part<ImageControl>(*o.w, "imgMenu", 3)->isEnabled());
        EXPECT_EQ(o.w->session().savePath(), out);
        EXPECT_EQ(o.rig.shell.opened, c.openFolder == 0 ? QStringList({o.rig.root.path() + "/"}) : QStringList());
        const bool played = o.rig.media.commands.contains("open " + o.rig.paths.soundWav() + " alias chime") &&
                            o.rig.media.commands.last() == "play chime";
        EXPECT_EQ(played, c.playSound == 0);
        // The media device was released before the transcoder ran.
        EXPECT_EQ(o.rig.media.commands.mid(0, 2), QStringList({"stop sound", "close sound"}));
    }
    EXPECT_TRUE(o.rig.boxes.shown.empty());
    ASSERT_FALSE(percents.isEmpty());
    EXPECT_EQ(percents.last(), "100%");
    EXPECT_TRUE((&o.w->session().saveRunner())->CommandLine().contains(" -i " + o.rig.paths.tempWav + " -ss 2 -t 3 -y -ar 8000 -ab 7.4k -ac 1 \""));
}

TEST(SaveFile, RefusesOrReportsWhatCannotBeSaved)
{
    Opened o(4);
    o.select(1, 3);
    o.rig.media.commands.clear();
    // An extension that is no format: refused before anything is disabled or released.
    o.save("ring.opus");
    ASSERT_EQ(o.rig.boxes.shown.size(), 1u);
    EXPECT_TRUE(o.rig.boxes.shown[0].text.contains("ring.opus"));
    EXPECT_TRUE(o.rig.boxes.shown[0].text.contains(".amr, .m4r, .m4a, .ogg or .flac"));
    EXPECT_TRUE(o.rig.media.commands.filter("close").isEmpty());
    EXPECT_TRUE(part<ImageControl>(*o.w, "imgButton", 1)->isEnabled());
    EXPECT_TRUE(part<ImageControl>(*o.w, "picPro")->isHidden());

    // A folder that does not exist: the transcoder fails, the failure is told, nothing else.
    o.save("missing/ring.mp3");
    ASSERT_EQ(o.rig.boxes.shown.size(), 2u);
    EXPECT_TRUE(o.rig.boxes.shown[1].text.contains("missing/ring.mp3"));
    EXPECT_TRUE(o.rig.shell.opened.isEmpty());
    EXPECT_FALSE(o.rig.media.commands.contains("play sound"));
    EXPECT_TRUE(part<ImageControl>(*o.w, "imgCtrlButton", 0)->isEnabled());
    EXPECT_TRUE(part<ImageControl>(*o.w, "picPro")->isHidden());

    // The temporary WAV is never an output.
    o.rig.dialogs.saveAnswers.push_back(o.rig.paths.tempWav);
    clickPanel(*o.w, 1);
    EXPECT_EQ(o.rig.boxes.shown.size(), 3u);
    EXPECT_GT(QFileInfo(o.rig.paths.tempWav).size(), 44);

    // A selection shorter than a second does nothing; a cancelled dialog does nothing.
    const size_t calls = o.rig.dialogs.calls.size();
    o.select(2, 2);
    clickPanel(*o.w, 1);
    EXPECT_EQ(o.rig.dialogs.calls.size(), calls);
    o.select(0, 1);
    clickPanel(*o.w, 1);
    EXPECT_EQ(o.rig.dialogs.calls.size(), calls + 1);
    EXPECT_EQ(o.rig.dialogs.calls.back().kind, DialogCall::Save);
    EXPECT_EQ(o.rig.boxes.shown.size(), 3u);
}

namespace {
const std::vector<bool> kAllOn(19, true);
const std::vector<bool> kAllOff(19, false);
}

TEST(OpenFile, WhileDecodingTheControlsAreOffThePanelShownAndASecondOpenRefused)
{
    Opened o(8, false);
    int seen = 0;
    QObject::connect((&o.w->session().decodeRunner()), &ConsoleRunner::ReceiveOutputs, [&](QString&) {
        if (seen++)
            return;
        EXPECT_FALSE(part<ImageControl>(*o.w, "picPBBack")->isHidden());
        EXPECT_EQ(enabledControls(*o.w), kAllOff);
        const size_t dialogs = o.rig.dialogs.calls.size();
        o.rig.dialogs.openAnswers.push_back(o.input);
        clickPanel(*o.w, 0);       // also from the menu's keyword
        o.w->postAction("OpenFile");
        EXPECT_EQ(o.rig.dialogs.calls.size(), dialogs);
        o.rig.dialogs.openAnswers.clear();
    });
    o.openIt();
    EXPECT_GT(seen, 0);
    EXPECT_EQ(o.w->session().state().fileIsOpen, kTrue);
    EXPECT_EQ(enabledControls(*o.w), kAllOn);
}

TEST(SaveFile, WhileSavingTheControlsAreOffAndThePanelShown)
{
    Opened o;
    o.select(1, 6);
    int seen = 0;
    QObject::connect((&o.w->session().saveRunner()), &ConsoleRunner::ReceiveOutputs, [&](QString&) {
        if (seen++)
            return;
        EXPECT_FALSE(part<ImageControl>(*o.w, "picPro")->isHidden());
        EXPECT_EQ(enabledControls(*o.w), kAllOff);
    });
    EXPECT_TRUE(QFile::exists(o.save("during.wav")));
    EXPECT_GT(seen, 0);
    EXPECT_TRUE(part<ImageControl>(*o.w, "picPro")->isHidden());
    EXPECT_EQ(enabledControls(*o.w), kAllOn);
}

TEST(OpenFile, RefusesWhatIsNotARegularFile)
{
    Opened o(1, false);
    const QString fifo = o.rig.root.filePath("a pipe.mp3");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    o.rig.dialogs.openAnswers.push_back(fifo);
    clickPanel(*o.w, 0);
    ASSERT_EQ(o.rig.boxes.shown.size(), 1u);
    EXPECT_TRUE(o.rig.boxes.shown[0].text.contains(fifo));
    EXPECT_TRUE(o.rig.boxes.shown[0].text.contains("not a regular file"));
    EXPECT_FALSE((&o.w->session().decodeRunner())->lastExit().started);  // no transcoder was started
    EXPECT_EQ(part<PathLabel>(*o.w, "lblFileName")->text(), "No file open");
    EXPECT_EQ(o.w->session().state().fileIsOpen, kFalse);
}

TEST(OpenFile, EscapeStopsADecodeThatNeverEnds)
{
    Opened o(1, false);
    o.rig.useCoderScript("echo 'time=0.00 '; exec sleep 60");  // a stalled network mount
    bool pressed = false;
    QObject::connect((&o.w->session().decodeRunner()), &ConsoleRunner::ReceiveOutputs, [&](QString&) {
        if (!std::exchange(pressed, true))
            pressEscape(*o.w);
    });
    QElapsedTimer clock;
    clock.start();
    o.openIt();
    EXPECT_TRUE(pressed);
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_TRUE((&o.w->session().decodeRunner())->lastExit().stopped);
    // Handled like a failed run: nothing open, every control back, no message.
    EXPECT_EQ(o.w->session().state().fileIsOpen, kFalse);
    EXPECT_TRUE(part<ImageControl>(*o.w, "picPBBack")->isHidden());
    EXPECT_TRUE(part<TimelinePanel>(*o.w, "picOpened")->isHidden());
    EXPECT_EQ(part<PathLabel>(*o.w, "lblFileName")->text(), "No file open");
    EXPECT_EQ(enabledControls(*o.w), kAllOn);
    EXPECT_FALSE(QFile::exists(o.rig.paths.tempWav));
    EXPECT_TRUE(o.rig.boxes.shown.empty());
}

TEST(SaveFile, EscapeStopsASaveAndNothingIsSaved)
{
    Opened o;
    o.select(1, 3);
    o.rig.useCoderScript("echo 'time=0.00 '; sleep 60; exec REAL_CODER \"$@\"");
    bool pressed = false;
    QObject::connect((&o.w->session().saveRunner()), &ConsoleRunner::ReceiveOutputs, [&](QString&) {
        if (!std::exchange(pressed, true))
            pressEscape(*o.w);
    });
    o.rig.media.commands.clear();
    const QString out = o.save("stopped.mp3");
    EXPECT_TRUE(pressed);
    EXPECT_TRUE((&o.w->session().saveRunner())->lastExit().stopped);
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_TRUE(part<ImageControl>(*o.w, "picPro")->isHidden());
    EXPECT_EQ(enabledControls(*o.w), kAllOn);
    EXPECT_TRUE(o.rig.boxes.shown.empty());
    EXPECT_TRUE(o.rig.shell.opened.isEmpty());                 // no after-save actions
    EXPECT_TRUE(o.rig.media.commands.filter("chime").isEmpty());
    EXPECT_EQ(o.w->session().state().fileIsOpen, kTrue);                 // the file stays open
}

TEST(OpenFile, AFailedDecodeTellsWhatTheTranscoderSaid)
{
    struct Case {
        QString script;
        QString says;
        bool noSound;
    };
    for (const Case& c : {Case{"echo \"coder: $5: cannot write (No space left on device)\" >&2; exit 1",
                               "cannot write (No space left on device)", false},
                          Case{"kill -9 $$", "signal 9", false},
                          Case{"echo 'coder: x.mp3: no audio stream' >&2; exit 1", "x.mp3: no audio stream", true}}) {
        SCOPED_TRACE(c.script.toStdString());
        Opened o(1, false);
        o.rig.useCoderScript(c.script);
        o.openIt();
        ASSERT_EQ(o.rig.boxes.shown.size(), 1u);
        const QString text = o.rig.boxes.shown[0].text;
        EXPECT_TRUE(text.startsWith("Could not open \"" + o.input + "\""));
        EXPECT_EQ(text.contains("holds no sound"), c.noSound);
        EXPECT_TRUE(text.contains("\r\n\r\n")) << text.toStdString();  // the reason on a line of its own
        EXPECT_TRUE(text.contains(c.says)) << text.toStdString();
        EXPECT_EQ(o.w->session().state().fileIsOpen, kFalse);
    }
}

TEST(SaveFile, ASaveIntoAReadOnlyFolderTellsWhy)
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

TEST(SaveFile, ANameWithTrailingBlanksNeverReplacesAnotherFileUnasked)
{
    Opened o(4);
    o.select(1, 3);
    const QString precious = o.rig.root.filePath("cut.mp3");
    QFile f(precious);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("precious");
    f.close();

    o.rig.boxes.answers = {MsgResult::Cancel};
    o.save("cut.mp3 ");
    ASSERT_EQ(o.rig.boxes.shown.size(), 1u);
    EXPECT_TRUE(o.rig.boxes.shown[0].text.contains("\"" + precious + "\" already exists"));
    EXPECT_EQ(o.rig.boxes.shown[0].buttons, MsgButtons::OkCancel);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "precious");
    f.close();
    EXPECT_FALSE((&o.w->session().saveRunner())->lastExit().started);  // nothing ran
    EXPECT_EQ(enabledControls(*o.w), kAllOn);

    o.rig.boxes.answers = {MsgResult::Ok};  // asked and confirmed: replaced
    o.save("cut.mp3 ");
    EXPECT_EQ(o.rig.boxes.shown.size(), 2u);
    EXPECT_EQ(probeStream(precious, "codec_name"), "mp3");

    o.save("new.mp3  ");  // no other file of that name: no question
    EXPECT_EQ(o.rig.boxes.shown.size(), 2u);
    EXPECT_TRUE(QFile::exists(o.rig.root.filePath("new.mp3")));
}

TEST(OpenFile, ClosingForgetsTheFileItsSoundAndItsMarkers)
{
    Opened o;
    o.rig.media.lengthMs = 8000;
    clickTransport(*o.w, 0);
    o.w->session().poll();
    ASSERT_EQ(o.w->session().model().duration(), 8);
    clickPanel(*o.w, 2);  // a random selection on the open file
    ASSERT_GT(o.w->session().model().selection().endMs, 5000);

    o.rig.boxes.answers = {MsgResult::Ok};
    clickPanel(*o.w, 0);
    EXPECT_EQ(o.w->session().model().duration(), 0);
    EXPECT_FALSE(o.rig.media.open);  // the closed file no longer plays
    EXPECT_FALSE(QFile::exists(o.rig.paths.tempWav));
    const TimelineLayout l = layoutTimeline(o.w->session().model());
    EXPECT_EQ(l.begin.left, 0);  // the markers where start-up puts them, hidden
    EXPECT_EQ(l.end.left, 728);
    EXPECT_FALSE(l.begin.drawn || l.end.drawn);
    EXPECT_FALSE(o.w->session().model().canUndo());

    // Nothing of the closed file can be cut.
    clickPanel(*o.w, 2);
    ASSERT_EQ(o.rig.boxes.shown.size(), 2u);
    EXPECT_EQ(o.rig.boxes.shown[1].text, "Please play the music first");
    o.select(1, 5);
    const size_t dialogs = o.rig.dialogs.calls.size();
    clickPanel(*o.w, 1);
    EXPECT_EQ(o.rig.dialogs.calls.size(), dialogs);
    o.rig.media.commands.clear();
    clickTransport(*o.w, 0);
    o.w->session().poll();
    EXPECT_TRUE(o.rig.media.commands.filter("alias sound").isEmpty());
    EXPECT_EQ(o.w->session().model().duration(), 0);
}

TEST(SaveFile, PlayAfterASaveMadeWhilePausedPlaysOnFromThePlayhead)
{
    Opened o;
    o.rig.media.lengthMs = 8000;
    o.rig.media.positionMs = 5000;
    clickTransport(*o.w, 0);
    o.w->session().poll();
    clickTransport(*o.w, 2);  // paused at 5 s
    o.select(1, 3);
    ASSERT_TRUE(QFile::exists(o.save("while-paused.wav")));
    o.rig.media.commands.clear();
    clickTransport(*o.w, 0);
    EXPECT_EQ(o.rig.media.commands.last(), "play sound from 5000");
    EXPECT_TRUE(o.rig.media.open);
}

TEST(OpenFile, EachDecodeCountsItsProgressFromZeroAfterASave)
{
    Opened o;
    o.select(2, 5);
    ASSERT_TRUE(QFile::exists(o.save("first.mp3")));
    o.rig.boxes.answers = {MsgResult::Ok};  // the close question
    o.w->session().closeFile();
    o.percents.clear();
    // A long input whose first progress line says 10 s of 100 s are done.
    o.rig.useCoderScript("printf '  Duration: 00:01:40.00, start: 0.000000\\ntime=10.00 \\n'; sleep 0.3; "
                         "exec REAL_CODER \"$@\"");
    o.openIt();
    EXPECT_EQ(o.w->session().state().fileIsOpen, kTrue);
    ASSERT_TRUE(o.percents.contains("10%")) << o.percents.join(' ').toStdString();
    EXPECT_FALSE(o.percents.contains("100%"));  // 8 s of the script's 100 s were decoded
}

TEST(OpenFile, TheFirstFilterOfTheOpenDialogCoversEveryFormatTheTranscoderReads)
{
    Opened o(1, false);
    o.rig.dialogs.openAnswers.push_back(QString());  // cancelled: only the request is looked at
    clickPanel(*o.w, 0);
    ASSERT_EQ(o.rig.dialogs.calls.size(), 1u);
    const QStringList patterns = o.rig.dialogs.calls[0].file.filters.value(0).pattern.split(';');
    // Files made by other tools in the formats people bring, each decoded by the transcoder.
    const std::pair<const char*, QStringList> made[] = {
        {"song.m4a", {"-c:a", "aac"}},       {"song.ogg", {"-c:a", "libvorbis"}}, {"song.opus", {"-c:a", "libopus"}},
        {"song.flac", {}},                    {"song.aiff", {}},                    {"clip.mp4", {"-c:a", "aac"}},
        {"clip.mkv", {"-c:a", "libvorbis"}}, {"clip.webm", {"-c:a", "libopus"}},  {"clip.mov", {"-c:a", "aac"}},
        {"song.wav", {}},                     {"song.mp3", {}},                     {"song.wma", {"-c:a", "wmav2"}}};
    for (const auto& [name, codec] : made) {
        SCOPED_TRACE(name);
        const QString path = o.rig.root.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(ffmpeg(QStringList{"-f", "lavfi", "-i", "sine=frequency=440:duration=1"} + codec + QStringList{path}));
        EXPECT_TRUE(QDir::match(patterns, QFileInfo(path).fileName()));
        ConsoleRunner probe(o.rig.boxes);
        probe.setCommandLine(o.rig.paths.coder() + " -i " + path + " -y -vn " + o.rig.root.filePath("probe.wav"));
        probe.ExecuteCommand(QString());
        EXPECT_EQ(probe.lastExit().exitCode, 0) << probe.Outputs().toStdString();
    }
}

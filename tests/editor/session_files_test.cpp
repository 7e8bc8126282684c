// An editor session opening and closing files through the real transcoder, without a window:
// the open dialog, a name given as on the command line, the recent files, and what the session
// tells its window meanwhile. Dialogs, message boxes and the media device are stand-ins.
#include "coder/CoderHarness.h"
#include "support/SessionRig.h"
#include "timeline/TimelineLayout.h"
#include "transcode/ConsoleRunner.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utility>

using coder_test::ffmpeg;

namespace {

// A session that has decoded `seconds` of a sine tone from an MP3 whose name has blanks, quotes
// and shell syntax in it.
struct Opened {
    SessionRig rig{true};
    EditorSession& s = rig.make();
    QString input;

    explicit Opened(int seconds = 8, bool open = true)
    {
        input = rig.root.filePath(QString::fromUtf8("my \"best\" $(song) é.mp3"));
        EXPECT_TRUE(ffmpeg({"-f", "lavfi", "-i", QString("sine=frequency=440:duration=%1").arg(seconds), "-ac", "2",
                            "-ar", "44100", "-b:a", "128k", input}));
        if (open)
            openIt();
    }
    // Panel button 0 with `input` chosen in the open dialog.
    void openIt()
    {
        rig.dialogs.openAnswers.push_back(input);
        s.openOrCloseFile();
    }
    void select(int begin, int end)
    {
        s.model().setBeginFromDragMs(begin * 1000);
        s.model().setEndFromDragMs(end * 1000);
    }
    // Saves the selection as `name` in the rig's folder; returns the output path.
    QString save(const QString& name)
    {
        const QString out = rig.root.filePath(name);
        rig.dialogs.saveAnswers.push_back(out);
        s.save();
        return out;
    }
};

// A one-second tone as `folder/name` under the rig's folder.
QString song(SessionRig& rig, const QString& folder, const QString& name)
{
    QDir(rig.root.path()).mkpath(folder);
    const QString path = rig.root.filePath(folder + "/" + name);
    EXPECT_TRUE(ffmpeg({"-f", "lavfi", "-i", "sine=frequency=440:duration=1", "-b:a", "64k", path}));
    return path;
}

}  // namespace

TEST(SessionOpen, DecodesWithLiveProgressAndTellsTheWindow)
{
    Opened o;
    EXPECT_TRUE(o.s.isFileOpen());
    EXPECT_FALSE(o.s.isBusy());
    EXPECT_EQ(o.s.state().currentJob, "open file");
    EXPECT_EQ(o.s.state().sourceDurationSeconds, 0);  // reset when the decode is over
    EXPECT_TRUE(QFileInfo(o.rig.paths.tempWav).size() > 8 * 44100 * 4);
    EXPECT_EQ(o.s.fileCaption(), o.input);
    EXPECT_EQ(o.rig.log.busy, QList<bool>({true, false}));
    EXPECT_EQ(o.rig.log.decodePanel, QList<bool>({true, false}));
    EXPECT_TRUE(o.rig.log.timelineShown());
    EXPECT_EQ(o.rig.log.opened, QStringList{o.input});
    EXPECT_EQ(o.rig.log.decoded, QStringList{o.rig.paths.tempWav});
    EXPECT_EQ(o.rig.history.recentFiles(), QStringList{o.input});

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
    EXPECT_TRUE(o.s.decodeRunner().CommandLine().startsWith(o.rig.paths.coder() + " -i \""));
    EXPECT_TRUE(o.s.decodeRunner().CommandLine().endsWith(" -y -vn " + o.rig.paths.tempWav));

    // Progress went from 0% up to 100%.
    ASSERT_GE(o.rig.log.decodeTexts.size(), 2);
    EXPECT_EQ(o.rig.log.decodeTexts.first(), "0%");
    EXPECT_EQ(o.rig.log.decodeTexts.last(), "100%");
    EXPECT_DOUBLE_EQ(o.rig.log.decodeFractions.last(), 1.0);
    EXPECT_TRUE(o.rig.boxes.shown.empty());
}

TEST(SessionOpen, ASecondOpenOffersToCloseAndCancelKeepsTheFile)
{
    Opened o;
    o.rig.boxes.answers = {MsgResult::Cancel};
    o.s.openOrCloseFile();
    ASSERT_EQ(o.rig.boxes.shown.size(), 1u);
    EXPECT_EQ(o.rig.boxes.shown[0].text, "Current Audio file will be closed, are you sure?");
    EXPECT_EQ(o.rig.boxes.shown[0].title, "Close Current File");
    EXPECT_EQ(o.rig.boxes.shown[0].icon, MsgIcon::None);
    EXPECT_EQ(o.rig.dialogs.calls.size(), 1u);  // no open dialog
    EXPECT_TRUE(o.s.isFileOpen());
    EXPECT_TRUE(o.rig.log.timelineShown());

    o.s.model().setDuration(8);
    o.select(2, 5);
    o.rig.boxes.answers = {MsgResult::Ok};
    o.s.openOrCloseFile();
    EXPECT_EQ(o.rig.boxes.shown.size(), 2u);
    EXPECT_EQ(o.rig.dialogs.calls.size(), 1u);  // closed, not opened again
    EXPECT_FALSE(o.s.isFileOpen());
    EXPECT_FALSE(o.rig.log.timelineShown());
    EXPECT_EQ(o.rig.log.closed, 1);
    EXPECT_EQ(o.s.model().selection().endMs, 0);
    EXPECT_EQ(o.rig.log.decodeTexts.last(), "0%");
    EXPECT_EQ(o.s.model().duration(), 0);  // the closed file's duration is forgotten
    EXPECT_EQ(o.s.fileCaption(), "No file open");
    EXPECT_EQ(o.rig.log.captions.last(), "No file open");
}

TEST(SessionOpen, FailuresLeaveNoFileOpen)
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
        EXPECT_FALSE(o.s.isFileOpen());
        EXPECT_FALSE(o.rig.log.timelineShown());
        EXPECT_FALSE(o.rig.log.decodePanelShown());
        EXPECT_FALSE(o.rig.log.busyNow());
        EXPECT_FALSE(QFile::exists(o.rig.paths.tempWav));
        EXPECT_EQ(o.s.fileCaption(), "No file open");
        EXPECT_TRUE(o.rig.history.recentFiles().isEmpty());  // only files that opened are remembered
    }
    // No transcoder: the runner says so, and nothing stays shown or busy.
    {
        SessionRig rig(false);
        EditorSession& s = rig.make();
        QFile input(rig.root.filePath("x.mp3"));
        ASSERT_TRUE(input.open(QIODevice::WriteOnly));
        input.close();
        rig.dialogs.openAnswers.push_back(input.fileName());
        s.openOrCloseFile();
        ASSERT_EQ(rig.boxes.shown.size(), 1u);
        EXPECT_EQ(rig.boxes.shown[0].text, "File or command not found");
        EXPECT_EQ(rig.boxes.shown[0].title, "TuneSnip");
        EXPECT_FALSE(s.isFileOpen());
        EXPECT_FALSE(s.isBusy());
        EXPECT_FALSE(rig.log.busyNow());
        EXPECT_FALSE(rig.log.decodePanelShown());
        EXPECT_EQ(s.fileCaption(), "No file open");  // the name is not left standing
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
        EXPECT_FALSE(o.s.isFileOpen());
        EXPECT_FALSE(o.s.decodeRunner().lastExit().started);
    }
    // Cancelled dialog: nothing at all.
    {
        SessionRig rig(true);
        EditorSession& s = rig.make();
        s.openOrCloseFile();
        EXPECT_EQ(rig.dialogs.calls.size(), 1u);
        EXPECT_TRUE(rig.boxes.shown.empty());
        EXPECT_TRUE(rig.log.busy.isEmpty());
        EXPECT_EQ(s.fileCaption(), "No file open");
    }
}

TEST(SessionOpen, ShuttingDownDuringTheDecodeLeavesNoWav)
{
    Opened o(20, false);
    bool quit = false;
    QObject::connect(&o.s.decodeRunner(), &ConsoleRunner::ReceiveOutputs, [&](QString&) {
        if (!std::exchange(quit, true))
            o.s.shutDown();
    });
    o.openIt();
    EXPECT_TRUE(quit);
    EXPECT_TRUE(o.s.isShuttingDown());
    EXPECT_FALSE(QFile::exists(o.rig.paths.tempWav));
    EXPECT_FALSE(o.s.isFileOpen());
    EXPECT_TRUE(o.rig.log.opened.isEmpty());
    EXPECT_TRUE(o.rig.boxes.shown.empty());
}

TEST(SessionOpen, WhileDecodingTheSessionIsBusyAndASecondOpenIsRefused)
{
    Opened o(8, false);
    // A transcoder slow to start: its first line comes before any sound is written, while the
    // session cannot follow the decode yet (once it can, the file opens at once: session_decode).
    o.rig.useCoderScript("echo 'time=0.00 '; sleep 1; exec REAL_CODER \"$@\"");
    int seen = 0;
    QObject::connect(&o.s.decodeRunner(), &ConsoleRunner::ReceiveOutputs, [&](QString&) {
        if (seen++)
            return;
        EXPECT_TRUE(o.s.isBusy());
        EXPECT_TRUE(o.rig.log.busyNow());
        EXPECT_TRUE(o.rig.log.decodePanelShown());
        const size_t dialogs = o.rig.dialogs.calls.size();
        o.rig.dialogs.openAnswers.push_back(o.input);
        o.s.openOrCloseFile();
        EXPECT_FALSE(o.s.openGivenFile(o.input));
        EXPECT_EQ(o.rig.dialogs.calls.size(), dialogs);
        o.rig.dialogs.openAnswers.clear();
    });
    o.openIt();
    EXPECT_GT(seen, 0);
    EXPECT_TRUE(o.s.isFileOpen());
    EXPECT_FALSE(o.s.isBusy());
    EXPECT_EQ(o.rig.log.opened, QStringList{o.input});
}

TEST(SessionOpen, RefusesWhatIsNotARegularFile)
{
    Opened o(1, false);
    const QString fifo = o.rig.root.filePath("a pipe.mp3");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    o.rig.dialogs.openAnswers.push_back(fifo);
    o.s.openOrCloseFile();
    ASSERT_EQ(o.rig.boxes.shown.size(), 1u);
    EXPECT_TRUE(o.rig.boxes.shown[0].text.contains(fifo));
    EXPECT_TRUE(o.rig.boxes.shown[0].text.contains("not a regular file"));
    EXPECT_FALSE(o.s.decodeRunner().lastExit().started);  // no transcoder was started
    EXPECT_EQ(o.s.fileCaption(), "No file open");
    EXPECT_FALSE(o.s.isFileOpen());
}

TEST(SessionOpen, StoppingADecodeThatNeverEndsLeavesNothingOpen)
{
    Opened o(1, false);
    o.rig.useCoderScript("echo 'time=0.00 '; exec sleep 60");  // a stalled network mount
    bool stopped = false;
    QObject::connect(&o.s.decodeRunner(), &ConsoleRunner::ReceiveOutputs, [&](QString&) {
        if (!std::exchange(stopped, true))
            o.s.stopRunningJob();
    });
    QElapsedTimer clock;
    clock.start();
    o.openIt();
    EXPECT_TRUE(stopped);
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_TRUE(o.s.decodeRunner().lastExit().stopped);
    // Handled like a failed run: nothing open, nothing shown, not busy, no message.
    EXPECT_FALSE(o.s.isFileOpen());
    EXPECT_FALSE(o.s.isBusy());
    EXPECT_FALSE(o.rig.log.decodePanelShown());
    EXPECT_FALSE(o.rig.log.timelineShown());
    EXPECT_EQ(o.s.fileCaption(), "No file open");
    EXPECT_FALSE(QFile::exists(o.rig.paths.tempWav));
    EXPECT_TRUE(o.rig.boxes.shown.empty());
}

TEST(SessionOpen, AFailedDecodeTellsWhatTheTranscoderSaid)
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
        EXPECT_FALSE(o.s.isFileOpen());
    }
}

TEST(SessionOpen, ClosingForgetsTheFileItsSoundAndItsMarkers)
{
    Opened o;
    o.rig.media.lengthMs = 8000;
    o.s.play();
    o.s.poll();
    ASSERT_EQ(o.s.model().duration(), 8);
    o.s.randomCut();  // a random selection on the open file
    ASSERT_GT(o.s.model().selection().endMs, 5000);

    o.rig.boxes.answers = {MsgResult::Ok};
    o.s.openOrCloseFile();
    EXPECT_EQ(o.s.model().duration(), 0);
    EXPECT_FALSE(o.rig.media.open);  // the closed file no longer plays
    EXPECT_FALSE(QFile::exists(o.rig.paths.tempWav));
    const TimelineLayout l = layoutTimeline(o.s.model());
    EXPECT_EQ(l.begin.left, 0);  // the markers where start-up puts them, hidden
    EXPECT_EQ(l.end.left, 728);
    EXPECT_FALSE(l.begin.drawn || l.end.drawn);
    EXPECT_FALSE(o.s.model().canUndo());

    // Nothing of the closed file can be cut.
    o.s.randomCut();
    ASSERT_EQ(o.rig.boxes.shown.size(), 2u);
    EXPECT_EQ(o.rig.boxes.shown[1].text, "Please play the music first");
    o.select(1, 5);
    const size_t dialogs = o.rig.dialogs.calls.size();
    o.s.save();
    EXPECT_EQ(o.rig.dialogs.calls.size(), dialogs);
    o.rig.media.commands.clear();
    o.s.play();
    o.s.poll();
    EXPECT_TRUE(o.rig.media.commands.filter("alias sound").isEmpty());
    EXPECT_EQ(o.s.model().duration(), 0);
}

TEST(SessionOpen, EachDecodeCountsItsProgressFromZeroAfterASave)
{
    Opened o;
    o.select(2, 5);
    ASSERT_TRUE(QFile::exists(o.save("first.mp3")));
    o.rig.boxes.answers = {MsgResult::Ok};  // the close question
    o.s.closeFile();
    o.rig.log.clear();
    // A long input whose first progress line says 10 s of 100 s are done.
    o.rig.useCoderScript("printf '  Duration: 00:01:40.00, start: 0.000000\\ntime=10.00 \\n'; sleep 0.3; "
                         "exec REAL_CODER \"$@\"");
    o.openIt();
    EXPECT_TRUE(o.s.isFileOpen());
    ASSERT_TRUE(o.rig.log.decodeTexts.contains("10%")) << o.rig.log.decodeTexts.join(' ').toStdString();
    EXPECT_FALSE(o.rig.log.decodeTexts.contains("100%"));  // 8 s of the script's 100 s were decoded
}

TEST(SessionOpen, TheFirstFilterOfTheOpenDialogCoversEveryFormatTheTranscoderReads)
{
    Opened o(1, false);
    o.rig.dialogs.openAnswers.push_back(QString());  // cancelled: only the request is looked at
    o.s.openOrCloseFile();
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

// ---- The ways to a file besides the open dialog ----

TEST(SessionFileRequests, AFileNamedAsOnTheCommandLineOpensWithoutTheDialog)
{
    SessionRig rig(true);
    EditorSession& s = rig.make();
    const QString first = song(rig, "in", "Song.mp3");
    EXPECT_TRUE(s.openGivenFile(first));
    EXPECT_TRUE(s.isFileOpen());
    EXPECT_TRUE(rig.dialogs.calls.empty());
    EXPECT_TRUE(rig.boxes.shown.empty());
    EXPECT_TRUE(rig.log.timelineShown());
    EXPECT_EQ(s.fileCaption(), first);
    EXPECT_EQ(rig.history.recentFiles(), QStringList{first});

    // Another name while a file is open: offered for closing first; Cancel keeps the open one.
    const QString other = song(rig, "in", "Other.mp3");
    rig.boxes.answers = {MsgResult::Cancel};
    EXPECT_FALSE(s.openGivenFile(other));
    ASSERT_EQ(rig.boxes.shown.size(), 1u);
    EXPECT_EQ(rig.boxes.shown[0].title, "Close Current File");
    EXPECT_EQ(rig.history.currentFile(), first);
    EXPECT_EQ(s.fileCaption(), first);
    EXPECT_TRUE(s.openGivenFile(other));  // answered OK this time
    EXPECT_EQ(rig.history.currentFile(), other);
    EXPECT_EQ(s.fileCaption(), other);
}

TEST(SessionFileRequests, AMissingOrUndecodableFileGivesTheUsualMessages)
{
    SessionRig rig(true);
    EditorSession& s = rig.make();
    const QString missing = rig.root.filePath("in/none.mp3");
    EXPECT_FALSE(s.openGivenFile(missing));
    ASSERT_EQ(rig.boxes.shown.size(), 1u);
    EXPECT_EQ(rig.boxes.shown[0].text, missing + "\nFile not found.\nCheck the file name and try again.");
    EXPECT_EQ(rig.boxes.shown[0].title, "Open Files");
    EXPECT_EQ(rig.boxes.shown[0].icon, MsgIcon::Warning);
    EXPECT_FALSE(s.isFileOpen());

    // Text in a sound's clothing: the transcoder's failure, as after the dialog.
    const QString text = rig.root.filePath("fake.mp3");
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not sound\n");
    f.close();
    EXPECT_FALSE(s.openGivenFile(text));
    ASSERT_EQ(rig.boxes.shown.size(), 2u);
    EXPECT_TRUE(rig.boxes.shown[1].text.contains(text));
    EXPECT_EQ(rig.boxes.shown[1].icon, MsgIcon::Error);
    EXPECT_TRUE(rig.history.recentFiles().isEmpty());  // only files that opened are remembered
}

TEST(SessionFileRequests, ARecentFileThatIsGoneLeavesTheListAndOneThatIsThereOpens)
{
    SessionRig rig(true);
    EditorSession& s = rig.make();
    const QString gone = rig.root.filePath("music/gone.mp3");
    const QString there = song(rig, "in", "There.mp3");
    rig.history.noteOpened(there);
    rig.history.noteOpened(gone);
    s.openRecentFile(gone);
    ASSERT_EQ(rig.boxes.shown.size(), 1u);
    EXPECT_TRUE(rig.boxes.shown[0].text.contains("File not found."));
    EXPECT_EQ(rig.history.recentFiles(), QStringList{there});
    EXPECT_FALSE(s.isFileOpen());

    s.openRecentFile(there);
    EXPECT_TRUE(s.isFileOpen());
    EXPECT_EQ(rig.history.recentFiles().first(), there);
    EXPECT_EQ(rig.boxes.shown.size(), 1u);
}

TEST(SessionFileRequests, DialogsStartInTheRememberedFoldersAndOfferARingToneName)
{
    SessionRig rig(true);
    EditorSession& s = rig.make();
    // First open: the music folder.
    s.openOrCloseFile();
    ASSERT_EQ(rig.dialogs.calls.size(), 1u);
    EXPECT_EQ(rig.dialogs.calls[0].file.directory, rig.musicDir);

    const QString opened = song(rig, "albums/one", "Song.mp3");
    rig.dialogs.openAnswers.push_back(opened);
    s.openOrCloseFile();
    ASSERT_TRUE(s.isFileOpen());

    // First save: the opened file's folder, offering "Song (ring tone).mp3".
    s.model().setEndFromDragMs(1000);
    s.save();
    DialogCall save = rig.dialogs.calls.back();
    ASSERT_EQ(save.kind, DialogCall::Save);
    EXPECT_EQ(save.file.directory, rig.root.filePath("albums/one") + "/");
    EXPECT_EQ(save.file.initialName, "Song (ring tone).mp3");

    // After a save elsewhere, the next save starts there.
    QDir(rig.root.path()).mkpath("tones");
    const QString out = rig.root.filePath("tones/Song (ring tone).mp3");
    rig.dialogs.saveAnswers.push_back(out);
    s.save();
    ASSERT_TRUE(QFile::exists(out));
    s.save();
    EXPECT_EQ(rig.dialogs.calls.back().file.directory, rig.root.filePath("tones") + "/");

    // The next open starts in the last opened file's folder, also in a new session (next run).
    EXPECT_TRUE(s.openGivenFile(opened));  // asks to close first (OK), then opens it again
    rig.boxes.answers = {MsgResult::Ok};
    s.openOrCloseFile();  // offers to close
    s.openOrCloseFile();  // the dialog
    EXPECT_EQ(rig.dialogs.calls.back().kind, DialogCall::Open);
    EXPECT_EQ(rig.dialogs.calls.back().file.directory, rig.root.filePath("albums/one"));
    FileHistory nextRun(rig.root.filePath("state/history.ini"), rig.musicDir);
    EXPECT_EQ(nextRun.openDialogFolder(), rig.root.filePath("albums/one"));
    EXPECT_EQ(nextRun.saveDialogFolder(), rig.root.filePath("tones"));
}

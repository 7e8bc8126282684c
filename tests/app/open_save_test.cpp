// The main window's side of opening and saving, through the real transcoder: the progress panels,
// the timeline, the path label and the controls resting while the transcoder runs, and the keys
// and the close button reaching a running transcoder. What the session does with the files is
// tested on the session itself (tests/editor/session_files_test.cpp, session_save_test.cpp).
#include "app/ImageControl.h"
#include "app/PathLabel.h"
#include "app/frmMain.h"
#include "coder/CoderHarness.h"
#include "editor/EditorSession.h"
#include "support/MainWindowRig.h"
#include "support/WindowParts.h"
#include "timeline/TimelinePanel.h"
#include "transcode/ConsoleRunner.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <gtest/gtest.h>
#include <utility>

using coder_test::ffmpeg;

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
        QObject::connect(&w->session().decodeRunner(), &ConsoleRunner::ReceiveOutputs,
                         [this](QString&) { percents << part<QLabel>(*w, "lblPB")->text(); });
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

const std::vector<bool> kAllOn(19, true);
const std::vector<bool> kAllOff(19, false);

}  // namespace

TEST(OpenFile, DecodesWithLiveProgressAndShowsTheTimeline)
{
    Opened o;
    EXPECT_TRUE(o.w->session().isFileOpen());
    EXPECT_TRUE(part<ImageControl>(*o.w, "picPBBack")->isHidden());
    EXPECT_FALSE(part<TimelinePanel>(*o.w, "picOpened")->isHidden());
    const PathLabel* name = part<PathLabel>(*o.w, "lblFileName");
    EXPECT_EQ(name->path(), o.input);  // whole, or elided in the middle where it is too long
    EXPECT_LE(name->fontMetrics().horizontalAdvance(name->text()), name->width());

    // The waveform arrives from the background scan.
    QElapsedTimer t;
    t.start();
    while (!part<TimelinePanel>(*o.w, "picOpened")->hasWaveform() && t.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(part<TimelinePanel>(*o.w, "picOpened")->hasWaveform());

    // The progress label went through percentages up to 100%.
    ASSERT_FALSE(o.percents.isEmpty());
    EXPECT_EQ(o.percents.last(), "100%");
    EXPECT_TRUE(o.rig.boxes.shown.empty());
}

TEST(OpenFile, ClosingFromThePanelOrTheMenuHidesTheTimelineAndClearsTheLabels)
{
    Opened o;
    // With a file open, the Open button closes it, and a screen reader says so.
    QAccessibleInterface* open = QAccessible::queryAccessibleInterface(part<ImageControl>(*o.w, "imgButton", 0));
    EXPECT_EQ(open->text(QAccessible::Name), "Open");
    EXPECT_EQ(open->text(QAccessible::Description), "Closes the open file, after asking");
    o.rig.boxes.answers = {MsgResult::Cancel};
    clickPanel(*o.w, 0);
    ASSERT_EQ(o.rig.boxes.shown.size(), 1u);
    EXPECT_EQ(o.rig.boxes.shown[0].title, "Close Current File");
    EXPECT_FALSE(part<TimelinePanel>(*o.w, "picOpened")->isHidden());

    o.rig.boxes.answers = {MsgResult::Ok};
    o.w->postAction("OpenFile");  // the menu item asks the same question
    EXPECT_EQ(o.rig.boxes.shown.size(), 2u);
    EXPECT_FALSE(o.w->session().isFileOpen());
    EXPECT_TRUE(part<TimelinePanel>(*o.w, "picOpened")->isHidden());
    EXPECT_EQ(part<QLabel>(*o.w, "lblPB")->text(), "0%");
    EXPECT_EQ(part<PathLabel>(*o.w, "lblFileName")->text(), "No file open");
    EXPECT_NE(open->text(QAccessible::Description), "Closes the open file, after asking");
}

TEST(OpenFile, AFailedOpenLeavesNoPanelNoTimelineAndNoName)
{
    Opened o(1, false);
    QFile f(o.input);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("this is text, not sound\n");
    f.close();
    o.openIt();
    ASSERT_EQ(o.rig.boxes.shown.size(), 1u);
    EXPECT_FALSE(o.w->session().isFileOpen());
    EXPECT_TRUE(part<TimelinePanel>(*o.w, "picOpened")->isHidden());
    EXPECT_TRUE(part<ImageControl>(*o.w, "picPBBack")->isHidden());
    EXPECT_EQ(part<PathLabel>(*o.w, "lblFileName")->text(), "No file open");
    EXPECT_EQ(enabledControls(*o.w), kAllOn);
}

TEST(OpenFile, QuittingDuringTheDecodeLeavesNoWav)
{
    Opened o(20, false);
    bool asked = false;
    QObject::connect(&o.w->session().decodeRunner(), &ConsoleRunner::ReceiveOutputs, [&](QString&) {
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

TEST(OpenFile, WhileDecodingTheControlsAreOffThePanelShownAndASecondOpenRefused)
{
    Opened o(8, false);
    // A transcoder slow to start: its first line comes before any sound is written, while the
    // window cannot follow the decode yet (once it can, the file opens at once: session_decode).
    o.rig.useCoderScript("echo 'time=0.00 '; sleep 1; exec REAL_CODER \"$@\"");
    int seen = 0;
    QObject::connect(&o.w->session().decodeRunner(), &ConsoleRunner::ReceiveOutputs, [&](QString&) {
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
    QObject::connect(&o.w->session().saveRunner(), &ConsoleRunner::ReceiveOutputs, [&](QString&) {
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

TEST(OpenFile, EscapeStopsADecodeThatNeverEnds)
{
    Opened o(1, false);
    o.rig.useCoderScript("echo 'time=0.00 '; exec sleep 60");  // a stalled network mount
    bool pressed = false;
    QObject::connect(&o.w->session().decodeRunner(), &ConsoleRunner::ReceiveOutputs, [&](QString&) {
        if (!std::exchange(pressed, true))
            pressEscape(*o.w);
    });
    QElapsedTimer clock;
    clock.start();
    o.openIt();
    EXPECT_TRUE(pressed);
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_TRUE(o.w->session().decodeRunner().lastExit().stopped);
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
    QObject::connect(&o.w->session().saveRunner(), &ConsoleRunner::ReceiveOutputs, [&](QString&) {
        if (!std::exchange(pressed, true))
            pressEscape(*o.w);
    });
    o.rig.media.commands.clear();
    const QString out = o.save("stopped.mp3");
    EXPECT_TRUE(pressed);
    EXPECT_TRUE(o.w->session().saveRunner().lastExit().stopped);
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_TRUE(part<ImageControl>(*o.w, "picPro")->isHidden());
    EXPECT_EQ(enabledControls(*o.w), kAllOn);
    EXPECT_TRUE(o.rig.boxes.shown.empty());
    EXPECT_TRUE(o.rig.shell.opened.isEmpty());                 // no after-save actions
    EXPECT_TRUE(o.rig.media.commands.filter("chime").isEmpty());
    EXPECT_EQ(o.w->session().state().fileIsOpen, kTrue);                 // the file stays open
}

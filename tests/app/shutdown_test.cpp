// Quitting while the transcoder runs, through the program's real quit path (the window's
// shutDown ends the application's event loop, as in main), and quitting on a signal.
#include "app/ImageControl.h"
#include "app/frmMain.h"
#include "timeline/EditorModel.h"
#include "timeline/TimelinePanel.h"
#include "platform/QuitSignals.h"
#include "support/MainWindowRig.h"
#include "support/ProcessProbes.h"
#include "transcode/ConsoleRunner.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>

namespace {

// A window whose quit ends the application's event loop, as main() wires it.
struct QuitRig {
    MainWindowRig rig{true};
    std::unique_ptr<frmMain> w = rig.make();
    QString input = rig.root.filePath("tone.wav");
    QuitRig()
    {
        QObject::connect(w.get(), &frmMain::shutDown, qApp, &QApplication::quit, Qt::QueuedConnection);
        // A WAV the transcoder reads in no time: the scripts decide how long a run takes.
        QFile wav(input);
        wav.open(QIODevice::WriteOnly);
        const qint32 rate = 8000;
        QByteArray h("RIFF\x24\x7d\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00", 24);
        h.append(reinterpret_cast<const char*>(&rate), 4);
        const qint32 byteRate = rate * 2;
        h.append(reinterpret_cast<const char*>(&byteRate), 4);
        h.append("\x02\x00\x10\x00" "data\x00\x7d\x00\x00", 12);
        wav.write(h);
        wav.write(QByteArray(32000, '\0'));  // two seconds of silence
    }
    // Runs `action` inside the application's event loop; returns when the loop has ended.
    void runInEventLoop(const std::function<void()>& action)
    {
        QTimer::singleShot(0, action);
        QApplication::exec();
    }
};

}  // namespace

TEST(Shutdown, QuittingDuringADecodeStopsItsTranscoderAtOnce)
{
    QuitRig q;
    q.rig.useCoderScript("echo \"pid $$ time=0.00 \"; sleep 30");
    qint64 coderPid = 0;
    QObject::connect(q.w->objDOS, &ConsoleRunner::ReceiveOutputs, [&](QString& chunk) {
        if (coderPid == 0 && chunk.startsWith("pid ")) {
            coderPid = chunk.mid(4).section(' ', 0, 0).toLongLong();
            q.w->close();  // answered OK
        }
    });
    QElapsedTimer clock;
    q.runInEventLoop([&] {
        q.rig.dialogs.openAnswers.push_back(q.input);
        clock.start();
        q.w->imgButton_Click(0);
    });
    EXPECT_LT(clock.elapsed(), 5000);  // not the 30 s the transcoder would have run
    ASSERT_GT(coderPid, 0);
    EXPECT_TRUE(processEnded(coderPid));
    EXPECT_TRUE(q.w->objDOS->lastExit().stopped);
    EXPECT_FALSE(QFile::exists(q.rig.paths.tempWav));
    EXPECT_FALSE(q.w->isVisible());
    ASSERT_EQ(q.rig.boxes.shown.size(), 1u);  // only the question
    EXPECT_EQ(q.rig.boxes.shown[0].text, "Are you sure to quit?");
}

TEST(Shutdown, QuittingDuringASaveWaitsForTheRingToneWithoutSpinning)
{
    QuitRig q;
    q.rig.dialogs.openAnswers.push_back(q.input);
    q.w->imgButton_Click(0);  // decoded by the real transcoder
    ASSERT_EQ(q.w->state().fileIsOpen, kTrue);
    q.w->editor().setEndFromDrag(1);
    q.rig.useCoderScript("echo 'time=0.00 '; sleep 1.5; exec REAL_CODER \"$@\"");
    const QString out = q.rig.root.filePath("ring.wav");
    bool asked = false;
    double cpuAtQuit = 0;
    QElapsedTimer sinceQuit;
    QObject::connect(q.w->objDOS1, &ConsoleRunner::ReceiveOutputs, [&](QString&) {
        if (std::exchange(asked, true))
            return;
        q.w->close();
        cpuAtQuit = threadCpuMs();
        sinceQuit.start();
    });
    q.runInEventLoop([&] {
        q.rig.dialogs.saveAnswers.push_back(out);
        q.w->imgButton_Click(1);
    });
    const double cpu = threadCpuMs() - cpuAtQuit;
    const qint64 wall = sinceQuit.elapsed();
    ASSERT_TRUE(asked);
    EXPECT_TRUE(QFile::exists(out));  // the ring tone was still written
    EXPECT_GT(QFileInfo(out).size(), 8000);
    EXPECT_FALSE(q.w->objDOS1->lastExit().stopped);
    EXPECT_GE(wall, 1000);
    // Spinning would burn the whole wait; waiting on the pipe and the child costs next to nothing.
    EXPECT_LT(cpu, wall * 0.3) << cpu << " ms of CPU in " << wall << " ms";
    EXPECT_FALSE(QFile::exists(q.rig.paths.tempWav));  // removed once the transcoder was done with it
    EXPECT_TRUE(q.rig.shell.opened.isEmpty());           // no after-save actions after quit
    EXPECT_EQ(q.rig.boxes.shown.size(), 1u);
}

TEST(Shutdown, AQuitSignalQuitsWithoutTheQuestionAndStopsADecode)
{
    QuitRig q;
    QuitSignals quitSignals;
    ASSERT_TRUE(quitSignals.isActive());
    QObject::connect(&quitSignals, &QuitSignals::quitRequested, q.w.get(), &frmMain::quitWithoutAsking);
    q.w->show();
    q.rig.useCoderScript("echo 'time=0.00 '; sleep 30");
    bool raised = false;
    QObject::connect(q.w->objDOS, &ConsoleRunner::ReceiveOutputs, [&](QString&) {
        if (!std::exchange(raised, true))
            ::raise(SIGTERM);
    });
    QElapsedTimer clock;
    q.runInEventLoop([&] {
        q.rig.dialogs.openAnswers.push_back(q.input);
        clock.start();
        q.w->imgButton_Click(0);
    });
    EXPECT_TRUE(raised);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_TRUE(q.rig.boxes.shown.empty());  // no question
    EXPECT_FALSE(q.w->isVisible());
    EXPECT_FALSE(QFile::exists(q.rig.paths.tempWav));
}

TEST(Shutdown, ASecondQuitSignalDuringASaveStopsItToo)
{
    QuitRig q;
    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::quitRequested, q.w.get(), &frmMain::quitWithoutAsking);
    q.rig.dialogs.openAnswers.push_back(q.input);
    q.w->imgButton_Click(0);
    q.w->editor().setEndFromDrag(1);
    q.rig.useCoderScript("echo 'time=0.00 '; sleep 30; exec REAL_CODER \"$@\"");
    bool raised = false;
    QObject::connect(q.w->objDOS1, &ConsoleRunner::ReceiveOutputs, [&](QString&) {
        if (std::exchange(raised, true))
            return;
        ::raise(SIGINT);
        QTimer::singleShot(300, [] { ::raise(SIGINT); });
    });
    QElapsedTimer clock;
    q.runInEventLoop([&] {
        q.rig.dialogs.saveAnswers.push_back(q.rig.root.filePath("ring.wav"));
        clock.start();
        q.w->imgButton_Click(1);
    });
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_TRUE(q.w->objDOS1->lastExit().stopped);
    EXPECT_FALSE(QFile::exists(q.rig.root.filePath("ring.wav")));
    EXPECT_FALSE(QFile::exists(q.rig.paths.tempWav));
    EXPECT_TRUE(q.rig.boxes.shown.empty());
}

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
#include "support/WindowParts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
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
    QObject::connect((&q.w->session().decodeRunner()), &ConsoleRunner::ReceiveOutputs, [&](QString& chunk) {
        if (coderPid == 0 && chunk.startsWith("pid ")) {
            coderPid = chunk.mid(4).section(' ', 0, 0).toLongLong();
            q.w->close();  // answered OK
        }
    });
    QElapsedTimer clock;
    q.runInEventLoop([&] {
        q.rig.dialogs.openAnswers.push_back(q.input);
        clock.start();
        clickPanel(*q.w, 0);
    });
    EXPECT_LT(clock.elapsed(), 5000);  // not the 30 s the transcoder would have run
    ASSERT_GT(coderPid, 0);
    EXPECT_TRUE(processEnded(coderPid));
    EXPECT_TRUE((&q.w->session().decodeRunner())->lastExit().stopped);
    EXPECT_FALSE(QFile::exists(q.rig.paths.tempWav));
    EXPECT_FALSE(q.w->isVisible());
    ASSERT_EQ(q.rig.boxes.shown.size(), 1u);  // only the question
    EXPECT_EQ(q.rig.boxes.shown[0].text, "Are you sure to quit?");
}

TEST(Shutdown, QuittingDuringASaveNamesItAndStopsItAtOnceLeavingTheTargetAsItWas)
{
    QuitRig q;
    // Ten minutes of sound, so that the save is still writing when the user quits.
    QFile wav(q.input);
    ASSERT_TRUE(wav.open(QIODevice::WriteOnly));
    const qint32 rate = 44100, frames = rate * 600;
    QByteArray h("RIFF", 4);
    const qint32 riff = 36 + frames * 4, fmtSize = 16, byteRate = rate * 4, dataSize = frames * 4;
    const qint16 pcm = 1, channels = 2, align = 4, bits = 16;
    h.append(reinterpret_cast<const char*>(&riff), 4).append("WAVEfmt ", 8);
    h.append(reinterpret_cast<const char*>(&fmtSize), 4).append(reinterpret_cast<const char*>(&pcm), 2);
    h.append(reinterpret_cast<const char*>(&channels), 2).append(reinterpret_cast<const char*>(&rate), 4);
    h.append(reinterpret_cast<const char*>(&byteRate), 4).append(reinterpret_cast<const char*>(&align), 2);
    h.append(reinterpret_cast<const char*>(&bits), 2).append("data", 4).append(reinterpret_cast<const char*>(&dataSize), 4);
    wav.write(h);
    QByteArray noise(dataSize, '\0');
    quint32 x = 12345;
    for (qsizetype i = 0; i < noise.size(); ++i)
        noise[i] = char((x = x * 1664525u + 1013904223u) >> 24);
    wav.write(noise);
    wav.close();
    q.rig.dialogs.openAnswers.push_back(q.input);
    clickPanel(*q.w, 0);
    ASSERT_EQ(q.w->session().state().fileIsOpen, kTrue);
    q.w->session().model().setEndFromDragMs(600000);

    const QString out = q.rig.root.filePath("ring.mp3");
    QFile old(out);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the ring tone saved yesterday");
    old.close();
    const QDir folder(q.rig.root.path());
    const QStringList before = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    bool asked = false;
    QElapsedTimer sinceQuit;
    QObject::connect((&q.w->session().saveRunner()), &ConsoleRunner::ReceiveOutputs, [&](QString& chunk) {
        // Once the transcoder has written part of the ring tone, the user quits and answers OK.
        if (asked || !chunk.contains("time=") || chunk.contains("time=0.00 "))
            return;
        asked = true;
        sinceQuit.start();
        q.w->close();
    });
    QElapsedTimer clock;
    q.runInEventLoop([&] {
        q.rig.dialogs.saveAnswers.push_back(out);
        clickPanel(*q.w, 1);
    });
    ASSERT_TRUE(asked);
    EXPECT_LT(sinceQuit.elapsed(), 3000);  // at once, not after the whole save
    EXPECT_TRUE((&q.w->session().saveRunner())->lastExit().stopped);
    ASSERT_EQ(q.rig.boxes.shown.size(), 1u);
    EXPECT_EQ(q.rig.boxes.shown[0].text, "Saving \"" + out + "\" is not finished.\r\nQuit anyway? The save stops and "
                                         "the file is left as it was before.");
    EXPECT_EQ(q.rig.boxes.shown[0].title, "Exit");
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "the ring tone saved yesterday");
    EXPECT_EQ(folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot), before);
    EXPECT_FALSE(QFile::exists(q.rig.paths.tempWav));
    EXPECT_FALSE(q.w->isVisible());
    EXPECT_TRUE(q.rig.shell.opened.isEmpty());  // no after-save actions
}

TEST(Shutdown, CancellingTheQuitQuestionDuringASaveLetsItFinish)
{
    QuitRig q;
    q.rig.dialogs.openAnswers.push_back(q.input);
    clickPanel(*q.w, 0);
    q.w->session().model().setEndFromDragMs(1000);
    q.rig.useCoderScript("echo 'time=0.00 '; sleep 0.5; exec REAL_CODER \"$@\"");
    const QString out = q.rig.root.filePath("ring.wav");
    bool asked = false;
    QObject::connect((&q.w->session().saveRunner()), &ConsoleRunner::ReceiveOutputs, [&](QString&) {
        if (std::exchange(asked, true))
            return;
        q.rig.boxes.answers = {MsgResult::Cancel};
        q.w->close();
    });
    q.rig.dialogs.saveAnswers.push_back(out);
    clickPanel(*q.w, 1);
    ASSERT_TRUE(asked);
    EXPECT_TRUE(QFile::exists(out));
    EXPECT_FALSE((&q.w->session().saveRunner())->lastExit().stopped);
    EXPECT_TRUE(q.rig.boxes.shown.at(0).text.startsWith("Saving \"" + out + "\" is not finished."));
}

TEST(Shutdown, CtrlQDuringADecodeAsksAndQuitsLikeTheCloseButton)
{
    QuitRig q;
    q.w->show();
    QApplication::setActiveWindow(q.w.get());
    q.rig.useCoderScript("echo 'time=0.00 '; sleep 30");
    bool pressed = false;
    QObject::connect((&q.w->session().decodeRunner()), &ConsoleRunner::ReceiveOutputs, [&](QString&) {
        if (std::exchange(pressed, true))
            return;
        QTest::keyClick(q.w.get(), Qt::Key_Q, Qt::ControlModifier);
    });
    QElapsedTimer clock;
    q.runInEventLoop([&] {
        q.rig.dialogs.openAnswers.push_back(q.input);
        clock.start();
        clickPanel(*q.w, 0);
    });
    EXPECT_TRUE(pressed);
    EXPECT_LT(clock.elapsed(), 5000);
    ASSERT_EQ(q.rig.boxes.shown.size(), 1u);
    EXPECT_EQ(q.rig.boxes.shown[0].text, "Are you sure to quit?");
    EXPECT_TRUE((&q.w->session().decodeRunner())->lastExit().stopped);
    EXPECT_FALSE(q.w->isVisible());
    EXPECT_FALSE(QFile::exists(q.rig.paths.tempWav));
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
    QObject::connect((&q.w->session().decodeRunner()), &ConsoleRunner::ReceiveOutputs, [&](QString&) {
        if (!std::exchange(raised, true))
            ::raise(SIGTERM);
    });
    QElapsedTimer clock;
    q.runInEventLoop([&] {
        q.rig.dialogs.openAnswers.push_back(q.input);
        clock.start();
        clickPanel(*q.w, 0);
    });
    EXPECT_TRUE(raised);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_TRUE(q.rig.boxes.shown.empty());  // no question
    EXPECT_FALSE(q.w->isVisible());
    EXPECT_FALSE(QFile::exists(q.rig.paths.tempWav));
}

TEST(Shutdown, AQuitSignalDuringASaveStopsIt)
{
    QuitRig q;
    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::quitRequested, q.w.get(), &frmMain::quitWithoutAsking);
    q.rig.dialogs.openAnswers.push_back(q.input);
    clickPanel(*q.w, 0);
    q.w->session().model().setEndFromDragMs(1000);
    q.rig.useCoderScript("echo 'time=0.00 '; sleep 30; exec REAL_CODER \"$@\"");
    bool raised = false;
    QObject::connect((&q.w->session().saveRunner()), &ConsoleRunner::ReceiveOutputs, [&](QString&) {
        if (!std::exchange(raised, true))
            ::raise(SIGINT);
    });
    QElapsedTimer clock;
    q.runInEventLoop([&] {
        q.rig.dialogs.saveAnswers.push_back(q.rig.root.filePath("ring.wav"));
        clock.start();
        clickPanel(*q.w, 1);
    });
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_TRUE((&q.w->session().saveRunner())->lastExit().stopped);
    EXPECT_FALSE(QFile::exists(q.rig.root.filePath("ring.wav")));
    EXPECT_FALSE(QFile::exists(q.rig.paths.tempWav));
    EXPECT_TRUE(q.rig.boxes.shown.empty());
}

#include "transcode/ConsoleRunner.h"

#include "support/ProcessProbes.h"
#include "support/Recorders.h"
#include "transcode/CommandLine.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>
#include <dirent.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {
QString helper(const char* name) { return quoteArgument(QStringLiteral(TS_HELPER_DIR "/") + QLatin1String(name)); }
QString coder() { return helper("named/coder"); }

// Records the runner's events in order.
struct EventLog {
    QStringList chunks;
    QStringList order;  // "chunk" / "over"
    std::vector<qsizetype> chunkBytes;
    explicit EventLog(ConsoleRunner& runner)
    {
        QObject::connect(&runner, &ConsoleRunner::ReceiveOutputs, [this](QString& chunk) {
            chunks << chunk;
            chunkBytes.push_back(chunk.toUtf8().size());
            order << QStringLiteral("chunk");
        });
        QObject::connect(&runner, &ConsoleRunner::CommandOver, [this] { order << QStringLiteral("over"); });
    }
    int overs() const { return static_cast<int>(order.count(QStringLiteral("over"))); }
};

// Zombie children of this test process, read from /proc.
int zombieChildren()
{
    int zombies = 0;
    DIR* proc = ::opendir("/proc");
    if (!proc)
        return -1;
    const QByteArray me = QByteArray::number(::getpid());
    while (const dirent* e = ::readdir(proc)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(QLatin1String(e->d_name)));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray s = stat.readAll();
        const qsizetype close = s.lastIndexOf(')');
        if (close < 0)
            continue;
        const QList<QByteArray> fields = s.mid(close + 2).split(' ');  // state, ppid, ...
        if (fields.size() > 1 && fields[0] == "Z" && fields[1] == me)
            ++zombies;
    }
    ::closedir(proc);
    return zombies;
}

bool spinUntil(const std::function<bool()>& condition, int ms = 30000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        ::usleep(10000);
    }
    return true;
}

struct RunnerFixture : ::testing::Test {
    RecordingMessageBoxes boxes;
    ConsoleRunner runner{boxes};
};
}

using ConsoleRunnerRun = RunnerFixture;

TEST_F(ConsoleRunnerRun, ChunksArriveInOrderAndCommandOverComesLastInsideTheCall)
{
    EventLog log(runner);
    bool overSeenBeforeReturn = false;
    QObject::connect(&runner, &ConsoleRunner::CommandOver, [&] { overSeenBeforeReturn = true; });
    runner.setCommandLine(coder() + QStringLiteral(" 3 120"));
    const QString result = runner.ExecuteCommand(QString());

    EXPECT_TRUE(overSeenBeforeReturn);
    EXPECT_EQ(runner.Outputs(), QStringLiteral("piece 1\npiece 2\npiece 3\n"));
    EXPECT_EQ(result, runner.Outputs());
    EXPECT_EQ(log.chunks.join(QString()), runner.Outputs());
    ASSERT_EQ(log.overs(), 1);
    EXPECT_EQ(log.order.last(), QStringLiteral("over"));
    EXPECT_GE(log.chunks.size(), 2);  // the pieces came apart in time (a loaded machine may join two)
    EXPECT_TRUE(boxes.shown.empty());
    const RunExit end = runner.lastExit();
    EXPECT_TRUE(end.started);
    EXPECT_TRUE(end.exited);
    EXPECT_EQ(end.exitCode, 0);
    EXPECT_EQ(end.signal, 0);
    EXPECT_FALSE(runner.isRunning());
    EXPECT_EQ(zombieChildren(), 0);
}

TEST_F(ConsoleRunnerRun, FastWriterIsDrainedInChunksOfAtMost1024Bytes)
{
    EventLog log(runner);
    runner.ExecuteCommand(helper("flood") + QStringLiteral(" 12000"));
    QString expected;
    for (int i = 0; i < 12000; ++i)
        expected += QChar(QLatin1Char(static_cast<char>('0' + i % 10)));
    EXPECT_EQ(runner.Outputs(), expected);
    for (const qsizetype b : log.chunkBytes)
        EXPECT_LE(b, 1024);
    EXPECT_GE(log.chunks.size(), 12);  // 12000 bytes cannot come in fewer reads
    EXPECT_EQ(log.overs(), 1);
}

TEST_F(ConsoleRunnerRun, CharactersSplitBetweenChunksStayWhole)
{
    EventLog log(runner);
    runner.ExecuteCommand(helper("flood") + QStringLiteral(" 5001 utf8"));
    const QString expected = QStringLiteral("x") + QString(2500, QChar(0xE9));
    EXPECT_EQ(runner.Outputs(), expected);
    EXPECT_FALSE(runner.Outputs().contains(QChar::ReplacementCharacter));
    for (const qsizetype b : log.chunkBytes)
        EXPECT_LE(b, 1024);
}

TEST_F(ConsoleRunnerRun, TimersAndHandlersRunDuringTheCall)
{
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(10);
    bool runningInHandler = false;
    QObject::connect(&runner, &ConsoleRunner::ReceiveOutputs, [&](QString&) { runningInHandler = runner.isRunning(); });
    runner.ExecuteCommand(coder() + QStringLiteral(" 2 150"));
    EXPECT_GE(ticks, 5);
    EXPECT_TRUE(runningInHandler);
    EXPECT_FALSE(runner.isRunning());
}

TEST_F(ConsoleRunnerRun, SilentCommandEndsWithEmptyOutputsAndStillCommandOver)
{
    EventLog log(runner);
    runner.ExecuteCommand(coder() + QStringLiteral(" 1 0"));
    ASSERT_FALSE(runner.Outputs().isEmpty());
    runner.ExecuteCommand(helper("silent"));
    EXPECT_TRUE(runner.Outputs().isEmpty());  // emptied by the new start
    EXPECT_EQ(log.overs(), 2);
    EXPECT_TRUE(runner.lastExit().exited);
    EXPECT_EQ(runner.lastExit().exitCode, 0);
}

TEST_F(ConsoleRunnerRun, ArgumentReplacesCommandLineAndEmptyArgumentRunsTheStoredOne)
{
    const QString first = coder() + QStringLiteral(" 1 0");
    runner.ExecuteCommand(first);
    EXPECT_EQ(runner.CommandLine(), first);
    runner.setCommandLine(coder() + QStringLiteral(" 2 0"));
    runner.ExecuteCommand(QString());
    EXPECT_EQ(runner.Outputs(), QStringLiteral("piece 1\npiece 2\n"));
}

TEST_F(ConsoleRunnerRun, ProgramOfAnyNameIsWaitedForThroughQuietSpells)
{
    EventLog log(runner);
    runner.ExecuteCommand(helper("pieces") + QStringLiteral(" 2 400"));
    EXPECT_EQ(log.overs(), 1);
    EXPECT_EQ(runner.Outputs(), QStringLiteral("piece 1\npiece 2\n"));
    const RunExit end = runner.lastExit();
    EXPECT_TRUE(end.started);
    EXPECT_TRUE(end.exited);  // over only once its own child has ended
    EXPECT_EQ(end.exitCode, 0);
    EXPECT_FALSE(end.stopped);
    EXPECT_EQ(zombieChildren(), 0);
}

TEST_F(ConsoleRunnerRun, OtherProcessesNamedCoderAndLeftoverGrandchildrenDoNotHoldTheRun)
{
    // Another transcoder elsewhere on the machine, quiet for a while.
    QProcess other;
    other.start(QStringLiteral(TS_HELPER_DIR "/named/coder"), {QStringLiteral("1"), QStringLiteral("4000")});
    ASSERT_TRUE(other.waitForStarted());
    // Our child ends at once but leaves a grandchild holding the pipe open.
    QElapsedTimer clock;
    clock.start();
    runner.ExecuteCommand(helper("forker") + QStringLiteral(" 4000"));
    const qint64 took = clock.elapsed();
    EXPECT_LT(took, 2500);  // not held until the others end, four seconds from now
    EXPECT_TRUE(runner.Outputs().startsWith(QStringLiteral("forked ")));
    EXPECT_TRUE(runner.lastExit().exited);
    EXPECT_EQ(runner.lastExit().exitCode, 0);
    const pid_t grandchild = runner.Outputs().mid(7).trimmed().toInt();
    if (grandchild > 0)
        ::kill(grandchild, SIGKILL);
    other.kill();
    other.waitForFinished();
}

TEST_F(ConsoleRunnerRun, CoderNamedProgramKeepsTheRunThroughQuietSpells)
{
    // Same program and gaps as above, but under the transcoder's name: nothing is lost.
    runner.ExecuteCommand(coder() + QStringLiteral(" 2 400"));
    EXPECT_EQ(runner.Outputs(), QStringLiteral("piece 1\npiece 2\n"));
    EXPECT_TRUE(runner.lastExit().exited);
}

TEST_F(ConsoleRunnerRun, ReportsExitCodeAndSignal)
{
    runner.ExecuteCommand(helper("exitcode") + QStringLiteral(" 3"));
    EXPECT_TRUE(runner.lastExit().exited);
    EXPECT_EQ(runner.lastExit().exitCode, 3);
    EXPECT_EQ(runner.lastExit().signal, 0);
    runner.ExecuteCommand(helper("exitcode") + QStringLiteral(" -s %1").arg(SIGTERM));
    EXPECT_TRUE(runner.lastExit().exited);
    EXPECT_EQ(runner.lastExit().signal, SIGTERM);
    EXPECT_TRUE(boxes.shown.empty());  // a failing child is not the runner's failure
}

TEST_F(ConsoleRunnerRun, HostileNamesArriveAsSingleArgumentsWithNoStrayDescriptors)
{
    const QStringList names = {QStringLiteral("my song.mp3"), QStringLiteral("say \"hi\".mp3"),
        QStringLiteral("-rf"), QStringLiteral("$(touch /tmp/ts_pwned) `id`.wav"), QStringLiteral("a\\b\\"),
        QStringLiteral("\\\"\\\\\""), QStringLiteral("ünï 名前.amr"), QString(), QStringLiteral("x;y|z&")};
    QString line = helper("argv");
    for (const QString& n : names)
        line += QLatin1Char(' ') + quoteArgument(n);
    runner.ExecuteCommand(line);
    const QStringList lines = runner.Outputs().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList got;
    QString fds;
    QString stdinTarget;
    for (const QString& l : lines) {
        if (l.startsWith(QStringLiteral("arg=")))
            got << QString::fromUtf8(QByteArray::fromHex(l.mid(4).toLatin1()));
        else if (l.startsWith(QStringLiteral("fds=")))
            fds = l.mid(4);
        else if (l.startsWith(QStringLiteral("stdin=")))
            stdinTarget = l.mid(6);
    }
    EXPECT_EQ(got, names);
    EXPECT_EQ(fds, QStringLiteral("0,1,2"));
    EXPECT_EQ(stdinTarget, QStringLiteral("/dev/null"));
    EXPECT_FALSE(QFile::exists(QStringLiteral("/tmp/ts_pwned")));
}

using ConsoleRunnerFailure = RunnerFixture;

namespace {
void expectOneError(const RecordingMessageBoxes& boxes, const QString& text)
{
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, text);
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("TuneSnip"));
    EXPECT_EQ(boxes.shown[0].icon, MsgIcon::Error);
    EXPECT_EQ(boxes.shown[0].buttons, MsgButtons::Ok);
}
}

TEST_F(ConsoleRunnerFailure, EmptyCommandLineShowsMessageAndKeepsOutputs)
{
    runner.ExecuteCommand(coder() + QStringLiteral(" 1 0"));
    const QString before = runner.Outputs();
    runner.setCommandLine(QString());
    EventLog log(runner);
    EXPECT_TRUE(runner.ExecuteCommand(QString()).isEmpty());
    expectOneError(boxes, QStringLiteral("Command Line empty"));
    EXPECT_EQ(runner.Outputs(), before);
    EXPECT_TRUE(log.order.isEmpty());
}

TEST_F(ConsoleRunnerFailure, ProgramThatCannotStartIsNotFound)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile notExecutable(dir.filePath(QStringLiteral("plain.txt")));
    ASSERT_TRUE(notExecutable.open(QIODevice::WriteOnly));
    notExecutable.close();
    runner.ExecuteCommand(coder() + QStringLiteral(" 1 0"));
    const QString before = runner.Outputs();
    EventLog log(runner);
    const QStringList lines = {QStringLiteral("/nonexistent/folder/coder -i x"),
        quoteArgument(notExecutable.fileName()), QStringLiteral("   "), QStringLiteral("\"\""),
        QStringLiteral("ts-no-such-program-on-path")};
    for (const QString& line : lines) {
        boxes.shown.clear();
        EXPECT_TRUE(runner.ExecuteCommand(line).isEmpty());
        expectOneError(boxes, QStringLiteral("File or command not found"));
        EXPECT_EQ(runner.Outputs(), before);
        EXPECT_FALSE(runner.lastExit().started);  // not the earlier run's success
    }
    EXPECT_TRUE(log.order.isEmpty());
}

TEST_F(ConsoleRunnerFailure, PipeThatCannotBeMadeReportsErrno)
{
    runner.ExecuteCommand(coder() + QStringLiteral(" 1 0"));
    const QString before = runner.Outputs();
    EventLog log(runner);
    // Use up every descriptor the process may have, so that pipe2 fails with EMFILE.
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &old), 0);
    std::vector<int> fillers;
    rlimit low = old;
    low.rlim_cur = 256;
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &low), 0);
    for (int fd; (fd = ::dup(0)) >= 0;)
        fillers.push_back(fd);
    const QString result = runner.ExecuteCommand(coder() + QStringLiteral(" 1 0"));
    for (int fd : fillers)
        ::close(fd);
    ::setrlimit(RLIMIT_NOFILE, &old);

    EXPECT_TRUE(result.isEmpty());
    expectOneError(boxes, QStringLiteral("CreatePipe failed. Error: %1").arg(EMFILE));
    EXPECT_EQ(runner.Outputs(), before);
    EXPECT_TRUE(log.order.isEmpty());
}

TEST(ConsoleRunnerLifetime, RunnerDestroyedWhileItsChildRunsLeavesNoZombie)
{
    RecordingMessageBoxes boxes;
    auto* runner = new ConsoleRunner(boxes);
    // Once the child has told its pid, the runner goes from the event loop while the child runs.
    qint64 child = 0;
    QObject::connect(runner, &ConsoleRunner::ReceiveOutputs, runner, [runner, &child](QString& chunk) {
        if (child == 0 && chunk.startsWith(QLatin1String("pid "))) {
            child = chunk.mid(4).trimmed().toLongLong();
            QTimer::singleShot(0, runner, [runner] { delete runner; });
        }
    });
    EXPECT_TRUE(runner->ExecuteCommand(helper("sleeper") + QStringLiteral(" 1000 tell")).isEmpty());
    ASSERT_GT(child, 0);
    // The child ends after its sleep; something must reap it even though the runner is gone:
    // its /proc entry disappears only once it is reaped.
    EXPECT_TRUE(spinUntil([&] { return !QFile::exists(QStringLiteral("/proc/%1").arg(child)); }));
    EXPECT_EQ(zombieChildren(), 0);
}

TEST(ConsoleRunnerLifetime, HandlerMayDeleteTheRunnerMidRun)
{
    RecordingMessageBoxes boxes;
    auto* runner = new ConsoleRunner(boxes);
    QObject::connect(runner, &ConsoleRunner::ReceiveOutputs, runner, [runner](QString&) { delete runner; });
    EXPECT_TRUE(runner->ExecuteCommand(coder() + QStringLiteral(" 2 50")).isEmpty());
    EXPECT_TRUE(spinUntil([] { return zombieChildren() == 0; }));
}

using ConsoleRunnerStop = RunnerFixture;

TEST_F(ConsoleRunnerStop, StopEndsTheChildAtOnceAndTheRunEndsAsUsual)
{
    EventLog log(runner);
    QTimer::singleShot(300, &runner, [&] { runner.stop(); });
    QElapsedTimer clock;
    clock.start();
    runner.ExecuteCommand(helper("sleeper") + QStringLiteral(" 20000"));
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(log.overs(), 1);
    const RunExit end = runner.lastExit();
    EXPECT_TRUE(end.exited);
    EXPECT_TRUE(end.stopped);
    EXPECT_EQ(end.signal, SIGTERM);
    EXPECT_FALSE(runner.isRunning());
    EXPECT_EQ(zombieChildren(), 0);

    // Stop between runs does nothing, and the next run starts clean.
    runner.stop();
    runner.ExecuteCommand(helper("silent"));
    EXPECT_FALSE(runner.lastExit().stopped);
    EXPECT_EQ(runner.lastExit().exitCode, 0);
}

TEST_F(ConsoleRunnerStop, StopReachesWhatTheChildStartedAndKillsWhatIgnoresIt)
{
    pid_t grandchild = 0;
    QObject::connect(&runner, &ConsoleRunner::ReceiveOutputs, [&](QString& chunk) {
        grandchild = chunk.mid(7).trimmed().toInt();
        runner.stop();
    });
    runner.ExecuteCommand(helper("forker") + QStringLiteral(" 20000 wait"));
    EXPECT_TRUE(runner.lastExit().stopped);
    ASSERT_GT(grandchild, 0);
    EXPECT_TRUE(spinUntil([&] { return processEnded(grandchild); }));  // SIGTERM went to the group

    QTimer::singleShot(200, &runner, [&] { runner.stop(); });
    QElapsedTimer clock;
    clock.start();
    runner.ExecuteCommand(helper("sleeper") + QStringLiteral(" 20000 stubborn"));
    EXPECT_LT(clock.elapsed(), 8000);
    EXPECT_TRUE(runner.lastExit().stopped);
    EXPECT_EQ(runner.lastExit().signal, SIGKILL);  // it ignored SIGTERM and was killed later
    EXPECT_EQ(zombieChildren(), 0);
}

TEST(ConsoleRunnerChild, DiesWithTheProgramThatStartedIt)
{
    // spawner starts a sleeper exactly as the runner starts its transcoder, then is killed.
    QProcess spawner;
    spawner.start(QStringLiteral(TS_HELPER_DIR "/spawner"),
                  {QStringLiteral(TS_HELPER_DIR "/sleeper"), QStringLiteral("20000"), QStringLiteral("tell")});
    ASSERT_TRUE(spawner.waitForStarted());
    ASSERT_TRUE(spinUntil([&] { return spawner.canReadLine(); }));
    const pid_t child = QString::fromLatin1(spawner.readLine()).mid(4).trimmed().toInt();
    ASSERT_GT(child, 0);
    EXPECT_FALSE(processEnded(child));
    ::kill(static_cast<pid_t>(spawner.processId()), SIGKILL);
    spawner.waitForFinished();
    EXPECT_TRUE(spinUntil([&] { return processEnded(child); }));
    if (!processEnded(child))
        ::kill(child, SIGKILL);
}

TEST(ConsoleRunnerChild, TerminalSignalsToTheProgramDoNotReachTheChild)
{
    // The child has a process group of its own: a Ctrl-C aimed at ours leaves it running.
    RecordingMessageBoxes boxes;
    ConsoleRunner runner(boxes);
    pid_t child = 0;
    pid_t childGroup = -1;
    QObject::connect(&runner, &ConsoleRunner::ReceiveOutputs, [&](QString& chunk) {
        child = chunk.mid(4).trimmed().toInt();
        childGroup = ::getpgid(child);
    });
    runner.ExecuteCommand(helper("sleeper") + QStringLiteral(" 200 tell"));
    ASSERT_GT(child, 0);
    EXPECT_EQ(childGroup, child);
    EXPECT_NE(childGroup, ::getpgid(0));
}

TEST(ConsoleRunnerQuit, AfterTheApplicationQuitsTheRunEndsWithoutSpinning)
{
    RecordingMessageBoxes boxes;
    ConsoleRunner runner(boxes);
    double cpuMs = -1;
    qint64 wallMs = 0;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(100, [] { QCoreApplication::quit(); });
        QElapsedTimer clock;
        clock.start();
        const double before = threadCpuMs();
        runner.ExecuteCommand(coder() + QStringLiteral(" 3 400"));
        cpuMs = threadCpuMs() - before;
        wallMs = clock.elapsed();
    });
    QCoreApplication::exec();  // returns once the run is over: the run kept the quit waiting
    ASSERT_GE(cpuMs, 0);
    EXPECT_EQ(runner.Outputs(), QStringLiteral("piece 1\npiece 2\npiece 3\n"));  // nothing lost
    EXPECT_TRUE(runner.lastExit().exited);
    EXPECT_GE(wallMs, 1000);
    // A loop that spins burns the whole second; waiting on the pipe and the child costs little.
    EXPECT_LT(cpuMs, wallMs * 0.3) << cpuMs << " ms of CPU in " << wallMs << " ms";
}

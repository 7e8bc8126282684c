#pragma once
#include "platform/MessageBoxes.h"
#include "transcode/ChildProcess.h"

#include <QObject>
#include <QString>

// Runs one command line as a child process (no shell; stdout and stderr into one pipe, stdin
// from /dev/null), hands each captured chunk of at most 1024 bytes to ReceiveOutputs while Qt's
// event loop keeps running, and raises CommandOver at the end, all inside ExecuteCommand.
// A run is over when its own child has ended and the pipe holds nothing more: no other process,
// whatever its name, holds a run open. Between polls it waits 50 ms in Qt's event loop; once the
// application is quitting (every event loop then returns at once), it sleeps in poll() on the
// pipe and the child's end instead, so the run never spins. Owns the child of its run; owns no
// window.
class ConsoleRunner : public QObject {
    Q_OBJECT
public:
    explicit ConsoleRunner(MessageBoxes& boxes, QObject* parent = nullptr);
    ~ConsoleRunner() override;

    QString CommandLine() const { return commandLine_; }
    void setCommandLine(const QString& DOSCommand) { commandLine_ = DOSCommand; }
    // All text captured since the last successful start.
    QString Outputs() const { return outputs_; }

    // Runs `commandLine` (or the stored CommandLine when it is empty) to its end and returns
    // Outputs. Shows an error message box and returns an empty text, raising no event and
    // leaving Outputs alone, when the line is empty, the pipe cannot be made or the program
    // cannot be started. A PumpTimerError from the wait propagates out, without CommandOver.
    QString ExecuteCommand(const QString& commandLine);

    // The end of the last run's child (started false when the last call started none).
    RunExit lastExit() const { return lastExit_; }
    // True while ExecuteCommand is running; the runner itself does not refuse a second run.
    bool isRunning() const { return depth_ > 0; }
    // The process id of the running child (the innermost run's), 0 between runs.
    qint64 childPid() const { return run_ ? qint64(run_->child.pid()) : 0; }
    // Stops the running child at once: SIGTERM to it and whatever it started, SIGKILL if it is
    // still there a second later. The run then ends as usual, with lastExit().stopped set.
    // Does nothing between runs.
    void stop();

Q_SIGNALS:
    void ReceiveOutputs(QString& CommandOutputs);
    void CommandOver();

private:
    // One run's child and whether it was asked to stop.
    struct Run {
        ChildProcess child;
        qint64 stopAskedMs = -1;  // when stop() was called, -1 before
    };

    void fail(const QString& text);

    MessageBoxes& boxes_;
    QString commandLine_;
    QString outputs_;
    RunExit lastExit_;
    int depth_ = 0;
    Run* run_ = nullptr;  // the innermost run in progress (it lives in ExecuteCommand)
};

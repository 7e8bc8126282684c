#pragma once
#include "platform/MessageBoxes.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <sys/types.h>
#include <vector>

// How the child of the last run ended, as far as the runner could tell when the run was over.
struct RunExit {
    bool started = false;  // a child process was started
    bool exited = false;   // the child has ended and was reaped
    int exitCode = -1;     // its exit code when it ended normally (signal == 0)
    int signal = 0;        // the signal that ended it, 0 when it exited normally
};

// Runs one command line as a child process (no shell; stdout and stderr into one pipe, stdin
// from /dev/null), hands each captured chunk of at most 1024 bytes to ReceiveOutputs while Qt's
// event loop keeps running, and raises CommandOver at the end, all inside ExecuteCommand.
// A run is over when a read finds the pipe broken or when the pipe is empty and no process named
// "coder" is alive. Owns the children it started until they are reaped; owns no window.
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

    // The end of the last run's child (started false when the last call started none);
    // refreshed if a child that outlived its run is reaped later.
    RunExit lastExit() const { return lastExit_; }
    // True while ExecuteCommand is running; the runner itself does not refuse a second run.
    bool isRunning() const { return depth_ > 0; }

    // The process name whose absence ends a run early; "coder" unless changed.
    QString processName() const { return processName_; }
    void setProcessName(const QString& name) { processName_ = name; }

Q_SIGNALS:
    void ReceiveOutputs(QString& CommandOutputs);
    void CommandOver();

private:
    bool IsProcessRunning(const QString& name) const;
    void fail(const QString& text);
    // Tries to reap `pid` now; records its end in lastExit_ when it belongs to the last run.
    bool tryReap(pid_t pid);
    void reapPending();

    MessageBoxes& boxes_;
    QString commandLine_;
    QString outputs_;
    QString processName_;
    RunExit lastExit_;
    pid_t lastPid_ = 0;
    int depth_ = 0;
    std::vector<pid_t> pending_;  // started children not yet reaped
    QTimer reaper_;
};

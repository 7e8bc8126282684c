#pragma once
#include <QStringList>

#include <sys/types.h>

// How a child ended, as far as its owner could tell.
struct RunExit {
    bool started = false;  // a child process was started
    bool exited = false;   // the child has ended and was reaped
    int exitCode = -1;     // its exit code when it ended normally (signal == 0)
    int signal = 0;        // the signal that ended it, 0 when it exited normally
    bool stopped = false;  // its owner asked it to stop before it ended on its own
};

// One child process and its end. The child runs in a process group of its own (so a Ctrl-C
// in the terminal reaches only this program, which decides what to stop), gets SIGTERM when
// this program's thread that started it dies (also when the program is killed), reads stdin
// from /dev/null, writes stdout and stderr to the given descriptor, inherits no other
// descriptor and starts with default signal handling and an empty signal mask.
// Owns the child until it is reaped; a handle destroyed before that leaves the child running
// and reaps it from a detached thread, so it never stays a zombie.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts args[0] (looked up on PATH when it holds no slash) with args as its argument
    // vector. Returns 0, or the errno of what failed (a failed exec included); then nothing
    // runs. Call once per handle.
    int start(const QStringList& args, int outFd);

    pid_t pid() const { return pid_; }
    // A descriptor that becomes readable when the child ends (Linux pidfd), or -1 where the
    // system has none.
    int endNotifier() const { return pidFd_; }
    // Reaps the child if it has ended. Returns true once it has been reaped.
    bool tryReap();
    bool reaped() const { return exit_.exited; }
    // Sends `sig` to the child's process group (the child and anything it started), unless
    // the child has been reaped already.
    void signalGroup(int sig);
    RunExit exit() const { return exit_; }

private:
    pid_t pid_ = 0;
    int pidFd_ = -1;
    RunExit exit_;
};

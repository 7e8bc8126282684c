#pragma once
#include <stdexcept>
#include <string>

// Raised by clsPumpTimer::Wait when it cannot wait; what() starts with "[clsPumpTimer.Wait]".
class PumpTimerError : public std::runtime_error {
public:
    explicit PumpTimerError(const std::string& description)
        : std::runtime_error("[clsPumpTimer.Wait] " + description) {}
};

// The console runner's sleep: waits while Qt's event loop keeps running, so timers fire,
// windows repaint and input is handled during the wait. Owns nothing between waits.
class clsPumpTimer {
public:
    // Returns after about `MilliSeconds` ms (at once for 0 or less, after handling what is
    // pending), and true. Returns false at once when the event loop cannot wait because the
    // application is quitting: after QCoreApplication::quit() every event loop returns at once,
    // so a caller that waits in a loop must then wait some other way. Throws PumpTimerError
    // when there is no application object to run events.
    bool Wait(int MilliSeconds);
};

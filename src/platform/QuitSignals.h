#pragma once
#include <QObject>

#include <memory>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into the Qt signal quitRequested, delivered by the event
// loop (also the nested loops of a running transcoder or an open message box), so that the
// program can end the way a user's quit ends it. The handlers only write the signal's number
// to a pipe. Owns that pipe and its notifier; installs the handlers on construction and puts
// the previous ones back on destruction. Create at most one per process.
class QuitSignals : public QObject {
    Q_OBJECT
public:
    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;

    // False when the pipe or a handler could not be set up (the signals then keep their
    // previous handling).
    bool isActive() const { return active_; }

Q_SIGNALS:
    // One of the three signals arrived; every arrival is reported.
    void quitRequested(int signalNumber);

private:
    void drain();

    int readFd_ = -1;
    bool active_ = false;
    std::unique_ptr<QSocketNotifier> notifier_;
};

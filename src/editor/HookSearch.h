#pragma once
#include "analysis/HookFinder.h"
#include "analysis/SilenceTrim.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QThread;

// The song analysis of the selection helpers, off the user-interface thread: the hook finder
// over a decoded WAV, or the silence at the ends of a range of it. One run at a time, on a
// worker thread; a run can be cancelled, and its progress and its end are signalled on the
// thread this object lives in. Every finished hook analysis (per file and window length) and
// every file's peak are kept while the object lives, so that asking again answers at once.
// A file is named by a key of the caller's (the same key for the same sound). Owns its worker
// thread and what it keeps.
class HookSearch : public QObject {
    Q_OBJECT
public:
    explicit HookSearch(QObject* parent = nullptr);
    // Cancels a run and waits for its thread.
    ~HookSearch() override;
    HookSearch(const HookSearch&) = delete;
    HookSearch& operator=(const HookSearch&) = delete;

    // The finished analysis of file `key` for windows of lengthMs; null when there is none.
    const analysis::HookAnalysis* cachedHooks(const QString& key, std::int64_t lengthMs) const;
    // The beats (seconds, ascending) of file `key` from any finished analysis; empty when none.
    std::vector<double> cachedBeats(const QString& key) const;

    // Starts the hook finder on `wav`, the sound of file `key`, for windows of lengthMs; it ends
    // with hooksFound or stopped. False, and nothing starts, while another run goes.
    bool startHooks(const QString& key, const QString& wav, std::int64_t lengthMs);
    // Starts trimming the silence of `range` of `wav` (after measuring the file's peak, unless
    // it is known); it ends with trimFound, noSoundFound or stopped. False while a run goes.
    bool startTrim(const QString& key, const QString& wav, analysis::MsRange range);
    bool isRunning() const { return thread_ != nullptr; }
    // Asks the run to stop: it ends with stopped(true) within a few tens of milliseconds.
    // False when no run goes.
    bool cancel();

Q_SIGNALS:
    // The part of the hook finder's work done, 0 to 1, rising.
    void progress(double fraction);
    // The hook finder finished: cachedHooks(key, lengthMs) holds its result.
    void hooksFound(const QString& key, std::int64_t lengthMs);
    // The sound of the asked range lies within [beginMs, endMs] (see analysis::trimSilence).
    void trimFound(const QString& key, std::int64_t beginMs, std::int64_t endMs);
    // The asked range holds no audible sound.
    void noSoundFound(const QString& key);
    // A run ended without a result: it was cancelled, or the WAV could not be read (`why`).
    void stopped(bool cancelled, const QString& why);

private:
    // What a worker hands back to this thread.
    struct Outcome {
        bool cancelled = false;
        QString failure;  // empty unless the WAV could not be read
        std::optional<analysis::HookAnalysis> hooks;
        std::optional<int> peak;
        std::optional<analysis::MsRange> kept;
    };
    struct FileResults {
        std::map<std::int64_t, analysis::HookAnalysis> hooks;  // by window length in ms
        std::optional<int> peak;
    };
    using Job = std::function<Outcome(const std::atomic<bool>& cancel)>;

    // Runs `job` on a new worker thread; `done` gets its outcome on this thread.
    bool start(Job job, std::function<void(Outcome&)> done);
    void finish(Outcome& outcome);

    std::unique_ptr<QThread> thread_;
    std::atomic<bool> cancel_{false};
    std::function<void(Outcome&)> done_;
    QHash<QString, FileResults> cache_;
};

#pragma once
#include "timeline/PeakPyramid.h"
#include "timeline/WaveformPeaks.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

// Computes waveform peaks, or the peak pyramid of every zoom, on worker threads, so the thread
// that owns the loader (the UI thread) never waits for a scan. Owns its worker threads: a newer
// request of either kind cancels the older ones, and destruction cancels and joins them all (a
// cancelled scan stops within one column or one read).
class WaveformLoader : public QObject {
    Q_OBJECT
public:
    explicit WaveformLoader(QObject* parent = nullptr);
    ~WaveformLoader() override;

    // Starts computing the peaks of `wavPath` in `columns` columns. The result of any earlier
    // request is dropped, even if it is already finished but not yet delivered.
    void request(const QString& wavPath, int columns);
    // Starts building the peak pyramid of `wavPath`; the same rules as request().
    void requestPyramid(const QString& wavPath);
    // Drops the current request; nothing is delivered for it.
    void cancel();
    // True from request() until its ready() or cancel().
    bool busy() const { return busy_; }

Q_SIGNALS:
    // Emitted on the loader's thread, once per request that was not superseded or cancelled;
    // the peaks are empty when the file could not be read.
    void ready(const WaveformPeaks& peaks);
    // The same for requestPyramid(); never null, empty when the file could not be read.
    void pyramidReady(std::shared_ptr<const PeakPyramid> pyramid);

private:
    struct Job;
    void start(std::function<void(Job&)> work);
    // Sends the result of `job` to the loader's thread unless the job was cancelled.
    void post(Job& job, std::function<void()> emitResult);
    void deliver(quint64 id, const std::function<void()>& emitResult);
    void cancelAll();
    void reapFinished();

    std::vector<std::unique_ptr<Job>> jobs_;
    quint64 current_ = 0;
    bool busy_ = false;
};

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
    // Starts building the peak pyramid of `wavPath` while another process is still writing it
    // (see followPeakPyramid; the path may be /proc/self/fd/<n> of a descriptor the caller
    // holds until pyramidReady or cancel()). Emits pyramidGrowing with the part scanned so far
    // at most every `updateEveryMs` while the file grows, then pyramidReady with the finished
    // pyramid, equal to requestPyramid()'s on the complete file, once the writer has made the
    // file final. A file whose writer died never becomes final: cancel() the request then.
    // The same rules as request() otherwise.
    void requestGrowingPyramid(const QString& wavPath, int updateEveryMs = 150);
    // Drops the current request; nothing is delivered for it.
    void cancel();
    // True from request() until its ready() or cancel().
    bool busy() const { return busy_; }
    // True while a worker thread, of the current request or of one superseded or cancelled,
    // is still running. Once false, every result those threads will ever post has been posted
    // (and is delivered, or dropped, with the next processing of posted events).
    bool working() const;

Q_SIGNALS:
    // Emitted on the loader's thread, once per request that was not superseded or cancelled;
    // the peaks are empty when the file could not be read.
    void ready(const WaveformPeaks& peaks);
    // The same for requestPyramid(); never null, empty when the file could not be read.
    void pyramidReady(std::shared_ptr<const PeakPyramid> pyramid);
    // The part of a growing file's pyramid scanned so far (requestGrowingPyramid); never null.
    // Its frames() is where the scanned part ends. Only for the current request, before its
    // pyramidReady.
    void pyramidGrowing(std::shared_ptr<const PeakPyramid> partial);

private:
    struct Job;
    void start(std::function<void(Job&)> work);
    // Sends the result of `job` to the loader's thread unless the job was cancelled; an
    // interim result (`last` false) leaves the request running.
    void post(Job& job, std::function<void()> emitResult, bool last = true);
    void deliver(quint64 id, const std::function<void()>& emitResult, bool last);
    void cancelAll();
    void reapFinished();

    std::vector<std::unique_ptr<Job>> jobs_;
    quint64 current_ = 0;
    bool busy_ = false;
};

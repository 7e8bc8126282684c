#include "timeline/WaveformLoader.h"

#include "timeline/GrowingPyramid.h"

#include <QMetaObject>

#include <sys/resource.h>
#include <unistd.h>

namespace {
constexpr int kWorkerNice = 5;
}

struct WaveformLoader::Job {
    quint64 id = 0;
    std::atomic<bool> cancelled{false};
    std::atomic<bool> finished{false};
    std::thread thread;
};

WaveformLoader::WaveformLoader(QObject* parent) : QObject(parent) {}

WaveformLoader::~WaveformLoader()
{
    cancelAll();
    for (auto& job : jobs_)
        job->thread.join();
    // Results already posted die with this object: QObject drops its pending events.
}

void WaveformLoader::request(const QString& wavPath, int columns)
{
    start([this, wavPath, columns](Job& job) {
        WaveformPeaks peaks = computePeaks(wavPath, columns, &job.cancelled);
        post(job, [this, p = std::move(peaks)] { Q_EMIT ready(p); });
    });
}

void WaveformLoader::requestPyramid(const QString& wavPath)
{
    start([this, wavPath](Job& job) {
        auto pyramid = std::make_shared<const PeakPyramid>(buildPeakPyramid(wavPath, &job.cancelled));
        post(job, [this, pyramid] { Q_EMIT pyramidReady(pyramid); });
    });
}

void WaveformLoader::requestGrowingPyramid(const QString& wavPath, int updateEveryMs)
{
    start([this, wavPath, updateEveryMs](Job& job) {
        PyramidFollowPace pace;
        pace.updateEvery = std::chrono::milliseconds(updateEveryMs);
        auto partial = [this, &job](const PeakPyramid& p) {
            auto snapshot = std::make_shared<const PeakPyramid>(p);
            post(job, [this, snapshot] { Q_EMIT pyramidGrowing(snapshot); }, false);
        };
        auto pyramid = std::make_shared<const PeakPyramid>(followPeakPyramid(wavPath, &job.cancelled, partial, pace));
        post(job, [this, pyramid] { Q_EMIT pyramidReady(pyramid); });
    });
}

void WaveformLoader::start(std::function<void(Job&)> work)
{
    cancelAll();
    reapFinished();
    auto job = std::make_unique<Job>();
    job->id = ++current_;
    Job* j = job.get();
    j->thread = std::thread([j, work = std::move(work)] {
        // Yield to the UI thread on a busy machine; the scan's helper thread inherits this.
        ::setpriority(PRIO_PROCESS, id_t(::gettid()), kWorkerNice);
        work(*j);
        j->finished.store(true);
    });
    jobs_.push_back(std::move(job));
    busy_ = true;
}

void WaveformLoader::post(Job& job, std::function<void()> emitResult, bool last)
{
    if (job.cancelled.load())
        return;
    QMetaObject::invokeMethod(
        this, [this, id = job.id, e = std::move(emitResult), last] { deliver(id, e, last); }, Qt::QueuedConnection);
}

bool WaveformLoader::working() const
{
    for (const auto& job : jobs_)
        if (!job->finished.load())
            return true;
    return false;
}

void WaveformLoader::cancel()
{
    cancelAll();
    ++current_;  // whatever is still on its way is no longer current
    busy_ = false;
}

void WaveformLoader::cancelAll()
{
    for (auto& job : jobs_)
        job->cancelled.store(true);
}

void WaveformLoader::reapFinished()
{
    for (auto it = jobs_.begin(); it != jobs_.end();) {
        if ((*it)->finished.load()) {
            (*it)->thread.join();
            it = jobs_.erase(it);
        } else {
            ++it;
        }
    }
}

void WaveformLoader::deliver(quint64 id, const std::function<void()>& emitResult, bool last)
{
    reapFinished();
    if (id != current_ || !busy_)
        return;
    if (last)
        busy_ = false;
    emitResult();
}

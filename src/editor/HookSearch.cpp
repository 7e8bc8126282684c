#include "editor/HookSearch.h"

#include "analysis/AudioSource.h"

#include <QFile>
#include <QThread>

namespace {

// Opens the WAV at `wav` for the analysis; null with `why` set when it cannot be read.
std::unique_ptr<analysis::WavFileSource> openWav(const QString& wav, QString& why)
{
    std::string error;
    std::unique_ptr<analysis::WavFileSource> source =
        analysis::WavFileSource::open(QFile::encodeName(wav).toStdString(), &error);
    if (!source)
        why = QString::fromStdString(error);
    return source;
}

}  // namespace

HookSearch::HookSearch(QObject* parent) : QObject(parent) {}

HookSearch::~HookSearch()
{
    if (thread_) {
        cancel_ = true;
        thread_->wait();
    }
}

const analysis::HookAnalysis* HookSearch::cachedHooks(const QString& key, std::int64_t lengthMs) const
{
    const auto file = cache_.constFind(key);
    if (file == cache_.cend())
        return nullptr;
    const auto found = file->hooks.find(lengthMs);
    return found == file->hooks.end() ? nullptr : &found->second;
}

std::vector<double> HookSearch::cachedBeats(const QString& key) const
{
    const auto file = cache_.constFind(key);
    if (file == cache_.cend() || file->hooks.empty())
        return {};
    return file->hooks.begin()->second.beats;
}

bool HookSearch::start(Job job, std::function<void(Outcome&)> done)
{
    if (thread_)
        return false;
    cancel_ = false;
    done_ = std::move(done);
    thread_.reset(QThread::create([this, job = std::move(job)] {
        auto outcome = std::make_shared<Outcome>(job(cancel_));
        QMetaObject::invokeMethod(this, [this, outcome] { finish(*outcome); }, Qt::QueuedConnection);
    }));
    thread_->start(QThread::LowPriority);
    return true;
}

void HookSearch::finish(Outcome& outcome)
{
    thread_->wait();
    thread_.reset();
    const std::function<void(Outcome&)> done = std::move(done_);
    done_ = nullptr;
    if (outcome.cancelled)
        Q_EMIT stopped(true, QString());
    else if (!outcome.failure.isEmpty())
        Q_EMIT stopped(false, outcome.failure);
    else
        done(outcome);
}

bool HookSearch::cancel()
{
    if (!thread_)
        return false;
    cancel_ = true;
    return true;
}

bool HookSearch::startHooks(const QString& key, const QString& wav, std::int64_t lengthMs)
{
    Job job = [this, wav, lengthMs](const std::atomic<bool>& cancel) {
        Outcome out;
        std::unique_ptr<analysis::WavFileSource> source = openWav(wav, out.failure);
        if (!source)
            return out;
        // Progress goes to this object's thread; it arrives before the outcome.
        analysis::HookAnalysis result =
            analysis::findHooks(*source, double(lengthMs) / 1000.0, &cancel, [this](double fraction) {
                QMetaObject::invokeMethod(this, [this, fraction] { Q_EMIT progress(fraction); }, Qt::QueuedConnection);
            });
        switch (result.status) {
        case analysis::HookAnalysis::Status::Cancelled: out.cancelled = true; break;
        case analysis::HookAnalysis::Status::ReadFailed: out.failure = tr("the decoded sound could not be read"); break;
        case analysis::HookAnalysis::Status::Done:
            out.peak = result.peak;
            out.hooks = std::move(result);
            break;
        }
        return out;
    };
    return start(std::move(job), [this, key, lengthMs](Outcome& out) {
        FileResults& file = cache_[key];
        file.peak = out.peak;
        file.hooks[lengthMs] = std::move(*out.hooks);
        Q_EMIT hooksFound(key, lengthMs);
    });
}

bool HookSearch::startTrim(const QString& key, const QString& wav, analysis::MsRange range)
{
    const auto known = cache_.constFind(key);
    const std::optional<int> knownPeak = known == cache_.cend() ? std::nullopt : known->peak;
    Job job = [wav, range, knownPeak](const std::atomic<bool>& cancel) {
        Outcome out;
        std::unique_ptr<analysis::WavFileSource> source = openWav(wav, out.failure);
        if (!source)
            return out;
        out.peak = knownPeak ? knownPeak : analysis::filePeak(*source, &cancel);
        if (!out.peak) {
            out.cancelled = cancel.load();
            if (!out.cancelled)
                out.failure = tr("the decoded sound could not be read");
            return out;
        }
        out.kept = analysis::trimSilence(*source, range, *out.peak);
        return out;
    };
    return start(std::move(job), [this, key](Outcome& out) {
        cache_[key].peak = out.peak;
        if (out.kept)
            Q_EMIT trimFound(key, out.kept->beginMs, out.kept->endMs);
        else
            Q_EMIT noSoundFound(key);
    });
}

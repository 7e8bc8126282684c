#include "editor/SelectionHelpers.h"

#include "analysis/HookFinder.h"
#include "editor/HookSearch.h"
#include "timeline/EditorModel.h"
#include "timeline/TimeText.h"

#include <QDateTime>
#include <QFileInfo>

#include <cmath>

namespace {

// "H:MM:SS.mmm" for a time in whole milliseconds.
QString formatMs(std::int64_t ms)
{
    ms = std::max<std::int64_t>(ms, 0);
    return formatTime(std::int32_t(ms / 1000)) + QStringLiteral(".%1").arg(int(ms % 1000), 3, 10, QLatin1Char('0'));
}

// The key of a file's results: its name, size and modification time, so that a file changed
// on disk is analysed again.
QString fileKey(const QString& name)
{
    const QFileInfo info(name);
    return name + QLatin1Char('\n') + QString::number(info.size()) + QLatin1Char('\n') +
           QString::number(info.lastModified().toMSecsSinceEpoch());
}

}  // namespace

SelectionHelpers::SelectionHelpers(EditorModel& model, QObject* parent)
    : QObject(parent), model_(model), search_(new HookSearch(this))
{
    connect(search_, &HookSearch::progress, this, &SelectionHelpers::progress);
    connect(search_, &HookSearch::hooksFound, this, &SelectionHelpers::hooksFound);
    connect(search_, &HookSearch::trimFound, this, &SelectionHelpers::trimFound);
    connect(search_, &HookSearch::noSoundFound, this, &SelectionHelpers::noSoundFound);
    connect(search_, &HookSearch::stopped, this, &SelectionHelpers::stopped);
}

void SelectionHelpers::setFile(const QString& name, const QString& wav)
{
    clearFile();
    key_ = fileKey(name);
    wav_ = wav;
    const std::vector<double> beats = search_->cachedBeats(key_);
    if (!beats.empty())
        Q_EMIT beatsChanged(beats);
}

void SelectionHelpers::clearFile()
{
    search_->cancel();
    pending_ = Pending::None;
    proposals_.clear();
    shown_ = -1;
    const bool hadFile = !key_.isEmpty();
    key_.clear();
    wav_.clear();
    if (hadFile)
        Q_EMIT beatsChanged({});
}

std::int64_t SelectionHelpers::hookLengthMs() const
{
    const Selection& s = model_.selection();
    const double selected =
        s.beginShown || s.endShown ? model_.markerTime(Boundary::End) - model_.markerTime(Boundary::Begin) : 0.0;
    return std::llround(analysis::hookLength(selected, model_.duration()) * 1000.0);
}

bool SelectionHelpers::tellWhenRunning()
{
    if (!search_->isRunning())
        return false;
    Q_EMIT hint(tr("The song is still being analysed (Esc stops)."));
    return true;
}

bool SelectionHelpers::readyToAnalyse()
{
    // A file still being decoded is not offered: the session waits for its decode's end.
    if (key_.isEmpty() || model_.duration() <= 0)
        return false;
    return !tellWhenRunning();
}

// ---- Finding the hook ----

void SelectionHelpers::findHook()
{
    if (!readyToAnalyse())
        return;
    if (shown_ >= 0 && !proposals_.empty() && model_.selection() == shownSelection_) {
        showProposal((shown_ + 1) % int(proposals_.size()));
        return;
    }
    const std::int64_t lengthMs = hookLengthMs();
    if (const analysis::HookAnalysis* known = search_->cachedHooks(key_, lengthMs)) {
        proposals_ = known->proposals;
        showProposal(0);
        return;
    }
    if (!search_->startHooks(key_, wav_, lengthMs))
        return;
    pending_ = Pending::Hooks;
    pendingLengthMs_ = lengthMs;
    progress(0);
}

void SelectionHelpers::progress(double fraction)
{
    if (pending_ == Pending::Hooks)
        Q_EMIT hint(tr("Finding the hook: %1 % (Esc stops)").arg(int(std::floor(fraction * 100))));
}

void SelectionHelpers::hooksFound(const QString& key, std::int64_t lengthMs)
{
    if (pending_ != Pending::Hooks || key != key_ || lengthMs != pendingLengthMs_)
        return;
    pending_ = Pending::None;
    const analysis::HookAnalysis* found = search_->cachedHooks(key, lengthMs);
    Q_EMIT beatsChanged(found->beats);
    proposals_ = found->proposals;
    showProposal(0);
}

void SelectionHelpers::showProposal(int index)
{
    shown_ = -1;
    if (index < 0 || index >= int(proposals_.size())) {
        Q_EMIT hint(tr("No hook was found in this sound."));
        return;
    }
    const analysis::HookProposal& p = proposals_[size_t(index)];
    model_.applyComputedRange(p.begin(), p.end());
    const TimelineView& view = model_.view();
    if (p.begin() < view.start || p.end() > view.end())
        model_.zoomToSelection();
    shown_ = index;
    shownSelection_ = model_.selection();
    Q_EMIT hint(tr("Hook %1 of %2, score %3, at %4. H: the next one")
                    .arg(index + 1)
                    .arg(int(proposals_.size()))
                    .arg(int(std::lround(p.score * 100)))
                    .arg(formatMs(p.beginMs)));
    Q_EMIT proposalShown(index);
}

// ---- Trimming silence ----

void SelectionHelpers::trimSilence()
{
    if (!readyToAnalyse())
        return;
    const analysis::MsRange range{std::llround(model_.markerTime(Boundary::Begin) * 1000.0),
                                  std::llround(model_.markerTime(Boundary::End) * 1000.0)};
    if (!search_->startTrim(key_, wav_, range))
        return;
    pending_ = Pending::Trim;
    trimFrom_ = model_.selection();
    Q_EMIT hint(tr("Looking for silence (Esc stops)."));
}

void SelectionHelpers::trimFound(const QString& key, std::int64_t beginMs, std::int64_t endMs)
{
    if (pending_ != Pending::Trim || key != key_)
        return;
    pending_ = Pending::None;
    if (!(model_.selection() == trimFrom_)) {
        Q_EMIT hint(tr("The selection changed meanwhile: press T again."));
        return;
    }
    model_.applyComputedRange(double(beginMs) / 1000.0, double(endMs) / 1000.0);
    if (model_.selection() == trimFrom_)
        Q_EMIT hint(tr("Nothing to trim: sound from %1 to %2.")
                        .arg(formatMs(beginMs), formatMs(endMs)));
    else
        Q_EMIT hint(tr("Trimmed to the sound: %1 to %2.").arg(formatMs(beginMs), formatMs(endMs)));
    Q_EMIT trimmed(beginMs, endMs);
}

void SelectionHelpers::noSoundFound(const QString& key)
{
    if (pending_ != Pending::Trim || key != key_)
        return;
    pending_ = Pending::None;
    Q_EMIT hint(tr("No audible sound in the selection: nothing was trimmed."));
}

// ---- Stopping ----

bool SelectionHelpers::cancel()
{
    return pending_ != Pending::None && search_->cancel();
}

void SelectionHelpers::stopped(bool cancelled, const QString& why)
{
    const Pending was = pending_;
    pending_ = Pending::None;
    if (was == Pending::None)
        return;
    if (cancelled)
        Q_EMIT hint(was == Pending::Hooks ? tr("The hook search was stopped.") : tr("Trimming was stopped."));
    else
        Q_EMIT hint(tr("The sound could not be analysed: %1.").arg(why));
}

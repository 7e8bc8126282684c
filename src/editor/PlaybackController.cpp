#include "editor/PlaybackController.h"

#include "platform/MediaDevice.h"
#include "platform/ShortPath.h"
#include "timeline/EditorModel.h"
#include "editor/EditorState.h"
#include "timeline/SelectionLabels.h"
#include "timeline/TimeText.h"

#include <QFile>
#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace {
QString openFailureText(int code)
{
    switch (code) {
    case MediaError::Hardware:
        return QCoreApplication::translate("PlaybackController", "Cannot play the sound: no audio output could be opened. Another program may be using it.");
    case MediaError::FileNotFound:
        return QCoreApplication::translate("PlaybackController", "Cannot play the sound: its decoded copy is missing. Open the file again.");
    case MediaError::InvalidFile:
        return QCoreApplication::translate("PlaybackController", "Cannot play the sound: its decoded copy is damaged. Open the file again.");
    default:
        break;
    }
    return QCoreApplication::translate("PlaybackController", "Cannot play the sound (media error %1).").arg(code);
}
}  // namespace

PlaybackController::PlaybackController(EditorState& state, EditorModel& model, MediaDevice& media, LabelSink& labels,
                                       QString tempWav, std::function<void()> processEvents,
                                       std::function<void(const QString&)> reportFailure)
    : state_(state), model_(model), media_(media), labels_(labels), tempWav_(std::move(tempWav)),
      processEvents_(std::move(processEvents)), reportFailure_(std::move(reportFailure))
{
}

int PlaybackController::send(const QString& command, int replyCapacity)
{
    return media_.send(command, replyCapacity).code;
}

double PlaybackController::replyNumber(const QString& command)
{
    return leadingNumber(media_.send(command, 128).reply);
}

void PlaybackController::setPlaying(bool playing)
{
    model_.setPlaying(playing);
}

bool PlaybackController::isPlaying() const
{
    return model_.isPlaying();
}

void PlaybackController::stopAndClose()
{
    rangeEnd_.reset();
    setPlaying(false);
    send(QStringLiteral("stop sound"));
    send(QStringLiteral("close sound"));
    if (processEvents_)
        processEvents_();
}

void PlaybackController::releaseForSave()
{
    // Set first: a poll run by stopAndClose's event processing must leave the playhead alone.
    if (isSet(state_.playPaused))
        cued_ = true;
    stopAndClose();
}

void PlaybackController::followGrowingSound(const QString& path)
{
    growingPath_ = path;
}

bool PlaybackController::soundExists() const
{
    return !growingPath_.isEmpty() || QFile::exists(tempWav_);
}

int PlaybackController::openSound()
{
    growingSoundOpen_ = !growingPath_.isEmpty();
    if (growingSoundOpen_)
        return send(QStringLiteral("open ") + growingPath_ + QStringLiteral(" alias sound growing"));
    return send(QStringLiteral("open ") + shortPathOf(tempWav_) + QStringLiteral(" alias sound"));
}

bool PlaybackController::openTempWav()
{
    selectionSoundOpen_ = false;
    closeCompletionSound();
    const int code = openSound();
    if (code == MediaError::Ok) {
        failureReported_ = false;
        cued_ = false;
        return true;
    }
    labels_.setText(TimeLabel::Time, formatTime(0));
    if (!failureReported_ && reportFailure_) {
        failureReported_ = true;
        reportFailure_(openFailureText(code));
    }
    return false;
}

std::int32_t PlaybackController::learnDuration()
{
    if (!QFile::exists(tempWav_))
        return model_.duration();
    if (growingSoundOpen_) {
        // Still open from the file the decode wrote, which is that WAV now: ask it as it plays.
        const MediaResult open = media_.send(QStringLiteral("status sound length"), 128);
        if (open.ok() && leadingNumber(open.reply) > 0) {
            model_.setLengthMs(Millis(std::floor(leadingNumber(open.reply))));
            return model_.duration();
        }
    }
    // Quietly: a missing audio output is told when the user plays, not after every open.
    closeCompletionSound();
    if (send(QStringLiteral("open ") + shortPathOf(tempWav_) + QStringLiteral(" alias sound")) != MediaError::Ok)
        return model_.duration();
    const auto length = static_cast<float>(replyNumber(QStringLiteral("status sound length")));
    send(QStringLiteral("close sound"));
    if (length > 0)
        model_.setLengthMs(Millis(std::floor(length)));
    return model_.duration();
}

void PlaybackController::playCompletionSound(const QString& path)
{
    closeCompletionSound();
    chimeOpen_ = send(QStringLiteral("open ") + shortPathOf(path) + QStringLiteral(" alias chime")) == MediaError::Ok;
    if (chimeOpen_)
        send(QStringLiteral("play chime"));
}

void PlaybackController::closeCompletionSound()
{
    if (!chimeOpen_)
        return;
    send(QStringLiteral("close chime"));
    chimeOpen_ = false;
}

void PlaybackController::playFromMs(std::int64_t ms)
{
    send(QStringLiteral("play sound from ") + QString::number(ms), 0);
    // Where it plays now, before the next poll says so (and before the view follows it).
    if (ms >= 0 && ms <= model_.lengthMs())
        model_.setPlayhead(secondsOf(ms));
}

void PlaybackController::seekToMs(std::int64_t ms)
{
    // Past the part decoded so far: from its last part, playing on as more arrives.
    if (model_.decodedEnd())
        ms = std::min(ms, model_.editableEndMs());
    seekTarget_ = ms;
    if (seeking_)
        return;  // asked again while the device is reopened: the seek under way goes there
    // A poll while the device is reopened must not park the playhead at the start meanwhile.
    cued_ = true;
    seeking_ = true;
    stopAndClose();
    seeking_ = false;
    if (!openTempWav()) {
        cued_ = false;
        return;
    }
    playFromMs(seekTarget_);
    setPlaying(true);
}

void PlaybackController::showTime(double seconds)
{
    // In the sound's last fraction of a second the whole seconds stop at the duration.
    labels_.setText(TimeLabel::Time, formatTime(std::min(wholeSeconds(seconds), model_.duration())));
}

void PlaybackController::cuePlayhead()
{
    if (seeking_)
        seekTarget_ = model_.playheadMs();  // a key moved it while the device is reopened
    cued_ = true;
    showTime(model_.playhead());
}

namespace {
// Marks a start under way for as long as it runs.
class StartGuard {
public:
    explicit StartGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~StartGuard() { flag_ = false; }
    StartGuard(const StartGuard&) = delete;
    StartGuard& operator=(const StartGuard&) = delete;

private:
    bool& flag_;
};
}  // namespace

void PlaybackController::play()
{
    // Pressed again while a start processes the window's events (key repeat, quick clicks):
    // the start under way does what was asked, and a second open of the device would fail.
    if (starting_)
        return;
    const StartGuard guard(starting_);
    if (cued_) {
        // Put there by a key, or paused when a save closed the device: play on from the playhead.
        const std::int64_t at = model_.playheadMs();
        stopAndClose();
        if (soundExists() && openTempWav()) {
            playFromMs(at);
            setPlaying(true);
        }
        return;
    }
    if (isSet(state_.playPaused)) {
        send(QStringLiteral("resume sound"));
        setPlaying(true);
        return;
    }
    stop();
    stopAndClose();
    if (!soundExists())
        return;
    if (openTempWav()) {
        send(QStringLiteral("play sound"));
        model_.setPlayhead(0);
        setPlaying(true);
    }
}

void PlaybackController::stop()
{
    state_.playingSelection = kFalse;
    cued_ = false;
    stopAndClose();
    state_.playPaused = kFalse;
    labels_.setText(TimeLabel::Time, formatTime(0));
    state_.playFraction = 0;
}

void PlaybackController::pause()
{
    state_.playPaused = kTrue;
    setPlaying(false);
    send(QStringLiteral("pause sound"));
}

void PlaybackController::setBeginAtPlayhead()
{
    model_.setBeginAtPlayhead();
}

void PlaybackController::setEndAtPlayhead()
{
    model_.setEndAtPlayhead();
}

void PlaybackController::playSelection()
{
    const Selection& sel = model_.selection();
    if (sel.beginMs == 0 && sel.endMs == 0)
        return;
    // Pressed again while this start runs: it plays the selection from its begin anyway.
    if (starting_)
        return;
    const StartGuard guard(starting_);
    stopAndClose();
    if (!soundExists())
        return;
    const std::optional<QString> sound =
        selectionSound_ ? selectionSound_(sel.beginMs, sel.endMs) : std::optional<QString>(QString());
    if (!sound)
        return;
    if (!sound->isEmpty()) {
        if (openSelectionSound(*sound)) {
            send(QStringLiteral("play sound"));
            model_.setPlayhead(secondsOf(sel.beginMs));
            setPlaying(true);
        }
        return;
    }
    if (!openTempWav())
        return;
    state_.playingSelection = kTrue;
    playFromMs(model_.selection().beginMs);
    setPlaying(true);
}

bool PlaybackController::playRange(std::int64_t fromMs, std::int64_t toMs)
{
    if (starting_ || toMs <= fromMs)
        return false;
    const StartGuard guard(starting_);
    state_.playingSelection = kFalse;
    state_.playPaused = kFalse;
    stopAndClose();
    if (!soundExists() || !openTempWav())
        return false;
    playFromMs(fromMs);
    setPlaying(true);
    rangeEnd_ = toMs;
    return true;
}

void PlaybackController::setSelectionSound(SelectionSoundSource source) { selectionSound_ = std::move(source); }

bool PlaybackController::openSelectionSound(const QString& path)
{
    // Opened under "sound" like the decoded sound, so that Stop, Pause, a seek and a save close
    // it as they close that.
    closeCompletionSound();
    const int code = send(QStringLiteral("open ") + shortPathOf(path) + QStringLiteral(" alias sound"));
    if (code != MediaError::Ok) {
        labels_.setText(TimeLabel::Time, formatTime(0));
        if (!failureReported_ && reportFailure_) {
            failureReported_ = true;
            reportFailure_(openFailureText(code));
        }
        return false;
    }
    failureReported_ = false;
    selectionSoundOpen_ = true;
    selectionSoundBegin_ = model_.selection().beginMs;
    cued_ = false;
    state_.playingSelection = kTrue;
    return true;
}

void PlaybackController::pollSelectionSound(double lengthMs)
{
    // The WAV holds the selection alone: its position is counted from the selection's begin,
    // and the file's duration stays that of the decoded sound.
    const double position = replyNumber(QStringLiteral("status sound position"));
    const double at = std::min(secondsOf(selectionSoundBegin_) + position / 1000.0, model_.soundEnd());
    if (model_.soundEnd() > 0)
        state_.playFraction = static_cast<float>(at / model_.soundEnd());
    model_.setPlayhead(at);
    showTime(at);
    if (position < lengthMs)
        return;
    if (looping_) {
        send(QStringLiteral("play sound from 0"), 0);  // once more from the selection's begin
        model_.setPlayhead(secondsOf(selectionSoundBegin_));
        return;
    }
    endSelectionPlayback();
}

void PlaybackController::pollGrowingSound(double lengthMs)
{
    // The device's length is the part decoded so far (the session keeps the model's decoded end
    // from the file itself); the duration is the transcoder's.
    if (lengthMs <= 0 || cued_)
        return;
    const double position = replyNumber(QStringLiteral("status sound position"));
    const double at = std::min(position / 1000.0, double(model_.duration()));
    if (model_.duration() > 0)
        state_.playFraction = static_cast<float>(at / model_.duration());
    model_.setPlayhead(at);
    showTime(at);
}

void PlaybackController::endSelectionPlayback()
{
    stopAndClose();
    selectionSoundOpen_ = false;
    state_.playPaused = kFalse;
    labels_.setText(TimeLabel::Time, formatTime(0));
    state_.playingSelection = kFalse;
}

void PlaybackController::parkPlayhead()
{
    model_.setPlayhead(0);
}

void PlaybackController::poll()
{
    if (chimeOpen_ && media_.send(QStringLiteral("status chime mode"), 128).reply != QLatin1String("playing"))
        closeCompletionSound();
    const double length = replyNumber(QStringLiteral("status sound length"));
    if (length > 0 && selectionSoundOpen_) {
        pollSelectionSound(length);
        return;
    }
    selectionSoundOpen_ = false;  // closed meanwhile (Stop, a seek, a save)
    if (length > 0 && growingSoundOpen_ && !growingPath_.isEmpty()) {
        pollGrowingSound(length);
        return;
    }
    if (length == 0) {
        if (!cued_)
            parkPlayhead();  // a cued playhead stays where it was put until Play
        return;
    }
    const auto lengthF = static_cast<float>(length);
    model_.setLengthMs(Millis(std::floor(length)));
    const double position = replyNumber(QStringLiteral("status sound position"));
    state_.playFraction = static_cast<float>(position) / lengthF;
    if (cued_)
        return;  // paused and moved by the keyboard: the playhead shows where Play starts

    // The playhead stands where the sound plays. (The whole-second duration times the played
    // fraction would run up to a second early on a file whose length has a fraction: a marker set
    // while playing would miss what was heard, and a selection would play on past its end.)
    const double at = std::clamp(position / 1000.0, 0.0, double(lengthF) / 1000.0);
    model_.setPlayhead(at);
    showTime(at);

    if (rangeEnd_ && at * 1000 >= double(*rangeEnd_)) {
        endSelectionPlayback();  // an edge heard to its end
        return;
    }
    const Selection& sel = model_.selection();
    if (at * 1000 >= double(sel.endMs) && sel.endMs != 0 && isSet(state_.playingSelection)) {
        if (looping_ && sel.endMs > sel.beginMs) {
            playFromMs(sel.beginMs);  // once more from the begin
            return;
        }
        endSelectionPlayback();
    }
}

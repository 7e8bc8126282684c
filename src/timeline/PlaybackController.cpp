#include "timeline/PlaybackController.h"

#include "platform/MediaDevice.h"
#include "platform/ShortPath.h"
#include "timeline/EditorState.h"
#include "timeline/SelectionLabels.h"
#include "timeline/TimeText.h"
#include "timeline/TimelineBoard.h"

#include <QFile>
#include <algorithm>
#include <cmath>

namespace {
QString openFailureText(int code)
{
    switch (code) {
    case MediaError::Hardware:
        return QStringLiteral("Cannot play the sound: no audio output could be opened. Another program may be using it.");
    case MediaError::FileNotFound:
        return QStringLiteral("Cannot play the sound: its decoded copy is missing. Open the file again.");
    case MediaError::InvalidFile:
        return QStringLiteral("Cannot play the sound: its decoded copy is damaged. Open the file again.");
    default:
        break;
    }
    return QStringLiteral("Cannot play the sound (media error %1).").arg(code);
}
}  // namespace

PlaybackController::PlaybackController(EditorState& state, MediaDevice& media, TimelineBoard& board,
                                       LabelSink& labels, QString tempWav, std::function<void()> processEvents,
                                       std::function<void(const QString&)> reportFailure)
    : state_(state), media_(media), board_(board), labels_(labels), tempWav_(std::move(tempWav)),
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

void PlaybackController::stopAndClose()
{
    send(QStringLiteral("stop sound"));
    send(QStringLiteral("close sound"));
    if (processEvents_)
        processEvents_();
}

void PlaybackController::releaseForSave()
{
    // Set first: a poll run by stopAndClose's event processing must leave the playhead alone.
    if (isSet(state_.playPaused))
        playOnFromPlayhead_ = true;
    stopAndClose();
}

bool PlaybackController::openTempWav()
{
    selectionSoundOpen_ = false;
    closeCompletionSound();
    const int code = send(QStringLiteral("open ") + shortPathOf(tempWav_) + QStringLiteral(" alias sound"));
    if (code == MediaError::Ok) {
        failureReported_ = false;
        playOnFromPlayhead_ = false;
        return true;
    }
    labels_.setText(TimeLabel::Time, formatTime(0));
    if (!failureReported_ && reportFailure_) {
        failureReported_ = true;
        reportFailure_(openFailureText(code));
    }
    return false;
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

std::int32_t PlaybackController::playheadSeconds() const
{
    return static_cast<std::int32_t>(roundHalfEven(state_.fullSeconds() * state_.playFraction));
}

void PlaybackController::playFrom(std::int32_t seconds)
{
    const qint64 ms = static_cast<qint64>(seconds) * 1000;
    send(QStringLiteral("play sound from ") + QString::number(ms), 0);
}

void PlaybackController::play()
{
    if (isSet(state_.playPaused) && playOnFromPlayhead_) {
        // Paused, then a save closed the device: play on from where the pause left off.
        const std::int32_t at = playheadSeconds();
        stopAndClose();
        if (QFile::exists(tempWav_) && openTempWav())
            playFrom(at);
        return;
    }
    if (isSet(state_.playPaused)) {
        send(QStringLiteral("resume sound"));
        return;
    }
    stop();
    stopAndClose();
    if (!QFile::exists(tempWav_))
        return;
    if (openTempWav())
        send(QStringLiteral("play sound"));
}

void PlaybackController::stop()
{
    state_.playingSelection = kFalse;
    playOnFromPlayhead_ = false;
    stopAndClose();
    state_.playPaused = kFalse;
    labels_.setText(TimeLabel::Time, formatTime(0));
    state_.playFraction = 0;
}

void PlaybackController::pause()
{
    state_.playPaused = kTrue;
    send(QStringLiteral("pause sound"));
}

void PlaybackController::placeMarker(bool begin)
{
    const TimelinePic bottom = begin ? TimelinePic::SelectBottom1 : TimelinePic::SelectBottom2;
    const TimelinePic line = begin ? TimelinePic::SelectLine1 : TimelinePic::SelectLine2;
    const TimelinePic top = begin ? TimelinePic::SelectTop1 : TimelinePic::SelectTop2;
    board_.setLeft(bottom, board_.left(TimelinePic::BottomPoint));
    board_.setVisible(bottom, true);
    board_.setLeft(line, board_.left(TimelinePic::Line));
    board_.setVisible(line, true);
    board_.setLeft(top, board_.left(TimelinePic::TopPoint));
    board_.setVisible(top, true);
}

void PlaybackController::setBeginAtPlayhead()
{
    const std::int32_t t = playheadSeconds();
    if (t >= state_.selEndSeconds && state_.selEndSeconds > 0)
        return;
    state_.selBeginSeconds = t;
    placeMarker(true);
    writeBeginLabels(labels_, state_.selBeginSeconds, state_.selEndSeconds);
}

void PlaybackController::setEndAtPlayhead()
{
    const std::int32_t t = playheadSeconds();
    if (t < state_.selBeginSeconds)
        return;
    state_.selEndSeconds = t;
    placeMarker(false);
    writeEndLabels(labels_, state_.selBeginSeconds, state_.selEndSeconds);
}

void PlaybackController::setSelectionSound(SelectionSoundSource source) { selectionSound_ = std::move(source); }

void PlaybackController::playSelection()
{
    if (state_.selBeginSeconds == 0 && state_.selEndSeconds == 0)
        return;
    stopAndClose();
    if (!QFile::exists(tempWav_))
        return;
    const std::optional<QString> sound =
        selectionSound_ ? selectionSound_(state_.selBeginSeconds, state_.selEndSeconds) : std::optional<QString>(QString());
    if (!sound)
        return;
    if (!sound->isEmpty()) {
        if (openSelectionSound(*sound))
            send(QStringLiteral("play sound"));
        return;
    }
    if (!openTempWav())
        return;
    state_.playingSelection = kTrue;
    playFrom(state_.selBeginSeconds);
}

bool PlaybackController::openSelectionSound(const QString& path)
{
    // Opened under "sound" like the decoded sound, so that Stop, Pause, a seek and a save close
    // it as they close that.
    closeCompletionSound();
    const int code = send(QStringLiteral("open ") + shortPathOf(path) + QStringLiteral(" alias sound"));
    if (code != MediaError::Ok) {
        labels_.setText(TimeLabel::Time, formatTime(0));
        if (reportFailure_)
            reportFailure_(openFailureText(code));
        return false;
    }
    selectionSoundOpen_ = true;
    selectionSoundBegin_ = state_.selBeginSeconds;
    playOnFromPlayhead_ = false;
    state_.playingSelection = kTrue;
    return true;
}

void PlaybackController::pollSelectionSound(double lengthMs)
{
    // The WAV holds the selection alone: its position is counted from the selection's begin,
    // and the file's duration stays that of the decoded sound.
    const double position = replyNumber(QStringLiteral("status sound position"));
    const double at = selectionSoundBegin_ + position / 1000.0;
    const double full = state_.fullSeconds();
    if (full > 0) {
        state_.playFraction = static_cast<float>(std::min(at / full, 1.0));
        placePlayhead(state_.playFraction);
    }
    labels_.setText(TimeLabel::Time, formatTime(static_cast<std::int32_t>(roundHalfEven(at))));
    if (position >= lengthMs) {
        stopAndClose();
        selectionSoundOpen_ = false;
        state_.playPaused = kFalse;
        labels_.setText(TimeLabel::Time, formatTime(0));
        state_.playingSelection = kFalse;
    }
}

void PlaybackController::placePlayhead(double fraction)
{
    const double x = kTrackWidth * fraction;
    board_.setLeft(TimelinePic::TopPoint, x);
    board_.setLeft(TimelinePic::BottomPoint, x);
    board_.setLeft(TimelinePic::Line, x + kLineOffset);
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
    if (length == 0 && playOnFromPlayhead_)
        return;  // the playhead stays where the pause left it until Play
    if (length == 0) {
        board_.setLeft(TimelinePic::TopPoint, 0);
        board_.setLeft(TimelinePic::BottomPoint, 0);
        board_.setLeft(TimelinePic::Line, kLineOffset);
        return;
    }
    const auto lengthF = static_cast<float>(length);
    state_.txtFullTime = QString::number(static_cast<qint64>(std::floor(lengthF / 1000.0)));
    const double position = replyNumber(QStringLiteral("status sound position"));
    state_.playFraction = static_cast<float>(position) / lengthF;

    placePlayhead(state_.playFraction);

    const double at = state_.fullSeconds() * state_.playFraction;
    labels_.setText(TimeLabel::Time, formatTime(static_cast<std::int32_t>(roundHalfEven(at))));

    if (at >= state_.selEndSeconds && state_.selEndSeconds != 0 && isSet(state_.playingSelection)) {
        stopAndClose();
        state_.playPaused = kFalse;
        labels_.setText(TimeLabel::Time, formatTime(0));
        state_.playingSelection = kFalse;
    }
}

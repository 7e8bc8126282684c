// The session while a decode runs: the part of the sound already written is
// opened as it grows, so the file can be heard, seen and marked before its
// decode ends.
//
// The transcoder writes its WAV with placeholder sizes in the header and fills
// them in at the end. The session never trusts those sizes while the transcoder
// runs: it finds the file the transcoder has open for writing in the private
// folder (by its descriptors, so a renamed or unnamed file is the same file),
// holds it open, and reads it as a growing WAV that counts only the whole
// frames present. The player and the waveform read the same file through its
// /proc path in the same way; neither calls the file final before the
// transcoder has written the final sizes.
#include "editor/EditorSession.h"
#include "editor/PlaybackController.h"
#include "platform/ChildOutput.h"
#include "platform/WavFile.h"
#include "timeline/SelectionLabels.h"
#include "transcode/ConsoleRunner.h"

void EditorSession::followDecode()
{
    if (following_ || shuttingDown_ || state_.sourceDurationSeconds <= 0 || !spaceChecked_ || !spaceShortage_.isEmpty()
        || !objDOS_->isRunning())
        return;
    if (!decodeTarget_) {
        std::optional<ChildOutput> target = findChildOutput(objDOS_->childPid(), paths_.tempDir);
        if (!target)
            return;  // not created yet: the next output looks again
        decodeTarget_ = std::make_unique<ChildOutput>(std::move(*target));
    }
    growingWav_ = WavFile::openGrowing(decodeTarget_->procPath());
    if (!growingWav_)
        return;  // its header is not complete yet
    following_ = true;
    model_.setDuration(state_.sourceDurationSeconds);
    playback_->followGrowingSound(decodeTarget_->procPath());
    updateDecodedEnd();
    Q_EMIT decodeProgressShown(false);
    Q_EMIT timelineShown(true);
    setBusy(false);
    Q_EMIT decodingChanged(true, decodeTarget_->procPath());
}

void EditorSession::updateDecodedEnd()
{
    if (!following_ || !growingWav_)
        return;
    growingWav_->refresh();
    model_.setDecodedEnd(double(growingWav_->format().lengthMs()) / 1000.0);
}

void EditorSession::stopFollowing(bool keepSound)
{
    growingWav_.reset();
    if (!following_) {
        if (!keepSound)
            decodeTarget_.reset();
        return;
    }
    following_ = false;
    playback_->followGrowingSound(QString());
    if (keepSound) {
        // The file written is the decoded WAV now: a sound playing from it plays on. The file
        // stays held until it is closed: the waveform may still be opening it.
        model_.setDecodedEnd(std::nullopt);
        Q_EMIT decodingChanged(false, QString());
        return;
    }
    forgetSound();  // stops and closes the sound
    Q_EMIT decodingChanged(false, QString());
    Q_EMIT fileClosed();  // the waveform stops reading it
    decodeTarget_.reset();
}

bool EditorSession::waitsForDecode(const QString& why)
{
    if (!following_)
        return false;
    Q_EMIT hint(why);
    return true;
}

void EditorSession::forgetSound()
{
    setLooping(false);
    playback_->stop();
    model_.setDuration(0);
    model_.reset();
    clearTimeLabels(labels_);
}

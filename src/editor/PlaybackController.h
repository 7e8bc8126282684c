#pragma once
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

struct EditorState;
class EditorModel;
class LabelSink;
class MediaDevice;

// What "Play selection" plays for the selection [begin, end) in milliseconds: the empty text for
// the decoded sound from the selection's begin, the path of a WAV that holds just the selection
// (with its effects), or nullopt for nothing.
using SelectionSoundSource = std::function<std::optional<QString>(std::int64_t beginMs, std::int64_t endMs)>;

// The transport actions and the 100 ms poll: plays the decoded WAV through the media device
// under the alias "sound", keeps the model's duration and playhead and the current-time label in
// step with the device, sets the selection at the playhead and stops (or, looping, replays) a
// selection playback at its end. The playhead can be cued while nothing plays: the poll then
// leaves it where it was put and Play starts there. It also plays the completion sound under the
// alias "chime" and closes that again once it has ended, or before the decoded WAV is opened, so
// that an audio output with room for one device is free for the edited sound. It owns nothing:
// the flags, the model, the device and the labels belong to the window's controller.
class PlaybackController {
public:
    // `reportFailure` is told, once until an open succeeds again, why the decoded WAV could not
    // be opened for playing; it may be empty.
    PlaybackController(EditorState& state, EditorModel& model, MediaDevice& media, LabelSink& labels,
                       QString tempWav, std::function<void()> processEvents,
                       std::function<void(const QString&)> reportFailure = {});

    void play();                // transport 0; from the cued playhead when it was cued
    void stop();                // transport 1
    void pause();               // transport 2
    void setBeginAtPlayhead();  // transport 3
    void setEndAtPlayhead();    // transport 4
    void playSelection();       // transport 5
    void poll();                // Timer2 tick

    // "stop sound", "close sound", then the window's pending events.
    void stopAndClose();
    // Releases the device for a save: as stopAndClose, but a pause is remembered as a cue, so
    // that the next Play plays on from the playhead instead of resuming a device that is closed.
    void releaseForSave();
    // "open <decoded WAV> alias sound", after closing a completion sound that still holds the
    // output. On failure the time label shows 00:00:00 and the failure is reported (once).
    // Returns whether the sound is open.
    bool openTempWav();
    // "play sound from <ms>"; the playhead stands there at once (a time outside the file is left
    // to the device, which refuses it).
    void playFromMs(std::int64_t ms);
    // A seek (a click on the track, a released playhead, a key while playing): the sound is
    // closed, opened again and played from `ms` milliseconds; the play flags keep their values.
    // Seeks and cues that arrive while the device is being reopened (keys pressed in quick
    // succession) are not lost: the seek under way plays from the newest of them.
    void seekToMs(std::int64_t ms);
    // Plays the decoded sound from `fromMs` and stops when the poll finds it at `toMs` or later
    // (hearing the edges of a cut); Stop, Play, a seek or a save end it sooner. Returns false
    // when nothing could be played.
    bool playRange(std::int64_t fromMs, std::int64_t toMs);
    // The playhead was put somewhere while nothing plays (or while paused): the poll leaves it
    // there and the next Play starts there.
    void cuePlayhead();
    bool isCued() const { return cued_; }
    // Opens the decoded WAV, asks the device once for its length and closes it again, so the
    // duration is known without playing. Returns the duration in whole seconds (0 on failure).
    std::int32_t learnDuration();
    // Looping of the selection: a selection playback that reaches its end plays again from its
    // begin instead of stopping.
    void setLooping(bool looping) { looping_ = looping; }
    bool isLooping() const { return looping_; }
    // Sound is coming out: played, not paused, not stopped.
    bool isPlaying() const;

    // While a decode writes the sound: "sound" is opened from `path` (a path of the file being
    // written, see ChildOutput) as a growing sound, which plays what is written and waits at its
    // end for more. The poll then takes the device's length for the decoded part (the model's
    // decodedEnd), not for the duration, and the position in seconds as it is. An empty path
    // goes back to the decoded WAV (a sound open from the growing file plays on).
    void followGrowingSound(const QString& path);
    bool isFollowingGrowingSound() const { return !growingPath_.isEmpty(); }

    // Plays `path` under the alias "chime"; it is closed again when it has ended.
    void playCompletionSound(const QString& path);
    // Where "Play selection" takes its sound from; without a source it plays the decoded sound.
    // While a WAV of just the selection plays, the playhead and the time label follow it across
    // the selection, and its end stops (or, looping, replays) it as the selection's end does.
    void setSelectionSound(SelectionSoundSource source);

private:
    // The time label at `seconds`: its whole second, at most the duration.
    void showTime(double seconds);
    int send(const QString& command, int replyCapacity = 128);
    double replyNumber(const QString& command);
    void closeCompletionSound();
    void setPlaying(bool playing);
    void parkPlayhead();
    bool openSelectionSound(const QString& path);
    // "open <sound> alias sound", from the growing file while one is followed.
    int openSound();
    bool soundExists() const;
    void pollGrowingSound(double lengthMs);
    void pollSelectionSound(double lengthMs);
    void endSelectionPlayback();

    EditorState& state_;
    EditorModel& model_;
    MediaDevice& media_;
    LabelSink& labels_;
    QString tempWav_;
    std::function<void()> processEvents_;
    std::function<void(const QString&)> reportFailure_;
    bool chimeOpen_ = false;
    bool failureReported_ = false;
    bool cued_ = false;
    bool looping_ = false;
    bool seeking_ = false;          // seekTo is reopening the device
    bool starting_ = false;         // play() or playSelection() is opening the device
    std::int64_t seekTarget_ = 0;   // where the seek under way plays from, in ms
    std::optional<std::int64_t> rangeEnd_;  // where a playRange() stops, in ms
    SelectionSoundSource selectionSound_;
    bool selectionSoundOpen_ = false;  // "sound" holds a WAV of just the selection
    std::int64_t selectionSoundBegin_ = 0;  // ms
    QString growingPath_;        // the file being decoded, while it is followed
    bool growingSoundOpen_ = false;  // "sound" was opened from it
};

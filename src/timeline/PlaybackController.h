#pragma once
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

struct EditorState;

// What "Play selection" plays for the selection [begin, end) in whole seconds: the empty text for
// the decoded sound from the selection's begin, the path of a WAV that holds just the selection
// (with its effects), or nullopt for nothing.
using SelectionSoundSource = std::function<std::optional<QString>(std::int32_t begin, std::int32_t end)>;
class LabelSink;
class MediaDevice;
class TimelineBoard;

// The transport actions and the 100 ms poll: plays the decoded WAV through the media device
// under the alias "sound", keeps the duration, the playhead and the current-time label in step,
// sets the selection at the playhead and stops a selection playback at its end. It also plays
// the completion sound under the alias "chime" and closes that again once it has ended, or
// before the decoded WAV is opened, so that an audio output with room for one device is free
// for the edited sound. It owns nothing: the state, the device, the board and the labels belong
// to the window.
class PlaybackController {
public:
    // `reportFailure` is told, once until an open succeeds again, why the decoded WAV could not
    // be opened for playing; it may be empty.
    PlaybackController(EditorState& state, MediaDevice& media, TimelineBoard& board, LabelSink& labels,
                       QString tempWav, std::function<void()> processEvents,
                       std::function<void(const QString&)> reportFailure = {});

    void play();                // transport 0
    void stop();                // transport 1
    void pause();               // transport 2
    void setBeginAtPlayhead();  // transport 3
    void setEndAtPlayhead();    // transport 4
    void playSelection();       // transport 5
    void poll();                // Timer2 tick

    // "stop sound", "close sound", then the window's pending events.
    void stopAndClose();
    // Releases the device for a save: as stopAndClose, but a pause is remembered, so that the
    // next Play plays on from the playhead instead of resuming a device that is closed.
    void releaseForSave();
    // "open <decoded WAV> alias sound", after closing a completion sound that still holds the
    // output. On failure the time label shows 00:00:00 and the failure is reported (once).
    // Returns whether the sound is open.
    bool openTempWav();
    // "play sound from <seconds x 1000>".
    void playFrom(std::int32_t seconds);
    // Plays `path` under the alias "chime"; it is closed again when it has ended.
    void playCompletionSound(const QString& path);
    // Where "Play selection" takes its sound from; without a source it plays the decoded sound.
    // While a WAV of just the selection plays, the playhead and the time label follow it across
    // the selection, and its end stops the playback as the selection's end does.
    void setSelectionSound(SelectionSoundSource source);

private:
    int send(const QString& command, int replyCapacity = 128);
    double replyNumber(const QString& command);
    void placeMarker(bool begin);
    bool openSelectionSound(const QString& path);
    void pollSelectionSound(double lengthMs);
    void placePlayhead(double fraction);
    void closeCompletionSound();
    std::int32_t playheadSeconds() const;

    EditorState& state_;
    MediaDevice& media_;
    TimelineBoard& board_;
    LabelSink& labels_;
    QString tempWav_;
    std::function<void()> processEvents_;
    std::function<void(const QString&)> reportFailure_;
    bool chimeOpen_ = false;
    bool failureReported_ = false;
    bool playOnFromPlayhead_ = false;  // paused when a save released the device
    SelectionSoundSource selectionSound_;
    bool selectionSoundOpen_ = false;  // "sound" holds a WAV of just the selection
    std::int32_t selectionSoundBegin_ = 0;
};

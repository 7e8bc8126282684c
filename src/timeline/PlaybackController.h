#pragma once
#include <QString>
#include <functional>

struct EditorState;
class LabelSink;
class MediaDevice;
class TimelineBoard;

// The transport actions and the 100 ms poll: plays the decoded WAV through the media device
// under the alias "sound", keeps the duration, the playhead and the current-time label in step,
// sets the selection at the playhead and stops a selection playback at its end. It owns nothing:
// the state, the device, the board and the labels belong to the window.
class PlaybackController {
public:
    PlaybackController(EditorState& state, MediaDevice& media, TimelineBoard& board, LabelSink& labels,
                       QString tempWav, std::function<void()> processEvents);

    void play();                // transport 0
    void stop();                // transport 1
    void pause();               // transport 2
    void setBeginAtPlayhead();  // transport 3
    void setEndAtPlayhead();    // transport 4
    void playSelection();       // transport 5
    void poll();                // Timer2 tick

    // "stop sound", "close sound", then the window's pending events.
    void stopAndClose();
    // "open <decoded WAV> alias sound".
    void openTempWav();
    // "play sound from <seconds x 1000>".
    void playFrom(std::int32_t seconds);

private:
    int send(const QString& command, int replyCapacity = 128);
    double replyNumber(const QString& command);
    void placeMarker(bool begin);

    EditorState& state_;
    MediaDevice& media_;
    TimelineBoard& board_;
    LabelSink& labels_;
    QString tempWav_;
    std::function<void()> processEvents_;
};

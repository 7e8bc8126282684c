#pragma once
#include <functional>

struct EditorState;
class LabelSink;
class PlaybackController;
class TimelineBoard;

// The grab handles of the timeline.
enum class MarkerHandle { Top1, Bottom1, Top2, Bottom2 };
enum class PlayheadHandle { Top, Bottom };

// Dragging the selection markers and the playhead, and seeking by a click on the timeline.
// x is the pointer's horizontal position inside the pressed handle (or the panel), in pixels.
// Moves and releases are ignored unless a press (or the random cutter) set dragActive. It owns
// nothing; the poll timer is switched through the given function.
class TimelineInteraction {
public:
    TimelineInteraction(EditorState& state, TimelineBoard& board, LabelSink& labels, PlaybackController& playback,
                        std::function<void(bool)> setPollEnabled);

    void markerPress(MarkerHandle handle, double x);
    // Moves the pressed marker by x - dragAnchorX, keeping it at least one handle width from
    // the other marker and on the track (0 for the begin, 728 for the end).
    void markerMove(MarkerHandle handle, double x);
    // Writes the marker's whole seconds and its labels.
    void markerRelease(MarkerHandle handle);

    // Press: the poll stops and the sound is closed; move: the playhead follows freely;
    // release: the poll restarts and the sound plays from the second under the playhead.
    void playheadPress(PlayheadHandle handle, double x);
    void playheadMove(PlayheadHandle handle, double x);
    void playheadRelease(PlayheadHandle handle);

    // A press on the timeline panel at x: plays from the second under the pointer (the track's
    // lines start 6 px into the panel), from 0 left of the track and from the end right of it.
    void panelPress(double x);

private:
    void pressCommon(double x);

    EditorState& state_;
    TimelineBoard& board_;
    LabelSink& labels_;
    PlaybackController& playback_;
    std::function<void(bool)> setPollEnabled_;
};

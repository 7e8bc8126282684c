#pragma once
#include "timeline/EditorModel.h"
#include "timeline/TimelineLayout.h"

#include <cstdint>
#include <optional>
#include <vector>

// Dragging a boundary of the timeline with the pointer, in track pixels of the model's view;
// the pointer's x is in panel pixels. The grabbed point of the handle stays under the pointer.
// A marker keeps one handle width (13 px) from the other marker, measured against the other's
// place even while it is hidden or out of view, and stays on the track (Left 0 to 728); when
// the distance cannot be kept together with an edge, the distance wins (the edge test is then
// skipped). The playhead follows the pointer without any limit. With snapping on and beats
// known, a marker within a few pixels of a beat stands on it (see beatSnapPlace), where the
// limits allow. While dragging, the model shows the boundary where it is held (its drag
// preview). Owns its copy of the beats; the model is the caller's.
class TimelineDrag {
public:
    explicit TimelineDrag(EditorModel& model);

    // Takes the boundary of a handle at the panel's x. Refused (false) for the panel itself, for a
    // handle that is not drawn, and while another drag runs.
    bool press(TimelineHit handle, double x);
    // The pointer moved to the panel's x; ignored unless a drag runs. snapAllowed false (Shift
    // held) keeps a marker off the beats for this move.
    void move(double x, bool snapAllowed = true);
    // Ends the drag. A marker gets the time at its Left, rounded to the view's precision (whole
    // seconds at the whole-file view), and the model writes it; the playhead's time, for the
    // seek, becomes the model's playhead. Returns that time in milliseconds; nothing when no
    // drag ran.
    std::optional<Millis> release();
    // Ends the drag and changes nothing.
    void cancel();

    bool isActive() const { return active_; }
    Boundary boundary() const { return boundary_; }
    // The dragged boundary's Left in track pixels of the view.
    double left() const { return left_; }
    // The time that a release now would give, in milliseconds.
    Millis msNow() const;

    // The beats markers snap to (seconds, ascending; empty: none known), and whether they do.
    void setBeats(std::vector<double> beats) { beats_ = std::move(beats); }
    void setSnapping(bool on) { snapping_ = on; }
    bool snapping() const { return snapping_; }
    // Whether the dragged marker stands on a beat after the last move.
    bool onBeat() const { return onBeat_; }
    // Shift pressed or let go without moving the pointer: the last move again, snapping or not.
    void resnap(bool snapAllowed) { move(lastX_, snapAllowed); }

private:
    double placeMarker(double wanted) const;

    EditorModel& model_;
    bool active_ = false;
    Boundary boundary_ = Boundary::Playhead;
    double pressX_ = 0;
    double pressLeft_ = 0;
    double left_ = 0;
    double lastX_ = 0;
    std::vector<double> beats_;
    bool snapping_ = false;
    bool onBeat_ = false;
};

#pragma once
#include "timeline/Selection.h"
#include "timeline/SelectionHistory.h"
#include "timeline/TimeText.h"
#include "timeline/TimelineView.h"

#include <QObject>

#include <cstdint>
#include <optional>

// The three boundaries of the timeline.
enum class Boundary { Playhead, Begin, End };

// Where a keyboard jump takes the playhead.
enum class PlayheadTarget { Start, End, SelectionBegin, SelectionEnd };

// A boundary being dragged is drawn where the pointer holds it, at `left` (track pixels of the
// view), until its release decides its time.
struct DragPreview {
    Boundary boundary = Boundary::Playhead;
    double left = 0;
    bool operator==(const DragPreview&) const = default;
};

// The Begin, End and Length fields of the selection row, where a time can be typed.
enum class TimeField { Begin, End, Length };

// Why a typed time changed nothing.
enum class TypedTimeError {
    None,
    NotATime,         // the text is none of the accepted forms
    PastEnd,          // the time lies past the file's end (or the part decoded so far)
    EndNotAfterBegin, // an end (or a length) that does not lie after the begin
    BeginNotBeforeEnd // a begin at or after the end
};

// What the editor shows and edits: the duration (whole seconds, 0 while unknown) and the sound's
// exact length (milliseconds), the selection
// (milliseconds), the playhead (seconds, as the device reports it) and the visible stretch of
// the file. A marker set by a rule lands on the precision of the current view (TimePrecision.h):
// whole seconds at the whole-file view, down to milliseconds zoomed in. Widgets draw it and user
// actions change it through these operations; each change is announced by a signal. Owns its
// undo history; owns no widgets, no device and no labels.
class EditorModel : public QObject {
    Q_OBJECT
public:
    explicit EditorModel(QObject* parent = nullptr);

    // ---- Duration ----
    std::int32_t duration() const { return duration_; }
    // A new duration (negative counts as 0) shows the whole file; the same one changes nothing.
    // The sound's length becomes the duration until setLengthMs() tells it exactly.
    void setDuration(std::int32_t seconds);
    Millis durationMs() const { return Millis(duration_) * kMsPerSecond; }
    // The sound's exact length: the duration is its whole seconds. The whole-file view spans the
    // duration; a narrower view, the markers and the playhead may go on to the sound's end.
    void setLengthMs(Millis ms);
    Millis lengthMs() const { return lengthMs_; }
    // The same in seconds: where views and the pointer end.
    double soundEnd() const { return secondsOf(lengthMs_); }

    // ---- A file still being decoded ----
    // How far the sound is decoded, in seconds, while its decode runs; nullopt once the whole
    // file is there (and while no file is open). The playhead and the markers stay within the
    // decoded part: a place past it goes to its last whole second.
    const std::optional<double>& decodedEnd() const { return decodedEnd_; }
    void setDecodedEnd(std::optional<double> seconds);
    // The last second the playhead and the markers may take: the duration, or the last whole
    // second decoded so far.
    std::int32_t editableEnd() const;
    // The last place on the current view's precision that the playhead and the markers may take
    // (see precisionMs()): within the sound's length, or within the part decoded so far. The
    // duration at the whole-file view.
    Millis editableEndMs() const;

    // ---- Precision ----
    // The rounding unit of the current view in milliseconds: 1000 at the whole-file view, else
    // the finest of 1000, 100, 10 and 1 that is not finer than a track pixel.
    Millis precisionMs() const;
    // `seconds` rounded to that unit, in milliseconds.
    Millis atPrecision(double seconds) const;

    // ---- Playhead ----
    double playhead() const { return playhead_; }
    // The whole second of the playhead: round-half-even, as the current-time label shows it.
    std::int32_t playheadSeconds() const;
    // The playhead to the nearest millisecond.
    Millis playheadMs() const;
    // The poll's position (F x the played fraction). While playing, the view follows it when
    // it runs out of the view.
    void setPlayhead(double seconds);
    bool isPlaying() const { return playing_; }
    void setPlaying(bool playing);
    // Moves the playhead by `deltaMs` from its place at the view's precision (its whole second
    // at the whole-file view), within the editable part, and scrolls the view to show it.
    // Returns where it now stands, in milliseconds.
    Millis movePlayheadByMs(Millis deltaMs);
    // Moves the playhead to the file's start or end, or to the selection's begin or end (a
    // marker not shown stands at the file's start or end), within the editable part; shows it.
    // Returns where it now stands, in milliseconds.
    Millis movePlayheadTo(PlayheadTarget target);

    // ---- Selection ----
    const Selection& selection() const { return selection_; }
    // Where a marker stands, in milliseconds: its time when shown, else the start (begin) or the
    // end of the file; the playhead's millisecond for the playhead.
    Millis markerMs(Boundary marker) const;
    // The same in seconds.
    double markerTime(Boundary marker) const { return secondsOf(markerMs(marker)); }
    // "Select Start Position": begin := the playhead at the view's precision unless that is at or
    // after a set end (end > 0). Shows the marker. Returns false when refused.
    bool setBeginAtPlayhead();
    // "Select End Position": end := the playhead at the view's precision unless that is before
    // the begin.
    bool setEndAtPlayhead();
    // A released marker: its time as the drag left it, without a guard.
    void setBeginFromDragMs(Millis ms);
    void setEndFromDragMs(Millis ms);
    // Moves a shown marker by `deltaMs`, keeping it at least one precision unit from the other
    // marker and on the file; false when it cannot move that way (hidden, or already at its limit).
    bool nudgeMarkerMs(Boundary marker, Millis deltaMs);
    // A typed time for the begin, the end or the length (which moves the end), as one undo step;
    // shows the marker written. Nothing changes when it is refused, and the reason is returned.
    TypedTimeError setTypedTime(TimeField field, Millis ms);
    // A random selection in whole seconds: both markers shown, the end written before the begin.
    void applyRandomCut(std::int32_t begin, std::int32_t end);
    // A computed selection (a proposed hook, a trimmed one) in seconds with their fractions, as
    // one undo step: both markers shown, kept on [0, editableEndMs()] and in order, to the
    // nearest millisecond whatever the view's precision.
    void applyComputedRange(double beginSeconds, double endSeconds);
    // Undo and redo of the changes above (one step per action). False when there is none.
    bool undo();
    bool redo();
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    // Closing a file: selection 0/0 with both markers hidden, playhead at 0, no drag, no history,
    // the whole file in view. The duration is the caller's to change.
    void reset();

    // ---- View ----
    const TimelineView& view() const { return view_; }
    // Any view, kept inside the file and the zoom limits.
    void setView(const TimelineView& view);
    // Zooms by `factor` around the Left position `anchorPx` (see zoomedAround()).
    void zoomAround(double anchorPx, double factor);
    // The anchor for keyboard zooming: the playhead's Left when it is in view, else the middle.
    double keyboardAnchor() const;
    // Shows the selection with a little room on either side; false without a shown selection.
    bool zoomToSelection();
    void showWholeFile();
    void scrollBy(double dx);
    bool isZoomed() const { return !(view_ == wholeView(duration_)); }

    // ---- Dragging ----
    const std::optional<DragPreview>& dragPreview() const { return preview_; }
    void setDragPreview(const std::optional<DragPreview>& preview);

Q_SIGNALS:
    void durationChanged(std::int32_t seconds);
    void decodedEndChanged();
    void viewChanged();
    void playheadChanged();
    // Anything of the selection that is drawn changed (values or which markers are shown).
    void selectionChanged();
    // A rule wrote the begin (or the end): the selection labels are written now, in this order.
    void beginSet();
    void endSet();
    void dragPreviewChanged();
    // canUndo() or canRedo() may have changed.
    void historyChanged();

private:
    void commit(const Selection& next);
    // Sets one marker's time (and shows it when asked), then announces it.
    void writeMarker(Boundary marker, Millis ms, bool show);
    void restore(const Selection& s);
    // The last millisecond decoded so far (the sound's length once the whole file is there).
    Millis decodedEndMs() const;
    // Whether a marker placed at `ms` goes past what it may take (see editableEndMs()).
    bool pastTheEnd(Millis ms) const;
    // `view` inside the file: a view as wide as the duration is the whole-file view; a narrower
    // one may reach the sound's exact end.
    TimelineView inFile(const TimelineView& view) const;
    void placePlayhead(double seconds);
    void changeView(const TimelineView& view);

    std::int32_t duration_ = 0;
    Millis lengthMs_ = 0;
    std::optional<double> decodedEnd_;
    double playhead_ = 0;
    bool playing_ = false;
    Selection selection_;
    SelectionHistory history_;
    TimelineView view_;
    std::optional<DragPreview> preview_;
};

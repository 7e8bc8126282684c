#pragma once
#include "timeline/Selection.h"
#include "timeline/SelectionHistory.h"
#include "timeline/TimelineView.h"

#include <QObject>

#include <cstdint>
#include <optional>

// The three boundaries of the timeline.
enum class Boundary { Playhead, Begin, End };

// Where a keyboard jump takes the playhead.
enum class PlayheadTarget { Start, End, SelectionBegin, SelectionEnd };

// A boundary being dragged is drawn where the pointer holds it, at `left` (track pixels of the
// view), until its release decides its whole second.
struct DragPreview {
    Boundary boundary = Boundary::Playhead;
    double left = 0;
    bool operator==(const DragPreview&) const = default;
};

// What the editor shows and edits, in seconds: the duration (whole seconds, 0 while unknown),
// the selection, the playhead and the visible stretch of the file. Widgets draw it and user
// actions change it through these operations; each change is announced by a signal. Owns its
// undo history; owns no widgets, no device and no labels.
class EditorModel : public QObject {
    Q_OBJECT
public:
    explicit EditorModel(QObject* parent = nullptr);

    // ---- Duration ----
    std::int32_t duration() const { return duration_; }
    // A new duration (negative counts as 0) shows the whole file; the same one changes nothing.
    void setDuration(std::int32_t seconds);

    // ---- A file still being decoded ----
    // How far the sound is decoded, in seconds, while its decode runs; nullopt once the whole
    // file is there (and while no file is open). The playhead and the markers stay within the
    // decoded part: a place past it goes to its last whole second.
    const std::optional<double>& decodedEnd() const { return decodedEnd_; }
    void setDecodedEnd(std::optional<double> seconds);
    // The last second the playhead and the markers may take: the duration, or the last whole
    // second decoded so far.
    std::int32_t editableEnd() const;

    // ---- Playhead ----
    double playhead() const { return playhead_; }
    // The whole second of the playhead: round-half-even, as the current-time label shows it.
    std::int32_t playheadSeconds() const;
    // The poll's position (F x the played fraction). While playing, the view follows it when
    // it runs out of the view.
    void setPlayhead(double seconds);
    bool isPlaying() const { return playing_; }
    void setPlaying(bool playing);
    // Moves the playhead by whole seconds from its current whole second, within [0, F], and
    // scrolls the view to show it. Returns the second it now stands at.
    std::int32_t movePlayheadBy(std::int32_t seconds);
    // Moves the playhead to the file's start or end, or to the selection's begin or end (a
    // marker not shown stands at the file's start or end), within [0, F]; shows it.
    std::int32_t movePlayheadTo(PlayheadTarget target);

    // ---- Selection ----
    const Selection& selection() const { return selection_; }
    // Where a marker stands: its seconds when shown, else the start (begin) or the end of the file.
    double markerTime(Boundary marker) const;
    // "Select Start Position": begin := the playhead's whole second unless that is at or after a
    // set end (end > 0). Shows the marker. Returns false when refused.
    bool setBeginAtPlayhead();
    // "Select End Position": end := the playhead's whole second unless that is before the begin.
    bool setEndAtPlayhead();
    // A released marker: its seconds as the drag left them, without a guard.
    void setBeginFromDrag(std::int32_t seconds);
    void setEndFromDrag(std::int32_t seconds);
    // Moves a shown marker by whole seconds, keeping begin < end and both on the file; false
    // when it cannot move that way (hidden, or already at its limit).
    bool nudgeMarker(Boundary marker, std::int32_t seconds);
    // A random selection: both markers shown, the end written before the begin.
    void applyRandomCut(std::int32_t begin, std::int32_t end);
    // A computed selection (a proposed hook, a trimmed one) in seconds with their fractions, as
    // one undo step: both markers shown, kept on [0, editableEnd()] and in order. While the
    // selection holds whole seconds, the begin is rounded down and the end up, so that it holds
    // all of the range asked for.
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
    // Sets one marker's seconds (and shows it when asked), then announces it.
    void writeMarker(Boundary marker, std::int32_t seconds, bool show);
    void restore(const Selection& s);
    void placePlayhead(double seconds);
    void changeView(const TimelineView& view);

    std::int32_t duration_ = 0;
    std::optional<double> decodedEnd_;
    double playhead_ = 0;
    bool playing_ = false;
    Selection selection_;
    SelectionHistory history_;
    TimelineView view_;
    std::optional<DragPreview> preview_;
};

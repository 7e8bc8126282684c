#pragma once
#include "timeline/EditorModel.h"
#include "timeline/PeakPyramid.h"
#include "timeline/TimelineDrag.h"
#include "timeline/TimelinePainter.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

// The timeline panel: draws the editor model (boundaries, shade, waveform, ruler, drag bubble)
// and turns the pointer and the keys into changes of it. Handles are dragged with TimelineDrag;
// a marker dragged near a beat snaps to it unless Shift is held; the wheel scrolls the view and, with Ctrl, zooms it around the pointer; a marker taken with a
// click or with Tab moves by a second (ten with Shift, one unit of the view's precision with Alt)
// with the arrow keys. Seeking is left to
// whoever listens to its signals. Pictures are drawn at the device pixel ratio of the screen the
// panel is on: the waveform and ruler are rendered at it, and the fixed art is asked for again
// when it changes. Owns its drag and its cached pictures; borrows the model.
class TimelinePanel : public QWidget {
    Q_OBJECT
public:
    // The fixed pictures for a device pixel ratio.
    using ArtSource = std::function<TimelineArt(qreal dpr)>;

    TimelinePanel(EditorModel& model, ArtSource art, QWidget* parent = nullptr);
    // The same pictures at every device pixel ratio.
    TimelinePanel(EditorModel& model, TimelineArt art, QWidget* parent = nullptr);

    // The waveform of the open sound at every zoom; null forgets it.
    void setPyramid(std::shared_ptr<const PeakPyramid> pyramid);
    bool hasWaveform() const { return pyramid_ && !pyramid_->isEmpty(); }
    // Draws the "Loop" badge while the selection loops.
    void setLooping(bool looping);
    const EditorModel& model() const { return model_; }
    // The marker the arrow keys move; nothing when none is taken.
    std::optional<Boundary> takenMarker() const { return taken_; }
    // Takes a shown marker (and the keyboard focus), or lets go of it with nothing.
    void takeMarker(std::optional<Boundary> marker);
    const TimelineDrag& drag() const { return drag_; }
    // The open sound's beats (seconds, ascending; empty: none known), which a dragged marker
    // snaps to while snapping is on and Shift is not held.
    void setBeats(const std::vector<double>& beats);
    void setSnapToBeats(bool on);
    // Ends a drag without changing anything (the window lost the pointer, a run started).
    void cancelDrag();
    // The panel as it is drawn now, at the panel's device pixel ratio.
    QImage grabScene() const;

Q_SIGNALS:
    // A playhead handle was pressed: the poll should stop and the sound be closed.
    void playheadTaken();
    // The playhead was let go at `ms` milliseconds: play from there.
    void playheadReleased(std::int64_t ms);
    // A press on the panel outside the handles, at the panel's x (any button).
    void trackPressed(double panelX);
    // takenMarker() may have changed.
    void takenMarkerChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool event(QEvent* event) override;

private:
    TimelineScene scene() const;
    const TimelineArt& art() const;
    const QImage& waveform() const;
    const QImage& ruler() const;
    bool markerShown(Boundary marker) const;
    void followSelection();
    void setTaken(std::optional<Boundary> marker);

    EditorModel& model_;
    ArtSource artSource_;
    mutable TimelineArt art_;
    mutable qreal artDpr_ = 0;
    TimelineDrag drag_;
    std::shared_ptr<const PeakPyramid> pyramid_;
    std::optional<Boundary> taken_;
    bool looping_ = false;
    mutable QImage waveImage_;
    mutable TimelineView waveView_;
    mutable QImage rulerImage_;
    mutable TimelineView rulerView_;
};

#include "timeline/TimelinePanel.h"

#include "timeline/DragBubble.h"
#include "timeline/TimeRuler.h"
#include "timeline/TimeText.h"
#include "timeline/TimelineAccessible.h"
#include "timeline/TimelineGeometry.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {
// One wheel notch scrolls a tenth of the track.
constexpr double kScrollPerNotch = kTrackWidth / 10.0;
const WaveformColours kWaveColours{QColor(38, 150, 170, 190), QColor(14, 96, 120)};

// Left or Right, alone, with Shift (ten seconds) or with Alt (one unit of the view's precision).
bool isArrow(const QKeyEvent* k)
{
    return (k->key() == Qt::Key_Left || k->key() == Qt::Key_Right) &&
           !(k->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) &&
           !((k->modifiers() & Qt::AltModifier) && (k->modifiers() & Qt::ShiftModifier));
}
}  // namespace

TimelinePanel::TimelinePanel(EditorModel& model, TimelineArt art, QWidget* parent)
    : TimelinePanel(model, ArtSource([art = std::move(art)](qreal) { return art; }), parent)
{
}

TimelinePanel::TimelinePanel(EditorModel& model, ArtSource art, QWidget* parent)
    : QWidget(parent), model_(model), artSource_(std::move(art)), drag_(model)
{
    installTimelineAccessibility();  // before anything could ask Qt for our interface
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    for (auto signal : {&EditorModel::viewChanged, &EditorModel::playheadChanged, &EditorModel::dragPreviewChanged,
                        &EditorModel::decodedEndChanged})
        connect(&model_, signal, this, qOverload<>(&QWidget::update));
    connect(&model_, &EditorModel::durationChanged, this, qOverload<>(&QWidget::update));
    connect(&model_, &EditorModel::selectionChanged, this, &TimelinePanel::followSelection);
    new TimelineAnnouncer(model_, *this);  // a child: tells assistive technology what moved
}

void TimelinePanel::setPyramid(std::shared_ptr<const PeakPyramid> pyramid)
{
    pyramid_ = std::move(pyramid);
    waveImage_ = QImage();
    update();
}

void TimelinePanel::setLooping(bool looping)
{
    looping_ = looping;
    update();
}

bool TimelinePanel::markerShown(Boundary marker) const
{
    const Selection& s = model_.selection();
    return marker == Boundary::Begin ? s.beginShown : marker == Boundary::End && s.endShown;
}

void TimelinePanel::followSelection()
{
    // Tab stops here only while there is a marker to take.
    const bool any = markerShown(Boundary::Begin) || markerShown(Boundary::End);
    setFocusPolicy(any ? Qt::StrongFocus : Qt::ClickFocus);
    if (taken_ && !markerShown(*taken_))
        setTaken(std::nullopt);
    update();
}

void TimelinePanel::takeMarker(std::optional<Boundary> marker)
{
    if (marker && (*marker == Boundary::Playhead || !markerShown(*marker)))
        marker.reset();
    setTaken(marker);
    if (taken_ && !hasFocus())
        setFocus(Qt::OtherFocusReason);
    update();
}

void TimelinePanel::setTaken(std::optional<Boundary> marker)
{
    if (taken_ == marker)
        return;
    taken_ = marker;
    Q_EMIT takenMarkerChanged();
}

void TimelinePanel::setBeats(const std::vector<double>& beats)
{
    drag_.setBeats(beats);
}

void TimelinePanel::setSnapToBeats(bool on)
{
    drag_.setSnapping(on);
}

void TimelinePanel::cancelDrag()
{
    drag_.cancel();
    update();
}

const TimelineArt& TimelinePanel::art() const
{
    const qreal dpr = devicePixelRatioF();
    if (artDpr_ != dpr) {
        art_ = artSource_ ? artSource_(dpr) : TimelineArt{};
        artDpr_ = dpr;
    }
    return art_;
}

const QImage& TimelinePanel::waveform() const
{
    const TimelineView& view = model_.view();
    const qreal dpr = devicePixelRatioF();
    if (!hasWaveform()) {
        waveImage_ = QImage();
    } else if (waveImage_.isNull() || !(waveView_ == view) || waveImage_.devicePixelRatio() != dpr) {
        waveImage_ = renderWaveform(*pyramid_, view, QSize(kTrackWidth, kWaveHeight), kWaveColours, dpr);
        waveView_ = view;
    }
    return waveImage_;
}

const QImage& TimelinePanel::ruler() const
{
    const TimelineView& view = model_.view();
    const qreal dpr = devicePixelRatioF();
    if (rulerImage_.isNull() || !(rulerView_ == view) || rulerImage_.devicePixelRatio() != dpr) {
        RulerStyle style;
        style.font = font();
        style.font.setPixelSize(10);
        style.tick = QColor(120, 146, 163);
        style.text = QColor(71, 99, 113);
        style.labelRight = kRulerLabelRight;
        rulerImage_ = renderRuler(view, QSize(kPanelWidth, kRulerHeight), style, dpr);
        rulerView_ = view;
    }
    return rulerImage_;
}

TimelineScene TimelinePanel::scene() const
{
    TimelineScene s;
    s.layout = layoutTimeline(model_);
    s.waveform = waveform();
    s.ruler = ruler();
    s.bubbleText = dragBubbleText(drag_);
    s.bubbleLeft = drag_.left();
    s.focused = hasFocus() ? taken_ : std::nullopt;
    s.looping = looping_;
    return s;
}

QImage TimelinePanel::grabScene() const
{
    return renderTimeline(art(), scene(), size(), devicePixelRatioF(), font());
}

void TimelinePanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintTimeline(p, art(), scene());
}

void TimelinePanel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (drag_.isActive())
        return;
    const QPointF pos = event->position();
    const TimelineHit hit = hitTest(layoutTimeline(model_), pos);
    if (hit == TimelineHit::Panel) {
        takeMarker(std::nullopt);
        Q_EMIT trackPressed(pos.x());
        return;
    }
    const Boundary b = boundaryOf(hit);
    takeMarker(b == Boundary::Playhead ? std::nullopt : std::optional<Boundary>(b));
    if (b == Boundary::Playhead)
        Q_EMIT playheadTaken();
    drag_.press(hit, pos.x());
}

void TimelinePanel::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (drag_.isActive()) {
        drag_.move(event->position().x(), !(event->modifiers() & Qt::ShiftModifier));
        update();
        return;
    }
    const bool overHandle = hitTest(layoutTimeline(model_), event->position()) != TimelineHit::Panel;
    setCursor(overHandle ? Qt::SizeHorCursor : Qt::ArrowCursor);
}

void TimelinePanel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (!drag_.isActive())
        return;
    const Boundary b = drag_.boundary();
    const std::optional<Millis> t = drag_.release();
    update();
    if (t && b == Boundary::Playhead)
        Q_EMIT playheadReleased(*t);
}

void TimelinePanel::wheelEvent(QWheelEvent* event)
{
    event->accept();
    const QPoint delta = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        model_.zoomAround(event->position().x() - kLineOffset, wheelZoomFactor(delta.y() ? delta.y() : delta.x()));
        return;
    }
    // The wheel and Shift+wheel scroll (some systems turn Shift+wheel into a sideways turn).
    const int d = delta.y() ? delta.y() : delta.x();
    model_.scrollBy(-d / 120.0 * kScrollPerNotch);
}

bool TimelinePanel::event(QEvent* e)
{
    // A taken marker keeps the arrows from the window's playhead shortcuts.
    if (e->type() == QEvent::ShortcutOverride && taken_ && isArrow(static_cast<QKeyEvent*>(e))) {
        e->accept();
        return true;
    }
    return QWidget::event(e);
}

void TimelinePanel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Shift && drag_.isActive()) {
        drag_.resnap(false);
        update();
    }
    if (taken_ && isArrow(event)) {
        const Millis step = (event->modifiers() & Qt::AltModifier)     ? model_.precisionMs()
                            : (event->modifiers() & Qt::ShiftModifier) ? 10 * kMsPerSecond
                                                                       : kMsPerSecond;
        const Boundary marker = *taken_;
        if (model_.nudgeMarkerMs(marker, event->key() == Qt::Key_Left ? -step : step))
            model_.setView(showingTime(model_.view(), model_.soundEnd(), model_.markerTime(marker)));
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TimelinePanel::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Shift && drag_.isActive()) {
        drag_.resnap(true);
        update();
    }
    QWidget::keyReleaseEvent(event);
}

void TimelinePanel::focusInEvent(QFocusEvent* event)
{
    if (event->reason() == Qt::TabFocusReason)
        takeMarker(markerShown(Boundary::Begin) ? Boundary::Begin : Boundary::End);
    else if (event->reason() == Qt::BacktabFocusReason)
        takeMarker(markerShown(Boundary::End) ? Boundary::End : Boundary::Begin);
    QWidget::focusInEvent(event);
    update();
}

void TimelinePanel::focusOutEvent(QFocusEvent* event)
{
    // Another window (a menu, a message) leaves the marker taken; the focus going elsewhere in
    // this window lets go of it.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        setTaken(std::nullopt);
    QWidget::focusOutEvent(event);
    update();
}

bool TimelinePanel::focusNextPrevChild(bool next)
{
    if (next && taken_ == Boundary::Begin && markerShown(Boundary::End)) {
        takeMarker(Boundary::End);
        return true;
    }
    if (!next && taken_ == Boundary::End && markerShown(Boundary::Begin)) {
        takeMarker(Boundary::Begin);
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

#include "timeline/TimelineAccessible.h"

#include "timeline/TimeText.h"
#include "timeline/TimelinePanel.h"

TimelineAccessible::TimelineAccessible(TimelinePanel* panel) : QAccessibleWidget(panel, QAccessible::Slider) {}

TimelinePanel* TimelineAccessible::panel() const { return static_cast<TimelinePanel*>(widget()); }

double TimelineAccessible::valueOf(const EditorModel& model, std::optional<Boundary> taken)
{
    return taken ? model.markerTime(*taken) : model.playhead();
}

QString TimelineAccessible::describe(const EditorModel& model, std::optional<Boundary> taken)
{
    const Selection& s = model.selection();
    const QString begin = formatTime(wholeSeconds(model.markerTime(Boundary::Begin)));
    const QString end = formatTime(wholeSeconds(model.markerTime(Boundary::End)));
    QString selection;
    if (s.beginShown && s.endShown)
        selection = tr("Selection from %1 to %2").arg(begin, end);
    else if (s.beginShown)
        selection = tr("Selection begins at %1").arg(begin);
    else if (s.endShown)
        selection = tr("Selection ends at %1").arg(end);
    else
        selection = tr("No selection");
    const QString playhead = tr("Playhead at %1").arg(formatTime(model.playheadSeconds()));
    QString keys;
    if (taken == Boundary::Begin)
        keys = tr("The arrow keys move the selection begin");
    else if (taken == Boundary::End)
        keys = tr("The arrow keys move the selection end");
    else
        keys = tr("The arrow keys move the playhead");
    return tr("%1. %2. %3.").arg(playhead, selection, keys);
}

QString TimelineAccessible::text(QAccessible::Text t) const
{
    const TimelinePanel* p = panel();
    switch (t) {
    case QAccessible::Name: return p->accessibleName().isEmpty() ? tr("Timeline") : p->accessibleName();
    case QAccessible::Description: return describe(p->model(), p->takenMarker());
    case QAccessible::Value: return formatTime(wholeSeconds(valueOf(p->model(), p->takenMarker())));
    default: return QAccessibleWidget::text(t);
    }
}

void* TimelineAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QVariant TimelineAccessible::currentValue() const
{
    return double(wholeSeconds(valueOf(panel()->model(), panel()->takenMarker())));
}

void TimelineAccessible::setCurrentValue(const QVariant&) {}

QVariant TimelineAccessible::maximumValue() const { return panel()->model().soundEnd(); }

QVariant TimelineAccessible::minimumValue() const { return 0.0; }

QVariant TimelineAccessible::minimumStepSize() const { return 1.0; }

// ---- Events ----

TimelineAnnouncer::TimelineAnnouncer(EditorModel& model, TimelinePanel& panel)
    : QObject(&panel), model_(model), panel_(panel)
{
    lastSecond_ = wholeSeconds(TimelineAccessible::valueOf(model_, panel_.takenMarker()));
    connect(&model_, &EditorModel::playheadChanged, this, &TimelineAnnouncer::valueMayHaveChanged);
    connect(&model_, &EditorModel::selectionChanged, this, [this] {
        valueMayHaveChanged();
        descriptionChanged();
    });
    connect(&panel_, &TimelinePanel::takenMarkerChanged, this, [this] {
        valueMayHaveChanged();
        descriptionChanged();
    });
}

void TimelineAnnouncer::valueMayHaveChanged()
{
    const std::optional<Boundary> taken = panel_.takenMarker();
    const double value = TimelineAccessible::valueOf(model_, taken);
    const std::int32_t second = wholeSeconds(value);
    if (second == lastSecond_)
        return;
    lastSecond_ = second;
    // A playing sound moves the playhead every second: that is no news to announce.
    if (!taken && model_.isPlaying())
        return;
    QAccessibleValueChangeEvent event(&panel_, double(second));
    QAccessible::updateAccessibility(&event);
    Q_EMIT announced(QAccessible::ValueChanged, double(second));
}

void TimelineAnnouncer::descriptionChanged()
{
    QAccessibleEvent event(&panel_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
    Q_EMIT announced(QAccessible::DescriptionChanged, QVariant());
}

// ---- Factory ----

QAccessibleInterface* timelineAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TimelinePanel") && object && object->isWidgetType())
        if (auto* p = qobject_cast<TimelinePanel*>(object))
            return new TimelineAccessible(p);
    return nullptr;
}

void installTimelineAccessibility()
{
    // Qt keeps one entry per factory: installing it again changes nothing.
    QAccessible::installFactory(timelineAccessibleFactory);
}

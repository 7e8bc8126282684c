#pragma once
#include "timeline/EditorModel.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QObject>

#include <optional>

class TimelinePanel;

// What a screen reader learns of the timeline panel: one slider named "Timeline" whose value is
// the time, in seconds, of what the arrow keys move there: the taken selection marker, else the
// playhead. Its value text is that time as the labels show it ("00:00:12"); its description names
// the playhead, the selection and what the arrows move. The value cannot be set through it (the
// keys and the pointer move the playhead and the markers). Owns nothing; the panel outlives it.
class TimelineAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
    Q_DECLARE_TR_FUNCTIONS(TimelineAccessible)
public:
    explicit TimelineAccessible(TimelinePanel* panel);

    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

    // The panel's description text (see the class comment); also what tests read.
    static QString describe(const EditorModel& model, std::optional<Boundary> taken);
    // The slider's value in seconds: the taken marker's time, else the playhead's.
    static double valueOf(const EditorModel& model, std::optional<Boundary> taken);

private:
    TimelinePanel* panel() const;
};

// Tells assistive technology what changed on a timeline panel: a value change when what the
// arrow keys move (the taken marker, else the playhead) stands at another whole second, except
// for the playhead's own advance while playing, and a description change whenever the selection
// or the taken marker changes. Each event also goes out as announced(), which is what can be
// watched where no accessibility bridge runs (Qt drops the events themselves then). A child of
// the panel (Qt parent ownership); borrows the model.
class TimelineAnnouncer : public QObject {
    Q_OBJECT
public:
    TimelineAnnouncer(EditorModel& model, TimelinePanel& panel);

Q_SIGNALS:
    // An event handed to assistive technology: its type and, for a value change, the new value
    // in seconds (else an invalid variant).
    void announced(QAccessible::Event type, const QVariant& value);

private:
    void valueMayHaveChanged();
    void descriptionChanged();

    EditorModel& model_;
    TimelinePanel& panel_;
    std::int32_t lastSecond_ = 0;
};

// The factory of the timeline's interface (for QAccessible::installFactory): a
// TimelineAccessible for a TimelinePanel, nullptr for anything else.
QAccessibleInterface* timelineAccessibleFactory(const QString& className, QObject* object);

// Installs timelineAccessibleFactory once; later calls do nothing.
void installTimelineAccessibility();

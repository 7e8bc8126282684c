#include "app/AppAccessible.h"

#include "app/ImageControl.h"
#include "app/PathLabel.h"
#include "app/SkinLabel.h"
#include "controls/SkinAccessible.h"
#include "timeline/TimelineAccessible.h"

#include <QPointer>
#include <QTimer>
#include <algorithm>

namespace {
constexpr char kRoleProperty[] = "tunesnipAccessibleRole";
constexpr char kMeaningProperty[] = "tunesnipLabelMeaning";
constexpr char kPercentProperty[] = "tunesnipProgressPercent";

bool pressable(QAccessible::Role role)
{
    return role == QAccessible::Button || role == QAccessible::MenuItem || role == QAccessible::Link;
}
}  // namespace

void setAccessibleRole(ImageControl* control, QAccessible::Role role)
{
    control->setProperty(kRoleProperty, int(role));
}

void setLabelMeaning(SkinLabel* label, const QString& meaning)
{
    label->setProperty(kMeaningProperty, meaning);
}

// ---- Picture controls ----

ImageControlAccessible::ImageControlAccessible(ImageControl* control) : QAccessibleWidget(control) {}

ImageControl* ImageControlAccessible::control() const { return static_cast<ImageControl*>(widget()); }

void* ImageControlAccessible::interface_cast(QAccessible::InterfaceType t)
{
    // The role is asked each time: it may be given after Qt made this interface.
    if (t == QAccessible::ValueInterface && role() == QAccessible::ProgressBar)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QVariant ImageControlAccessible::currentValue() const { return control()->property(kPercentProperty).toInt(); }

QAccessible::Role ImageControlAccessible::role() const
{
    const ImageControl* c = control();
    const QVariant given = c->property(kRoleProperty);
    if (given.isValid())
        return static_cast<QAccessible::Role>(given.toInt());
    const bool focusable = (c->focusPolicy() & Qt::TabFocus) != 0;
    return focusable || !c->accessibleName().isEmpty() ? QAccessible::Button : QAccessible::Graphic;
}

QString ImageControlAccessible::text(QAccessible::Text t) const
{
    const ImageControl* c = control();
    switch (t) {
    case QAccessible::Name: return c->accessibleName().isEmpty() ? c->toolTip() : c->accessibleName();
    case QAccessible::Value:
        if (role() == QAccessible::ProgressBar)
            return QStringLiteral("%1%").arg(currentValue().toInt());
        return QAccessibleWidget::text(t);
    case QAccessible::Description:
        if (!c->accessibleDescription().isEmpty())
            return c->accessibleDescription();
        return c->toolTip() == text(QAccessible::Name) ? QString() : c->toolTip();
    default: return QAccessibleWidget::text(t);
    }
}

QStringList ImageControlAccessible::actionNames() const
{
    QStringList names;
    if (pressable(role()) && control()->isEnabled())
        names << pressAction();
    return names + QAccessibleWidget::actionNames();
}

void ImageControlAccessible::doAction(const QString& actionName)
{
    if (actionName != pressAction() || !pressable(role())) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    QPointer<ImageControl> c = control();
    QTimer::singleShot(0, c, [c] {
        if (c && c->isEnabled())
            Q_EMIT c->clicked();
    });
}

// ---- Labels ----

SkinLabelAccessible::SkinLabelAccessible(SkinLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

QString SkinLabelAccessible::shownText() const
{
    if (const auto* path = qobject_cast<const PathLabel*>(widget()))
        return path->path();
    return static_cast<const QLabel*>(widget())->text();
}

QString SkinLabelAccessible::text(QAccessible::Text t) const
{
    const QWidget* w = widget();
    switch (t) {
    case QAccessible::Name: {
        if (!w->accessibleName().isEmpty())
            return w->accessibleName();
        const QString meaning = w->property(kMeaningProperty).toString();
        if (meaning.isEmpty() || shownText().isEmpty())
            return meaning.isEmpty() ? shownText() : meaning;
        return tr("%1, %2").arg(meaning, shownText());
    }
    case QAccessible::Description: return w->accessibleDescription().isEmpty() ? w->toolTip() : w->accessibleDescription();
    case QAccessible::Value: return shownText();
    default: return QAccessibleWidget::text(t);
    }
}

// ---- Progress panels ----

void setProgressRole(ImageControl* panel)
{
    setAccessibleRole(panel, QAccessible::ProgressBar);
}

void setProgressPercent(ImageControl* panel, int percent)
{
    percent = std::clamp(percent, 0, 100);
    const QVariant before = panel->property(kPercentProperty);
    if (before.isValid() && before.toInt() == percent)
        return;
    panel->setProperty(kPercentProperty, percent);
    QAccessibleValueChangeEvent changed(panel, percent);
    QAccessible::updateAccessibility(&changed);
}

// ---- Factory ----

QAccessibleInterface* appAccessibleFactory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("ImageControl"))
        if (auto* c = qobject_cast<ImageControl*>(object))
            return new ImageControlAccessible(c);
    if (className == QLatin1String("SkinLabel") || className == QLatin1String("PathLabel"))
        if (auto* l = qobject_cast<SkinLabel*>(object))
            return new SkinLabelAccessible(l);
    return nullptr;
}

void installAppAccessibility()
{
    // Qt keeps one entry per factory: installing one again changes nothing.
    QAccessible::installFactory(appAccessibleFactory);
    installSkinControlsAccessibility();
    installTimelineAccessibility();
}

#include "controls/SkinAccessible.h"

#include "controls/SkinButton.h"

#include <QCoreApplication>
#include <QKeyEvent>

SkinButtonAccessible::SkinButtonAccessible(SkinButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

SkinButton* SkinButtonAccessible::button() const { return static_cast<SkinButton*>(widget()); }

QString accessibleCaption(const QString& caption)
{
    QString text = caption;
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text.simplified();
}

QString SkinButtonAccessible::text(QAccessible::Text t) const
{
    const SkinButton* b = button();
    const QString caption = accessibleCaption(b->Caption());
    switch (t) {
    case QAccessible::Name:
        if (!b->accessibleName().isEmpty())
            return b->accessibleName();
        return caption.isEmpty() ? b->ToolTip() : caption;
    case QAccessible::Description:
        if (!b->accessibleDescription().isEmpty())
            return b->accessibleDescription();
        // A tip that already serves as the name is not repeated.
        return text(QAccessible::Name) == b->ToolTip() ? QString() : b->ToolTip();
    default: return QAccessibleWidget::text(t);
    }
}

QAccessible::Role SkinButtonAccessible::role() const
{
    return button()->ButtonType() == 1 ? QAccessible::CheckBox : QAccessible::Button;
}

QAccessible::State SkinButtonAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    const SkinButton* b = button();
    if (b->ButtonType() == 1) {
        s.checkable = true;
        s.checked = b->Value();
    }
    s.pressed = b->drawState() == DrawState::Pressed && b->ButtonType() != 1;
    return s;
}

QStringList SkinButtonAccessible::actionNames() const
{
    QStringList names;
    if (button()->isEnabled())
        names << pressAction();
    return names + QAccessibleWidget::actionNames();
}

void SkinButtonAccessible::doAction(const QString& actionName)
{
    SkinButton* b = button();
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    if (!b->isEnabled())
        return;
    // The keyboard's press: the same Click (and toggle) as the space bar, after the caller returns.
    QCoreApplication::postEvent(b, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")));
    QCoreApplication::postEvent(b, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")));
}

QStringList SkinButtonAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName == pressAction())
        return {QStringLiteral("Space")};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

QAccessibleInterface* skinControlsAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("SkinButton") && object && object->isWidgetType())
        if (auto* b = qobject_cast<SkinButton*>(object))
            return new SkinButtonAccessible(b);
    return nullptr;
}

void installSkinControlsAccessibility()
{
    // Qt keeps one entry per factory: installing it again changes nothing.
    QAccessible::installFactory(skinControlsAccessibleFactory);
}

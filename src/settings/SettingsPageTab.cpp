#include "settings/SettingsPageTab.h"

#include <QPainter>

SettingsPageTab::SettingsPageTab(const QString& name, QWidget* parent) : QAbstractButton(parent)
{
    setObjectName(name);
    setCheckable(true);
    setAutoExclusive(true);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void SettingsPageTab::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (hovered_ && !isChecked()) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 45));
        p.drawRoundedRect(r, 12, 12);
    }
    if (hasFocus()) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(isChecked() ? QColor(22, 128, 138) : QColor(255, 255, 255), 1, Qt::DotLine));
        p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 10, 10);
    }
}

void SettingsPageTab::enterEvent(QEnterEvent* event)
{
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void SettingsPageTab::leaveEvent(QEvent* event)
{
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

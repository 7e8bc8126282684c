#include "app/ImageControl.h"

#include "app/AppAccessible.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

ImageControl::ImageControl(QWidget* parent, int index) : QWidget(parent), index_(index)
{
    installAppAccessibility();
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ImageControl::setPicture(const QPixmap& picture)
{
    if (picture_.cacheKey() == picture.cacheKey() && picture_.isNull() == picture.isNull())
        return;
    picture_ = picture;
    update();
}

void ImageControl::setStretch(bool stretch)
{
    stretch_ = stretch;
    update();
}

namespace {
bool pressesButton(const QKeyEvent* k)
{
    return (k->key() == Qt::Key_Space || k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) &&
           !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}
}  // namespace

void ImageControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!picture_.isNull()) {
        if (stretch_)
            p.drawPixmap(rect(), picture_);
        else
            p.drawPixmap(0, 0, picture_);
    }
    if (takesKeys()) {
        // The focus ring: a dotted frame just inside the control, in the skin's ink.
        p.setPen(QPen(QColor(11, 77, 109), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
    }
}

bool ImageControl::event(QEvent* event)
{
    // The focused button takes Space and Enter before the window's shortcuts do.
    if (event->type() == QEvent::ShortcutOverride && takesKeys() && pressesButton(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void ImageControl::keyPressEvent(QKeyEvent* event)
{
    if (takesKeys() && pressesButton(event) && !event->isAutoRepeat()) {
        event->accept();
        Q_EMIT clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

namespace {
// The focus left with the window (a dialog, a menu) and comes back with it: nothing changes.
bool windowReason(Qt::FocusReason r)
{
    return r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason;
}
}  // namespace

void ImageControl::focusInEvent(QFocusEvent* event)
{
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        tabbedTo_ = true;
    else if (!windowReason(event->reason()))
        tabbedTo_ = false;
    QWidget::focusInEvent(event);
    update();
}

void ImageControl::focusOutEvent(QFocusEvent* event)
{
    if (!windowReason(event->reason()))
        tabbedTo_ = false;
    QWidget::focusOutEvent(event);
    update();
}

void ImageControl::mousePressEvent(QMouseEvent* event)
{
    pressedInside_ = event->button() == Qt::LeftButton;
    const QPoint pos = event->position().toPoint();
    Q_EMIT mouseDown(event->button(), pos.x(), pos.y());
    event->accept();
}

void ImageControl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    Q_EMIT mouseMove(event->buttons(), pos.x(), pos.y());
    event->accept();
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const bool click = pressedInside_ && event->button() == Qt::LeftButton && rect().contains(pos);
    pressedInside_ = false;
    Q_EMIT mouseUp(event->button(), pos.x(), pos.y());
    if (click)
        Q_EMIT clicked();
    event->accept();
}

#include "app/ImageControl.h"

#include <QMouseEvent>
#include <QPainter>

ImageControl::ImageControl(QWidget* parent, int index) : QWidget(parent), index_(index)
{
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

void ImageControl::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter p(this);
    if (stretch_)
        p.drawPixmap(rect(), picture_);
    else
        p.drawPixmap(0, 0, picture_);
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

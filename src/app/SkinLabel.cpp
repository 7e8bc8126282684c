#include "app/SkinLabel.h"

#include "app/AppAccessible.h"

#include <QMouseEvent>

SkinLabel::SkinLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    // Before any text change: an accessibility event would make Qt settle on a plain label's
    // interface for good.
    installAppAccessibility();
    setMouseTracking(true);
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

void SkinLabel::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    Q_EMIT mouseDown(event->button(), pos.x(), pos.y());
    event->accept();
}

void SkinLabel::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
}

void SkinLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

#include "app/PathLabel.h"

#include <QEvent>

PathLabel::PathLabel(const QString& path, QWidget* parent) : SkinLabel(QString(), parent)
{
    setPath(path);
}

void PathLabel::setPath(const QString& path)
{
    path_ = path;
    showElided();
}

void PathLabel::showElided()
{
    const QString shown = fontMetrics().elidedText(path_, Qt::ElideMiddle, contentsRect().width());
    setText(shown);
    setToolTip(shown == path_ ? QString() : path_);
}

void PathLabel::resizeEvent(QResizeEvent* event)
{
    SkinLabel::resizeEvent(event);
    showElided();
}

void PathLabel::changeEvent(QEvent* event)
{
    SkinLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        showElided();
}

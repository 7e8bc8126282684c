#include "timeline/WidgetTimelineBoard.h"

#include <algorithm>
#include <cmath>

WidgetTimelineBoard::WidgetTimelineBoard(const std::array<QWidget*, kTimelinePicCount>& pictures)
    : pictures_(pictures)
{
    for (int i = 0; i < kTimelinePicCount; ++i)
        lefts_[i] = pictures_[i]->x();
}

double WidgetTimelineBoard::left(TimelinePic pic) const
{
    return lefts_[static_cast<int>(pic)];
}

void WidgetTimelineBoard::setLeft(TimelinePic pic, double l)
{
    const int i = static_cast<int>(pic);
    lefts_[i] = l;
    // Far-off values (a drag beyond the screen) are clamped only for the widget's position.
    const double px = std::clamp(l, -100000.0, 100000.0);
    pictures_[i]->move(static_cast<int>(std::lround(px)), pictures_[i]->y());
}

bool WidgetTimelineBoard::isVisible(TimelinePic pic) const
{
    return !pictures_[static_cast<int>(pic)]->isHidden();
}

void WidgetTimelineBoard::setVisible(TimelinePic pic, bool visible)
{
    pictures_[static_cast<int>(pic)]->setVisible(visible);
}

int WidgetTimelineBoard::width(TimelinePic pic) const
{
    return pictures_[static_cast<int>(pic)]->width();
}

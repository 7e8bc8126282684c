#pragma once
#include "timeline/TimelineBoard.h"

#include <QWidget>
#include <array>

// The timeline board over the real picture widgets of the timeline panel. It keeps each
// picture's Left with its fraction (the poll places the playhead at 728 x fraction) and moves
// the widget to the nearest pixel. It owns no widgets.
class WidgetTimelineBoard : public TimelineBoard {
public:
    // `pictures` in the order of TimelinePic.
    explicit WidgetTimelineBoard(const std::array<QWidget*, kTimelinePicCount>& pictures);

    double left(TimelinePic pic) const override;
    void setLeft(TimelinePic pic, double left) override;
    bool isVisible(TimelinePic pic) const override;
    void setVisible(TimelinePic pic, bool visible) override;
    int width(TimelinePic pic) const override;
    QWidget* widget(TimelinePic pic) const { return pictures_[static_cast<int>(pic)]; }

private:
    std::array<QWidget*, kTimelinePicCount> pictures_;
    std::array<double, kTimelinePicCount> lefts_{};
};

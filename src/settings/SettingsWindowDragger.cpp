#include "settings/SettingsWindowDragger.h"

#include <QWidget>
#include <QWindow>

bool SettingsWindowDragger::startSystemMove(QWidget& window)
{
    QWindow* handle = window.windowHandle();
    return handle && handle->startSystemMove();
}

SettingsWindowDragger::SettingsWindowDragger(QWidget& window, SystemMove systemMove)
    : window_(window), systemMove_(std::move(systemMove))
{
}

void SettingsWindowDragger::pressOnBackground(const QPoint& globalPos)
{
    armed_ = true;
    systemMoving_ = false;
    following_ = false;
    grab_ = globalPos - window_.pos();
}

void SettingsWindowDragger::moveWithButton(const QPoint& globalPos)
{
    if (!armed_ || systemMoving_)
        return;
    if (!following_) {
        if (systemMove_ && systemMove_(window_)) {
            systemMoving_ = true;  // the window system carries the window until the release
            return;
        }
        following_ = true;
    }
    window_.move(globalPos - grab_);
}

void SettingsWindowDragger::release()
{
    armed_ = false;
    systemMoving_ = false;
    following_ = false;
}

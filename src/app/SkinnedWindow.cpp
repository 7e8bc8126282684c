#include "app/SkinnedWindow.h"

#include "platform/SkinShape.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

// The skin is compiled into a static library: its resources must be registered by name, or
// the linker drops them.
static void registerSkinResources()
{
    static const bool once = [] {
        Q_INIT_RESOURCE(skin);
        return true;
    }();
    (void)once;
}

SkinnedWindow::SkinnedWindow(QWidget* parent, Qt::WindowFlags extraFlags)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | extraFlags)
{
    registerSkinResources();
    setMouseTracking(true);
}

void SkinnedWindow::setSkin(const QPixmap& background)
{
    background_ = background;
    if (background_.isNull()) {
        clearMask();
        update();
        return;
    }
    setFixedSize(background_.size());
    setMask(skinRegion(background_.toImage()));
    update();
}

void SkinnedWindow::beginWindowMove()
{
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    // No window manager move available (bare X servers): follow the pointer until release.
    manualMove_ = true;
    moveOffset_ = QCursor::pos() - frameGeometry().topLeft();
    grabMouse();
}

void SkinnedWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (background_.isNull())
        p.fillRect(rect(), palette().window());
    else
        p.drawPixmap(0, 0, background_);
}

void SkinnedWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (manualMove_) {
        move(event->globalPosition().toPoint() - moveOffset_);
        event->accept();
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void SkinnedWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (manualMove_) {
        manualMove_ = false;
        releaseMouse();
        event->accept();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

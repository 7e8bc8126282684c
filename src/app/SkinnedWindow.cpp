#include "app/SkinnedWindow.h"

#include "platform/SkinPicture.h"
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

void SkinnedWindow::setSkin(const QString& path)
{
    setSkin(QPixmap(path));
    path_ = background_.isNull() ? QString() : path;
}

const QPixmap& SkinnedWindow::painted()
{
    const qreal dpr = devicePixelRatioF();
    if (path_.isEmpty() || paintedDpr_ == dpr)
        return path_.isEmpty() ? background_ : painted_;
    painted_ = skinPixmap(path_, dpr);
    // A dense picture that does not cover the 1x one exactly would misplace the controls.
    if (painted_.isNull() || painted_.deviceIndependentSize() != QSizeF(background_.size()))
        painted_ = background_;
    paintedDpr_ = dpr;
    return painted_;
}

void SkinnedWindow::setSkin(const QPixmap& background)
{
    background_ = background;
    path_.clear();
    painted_ = QPixmap();
    paintedDpr_ = 0;
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
        p.drawPixmap(0, 0, painted());
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

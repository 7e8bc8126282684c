#pragma once
#include <QPixmap>
#include <QRegion>
#include <QWidget>


// A frameless top-level window whose look and shape come from one background picture:
// magenta pixels are transparent to sight and to the mouse. Presses on the bare background
// start a window move (startSystemMove, or following the pointer where no window manager
// offers it). On a dense screen it paints the double-size picture of a skin loaded by path,
// while its size and shape always come from the 1x picture. It owns its background pictures only.
class SkinnedWindow : public QWidget {
    Q_OBJECT
public:
    explicit SkinnedWindow(QWidget* parent = nullptr, Qt::WindowFlags extraFlags = {});

    // Sets the background picture, resizes the window to it and shapes it by its magenta key.
    // A null picture leaves a plain rectangular window.
    void setSkin(const QPixmap& background);
    // The same for the picture at `path` (a file or resource); painted from the picture for the
    // window's device pixel ratio (see skinPixmap()), shaped by the 1x picture's magenta.
    void setSkin(const QString& path);
    // The 1x background picture.
    const QPixmap& skin() const { return background_; }

    // Starts moving the window with the pointer, as a press on a title bar would.
    void beginWindowMove();
    bool isManualMoveActive() const { return manualMove_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The background as painted at the window's device pixel ratio now.
    const QPixmap& painted();

    QPixmap background_;
    QString path_;
    QPixmap painted_;
    qreal paintedDpr_ = 0;
    bool manualMove_ = false;
    QPoint moveOffset_;
};

#pragma once
#include <QPixmap>
#include <QRegion>
#include <QWidget>


// A frameless top-level window whose look and shape come from one background picture:
// magenta pixels are transparent to sight and to the mouse. Presses on the bare background
// start a window move (startSystemMove, or following the pointer where no window manager
// offers it). It owns its background picture only.
class SkinnedWindow : public QWidget {
    Q_OBJECT
public:
    explicit SkinnedWindow(QWidget* parent = nullptr, Qt::WindowFlags extraFlags = {});

    // Sets the background picture, resizes the window to it and shapes it by its magenta key.
    // A null picture leaves a plain rectangular window.
    void setSkin(const QPixmap& background);
    const QPixmap& skin() const { return background_; }

    // Starts moving the window with the pointer, as a press on a title bar would.
    void beginWindowMove();
    bool isManualMoveActive() const { return manualMove_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap background_;
    bool manualMove_ = false;
    QPoint moveOffset_;
};

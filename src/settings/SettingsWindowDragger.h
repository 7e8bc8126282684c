#pragma once
#include <QPoint>
#include <functional>

class QWidget;

// Moves a frameless window while the left button is held after a press on its background: it
// asks the window system to move the window, and where that is not offered, the window follows
// the pointer until the release. Does not own the window.
class SettingsWindowDragger {
public:
    // Starts a move by the window system; false where none is offered.
    using SystemMove = std::function<bool(QWidget& window)>;
    static bool startSystemMove(QWidget& window);

    explicit SettingsWindowDragger(QWidget& window, SystemMove systemMove = &SettingsWindowDragger::startSystemMove);

    // Replaces how the window system is asked (a test can refuse or record it).
    void setSystemMove(SystemMove systemMove) { systemMove_ = std::move(systemMove); }

    void pressOnBackground(const QPoint& globalPos);
    // A pointer move with the left button held; ignored unless the press was on the background.
    void moveWithButton(const QPoint& globalPos);
    void release();

    bool dragging() const { return armed_; }
    bool followingPointer() const { return following_; }

private:
    QWidget& window_;
    SystemMove systemMove_;
    bool armed_ = false;      // pressed on the background, not yet released
    bool systemMoving_ = false;
    bool following_ = false;
    QPoint grab_;             // pointer position relative to the window's top-left corner
};

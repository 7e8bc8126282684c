#pragma once
#include <QPixmap>
#include <QWidget>

// A picture control laid over a window's skin: it draws its picture (or nothing, so the skin
// shows through) and reports presses, moves and releases with the pointer position inside it.
// Moves arrive without a pressed button too, for hover looks. Given a focus policy, once Tab
// has brought the keyboard focus to it, it shows a focus ring and Space or Enter click it (the
// focus a window hands its first control when it opens does not count). It owns only its picture.
class ImageControl : public QWidget {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent = nullptr, int index = -1);

    int index() const { return index_; }
    const QPixmap& picture() const { return picture_; }
    void setPicture(const QPixmap& picture);
    void clearPicture() { setPicture(QPixmap()); }
    bool hasPicture() const { return !picture_.isNull(); }
    // Stretch the picture over the whole control (bars), or draw it at its own size.
    void setStretch(bool stretch);
    // Tab brought the focus here, and it still is here: Space and Enter click the control.
    bool takesKeys() const { return hasFocus() && tabbedTo_; }

Q_SIGNALS:
    void mouseDown(Qt::MouseButton button, int x, int y);
    void mouseMove(Qt::MouseButtons buttons, int x, int y);
    void mouseUp(Qt::MouseButton button, int x, int y);
    // A press and release of the left button over the control.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    QPixmap picture_;
    int index_;
    bool stretch_ = false;
    bool pressedInside_ = false;
    bool tabbedTo_ = false;
};

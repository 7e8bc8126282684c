#pragma once
#include <QLabel>

// A label of a skinned window: transparent over the skin, and the owner of the presses and
// moves over it, so that they never count as presses or moves on the bare background.
class SkinLabel : public QLabel {
    Q_OBJECT
public:
    explicit SkinLabel(const QString& text, QWidget* parent = nullptr);

Q_SIGNALS:
    void mouseDown(Qt::MouseButton button, int x, int y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

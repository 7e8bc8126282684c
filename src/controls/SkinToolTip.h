#pragma once
#include <QColor>
#include <QPainterPath>
#include <QTimer>
#include <QWidget>

// The tooltip window of a SkinButton: text, an optional bold title with a title icon
// (0 none, 1 information, 2 warning, 3 error), its own colours, and either a rounded balloon
// with a pointer or a plain rectangle. Owned by the button (its Qt parent); shows itself after
// the usual delay when armed and hides on `dismiss`.
class SkinToolTip : public QWidget {
    Q_OBJECT
public:
    struct Content {
        QString text;
        QString title;
        int titleIcon = 0;
        bool balloon = false;
        QColor textColor;        // already resolved: the system's or the button's
        QColor backgroundColor;
    };
    SkinToolTip(QWidget* owner, Content content);

    const Content& content() const { return content_; }
    // Starts the show delay; the tip appears near the pointer unless dismissed before.
    void arm(int delayMs = 500);
    // Shows the tip with its pointer at `globalPos` (nothing for an empty text).
    void popUp(const QPoint& globalPos);
    void dismiss();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect bodyRect() const;
    QPainterPath shapePath() const;
    Content content_;
    QTimer delay_;
    static constexpr int kTail = 10;  // height of the balloon's pointer
};

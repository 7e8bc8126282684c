#include "controls/SkinToolTip.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

namespace {
constexpr int kPad = 7;
constexpr int kIcon = 16;

QStyle::StandardPixmap iconFor(int titleIcon)
{
    switch (titleIcon) {
    case 2: return QStyle::SP_MessageBoxWarning;
    case 3: return QStyle::SP_MessageBoxCritical;
    default: return QStyle::SP_MessageBoxInformation;
    }
}

QFont titleFont(QFont f)
{
    f.setBold(true);
    return f;
}
}  // namespace

SkinToolTip::SkinToolTip(QWidget* owner, Content content)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), content_(std::move(content))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    delay_.setSingleShot(true);
    connect(&delay_, &QTimer::timeout, this, [this] { popUp(QCursor::pos() + QPoint(2, 18)); });
}

void SkinToolTip::arm(int delayMs) { delay_.start(delayMs); }

void SkinToolTip::dismiss()
{
    delay_.stop();
    hide();
}

QSize SkinToolTip::sizeHint() const
{
    const QFontMetrics fm(font());
    const QFontMetrics tm(titleFont(font()));
    int w = fm.horizontalAdvance(content_.text);
    int h = fm.height();
    const bool hasTitle = !content_.title.isEmpty() || content_.titleIcon != 0;
    if (hasTitle) {
        w = std::max(w, (content_.titleIcon ? kIcon + 5 : 0) + tm.horizontalAdvance(content_.title));
        h += std::max(tm.height(), content_.titleIcon ? kIcon : 0) + 4;
    }
    return QSize(w + 2 * kPad + 1, h + 2 * kPad - 2 + (content_.balloon ? kTail : 0) + 1);
}

QRect SkinToolTip::bodyRect() const
{
    const QRect r = rect().adjusted(0, 0, -1, -1);
    return content_.balloon ? r.adjusted(0, kTail, 0, 0) : r;
}

QPainterPath SkinToolTip::shapePath() const
{
    const QRectF body = QRectF(bodyRect()).adjusted(0.5, 0.5, 0.5, 0.5);
    QPainterPath shape;
    if (!content_.balloon) {
        shape.addRect(body);
        return shape;
    }
    shape.addRoundedRect(body, 7, 7);
    QPainterPath tail;
    tail.moveTo(body.left() + 12, body.top() + 1);
    tail.lineTo(body.left() + 16, body.top() - kTail + 0.5);
    tail.lineTo(body.left() + 26, body.top() + 1);
    tail.closeSubpath();
    return shape.united(tail).simplified();
}

void SkinToolTip::popUp(const QPoint& globalPos)
{
    if (content_.text.isEmpty())
        return;
    resize(sizeHint());
    // A balloon points at the spot from its upper left part; a rectangle sits just below it.
    move(content_.balloon ? globalPos - QPoint(16, 0) : globalPos);
    // The balloon's rounded corners and pointer come from a mask, which needs no compositor.
    if (content_.balloon) {
        setMask(QRegion(shapePath().toFillPolygon().toPolygon(), Qt::WindingFill));
    } else {
        clearMask();
    }
    show();
    raise();
}

void SkinToolTip::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPainterPath shape = shapePath();
    p.fillRect(rect(), content_.backgroundColor);
    QColor border = content_.textColor;
    border.setAlpha(150);
    p.setPen(QPen(border, 1));
    p.drawPath(shape);

    p.setPen(content_.textColor);
    int y = bodyRect().top() + kPad - 1;
    const int x = bodyRect().left() + kPad;
    if (!content_.title.isEmpty() || content_.titleIcon != 0) {
        const QFontMetrics tm(titleFont(font()));
        int tx = x;
        const int lineH = std::max(tm.height(), content_.titleIcon ? kIcon : 0);
        if (content_.titleIcon) {
            const QIcon icon = style()->standardIcon(iconFor(content_.titleIcon));
            icon.paint(&p, QRect(x, y + (lineH - kIcon) / 2, kIcon, kIcon));
            tx += kIcon + 5;
        }
        p.setFont(titleFont(font()));
        p.drawText(QRect(tx, y, width(), lineH), Qt::AlignLeft | Qt::AlignVCenter, content_.title);
        y += lineH + 4;
    }
    p.setFont(font());
    p.drawText(QRect(x, y, width() - x, QFontMetrics(font()).height()), Qt::AlignLeft | Qt::AlignVCenter,
               content_.text);
}

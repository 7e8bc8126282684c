#include "controls/ButtonRenderer.h"

#include <QPainter>

int adjustDrawState(int drawState, const SkinButtonProperties& props, bool enabled)
{
    if (props.buttonType == 1 && props.value)
        drawState = DrawState::Pressed;
    if (!enabled || !props.enabled)
        drawState = DrawState::Disabled;
    return drawState;
}

int captionFormat(int captionAlign)
{
    switch (captionAlign) {
    case 1: return 0x24;
    case 2: return 0x26;
    case 3: return 0x21;
    case 4: return 0x29;
    default: return 0x25;
    }
}

int captionQtFlags(int captionAlign)
{
    const int f = captionFormat(captionAlign);
    int flags = Qt::TextSingleLine;
    flags |= (f & 0x1) ? Qt::AlignHCenter : (f & 0x2) ? Qt::AlignRight : Qt::AlignLeft;
    flags |= (f & 0x4) ? Qt::AlignVCenter : (f & 0x8) ? Qt::AlignBottom : Qt::AlignTop;
    return flags;
}

QPoint iconOrigin(int iconAlign, int W, int H, int S, int M)
{
    const int cx = roundHalfEvenToInt((W - S) / 2.0), cy = roundHalfEvenToInt((H - S) / 2.0);
    switch (iconAlign) {
    case 1: return {M, cy};
    case 2: return {W - S - M, cy};
    case 3: return {cx, M};
    case 4: return {cx, H - S - M};
    default: return {cx, cy};
    }
}

QColor captionColor(const SkinButtonProperties& props, int drawState, const QPalette& palette)
{
    if (drawState == DrawState::Disabled)
        return systemColor(palette, SysColor::GrayText);
    if (!props.useCustomColors)
        return systemColor(palette, SysColor::ButtonText);
    return (drawState == DrawState::Normal ? props.fontColor : props.fontHighlightColor).resolve(palette);
}

namespace {

void paintIcon(QImage& surface, const SkinButtonProperties& p, int style, int drawState)
{
    if (p.icon.isNull() || !p.iconVisible || p.iconSize <= 0)
        return;
    const int S = p.iconSize;
    const QImage icon = p.icon.scaled(S, S, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPoint at = iconOrigin(p.iconAlign, surface.width(), surface.height(), S, iconMargin(style));
    if (drawState == DrawState::Pressed)
        at += QPoint(1, 1);
    if (style == 4 && drawState == DrawState::Hot) {
        // The hot icon floats above a grey shadow of itself.
        {
            QPainter painter(&surface);
            painter.drawImage(at, icon);
        }
        const QRgb ground = surface.pixel(1, 1);
        const QRect square = QRect(at, QSize(S, S)) & surface.rect();
        for (int y = square.top(); y <= square.bottom(); ++y)
            for (int x = square.left(); x <= square.right(); ++x)
                if (surface.pixel(x, y) != ground)
                    surface.setPixel(x, y, qRgb(128, 128, 128));
        at -= QPoint(2, 2);
    }
    QPainter painter(&surface);
    painter.drawImage(at, icon);
}

}  // namespace

void paintKeyboardFocusRing(QImage& face, const QColor& color)
{
    if (face.width() < 8 || face.height() < 8)
        return;
    QPainter painter(&face);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    const QRect outer = face.rect().adjusted(2, 2, -2, -2);
    const QRect inner = outer.adjusted(2, 2, -2, -2);
    painter.drawRect(QRect(outer.left(), outer.top(), outer.width(), 2));
    painter.drawRect(QRect(outer.left(), inner.bottom() + 1, outer.width(), 2));
    painter.drawRect(QRect(outer.left(), inner.top(), 2, inner.height()));
    painter.drawRect(QRect(inner.right() + 1, inner.top(), 2, inner.height()));
}

ButtonRender renderButton(const SkinButtonProperties& props, QSize size, const ButtonPaintState& state,
                          const QPalette& palette, const ThemedFacePainter& themed)
{
    ButtonRender out;
    out.drawState = adjustDrawState(state.drawState, props, state.enabled);
    out.image = QImage(size, QImage::Format_RGB32);
    FaceCanvas canvas(out.image);
    const int style = props.style;
    if (style == 6) {
        canvas.fill(systemColor(palette, SysColor::ButtonFace));
        out.themeFailed = !themed || !themed(out.image, out.drawState, state.hasFocus);
        if (out.themeFailed)
            canvas.fill(systemColor(palette, SysColor::ButtonFace));
    } else {
        FaceInput in;
        in.style = style;
        in.drawState = out.drawState;
        in.hasFocus = state.hasFocus;
        in.useCustomColors = props.useCustomColors;
        in.backColor = props.backColor;
        in.highlightColor = props.highlightColor;
        in.palette = palette;
        paintButtonFace(canvas, in);
    }
    // Styles 5 and 10 show focus in their own faces; the rest take the dotted rectangle.
    if (props.showFocus && state.hasFocus && style != 5 && style != 10 && !out.themeFailed)
        paintFocusRect(canvas, 3, systemColor(palette, SysColor::ButtonText));

    if (!props.caption.isEmpty()) {
        QPainter painter(&out.image);
        painter.setFont(props.font);
        painter.setPen(captionColor(props, out.drawState, palette));
        const QRect captionRect(QPoint(4, 4), QPoint(size.width() - 5, size.height() - 5));
        painter.drawText(captionRect, captionQtFlags(props.captionAlign), props.caption);
    }
    paintIcon(out.image, props, style, out.drawState);
    if (state.keyboardFocus && out.drawState != DrawState::Disabled)
        paintKeyboardFocusRing(out.image, systemColor(palette, SysColor::Highlight));
    return out;
}

#include "controls/ButtonFaces.h"

#include "controls/ButtonRegion.h"

namespace {

QColor rgb(int r, int g, int b) { return QColor(r, g, b); }

QColor blend(const QColor& a, const QColor& b, double t)
{
    const auto mix = [t](int x, int y) { return roundHalfEvenToInt(x + (y - x) * t); };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

// --- Style 5: fixed colours -------------------------------------------------------------------

void classicBorderAndCorners(FaceCanvas& c, int W, int H)
{
    const QColor border = rgb(0, 60, 116);
    c.line(1, 0, W - 1, 0, border);
    c.line(0, 1, 0, H - 1, border);
    c.line(W - 1, 1, W - 1, H - 1, border);
    c.line(1, H - 1, W - 1, H - 1, border);
    for (const QPoint p : {QPoint(1, 1), QPoint(1, H - 2), QPoint(W - 2, 1), QPoint(W - 2, H - 2)})
        c.pixel(p.x(), p.y(), rgb(72, 110, 144));
    for (const QPoint p : {QPoint(0, 1), QPoint(1, 0), QPoint(1, H - 1), QPoint(0, H - 2), QPoint(W - 1, H - 2),
                           QPoint(W - 2, H - 1), QPoint(W - 2, 0), QPoint(W - 1, 1)})
        c.pixel(p.x(), p.y(), rgb(106, 139, 162));
    for (const QPoint p : {QPoint(1, 2), QPoint(2, 1), QPoint(2, H - 2), QPoint(1, H - 3), QPoint(W - 2, H - 3),
                           QPoint(W - 3, H - 2), QPoint(W - 3, 1), QPoint(W - 2, 2)})
        c.pixel(p.x(), p.y(), rgb(191, 199, 202));
}

// The four inner lines and the two side gradients of the hot and the focused looks.
void classicOverlay(FaceCanvas& c, int W, int H, QColor row1, QColor row2, QColor rowH3, QColor rowH2)
{
    c.line(2, 1, W - 2, 1, row1);
    c.line(2, 2, W - 2, 2, row2);
    c.line(2, H - 3, W - 2, H - 3, rowH3);
    c.line(2, H - 2, W - 2, H - 2, rowH2);
    c.rowsGradient(row2, rowH3, 1, 2, 3, H - 5);
    c.rowsGradient(row2, rowH3, W - 3, 2, W - 1, H - 5);
}

// --- Edges of styles 0 to 2 ----------------------------------------------------------------------

struct EdgeColors {
    QColor topLeft, bottomRight;
};

void edgeRing(FaceCanvas& c, int inset, const EdgeColors& e)
{
    const int W = c.width(), H = c.height();
    const int l = inset, t = inset, r = W - 1 - inset, b = H - 1 - inset;
    c.line(l, t, r, t, e.topLeft);
    c.line(l, t, l, b, e.topLeft);
    c.line(l, b, r + 1, b, e.bottomRight);
    c.line(r, t, r, b, e.bottomRight);
}

struct SystemShades {
    QColor light, midlight, dark, shadow;
    explicit SystemShades(const QPalette& p)
        : light(systemColor(p, SysColor::ButtonHighlight)), midlight(systemColor(p, SysColor::ButtonLight)),
          dark(systemColor(p, SysColor::ButtonShadow)), shadow(systemColor(p, SysColor::DarkShadow))
    {
    }
    EdgeColors raisedOuter() const { return {midlight, shadow}; }
    EdgeColors raisedInner() const { return {light, dark}; }
    EdgeColors sunkenOuter() const { return {dark, light}; }
    EdgeColors sunkenInner() const { return {shadow, midlight}; }
};

// Face colour of the edge styles: system face, or BackColor in the normal state and
// HighlightColor otherwise (style 1 keeps BackColor when disabled).
QColor edgeFace(const FaceInput& in)
{
    if (!in.useCustomColors)
        return systemColor(in.palette, SysColor::ButtonFace);
    const bool back = in.drawState == DrawState::Normal || (in.style == 1 && in.drawState == DrawState::Disabled);
    return (back ? in.backColor : in.highlightColor).resolve(in.palette);
}

void paintEdgeStyle(FaceCanvas& c, const FaceInput& in)
{
    const SystemShades s(in.palette);
    c.fill(edgeFace(in));
    const int st = in.drawState;
    if (in.style == 0) {
        if (st == DrawState::Pressed) {
            edgeRing(c, 0, s.sunkenOuter());
            edgeRing(c, 1, s.sunkenInner());
        } else {
            edgeRing(c, 0, s.raisedOuter());
            edgeRing(c, 1, s.raisedInner());
        }
    } else if (in.style == 1) {
        if (st == DrawState::Pressed)
            edgeRing(c, 0, s.sunkenOuter());
        else if (st == DrawState::Disabled)
            c.outline(0, 0, c.width() - 1, c.height() - 1, s.dark);
        else
            edgeRing(c, 0, s.raisedInner());
    } else {  // style 2: flat until hovered
        if (st == DrawState::Hot)
            edgeRing(c, 0, s.raisedInner());
        else if (st == DrawState::Pressed)
            edgeRing(c, 0, s.sunkenOuter());
    }
}

// --- Our flat styles 3 and 4 ---------------------------------------------------------------------

QColor faceOf(const FaceInput& in)
{
    return in.useCustomColors ? in.backColor.resolve(in.palette) : systemColor(in.palette, SysColor::ButtonFace);
}
QColor accentOf(const FaceInput& in)
{
    return in.useCustomColors ? in.highlightColor.resolve(in.palette) : systemColor(in.palette, SysColor::Highlight);
}

void paintFlatStyle(FaceCanvas& c, const FaceInput& in)
{
    const int W = c.width(), H = c.height();
    const QColor base = faceOf(in), accent = accentOf(in);
    QColor fill = base, border = shade(base, -70);
    bool drawBorder = true;
    switch (in.drawState) {
    case DrawState::Hot: fill = blend(base, accent, in.style == 3 ? 0.18 : 0.25); border = accent; break;
    case DrawState::Pressed: fill = blend(base, accent, in.style == 3 ? 0.35 : 0.45); border = shade(accent, -30); break;
    case DrawState::Disabled: border = shade(base, -35); drawBorder = in.style == 3; break;
    default: drawBorder = in.style == 3; break;
    }
    c.fill(fill);
    if (in.style == 3 && in.drawState != DrawState::Pressed)
        c.rowsGradient(shade(fill, 14), shade(fill, -8), 1, 1, W - 1, H - 3);
    if (drawBorder)
        c.outline(0, 0, W - 1, H - 1, border);
}

// --- Styles 5 (custom colours), 7, 8, 9 and 10 ------------------------------------------------

void paintCustomStyle5(FaceCanvas& c, const FaceInput& in)
{
    const int W = c.width(), H = c.height();
    const QColor back = in.backColor.resolve(in.palette), hi = in.highlightColor.resolve(in.palette);
    if (in.drawState == DrawState::Disabled) {
        c.fill(shade(back, 10));
        c.outline(0, 0, W - 1, H - 1, shade(back, -45));
        return;
    }
    if (in.drawState == DrawState::Pressed) {
        c.rowsGradient(shade(back, -30), shade(back, -12), 2, 1, W - 1, 4);
        c.rowsGradient(shade(back, -12), shade(back, -13), 2, 4, W - 1, H - 8);
        c.rowsGradient(shade(back, -13), shade(back, 2), 3, H - 4, W - 1, 3);
        c.rowsGradient(shade(back, -22), shade(back, -13), 1, 3, 2, H - 5);
    } else {
        c.rowsGradient(shade(back, 12), back, 1, 1, W - 2, 4);
        c.rowsGradient(shade(back, 10), shade(back, -3), 1, 4, W - 2, H - 8);
        c.rowsGradient(shade(back, -8), shade(back, -40), 1, H - 4, W - 2, 3);
        c.rowsGradient(shade(back, 8), shade(back, -20), W - 3, 3, W - 2, H - 5);
        c.rowsGradient(shade(back, 2), shade(back, -30), W - 2, 3, W - 1, H - 5);
    }
    const QColor border = shade(back, -140);
    c.outline(0, 0, W - 1, H - 1, border);
    for (const QPoint p : {QPoint(1, 1), QPoint(1, H - 2), QPoint(W - 2, 1), QPoint(W - 2, H - 2)})
        c.pixel(p.x(), p.y(), shade(back, -100));
    if (in.drawState == DrawState::Hot)
        classicOverlay(c, W, H, shade(hi, 90), shade(hi, 60), shade(hi, 10), shade(hi, -15));
    else if (in.drawState == DrawState::Normal && in.hasFocus)
        classicOverlay(c, W, H, shade(hi, 110), shade(hi, 85), shade(hi, 45), shade(hi, 20));
}

// The state colour of the shaded styles: BackColor, drawn towards HighlightColor when hot or pressed.
QColor stateColor(const FaceInput& in)
{
    const QColor back = in.backColor.resolve(in.palette), hi = in.highlightColor.resolve(in.palette);
    switch (in.drawState) {
    case DrawState::Hot: return blend(back, hi, 0.35);
    case DrawState::Pressed: return blend(back, hi, 0.55);
    case DrawState::Disabled: return shade(back, 12);
    default: return back;
    }
}

// Draws a border colour at both ends of every row span and across the first and last rows.
void spanBorder(FaceCanvas& c, const QList<QPair<int, int>>& spans, const QColor& color)
{
    const int H = c.height();
    for (int y = 0; y < H; ++y) {
        const auto [l, r] = spans[y];
        if (r <= l)
            continue;
        if (y == 0 || y == H - 1) {
            c.line(l, y, r, y, color);
            continue;
        }
        // Widen the ends where the neighbouring rows step in, so chamfers and curves stay closed.
        const auto [pl, pr] = spans[y - 1];
        const auto [nl, nr] = spans[y + 1];
        c.line(l, y, std::max(l, std::max(pl, nl) - 1) + 1, y, color);
        c.line(std::min(r - 1, std::min(pr, nr)), y, r, y, color);
    }
}

void paintShadedStyle(FaceCanvas& c, const FaceInput& in)
{
    const int W = c.width(), H = c.height();
    const QColor s = stateColor(in);
    const bool pressed = in.drawState == DrawState::Pressed, disabled = in.drawState == DrawState::Disabled;
    const auto spans = regionRowSpans(buttonRegion(in.style, W, H), H);
    c.fill(s);
    const int mid = H / 2;
    if (in.style == 7) {
        if (pressed) {
            c.rowsGradient(shade(s, -20), shade(s, -5), 1, 1, W - 1, mid - 1);
            c.rowsGradient(shade(s, 0), shade(s, 18), 1, mid, W - 1, H - mid - 2);
        } else {
            c.rowsGradient(shade(s, 38), shade(s, 18), 1, 1, W - 1, mid - 1);
            c.rowsGradient(shade(s, 2), shade(s, -18), 1, mid, W - 1, H - mid - 2);
        }
        spanBorder(c, spans, shade(s, disabled ? -40 : -95));
        if (!pressed && !disabled)
            c.line(2, 1, W - 2, 1, shade(s, 60));
    } else if (in.style == 8) {
        c.rowsGradient(shade(s, pressed ? -18 : 26), shade(s, pressed ? -6 : 10), 0, 0, W, mid - 1);
        c.rowsGradient(shade(s, pressed ? 0 : -4), shade(s, pressed ? 12 : -26), 0, mid, W, H - mid - 1);
        spanBorder(c, spans, shade(s, disabled ? -40 : -85));
    } else {  // style 9: one long gradient with a light top edge
        c.rowsGradient(shade(s, pressed ? -25 : 45), shade(s, pressed ? 15 : -30), 0, 0, W, H - 1);
        spanBorder(c, spans, shade(s, disabled ? -40 : -100));
        if (!disabled)
            c.line(3, 1, W - 3, 1, shade(s, pressed ? -35 : 70));
    }
}

void paintRoundedStyle(FaceCanvas& c, const FaceInput& in)
{
    const int W = c.width(), H = c.height();
    const auto spans = regionRowSpans(buttonRegion(10, W, H), H);
    const bool blue = in.drawState == DrawState::Hot || (in.hasFocus && in.drawState != DrawState::Pressed);
    QColor top, bottom, border;
    if (in.drawState == DrawState::Pressed) {
        top = rgb(196, 218, 240), bottom = rgb(170, 198, 228), border = rgb(106, 155, 204);
    } else if (blue) {
        top = rgb(242, 248, 254), bottom = rgb(212, 230, 248), border = rgb(106, 166, 226);
    } else if (in.drawState == DrawState::Disabled) {
        top = rgb(250, 250, 250), bottom = rgb(245, 245, 245), border = rgb(205, 205, 205);
    } else {
        top = rgb(254, 254, 254), bottom = rgb(232, 232, 232), border = rgb(160, 160, 160);
    }
    c.fill(bottom);
    c.rowsGradient(top, bottom, 0, 0, W, H - 1);
    spanBorder(c, spans, border);
    if (blue && in.drawState != DrawState::Disabled)  // a soft inner ring on the blue looks
        c.line(spans.value(1).first + 2, 1, spans.value(1).second - 2, 1, rgb(255, 255, 255));
}

}  // namespace

void paintClassicStyle5(FaceCanvas& c, int drawState, bool hasFocus)
{
    const int W = c.width(), H = c.height();
    if (drawState == DrawState::Disabled) {
        c.fill(rgb(245, 244, 234));
        c.outline(0, 0, W - 1, H - 1, rgb(201, 199, 186));
        for (const QPoint p : {QPoint(0, 1), QPoint(1, 1), QPoint(1, 0), QPoint(0, H - 2), QPoint(1, H - 2),
                               QPoint(1, H - 1), QPoint(W - 1, 1), QPoint(W - 2, 1), QPoint(W - 2, 0),
                               QPoint(W - 1, H - 2), QPoint(W - 2, H - 2), QPoint(W - 2, H - 1)})
            c.pixel(p.x(), p.y(), rgb(216, 213, 199));
        return;
    }
    if (drawState == DrawState::Pressed) {
        c.rowsGradient(rgb(209, 204, 193), rgb(228, 227, 220), 2, 1, W - 1, 4);
        c.rowsGradient(rgb(228, 227, 220), rgb(227, 226, 219), 2, 4, W - 1, H - 8);
        c.rowsGradient(rgb(227, 226, 219), rgb(242, 241, 238), 3, H - 4, W - 1, 3);
        c.rowsGradient(rgb(218, 216, 206), rgb(227, 226, 219), 1, 3, 2, H - 5);
        c.rowsGradient(rgb(218, 216, 206), rgb(227, 226, 219), 2, 4, 3, H - 7);
        classicBorderAndCorners(c, W, H);
        return;
    }
    c.rowsGradient(rgb(252, 252, 251), rgb(240, 240, 240), 1, 1, W - 2, 4);
    c.rowsGradient(rgb(250, 250, 249), rgb(240, 240, 234), 1, 4, W - 2, H - 8);
    c.rowsGradient(rgb(235, 235, 230), rgb(214, 208, 197), 1, H - 4, W - 2, 3);
    c.rowsGradient(rgb(251, 251, 250), rgb(228, 226, 218), W - 3, 3, W - 2, H - 5);
    c.rowsGradient(rgb(245, 244, 242), rgb(219, 215, 205), W - 2, 3, W - 1, H - 5);
    classicBorderAndCorners(c, W, H);
    if (drawState == DrawState::Hot)
        classicOverlay(c, W, H, rgb(255, 240, 207), rgb(253, 216, 137), rgb(248, 179, 48), rgb(229, 151, 16));
    else if (hasFocus)
        classicOverlay(c, W, H, rgb(206, 231, 255), rgb(188, 212, 246), rgb(137, 173, 228), rgb(105, 130, 238));
}

void paintButtonFace(FaceCanvas& c, const FaceInput& in)
{
    c.fill(systemColor(in.palette, SysColor::ButtonFace));
    switch (in.style) {
    case 0:
    case 1:
    case 2: paintEdgeStyle(c, in); break;
    case 3:
    case 4: paintFlatStyle(c, in); break;
    case 5:
        if (in.useCustomColors)
            paintCustomStyle5(c, in);
        else
            paintClassicStyle5(c, in.drawState, in.hasFocus);
        break;
    case 7:
    case 8:
    case 9: paintShadedStyle(c, in); break;
    case 10: paintRoundedStyle(c, in); break;
    default: break;
    }
}

void paintFocusRect(FaceCanvas& c, int inset, const QColor& color)
{
    const int l = inset, t = inset, r = c.width() - 1 - inset, b = c.height() - 1 - inset;
    if (r <= l || b <= t)
        return;
    for (int x = l; x <= r; x += 2) {
        c.pixel(x, t, color);
        c.pixel(x, b, color);
    }
    for (int y = t; y <= b; y += 2) {
        c.pixel(l, y, color);
        c.pixel(r, y, color);
    }
}

int iconMargin(int style)
{
    switch (style) {
    case 5:
    case 7: return 5;
    case 9:
    case 10: return 7;
    default: return 4;
    }
}

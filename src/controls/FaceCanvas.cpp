#include "controls/FaceCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

int roundHalfEvenToInt(double v)
{
    const double r = std::round(v);
    if (std::fabs(v - std::trunc(v)) == 0.5)  // a tie: take the even neighbour
        return static_cast<int>(2.0 * std::round(v / 2.0));
    return static_cast<int>(r);
}

QColor shade(const QColor& c, int d)
{
    const auto ch = [d](int v) { return std::clamp(v + d, 0, 255); };
    return QColor(ch(c.red()), ch(c.green()), ch(c.blue()));
}

void FaceCanvas::fill(const QColor& c) { image_.fill(c.rgb()); }

void FaceCanvas::pixel(int x, int y, const QColor& c)
{
    if (x >= 0 && y >= 0 && x < image_.width() && y < image_.height())
        image_.setPixel(x, y, c.rgb());
}

void FaceCanvas::line(int x1, int y1, int x2, int y2, const QColor& c)
{
    // Bresenham, stopping one step before the end point.
    const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    int x = x1, y = y1;
    while (x != x2 || y != y2) {
        pixel(x, y, c);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void FaceCanvas::rowsGradient(const QColor& a, const QColor& b, int x1, int y1, int x2, int n)
{
    for (int i = 0; i <= n; ++i) {
        const double t = n == 0 ? 0.0 : static_cast<double>(i) / n;
        const auto mix = [t](int from, int to) { return roundHalfEvenToInt(from + (to - from) * t); };
        line(x1, y1 + i, x2, y1 + i,
             QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue())));
    }
}

void FaceCanvas::outline(int x, int y, int w, int h, const QColor& c)
{
    line(x, y, x + w, y, c);
    line(x + w, y, x + w, y + h, c);
    line(x + w, y + h, x, y + h, c);
    line(x, y + h, x, y, c);
}

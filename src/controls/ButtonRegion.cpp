#include "controls/ButtonRegion.h"

#include <algorithm>
#include <cmath>
#include <vector>

QRegion polygonRegion(const QList<QPoint>& points, int h)
{
    QRegion region;
    const qsizetype n = points.size();
    for (int y = 0; y < h; ++y) {
        std::vector<double> xs;
        for (qsizetype i = 0; i < n; ++i) {
            const QPoint a = points[i], b = points[(i + 1) % n];
            if (a.y() == b.y())
                continue;
            const int lo = std::min(a.y(), b.y()), hi = std::max(a.y(), b.y());
            if (y < lo || y >= hi)  // half-open in y, so a shared vertex counts once
                continue;
            xs.push_back(a.x() + static_cast<double>(y - a.y()) * (b.x() - a.x()) / (b.y() - a.y()));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t i = 0; i + 1 < xs.size(); i += 2) {
            const int left = static_cast<int>(std::ceil(xs[i]));
            const int right = static_cast<int>(std::ceil(xs[i + 1]));
            if (right > left)
                region += QRect(left, y, right - left, 1);
        }
    }
    return region;
}

namespace {

// CreateRoundRectRgn-like: the rectangle (0, 0, rw, rh) with quarter circles of radius r.
QRegion roundedRegion(int rw, int rh, int r, int w, int h)
{
    QRegion region;
    for (int y = 0; y < std::min(rh, h); ++y) {
        double dy = 0;
        if (y < r)
            dy = r - (y + 0.5);
        else if (y >= rh - r)
            dy = (y + 0.5) - (rh - r);
        int left = 0;
        if (dy > 0)
            left = static_cast<int>(std::ceil(r - std::sqrt(std::max(0.0, double(r) * r - dy * dy)) - 0.5));
        const int right = std::min(rw - left, w);
        if (right > left)
            region += QRect(left, y, right - left, 1);
    }
    return region;
}

}  // namespace

QRegion buttonRegion(int style, int w, int h)
{
    switch (style) {
    case 5:
    case 7:
        return polygonRegion({{0, 1}, {1, 0}, {w - 1, 0}, {w, 1}, {w, h - 2}, {w - 2, h}, {2, h}, {0, h - 2}}, h);
    case 8:
    case 9:
        return polygonRegion({{0, 2}, {2, 0}, {w - 3, 0}, {w, 3}, {w, h - 3}, {w - 3, h}, {4, h}, {0, h - 4}}, h);
    case 10:
        return roundedRegion(w + 1, h + 1, 9, w, h);
    default:
        return QRegion(0, 0, w, h);
    }
}

QList<QPair<int, int>> regionRowSpans(const QRegion& region, int h)
{
    QList<QPair<int, int>> spans;
    const QRect bounds = region.boundingRect();
    for (int y = 0; y < h; ++y) {
        const QRect row = (region & QRect(bounds.left(), y, std::max(bounds.width(), 1), 1)).boundingRect();
        spans.append(row.isEmpty() ? qMakePair(0, 0) : qMakePair(row.left(), row.right() + 1));
    }
    return spans;
}

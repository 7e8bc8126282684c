#pragma once
#include <QList>
#include <QPoint>
#include <QRegion>

// The window region of a button of `style` and size w x h: the cut-corner polygons of styles
// 5 and 7 and of 8 and 9, the rounded rectangle of style 10, else the whole rectangle.
QRegion buttonRegion(int style, int w, int h);

// The region of a polygon filled with the alternate (even-odd) rule, sampled at each pixel's
// top-left corner with the right and bottom edges left out, as a window region is built.
QRegion polygonRegion(const QList<QPoint>& points, int h);

// The filled span [left, right) of each row 0..h-1 of a region that is one span per row (all the
// button regions are); rows outside the region give an empty span.
QList<QPair<int, int>> regionRowSpans(const QRegion& region, int h);

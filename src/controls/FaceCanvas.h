#pragma once
#include <QColor>
#include <QImage>

// Rounds to the nearest integer, ties to the even neighbour.
int roundHalfEvenToInt(double v);

// Each channel plus d, clamped to 0..255.
QColor shade(const QColor& c, int d);

// The pixel primitives the button faces are drawn with, straight onto an RGB32 image (no
// antialiasing, nothing outside the image). Does not own the image.
class FaceCanvas {
public:
    explicit FaceCanvas(QImage& image) : image_(image) {}

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }

    void fill(const QColor& c);
    void pixel(int x, int y, const QColor& c);
    // A one-pixel line from (x1, y1) towards (x2, y2); the end point itself is not drawn.
    void line(int x1, int y1, int x2, int y2, const QColor& c);
    // Rows i = 0..n: line (x1, y1 + i) -> (x2, y1 + i) in a + (b - a) * i / n per channel,
    // rounded half to even. n < 0 draws nothing; n = 0 draws one row in colour a.
    void rowsGradient(const QColor& a, const QColor& b, int x1, int y1, int x2, int n);
    // Lines (x, y) -> (x + w, y) -> (x + w, y + h) -> (x, y + h) -> (x, y).
    void outline(int x, int y, int w, int h, const QColor& c);

private:
    QImage& image_;
};

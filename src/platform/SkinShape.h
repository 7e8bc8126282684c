#pragma once
#include <QImage>
#include <QRegion>

// The shape of a skinned window: every pixel of its background picture that is not magenta
// RGB(255, 0, 255). An empty region for a null picture.
QRegion skinRegion(const QImage& skin);

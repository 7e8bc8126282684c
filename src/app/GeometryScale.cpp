#include "app/GeometryScale.h"

#include <cmath>

float twipsPerPixel(double logicalDpi)
{
    return logicalDpi > 0 ? static_cast<float>(1440.0 / logicalDpi) : 15.0f;
}

float scaleTwips(float twips, float units)
{
    return twips * units / 15.0f;
}

namespace {
// Designed pixels -> designed twips -> converted twips -> screen pixels.
int convert(int designPx, float units)
{
    const float twips = scaleTwips(static_cast<float>(designPx) * 15.0f, units);
    return static_cast<int>(std::lround(twips / units));
}
}

QRect convertDesignRect(const QRect& designPx, float unitsX, float unitsY, bool scaleSize)
{
    const int x = convert(designPx.x(), unitsX);
    const int y = convert(designPx.y(), unitsY);
    const int w = scaleSize ? convert(designPx.width(), unitsX) : designPx.width();
    const int h = scaleSize ? convert(designPx.height(), unitsY) : designPx.height();
    return {x, y, w, h};
}

double convertFontPoints(double designPoints, float unitsX)
{
    return designPoints * unitsX / 15.0f;
}

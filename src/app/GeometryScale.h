#pragma once
#include <QRect>

// Layouts are designed in twips (1/1440 inch), 15 to a pixel at 96 dots per inch. Converting a
// designed value for a screen with `units` twips per pixel multiplies it by units / 15 in single
// precision, so that every control keeps its designed pixel size at any density.

// Twips per pixel of a screen with the given logical dots per inch (15 at 96, 12 at 120).
float twipsPerPixel(double logicalDpi);

// A designed twips value converted for a screen with `units` twips per pixel.
float scaleTwips(float twips, float units);

// The pixel rectangle on screen of a control designed at `designPx` (pixels at 15 twips per
// pixel), after the left/top (and, when `scaleSize`, width/height) conversion.
QRect convertDesignRect(const QRect& designPx, float unitsX, float unitsY, bool scaleSize);

// A designed font size in points converted with the horizontal factor, keeping its pixel height.
double convertFontPoints(double designPoints, float unitsX);

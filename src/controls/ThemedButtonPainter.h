#pragma once
#include "controls/ButtonRenderer.h"

class QStyle;
class QWidget;

// The face of style 6 drawn by a Qt style as a push-button bevel, with the hover, sunken,
// disabled and focus/default states of the draw state. Fails (returns false) when there is no
// style to draw with or the surface cannot be painted on. `widget` may be null; it is not owned
// and must outlive the painter (the button passes itself).
ThemedFacePainter styleFacePainter(const QWidget* widget, const QStyle* fixedStyle = nullptr);

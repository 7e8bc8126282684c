#pragma once
#include "controls/ButtonColor.h"
#include "controls/FaceCanvas.h"

#include <QPalette>

// The draw states of a button face.
namespace DrawState {
constexpr int Normal = 1;
constexpr int Hot = 2;
constexpr int Pressed = 3;
constexpr int Disabled = 4;
}

// What a face painter needs: the style, the state and the colour sources.
struct FaceInput {
    int style = 5;
    int drawState = DrawState::Normal;
    bool hasFocus = false;
    bool useCustomColors = false;
    ButtonColor backColor = ButtonColor::system(SysColor::ButtonFace);
    ButtonColor highlightColor = ButtonColor::system(SysColor::Highlight);
    QPalette palette;
};

// Paints the face of every style but 6 (the themed one, drawn by the window layer) over the
// whole canvas, starting with the clear. Unknown styles paint the cleared face only.
void paintButtonFace(FaceCanvas& canvas, const FaceInput& in);

// The fixed-colour face of style 5 without custom colours, drawn over a cleared canvas.
void paintClassicStyle5(FaceCanvas& canvas, int drawState, bool hasFocus);

// A one-pixel dotted focus rectangle inside the face, every other pixel in `color`.
void paintFocusRect(FaceCanvas& canvas, int inset, const QColor& color);

// Margin between the face's edge and an icon aligned to it.
int iconMargin(int style);

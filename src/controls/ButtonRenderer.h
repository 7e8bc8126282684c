#pragma once
#include "controls/ButtonFaces.h"
#include "controls/SkinButtonProperties.h"

#include <QImage>
#include <QPalette>
#include <QPoint>
#include <functional>

// Paints the themed face of style 6 over the cleared surface for a draw state (and focus);
// returns false when no themed drawing is possible.
using ThemedFacePainter = std::function<bool(QImage& surface, int drawState, bool hasFocus)>;

// The state a paint starts from.
struct ButtonPaintState {
    int drawState = DrawState::Normal;
    bool hasFocus = false;
    bool enabled = true;  // the control's window is enabled
    // The keyboard brought the focus here (Tab): the face shows the keyboard focus ring.
    bool keyboardFocus = false;
};

// The result of one paint: the face, and whether style 6 found no themed drawing.
struct ButtonRender {
    QImage image;
    int drawState = DrawState::Normal;  // after the paint-time adjustment
    bool themeFailed = false;
};

// The paint-time adjustment: a checked check button shows pressed, a disabled control disabled.
int adjustDrawState(int drawState, const SkinButtonProperties& props, bool enabled);

// The text layout flags of a caption alignment: 0x25, 0x24, 0x26, 0x21, 0x29 (unknown: 0x25).
int captionFormat(int captionAlign);
// The same layout as Qt alignment and text flags.
int captionQtFlags(int captionAlign);

// Top-left corner of an S x S icon in a W x H face with margin M, halves rounded to even.
QPoint iconOrigin(int iconAlign, int W, int H, int S, int M);

// The caption colour for the state, by the custom-colour rules.
QColor captionColor(const SkinButtonProperties& props, int drawState, const QPalette& palette);

// The keyboard focus ring: a two-pixel frame in `color`, two pixels inside the face's edge, over
// whatever the face shows (every style, caption and icon included). A face under 8 x 8 is left
// as it is.
void paintKeyboardFocusRing(QImage& face, const QColor& color);

// Paints a whole button of `size`: the adjusted state's face, the caption, the icon. For style 6
// it calls `themed` (a missing painter counts as failure) and reports a failure in the result,
// showing only the cleared face then. A keyboard focus adds the focus ring in the highlight colour
// unless the button is disabled.
ButtonRender renderButton(const SkinButtonProperties& props, QSize size, const ButtonPaintState& state,
                          const QPalette& palette, const ThemedFacePainter& themed = {});

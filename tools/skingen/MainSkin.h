// The main window's background and the hover/pressed variants of its controls. Every variant is
// a full render of the same background with one control lit, so a cropped hover picture always
// matches the pixels around it.
#pragma once

#include <QImage>
#include <QRect>

#include <array>

namespace skin::mainwin {

inline constexpr int width = 765;
inline constexpr int height = 565;

// Overlay rectangles of the main window (left, top, width, height).
inline constexpr QRect exitRect{729, 12, 22, 22};
inline constexpr QRect minRect{704, 12, 22, 22};
inline constexpr QRect openDocRect{146, 220, 31, 36};
inline constexpr std::array<QRect, 4> menuRects{
    {{18, 42, 48, 18}, {71, 42, 56, 18}, {132, 42, 68, 18}, {206, 42, 62, 18}}};
// Panel buttons by index; index 3 is never shown and has no place in the background.
inline constexpr std::array<QRect, 8> panelRects{{{24, 65, 37, 32},
                                                  {66, 65, 37, 32},
                                                  {128, 65, 37, 32},
                                                  {},
                                                  {171, 65, 37, 32},
                                                  {230, 65, 37, 32},
                                                  {277, 65, 37, 32},
                                                  {319, 65, 37, 32}}};
inline constexpr std::array<QRect, 7> transportRects{{{20, 483, 34, 32},
                                                      {64, 483, 34, 32},
                                                      {108, 483, 34, 32},
                                                      {152, 483, 34, 32},
                                                      {196, 483, 34, 32},
                                                      {240, 483, 34, 32},
                                                      {643, 483, 108, 32}}};
inline constexpr QRect timelineRect{10, 104, 746, 360};
inline constexpr QRect feedbackRect{648, 538, 83, 17};

// Which control, if any, is drawn lit.
struct Look
{
    enum class Hot { None, Exit, Min, OpenDoc, Menu, Panel, Transport };
    Hot hot = Hot::None;
    int index = 0;        // for Menu, Panel and Transport
    bool pressed = false; // Transport only: the pressed rather than the hover look
    bool gettingStarted = true; // false leaves the timeline card empty
};

// Renders the whole 765 x 565 window picture, magenta outside its rounded shape; `scale` 2
// draws it at double density (1530 x 1130 pixels, device pixel ratio 2).
QImage render(const Look &look, int scale = 1);

// The neutral hover highlight of a 37 x 32 panel button slot over the toolbar, with no icon.
QImage neutralPanelHover(int scale = 1);

} // namespace skin::mainwin

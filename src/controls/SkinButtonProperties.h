#pragma once
#include "controls/ButtonColor.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>

// Every persisted property of a SkinButton, as plain data.
struct SkinButtonProperties {
    int style = 0;            // 0..10, see the face painters
    int nonThemeStyle = 0;    // used by style 6 when no themed drawing is possible
    QString caption;
    int captionAlign = 0;     // 0 centre, 1 left, 2 right, 3 top, 4 bottom
    QImage icon;              // null: no picture
    int iconAlign = 0;        // 0 centre, 1 left, 2 right, 3 top, 4 bottom
    std::int16_t iconSize = 16;
    bool iconVisible = false;
    bool enabled = true;
    bool showFocus = false;
    bool useCustomColors = false;
    ButtonColor backColor = ButtonColor::system(SysColor::ButtonFace);
    ButtonColor highlightColor = ButtonColor::system(SysColor::Highlight);
    ButtonColor fontColor = ButtonColor::system(SysColor::ButtonText);
    ButtonColor fontHighlightColor = ButtonColor::system(SysColor::ButtonText);
    QString toolTip;
    QString toolTipTitle;
    int toolTipIcon = 0;      // 0 none, 1 information, 2 warning, 3 error
    int toolTipType = 0;      // 1 balloon, anything else rectangular
    ButtonColor toolTipBackColor;  // zero (black): the system's colour
    ButtonColor toolTipForeColor;
    QFont font;
    int buttonType = 0;       // 1 check button, anything else push button
    bool value = false;       // check state of a check button
};

// The properties of a control newly placed on a form: caption = its name, style 0, icon size 16,
// enabled, the system face/highlight/text colours, and 0, false or empty for everything else.
SkinButtonProperties newSkinButtonProperties(const QString& name, const QFont& font);

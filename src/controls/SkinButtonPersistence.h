#pragma once
#include "controls/FormDescription.h"
#include "controls/SkinButtonProperties.h"

#include <QStringList>

// What the container supplies to the reading and writing of a button's properties.
struct SkinButtonFormContext {
    QString containerToolTip;  // the container's tooltip text for this control
    QFont currentFont;         // the control's current font
};

// Reads a button's properties from its form entry, key by key in the reading order; an absent
// or unreadable value takes its reading default. Never fails.
SkinButtonProperties readSkinButtonProperties(const FormControl& entry, const SkinButtonFormContext& context);

// The keys and values to store for the properties, in the writing order, leaving out every value
// equal to its omission default (Icon, Tooltiptitle, ToolTipIcon, ToolTipType, Font: always).
QList<QPair<QString, QString>> writeSkinButtonProperties(const SkinButtonProperties& props,
                                                         const SkinButtonFormContext& context);

// The property keys in reading order.
QStringList skinButtonReadingOrder();

// Text forms of the value types, shared with other form readers.
QString fontToFormText(const QFont& font);
// "Family,points[,bold][,italic][,underline][,strikeout]"; a family missing on this system is
// replaced by DejaVu Sans. nullopt when unreadable.
std::optional<QFont> fontFromFormText(const QString& text);
// "png:<base64>" for a picture, "" for none.
QString pictureToFormText(const QImage& image);
// "" none, "png:<base64>", or a file or resource path; a null image when unreadable.
QImage pictureFromFormText(const QString& text);
std::optional<bool> boolFromFormText(const QString& text);
std::optional<int> intFromFormText(const QString& text);

#pragma once
#include <QColor>
#include <QPalette>
#include <QString>
#include <optional>

// Indices of the system colours the button refers to (the desktop's classic colour numbers).
namespace SysColor {
constexpr int Highlight = 13;
constexpr int HighlightText = 14;
constexpr int ButtonFace = 15;
constexpr int ButtonShadow = 16;
constexpr int GrayText = 17;
constexpr int ButtonText = 18;
constexpr int ButtonHighlight = 20;
constexpr int DarkShadow = 21;
constexpr int ButtonLight = 22;
constexpr int InfoText = 23;
constexpr int InfoBack = 24;
}

// A colour as the button stores it: either a plain RGB value or a reference to a system colour,
// resolved against a palette when drawing. A plain black (RGB 0) is the "zero" colour that the
// tooltip treats as "use the system's colour".
class ButtonColor {
public:
    constexpr ButtonColor() = default;
    static constexpr ButtonColor fromRgb(int r, int g, int b)
    {
        ButtonColor c;
        c.rgb_ = (static_cast<unsigned>(r & 0xFF) << 16) | (static_cast<unsigned>(g & 0xFF) << 8)
            | static_cast<unsigned>(b & 0xFF);
        return c;
    }
    static ButtonColor fromQColor(const QColor& c) { return fromRgb(c.red(), c.green(), c.blue()); }
    static constexpr ButtonColor system(int index)
    {
        ButtonColor c;
        c.system_ = true;
        c.rgb_ = static_cast<unsigned>(index);
        return c;
    }

    bool isSystem() const { return system_; }
    int systemIndex() const { return system_ ? static_cast<int>(rgb_) : -1; }
    bool isZero() const { return !system_ && rgb_ == 0; }

    // The colour to paint with; a system colour comes from the palette (unknown indices give the
    // palette's window colour).
    QColor resolve(const QPalette& palette) const;

    // "#rrggbb" for a plain colour, "system:<index>" for a system colour.
    QString toText() const;
    // Parses what toText writes (also a bare decimal 0x00BBGGRR value); nullopt when unreadable.
    static std::optional<ButtonColor> fromText(const QString& text);

    bool operator==(const ButtonColor&) const = default;

private:
    bool system_ = false;
    unsigned rgb_ = 0;  // 0xRRGGBB, or the system index
};

// The palette colour that stands for a system colour index.
QColor systemColor(const QPalette& palette, int index);

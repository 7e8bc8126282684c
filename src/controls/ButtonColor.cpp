#include "controls/ButtonColor.h"

QColor systemColor(const QPalette& palette, int index)
{
    switch (index) {
    case SysColor::Highlight: return palette.color(QPalette::Active, QPalette::Highlight);
    case SysColor::HighlightText: return palette.color(QPalette::Active, QPalette::HighlightedText);
    case SysColor::ButtonFace: return palette.color(QPalette::Active, QPalette::Button);
    case SysColor::ButtonShadow: return palette.color(QPalette::Active, QPalette::Dark);
    case SysColor::GrayText: return palette.color(QPalette::Disabled, QPalette::ButtonText);
    case SysColor::ButtonText: return palette.color(QPalette::Active, QPalette::ButtonText);
    case SysColor::ButtonHighlight: return palette.color(QPalette::Active, QPalette::Light);
    case SysColor::DarkShadow: return palette.color(QPalette::Active, QPalette::Shadow);
    case SysColor::ButtonLight: return palette.color(QPalette::Active, QPalette::Midlight);
    case SysColor::InfoText: return palette.color(QPalette::Active, QPalette::ToolTipText);
    case SysColor::InfoBack: return palette.color(QPalette::Active, QPalette::ToolTipBase);
    case 5: return palette.color(QPalette::Active, QPalette::Base);
    case 8: return palette.color(QPalette::Active, QPalette::Text);
    default: return palette.color(QPalette::Active, QPalette::Window);
    }
}

QColor ButtonColor::resolve(const QPalette& palette) const
{
    if (system_)
        return systemColor(palette, static_cast<int>(rgb_));
    return QColor(static_cast<int>((rgb_ >> 16) & 0xFF), static_cast<int>((rgb_ >> 8) & 0xFF),
                  static_cast<int>(rgb_ & 0xFF));
}

QString ButtonColor::toText() const
{
    if (system_)
        return QStringLiteral("system:%1").arg(rgb_);
    return QStringLiteral("#%1").arg(rgb_, 6, 16, QLatin1Char('0'));
}

std::optional<ButtonColor> ButtonColor::fromText(const QString& text)
{
    const QString t = text.trimmed().toLower();
    bool ok = false;
    if (t.startsWith(QLatin1String("system:"))) {
        const int index = t.mid(7).toInt(&ok);
        if (!ok || index < 0 || index > 255)
            return std::nullopt;
        return system(index);
    }
    if (t.startsWith(QLatin1Char('#')) && t.size() == 7) {
        const unsigned v = t.mid(1).toUInt(&ok, 16);
        if (!ok)
            return std::nullopt;
        return fromRgb(static_cast<int>(v >> 16), static_cast<int>(v >> 8), static_cast<int>(v));
    }
    // A bare number in the 0x00BBGGRR layout (high bit set: system colour).
    const qlonglong v = t.toLongLong(&ok, 0);
    if (!ok || v < 0 || v > 0xFFFFFFFFLL)
        return std::nullopt;
    const auto u = static_cast<unsigned>(v);
    if (u & 0x80000000u)
        return system(static_cast<int>(u & 0xFF));
    if (u > 0xFFFFFFu)
        return std::nullopt;
    return fromRgb(static_cast<int>(u & 0xFF), static_cast<int>((u >> 8) & 0xFF),
                   static_cast<int>((u >> 16) & 0xFF));
}

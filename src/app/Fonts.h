#pragma once
#include <QFont>
#include <QStringList>

// The skin's fonts, Tahoma and Verdana, are often missing on Linux: map them to DejaVu Sans.
inline void installFontSubstitutes()
{
    for (const char* family : {"Tahoma", "Verdana"})
        QFont::insertSubstitutions(QString::fromLatin1(family),
                                   {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
}

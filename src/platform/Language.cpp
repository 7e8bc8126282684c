#include "platform/Language.h"

#include <QFileInfo>

QLocale startLocale(const QString& code)
{
    return code.isEmpty() ? QLocale::system() : QLocale(code);
}

QString localizedFile(const QString& path, const QLocale& locale)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    const QString stem = info.path() + QLatin1Char('/') + info.completeBaseName() + QLatin1Char('_');
    for (QString language : locale.uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString candidate = stem + language + suffix;
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return path;
}

#include "platform/Language.h"

#include <QFileInfo>

#include <algorithm>

QLocale startLocale(const QString& code)
{
    return code.isEmpty() ? QLocale::system() : QLocale(code);
}

QString localizedFile(const QString& path, const QLocale& locale)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    const QString stem = info.path() + QLatin1Char('/') + info.completeBaseName() + QLatin1Char('_');
    // Each of the locale's languages, then the same without its region ("de_AT", then "de").
    for (QString language : locale.uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        for (; !language.isEmpty(); language.truncate(std::max<qsizetype>(language.lastIndexOf(QLatin1Char('_')), 0))) {
            const QString candidate = stem + language + suffix;
            if (QFileInfo(candidate).isFile())
                return candidate;
        }
    }
    return path;
}

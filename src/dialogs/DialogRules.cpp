#include "dialogs/DialogRules.h"

#include <QFileInfo>
#include <QStringList>

#include <cmath>

QString cutAtNul(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

QList<FilterEntry> filterEntries(const QString& filter)
{
    const QStringList pieces = filter.split(QLatin1Char('|'));
    QList<FilterEntry> entries;
    for (qsizetype i = 0; i + 1 < pieces.size(); i += 2) {
        if (pieces[i].isEmpty() || pieces[i + 1].isEmpty())
            break;
        entries.append({pieces[i], pieces[i + 1]});
    }
    return entries;
}

QList<FilterEntry> openFilterEntries(const QString& filter) { return filterEntries(filter); }

QList<FilterEntry> saveFilterEntries(const QString& filter)
{
    return filterEntries(filter.trimmed().isEmpty() ? QStringLiteral("*.*|*.*") : filter);
}

QString qtNameFilter(const FilterEntry& entry)
{
    QStringList patterns = entry.pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& p : patterns) {
        p = p.trimmed();
        if (p == QStringLiteral("*.*"))
            p = QStringLiteral("*");  // "*.*" means every file, with or without a dot
    }
    return entry.description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

QString settleSavePath(const QString& path, const QString& appDir)
{
    if (path.trimmed().isEmpty())
        return appDir;
    QString settled = path;
    if (!settled.endsWith(QLatin1Char('/')))
        settled += QLatin1Char('/');
    return QFileInfo(settled).isDir() ? settled : appDir;
}

QString folderOfFile(const QString& fileName)
{
    const qsizetype slash = fileName.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return {};
    return slash == 0 ? QStringLiteral("/") : fileName.left(slash);
}

QString titleOfFile(const QString& fileName)
{
    return fileName.mid(fileName.lastIndexOf(QLatin1Char('/')) + 1);
}

int fontPixelHeight(int points, int dpi)
{
    if (dpi <= 0)
        return 0;
    const long long product = static_cast<long long>(points) * dpi;
    const long long half = 36;  // rounding of a division by 72, away from zero
    return static_cast<int>(product >= 0 ? (product + half) / 72 : (product - half) / 72);
}

int wholePoints(double pointSize)
{
    const long long tenths = std::llround(pointSize * 10.0);
    return static_cast<int>(tenths / 10);
}

QString faceNameForDialog(const QString& name) { return name.left(31); }

quint32 colorRefFromRgb(QRgb rgb)
{
    return static_cast<quint32>(qRed(rgb)) | (static_cast<quint32>(qGreen(rgb)) << 8) |
           (static_cast<quint32>(qBlue(rgb)) << 16);
}

QRgb rgbFromColorRef(quint32 colorRef)
{
    return qRgb(static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
                static_cast<int>((colorRef >> 16) & 0xFF));
}

#include "platform/SkinPicture.h"

namespace {
constexpr qreal kDoubleSize = 2;
}

QString doubleSizePicturePath(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const QLatin1String suffix("@2x");
    if (dot <= slash + 1)  // no extension (a leading dot names a hidden file, not an extension)
        return path + suffix;
    return path.left(dot) + suffix + path.mid(dot);
}

QImage skinImage(const QString& path, qreal dpr)
{
    if (dpr > 1) {
        QImage dense(doubleSizePicturePath(path));
        if (!dense.isNull()) {
            dense.setDevicePixelRatio(kDoubleSize);
            return dense;
        }
    }
    return QImage(path);
}

QPixmap skinPixmap(const QString& path, qreal dpr)
{
    return QPixmap::fromImage(skinImage(path, dpr));
}

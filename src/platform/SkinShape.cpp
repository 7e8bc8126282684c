#include "platform/SkinShape.h"

#include <QBitmap>

QRegion skinRegion(const QImage& skin)
{
    if (skin.isNull())
        return {};
    // In a bitmap region the set bits are inside: MaskInColor sets every pixel that is not magenta.
    const QImage mask = skin.convertToFormat(QImage::Format_RGB32).createMaskFromColor(qRgb(255, 0, 255), Qt::MaskInColor);
    return QRegion(QBitmap::fromImage(mask));
}

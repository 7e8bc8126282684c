#include "platform/FreeSpace.h"

#include <QFile>

#include <cstdint>
#include <limits>
#include <sys/statvfs.h>

std::optional<qint64> freeBytes(const QString& folder)
{
    if (folder.isEmpty())
        return std::nullopt;
    struct statvfs fs {};
    if (::statvfs(QFile::encodeName(folder).constData(), &fs) != 0)
        return std::nullopt;
    std::uint64_t bytes = 0;
    if (__builtin_mul_overflow(static_cast<std::uint64_t>(fs.f_bavail), static_cast<std::uint64_t>(fs.f_frsize), &bytes) ||
        bytes > static_cast<std::uint64_t>(std::numeric_limits<qint64>::max()))
        return std::numeric_limits<qint64>::max();
    return static_cast<qint64>(bytes);
}

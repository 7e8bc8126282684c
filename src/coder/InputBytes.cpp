#include "coder/InputBytes.h"

extern "C" {
#include <libavformat/avio.h>
#include <libavutil/error.h>
}

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace coder {

int MemoryBytes::read(std::uint8_t* buf, int size)
{
    if (position_ >= size_)
        return AVERROR_EOF;
    const std::size_t n = std::min(size_ - position_, static_cast<std::size_t>(std::max(size, 0)));
    std::memcpy(buf, data_ + position_, n);
    position_ += n;
    return static_cast<int>(n);
}

std::int64_t MemoryBytes::seek(std::int64_t offset, int whence)
{
    const auto size = static_cast<std::int64_t>(size_);
    std::int64_t to = 0;
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE:
        return size;
    case SEEK_SET:
        to = offset;
        break;
    case SEEK_CUR:
        to = static_cast<std::int64_t>(position_) + offset;
        break;
    case SEEK_END:
        to = size + offset;
        break;
    default:
        return AVERROR(EINVAL);
    }
    if (to < 0)
        return AVERROR(EINVAL);
    position_ = static_cast<std::size_t>(std::min(to, size));
    return to;
}

} // namespace coder

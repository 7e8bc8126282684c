#include "platform/PcmRing.h"

#include <algorithm>
#include <cstring>

PcmRing::PcmRing(std::size_t capacity) : buffer_(capacity) {}

std::size_t PcmRing::readable() const
{
    return std::size_t(written_.load(std::memory_order_acquire) - taken_.load(std::memory_order_relaxed));
}

std::size_t PcmRing::writable() const
{
    return buffer_.size()
        - std::size_t(written_.load(std::memory_order_relaxed) - taken_.load(std::memory_order_acquire));
}

std::size_t PcmRing::write(const void* src, std::size_t n)
{
    n = std::min(n, writable());
    const std::uint64_t w = written_.load(std::memory_order_relaxed);
    const std::size_t at = std::size_t(w % buffer_.size());
    const std::size_t first = std::min(n, buffer_.size() - at);
    const auto* s = static_cast<const unsigned char*>(src);
    std::memcpy(buffer_.data() + at, s, first);
    std::memcpy(buffer_.data(), s + first, n - first);
    written_.store(w + n, std::memory_order_release);
    return n;
}

std::size_t PcmRing::read(void* dst, std::size_t n)
{
    n = std::min(n, readable());
    const std::uint64_t t = taken_.load(std::memory_order_relaxed);
    const std::size_t at = std::size_t(t % buffer_.size());
    const std::size_t first = std::min(n, buffer_.size() - at);
    auto* d = static_cast<unsigned char*>(dst);
    std::memcpy(d, buffer_.data() + at, first);
    std::memcpy(d + first, buffer_.data(), n - first);
    taken_.store(t + n, std::memory_order_release);
    return n;
}

void PcmRing::clear()
{
    taken_.store(written_.load(std::memory_order_relaxed), std::memory_order_relaxed);
}

#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

// A fixed-size byte ring between one producer thread and one consumer thread (the file reader
// and the audio callback). Lock-free: each side only moves its own counter. Owns its buffer.
class PcmRing {
public:
    explicit PcmRing(std::size_t capacity);

    std::size_t capacity() const { return buffer_.size(); }
    // Bytes the consumer may read now.
    std::size_t readable() const;
    // Bytes the producer may write now.
    std::size_t writable() const;
    // Producer: copies up to n bytes in; returns how many were taken.
    std::size_t write(const void* src, std::size_t n);
    // Consumer: copies up to n bytes out; returns how many were given.
    std::size_t read(void* dst, std::size_t n);
    // Empties the ring. Only while neither side is running.
    void clear();

private:
    std::vector<unsigned char> buffer_;
    std::atomic<std::uint64_t> written_{0};  // total bytes ever written (producer's counter)
    std::atomic<std::uint64_t> taken_{0};    // total bytes ever read (consumer's counter)
};

// Where an input's bytes come from when they are not a named file.
#pragma once

#include <cstddef>
#include <cstdint>

namespace coder {

// A source of bytes the demuxer reads through (in memory for the fuzzer and the tests).
class InputBytes {
public:
    virtual ~InputBytes() = default;
    // Copies up to size bytes to buf; returns how many, AVERROR_EOF at the end, or another
    // AVERROR for a failed read.
    virtual int read(std::uint8_t* buf, int size) = 0;
    // Moves to offset from whence (SEEK_SET, SEEK_CUR, SEEK_END); with AVSEEK_SIZE returns the
    // size instead. Returns the new position, or an AVERROR.
    virtual std::int64_t seek(std::int64_t offset, int whence) = 0;
};

// The bytes of one buffer, which the caller keeps alive while they are read.
class MemoryBytes : public InputBytes {
public:
    MemoryBytes(const std::uint8_t* data, std::size_t size)
        : data_(data)
        , size_(size)
    {
    }
    int read(std::uint8_t* buf, int size) override;
    std::int64_t seek(std::int64_t offset, int whence) override;

protected:
    std::size_t position() const { return position_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

} // namespace coder

#pragma once
// The samples the slow WAV writer (tests/platform/slow_wav_writer.cpp) writes, so that a test
// can tell what it reads or hears. Plain C++: the helper program includes it too.
#include <cstdint>

// Sample `channel` of frame `frame`: spread over the whole 16-bit range, never 0 (the silence
// a device plays while it waits is told apart).
inline std::int16_t growingWavSample(std::int64_t frame, int channel)
{
    const std::uint64_t h = (std::uint64_t(frame) * 2654435761u + std::uint64_t(channel) * 40503u) >> 7;
    const int v = int(h % 65535u) - 32767;  // -32767 .. 32767
    return std::int16_t(v == 0 ? 1 : v);
}

// The sample ring between the file reader and the audio callback: wrap-around, limits, clear,
// and one producer and one consumer thread passing a long counter without loss or reordering.
#include "platform/PcmRing.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <thread>
#include <vector>

namespace {

TEST(PcmRing, WrapsAroundAndRespectsItsLimits)
{
    PcmRing ring(10);
    const unsigned char in[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    EXPECT_EQ(ring.write(in, 7), 7u);
    EXPECT_EQ(ring.readable(), 7u);
    EXPECT_EQ(ring.writable(), 3u);
    unsigned char out[12] = {};
    EXPECT_EQ(ring.read(out, 5), 5u);
    EXPECT_EQ(out[4], 5);
    EXPECT_EQ(ring.write(in + 7, 5), 5u);   // wraps
    EXPECT_EQ(ring.write(in, 12), 3u);      // only what fits
    EXPECT_EQ(ring.writable(), 0u);
    EXPECT_EQ(ring.read(out, 12), 10u);
    const unsigned char expected[] = {6, 7, 8, 9, 10, 11, 12, 1, 2, 3};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(out[i], expected[i]) << i;
    EXPECT_EQ(ring.read(out, 1), 0u);
}

TEST(PcmRing, ClearDropsWhatWasNotRead)
{
    PcmRing ring(8);
    const unsigned char in[] = {1, 2, 3, 4, 5};
    ring.write(in, 5);
    ring.clear();
    EXPECT_EQ(ring.readable(), 0u);
    EXPECT_EQ(ring.writable(), 8u);
    ring.write(in + 3, 2);
    unsigned char out[2] = {};
    EXPECT_EQ(ring.read(out, 8), 2u);
    EXPECT_EQ(out[0], 4);
    EXPECT_EQ(out[1], 5);
}

TEST(PcmRing, ProducerAndConsumerThreadsPassEveryByteInOrder)
{
    PcmRing ring(4096);
    std::atomic<bool> stop{false};  // lets the producer end when the consumer gave up
    constexpr std::uint32_t kCount = 2'000'000;  // 32-bit counters, 8 MB through a 4 KB ring
    std::thread producer([&] {
        std::vector<std::uint32_t> chunk(300);
        std::uint32_t next = 0;
        while (next < kCount) {
            for (auto& v : chunk)
                v = next++;
            const auto* bytes = reinterpret_cast<const unsigned char*>(chunk.data());
            std::size_t done = 0;
            while (done < chunk.size() * 4 && !stop.load()) {
                done += ring.write(bytes + done, chunk.size() * 4 - done);
                std::this_thread::yield();
            }
        }
    });
    std::uint32_t expected = 0;
    bool inOrder = true;
    std::vector<unsigned char> buf(1000);
    std::vector<unsigned char> carry;
    const std::uint32_t total = (kCount + 299) / 300 * 300;
    while (expected < total && inOrder) {
        const std::size_t n = ring.read(buf.data(), 1 + expected % 997);
        carry.insert(carry.end(), buf.begin(), buf.begin() + std::ptrdiff_t(n));
        std::size_t used = 0;
        for (; used + 4 <= carry.size(); used += 4) {
            std::uint32_t v;
            std::memcpy(&v, carry.data() + used, 4);
            if (v != expected++) {
                inOrder = false;
                break;
            }
        }
        carry.erase(carry.begin(), carry.begin() + std::ptrdiff_t(used));
        if (n == 0)
            std::this_thread::yield();
    }
    stop = true;
    producer.join();
    EXPECT_TRUE(inOrder) << "at " << expected;
    EXPECT_EQ(expected, total);
}

}  // namespace

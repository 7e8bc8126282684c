#include "timeline/PeakScan.h"

#include <QtEndian>

#include <thread>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

PeakRange sampleRange(const uchar* p, qint64 n)
{
    PeakRange r;
    qint64 i = 0;
#if defined(__SSE2__) && Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    if (n >= 16) {
        __m128i lo0 = _mm_set1_epi16(32767), lo1 = lo0, hi0 = _mm_set1_epi16(-32768), hi1 = hi0;
        for (; i + 16 <= n; i += 16) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 2 * i));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 2 * i + 16));
            lo0 = _mm_min_epi16(lo0, a);
            hi0 = _mm_max_epi16(hi0, a);
            lo1 = _mm_min_epi16(lo1, b);
            hi1 = _mm_max_epi16(hi1, b);
        }
        alignas(16) qint16 lows[8], highs[8];
        _mm_store_si128(reinterpret_cast<__m128i*>(lows), _mm_min_epi16(lo0, lo1));
        _mm_store_si128(reinterpret_cast<__m128i*>(highs), _mm_max_epi16(hi0, hi1));
        for (int k = 0; k < 8; ++k) {
            r.low = std::min(r.low, lows[k]);
            r.high = std::max(r.high, highs[k]);
        }
    }
#endif
    for (; i < n; ++i) {
        const qint16 s = qFromLittleEndian<qint16>(p + 2 * i);
        r.low = std::min(r.low, s);
        r.high = std::max(r.high, s);
    }
    return r;
}

bool scanInTwoHalves(qint64 count, const std::function<bool(qint64 first, qint64 last)>& work)
{
    const qint64 half = count / 2;
    bool secondDone = true;
    std::thread second([&] { secondDone = work(half, count); });
    const bool firstDone = work(0, half);
    second.join();
    return firstDone && secondDone;
}

#pragma once
// Samples and 16-bit PCM WAVs of them for the waveform tests.
#include "platform/WavFile.h"

#include <QFile>
#include <QString>
#include <QtEndian>

#include <random>
#include <vector>

// Writes `samples` (interleaved, `channels` to a frame) as a WAV at `path`, RF64 when asked.
// Returns false when the file cannot be written.
inline bool writeSampleWav(const QString& path, int channels, int rate, const std::vector<qint16>& samples,
                           bool rf64 = false)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(wavHeader(channels, rate, qint64(samples.size()) / channels, rf64));
    std::vector<qint16> le(samples.size());
    for (size_t i = 0; i < samples.size(); ++i)
        le[i] = qToLittleEndian(samples[i]);
    return f.write(reinterpret_cast<const char*>(le.data()), qint64(le.size() * 2)) == qint64(le.size() * 2);
}

// `count` samples drawn evenly from [low, high] with a fixed seed.
inline std::vector<qint16> randomSamples(size_t count, unsigned seed, int low, int high)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> dist(low, high);
    std::vector<qint16> s(count);
    for (auto& v : s)
        v = qint16(dist(rng));
    return s;
}

// Writes a 16-bit PCM WAV for the benchmarks: <path> <seconds> <rate> <channels> [sparse].
// The sound is one second of a tone with noise, repeated; "sparse" writes only the header and
// leaves the data as a hole of silence (a long file that costs no disk and no time to make).
#include "platform/WavFile.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <cstdio>
#include <random>

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: make_wav <path> <seconds> <rate> <channels> [sparse]\n");
        return 2;
    }
    const qint64 seconds = std::atoll(argv[2]);
    const int rate = std::atoi(argv[3]);
    const int channels = std::atoi(argv[4]);
    const bool sparse = argc > 5 && QByteArray(argv[5]) == "sparse";
    const qint64 frames = seconds * rate;

    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    const QByteArray header = wavHeader(channels, rate, frames);
    out.write(header);
    if (sparse)
        return out.resize(header.size() + frames * channels * 2) ? 0 : 1;

    QByteArray second(rate * channels * 2, Qt::Uninitialized);
    auto* s = reinterpret_cast<qint16*>(second.data());
    std::mt19937 rng(1);
    std::uniform_int_distribution<int> noise(-2000, 2000);
    for (int f = 0; f < rate; ++f)
        for (int c = 0; c < channels; ++c)
            *s++ = qToLittleEndian(qint16(12000 * std::sin(2 * std::numbers::pi * 440.0 * (c + 1) * f / rate) + noise(rng)));
    for (qint64 left = frames; left > 0; left -= rate) {
        const qint64 n = std::min<qint64>(left, rate) * channels * 2;
        if (out.write(second.constData(), n) != n)
            return 1;
    }
    return 0;
}

// Waveform peaks of a long WAV: the time of computePeaks against the time of reading the same
// file sequentially (what `cat file > /dev/null` does), both with the file in the page cache,
// best of several runs; then the longest gap between 10 ms timer ticks on the UI thread while
// WaveformLoader computes the peaks in the background.
// Usage: media_peaks_bench <wav>. Prints figures and ratios; asserts nothing.
#include "timeline/WaveformLoader.h"
#include "timeline/WaveformPeaks.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kRuns = 3;

double secondsOf(const std::function<void()>& work)
{
    double best = 1e9;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        best = std::min(best, t.nsecsElapsed() / 1e9);
    }
    return best;
}

qint64 readWholeFile(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    std::vector<char> buf(128 * 1024);
    qint64 total = 0;
    ssize_t n;
    while ((n = ::read(fd, buf.data(), buf.size())) > 0)
        total += n;
    ::close(fd);
    return total;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: media_peaks_bench <wav>\n");
        return 2;
    }
    const QString wav = QString::fromLocal8Bit(argv[1]);
    const QByteArray path = QFile::encodeName(wav);
    const qint64 bytes = readWholeFile(path);  // also brings the file into the page cache
    if (bytes <= 0)
        return 1;

    qint64 peer = 0;
    const double readSeconds = secondsOf([&] { peer = readWholeFile(path); });
    int columns = 0;
    const double peakSeconds = secondsOf([&] { columns = computePeaks(wav, 728).columns(); });
    if (columns != 728) {
        std::fprintf(stderr, "peaks failed\n");
        return 1;
    }
    std::printf("file: %.0f MB\n", bytes / 1e6);
    std::printf("sequential read (cat-like peer): %.3f s (%.0f MB/s)\n", readSeconds, peer / 1e6 / readSeconds);
    std::printf("computePeaks, 728 columns:       %.3f s (%.0f MB/s)\n", peakSeconds, bytes / 1e6 / peakSeconds);
    std::printf("ratio peaks / read:              %.2f\n", peakSeconds / readSeconds);

    // UI responsiveness while the loader works: gaps between ticks of a 10 ms timer.
    WaveformLoader loader;
    QElapsedTimer clock;
    qint64 lastTick = 0;
    qint64 longestGap = 0;
    int ticks = 0;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longestGap = std::max(longestGap, now - lastTick);
        lastTick = now;
        ++ticks;
    });
    int rounds = 0;
    qint64 requestCost = 0;
    auto start = [&] {
        QElapsedTimer t;
        t.start();
        loader.request(wav, 728);
        requestCost = std::max(requestCost, t.nsecsElapsed());
    };
    QObject::connect(&loader, &WaveformLoader::ready, [&](const WaveformPeaks&) {
        if (++rounds < kRuns)
            start();
        else
            app.quit();
    });
    clock.start();
    timer.start();
    start();
    app.exec();
    std::printf("UI thread while loading (%d rounds, %.2f s, %d ticks of 10 ms):\n", kRuns,
                clock.nsecsElapsed() / 1e9, ticks);
    std::printf("  longest gap between ticks: %.1f ms (timer period 10 ms; target < 50 ms)\n",
                longestGap / 1e6);
    std::printf("  longest request() call:    %.3f ms\n", requestCost / 1e6);
    return 0;
}

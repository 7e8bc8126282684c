// The zoomable waveform: redraw time of the timeline panel (its waveform, time ruler, markers,
// shade and playhead painted as the window paints them) at five zoom levels of a 2-hour sound
// against the whole-file redraw, and, given a WAV, the time
// to build the peak pyramid against the 728-column peak scan of the same file. Runs are paired
// (peer and subject back to back) and the medians of the per-pair figures are printed.
// Usage: media_pyramid_bench [wav]. Prints figures and ratios; asserts nothing.
#include "timeline/EditorModel.h"
#include "timeline/PeakPyramid.h"
#include "timeline/TimeRuler.h"
#include "timeline/TimelineGeometry.h"
#include "timeline/TimelinePainter.h"
#include "timeline/WaveformPeaks.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

namespace {

constexpr int kRedrawPairs = 31;
constexpr int kBuildPairs = 5;
const QSize kWaveSize(kTrackWidth, kWaveHeight);
const QSize kRulerSize(kPanelWidth, kRulerHeight);
const WaveformColours kColours{QColor(38, 150, 170, 190), QColor(14, 96, 120)};

double msOf(const std::function<void()>& work)
{
    QElapsedTimer t;
    t.start();
    work();
    return t.nsecsElapsed() / 1e6;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Two hours of 44.1 kHz sound as a pyramid: swelling tones with noise, so that the drawn spans
// are as tall and as varied as music makes them.
PeakPyramid twoHourPyramid()
{
    const int rate = 44100;
    const qint64 frames = qint64(7200) * rate;
    const int blockFrames = pyramidBlockFrames(rate);
    std::vector<PeakRange> base(size_t((frames + blockFrames - 1) / blockFrames));
    std::mt19937 rng(1);
    std::uniform_int_distribution<int> noise(0, 4000);
    for (size_t i = 0; i < base.size(); ++i) {
        const double swell = 0.5 + 0.5 * std::sin(double(i) / 900.0) * std::sin(double(i) / 37.0);
        const int peak = std::clamp(int(28000 * swell) + noise(rng), 0, 32767);
        base[i] = {qint16(-peak + noise(rng) / 4), qint16(peak - noise(rng) / 4)};
    }
    return PeakPyramid(rate, frames, blockFrames, std::move(base));
}

QImage solid(QSize size, QColor c)
{
    QImage i(size, QImage::Format_ARGB32_Premultiplied);
    i.fill(c);
    return i;
}

// The panel's pictures in plain colours (the skin belongs to the window library).
TimelineArt plainArt()
{
    const QSize handle(kHandleWidth, kHandleHeight), line(1, 1);
    const QColor play(230, 90, 40), begin(40, 160, 90), end(110, 90, 220);
    return {solid(QSize(kPanelWidth, 360), QColor(250, 253, 254)),
            solid(handle, play), solid(line, play), solid(handle, play),
            solid(handle, begin), solid(line, begin), solid(handle, begin),
            solid(handle, end), solid(line, end), solid(handle, end)};
}

// One redraw of the panel for the model's view: the waveform and ruler of the view, then the
// whole panel painted from them.
QImage redraw(const PeakPyramid& pyramid, const EditorModel& model, const RulerStyle& ruler, const TimelineArt& art)
{
    TimelineScene scene;
    scene.layout = layoutTimeline(model);
    scene.waveform = renderWaveform(pyramid, model.view(), kWaveSize, kColours);
    scene.ruler = renderRuler(model.view(), kRulerSize, ruler);
    QImage panel(kPanelWidth, 360, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&panel);
    paintTimeline(p, art, scene);
    return panel;
}

void redrawBench()
{
    QElapsedTimer build;
    build.start();
    const PeakPyramid pyramid = twoHourPyramid();
    const double buildMs = build.nsecsElapsed() / 1e6;
    qint64 entries = 0;
    for (int l = 0; l < pyramid.levels(); ++l)
        entries += pyramid.blocks(l);
    std::printf("2-hour sound: %lld base blocks of %d frames, %d levels, %.1f MB (synthesised and built in %.0f ms)\n",
                static_cast<long long>(pyramid.blocks(0)), pyramid.blockFrames(), pyramid.levels(),
                entries * double(sizeof(PeakRange)) / 1e6, buildMs);

    // The one-level drawing of the whole file (728 columns), as the timeline draws it today.
    WaveformPeaks columns;
    for (int x = 0; x < 728; ++x) {
        const PeakRange r = pyramid.range(pyramid.blocks(0) * x / 728, pyramid.blocks(0) * (x + 1) / 728);
        columns.low.push_back(r.low);
        columns.high.push_back(r.high);
    }
    RulerStyle ruler;
    ruler.font = QFont(QStringLiteral("DejaVu Sans"));
    ruler.font.setPixelSize(9);
    ruler.tick = QColor(71, 99, 113);
    ruler.text = QColor(71, 99, 113);

    const TimelineArt art = plainArt();
    EditorModel whole;
    whole.setDuration(7200);
    whole.applyRandomCut(3590, 3620);
    whole.setPlayhead(3600);
    EditorModel zoomed;
    zoomed.setDuration(7200);
    zoomed.applyRandomCut(3590, 3620);
    zoomed.setPlayhead(3600);
    std::printf("redraw of the timeline panel %dx360 (waveform %dx%d, ruler %dx%d, boundaries), median of %d pairs:\n",
                kPanelWidth, kWaveSize.width(), kWaveSize.height(), kRulerSize.width(), kRulerSize.height(),
                kRedrawPairs);
    std::vector<double> legacy;
    for (int i = 0; i < kRedrawPairs; ++i)
        legacy.push_back(msOf([&] { renderWaveform(columns, kWaveSize, kColours); }));
    std::printf("  one-level whole file (today's waveform only): %7.3f ms\n", median(legacy));
    for (double span : {7200.0, 1800.0, 300.0, 60.0, 10.0, kMinViewSpan}) {
        const TimelineView view = boundedView({3600 - span / 2, span}, 7200);
        zoomed.setView(view);
        std::vector<double> ms, ratio, vsLegacy;
        for (int i = 0; i < kRedrawPairs; ++i) {
            const double base = msOf([&] { redraw(pyramid, whole, ruler, art); });
            const double one = msOf([&] { redraw(pyramid, zoomed, ruler, art); });
            const double old = msOf([&] { renderWaveform(columns, kWaveSize, kColours); });
            ms.push_back(one);
            ratio.push_back(one / base);
            vsLegacy.push_back(one / old);
        }
        std::printf("  view of %7.2f s (%8.4f s/px): %7.3f ms, ratio to the whole-file redraw %.2f, "
                    "to today's one-level waveform %.2f (target < 16 ms)\n",
                    span, view.secondsPerPixel(), median(ms), median(ratio), median(vsLegacy));
    }
}

void buildBench(const QString& wav)
{
    std::vector<double> peaks, pyramids, ratios;
    qint64 blocks = 0;
    for (int i = 0; i < kBuildPairs; ++i) {
        int columns = 0;
        const double a = msOf([&] { columns = computePeaks(wav, 728).columns(); });
        const double b = msOf([&] { blocks = buildPeakPyramid(wav).isEmpty() ? 0 : 1; });
        if (columns != 728 || blocks == 0) {
            std::fprintf(stderr, "scan failed: %s\n", qPrintable(wav));
            return;
        }
        peaks.push_back(a);
        pyramids.push_back(b);
        ratios.push_back(b / a);
    }
    std::printf("%s (%.0f MB), median of %d pairs, file in the page cache:\n", qPrintable(wav),
                QFile(wav).size() / 1e6, kBuildPairs);
    std::printf("  728-column scan (today):  %8.1f ms\n", median(peaks));
    std::printf("  peak pyramid:             %8.1f ms\n", median(pyramids));
    std::printf("  ratio pyramid / scan:     %8.2f\n", median(ratios));
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // fonts for the ruler
    redrawBench();
    if (argc > 1) {
        const QString wav = QString::fromLocal8Bit(argv[1]);
        computePeaks(wav, 728);  // into the page cache
        buildBench(wav);
    }
    return 0;
}

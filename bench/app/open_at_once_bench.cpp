// How soon a long file can be heard and seen after the user chose it, now that the window plays
// and draws the part already decoded. Paired runs, medians:
//  - first sound: from the open dialog's accept to the device playing (its position past 0),
//    pressing Play as soon as the window allows it; the baseline is what opening took before,
//    the whole decode, then Play;
//  - first waveform: from the accept to the timeline's first picture of the waveform; the
//    baseline is the whole decode, then the scan of the finished WAV;
//  - the longest gap between ticks of a 10 ms timer while the decode runs (target <= 20 ms);
//  - the whole decode in the window against the transcoder alone on the same file (<= 1.05).
// Usage: open_at_once_bench <coder> [minutes] [runs]   (needs the ffmpeg program for the input)
#include "app/frmMain.h"
#include "editor/EditorSession.h"
#include "platform/SdlMediaDevice.h"
#include "support/DialogFakes.h"
#include "support/Recorders.h"
#include "timeline/TimelinePanel.h"
#include "timeline/WaveformLoader.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// What one opening of the file measured, in milliseconds.
struct Opening {
    double firstSound = -1;
    double firstWaveform = -1;
    double decode = 0;
    double longestGap = 0;
};

bool devicePlays(SdlMediaDevice& media)
{
    const MediaResult r = media.send(QStringLiteral("status sound position"));
    return r.ok() && r.reply.toDouble() > 0;
}

// Opens `input` in a new window. With `early`, Play is pressed as soon as the window allows it
// during the decode; without, only once the decode is over (as before).
Opening open(const QString& appDir, const QString& input, bool early)
{
    RecordingMessageBoxes boxes;
    RecordingShell shell;
    FakeDialogBackend dialogs;
    SdlMediaDevice media;
    QTemporaryDir tmp;
    frmMain window(AppPaths::make(appDir, tmp.path(), 1), MainServices{&boxes, &shell, &dialogs, &media, {}, nullptr, {}});
    window.show();
    EditorSession& session = window.session();
    auto* timeline = window.findChild<TimelinePanel*>(QStringLiteral("picOpened"));

    Opening o;
    QElapsedTimer clock;
    QElapsedTimer gapClock;
    qint64 longest = 0;
    bool played = false;
    QTimer ticks;
    ticks.setTimerType(Qt::PreciseTimer);
    ticks.setInterval(10);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        longest = std::max(longest, gapClock.restart());
        if (early && !played && session.isDecoding()) {
            session.play();
            played = true;
        }
        if (played && o.firstSound < 0 && devicePlays(media))
            o.firstSound = double(clock.nsecsElapsed()) / 1e6;
        if (o.firstWaveform < 0 && timeline->hasWaveform())
            o.firstWaveform = double(clock.nsecsElapsed()) / 1e6;
    });
    dialogs.openAnswers.push_back(input);
    clock.start();
    gapClock.start();
    ticks.start();
    session.openOrCloseFile();
    o.decode = double(clock.nsecsElapsed()) / 1e6;
    o.longestGap = double(std::max(longest, gapClock.elapsed()));
    if (!played) {
        session.play();
        played = true;
    }
    QElapsedTimer limit;
    limit.start();
    while ((o.firstSound < 0 || o.firstWaveform < 0) && limit.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    if (!boxes.shown.empty())
        std::fprintf(stderr, "a message was shown: %s\n", qPrintable(boxes.shown.front().text));
    return o;
}

// The scan of a finished WAV's waveform (the second half of opening before).
double scanMs(const QString& wav)
{
    WaveformLoader loader;
    bool done = false;
    QObject::connect(&loader, &WaveformLoader::pyramidReady, [&] { done = true; });
    QElapsedTimer clock;
    clock.start();
    loader.requestPyramid(wav);
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return double(clock.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: open_at_once_bench <coder> [minutes] [runs]\n");
        return 2;
    }
    const QString coder = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const int minutes = argc > 2 ? std::atoi(argv[2]) : 120;
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;
    QTemporaryDir root;
    QDir(root.path()).mkpath("app/data");
    QFile::link(coder, root.filePath("app/data/coder"));
    const QString input = root.filePath("long.mp3");
    if (QProcess::execute("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i",
                                     QString("sine=frequency=440:duration=%1").arg(minutes * 60), "-ac", "2", "-b:a",
                                     "128k", input}) != 0) {
        std::fprintf(stderr, "could not make the input with ffmpeg\n");
        return 1;
    }
    const QString plainWav = root.filePath("plain.wav");

    std::vector<double> soundNow, soundBefore, waveNow, waveBefore, gaps, decodeWindow, decodeAlone;
    for (int i = 0; i < runs; ++i) {
        // The transcoder alone on the same file: the peer of the window's whole decode.
        QElapsedTimer alone;
        alone.start();
        QProcess aloneRun;  // its progress lines are read and dropped
        aloneRun.start(coder, {"-i", input, "-y", "-vn", plainWav});
        aloneRun.waitForFinished(-1);
        decodeAlone.push_back(double(alone.nsecsElapsed()) / 1e6);

        const Opening before = open(root.filePath("app"), input, false);
        soundBefore.push_back(before.firstSound);
        waveBefore.push_back(before.decode + scanMs(plainWav));

        const Opening now = open(root.filePath("app"), input, true);
        soundNow.push_back(now.firstSound);
        waveNow.push_back(now.firstWaveform);
        gaps.push_back(now.longestGap);
        decodeWindow.push_back(now.decode);
    }
    std::printf("input: %d-minute stereo MP3, %d paired runs, medians\n", minutes, runs);
    std::printf("first sound: %.0f ms now, %.0f ms before (whole decode, then Play): ratio %.3f (target <= 0.1, <= 300 ms)\n",
                median(soundNow), median(soundBefore), median(soundNow) / median(soundBefore));
    std::printf("first waveform: %.0f ms now, %.0f ms before (whole decode, then the scan): ratio %.3f (target <= 500 ms)\n",
                median(waveNow), median(waveBefore), median(waveNow) / median(waveBefore));
    std::printf("longest gap between 10 ms ticks while decoding: %.0f ms (target <= 20)\n", median(gaps));
    std::printf("whole decode: %.0f ms in the window, %.0f ms the transcoder alone: ratio %.3f (target <= 1.05)\n",
                median(decodeWindow), median(decodeAlone), median(decodeWindow) / median(decodeAlone));
    return 0;
}

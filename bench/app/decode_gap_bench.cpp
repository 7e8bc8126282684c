// How long the window stays unresponsive while it opens a long file: the longest gap between
// ticks of a 10 ms timer during the decode (the transcoder runs while the window pumps events)
// and the waveform scan, against the same measure on the idle window as the peer.
// Usage: decode_gap_bench <coder> [minutes]   (needs the ffmpeg program to make the input)
#include "app/ImageControl.h"
#include "app/frmMain.h"
#include "editor/EditorSession.h"
#include "timeline/TimelinePanel.h"
#include "platform/SdlMediaDevice.h"
#include "support/DialogFakes.h"
#include "support/Recorders.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

// Records the longest interval between ticks of a 10 ms timer while it runs.
class GapMeter {
public:
    GapMeter()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            longest_ = std::max(longest_, clock_.restart());
        });
    }
    void start()
    {
        longest_ = 0;
        clock_.start();
        timer_.start();
    }
    qint64 stop()
    {
        timer_.stop();
        return std::max(longest_, clock_.elapsed());
    }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 longest_ = 0;
};

void spin(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: decode_gap_bench <coder> [minutes]\n");
        return 2;
    }
    const int minutes = argc > 2 ? std::atoi(argv[2]) : 10;
    QTemporaryDir root;
    QDir(root.path()).mkpath("app/data");
    QFile::link(QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath(), root.filePath("app/data/coder"));
    const QString input = root.filePath("long.mp3");
    if (QProcess::execute("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i",
                                     QString("sine=frequency=440:duration=%1").arg(minutes * 60), "-ac", "2", "-b:a",
                                     "128k", input}) != 0) {
        std::fprintf(stderr, "could not make the input with ffmpeg\n");
        return 1;
    }

    RecordingMessageBoxes boxes;
    RecordingShell shell;
    FakeDialogBackend dialogs;
    SdlMediaDevice media;
    frmMain window(AppPaths::make(root.filePath("app"), root.filePath("tmp"), 1),
                   MainServices{&boxes, &shell, &dialogs, &media, {}, nullptr, {}});
    window.show();
    spin(200);

    GapMeter meter;
    meter.start();
    spin(2000);
    const qint64 idle = meter.stop();

    dialogs.openAnswers.push_back(input);
    QElapsedTimer total;
    total.start();
    meter.start();
    window.session().openOrCloseFile();
    const qint64 decodeMs = total.elapsed();
    const qint64 decodeGap = meter.stop();

    meter.start();
    while (!window.findChild<TimelinePanel*>(QStringLiteral("picOpened"))->hasWaveform() && total.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const qint64 peaksGap = meter.stop();

    std::printf("input: %d-minute MP3\n", minutes);
    std::printf("decode: %lld ms; waveform ready after %lld ms\n", static_cast<long long>(decodeMs),
                static_cast<long long>(total.elapsed()));
    std::printf("longest gap between 10 ms ticks: idle %lld ms, decoding %lld ms, scanning peaks %lld ms (target < 50)\n",
                static_cast<long long>(idle), static_cast<long long>(decodeGap), static_cast<long long>(peaksGap));
    std::printf("ratio decoding/idle: %.2f, peaks/idle: %.2f\n", double(decodeGap) / std::max<qint64>(idle, 1),
                double(peaksGap) / std::max<qint64>(idle, 1));
    return boxes.shown.empty() ? 0 : 1;
}

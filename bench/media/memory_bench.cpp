// Plays a WAV through the media device for a few seconds and prints the peak resident memory
// of the process: run it on a short and on a very long file to see that playback streams.
// Usage: media_memory_bench <wav> <seconds>: plays <seconds> from the middle, then <seconds>
// from the start. Prints "peak_kb=<n> position_ms=<n> driver=<name>".
#include "platform/SdlMediaDevice.h"

#include <QFile>
#include <QThread>

#include <cstdio>

namespace {
long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: media_memory_bench <wav> <seconds>\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    const QString wav = QString::fromLocal8Bit(argv[1]);
    const int seconds = std::atoi(argv[2]);
    SdlMediaDevice device;
    if (device.send("open " + wav + " alias sound").code != 0) {
        std::fprintf(stderr, "cannot open %s\n", argv[1]);
        return 1;
    }
    // Start in the middle too, so a long file is read away from its beginning.
    const qint64 length = device.send("status sound length").reply.toLongLong();
    device.send("play sound from " + QString::number(length / 2), 0);
    QThread::msleep(1000UL * seconds);
    device.send("play sound from 0", 0);
    QThread::msleep(1000UL * seconds);
    const QString position = device.send("status sound position").reply;
    device.send("stop sound");
    device.send("close sound");
    std::printf("peak_kb=%ld position_ms=%s length_ms=%lld driver=%s\n", peakResidentKb(),
                qPrintable(position), length, qPrintable(device.driverName()));
    return 0;
}

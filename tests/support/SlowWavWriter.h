#pragma once
// Drives tests/platform/slow_wav_writer from a test: one command at a time, each answered
// once the writer's write() calls have returned, so the test knows what the file holds.
// Needs TS_SLOW_WAV_WRITER (the helper's path) defined for the test target.
#include "support/GrowingWavPattern.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

class SlowWavWriter {
public:
    enum class Place { Unnamed, Named, Direct };

    // Starts a writer of `name` in `folder`; ok() tells whether it is ready.
    SlowWavWriter(const QString& folder, const QString& name, int channels, int rate, Place place)
        : channels_(channels)
    {
        const char* places[] = {"unnamed", "named", "direct"};
        process_.start(QStringLiteral(TS_SLOW_WAV_WRITER),
                       {folder, name, QString::number(channels), QString::number(rate),
                        QLatin1String(places[int(place)])});
        const QByteArray ready = reply();
        ok_ = ready.startsWith("ready ");
        EXPECT_TRUE(ok_) << ready.toStdString();
        headerSize_ = ready.mid(6).trimmed().toLongLong();
    }
    ~SlowWavWriter() { kill(); }
    SlowWavWriter(const SlowWavWriter&) = delete;
    SlowWavWriter& operator=(const SlowWavWriter&) = delete;

    bool ok() const { return ok_; }
    qint64 pid() const { return process_.processId(); }
    qint64 headerSize() const { return headerSize_; }
    int blockAlign() const { return channels_ * 2; }
    // The bytes in the file after the last command.
    qint64 fileBytes() const { return fileBytes_; }

    // Each sends a command and waits (10 s at most) for its answer; false on failure.
    bool header(qint64 bytes = -1) { return command(bytes < 0 ? QByteArray("header") : "header " + QByteArray::number(bytes)); }
    bool bytes(qint64 n) { return command("bytes " + QByteArray::number(n)); }
    bool frames(qint64 n) { return command("frames " + QByteArray::number(n)); }
    bool finish(bool rf64 = false) { return command(rf64 ? "finish rf64" : "finish"); }

    // Ends the writer with SIGKILL, as a crash would, and reaps it.
    void kill()
    {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.kill();
        process_.waitForFinished(10000);
    }

private:
    QByteArray reply()
    {
        QDeadlineTimer deadline(10000);
        while (!process_.canReadLine() && !deadline.hasExpired())
            process_.waitForReadyRead(int(qMax<qint64>(deadline.remainingTime(), 1)));
        return process_.readLine().trimmed();
    }
    bool command(const QByteArray& line)
    {
        process_.write(line + '\n');
        process_.waitForBytesWritten(10000);
        const QByteArray answer = reply();
        if (!answer.startsWith("ok ")) {
            ADD_FAILURE() << line.toStdString() << ": " << answer.toStdString();
            return false;
        }
        fileBytes_ = answer.mid(3).toLongLong();
        return true;
    }

    QProcess process_;
    int channels_;
    qint64 headerSize_ = 0;
    qint64 fileBytes_ = 0;
    bool ok_ = false;
};

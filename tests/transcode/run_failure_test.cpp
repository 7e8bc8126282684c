#include "transcode/RunFailure.h"

#include <gtest/gtest.h>

#include <csignal>

namespace {
RunExit exited(int code, int signal = 0)
{
    RunExit e;
    e.started = e.exited = true;
    e.exitCode = code;
    e.signal = signal;
    return e;
}
}

TEST(RunFailure, TheTranscodersLastErrorLineComesFirst)
{
    // Progress lines end in CR, the header and errors in LF, stdout and stderr interleaved.
    const QString out = "Input #0, wav, from 'x.wav':\n  Duration: 00:01:00.00, bitrate: 1411 kb/s\n"
                        "size=   1kB time=1.00 bitrate=N/A speed=N/A\r"
                        "coder: /tmp/t/open-7.wav: cannot write (No space left on device)\n"
                        "size=   2kB time=2.00 bitrate=N/A speed=N/A\r";
    EXPECT_EQ(lastErrorLine(out), "/tmp/t/open-7.wav: cannot write (No space left on device)");
    EXPECT_EQ(runFailureDetail(exited(1), out), lastErrorLine(out));
    EXPECT_FALSE(saysNoSound(out));
    EXPECT_EQ(lastErrorLine("coder: a: first\ncoder: b: second\n"), "b: second");
    EXPECT_EQ(lastErrorLine("size= 1kB time=1.00 \r"), "");
    EXPECT_EQ(lastErrorLine("not coder: x\n"), "");
}

TEST(RunFailure, NoSoundOnlyWhenTheTranscoderSaysSo)
{
    for (const char* line : {"coder: x.mp3: not a media file (Invalid data found when processing input)\n",
                             "coder: x.mp4: no audio stream\n",
                             "coder: x.mp3: not a media file (no audio could be decoded)\n",
                             "coder: x.ogg: no decoder for its audio stream\n",
                             "coder: x.m4a: cannot decode its audio (Invalid data)\n"})
        EXPECT_TRUE(saysNoSound(QString::fromLatin1(line))) << line;
    for (const char* line : {"coder: /x/open-1.wav: cannot write (Permission denied)\n", "", "no audio stream\n"})
        EXPECT_FALSE(saysNoSound(QString::fromLatin1(line))) << line;
}

TEST(RunFailure, WithoutALineTheEndOfTheRunIsTold)
{
    EXPECT_EQ(runFailureDetail(exited(-1, SIGKILL), ""), "The transcoder was stopped by signal 9 (Killed).");
    EXPECT_EQ(runFailureDetail(exited(3), "size= 1kB time=1.00 \r"), "The transcoder ended with exit code 3.");
    EXPECT_EQ(runFailureDetail(exited(0), ""), "The transcoder wrote no file.");
}

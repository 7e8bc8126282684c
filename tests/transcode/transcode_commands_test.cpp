#include "transcode/CommandLine.h"
#include "transcode/SaveFormats.h"
#include "transcode/TranscodeCommands.h"

#include <gtest/gtest.h>

TEST(TranscodeCommands, DecodeCommandKeepsEveryNameOneArgument)
{
    const QString coder = "/opt/TuneSnip/data/coder";
    const QString wav = "/tmp/tunesnip-1000/open-7.wav";
    EXPECT_EQ(decodeCommand(coder, "/music/My Song.mp3", wav),
              "/opt/TuneSnip/data/coder -i \"/music/My Song.mp3\" -y -vn /tmp/tunesnip-1000/open-7.wav");
    for (const QString& name : {QString("/m/a \"quoted\" name.mp3"), QString("-rf.mp3"), QString("/m/$(rm -rf ~).mp3"),
                               QString("/m/trailing\\"), QString::fromUtf8("/m/Ünïcødé 曲.mp3")}) {
        const QStringList argv = splitCommandLine(decodeCommand(coder, name, wav));
        ASSERT_EQ(argv.size(), 6) << name.toStdString();
        EXPECT_EQ(argv[0], coder);
        EXPECT_EQ(argv[2], name);
        EXPECT_EQ(argv[5], wav);
    }
    // An application folder with a blank still names one program.
    EXPECT_EQ(splitCommandLine(decodeCommand("/opt/My Apps/coder", "/a.mp3", wav)).first(), "/opt/My Apps/coder");
}

TEST(TranscodeCommands, EncodeOptionsAreThoseOfTheFormatTheNamePicks)
{
    // The name rule lives in saveFormatFor (its cases, and what each format's options make the
    // transcoder write, are in save_formats_test); the options follow it for every kind of name.
    for (const char* name : {"/t/ring.mp3", "/t/Ring.Mp3", "/t/ringmp3", "/t/ring.wma  ", "/t/ring.WAV", "/t/ring.amr",
                             "/t/ring.m4r", "/t/ring.M4A", "/t/ring.ogg", "/t/ring.flac", "/t/x.flac.wav"}) {
        const SaveFormat* f = saveFormatFor(name);
        ASSERT_TRUE(f) << name;
        EXPECT_EQ(encodeOptions(name), QString::fromLatin1(f->options)) << name;
        // Blanks around them, so that they join the line between its parts.
        EXPECT_TRUE(encodeOptions(name)->startsWith(" -y ")) << name;
        EXPECT_TRUE(encodeOptions(name)->endsWith(' ')) << name;
    }
    for (const char* name : {"/t/ring.opus", "/t/ring.mp4", "/t/ring", ""}) {
        EXPECT_FALSE(saveFormatFor(name)) << name;
        EXPECT_FALSE(encodeOptions(name).has_value()) << name;
    }
}

TEST(TranscodeCommands, EncodeCommandCutsBeginAndLength)
{
    const QString coder = "/app/data/coder";
    const QString wav = "/tmp/ts/open-1.wav";
    EXPECT_EQ(encodeCommand(coder, wav, {12000, 30000}, "/home/u/Tones/ring.mp3"),
              "/app/data/coder -i /tmp/ts/open-1.wav -ss 12 -t 30 -y -ab 128k -ar 44100 -ac 1 \"/home/u/Tones/ring.mp3\"");
    EXPECT_EQ(encodeCommand(coder, wav, {0, 1000}, "/t/a b.wav"), "/app/data/coder -i /tmp/ts/open-1.wav -ss 0 -t 1 -y \"/t/a b.wav\"");
    EXPECT_EQ(encodeCommand(coder, wav, {0, 1000}, "/t/x.opus"), "");
    const QStringList argv = splitCommandLine(encodeCommand(coder, wav, {5000, 10000}, "/t/-\"odd\" name.amr"));
    EXPECT_EQ(argv.last(), "/t/-\"odd\" name.amr");
    EXPECT_EQ(argv.mid(1, 6), QStringList({"-i", wav, "-ss", "5", "-t", "10"}));
}

TEST(TranscodeCommands, AFractionalCutWritesDecimalSeconds)
{
    const QString coder = "/app/data/coder";
    const QString wav = "/tmp/ts/open-1.wav";
    EXPECT_EQ(encodeCommand(coder, wav, {12345, 30500}, "/home/u/Tones/ring.mp3"),
              "/app/data/coder -i /tmp/ts/open-1.wav -ss 12.345 -t 30.5 -y -ab 128k -ar 44100 -ac 1 \"/home/u/Tones/ring.mp3\"");
    EXPECT_EQ(encodeCommand(coder, wav, {7, 1010}, "/t/a.wav"), "/app/data/coder -i /tmp/ts/open-1.wav -ss 0.007 -t 1.01 -y \"/t/a.wav\"");
    // The fades end where the fractional cut ends.
    EXPECT_TRUE(encodeCommand(coder, wav, {12345, 30500}, "/t/a.wav", EffectsSettings{0, 1000, 0})
                    .contains("afade=t=out:st=29.5:d=1"));

    EXPECT_EQ(decimalSeconds(0), "0");
    EXPECT_EQ(decimalSeconds(12000), "12");
    EXPECT_EQ(decimalSeconds(12345), "12.345");
    EXPECT_EQ(decimalSeconds(12340), "12.34");
    EXPECT_EQ(decimalSeconds(30500), "30.5");
    EXPECT_EQ(decimalSeconds(5), "0.005");
    EXPECT_EQ(decimalSeconds(7200001), "7200.001");
    EXPECT_EQ(decimalSeconds(-1500), "-1.5");
}

TEST(TranscodeCommands, CaptionsAndFolders)
{
    const QString n35(35, 'a');
    EXPECT_EQ(fileNameCaption(n35), n35);
    const QString n36 = QString(32, 'b') + "cdef";
    EXPECT_EQ(fileNameCaption(n36), QString(32, 'b') + "...");
    EXPECT_EQ(folderOf("/music/cut.mp3"), "/music/");
    EXPECT_EQ(folderOf("/cut.mp3"), "/");
    EXPECT_EQ(folderOf("/home/u/song: live.mp3"), "/home/u/");
    EXPECT_EQ(folderOf("cut.mp3"), "");
}

// Room for the decoded sound: the size a decode will write, how sizes are told, the message for
// a shortage, and a session that refuses a file whose decoded sound would not fit.
#include "coder/CoderHarness.h"
#include "editor/DecodeSpace.h"
#include "support/SessionRig.h"
#include "transcode/ConsoleRunner.h"

#include <QFileInfo>
#include <QLocale>
#include <gtest/gtest.h>

using coder_test::ffmpeg;

TEST(DecodedWavBytes, HoldsOneSecondMoreThanAskedAndAHeader)
{
    const qint64 header = 64 * 1024;
    EXPECT_EQ(decodedWavBytes(60, {44100, 2}), 61LL * 44100 * 4 + header);
    EXPECT_EQ(decodedWavBytes(10, {8000, 1}), 11LL * 8000 * 2 + header);
    EXPECT_EQ(decodedWavBytes(0.5, {48000, 6}), 72000LL * 12 + header);  // 1.5 s of 5.1
    EXPECT_EQ(decodedWavBytes(0.00001, {44100, 1}), 44101LL * 2 + header);  // a part of a frame is a frame
    EXPECT_EQ(decodedWavBytes(-3, {44100, 2}), decodedWavBytes(0, {44100, 2}));
    // Three hours of 96 kHz 7.1 do not overflow.
    EXPECT_EQ(decodedWavBytes(3 * 3600, {96000, 8}), (3LL * 3600 + 1) * 96000 * 16 + header);
}

TEST(ByteSizeText, DecimalUnitsWithOneDecimalBelowTen)
{
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(byteSizeText(0), "0 bytes");
    EXPECT_EQ(byteSizeText(999), "999 bytes");
    EXPECT_EQ(byteSizeText(1000), "1.0 kB");
    EXPECT_EQ(byteSizeText(12345), "12 kB");
    EXPECT_EQ(byteSizeText(9'440'000), "9.4 MB");
    EXPECT_EQ(byteSizeText(850'000'000), "850 MB");
    EXPECT_EQ(byteSizeText(1'300'000'000), "1.3 GB");
    EXPECT_EQ(byteSizeText(2'000'000'000'000), "2.0 TB");
    EXPECT_EQ(byteSizeText(5'000'000'000'000'000), "5000 TB");  // no unit above TB
    // The unit follows the number as it is rounded for showing.
    EXPECT_EQ(byteSizeText(999'999), "1.0 MB");
    EXPECT_EQ(byteSizeText(999'499), "999 kB");
    EXPECT_EQ(byteSizeText(9'960), "10 kB");
    EXPECT_EQ(byteSizeText(9'949), "9.9 kB");
    EXPECT_EQ(byteSizeText(999'999'999), "1.0 GB");
}

TEST(ByteSizeText, WritesTheNumberAsTheProgramsLanguageDoes)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(byteSizeText(1'300'000'000), "1,3 GB");
    EXPECT_EQ(byteSizeText(850'000'000), "850 MB");
    QLocale::setDefault(QLocale::c());
}

TEST(SpaceShortage, NamesTheFileTheRoomNeededAndTheRoomFree)
{
    QLocale::setDefault(QLocale::c());
    EXPECT_FALSE(spaceShortage("/m/a.mp3", "/tmp/t", 1000, 1000).has_value());  // just fits
    EXPECT_FALSE(spaceShortage("/m/a.mp3", "/tmp/t", 1000, 5000).has_value());
    const std::optional<QString> why = spaceShortage("/m/a b.mp3", "/tmp/t", 850'000'000, 12'345);
    ASSERT_TRUE(why.has_value());
    EXPECT_EQ(*why, "Cannot open \"/m/a b.mp3\": its decoded sound needs 850 MB of free space in /tmp/t, but only "
                    "12 kB are free. Make room there and open it again.");
    EXPECT_TRUE(spaceShortage("/m/a.mp3", "/tmp/t", 1000, 999).has_value());
}

namespace {

// A session with the build's transcoder and a 10 s stereo MP3 to open; the room it sees where
// the decoded sound goes is set by each test.
struct SpaceRig {
    SessionRig rig{true};
    QString input = rig.root.filePath("ten seconds.mp3");
    QStringList askedFolders;

    SpaceRig()
    {
        EXPECT_TRUE(ffmpeg({"-f", "lavfi", "-i", "sine=frequency=440:duration=10", "-ac", "2", "-ar", "44100", "-b:a",
                            "128k", input}));
    }
    // A session that sees `free` bytes of room (nullopt: the room cannot be told).
    EditorSession& make(std::optional<qint64> free)
    {
        rig.freeSpace = [this, free](const QString& folder) {
            askedFolders << folder;
            return free;
        };
        return rig.make();
    }
};

// What the session must find free for the 10 s stereo input at 44.1 kHz.
qint64 neededForTenSeconds() { return decodedWavBytes(10, {44100, 2}); }

}  // namespace

TEST(DecodeSpace, ASessionRefusesADecodeThatWouldNotFit)
{
    SpaceRig r;
    EditorSession& s = r.make(neededForTenSeconds() - 1);
    EXPECT_FALSE(s.openGivenFile(r.input));

    EXPECT_EQ(r.askedFolders, QStringList{r.rig.paths.tempDir});
    ASSERT_EQ(r.rig.boxes.shown.size(), 1u);
    const ShownMessage& box = r.rig.boxes.shown[0];
    EXPECT_EQ(box.text, QString("Cannot open \"%1\": its decoded sound needs %2 of free space in %3, but only %4 are "
                                "free. Make room there and open it again.")
                            .arg(r.input, byteSizeText(neededForTenSeconds()), r.rig.paths.tempDir,
                                 byteSizeText(neededForTenSeconds() - 1)));
    EXPECT_EQ(box.title, "TuneSnip");
    EXPECT_EQ(box.icon, MsgIcon::Error);
    // Stopped, not failed: nothing open, nothing shown, no WAV left, the caption as before.
    EXPECT_TRUE(s.decodeRunner().lastExit().stopped);
    EXPECT_FALSE(s.isFileOpen());
    EXPECT_FALSE(s.isBusy());
    EXPECT_FALSE(QFile::exists(r.rig.paths.tempWav));
    EXPECT_FALSE(r.rig.log.timelineShown());
    EXPECT_FALSE(r.rig.log.decodePanelShown());
    EXPECT_TRUE(r.rig.log.opened.isEmpty());
    EXPECT_EQ(s.fileCaption(), "No file open");
}

TEST(DecodeSpace, ADecodeThatJustFitsOrWhoseRoomIsUnknownOpens)
{
    for (const std::optional<qint64> free : {std::optional<qint64>(neededForTenSeconds()), std::optional<qint64>()}) {
        SCOPED_TRACE(free ? "just fits" : "unknown");
        SpaceRig r;
        EditorSession& s = r.make(free);
        EXPECT_TRUE(s.openGivenFile(r.input));
        EXPECT_EQ(r.askedFolders, QStringList{r.rig.paths.tempDir});
        EXPECT_TRUE(r.rig.boxes.shown.empty());
        EXPECT_EQ(r.rig.log.opened, QStringList{r.input});
        // What the check reserved is at least what the decode wrote.
        const qint64 written = QFileInfo(r.rig.paths.tempWav).size();
        EXPECT_GT(written, 10LL * 44100 * 4);
        EXPECT_LE(written, neededForTenSeconds());
    }
}

TEST(DecodeSpace, EachDecodeIsCheckedAfresh)
{
    SpaceRig r;
    qint64 free = 0;
    r.rig.freeSpace = [&free](const QString&) { return std::optional<qint64>(free); };
    EditorSession& s = r.rig.make();
    EXPECT_FALSE(s.openGivenFile(r.input));
    ASSERT_EQ(r.rig.boxes.shown.size(), 1u);
    free = neededForTenSeconds() * 4;  // room was made
    EXPECT_TRUE(s.openGivenFile(r.input));
    EXPECT_EQ(r.rig.boxes.shown.size(), 1u);
    EXPECT_TRUE(s.isFileOpen());
}

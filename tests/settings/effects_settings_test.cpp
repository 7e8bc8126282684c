// The ring-tone effects and effects.ini, which lives beside setup.ini and leaves it as it was.
#include "settings/EffectsSettings.h"
#include "settings/SetupIni.h"

#include "support/Fifo.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

}  // namespace

TEST(EffectsSettings, ThreeRecordsOfTheOfferedValues)
{
    EXPECT_EQ(parseEffectsIni("500\r\n3000\r\n-16\r\n"), (EffectsSettings{500, 3000, -16}));
    EXPECT_EQ(parseEffectsIni("1000\n0\n-23\n"), (EffectsSettings{1000, 0, -23}));
    EXPECT_EQ(parseEffectsIni(" 2000 \r\n"), (EffectsSettings{2000, 0, 0}));  // missing records are off
    // Values not offered, and text, read as off.
    EXPECT_EQ(parseEffectsIni("1500\r\nabc\r\n-15\r\n"), EffectsSettings{});
    EXPECT_EQ(parseEffectsIni("-500\r\n2.5\r\n-14 LUFS\r\n"), EffectsSettings{});
    EXPECT_EQ(parseEffectsIni(""), EffectsSettings{});
    EXPECT_FALSE(EffectsSettings{}.any());
    EXPECT_TRUE((EffectsSettings{0, 0, -14}.any()));
    // −16 LUFS is what turning loudness on offers first.
    EXPECT_EQ(loudnessChoicesLufs().value(1), -16);
}

TEST(EffectsSettings, StoredBesideSetupIniWhichKeepsItsTwoLinesForEveryReader)
{
    QTemporaryDir dir;
    const QString setup = dir.filePath("config/tunesnip/setup.ini");
    const QString effects = effectsIniBeside(setup);
    EXPECT_EQ(effects, dir.filePath("config/tunesnip/effects.ini"));

    ASSERT_TRUE(storeSetupIni(setup, AfterSaveSettings{1, 0}));
    ASSERT_TRUE(storeEffectsIni(effects, EffectsSettings{1000, 2000, -23}));
    EXPECT_EQ(bytesOf(effects), "1000\r\n2000\r\n-23\r\n");
    // setup.ini holds exactly the two lines an older TuneSnip writes and reads.
    EXPECT_EQ(bytesOf(setup), "1\r\n0\r\n");
    const AfterSaveSettings read = loadSetupIni(setup);
    EXPECT_EQ(read.openFolderAfterSave, 1);
    EXPECT_EQ(read.playSoundAfterSave, 0);
    EXPECT_EQ(loadEffectsIni(effects), (EffectsSettings{1000, 2000, -23}));

    // A folder that an older TuneSnip wrote: its two-line setup.ini loads, the effects are off.
    QTemporaryDir old;
    write(old.filePath("setup.ini"), "1\r\n1\r\n");
    EXPECT_EQ(loadSetupIni(old.filePath("setup.ini")).playSoundAfterSave, 1);
    EXPECT_EQ(loadEffectsIni(effectsIniBeside(old.filePath("setup.ini"))), EffectsSettings{});
}

TEST(EffectsSettings, SnappingToBeatsIsAFourthRecordWrittenOnlyWhileOn)
{
    EXPECT_FALSE(EffectsSettings{}.snapToBeats);
    EXPECT_TRUE(parseEffectsIni("0\r\n0\r\n0\r\n1\r\n").snapToBeats);
    EXPECT_FALSE(parseEffectsIni("0\r\n0\r\n0\r\n0\r\n").snapToBeats);
    EXPECT_FALSE(parseEffectsIni("0\r\n0\r\n0\r\n2\r\n").snapToBeats);  // not offered: off
    EffectsSettings snapOnly;
    snapOnly.snapToBeats = true;
    EXPECT_FALSE(snapOnly.any());  // snapping changes no save
    EffectsSettings on{500, 0, -16};

    QTemporaryDir dir;
    const QString effects = dir.filePath("effects.ini");
    on.snapToBeats = true;
    ASSERT_TRUE(storeEffectsIni(effects, on));
    EXPECT_EQ(bytesOf(effects), "500\r\n0\r\n-16\r\n1\r\n");
    EXPECT_EQ(loadEffectsIni(effects), on);
    on.snapToBeats = false;
    ASSERT_TRUE(storeEffectsIni(effects, on));
    EXPECT_EQ(bytesOf(effects), "500\r\n0\r\n-16\r\n");  // as the file was before snapping existed
}

TEST(EffectsSettings, AFifoIsNeverWaitedOnAndLeavesEveryEffectOff)
{
    QTemporaryDir dir;
    const QString effects = dir.filePath("effects.ini");
    ASSERT_TRUE(makeFifo(effects));
    const auto loaded = returnsWithoutWaiting([&] { return loadEffectsIni(effects); }, {effects});
    ASSERT_TRUE(loaded.has_value()) << "loading waited for a writer to the FIFO";
    EXPECT_EQ(*loaded, EffectsSettings{});
    ASSERT_TRUE(storeEffectsIni(effects, EffectsSettings{500, 0, -16}));
    EXPECT_FALSE(isFifo(effects));
    EXPECT_EQ(loadEffectsIni(effects), (EffectsSettings{500, 0, -16}));
}

TEST(EffectsSettings, ASummaryNamesWhatIsOnInAFewWords)
{
    EXPECT_EQ(effectsSummary({}), "");
    EXPECT_EQ(effectsSummary({1000, 1000, -16}), QString::fromUtf8("Fade 1 s \u00b7 \u221216 LUFS"));
    EXPECT_EQ(effectsSummary({500, 2000, 0}), QString::fromUtf8("Fade in 0.5 s \u00b7 Fade out 2 s"));
    EXPECT_EQ(effectsSummary({0, 3000, 0}), "Fade out 3 s");
    EXPECT_EQ(effectsSummary({0, 0, -23}), QString::fromUtf8("\u221223 LUFS"));
}

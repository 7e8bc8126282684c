#include "settings/SetupIni.h"

#include "support/Fifo.h"
#include "support/WithoutRootFileAccess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
AfterSaveSettings parse(const char* s) { return parseSetupIni(QByteArray(s)); }
void expectValues(const AfterSaveSettings& s, int open, int play)
{
    EXPECT_EQ(s.openFolderAfterSave, open);
    EXPECT_EQ(s.playSoundAfterSave, play);
}
}

TEST(SetupIni, ParsesTwoRecordsWithTheLoadingRules)
{
    expectValues(parse("0\r\n0\r\n"), 0, 0);
    expectValues(parse("1\r\n1\r\n"), 1, 1);
    expectValues(parse("7\r\n0\r\n"), 7, 0);
    expectValues(parse("-1\r\n-1\r\n"), -1, -1);
    expectValues(parse("1\n0\n"), 1, 0);              // bare LF line ends
    expectValues(parse("1"), 1, 1);                   // one record feeds both settings
    expectValues(parse("1\r\n"), 1, 1);
    expectValues(parse(""), 0, 0);
    expectValues(parse("2.5\r\n3.5\r\n"), 2, 4);      // halves to even
    expectValues(parse("abc\r\n1\r\n"), 0, 1);        // text reads as 0
    expectValues(parse("40000\r\n1\r\n"), 0, 1);      // outside 16 bits: the setting keeps 0
    expectValues(parse("1\r\n-32769\r\n"), 1, 0);
    expectValues(parse("32767\r\n-32768\r\n"), 32767, -32768);
    expectValues(parse("\"1\",\"0\"\r\n"), 1, 0);     // quoted, comma-separated fields
}

TEST(SetupIni, ABlankLineIsAFieldThatReadsAsZero)
{
    expectValues(parse(" \r\n7\r\n"), 0, 7);
    expectValues(parse("\r\n7\r\n"), 0, 7);
    expectValues(parse("7\r\n\r\n"), 7, 0);
    expectValues(parse("\n\n"), 0, 0);
    expectValues(parse("1,\r\n"), 1, 0);          // the field after the comma is empty
    expectValues(parse("7\r\n"), 7, 7);           // one CR LF ends one line, not two
    expectValues(parse("7\r\r\n1"), 7, 0);       // a bare CR ends a line of its own
}

TEST(SetupIni, StoresCrLfLinesAndReadsThemBack)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("setup.ini");
    expectValues(loadSetupIni(path), 0, 0);  // missing file

    ASSERT_TRUE(storeSetupIni(path, {1, 1}));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("1\r\n1\r\n"));
    f.close();
    expectValues(loadSetupIni(path), 1, 1);

    ASSERT_TRUE(storeSetupIni(path, {-1, 0}));
    expectValues(loadSetupIni(path), -1, 0);
}

TEST(SetupIni, StoreMakesTheMissingSettingsFoldersPrivate)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // As for a first store into $XDG_CONFIG_HOME/tunesnip/ when neither folder exists yet.
    const QString path = dir.filePath("config/tunesnip/setup.ini");
    ASSERT_TRUE(storeSetupIni(path, {1, 0}));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("1\r\n0\r\n"));
    for (const char* folder : {"config", "config/tunesnip"}) {
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(dir.filePath(folder)).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u) << folder;
    }
    // A file where a folder should be: nothing can be stored.
    QFile blocker(dir.filePath("plain"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(storeSetupIni(dir.filePath("plain/tunesnip/setup.ini"), {0, 0}));
}

TEST(SetupIni, StoreIntoReadOnlyFolderFailsAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("setup.ini");
    ASSERT_TRUE(storeSetupIni(path, {0, 0}));
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0500), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0400), 0);
    {
        WithoutRootFileAccess asOwner;  // root, too, meets the folder's permissions
        ASSERT_TRUE(asOwner.ready());
        EXPECT_FALSE(storeSetupIni(path, {1, 1}));
    }
    ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
    expectValues(loadSetupIni(path), 0, 0);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size() == 1);  // no temporary left
}

TEST(SetupIni, UnreadableFileGivesDefaults)
{
    QTemporaryDir dir;
    // A folder where the file should be cannot be read as a file.
    ASSERT_TRUE(QDir(dir.path()).mkdir("setup.ini"));
    expectValues(loadSetupIni(dir.filePath("setup.ini")), 0, 0);
    EXPECT_FALSE(storeSetupIni(dir.filePath("setup.ini"), {1, 1}));
}

TEST(SetupIni, AFifoOrAHugeFileIsNeverWaitedOnAndGivesDefaults)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("setup.ini");
    ASSERT_TRUE(makeFifo(path));
    const auto loaded = returnsWithoutWaiting([&] { return loadSetupIni(path); }, {path});
    ASSERT_TRUE(loaded.has_value()) << "loading waited for a writer to the FIFO";
    expectValues(*loaded, 0, 0);
    // Storing puts a regular file in its place.
    ASSERT_TRUE(storeSetupIni(path, {1, 0}));
    EXPECT_FALSE(isFifo(path));
    expectValues(loadSetupIni(path), 1, 0);

    // More than 1 MiB is no setup.ini of ours: defaults, though it begins like one.
    QByteArray big("7\r\n7\r\n");
    big.append(1024 * 1024, ' ');
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(big);
    f.close();
    expectValues(loadSetupIni(path), 0, 0);
    f.resize(1024 * 1024);  // exactly the bound: still read
    expectValues(loadSetupIni(path), 7, 7);
}

#include "editor/AppPaths.h"
#include "platform/TempFolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
mode_t modeOf(const QString& p)
{
    struct stat st {};
    ::lstat(QFile::encodeName(p).constData(), &st);
    return st.st_mode;
}
}

TEST(AppPaths, NamesTheApplicationFilesAndOneWavPerInstance)
{
    const AppPaths a = AppPaths::make("/opt/ts", "/tmp/tunesnip-1000", 77);
    EXPECT_EQ(a.coder(), "/opt/ts/data/coder");
    EXPECT_EQ(a.setupIni(), "/opt/ts/setup.ini");
    EXPECT_EQ(a.soundWav(), "/opt/ts/sound.wav");
    EXPECT_EQ(a.helpFile(), "/opt/ts/help.html");
    EXPECT_EQ(a.tempWav, "/tmp/tunesnip-1000/open-77.wav");
    EXPECT_NE(a.tempWav, AppPaths::make("/opt/ts", "/tmp/tunesnip-1000", 78).tempWav);
}

TEST(TempFolder, DefaultHasNoSpacesOrQuotes)
{
    const QString d = defaultTempFolder();
    EXPECT_TRUE(d.startsWith('/'));
    EXPECT_FALSE(d.contains(' '));
    EXPECT_FALSE(d.contains('"'));
}

TEST(TempFolder, CreatesPrivateFolderAndRefusesUnsafeOnes)
{
    QTemporaryDir root;
    const QString dir = root.filePath("tmp");
    QString why;
    ASSERT_TRUE(ensurePrivateFolder(dir, &why)) << why.toStdString();
    EXPECT_EQ(modeOf(dir) & 0777, 0700u);
    EXPECT_TRUE(ensurePrivateFolder(dir));  // existing folder: fine, contents untouched

    // An existing folder open to others is made private.
    const QString open = root.filePath("open");
    ASSERT_EQ(::mkdir(QFile::encodeName(open).constData(), 0777), 0);
    ::chmod(QFile::encodeName(open).constData(), 0777);
    EXPECT_TRUE(ensurePrivateFolder(open));
    EXPECT_EQ(modeOf(open) & 0777, 0700u);

    // A symbolic link planted where the folder should be is refused, even to a real folder.
    const QString link = root.filePath("link");
    ASSERT_EQ(::symlink(QFile::encodeName(dir).constData(), QFile::encodeName(link).constData()), 0);
    EXPECT_FALSE(ensurePrivateFolder(link, &why));
    EXPECT_FALSE(why.isEmpty());

    // A plain file is refused.
    const QString file = root.filePath("file");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_FALSE(ensurePrivateFolder(file));

    // A missing parent cannot be created (one level only).
    EXPECT_FALSE(ensurePrivateFolder(root.filePath("a/b")));
}

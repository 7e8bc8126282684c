#include "editor/AppPaths.h"
#include "platform/TempFolder.h"

#include <QDir>
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

TEST(TempFolder, TheDecodedSoundGoesToAPrivateFolderInTheCache)
{
    QTemporaryDir root;
    XdgDirs d{root.path(), root.filePath(".config"), root.filePath(".local/state"), root.filePath(".cache/deeper")};
    const QString dir = defaultTempFolder(d);
    EXPECT_EQ(dir, root.filePath(".cache/deeper/tunesnip"));
    // Made, with the folders above it, private to the user.
    for (const char* folder : {".cache", ".cache/deeper", ".cache/deeper/tunesnip"}) {
        EXPECT_TRUE(S_ISDIR(modeOf(root.filePath(folder)))) << folder;
        EXPECT_EQ(modeOf(root.filePath(folder)) & 0777, 0700u) << folder;
    }
    // Chosen again: the same folder, its contents kept; an existing cache folder keeps its mode,
    // while a tunesnip folder open to others is made private.
    QFile keep(dir + "/keep.txt");
    ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
    keep.close();
    d.cacheHome = root.filePath(".cache");
    ASSERT_EQ(::chmod(QFile::encodeName(root.filePath(".cache")).constData(), 0755), 0);
    ASSERT_TRUE(QDir().mkpath(root.filePath(".cache/tunesnip")));
    ASSERT_EQ(::chmod(QFile::encodeName(root.filePath(".cache/tunesnip")).constData(), 0777), 0);
    EXPECT_EQ(defaultTempFolder(d), root.filePath(".cache/tunesnip"));
    EXPECT_EQ(modeOf(root.filePath(".cache")) & 0777, 0755u);
    EXPECT_EQ(modeOf(root.filePath(".cache/tunesnip")) & 0777, 0700u);
    EXPECT_EQ(defaultTempFolder(XdgDirs{root.path(), {}, {}, root.filePath(".cache/deeper")}), dir);
    EXPECT_TRUE(QFile::exists(dir + "/keep.txt"));
}

TEST(TempFolder, FallsBackToTmpWhereTheCacheCannotBeUsedSafely)
{
    QTemporaryDir root;
    const QString fallback = "/tmp/tunesnip-" + QString::number(::getuid());
    auto folderFor = [&](const QString& cacheHome) {
        return defaultTempFolder(XdgDirs{root.path(), {}, {}, cacheHome});
    };
    EXPECT_EQ(folderFor(""), fallback);
    EXPECT_EQ(folderFor("relative/cache"), fallback);
    // A blank or a quote would break the command lines that name the WAV: not even made.
    for (const char* name : {"my cache", "it's", "say \"cache\"", "tab\tcache"}) {
        EXPECT_EQ(folderFor(root.filePath(name)), fallback) << name;
        EXPECT_FALSE(QFile::exists(root.filePath(name))) << name;
    }
    // A link planted where the folder should be, even to a private folder of this user.
    ASSERT_TRUE(QDir().mkpath(root.filePath("real")));
    ASSERT_EQ(::chmod(QFile::encodeName(root.filePath("real")).constData(), 0700), 0);
    ASSERT_TRUE(QDir().mkpath(root.filePath("linked")));
    ASSERT_TRUE(QFile::link(root.filePath("real"), root.filePath("linked/tunesnip")));
    EXPECT_EQ(folderFor(root.filePath("linked")), fallback);
    // A plain file where the folder, or a folder above it, should be.
    QFile plain(root.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    EXPECT_EQ(folderFor(root.filePath("plain/cache")), fallback);
    ASSERT_TRUE(QDir().mkpath(root.filePath("filed")));
    ASSERT_TRUE(QFile::copy(root.filePath("plain"), root.filePath("filed/tunesnip")));
    EXPECT_EQ(folderFor(root.filePath("filed")), fallback);
    // Another user's folder is not used (root can give one away; other users are refused by
    // the chown and leave that case to root's run).
    ASSERT_TRUE(QDir().mkpath(root.filePath("theirs/tunesnip")));
    if (::chown(QFile::encodeName(root.filePath("theirs/tunesnip")).constData(), 65534, 65534) == 0)
        EXPECT_EQ(folderFor(root.filePath("theirs")), fallback);
    else
        EXPECT_NE(::geteuid(), 0u);
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

// The user's folders from the XDG variables and user-dirs.dirs.
#include "platform/XdgDirs.h"

#include "support/Fifo.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
EnvLookup envOf(QHash<QString, QString> vars)
{
    return [vars](const char* name) { return vars.value(QString::fromLatin1(name)); };
}

void write(const QString& path, const QByteArray& contents)
{
    QDir().mkpath(path.left(path.lastIndexOf(QLatin1Char('/'))));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contents);
}
}  // namespace

TEST(XdgDirs, BaseFoldersFollowTheVariablesOrTheirDefaults)
{
    const XdgDirs unset = xdgDirs(envOf({{"HOME", "/home/ann"}}), "/fallback");
    EXPECT_EQ(unset.home, "/home/ann");
    EXPECT_EQ(unset.configHome, "/home/ann/.config");
    EXPECT_EQ(unset.stateHome, "/home/ann/.local/state");
    EXPECT_EQ(unset.cacheHome, "/home/ann/.cache");

    const XdgDirs set = xdgDirs(envOf({{"HOME", "/home/ann/"}, {"XDG_CONFIG_HOME", "/cfg/"}, {"XDG_STATE_HOME", "/st"},
                                       {"XDG_CACHE_HOME", "/var/cache/ann//"}}),
                                "/fallback");
    EXPECT_EQ(set.home, "/home/ann");
    EXPECT_EQ(set.configHome, "/cfg");
    EXPECT_EQ(set.stateHome, "/st");
    EXPECT_EQ(set.cacheHome, "/var/cache/ann");

    // Empty or relative values are ignored; without HOME the fallback is the home folder.
    const XdgDirs odd = xdgDirs(
        envOf({{"XDG_CONFIG_HOME", "relative/cfg"}, {"XDG_STATE_HOME", ""}, {"XDG_CACHE_HOME", "cache"}}), "/root");
    EXPECT_EQ(odd.home, "/root");
    EXPECT_EQ(odd.configHome, "/root/.config");
    EXPECT_EQ(odd.stateHome, "/root/.local/state");
    EXPECT_EQ(odd.cacheHome, "/root/.cache");
    EXPECT_EQ(xdgDirs(envOf({{"HOME", "/h"}, {"XDG_CACHE_HOME", ""}}), "/f").cacheHome, "/h/.cache");
}

TEST(XdgDirs, UserDirsFileGivesTheMusicFolder)
{
    const QString home = "/home/ann";
    const QByteArray file = "# written by xdg-user-dirs-update\n"
                            "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                            "XDG_MUSIC_DIR=\"$HOME/Musik\"\n";
    EXPECT_EQ(userDirFromFile(file, "XDG_MUSIC_DIR", home), "/home/ann/Musik");
    EXPECT_EQ(userDirFromFile(file, "XDG_VIDEOS_DIR", home), "");
    EXPECT_EQ(userDirFromFile("XDG_MUSIC_DIR=\"/srv/music/\"\n", "XDG_MUSIC_DIR", home), "/srv/music");
    EXPECT_EQ(userDirFromFile("XDG_MUSIC_DIR=\"$HOME/Mu sic é\"", "XDG_MUSIC_DIR", home), "/home/ann/Mu sic é");
    // $HOME alone switches the folder off; relative or unquoted values are not valid.
    EXPECT_EQ(userDirFromFile("XDG_MUSIC_DIR=\"$HOME\"\n", "XDG_MUSIC_DIR", home), "");
    EXPECT_EQ(userDirFromFile("XDG_MUSIC_DIR=\"$HOME/\"\n", "XDG_MUSIC_DIR", home), "");
    EXPECT_EQ(userDirFromFile("XDG_MUSIC_DIR=\"music\"\n", "XDG_MUSIC_DIR", home), "");
    EXPECT_EQ(userDirFromFile("XDG_MUSIC_DIR=$HOME/Music\n", "XDG_MUSIC_DIR", home), "");
    // Commented lines do not count; the last assignment does.
    EXPECT_EQ(userDirFromFile("#XDG_MUSIC_DIR=\"/a\"\nXDG_MUSIC_DIR=\"/b\"\nXDG_MUSIC_DIR=\"/c\"\n", "XDG_MUSIC_DIR", home),
              "/c");
}

TEST(XdgDirs, MusicFolderOnlyWhenItExistsElseHome)
{
    QTemporaryDir root;
    const XdgDirs d{root.path(), root.filePath(".config"), root.filePath(".local/state"), root.filePath(".cache")};
    EXPECT_EQ(musicFolder(d), "");                // no file, no ~/Music
    EXPECT_EQ(musicOrHome(d), root.path());
    QDir().mkpath(root.filePath("Music"));
    EXPECT_EQ(musicFolder(d), root.filePath("Music"));  // the default name
    write(root.filePath(".config/user-dirs.dirs"), "XDG_MUSIC_DIR=\"$HOME/Songs\"\n");
    EXPECT_EQ(musicOrHome(d), root.path());       // named but missing: home, not ~/Music
    QDir().mkpath(root.filePath("Songs"));
    EXPECT_EQ(musicOrHome(d), root.filePath("Songs"));
}

TEST(XdgDirs, AUserDirsFileThatIsNoRegularFileIsPassedOver)
{
    QTemporaryDir root;
    const XdgDirs d{root.path(), root.filePath(".config"), root.filePath(".local/state"), root.filePath(".cache")};
    QDir().mkpath(root.filePath("Music"));
    QDir().mkpath(root.filePath(".config"));
    const QString dirsFile = root.filePath(".config/user-dirs.dirs");
    ASSERT_TRUE(makeFifo(dirsFile));
    const auto music = returnsWithoutWaiting([&] { return musicOrHome(d); }, {dirsFile});
    ASSERT_TRUE(music.has_value()) << "the music folder waited for a writer to the FIFO";
    EXPECT_EQ(*music, root.filePath("Music"));  // as if there were no file
}

TEST(XdgDirs, PrivateParentFoldersAreMadeWithMode0700)
{
    QTemporaryDir root;
    const QString file = root.filePath("state/tunesnip/history.ini");
    ASSERT_TRUE(makePrivateParentFolders(file));
    for (const char* folder : {"state", "state/tunesnip"}) {
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(root.filePath(folder)).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u) << folder;
    }
    EXPECT_TRUE(makePrivateParentFolders(file));  // already there
    write(root.filePath("plain"), "x");
    EXPECT_FALSE(makePrivateParentFolders(root.filePath("plain/sub/file")));
}

// Recent files, the dialogs' starting folders and the offered ring tone name.
#include "editor/FileHistory.h"

#include "support/Fifo.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
struct Store {
    QTemporaryDir root;
    QString file = root.filePath("state/tunesnip/history.ini");
    QString first = root.filePath("Music");
    Store() { QDir().mkpath(first); }
    QString song(const QString& folder, const QString& name)
    {
        QDir().mkpath(root.filePath(folder));
        const QString path = root.filePath(folder + "/" + name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        return path;
    }
};
}  // namespace

TEST(RecentFiles, NewestFirstOnceEachAtMostEight)
{
    EXPECT_EQ(withRecentFile({"/a", "/b", "/c"}, "/b", 8), (QStringList{"/b", "/a", "/c"}));
    EXPECT_EQ(withRecentFile({"/a", "/b"}, "/n", 2), (QStringList{"/n", "/a"}));

    Store s;
    FileHistory h(s.file, s.first);
    QStringList expected;
    for (int i = 1; i <= 10; ++i) {
        const QString f = s.song("m", QString("song %1.mp3").arg(i));
        h.noteOpened(f);
        expected.prepend(f);
    }
    EXPECT_EQ(h.recentFiles(), expected.mid(0, 8));
    // Opening one again moves it to the front without a second entry.
    const QString again = expected[5];
    h.noteOpened(again);
    EXPECT_EQ(h.recentFiles().first(), again);
    EXPECT_EQ(h.recentFiles().count(again), 1);
    EXPECT_EQ(h.recentFiles().size(), 8);
    EXPECT_EQ(QSettings(s.file, QSettings::IniFormat).value("recent/files").toStringList().size(), 8);

    // A store holding more (written by hand, or by an older program) shows the newest eight.
    QStringList twelve;
    for (int i = 0; i < 12; ++i)
        twelve << QString("/m/%1.mp3").arg(i);
    QSettings(s.file, QSettings::IniFormat).setValue("recent/files", twelve);
    EXPECT_EQ(FileHistory(s.file, s.first).recentFiles(), twelve.mid(0, 8));
}

TEST(RecentFiles, KeptAcrossRunsAndSharedByTwoPrograms)
{
    Store s;
    const QString a = s.song("m", "a.mp3");
    const QString b = s.song("m", QString::fromUtf8("b \"x\" & é\n.mp3"));
    {
        FileHistory first(s.file, s.first);
        first.noteOpened(a);
    }
    FileHistory one(s.file, s.first);
    FileHistory two(s.file, s.first);
    EXPECT_EQ(one.recentFiles(), QStringList{a});
    two.noteOpened(b);
    EXPECT_EQ(one.recentFiles(), (QStringList{b, a}));  // read again: the other program's entry shows
    one.forget(a);
    EXPECT_EQ(FileHistory(s.file, s.first).recentFiles(), QStringList{b});
    // A history without a store lasts for the run only.
    FileHistory none(QString(), s.first);
    none.noteOpened(a);
    EXPECT_EQ(none.recentFiles(), QStringList{a});
    EXPECT_EQ(FileHistory(s.file, s.first).recentFiles(), QStringList{b});
}

TEST(RecentFiles, AStoreThatIsAFifoIsNeverWaitedOnAndGivesWayToTheNextChange)
{
    Store s;
    QDir().mkpath(s.root.filePath("state/tunesnip"));
    ASSERT_TRUE(makeFifo(s.file));
    const auto recent = returnsWithoutWaiting([&] { return FileHistory(s.file, s.first).recentFiles(); }, {s.file});
    ASSERT_TRUE(recent.has_value()) << "the history waited for a writer to the FIFO";
    EXPECT_TRUE(recent->isEmpty());
    FileHistory h(s.file, s.first);
    EXPECT_EQ(h.openDialogFolder(), s.first);
    const QString a = s.song("m", "a.mp3");
    h.noteOpened(a);
    EXPECT_FALSE(isFifo(s.file));
    EXPECT_EQ(QSettings(s.file, QSettings::IniFormat).value("recent/files").toStringList(), QStringList{a});
}

TEST(RecentFiles, AHugeListIsReadInOnePassAndALargerStoreReadsAsEmpty)
{
    // 200,000 different names (with a few repeated among the first) in just under 1 MiB: the
    // first eight different ones are the recent files. Comparing every name with every name
    // kept before it would take minutes here, past this test's time limit.
    const QString digits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    auto name = [&](int k) { return QString(digits[k / 3844]) + digits[k / 62 % 62] + digits[k % 62]; };
    QStringList names{"", name(0), name(0), name(1), name(0), name(2), name(1)};
    for (int k = 3; k < 200000; ++k)
        names << name(k);
    QByteArray text = "[folders]\nopen=/music\n\n[recent]\nfiles=" + names.join(", ").toUtf8() + "\n";
    ASSERT_LT(text.size(), 1024 * 1024);
    Store s;
    QDir().mkpath(s.root.filePath("state/tunesnip"));
    QFile f(s.file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    f.close();
    FileHistory h(s.file, s.first);
    QStringList eight;
    for (int k = 0; k < 8; ++k)
        eight << name(k);
    EXPECT_EQ(h.recentFiles(), eight);
    // A change writes the eight back; the rest is gone.
    h.forget(name(7));
    EXPECT_EQ(QSettings(s.file, QSettings::IniFormat).value("recent/files").toStringList(), eight.mid(0, 7));

    // Beyond 1 MiB the store is no history of ours: empty, and the next change replaces it.
    text = "[recent]\nfiles=/m/a.mp3, " + QByteArray(1024 * 1024, 'x') + "\n";
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    f.close();
    EXPECT_TRUE(h.recentFiles().isEmpty());
    const QString b = s.song("m", "b.mp3");
    h.noteOpened(b);
    EXPECT_EQ(FileHistory(s.file, s.first).recentFiles(), QStringList{b});
}

TEST(RecentFiles, ARelativeNameIsRememberedAbsolute)
{
    Store s;
    const QString a = s.song("m", "a.mp3");
    const QString here = QDir::currentPath();
    QDir::setCurrent(s.root.filePath("m"));
    FileHistory h(s.file, s.first);
    h.noteOpened("a.mp3");
    QDir::setCurrent(here);
    EXPECT_EQ(h.recentFiles(), QStringList{a});
}

TEST(DialogFolders, OpenStartsInTheLastOpenedFilesFolderElseTheFirstFolder)
{
    Store s;
    FileHistory h(s.file, s.first);
    EXPECT_EQ(h.openDialogFolder(), s.first);
    const QString a = s.song("rock", "a.mp3");
    h.noteOpened(a);
    EXPECT_EQ(h.openDialogFolder(), s.root.filePath("rock"));
    EXPECT_EQ(FileHistory(s.file, s.first).openDialogFolder(), s.root.filePath("rock"));  // next run
    QDir(s.root.filePath("rock")).removeRecursively();
    EXPECT_EQ(h.openDialogFolder(), s.first);  // gone: back to the first folder
}

TEST(DialogFolders, SaveStartsInTheLastSaveFolderElseTheOpenFilesFolder)
{
    Store s;
    FileHistory h(s.file, s.first);
    EXPECT_EQ(h.saveDialogFolder(), s.first);  // nothing open, nothing saved
    const QString song = s.song("in", "Song.mp3");
    h.noteOpened(song);
    EXPECT_EQ(h.saveDialogFolder(), s.root.filePath("in"));
    EXPECT_EQ(h.suggestedSaveName(), "Song (ring tone).mp3");
    h.noteSaved(s.song("tones", "Song (ring tone).mp3"));
    EXPECT_EQ(h.saveDialogFolder(), s.root.filePath("tones"));
    EXPECT_EQ(FileHistory(s.file, s.first).saveDialogFolder(), s.root.filePath("tones"));  // next run
    QDir(s.root.filePath("tones")).removeRecursively();
    EXPECT_EQ(h.saveDialogFolder(), s.root.filePath("in"));
    h.noteClosed();
    EXPECT_EQ(h.suggestedSaveName(), "");
    EXPECT_EQ(h.saveDialogFolder(), s.root.filePath("in"));  // the last opened file's folder
}

TEST(RingToneName, MadeFromTheOpenedFilesName)
{
    EXPECT_EQ(ringToneName("/music/Song.mp3"), "Song (ring tone).mp3");
    EXPECT_EQ(ringToneName("/music/Live.At.Home.wav"), "Live.At.Home (ring tone).mp3");
    EXPECT_EQ(ringToneName("/music/no extension"), "no extension (ring tone).mp3");
    EXPECT_EQ(ringToneName("/music/.hidden"), ".hidden (ring tone).mp3");
    EXPECT_EQ(ringToneName(QString::fromUtf8("/m/Größe.flac")), QString::fromUtf8("Größe (ring tone).mp3"));
    EXPECT_EQ(ringToneName(""), "");
}

TEST(RecentMenuCaption, NumberedWithAmpersandsShownAndLongPathsShortened)
{
    EXPECT_EQ(recentMenuCaption(0, "/m/a.mp3"), "&1 /m/a.mp3");
    EXPECT_EQ(recentMenuCaption(7, "/m/Rock & Roll.mp3"), "&8 /m/Rock && Roll.mp3");
    const QString longPath = "/home/user/" + QString(100, 'x') + "/Song.mp3";
    const QString c = recentMenuCaption(2, longPath, 40);
    EXPECT_TRUE(c.startsWith("&3 /home/user/"));
    EXPECT_TRUE(c.endsWith("x/Song.mp3"));
    EXPECT_TRUE(c.contains("..."));
    EXPECT_EQ(c.size(), 3 + 40);
}

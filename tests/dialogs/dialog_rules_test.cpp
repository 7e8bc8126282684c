#include "dialogs/DialogRules.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QString kOpenFilter = QStringLiteral(
    "MP3 Files(*.mp3)|*.mp3|WMA Files(*.wma)|*.wma|WAV Files(*.wav)|*.wav|AMR Files(*.amr)|*.amr|"
    "WMV Files(*.wmv)|*.wmv|AVI Files(*.avi)|*.avi|MPG Files(*.mpg)|*.mpg|All Files(*.*)|*.*");
}

TEST(DialogRules, CutAtNul)
{
    EXPECT_EQ(cutAtNul(QStringLiteral("abc")), QStringLiteral("abc"));
    EXPECT_EQ(cutAtNul(QString()), QString());
    EXPECT_EQ(cutAtNul(QStringLiteral("ab") + QChar(0) + QStringLiteral("junk") + QChar(0)), QStringLiteral("ab"));
    EXPECT_EQ(cutAtNul(QString(QChar(0)) + QStringLiteral("x")), QString());
}

TEST(DialogRules, FilterListsPairDescriptionsWithPatterns)
{
    const QList<FilterEntry> open = openFilterEntries(kOpenFilter);
    ASSERT_EQ(open.size(), 8);
    EXPECT_EQ(open.first(), (FilterEntry{QStringLiteral("MP3 Files(*.mp3)"), QStringLiteral("*.mp3")}));
    EXPECT_EQ(open.last(), (FilterEntry{QStringLiteral("All Files(*.*)"), QStringLiteral("*.*")}));

    const QString four = QStringLiteral("MP3 Files(*.mp3)|*.mp3|WMA Files(*.wma)|*.wma|WAV Files(*.wav)|*.wav|AMR Files(*.amr)|*.amr");
    EXPECT_EQ(openFilterEntries(four).size(), 4);
    EXPECT_EQ(saveFilterEntries(four), openFilterEntries(four));

    // Empty: nothing to open with, "*.*" to save with.
    EXPECT_TRUE(openFilterEntries(QString()).isEmpty());
    EXPECT_EQ(saveFilterEntries(QString()), (QList<FilterEntry>{{QStringLiteral("*.*"), QStringLiteral("*.*")}}));
    EXPECT_EQ(saveFilterEntries(QStringLiteral("   ")).size(), 1);
    // A description without a pattern and everything after an empty piece are dropped.
    EXPECT_EQ(openFilterEntries(QStringLiteral("A|*.a|B")).size(), 1);
    EXPECT_EQ(openFilterEntries(QStringLiteral("A|*.a||x|B|*.b")).size(), 1);
}

TEST(DialogRules, QtNameFiltersKeepTheDescriptionAndListThePatterns)
{
    EXPECT_EQ(qtNameFilter({QStringLiteral("MP3 Files(*.mp3)"), QStringLiteral("*.mp3")}),
              QStringLiteral("MP3 Files(*.mp3) (*.mp3)"));
    EXPECT_EQ(qtNameFilter({QStringLiteral("Sound"), QStringLiteral("*.wav; *.amr")}), QStringLiteral("Sound (*.wav *.amr)"));
    EXPECT_EQ(qtNameFilter({QStringLiteral("All Files(*.*)"), QStringLiteral("*.*")}), QStringLiteral("All Files(*.*) (*)"));
}

TEST(DialogRules, SavePathSettlesOnAnExistingFolderOrTheApplicationFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString app = QStringLiteral("/opt/app");
    const QString existing = dir.path();
    EXPECT_EQ(settleSavePath(QString(), app), app);
    EXPECT_EQ(settleSavePath(QStringLiteral("  "), app), app);
    EXPECT_EQ(settleSavePath(existing, app), existing + QLatin1Char('/'));
    EXPECT_EQ(settleSavePath(existing + QLatin1Char('/'), app), existing + QLatin1Char('/'));
    EXPECT_EQ(settleSavePath(existing + QStringLiteral("/missing"), app), app);
    QFile file(dir.filePath(QStringLiteral("file.mp3")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(settleSavePath(file.fileName(), app), app);  // a file is no folder
    ASSERT_TRUE(QDir(existing).mkdir(QStringLiteral(".hidden")));
    EXPECT_EQ(settleSavePath(existing + QStringLiteral("/.hidden"), app), existing + QStringLiteral("/.hidden/"));
}

TEST(DialogRules, FolderAndTitleOfAChosenFile)
{
    EXPECT_EQ(folderOfFile(QStringLiteral("/music/a.mp3")), QStringLiteral("/music"));
    EXPECT_EQ(folderOfFile(QStringLiteral("/a.mp3")), QStringLiteral("/"));
    EXPECT_EQ(folderOfFile(QStringLiteral("/x/y z/b c.wav")), QStringLiteral("/x/y z"));
    EXPECT_EQ(folderOfFile(QStringLiteral("plain.mp3")), QString());
    EXPECT_EQ(titleOfFile(QStringLiteral("/music/a.mp3")), QStringLiteral("a.mp3"));
    EXPECT_EQ(titleOfFile(QStringLiteral("/a.mp3")), QStringLiteral("a.mp3"));
    EXPECT_EQ(titleOfFile(QStringLiteral("plain.mp3")), QStringLiteral("plain.mp3"));
}

TEST(DialogRules, FontSizes)
{
    EXPECT_EQ(fontPixelHeight(10, 96), 13);  // 13.33
    EXPECT_EQ(fontPixelHeight(12, 96), 16);
    EXPECT_EQ(fontPixelHeight(9, 96), 12);
    EXPECT_EQ(fontPixelHeight(3, 12), 1);    // exactly one half rounds up
    EXPECT_EQ(fontPixelHeight(-3, 12), -1);
    EXPECT_EQ(fontPixelHeight(10, 120), 17);
    EXPECT_EQ(fontPixelHeight(10, 0), 0);
    EXPECT_EQ(wholePoints(12.5), 12);
    EXPECT_EQ(wholePoints(12.0), 12);
    EXPECT_EQ(wholePoints(11.96), 12);       // 119.6 tenths round to 120
    EXPECT_EQ(wholePoints(8.04), 8);
    EXPECT_EQ(faceNameForDialog(QString(40, QLatin1Char('a'))).size(), 31);
    EXPECT_EQ(faceNameForDialog(QStringLiteral("DejaVu Sans")), QStringLiteral("DejaVu Sans"));
}

TEST(DialogRules, ColourValuesKeepBlueGreenRedOrder)
{
    EXPECT_EQ(colorRefFromRgb(qRgb(0x12, 0x34, 0x56)), 0x563412u);
    EXPECT_EQ(rgbFromColorRef(0x563412u), qRgb(0x12, 0x34, 0x56));
    EXPECT_EQ(colorRefFromRgb(qRgba(255, 0, 0, 10)), 0x0000FFu);
    EXPECT_EQ(rgbFromColorRef(0xFF000000u | 0xFF), qRgb(255, 0, 0));  // stray high byte ignored
}

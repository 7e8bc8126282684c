// The program's own files in the build's application folder and in installed trees.
#include "platform/InstallLayout.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const InstalledTree kTree{QStringLiteral("../libexec/tunesnip"), QStringLiteral("../lib/tunesnip"),
                          QStringLiteral("../share/tunesnip")};

void touch(const QString& path)
{
    QDir().mkpath(path.left(path.lastIndexOf(QLatin1Char('/'))));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
}
}  // namespace

TEST(InstallLayout, TheBuildFolderKeepsEverythingBesideTheProgram)
{
    QTemporaryDir root;
    const QString app = root.filePath("app");
    touch(app + "/data/coder");
    const ProgramFiles f = locateProgramFiles(app, kTree);
    EXPECT_EQ(f.layout, ProgramLayout::Build);
    EXPECT_EQ(f.coder, app + "/data/coder");
    EXPECT_EQ(f.soundWav, app + "/sound.wav");
    EXPECT_EQ(f.helpFile, app + "/help.html");

    // Even inside a folder called bin next to a share/tunesnip, data/coder marks the build.
    const QString bin = root.filePath("bin");
    touch(bin + "/data/coder");
    touch(root.filePath("share/tunesnip/help.html"));
    EXPECT_EQ(detectLayout(bin, kTree), ProgramLayout::Build);
}

TEST(InstallLayout, AnInstalledTreeIsFoundRelativeToTheProgramUnderAnyPrefix)
{
    for (const char* prefix : {"usr", "opt/tune snip", "home/u/.local"}) {
        QTemporaryDir root;
        const QString p = root.filePath(prefix);
        touch(p + "/libexec/tunesnip/coder");
        touch(p + "/share/tunesnip/sound.wav");
        touch(p + "/bin/tunesnip");
        const ProgramFiles f = locateProgramFiles(p + "/bin", kTree);
        EXPECT_EQ(f.layout, ProgramLayout::Installed) << prefix;
        EXPECT_EQ(f.coder, p + "/libexec/tunesnip/coder");
        EXPECT_EQ(f.soundWav, p + "/share/tunesnip/sound.wav");
        EXPECT_EQ(f.helpFile, p + "/share/tunesnip/help.html");
    }
}

TEST(InstallLayout, TheTranscoderMayLiveInLibInstead)
{
    QTemporaryDir root;
    touch(root.filePath("share/tunesnip/help.html"));
    QDir().mkpath(root.filePath("bin"));
    // Found in neither place: named where it belongs, so the run reports that path.
    EXPECT_EQ(locateProgramFiles(root.filePath("bin"), kTree).coder, root.filePath("libexec/tunesnip/coder"));
    touch(root.filePath("lib/tunesnip/coder"));
    EXPECT_EQ(locateProgramFiles(root.filePath("bin"), kTree).coder, root.filePath("lib/tunesnip/coder"));
    touch(root.filePath("libexec/tunesnip/coder"));
    EXPECT_EQ(locateProgramFiles(root.filePath("bin"), kTree).coder, root.filePath("libexec/tunesnip/coder"));
}

TEST(InstallLayout, AFolderWithNeitherLayoutIsTreatedAsTheBuildFolder)
{
    QTemporaryDir root;
    QDir().mkpath(root.filePath("bin"));
    const ProgramFiles f = locateProgramFiles(root.filePath("bin"), kTree);
    EXPECT_EQ(f.layout, ProgramLayout::Build);
    EXPECT_EQ(f.coder, root.filePath("bin/data/coder"));
}

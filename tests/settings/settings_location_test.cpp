// Where setup.ini lives: beside the program in a writable build folder, else in the XDG config
// folder, which wins once it holds one.
#include "settings/SettingsLocation.h"

#include "editor/AppPaths.h"
#include "support/ChildProcess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
struct Folders {
    QTemporaryDir root;
    QString app = root.filePath("app");
    QString config = root.filePath("config");
    QString inConfig = config + "/tunesnip/setup.ini";
    Folders() { QDir().mkpath(app); }
};
bool yes(const QString&) { return true; }
bool no(const QString&) { return false; }
}  // namespace

TEST(SettingsLocation, BuildFolderKeepsItBesideTheProgramWhileWritable)
{
    Folders f;
    EXPECT_EQ(setupIniLocation(ProgramLayout::Build, f.app, f.config, yes), f.app + "/setup.ini");
    EXPECT_EQ(setupIniLocation(ProgramLayout::Build, f.app, f.config, no), f.inConfig);
    // The real test of the folder: this one is writable for whoever runs the tests.
    EXPECT_EQ(setupIniLocation(ProgramLayout::Build, f.app, f.config), f.app + "/setup.ini");
    EXPECT_FALSE(QFile::exists(f.config));  // choosing creates nothing
}

TEST(SettingsLocation, AnInstalledProgramUsesTheConfigFolderEvenWhereItMayWrite)
{
    Folders f;
    // As root, /usr/bin is writable; the installed layout still keeps settings per user.
    EXPECT_EQ(setupIniLocation(ProgramLayout::Installed, f.app, f.config, yes), f.inConfig);
    EXPECT_EQ(setupIniLocation(ProgramLayout::Installed, f.app, f.config, no), f.inConfig);
}

TEST(SettingsLocation, ASetupIniInTheConfigFolderWins)
{
    Folders f;
    QDir().mkpath(f.config + "/tunesnip");
    QFile ini(f.inConfig);
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.close();
    QFile beside(f.app + "/setup.ini");
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
    beside.close();
    EXPECT_EQ(setupIniLocation(ProgramLayout::Build, f.app, f.config, yes), f.inConfig);
}

TEST(SettingsLocation, WritableFoldersAreTold)
{
    Folders f;
    EXPECT_TRUE(folderWritable(f.app));
    EXPECT_FALSE(folderWritable(f.root.filePath("missing")));
    QFile file(f.root.filePath("file"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_FALSE(folderWritable(file.fileName()));  // not a folder
}

TEST(SettingsLocation, AFolderWithoutWritePermissionIsNotWritable)
{
    // Root passes over permission bits; here root has given up that power (for good, in a child),
    // as a program started by root cannot count on, so the rule is checked as root too.
    Folders f;
    const QByteArray app = QFile::encodeName(f.app);
    ASSERT_EQ(::chmod(app.constData(), 0500), 0);
    const int outcome = withoutRootFileAccessForGood([&] {
        if (folderWritable(f.app))
            return 1;
        if (!folderWritable(f.root.path()))  // a folder with write permission still is
            return 2;
        if (setupIniLocation(ProgramLayout::Build, f.app, f.config) != f.inConfig)
            return 3;
        return 0;
    });
    ::chmod(app.constData(), 0700);
    ASSERT_NE(outcome, kCapabilitiesKept) << "root could not give up its file capabilities";
    EXPECT_EQ(outcome, 0) << "1: a read-only folder counted as writable, 2: a writable one did not, "
                             "3: setup.ini stayed beside the program in a read-only build folder";
}

TEST(SettingsLocation, AFolderOnAReadOnlyMountIsNotWritableEvenForRoot)
{
    // What stops root, with all its capabilities: the build folder mounted read-only (in a mount
    // namespace of the test's own, so nothing else sees it).
    Folders f;
    const QByteArray app = QFile::encodeName(f.app);
    const int outcome = inOwnMountNamespace([&] {
        if (!folderWritable(f.app))
            return 1;
        if (::mount(app.constData(), app.constData(), nullptr, MS_BIND, nullptr) != 0 ||
            ::mount(nullptr, app.constData(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) != 0)
            return 10;
        if (folderWritable(f.app))
            return 2;
        if (setupIniLocation(ProgramLayout::Build, f.app, f.config) != f.inConfig)
            return 3;
        return 0;
    });
    if (outcome == kNoMountNamespace)
        GTEST_SKIP() << "this user may not have a mount namespace of its own (root may, as in CI)";
    EXPECT_EQ(outcome, 0) << "1: writable before, 2: still writable read-only, 3: setup.ini stayed beside the "
                             "program, 10: no read-only mount";
}

TEST(SettingsLocation, AppPathsOfAnInstalledProgramPutSettingsAndHistoryUnderXdg)
{
    QTemporaryDir root;
    const QString prefix = root.filePath("usr");
    QDir().mkpath(prefix + "/bin");
    QDir().mkpath(prefix + "/share/tunesnip");
    QDir().mkpath(prefix + "/libexec/tunesnip");
    const XdgDirs xdg{root.filePath("home"), root.filePath("home/.config"), root.filePath("home/.local/state"),
                      root.filePath("home/.cache")};
    const AppPaths p = AppPaths::forProgram(prefix + "/bin", "/home/ann/.cache/tunesnip", 9, xdg);
    EXPECT_EQ(p.coder(), prefix + "/libexec/tunesnip/coder");
    EXPECT_EQ(p.soundWav(), prefix + "/share/tunesnip/sound.wav");
    EXPECT_EQ(p.helpFile(), prefix + "/share/tunesnip/help.html");
    EXPECT_EQ(p.setupIni(), root.filePath("home/.config/tunesnip/setup.ini"));
    EXPECT_EQ(p.historyFile, root.filePath("home/.local/state/tunesnip/history.ini"));
    EXPECT_EQ(p.tempWav, "/home/ann/.cache/tunesnip/open-9.wav");
    EXPECT_EQ(p.previewWav, "/home/ann/.cache/tunesnip/preview-9.wav");
    EXPECT_EQ(p.effectsIni(), root.filePath("home/.config/tunesnip/effects.ini"));  // beside setup.ini

    // The build folder, writable: everything beside the program, as it always was.
    const QString app = root.filePath("build/app");
    QDir().mkpath(app + "/data");
    QFile coder(app + "/data/coder");
    ASSERT_TRUE(coder.open(QIODevice::WriteOnly));
    const AppPaths b = AppPaths::forProgram(app, "/tmp/t", 9, xdg);
    EXPECT_EQ(b.coder(), app + "/data/coder");
    EXPECT_EQ(b.setupIni(), app + "/setup.ini");
    EXPECT_EQ(b.effectsIni(), app + "/effects.ini");
    EXPECT_EQ(b.soundWav(), app + "/sound.wav");
}

// The program installed into a prefix with `cmake --install`: every file in its place, the
// desktop entry and metainfo valid, the installed program finding its transcoder from any
// prefix, and its settings kept per user although the program's folder is writable (as root).
#include "editor/AppIdentity.h"
#include "app/frmMain.h"
#include "editor/EditorSession.h"
#include "coder/CoderHarness.h"
#include "settings/SettingsWindowLauncher.h"
#include "settings/frmSetting.h"
#include "support/MainWindowRig.h"
#include "controls/SkinButton.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using coder_test::ffmpeg;
using coder_test::runProgram;

namespace {

const QString kId = QString::fromLatin1(kAppId);

// One installation for the whole test program, into a prefix with a blank in its name.
class Installed : public ::testing::Test {
protected:
    static QTemporaryDir* root;
    static QString prefix;
    static QString installLog;

    static void SetUpTestSuite()
    {
        root = new QTemporaryDir;
        prefix = root->filePath("my prefix");
        const coder_test::RunResult r =
            runProgram(QStringLiteral(TS_CMAKE_COMMAND), {"--install", TS_BINARY_DIR, "--prefix", prefix}, 120000);
        installLog = QString::fromLocal8Bit(r.output);
    }
    static void TearDownTestSuite()
    {
        delete root;
        root = nullptr;
    }
    static QString at(const QString& relative) { return prefix + "/" + relative; }
    static QByteArray read(const QString& relative)
    {
        QFile f(at(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};
QTemporaryDir* Installed::root = nullptr;
QString Installed::prefix;
QString Installed::installLog;

}  // namespace

TEST_F(Installed, EveryFileLiesInItsPlaceUnderTheOneId)
{
    ASSERT_TRUE(QFileInfo(at("bin/tunesnip")).isExecutable()) << installLog.toStdString();
    EXPECT_TRUE(QFileInfo(at("libexec/tunesnip/coder")).isExecutable());
    EXPECT_GT(QFileInfo(at("share/tunesnip/sound.wav")).size(), 44);
    EXPECT_TRUE(read("share/tunesnip/help.html").contains("<html"));
    // The translations and the help page of each language, where the program looks for them.
    for (const char* language : {"de", "fr", "es", "pt_BR", "ru", "zh_CN"}) {
        EXPECT_GT(QFileInfo(at(QString("share/tunesnip/translations/tunesnip_%1.qm").arg(language))).size(), 0) << language;
        EXPECT_TRUE(read(QString("share/tunesnip/help_%1.html").arg(language)).contains("<html lang=")) << language;
    }
    EXPECT_TRUE(read("share/doc/tunesnip/copyright").startsWith("Format: https://www.debian.org/doc/packaging-manuals/"));
    EXPECT_FALSE(QFile::exists(at("bin/data")));  // nothing of the build folder's layout
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage icon(at(QString("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kId)));
        EXPECT_EQ(icon.size(), QSize(size, size)) << size;
        EXPECT_TRUE(icon.hasAlphaChannel()) << size;
    }

    const QString desktop = QString::fromUtf8(read("share/applications/" + kId + ".desktop"));
    for (const char* line : {"Exec=tunesnip %f\n", "Categories=AudioVideo;Audio;AudioVideoEditing;\n", "Type=Application\n"})
        EXPECT_TRUE(desktop.contains(QLatin1String(line))) << line;
    EXPECT_TRUE(desktop.contains("\nIcon=" + kId + "\n"));
    EXPECT_TRUE(desktop.contains("\nComment="));
    // Every type the open dialog offers, and the newer formats the transcoder reads.
    for (const char* type : {"audio/mpeg", "audio/x-wav", "audio/x-ms-wma", "audio/AMR", "video/x-ms-wmv",
                             "video/x-msvideo", "video/mpeg", "audio/mp4", "audio/ogg", "audio/flac"})
        EXPECT_TRUE(desktop.contains(QString(type) + ";")) << type;
    const QString metainfo = QString::fromUtf8(read("share/metainfo/" + kId + ".metainfo.xml"));
    EXPECT_TRUE(metainfo.contains("<id>" + kId + "</id>"));
    EXPECT_TRUE(metainfo.contains("<launchable type=\"desktop-id\">" + kId + ".desktop</launchable>"));
    EXPECT_TRUE(metainfo.contains(QStringLiteral("<release version=\"%1.%2.%3\"")
                                      .arg(TUNESNIP_VERSION_MAJOR)
                                      .arg(TUNESNIP_VERSION_MINOR)
                                      .arg(TUNESNIP_VERSION_PATCH)));
}

TEST_F(Installed, DesktopEntryAndMetainfoPassTheirValidators)
{
    // Both tools come with scripts/install-deps.sh (desktop-file-utils, appstream).
    const coder_test::RunResult d =
        runProgram("desktop-file-validate", {at("share/applications/" + kId + ".desktop")});
    EXPECT_EQ(d.exitCode, 0) << d.output.toStdString();
    EXPECT_TRUE(d.output.trimmed().isEmpty()) << d.output.toStdString();  // no warnings either
    const coder_test::RunResult a =
        runProgram("appstreamcli", {"validate", "--no-net", at("share/metainfo/" + kId + ".metainfo.xml")});
    EXPECT_EQ(a.exitCode, 0) << a.output.toStdString();
}

TEST_F(Installed, TheInstalledProgramOpensAFileGivenOnItsCommandLine)
{
    QTemporaryDir home;
    const QString song = home.filePath("tone.mp3");
    ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "sine=frequency=330:duration=2", "-b:a", "64k", song}));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("SDL_AUDIODRIVER", "dummy");
    env.remove("XDG_CONFIG_HOME");
    env.remove("XDG_STATE_HOME");
    env.remove("XDG_CACHE_HOME");
    p.setProcessEnvironment(env);
    p.start(at("bin/tunesnip"), {"--quit-after-open", song});
    ASSERT_TRUE(p.waitForFinished(60000));
    // Status 0 only when the transcoder under libexec decoded it.
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_TRUE(QFile::exists(home.filePath(".local/state/tunesnip/history.ini")));
    EXPECT_FALSE(QFile::exists(at("bin/setup.ini")));
    // The decoded sound was in the user's cache folder, and went with the program.
    EXPECT_TRUE(QFileInfo(home.filePath(".cache/tunesnip")).isDir());
    EXPECT_TRUE(QDir(home.filePath(".cache/tunesnip")).entryList(QDir::Files).isEmpty());
}

TEST_F(Installed, SettingsAreStoredInTheUsersConfigFolderNotBesideTheProgram)
{
    QTemporaryDir home;
    const XdgDirs xdg = xdgDirs([&](const char* name) { return QString(name) == "HOME" ? home.path() : QString(); }, "/");
    const AppPaths paths = AppPaths::forProgram(at("bin"), home.filePath("tmp"), 7, xdg);
    const QString inConfig = home.filePath(".config/tunesnip/setup.ini");
    ASSERT_EQ(paths.setupIni(), inConfig);
    // The folder is writable here (root, or a prefix of the user's): the layout decides.
    ASSERT_TRUE(QFileInfo(at("bin")).isWritable());

    MainWindowRig rig;
    {
        frmMain w(paths, rig.services());
        SettingsWindowLauncher launcher(w.session().settings(), w.session().effects(), paths.setupIni());
        launcher.show();
        frmSetting* s = launcher.window();
        ASSERT_NE(s, nullptr);
        s->cmbOF()->setCurrentIndex(1);
        s->cmbRS()->setCurrentIndex(1);
        QTest::mouseClick(s->cmdOK(), Qt::LeftButton, Qt::NoModifier, s->cmdOK()->rect().center());
    }
    QFile f(inConfig);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("1\r\n1\r\n"));  // the same two-line format
    EXPECT_FALSE(QFile::exists(at("bin/setup.ini")));
    // The next start reads them from there.
    frmMain again(paths, rig.services());
    EXPECT_EQ(again.session().settings().openFolderAfterSave, 1);
    EXPECT_EQ(again.session().settings().playSoundAfterSave, 1);
}

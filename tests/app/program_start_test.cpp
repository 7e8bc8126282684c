// The built program started as a user starts it: --help and --version without a display, and a
// file named on its command line opened after the splash (in the unattended test mode).
#include "coder/CoderHarness.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using coder_test::ffmpeg;

namespace {

struct ProgramRun {
    int exitCode = -1;
    bool finished = false;
    QString out;
    QString err;
};

// A home of its own, so the program's history and settings go nowhere else.
struct Home {
    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    Home()
    {
        QDir(dir.path()).mkpath("runtime");
        QFile::setPermissions(dir.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env.insert("HOME", dir.path());
        env.insert("XDG_RUNTIME_DIR", dir.filePath("runtime"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("SDL_AUDIODRIVER", "dummy");
        for (const char* v : {"XDG_CONFIG_HOME", "XDG_STATE_HOME", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(v);
    }
    ProgramRun run(const QString& program, const QStringList& args, int timeoutMs = 60000)
    {
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir.path());
        p.start(program, args);
        ProgramRun r;
        r.finished = p.waitForFinished(timeoutMs);
        if (!r.finished)
            p.kill(), p.waitForFinished();
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
        r.err = QString::fromLocal8Bit(p.readAllStandardError());
        return r;
    }
};

const QString kProgram = QStringLiteral(TS_APP_DIR "/tunesnip");

}  // namespace

TEST(ProgramStart, HelpAndVersionAnswerWithoutAnyDisplay)
{
    Home home;
    home.env.remove("QT_QPA_PLATFORM");  // a window system would abort the program here
    const ProgramRun version = home.run(kProgram, {"--version"});
    ASSERT_TRUE(version.finished);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("TuneSnip %1.%2.%3\n")
                               .arg(TUNESNIP_VERSION_MAJOR)
                               .arg(TUNESNIP_VERSION_MINOR)
                               .arg(TUNESNIP_VERSION_PATCH));
    const ProgramRun help = home.run(kProgram, {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: tunesnip [options] [FILE]")) << help.out.toStdString();
    const ProgramRun bad = home.run(kProgram, {"--no-such-option"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.err.contains("no-such-option")) << bad.err.toStdString();
}

TEST(ProgramStart, AFileArgumentOpensAfterTheSplash)
{
    Home home;
    ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "sine=frequency=440:duration=2", "-b:a", "64k",
                        home.dir.filePath("My Song.mp3")}));
    // A relative name, as typed in a terminal in the file's folder.
    const ProgramRun r = home.run(kProgram, {"--quit-after-open", "My Song.mp3"});
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains("Could not")) << r.err.toStdString();
    // It was opened, so it is the newest recent file, kept under XDG_STATE_HOME's default.
    const QSettings history(home.dir.filePath(".local/state/tunesnip/history.ini"), QSettings::IniFormat);
    EXPECT_EQ(history.value("recent/files").toStringList(), QStringList{home.dir.filePath("My Song.mp3")});
    // The decoded sound went with the program.
    EXPECT_TRUE(QDir(home.dir.filePath("runtime/tunesnip")).entryList(QDir::Files).isEmpty());
}

TEST(ProgramStart, AMissingFileGivesTheOpenDialogsMessage)
{
    Home home;
    const ProgramRun r = home.run(kProgram, {"--quit-after-open", "gone.mp3"});
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("Open Files: " + home.dir.filePath("gone.mp3") + " / File not found.")) << r.err.toStdString();
}

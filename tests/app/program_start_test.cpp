// The built program started as a user starts it: --help and --version without a display, and a
// file named on its command line opened after the splash (in the unattended test mode).
#include "coder/CoderHarness.h"
#include "support/Fifo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
        for (const char* v : {"XDG_CONFIG_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME", "DISPLAY", "WAYLAND_DISPLAY",
                              "LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            env.remove(v);
        env.insert("LANG", "C.UTF-8");  // English, whatever the developer's desktop speaks
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

TEST(ProgramStart, TheConsoleAnswersInTheProgramsLanguage)
{
    Home home;
    home.env.remove("QT_QPA_PLATFORM");  // still no window system
    const ProgramRun help = home.run(kProgram, {"--lang", "de", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Aufruf: tunesnip [Optionen] [FILE]\n")) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("als Klingelton.")) << help.out.toStdString();
    // The desktop's language, for a mistake too.
    home.env.insert("LANG", "fr_FR.UTF-8");
    const ProgramRun bad = home.run(kProgram, {"--no-such-option"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_EQ(bad.err, QString::fromUtf8("tunesnip: Option inconnue « no-such-option ».\n"
                                         "Essayez « tunesnip --help » pour plus d'informations.\n"));
    // --lang en keeps the source texts.
    EXPECT_TRUE(home.run(kProgram, {"--lang", "en", "--help"}).out.startsWith("Usage: tunesnip [options] [FILE]"));
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
    // The decoded sound was on disk in the cache folder, not in the runtime folder (memory on
    // most desktops), and went with the program.
    EXPECT_TRUE(QFileInfo(home.dir.filePath(".cache/tunesnip")).isDir());
    EXPECT_TRUE(QDir(home.dir.filePath(".cache/tunesnip")).entryList(QDir::Files).isEmpty());
    EXPECT_FALSE(QFile::exists(home.dir.filePath("runtime/tunesnip")));
}

TEST(ProgramStart, WavsLeftInTheCacheByAKilledRunAreRemovedAtStart)
{
    Home home;
    ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "sine=frequency=440:duration=1", home.dir.filePath("a.wav")}));
    // A process id that has ended: the run that left these files is gone.
    QProcess gone;
    gone.start("true");
    ASSERT_TRUE(gone.waitForStarted());
    const QString pid = QString::number(gone.processId());
    ASSERT_TRUE(gone.waitForFinished());
    const QString cache = home.dir.filePath(".cache/tunesnip");
    ASSERT_TRUE(QDir().mkpath(cache));
    ASSERT_TRUE(QFile::setPermissions(cache, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    for (const QString& name : {"open-" + pid + ".wav", "preview-" + pid + ".wav", QString("notes.txt")}) {
        QFile f(cache + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("RIFF");
    }
    const ProgramRun r = home.run(kProgram, {"--quit-after-open", "a.wav"});
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(QDir(cache).entryList(QDir::Files), QStringList{"notes.txt"});
}

TEST(ProgramStart, SettingsFilesThatAreFifosDoNotHoldTheStart)
{
    // A FIFO wherever the program reads a small file at start: the settings, the effects, the
    // user's folders and the history. None may keep it waiting for a writer.
    Home home;
    ASSERT_TRUE(ffmpeg({"-f", "lavfi", "-i", "sine=frequency=440:duration=1", home.dir.filePath("a.wav")}));
    const QStringList fifos{home.dir.filePath(".config/tunesnip/setup.ini"), home.dir.filePath(".config/tunesnip/effects.ini"),
                            home.dir.filePath(".config/user-dirs.dirs"),
                            home.dir.filePath(".local/state/tunesnip/history.ini")};
    for (const QString& fifo : fifos) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(fifo).path()));
        ASSERT_TRUE(makeFifo(fifo)) << fifo.toStdString();
    }
    const ProgramRun r = home.run(kProgram, {"--quit-after-open", "a.wav"});
    ASSERT_TRUE(r.finished) << "the program waited on a FIFO at start";
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    // The opened file became the history, in a regular file; the settings were only read.
    EXPECT_FALSE(isFifo(fifos[3]));
    const QSettings history(fifos[3], QSettings::IniFormat);
    EXPECT_EQ(history.value("recent/files").toStringList(), QStringList{home.dir.filePath("a.wav")});
    EXPECT_TRUE(isFifo(fifos[0]));
}

TEST(ProgramStart, AMissingFileGivesTheOpenDialogsMessage)
{
    Home home;
    const ProgramRun r = home.run(kProgram, {"--quit-after-open", "gone.mp3"});
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("Open Files: " + home.dir.filePath("gone.mp3") + " / File not found.")) << r.err.toStdString();
}

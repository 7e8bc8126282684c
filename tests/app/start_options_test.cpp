// The command line: a file to open, --help, --version, the unattended test mode.
#include "app/StartOptions.h"

#include <gtest/gtest.h>

namespace {
StartOptions parse(QStringList args, const QString& cwd = "/home/ann/Music")
{
    args.prepend("/usr/bin/tunesnip");
    return parseStartOptions(args, cwd);
}
}  // namespace

TEST(StartOptions, AFileArgumentBecomesAnAbsolutePath)
{
    EXPECT_EQ(parse({}).action, StartOptions::Action::Run);
    EXPECT_EQ(parse({}).file, "");
    EXPECT_EQ(parse({"song.mp3"}).file, "/home/ann/Music/song.mp3");
    EXPECT_EQ(parse({"../x/Song (live).mp3"}).file, "/home/ann/x/Song (live).mp3");
    EXPECT_EQ(parse({"/abs/a.wav"}).file, "/abs/a.wav");
    EXPECT_EQ(parse({"file:///abs/with%20space.mp3"}).file, "/abs/with space.mp3");
    EXPECT_EQ(parse({"--", "-dash.mp3"}).file, "/home/ann/Music/-dash.mp3");
    EXPECT_EQ(parse({"first.mp3", "second.mp3"}).file, "/home/ann/Music/first.mp3");
    EXPECT_FALSE(parse({"a.mp3"}).quitAfterOpen);
}

TEST(StartOptions, HelpAndVersionAnswerOnTheConsole)
{
    for (const char* h : {"--help", "-h", "--help-all"}) {
        const StartOptions o = parse({h});
        EXPECT_EQ(o.action, StartOptions::Action::ShowHelp) << h;
        EXPECT_TRUE(o.text.startsWith("Usage: tunesnip [options] [FILE]")) << o.text.toStdString();
        EXPECT_TRUE(o.text.contains("--quit-after-open"));
    }
    for (const char* v : {"--version", "-v"}) {
        const StartOptions o = parse({v, "x.mp3"});
        EXPECT_EQ(o.action, StartOptions::Action::ShowVersion) << v;
        EXPECT_EQ(o.text, QStringLiteral("TuneSnip %1.%2.%3\n")
                              .arg(TUNESNIP_VERSION_MAJOR)
                              .arg(TUNESNIP_VERSION_MINOR)
                              .arg(TUNESNIP_VERSION_PATCH));
    }
}

TEST(StartOptions, TheTestModeNeedsAFileAndUnknownOptionsFail)
{
    const StartOptions q = parse({"--quit-after-open", "a.mp3"});
    EXPECT_EQ(q.action, StartOptions::Action::Run);
    EXPECT_TRUE(q.quitAfterOpen);
    EXPECT_EQ(q.file, "/home/ann/Music/a.mp3");
    const StartOptions noFile = parse({"--quit-after-open"});
    EXPECT_EQ(noFile.action, StartOptions::Action::Fail);
    EXPECT_TRUE(noFile.text.contains("needs a FILE"));
    const StartOptions bad = parse({"--bogus", "a.mp3"});
    EXPECT_EQ(bad.action, StartOptions::Action::Fail);
    EXPECT_TRUE(bad.text.contains("'bogus'")) << bad.text.toStdString();
    EXPECT_TRUE(bad.text.contains("tunesnip --help"));
}

TEST(StartOptions, BeforeQtOnlyHelpVersionAndForeignOptionsAreAnswered)
{
    auto early = [](QStringList args) {
        args.prepend("tunesnip");
        return earlyStartOptions(args);
    };
    EXPECT_EQ(early({"--version"}).action, StartOptions::Action::ShowVersion);
    EXPECT_EQ(early({"-platform", "offscreen", "--help"}).action, StartOptions::Action::ShowHelp);
    EXPECT_EQ(early({"--bogus"}).action, StartOptions::Action::Fail);
    const StartOptions mixed = early({"-platform", "offscreen", "--bogus"});
    EXPECT_EQ(mixed.action, StartOptions::Action::Fail);
    EXPECT_FALSE(mixed.text.contains("platform")) << mixed.text.toStdString();
    // Qt's own options (with their values) are left for a second reading.
    const StartOptions qt = early({"-platform", "offscreen", "-style", "fusion", "a.mp3"});
    EXPECT_EQ(qt.action, StartOptions::Action::Run);
    EXPECT_EQ(qt.file, "");
    EXPECT_EQ(early({"--quit-after-open"}).action, StartOptions::Action::Run);
}

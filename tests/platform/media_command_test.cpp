// Taking media command strings apart: the forms the program sends, paths with spaces and
// quotes, and every malformed string refused with its code.
#include "platform/MediaCommand.h"
#include "platform/MediaDevice.h"
#include "platform/ShortPath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Verb = MediaCommand::Verb;

TEST(MediaCommand, OpenTakesThePathUpToTheLastAlias)
{
    MediaCommand c = parseMediaCommand("open /tmp/x/open.wav alias sound");
    ASSERT_EQ(c.error, 0);
    EXPECT_EQ(c.verb, Verb::Open);
    EXPECT_EQ(c.path, "/tmp/x/open.wav");
    EXPECT_EQ(c.alias, "sound");

    c = parseMediaCommand("open /home/a b/my alias song.wav alias Sound");
    ASSERT_EQ(c.error, 0);
    EXPECT_EQ(c.path, "/home/a b/my alias song.wav");
    EXPECT_EQ(c.alias, "sound");

    c = parseMediaCommand("OPEN \"/home/a b/c.wav\" ALIAS chime");
    ASSERT_EQ(c.error, 0);
    EXPECT_EQ(c.path, "/home/a b/c.wav");
    EXPECT_EQ(c.alias, "chime");
}

TEST(MediaCommand, OpenMayAskForAGrowingFile)
{
    MediaCommand c = parseMediaCommand("open /tmp/x/open.wav alias sound");
    EXPECT_FALSE(c.growing);
    c = parseMediaCommand("open /proc/self/fd/7 alias sound growing");
    ASSERT_EQ(c.error, 0);
    EXPECT_TRUE(c.growing);
    EXPECT_EQ(c.path, "/proc/self/fd/7");
    EXPECT_EQ(c.alias, "sound");
    c = parseMediaCommand("open \"/a b/my alias x growing.wav\" ALIAS Sound  GROWING ");
    ASSERT_EQ(c.error, 0);
    EXPECT_TRUE(c.growing);
    EXPECT_EQ(c.path, "/a b/my alias x growing.wav");
    EXPECT_EQ(c.alias, "sound");
    c = parseMediaCommand("open /a.wav alias growing");  // an alias of that name
    ASSERT_EQ(c.error, 0);
    EXPECT_FALSE(c.growing);
    EXPECT_EQ(c.alias, "growing");
    EXPECT_EQ(parseMediaCommand("open /a.wav alias sound growing now").error, MediaError::ExtraCharacters);
    EXPECT_EQ(parseMediaCommand("open /a.wav alias sound grow").error, MediaError::ExtraCharacters);
    EXPECT_EQ(parseMediaCommand("open /a.wav alias  growing").alias, "growing");
}

TEST(MediaCommand, OpenWithoutPathOrAliasIsRefused)
{
    // An empty short path (the file is missing) still makes a well-formed string.
    EXPECT_EQ(parseMediaCommand("open  alias sound").error, MediaError::FileNotFound);
    EXPECT_EQ(parseMediaCommand("open \"\" alias sound").error, MediaError::FileNotFound);
    EXPECT_EQ(parseMediaCommand("open /a.wav").error, MediaError::MissingParameter);
    EXPECT_EQ(parseMediaCommand("open /a.wav alias ").error, MediaError::MissingParameter);
    EXPECT_EQ(parseMediaCommand("open").error, MediaError::MissingParameter);
    EXPECT_EQ(parseMediaCommand("open /a.wav alias two words").error, MediaError::ExtraCharacters);
}

TEST(MediaCommand, PlayWithAndWithoutStart)
{
    MediaCommand c = parseMediaCommand("play sound");
    ASSERT_EQ(c.error, 0);
    EXPECT_EQ(c.verb, Verb::Play);
    EXPECT_EQ(c.fromMs, -1);

    c = parseMediaCommand("play sound from 15000");
    ASSERT_EQ(c.error, 0);
    EXPECT_EQ(c.fromMs, 15000);
    EXPECT_EQ(parseMediaCommand("play sound from 0").fromMs, 0);

    EXPECT_EQ(parseMediaCommand("play sound from").error, MediaError::MissingParameter);
    EXPECT_EQ(parseMediaCommand("play sound from -1000").error, MediaError::BadInteger);
    EXPECT_EQ(parseMediaCommand("play sound from 1.5").error, MediaError::BadInteger);
    EXPECT_EQ(parseMediaCommand("play sound from 12abc").error, MediaError::BadInteger);
    EXPECT_EQ(parseMediaCommand("play sound from 99999999999999999999").error, MediaError::BadInteger);
    EXPECT_EQ(parseMediaCommand("play sound from 10 to 20").error, MediaError::ExtraCharacters);
    EXPECT_EQ(parseMediaCommand("play sound at 10").error, MediaError::ExtraCharacters);
    EXPECT_EQ(parseMediaCommand("play").error, MediaError::MissingParameter);
}

TEST(MediaCommand, SimpleCommandsNameOneAlias)
{
    const std::pair<const char*, Verb> simple[] = {
        {"pause sound", Verb::Pause}, {"resume sound", Verb::Resume},
        {"stop sound", Verb::Stop},   {"close sound", Verb::Close}};
    for (const auto& [text, verb] : simple) {
        const MediaCommand c = parseMediaCommand(text);
        ASSERT_EQ(c.error, 0) << text;
        EXPECT_EQ(c.verb, verb) << text;
        EXPECT_EQ(c.alias, "sound") << text;
        EXPECT_EQ(parseMediaCommand(QString(text) + " now").error, MediaError::ExtraCharacters) << text;
        EXPECT_EQ(parseMediaCommand(QString(text).section(' ', 0, 0)).error, MediaError::MissingParameter) << text;
    }
    EXPECT_EQ(parseMediaCommand("  Stop   SOUND  ").alias, "sound");
}

TEST(MediaCommand, StatusItems)
{
    EXPECT_EQ(parseMediaCommand("status sound length").item, MediaCommand::Item::Length);
    EXPECT_EQ(parseMediaCommand("status sound position").item, MediaCommand::Item::Position);
    EXPECT_EQ(parseMediaCommand("status sound mode").item, MediaCommand::Item::Mode);
    EXPECT_EQ(parseMediaCommand("status sound").error, MediaError::MissingParameter);
    EXPECT_EQ(parseMediaCommand("status sound volume").error, MediaError::ExtraCharacters);
    EXPECT_EQ(parseMediaCommand("status sound length now").error, MediaError::ExtraCharacters);
}

TEST(MediaCommand, UnknownCommandsAreRefused)
{
    EXPECT_EQ(parseMediaCommand("").error, MediaError::UnrecognizedCommand);
    EXPECT_EQ(parseMediaCommand("seek sound to 10").error, MediaError::UnrecognizedCommand);
    EXPECT_EQ(parseMediaCommand("opensound").error, MediaError::UnrecognizedCommand);
    EXPECT_EQ(parseMediaCommand("record sound").error, MediaError::UnrecognizedCommand);
}

TEST(ShortPath, TheFileItselfWhenItExistsElseEmpty)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("with space"));
    const QString file = dir.filePath("with space/open.wav");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_EQ(shortPathOf(file), file);
    EXPECT_EQ(shortPathOf(dir.filePath("with space/missing.wav")), QString());
    EXPECT_EQ(shortPathOf(QString()), QString());
    // What the program sends for a missing file is still a command the device refuses cleanly.
    EXPECT_EQ(parseMediaCommand("open " + shortPathOf(dir.filePath("gone.wav")) + " alias sound").error,
              MediaError::FileNotFound);
    const MediaCommand c = parseMediaCommand("open " + shortPathOf(file) + " alias sound");
    ASSERT_EQ(c.error, 0);
    EXPECT_EQ(c.path, file);
}

}  // namespace

// The INI text of the history: what QSettings writes reads the same here, what is written here
// reads the same through QSettings, byte for byte as QSettings would write it.
#include "settings/IniText.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Texts that need quotes, escapes or care: separators, blanks at the ends, control characters,
// a leading "@", non-ASCII (a surrogate pair too), and hex digits after a numeric escape.
QStringList trickyTexts()
{
    return {QStringLiteral("/music/Song.mp3"),
            QString::fromUtf8("/m/b \"x\" & é\n.mp3"),
            QStringLiteral("/a, b;c=d"),
            QStringLiteral(" lead and trail "),
            QStringLiteral("@at"),
            QStringLiteral("@@twice"),
            QStringLiteral("@Invalid()"),
            QStringLiteral("tab\there\r\nand\a\b\f\v"),
            QStringLiteral("back\\slash\\"),
            QString::fromUtf8("曲 🎵 Größe"),
            QString(QChar(0x7f)) + QStringLiteral("del"),
            QStringLiteral("\x01" "a\x1f" "0F"),
            QStringLiteral("semi;colon"),
            QStringLiteral("[not a group]"),
            QStringLiteral("%41 percent"),
            QStringLiteral("\"quoted\""),
            QString()};
}

QString randomText(QRandomGenerator& rng)
{
    static const QString alphabet = QString::fromUtf8(" \t,;=\"\\@%[]\n\r\x01" "0aF/xé曲") + QString::fromUtf8("🎵");
    QString s;
    const int n = int(rng.bounded(8));
    for (int i = 0; i < n; ++i) {
        const int k = int(rng.bounded(alphabet.size()));
        if (alphabet[k].isHighSurrogate()) {
            s += alphabet.mid(k, 2);
        } else if (alphabet[k].isLowSurrogate()) {
            s += alphabet.mid(k - 1, 2);
        } else {
            s += alphabet[k];
        }
    }
    return s;
}

// A file name of `dir` not used before. QSettings keeps what it read of a file and trusts it
// while the file's size and time are unchanged: a file rewritten within the same clock tick
// with other bytes of the same size would be read as it was.
QString freshPath(const QTemporaryDir& dir, const char* stem)
{
    static int serial = 0;
    return dir.filePath(QStringLiteral("%1-%2.ini").arg(QLatin1String(stem)).arg(++serial));
}

// Writes `values` through QSettings into a file of `dir`; the bytes it wrote.
QByteArray writtenByQSettings(const QTemporaryDir& dir, const IniValues& values)
{
    const QString path = freshPath(dir, "qsettings");
    {
        QSettings s(path, QSettings::IniFormat);
        for (auto it = values.begin(); it != values.end(); ++it) {
            if (it->size() == 1)
                s.setValue(it.key(), it->first());  // a single text, as the history's folders
            else
                s.setValue(it.key(), *it);
        }
    }
    return bytesOf(path);
}

// What QSettings reads from `text`, as lists of texts.
IniValues readByQSettings(const QTemporaryDir& dir, const QByteArray& text)
{
    const QString path = freshPath(dir, "ours");
    write(path, text);
    IniValues values;
    const QSettings s(path, QSettings::IniFormat);
    for (const QString& key : s.allKeys())
        values.insert(key, s.value(key).toStringList());
    return values;
}

}  // namespace

TEST(IniText, TrickyTextsGoBothWaysAsQSettingsWritesThem)
{
    QTemporaryDir dir;
    const QStringList texts = trickyTexts();
    IniValues values;
    values.insert("recent/files", texts);
    for (int i = 0; i < texts.size(); ++i)
        values.insert(QStringLiteral("single/t%1").arg(i, 2, 10, QLatin1Char('0')), QStringList{texts[i]});
    values.insert("folders/open", QStringList{QStringLiteral("/home/ann/Music")});

    const QByteArray theirs = writtenByQSettings(dir, values);
    EXPECT_EQ(parseIniText(theirs), values);
    EXPECT_EQ(iniText(values), theirs);
    EXPECT_EQ(readByQSettings(dir, iniText(values)), values);
}

TEST(IniText, RandomListsGoBothWaysAsQSettingsWritesThem)
{
    QTemporaryDir dir;
    QRandomGenerator rng(20240611);
    for (int round = 0; round < 200; ++round) {
        IniValues values;
        QStringList list;
        const int n = 2 + int(rng.bounded(5));
        for (int i = 0; i < n; ++i)
            list << randomText(rng);
        values.insert("recent/files", list);
        values.insert("folders/save", QStringList{randomText(rng)});
        const QByteArray theirs = writtenByQSettings(dir, values);
        ASSERT_EQ(parseIniText(theirs), values) << theirs.toStdString();
        ASSERT_EQ(iniText(values), theirs);
        ASSERT_EQ(readByQSettings(dir, iniText(values)), values) << iniText(values).toStdString();
    }
}

TEST(IniText, ReadsWhatPeopleAndOtherWritersPutInTheFile)
{
    const QByteArray text = "; a comment\r\n"
                            "top=level\r\n"
                            "[General]\r\n"
                            "also = top ; and a comment after it\r\n"
                            "[recent]\r\n"
                            "  files =  /a.mp3 ,\"/b, c.mp3\" , /d\\\r\n"
                            "e.mp3\r\n"
                            "\r\n"
                            "[folders]\r\n"
                            "open=\"/m;x\"\r\n"
                            "open=/second wins\r\n"
                            "save\r\n"                 // no "=": passed over
                            "sl%41sh\\key=%U0041\r\n"; // keys and groups are percent-encoded
    const IniValues v = parseIniText(text);
    EXPECT_EQ(v.value("top"), QStringList{"level"});
    EXPECT_EQ(v.value("also"), QStringList{"top"});
    EXPECT_EQ(v.value("recent/files"), (QStringList{"/a.mp3", "/b, c.mp3", "/de.mp3"}));
    EXPECT_EQ(v.value("folders/open"), QStringList{"/second wins"});
    EXPECT_FALSE(v.contains("folders/save"));
    EXPECT_EQ(v.value("folders/slAsh/key"), QStringList{"%U0041"});
    EXPECT_EQ(parseIniText("[x]\nk=@Invalid()\n").value("x/k"), QStringList{});
    EXPECT_EQ(parseIniText("[x]\nk=\n").value("x/k"), QStringList{""});
    EXPECT_TRUE(parseIniText("").isEmpty());
    EXPECT_TRUE(parseIniText(QByteArray("\0\0[\n=\n\"", 7)).isEmpty());
    EXPECT_EQ(iniText({}), QByteArray());
    EXPECT_EQ(iniText({{"a", {"1"}}, {"g/b", {}}}), "[General]\na=1\n\n[g]\nb=@Invalid()\n");
}

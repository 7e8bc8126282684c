#include "transcode/CommandLine.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {
QStringList split(const char* s) { return splitCommandLine(QString::fromUtf8(s)); }
QStringList list(std::initializer_list<const char*> items)
{
    QStringList l;
    for (const char* i : items)
        l << QString::fromUtf8(i);
    return l;
}
}

TEST(SplitCommandLine, BlanksSeparateAndQuotesGroup)
{
    EXPECT_EQ(split(""), QStringList());
    EXPECT_EQ(split("  \t "), QStringList());
    EXPECT_EQ(split("a b\tc"), list({"a", "b", "c"}));
    EXPECT_EQ(split("  a   b  "), list({"a", "b"}));
    EXPECT_EQ(split("\"abc\" d e"), list({"abc", "d", "e"}));
    EXPECT_EQ(split("\"a b\"c \"\""), list({"a bc", ""}));
    EXPECT_EQ(split("x\"\"y"), list({"xy"}));
    EXPECT_EQ(split("\"unterminated arg"), list({"unterminated arg"}));
    EXPECT_EQ(split("/app/data/coder -i \"/m/my song.mp3\" -y -vn /tmp/t/open.wav"),
              list({"/app/data/coder", "-i", "/m/my song.mp3", "-y", "-vn", "/tmp/t/open.wav"}));
}

TEST(SplitCommandLine, BackslashesEscapeOnlyBeforeQuotes)
{
    EXPECT_EQ(split(R"(a\\\b d"e f"g h)"), list({R"(a\\\b)", "de fg", "h"}));
    EXPECT_EQ(split(R"(a\\\"b c d)"), list({R"(a\"b)", "c", "d"}));
    EXPECT_EQ(split(R"(a\\\\"b c" d e)"), list({R"(a\\b c)", "d", "e"}));
    EXPECT_EQ(split(R"("a\\" b)"), list({R"(a\)", "b"}));
    EXPECT_EQ(split(R"(C:\dir\ x\)"), list({R"(C:\dir\)", R"(x\)"}));
    // Inside quotes a doubled quote is a literal quote and the quoted part goes on.
    EXPECT_EQ(split(R"(a"b"" c d)"), list({R"(ab" c d)"}));
    EXPECT_EQ(split("line\nbreak x"), list({"line\nbreak", "x"}));
}

TEST(QuoteArgument, EveryHostileNameComesBackAsOneArgument)
{
    const QStringList names = list({"", "plain", "with space", "tab\there", "\"quoted\"", "a\"b",
        "back\\slash", "trailing\\", "trailing\\\\", "\\\"", "\\\\\"\\", "-rf", "--", "-i",
        "$(touch /tmp/x)", "`id`", "a;b|c&d>e", "'single'", "%PATH%", "*.mp3", "ünïcödé 名前.mp3",
        "line\nbreak", "\"\"", " lead and trail ", "C:\\Music\\a b.mp3"});
    for (const QString& n : names) {
        const QString q = quoteArgument(n);
        EXPECT_EQ(splitCommandLine(q), QStringList{n}) << q.toStdString();
        // Between other arguments it still stands alone.
        EXPECT_EQ(splitCommandLine(QStringLiteral("prog ") + q + QStringLiteral(" -y ") + q),
                  (QStringList{QStringLiteral("prog"), n, QStringLiteral("-y"), n}))
            << q.toStdString();
    }
}

TEST(QuoteArgument, RandomMixturesOfTheSpecialCharactersRoundTrip)
{
    const QString alphabet = QStringLiteral("\\\"  \ta-é");
    QRandomGenerator rng(20261208);
    for (int round = 0; round < 2000; ++round) {
        QStringList args;
        const int count = 1 + rng.bounded(4);
        for (int a = 0; a < count; ++a) {
            QString s;
            const int len = rng.bounded(12);
            for (int i = 0; i < len; ++i)
                s += alphabet[rng.bounded(static_cast<int>(alphabet.size()))];
            args << s;
        }
        QStringList quoted;
        for (const QString& s : args)
            quoted << quoteArgument(s);
        ASSERT_EQ(splitCommandLine(quoted.join(QLatin1Char(' '))), args) << quoted.join(' ').toStdString();
    }
}

TEST(QuoteArgument, NulEndsTheArgument)
{
    const QString withNul = QStringLiteral("ab") + QChar(0) + QStringLiteral("cd");
    EXPECT_EQ(splitCommandLine(quoteArgument(withNul)), QStringList{QStringLiteral("ab")});
}

#include "transcode/CommandLine.h"

namespace {
bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
}

QStringList splitCommandLine(const QString& commandLine)
{
    QStringList args;
    const qsizetype n = commandLine.size();
    qsizetype i = 0;
    while (true) {
        while (i < n && isBlank(commandLine[i]))
            ++i;
        if (i >= n)
            break;
        QString arg;
        bool quoted = false;
        while (i < n) {
            const QChar c = commandLine[i];
            if (c == QLatin1Char('\\')) {
                qsizetype slashes = 0;
                while (i < n && commandLine[i] == QLatin1Char('\\')) {
                    ++slashes;
                    ++i;
                }
                if (i < n && commandLine[i] == QLatin1Char('"')) {
                    arg += QString(slashes / 2, QLatin1Char('\\'));
                    if (slashes % 2 == 1) {  // escaped quote
                        arg += QLatin1Char('"');
                        ++i;
                    }
                    // an even count leaves the quote to the branch below
                } else {
                    arg += QString(slashes, QLatin1Char('\\'));
                }
                continue;
            }
            if (c == QLatin1Char('"')) {
                if (quoted && i + 1 < n && commandLine[i + 1] == QLatin1Char('"')) {
                    arg += QLatin1Char('"');  // "" inside quotes
                    i += 2;
                    continue;
                }
                quoted = !quoted;
                ++i;
                continue;
            }
            if (!quoted && isBlank(c))
                break;
            arg += c;
            ++i;
        }
        args << arg;
    }
    return args;
}

QString quoteArgument(const QString& argument)
{
    QString out(QLatin1Char('"'));
    qsizetype slashes = 0;
    for (const QChar c : argument) {
        if (c == QChar(0))
            break;
        if (c == QLatin1Char('\\')) {
            ++slashes;
            continue;
        }
        if (c == QLatin1Char('"')) {
            out += QString(slashes * 2 + 1, QLatin1Char('\\'));
            out += QLatin1Char('"');
        } else {
            out += QString(slashes, QLatin1Char('\\'));
            out += c;
        }
        slashes = 0;
    }
    // Backslashes before the closing quote are doubled so that they stay literal.
    out += QString(slashes * 2, QLatin1Char('\\'));
    out += QLatin1Char('"');
    return out;
}

#include "transcode/TranscodeCommands.h"

#include "transcode/CommandLine.h"

namespace {
// The program path and the temporary WAV stay unquoted as usual, but an application folder
// with blanks, quotes or backslashes in its name must still reach the splitter as one argument.
QString bareOrQuoted(const QString& path)
{
    for (QChar c : path)
        if (c.isSpace() || c == QLatin1Char('"') || c == QLatin1Char('\\'))
            return quoteArgument(path);
    return path;
}
}

QString decodeCommand(const QString& coderPath, const QString& input, const QString& tempWav)
{
    return bareOrQuoted(coderPath) + QStringLiteral(" -i ") + quoteArgument(input) + QStringLiteral(" -y -vn ") +
           bareOrQuoted(tempWav);
}

std::optional<QString> encodeOptions(const QString& outputPath)
{
    const QString ext = outputPath.trimmed().right(3).toUpper();
    if (ext == QLatin1String("MP3"))
        return QStringLiteral(" -y -ab 128k -ar 44100 -ac 1 ");
    if (ext == QLatin1String("WMA"))
        return QStringLiteral(" -y -acodec wmav1 ");
    if (ext == QLatin1String("WAV"))
        return QStringLiteral(" -y ");
    if (ext == QLatin1String("AMR"))
        return QStringLiteral(" -y -ar 8000 -ab 7.4k -ac 1 ");
    return std::nullopt;
}

QString encodeCommand(const QString& coderPath, const QString& tempWav, std::int32_t beginSeconds,
                      std::int32_t lengthSeconds, const QString& outputPath)
{
    const std::optional<QString> options = encodeOptions(outputPath);
    if (!options)
        return {};
    return bareOrQuoted(coderPath) + QStringLiteral(" -i ") + bareOrQuoted(tempWav) + QStringLiteral(" -ss ") +
           QString::number(beginSeconds) + QStringLiteral(" -t ") + QString::number(lengthSeconds) + *options +
           quoteArgument(outputPath);
}

QString fileNameCaption(const QString& name)
{
    if (name.size() >= 36)
        return name.left(32) + QStringLiteral("...");
    return name;
}

QString folderOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash + 1);
}

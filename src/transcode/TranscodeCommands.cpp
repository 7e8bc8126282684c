#include "transcode/TranscodeCommands.h"

#include "transcode/CommandLine.h"
#include "transcode/EffectChain.h"
#include "transcode/SaveFormats.h"

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
    if (const SaveFormat* format = saveFormatFor(outputPath))
        return QString::fromLatin1(format->options);
    return std::nullopt;
}

namespace {
QString cutOf(const QString& coderPath, const QString& tempWav, std::int32_t beginSeconds, std::int32_t lengthSeconds)
{
    return bareOrQuoted(coderPath) + QStringLiteral(" -i ") + bareOrQuoted(tempWav) + QStringLiteral(" -ss ") +
           QString::number(beginSeconds) + QStringLiteral(" -t ") + QString::number(lengthSeconds);
}
}

QString encodeCommand(const QString& coderPath, const QString& tempWav, std::int32_t beginSeconds,
                      std::int32_t lengthSeconds, const QString& outputPath, const EffectsSettings& effects)
{
    const std::optional<QString> options = encodeOptions(outputPath);
    if (!options)
        return {};
    return cutOf(coderPath, tempWav, beginSeconds, lengthSeconds) + *options + effectOptions(effects, lengthSeconds) +
           quoteArgument(outputPath);
}

QString previewCommand(const QString& coderPath, const QString& tempWav, std::int32_t beginSeconds,
                       std::int32_t lengthSeconds, const QString& previewWav, const EffectsSettings& effects)
{
    const QString chain = effectOptions(effects, lengthSeconds);
    if (chain.isEmpty())
        return {};
    return cutOf(coderPath, tempWav, beginSeconds, lengthSeconds) + QStringLiteral(" -y ") + chain +
           bareOrQuoted(previewWav);
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

#include "transcode/TranscodeCommands.h"

#include "platform/NumberText.h"
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

QString decimalSeconds(std::int64_t ms)
{
    const bool negative = ms < 0;
    // The magnitude as unsigned: the most negative value has no positive counterpart.
    const std::uint64_t m = negative ? std::uint64_t(0) - std::uint64_t(ms) : std::uint64_t(ms);
    const QString text = QString::number(m / 1000) + millisFraction(m);
    return negative ? QLatin1Char('-') + text : text;
}

namespace {
QString cutOf(const QString& coderPath, const QString& tempWav, CutRange cut)
{
    return bareOrQuoted(coderPath) + QStringLiteral(" -i ") + bareOrQuoted(tempWav) + QStringLiteral(" -ss ") +
           decimalSeconds(cut.beginMs) + QStringLiteral(" -t ") + decimalSeconds(cut.lengthMs);
}

double lengthSeconds(CutRange cut)
{
    return double(cut.lengthMs) / 1000;
}
}  // namespace

QString encodeCommand(const QString& coderPath, const QString& tempWav, CutRange cut, const QString& outputPath,
                      const EffectsSettings& effects)
{
    const std::optional<QString> options = encodeOptions(outputPath);
    if (!options)
        return {};
    return cutOf(coderPath, tempWav, cut) + *options + effectOptions(effects, lengthSeconds(cut)) +
           quoteArgument(outputPath);
}

QString previewCommand(const QString& coderPath, const QString& tempWav, CutRange cut, const QString& previewWav,
                       const EffectsSettings& effects)
{
    const QString chain = effectOptions(effects, lengthSeconds(cut));
    if (chain.isEmpty())
        return {};
    return cutOf(coderPath, tempWav, cut) + QStringLiteral(" -y ") + chain + bareOrQuoted(previewWav);
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

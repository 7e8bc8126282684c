#include "transcode/ProgressParsing.h"

#include "platform/NumberText.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace {

// The texts after every occurrence of `marker`, each up to the next space or the chunk's end.
// A marker that ends the chunk exactly has nothing after it and is not counted.
QString collectAfter(const QString& chunk, QLatin1StringView marker, bool* found = nullptr)
{
    QString collected;
    const qsizetype m = marker.size();
    for (qsizetype i = 0; i + m < chunk.size(); ++i) {
        if (QStringView(chunk).mid(i, m) != marker)
            continue;
        if (found)
            *found = true;
        qsizetype end = chunk.indexOf(QLatin1Char(' '), i + m);
        if (end < 0)
            end = chunk.size();
        collected += chunk.mid(i + m, end - (i + m));
    }
    return collected;
}

// A whole piece as a decimal number; the seconds may end in the comma the transcoder writes.
std::optional<double> readPiece(QString piece, bool allowTrailingComma)
{
    piece = piece.trimmed();
    if (allowTrailingComma && piece.endsWith(QLatin1Char(',')))
        piece.chop(1);
    if (piece.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double v = piece.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

}  // namespace

void readDuration(const QString& chunk, std::int32_t& durationSeconds)
{
    if (durationSeconds != 0)
        return;
    const QString text = collectAfter(chunk, QLatin1StringView("Duration: "));
    if (text.isEmpty())
        return;
    const QStringList pieces = text.split(QLatin1Char(':'));
    if (pieces.size() < 3)
        return;
    const auto h = readPiece(pieces[0], false);
    const auto m = readPiece(pieces[1], false);
    const auto s = readPiece(pieces[2], true);
    if (!h || !m || !s)
        return;
    const double total = roundHalfEven(*h * 3600 + *m * 60 + *s);
    if (total < 0 || total > 2147483647.0)
        return;
    durationSeconds = static_cast<std::int32_t>(total);
}

std::optional<std::int32_t> readTimeSeconds(const QString& chunk)
{
    bool found = false;
    const QString text = collectAfter(chunk, QLatin1StringView("time="), &found);
    if (!found)
        return std::nullopt;
    const double t = roundHalfEven(leadingNumber(text));
    return static_cast<std::int32_t>(std::clamp(t, -2147483648.0, 2147483647.0));
}

ProgressDisplay progressFor(std::int32_t elapsed, double total)
{
    if (total == 0)
        return {1.0, QStringLiteral("100%")};
    const double r = static_cast<double>(elapsed) / total;
    if (r * 100 >= 100)
        return {1.0, QStringLiteral("100%")};
    return {std::max(0.0, r), plainDecimal(r * 100).left(4) + QLatin1Char('%')};
}

std::optional<PcmOutput> readPcmOutput(const QString& header)
{
    const qsizetype output = header.indexOf(QLatin1String("Output #0"));
    if (output < 0)
        return std::nullopt;
    static const QRegularExpression stream(
        QStringLiteral("Stream #0:0: Audio: pcm_s16le[^\\n]*?, (\\d+) Hz, [^\\n]*?, (\\d+) kb/s"));
    const QRegularExpressionMatch m = stream.match(header, output);
    if (!m.hasMatch())
        return std::nullopt;
    const int rate = m.captured(1).toInt();
    const double kbps = m.captured(2).toDouble();
    if (rate <= 0 || kbps <= 0)
        return std::nullopt;
    const int channels = static_cast<int>(std::lround(kbps * 1000.0 / (rate * 16.0)));
    if (channels < 1)
        return std::nullopt;
    return PcmOutput{rate, channels};
}

QString loudnessShortfall(const QString& output)
{
    static const QRegularExpression line(
        QStringLiteral("(?:^|[\\r\\n])(Loudness: -?[0-9.]+ LUFS reached, [0-9.]+ LU (?:under|over) the target of -?[0-9.]+ "
                       "LUFS)"));
    const QRegularExpressionMatch m = line.match(output);
    return m.hasMatch() ? m.captured(1) : QString();
}

#include "platform/MediaCommand.h"

#include "platform/MediaDevice.h"

#include <QStringList>

#include <algorithm>
#include <iterator>

namespace {

constexpr int kMaxDigits = 15;  // milliseconds beyond ~30,000 years are no position

MediaCommand failed(int code)
{
    MediaCommand c;
    c.error = code;
    return c;
}

bool isPlainDigits(const QString& s)
{
    if (s.isEmpty() || s.size() > kMaxDigits)
        return false;
    for (QChar ch : s)
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return false;
    return true;
}

MediaCommand parseOpen(const QString& rest)
{
    static const QString kAlias = QStringLiteral(" alias ");
    static const QString kGrowing = QStringLiteral(" growing");
    const int at = rest.lastIndexOf(kAlias, -1, Qt::CaseInsensitive);
    if (at < 0)
        return failed(MediaError::MissingParameter);
    QString path = rest.left(at).trimmed();
    QString alias = rest.mid(at + kAlias.size()).trimmed();
    const bool growing = alias.endsWith(kGrowing, Qt::CaseInsensitive);
    if (growing)
        alias = alias.left(alias.size() - kGrowing.size()).trimmed();
    if (alias.isEmpty())
        return failed(MediaError::MissingParameter);
    if (alias.contains(QLatin1Char(' ')) || alias.contains(QLatin1Char('\t')))
        return failed(MediaError::ExtraCharacters);
    if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"')))
        path = path.mid(1, path.size() - 2);
    if (path.isEmpty())
        return failed(MediaError::FileNotFound);
    MediaCommand c;
    c.verb = MediaCommand::Verb::Open;
    c.alias = alias.toLower();
    c.path = path;
    c.growing = growing;
    return c;
}

MediaCommand parsePlay(const QStringList& words)
{
    MediaCommand c;
    c.verb = MediaCommand::Verb::Play;
    c.alias = words[1].toLower();
    if (words.size() == 2)
        return c;
    if (words[2].compare(QLatin1String("from"), Qt::CaseInsensitive) != 0)
        return failed(MediaError::ExtraCharacters);
    if (words.size() < 4)
        return failed(MediaError::MissingParameter);
    if (words.size() > 4)
        return failed(MediaError::ExtraCharacters);
    if (!isPlainDigits(words[3]))
        return failed(MediaError::BadInteger);
    c.fromMs = words[3].toLongLong();
    return c;
}

MediaCommand parseStatus(const QStringList& words)
{
    if (words.size() < 3)
        return failed(MediaError::MissingParameter);
    if (words.size() > 3)
        return failed(MediaError::ExtraCharacters);
    MediaCommand c;
    c.verb = MediaCommand::Verb::Status;
    c.alias = words[1].toLower();
    const QString item = words[2].toLower();
    if (item == QLatin1String("length"))
        c.item = MediaCommand::Item::Length;
    else if (item == QLatin1String("position"))
        c.item = MediaCommand::Item::Position;
    else if (item == QLatin1String("mode"))
        c.item = MediaCommand::Item::Mode;
    else
        return failed(MediaError::ExtraCharacters);
    return c;
}

}  // namespace

MediaCommand parseMediaCommand(const QString& text)
{
    const QString trimmed = text.trimmed();
    const int space = trimmed.indexOf(QLatin1Char(' '));
    const QString verb = (space < 0 ? trimmed : trimmed.left(space)).toLower();
    const QString rest = space < 0 ? QString() : trimmed.mid(space + 1);

    if (verb == QLatin1String("open"))
        return parseOpen(QLatin1Char(' ') + rest);  // so that "open  alias x" still finds " alias "

    const QStringList words = trimmed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    static const struct {
        const char* word;
        MediaCommand::Verb verb;
    } kSimple[] = {{"pause", MediaCommand::Verb::Pause},
                   {"resume", MediaCommand::Verb::Resume},
                   {"stop", MediaCommand::Verb::Stop},
                   {"close", MediaCommand::Verb::Close}};
    const bool known = verb == QLatin1String("play") || verb == QLatin1String("status")
        || std::any_of(std::begin(kSimple), std::end(kSimple),
                       [&](const auto& s) { return verb == QLatin1String(s.word); });
    if (!known)
        return failed(MediaError::UnrecognizedCommand);
    if (words.size() < 2)
        return failed(MediaError::MissingParameter);
    if (verb == QLatin1String("play"))
        return parsePlay(words);
    if (verb == QLatin1String("status"))
        return parseStatus(words);
    if (words.size() > 2)
        return failed(MediaError::ExtraCharacters);
    MediaCommand c;
    for (const auto& s : kSimple)
        if (verb == QLatin1String(s.word))
            c.verb = s.verb;
    c.alias = words[1].toLower();
    return c;
}

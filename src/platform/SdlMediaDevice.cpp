#include "platform/SdlMediaDevice.h"

#include "platform/MediaCommand.h"
#include "platform/SdlPlayback.h"

namespace {

QString modeText(SdlPlayback::Mode mode)
{
    switch (mode) {
    case SdlPlayback::Mode::Playing:
        return QStringLiteral("playing");
    case SdlPlayback::Mode::Paused:
        return QStringLiteral("paused");
    case SdlPlayback::Mode::Stopped:
        break;
    }
    return QStringLiteral("stopped");
}

}  // namespace

SdlMediaDevice::SdlMediaDevice() = default;

SdlMediaDevice::~SdlMediaDevice()
{
    open_.clear();  // every device closed before the audio subsystem goes
}

MediaResult SdlMediaDevice::send(const QString& command, int replyCapacity)
{
    const MediaCommand parsed = parseMediaCommand(command);
    if (parsed.error != MediaError::Ok)
        return {parsed.error, {}};
    MediaResult result = carryOut(parsed);
    const int room = qMax(replyCapacity - 1, 0);
    if (result.reply.size() > room) {
        if (parsed.verb == MediaCommand::Verb::Status)
            return {MediaError::ReplyTooSmall, {}};
        result.reply.truncate(room);
    }
    return result;
}

MediaResult SdlMediaDevice::carryOut(const MediaCommand& c)
{
    if (c.verb == MediaCommand::Verb::Open) {
        if (open_.count(c.alias))
            return {MediaError::DuplicateAlias, {}};
        int error = MediaError::Ok;
        std::unique_ptr<SdlPlayback> playback = SdlPlayback::open(c.path, audio_, &error, c.growing);
        if (!playback)
            return {error, {}};
        open_.emplace(c.alias, std::move(playback));
        return {};
    }

    const auto found = open_.find(c.alias);
    if (found == open_.end())
        return {MediaError::UnknownAlias, {}};
    SdlPlayback& p = *found->second;
    switch (c.verb) {
    case MediaCommand::Verb::Play:
        return {c.fromMs < 0 ? p.play() : p.playFrom(c.fromMs), {}};
    case MediaCommand::Verb::Pause:
        return {p.pause(), {}};
    case MediaCommand::Verb::Resume:
        return {p.resume(), {}};
    case MediaCommand::Verb::Stop:
        return {p.stop(), {}};
    case MediaCommand::Verb::Close:
        open_.erase(found);
        return {};
    case MediaCommand::Verb::Status:
        if (c.item == MediaCommand::Item::Length)
            return {MediaError::Ok, QString::number(p.lengthMs())};
        if (c.item == MediaCommand::Item::Position)
            return {MediaError::Ok, QString::number(p.positionMs())};
        return {MediaError::Ok, modeText(p.mode())};
    case MediaCommand::Verb::Open:
        break;
    }
    return {MediaError::UnrecognizedCommand, {}};
}

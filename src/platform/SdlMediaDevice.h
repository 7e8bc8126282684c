#pragma once
#include "platform/MediaDevice.h"
#include "platform/SdlAudioSystem.h"

#include <map>
#include <memory>

class SdlPlayback;
struct MediaCommand;

// The media device on SDL audio: carries out the command strings of MediaDevice on 16-bit PCM
// WAV files streamed from disk. Owns the SDL audio subsystem (see SdlAudioSystem: falls back to
// a silent real-time driver when there is no audio output) and one playback per open alias.
// Replies: "status <alias> length|position" give decimal milliseconds, "status <alias> mode"
// gives "playing", "paused" or "stopped"; other commands reply with the empty text.
// Behaviour follows a wave-audio media device: "play" runs from the current position to the
// end and stops there (position = length); "stop" halts and keeps the position; "play ... from"
// seeks and plays; "close" releases the file. Call from one thread.
// "open <path> alias <name> growing" opens a WAV another process is still writing (e.g.
// /proc/self/fd/<n> of a descriptor from findChildOutput()): see SdlPlayback for how it plays,
// what "status <name> length" gives and where "play <name> from <ms>" goes while it grows. It
// fails with InvalidFile while the file's header is not all written yet.
class SdlMediaDevice : public MediaDevice {
public:
    SdlMediaDevice();
    ~SdlMediaDevice() override;

    // The reply is cut to replyCapacity - 1 characters (room for the terminating NUL of the
    // Windows call); a status reply that does not fit gives ReplyTooSmall.
    MediaResult send(const QString& command, int replyCapacity = 128) override;

    // The SDL audio driver in use, empty before the first file was opened.
    QString driverName() const { return audio_.driverName(); }

private:
    MediaResult carryOut(const MediaCommand& command);

    SdlAudioSystem audio_;  // declared first: it must outlive every playback
    std::map<QString, std::unique_ptr<SdlPlayback>> open_;
};

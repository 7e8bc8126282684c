#pragma once
#include <QString>

// Result codes of MediaDevice::send. They follow the numbering of the Windows media control's
// error codes, so a log of commands reads the same on both systems.
namespace MediaError {
enum : int {
    Ok = 0,
    UnrecognizedCommand = 261,  // the first word is no known command
    Hardware = 262,             // no audio output could be opened, not even a silent one
    UnknownAlias = 263,         // nothing is open under that alias
    ReplyTooSmall = 268,        // the reply does not fit the reply capacity given
    BadInteger = 270,           // "from" is not followed by plain decimal digits
    MissingParameter = 273,     // a required word is missing (alias, path, status item, position)
    FileNotFound = 275,         // the file to open does not exist or cannot be read
    OutOfRange = 282,           // "play ... from" beyond the end of the sound
    DuplicateAlias = 289,       // "open" with an alias that is already open
    InvalidFile = 296,          // not a 16-bit PCM WAV (RIFF or RF64)
    NotApplicable = 302,        // "pause" when not playing, "resume" when not paused
    ExtraCharacters = 305,      // words after the end of a command, or an unknown status item
};
}

// The answer to one media command: 0 for success, an error code otherwise, and the reply text
// cut to the reply capacity the caller gave.
struct MediaResult {
    int code = 0;
    QString reply;
    bool ok() const { return code == MediaError::Ok; }
};

// The media device, driven by command strings such as "open <path> alias sound",
// "play sound from 15000" or "status sound length". A command that cannot be carried out
// (nothing open, unknown alias, position past the end) returns an error code and has no effect.
class MediaDevice {
public:
    virtual ~MediaDevice() = default;
    virtual MediaResult send(const QString& command, int replyCapacity = 128) = 0;
};

#pragma once
#include <QString>

// The answer to one media command: 0 for success, an error code otherwise, and the reply text
// cut to the reply capacity the caller gave.
struct MediaResult {
    int code = 0;
    QString reply;
};

// The media device, driven by command strings such as "open <path> alias sound",
// "play sound from 15000" or "status sound length". A command that cannot be carried out
// (nothing open, unknown alias, position past the end) returns an error code and has no effect.
class MediaDevice {
public:
    virtual ~MediaDevice() = default;
    virtual MediaResult send(const QString& command, int replyCapacity = 128) = 0;
};

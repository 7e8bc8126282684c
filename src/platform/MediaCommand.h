#pragma once
#include <QString>

// One media command string taken apart: "open <path> alias <name> [growing]",
// "play <name> [from <ms>]", "pause|resume|stop|close <name>", "status <name> length|position|mode".
// "growing" opens a WAV that another process is still writing (see SdlMediaDevice).
struct MediaCommand {
    enum class Verb { Open, Play, Pause, Resume, Stop, Close, Status };
    enum class Item { Length, Position, Mode };

    int error = 0;        // a MediaError code; the fields below are meaningful only when 0
    Verb verb = Verb::Close;
    QString alias;        // lower case: aliases, like commands, ignore case
    QString path;         // Open: the file, without surrounding double quotes
    bool growing = false; // Open: the file may still be growing
    qint64 fromMs = -1;   // Play: the start in milliseconds, or -1 for "from the current position"
    Item item = Item::Length;  // Status
};

// Parses one command. The path of "open" runs up to the last " alias ", so paths may hold
// spaces (and even the word "alias"); it may also be given in double quotes. After the alias
// only the word "growing" may follow.
// On failure the result's error is a MediaError code and the command must not be carried out.
MediaCommand parseMediaCommand(const QString& text);

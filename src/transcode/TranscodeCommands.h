#pragma once
#include "settings/EffectsSettings.h"

#include <QString>
#include <cstdint>
#include <optional>

// The transcoder's command lines and the small rules of opening and saving around them.
// Paths reach the transcoder as exactly one argument each, whatever characters they hold.

// "<coder> -i <input> -y -vn <tempWav>": decodes `input` into the temporary WAV.
QString decodeCommand(const QString& coderPath, const QString& input, const QString& tempWav);

// The encoder options for an output name, of the format saveFormatFor picks by its last
// letters: " -y -ab 128k -ar 44100 -ac 1 " for MP3, " -y -acodec wmav1 " for WMA, " -y " for WAV,
// " -y -ar 8000 -ab 7.4k -ac 1 " for AMR, and those of M4R, M4A, OGG and FLAC (SaveFormats.h);
// nullopt for any other name.
std::optional<QString> encodeOptions(const QString& outputPath);

// The stretch of the decoded sound that a cut takes, in milliseconds.
struct CutRange {
    std::int64_t beginMs = 0;
    std::int64_t lengthMs = 0;
    bool operator==(const CutRange&) const = default;
};

// Milliseconds as the transcoder's -ss and -t take them: decimal seconds with at most three
// decimals and no trailing zeros, whole seconds as a plain integer: 12000 -> "12",
// 12345 -> "12.345", 30500 -> "30.5", -1500 -> "-1.5".
QString decimalSeconds(std::int64_t ms);

// "<coder> -i <tempWav> -ss <begin> -t <length><options><effects><output>", with begin and length
// as decimalSeconds() writes them (a whole-second cut gives "-ss 12 -t 30" as it always did),
// where <effects> is "-af <chain> " when an effect is on and nothing otherwise, so that with
// every effect off the line is exactly what it always was; empty text when the output's name is
// no format.
QString encodeCommand(const QString& coderPath, const QString& tempWav, CutRange cut, const QString& outputPath,
                      const EffectsSettings& effects = {});

// "<coder> -i <tempWav> -ss <begin> -t <length> -y -af <chain> <previewWav>": the selection as
// a save with these effects would sound, as a WAV in the source's shape; empty text when every
// effect is off (the decoded sound itself is then what a save holds).
QString previewCommand(const QString& coderPath, const QString& tempWav, CutRange cut, const QString& previewWav,
                       const EffectsSettings& effects);

// The file name as the window shows it: whole up to 35 characters, else the first 32 and "...".
QString fileNameCaption(const QString& name);

// The folder of a path, up to and including its last "/": "/music/cut.mp3" -> "/music/";
// a path without a folder gives the empty text.
QString folderOf(const QString& path);

#pragma once
#include <QString>
#include <cstdint>
#include <optional>

// The transcoder's command lines and the small rules of opening and saving around them.
// Paths reach the transcoder as exactly one argument each, whatever characters they hold.

// "<coder> -i <input> -y -vn <tempWav>": decodes `input` into the temporary WAV.
QString decodeCommand(const QString& coderPath, const QString& input, const QString& tempWav);

// The encoder options for an output name, chosen by its last three characters in capitals
// (blanks removed): " -y -ab 128k -ar 44100 -ac 1 " for MP3, " -y -acodec wmav1 " for WMA,
// " -y " for WAV, " -y -ar 8000 -ab 7.4k -ac 1 " for AMR; nullopt for any other name.
std::optional<QString> encodeOptions(const QString& outputPath);

// "<coder> -i <tempWav> -ss <begin> -t <length><options><output>"; empty text when the output's
// extension is none of the four.
QString encodeCommand(const QString& coderPath, const QString& tempWav, std::int32_t beginSeconds,
                      std::int32_t lengthSeconds, const QString& outputPath);

// The file name as the window shows it: whole up to 35 characters, else the first 32 and "...".
QString fileNameCaption(const QString& name);

// The folder of a path, up to and including its last "/": "/music/cut.mp3" -> "/music/";
// a path without a folder gives the empty text.
QString folderOf(const QString& path);

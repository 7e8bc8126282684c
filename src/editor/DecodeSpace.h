#pragma once
#include "transcode/ProgressParsing.h"

#include <QString>

#include <optional>

// Room for the decoded sound: a decode writes the whole file as 16-bit PCM into the private
// folder, so before it writes much, the room it needs is held against the room that is free.

// The size of the decoded WAV of `seconds` of sound in `format`: a second more than asked (the
// duration the transcoder reports is rounded) plus room for the header.
qint64 decodedWavBytes(double seconds, const PcmOutput& format);

// A size as people read it: "850 MB", "1.3 GB", "12 kB" (decimal units, one decimal below 10).
QString byteSizeText(qint64 bytes);

// The message for a decode of `file` that needs `needed` bytes in `folder` where only `free` are
// left; nullopt when it fits.
std::optional<QString> spaceShortage(const QString& file, const QString& folder, qint64 needed, qint64 free);

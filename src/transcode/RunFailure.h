#pragma once
#include "transcode/ChildProcess.h"

#include <QString>

// What a failed transcoder run tells the user, read from the run's captured output and end.

// The transcoder's own last error line ("coder: <what>: <why>"), without its "coder: " prefix;
// the empty text when it printed none.
QString lastErrorLine(const QString& outputs);

// True when the transcoder's last error line says that its input holds no sound it can decode
// (not a media file, no audio stream, audio it cannot decode).
bool saysNoSound(const QString& outputs);

// One sentence on why the run failed: the transcoder's last error line when it printed one,
// else how it ended (stopped by a signal, an exit code), else that it wrote no file.
QString runFailureDetail(const RunExit& exit, const QString& outputs);

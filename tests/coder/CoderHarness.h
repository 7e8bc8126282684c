// Helpers for the transcoder's tests: run coder and the ffmpeg/ffprobe oracle, make media, read
// WAV samples, and read coder's console output the way the window reads it.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace coder_test {

struct RunResult {
    int exitCode = -1;
    bool crashed = false;
    bool timedOut = false;
    QByteArray output;  // stdout and stderr together, as the window reads them
};

// Path of the built transcoder.
QString coderPath();

// Runs coder with the rights of an ordinary user: as root, as uid and gid 65534 ("nobody"),
// from a copy of the program in programDir (open to that user) when the build folder is not;
// otherwise as the user running the test.
RunResult runCoderUnprivileged(const QStringList& args, const QString& programDir);

// Runs a program with argv as given (no shell), stdin closed, in workDir when not empty,
// calling inChild (when given) in the child before the program starts; waits up to timeoutMs.
RunResult runProgram(const QString& program, const QStringList& args, int timeoutMs = 60000,
                     const QString& workDir = {}, const std::function<void()>& inChild = {});
RunResult runCoder(const QStringList& args, int timeoutMs = 60000, const QString& workDir = {});

// Runs ffmpeg -v error -y <args>; returns true when it succeeded.
bool ffmpeg(const QStringList& args);

// One stream or format field of a file as ffprobe reports it ("codec_name", "sample_rate",
// "channels" of the first audio stream; "format_name", "duration" of the container).
QString probeStream(const QString& path, const QString& field);
QString probeFormat(const QString& path, const QString& field);

// A tag of a file as ffprobe reads it: the container's own ("format_tags"), else the first audio
// stream's (Ogg keeps its comments there); "" when neither has it.
QString probeTag(const QString& path, const QString& key);

// The ffmpeg program's EBU R 128 reading of a whole file (its ebur128 filter with true peaks):
// integrated loudness in LUFS and true peak in dBTP; NaN when it could not be read.
struct LoudnessJudgement {
    double integrated;
    double truePeak;
};
LoudnessJudgement judgeLoudness(const QString& path);

// Decodes a file with ffmpeg to 16-bit interleaved samples.
std::vector<std::int16_t> decodeSamples(const QString& path);

// Reads the PCM data of a 16-bit WAV file; empty when it is not one.
struct WavData {
    int sampleRate = 0;
    int channels = 0;
    std::vector<std::int16_t> samples;  // interleaved
};
WavData readWav(const QString& path);

// A 16-bit PCM WAV file's bytes; the data size field says dataSize when given (0xFFFFFFFF for
// a stream whose end is not known).
QByteArray wavBytes(int sampleRate, int channels, const std::vector<std::int16_t>& samples,
                    std::optional<std::uint32_t> dataSize = std::nullopt);

// Deterministic noise samples in [-amplitude, amplitude].
std::vector<std::int16_t> noise(std::size_t count, int amplitude, std::uint32_t seed);

// The window's reading of "Duration: HH:MM:SS.cc," in one chunk: seconds, or empty when the
// field is missing or unreadable.
std::optional<double> durationField(const QByteArray& chunk);

// Every "time=" field's leading number, in order of appearance.
std::vector<double> timeFields(const QByteArray& output);

} // namespace coder_test

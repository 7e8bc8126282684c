#pragma once
#include <QByteArray>
#include <QString>

#include <memory>

// Where the samples of a 16-bit PCM WAV lie in its file and how they are laid out.
struct WavFormat {
    int channels = 0;
    int sampleRate = 0;
    int blockAlign = 0;     // bytes per frame: channels * 2
    qint64 dataOffset = 0;  // file offset of the first frame
    qint64 frames = 0;      // whole frames actually present in the file

    qint64 dataBytes() const { return frames * blockAlign; }
    // Length in whole milliseconds, rounded down.
    qint64 lengthMs() const { return sampleRate > 0 ? frames * 1000 / sampleRate : 0; }
};

// The header of a 16-bit PCM WAV whose data (frames * channels * 2 bytes) follows right after
// it: plain RIFF, or RF64 with a ds64 chunk (for data over 4 GB, or when asked).
QByteArray wavHeader(int channels, int sampleRate, qint64 frames, bool rf64 = false);

// An open 16-bit PCM WAV file (RIFF, or RF64/BW64 for files over 4 GB; format tag PCM or
// WAVE_FORMAT_EXTENSIBLE with the PCM subtype). Owns the file descriptor; holds no samples.
// readFrames() uses positioned reads, so several threads may read from one WavFile at once.
class WavFile {
public:
    enum class Error { None, NotFound, Unsupported };

    ~WavFile();
    WavFile(const WavFile&) = delete;
    WavFile& operator=(const WavFile&) = delete;

    // Opens `path` and reads its header. Returns nullptr, with the reason in *error when given,
    // when the file cannot be opened (NotFound) or is not a WAV of the kind above (Unsupported).
    static std::unique_ptr<WavFile> open(const QString& path, Error* error = nullptr);

    const WavFormat& format() const { return format_; }

    // Copies up to `count` frames starting at frame `first` into `dst` (count * blockAlign bytes).
    // Returns the number of whole frames copied: fewer at the end of the data, 0 past it,
    // -1 on a read error.
    qint64 readFrames(qint64 first, void* dst, qint64 count) const;

    // Only open() can make one; the key keeps make_unique usable.
    class Key {
        friend class WavFile;
        Key() = default;
    };
    WavFile(Key, int fd, const WavFormat& format);

private:
    int fd_;
    WavFormat format_;
};

#pragma once
#include <QByteArray>
#include <QString>

#include <atomic>
#include <memory>
#include <mutex>

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
//
// A file another process is still writing is opened with openGrowing(). Its writer puts
// placeholders where the header's sizes go and fills them in when it is done (FFmpeg's wav
// muxer does so; it also writes in buffered blocks, so the file grows in steps that may end
// inside the header or inside a frame). Until the sizes are final the frames are the whole
// frames the file holds so far; refresh() looks again. Format fields other than the frames
// never change after opening.
class WavFile {
public:
    enum class Error { None, NotFound, Unsupported, Incomplete };

    ~WavFile();
    WavFile(const WavFile&) = delete;
    WavFile& operator=(const WavFile&) = delete;

    // Opens `path` and reads its header. Returns nullptr, with the reason in *error when given,
    // when the file cannot be opened (NotFound) or is not a WAV of the kind above (Unsupported).
    // A header whose sizes say more than the file holds is taken as far as the file goes.
    static std::unique_ptr<WavFile> open(const QString& path, Error* error = nullptr);

    // Opens `path` as a WAV that may still be growing (see above); `path` may be
    // /proc/self/fd/<n> of a descriptor held open. Returns nullptr with Incomplete when the
    // header is not all there yet (try again once the file has grown), else as open().
    static std::unique_ptr<WavFile> openGrowing(const QString& path, Error* error = nullptr);

    // The layout, with the frames known as of the last refresh().
    WavFormat format() const;
    qint64 frames() const { return frames_.load(std::memory_order_acquire); }
    // Opened with openGrowing().
    bool isGrowing() const { return growing_; }
    // True when the frames will not change any more: always for open(); for a growing file
    // once its header holds real sizes that agree with the file's size (the writer is done).
    // A writer that died half way never makes its file final.
    bool isFinal() const { return final_.load(std::memory_order_acquire); }

    // A growing file that is not final yet: reads the file's size and header again and takes
    // the whole frames present. Until the file is final they only grow; the final sizes may
    // take back bytes that turn out to be another chunk after the data. Returns frames().
    // Safe to call from any thread while others read; cheap (an fstat and a few small reads).
    qint64 refresh();

    // Copies up to `count` frames starting at frame `first` into `dst` (count * blockAlign bytes).
    // Returns the number of whole frames copied: fewer at the end of the frames known, 0 past
    // it, -1 on a read error.
    qint64 readFrames(qint64 first, void* dst, qint64 count) const;

    // Only open() can make one; the key keeps make_unique usable.
    class Key {
        friend class WavFile;
        Key() = default;
    };
    WavFile(Key, int fd, const WavFormat& format, bool growing, bool final);

private:
    static std::unique_ptr<WavFile> openAs(const QString& path, bool growing, Error* error);

    const int fd_;
    WavFormat format_;  // frames here are unused: frames_ holds them
    const bool growing_;
    std::atomic<qint64> frames_;
    std::atomic<bool> final_;
    std::mutex refreshMutex_;
};

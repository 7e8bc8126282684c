#pragma once
#include "platform/PcmRing.h"
#include "platform/WavFile.h"

#include <SDL.h>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class SdlAudioSystem;

// One WAV opened for playback on an SDL audio device. Owns the file, the device, a ring of about
// one second of samples and the reader thread that keeps the ring filled from the file, so memory
// stays the same whatever the file's length and the audio thread never waits on the disk.
// The position is what the device has consumed: frames handed to the audio callback.
// Control it from one thread; the callback and the reader run on their own threads.
//
// A growing WAV (another process still writes it, see WavFile::openGrowing) plays as far as it
// is written: there the device gets silence and the position waits, still playing, until more
// arrives; the reader looks at the file again every few tens of milliseconds. Its length is the
// part written so far, and a start beyond it is moved back to the last second written. Once
// the writer has made the header final it plays like any complete file. A file whose writer
// died never becomes final: playback waits at its end until stopped or closed.
class SdlPlayback {
public:
    enum class Mode { Stopped, Playing, Paused };

    // Opens `path` on a new device of `audio`, as a growing WAV when `growing`. Returns nullptr
    // and sets *error to a MediaError code when the file is missing or not a playable WAV (a
    // growing one whose header is not all written yet included), or no output could be opened.
    static std::unique_ptr<SdlPlayback> open(const QString& path, SdlAudioSystem& audio, int* error,
                                             bool growing = false);
    ~SdlPlayback();
    SdlPlayback(const SdlPlayback&) = delete;
    SdlPlayback& operator=(const SdlPlayback&) = delete;

    // The sound's length; of a growing file, the part written so far (looked at again now,
    // so that right after the writer has ended this is already the final length).
    qint64 lengthMs() const;
    // False while the file is still growing.
    bool isFinal() const { return wav_->isFinal(); }
    // Milliseconds played so far, rounded down; the length once the end has been reached.
    qint64 positionMs() const;
    // Playing turns into Stopped once the end has been played.
    Mode mode();

    // Each returns a MediaError code; on failure nothing changes.
    int play();                 // from the current position; at the end it stays there
    int playFrom(qint64 ms);    // OutOfRange beyond the length, unless still growing
    int pause();                // NotApplicable unless playing
    int resume();               // NotApplicable when stopped; nothing to do when playing
    int stop();                 // keeps the position

    class Key {
        friend class SdlPlayback;
        Key() = default;
    };
    SdlPlayback(Key, std::unique_ptr<WavFile> wav, SdlAudioSystem& audio);

private:
    static void SDLCALL audioCallback(void* self, Uint8* stream, int len);
    void consume(Uint8* stream, int len);
    bool startDevice();
    void readerLoop();
    bool fillLocked();  // one chunk from the file into the ring; needs feedMutex_
    void followWriter();  // a growing file: how far it is written, whether it is final now
    void seekTo(qint64 frame);
    void settle();

    std::unique_ptr<WavFile> wav_;
    SdlAudioSystem& audio_;
    PcmRing ring_;
    SDL_AudioDeviceID device_ = 0;
    Mode mode_ = Mode::Stopped;

    // Written by the audio callback, or by seekTo() while the device is locked.
    std::atomic<qint64> playedFrames_{0};
    std::atomic<bool> reachedEnd_{false};
    // Where the data ends: the header's frame count, less if the file turned out shorter;
    // kOpenEnd while a growing file is not final.
    std::atomic<qint64> endFrame_{0};

    std::mutex feedMutex_;  // guards the reader's state and serialises producers of the ring
    std::condition_variable feedWake_;
    qint64 nextReadFrame_ = 0;
    bool quit_ = false;
    std::vector<unsigned char> chunk_;
    qint64 chunkFrames_ = 0;
    std::thread reader_;
};

#include "platform/SdlPlayback.h"

#include "platform/MediaDevice.h"
#include "platform/SdlAudioSystem.h"

#include <chrono>
#include <limits>
#include <cstring>

namespace {

constexpr qint64 kMinRingFrames = 8192;
constexpr int kChunksPerRing = 8;
constexpr auto kReaderNap = std::chrono::milliseconds(20);  // well under the ring's second
constexpr qint64 kOpenEnd = std::numeric_limits<qint64>::max();

// A device buffer of about 20 ms: short enough for a position that follows the sound closely.
Uint16 bufferFrames(int rate)
{
    Uint16 frames = 256;
    while (frames < 8192 && frames * 50 < rate)
        frames *= 2;
    return frames;
}

}  // namespace

std::unique_ptr<SdlPlayback> SdlPlayback::open(const QString& path, SdlAudioSystem& audio, int* error,
                                                bool growing)
{
    WavFile::Error why = WavFile::Error::None;
    std::unique_ptr<WavFile> wav = growing ? WavFile::openGrowing(path, &why) : WavFile::open(path, &why);
    if (!wav) {
        *error = why == WavFile::Error::NotFound ? MediaError::FileNotFound : MediaError::InvalidFile;
        return nullptr;
    }
    auto playback = std::make_unique<SdlPlayback>(Key(), std::move(wav), audio);
    if (!playback->startDevice()) {
        *error = MediaError::Hardware;
        return nullptr;
    }
    *error = MediaError::Ok;
    return playback;
}

SdlPlayback::SdlPlayback(Key, std::unique_ptr<WavFile> wav, SdlAudioSystem& audio)
    : wav_(std::move(wav)),
      audio_(audio),
      ring_(std::size_t(qMax<qint64>(wav_->format().sampleRate, kMinRingFrames)) * wav_->format().blockAlign),
      endFrame_(wav_->isFinal() ? wav_->frames() : kOpenEnd)
{
    chunkFrames_ = qint64(ring_.capacity()) / wav_->format().blockAlign / kChunksPerRing;
    chunk_.resize(std::size_t(chunkFrames_ * wav_->format().blockAlign));
}

SdlPlayback::~SdlPlayback()
{
    audio_.close(device_);  // waits for the audio thread, so the callback no longer runs
    if (reader_.joinable()) {
        {
            std::lock_guard<std::mutex> lock(feedMutex_);
            quit_ = true;
        }
        feedWake_.notify_one();
        reader_.join();
    }
}

bool SdlPlayback::startDevice()
{
    const WavFormat& f = wav_->format();
    SDL_AudioSpec want {};
    want.freq = f.sampleRate;
    want.format = AUDIO_S16LSB;  // WAV samples are little-endian whatever the machine
    want.channels = Uint8(f.channels);
    want.samples = bufferFrames(f.sampleRate);
    want.callback = &SdlPlayback::audioCallback;
    want.userdata = this;
    device_ = audio_.open(want);
    if (device_ == 0)
        return false;
    {
        std::lock_guard<std::mutex> lock(feedMutex_);
        fillLocked();  // the first buffers are there before the first play
    }
    reader_ = std::thread([this] { readerLoop(); });
    return true;
}

void SDLCALL SdlPlayback::audioCallback(void* self, Uint8* stream, int len)
{
    static_cast<SdlPlayback*>(self)->consume(stream, len);
}

void SdlPlayback::consume(Uint8* stream, int len)
{
    const std::size_t got = ring_.read(stream, std::size_t(len));
    if (got < std::size_t(len))
        std::memset(stream + got, 0, std::size_t(len) - got);  // silence for signed 16-bit
    const qint64 played = playedFrames_.load(std::memory_order_relaxed)
        + qint64(got) / wav_->format().blockAlign;
    playedFrames_.store(played, std::memory_order_release);
    if (played >= endFrame_.load(std::memory_order_acquire))
        reachedEnd_.store(true, std::memory_order_release);
}

bool SdlPlayback::fillLocked()
{
    const int block = wav_->format().blockAlign;
    const qint64 end = qMin(endFrame_.load(std::memory_order_relaxed), wav_->frames());
    const qint64 want = qMin(qMin(qint64(ring_.writable()) / block, chunkFrames_), end - nextReadFrame_);
    if (want <= 0)
        return false;
    const qint64 got = wav_->readFrames(nextReadFrame_, chunk_.data(), want);
    if (got < want && endFrame_.load(std::memory_order_relaxed) == kOpenEnd) {
        // Still growing: what cannot be read now is tried again, the sound does not end here.
        if (got <= 0)
            return false;
    } else if (got < want) {
        // The file is shorter than its header said, or unreadable from here: the sound ends here.
        endFrame_.store(nextReadFrame_ + qMax<qint64>(got, 0), std::memory_order_release);
        if (got <= 0)
            return false;
    }
    ring_.write(chunk_.data(), std::size_t(got * block));
    nextReadFrame_ += got;
    return true;
}

void SdlPlayback::followWriter()
{
    if (endFrame_.load(std::memory_order_relaxed) != kOpenEnd)
        return;
    wav_->refresh();
    if (wav_->isFinal())
        endFrame_.store(wav_->frames(), std::memory_order_release);
}

void SdlPlayback::readerLoop()
{
    std::unique_lock<std::mutex> lock(feedMutex_);
    while (!quit_) {
        if (fillLocked())
            continue;
        // The ring is full or the data known is all read: a moment to follow a growing file.
        followWriter();
        if (!fillLocked())
            feedWake_.wait_for(lock, kReaderNap);
    }
}

void SdlPlayback::seekTo(qint64 frame)
{
    {
        std::lock_guard<std::mutex> lock(feedMutex_);
        SDL_LockAudioDevice(device_);
        ring_.clear();
        playedFrames_.store(frame, std::memory_order_relaxed);
        reachedEnd_.store(frame >= endFrame_.load(std::memory_order_relaxed), std::memory_order_relaxed);
        SDL_UnlockAudioDevice(device_);
        nextReadFrame_ = frame;
        fillLocked();
    }
    feedWake_.notify_one();
}

qint64 SdlPlayback::lengthMs() const
{
    wav_->refresh();  // nothing to do once final
    return wav_->format().lengthMs();
}

qint64 SdlPlayback::positionMs() const
{
    const qint64 frames = playedFrames_.load(std::memory_order_acquire);
    return frames * 1000 / wav_->format().sampleRate;
}

void SdlPlayback::settle()
{
    if (mode_ == Mode::Playing && reachedEnd_.load(std::memory_order_acquire)) {
        SDL_PauseAudioDevice(device_, 1);
        mode_ = Mode::Stopped;
    }
}

SdlPlayback::Mode SdlPlayback::mode()
{
    settle();
    return mode_;
}

int SdlPlayback::play()
{
    settle();
    if (mode_ == Mode::Playing || reachedEnd_.load(std::memory_order_acquire))
        return MediaError::Ok;
    SDL_PauseAudioDevice(device_, 0);
    mode_ = Mode::Playing;
    return MediaError::Ok;
}

int SdlPlayback::playFrom(qint64 ms)
{
    wav_->refresh();
    const bool growing = !wav_->isFinal();  // read before the frames: they only grow until final
    const qint64 frames = wav_->frames();
    const qint64 rate = wav_->format().sampleRate;
    if (ms < 0 || (!growing && ms > frames * 1000 / rate))
        return MediaError::OutOfRange;
    settle();
    // Rounded up, so that the position read back right away is the one asked for.
    qint64 frame = (ms * rate + 999) / 1000;
    if (growing && frame > frames)
        frame = qMax<qint64>(frames - rate, 0);  // the last second written, which plays on
    frame = qMin(frame, frames);
    seekTo(frame);
    SDL_PauseAudioDevice(device_, 0);
    mode_ = Mode::Playing;
    settle();
    return MediaError::Ok;
}

int SdlPlayback::pause()
{
    settle();
    if (mode_ == Mode::Paused)
        return MediaError::Ok;
    if (mode_ != Mode::Playing)
        return MediaError::NotApplicable;
    SDL_PauseAudioDevice(device_, 1);
    mode_ = Mode::Paused;
    return MediaError::Ok;
}

int SdlPlayback::resume()
{
    settle();
    if (mode_ == Mode::Playing)
        return MediaError::Ok;
    if (mode_ != Mode::Paused)
        return MediaError::NotApplicable;
    SDL_PauseAudioDevice(device_, 0);
    mode_ = Mode::Playing;
    return MediaError::Ok;
}

int SdlPlayback::stop()
{
    SDL_PauseAudioDevice(device_, 1);
    mode_ = Mode::Stopped;
    return MediaError::Ok;
}

#pragma once
#include <QString>

#include <SDL.h>

// SDL's audio subsystem for this process: started on the first device opened, with the driver
// SDL picks (SDL_AUDIODRIVER is respected), and stopped on destruction. When that driver cannot
// start or cannot open a device (no sound server, no sound card), SDL audio is restarted on its
// "dummy" driver, which consumes samples in real time and plays nothing, so positions still run.
// SDL audio is process-wide: keep one SdlAudioSystem per process. Use from one thread.
class SdlAudioSystem {
public:
    SdlAudioSystem() = default;
    ~SdlAudioSystem();
    SdlAudioSystem(const SdlAudioSystem&) = delete;
    SdlAudioSystem& operator=(const SdlAudioSystem&) = delete;

    // Opens the default output for `want` (its callback set), paused, converting in SDL from the
    // requested format to whatever the device takes. Returns 0 when not even the dummy driver
    // can open it.
    SDL_AudioDeviceID open(const SDL_AudioSpec& want);
    // Closes a device returned by open().
    void close(SDL_AudioDeviceID device);

    // The driver in use ("pulseaudio", "alsa", "disk", "dummy", ...), empty before the first open.
    QString driverName() const;

private:
    bool start(const char* driver);
    SDL_AudioDeviceID openOnCurrentDriver(const SDL_AudioSpec& want);

    bool started_ = false;
    int openDevices_ = 0;
};

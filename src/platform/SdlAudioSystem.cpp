#include "platform/SdlAudioSystem.h"

#include <QtDebug>

#include <cstring>

namespace {
constexpr const char* kSilentDriver = "dummy";
}

SdlAudioSystem::~SdlAudioSystem()
{
    if (started_)
        SDL_AudioQuit();
}

bool SdlAudioSystem::start(const char* driver)
{
    if (started_) {
        SDL_AudioQuit();
        started_ = false;
    }
    started_ = SDL_AudioInit(driver) == 0;
    return started_;
}

SDL_AudioDeviceID SdlAudioSystem::openOnCurrentDriver(const SDL_AudioSpec& want)
{
    SDL_AudioSpec have {};
    // No changes allowed: SDL converts our format to the device's, so the callback always
    // delivers the file's own samples.
    const SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (id != 0)
        ++openDevices_;
    return id;
}

SDL_AudioDeviceID SdlAudioSystem::open(const SDL_AudioSpec& want)
{
    if (!started_ && !start(nullptr))
        qWarning("SDL audio could not start (%s); playing silently", SDL_GetError());
    if (started_) {
        if (const SDL_AudioDeviceID id = openOnCurrentDriver(want))
            return id;
    }
    const char* current = started_ ? SDL_GetCurrentAudioDriver() : nullptr;
    if (current && std::strcmp(current, kSilentDriver) == 0)
        return 0;
    // Restarting the subsystem would close every open device, so only switch while none is open.
    if (openDevices_ > 0)
        return 0;
    qWarning("No audio output (%s); playing silently", SDL_GetError());
    if (!start(kSilentDriver))
        return 0;
    return openOnCurrentDriver(want);
}

void SdlAudioSystem::close(SDL_AudioDeviceID device)
{
    if (device == 0)
        return;
    SDL_CloseAudioDevice(device);
    --openDevices_;
}

QString SdlAudioSystem::driverName() const
{
    const char* name = started_ ? SDL_GetCurrentAudioDriver() : nullptr;
    return name ? QString::fromLatin1(name) : QString();
}

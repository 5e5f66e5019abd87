#include "sound_player.h"

#include <algorithm>

#include <SDL.h>

#include "app_error.h"

namespace mogran {

namespace {

// Small device buffer, so that a sound starts promptly after Play returns.
constexpr Uint16 kMaxDeviceSamples = 1024;

// The sound system's text for its last failure, or our own when it gives none.
[[noreturn]] void ThrowSoundError()
{
    const char* text = SDL_GetError();
    if (text == nullptr || *text == '\0') {
        throw AppError("原因不明のｴﾗｰ");
    }
    throw AppError(text);
}

}  // namespace

struct SoundPlayer::Impl {
    bool audioReady = false;      // the audio subsystem is initialised
    SDL_AudioDeviceID device = 0;  // the held device; 0 when none
};

SoundPlayer::SoundPlayer() : impl_(new Impl) {}

SoundPlayer::~SoundPlayer()
{
    Close();
    if (impl_->audioReady) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    delete impl_;
}

void SoundPlayer::Close()
{
    if (impl_->device != 0) {
        SDL_CloseAudioDevice(impl_->device);
        impl_->device = 0;
    }
}

void SoundPlayer::Play(const std::string& fileName)
{
    if (!impl_->audioReady) {
        SDL_ClearError();
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            ThrowSoundError();
        }
        impl_->audioReady = true;
    }

    // A sound still playing stops here, before the new file is even read.
    Close();

    SDL_ClearError();
    SDL_AudioSpec spec{};
    Uint8* wave = nullptr;
    Uint32 waveLength = 0;
    if (SDL_LoadWAV(fileName.c_str(), &spec, &wave, &waveLength) == nullptr) {
        ThrowSoundError();
    }

    spec.samples = std::min(spec.samples, kMaxDeviceSamples);
    spec.callback = nullptr;
    spec.userdata = nullptr;
    SDL_AudioSpec obtained{};
    SDL_ClearError();
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &spec, &obtained, 0);
    if (device == 0) {
        SDL_FreeWAV(wave);
        ThrowSoundError();
    }
    impl_->device = device;

    // The queue keeps its own copy of the samples; a failure to queue or start is not reported.
    SDL_QueueAudio(device, wave, waveLength);
    SDL_FreeWAV(wave);
    SDL_PauseAudioDevice(device, 0);
}

}  // namespace mogran

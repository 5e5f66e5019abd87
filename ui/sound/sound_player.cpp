#include "sound_player.h"

#include <algorithm>
#include <memory>
#include <optional>

#include <SDL.h>

#include "app_error.h"
#include "sdl_audio.h"

namespace mogran {

namespace {

// Small device buffer, so that a sound starts promptly after Play returns.
constexpr Uint16 kMaxDeviceSamples = 1024;

// The sound system's text for its last failure, or our own when it gives none.
AppError SoundError(const SdlAudio& sdl) {
    const char* text = sdl.GetError();
    if (text == nullptr || *text == '\0') {
        return AppError("原因不明のｴﾗｰ");
    }
    return AppError(text);
}

}  // namespace

struct SoundPlayer::Impl {
    std::optional<SdlAudio> sdl;  // the library, loaded and its audio initialised by the first Play
    SDL_AudioDeviceID device = 0;  // the held device; 0 when none
    SDL_AudioSpec deviceFormat{};  // the sample format the held device was opened for
};

SoundPlayer::SoundPlayer() : impl_(new Impl) {}

SoundPlayer::~SoundPlayer() {
    Close();
    if (impl_->sdl) {
        impl_->sdl->QuitSubSystem(SDL_INIT_AUDIO);
    }
    delete impl_;
}

void SoundPlayer::Close() {
    if (impl_->device != 0) {
        impl_->sdl->CloseAudioDevice(impl_->device);
        impl_->device = 0;
    }
}

void SoundPlayer::Play(const std::string& fileName) {
    if (!impl_->sdl) {
        const SdlAudio sdl = LoadSdlAudio();
        sdl.ClearError();
        if (sdl.InitSubSystem(SDL_INIT_AUDIO) != 0) {
            throw SoundError(sdl);
        }
        impl_->sdl = sdl;
    }
    const SdlAudio& sdl = *impl_->sdl;

    sdl.ClearError();
    SDL_AudioSpec format{};
    Uint8* wave = nullptr;
    Uint32 waveLength = 0;
    if (sdl.LoadWAV_RW(sdl.RWFromFile(fileName.c_str(), "rb"), 1, &format, &wave, &waveLength) ==
        nullptr) {
        const AppError error = SoundError(sdl);
        Close();  // the sound still playing stops all the same
        throw error;
    }
    const std::unique_ptr<Uint8, decltype(sdl.FreeWAV)> waveOwner(wave, sdl.FreeWAV);

    // Closing a device waits for its thread to drain a few buffers (about a tenth of a
    // second), so a device that plays this sample format is kept: dropping its queue cuts
    // the old sound off within one buffer. Any other format gets a device of its own.
    const SDL_AudioSpec& held = impl_->deviceFormat;
    const bool reuse = impl_->device != 0 &&
                       sdl.GetAudioDeviceStatus(impl_->device) == SDL_AUDIO_PLAYING &&
                       format.freq == held.freq && format.format == held.format &&
                       format.channels == held.channels;
    if (reuse) {
        sdl.ClearQueuedAudio(impl_->device);
    } else {
        Close();
        format.samples = std::min(format.samples, kMaxDeviceSamples);
        format.callback = nullptr;
        format.userdata = nullptr;
        SDL_AudioSpec obtained{};
        sdl.ClearError();
        const SDL_AudioDeviceID device = sdl.OpenAudioDevice(nullptr, 0, &format, &obtained, 0);
        if (device == 0) {
            throw SoundError(sdl);
        }
        impl_->device = device;
        impl_->deviceFormat = format;
    }

    // The queue keeps its own copy of the samples; a failure to queue or start is not reported.
    sdl.QueueAudio(impl_->device, wave, waveLength);
    sdl.PauseAudioDevice(impl_->device, 0);
}

}  // namespace mogran

#pragma once

#include <SDL.h>

namespace mogran {

// The SDL functions the sound player uses, taken from the SDL library loaded at run time.
// The library (and the sound servers' libraries it pulls in) is loaded only when the first
// sound is played, so that start-up does not pay for it.
struct SdlAudio {
    decltype(&SDL_InitSubSystem) InitSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) QuitSubSystem = nullptr;
    decltype(&SDL_GetError) GetError = nullptr;
    decltype(&SDL_ClearError) ClearError = nullptr;
    decltype(&SDL_RWFromFile) RWFromFile = nullptr;
    decltype(&SDL_LoadWAV_RW) LoadWAV_RW = nullptr;
    decltype(&SDL_FreeWAV) FreeWAV = nullptr;
    decltype(&SDL_OpenAudioDevice) OpenAudioDevice = nullptr;
    decltype(&SDL_CloseAudioDevice) CloseAudioDevice = nullptr;
    decltype(&SDL_GetAudioDeviceStatus) GetAudioDeviceStatus = nullptr;
    decltype(&SDL_ClearQueuedAudio) ClearQueuedAudio = nullptr;
    decltype(&SDL_QueueAudio) QueueAudio = nullptr;
    decltype(&SDL_PauseAudioDevice) PauseAudioDevice = nullptr;
};

// Loads the SDL library (once per process; it stays loaded) and looks up the functions.
// Throws AppError with the loader's text when the library or a function is missing.
SdlAudio LoadSdlAudio();

}  // namespace mogran

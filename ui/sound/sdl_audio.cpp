#include "sdl_audio.h"

#include <dlfcn.h>

#include "app_error.h"

namespace mogran {

namespace {

// The run-time name of SDL 2, as the library package installs it.
constexpr char kSdlLibrary[] = "libSDL2-2.0.so.0";

AppError LoaderError() {
    const char* text = dlerror();
    return AppError(text != nullptr && *text != '\0' ? text : "原因不明のｴﾗｰ");
}

template <typename Function>
void Find(void* library, const char* name, Function& function) {
    dlerror();
    void* address = dlsym(library, name);
    if (address == nullptr) {
        throw LoaderError();
    }
    function = reinterpret_cast<Function>(address);
}

}  // namespace

SdlAudio LoadSdlAudio() {
    // Never closed: SDL keeps threads and handlers of its own for the rest of the run.
    void* library = dlopen(kSdlLibrary, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        throw LoaderError();
    }
    SdlAudio sdl;
    Find(library, "SDL_InitSubSystem", sdl.InitSubSystem);
    Find(library, "SDL_QuitSubSystem", sdl.QuitSubSystem);
    Find(library, "SDL_GetError", sdl.GetError);
    Find(library, "SDL_ClearError", sdl.ClearError);
    Find(library, "SDL_RWFromFile", sdl.RWFromFile);
    Find(library, "SDL_LoadWAV_RW", sdl.LoadWAV_RW);
    Find(library, "SDL_FreeWAV", sdl.FreeWAV);
    Find(library, "SDL_OpenAudioDevice", sdl.OpenAudioDevice);
    Find(library, "SDL_CloseAudioDevice", sdl.CloseAudioDevice);
    Find(library, "SDL_GetAudioDeviceStatus", sdl.GetAudioDeviceStatus);
    Find(library, "SDL_ClearQueuedAudio", sdl.ClearQueuedAudio);
    Find(library, "SDL_QueueAudio", sdl.QueueAudio);
    Find(library, "SDL_PauseAudioDevice", sdl.PauseAudioDevice);
    return sdl;
}

}  // namespace mogran

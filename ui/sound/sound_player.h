#pragma once

#include <string>

namespace mogran {

// Plays one WAV file at a time through the sound system; never blocks on playback. Nothing of
// the sound system is loaded or started before the first Play.
class SoundPlayer {
public:
    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Loads the file (relative to the working directory) and stops a sound still playing,
    // then starts the new one and returns at once. A device open for the same sample
    // format is reused (closing one takes the sound system about 100 ms); otherwise the
    // held device is closed and one is opened for the file. Throws AppError with the sound
    // system's own text when loading or opening fails, or with the loader's text when the sound
    // library is missing; the player then holds no device.
    void Play(const std::string& fileName);

    // Stops and closes a held sound; nothing when none is held.
    void Close();

private:
    struct Impl;
    Impl* impl_ = nullptr;
};

}  // namespace mogran

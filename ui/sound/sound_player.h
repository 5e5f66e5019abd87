#pragma once

#include <string>

namespace mogran {

// Plays one WAV file at a time through the sound system; never blocks on playback.
class SoundPlayer {
public:
    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Stops and closes a sound still held, loads the file (relative to the working
    // directory) and opens a device for it, then starts playback and returns at once.
    // Throws AppError with the sound system's own text when loading or opening fails.
    void Play(const std::string& fileName);

    // Stops and closes a held sound; nothing when none is held.
    void Close();

private:
    struct Impl;
    Impl* impl_ = nullptr;
};

}  // namespace mogran

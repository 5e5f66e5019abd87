// Measures how long SoundPlayer::Play takes with the media files, per audio driver.
// Usage: sound-play-latency <media folder> [calls] [driver...]   (defaults: 200, disk dummy)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "app_error.h"
#include "sound_player.h"

namespace {

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<size_t>(fraction * static_cast<double>(values.size() - 1));
    return values[index];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <media folder> [calls] [driver...]\n", argv[0]);
        return 2;
    }
    std::filesystem::current_path(argv[1]);
    const int calls = argc > 2 ? std::max(1, std::atoi(argv[2])) : 200;
    std::vector<std::string> drivers;
    for (int i = 3; i < argc; ++i) {
        drivers.emplace_back(argv[i]);
    }
    if (drivers.empty()) {
        drivers = {"disk", "dummy"};
    }
    const std::string diskFile =
        (std::filesystem::temp_directory_path() / "mogran-play-latency.raw").string();
    setenv("SDL_DISKAUDIOFILE", diskFile.c_str(), 1);

    for (const std::string& driver : drivers) {
        setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
        try {
            mogran::SoundPlayer player;
            player.Play("maru1.wav");  // first call also starts the audio subsystem
            // Back to back, and spaced out so that the device plays between the calls.
            for (const int gapMs : {0, 20}) {
                std::vector<double> micros;
                for (int i = 0; i < calls; ++i) {
                    const auto start = std::chrono::steady_clock::now();
                    player.Play(i % 2 == 0 ? "batu1.wav" : "maru1.wav");
                    const auto end = std::chrono::steady_clock::now();
                    micros.push_back(
                        std::chrono::duration<double, std::micro>(end - start).count());
                    std::this_thread::sleep_for(std::chrono::milliseconds(gapMs));
                }
                std::printf(
                    "%-8s %d calls %2d ms apart: median %.0f us, 90th percentile %.0f us, "
                    "max %.0f us\n",
                    driver.c_str(), calls, gapMs, Percentile(micros, 0.5), Percentile(micros, 0.9),
                    Percentile(micros, 1.0));
            }
        } catch (const mogran::AppError& e) {
            std::printf("%-8s not usable: %s\n", driver.c_str(), e.what());
        }
    }
    std::filesystem::remove(diskFile);
    return 0;
}

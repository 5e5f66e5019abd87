#include "sound_player.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

#include <SDL.h>
#include <gtest/gtest.h>

#include "app_error.h"

namespace mogran {
namespace {

namespace fs = std::filesystem;
using Samples = std::vector<int16_t>;

constexpr uint32_t kRate = 22050;

// A PCM 16-bit mono WAV file of one repeated sample value, written as the little-endian
// words of "RIFF", size, "WAVE", "fmt ", 16, PCM and mono, rate, byte rate, 2 and 16 bits, "data".
void WriteWav(const fs::path& path, uint32_t count, int16_t value, uint32_t rate = kRate) {
    const uint32_t header[] = {0x46464952, 36 + count * 2, 0x45564157, 0x20746d66,
                               16,         0x10001,        rate,       rate * 2,
                               0x100002,   0x61746164,     count * 2};
    const Samples samples(count, value);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(header), sizeof header);
    out.write(reinterpret_cast<const char*>(samples.data()), count * 2);
}

class SoundPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "mogran-sound-XXXXXX").string();
        dir_ = mkdtemp(pattern.data());
        oldDir_ = fs::current_path();
        fs::current_path(dir_);
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", (dir_ / "out.raw").c_str(), 1);
        setenv("SDL_DISKAUDIODELAY", "5", 1);
        WriteWav(dir_ / "good.wav", kRate, 4444);
    }
    void TearDown() override {
        fs::current_path(oldDir_);
        fs::remove_all(dir_);
    }

    // The samples the disk driver has written so far.
    Samples Output() const {
        std::ifstream in(dir_ / "out.raw", std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        Samples samples(bytes.size() / 2);
        std::copy_n(bytes.data(), samples.size() * 2, reinterpret_cast<char*>(samples.data()));
        return samples;
    }
    // Polls until the condition holds or five seconds have passed.
    static bool WaitFor(const std::function<bool()>& condition) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!condition() && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return condition();
    }
    // Devices SDL holds open in this process (closed or unknown ones report stopped).
    static int OpenDevices() {
        int open = 0;
        for (SDL_AudioDeviceID id = 1; id <= 32; ++id) {
            open += SDL_GetAudioDeviceStatus(id) != SDL_AUDIO_STOPPED;
        }
        return open;
    }
    // Plays the file and returns the error text; "" when Play succeeded.
    static std::string PlayError(SoundPlayer& player, const std::string& file) try {
        player.Play(file);
        return "";
    } catch (const AppError& e) {
        return e.what();
    }

    fs::path dir_;
    fs::path oldDir_;
};

TEST_F(SoundPlayerTest, FileThatCannotBeLoadedFailsWithSdlsTextAndClosesThePlayer) {
    std::ofstream(dir_ / "text.wav") << "this is not a sound at all";
    for (const char* bad : {"missing.wav", "text.wav"}) {
        SCOPED_TRACE(bad);
        SoundPlayer player;
        ASSERT_EQ(PlayError(player, "good.wav"), "");  // the first Play loads and starts SDL
        ASSERT_EQ(OpenDevices(), 1);
        const std::string message = PlayError(player, bad);
        EXPECT_EQ(message, SDL_GetError());
        EXPECT_NE(message, "");
        EXPECT_EQ(OpenDevices(), 0) << "a device is still held after the failure";
        EXPECT_EQ(PlayError(player, "good.wav"), "") << "the player stays usable";
    }
}

TEST_F(SoundPlayerTest, NextPlayCutsOffTheSoundStillPlaying) {
    // The same sample format keeps the device, whose output then holds both sounds; another
    // format opens a new device, which starts a fresh output file.
    const std::pair<uint32_t, bool> cases[] = {{kRate, true}, {2 * kRate, false}};
    const int16_t first = 1111, second = -2222;
    const auto countIn = [](const Samples& out, int16_t v) {
        return std::count(out.begin(), out.end(), v);
    };
    WriteWav(dir_ / "long.wav", 30 * kRate, first);
    for (const auto& [shortRate, sameDevice] : cases) {
        SCOPED_TRACE(shortRate);
        WriteWav(dir_ / "short.wav", 2000, second, shortRate);
        SoundPlayer player;
        player.Play("long.wav");
        ASSERT_TRUE(WaitFor([&] { return countIn(Output(), first) > 0; }));
        player.Play("short.wav");
        Samples out;  // the short sound played to its end and the device ran on well past it
        ASSERT_TRUE(
            WaitFor([&] { return countIn(out = Output(), second) == 2000 && out.size() > 16384; }));
        EXPECT_EQ(std::find(std::find(out.begin(), out.end(), second), out.end(), first), out.end())
            << "the first sound went on after the second began";
        EXPECT_EQ(countIn(out, first) > 0, sameDevice);
        EXPECT_LT(countIn(out, first), 15 * kRate) << "the first sound played to its end";
        EXPECT_EQ(OpenDevices(), 1);
    }
}

TEST_F(SoundPlayerTest, WithoutAUsableDriverEveryPlayFailsWithSdlsText) {
    setenv("SDL_AUDIODRIVER", "nonexistent", 1);
    SoundPlayer player;  // the second Play tries again to start the audio, and fails alike
    EXPECT_NE(PlayError(player, "good.wav").find("nonexistent"), std::string::npos);
    EXPECT_NE(PlayError(player, "good.wav").find("nonexistent"), std::string::npos);
}

}  // namespace
}  // namespace mogran

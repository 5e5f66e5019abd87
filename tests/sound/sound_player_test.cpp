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
#include <vector>

#include <SDL.h>
#include <gtest/gtest.h>

#include "app_error.h"

namespace mogran {
namespace {

namespace fs = std::filesystem;
using Samples = std::vector<int16_t>;

constexpr int kRate = 22050;

// A PCM 16-bit mono WAV file of one repeated sample value.
void WriteWav(const fs::path& path, size_t count, int16_t value, int rate = kRate) {
    std::string out;
    const auto put = [&out](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    const auto dataSize = static_cast<uint32_t>(count * 2);
    out += "RIFF";
    put(36 + dataSize, 4);
    out += "WAVEfmt ";
    for (const uint32_t field : {16u, 0x10001u}) put(field, 4);  // header size; PCM, mono
    for (const uint32_t field : {uint32_t(rate), uint32_t(rate * 2), 0x100002u}) put(field, 4);
    out += "data";
    put(dataSize, 4);
    for (size_t i = 0; i < count; ++i) put(static_cast<uint16_t>(value), 2);
    std::ofstream(path, std::ios::binary) << out;
}

class SoundPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "mogran-sound-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
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
    static size_t CountOf(const Samples& samples, int16_t value) {
        return static_cast<size_t>(std::count(samples.begin(), samples.end(), value));
    }
    // Plays the file and returns the error text; "" when Play succeeded.
    static std::string PlayError(SoundPlayer& player, const std::string& file) {
        try {
            player.Play(file);
        } catch (const AppError& e) {
            return e.what();
        }
        return "";
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
        EXPECT_NE(message, "原因不明のｴﾗｰ");
        EXPECT_EQ(OpenDevices(), 0) << "a device is still held after the failure";
        EXPECT_EQ(PlayError(player, "good.wav"), "") << "the player stays usable";
    }
}

TEST_F(SoundPlayerTest, NextPlayCutsOffTheSoundStillPlaying) {
    // The same sample format keeps the device, whose output then holds both sounds; another
    // format opens a new device, which starts a fresh output file.
    const struct {
        int shortRate;
        bool sameDevice;
    } cases[] = {{kRate, true}, {2 * kRate, false}};
    const int16_t first = 1111, second = -2222;
    const size_t secondLength = 2000;
    WriteWav(dir_ / "long.wav", 10 * kRate, first);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shortRate);
        WriteWav(dir_ / "short.wav", secondLength, second, c.shortRate);
        SoundPlayer player;
        player.Play("long.wav");
        ASSERT_TRUE(WaitFor([&] { return CountOf(Output(), first) > 0; }));
        player.Play("short.wav");
        ASSERT_TRUE(WaitFor([&] {
            const Samples out = Output();
            return CountOf(out, second) == secondLength && out.size() > 16 * 1024;
        }));
        const Samples out = Output();
        const auto firstOfSecond = std::find(out.begin(), out.end(), second);
        EXPECT_EQ(std::find(firstOfSecond, out.end(), first), out.end()) << "not cut off";
        EXPECT_EQ(CountOf(out, first) > 0, c.sameDevice);
        EXPECT_EQ(OpenDevices(), 1);
    }
}

TEST_F(SoundPlayerTest, WithoutAUsableDriverEveryPlayFailsWithSdlsText) {
    setenv("SDL_AUDIODRIVER", "nonexistent", 1);
    SoundPlayer player;
    for (int attempt = 0; attempt < 2; ++attempt) {
        SCOPED_TRACE(attempt);
        const std::string message = PlayError(player, "good.wav");
        EXPECT_NE(message.find("nonexistent"), std::string::npos) << message;
    }
}

}  // namespace
}  // namespace mogran

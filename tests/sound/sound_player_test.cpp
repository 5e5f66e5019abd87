#include "sound_player.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
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

void PutLe(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// A PCM 16-bit mono WAV file as bytes.
std::string WavBytes(const Samples& samples, int rate = kRate) {
    const auto dataSize = static_cast<uint32_t>(samples.size() * 2);
    std::string out = "RIFF";
    PutLe(out, 36 + dataSize, 4);
    out += "WAVEfmt ";
    PutLe(out, 16, 4);
    PutLe(out, 1, 2);  // PCM
    PutLe(out, 1, 2);  // mono
    PutLe(out, rate, 4);
    PutLe(out, rate * 2, 4);
    PutLe(out, 2, 2);
    PutLe(out, 16, 2);
    out += "data";
    PutLe(out, dataSize, 4);
    for (int16_t s : samples) {
        PutLe(out, static_cast<uint16_t>(s), 2);
    }
    return out;
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

Samples Constant(size_t count, int16_t value) {
    return Samples(count, value);
}

// Plays into a disk file inside a fresh temporary working directory.
class SoundPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "mogran-sound-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        oldDir_ = fs::current_path();
        fs::current_path(dir_);
        output_ = dir_ / "device-output.raw";
        setenv("SDL_AUDIODRIVER", Driver(), 1);
        setenv("SDL_DISKAUDIOFILE", output_.c_str(), 1);
        setenv("SDL_DISKAUDIODELAY", "5", 1);
        player_ = std::make_unique<SoundPlayer>();
    }

    void TearDown() override {
        player_.reset();
        fs::current_path(oldDir_);
        fs::remove_all(dir_);
    }

    virtual const char* Driver() const { return "disk"; }

    Samples Output() const {
        std::ifstream in(output_, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        Samples samples(bytes.size() / 2);
        for (size_t i = 0; i < samples.size(); ++i) {
            const auto lo = static_cast<uint8_t>(bytes[2 * i]);
            const auto hi = static_cast<uint8_t>(bytes[2 * i + 1]);
            samples[i] = static_cast<int16_t>(lo | (hi << 8));
        }
        return samples;
    }

    uintmax_t OutputSize() const {
        std::error_code ec;
        const auto size = fs::file_size(output_, ec);
        return ec ? 0 : size;
    }

    // Polls until the condition holds or five seconds have passed.
    static bool WaitFor(const std::function<bool()>& condition) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (std::chrono::steady_clock::now() < end) {
            if (condition()) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return condition();
    }

    // Devices SDL holds open in this process (SDL numbers them from 1 and reports closed or
    // unknown ones as stopped).
    static std::vector<SDL_AudioDeviceID> OpenDevices() {
        std::vector<SDL_AudioDeviceID> open;
        for (SDL_AudioDeviceID id = 1; id <= 32; ++id) {
            if (SDL_GetAudioDeviceStatus(id) != SDL_AUDIO_STOPPED) {
                open.push_back(id);
            }
        }
        return open;
    }

    static size_t CountOf(const Samples& samples, int16_t value) {
        return static_cast<size_t>(std::count(samples.begin(), samples.end(), value));
    }

    fs::path dir_;
    fs::path oldDir_;
    fs::path output_;
    std::unique_ptr<SoundPlayer> player_;
};

TEST_F(SoundPlayerTest, PlaysTheWholeFileFromTheWorkingDirectoryWithoutWaitingForIt) {
    // Five seconds of a ramp that cannot be mistaken for silence.
    Samples wave(5 * kRate);
    for (size_t i = 0; i < wave.size(); ++i) {
        wave[i] = static_cast<int16_t>(100 + static_cast<int>(i % 3000));
    }
    WriteFile(dir_ / "tone.wav", WavBytes(wave));

    player_->Play("tone.wav");

    // Play has returned while most of the sound is still waiting to be played.
    const auto open = OpenDevices();
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(SDL_GetAudioDeviceStatus(open[0]), SDL_AUDIO_PLAYING);
    EXPECT_GT(SDL_GetQueuedAudioSize(open[0]), wave.size());

    EXPECT_TRUE(WaitFor([&] {
        const Samples out = Output();
        return std::search(out.begin(), out.end(), wave.begin(), wave.end()) != out.end();
    })) << "the device output does not hold the file's samples in order";
}

TEST_F(SoundPlayerTest, NextPlayCutsOffTheSoundStillPlaying) {
    const int16_t longValue = 1111;
    const int16_t shortValue = -2222;
    const size_t longLength = 10 * kRate;
    const size_t shortLength = 2000;
    WriteFile(dir_ / "long.wav", WavBytes(Constant(longLength, longValue)));

    // The same sample format keeps the device; another one opens a new device.
    for (const int shortRate : {kRate, 2 * kRate}) {
        SCOPED_TRACE(shortRate);
        WriteFile(dir_ / "short.wav", WavBytes(Constant(shortLength, shortValue), shortRate));
        player_->Play("long.wav");
        ASSERT_TRUE(WaitFor([&] { return CountOf(Output(), longValue) > 0; }));
        player_->Play("short.wav");

        // Let the short sound finish and the device run on well past it.
        ASSERT_TRUE(WaitFor([&] {
            const Samples out = Output();
            return CountOf(out, shortValue) == shortLength && out.size() > 16 * 1024;
        }));
        const Samples out = Output();
        const auto firstShort = std::find(out.begin(), out.end(), shortValue);
        EXPECT_EQ(std::find(firstShort, out.end(), longValue), out.end())
            << "the first sound went on after the second began";
        EXPECT_LT(CountOf(out, longValue), longLength / 2) << "the first sound played to its end";
        EXPECT_EQ(OpenDevices().size(), 1u);
    }
}

TEST_F(SoundPlayerTest, CloseAndDestructionStopTheSound) {
    for (const bool destroy : {false, true}) {
        SCOPED_TRACE(destroy ? "destroyed" : "closed");
        if (!player_) {
            player_ = std::make_unique<SoundPlayer>();
        }
        WriteFile(dir_ / "long.wav", WavBytes(Constant(10 * kRate, 3333)));
        player_->Play("long.wav");
        ASSERT_TRUE(WaitFor([&] { return CountOf(Output(), 3333) > 0; }));

        if (destroy) {
            player_.reset();
        } else {
            player_->Close();
            EXPECT_TRUE(OpenDevices().empty());
            player_->Close();  // nothing held: no effect
        }
        const auto sizeAfterStop = OutputSize();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        EXPECT_EQ(OutputSize(), sizeAfterStop) << "the device went on writing";
    }
}

struct BadFile {
    const char* name;
    bool exists;
    std::string bytes;
};

TEST_F(SoundPlayerTest, UnplayableFileFailsWithTheSoundSystemsTextAndLeavesThePlayerClosed) {
    const std::string riffHead = "RIFF\x24\x10\x00\x00WAVE";
    std::string mp3Format = WavBytes(Constant(100, 5));
    mp3Format[20] = 0x55;  // format tag that the loader does not know
    const BadFile cases[] = {
        {"missing", false, ""},
        {"empty", true, ""},
        {"text", true, "this is not a sound at all"},
        {"header-only", true, riffHead},
        {"truncated-format", true, riffHead + std::string("fmt \x10\x00\x00\x00\x01\x00", 10)},
        {"unknown-format", true, mp3Format},
    };
    WriteFile(dir_ / "good.wav", WavBytes(Constant(kRate, 4444)));

    for (const BadFile& bad : cases) {
        SCOPED_TRACE(bad.name);
        const std::string fileName = std::string(bad.name) + ".wav";
        if (bad.exists) {
            WriteFile(dir_ / fileName, bad.bytes);
        }
        player_->Play("good.wav");
        ASSERT_EQ(OpenDevices().size(), 1u);

        try {
            player_->Play(fileName);
            ADD_FAILURE() << "no error";
        } catch (const AppError& e) {
            const std::string message = e.what();
            EXPECT_FALSE(message.empty());
            EXPECT_EQ(message, SDL_GetError());
            EXPECT_NE(message, "原因不明のｴﾗｰ");
        }
        EXPECT_TRUE(OpenDevices().empty()) << "a device is still held after the failure";
    }

    // The player stays usable.
    EXPECT_NO_THROW(player_->Play("good.wav"));
    EXPECT_EQ(OpenDevices().size(), 1u);
}

class SoundPlayerWithoutDriverTest : public SoundPlayerTest {
protected:
    const char* Driver() const override { return "nonexistent"; }
};

TEST_F(SoundPlayerWithoutDriverTest, EveryPlayFailsWithTheSoundSystemsText) {
    WriteFile(dir_ / "good.wav", WavBytes(Constant(kRate, 4444)));
    for (int attempt = 0; attempt < 2; ++attempt) {
        SCOPED_TRACE(attempt);
        try {
            player_->Play("good.wav");
            ADD_FAILURE() << "no error";
        } catch (const AppError& e) {
            const std::string message = e.what();
            EXPECT_FALSE(message.empty());
            EXPECT_EQ(message, SDL_GetError());
            EXPECT_NE(message.find("nonexistent"), std::string::npos) << message;
        }
    }
    EXPECT_NO_THROW(player_->Close());
}

}  // namespace
}  // namespace mogran

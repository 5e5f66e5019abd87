#include "media_sounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "file_bytes.h"

namespace mogran {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// Smooth fade in over `attack` seconds and out over the last `release` seconds.
double Envelope(double t, double length, double attack, double release) {
    double gain = 1;
    if (t < attack) {
        gain *= 0.5 - 0.5 * std::cos(std::numbers::pi * t / attack);
    }
    if (t > length - release) {
        gain *= 0.5 + 0.5 * std::cos(std::numbers::pi * (t - (length - release)) / release);
    }
    return t < 0 || t > length ? 0 : gain;
}

}  // namespace

std::string WavBytes(const std::vector<double>& signal, double peak) {
    double loudest = 1e-9;
    for (double v : signal) {
        loudest = std::max(loudest, std::abs(v));
    }
    const auto dataSize = static_cast<uint32_t>(signal.size() * 2);
    std::string out = "RIFF";
    PutLe(out, 36 + dataSize, 4);
    out += "WAVEfmt ";
    PutLe(out, 16, 4);
    PutLe(out, 1, 2);  // PCM
    PutLe(out, 1, 2);  // mono
    PutLe(out, kSampleRate, 4);
    PutLe(out, kSampleRate * 2, 4);
    PutLe(out, 2, 2);
    PutLe(out, 16, 2);
    out += "data";
    PutLe(out, dataSize, 4);
    for (double v : signal) {
        const auto sample = static_cast<int16_t>(std::lround(v / loudest * peak * 32767));
        PutLe(out, static_cast<uint16_t>(sample), 2);
    }
    return out;
}

std::vector<double> RightChime() {
    const double length = 0.8;
    std::vector<double> signal(static_cast<size_t>(length * kSampleRate));
    struct Note {
        double start, frequency, decay;
    };
    const Note notes[] = {{0.0, 1046.5, 0.24}, {0.14, 1568.0, 0.42}};
    const double partials[][2] = {{1, 1.0}, {2, 0.45}, {3, 0.18}, {4.2, 0.08}};
    for (size_t i = 0; i < signal.size(); ++i) {
        const double time = double(i) / kSampleRate;
        double sum = 0;
        for (const Note& note : notes) {
            const double t = time - note.start;
            if (t < 0) {
                continue;
            }
            const double shape = Envelope(t, length - note.start, 0.004, 0.03);
            for (const auto& [multiple, amplitude] : partials) {
                const double decay = std::exp(-t * multiple / note.decay);
                sum += shape * amplitude * decay * std::sin(kTwoPi * note.frequency * multiple * t);
            }
        }
        signal[i] = sum;
    }
    return signal;
}

std::vector<double> WrongBuzz() {
    const double length = 0.62;
    std::vector<double> signal(static_cast<size_t>(length * kSampleRate));
    struct Tone {
        double start, length, frequency;
    };
    const Tone tones[] = {{0.0, 0.22, 220.0}, {0.28, 0.32, 174.6}};
    for (size_t i = 0; i < signal.size(); ++i) {
        const double time = double(i) / kSampleRate;
        double sum = 0;
        for (const Tone& tone : tones) {
            const double t = time - tone.start;
            const double shape = Envelope(t, tone.length, 0.02, 0.06);
            if (shape == 0) {
                continue;
            }
            for (int n = 1; n * tone.frequency < 3000; n += 2) {
                const double f = n * tone.frequency;
                const double lowPass = 1 / (1 + (f / 700) * (f / 700));
                sum += shape * lowPass / n * std::sin(kTwoPi * f * t);
            }
        }
        signal[i] = sum;
    }
    return signal;
}

}  // namespace mogran

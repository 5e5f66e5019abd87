#pragma once

#include <string>
#include <vector>

namespace mogran {

constexpr int kSampleRate = 22050;

// A bright two-note chime, the second note a fifth above the first.
std::vector<double> RightChime();

// Two soft, low, descending tones: rounded square waves through a gentle low-pass.
std::vector<double> WrongBuzz();

// The signal as a PCM 16-bit mono WAV file at kSampleRate, scaled so that its loudest
// sample reaches `peak` (a fraction of full scale).
std::string WavBytes(const std::vector<double>& signal, double peak);

}  // namespace mogran

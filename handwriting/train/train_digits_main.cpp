// train-digits DATA [MODEL] [--seed N] [--epochs N] [--hidden N[,N...]] [--rate R]
//              [--networks N] [--hold-out FIRST-LAST]
//
// Trains the digit reader's model (by default three networks of one hidden layer of 64, each
// from its own seed, 40 passes) on the pen-written digits in DATA, all writers but those held
// out (26-30 unless told; 0-0 holds none out), and writes it to MODEL when given. Prints the
// loss as it goes and, at the end, how well the 8-bit model reads the held-out writers'
// digits, as they are and in the forms Japanese pupils are taught. The same data, seed and
// settings give the same model bytes.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "digit_network.h"
#include "ink_features.h"
#include "ink_shaping.h"
#include "network_reading.h"
#include "network_trainer.h"
#include "pen_digits.h"

namespace mogran {
namespace {

struct Settings {
    std::string data;
    std::string model;
    std::uint64_t seed = 26;
    int epochs = 40;
    int networks = 3;
    std::vector<int> hidden = {64};
    float rate = 0.02f;
    int holdFirst = 26;
    int holdLast = 30;
};

struct Example {
    InkStrokes ink;
    int label = 0;
};

constexpr double kTabletSide = 500;

// One epoch's examples: every training sample distorted, 7s and 9s often in the Japanese
// forms, and drawn 1s, open 4s and ink that is no digit besides.
std::vector<Example> EpochExamples(const std::vector<PenDigitSample>& training,
                                   ShapingRandom& random) {
    std::vector<Example> examples;
    for (const PenDigitSample& s : training) {
        std::optional<InkStrokes> shaped;
        if (s.digit == 7 && random.Chance(0.5))
            shaped = SevenWithoutCrossbar(s.strokes);
        else if (s.digit == 9 && random.Chance(0.4))
            shaped = NineWithStraightTail(s.strokes, random);
        examples.push_back({DistortInk(shaped ? *shaped : s.strokes, random), s.digit});
        if (random.Chance(0.05))
            examples.push_back({DistortInk(StraightOne(random), random), 1});
        if (random.Chance(0.05))
            examples.push_back({DistortInk(OpenFour(random), random), 4});
        if (random.Chance(0.06))
            examples.push_back({DistortInk(NotADigit(random), random), kNotADigitOutput});
    }
    for (std::size_t i = examples.size(); i > 1; --i)
        std::swap(examples[i - 1], examples[random.Below(static_cast<int>(i))]);
    return examples;
}

struct Score {
    int right = 0;
    int rejected = 0;
    int total = 0;
};

DigitReading Count(Score& score, const DigitModel& network, const InkStrokes& ink, int digit) {
    const DigitReading r = ReadDigitWith(network, ink, kTabletSide);
    score.right += r.digit == digit ? 1 : 0;
    score.rejected += r.digit == kNoDigit ? 1 : 0;
    ++score.total;
    return r;
}

void Print(const char* what, const Score& s) {
    std::printf("%-28s %5d of %5d right (%.2f %%), %d no digit\n", what, s.right, s.total,
                s.total ? 100.0 * s.right / s.total : 0.0, s.rejected);
}

void Validate(const DigitModel& network, const std::vector<PenDigitSample>& held,
              ShapingRandom& random) {
    Score plain, sevens, nines, ones, fours, junk;
    int confusion[10][11] = {};
    for (const PenDigitSample& s : held) {
        const DigitReading r = Count(plain, network, s.strokes, s.digit);
        ++confusion[s.digit][r.digit == kNoDigit ? 10 : r.digit];
        if (s.digit == 7) {
            if (auto seven = SevenWithoutCrossbar(s.strokes))
                Count(sevens, network, *seven, 7);
        } else if (s.digit == 9) {
            if (auto nine = NineWithStraightTail(s.strokes, random))
                Count(nines, network, *nine, 9);
        }
    }
    for (int i = 0; i < 300; ++i) {
        Count(ones, network, DistortInk(StraightOne(random), random), 1);
        Count(fours, network, DistortInk(OpenFour(random), random), 4);
        Count(junk, network, DistortInk(NotADigit(random), random), kNoDigit);
    }
    Print("held-out writers", plain);
    Print("their 7s without crossbar", sevens);
    Print("their 9s with straight tail", nines);
    Print("drawn straight 1s", ones);
    Print("drawn open 4s", fours);
    Print("drawn non-digits (no digit)", junk);
    for (int d = 0; d < 10; ++d) {
        std::printf("  %d:", d);
        for (int r = 0; r < 11; ++r)
            std::printf(" %4d", confusion[d][r]);
        std::printf("\n");
    }
}

DigitNetwork TrainNetwork(const Settings& settings, const std::vector<PenDigitSample>& training,
                          std::uint64_t seed) {
    ShapingRandom random(seed);
    std::vector<int> sizes = {kFeatureCount};
    sizes.insert(sizes.end(), settings.hidden.begin(), settings.hidden.end());
    sizes.push_back(kReaderOutputs);
    NetworkTrainer trainer(sizes, random);
    constexpr int kBatch = 16;
    InkFeatureVector features;
    for (int epoch = 0; epoch < settings.epochs; ++epoch) {
        const float progress = static_cast<float>(epoch) / settings.epochs;
        const float rate =
            settings.rate * 0.5f * (1.0f + std::cos(3.14159265f * progress)) + 0.0005f;
        const std::vector<Example> examples = EpochExamples(training, random);
        double loss = 0;
        for (std::size_t i = 0; i < examples.size(); ++i) {
            ComputeInkFeatures(examples[i].ink, features);
            loss += trainer.Accumulate(features.data(), examples[i].label);
            if ((i + 1) % kBatch == 0 || i + 1 == examples.size())
                trainer.Step(rate, 0.9f, 1e-4f);
        }
        std::printf("epoch %2d: loss %.4f\n", epoch + 1, loss / examples.size());
        std::fflush(stdout);
    }
    return trainer.Quantised().networks.front();
}

int Train(const Settings& settings) {
    const std::vector<PenDigitSample> samples = ReadPenDigitsFile(settings.data);
    std::vector<PenDigitSample> training, held;
    for (const PenDigitSample& s : samples) {
        const bool out = s.writer >= settings.holdFirst && s.writer <= settings.holdLast;
        (out ? held : training).push_back(s);
    }
    std::printf("%zu training samples, %zu held out\n", training.size(), held.size());

    DigitModel model;
    for (int k = 0; k < settings.networks; ++k)
        model.networks.push_back(TrainNetwork(settings, training, settings.seed + 1000 * k));
    ShapingRandom checks(settings.seed + 1);
    if (!held.empty())
        Validate(model, held, checks);
    if (!settings.model.empty()) {
        const std::vector<unsigned char> bytes = model.ToBytes();
        std::FILE* file = std::fopen(settings.model.c_str(), "wb");
        bool written = file != nullptr;
        if (file != nullptr) {
            written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
            written = std::fclose(file) == 0 && written;
        }
        if (!written) {
            std::fprintf(stderr, "train-digits: cannot write %s\n", settings.model.c_str());
            return 1;
        }
        std::printf("wrote %s (%zu bytes)\n", settings.model.c_str(), bytes.size());
    }
    return 0;
}

}  // namespace
}  // namespace mogran

int main(int argc, char** argv) {
    mogran::Settings settings;
    std::vector<std::string> plain;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool valued = i + 1 < argc;
        if (arg == "--seed" && valued)
            settings.seed = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "--networks" && valued)
            settings.networks = std::atoi(argv[++i]);
        else if (arg == "--epochs" && valued)
            settings.epochs = std::atoi(argv[++i]);
        else if (arg == "--hidden" && valued) {
            settings.hidden.clear();
            for (char* at = argv[++i]; *at;) {
                settings.hidden.push_back(static_cast<int>(std::strtol(at, &at, 10)));
                at += *at == ',' ? 1 : 0;
                if (settings.hidden.back() < 1)
                    break;
            }
        } else if (arg == "--rate" && valued)
            settings.rate = std::strtof(argv[++i], nullptr);
        else if (arg == "--hold-out" && valued &&
                 std::sscanf(argv[++i], "%d-%d", &settings.holdFirst, &settings.holdLast) == 2)
            continue;
        else
            plain.push_back(arg);
    }
    if (plain.empty() || plain.size() > 2 || settings.epochs < 1 || settings.networks < 1 ||
        *std::min_element(settings.hidden.begin(), settings.hidden.end()) < 1) {
        std::fprintf(stderr,
                     "usage: train-digits DATA [MODEL] [--seed N] [--epochs N] [--hidden N[,N]] "
                     "[--rate R] [--networks N] [--hold-out FIRST-LAST]\n");
        return 2;
    }
    settings.data = plain[0];
    settings.model = plain.size() > 1 ? plain[1] : "";
    try {
        return mogran::Train(settings);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "train-digits: %s\n", e.what());
        return 1;
    }
}

#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace mogran {

// One fully connected layer with 8-bit weights: output o is
// bias[o] + scale[o] * sum_i weight[o * inputs + i] * input[i].
struct NetworkLayer {
    int inputs = 0;
    int outputs = 0;
    std::vector<std::int8_t> weights;
    std::vector<float> scales;
    std::vector<float> biases;
    // The weights times their scales, made when the network is read, for evaluation.
    std::vector<float> values;
};

// The digit reader's network: layers with ReLU between them and a softmax at the end. Its
// bytes, all numbers little-endian: "MGDN", the layer count (u16), then per layer the input and
// output counts (u16 each) and per output its scale and bias (f32 each) and its weights (i8).
struct DigitNetwork {
    std::vector<NetworkLayer> layers;

    // Throws std::runtime_error naming what is wrong when the bytes are not such a network.
    static DigitNetwork FromBytes(const unsigned char* bytes, std::size_t size);
    std::vector<unsigned char> ToBytes() const;

    // The probabilities of the outputs for the input (layers.front().inputs values), written
    // to probabilities (layers.back().outputs values).
    void Evaluate(const float* input, float* probabilities) const;
};

}  // namespace mogran

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

// One network: layers with ReLU between them and a softmax at the end. Its bytes, all numbers
// little-endian: "MGDN", the layer count (u16), then per layer the input and output counts
// (u16 each) and per output its scale and bias (f32 each) and its weights (i8).
struct DigitNetwork {
    std::vector<NetworkLayer> layers;

    void AppendBytes(std::vector<unsigned char>& out) const;
    // The probabilities of the outputs for the input, written to probabilities.
    void Evaluate(const float* input, float* probabilities) const;
};

// The digit reader's model: one or more networks of the same inputs and outputs whose
// probabilities are averaged; its bytes are theirs one after another.
struct DigitModel {
    std::vector<DigitNetwork> networks;

    // Throws std::runtime_error naming what is wrong when the bytes are not such a model.
    static DigitModel FromBytes(const unsigned char* bytes, std::size_t size);
    std::vector<unsigned char> ToBytes() const;

    int Inputs() const { return networks.front().layers.front().inputs; }
    int Outputs() const { return networks.front().layers.back().outputs; }
    // The averaged probabilities of the outputs (Outputs() values) for the input (Inputs()
    // values).
    void Evaluate(const float* input, float* probabilities) const;
};

}  // namespace mogran

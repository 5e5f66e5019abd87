#include "digit_network.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace mogran {

namespace {

class ByteReader {
public:
    ByteReader(const unsigned char* bytes, std::size_t size) : bytes_(bytes), size_(size) {}

    std::uint32_t Take(std::size_t count) {
        if (size_ - at_ < count)
            throw std::runtime_error("the digit model ends too early");
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < count; ++i)
            value |= static_cast<std::uint32_t>(bytes_[at_ + i]) << (8 * i);
        at_ += count;
        return value;
    }
    float TakeFloat() {
        const std::uint32_t bits = Take(4);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    bool AtEnd() const { return at_ == size_; }

private:
    const unsigned char* bytes_;
    std::size_t size_;
    std::size_t at_ = 0;
};

void Put(std::vector<unsigned char>& out, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i)
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

void PutFloat(std::vector<unsigned char>& out, float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    Put(out, bits, 4);
}

DigitNetwork ReadNetwork(ByteReader& in) {
    if (in.Take(4) != 0x4e44474du)  // "MGDN"
        throw std::runtime_error("a network of the digit model does not start with MGDN");
    DigitNetwork network;
    const int layerCount = static_cast<int>(in.Take(2));
    for (int l = 0; l < layerCount; ++l) {
        NetworkLayer layer;
        layer.inputs = static_cast<int>(in.Take(2));
        layer.outputs = static_cast<int>(in.Take(2));
        if (layer.inputs == 0 || layer.outputs == 0 ||
            (l > 0 && layer.inputs != network.layers.back().outputs))
            throw std::runtime_error("the digit model's layers do not fit together");
        for (int o = 0; o < layer.outputs; ++o) {
            layer.scales.push_back(in.TakeFloat());
            layer.biases.push_back(in.TakeFloat());
            for (int i = 0; i < layer.inputs; ++i) {
                layer.weights.push_back(static_cast<std::int8_t>(in.Take(1)));
                layer.values.push_back(layer.weights.back() * layer.scales.back());
            }
        }
        network.layers.push_back(std::move(layer));
    }
    if (network.layers.empty())
        throw std::runtime_error("a network of the digit model has no layers");
    return network;
}

}  // namespace

DigitModel DigitModel::FromBytes(const unsigned char* bytes, std::size_t size) {
    ByteReader in(bytes, size);
    DigitModel model;
    do {
        model.networks.push_back(ReadNetwork(in));
        const DigitNetwork& n = model.networks.back();
        if (n.layers.front().inputs != model.Inputs() || n.layers.back().outputs != model.Outputs())
            throw std::runtime_error("the digit model's networks differ in inputs or outputs");
    } while (!in.AtEnd());
    return model;
}

std::vector<unsigned char> DigitModel::ToBytes() const {
    std::vector<unsigned char> out;
    for (const DigitNetwork& network : networks)
        network.AppendBytes(out);
    return out;
}

void DigitModel::Evaluate(const float* input, float* probabilities) const {
    std::vector<float> one(Outputs());
    std::fill(probabilities, probabilities + Outputs(), 0.0f);
    for (const DigitNetwork& network : networks) {
        network.Evaluate(input, one.data());
        for (int o = 0; o < Outputs(); ++o)
            probabilities[o] += one[o] / static_cast<float>(networks.size());
    }
}

void DigitNetwork::AppendBytes(std::vector<unsigned char>& out) const {
    Put(out, 0x4e44474du, 4);
    Put(out, static_cast<std::uint32_t>(layers.size()), 2);
    for (const NetworkLayer& layer : layers) {
        Put(out, static_cast<std::uint32_t>(layer.inputs), 2);
        Put(out, static_cast<std::uint32_t>(layer.outputs), 2);
        for (int o = 0; o < layer.outputs; ++o) {
            PutFloat(out, layer.scales[o]);
            PutFloat(out, layer.biases[o]);
            for (int i = 0; i < layer.inputs; ++i)
                Put(out, static_cast<std::uint8_t>(layer.weights[o * layer.inputs + i]), 1);
        }
    }
}

void DigitNetwork::Evaluate(const float* input, float* probabilities) const {
    std::vector<float> current(input, input + layers.front().inputs);
    std::vector<float> next;
    for (std::size_t l = 0; l < layers.size(); ++l) {
        const NetworkLayer& layer = layers[l];
        next.assign(layer.outputs, 0.0f);
        for (int o = 0; o < layer.outputs; ++o) {
            const float* w = layer.values.data() + o * layer.inputs;
            // Eight sums side by side, which the processor can work on at once.
            float sums[8] = {0, 0, 0, 0, 0, 0, 0, 0};
            int i = 0;
            for (; i + 8 <= layer.inputs; i += 8) {
                for (int k = 0; k < 8; ++k)
                    sums[k] += w[i + k] * current[i + k];
            }
            for (; i < layer.inputs; ++i)
                sums[0] += w[i] * current[i];
            const float value = layer.biases[o] + ((sums[0] + sums[1]) + (sums[2] + sums[3])) +
                                ((sums[4] + sums[5]) + (sums[6] + sums[7]));
            next[o] = l + 1 < layers.size() ? std::max(value, 0.0f) : value;
        }
        current.swap(next);
    }
    const float top = *std::max_element(current.begin(), current.end());
    float total = 0;
    for (float& v : current) {
        v = std::exp(v - top);
        total += v;
    }
    for (std::size_t o = 0; o < current.size(); ++o)
        probabilities[o] = current[o] / total;
}

}  // namespace mogran

#include "network_trainer.h"

#include <algorithm>
#include <cmath>

namespace mogran {

NetworkTrainer::NetworkTrainer(const std::vector<int>& sizes, ShapingRandom& random) {
    values_.emplace_back(sizes.front());
    for (std::size_t l = 1; l < sizes.size(); ++l) {
        Layer layer;
        layer.inputs = sizes[l - 1];
        layer.outputs = sizes[l];
        const double limit = std::sqrt(6.0 / layer.inputs);
        const std::size_t count = static_cast<std::size_t>(layer.inputs) * layer.outputs;
        for (std::size_t i = 0; i < count; ++i)
            layer.weights.push_back(static_cast<float>(random.Between(-limit, limit)));
        layer.biases.assign(layer.outputs, 0.0f);
        layer.weightGrad.assign(count, 0.0f);
        layer.weightStep.assign(count, 0.0f);
        layer.biasGrad.assign(layer.outputs, 0.0f);
        layer.biasStep.assign(layer.outputs, 0.0f);
        layers_.push_back(std::move(layer));
        values_.emplace_back(sizes[l]);
    }
}

void NetworkTrainer::Forward(const float* input) {
    std::copy(input, input + layers_.front().inputs, values_[0].begin());
    for (std::size_t l = 0; l < layers_.size(); ++l) {
        const Layer& layer = layers_[l];
        const std::vector<float>& in = values_[l];
        std::vector<float>& out = values_[l + 1];
        for (int o = 0; o < layer.outputs; ++o) {
            const float* w = layer.weights.data() + static_cast<std::size_t>(o) * layer.inputs;
            float sum = layer.biases[o];
            for (int i = 0; i < layer.inputs; ++i)
                sum += w[i] * in[i];
            out[o] = l + 1 < layers_.size() ? std::max(sum, 0.0f) : sum;
        }
    }
    std::vector<float>& last = values_.back();
    const float top = *std::max_element(last.begin(), last.end());
    float total = 0;
    for (float& v : last) {
        v = std::exp(v - top);
        total += v;
    }
    for (float& v : last)
        v /= total;
}

float NetworkTrainer::Accumulate(const float* input, int label) {
    Forward(input);
    delta_ = values_.back();
    const float loss = -std::log(std::max(delta_[label], 1e-12f));
    delta_[label] -= 1.0f;
    for (std::size_t l = layers_.size(); l-- > 0;) {
        Layer& layer = layers_[l];
        const std::vector<float>& in = values_[l];
        deltaBelow_.assign(layer.inputs, 0.0f);
        for (int o = 0; o < layer.outputs; ++o) {
            const float d = delta_[o];
            if (d == 0.0f)
                continue;
            const std::size_t row = static_cast<std::size_t>(o) * layer.inputs;
            float* g = layer.weightGrad.data() + row;
            const float* w = layer.weights.data() + row;
            for (int i = 0; i < layer.inputs; ++i) {
                g[i] += d * in[i];
                deltaBelow_[i] += d * w[i];
            }
            layer.biasGrad[o] += d;
        }
        if (l > 0) {
            for (int i = 0; i < layer.inputs; ++i)
                deltaBelow_[i] = in[i] > 0 ? deltaBelow_[i] : 0.0f;
        }
        delta_.swap(deltaBelow_);
    }
    ++batch_;
    return loss;
}

void NetworkTrainer::Step(float rate, float momentum, float decay) {
    if (batch_ == 0)
        return;
    const float scale = 1.0f / static_cast<float>(batch_);
    for (Layer& layer : layers_) {
        for (std::size_t i = 0; i < layer.weights.size(); ++i) {
            const float g = layer.weightGrad[i] * scale + decay * layer.weights[i];
            layer.weightStep[i] = momentum * layer.weightStep[i] - rate * g;
            layer.weights[i] += layer.weightStep[i];
            layer.weightGrad[i] = 0.0f;
        }
        for (std::size_t o = 0; o < layer.biases.size(); ++o) {
            layer.biasStep[o] = momentum * layer.biasStep[o] - rate * layer.biasGrad[o] * scale;
            layer.biases[o] += layer.biasStep[o];
            layer.biasGrad[o] = 0.0f;
        }
    }
    batch_ = 0;
}

DigitModel NetworkTrainer::Quantised() const {
    DigitModel model;
    DigitNetwork& network = model.networks.emplace_back();
    for (const Layer& layer : layers_) {
        NetworkLayer q;
        q.inputs = layer.inputs;
        q.outputs = layer.outputs;
        q.biases = layer.biases;
        for (int o = 0; o < layer.outputs; ++o) {
            const float* w = layer.weights.data() + static_cast<std::size_t>(o) * layer.inputs;
            float largest = 0;
            for (int i = 0; i < layer.inputs; ++i)
                largest = std::max(largest, std::fabs(w[i]));
            const float scale = largest > 0 ? largest / 127.0f : 1.0f;
            q.scales.push_back(scale);
            for (int i = 0; i < layer.inputs; ++i)
                q.weights.push_back(static_cast<std::int8_t>(std::lround(w[i] / scale)));
        }
        network.layers.push_back(std::move(q));
    }
    const std::vector<unsigned char> bytes = model.ToBytes();
    return DigitModel::FromBytes(bytes.data(), bytes.size());
}

}  // namespace mogran

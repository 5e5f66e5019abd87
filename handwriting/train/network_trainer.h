#pragma once

#include <vector>

#include "digit_network.h"
#include "shaping_random.h"

namespace mogran {

// Trains a fully connected network (ReLU between layers, softmax and cross-entropy at the
// end) by minibatch gradient descent with momentum, in float, one sample after another, so
// that the same samples in the same order give the same weights.
class NetworkTrainer {
public:
    // sizes: the input count, then each layer's output count. Weights start uniform in
    // +-sqrt(6 / inputs) (He), biases at 0.
    NetworkTrainer(const std::vector<int>& sizes, ShapingRandom& random);

    // Adds one sample's gradient to the batch; answers its loss.
    float Accumulate(const float* input, int label);
    // Moves the weights along the batch's mean gradient, with weight decay, and empties it.
    void Step(float rate, float momentum, float decay);
    // The network with 8-bit weights, one scale per output, as read from its bytes.
    DigitModel Quantised() const;

private:
    struct Layer {
        int inputs = 0;
        int outputs = 0;
        std::vector<float> weights, biases, weightGrad, biasGrad, weightStep, biasStep;
    };
    void Forward(const float* input);

    std::vector<Layer> layers_;
    std::vector<std::vector<float>> values_;  // each layer's input, then the last output
    std::vector<float> delta_, deltaBelow_;
    int batch_ = 0;
};

}  // namespace mogran

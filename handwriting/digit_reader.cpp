#include "digit_reader.h"

#include <stdexcept>

#include "digit_model_bytes.h"
#include "digit_network.h"
#include "ink_features.h"
#include "network_reading.h"

namespace mogran {

DigitReading ReadDigit(const InkStrokes& strokes, double side) {
    static const DigitModel model = [] {
        DigitModel m = DigitModel::FromBytes(kDigitModelBytes, kDigitModelSize);
        if (m.Inputs() != kFeatureCount || m.Outputs() != kReaderOutputs)
            throw std::runtime_error("the digit model does not fit the reader's features");
        return m;
    }();
    return ReadDigitWith(model, strokes, side);
}

}  // namespace mogran

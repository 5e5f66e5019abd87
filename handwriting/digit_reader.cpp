#include "digit_reader.h"

#include "digit_model_bytes.h"
#include "digit_network.h"
#include "network_reading.h"

namespace mogran {

DigitReading ReadDigit(const InkStrokes& strokes, double side) {
    static const DigitNetwork network = DigitNetwork::FromBytes(kDigitModelBytes, kDigitModelSize);
    return ReadDigitWith(network, strokes, side);
}

}  // namespace mogran

#pragma once

#include <cstddef>

namespace mogran {

// The committed model (model/digits.model), compiled in at build time.
extern const unsigned char kDigitModelBytes[];
extern const std::size_t kDigitModelSize;

}  // namespace mogran

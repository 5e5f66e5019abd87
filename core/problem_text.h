#pragma once

#include <cstdint>
#include <string>

#include "drill_state.h"

namespace mogran {

// The full-width glyph of an operator code (UTF-8); empty for any other value.
std::string OperatorGlyph(std::int32_t code);

// The one-line text of a problem, e.g. "(2＋3)×4": no spaces, no equals sign.
std::string ProblemText(const Problem& problem);

}  // namespace mogran

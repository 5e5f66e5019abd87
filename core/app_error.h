#pragma once

#include <stdexcept>
#include <string>

namespace mogran {

// A failure that ends the current handler and is shown to the user in the error box.
// The message is UTF-8 and is shown as it stands (the box adds the final full stop).
class AppError : public std::runtime_error {
public:
    explicit AppError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace mogran

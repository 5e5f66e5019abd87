#pragma once

#include <cstdint>
#include <string>

namespace mogran {

// Appends the low `bytes` bytes of value, least significant first.
void PutLe(std::string& out, uint32_t value, int bytes);

// Writes the bytes to the file; throws std::runtime_error when that fails.
void WriteFile(const std::string& path, const std::string& bytes);

}  // namespace mogran

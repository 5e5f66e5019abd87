#include "error_text.h"

#include <exception>
#include <new>

#include "app_error.h"

namespace mogran {

namespace {

constexpr char kUnknownFailure[] = "原因不明のｴﾗｰ";
// Shown when memory ran out; the program goes on with what it has.
constexpr char kOutOfMemory[] = "ﾒﾓﾘが不足しています";

}  // namespace

std::string WithFullStop(const std::string& message) {
    if (message.empty())
        return message;
    // Any character past ASCII has a code above "."; an ASCII one is its own last byte.
    const auto last = static_cast<unsigned char>(message.back());
    if (last >= 0x80 || last > '.')
        return message + ".";
    return message;
}

std::string CurrentFailureMessage() {
    try {
        throw;
    } catch (const AppError& e) {
        return e.what();
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    } catch (...) {
        return kUnknownFailure;
    }
}

}  // namespace mogran

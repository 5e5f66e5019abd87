#include "font_preparation.h"

#include <fontconfig/fontconfig.h>
#include <system_error>
#include <utility>

#include <QFontDatabase>
#include <QStringList>

namespace mogran {

namespace {

// A thread running the work, or none when no thread can be started; the toolkit then does
// the work itself when it first needs it.
template <typename Work>
std::thread Start(Work work) {
    try {
        return std::thread(std::move(work));
    } catch (const std::system_error&) {
        return {};
    }
}

void Join(std::thread& thread) {
    if (thread.joinable()) {
        thread.join();
    }
}

}  // namespace

FontPreparation::FontPreparation()
    // Safe alongside another thread's first call: the configuration that is read second is
    // dropped.
    : configuration_(Start([] { FcInit(); })) {}

void FontPreparation::ListFaces() {
    // The font database may be used from any thread; its first use fills it.
    faces_ = Start([] { QFontDatabase::families(); });
}

FontPreparation::~FontPreparation() {
    Join(faces_);
    Join(configuration_);
}

}  // namespace mogran

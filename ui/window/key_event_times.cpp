#include "key_event_times.h"

#include <algorithm>
#include <xcb/xcb.h>

#include <QByteArray>

namespace mogran {

namespace {

// More key events than are ever waiting for delivery at once.
constexpr std::size_t kKept = 64;

}  // namespace

bool KeyEventTimes::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const int type = event->response_type & 0x7f;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE) {
        return false;
    }
    // Press and release events have the same layout.
    const auto* key = static_cast<const xcb_key_press_event_t*>(message);
    if (key->event == window_) {
        entries_.push_back({type == XCB_KEY_PRESS, key->detail, key->time});
        if (entries_.size() > kKept) {
            entries_.pop_front();
        }
    }
    return false;
}

quint64 KeyEventTimes::Take(bool press, quint32 scanCode) {
    const auto match = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return e.press == press && e.scanCode == scanCode;
    });
    if (match == entries_.end()) {
        return 0;
    }
    const quint64 time = match->time;
    entries_.erase(entries_.begin(), match + 1);
    return time;
}

}  // namespace mogran

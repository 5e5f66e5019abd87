#pragma once

#include <deque>

#include <QAbstractNativeEventFilter>
#include <QtGlobal>

namespace mogran {

// The X server's time of each key event reported to one window, kept in order. The key
// events the toolkit delivers on X carry no time (their timestamp is 0), so a window that
// needs it takes it from here, matching each delivered event by its kind and scan code.
class KeyEventTimes : public QAbstractNativeEventFilter {
public:
    explicit KeyEventTimes(quintptr window) : window_(window) {}

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    // The time of the oldest key event kept with this kind and scan code, dropping it and the
    // events before it (those were never delivered); 0 when there is none.
    quint64 Take(bool press, quint32 scanCode);

private:
    struct Entry {
        bool press;
        quint32 scanCode;
        quint64 time;
    };
    quintptr window_;
    std::deque<Entry> entries_;
};

}  // namespace mogran

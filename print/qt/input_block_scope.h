#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace mogran {

// While it lives, the window and everything in it take no user input (mouse, keys, wheel,
// shortcuts, close) and the application shows the busy cursor.
class InputBlockScope : public QObject {
    Q_OBJECT

public:
    explicit InputBlockScope(QWidget& window);
    ~InputBlockScope() override;
    InputBlockScope(const InputBlockScope&) = delete;
    InputBlockScope& operator=(const InputBlockScope&) = delete;

    // Lets every pending event through the block, so that input made while busy (held back
    // by the repaints in between) is thrown away rather than acted on once the scope ends.
    void DiscardPendingInput();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
};

}  // namespace mogran

#include "input_block_scope.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>

namespace mogran {

namespace {

bool IsUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::InputMethod:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::TabletMove:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::Close:
            return true;
        default:
            return false;
    }
}

}  // namespace

InputBlockScope::InputBlockScope(QWidget& window) : window_(&window) {
    qApp->installEventFilter(this);
    QApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
}

InputBlockScope::~InputBlockScope() {
    QApplication::restoreOverrideCursor();
    qApp->removeEventFilter(this);
}

void InputBlockScope::DiscardPendingInput() {
    QCoreApplication::processEvents();
}

bool InputBlockScope::eventFilter(QObject* watched, QEvent* event) {
    if (!IsUserInput(event->type()))
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || window_ == nullptr || widget->window() != window_)
        return false;
    event->ignore();
    return true;
}

}  // namespace mogran

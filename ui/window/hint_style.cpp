#include "hint_style.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QToolTip>

namespace mogran {

HintStyle::HintStyle(const QString& baseStyleName) : QProxyStyle(baseStyleName) {}

int HintStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const {
    switch (hint) {
        case SH_ToolTip_WakeUpDelay:
            return kHintWakeUpDelayMs;
        case SH_ToolTip_FallAsleepDelay:
            return kHintFollowOnMs;
        default:
            return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}

void SetHintColour(const QColor& colour) {
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::All, QPalette::ToolTipBase, colour);
    palette.setColor(QPalette::All, QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(palette);
}

void SetHintDelays() {
    if (qobject_cast<HintStyle*>(QApplication::style()) != nullptr) {
        return;
    }
    QApplication::setStyle(new HintStyle(QApplication::style()->name()));
}

}  // namespace mogran

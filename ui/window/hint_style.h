#pragma once

#include <QColor>
#include <QProxyStyle>

namespace mogran {

inline constexpr int kHintWakeUpDelayMs = 200;
inline constexpr int kHintShownMs = 2500;
// How long after a hint appears the next control's hint follows without the full delay.
inline constexpr int kHintFollowOnMs = kHintShownMs;

// The application style with the hint delays of this program.
class HintStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit HintStyle(const QString& baseStyleName);

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

// Hint background colour for the whole application.
void SetHintColour(const QColor& colour);
// Installs HintStyle as the application style (once).
void SetHintDelays();

}  // namespace mogran

#pragma once

#include <QFont>
#include <QString>

namespace mogran {

// The faces the window asks for by name.
inline const QString kProportionalGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kFixedGothic = QStringLiteral("ＭＳ ゴシック");
inline const QString kFixedGothicPrint = QStringLiteral("ＭＳゴシック");

// Maps the requested faces to the installed Japanese gothic faces. Safe to call repeatedly.
void InstallFontSubstitutions();

// A font of the given face with the given character height in pixels.
QFont MakeFont(const QString& face, int pixelHeight, bool bold = false);

// The window's own font, that of its captions and of the dialogs it opens.
QFont WindowFont();

}  // namespace mogran

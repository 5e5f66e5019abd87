#include "window_fonts.h"

#include <QStringList>

namespace mogran {

void InstallFontSubstitutions() {
    const auto substitute = [](const QString& face, const QString& installed) {
        if (!QFont::substitutes(face).contains(installed)) {
            QFont::insertSubstitution(face, installed);
        }
    };
    substitute(kProportionalGothic, QStringLiteral("IPAPGothic"));
    substitute(kFixedGothic, QStringLiteral("IPAGothic"));
    substitute(kFixedGothicPrint, QStringLiteral("IPAGothic"));
}

QFont MakeFont(const QString& face, int pixelHeight, bool bold) {
    // The installed face is asked for directly: a family the font database does not know, or
    // a font with further families, is looked up through the font configuration's whole
    // fallback list, a cost at start-up.
    QFont font(QFont::substitute(face));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setStyleHint(face == kProportionalGothic ? QFont::SansSerif : QFont::Monospace);
    return font;
}

QFont WindowFont() {
    return MakeFont(kProportionalGothic, 12);
}

}  // namespace mogran

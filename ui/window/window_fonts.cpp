#include "window_fonts.h"

#include <QStringList>

namespace mogran {

namespace {

constexpr int kUnhintedFromPixels = 19;

}  // namespace

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
    // Large characters are drawn as designed: hinting changes no more than the shading of
    // their edges, and the hinter's first use of a face costs a few milliseconds at start-up.
    if (pixelHeight >= kUnhintedFromPixels) {
        font.setHintingPreference(QFont::PreferNoHinting);
    }
    font.setStyleHint(face == kProportionalGothic ? QFont::SansSerif : QFont::Monospace);
    return font;
}

QFont WindowFont() {
    return MakeFont(kProportionalGothic, 12);
}

}  // namespace mogran

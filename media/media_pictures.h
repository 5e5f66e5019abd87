#pragma once

#include <QColor>
#include <QImage>

namespace mogran {

// Each picture is drawn with antialiasing at size x size pixels, on a transparent canvas
// where the picture leaves parts uncovered.

// The mascot popping out of its hole on a sunny lawn; waving raises its right paw.
QImage DrawMascot(int size, bool waving);

// A bold red ring on a pale background.
QImage DrawRight(int size);

// A clear blue cross on a pale background.
QImage DrawWrong(int size);

// The worksheet button's glyph: a printer with a printed sheet, on a transparent background.
QImage DrawPrinter(int size);

// The mole's face on a rounded green tile; a full square tile when `opaqueCorners` is set.
QImage DrawIcon(int size, bool opaqueCorners);

// Flattens a picture with transparent parts onto a colour.
QImage Flatten(const QImage& image, const QColor& background);

// A button glyph: edges blend into the usual button face, the uncovered rest takes the key.
QImage KeyedGlyph(const QImage& image, QRgb key);

}  // namespace mogran

#include "media_pictures.h"

#include <utility>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace mogran {

namespace {

struct Canvas {
    explicit Canvas(int size) : image(size, size, QImage::Format_ARGB32_Premultiplied) {
        image.fill(Qt::transparent);
        painter.begin(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 100.0, size / 100.0);
        painter.setPen(Qt::NoPen);
    }

    QImage Finish() {
        painter.end();
        return image.convertToFormat(QImage::Format_ARGB32);
    }

    QImage image;
    QPainter painter;
};

void Ellipse(QPainter& p, double cx, double cy, double rx, double ry, const QBrush& brush) {
    p.setBrush(brush);
    p.drawEllipse(QPointF(cx, cy), rx, ry);
}

QPen RoundPen(const QColor& colour, double width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

const QColor kFur(122, 78, 46);
const QColor kFurLight(158, 108, 66);
const QColor kFurDark(84, 52, 30);
const QColor kMuzzle(240, 208, 168);
const QColor kNose(255, 112, 146);
const QColor kCheek(255, 150, 170, 170);
const QColor kPaw(247, 186, 160);
const QColor kInk(58, 34, 20);

// The mole's face: eyes, cheeks, muzzle, nose and smile, centred on (cx, cy). Tiny pictures
// get bigger eyes and no whiskers.
void DrawFace(QPainter& p, double cx, double cy, double scale, bool tiny = false) {
    auto at = [&](double dx, double dy) { return QPointF(cx + dx * scale, cy + dy * scale); };
    p.setPen(Qt::NoPen);
    Ellipse(p, at(0, 9).x(), at(0, 9).y(), 16 * scale, 12 * scale, kMuzzle);
    Ellipse(p, at(-17, 6).x(), at(-17, 6).y(), 5 * scale, 3.5 * scale, kCheek);
    Ellipse(p, at(17, 6).x(), at(17, 6).y(), 5 * scale, 3.5 * scale, kCheek);
    for (double side : {-1.0, 1.0}) {
        const QPointF eye = at(side * 10, -5);
        const double eyeScale = tiny ? 1.5 * scale : scale;
        Ellipse(p, eye.x(), eye.y(), 3.2 * eyeScale, 4.2 * eyeScale, QColor(30, 20, 16));
        Ellipse(p, eye.x() + 1.0 * eyeScale, eye.y() - 1.5 * eyeScale, 1.2 * eyeScale,
                1.2 * eyeScale, Qt::white);
    }
    p.setPen(RoundPen(kInk, 1.6 * scale));
    QPainterPath smile;
    smile.moveTo(at(-5, 12));
    smile.quadTo(at(-2.5, 16), at(0, 12.5));
    smile.quadTo(at(2.5, 16), at(5, 12));
    p.setBrush(Qt::NoBrush);
    p.drawPath(smile);
    p.setPen(RoundPen(QColor(120, 80, 50), 0.9 * scale));
    for (double side : {-1.0, 1.0}) {
        if (!tiny) {
            p.drawLine(at(side * 12, 7), at(side * 22, 4));
            p.drawLine(at(side * 12, 10), at(side * 22, 11));
        }
    }
    p.setPen(Qt::NoPen);
    Ellipse(p, at(0, 5).x(), at(0, 5).y(), 6.5 * scale, 5 * scale, kNose);
    Ellipse(p, at(-2, 3.5).x(), at(-2, 3.5).y(), 2 * scale, 1.3 * scale, QColor(255, 220, 230));
}

void DrawPaw(QPainter& p, double cx, double cy, double angle) {
    p.save();
    p.translate(cx, cy);
    p.rotate(angle);
    p.setPen(RoundPen(QColor(200, 120, 100), 1.0));
    Ellipse(p, 0, 0, 8, 5.5, kPaw);
    p.setPen(RoundPen(QColor(200, 120, 100), 1.2));
    for (double x : {-3.5, 0.0, 3.5}) {
        p.drawLine(QPointF(x, -5.5), QPointF(x, -2.5));
    }
    p.restore();
}

}  // namespace

QImage DrawMascot(int size, bool waving) {
    Canvas canvas(size);
    QPainter& p = canvas.painter;

    QLinearGradient sky(0, 0, 0, 75);
    sky.setColorAt(0, QColor(186, 230, 255));
    sky.setColorAt(1, QColor(238, 250, 255));
    p.fillRect(QRectF(0, 0, 100, 100), sky);
    Ellipse(p, 84, 14, 9, 9, QColor(255, 226, 110));
    Ellipse(p, 18, 18, 10, 5, Qt::white);
    Ellipse(p, 26, 15, 8, 5, Qt::white);
    p.fillRect(QRectF(0, 72, 100, 28), QColor(140, 206, 104));
    p.fillRect(QRectF(0, 72, 100, 2.5), QColor(170, 224, 130));

    Ellipse(p, 50, 80, 33, 8, QColor(70, 44, 26));  // the hole

    // Body, cut off at the rim of the hole.
    p.save();
    QPainterPath above;
    above.addRect(QRectF(0, 0, 100, 82));
    p.setClipPath(above);
    QRadialGradient fur(QPointF(42, 34), 40);
    fur.setColorAt(0, kFurLight);
    fur.setColorAt(1, kFur);
    p.setPen(RoundPen(kFurDark, 1.4));
    Ellipse(p, 50, 56, 27, 34, fur);
    p.restore();

    DrawFace(p, 50, 44, 1.0);

    // Soil in front of the hole.
    p.setPen(Qt::NoPen);
    QPainterPath mound;
    mound.moveTo(8, 92);
    mound.cubicTo(14, 78, 30, 84, 50, 84);
    mound.cubicTo(70, 84, 86, 78, 92, 92);
    mound.closeSubpath();
    p.setBrush(QColor(176, 122, 70));
    p.drawPath(mound);
    Ellipse(p, 30, 88, 2, 1.3, QColor(140, 94, 52));
    Ellipse(p, 62, 89, 2.4, 1.4, QColor(140, 94, 52));
    Ellipse(p, 75, 87, 1.6, 1.1, QColor(140, 94, 52));

    DrawPaw(p, 31, 80, -15);
    if (waving) {
        for (const auto& [colour, width] : {std::pair{kFurDark, 11.0}, std::pair{kFur, 8.5}}) {
            p.setPen(RoundPen(colour, width));
            p.drawLine(QPointF(71, 60), QPointF(81, 48));
        }
        p.setPen(Qt::NoPen);
        DrawPaw(p, 83, 44, 25);
        p.setPen(RoundPen(QColor(120, 120, 140), 1.3));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(85, 30, 12, 12), 0, 90 * 16);
        p.drawArc(QRectF(83, 27, 18, 18), 0, 90 * 16);
    } else {
        DrawPaw(p, 69, 80, 15);
    }
    return canvas.Finish();
}

QImage DrawRight(int size) {
    Canvas canvas(size);
    QPainter& p = canvas.painter;
    p.fillRect(QRectF(0, 0, 100, 100), QColor(255, 248, 240));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 205, 205), 17));
    p.drawEllipse(QPointF(51, 52), 33, 33);
    p.setPen(QPen(QColor(226, 24, 36), 14));
    p.drawEllipse(QPointF(50, 50), 33, 33);
    p.setPen(RoundPen(QColor(255, 120, 120), 3));
    p.drawArc(QRectF(22, 22, 56, 56), 105 * 16, 55 * 16);
    return canvas.Finish();
}

QImage DrawWrong(int size) {
    Canvas canvas(size);
    QPainter& p = canvas.painter;
    p.fillRect(QRectF(0, 0, 100, 100), QColor(244, 248, 255));
    for (const auto& [colour, shift] :
         {std::pair{QColor(200, 216, 255), 1.5}, std::pair{QColor(30, 84, 214), 0.0}}) {
        p.setPen(RoundPen(colour, shift > 0 ? 17 : 14));
        p.drawLine(QPointF(22 + shift, 22 + shift), QPointF(78 + shift, 78 + shift));
        p.drawLine(QPointF(78 + shift, 22 + shift), QPointF(22 + shift, 78 + shift));
    }
    return canvas.Finish();
}

QImage DrawPrinter(int size) {
    Canvas canvas(size);
    QPainter& p = canvas.painter;
    const QColor outline(46, 58, 70);
    p.setPen(RoundPen(outline, 3.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(27, 6, 46, 36));  // paper waiting at the back
    p.setBrush(QColor(120, 136, 152));
    p.drawRoundedRect(QRectF(8, 36, 84, 38), 8, 8);
    p.setBrush(QColor(60, 70, 82));
    p.drawRect(QRectF(22, 58, 56, 4));  // output slot
    p.setPen(Qt::NoPen);
    Ellipse(p, 80, 46, 4, 4, QColor(60, 210, 80));
    p.setPen(RoundPen(outline, 3.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(25, 60, 50, 34));  // the printed sheet
    p.setPen(RoundPen(QColor(226, 40, 40), 4));
    p.drawLine(QPointF(33, 70), QPointF(66, 70));
    p.setPen(RoundPen(QColor(60, 90, 200), 4));
    p.drawLine(QPointF(33, 79), QPointF(60, 79));
    p.drawLine(QPointF(33, 87), QPointF(55, 87));
    return canvas.Finish();
}

QImage DrawIcon(int size, bool opaqueCorners) {
    Canvas canvas(size);
    QPainter& p = canvas.painter;
    const QColor tile(176, 226, 140);
    if (opaqueCorners) {
        p.fillRect(QRectF(0, 0, 100, 100), tile);
    } else {
        p.setBrush(tile);
        p.drawRoundedRect(QRectF(2, 2, 96, 96), 20, 20);
    }
    QRadialGradient fur(QPointF(40, 36), 50);
    fur.setColorAt(0, kFurLight);
    fur.setColorAt(1, kFur);
    p.setPen(RoundPen(kFurDark, 2.5));
    Ellipse(p, 50, 56, 40, 38, fur);
    DrawFace(p, 50, 52, 1.45, size <= 32);
    return canvas.Finish();
}

QImage Flatten(const QImage& image, const QColor& background) {
    QImage out(image.size(), QImage::Format_RGB32);
    out.fill(background);
    QPainter p(&out);
    p.drawImage(0, 0, image);
    return out;
}

QImage KeyedGlyph(const QImage& image, QRgb key) {
    QImage out = Flatten(image, QColor(240, 240, 240));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) < 24) {
                out.setPixel(x, y, key);
            }
        }
    }
    return out;
}

}  // namespace mogran

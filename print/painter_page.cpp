#include "painter_page.h"

#include <cmath>

#include <QBrush>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>

namespace mogran {

namespace {

// The print face is asked for by its own name; this gothic face stands in for it here.
constexpr const char* kSubstituteFace = "IPAGothic";

}  // namespace

int FontPixelHeight(int points, int dpiY) {
    return static_cast<int>(std::lround(static_cast<double>(points) * dpiY / 72.0));
}

PainterPage::PainterPage(QPainter& painter) : painter_(painter) {
    QPen pen(Qt::black, 1, Qt::SolidLine);
    pen.setCosmetic(true);
    painter_.setPen(pen);
    painter_.setBackgroundMode(Qt::OpaqueMode);
    painter_.setBackground(QBrush(Qt::white, Qt::SolidPattern));
}

void PainterPage::SetFont(const std::string& face, std::int32_t points, int dpiY) {
    const QString family = QString::fromStdString(face);
    if (QFont::substitute(family) == family)
        QFont::insertSubstitution(family, kSubstituteFace);
    QFont font(family);
    font.setPixelSize(FontPixelHeight(points, dpiY));
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    painter_.setFont(font);
}

void PainterPage::MoveTo(std::int32_t x, std::int32_t y) {
    pen_ = QPoint(x, y);
}

void PainterPage::LineTo(std::int32_t x, std::int32_t y) {
    const QPoint to(x, y);
    painter_.drawLine(pen_, to);
    pen_ = to;
}

void PainterPage::TextOut(std::int32_t x, std::int32_t y, const std::string& text) {
    const QString line = QString::fromStdString(text);
    const QFontMetrics metrics = painter_.fontMetrics();
    painter_.drawText(QPoint(x, y + metrics.ascent()), line);
    pen_ = QPoint(x + metrics.horizontalAdvance(line), y);
}

}  // namespace mogran

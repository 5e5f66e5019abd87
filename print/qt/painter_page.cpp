#include "painter_page.h"

#include <cmath>

#include <QBrush>
#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QRectF>

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

// The words of a line are drawn one by one and its spaces are left as gaps. A drawn space
// glyph would reach the PDF's text as a TAB: the embedded font's character map is read back
// from its lowest code, and the gothic face maps TAB to its space glyph too. Readers take a
// gap of half a character for the space it is.
void PainterPage::TextOut(std::int32_t x, std::int32_t y, const std::string& text) {
    const QString line = QString::fromStdString(text);
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    const QPointF baseline(x, y + QFontMetrics(painter_.font(), painter_.device()).ascent());
    painter_.fillRect(QRectF(baseline.x(), baseline.y() - metrics.ascent(),
                             metrics.horizontalAdvance(line), metrics.ascent() + metrics.descent()),
                      painter_.background());
    painter_.setBackgroundMode(Qt::TransparentMode);
    qsizetype start = 0;
    while (start < line.size()) {
        qsizetype end = line.indexOf(QLatin1Char(' '), start);
        if (end < 0)
            end = line.size();
        if (end > start) {
            const qreal offset = metrics.horizontalAdvance(line.left(start));
            painter_.drawText(baseline + QPointF(offset, 0), line.mid(start, end - start));
        }
        start = end + 1;
    }
    painter_.setBackgroundMode(Qt::OpaqueMode);
    pen_ = QPoint(x + painter_.fontMetrics().horizontalAdvance(line), y);
}

void PainterPrintDevice::SetFont(const std::string& face, std::int32_t points) {
    OpenPage().SetFont(face, points, PageDpiY());
}

void PainterPrintDevice::MoveTo(std::int32_t x, std::int32_t y) {
    OpenPage().MoveTo(x, y);
}

void PainterPrintDevice::LineTo(std::int32_t x, std::int32_t y) {
    OpenPage().LineTo(x, y);
}

void PainterPrintDevice::TextOut(std::int32_t x, std::int32_t y, const std::string& text) {
    OpenPage().TextOut(x, y, text);
}

}  // namespace mogran

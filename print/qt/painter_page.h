#pragma once

#include <cstdint>
#include <string>

#include <QPoint>

#include "print_device.h"

class QPainter;

namespace mogran {

// Character height in device pixels of a font of the given point size: points × dpi ÷ 72,
// rounded to the nearest integer.
int FontPixelHeight(int points, int dpiY);

// Draws the worksheet operations onto a painter that is already open on its page: a
// one-pixel black pen, text on an opaque white background, and a pen position that
// MoveTo, LineTo and TextOut carry from one call to the next. Coordinates are the
// painter's device pixels.
class PainterPage {
public:
    explicit PainterPage(QPainter& painter);

    // Face name as given (UTF-8), size in points at the device's vertical resolution.
    void SetFont(const std::string& face, std::int32_t points, int dpiY);
    void MoveTo(std::int32_t x, std::int32_t y);
    void LineTo(std::int32_t x, std::int32_t y);
    // One line of text with the top-left corner of its first character cell at (x, y).
    void TextOut(std::int32_t x, std::int32_t y, const std::string& text);

private:
    QPainter& painter_;
    QPoint pen_;
};

// The drawing operations of a print device whose pages are drawn through a PainterPage; the
// device itself says which page is open and at what resolution.
class PainterPrintDevice : public PrintDevice {
public:
    void SetFont(const std::string& face, std::int32_t points) override;
    void MoveTo(std::int32_t x, std::int32_t y) override;
    void LineTo(std::int32_t x, std::int32_t y) override;
    void TextOut(std::int32_t x, std::int32_t y, const std::string& text) override;

protected:
    // The page being drawn; throws AppError with the device's message when none is open.
    virtual PainterPage& OpenPage() = 0;
    // Vertical resolution of the page being drawn, in pixels per inch.
    virtual int PageDpiY() const = 0;
};

}  // namespace mogran

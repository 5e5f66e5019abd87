#pragma once

#include <cstdint>
#include <string>

namespace mogran {

// Printable area of the current printer's page, in device pixels.
struct PageExtent {
    std::int32_t width = 0;
    std::int32_t height = 0;

    bool operator==(const PageExtent&) const = default;
};

// The printer operations the worksheets need. Coordinates are device pixels of the current
// printer, origin at the top-left corner of the printable area, y growing downward.
// Every operation may throw AppError with the print layer's message.
class PrintDevice {
public:
    virtual ~PrintDevice() = default;

    // Modal printer set-up dialog. On OK the chosen printer and its settings become current
    // for everything that follows; on Cancel nothing changes. True on OK.
    virtual bool SetupDialog() = 0;

    virtual PageExtent PageSize() = 0;

    // Opens a new print job (empty document name) and starts its one page.
    virtual void BeginJob() = 0;

    // Face name as given (UTF-8) and size in points.
    virtual void SetFont(const std::string& face, std::int32_t points) = 0;

    // Sets the pen position without drawing.
    virtual void MoveTo(std::int32_t x, std::int32_t y) = 0;
    // Draws from the pen position to (x, y), which becomes the pen position.
    virtual void LineTo(std::int32_t x, std::int32_t y) = 0;
    // Draws one line of text with the top-left corner of its first character cell at (x, y).
    virtual void TextOut(std::int32_t x, std::int32_t y, const std::string& text) = 0;

    // Ends the page and the job; the job goes to the spooler.
    virtual void EndJob() = 0;
};

}  // namespace mogran

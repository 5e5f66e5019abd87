#pragma once

#include <cstdint>
#include <string>

#include "print_device.h"
#include "worksheets_settings.h"

namespace mogran {

// Worksheets drawn as the page's printed sheets: every job is one sheet, the whole page of the
// chosen paper is the drawing area, and a device pixel is 1/1200 inch. The sheets of one
// document are collected by the page and take the place of the last printed ones when the
// document is done; the browser's print dialog prints them.
class WebPrintDevice : public PrintDevice {
public:
    static constexpr std::int32_t kResolution = 1200;

    void SetPaper(Paper paper) { paper_ = paper; }

    // Starts collecting the sheets of a new document.
    void BeginDocument();
    // Puts the document's sheets on the page, where printing finds them, and returns their
    // count; a document without sheets leaves the last ones in place.
    std::int32_t EndDocument();
    // Forgets the document begun, leaving the last printed sheets in place.
    void DropDocument();

    // The browser's print dialog stands in for the set-up dialog; it opens once the sheets
    // are laid out, so there is nothing to choose here.
    bool SetupDialog() override { return true; }
    PageExtent PageSize() override;
    void BeginJob() override;
    void SetFont(const std::string& face, std::int32_t points) override;
    void MoveTo(std::int32_t x, std::int32_t y) override;
    void LineTo(std::int32_t x, std::int32_t y) override;
    void TextOut(std::int32_t x, std::int32_t y, const std::string& text) override;
    void EndJob() override;

private:
    void RequireOpenJob() const;

    Paper paper_ = Paper::A4;
    bool pageOpen_ = false;
    std::int32_t penX_ = 0;
    std::int32_t penY_ = 0;
};

}  // namespace mogran

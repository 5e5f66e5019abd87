#include "web_print_device.h"

#include <emscripten.h>

#include "app_error.h"
#include "print_messages.h"

// The page's sheet builder. Sizes and positions are device pixels.
// clang-format off
EM_JS(void, SheetsBegin, (int width, int height, int dpi), {
    Module.sheets.begin(width, height, dpi);
});
EM_JS(int, SheetsFinish, (int keep), {
    return Module.sheets.finish(keep !== 0);
});
EM_JS(void, SheetsBeginPage, (), {
    Module.sheets.beginPage();
});
EM_JS(void, SheetsSetFont, (const char* face, int pixels), {
    Module.sheets.setFont(UTF8ToString(face), pixels);
});
EM_JS(void, SheetsLine, (int x1, int y1, int x2, int y2), {
    Module.sheets.line(x1, y1, x2, y2);
});
EM_JS(void, SheetsText, (int x, int y, const char* text), {
    Module.sheets.text(x, y, UTF8ToString(text));
});
EM_JS(void, SheetsEndPage, (), {
    Module.sheets.endPage();
});
// clang-format on

namespace mogran {

void WebPrintDevice::BeginDocument() {
    const PageExtent page = PageSize();
    pageOpen_ = false;
    SheetsBegin(page.width, page.height, kResolution);
}

std::int32_t WebPrintDevice::EndDocument() {
    return SheetsFinish(1);
}

void WebPrintDevice::DropDocument() {
    pageOpen_ = false;
    SheetsFinish(0);
}

PageExtent WebPrintDevice::PageSize() {
    return PaperExtent(paper_);
}

void WebPrintDevice::RequireOpenJob() const {
    if (!pageOpen_)
        throw AppError(kNotPrintingMessage);
}

void WebPrintDevice::BeginJob() {
    if (pageOpen_)
        throw AppError(kPrintingMessage);
    pageOpen_ = true;
    penX_ = penY_ = 0;
    SheetsBeginPage();
}

void WebPrintDevice::SetFont(const std::string& face, std::int32_t points) {
    RequireOpenJob();
    // Character height: points x dpi / 72, rounded to the nearest pixel.
    SheetsSetFont(face.c_str(), (points * kResolution + 36) / 72);
}

void WebPrintDevice::MoveTo(std::int32_t x, std::int32_t y) {
    RequireOpenJob();
    penX_ = x;
    penY_ = y;
}

void WebPrintDevice::LineTo(std::int32_t x, std::int32_t y) {
    RequireOpenJob();
    SheetsLine(penX_, penY_, x, y);
    penX_ = x;
    penY_ = y;
}

void WebPrintDevice::TextOut(std::int32_t x, std::int32_t y, const std::string& text) {
    RequireOpenJob();
    SheetsText(x, y, text.c_str());
}

void WebPrintDevice::EndJob() {
    RequireOpenJob();
    pageOpen_ = false;
    SheetsEndPage();
}

}  // namespace mogran

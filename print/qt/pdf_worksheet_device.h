#pragma once

#include <optional>
#include <string>

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "painter_page.h"

namespace mogran {

// The worksheet operations drawn into one PDF document in memory: every job is a page of
// it, the whole page is the drawing area, and a device pixel is 1/1200 inch. The font is
// embedded. A label can be added at the left of every page's name box.
class PdfWorksheetDevice : public PainterPrintDevice {
public:
    static constexpr int kResolution = 1200;

    explicit PdfWorksheetDevice(const QPageSize& paper);
    ~PdfWorksheetDevice() override;
    PdfWorksheetDevice(const PdfWorksheetDevice&) = delete;
    PdfWorksheetDevice& operator=(const PdfWorksheetDevice&) = delete;

    // There is nothing to choose: the paper is given.
    bool SetupDialog() override { return true; }
    PageExtent PageSize() override;
    void BeginJob() override;
    // Draws the label, in the page's last font, before the page is done.
    void EndJob() override;

    // Text for the name box of the pages that follow; empty for none.
    void SetPageLabel(std::string label) { label_ = std::move(label); }

    // Ends the document and returns its bytes, without a creation date: the same pages
    // always give the same bytes. Throws AppError.
    std::string Finish();

private:
    PainterPage& OpenPage() override;
    int PageDpiY() const override;

    QBuffer buffer_;
    QPdfWriter writer_;
    QPainter painter_;
    std::optional<PainterPage> page_;
    std::string label_;
    bool started_ = false;
};

}  // namespace mogran

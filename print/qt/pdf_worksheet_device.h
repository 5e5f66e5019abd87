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
// embedded.
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
    void EndJob() override;

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
    bool started_ = false;
};

}  // namespace mogran

#include "pdf_worksheet_device.h"

#include <QMarginsF>
#include <QPageLayout>

#include "app_error.h"
#include "reproducible_pdf.h"

namespace mogran {

PdfWorksheetDevice::PdfWorksheetDevice(const QPageSize& paper) : writer_(&buffer_) {
    buffer_.open(QIODevice::WriteOnly);
    writer_.setResolution(kResolution);
    writer_.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer_.setCreator(QStringLiteral("mogran-worksheets"));
}

PdfWorksheetDevice::~PdfWorksheetDevice() {
    if (painter_.isActive())
        painter_.end();
}

PageExtent PdfWorksheetDevice::PageSize() {
    return PageExtent{writer_.width(), writer_.height()};
}

void PdfWorksheetDevice::BeginJob() {
    if (page_)
        throw AppError("a page was begun while another was open");
    if (!started_) {
        if (!painter_.begin(&writer_))
            throw AppError("the PDF could not be started");
        started_ = true;
    } else if (!writer_.newPage()) {
        throw AppError("no new page could be added to the PDF");
    }
    page_.emplace(painter_);
}

PainterPage& PdfWorksheetDevice::OpenPage() {
    if (!page_)
        throw AppError("a page was drawn on while none was open");
    return *page_;
}

int PdfWorksheetDevice::PageDpiY() const {
    return kResolution;
}

void PdfWorksheetDevice::EndJob() {
    OpenPage();
    page_.reset();
}

std::string PdfWorksheetDevice::Finish() {
    if (page_ || !started_ || !painter_.end())
        throw AppError("the PDF could not be finished");
    std::string pdf = buffer_.data().toStdString();
    RemoveCreationDate(pdf);
    return pdf;
}

}  // namespace mogran

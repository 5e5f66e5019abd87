#include "qt_print_device.h"

#include <cups/cups.h>

#include <QPageLayout>
#include <QPrinterInfo>

#include "app_error.h"
#include "print_messages.h"

namespace mogran {

namespace {

// Qt hands the finished document to the print scheduler while the painter ends, on this
// thread, and keeps the scheduler's answer to itself; that answer is still the print
// library's last status here. A queue that refuses jobs answers with an error.
bool SchedulerTookJob() {
    return cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE;
}

}  // namespace

QtPrintDevice::QtPrintDevice(PrinterSetupDialog& setupDialog) : setupDialog_(setupDialog) {}

QtPrintDevice::~QtPrintDevice() {
    if (painter_.isActive())
        painter_.end();
}

QPrinter& QtPrintDevice::Printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool QtPrintDevice::PrinterUsable() {
    QPrinter& printer = Printer();
    if (printer.outputFormat() != QPrinter::NativeFormat || printer.printerName().isEmpty()) {
        return false;
    }
    return !QPrinterInfo::printerInfo(printer.printerName()).isNull();
}

void QtPrintDevice::RequireOpenJob() const {
    if (!painter_.isActive())
        throw AppError(kNotPrintingMessage);
}

PainterPage& QtPrintDevice::OpenPage() {
    RequireOpenJob();
    return *page_;
}

int QtPrintDevice::PageDpiY() const {
    return painter_.device()->logicalDpiY();
}

bool QtPrintDevice::SetupDialog() {
    if (!printerChosen_ && QPrinterInfo::availablePrinterNames().isEmpty())
        throw AppError(kNoDefaultPrinterMessage);
    const bool accepted = setupDialog_.Run(Printer());
    if (accepted) {
        if (painter_.isActive())
            throw AppError(kPrintingMessage);
        printerChosen_ = true;
    }
    return accepted;
}

PageExtent QtPrintDevice::PageSize() {
    if (!PrinterUsable())
        throw AppError(kPrinterNotValidMessage);
    const QRect area = Printer().pageLayout().paintRectPixels(Printer().resolution());
    return PageExtent{area.width(), area.height()};
}

void QtPrintDevice::BeginJob() {
    if (painter_.isActive())
        throw AppError(kPrintingMessage);
    if (!PrinterUsable())
        throw AppError(kPrinterNotValidMessage);
    QPrinter& printer = Printer();
    printer.setDocName(QString());
    // A job that cannot be started would lose its page without a word: report it instead.
    if (!painter_.begin(&printer))
        throw AppError(kPrinterNotValidMessage);

    page_.emplace(painter_);
}

void QtPrintDevice::EndJob() {
    RequireOpenJob();
    page_.reset();
    const bool ended = painter_.end();
    // A page that does not reach the print queue is reported, never lost without a word.
    if (!ended || Printer().printerState() == QPrinter::Error || !SchedulerTookJob()) {
        throw AppError(kPrinterNotValidMessage);
    }
}

}  // namespace mogran

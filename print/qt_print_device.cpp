#include "qt_print_device.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinterInfo>

#include "app_error.h"
#include "print_messages.h"

namespace mogran {

QtPrintDevice::QtPrintDevice(QWidget* dialogParent, DialogRunner runDialog)
    : dialogParent_(dialogParent), runDialog_(std::move(runDialog)) {
    if (!runDialog_)
        runDialog_ = [](QPrintDialog& dialog) { return dialog.exec(); };
}

QtPrintDevice::~QtPrintDevice() {
    if (painter_.isActive())
        painter_.end();
}

QPrinter& QtPrintDevice::Printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void QtPrintDevice::PrintToPdfFile(const QString& path, int dpi) {
    Printer().setOutputFormat(QPrinter::PdfFormat);
    Printer().setOutputFileName(path);
    Printer().setResolution(dpi);
    toPdfFile_ = true;
    printerChosen_ = true;
}

bool QtPrintDevice::PrinterUsable() {
    if (toPdfFile_)
        return true;
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

bool QtPrintDevice::SetupDialog() {
    if (!printerChosen_ && !toPdfFile_ && QPrinterInfo::availablePrinterNames().isEmpty()) {
        throw AppError(kNoDefaultPrinterMessage);
    }
    QPrintDialog dialog(&Printer(), dialogParent_);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog1"));
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    const bool accepted = runDialog_(dialog) == QDialog::Accepted;
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

void QtPrintDevice::SetFont(const std::string& face, std::int32_t points) {
    RequireOpenJob();
    page_->SetFont(face, points, painter_.device()->logicalDpiY());
}

void QtPrintDevice::MoveTo(std::int32_t x, std::int32_t y) {
    RequireOpenJob();
    page_->MoveTo(x, y);
}

void QtPrintDevice::LineTo(std::int32_t x, std::int32_t y) {
    RequireOpenJob();
    page_->LineTo(x, y);
}

void QtPrintDevice::TextOut(std::int32_t x, std::int32_t y, const std::string& text) {
    RequireOpenJob();
    page_->TextOut(x, y, text);
}

void QtPrintDevice::EndJob() {
    RequireOpenJob();
    page_.reset();
    const bool ended = painter_.end();
    if (!ended || Printer().printerState() == QPrinter::Error) {
        throw AppError(kPrinterNotValidMessage);
    }
}

}  // namespace mogran

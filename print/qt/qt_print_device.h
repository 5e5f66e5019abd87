#pragma once

#include <memory>
#include <optional>

#include <QPainter>
#include <QPrinter>

#include "painter_page.h"
#include "printer_setup_dialog.h"

namespace mogran {

// The print operations over a QPrinter at the printer's own resolution; the drawing itself
// is PainterPage's. Each job is one QPainter begin/end pair, so every page reaches the print
// system as a job of its own.
class QtPrintDevice : public PainterPrintDevice {
public:
    // The dialog must outlive the device.
    explicit QtPrintDevice(PrinterSetupDialog& setupDialog);
    ~QtPrintDevice() override;
    QtPrintDevice(const QtPrintDevice&) = delete;
    QtPrintDevice& operator=(const QtPrintDevice&) = delete;

    bool SetupDialog() override;
    PageExtent PageSize() override;
    void BeginJob() override;
    void EndJob() override;

private:
    // The printer in use; made on first use from the system's default printer.
    QPrinter& Printer();
    bool PrinterUsable();
    void RequireOpenJob() const;
    PainterPage& OpenPage() override;
    int PageDpiY() const override;

    PrinterSetupDialog& setupDialog_;
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    std::optional<PainterPage> page_;
    bool printerChosen_ = false;
};

}  // namespace mogran

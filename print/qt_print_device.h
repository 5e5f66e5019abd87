#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QPainter>
#include <QPrinter>
#include <QString>

#include "painter_page.h"
#include "print_device.h"

class QPrintDialog;
class QWidget;

namespace mogran {

// The print operations over a QPrinter at the printer's own resolution; the drawing itself
// is PainterPage's. Each job is one QPainter begin/end pair, so every page reaches the print
// system as a job of its own.
class QtPrintDevice : public PrintDevice {
public:
    // Shows the set-up dialog modally; returns its QDialog result.
    using DialogRunner = std::function<int(QPrintDialog&)>;

    explicit QtPrintDevice(QWidget* dialogParent = nullptr, DialogRunner runDialog = {});
    ~QtPrintDevice() override;
    QtPrintDevice(const QtPrintDevice&) = delete;
    QtPrintDevice& operator=(const QtPrintDevice&) = delete;

    bool SetupDialog() override;
    PageExtent PageSize() override;
    void BeginJob() override;
    void SetFont(const std::string& face, std::int32_t points) override;
    void MoveTo(std::int32_t x, std::int32_t y) override;
    void LineTo(std::int32_t x, std::int32_t y) override;
    void TextOut(std::int32_t x, std::int32_t y, const std::string& text) override;
    void EndJob() override;

    // Sends every job into this PDF file at the given resolution instead of a print queue
    // (each job overwrites the file). Used where no print system is at hand.
    void PrintToPdfFile(const QString& path, int dpi);

    // The printer in use; made on first use from the system's default printer.
    QPrinter& Printer();
    // The painter of the open job (inactive between jobs).
    const QPainter& Painter() const { return painter_; }

private:
    bool PrinterUsable();
    void RequireOpenJob() const;

    QWidget* dialogParent_;
    DialogRunner runDialog_;
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    std::optional<PainterPage> page_;
    bool printerChosen_ = false;
    bool toPdfFile_ = false;
};

}  // namespace mogran

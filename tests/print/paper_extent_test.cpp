#include "worksheets_settings.h"

#include <gtest/gtest.h>

#include "class_worksheets_pdf.h"
#include "pdf_worksheet_device.h"

namespace mogran {
namespace {

// The pages laid out without Qt must have the device pixels of mogran-worksheets' pages.
TEST(PaperExtentTest, EveryPaperHasThePixelsOfTheDesktopPdfPage) {
    for (const Paper paper : {Paper::A4, Paper::B5, Paper::Letter}) {
        PdfWorksheetDevice device(PaperPageSize(paper));
        EXPECT_EQ(PaperExtent(paper), device.PageSize()) << static_cast<int>(paper);
    }
}

}  // namespace
}  // namespace mogran

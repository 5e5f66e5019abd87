#pragma once

class QPrinter;

namespace mogran {

// The modal printer set-up dialog. On OK the chosen printer and its page settings are
// written into `printer`; on Cancel it is left as it was. True on OK.
class PrinterSetupDialog {
public:
    virtual ~PrinterSetupDialog() = default;
    virtual bool Run(QPrinter& printer) = 0;
};

}  // namespace mogran

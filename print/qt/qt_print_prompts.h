#pragma once

#include <memory>

#include <QPointer>
#include <QWidget>

#include "input_block_scope.h"
#include "print_prompts.h"

namespace mogran {

// The confirmation dialogs as message boxes centred on the screen, and the busy state of
// the main window while worksheets print.
class QtPrintPrompts : public PrintPrompts {
public:
    explicit QtPrintPrompts(QWidget& window);
    ~QtPrintPrompts() override;

    int ShowDialog1() override;
    int ShowDialog2() override;
    void FlushDisplay() override;
    void BeginBusy() override;
    void EndBusy() override;

private:
    QPointer<QWidget> window_;
    std::unique_ptr<InputBlockScope> busy_;
};

}  // namespace mogran

#pragma once

#include "print_prompts.h"

namespace mogran {

// The confirmation dialogs as the page's modal message boxes, and the page's busy state while
// the sheets are made. The dialogs suspend the call until they are answered.
class WebPrintPrompts : public PrintPrompts {
public:
    int ShowDialog1() override;
    int ShowDialog2() override;
    // Waits for the page to paint the message line.
    void FlushDisplay() override;
    void BeginBusy() override;
    void EndBusy() override;
};

}  // namespace mogran

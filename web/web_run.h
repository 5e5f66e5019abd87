#pragma once

#include <cstdint>
#include <string_view>

#include "drill_data.h"
#include "drill_session.h"
#include "web_display.h"
#include "web_print_device.h"
#include "web_print_prompts.h"

namespace mogran {

// One run of the drill on the page: its data, the page as display, and the handlers. Every
// handler goes through one failure guard, so that nothing escapes to the page's script.
class WebRun {
public:
    WebRun();

    // Runs the named event handler ("Button1Click", "Edit2KeyDown" with its key code, ...);
    // false for a name that is no handler.
    bool Handle(std::string_view handler, std::int32_t argument);

private:
    // The print button: the sheets of the paper numbered `paper` (0 A4, 1 JIS B5, 2 Letter)
    // are left on the page for the browser's print dialog.
    void PrintSheets(std::int32_t paper);

    DrillData data_;
    WebDisplay display_;
    DrillSession session_;
    WebPrintPrompts printPrompts_;
    WebPrintDevice printDevice_;
};

}  // namespace mogran

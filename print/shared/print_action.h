#pragma once

#include "drill_session.h"
#include "print_device.h"
#include "print_prompts.h"

namespace mogran {

inline constexpr const char* kPrintingNotice = "いんさつちゅうです";

// The click of the print button: confirmation, printer set-up, problem and answer sheets
// of a newly generated set, and a fresh set on screen at the end, printed or not.
//
// Once the set-up dialog is done, the window stays busy until the fresh set is shown. When
// printing fails, the fresh set is still started and then the print error is thrown.
void BitBtn1Click(DrillSession& session, PrintPrompts& prompts, PrintDevice& device);

}  // namespace mogran

#pragma once

class QWidget;

namespace mogran {

// Names, version and icon of the application; closing the last window ends it.
void SetUpApplication();

// When MOGRAN_REPORT_SHOWN is set, writes one line "mogran-shown <seconds since the epoch>"
// to stderr when the window is first exposed (used to measure start-up time).
void ReportFirstShowIfAsked(QWidget& window);

}  // namespace mogran

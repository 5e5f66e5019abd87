#include "print_action.h"

#include <exception>

#include "generator.h"
#include "worksheet_layout.h"

namespace mogran {

namespace {

// Dialog 1 only when the count is not fixed by the check box; OK there declines.
bool Confirmed(DrillSession& session, PrintPrompts& prompts) {
    if (!session.Display().CheckBox1Ticked() && prompts.ShowDialog1() == kModalOk)
        return false;
    return prompts.ShowDialog2() == kModalYes;
}

void Finish(DrillSession& session) {
    session.Data().printInProgress = false;
    session.StartFreshSet();
}

}  // namespace

void BitBtn1Click(DrillSession& session, PrintPrompts& prompts, PrintDevice& device) {
    if (!Confirmed(session, prompts)) {
        Finish(session);
        return;
    }

    device.SetupDialog();  // Cancel keeps the printer that was current

    prompts.BeginBusy();
    DrillData& data = session.Data();
    std::exception_ptr printError;
    try {
        data.printInProgress = true;
        session.Display().SetText(DisplayField::Edit6, kPrintingNotice);
        prompts.FlushDisplay();
        data.random.ReseedFromClock();
        GenerateProblemSet(data, data.state.Kind);
        PrintWorksheets(data.problemSet, data.state.TotalCount, device);
    } catch (...) {
        printError = std::current_exception();
    }

    // The drill is left usable after a failed print too; the print error is the one to report.
    try {
        Finish(session);
    } catch (...) {
        if (!printError)
            printError = std::current_exception();
    }
    prompts.EndBusy();
    if (printError)
        std::rethrow_exception(printError);
}

}  // namespace mogran

#include "web_run.h"

#include <emscripten.h>

#include "error_text.h"
#include "print_action.h"

namespace mogran {

namespace {

struct HandlerEntry {
    std::string_view name;
    void (DrillSession::*handler)();
};

constexpr HandlerEntry kHandlers[] = {
    {"RadioGroup1Click", &DrillSession::RadioGroup1Click},
    {"Button1Click", &DrillSession::Button1Click},
    {"Button2Click", &DrillSession::Button2Click},
    {"Button3Click", &DrillSession::Button3Click},
    {"CheckBox1Click", &DrillSession::CheckBox1Click},
    {"Edit2KeyUp", &DrillSession::Edit2KeyUp},
};

// The drill knows one key by its code: Enter. The page passes the browser's key code.
constexpr std::int32_t kBrowserEnter = 13;

}  // namespace

WebRun::WebRun() : session_(data_, display_) {
    display_.ShowWindowTexts();
    try {
        session_.FormCreate();
    } catch (...) {
        display_.ErrorBox(WithFullStop(CurrentFailureMessage()));
    }
}

bool WebRun::Handle(std::string_view handler, std::int32_t argument) {
    try {
        if (handler == "BitBtn1Click") {
            PrintSheets(argument);
            return true;
        }
        if (handler == "Edit2KeyDown") {
            session_.Edit2KeyDown(argument == kBrowserEnter ? kEnterKey : 0);
            return true;
        }
        for (const HandlerEntry& entry : kHandlers) {
            if (entry.name == handler) {
                (session_.*entry.handler)();
                return true;
            }
        }
        return false;
    } catch (...) {
        display_.ErrorBox(WithFullStop(CurrentFailureMessage()));
        return true;
    }
}

void WebRun::PrintSheets(std::int32_t paper) {
    constexpr Paper kPapers[] = {Paper::A4, Paper::B5, Paper::Letter};
    printDevice_.SetPaper(paper >= 1 && paper <= 2 ? kPapers[paper] : Paper::A4);
    printDevice_.BeginDocument();
    try {
        BitBtn1Click(session_, printPrompts_, printDevice_);
    } catch (...) {
        printDevice_.DropDocument();
        throw;
    }
    printDevice_.EndDocument();
}

}  // namespace mogran

// The page's entry points. The page holds the run and passes it back on every call.
extern "C" {

EMSCRIPTEN_KEEPALIVE mogran::WebRun* mogran_run_new() {
    return new mogran::WebRun;
}

EMSCRIPTEN_KEEPALIVE int mogran_handle(mogran::WebRun* run, const char* handler,
                                       std::int32_t argument) {
    return run->Handle(handler, argument) ? 1 : 0;
}

}  // extern "C"

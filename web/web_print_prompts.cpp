#include "web_print_prompts.h"

#include <emscripten.h>

// clang-format off
// A message box with its buttons given as "result:caption" lines, the default first; Esc
// answers escResult and the close box Cancel. Resolves to the result of the answer.
EM_ASYNC_JS(int, FrontConfirm, (const char* icon, const char* title, const char* text,
                                const char* buttons, int escResult, int closeResult), {
    return await Module.front.confirm(UTF8ToString(icon), UTF8ToString(title), UTF8ToString(text),
                                      UTF8ToString(buttons), escResult, closeResult);
});
EM_ASYNC_JS(void, FrontNextPaint, (), {
    await Module.front.nextPaint();
});
EM_JS(void, FrontBusy, (int busy), {
    Module.front.busy(busy !== 0);
});
// clang-format on

namespace mogran {

int WebPrintPrompts::ShowDialog1() {
    return FrontConfirm("info", kDialog1Title, kDialog1Text, "1:OK", kModalOk, kModalCancel);
}

int WebPrintPrompts::ShowDialog2() {
    return FrontConfirm("warning", kDialog2Title, kDialog2Text, "6:はい(&Y)\n7:いいえ(&N)",
                        kModalNo, kModalCancel);
}

void WebPrintPrompts::FlushDisplay() {
    FrontNextPaint();
}

void WebPrintPrompts::BeginBusy() {
    FrontBusy(1);
}

void WebPrintPrompts::EndBusy() {
    FrontBusy(0);
}

}  // namespace mogran

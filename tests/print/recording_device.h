#pragma once

#include <map>
#include <string>
#include <vector>

#include "app_error.h"
#include "print_device.h"
#include "print_messages.h"

namespace mogran::testing {

// Counts the calls of each operation and keeps the drawing of each job as lines of text
// ("line 4561 275", "text 200 1102 1＋0＋0 ＝"). The call of `failingOp` numbered
// `failingCall` (from 0) throws the printer error instead.
class RecordingDevice : public PrintDevice {
public:
    std::string failingOp;
    int failingCall = 0;
    std::map<std::string, int> calls;
    std::vector<std::vector<std::string>> jobs;

    bool SetupDialog() override { return Call("setup"), true; }
    PageExtent PageSize() override { return Call("size"), PageExtent{4761, 6814}; }
    void BeginJob() override { Call("begin"), jobs.emplace_back(); }
    void SetFont(const std::string& face, std::int32_t pt) override {
        Draw("font", face + " " + std::to_string(pt));
    }
    void MoveTo(std::int32_t x, std::int32_t y) override { Draw("move", At(x, y)); }
    void LineTo(std::int32_t x, std::int32_t y) override { Draw("line", At(x, y)); }
    void TextOut(std::int32_t x, std::int32_t y, const std::string& text) override {
        Draw("text", At(x, y) + " " + text);
    }
    void EndJob() override { Call("end"); }

private:
    void Call(const std::string& op) {
        if (op == failingOp && calls[op] == failingCall)
            throw AppError(kPrinterNotValidMessage);
        ++calls[op];
    }
    void Draw(const std::string& op, const std::string& what) {
        Call(op);
        jobs.back().push_back(op + " " + what);
    }
    static std::string At(int x, int y) { return std::to_string(x) + " " + std::to_string(y); }
};

}  // namespace mogran::testing

#pragma once

#include <string>
#include <vector>

#include "app_error.h"
#include "print_device.h"
#include "print_messages.h"

namespace mogran::testing {

// Records every call as one line ("line 4561 275", "text 200 1102 1＋0＋0 ＝"). The call of
// `failingOp` numbered `failingCall` (from 0) throws the printer error instead.
class RecordingDevice : public PrintDevice {
public:
    std::string failingOp;
    int failingCall = 0;
    std::vector<std::string> calls;

    bool SetupDialog() override { return Record("setup"), true; }
    PageExtent PageSize() override { return Record("size"), PageExtent{4761, 6814}; }
    void BeginJob() override { Record("begin"); }
    void SetFont(const std::string& face, std::int32_t pt) override {
        Record("font " + face + " " + std::to_string(pt));
    }
    void MoveTo(std::int32_t x, std::int32_t y) override { Record("move", x, y); }
    void LineTo(std::int32_t x, std::int32_t y) override { Record("line", x, y); }
    void TextOut(std::int32_t x, std::int32_t y, const std::string& text) override {
        Record("text", x, y, " " + text);
    }
    void EndJob() override { Record("end"); }

    int Count(const std::string& op) const {
        int n = 0;
        for (const std::string& c : calls)
            n += c == op ? 1 : 0;
        return n;
    }

    // The calls between each "begin" and its "end", one list per job.
    std::vector<std::vector<std::string>> Jobs() const {
        std::vector<std::vector<std::string>> jobs;
        for (const std::string& c : calls) {
            if (c == "begin")
                jobs.emplace_back();
            else if (c != "end" && c != "size" && c != "setup")
                jobs.back().push_back(c);
        }
        return jobs;
    }

private:
    void Record(const std::string& op, int x = -1, int y = -1, const std::string& text = "") {
        if (op == failingOp && Count(op) == failingCall)
            throw AppError(kPrinterNotValidMessage);
        calls.push_back(x < 0 ? op : op + " " + std::to_string(x) + " " + std::to_string(y) + text);
    }
};

}  // namespace mogran::testing

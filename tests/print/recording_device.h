#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app_error.h"
#include "print_device.h"

namespace mogran::testing {

// One call of a PrintDevice operation.
struct DeviceCall {
    DeviceCall(std::string op_, std::int32_t x_ = 0, std::int32_t y_ = 0, std::string text_ = {},
               std::int32_t points_ = 0)
        : op(std::move(op_)), x(x_), y(y_), text(std::move(text_)), points(points_) {}

    std::string op;  // "setup", "size", "begin", "font", "move", "line", "text", "end"
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::string text;  // font face or drawn text
    std::int32_t points = 0;

    bool operator==(const DeviceCall&) const = default;
};

// Records every call; `failAt` may throw before the call of that operation is recorded.
class RecordingDevice : public PrintDevice {
public:
    PageExtent page{4761, 6814};
    bool setupResult = true;
    // Called with the operation's name and how many times it was called before.
    std::function<void(const std::string& op, int earlierCalls)> failAt;
    std::function<void(const std::string& op)> onCall;
    std::vector<DeviceCall> calls;

    bool SetupDialog() override {
        Record({"setup"});
        return setupResult;
    }
    PageExtent PageSize() override {
        Record({"size"});
        return page;
    }
    void BeginJob() override { Record({"begin"}); }
    void SetFont(const std::string& face, std::int32_t points) override {
        Record({"font", 0, 0, face, points});
    }
    void MoveTo(std::int32_t x, std::int32_t y) override { Record({"move", x, y}); }
    void LineTo(std::int32_t x, std::int32_t y) override { Record({"line", x, y}); }
    void TextOut(std::int32_t x, std::int32_t y, const std::string& text) override {
        Record({"text", x, y, text});
    }
    void EndJob() override { Record({"end"}); }

    int Count(const std::string& op) const {
        int n = 0;
        for (const DeviceCall& c : calls)
            n += c.op == op ? 1 : 0;
        return n;
    }

    // The calls between each "begin" and its "end", one list per job.
    std::vector<std::vector<DeviceCall>> Jobs() const {
        std::vector<std::vector<DeviceCall>> jobs;
        bool open = false;
        for (const DeviceCall& c : calls) {
            if (c.op == "begin") {
                jobs.emplace_back();
                open = true;
            } else if (c.op == "end") {
                open = false;
            } else if (open) {
                jobs.back().push_back(c);
            }
        }
        return jobs;
    }

private:
    void Record(DeviceCall call) {
        if (failAt)
            failAt(call.op, Count(call.op));
        if (onCall)
            onCall(call.op);
        calls.push_back(std::move(call));
    }
};

}  // namespace mogran::testing

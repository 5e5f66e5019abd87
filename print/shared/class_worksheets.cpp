#include "class_worksheets.h"

#include <string>

#include "drill_data.h"
#include "generator.h"
#include "worksheet_layout.h"

namespace mogran {

namespace {

// The page label stands this far right of the name box's left edge, on the line of "なまえ".
constexpr std::int32_t kLabelInset = 100;

// Passes every operation on and adds the label to each page before it ends.
class LabelledDevice : public PrintDevice {
public:
    explicit LabelledDevice(PrintDevice& device) : device_(device) {}

    void SetLabel(std::string label) { label_ = std::move(label); }

    bool SetupDialog() override { return device_.SetupDialog(); }
    PageExtent PageSize() override { return device_.PageSize(); }
    void BeginJob() override { device_.BeginJob(); }
    void SetFont(const std::string& face, std::int32_t points) override {
        device_.SetFont(face, points);
    }
    void MoveTo(std::int32_t x, std::int32_t y) override { device_.MoveTo(x, y); }
    void LineTo(std::int32_t x, std::int32_t y) override { device_.LineTo(x, y); }
    void TextOut(std::int32_t x, std::int32_t y, const std::string& text) override {
        device_.TextOut(x, y, text);
    }
    void EndJob() override {
        if (!label_.empty()) {
            const WorksheetLayout layout = MakeWorksheetLayout(device_.PageSize(), 0);
            device_.TextOut(kPageMargin + kLabelInset, layout.BoxTop + 20, label_);
        }
        device_.EndJob();
    }

private:
    PrintDevice& device_;
    std::string label_;
};

}  // namespace

std::int32_t PagesPerSet(std::int32_t count) {
    return 2 * MakeWorksheetLayout(PageExtent{}, count).PageCount;
}

void PrintClassWorksheets(const ClassWorksheets& job, PrintDevice& device,
                          const WorksheetsProgress& progress) {
    LabelledDevice labelled(device);
    DrillData data;
    data.printInProgress = true;  // every set starts from its own state, never the clock's
    const std::int32_t total = job.sets * PagesPerSet(job.count);
    for (std::int32_t set = 1; set <= job.sets; ++set) {
        data.random.RandomState = job.firstState + static_cast<std::uint32_t>(set - 1);
        GenerateProblemSet(data, job.kind);
        if (job.sets > 1)
            labelled.SetLabel("No." + std::to_string(set));
        PrintWorksheets(data.problemSet, job.count, labelled);
        if (progress)
            progress(set * PagesPerSet(job.count), total);
    }
}

}  // namespace mogran

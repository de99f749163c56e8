#include "vn_eval_report.h"

#include <algorithm>

#include "vn_standards_dlg_nesting.h"

namespace {

VnEvalReport*& currentReport() {
    static VnEvalReport* report = nullptr;
    return report;
}

}  // namespace

const VnEvalReport::Step* VnEvalReport::outermostFailure() const {
    for (auto it = failedSteps.rbegin(); it != failedSteps.rend(); ++it)
        if (it->depth == 1) return &*it;
    return nullptr;
}

bool VnEvalReport::incomplete() const {
    const bool inputMissing =
        std::any_of(variables.begin(), variables.end(), [](const Variable& v) { return v.input; });
    const bool childFailed =
        std::any_of(cells.begin(), cells.end(), [](const Cell& c) { return c.childCall; });
    return inputMissing || childFailed || !files.empty();
}

VnEvalReport::Scope::Scope(VnEvalReport& report) : previous_(currentReport()) {
    currentReport() = &report;
}

VnEvalReport::Scope::~Scope() {
    currentReport() = previous_;
}

VnEvalReport* VnEvalReport::current() {
    return currentReport();
}

void VnEvalReport::stepFailed(const char* timer, const std::string& file) {
    if (VnEvalReport* r = current())
        r->failedSteps.push_back({timer, file, VnStandardsNesting::depth()});
}

void VnEvalReport::variableFailed(const std::string& name, bool input, const std::string& file) {
    if (VnEvalReport* r = current()) r->variables.push_back({name, input, file});
}

void VnEvalReport::cellFailed(const Cell& cell) {
    if (VnEvalReport* r = current()) r->cells.push_back(cell);
}

void VnEvalReport::fileUnreadable(const std::string& name, const std::string& problem) {
    VnEvalReport* r = current();
    if (!r) return;
    for (const File& f : r->files)
        if (f.name == name) return;
    r->files.push_back({name, problem});
}

void VnEvalReport::messageShown(const std::string& text) {
    if (VnEvalReport* r = current()) r->messages.push_back(text);
}

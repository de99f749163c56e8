#include "lint_report.h"

#include <algorithm>
#include <tuple>

#include "cmd_eval_report.h"

void LintReport::error(const std::string& file, int row, int col, const std::string& message,
                       const std::string& code) {
    findings_.push_back({file, row, col, true, message, code});
}

void LintReport::warning(const std::string& file, int row, int col, const std::string& message,
                         const std::string& code) {
    findings_.push_back({file, row, col, false, message, code});
}

int LintReport::errors() const {
    return static_cast<int>(
        std::count_if(findings_.begin(), findings_.end(), [](const auto& f) { return f.error; }));
}

int LintReport::warnings() const {
    return static_cast<int>(findings_.size()) - errors();
}

void LintReport::sort() {
    auto key = [](const LintFinding& f) {
        return std::tie(f.file, f.row, f.col, f.code, f.message, f.error);
    };
    std::stable_sort(findings_.begin(), findings_.end(),
                     [&](const LintFinding& a, const LintFinding& b) { return key(a) < key(b); });
    findings_.erase(
        std::unique(findings_.begin(), findings_.end(),
                    [&](const LintFinding& a, const LintFinding& b) { return key(a) == key(b); }),
        findings_.end());
}

void LintReport::printText(std::FILE* out) const {
    for (const LintFinding& f : findings_)
        std::fprintf(out, "%s:%d:%d: %s: %s [%s]\n", f.file.c_str(), f.row, f.col,
                     f.error ? "error" : "warning", f.message.c_str(), f.code.c_str());
}

void LintReport::printJson(std::FILE* out, int standards) const {
    std::fprintf(out, "{\"standards\": %d, \"errors\": %d, \"warnings\": %d, \"findings\": [",
                 standards, errors(), warnings());
    for (size_t i = 0; i < findings_.size(); ++i) {
        const LintFinding& f = findings_[i];
        std::fprintf(out,
                     "%s\n  {\"file\": %s, \"row\": %d, \"col\": %d, \"severity\": \"%s\", "
                     "\"message\": %s, \"code\": %s}",
                     i ? "," : "", jsonString(f.file).c_str(), f.row, f.col,
                     f.error ? "error" : "warning", jsonString(f.message).c_str(),
                     jsonString(f.code).c_str());
    }
    std::fprintf(out, "%s]}\n", findings_.empty() ? "" : "\n");
}

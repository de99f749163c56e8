#include "cmd_eval_findings.h"

#include <cstring>

#include "path_translation.h"
#include "sheet_file_check.h"

namespace {

// The top-level steps of an evaluation, by timer, in words.
struct StepWords {
    const char* timer;
    const char* what;
};

const StepWords kSteps[] = {
    {"gLoadFile", "loading the standard"},
    {"gInitSSForInput", "finding its variable declarations"},
    {"gInitMapping", "reading the mapping"},
    {"gInitFromMacro", "reading the inputs from the macro"},
    {"gSSSGetFromMacro", "reading the inputs from the macro"},
    {"gSetMacroValuelsToSS", "writing the inputs into the sheet"},
    {"gSSSreplaceGenVars", "replacing the general variables"},
    {"gCalcCells", "calculating (no Calc section?)"},
    {"gCalcMain", "calculating (no Calc section?)"},
    {"gSetToMacro", "writing the outputs into the macro"},
};

const char* stepWords(const std::string& timer) {
    for (const StepWords& s : kSteps)
        if (timer == s.timer) return s.what;
    return nullptr;
}

std::string oneLine(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

std::string shownPath(const std::string& file) {
    return file.find('\\') != std::string::npos ? hostPath(Ktx_String(file)) : file;
}

// The reason a standard did not load, from the file itself.
std::string loadProblem(const std::string& file) {
    const std::string problem = sheetFileProblem(shownPath(file));
    return problem.empty() ? shownPath(file) + ": the grid refused the file" : problem;
}

}  // namespace

std::vector<std::string> reportWarnings(const VnEvalReport& report) {
    std::vector<std::string> warnings;
    for (const std::string& m : report.messages) warnings.push_back(oneLine(m));
    for (const VnEvalReport::Variable& v : report.variables) {
        warnings.push_back(
            v.input ? "the Input variable '" + v.name + "' could not be retrieved from the macro"
                    : "the Output variable '" + v.name + "' could not be set in the macro");
    }
    for (const VnEvalReport::Step& s : report.failedSteps) {
        if (s.depth > 1 && s.timer == "gLoadFile")
            warnings.push_back("the child standard did not load: " + loadProblem(s.file));
    }
    for (const VnEvalReport::Cell& c : report.cells) {
        if (!c.childCall) continue;
        warnings.push_back("CallChild failed: " + shownPath(c.file) + " (line " +
                           std::to_string(c.row) + "): " + oneLine(c.equation));
    }
    for (const VnEvalReport::File& f : report.files)
        warnings.push_back(shownPath(f.name) + ": " + f.problem);
    return warnings;
}

std::string failureReason(const std::string& standard, const VnEvalReport& report) {
    std::string reason = "the evaluation of '" + standard + "' failed";
    const VnEvalReport::Step* failed = report.outermostFailure();
    if (!failed) return reason;
    if (const char* what = stepWords(failed->timer)) reason += std::string(" while ") + what;
    if (failed->timer == "gLoadFile") reason += ": " + loadProblem(failed->file);
    return reason;
}

std::string incompleteReason(const VnEvalReport& report) {
    if (!report.incomplete()) return std::string();
    std::vector<std::string> what;
    size_t inputs = 0, children = 0;
    for (const VnEvalReport::Variable& v : report.variables) inputs += v.input ? 1 : 0;
    for (const VnEvalReport::Cell& c : report.cells) children += c.childCall ? 1 : 0;
    if (inputs) what.push_back(std::to_string(inputs) + " Input(s) not retrieved");
    if (children) what.push_back(std::to_string(children) + " CallChild(s) failed");
    if (!report.files.empty())
        what.push_back(std::to_string(report.files.size()) + " data or section file(s) unreadable");
    std::string text;
    for (size_t i = 0; i < what.size(); ++i) text += (i ? ", " : "") + what[i];
    return "not written: the outputs were computed from missing inputs (" + text +
           "); --force writes them anyway";
}

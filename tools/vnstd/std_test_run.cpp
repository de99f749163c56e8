#include "std_test_run.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cmd_eval_report.h"
#include "cmd_eval_run.h"
#include "ktx_string.h"
#include "std_case_file.h"
#include "whole_file.h"

namespace {

namespace fs = std::filesystem;

bool readWhole(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return !in.bad();
}

// A case's standard: a name in the library, or a path relative to the case file.
std::string standardOf(const StdCase& c, const fs::path& folder) {
    const bool path = c.standard.find_first_of("/\\") != std::string::npos ||
                      Ktx_String(c.standard).endsWith(".vns", false);
    if (!path) return c.standard;
    return (folder / c.standard).lexically_normal().string();
}

EvalOptions optionsOf(const StdCase& c, const fs::path& folder) {
    EvalOptions o;
    o.standard = standardOf(c, folder);
    o.macroFile = (folder / c.macro).lexically_normal().string();
    o.key = c.key;
    o.module = c.module;
    o.genVars = c.genVars;
    return o;
}

const EvalVariable* findVariable(const EvalResult& result, const std::string& name) {
    for (const EvalVariable& v : result.variables)
        if (Ktx_String(v.name).equal(Ktx_String(name), false)) return &v;
    return nullptr;
}

void compare(StdTestOutcome& outcome, const StdCase& c, const EvalResult& result) {
    for (const StdCaseExpect& e : c.expects) {
        const EvalVariable* v = findVariable(result, e.name);
        const std::string actual = v ? tidyNumberText(v->after) : std::string();
        outcome.actualValues.push_back(actual);
        if (!v)
            outcome.mismatches.push_back({e.name, e.value, std::string(), true});
        else if (!stdCaseValueMatches(e, actual))
            outcome.mismatches.push_back({e.name, e.value, actual, false});
    }
}

std::string xmlEscaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\t') c = ' ';
                out += c;
        }
    }
    return out;
}

std::string mismatchText(const StdTestMismatch& m) {
    if (m.missing) return m.name + ": no Input or Output of that name";
    return m.name + ": expected " + m.expected + ", got " + m.actual;
}

}  // namespace

std::vector<std::string> stdCaseFiles(const std::string& dir) {
    std::vector<std::string> files;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec) && it->path().extension() == ".case")
            files.push_back(it->path().string());
    std::sort(files.begin(), files.end());
    return files;
}

StdTestOutcome runStdCase(const std::string& file) {
    const auto started = std::chrono::steady_clock::now();
    StdTestOutcome outcome;
    outcome.file = file;
    std::string text;
    StdCase c;
    if (!readWhole(file, text)) {
        outcome.error = "cannot read the case file";
    } else if (!parseStdCase(text, c, outcome.error)) {
        // outcome.error says where
    } else {
        const EvalOptions options = optionsOf(c, fs::path(file).parent_path());
        const EvalResult result = evaluateMacroFile(options, options.macroFile);
        if (!result.ok)
            outcome.error = result.reason;
        else
            compare(outcome, c, result);
    }
    outcome.passed = outcome.error.empty() && outcome.mismatches.empty();
    outcome.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return outcome;
}

bool updateStdCase(const StdTestOutcome& outcome, bool& changed, std::string& error) {
    changed = false;
    std::string text;
    StdCase c;
    if (!outcome.error.empty() || !readWhole(outcome.file, text) || !parseStdCase(text, c, error) ||
        c.expects.size() != outcome.actualValues.size()) {
        error = "not evaluated, not updated";
        return false;
    }
    for (const StdTestMismatch& m : outcome.mismatches) {
        if (!m.missing) continue;
        error = mismatchText(m) + ", not updated";
        return false;
    }
    for (size_t i = 0; i < c.expects.size(); ++i) {
        if (stdCaseValueWritable(outcome.actualValues[i]) ||
            stdCaseValueMatches(c.expects[i], outcome.actualValues[i]))
            continue;
        error = "the value of " + c.expects[i].name + " cannot be written into a case file";
        return false;
    }
    // Only the values that do not match change: a value within its tolerance stays as written.
    std::vector<StdCaseExpect> changes;
    std::vector<std::string> values;
    for (size_t i = 0; i < c.expects.size(); ++i) {
        if (stdCaseValueMatches(c.expects[i], outcome.actualValues[i])) continue;
        changes.push_back(c.expects[i]);
        values.push_back(outcome.actualValues[i]);
    }
    const std::string updated = stdCaseWithValues(text, changes, values);
    if (updated == text) return true;
    if (!fileWriteAtomic(outcome.file, updated, &error)) return false;
    changed = true;
    return true;
}

std::string stdTestJunit(const std::string& suite, const std::vector<StdTestOutcome>& outcomes) {
    const auto failed = std::count_if(outcomes.begin(), outcomes.end(),
                                      [](const StdTestOutcome& o) { return !o.passed; });
    double total = 0.0;
    for (const StdTestOutcome& o : outcomes) total += o.seconds;
    std::ostringstream xml;
    xml << "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n"
        << "<testsuite name=\"" << xmlEscaped(suite) << "\" tests=\"" << outcomes.size()
        << "\" failures=\"" << failed << "\" errors=\"0\" time=\"" << total << "\">\n";
    for (const StdTestOutcome& o : outcomes) {
        xml << "  <testcase classname=\"" << xmlEscaped(suite) << "\" name=\""
            << xmlEscaped(fs::path(o.file).filename().string()) << "\" time=\"" << o.seconds
            << "\"";
        if (o.passed) {
            xml << "/>\n";
            continue;
        }
        std::string details = o.error;
        for (const StdTestMismatch& m : o.mismatches)
            details += (details.empty() ? "" : "\n") + mismatchText(m);
        const std::string first = details.substr(0, details.find('\n'));
        xml << ">\n    <failure message=\"" << xmlEscaped(first) << "\">" << xmlEscaped(details)
            << "</failure>\n  </testcase>\n";
    }
    xml << "</testsuite>\n";
    return xml.str();
}

std::string stdTestFailureLines(const StdTestOutcome& o) {
    if (o.passed) return std::string();
    if (!o.error.empty()) return o.file + ": " + o.error + "\n";
    std::string lines;
    for (const StdTestMismatch& m : o.mismatches) lines += o.file + ": " + mismatchText(m) + "\n";
    return lines;
}

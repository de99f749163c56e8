// vnstd test: runs a folder of regression cases of standards (std_case_file.h).
#include <filesystem>

#include "commands.h"
#include "ktx_settings.h"
#include "option_parser.h"
#include "section_table_manager.h"
#include "std_test_run.h"
#include "whole_file.h"

namespace {

const char* const kTestUsage =
    "usage: vnstd test [DIR] [--junit FILE] [--update]\n"
    "       vnstd test --help\n"
    "\n"
    "Runs every case file (*.case) of DIR and its subfolders, in one process: each names\n"
    "a standard, a macro file, the mapping key or module group, general variables, and\n"
    "the expected Input and Output values (docs/authoring-standards.md). DIR defaults to\n"
    "the folder \"tests\" beside the library folder.\n"
    "\n"
    "Prints a line per failing expectation, \"FILE: NAME: expected E, got A\" (or why\n"
    "the case could not run), then \"N passed, M failed\".\n"
    "\n"
    "  --junit FILE  also write a JUnit XML report to FILE\n"
    "  --update      write the actual values into the cases' expect lines (only the\n"
    "                values change; each file replaced atomically). Check them first.\n"
    "\n"
    "Exit codes: 0 every case passed (with --update: every case was evaluated), 1 a case\n"
    "failed, 2 a usage error.\n";

struct TestOptions {
    std::string dir;
    std::string junit;
    bool update = false;
};

// --update: rewrites the cases that were evaluated; false when any could not be.
bool updateCases(const CliContext& context, const std::vector<StdTestOutcome>& outcomes) {
    bool all = true;
    for (const StdTestOutcome& o : outcomes) {
        bool changed = false;
        std::string error;
        if (!updateStdCase(o, changed, error)) {
            std::fprintf(context.out, "%s: %s\n", o.file.c_str(),
                         (o.error.empty() ? error : o.error).c_str());
            all = false;
        } else if (changed) {
            std::fprintf(context.out, "updated %s\n", o.file.c_str());
        }
    }
    return all;
}

}  // namespace

std::string testUsage(const std::vector<std::string>&) {
    return kTestUsage;
}

int runTestCommand(const CliContext& context, const std::vector<std::string>& args) {
    TestOptions o;
    OptionParser parser("test");
    parser.value("--junit", o.junit).flag("--update", o.update);
    std::string error;
    if (!parser.parse(args, error)) return cliUsageError(context, error);
    if (parser.helpAsked()) return std::fputs(kTestUsage, context.out) < 0 ? 1 : 0;
    if (parser.positional().size() > 1)
        return cliUsageError(context, "test: more than one folder given");
    o.dir = parser.positional().empty()
                ? (std::filesystem::path(context.libDir).parent_path() / "tests").string()
                : parser.positional()[0];
    std::error_code ec;
    if (!std::filesystem::is_directory(o.dir, ec))
        return cliUsageError(context, "test: no folder '" + o.dir + "'");
    gSettings.ssErrorMessages = false;
    gSectionTables.loadLibrary();
    std::vector<StdTestOutcome> outcomes;
    for (const std::string& file : stdCaseFiles(o.dir)) outcomes.push_back(runStdCase(file));
    int failed = 0;
    for (const StdTestOutcome& outcome : outcomes) {
        failed += outcome.passed ? 0 : 1;
        if (!o.update) std::fputs(stdTestFailureLines(outcome).c_str(), context.out);
    }
    if (!o.junit.empty() && !fileWriteAtomic(o.junit, stdTestJunit("vnstd test", outcomes)))
        return cliFailure(context, "cannot write " + o.junit);
    if (o.update) return updateCases(context, outcomes) ? 0 : 1;
    std::fprintf(context.out, "%d passed, %d failed\n", static_cast<int>(outcomes.size()) - failed,
                 failed);
    return failed > 0 ? 1 : 0;
}

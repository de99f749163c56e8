// vnstd lint: checks standards for the mistakes that otherwise show only as a wrong macro.
#include <algorithm>
#include <filesystem>

#include "commands.h"
#include "ktx_settings.h"
#include "option_parser.h"
#include "path_translation.h"
#include "std_linter.h"

namespace {

const char* const kLintUsage =
    "usage: vnstd lint [STANDARD...] [--json] [--gen NAME]...\n"
    "       vnstd lint --help\n"
    "\n"
    "Checks standards (default: every .vns file below the library's \"Connection\n"
    "Standards\" folder) as the engine reads them: section headers, declarations,\n"
    "duplicate and badly spelt names, Calc equations, unknown names and functions,\n"
    "argument counts, CallChild files, arguments and cycles, the data files of the\n"
    "look-up and tolerance functions, and the standard's mapping file. STANDARD is a\n"
    "name in the library or a path to a .vns file.\n"
    "\n"
    "Prints one line per finding: FILE:ROW:COL: error|warning: message [code] (ROW and\n"
    "COL of the grid cell, or the line of a data or mapping file), then a summary.\n"
    "\n"
    "  --json       print the findings as one JSON object\n"
    "  --gen NAME   a general variable the standards may use (repeatable); names\n"
    "               beginning with gen_ are general variables anyway\n"
    "\n"
    "Exit codes: 0 no errors (warnings allowed), 1 errors found, 2 a usage error.\n";

// Every standard of the library, in path order.
std::vector<Ktx_String> libraryStandards(const std::string& libDir) {
    namespace fs = std::filesystem;
    std::vector<std::string> found;
    std::error_code ec;
    const fs::path root = fs::path(libDir) / "Connection Standards";
    for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string ext = Ktx_String(it->path().extension().string()).toLower().str();
        if (it->is_regular_file(ec) && ext == ".vns") found.push_back(it->path().string());
    }
    std::sort(found.begin(), found.end());
    std::vector<Ktx_String> standards;
    for (const std::string& f : found) standards.push_back(windowsPathFromHost(f));
    return standards;
}

// A standard named on the command line: a path on this machine, a file below the library's
// "Connection Standards" folder ("Childs/X.vns"), or a name in the library.
Ktx_String standardArgument(const std::string& libDir, const std::string& arg) {
    namespace fs = std::filesystem;
    std::error_code ec;
    for (const fs::path& p : {fs::path(arg), fs::path(libDir) / "Connection Standards" / arg})
        if (fs::is_regular_file(p, ec)) return windowsPathFromHost(fs::absolute(p, ec).string());
    return Ktx_String(arg);
}

}  // namespace

std::string lintUsage(const std::vector<std::string>&) {
    return kLintUsage;
}

int runLintCommand(const CliContext& context, const std::vector<std::string>& args) {
    bool json = false;
    std::vector<std::string> genVars;
    OptionParser parser("lint");
    parser.flag("--json", json).values("--gen", genVars);
    std::string error;
    if (!parser.parse(args, error)) return cliUsageError(context, error);
    if (parser.helpAsked()) return std::fputs(kLintUsage, context.out) < 0 ? 1 : 0;
    std::vector<Ktx_String> standards;
    for (const std::string& a : parser.positional())
        standards.push_back(standardArgument(context.libDir, a));
    if (parser.positional().empty()) standards = libraryStandards(context.libDir);
    LintReport report;
    StdLinter linter(report, genVars);
    for (const Ktx_String& s : standards) linter.lint(s);
    linter.finish();
    if (json) {
        report.printJson(context.out, static_cast<int>(standards.size()));
    } else {
        report.printText(context.out);
        std::fprintf(context.out, "%zu standard(s): %d error(s), %d warning(s)\n", standards.size(),
                     report.errors(), report.warnings());
    }
    return report.errors() > 0 ? 1 : 0;
}

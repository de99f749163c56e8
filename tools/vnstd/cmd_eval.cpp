// vnstd eval: evaluates a standard for a macro file (or every macro file of a folder) and
// prints the variables read and written. With no arguments at all ("vnstd" alone) it
// evaluates the shipped example standard on the shipped example macro.
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "calc_timers.h"
#include "cmd_eval_report.h"
#include "cmd_eval_run.h"
#include "commands.h"
#include "ktx_settings.h"
#include "path_translation.h"
#include "section_table_manager.h"

namespace {

// The shipped example: the end plate standard on an IPE 300 beam, mapped by its key.
EvalOptions exampleOptions(const CliContext& context) {
    EvalOptions o;
    o.standard = "EndPlate";
    o.macroFile =
        (std::filesystem::path(context.libDir).parent_path() / "macros" / "endplate_ipe300.macro")
            .string();
    o.key = "EndPlateIPE300";
    return o;
}

bool applyLib(const CliContext& context, const std::string& lib) {
    std::error_code ec;
    if (!std::filesystem::is_directory(lib, ec)) return false;
    gSettings.setLibDir(windowsPathFromHost(std::filesystem::absolute(lib, ec).string()));
    (void)context;
    return true;
}

void printWarnings(const CliContext& context, const EvalResult& result) {
    for (const std::string& w : result.warnings)
        std::fprintf(context.err, "warning: %s\n", w.c_str());
}

int runOne(const CliContext& context, const EvalOptions& o) {
    resetCalcTimers();
    const EvalResult result = evaluateMacroFile(o, o.macroFile);
    printWarnings(context, result);
    if (o.json) {
        printEvalJson(context.out, o.standard, o.macroFile, result, o.timings);
    } else if (result.ok) {
        printEvalTable(context.out, result);
        if (o.timings) {
            std::fprintf(context.out, "\n");
            printTimerTable(context.out);
        }
    }
    if (!result.ok) return cliFailure(context, result.reason);
    return 0;
}

std::vector<std::string> macroFilesOf(const std::string& dir) {
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
        if (entry.is_regular_file(ec) && entry.path().extension() == ".macro")
            files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

int runFolder(const CliContext& context, const EvalOptions& o) {
    std::error_code ec;
    if (!std::filesystem::is_directory(o.macrosDir, ec))
        return cliUsageError(context, "eval: no folder '" + o.macrosDir + "'");
    const std::vector<std::string> files = macroFilesOf(o.macrosDir);
    std::vector<std::string> failures;
    for (size_t i = 0; i < files.size(); ++i) {
        if (context.errIsTerminal)
            std::fprintf(context.err, "\r[%zu/%zu] %s\x1b[K", i + 1, files.size(),
                         files[i].c_str());
        const EvalResult result = evaluateMacroFile(o, files[i]);
        if (context.errIsTerminal && !result.warnings.empty()) std::fprintf(context.err, "\n");
        printWarnings(context, result);
        if (!result.ok) failures.push_back(files[i] + ": " + result.reason);
    }
    if (context.errIsTerminal) std::fprintf(context.err, "\n");
    std::fprintf(context.out, "evaluated: %zu\nfailed: %zu\n", files.size(), failures.size());
    for (const std::string& f : failures) std::fprintf(context.out, "  %s\n", f.c_str());
    return failures.empty() ? 0 : 1;
}

}  // namespace

int runEvalCommand(const CliContext& context, const std::vector<std::string>& args) {
    EvalOptions options;
    if (args.empty() && context.bareRun) {
        options = exampleOptions(context);
    } else {
        std::string error;
        if (args.empty())
            return cliUsageError(context, std::string("eval: no arguments\n") + kEvalUsage);
        if (!parseEvalOptions(args, options, error)) return cliUsageError(context, error);
    }
    if (!options.lib.empty() && !applyLib(context, options.lib))
        return cliUsageError(context, "eval: no library folder '" + options.lib + "'");
    gSettings.ssErrorMessages = options.messages;
    gSectionTables.loadLibrary();
    if (!options.macrosDir.empty()) return runFolder(context, options);
    return runOne(context, options);
}

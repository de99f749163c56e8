// vnstd eval: evaluates a standard for a macro file (or every macro file of a folder) and
// prints the variables read and written. With no arguments at all ("vnstd" alone) it
// evaluates the shipped example standard on the shipped example macro.
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "cmd_eval_jobs.h"
#include "cmd_eval_report.h"
#include "cmd_eval_run.h"
#include "commands.h"
#include "ktx_settings.h"
#include "path_translation.h"
#include "section_table_manager.h"
#include "string_helpers.h"

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

// Prints "vnstd: <message>" and a hint to the command's own help; returns 2.
int evalUsageError(const CliContext& context, const std::string& message) {
    std::fprintf(context.err, "vnstd: %s\nTry 'vnstd eval --help' for its arguments.\n",
                 message.c_str());
    return 2;
}

bool applyLib(const std::string& lib) {
    std::error_code ec;
    if (!std::filesystem::is_directory(lib, ec)) return false;
    gSettings.setLibDir(windowsPathFromHost(std::filesystem::absolute(lib, ec).string()));
    return true;
}

// The library whose "Connection Standards" folder (letter case folded) holds the file, or
// empty.
std::filesystem::path libraryHolding(const std::filesystem::path& file) {
    for (std::filesystem::path dir = file.parent_path(); !dir.empty() && dir != dir.root_path();
         dir = dir.parent_path()) {
        if (Ktx_String(dir.filename().string()).equal("Connection Standards", false))
            return dir.parent_path();
    }
    return {};
}

// A standard given as a file takes its child standards and data files from the library that
// holds it, unless --lib was given; when they come from another library a warning says which.
void chooseLibraryOf(const CliContext& context, const EvalOptions& o) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (o.standard.find('/') == std::string::npos || !fs::is_regular_file(o.standard, ec)) return;
    const fs::path lib = libraryHolding(fs::absolute(o.standard, ec).lexically_normal());
    if (!lib.empty() && !context.libGiven && o.lib.empty()) {
        gSettings.setLibDir(windowsPathFromHost(lib.string()));
        return;
    }
    const std::string current = hostPath(gSettings.libDir);
    if (!lib.empty() && fs::equivalent(lib, current, ec)) return;
    std::fprintf(context.err,
                 "warning: the standard %s lies outside the library %s: its child standards "
                 "and data files come from that library\n",
                 o.standard.c_str(), current.c_str());
}

// One "warning: ..." line per finding; in a folder run each names its macro file.
void printWarnings(const CliContext& context, const std::vector<std::string>& warnings,
                   const std::string& macro = std::string()) {
    const std::string prefix = macro.empty() ? std::string() : macro + ": ";
    for (const std::string& w : warnings)
        std::fprintf(context.err, "warning: %s%s\n", prefix.c_str(), w.c_str());
}

int runOne(const CliContext& context, const EvalOptions& o) {
    const EvalResult result = evaluateMacroFile(o, o.macroFile);
    const std::vector<TimerFigure> timers = currentTimerFigures();
    printWarnings(context, result.warnings);
    if (o.json) {
        printEvalJson(context.out, o.standard, o.macroFile, result, o.timings ? &timers : nullptr);
    } else if (result.ok) {
        printEvalTable(context.out, result);
        if (o.timings) {
            std::fprintf(context.out, "\n");
            printTimerTable(context.out, timers);
        }
    }
    if (!result.ok) return cliFailure(context, result.reason);
    return 0;
}

// The outcome of every file, one process after the other (a progress line on a terminal, each
// file's warnings as they come) or in worker processes (each file's warnings in file order,
// as soon as the files before it are done).
void evaluateFolder(const CliContext& context, const EvalOptions& o, const MacroFileList& files,
                    FolderSummary& summary, std::vector<TimerFigure>& timers) {
    if (o.jobs > 1 && files.size() > 1) {
        const int jobs = std::min<int>(o.jobs, static_cast<int>(files.size()));
        evaluateInWorkers(
            o, files, jobs,
            [&](size_t i, const FolderFileOutcome& outcome) {
                const std::string file = files.path(i);
                printWarnings(context, outcome.warnings, file);
                summary.add(file, outcome.reason);
            },
            timers);
        return;
    }
    for (size_t i = 0; i < files.size(); ++i) {
        const std::string file = files.path(i);
        if (context.errIsTerminal)
            std::fprintf(context.err, "\r[%zu/%zu] %s\x1b[K", i + 1, files.size(), file.c_str());
        const FolderFileOutcome outcome = evaluateFolderFile(o, file);
        addCurrentTimerFigures(timers);
        if (context.errIsTerminal && !outcome.warnings.empty()) std::fprintf(context.err, "\n");
        printWarnings(context, outcome.warnings, file);
        summary.add(file, outcome.reason);
    }
    if (context.errIsTerminal && !files.empty()) std::fprintf(context.err, "\n");
}

// Evaluates every macro file of the folder and prints the summary (and the timers added up
// over all files) at the end. Fails when any file failed.
int runFolder(const CliContext& context, const EvalOptions& o) {
    std::error_code ec;
    if (!std::filesystem::is_directory(o.macrosDir, ec))
        return evalUsageError(context, "eval: no folder '" + o.macrosDir + "'");
    FolderSummary summary;
    std::vector<TimerFigure> timers;
    evaluateFolder(context, o, MacroFileList(o.macrosDir), summary, timers);
    if (timers.empty()) timers = currentTimerFigures();
    if (o.json) {
        printFolderJson(context.out, summary, o.timings ? &timers : nullptr);
    } else {
        printFolderSummary(context.out, summary);
        if (o.timings) {
            std::fprintf(context.out, "\n");
            printTimerTable(context.out, timers);
        }
    }
    return summary.failures.empty() ? 0 : 1;
}

}  // namespace

int runEvalCommand(const CliContext& context, const std::vector<std::string>& args) {
    EvalOptions options;
    if (args.empty() && context.bareRun) {
        options = exampleOptions(context);
    } else {
        std::string error;
        if (args.empty()) return evalUsageError(context, "eval: no arguments");
        if (!parseEvalOptions(args, options, error)) return evalUsageError(context, error);
        if (options.help) return std::fputs(kEvalUsage, context.out) < 0 ? 1 : 0;
    }
    if (!options.lib.empty() && !applyLib(options.lib))
        return evalUsageError(context, "eval: no library folder '" + options.lib + "'");
    chooseLibraryOf(context, options);
    gSettings.ssErrorMessages = options.messages;
    gSectionTables.loadLibrary();
    if (!options.macrosDir.empty()) return runFolder(context, options);
    return runOne(context, options);
}

#include "cmd_eval_options.h"

#include <cstdlib>

#include "option_parser.h"

const char* const kEvalUsage =
    "usage: vnstd eval STANDARD MACRO_FILE (--key KEY | --module GROUP) [options]\n"
    "       vnstd eval STANDARD --macros DIR (--key KEY | --module GROUP) [options]\n"
    "       vnstd eval --help\n"
    "\n"
    "Evaluates the standard STANDARD (a name in the library's \"Connection Standards\"\n"
    "folder, or a .vns file) for a macro file and prints the Input values read and the\n"
    "Output values written, before and after. With --macros, evaluates every *.macro file\n"
    "of DIR and prints a summary.\n"
    "\n"
    "  --key KEY         the macro's line in the standard's mapping file\n"
    "  --module GROUP    a module group of the macro (variable names are module paths)\n"
    "  --gen NAME=VALUE  a general variable replaced in the standard (repeatable); adds\n"
    "                    to or overrides the macro's own general variables\n"
    "  --lib DIR         the product library folder\n"
    "  --write           store the changed values back into the macro file (only on\n"
    "                    success; comments and layout kept; an unchanged file is not\n"
    "                    touched). Refused when an Input could not be retrieved, a\n"
    "                    CallChild failed or a data or section file could not be read\n"
    "  --force           with --write: write even then\n"
    "  --strict          fail when an Input could not be retrieved or an Output could\n"
    "                    not be set\n"
    "  --json            print the result as JSON\n"
    "  --timings         print the 25 evaluation timers\n"
    "  --messages        switch on the spreadsheet error messages\n"
    "  --jobs N          with --macros: evaluate in N worker processes (1 to 64), each\n"
    "                    with a module of its own; the same output as one process\n"
    "\n"
    "Message boxes of the engine, and every variable that could not be retrieved or set, are\n"
    "printed to stderr as \"warning: ...\" lines.\n"
    "Exit codes: 0 success, 1 the evaluation failed, 2 a usage error.\n";

namespace {

bool takeGen(const std::string& text, EvalOptions& o, std::string& error) {
    const size_t eq = text.find('=');
    if (eq == std::string::npos || eq == 0) {
        error = "eval: --gen needs NAME=VALUE, got '" + text + "'";
        return false;
    }
    o.genVars.emplace_back(text.substr(0, eq), text.substr(eq + 1));
    return true;
}

bool takeJobs(const std::string& text, EvalOptions& o, std::string& error) {
    char* end = nullptr;
    const long jobs = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || jobs < 1 || jobs > 64) {
        error = "eval: --jobs needs a number from 1 to 64, got '" + text + "'";
        return false;
    }
    o.jobs = static_cast<int>(jobs);
    return true;
}

bool checkOptions(const EvalOptions& o, std::string& error) {
    if (o.standard.empty())
        error = "eval: no standard given";
    else if (o.macroFile.empty() && o.macrosDir.empty())
        error = "eval: no macro file given";
    else if (!o.macroFile.empty() && !o.macrosDir.empty())
        error = "eval: give a macro file or --macros DIR, not both";
    else if (o.key.empty() == o.module.empty())
        error = "eval: give exactly one of --key KEY and --module GROUP";
    else if (o.force && !o.write)
        error = "eval: --force goes with --write";
    else if (o.jobs > 1 && o.macrosDir.empty())
        error = "eval: --jobs goes with --macros";
    return error.empty();
}

}  // namespace

bool parseEvalOptions(const std::vector<std::string>& args, EvalOptions& o, std::string& error) {
    std::vector<std::string> gens;
    std::string jobs;
    OptionParser parser("eval");
    parser.flag("--write", o.write)
        .flag("--force", o.force)
        .flag("--strict", o.strict)
        .flag("--json", o.json)
        .flag("--timings", o.timings)
        .flag("--messages", o.messages)
        .value("--key", o.key)
        .value("--module", o.module)
        .value("--lib", o.lib)
        .value("--macros", o.macrosDir)
        .value("--jobs", jobs)
        .values("--gen", gens);
    if (!parser.parse(args, error)) return false;
    o.help = parser.helpAsked();
    if (o.help) return true;
    for (const std::string& gen : gens)
        if (!takeGen(gen, o, error)) return false;
    if (!jobs.empty() && !takeJobs(jobs, o, error)) return false;
    const std::vector<std::string>& positional = parser.positional();
    if (positional.size() > 2) {
        error = "eval: too many arguments ('" + positional[2] + "')";
        return false;
    }
    if (!positional.empty()) o.standard = positional[0];
    if (positional.size() > 1) o.macroFile = positional[1];
    return checkOptions(o, error);
}

std::string evalUsage(const std::vector<std::string>&) {
    return kEvalUsage;
}

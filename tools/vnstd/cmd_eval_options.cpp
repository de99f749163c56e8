#include "cmd_eval_options.h"

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
    "  --gen NAME=VALUE  a general variable replaced in the standard (repeatable)\n"
    "  --lib DIR         the product library folder\n"
    "  --write           store the changed macro back into its file (only on success)\n"
    "  --json            print the result as JSON\n"
    "  --timings         print the 25 evaluation timers\n"
    "  --messages        switch on the spreadsheet error messages\n"
    "\n"
    "Message boxes of the engine are printed to stderr as \"warning: ...\" lines.\n"
    "Exit codes: 0 success, 1 the evaluation failed, 2 a usage error.\n";

namespace {

bool optionValue(const std::vector<std::string>& a, size_t& i, const std::string& name,
                 std::string& value, std::string& error) {
    if (a[i].rfind(name + "=", 0) == 0) {
        value = a[i].substr(name.size() + 1);
    } else if (i + 1 < a.size()) {
        value = a[++i];
    }
    if (value.empty()) error = "eval: option " + name + " needs a value";
    return !value.empty();
}

bool is(const std::string& arg, const char* name) {
    return arg == name || arg.rfind(std::string(name) + "=", 0) == 0;
}

bool takeGen(const std::string& text, EvalOptions& o, std::string& error) {
    const size_t eq = text.find('=');
    if (eq == std::string::npos || eq == 0) {
        error = "eval: --gen needs NAME=VALUE, got '" + text + "'";
        return false;
    }
    o.genVars.emplace_back(text.substr(0, eq), text.substr(eq + 1));
    return true;
}

bool takeOption(const std::vector<std::string>& a, size_t& i, EvalOptions& o, std::string& error) {
    const std::string& arg = a[i];
    std::string value;
    if (arg == "--help" || arg == "-h") return (o.help = true);
    if (arg == "--write") return (o.write = true);
    if (arg == "--json") return (o.json = true);
    if (arg == "--timings") return (o.timings = true);
    if (arg == "--messages") return (o.messages = true);
    if (is(arg, "--key")) return optionValue(a, i, "--key", o.key, error);
    if (is(arg, "--module")) return optionValue(a, i, "--module", o.module, error);
    if (is(arg, "--lib")) return optionValue(a, i, "--lib", o.lib, error);
    if (is(arg, "--macros")) return optionValue(a, i, "--macros", o.macrosDir, error);
    if (is(arg, "--gen"))
        return optionValue(a, i, "--gen", value, error) && takeGen(value, o, error);
    error = "eval: unknown option '" + arg + "'";
    return false;
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
    return error.empty();
}

}  // namespace

bool parseEvalOptions(const std::vector<std::string>& args, EvalOptions& o, std::string& error) {
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i].size() > 1 && args[i][0] == '-') {
            if (!takeOption(args, i, o, error)) return false;
        } else {
            positional.push_back(args[i]);
        }
    }
    if (o.help) return true;
    if (positional.size() > 2) {
        error = "eval: too many arguments ('" + positional[2] + "')";
        return false;
    }
    if (!positional.empty()) o.standard = positional[0];
    if (positional.size() > 1) o.macroFile = positional[1];
    return checkOptions(o, error);
}

// vnstd explain: evaluates a standard for a macro and shows, for each Output, the tree of what
// made its value.
#include "cmd_eval_run.h"
#include "commands.h"
#include "explain_tree.h"
#include "ktx_settings.h"
#include "option_parser.h"
#include "section_table_manager.h"
#include "vn_map_kind.h"
#include "vn_ss_mapping.h"

namespace {

const char* const kExplainUsage =
    "usage: vnstd explain STANDARD MACRO_FILE (--key KEY | --module GROUP) [OUTPUT...]\n"
    "                     [--gen NAME=VALUE]... [--json]\n"
    "       vnstd explain --help\n"
    "\n"
    "Evaluates STANDARD for the macro file as \"vnstd eval\" does and prints, for each\n"
    "Output (or only those named), the tree of what made its value: the Calc cell that\n"
    "set it (row, column, text) and its translated formula, what the engineering\n"
    "functions chose in it (candidates and tolerance window, the look-up row, the section\n"
    "value read), and each variable the cell read with its value and where that came\n"
    "from: another Calc cell, a child standard's Output, the argument a child was given,\n"
    "the macro property the mapping names, or a general variable.\n"
    "\n"
    "  --key KEY         the macro's line in the standard's mapping file\n"
    "  --module GROUP    a module group of the macro\n"
    "  --gen NAME=VALUE  a general variable (repeatable)\n"
    "  --json            print the trees as JSON\n"
    "\n"
    "Exit codes: 0 success, 1 the evaluation failed or an OUTPUT is no Output, 2 a usage\n"
    "error.\n";

struct MacroSource {
    VnSSMapping mapping;
    bool mapped = false;
    std::string key, module;
};

std::string describeSource(const std::string& name, int type, const void* context) {
    const auto* source = static_cast<const MacroSource*>(context);
    if (!source->module.empty())
        return "the path '" + name + "' in the modules of the group '" + source->module + "'";
    int index = -1;
    if (!source->mapped ||
        source->mapping.findSSVar(Ktx_String(name), static_cast<VnValueType>(type), index) !=
            Acad::eOk)
        return "no map in the key '" + source->key + "'";
    const VnObjectMap& map = source->mapping.map(index);
    const char* keyword = mapKindKeyword(map.kind);
    const std::string object = map.objectName.isEmpty() ? "" : "'" + map.objectName.str() + "' ";
    return object + (keyword ? keyword : "?") +
           (map.varName.isEmpty() ? std::string() : " " + map.varName.str()) + " (mapping key " +
           source->key + ")";
}

bool parseExplain(const std::vector<std::string>& args, EvalOptions& o,
                  std::vector<std::string>& outputs, std::string& error) {
    std::vector<std::string> gens;
    OptionParser parser("explain");
    parser.value("--key", o.key)
        .value("--module", o.module)
        .values("--gen", gens)
        .flag("--json", o.json);
    if (!parser.parse(args, error)) return false;
    o.help = parser.helpAsked();
    if (o.help) return true;
    for (const std::string& g : gens) {
        const size_t eq = g.find('=');
        if (eq == std::string::npos || eq == 0) {
            error = "explain: --gen needs NAME=VALUE, got '" + g + "'";
            return false;
        }
        o.genVars.emplace_back(g.substr(0, eq), g.substr(eq + 1));
    }
    const auto& positional = parser.positional();
    if (positional.size() < 2)
        error = "explain: give the standard and the macro file";
    else if (o.key.empty() == o.module.empty())
        error = "explain: give exactly one of --key KEY and --module GROUP";
    if (!error.empty()) return false;
    o.standard = positional[0];
    o.macroFile = positional[1];
    outputs.assign(positional.begin() + 2, positional.end());
    return true;
}

}  // namespace

std::string explainUsage(const std::vector<std::string>&) {
    return kExplainUsage;
}

int runExplainCommand(const CliContext& context, const std::vector<std::string>& args) {
    EvalOptions o;
    std::vector<std::string> outputs;
    std::string error;
    if (!parseExplain(args, o, outputs, error)) return cliUsageError(context, error);
    if (o.help) return std::fputs(kExplainUsage, context.out) < 0 ? 1 : 0;
    gSettings.ssErrorMessages = false;
    gSectionTables.loadLibrary();
    VnEvalTrace trace;
    EvalResult result;
    {
        VnEvalTrace::Scope scope(trace);
        result = evaluateMacroFile(o, o.macroFile);
    }
    if (!result.ok) return cliFailure(context, result.reason);
    MacroSource source;
    source.key = o.key;
    source.module = o.module;
    if (source.module.empty() && o.key.rfind("Module.", 0) == 0) source.module = o.key.substr(7);
    if (source.module.empty())
        source.mapped = source.mapping.getMappingFromFile(Ktx_String(o.standard),
                                                          Ktx_String(o.key)) == Acad::eOk;
    ExplainTree tree(trace, &describeSource, &source);
    std::vector<std::string> unknown;
    const std::vector<ExplainNode> trees = tree.outputs(outputs, unknown);
    if (!unknown.empty()) return cliFailure(context, "no Output named '" + unknown[0] + "'");
    if (o.json)
        printExplainJson(context.out, trees);
    else
        printExplainText(context.out, trees);
    return 0;
}

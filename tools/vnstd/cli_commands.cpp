#include "commands.h"

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> commands = {
        {"bill", "write a bill of material into a spreadsheet", runBillCommand, billUsage},
        {"comreg", "register, remove or list the COM module's registry entries", runComregCommand,
         comregUsage},
        {"cutting", "list, show or report the cutting-stock tables", runCuttingCommand,
         cuttingUsage},
        {"eval", "evaluate a standard for a macro", runEvalCommand, evalUsage},
        {"explain", "show what made each Output of an evaluation", runExplainCommand, explainUsage},
        {"lint", "check standards as the engine reads them", runLintCommand, lintUsage},
        {"macro", "show a macro file's catalogue, edit a macro, pick a macro drawing",
         runMacroCommand, macroUsage},
        {"mapping", "show a mapping file, link a standard's variables", runMappingCommand,
         mappingUsage},
        {"sections", "list, show, add to or check the section tables", runSectionsCommand,
         sectionsUsage},
        {"sheet", "calculate, convert, show or read spreadsheet files", runSheetCommand,
         sheetUsage},
        {"template", "list, show or check the dialog templates", runTemplateCommand, templateUsage},
        {"test", "run a folder of regression cases of standards", runTestCommand, testUsage},
        {"ui", "serve the module's dialogs to a web browser", runUiCommand, uiUsage},
    };
    return commands;
}

bool cliAsksForHelp(const std::vector<std::string>& args) {
    for (const std::string& a : args) {
        if (a == "--") return false;
        if (a == "--help" || a == "-h") return true;
    }
    return false;
}

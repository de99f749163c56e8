#pragma once
// The rules of "vnstd lint", run on standards read by the engine's own parsing (std_sheet.h,
// calc_formula.h): declarations, Calc cells, CallChild calls and their cycles, the data files
// the engineering functions read, and the standard's mapping file. Each rule adds findings to
// a LintReport; the rules never change a file.
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "calc_formula.h"
#include "lint_report.h"
#include "std_sheet.h"

class VnStandardsCalcIndex;

class StdLinter {
  public:
    // genVars: names of general variables the standards may use besides those beginning with
    // "gen_" (which a macro passes).
    StdLinter(LintReport& report, std::vector<std::string> genVars);

    // Lints one standard (a name in the library or a path).
    void lint(const Ktx_String& standard);
    // After every standard: the CallChild cycles among them and the standards they call.
    void finish();

    // A file's path as findings show it: relative to the working folder when inside it.
    static std::string shown(const std::string& hostPath);

  private:
    // What the Calc cells of one standard do with its variables (indices into variables).
    struct Usage {
        const VnVarCells* vars = nullptr;  // duplicates dropped, as the engine calculates
        std::map<std::pair<int, int>, int> byCell;
        std::set<int> assigned;
        std::set<int> used;
    };
    // A CallChild cell whose child resolves.
    struct CallEdge {
        std::string child;      // the child's Windows path
        std::string childHost;  // its host path (the child's identity)
        int row = 0, col = 0;
    };

    void declarations(const StdSheet& s);
    void duplicates(const StdSheet& s);
    void calcCells(const StdSheet& s, const VnStandardsCalcIndex& index, Usage& usage);
    void plainCell(const StdSheet& s, const StdSheetCell& cell, const VnStandardsCalcIndex& index,
                   Usage& usage);
    void formulaNames(const StdSheet& s, const StdSheetCell& cell, const std::string& expression,
                      const VnStandardsCalcIndex& index, Usage& usage);
    void unknownNames(const std::string& file, const StdSheetCell& cell,
                      const std::vector<std::string>& names, const VnStandardsCalcIndex& index,
                      const Usage& usage);
    void functionCalls(const StdSheet& s, const StdSheetCell& cell,
                       const std::vector<CalcCall>& calls);
    void childCell(const StdSheet& s, const StdSheetCell& cell, const std::string& expression,
                   Usage& usage);
    void childArguments(const StdSheet& s, const StdSheetCell& cell, const StdSheet& child,
                        const std::vector<int>& args, Usage& usage);
    void usageRules(const StdSheet& s, const Usage& usage);
    void dataFile(const StdSheet& s, const StdSheetCell& cell, const std::string& function,
                  const std::string& name);
    void sizeFileLines(const std::string& hostPath);
    void tableFileLines(const std::string& hostPath);
    void mappingFile(const StdSheet& s, const VnVarCells& vars);
    void mappingLine(const VnVarCells& vars, const std::string& file, int lineNo,
                     const std::string& line, std::set<std::string>& keys);
    struct Place {
        std::string file;
        int row = 0, col = 0;
    };
    void mappingPair(const VnVarCells& vars, const Place& at, const std::string& pair,
                     std::set<std::string>& mapped);
    void unmappedVariables(const VnVarCells& vars, const std::string& file, int lineNo,
                           const std::string& key, const std::set<std::string>& mapped);
    // The CallChild cells of a standard whose child resolves (kept per standard).
    const std::vector<CallEdge>& callsOf(const StdSheet& s);
    bool isGeneralVariable(const std::string& name) const;
    void findCycles(const StdSheet& start);

    LintReport& report_;
    std::vector<std::string> genVars_;
    StdSheetCache sheets_;
    std::set<std::string> checkedDataFiles_;
    std::map<std::string, std::vector<CallEdge>> calls_;  // host path -> its CallChild cells
    std::vector<std::shared_ptr<const StdSheet>> linted_;
    std::set<std::string> cyclesReported_;
};

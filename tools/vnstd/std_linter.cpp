#include "std_linter.h"

#include <filesystem>
#include <functional>

#include "path_translation.h"
#include "sheet_file_check.h"
#include "string_helpers.h"
#include "vn_ss_functions_host.h"
#include "vn_standards_calc_index.h"
#include "vn_standards_spread.h"

namespace {

const char* const kSectionNames[3] = {"Input", "Output", "Local"};
const char* const kTypeWords[3] = {"Int", "Double", "String"};

std::string quoted(const std::string& s) {
    return "'" + s + "'";
}

// The first word of a declaration text (leading blanks stripped).
std::string typeWord(const std::string& text) {
    const size_t start = text.find_first_not_of(' ');
    if (start == std::string::npos) return std::string();
    const size_t end = text.find(' ', start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// The variables the engine calculates with: later declarations of a name (letter case
// folded) dropped, as calcAll drops them.
VnVarCells withoutDuplicates(const VnVarCells& all) {
    VnVarCells kept;
    std::set<std::string> seen;
    for (int i = 0; i < all.length(); ++i)
        if (seen.insert(VnStandardsCalcIndex::foldedKey(all[i].name)).second) kept.append(all[i]);
    return kept;
}

}  // namespace

StdLinter::StdLinter(LintReport& report, std::vector<std::string> genVars)
    : report_(report), genVars_(std::move(genVars)) {}

std::string StdLinter::shown(const std::string& hostPath) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path cwd = fs::current_path(ec);
    const fs::path abs = fs::absolute(hostPath, ec).lexically_normal();
    const fs::path rel = abs.lexically_relative(cwd);
    if (ec || rel.empty() || *rel.begin() == "..") return abs.string();
    return rel.string();
}

bool StdLinter::isGeneralVariable(const std::string& name) const {
    if (name.rfind("gen_", 0) == 0) return true;
    for (const std::string& g : genVars_)
        if (g == name) return true;
    return false;
}

void StdLinter::lint(const Ktx_String& standard) {
    const auto sheet = sheets_.get(standard);
    const StdSheet& s = *sheet;
    linted_.push_back(sheet);
    if (!s.loaded) {
        std::string problem = sheetFileProblem(s.hostPath);
        if (problem.empty()) problem = "the grid refused the file";
        report_.error(shown(s.hostPath), 1, 1, "the standard does not load: " + problem, "load");
        return;
    }
    declarations(s);
    duplicates(s);
    const VnVarCells kept = withoutDuplicates(s.variables);
    const VnStandardsCalcIndex index(kept);
    Usage usage;
    usage.vars = &kept;
    for (int i = 0; i < kept.length(); ++i) usage.byCell[{kept[i].col, kept[i].row}] = i;
    calcCells(s, index, usage);
    usageRules(s, usage);
    mappingFile(s, kept);
}

void StdLinter::declarations(const StdSheet& s) {
    const std::string file = shown(s.hostPath);
    if (s.first[0] < 0)
        report_.error(file, 1, 1, "no \"Input\" header: the engine finds no variables", "header");
    if (s.first[1] < 0)
        report_.error(file, 1, 1, "no \"Output\" header: the engine finds no variables", "header");
    if (s.first[3] < 0)
        report_.error(file, 1, 1, "no \"Calc\" header: every evaluation fails", "header");
    for (size_t i = 0; i < s.strayCells.size(); ++i) {
        const StdSheetCell& c = s.strayCells[i];
        report_.warning(file, c.row, c.col,
                        quoted(c.text) + " in the " + kSectionNames[s.strayCellSections[i]] +
                            " section declares nothing: its type word " + quoted(typeWord(c.text)) +
                            " is none of Int, Double, String",
                        "type-word");
    }
    for (int i = 0; i < s.variables.length(); ++i) {
        const VnVarCell& v = s.variables[i];
        const std::string& text = s.declarations[static_cast<size_t>(i)];
        const std::string word = typeWord(text);
        const char* type = kTypeWords[v.valueType];
        if (!Ktx_String(word).equal(Ktx_String(type), false))
            report_.warning(file, v.row, v.col,
                            "the type word " + quoted(word) + " is read as " + type +
                                (v.name.isEmpty() ? std::string() : " of " + quoted(v.name.str())),
                            "type-word");
        if (v.name.isEmpty()) {
            report_.error(file, v.row, v.col,
                          quoted(text) +
                              " declares a variable without a name (it still takes a "
                              "place in a child's argument order)",
                          "empty-name");
            continue;
        }
        Ktx_String stripped = v.name;
        stripSymbols(stripped, ' ', true, true);
        if (stripped != v.name || v.name.contains("  "))
            report_.warning(file, v.row, v.col,
                            "the name " + quoted(v.name.str()) +
                                " has stray blanks: the translator matches it only with them",
                            "name-blanks");
    }
}

void StdLinter::duplicates(const StdSheet& s) {
    const std::string file = shown(s.hostPath);
    std::map<std::string, int> first;
    for (int i = 0; i < s.variables.length(); ++i) {
        const VnVarCell& v = s.variables[i];
        if (v.name.isEmpty()) continue;
        const auto [it, added] = first.emplace(VnStandardsCalcIndex::foldedKey(v.name), i);
        if (added) continue;
        const VnVarCell& winner = s.variables[it->second];
        report_.error(file, v.row, v.col,
                      "duplicate variable " + quoted(v.name.str()) + ": the first declaration (" +
                          kSectionNames[winner.cellType] + ", row " + std::to_string(winner.row) +
                          ", column " + std::to_string(winner.col) +
                          ") wins and this one is dropped, with a message at every evaluation",
                      "duplicate");
    }
}

void StdLinter::usageRules(const StdSheet& s, const Usage& usage) {
    const std::string file = shown(s.hostPath);
    const VnVarCells& vars = *usage.vars;
    for (int i = 0; i < vars.length(); ++i) {
        const VnVarCell& v = vars[i];
        if (v.name.isEmpty()) continue;
        if (v.isOutput() && !usage.assigned.count(i))
            report_.warning(file, v.row, v.col,
                            "the Output " + quoted(v.name.str()) +
                                " is assigned by no Calc cell: it goes back as it came in",
                            "output-unassigned");
        if (v.isLocal() && !usage.used.count(i))
            report_.warning(file, v.row, v.col,
                            "the Local " + quoted(v.name.str()) + " is never used", "local-unused");
    }
}

void StdLinter::finish() {
    for (const auto& start : linted_) findCycles(*start);
    report_.sort();
}

const std::vector<StdLinter::CallEdge>& StdLinter::callsOf(const StdSheet& s) {
    auto it = calls_.find(s.hostPath);
    if (it != calls_.end()) return it->second;
    std::vector<CallEdge> edges;
    for (const StdSheetCell& cell : s.calcCells) {
        Ktx_String left, expression, path;
        Ktx_StringArray pieces;
        VnStandardsSpread::splitCalcText(Ktx_String(cell.text), left, expression);
        if (!expression.contains("CallChild") ||
            !VnStandardsSpread::childCallPieces(expression, "CallChild", pieces) ||
            !VnStandardsSpread::resolveChildFile(pieces[0], Ktx_String(s.path), path))
            continue;
        edges.push_back({path.str(), vnHostPath(path), cell.row, cell.col});
    }
    return calls_.emplace(s.hostPath, std::move(edges)).first->second;
}

// Depth-first from `start` along the CallChild cells; every way back to `start` through other
// standards is a cycle, reported once per cycle at the CallChild cell of `start` that enters it.
void StdLinter::findCycles(const StdSheet& start) {
    std::vector<std::string> names{start.name()};
    std::vector<CallEdge> entered;
    std::set<std::string> onPath{start.hostPath}, done;
    std::function<void(const StdSheet&)> visit = [&](const StdSheet& at) {
        for (const CallEdge& edge : callsOf(at)) {
            if (edge.childHost == start.hostPath) {
                if (entered.empty()) continue;  // a standard calling itself: child-self
                std::string text;
                for (const std::string& n : names) text += n + " -> ";
                text += start.name();
                if (cyclesReported_.insert(start.hostPath + "|" + text).second)
                    report_.error(
                        shown(start.hostPath), entered.front().row, entered.front().col,
                        "CallChild cycle " + text + ": the evaluation fails at the nesting bound",
                        "child-cycle");
                continue;
            }
            if (onPath.count(edge.childHost) || done.count(edge.childHost)) continue;
            const auto child = sheets_.get(Ktx_String(edge.child));
            names.push_back(child->name());
            entered.push_back(edge);
            onPath.insert(edge.childHost);
            visit(*child);
            onPath.erase(edge.childHost);
            entered.pop_back();
            names.pop_back();
            done.insert(edge.childHost);
        }
    };
    visit(start);
}

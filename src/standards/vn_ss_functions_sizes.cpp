// The tolerance functions: STDWIDTHWITHTOLERANCE, STDTHICKNESSWITHTOLERANCE and
// STDSIZEWITHTOLERANCE.
#include "vn_eval_report.h"
#include "vn_eval_trace.h"
#include "vn_ss_functions.h"
#include "vn_ss_functions_args.h"
#include "vn_ss_functions_files.h"
#include "vn_ss_functions_host.h"
#include "vn_ss_functions_tolerance.h"

using Args = VnSSFunctionsArgs;

namespace {

// The sizes of a standard-size file; empty when the file is missing or unreadable.
// A missing, unreadable or empty file is added to the evaluation report.
// The kept list itself is handed out, not a copy.
std::shared_ptr<const std::vector<StdSize>> sizesOf(const std::string& fileName) {
    static const auto kNone = std::make_shared<const std::vector<StdSize>>();
    const auto& file = VnSSFunctionsFiles::sizeListNamed(fileName);
    if (!file.found) {
        VnEvalReport::fileUnreadable(fileName, "no such standard-size file");
        return kNone;
    }
    const auto& list = file.parsed;
    if (!list || list->empty())
        VnEvalReport::fileUnreadable(vnHostPath(file.path),
                                     list ? "has no sizes" : "cannot be read");
    return list ? list : kNone;
}

// Which numbers of a size list are the candidates.
enum class Column { Sizes, Thicknesses, WidthsForThickness };

// The candidates drawn from a parsed size list. Kept, one per column, while the same parsed
// list is handed out for the file (a changed file is parsed into another list): the same
// columns of the same files are asked for in every evaluation.
const std::vector<double>& candidatesOf(const std::shared_ptr<const std::vector<StdSize>>& list,
                                        Column column, double thickness = 0.0) {
    struct Kept {
        std::shared_ptr<const std::vector<StdSize>> list;
        double thickness = 0.0;
        std::vector<double> values;
    };
    static Kept kept[3];
    Kept& k = kept[static_cast<int>(column)];
    const bool forThickness = column != Column::WidthsForThickness || k.thickness == thickness;
    if (k.list == list && forThickness) return k.values;
    switch (column) {
        case Column::Sizes:
            k.values = StdSizeFile::sizes(*list);
            break;
        case Column::Thicknesses:
            k.values = StdSizeFile::thicknesses(*list);
            break;
        case Column::WidthsForThickness:
            k.values = StdSizeFile::widthsFor(*list, thickness);
            break;
    }
    k.list = list;
    k.thickness = thickness;
    return k.values;
}

// Reads args[first .. first+n-1] as numbers; false at the first that is not a number.
bool readNumbers(const SpreadValue* args, int first, int n, double* out) {
    for (int i = 0; i < n; ++i) {
        if (!Args::readNumber(args[first + i], out[i])) return false;
    }
    return true;
}

void warnOnBadTolerances(double down, double up) {
    if (VnSSFunctionsTolerance::tolerancesValid(down, up)) return;
    if (vnSpreadsheetMessagesOn())
        vnShowExclamation(VnSSFunctionsTolerance::toleranceMessage(down, up));
}

// The choice, and in the evaluation trace, if one is kept: the candidates, the window around
// the value and whether a candidate was taken or the value brought to the step.
double chosen(const char* function, const std::string& file, const std::vector<double>& candidates,
              const VnToleranceQuery& q) {
    const double result = VnSSFunctionsTolerance::choose(candidates, q);
    if (!VnEvalTrace::current()) return result;
    VnEvalTrace::Choice c;
    c.function = function;
    c.candidates = candidates;
    c.tolerance = true;
    c.low = q.value - q.down;
    c.high = q.value + q.up;
    const bool candidate = VnSSFunctionsTolerance::chooseCandidate(candidates, q).has_value();
    c.detail = file + (candidate ? ": the candidate nearest within the window"
                                 : ": no candidate within the window, the value brought to a "
                                   "multiple of the step");
    c.result = std::to_string(result);
    VnEvalTrace::choiceMade(c);
    return result;
}

// STDSIZE... and STDTHICKNESS...: (file, step, value, down, up) over a per-line number.
bool chooseFromColumn(SpreadValue* result, SpreadValue* args, short count, bool thickness) {
    Args::resetResult(result);
    std::string file;
    double n[4];  // step, value, down, up
    if (count < 5 || !Args::readText(args[0], file) || !readNumbers(args, 1, 4, n)) return false;
    warnOnBadTolerances(n[2], n[3]);
    const std::vector<double>& candidates =
        candidatesOf(sizesOf(file), thickness ? Column::Thicknesses : Column::Sizes);
    const VnToleranceQuery q{n[1], n[0], n[2], n[3]};
    const char* name = thickness ? "STDTHICKNESSWITHTOLERANCE" : "STDSIZEWITHTOLERANCE";
    return Args::writeNumber(result, chosen(name, file, candidates, q));
}

}  // namespace

bool VnSSFunctions::stdWidthWithTolerance(SpreadValue* result, SpreadValue* args, short count) {
    Args::resetResult(result);
    std::string file;
    double n[5];  // step, thickness, width, down, up
    if (count < 6 || !Args::readText(args[0], file) || !readNumbers(args, 1, 5, n)) return false;
    warnOnBadTolerances(n[3], n[4]);
    const std::vector<double>& widths =
        candidatesOf(sizesOf(file), Column::WidthsForThickness, n[1]);
    const VnToleranceQuery q{n[2], n[0], n[3], n[4]};
    return Args::writeNumber(result, chosen("STDWIDTHWITHTOLERANCE", file, widths, q));
}

bool VnSSFunctions::stdThicknessWithTolerance(SpreadValue* result, SpreadValue* args, short count) {
    return chooseFromColumn(result, args, count, true);
}

bool VnSSFunctions::stdSizeWithTolerance(SpreadValue* result, SpreadValue* args, short count) {
    return chooseFromColumn(result, args, count, false);
}

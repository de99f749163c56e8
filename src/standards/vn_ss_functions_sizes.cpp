// The tolerance functions: STDWIDTHWITHTOLERANCE, STDTHICKNESSWITHTOLERANCE and
// STDSIZEWITHTOLERANCE.
#include "vn_eval_report.h"
#include "vn_ss_functions.h"
#include "vn_ss_functions_args.h"
#include "vn_ss_functions_files.h"
#include "vn_ss_functions_host.h"
#include "vn_ss_functions_tolerance.h"

using Args = VnSSFunctionsArgs;

namespace {

// The sizes of a standard-size file; empty when the file is missing or unreadable.
// A missing, unreadable or empty file is added to the evaluation report.
std::vector<StdSize> sizesOf(const std::string& fileName) {
    Ktx_String path;
    if (!VnSSFunctionsFiles::resolve(Ktx_String(fileName), path)) {
        VnEvalReport::fileUnreadable(fileName, "no such standard-size file");
        return {};
    }
    const auto list = VnSSFunctionsFiles::sizeList(path);
    if (!list || list->empty())
        VnEvalReport::fileUnreadable(vnHostPath(path), list ? "has no sizes" : "cannot be read");
    return list ? *list : std::vector<StdSize>{};
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

// STDSIZE... and STDTHICKNESS...: (file, step, value, down, up) over a per-line number.
bool chooseFromColumn(SpreadValue* result, SpreadValue* args, short count, bool thickness) {
    Args::resetResult(result);
    std::string file;
    double n[4];  // step, value, down, up
    if (count < 5 || !Args::readText(args[0], file) || !readNumbers(args, 1, 4, n)) return false;
    warnOnBadTolerances(n[2], n[3]);
    const auto list = sizesOf(file);
    const auto candidates = thickness ? StdSizeFile::thicknesses(list) : StdSizeFile::sizes(list);
    const VnToleranceQuery q{n[1], n[0], n[2], n[3]};
    return Args::writeNumber(result, VnSSFunctionsTolerance::choose(candidates, q));
}

}  // namespace

bool VnSSFunctions::stdWidthWithTolerance(SpreadValue* result, SpreadValue* args, short count) {
    Args::resetResult(result);
    std::string file;
    double n[5];  // step, thickness, width, down, up
    if (count < 6 || !Args::readText(args[0], file) || !readNumbers(args, 1, 5, n)) return false;
    warnOnBadTolerances(n[3], n[4]);
    const auto widths = StdSizeFile::widthsFor(sizesOf(file), n[1]);
    const VnToleranceQuery q{n[2], n[0], n[3], n[4]};
    return Args::writeNumber(result, VnSSFunctionsTolerance::choose(widths, q));
}

bool VnSSFunctions::stdThicknessWithTolerance(SpreadValue* result, SpreadValue* args, short count) {
    return chooseFromColumn(result, args, count, true);
}

bool VnSSFunctions::stdSizeWithTolerance(SpreadValue* result, SpreadValue* args, short count) {
    return chooseFromColumn(result, args, count, false);
}

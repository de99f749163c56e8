#include "vn_ss_functions.h"

#include <cstdlib>

#include "object_export_math.h"
#include "ss_functions.h"
#include "string_helpers.h"
#include "vn_ss_functions_args.h"

using Args = VnSSFunctionsArgs;

const std::vector<VnSSFunctions::Info>& VnSSFunctions::table() {
    static const std::vector<Info> entries = {
        {"ROUNDTO", 2, 2, &roundTo},
        {"GETCELL", 2, 7, &getCell},
        {"GETPROFCELL", 2, 7, &getProfCell},
        {"SECTIONSIZE", 2, 2, &sectionSize},
        {"GETSYSNAME", 1, 1, &getSysName},
        {"STDWIDTHWITHTOLERANCE", 6, 6, &stdWidthWithTolerance},
        {"STDTHICKNESSWITHTOLERANCE", 5, 5, &stdThicknessWithTolerance},
        {"STDSIZEWITHTOLERANCE", 5, 5, &stdSizeWithTolerance},
        {"GETARRAYITEM", 2, 2, &getArrayItem},
        {"TONUMBER", 1, 1, &toNumber},
        {"ISNULL", 1, 1, &isNull},
        {"ISPOSITIVE", 1, 1, &isPositive},
    };
    return entries;
}

const VnSSFunctions::Info* VnSSFunctions::find(const char* name) {
    for (const Info& e : table())
        if (Ktx_String(e.name).equal(Ktx_String(name), false)) return &e;
    return nullptr;
}

bool VnSSFunctions::registerAll(HWND grid) {
    bool all = true;
    for (const Info& e : table()) {
        all = SSAddCustomFunctionExt(grid, e.name, e.minArgs, e.maxArgs, e.proc, 0) && all;
    }
    return all;
}

bool VnSSFunctions::roundTo(SpreadValue* result, SpreadValue* args, short count) {
    Args::resetResult(result);
    double value = 0.0;
    double step = 0.0;
    if (count < 2 || !Args::readNumber(args[0], value) || !Args::readNumber(args[1], step))
        return false;
    return Args::writeNumber(result, ObjectExportRoundTo(value, step));
}

bool VnSSFunctions::getArrayItem(SpreadValue* result, SpreadValue* args, short count) {
    Args::resetResult(result);
    std::string list;
    double n = 0.0;
    if (count < 2 || !Args::readText(args[0], list) || !Args::readNumber(args[1], n)) return false;
    const Ktx_StringArray items = strToArr(Ktx_String(list), ";");
    const double index = n - 1.0;  // n truncated below, as an integer
    if (!(index >= 0.0) || index >= static_cast<double>(items.length()))
        return Args::writeText(result, "");
    return Args::writeText(result, items[static_cast<int>(index)].str());
}

bool VnSSFunctions::toNumber(SpreadValue* result, SpreadValue* args, short count) {
    Args::resetResult(result);
    std::string text;
    if (count < 1 || !Args::readText(args[0], text)) return false;
    return Args::writeNumber(result, Args::leadingNumber(text));
}

bool VnSSFunctions::isNull(SpreadValue* result, SpreadValue* args, short count) {
    Args::resetResult(result);
    if (count < 1) return false;
    if (Args::hasNoValue(args[0])) return Args::writeNumber(result, 1.0);
    std::string text;
    if (Args::readText(args[0], text)) return Args::writeNumber(result, text.empty() ? 1.0 : 0.0);
    double number = 0.0;
    if (Args::readNumber(args[0], number))
        return Args::writeNumber(result, number == 0.0 ? 1.0 : 0.0);
    return false;
}

bool VnSSFunctions::isPositive(SpreadValue* result, SpreadValue* args, short count) {
    Args::resetResult(result);
    if (count < 1) return false;
    if (Args::hasNoValue(args[0])) return Args::writeNumber(result, 0.0);
    std::string text;
    double number = 0.0;
    if (Args::readText(args[0], text)) {
        number = Args::leadingNumber(text);
    } else if (!Args::readNumber(args[0], number)) {
        return false;
    }
    return Args::writeNumber(result, number > 0.0 ? 1.0 : 0.0);
}

// The engineering functions' arguments: the first byte picks a function, the rest is its
// argument list as formula text ("=NAME(" + rest + ")"), calculated in a sheet whose cells hold
// a number, a text, a section name and an empty cell, against the example library's section
// tables and data files. Every argument list ends in a value or an error value.
#include <cstddef>
#include <cstdint>
#include <string>

#include "formula_engine.h"
#include "formula_value_text.h"
#include "ktx_settings.h"
#include "path_translation.h"
#include "vn_ss_functions.h"

namespace {

struct Function {
    const char* name;
    int minArgs;
    int maxArgs;
    SpreadCustomFunction proc;
};

const Function kFunctions[] = {
    {"ROUNDTO", 2, 2, &VnSSFunctions::roundTo},
    {"GETCELL", 2, 7, &VnSSFunctions::getCell},
    {"GETPROFCELL", 2, 7, &VnSSFunctions::getProfCell},
    {"SECTIONSIZE", 2, 2, &VnSSFunctions::sectionSize},
    {"GETSYSNAME", 1, 1, &VnSSFunctions::getSysName},
    {"STDWIDTHWITHTOLERANCE", 6, 6, &VnSSFunctions::stdWidthWithTolerance},
    {"STDTHICKNESSWITHTOLERANCE", 5, 5, &VnSSFunctions::stdThicknessWithTolerance},
    {"STDSIZEWITHTOLERANCE", 5, 5, &VnSSFunctions::stdSizeWithTolerance},
    {"GETARRAYITEM", 2, 2, &VnSSFunctions::getArrayItem},
    {"TONUMBER", 1, 1, &VnSSFunctions::toNumber},
    {"ISNULL", 1, 1, &VnSSFunctions::isNull},
    {"ISPOSITIVE", 1, 1, &VnSSFunctions::isPositive},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = [] {
        gSettings.setLibDir(windowsPathFromHost(VN_SOURCE_DIR "/examples/library"));
        return true;
    }();
    (void)ready;
    if (size < 1) return 0;
    const Function& f = kFunctions[data[0] % std::size(kFunctions)];
    FormulaEngine engine;
    for (const Function& each : kFunctions)
        engine.addCustomFunction(each.name, each.minArgs, each.maxArgs, each.proc, 0);
    engine.setNumber(1, 1, 1.5);
    engine.setText(1, 2, "IPE-300");
    engine.setText(1, 3, "Data\\endplate_widths.txt");
    engine.setNumber(1, 4, -1e300);
    const std::string formula = std::string("=") + f.name + "(" +
                                std::string(reinterpret_cast<const char*>(data + 1), size - 1) +
                                ")";
    if (!engine.setFormula(4, 4, formula)) return 0;
    engine.recalcAll();
    (void)valueText(engine.value(4, 4));
    return 0;
}

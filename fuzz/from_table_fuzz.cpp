// FROMTABLE's arguments: the input is the argument list as formula text
// ("=FROMTABLE(" + input + ")"), calculated in a sheet that holds the names of two fixed table
// files (a sheet file and a damaged file) and of a missing one. Whatever the arguments name,
// the call ends with a value or none, and the calling sheet stays usable.
#include <cstddef>
#include <cstdint>
#include <string>

#include "from_table.h"
#include "fuzz_folder.h"
#include "path_translation.h"
#include "sheet_csv.h"
#include "sheet_file.h"
#include "sheet_model.h"

namespace {

std::string tableFile(const char* name) {
    return windowsPathFromHost((fuzzFolder() / name).string()).str();
}

void makeTables() {
    std::string error;
    const auto table = SheetCsv::read("Size,Width,Hole\nM16,100,18\nM20,120,22\n", true, error);
    if (table) fuzzWriteFile(fuzzFolder() / "bolts.vns", SheetFile::write(*table));
    fuzzWriteFile(fuzzFolder() / "damaged.vns", std::string("VNSHEET 1\r\nsize 2"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = [] {
        makeTables();
        return true;
    }();
    (void)ready;
    SheetModel sheet;
    sheet.setMaxCols(6);
    sheet.setMaxRows(6);
    sheet.engine().addCustomFunction("FROMTABLE", 2, 4, fromTableCallback,
                                     SPREAD_CUSTFUNC_WANTCELLREF);
    sheet.setData(1, 1, tableFile("bolts.vns"));
    sheet.setData(1, 2, tableFile("damaged.vns"));
    sheet.setData(1, 3, tableFile("missing.vns"));
    sheet.setData(1, 4, "M20");
    const std::string formula =
        "=FROMTABLE(" + std::string(reinterpret_cast<const char*>(data), size) + ")";
    if (!sheet.setFormula(3, 3, formula, FormulaSetMode::Strict)) return 0;
    sheet.engine().recalcAll();
    (void)sheet.dataText(3, 3);
    return 0;
}

// The evaluation of a whole standard: the input is the standard as CSV text (declarations,
// Calc equations, CallChild calls, general-variable names), evaluated as a child with fixed
// arguments and general variables against a small fixed library of child standards and a data
// table. Whatever the standard says, the evaluation ends and releases its hosts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "acad.h"
#include "core_reset.h"
#include "fuzz_folder.h"
#include "ktx_settings.h"
#include "path_translation.h"
#include "sheet_csv.h"
#include "sheet_file.h"
#include "vn_dlg_standards_data.h"
#include "vn_ss_dlgs_mgr.h"
#include "vn_standards_dlg.h"
#include "win.h"
#include "win_driver.h"

namespace {

const std::filesystem::path& library() {
    static const std::filesystem::path lib = fuzzFolder() / "lib";
    return lib;
}

void writeStandard(const std::string& relativePath, const std::string& csv) {
    std::string error;
    const auto sheet = SheetCsv::read(csv, false, error);
    if (!sheet) std::abort();
    fuzzWriteFile(library() / "Connection Standards" / relativePath, SheetFile::write(*sheet));
}

void makeLibrary() {
    writeStandard("Childs/Times10.vns", "Input\nDouble U\nOutput\nDouble V\nCalc\nV = U*10\n");
    writeStandard("Childs/Label.vns",
                  "Input\nString S\nOutput\nString T,Double N\nCalc\n\"T = S & \"\"!\"\"\"\n"
                  "\"N = CallChild(\"\"Times10.vns\"\", 2, N)\"\n");
    writeStandard(
        "Childs/Self.vns",
        "Input\nDouble U\nOutput\nDouble V\nCalc\n\"V = CallChild(\"\"Self.vns\"\", U, V)\"\n");
    fuzzWriteFile(library() / "Connection Standards" / "Data" / "widths.txt",
                  "Size\tWidth\r\nM16\t100\r\nM20\t120\r\n");
    gSettings.setLibDir(windowsPathFromHost(library().string()));
}

VnDlgStandardsData arguments(const Ktx_String& file) {
    VnDlgStandardsData data;
    data.evalMode = 1;
    data.fileName = file;
    const struct {
        const char* name;
        VnCellType type;
        const char* value;
        VnValueType valueType;
    } args[] = {{"A", VnCellInput, "2", VnValueDouble},
                {"B", VnCellInput, "M20", VnValueString},
                {"R", VnCellOutput, "", VnValueDouble},
                {"S", VnCellOutput, "x", VnValueString}};
    for (const auto& a : args) {
        VnVarCell cell;
        cell.name = a.name;
        cell.cellType = a.type;
        cell.value = a.value;
        cell.valueType = a.valueType;
        data.varCells.append(cell);
    }
    data.genVarNames = Ktx_StringArray{"GenWidth", "GenName"};
    data.genVarValues = Ktx_StringArray{"250", "Plate"};
    return data;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = [] {
        makeLibrary();
        return true;
    }();
    (void)ready;
    std::string error;
    const auto sheet =
        SheetCsv::read(std::string(reinterpret_cast<const char*>(data), size), false, error);
    if (!sheet) return 0;
    fuzzWriteFile(library() / "Connection Standards" / "P.vns", SheetFile::write(*sheet));
    VnDlgStandardsData evaluation =
        arguments(windowsPathFromHost((library() / "Connection Standards" / "P.vns").string()));
    gSettings.ssErrorMessages = (size & 1) != 0;
    StartDlgStandardsSS(evaluation);
    for (int i = 0; i < gSSDlgsMgr.count(); ++i)
        if (gSSDlgsMgr.isInUse(i)) std::abort();
    // Keep the recorded message boxes and command-line text from growing without end.
    winMessageBoxReset();
    acadClearCommandLine();
    return 0;
}

// Section library tables: any bytes read as a table file; the table's operations, the simple
// size rules on its first size, and writing it back keep the table whole.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ktx_prof_values_table.h"
#include "section_table_file.h"
#include "section_table_manager.h"
#include "vn_lib_simple_model.h"

namespace {

void exercise(Ktx_ProfValuesTable table) {
    Ktx_StringArray names;
    table.getSysNames(names);
    table.getFilteredSysNames(names);
    for (int r = -1; r <= table.rows.length(); ++r) {
        if (table.getfilteredIdx(r) > r) std::abort();
        Ktx_StringArray column;
        table.getColumn(r, column);
    }
    const int before = table.rows.length();
    if (table.insertRow(0) != (before >= 2)) std::abort();
    if (table.rows.length() > 1 && table.rows[0].length() > 0 && table.rows[1].length() > 0 &&
        table.rows[0][0] == table.rows[1][0]) {
        std::abort();  // the copy got a system name of its own
    }
    table.setValues(0, AcArray<double>{1.5, 2});
    Ktx_SectionTableManager manager;
    table.setToGlobals(&manager);
    table.removeInactiveEntries();
}

void simpleSize(const Ktx_ProfValuesTable& table) {
    if (table.rows.isEmpty() || table.rows[0].isEmpty()) return;
    VnLibSimpleModel model(table.rows[0][0], table);
    for (int k = 0; k < model.fieldCount(); ++k) model.setFieldText(k, Ktx_String(k + 1));
    int row = -1;
    const int before = model.table().rows.length();
    if (model.add(row) == VnLibSimpleModel::AddResult::Added &&
        (model.table().rows.length() != before + 1 || !model.table().rows.isValidIndex(row))) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Ktx_ProfValuesTable table;
    table.setFromFileRows("T", parseTableText(text));
    std::string written;
    if (formatTableText(table.toFileRows(), written) && table.header.length() > 0) {
        Ktx_ProfValuesTable back;
        back.setFromFileRows("T", parseTableText(written));
        if (!(back.rows == table.rows) || !(back.header == table.header)) std::abort();
    }
    exercise(table);
    simpleSize(table);
    return 0;
}

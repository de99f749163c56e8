// Section table files: any bytes read as rows; rows that can be written read back the same;
// the section tables built from them answer every look-up without harm.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "section_table_file.h"
#include "section_table_manager.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Ktx_Array<Ktx_StringArray> rows = parseTableText(text);
    std::string written;
    if (formatTableText(rows, written)) {
        Ktx_Array<Ktx_StringArray> back = parseTableText(written);
        if (back.length() != rows.length()) std::abort();
        for (int r = 0; r < rows.length(); ++r)
            if (!(back[r] == rows[r])) std::abort();
    }
    Ktx_SectionTableManager tables;
    if (tables.addTableFromFileRows("T", rows) != Acad::eOk) return 0;
    const Ktx_SectionTable* table = tables.table(0);
    for (int r = 0; r < table->rows.length(); ++r) {
        Ktx_String full, value, user, system;
        if (tables.getSectionName(0, r, full) != Acad::eOk) continue;
        for (int c = -1; c <= table->header.length(); ++c) tables.getSectionValue(full, c, value);
        if (tables.getUserName(full, user) == Acad::eOk) tables.getSystemName(user, system);
    }
    return 0;
}

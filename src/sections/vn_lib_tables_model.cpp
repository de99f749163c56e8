#include "vn_lib_tables_model.h"

#include "dial_string.h"
#include "section_types.h"
#include "string_helpers.h"
#include "ui_languages.h"

namespace {
constexpr int kTextNewTable = 779;
constexpr int kTextValue = 86;
}  // namespace

Ktx_StringArray libShapeEntries(const Ktx_StringArray& drawingFiles) {
    Ktx_StringArray entries;
    for (int type = kFirstSectionType; type <= kLastSectionType; ++type) {
        entries.append(sectionTypeDisplayEntry(type));
    }
    entries.append(drawingFiles);
    return entries;
}

int libFirstTableIndex(const Ktx_StringArray& tableNames, const Ktx_String& fullName) {
    if (tableNames.isEmpty()) return -1;
    const int found = tableNames.find(getSubstrBefore(fullName, "-", false), false);
    return found >= 0 ? found : 0;
}

Ktx_String libNewTableName(const Ktx_StringArray& tableNames) {
    return findNonExistingString(tableNames, dialString(kTextNewTable));
}

Ktx_ProfValuesTable libNewTable(const Ktx_String& name) {
    Ktx_ProfValuesTable table;
    table.name = name;
    table.shapeRef = "1";
    table.header = {"SysName", "I/O"};
    table.header.append(gMacroLangs.GetAllLanguages());
    table.header.append(dialString(kTextValue) + "1");
    table.header.append(dialString(kTextValue) + "2");
    Ktx_StringArray row = {"", "1"};
    for (int lang = 0; lang < table.getNrLanguages(); ++lang) row.append(Ktx_String());
    row.append("0");
    row.append("0");
    table.rows.append(row);
    return table;
}

Ktx_StringArray libHeaderForShape(const Ktx_StringArray& header, int languages,
                                  const Ktx_String& shape) {
    Ktx_StringArray result;
    const int nameColumns = 2 + languages;
    for (int col = 0; col < nameColumns && col < header.length(); ++col) result.append(header[col]);
    if (isDrawingShape(shape)) {
        for (int col = nameColumns; col < header.length(); ++col) result.append(header[col]);
    } else {
        result.append(sectionTypeValueNames(shapeTypeNumber(shape)));
    }
    return result;
}

// VnLibSimpleModel: adding the new size to the table.
#include <algorithm>

#include "object_export_sort.h"
#include "section_types.h"
#include "size_name_map.h"
#include "vn_lib_simple_model.h"

namespace {

// The index (from 0) a name takes when the Core library adds it to a sorted copy of the list.
int sortedIndex(Ktx_StringArray sorted, const Ktx_String& name) {
    return ObjectExportAddToSorted(sorted, name) - 1;
}

}  // namespace

bool VnLibSimpleModel::passesTubeCheck(const Ktx_StringArray& row) const {
    if (isDrawingShape(table_.shapeRef) ||
        shapeTypeNumber(table_.shapeRef) != kSectionTypeRectTube) {
        return true;
    }
    const int first = firstValueCol();
    if (row.length() - first < 4) return true;
    const double third = row[first + 2].toDouble();
    const double fourth = row[first + 3].toDouble();
    return fourth == 0 || fourth > third;
}

int VnLibSimpleModel::sortedPosition(const Ktx_String& sysName) const {
    Ktx_StringArray all;
    for (const Ktx_StringArray& row : table_.rows)
        all.append(row.isEmpty() ? Ktx_String() : row[0]);
    if (!isSquareSizeName(sysName)) return sortedIndex(all, sysName);
    Ktx_StringArray squares;
    for (const Ktx_String& name : all) {
        if (isSquareSizeName(name)) squares.append(name);
    }
    const int p = sortedIndex(squares, sysName);
    int row = -1;
    // After the square before it; a square smaller than all others goes before the first one.
    if (p > 0 && table_.findSysName(squares[p - 1], row)) return row + 1;
    if (p < squares.length() && table_.findSysName(squares[p], row)) return row;
    return sortedIndex(all, sysName);
}

VnLibSimpleModel::AddResult VnLibSimpleModel::add(int& newRow) {
    if (!table_.rows.isValidIndex(givenRow_)) return AddResult::Failed;
    Ktx_StringArray row = table_.rows[givenRow_];
    const int first = firstValueCol();
    if (row.length() < first) row.setLogicalLength(first);
    row[1] = "1";
    const Ktx_String sysName = newSysName();
    row[0] = sysName;
    for (int lang = 0; lang < prefixes_.length(); ++lang) {
        row[2 + lang] = automatic_ ? prefixes_[lang] + sysName : sysName;
    }
    for (int k = 0; k < fieldCount_ && first + k < row.length(); ++k) row[first + k] = fields_[k];
    if (!passesTubeCheck(row)) return AddResult::Refused;
    newRow = std::clamp(sortedPosition(sysName), 0, table_.rows.length());
    table_.rows.insertAt(newRow, row);
    return AddResult::Added;
}

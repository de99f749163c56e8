#include "vn_standards_spread.h"

#include <algorithm>

namespace {

const char* const kSectionHeaders[4] = {"Input", "Output", "Local", "Calc"};

// End row of the section starting at starts[i]: the row of the next header below, or maxRows.
int sectionEnd(const int (&starts)[4], int i, int maxRows) {
    int next = -1;
    for (int j = 0; j < 4; ++j) {
        if (j == i || starts[j] <= starts[i]) continue;
        if (next < 0 || starts[j] < next) next = starts[j];
    }
    return next < 0 ? maxRows : next - 1;
}

}  // namespace

VnStandardsSpread::VnStandardsSpread(const VnStandardsSpread& other) : Ktx_Spread() {
    *this = other;
}

VnStandardsSpread& VnStandardsSpread::operator=(const VnStandardsSpread& other) {
    if (this == &other) return *this;
    fileName = other.fileName;
    varCells = other.varCells;
    genVarNames = other.genVarNames;
    genVarValues = other.genVarValues;
    return *this;
}

int VnStandardsSpread::findSectionStart(const Ktx_String& header) {
    int col = 1, row = 1;
    if (!findText(header, false, col, row)) return -1;
    return row + 1;
}

// The starts of all four sections in one pass over the grid: the first cell, row by row, whose
// value is the header, as findSectionStart finds it.
void VnStandardsSpread::findSectionStarts(int (&starts)[4]) {
    std::fill(std::begin(starts), std::end(starts), -1);
    const int maxCols = getMaxCols();
    const int maxRows = getMaxRows();
    int missing = 4;
    Ktx_String value;
    for (int row = 1; row <= maxRows && missing > 0; ++row) {
        for (int col = 1; col <= maxCols; ++col) {
            if (!getCellText(col, row, value, CellTextKind::Value) || value.isEmpty()) continue;
            for (int i = 0; i < 4; ++i) {
                if (starts[i] >= 0 || value != kSectionHeaders[i]) continue;
                starts[i] = row + 1;
                --missing;
            }
        }
    }
}

Acad::ErrorStatus VnStandardsSpread::findVarCells() {
    variablesFormatted_ = false;
    variableTextsKept_ = false;
    varCells.resetVarCells();
    int starts[4];
    findSectionStarts(starts);
    const int maxRows = getMaxRows();
    if (starts[0] < 0) return Acad::eInvalidInput;
    collectSection(VnCellInput, starts[0], sectionEnd(starts, 0, maxRows));
    if (starts[1] < 0) return Acad::eInvalidInput;
    collectSection(VnCellOutput, starts[1], sectionEnd(starts, 1, maxRows));
    if (starts[2] >= 0) collectSection(VnCellLocal, starts[2], sectionEnd(starts, 2, maxRows));
    return Acad::eOk;
}

void VnStandardsSpread::collectSection(VnCellType type, int start, int end) {
    const int lastRow = std::min(end, getMaxRows());
    const int maxCols = getMaxCols();
    for (int row = start; row <= lastRow; ++row) {
        for (int col = 1; col <= maxCols; ++col) {
            VnVarCell cell;
            if (cell.initialize(*this, col, row, type) == Acad::eOk) varCells.append(cell);
        }
    }
}

Acad::ErrorStatus VnStandardsSpread::removeVarCell(int index) {
    if (index < 0 || index >= varCells.length()) return Acad::eInvalidInput;
    return varCells.removeAt(index);
}

void VnStandardsSpread::removeVarCells(VnCellType type) {
    for (int i = varCells.length() - 1; i >= 0; --i)
        if (varCells[i].cellType == type) varCells.removeAt(i);
}

void VnStandardsSpread::getVarNames(Ktx_StringArray& names) const {
    names.removeAll();
    for (int i = 0; i < varCells.length(); ++i) names.append(varCells[i].name);
}

bool VnStandardsSpread::sectionRows(int index, int& first, int& last) {
    if (index < 0 || index > 3) return false;
    int starts[4];
    findSectionStarts(starts);
    if (starts[index] < 0) return false;
    first = starts[index];
    last = sectionEnd(starts, index, getMaxRows());
    return true;
}

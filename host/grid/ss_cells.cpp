// SS... functions on the texts and values of cells. A value text that SSGetValueLen or
// SSGetDataLen formatted is kept for the Get call that follows (kept_cell_text.h).
#include <cmath>
#include <optional>

#include "cell_type_rules.h"
#include "ss_access.h"
#include "ss_functions.h"

namespace {

// A text of a cell: a std::string made now, or a reference to one the sheet holds.
template <typename Text>
using CellReader = Text (*)(const SheetModel&, int col, int row);
using Kept = KeptCellText::Kind;

int lengthOf(HWND hWnd, int col, int row, CellReader<std::string> read,
             const char* call = __builtin_FUNCTION()) {
    GridWindow* grid = ssCell(hWnd, col, row, call);
    return grid ? static_cast<int>(read(grid->sheet(), col, row).size()) : -1;
}

// The length of a value or data text; a value text is kept for the Get call that follows.
int lengthKeeping(HWND hWnd, int col, int row, Kept kind, const char* call = __builtin_FUNCTION()) {
    GridWindow* grid = ssCell(hWnd, col, row, call);
    return grid ? grid->keptText().formatAndKeep(kind, grid->sheet(), col, row) : -1;
}

// Copies a cell's text out: the text the Len call kept when still valid, else formatted now.
template <typename Text>
int readInto(HWND hWnd, int col, int row, char* buffer, CellReader<Text> read,
             Kept kind = Kept::None, const char* call = __builtin_FUNCTION()) {
    GridWindow* grid =
        kind == Kept::None ? ssCell(hWnd, col, row, call) : ssCellKeepingText(hWnd, col, row, call);
    if (!grid) return -1;
    if (kind != Kept::None) {
        const int kept = grid->keptText().takeInto(kind, grid->sheet(), col, row, buffer);
        if (kept >= 0) return kept;
    }
    return ssCopyOut(read(grid->sheet(), col, row), buffer);
}

std::string dataOf(const SheetModel& s, int c, int r) {
    return s.dataText(c, r);
}
std::string valueOf(const SheetModel& s, int c, int r) {
    return s.valueText(c, r);
}
const std::string& tagOf(const SheetModel& s, int c, int r) {
    return s.tag(c, r);
}
const std::string& noteOf(const SheetModel& s, int c, int r) {
    return s.note(c, r);
}
std::string formulaOf(const SheetModel& s, int c, int r) {
    return s.formulaText(c, r);
}

}  // namespace

int SSGetDataLen(HWND hWnd, int col, int row) {
    return lengthKeeping(hWnd, col, row, Kept::Data);
}

int SSGetData(HWND hWnd, int col, int row, char* buffer) {
    return buffer ? readInto(hWnd, col, row, buffer, dataOf, Kept::Data) : -1;
}

bool SSSetData(HWND hWnd, int col, int row, const char* text) {
    GridWindow* grid = ssCell(hWnd, col, row);
    return grid && grid->sheet().setData(col, row, ssText(text));
}

bool SSSetDataRange(HWND hWnd, int col, int row, int col2, int row2, const char* text) {
    return ssForBlock(hWnd, col, row, col2, row2, [&](GridWindow& g, int c, int r) {
        return g.sheet().setData(c, r, ssText(text));
    });
}

int SSGetValueLen(HWND hWnd, int col, int row) {
    return lengthKeeping(hWnd, col, row, Kept::Value);
}

int SSGetValue(HWND hWnd, int col, int row, char* buffer) {
    return buffer ? readInto(hWnd, col, row, buffer, valueOf, Kept::Value) : -1;
}

bool SSSetValue(HWND hWnd, int col, int row, const char* text) {
    return SSSetData(hWnd, col, row, text);
}

int SSGetFormulaLen(HWND hWnd, int col, int row) {
    return lengthOf(hWnd, col, row, formulaOf);
}

int SSGetFormula(HWND hWnd, int col, int row, char* buffer) {
    return buffer ? readInto(hWnd, col, row, buffer, formulaOf) : -1;
}

bool SSSetFormula(HWND hWnd, int col, int row, const char* formula, bool /*buildDependencies*/) {
    GridWindow* grid = ssCell(hWnd, col, row);
    if (!grid) return false;
    return static_cast<bool>(
        grid->sheet().setFormula(col, row, ssText(formula), FormulaSetMode::Strict));
}

bool SSGetFloat(HWND hWnd, int col, int row, double* value) {
    GridWindow* grid = ssCell(hWnd, col, row);
    if (!grid || !value) return false;
    const FormulaValue v = grid->sheet().value(col, row);
    if (v.kind == FormulaValueKind::Number || v.kind == FormulaValueKind::Logical) {
        *value = v.number;
        return true;
    }
    if (v.kind == FormulaValueKind::Text) {
        if (std::optional<double> n = parseNumberText(v.text)) {
            *value = *n;
            return true;
        }
    }
    return false;
}

bool SSSetFloat(HWND hWnd, int col, int row, double value) {
    if (!std::isfinite(value)) return false;
    const std::string text = formatNumberGeneral(value);
    return SSSetData(hWnd, col, row, text.c_str());
}

bool SSGetInteger(HWND hWnd, int col, int row, long* value) {
    double d = 0;
    if (!value || !SSGetFloat(hWnd, col, row, &d) || !(std::fabs(d) <= 9.2e18)) return false;
    *value = static_cast<long>(std::trunc(d));
    return true;
}

bool SSSetInteger(HWND hWnd, int col, int row, long value) {
    return SSSetData(hWnd, col, row, std::to_string(value).c_str());
}

int SSGetCellTag(HWND hWnd, int col, int row, char* buffer) {
    return readInto(hWnd, col, row, buffer, tagOf);
}

bool SSSetCellTag(HWND hWnd, int col, int row, const char* tag) {
    GridWindow* grid = ssCell(hWnd, col, row);
    return grid && grid->sheet().setTag(col, row, ssText(tag));
}

int SSGetCellNote(HWND hWnd, int col, int row, char* buffer) {
    return readInto(hWnd, col, row, buffer, noteOf);
}

bool SSSetCellNote(HWND hWnd, int col, int row, const char* note) {
    GridWindow* grid = ssCell(hWnd, col, row);
    return grid && grid->sheet().setNote(col, row, ssText(note));
}

bool SSClearDataRange(HWND hWnd, int col, int row, int col2, int row2) {
    return ssForBlock(hWnd, col, row, col2, row2, [](GridWindow& g, int c, int r) {
        SheetModel& s = g.sheet();
        return s.clearContent(c, r) && s.setTag(c, r, {}) && s.setNote(c, r, {});
    });
}

// Formula text, copying, and the row and column changes of FormulaSheet.
#include "formula_printer.h"
#include "formula_sheet.h"

namespace {

// Where coordinate `v` goes when `count` lines are inserted or deleted at `at`; -1 when it
// is deleted or pushed past `limit`.
int moveLine(int v, int at, int count, bool insert, int limit) {
    if (v < at) return v;
    if (insert) return v + count <= limit ? v + count : -1;
    return v >= at + count ? v - count : -1;
}

// A range's corners along one axis after the change; false when nothing of it is left.
bool moveSpan(std::uint32_t& lo, std::uint32_t& hi, int at, int count, bool insert, int limit) {
    int a = static_cast<int>(lo), b = static_cast<int>(hi);
    if (insert) {
        a = moveLine(a, at, count, true, limit);
        b = moveLine(b, at, count, true, limit);
        if (a < 0) return false;
        if (b < 0) b = limit;
    } else {
        int na = a < at ? a : (a >= at + count ? a - count : at);
        int nb = b < at ? b : (b >= at + count ? b - count : at - 1);
        if (nb < na) return false;
        a = na, b = nb;
    }
    lo = static_cast<std::uint32_t>(a);
    hi = static_cast<std::uint32_t>(b);
    return true;
}

// Rewrites the references of one formula's code for an inserted or deleted row/column block.
void moveReferences(std::uint32_t* code, std::size_t length, bool rows, int at, int count,
                    bool insert) {
    int limit = rows ? FormulaEngine::kMaxRow : FormulaEngine::kMaxCol;
    int axis = rows ? 2 : 1;  // word of the row (2) or column (1) after the head
    for (std::size_t pc = 0; pc < length; pc += codeLength(code + pc)) {
        std::uint32_t* w = code + pc;
        Op op = codeOp(*w);
        if ((op != Op::Ref && op != Op::Range) || (codeB(*w) & kRefDeleted)) continue;
        bool kept;
        if (op == Op::Ref) {
            int v = moveLine(static_cast<int>(w[axis]), at, count, insert, limit);
            kept = v > 0;
            if (kept) w[axis] = static_cast<std::uint32_t>(v);
        } else {
            kept = moveSpan(w[axis], w[axis + 2], at, count, insert, limit);
        }
        if (!kept) *w = codeHead(op, codeA(*w), codeB(*w) | kRefDeleted);
    }
}

// Moves the relative parts of every reference by (dc, dr); a part leaving the sheet makes
// the reference #REF!.
void shiftRelative(std::uint32_t* code, std::size_t length, int dc, int dr) {
    auto shift = [](std::uint32_t& v, int d, int limit) {
        long n = static_cast<long>(v) + d;
        if (n < 1 || n > limit) return false;
        v = static_cast<std::uint32_t>(n);
        return true;
    };
    for (std::size_t pc = 0; pc < length; pc += codeLength(code + pc)) {
        std::uint32_t* w = code + pc;
        Op op = codeOp(*w);
        if (op != Op::Ref && op != Op::Range) continue;
        unsigned flags = codeB(*w);
        bool ok = true;
        int corners = op == Op::Ref ? 1 : 2;
        for (int k = 0; k < corners; ++k) {
            bool absCol = flags & (k ? kAbsCol2 : kAbsCol1);
            bool absRow = flags & (k ? kAbsRow2 : kAbsRow1);
            if (!absCol) ok = shift(w[1 + 2 * k], dc, FormulaEngine::kMaxCol) && ok;
            if (!absRow) ok = shift(w[2 + 2 * k], dr, FormulaEngine::kMaxRow) && ok;
        }
        if (!ok) *w = codeHead(op, codeA(*w), flags | kRefDeleted);
    }
}

}  // namespace

std::string FormulaSheet::formulaText(int col, int row) const {
    std::uint32_t id = cells_.formula(col, row);
    if (id == kNoFormula) return {};
    const FormulaRecord& f = formulas_[id];
    return printFormula(codeOf(f), f.codeLength, refStyle == FormulaRefStyle::R1C1, col, row);
}

bool FormulaSheet::copyCell(int fromCol, int fromRow, int toCol, int toRow) {
    std::uint32_t id = cells_.formula(fromCol, fromRow);
    if (id == kNoFormula) {
        setConstant(toCol, toRow, cells_.value(fromCol, fromRow));
        return true;
    }
    const FormulaRecord& f = formulas_[id];
    Code code(codeOf(f), codeOf(f) + f.codeLength);
    shiftRelative(code.data(), code.size(), toCol - fromCol, toRow - fromRow);
    installFormula(toCol, toRow, code);
    return true;
}

bool FormulaSheet::restructure(bool rows, int at, int count, bool insert) {
    if (calculating_) return false;
    int limit = rows ? FormulaEngine::kMaxRow : FormulaEngine::kMaxCol;
    deps_.clear();
    cells_.remap([&](CellStore::Moved& m) {
        int& v = rows ? m.row : m.col;
        // Header cells (row 0, column 0) stay where they are.
        int moved = v == 0 ? 0 : moveLine(v, at, count, insert, limit);
        if (moved < 0) {
            if (m.formula != kNoFormula) {
                formulas_[m.formula].live = false;
                garbageWords_ += formulas_[m.formula].codeLength;
                freeIds_.push_back(m.formula);
            }
            return false;
        }
        v = moved;
        if (m.formula != kNoFormula)
            formulas_[m.formula].col = m.col, formulas_[m.formula].row = m.row;
        return true;
    });
    for (std::uint32_t id = 0; id < formulas_.size(); ++id) {
        FormulaRecord& f = formulas_[id];
        if (!f.live) continue;
        moveReferences(code_.data() + f.codeOffset, f.codeLength, rows, at, count, insert);
        deps_.add(id, codeOf(f), f.codeLength);
    }
    compactCode();
    calcOrder_.invalidate();
    if (autoCalc) recalcAll();
    return true;
}

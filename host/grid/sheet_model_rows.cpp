// SheetModel: inserting and deleting rows and columns, copying and swapping blocks.
#include <algorithm>

#include "cell_type_rules.h"
#include "sheet_model.h"

namespace {

// Moves an index for an insert (count > 0) or delete (count < 0) at `at`; false when the
// index lies in the deleted part.
bool moveIndex(int& index, int at, int count) {
    if (index < at) return true;
    if (count < 0 && index < at - count) return false;
    index += count;
    return true;
}

// Moves a span's start and length along one axis; false when nothing of it is left or it
// shrank to a single cell.
bool moveSpanAxis(int& start, int& length, int at, int count) {
    int end = start + length;  // exclusive
    if (count > 0) {
        if (start >= at) {
            start += count;
        } else if (end > at) {
            length += count;
        }
        return true;
    }
    const int cutEnd = at - count;
    const auto shift = [&](int i) { return i < at ? i : (i < cutEnd ? at : i + count); };
    start = shift(start);
    end = shift(end);
    length = end - start;
    return length > 0;
}

}  // namespace

void SheetModel::moveExtras(const std::function<bool(int& col, int& row)>& move) {
    std::unordered_map<std::uint64_t, CellExtra> moved;
    moved.reserve(extras_.size());
    for (auto& [key, e] : extras_) {
        int c = colOf(key);
        int r = rowOf(key);
        if (move(c, r)) moved.emplace(keyOf(c, r), std::move(e));
    }
    extras_.swap(moved);
    formatIds_.move(move);
}

void SheetModel::moveSizes(std::map<int, int>& sizes, const std::function<bool(int& index)>& move) {
    std::map<int, int> moved;
    for (const auto& [index, size] : sizes) {
        int i = index;
        if (move(i)) moved.emplace(i, size);
    }
    sizes.swap(moved);
}

void SheetModel::moveSpans(const std::function<bool(CellSpan&)>& move) {
    std::erase_if(spans_,
                  [&](CellSpan& s) { return !move(s) || (s.numCols == 1 && s.numRows == 1); });
}

bool SheetModel::insertRows(int at, int count) {
    if (at < 1 || at > maxRows_ + 1 || count < 1) return false;
    int lastUsed = std::min(engine_->usedRows(), maxRows_);
    for (const auto& e : extras_) lastUsed = std::max(lastUsed, rowOf(e.first));
    formatIds_.forEach([&](int, int row, std::uint32_t) { lastUsed = std::max(lastUsed, row); });
    if (lastUsed >= at && lastUsed + count > maxRows_) maxRows_ = lastUsed + count;
    if (maxRows_ > FormulaEngine::kMaxRow || !engine_->insertRows(at, count)) return false;
    moveExtras([&](int&, int& r) { return r == 0 || moveIndex(r, at, count); });
    moveSizes(rowHeights_, [&](int& r) { return r == 0 || moveIndex(r, at, count); });
    moveSpans([&](CellSpan& s) { return moveSpanAxis(s.row, s.numRows, at, count); });
    return true;
}

bool SheetModel::deleteRows(int at, int count) {
    if (at < 1 || count < 1 || at + count - 1 > maxRows_) return false;
    if (!engine_->deleteRows(at, count)) return false;
    moveExtras([&](int&, int& r) { return r == 0 || moveIndex(r, at, -count); });
    moveSizes(rowHeights_, [&](int& r) { return r == 0 || moveIndex(r, at, -count); });
    moveSpans([&](CellSpan& s) { return moveSpanAxis(s.row, s.numRows, at, -count); });
    return true;
}

bool SheetModel::insertCols(int at, int count) {
    if (at < 1 || at > maxCols_ + 1 || count < 1) return false;
    int lastUsed = std::min(engine_->usedCols(), maxCols_);
    for (const auto& e : extras_) lastUsed = std::max(lastUsed, colOf(e.first));
    formatIds_.forEach([&](int col, int, std::uint32_t) { lastUsed = std::max(lastUsed, col); });
    if (lastUsed >= at && lastUsed + count > maxCols_) maxCols_ = lastUsed + count;
    if (maxCols_ > FormulaEngine::kMaxCol || !engine_->insertCols(at, count)) return false;
    moveExtras([&](int& c, int&) { return c == 0 || moveIndex(c, at, count); });
    moveSizes(colWidths_, [&](int& c) { return c == 0 || moveIndex(c, at, count); });
    moveSpans([&](CellSpan& s) { return moveSpanAxis(s.col, s.numCols, at, count); });
    return true;
}

bool SheetModel::deleteCols(int at, int count) {
    if (at < 1 || count < 1 || at + count - 1 > maxCols_) return false;
    if (!engine_->deleteCols(at, count)) return false;
    moveExtras([&](int& c, int&) { return c == 0 || moveIndex(c, at, -count); });
    moveSizes(colWidths_, [&](int& c) { return c == 0 || moveIndex(c, at, -count); });
    moveSpans([&](CellSpan& s) { return moveSpanAxis(s.col, s.numCols, at, -count); });
    return true;
}

bool SheetModel::copyCell(int fromCol, int fromRow, int toCol, int toRow, bool formatOnly) {
    if (!exists(toCol, toRow)) return false;
    if (formatOnly) return setFormat(toCol, toRow, format(fromCol, fromRow));
    engine_->copyCell(fromCol, fromRow, toCol, toRow);
    formatIds_.set(toCol, toRow, formatIds_.get(fromCol, fromRow));
    const CellExtra* e = extra(fromCol, fromRow);
    if (e) {
        extras_[keyOf(toCol, toRow)] = *e;
    } else {
        extras_.erase(keyOf(toCol, toRow));
    }
    return true;
}

bool SheetModel::copyRange(const CellSpan& from, int destCol, int destRow, bool formatOnly) {
    const int lastCol = from.col + from.numCols - 1;
    const int lastRow = from.row + from.numRows - 1;
    if (from.numCols < 1 || from.numRows < 1 || !exists(from.col, from.row) ||
        !exists(lastCol, lastRow) || destCol < 0 || destRow < 0) {
        return false;
    }
    const int dCol = destCol - from.col;
    const int dRow = destRow - from.row;
    // Walk away from the destination so that an overlapping copy reads each source cell
    // before it is overwritten.
    for (int i = 0; i < from.numRows; ++i) {
        const int r = dRow > 0 ? lastRow - i : from.row + i;
        for (int j = 0; j < from.numCols; ++j) {
            const int c = dCol > 0 ? lastCol - j : from.col + j;
            copyCell(c, r, c + dCol, r + dRow, formatOnly);
        }
    }
    return true;
}

struct SheetModel::CellSnapshot {
    bool hasFormula = false;
    std::string formulaR1C1;
    FormulaValue constant;
    bool hasExtra = false;
    CellExtra extra;
    std::uint32_t formatId = 0;
};

SheetModel::CellSnapshot SheetModel::snapshot(int col, int row) const {
    CellSnapshot s;
    s.hasFormula = engine_->hasFormula(col, row);
    if (s.hasFormula) {
        s.formulaR1C1 = engine_->formulaText(col, row);
    } else {
        s.constant = engine_->value(col, row);
    }
    if (const CellExtra* e = extra(col, row)) {
        s.hasExtra = true;
        s.extra = *e;
    }
    s.formatId = formatIds_.get(col, row);
    return s;
}

void SheetModel::restore(int col, int row, const CellSnapshot& s) {
    if (s.hasFormula) {
        if (!engine_->setFormula(col, row, s.formulaR1C1, FormulaSetMode::Loader)) {
            engine_->setFormula(col, row, "#REF!", FormulaSetMode::Loader);
        }
    } else {
        storeContent(col, row, s.constant, canonicalDataText(s.constant));
    }
    formatIds_.set(col, row, s.formatId);
    if (s.hasExtra) {
        extras_[keyOf(col, row)] = s.extra;
    } else {
        extras_.erase(keyOf(col, row));
    }
}

bool SheetModel::swapRange(const CellSpan& from, int destCol, int destRow) {
    const CellSpan to{destCol, destRow, from.numCols, from.numRows};
    const auto inside = [this](const CellSpan& s) {
        return s.numCols >= 1 && s.numRows >= 1 && exists(s.col, s.row) &&
               exists(s.col + s.numCols - 1, s.row + s.numRows - 1);
    };
    if (!inside(from) || !inside(to) || from.overlaps(to)) return false;
    // Relative references keep their meaning when the formula text is read and set in R1C1
    // style, so each moved formula points at the same neighbours as before.
    const FormulaRefStyle style = engine_->refStyle();
    engine_->setRefStyle(FormulaRefStyle::R1C1);
    for (int r = 0; r < from.numRows; ++r) {
        for (int c = 0; c < from.numCols; ++c) {
            const int ac = from.col + c, ar = from.row + r, bc = to.col + c, br = to.row + r;
            const CellSnapshot a = snapshot(ac, ar);
            const CellSnapshot b = snapshot(bc, br);
            restore(ac, ar, b);
            restore(bc, br, a);
        }
    }
    engine_->setRefStyle(style);
    return true;
}

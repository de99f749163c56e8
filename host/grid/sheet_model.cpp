#include "sheet_model.h"

#include <algorithm>

#include "cell_type_rules.h"

namespace {
const std::string kNoText;
}

SheetModel::SheetModel() : engine_(std::make_unique<FormulaEngine>()) {}

SheetModel::SheetModel(const SheetModel& other) : SheetModel() {
    assign(other);
}

bool SheetModel::assign(const SheetModel& other) {
    if (this == &other) return true;
    if (!engine_->assign(*other.engine_)) return false;
    maxCols_ = other.maxCols_;
    maxRows_ = other.maxRows_;
    formats_.assignNumbering(other.formats_);
    formatIds_ = other.formatIds_;
    extraSpares_.assign(extras_, other.extras_);
    spans_ = other.spans_;
    colWidths_ = other.colWidths_;
    rowHeights_ = other.rowHeights_;
    return true;
}

std::unique_ptr<SheetModel> SheetModel::clone() const {
    return std::unique_ptr<SheetModel>(new SheetModel(*this));
}

bool SheetModel::setMaxCols(int cols) {
    if (cols < 0 || cols > FormulaEngine::kMaxCol) return false;
    const bool shrinks = cols < maxCols_;
    maxCols_ = cols;
    if (shrinks) removeOutside();
    return true;
}

bool SheetModel::setMaxRows(int rows) {
    if (rows < 0 || rows > FormulaEngine::kMaxRow) return false;
    const bool shrinks = rows < maxRows_;
    maxRows_ = rows;
    if (shrinks) removeOutside();
    return true;
}

// Removes everything beyond maxCols_ / maxRows_.
void SheetModel::removeOutside() {
    const int usedCols = engine_->usedCols();
    const int usedRows = engine_->usedRows();
    for (int r = 0; r <= usedRows; ++r) {
        const int firstCol = r > maxRows_ ? 0 : maxCols_ + 1;
        for (int c = firstCol; c <= usedCols; ++c) engine_->setEmpty(c, r);
    }
    std::erase_if(extras_, [this](const auto& e) {
        return colOf(e.first) > maxCols_ || rowOf(e.first) > maxRows_;
    });
    formatIds_.move([this](int& col, int& row) { return col <= maxCols_ && row <= maxRows_; });
    std::erase_if(spans_, [this](const CellSpan& s) {
        return s.col + s.numCols - 1 > maxCols_ || s.row + s.numRows - 1 > maxRows_;
    });
    std::erase_if(colWidths_, [this](const auto& e) { return e.first > maxCols_; });
    std::erase_if(rowHeights_, [this](const auto& e) { return e.first > maxRows_; });
}

const CellExtra* SheetModel::extra(int col, int row) const {
    auto it = extras_.find(keyOf(col, row));
    return it == extras_.end() ? nullptr : &it->second;
}

CellExtra& SheetModel::extraFor(int col, int row) {
    return extraSpares_.at(extras_, keyOf(col, row));
}

void SheetModel::dropExtraIfDefault(int col, int row) {
    auto it = extras_.find(keyOf(col, row));
    if (it != extras_.end() && it->second.isDefault()) extraSpares_.erase(extras_, it);
}

// Puts a content into the engine; a Text content is `text`.
bool SheetModel::putContent(int col, int row, FormulaValueKind kind, double number,
                            std::string_view text) {
    bool stored = false;
    switch (kind) {
        case FormulaValueKind::Number:
            stored = engine_->setNumber(col, row, number);
            break;
        case FormulaValueKind::Text:
            stored = engine_->setText(col, row, text);
            break;
        case FormulaValueKind::Logical:
            stored = engine_->setLogical(col, row, number != 0);
            break;
        default:
            // Emptying an empty cell changes nothing: no calculation is started for it.
            stored = engine_->isEmpty(col, row) || engine_->setEmpty(col, row);
            break;
    }
    return stored;
}

// Keeps `typed` as the cell's data text when it differs from its value's canonical text.
void SheetModel::keepDataText(int col, int row, bool differs, std::string_view typed) {
    if (differs) {
        CellExtra& e = extraFor(col, row);
        e.hasDataText = true;
        e.dataText.clear();  // then appended: cheaper than a general assign
        e.dataText.append(typed);
    } else if (auto it = extras_.find(keyOf(col, row)); it != extras_.end()) {
        it->second.hasDataText = false;
        it->second.dataText.clear();
        if (it->second.isDefault()) extraSpares_.erase(extras_, it);
    }
}

bool SheetModel::storeContent(int col, int row, const FormulaValue& content,
                              std::string_view typed) {
    if (!putContent(col, row, content.kind, content.number, content.text)) return false;
    keepDataText(col, row, canonicalDataText(content) != typed, typed);
    return true;
}

// setData under a known cell type.
bool SheetModel::storeData(int col, int row, const SSCellType& type, std::string_view text) {
    const std::optional<DataContent> content = readDataText(type, text);
    return content && storeReadData(col, row, *content, text);
}

// storeData with the content already read from `text`.
bool SheetModel::storeReadData(int col, int row, const DataContent& content,
                               std::string_view text) {
    if (!putContent(col, row, content.kind, content.number, text)) return false;
    keepDataText(col, row, !content.canonical, text);
    return true;
}

bool SheetModel::setData(int col, int row, std::string_view text) {
    return exists(col, row) &&
           storeData(col, row, formats_.get(formatIds_.get(col, row)).cellType, text);
}

FormulaResult SheetModel::setFormula(int col, int row, std::string_view text, FormulaSetMode mode) {
    FormulaResult result;
    if (!exists(col, row) || col == 0 || row == 0) {
        result.status = FormulaStatus::BadCell;
        result.message = "no formula allowed in this cell";
        return result;
    }
    std::string_view body = text;
    if (!body.empty() && body.front() == '=') body.remove_prefix(1);
    if (body.empty()) {
        clearContent(col, row);
        return result;
    }
    result = engine_->setFormula(col, row, text, mode);
    if (result) {
        if (auto it = extras_.find(keyOf(col, row)); it != extras_.end()) {
            it->second.hasDataText = false;
            it->second.dataText.clear();
            dropExtraIfDefault(col, row);
        }
    }
    return result;
}

bool SheetModel::clearContent(int col, int row) {
    if (!exists(col, row)) return false;
    return storeContent(col, row, FormulaValue{}, {});
}

std::string SheetModel::dataText(int col, int row) const {
    if (!exists(col, row)) return {};
    if (engine_->hasFormula(col, row)) return valueText(col, row);
    if (const CellExtra* e = extra(col, row); e && e->hasDataText) return e->dataText;
    return canonicalDataText(engine_->value(col, row));
}

std::string SheetModel::valueText(int col, int row) const {
    if (!exists(col, row)) return {};
    return ::valueText(engine_->value(col, row), valueTextStyleOf(format(col, row).cellType));
}

std::string SheetModel::formulaText(int col, int row) const {
    return exists(col, row) ? engine_->formulaText(col, row) : std::string();
}

bool SheetModel::hasFormula(int col, int row) const {
    return exists(col, row) && engine_->hasFormula(col, row);
}

FormulaValue SheetModel::value(int col, int row) const {
    return exists(col, row) ? engine_->value(col, row) : FormulaValue{};
}

FormulaValueView SheetModel::valueView(int col, int row) const {
    return exists(col, row) ? engine_->valueView(col, row) : FormulaValueView{};
}

bool SheetModel::setTag(int col, int row, std::string_view tag) {
    if (!exists(col, row)) return false;
    extraFor(col, row).tag.assign(tag);
    dropExtraIfDefault(col, row);
    return true;
}

bool SheetModel::setNote(int col, int row, std::string_view note) {
    if (!exists(col, row)) return false;
    extraFor(col, row).note.assign(note);
    dropExtraIfDefault(col, row);
    return true;
}

const std::string& SheetModel::tag(int col, int row) const {
    const CellExtra* e = exists(col, row) ? extra(col, row) : nullptr;
    return e ? e->tag : kNoText;
}

const std::string& SheetModel::note(int col, int row) const {
    const CellExtra* e = exists(col, row) ? extra(col, row) : nullptr;
    return e ? e->note : kNoText;
}

bool SheetModel::setFormat(int col, int row, const CellFormat& newFormat) {
    if (!exists(col, row)) return false;
    // The pool keeps each distinct format once, so a format equal to the cell's own would be
    // interned to the cell's own number: nothing would change.
    const CellFormat& current = formats_.get(formatId(col, row));
    if (current == newFormat) return true;
    const bool typeChanges = !(current.cellType == newFormat.cellType);
    changeFormatId(col, row, formats_.intern(newFormat), typeChanges);  // `current` may move
    return true;
}

bool SheetModel::setCellType(int col, int row, const SSCellType& type) {
    if (!exists(col, row)) return false;
    bool typeChanges = false;
    const std::uint32_t id = formatIds_.change(col, row, [&](std::uint32_t from) {
        if (formats_.get(from).cellType == type) return from;
        typeChanges = true;
        return formats_.internWithType(from, type);
    });
    // The pool's copy of the type: `type` may lie in the pool, which interning can move.
    if (typeChanges) reapplyData(col, row, formats_.get(id).cellType);
    return true;
}

bool SheetModel::editFormat(int col, int row, const std::function<void(CellFormat&)>& edit) {
    if (!exists(col, row)) return false;
    CellFormat f = format(col, row);
    edit(f);
    return setFormat(col, row, f);
}

void SheetModel::changeFormatId(int col, int row, std::uint32_t id, bool typeChanges) {
    formatIds_.set(col, row, id);
    if (typeChanges) reapplyData(col, row, formats_.get(id).cellType);
}

// Reads the data again under the cell's new `type`; data the new type refuses is emptied.
void SheetModel::reapplyData(int col, int row, const SSCellType& type) {
    const CellExtra* e = extra(col, row);
    const bool keptText = e && e->hasDataText;
    // A text that is its own data text and that the type refuses at its first byte (the usual
    // name in a cell made numeric) is emptied in the same step that reads it.
    const TextRefusal refusal{[](const void* t, std::string_view text) {
                                  return refusedAtFirstByte(*static_cast<const SSCellType*>(t),
                                                            text);
                              },
                              &type};
    const std::optional<FormulaValueView> held =
        keptText ? engine_->constantView(col, row)
                 : engine_->constantViewEmptyingText(col, row, refusal);
    if (!held) return;                                               // a formula cell
    if (!keptText && held->kind == FormulaValueKind::Empty) return;  // nothing to read again
    if (!keptText && held->kind == FormulaValueKind::Text && !held->text.empty()) {
        // A text is its own canonical form: the cell keeps no data text. One the new type
        // refuses (a name in a cell made numeric) is emptied uncopied.
        const std::optional<DataContent> content = readDataText(type, held->text);
        if (!content) {
            engine_->setEmpty(col, row);
            return;
        }
        const std::string typed(held->text);  // the cell's own text is about to change
        if (!storeReadData(col, row, *content, typed)) clearContent(col, row);
        return;
    }
    const std::string typed = keptText ? e->dataText : canonicalDataText(*held);
    if (typed.empty()) return;
    if (!storeData(col, row, type, typed)) clearContent(col, row);
}

bool SheetModel::addSpan(const CellSpan& span) {
    if (span.numCols < 1 || span.numRows < 1 || (span.numCols == 1 && span.numRows == 1)) {
        return false;
    }
    if (!exists(span.col, span.row) ||
        !exists(span.col + span.numCols - 1, span.row + span.numRows - 1)) {
        return false;
    }
    for (const CellSpan& s : spans_) {
        if (s.overlaps(span)) return false;
    }
    spans_.push_back(span);
    return true;
}

const CellSpan* SheetModel::spanAt(int col, int row) const {
    for (const CellSpan& s : spans_) {
        if (s.contains(col, row)) return &s;
    }
    return nullptr;
}

bool SheetModel::removeSpanAnchoredAt(int col, int row) {
    return std::erase_if(spans_, [&](const CellSpan& s) { return s.col == col && s.row == row; }) >
           0;
}

int SheetModel::colWidth(int col) const {
    auto it = colWidths_.find(col);
    if (it != colWidths_.end()) return it->second;
    return col == 0 ? kDefaultRowHeaderWidth : kDefaultColWidth;
}

int SheetModel::rowHeight(int row) const {
    auto it = rowHeights_.find(row);
    return it != rowHeights_.end() ? it->second : kDefaultRowHeight;
}

bool SheetModel::setColWidth(int col, int pixels) {
    if (col < 0 || col > maxCols_ || pixels < 0) return false;
    const int def = col == 0 ? kDefaultRowHeaderWidth : kDefaultColWidth;
    if (pixels == def) {
        colWidths_.erase(col);
    } else {
        colWidths_[col] = pixels;
    }
    return true;
}

bool SheetModel::setRowHeight(int row, int pixels) {
    if (row < 0 || row > maxRows_ || pixels < 0) return false;
    if (pixels == kDefaultRowHeight) {
        rowHeights_.erase(row);
    } else {
        rowHeights_[row] = pixels;
    }
    return true;
}

bool SheetModel::isUsed(int col, int row) const {
    if (!exists(col, row)) return false;
    if (extra(col, row) != nullptr || formatIds_.get(col, row) != 0) return true;
    return !engine_->value(col, row).isEmpty() || engine_->hasFormula(col, row);
}

void SheetModel::forEachUsedCell(const std::function<void(int col, int row)>& visit) const {
    std::vector<std::uint64_t> keys;
    keys.reserve(extras_.size());
    for (const auto& e : extras_) keys.push_back(e.first);
    formatIds_.forEach([&](int col, int row, std::uint32_t) { keys.push_back(keyOf(col, row)); });
    engine_->forEachContentRun([&](int col, int first, int last) {
        if (col > maxCols_) return;
        for (int r = first; r <= std::min(last, maxRows_); ++r) {
            if (!engine_->isEmpty(col, r)) keys.push_back(keyOf(col, r));
        }
    });
    // Row-major order: by row, then column; each cell once.
    const auto rowMajor = [](std::uint64_t k) { return (k << 32) | (k >> 32); };
    std::sort(keys.begin(), keys.end(),
              [&](std::uint64_t a, std::uint64_t b) { return rowMajor(a) < rowMajor(b); });
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    for (std::uint64_t k : keys) visit(colOf(k), rowOf(k));
}

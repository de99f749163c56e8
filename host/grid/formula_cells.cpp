#include "formula_cells.h"

#include <algorithm>

CellStore::Block::Block() {
    for (auto& p : payload) p.num = 0;
    formula.fill(kNoFormula);
    depHead.fill(kNoEdge);
    kind.fill(CellKind::Empty);
}

void CellStore::Block::copyFrom(const Block& other) {
    const auto n = static_cast<std::size_t>(other.used);
    std::copy_n(other.payload.begin(), n, payload.begin());
    std::copy_n(other.formula.begin(), n, formula.begin());
    std::copy_n(other.depHead.begin(), n, depHead.begin());
    std::copy_n(other.kind.begin(), n, kind.begin());
    for (std::size_t s = n; s < static_cast<std::size_t>(used); ++s) {
        payload[s].num = 0;
        formula[s] = kNoFormula;
        depHead[s] = kNoEdge;
        kind[s] = CellKind::Empty;
    }
    used = other.used;
}

void CellStore::assign(const CellStore& other) {
    if (this == &other) return;
    written_ = nextWriteStamp();
    columns_.resize(other.columns_.size());
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        const auto& from = other.columns_[c].blocks;
        auto& to = columns_[c].blocks;
        to.resize(from.size());
        for (std::size_t b = 0; b < from.size(); ++b) {
            if (!from[b])
                to[b].reset();
            else if (to[b])
                to[b]->copyFrom(*from[b]);
            else
                to[b] = std::make_unique<Block>(*from[b]);
        }
    }
    texts_.assign(other.texts_);
    usedCols_ = other.usedCols_;
    usedRows_ = other.usedRows_;
}

CellStore::Block& CellStore::allocate(int col, int row) {
    if (col >= static_cast<int>(columns_.size()))
        columns_.resize(static_cast<std::size_t>(col) + 1);
    auto& blocks = columns_[static_cast<std::size_t>(col)].blocks;
    std::size_t b = static_cast<std::size_t>(row >> kBlockBits);
    if (b >= blocks.size()) blocks.resize(b + 1);
    if (!blocks[b]) blocks[b] = std::make_unique<Block>();
    Block& block = *blocks[b];
    if (slot(row) >= block.used) block.used = slot(row) + 1;
    return block;
}

CellKind CellStore::kind(int col, int row) const {
    const Block* b = block(col, row);
    return b ? b->kind[static_cast<std::size_t>(slot(row))] : CellKind::Empty;
}

double CellStore::number(int col, int row) const {
    const Block* b = block(col, row);
    return b ? b->payload[static_cast<std::size_t>(slot(row))].num : 0.0;
}

std::string_view CellStore::text(int col, int row) const {
    const Block* b = block(col, row);
    if (!b || b->kind[static_cast<std::size_t>(slot(row))] != CellKind::Text) return {};
    return texts_.text(b->payload[static_cast<std::size_t>(slot(row))].text);
}

FormulaError CellStore::error(int col, int row) const {
    const Block* b = block(col, row);
    if (!b || b->kind[static_cast<std::size_t>(slot(row))] != CellKind::Error)
        return FormulaError::None;
    return b->payload[static_cast<std::size_t>(slot(row))].error;
}

void CellStore::freeText(Block& b, int s) {
    std::size_t i = static_cast<std::size_t>(s);
    if (b.kind[i] != CellKind::Text) return;
    texts_.free(b.payload[i].text);
}

void CellStore::setNumber(int col, int row, double v, CellKind kind) {
    Block& b = touch(col, row);
    std::size_t s = static_cast<std::size_t>(slot(row));
    if (b.kind[s] == CellKind::Text) freeText(b, slot(row));  // the usual cell holds none
    b.kind[s] = kind;
    b.payload[s].num = v;
    if (col > usedCols_) usedCols_ = col;
    if (row > usedRows_) usedRows_ = row;
}

void CellStore::setText(int col, int row, std::string_view t) {
    Block& b = touch(col, row);
    std::size_t s = static_cast<std::size_t>(slot(row));
    if (b.kind[s] == CellKind::Text) {
        texts_.set(b.payload[s].text, t);
    } else {
        b.kind[s] = CellKind::Text;
        b.payload[s].text = texts_.add(t);
    }
    if (col > usedCols_) usedCols_ = col;
    if (row > usedRows_) usedRows_ = row;
}

void CellStore::setError(int col, int row, FormulaError e) {
    setNumber(col, row, 0, CellKind::Error);
    touch(col, row).payload[static_cast<std::size_t>(slot(row))].error = e;
}

void CellStore::emptySlot(Block& b, int s) {
    written_ = nextWriteStamp();
    const auto i = static_cast<std::size_t>(s);
    if (b.kind[i] == CellKind::Text) freeText(b, s);  // the usual cell holds none
    b.kind[i] = CellKind::Empty;
}

void CellStore::setEmpty(int col, int row) {
    // A cell of a block never allocated is empty already; a block is only ever changed here.
    Block* b = const_cast<Block*>(block(col, row));
    if (!b) {
        written_ = nextWriteStamp();
        return;
    }
    emptySlot(*b, slot(row));
}

FormulaValue CellStore::value(int col, int row) const {
    switch (kind(col, row)) {
        case CellKind::Empty:
            return {};
        case CellKind::Number:
            return FormulaValue::makeNumber(number(col, row));
        case CellKind::Logical:
            return FormulaValue::makeLogical(number(col, row) != 0);
        case CellKind::Text:
            return FormulaValue::makeText(std::string(text(col, row)));
        case CellKind::Error:
            return FormulaValue::makeError(error(col, row));
    }
    return {};
}

FormulaValueView CellStore::view(int col, int row) const {
    const Block* b = block(col, row);
    return b ? viewOf(*b, slot(row)) : FormulaValueView{};
}

std::optional<FormulaValueView> CellStore::constantView(int col, int row) const {
    const Block* b = block(col, row);
    if (!b) return FormulaValueView{};
    if (b->formula[static_cast<std::size_t>(slot(row))] != kNoFormula) return std::nullopt;
    return viewOf(*b, slot(row));
}

std::optional<FormulaValueView> CellStore::constantViewEmptyingText(int col, int row,
                                                                    TextRefusal refusal,
                                                                    bool& emptied) {
    emptied = false;
    // One block look-up for the read and the emptying; a block is only ever changed here.
    Block* b = const_cast<Block*>(block(col, row));
    if (!b) return FormulaValueView{};
    const auto s = static_cast<std::size_t>(slot(row));
    if (b->formula[s] != kNoFormula) return std::nullopt;
    if (b->kind[s] != CellKind::Text || !refusal(texts_.text(b->payload[s].text))) {
        return viewOf(*b, slot(row));
    }
    emptySlot(*b, slot(row));
    emptied = true;
    return FormulaValueView{};
}

FormulaValueView CellStore::viewOf(const Block& b, int slotIndex) const {
    const auto s = static_cast<std::size_t>(slotIndex);
    const Payload& p = b.payload[s];
    switch (b.kind[s]) {
        case CellKind::Empty:
            return {};
        case CellKind::Number:
            return {FormulaValueKind::Number, p.num, {}, FormulaError::None};
        case CellKind::Logical:
            return {FormulaValueKind::Logical, p.num != 0 ? 1.0 : 0.0, {}, FormulaError::None};
        case CellKind::Text:
            return {FormulaValueKind::Text, 0.0, texts_.text(p.text), FormulaError::None};
        case CellKind::Error:
            return {FormulaValueKind::Error, 0.0, {}, p.error};
    }
    return {};
}

std::vector<CellStore::Moved> CellStore::takeAll() {
    written_ = nextWriteStamp();
    std::vector<Moved> all;
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        auto& blocks = columns_[c].blocks;
        for (std::size_t bi = 0; bi < blocks.size(); ++bi) {
            const Block* b = blocks[bi].get();
            if (!b) continue;
            for (int s = 0; s < kBlockRows; ++s) {
                std::size_t i = static_cast<std::size_t>(s);
                if (b->kind[i] == CellKind::Empty && b->formula[i] == kNoFormula) continue;
                all.push_back({static_cast<int>(c), static_cast<int>(bi << kBlockBits) | s,
                               b->kind[i], b->payload[i], b->formula[i]});
            }
        }
    }
    columns_.clear();
    usedCols_ = usedRows_ = 0;
    return all;
}

void CellStore::clear() {
    written_ = nextWriteStamp();
    columns_.clear();
    texts_.clear();
    usedCols_ = usedRows_ = 0;
}

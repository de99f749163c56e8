#include "vn_standards_calc_index.h"

#include <algorithm>
#include <cstdint>

#include "calc_timers.h"
#include "string_helpers.h"

VnStandardsCalcIndex::VnStandardsCalcIndex(const VnVarCells& cells) : size_(cells.length()) {
    byName_.reserve(static_cast<size_t>(cells.length()) * 2);
    declared_.reserve(static_cast<size_t>(cells.length()));
    for (int i = 0; i < cells.length(); ++i) {
        const VnVarCell& cell = cells[i];
        declared_.push_back({cell.name.str(), cell.col, cell.row});
        byName_.try_emplace(foldedKey(cell.name), i);
        if (cell.col <= 0 || cell.row <= 0) continue;
        gCalcCellGetVarCoordName.start();
        const Ktx_String coord = coordName(cell.col, cell.row);
        gCalcCellGetVarCoordName.end();
        coordinates_.add(cell.name.view(), coord.view());
    }
}

namespace {

// What an index is built from, hashed in place: each variable's name, column and row, in order.
std::uint64_t signatureHash(const VnVarCells& cells) {
    std::uint64_t h = 1469598103934665603ull;
    auto mix = [&h](std::uint64_t v) { h = (h ^ v) * 1099511628211ull; };
    for (int i = 0; i < cells.length(); ++i) {
        const VnVarCell& cell = cells[i];
        for (unsigned char c : cell.name.view()) mix(c);
        mix(static_cast<std::uint64_t>(cell.name.length()) << 32);
        mix(static_cast<std::uint32_t>(cell.col));
        mix(static_cast<std::uint64_t>(static_cast<std::uint32_t>(cell.row)) << 32);
    }
    return h;
}

}  // namespace

bool VnStandardsCalcIndex::builtFrom(const VnVarCells& cells) const {
    if (cells.length() != size_) return false;
    for (int i = 0; i < size_; ++i) {
        const VnVarCell& cell = cells[i];
        const Declared& d = declared_[static_cast<size_t>(i)];
        if (cell.col != d.col || cell.row != d.row || cell.name.view() != d.name) return false;
    }
    return true;
}

std::shared_ptr<const VnStandardsCalcIndex> VnStandardsCalcIndex::of(const VnVarCells& cells) {
    static std::unordered_multimap<std::uint64_t, std::shared_ptr<const VnStandardsCalcIndex>>
        built;
    const std::uint64_t key = signatureHash(cells);
    for (auto [it, end] = built.equal_range(key); it != end; ++it)
        if (it->second->builtFrom(cells)) return it->second;
    if (built.size() >= 64) built.clear();
    auto index = std::make_shared<const VnStandardsCalcIndex>(cells);
    built.emplace(key, index);
    return index;
}

std::shared_ptr<const VnStandardsCalcIndex> VnStandardsCalcIndex::of(
    const VnVarCells& cells, const std::shared_ptr<const VnStandardsCalcIndex>& last) {
    if (last && last->builtFrom(cells)) return last;
    return of(cells);
}

int VnStandardsCalcIndex::find(const Ktx_String& name) const {
    const auto it = byName_.find(foldedKey(name));
    return it == byName_.end() ? -1 : it->second;
}

std::shared_ptr<const VnStandardsCalcIndex::Equation> VnStandardsCalcIndex::known(
    const Ktx_String& text) const {
    const auto it = equations_.find(text.str());
    return it == equations_.end() ? nullptr : it->second;
}

std::shared_ptr<const VnStandardsCalcIndex::Equation> VnStandardsCalcIndex::remember(
    const Ktx_String& text, Equation equation) const {
    // Room for every Calc cell of the standard twice over (a text changed by general variables).
    if (equations_.size() >= std::max<size_t>(1024, 2 * static_cast<size_t>(size_)))
        equations_.clear();
    auto kept = std::make_shared<const Equation>(std::move(equation));
    equations_.insert_or_assign(text.str(), kept);
    return kept;
}

Ktx_String VnStandardsCalcIndex::coordName(int col, int row) {
    return getAlfabet(col) + Ktx_String(row);
}

std::string VnStandardsCalcIndex::foldedKey(const Ktx_String& name) {
    return name.toLower().str();
}

#include "vn_standards_calc_index.h"

#include <algorithm>

#include "calc_timers.h"
#include "string_helpers.h"

VnStandardsCalcIndex::VnStandardsCalcIndex(const VnVarCells& cells) : size_(cells.length()) {
    byName_.reserve(static_cast<size_t>(cells.length()) * 2);
    for (int i = 0; i < cells.length(); ++i) {
        const VnVarCell& cell = cells[i];
        byName_.try_emplace(foldedKey(cell.name), i);
        if (cell.col <= 0 || cell.row <= 0) continue;
        gCalcCellGetVarCoordName.start();
        const Ktx_String coord = coordName(cell.col, cell.row);
        gCalcCellGetVarCoordName.end();
        coordinates_.add(cell.name.view(), coord.view());
    }
}

namespace {

// What an index is built from: each variable's name, column and row, in order.
std::string signatureOf(const VnVarCells& cells) {
    std::string signature;
    for (int i = 0; i < cells.length(); ++i) {
        const VnVarCell& cell = cells[i];
        const int numbers[3] = {cell.name.length(), cell.col, cell.row};
        signature.append(reinterpret_cast<const char*>(numbers), sizeof numbers);
        signature += cell.name.str();
    }
    return signature;
}

}  // namespace

std::shared_ptr<const VnStandardsCalcIndex> VnStandardsCalcIndex::of(const VnVarCells& cells) {
    static std::unordered_map<std::string, std::shared_ptr<const VnStandardsCalcIndex>> built;
    std::string signature = signatureOf(cells);
    auto it = built.find(signature);
    if (it != built.end()) return it->second;
    if (built.size() >= 64) built.clear();
    auto index = std::make_shared<const VnStandardsCalcIndex>(cells);
    built.emplace(std::move(signature), index);
    return index;
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

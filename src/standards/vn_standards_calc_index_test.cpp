#include "vn_standards_calc_index.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <tuple>

namespace {

VnVarCells cellsOf(std::initializer_list<std::tuple<const char*, int, int>> declared) {
    VnVarCells cells;
    for (const auto& [name, col, row] : declared) {
        VnVarCell cell;
        cell.name = name;
        cell.col = col;
        cell.row = row;
        cells.append(cell);
    }
    return cells;
}

std::string translated(const VnStandardsCalcIndex& index, const char* expression) {
    std::string formula;
    index.coordinates().apply(expression, formula);
    return formula;
}

// An index is shared between equal declarations only: a kept index for other names, cells or
// order would translate the Calc formulas into the wrong cells.
TEST(StandardsCalcIndex, IsSharedOnlyForTheSameNamesCellsAndOrder) {
    const auto first = VnStandardsCalcIndex::of(cellsOf({{"W", 2, 3}, {"H", 2, 4}}));
    EXPECT_EQ(VnStandardsCalcIndex::of(cellsOf({{"W", 2, 3}, {"H", 2, 4}})), first);
    EXPECT_EQ(translated(*first, "W*H"), "B3*B4");

    const auto moved = VnStandardsCalcIndex::of(cellsOf({{"W", 3, 3}, {"H", 2, 4}}));
    EXPECT_NE(moved, first);
    EXPECT_EQ(translated(*moved, "W*H"), "C3*B4");
    const auto lower = VnStandardsCalcIndex::of(cellsOf({{"W", 2, 3}, {"H", 2, 5}}));
    EXPECT_EQ(translated(*lower, "W*H"), "B3*B5");

    const auto swapped = VnStandardsCalcIndex::of(cellsOf({{"H", 2, 4}, {"W", 2, 3}}));
    EXPECT_NE(swapped, first);
    EXPECT_EQ(swapped->find("W"), 1);
    const auto renamed = VnStandardsCalcIndex::of(cellsOf({{"W", 2, 3}, {"HH", 2, 4}}));
    EXPECT_EQ(renamed->find("H"), -1);
    EXPECT_EQ(renamed->find("hh"), 1);
    // One more variable, and the same ones without the last.
    EXPECT_EQ(VnStandardsCalcIndex::of(cellsOf({{"W", 2, 3}, {"H", 2, 4}, {"D", 2, 5}}))->size(),
              3);
    EXPECT_EQ(VnStandardsCalcIndex::of(cellsOf({{"W", 2, 3}}))->find("H"), -1);
    EXPECT_EQ(VnStandardsCalcIndex::of(cellsOf({{"W", 2, 3}, {"H", 2, 4}})), first);
    // A host's last index is taken again for the same declarations only.
    EXPECT_EQ(VnStandardsCalcIndex::of(cellsOf({{"W", 2, 3}, {"H", 2, 4}}), first), first);
    EXPECT_EQ(
        translated(*VnStandardsCalcIndex::of(cellsOf({{"W", 3, 3}, {"H", 2, 4}}), first), "W*H"),
        "C3*B4");
    EXPECT_EQ(VnStandardsCalcIndex::of(cellsOf({{"H", 2, 4}, {"W", 2, 3}}), first)->find("W"), 1);
    EXPECT_EQ(VnStandardsCalcIndex::of(cellsOf({{"W", 2, 3}}), first)->size(), 1);
    EXPECT_EQ(VnStandardsCalcIndex::of(cellsOf({{"W", 2, 3}}), nullptr)->size(), 1);
}

}  // namespace

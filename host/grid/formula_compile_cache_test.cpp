// Formulas compiled before are taken from the cache only where compiling them again would give
// the same result: a strict formula naming a custom function is refused on a sheet that lacks
// the function even after another sheet compiled it, and a reference keeps its own cell.
#include "formula_compile_cache.h"

#include <gtest/gtest.h>

#include "formula_engine.h"

namespace {

bool one(SpreadValue* result, SpreadValue*, short) {
    result->status = SPREAD_STATUS_VALID;
    result->type = SPREAD_TYPE_DOUBLE;
    result->dfValue = 1;
    return true;
}

}  // namespace

TEST(FormulaCompileCache, AStrictFormulaNeedsTheCustomFunctionOnEverySheet) {
    FormulaCompileCache::shared().clear();
    FormulaEngine with;
    ASSERT_TRUE(with.addCustomFunction("ONE", 0, 0, one, 0));
    ASSERT_TRUE(with.setFormula(1, 1, "ONE()+1", FormulaSetMode::Strict));
    EXPECT_DOUBLE_EQ(with.value(1, 1).number, 2);

    FormulaEngine without;
    EXPECT_FALSE(without.setFormula(1, 1, "ONE()+1", FormulaSetMode::Strict));
    EXPECT_FALSE(without.hasFormula(1, 1));
    ASSERT_TRUE(without.addCustomFunction("ONE", 0, 0, one, 0));
    EXPECT_TRUE(without.setFormula(1, 1, "ONE()+1", FormulaSetMode::Strict));
}

TEST(FormulaCompileCache, TheSameTextInAnotherCellRefersFromThatCell) {
    FormulaCompileCache::shared().clear();
    FormulaEngine sheet;
    sheet.setFormula(1, 1, "5", FormulaSetMode::Strict);
    sheet.setFormula(1, 2, "7", FormulaSetMode::Strict);
    ASSERT_TRUE(sheet.setFormula(2, 1, "A1*2", FormulaSetMode::Strict));
    ASSERT_TRUE(sheet.setFormula(2, 2, "A1*2", FormulaSetMode::Strict));
    sheet.setRefStyle(FormulaRefStyle::R1C1);
    ASSERT_TRUE(sheet.setFormula(3, 2, "RC[-2]*3", FormulaSetMode::Strict));
    ASSERT_TRUE(sheet.setFormula(3, 1, "RC[-2]*3", FormulaSetMode::Strict));
    EXPECT_DOUBLE_EQ(sheet.value(2, 1).number, 10);
    EXPECT_DOUBLE_EQ(sheet.value(2, 2).number, 10);
    EXPECT_DOUBLE_EQ(sheet.value(3, 2).number, 21);
    EXPECT_DOUBLE_EQ(sheet.value(3, 1).number, 15);
}

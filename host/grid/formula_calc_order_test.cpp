// Recalculation after a full calculation, which reuses the order that calculation found:
// edits that change what reads what must not leave a stale order behind.
#include <gtest/gtest.h>

#include "formula_test_util.h"

namespace {

TEST(FormulaCalcOrder, ReplacingAFormulaThatIsReadReordersLaterChanges) {
    FormulaEngine e;
    e.setNumber(1, 1, 1);
    ASSERT_TRUE(e.setFormula(2, 1, "=C1+1"));  // B1 reads C1
    ASSERT_TRUE(e.setFormula(3, 1, "=A1*2"));  // C1 reads A1
    e.recalcAll();
    ASSERT_TRUE(e.setFormula(3, 1, "=A1+20"));  // C1 replaced while B1 reads it
    ASSERT_TRUE(e.setFormula(4, 1, "=B1*10"));  // D1: a new formula nothing reads
    e.setNumber(1, 1, 5);
    EXPECT_EQ(cellText(e, 3, 1), "25");
    EXPECT_EQ(cellText(e, 2, 1), "26");
    EXPECT_EQ(cellText(e, 4, 1), "260");
}

TEST(FormulaCalcOrder, AChainLoadedBackwardsFollowsAChangeOfItsHead) {
    FormulaEngine e;
    e.setAutoCalc(false);
    const int n = 2000;
    for (int row = n; row >= 2; --row)
        ASSERT_TRUE(
            e.setFormula(1, row, "=A" + std::to_string(row - 1) + "+1", FormulaSetMode::Bulk));
    e.setNumber(1, 1, 0);
    e.recalcAll();
    EXPECT_EQ(cellText(e, 1, n), "1999");
    e.setAutoCalc(true);
    e.setNumber(1, 1, 100);
    EXPECT_EQ(cellText(e, 1, n), "2099");
    e.setEmpty(1, 1000);  // removes a link: the rest of the chain restarts from 0
    e.setNumber(1, 1, 7);
    EXPECT_EQ(cellText(e, 1, 999), "1005");
    EXPECT_EQ(cellText(e, 1, n), "1000");
}

TEST(FormulaCalcOrder, CyclesStayMarkedAndTheirReadersFollow) {
    FormulaEngine e;
    ASSERT_TRUE(e.setFormula(1, 1, "=B1+D1"));
    ASSERT_TRUE(e.setFormula(2, 1, "=A1"));
    ASSERT_TRUE(e.setFormula(3, 1, "=ISERROR(A1)"));
    e.setNumber(4, 1, 1);
    e.recalcAll();
    e.setNumber(4, 1, 2);
    EXPECT_EQ(cellText(e, 1, 1), "#REF!");
    EXPECT_EQ(cellText(e, 2, 1), "#REF!");
    EXPECT_EQ(cellText(e, 3, 1), "TRUE");
    ASSERT_TRUE(e.setFormula(2, 1, "=5"));  // breaks the cycle
    e.setNumber(4, 1, 3);
    EXPECT_EQ(cellText(e, 1, 1), "8");
    EXPECT_EQ(cellText(e, 3, 1), "FALSE");
}

TEST(FormulaCalcOrder, InsertedRowsKeepLaterChangesInOrder) {
    FormulaEngine e;
    e.setNumber(1, 1, 1);
    ASSERT_TRUE(e.setFormula(1, 3, "=A2*3"));
    ASSERT_TRUE(e.setFormula(1, 2, "=A1+1"));
    e.recalcAll();
    ASSERT_TRUE(e.insertRows(2, 1));  // A2 -> A3, A3 -> A4
    e.setNumber(1, 1, 4);
    EXPECT_EQ(cellText(e, 1, 3), "5");
    EXPECT_EQ(cellText(e, 1, 4), "15");
}

}  // namespace

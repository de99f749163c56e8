#include "spread_search.h"

#include <gtest/gtest.h>

#include "grid.h"
#include "spread_test_host.h"

namespace {

class SpreadSearchTest : public SpreadHostTest {
  protected:
    void SetUp() override {
        SpreadHostTest::SetUp();
        makeGrid(3, 3);
        // a1 "IPE 300"  b1 "HEA"   c1 =A1 (formula)
        // a2 ""         b2 "IPE 200" c2 number 300
        ss.setCellText(1, 1, "IPE 300");
        ss.setCellText(2, 1, "HEA");
        ss.setCellFormula(3, 1, "A1");
        ss.setCellText(2, 2, "IPE 200");
        ss.setCellText(3, 2, "300");
    }
    std::pair<int, int> active() {
        int col = 0, row = 0;
        ss.getActiveCell(col, row);
        return {col, row};
    }
    Ktx_String data(int col, int row) {
        Ktx_String text;
        ss.getCellText(col, row, text, CellTextKind::Data);
        return text;
    }
    int asked = 0;
    std::function<bool()> answer(bool yes) {
        return [this, yes] {
            ++asked;
            return yes;
        };
    }
};

TEST_F(SpreadSearchTest, FindsFromTheCellAfterTheActiveOneRowByRow) {
    SSSetActiveCell(grid(), 1, 1);
    EXPECT_EQ(spreadFindNext(ss, "IPE", answer(false)), SpreadFindResult::Found);
    EXPECT_EQ(active(), std::make_pair(3, 1));  // the formula's value shows "IPE 300"
    EXPECT_EQ(spreadFindNext(ss, "IPE", answer(false)), SpreadFindResult::Found);
    EXPECT_EQ(active(), std::make_pair(2, 2));
    int col = 0, row = 0, col2 = 0, row2 = 0;
    SSGetSelectBlock(grid(), &col, &row, &col2, &row2);
    EXPECT_EQ((std::array{col, row, col2, row2}), (std::array{2, 2, 2, 2}));
    EXPECT_EQ(asked, 0);
}

TEST_F(SpreadSearchTest, WrapAroundAnsweredNoLeavesTheActiveCell) {
    SSSetActiveCell(grid(), 2, 2);
    EXPECT_EQ(spreadFindNext(ss, "HEA", answer(false)), SpreadFindResult::Declined);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(active(), std::make_pair(2, 2));
    EXPECT_EQ(spreadFindNext(ss, "HEA", answer(true)), SpreadFindResult::Found);
    EXPECT_EQ(active(), std::make_pair(2, 1));
    EXPECT_EQ(spreadFindNext(ss, "UPN", answer(true)), SpreadFindResult::NotFound);
    EXPECT_EQ(active(), std::make_pair(2, 1));
}

TEST_F(SpreadSearchTest, ReplaceChangesDataButNeverAFormula) {
    EXPECT_TRUE(spreadReplaceInCell(ss, 1, 1, "IPE", "IPEa"));
    EXPECT_EQ(data(1, 1), "IPEa 300");
    EXPECT_FALSE(spreadReplaceInCell(ss, 3, 1, "IPE", "UB"));
    Ktx_String formula;
    ss.getCellText(3, 1, formula, CellTextKind::Formula);
    EXPECT_EQ(formula, "A1");
    EXPECT_FALSE(spreadReplaceInCell(ss, 2, 1, "IPE", "UB"));  // not in the cell
}

TEST_F(SpreadSearchTest, ReplaceAllVisitsEachCellOnceEvenWhenTheReplacementHoldsTheText) {
    EXPECT_EQ(spreadReplaceAll(ss, "IPE", "IPE IPE"), 2);
    EXPECT_EQ(data(1, 1), "IPE IPE 300");
    EXPECT_EQ(data(2, 2), "IPE IPE 200");
    EXPECT_EQ(spreadReplaceAll(ss, "", "x"), 0);
}

}  // namespace

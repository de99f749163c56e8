// Rows and columns inserted and deleted move contents and references; copying moves the
// relative parts of references.
#include <gtest/gtest.h>

#include "formula_test_util.h"

namespace {

class FormulaStructure : public ::testing::Test {
  protected:
    void SetUp() override {
        e.setNumber(1, 1, 1);                            // A1
        e.setNumber(1, 2, 2);                            // A2
        e.setNumber(1, 3, 3);                            // A3
        e.setNumber(1, 4, 4);                            // A4
        ASSERT_TRUE(e.setFormula(2, 1, "=A3*10"));       // B1
        ASSERT_TRUE(e.setFormula(2, 2, "=SUM(A1:A4)"));  // B2
        ASSERT_TRUE(e.setFormula(2, 3, "=$A$4+A1"));     // B3
    }
    FormulaEngine e;
};

TEST_F(FormulaStructure, InsertedRowsPushReferencesBelowThem) {
    ASSERT_TRUE(e.insertRows(2, 2));
    EXPECT_EQ(cellText(e, 1, 5), "3");  // A3 moved to A5
    EXPECT_EQ(e.formulaText(2, 1), "A5*10");
    EXPECT_EQ(e.formulaText(2, 4), "SUM(A1:A6)");  // the range grew around the gap
    EXPECT_EQ(e.formulaText(2, 5), "$A$6+A1");
    EXPECT_EQ(cellText(e, 2, 4), "10");
    e.setNumber(1, 3, 100);  // a cell in the new rows belongs to the range
    EXPECT_EQ(cellText(e, 2, 4), "110");
    EXPECT_EQ(cellText(e, 2, 1), "30");
}

TEST_F(FormulaStructure, DeletedRowsTurnTheirReferencesIntoRefErrors) {
    ASSERT_TRUE(e.deleteRows(3, 1));  // A3 and B3 go
    EXPECT_EQ(e.formulaText(2, 1), "#REF!*10");
    EXPECT_EQ(cellText(e, 2, 1), "#REF!");
    EXPECT_EQ(e.formulaText(2, 2), "SUM(A1:A3)");  // the range shrank
    EXPECT_EQ(cellText(e, 2, 2), "7");
    EXPECT_FALSE(e.hasFormula(2, 3));  // B3 was deleted; A4 moved up
    EXPECT_EQ(cellText(e, 1, 3), "4");
    ASSERT_TRUE(e.deleteRows(1, 3));
    EXPECT_EQ(e.usedRows() >= 0, true);
}

TEST_F(FormulaStructure, ColumnsMoveLikeRows) {
    ASSERT_TRUE(e.insertCols(1, 1));
    EXPECT_EQ(e.formulaText(3, 2), "SUM(B1:B4)");
    EXPECT_EQ(e.formulaText(3, 3), "$B$4+B1");
    EXPECT_EQ(cellText(e, 3, 3), "5");
    ASSERT_TRUE(e.deleteCols(2, 1));
    EXPECT_EQ(e.formulaText(2, 2), "SUM(#REF!)");
    EXPECT_EQ(cellText(e, 2, 2), "#REF!");
}

TEST_F(FormulaStructure, HeaderCellsMoveWithTheirLineButNeverIntoTheSheet) {
    e.setText(0, 1, "row header");
    e.setText(1, 0, "col header");
    ASSERT_TRUE(e.insertRows(1, 1));
    ASSERT_TRUE(e.insertCols(1, 1));
    EXPECT_EQ(cellText(e, 0, 2), "row header");
    EXPECT_EQ(cellText(e, 2, 0), "col header");
    EXPECT_EQ(cellText(e, 0, 1), "");
}

TEST_F(FormulaStructure, BadArgumentsChangeNothing) {
    EXPECT_FALSE(e.insertRows(0, 1));
    EXPECT_FALSE(e.deleteRows(1, 0));
    EXPECT_FALSE(e.insertCols(-3, 1));
    EXPECT_EQ(e.formulaText(2, 1), "A3*10");
}

TEST_F(FormulaStructure, CopyMovesRelativePartsOnly) {
    ASSERT_TRUE(e.copyCell(2, 3, 3, 4));  // B3 "$A$4+A1" to C4
    EXPECT_EQ(e.formulaText(3, 4), "$A$4+B2");
    EXPECT_EQ(cellText(e, 3, 4), "14");   // 4 + B2 (10)
    ASSERT_TRUE(e.copyCell(2, 2, 3, 2));  // SUM(A1:A4) to C2
    EXPECT_EQ(e.formulaText(3, 2), "SUM(B1:B4)");
    ASSERT_TRUE(e.copyCell(2, 1, 2, 10));  // A3*10 down 9 rows
    EXPECT_EQ(e.formulaText(2, 10), "A12*10");
    ASSERT_TRUE(e.copyCell(2, 3, 1, 1) == true);  // left out of the sheet: A1 -> #REF!
    EXPECT_EQ(e.formulaText(1, 1), "$A$4+#REF!");
    ASSERT_TRUE(e.copyCell(1, 2, 5, 5));  // a constant is copied as it is
    EXPECT_EQ(cellText(e, 5, 5), "2");
}

}  // namespace

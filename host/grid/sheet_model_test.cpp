#include "sheet_model.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

CellFormat typed(int type, int decimals = 2) {
    CellFormat f;
    f.cellType.type = type;
    f.cellType.decimals = decimals;
    return f;
}

class SheetModelTest : public testing::Test {
  protected:
    void SetUp() override {
        s.setMaxCols(6);
        s.setMaxRows(8);
    }
    SheetModel s;
};

TEST_F(SheetModelTest, NumberCellsTakeOnlyNumbersAndLeaveTheCellAsItWasOtherwise) {
    s.setFormat(1, 1, typed(SS_CELLTYPE_NUMBER));
    EXPECT_TRUE(s.setData(1, 1, "12.5"));
    for (const char* bad : {"abc", "12x", "1,5", "--1"}) {
        EXPECT_FALSE(s.setData(1, 1, bad)) << bad;
        EXPECT_EQ(s.dataText(1, 1), "12.5");
    }
    EXPECT_TRUE(s.setData(1, 1, " 7 "));
    EXPECT_TRUE(s.setData(1, 1, ""));
    EXPECT_TRUE(s.value(1, 1).isEmpty());
    CellFormat bounded = typed(SS_CELLTYPE_INTEGER);
    bounded.cellType.minValue = 0;
    bounded.cellType.maxValue = 10;
    s.setFormat(2, 1, bounded);
    EXPECT_FALSE(s.setData(2, 1, "2.5"));
    EXPECT_FALSE(s.setData(2, 1, "11"));
    EXPECT_TRUE(s.setData(2, 1, "10"));
}

TEST_F(SheetModelTest, ValueTextFollowsTheCellType) {
    struct Case {
        int type;
        const char* data;
        const char* value;
    };
    const Case cases[] = {
        {SS_CELLTYPE_GENERAL, "1.50", "1.5"},    {SS_CELLTYPE_GENERAL, "abc", "abc"},
        {SS_CELLTYPE_EDIT, "007", "007"},        {SS_CELLTYPE_STATICTEXT, "Size", "Size"},
        {SS_CELLTYPE_NUMBER, "3", "3.00"},       {SS_CELLTYPE_NUMBER, "-0.004", "0.00"},
        {SS_CELLTYPE_CURRENCY, "2.345", "2.35"}, {SS_CELLTYPE_PERCENT, "50", "50.00"},
        {SS_CELLTYPE_INTEGER, "42", "42"},       {SS_CELLTYPE_CHECKBOX, "1", "1"},
        {SS_CELLTYPE_CHECKBOX, "TRUE", "1"},     {SS_CELLTYPE_COMBOBOX, "two", "two"},
        {SS_CELLTYPE_BUTTON, "Go", "Go"},        {SS_CELLTYPE_PICTURE, "", ""},
    };
    int row = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " data " << c.data);
        const int col = 1 + (row - 1) / 8;
        const int r = 1 + (row - 1) % 8;
        s.setFormat(col, r, typed(c.type));
        ASSERT_TRUE(s.setData(col, r, c.data));
        EXPECT_EQ(s.valueText(col, r), c.value);
        EXPECT_EQ(s.dataText(col, r), c.data);
        ++row;
    }
}

TEST_F(SheetModelTest, AnEditCellKeepsNumbersAsText) {
    s.setFormat(1, 1, typed(SS_CELLTYPE_EDIT));
    s.setData(1, 1, "12");
    s.setData(2, 1, "12");
    EXPECT_EQ(s.value(1, 1).kind, FormulaValueKind::Text);
    EXPECT_EQ(s.value(2, 1).kind, FormulaValueKind::Number);
}

TEST_F(SheetModelTest, ANewTypeEmptiesDataItRefuses) {
    s.setData(1, 1, "abc");
    s.setData(1, 2, "5");
    s.setFormat(1, 1, typed(SS_CELLTYPE_NUMBER));
    s.setFormat(1, 2, typed(SS_CELLTYPE_NUMBER));
    EXPECT_EQ(s.dataText(1, 1), "");
    EXPECT_EQ(s.valueText(1, 2), "5.00");
}

TEST_F(SheetModelTest, AFormatChangeBesideTheTypeKeepsTheDataAndAnEqualOneChangesNothing) {
    CellFormat f = typed(SS_CELLTYPE_NUMBER, 1);
    s.setFormat(1, 1, f);
    ASSERT_TRUE(s.setData(1, 1, "2.50"));
    const std::size_t pooled = s.formats().size();
    f.background = 0x123456;
    ASSERT_TRUE(s.setFormat(1, 1, f));
    EXPECT_EQ(s.format(1, 1).background, 0x123456u);
    EXPECT_EQ(s.dataText(1, 1), "2.50");
    ASSERT_TRUE(s.setFormat(1, 1, f));
    ASSERT_TRUE(s.editFormat(1, 1, [](CellFormat&) {}));
    EXPECT_EQ(s.formats().size(), pooled + 1);
    f.cellType.type = SS_CELLTYPE_INTEGER;
    ASSERT_TRUE(s.setFormat(1, 1, f));
    EXPECT_EQ(s.dataText(1, 1), "");  // read again under the new type, which refuses 2.50
}

TEST_F(SheetModelTest, FormulasFollowInsertedAndDeletedRows) {
    s.setData(1, 1, "2");
    s.setData(1, 2, "3");
    ASSERT_TRUE(s.setFormula(1, 3, "=A1+A2", FormulaSetMode::Strict));
    s.setTag(1, 3, "sum");
    ASSERT_TRUE(s.insertRows(2, 1));
    EXPECT_EQ(s.formulaText(1, 4), "A1+A3");
    EXPECT_EQ(s.tag(1, 4), "sum");
    EXPECT_EQ(s.valueText(1, 4), "5");
    ASSERT_TRUE(s.deleteRows(1, 1));
    EXPECT_EQ(s.tag(1, 3), "sum");
    EXPECT_EQ(s.valueText(1, 3), "#REF!");
}

TEST_F(SheetModelTest, InsertingGrowsTheSheetRatherThanLosingTheLastRow) {
    s.setData(2, 8, "last");
    ASSERT_TRUE(s.insertRows(3, 1));
    EXPECT_EQ(s.maxRows(), 9);
    EXPECT_EQ(s.dataText(2, 9), "last");
    SheetModel empty;
    empty.setMaxRows(4);
    empty.setMaxCols(1);
    ASSERT_TRUE(empty.insertRows(2, 1));
    EXPECT_EQ(empty.maxRows(), 4);
}

TEST_F(SheetModelTest, SpansAreRemovedOnlyByTheirAnchorAndMoveWithRows) {
    ASSERT_TRUE(s.addSpan({2, 2, 2, 3}));
    EXPECT_FALSE(s.addSpan({3, 3, 2, 2}));  // overlaps
    EXPECT_FALSE(s.addSpan({6, 8, 2, 1}));  // leaves the sheet
    EXPECT_FALSE(s.removeSpanAnchoredAt(3, 3));
    ASSERT_NE(s.spanAt(3, 4), nullptr);
    s.insertRows(3, 2);
    ASSERT_NE(s.spanAt(2, 2), nullptr);
    EXPECT_EQ(s.spanAt(2, 2)->numRows, 5);
    s.deleteRows(2, 1);
    EXPECT_EQ(*s.spanAt(2, 2), (CellSpan{2, 2, 2, 4}));
    EXPECT_TRUE(s.removeSpanAnchoredAt(2, 2));
    EXPECT_TRUE(s.spans().empty());
}

TEST_F(SheetModelTest, CopyingTheFormatNeverCopiesData) {
    CellFormat f = typed(SS_CELLTYPE_NUMBER, 1);
    f.background = 0xFFD1A4;
    s.setFormat(1, 1, f);
    s.setData(1, 1, "4");
    s.setTag(1, 1, "tag");
    ASSERT_TRUE(s.copyRange({0, 1, 7, 1}, 0, 2, true));
    EXPECT_TRUE(s.format(1, 2) == f);
    EXPECT_EQ(s.dataText(1, 2), "");
    EXPECT_EQ(s.tag(1, 2), "");
}

TEST_F(SheetModelTest, CopyingContentsMovesRelativeReferences) {
    s.setData(1, 1, "1");
    s.setData(1, 2, "2");
    s.setFormula(2, 1, "=A1*10", FormulaSetMode::Strict);
    ASSERT_TRUE(s.copyRange({1, 1, 2, 1}, 1, 2, false));
    EXPECT_EQ(s.formulaText(2, 2), "A2*10");
    EXPECT_EQ(s.valueText(2, 2), "10");
}

TEST_F(SheetModelTest, SwappingRowsExchangesEverythingAndKeepsFormulasPointingAlike) {
    s.setData(1, 1, "a");
    s.setNote(1, 1, "first");
    s.setData(1, 2, "5");
    s.setFormula(2, 2, "=A2*2", FormulaSetMode::Strict);
    ASSERT_TRUE(s.swapRange({1, 1, 2, 1}, 1, 2));
    EXPECT_EQ(s.dataText(1, 2), "a");
    EXPECT_EQ(s.note(1, 2), "first");
    EXPECT_EQ(s.dataText(1, 1), "5");
    EXPECT_EQ(s.formulaText(2, 1), "A1*2");
    EXPECT_EQ(s.valueText(2, 1), "10");
    EXPECT_FALSE(s.swapRange({1, 1, 2, 2}, 1, 2));  // overlapping blocks
}

TEST_F(SheetModelTest, ShrinkingRemovesWhatLiesBeyond) {
    s.setData(6, 8, "x");
    s.setTag(6, 1, "t");
    s.addSpan({5, 1, 2, 1});
    s.setMaxCols(5);
    s.setMaxCols(6);
    EXPECT_EQ(s.dataText(6, 8), "");
    EXPECT_EQ(s.tag(6, 1), "");
    EXPECT_TRUE(s.spans().empty());
}

}  // namespace

namespace {

std::vector<std::pair<int, int>> usedCells(const SheetModel& s) {
    std::vector<std::pair<int, int>> cells;
    s.forEachUsedCell([&](int c, int r) { cells.emplace_back(c, r); });
    return cells;
}

TEST(SheetModelUsedCells, AreFoundInRowOrderAfterRowsAndColumnsMoveFar) {
    SheetModel s;
    s.setMaxCols(5000);
    s.setMaxRows(2000000);
    s.setData(3, 255, "a");
    s.setData(4999, 1999000, "far");
    s.setTag(1, 300, "tag only");
    s.setData(2, 0, "header");
    using Cells = std::vector<std::pair<int, int>>;
    EXPECT_EQ(usedCells(s), (Cells{{2, 0}, {3, 255}, {1, 300}, {4999, 1999000}}));
    s.insertRows(1, 1000);
    s.insertCols(2, 1);
    EXPECT_EQ(usedCells(s), (Cells{{3, 0}, {4, 1255}, {1, 1300}, {5000, 2000000}}));
    s.deleteRows(2, 1200);
    EXPECT_EQ(usedCells(s), (Cells{{3, 0}, {4, 55}, {1, 100}, {5000, 1998800}}));
    EXPECT_EQ(s.dataText(5000, 1998800), "far");
}

}  // namespace

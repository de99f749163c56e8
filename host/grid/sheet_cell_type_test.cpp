// Changing one cell's type: the data is read again under the new type, the pool keeps each
// format once, and data set under each type keeps the text and value it had before.
#include <gtest/gtest.h>

#include <vector>

#include "sheet_model.h"

namespace {

SSCellType numberType(int decimals) {
    SSCellType t;
    t.type = SS_CELLTYPE_NUMBER;
    t.decimals = decimals;
    return t;
}

SSCellType editType() {
    SSCellType t;
    t.type = SS_CELLTYPE_EDIT;
    return t;
}

}  // namespace

TEST(SheetCellType, NumberToEditToNumberRereadsTheTypedText) {
    SheetModel s;
    s.setMaxCols(5);
    s.setMaxRows(5);
    ASSERT_TRUE(s.setData(1, 1, "12.50"));
    ASSERT_TRUE(s.setCellType(1, 1, numberType(7)));
    EXPECT_EQ(s.dataText(1, 1), "12.50");
    EXPECT_EQ(s.valueText(1, 1), "12.5000000");
    ASSERT_TRUE(s.setCellType(1, 1, editType()));
    EXPECT_EQ(s.value(1, 1).kind, FormulaValueKind::Text);
    EXPECT_EQ(s.dataText(1, 1), "12.50");
    ASSERT_TRUE(s.setCellType(1, 1, numberType(0)));
    EXPECT_EQ(s.value(1, 1).number, 12.5);
    EXPECT_EQ(s.valueText(1, 1), "13");
    EXPECT_EQ(s.dataText(1, 1), "12.50");

    // Text the number type refuses is emptied; the cell stays used only by its format.
    ASSERT_TRUE(s.setCellType(2, 1, editType()));
    ASSERT_TRUE(s.setData(2, 1, "Bolt"));
    ASSERT_TRUE(s.setCellType(2, 1, numberType(7)));
    EXPECT_TRUE(s.value(2, 1).isEmpty());
    EXPECT_EQ(s.dataText(2, 1), "");
    ASSERT_TRUE(s.setCellType(2, 1, SSCellType{}));
    EXPECT_FALSE(s.isUsed(2, 1));

    // A plain number typed into an edit cell becomes a number under the number type, with no
    // kept data text of its own.
    ASSERT_TRUE(s.setCellType(3, 1, editType()));
    ASSERT_TRUE(s.setData(3, 1, "0.1"));
    ASSERT_TRUE(s.setCellType(3, 1, numberType(7)));
    EXPECT_EQ(s.value(3, 1).number, 0.1);
    EXPECT_EQ(s.dataText(3, 1), "0.1");
    ASSERT_TRUE(s.setCellType(3, 1, SSCellType{}));
    EXPECT_FALSE(s.value(3, 1).isEmpty());
}

TEST(SheetCellType, ATypeChangeKeepsTheRestOfTheFormatAndSharesPooledFormats) {
    SheetModel s;
    s.setMaxCols(5);
    s.setMaxRows(5);
    CellFormat f;
    f.lock = true;
    f.font.name = "A font name longer than fits inline";
    ASSERT_TRUE(s.setFormat(1, 1, f));
    ASSERT_TRUE(s.setFormat(2, 1, f));
    const std::uint32_t plain = s.formatId(1, 1);
    ASSERT_TRUE(s.setCellType(1, 1, numberType(7)));
    ASSERT_TRUE(s.setCellType(2, 1, numberType(7)));
    EXPECT_EQ(s.formatId(1, 1), s.formatId(2, 1));
    EXPECT_TRUE(s.format(1, 1).lock);
    EXPECT_EQ(s.format(1, 1).font.name, f.font.name);
    const std::size_t pooled = s.formats().size();
    ASSERT_TRUE(s.setCellType(2, 1, SSCellType{}));
    EXPECT_EQ(s.formatId(2, 1), plain);
    EXPECT_EQ(s.formats().size(), pooled);
    // Back to the default type on a default cell leaves no trace.
    ASSERT_TRUE(s.setCellType(3, 1, editType()));
    ASSERT_TRUE(s.setCellType(3, 1, SSCellType{}));
    EXPECT_EQ(s.formatId(3, 1), 0u);
    EXPECT_FALSE(s.isUsed(3, 1));
    EXPECT_FALSE(s.setCellType(9, 1, editType()));
}

TEST(SheetCellType, SetDataUnderEachTypeKeepsTheTypedTextAndItsValue) {
    struct Case {
        SSCellType type;
        const char* text;
        const char* dataText;
        FormulaValueKind kind;
        double number;
    };
    SSCellType integer;
    integer.type = SS_CELLTYPE_INTEGER;
    SSCellType checkBox;
    checkBox.type = SS_CELLTYPE_CHECKBOX;
    const Case cases[] = {
        {SSCellType{}, "12.5", "12.5", FormulaValueKind::Number, 12.5},
        {SSCellType{}, "12.50", "12.50", FormulaValueKind::Number, 12.5},
        {SSCellType{}, "-0", "-0", FormulaValueKind::Number, 0},
        {SSCellType{}, "0.00001", "0.00001", FormulaValueKind::Number, 0.00001},
        {SSCellType{}, "1E+20", "1E+20", FormulaValueKind::Number, 1e20},
        {numberType(7), "3", "3", FormulaValueKind::Number, 3},
        {numberType(7), "3.0000000", "3.0000000", FormulaValueKind::Number, 3},
        {numberType(0), " 4", " 4", FormulaValueKind::Number, 4},
        {editType(), "007", "007", FormulaValueKind::Text, 0},
        {integer, "-12", "-12", FormulaValueKind::Number, -12},
        {checkBox, "true", "true", FormulaValueKind::Number, 1},
    };
    SheetModel s;
    s.setMaxCols(5);
    s.setMaxRows(20);
    int row = 1;
    for (const Case& c : cases) {
        ASSERT_TRUE(s.setCellType(1, row, c.type));
        ASSERT_TRUE(s.setData(1, row, c.text)) << c.text;
        EXPECT_EQ(s.dataText(1, row), c.dataText) << c.text;
        EXPECT_EQ(s.value(1, row).kind, c.kind) << c.text;
        EXPECT_EQ(s.value(1, row).number, c.number) << c.text;
        ++row;
    }
    // Typing the canonical text after a differing one drops the kept text.
    ASSERT_TRUE(s.setData(1, 2, "12.5"));
    EXPECT_EQ(s.dataText(1, 2), "12.5");
    ASSERT_TRUE(s.setData(1, 2, ""));
    EXPECT_FALSE(s.isUsed(1, 2));
}

TEST(SheetCellType, ThePoolAnswersATypeChangeAsInterningTheChangedFormatWould) {
    FormatPool pool;
    std::vector<std::uint32_t> bases{0};
    for (int i = 1; i < 4; ++i) {
        CellFormat f;
        f.background = COLORREF(i);
        bases.push_back(pool.intern(f));
    }
    const SSCellType types[] = {SSCellType{}, numberType(7), numberType(0),
                                editType(),   numberType(2), editType()};
    for (int round = 0; round < 3; ++round) {
        for (std::uint32_t base : bases) {
            for (const SSCellType& type : types) {
                CellFormat expected = pool.get(base);
                expected.cellType = type;
                const std::uint32_t id = pool.internWithType(base, type);
                EXPECT_EQ(pool.get(id), expected);
                EXPECT_EQ(id, pool.intern(expected));
            }
        }
    }
    EXPECT_EQ(pool.size(), bases.size() * 5);  // five distinct types per base
    EXPECT_EQ(pool.internWithType(999, editType()), pool.internWithType(0, editType()));
}

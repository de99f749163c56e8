// Calculation: at once on setting, automatic recalculation of dependents only, order, cycles
// short and very long, and recalculation of one cell.
#include <gtest/gtest.h>

#include <string>

#include "formula_test_util.h"

namespace {

// Counts its calls; gives its argument back.
int gCalls = 0;
bool countingEcho(SpreadValue* result, SpreadValue* args, short) {
    ++gCalls;
    *result = args[0];
    return true;
}

TEST(FormulaCalc, SettingAFormulaCalculatesItFromCurrentValues) {
    FormulaEngine e;
    e.setAutoCalc(false);
    e.setNumber(1, 1, 4);
    ASSERT_TRUE(e.setFormula(2, 1, "=A1*2"));
    EXPECT_EQ(cellText(e, 2, 1), "8");
    e.setNumber(1, 1, 5);  // no automatic calculation: B1 keeps its value
    EXPECT_EQ(cellText(e, 2, 1), "8");
    e.recalcAll();
    EXPECT_EQ(cellText(e, 2, 1), "10");
}

TEST(FormulaCalc, AChangeRecalculatesItsDependentsAndOnlyThose) {
    FormulaEngine e;
    gCalls = 0;
    ASSERT_TRUE(e.addCustomFunction("ECHO", 1, 1, countingEcho, 0));
    e.setNumber(1, 1, 1);
    e.setNumber(1, 2, 1);
    ASSERT_TRUE(e.setFormula(2, 1, "=ECHO(A1)+1"));  // reads A1
    ASSERT_TRUE(e.setFormula(2, 2, "=ECHO(A2)+1"));  // reads A2
    ASSERT_TRUE(e.setFormula(3, 1, "=B1*10"));       // reads B1
    ASSERT_TRUE(e.setFormula(4, 1, "=SUM(B1:C1)"));  // reads B1 and C1
    gCalls = 0;
    e.setNumber(1, 1, 5);
    EXPECT_EQ(gCalls, 1);  // B2 was left alone
    EXPECT_EQ(cellText(e, 2, 1), "6");
    EXPECT_EQ(cellText(e, 3, 1), "60");
    EXPECT_EQ(cellText(e, 4, 1), "66");
}

TEST(FormulaCalc, RecalculationFollowsDependencyOrderNotCellOrder) {
    FormulaEngine e;
    e.setAutoCalc(false);
    // A1 reads A2 which reads A3: cell order is the reverse of dependency order.
    ASSERT_TRUE(e.setFormula(1, 1, "=A2+1"));
    ASSERT_TRUE(e.setFormula(1, 2, "=A3+1"));
    e.setNumber(1, 3, 10);
    e.recalcAll();
    EXPECT_EQ(cellText(e, 1, 1), "12");
}

TEST(FormulaCalc, LargeRangesAreFollowedToo) {
    FormulaEngine e;
    for (int r = 1; r <= 500; ++r) e.setNumber(1, r, 1);
    ASSERT_TRUE(e.setFormula(2, 1, "=SUM(A1:A500)"));
    ASSERT_TRUE(e.setFormula(3, 1, "=B1/2"));
    e.setNumber(1, 250, 101);
    EXPECT_EQ(cellText(e, 2, 1), "600");
    EXPECT_EQ(cellText(e, 3, 1), "300");
}

TEST(FormulaCalc, ACycleMarksItsCellsAndOnlyThoseRefError) {
    FormulaEngine e;
    ASSERT_TRUE(e.setFormula(1, 1, "=B1+1"));
    ASSERT_TRUE(e.setFormula(2, 1, "=C1+1"));
    ASSERT_TRUE(e.setFormula(4, 1, "=5"));
    ASSERT_TRUE(e.setFormula(3, 1, "=A1+D1"));  // closes A1 -> B1 -> C1 -> A1
    EXPECT_EQ(cellText(e, 1, 1), "#REF!");
    EXPECT_EQ(cellText(e, 2, 1), "#REF!");
    EXPECT_EQ(cellText(e, 3, 1), "#REF!");
    EXPECT_EQ(cellText(e, 4, 1), "5");
    ASSERT_TRUE(e.setFormula(5, 1, "=IFERROR(A1,7)"));  // reads the cycle, is not in it
    EXPECT_EQ(cellText(e, 5, 1), "7");
    ASSERT_TRUE(e.setFormula(3, 1, "=D1"));  // breaking the cycle heals it
    EXPECT_EQ(cellText(e, 1, 1), "7");
}

TEST(FormulaCalc, AFormulaReadingItselfIsACycle) {
    FormulaEngine e;
    ASSERT_TRUE(e.setFormula(1, 1, "=A1+1"));
    EXPECT_EQ(cellText(e, 1, 1), "#REF!");
    e.setAutoCalc(false);
    ASSERT_TRUE(e.setFormula(2, 1, "=SUM(A1:C1)"));
    e.recalcAll();
    EXPECT_EQ(cellText(e, 2, 1), "#REF!");
}

TEST(FormulaCalc, AMillionLongChainCalculatesAndAMillionLongCycleIsCaught) {
    constexpr int kRows = 1000000;
    FormulaEngine e;
    e.setAutoCalc(false);
    e.setNumber(1, 1, 1);
    for (int r = 2; r <= kRows; ++r)
        ASSERT_TRUE(e.setFormula(1, r, "=A" + std::to_string(r - 1) + "+1"));
    e.recalcAll();
    EXPECT_EQ(cellText(e, 1, kRows), "1000000");
    e.setAutoCalc(true);
    e.setNumber(1, 1, 2);  // spreads down the whole chain
    EXPECT_EQ(cellText(e, 1, kRows), "1000001");
    ASSERT_TRUE(e.setFormula(1, 1, "=A1000000+1"));  // closes the chain into a cycle
    EXPECT_EQ(cellText(e, 1, 1), "#REF!");
    EXPECT_EQ(cellText(e, 1, kRows / 2), "#REF!");
    EXPECT_EQ(cellText(e, 1, kRows), "#REF!");
}

TEST(FormulaCalc, RecalcCellCalculatesJustThatCell) {
    FormulaEngine e;
    e.setAutoCalc(false);
    e.setNumber(1, 1, 1);
    ASSERT_TRUE(e.setFormula(1, 2, "=A1+1"));
    ASSERT_TRUE(e.setFormula(1, 3, "=A2+1"));
    e.setNumber(1, 1, 10);
    EXPECT_TRUE(e.recalcCell(1, 3));
    EXPECT_EQ(cellText(e, 1, 3), "3");  // A2 still holds 2
    EXPECT_TRUE(e.recalcCell(1, 2));
    EXPECT_EQ(cellText(e, 1, 2), "11");
    EXPECT_FALSE(e.recalcCell(-1, 1));
}

TEST(FormulaCalc, ReplacingAndClearingFormulasDropsTheirLinks) {
    FormulaEngine e;
    e.setNumber(1, 1, 1);
    ASSERT_TRUE(e.setFormula(2, 1, "=A1*2"));
    ASSERT_TRUE(e.setFormula(2, 1, "=7"));
    e.setNumber(1, 1, 3);
    EXPECT_EQ(cellText(e, 2, 1), "7");
    e.setEmpty(2, 1);
    EXPECT_FALSE(e.hasFormula(2, 1));
    EXPECT_TRUE(e.value(2, 1).isEmpty());
    // Many replacements keep working (the compiled code is compacted on the way).
    for (int i = 0; i < 20000; ++i) ASSERT_TRUE(e.setFormula(3, 1, "=A1+" + std::to_string(i)));
    e.setNumber(1, 1, 1);
    EXPECT_EQ(cellText(e, 3, 1), "20000");
}

TEST(FormulaCalc, EmptyingARefusedTextIsSetEmptyAndLeavesOtherCellsAlone) {
    FormulaEngine e;
    e.setText(1, 1, "name");
    e.setText(1, 2, "keep");
    e.setNumber(1, 3, 7);
    ASSERT_TRUE(e.setFormula(2, 1, "=LEN(A1)"));
    const TextRefusal refusesName{
        [](const void*, std::string_view text) { return text == "name" || text == "7"; }, nullptr};
    const std::uint64_t before = e.writeStamp();
    const std::optional<FormulaValueView> emptied = e.constantViewEmptyingText(1, 1, refusesName);
    ASSERT_TRUE(emptied.has_value());
    EXPECT_EQ(emptied->kind, FormulaValueKind::Empty);
    EXPECT_TRUE(e.isEmpty(1, 1));
    EXPECT_NE(e.writeStamp(), before);
    EXPECT_EQ(cellText(e, 2, 1), "0");  // its dependent was calculated again
    // A text it accepts, a number and a formula cell are only read.
    const std::uint64_t unchanged = e.writeStamp();
    const std::optional<FormulaValueView> kept = e.constantViewEmptyingText(1, 2, refusesName);
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->text, "keep");
    const std::optional<FormulaValueView> number = e.constantViewEmptyingText(1, 3, refusesName);
    ASSERT_TRUE(number.has_value());
    EXPECT_EQ(number->number, 7);
    EXPECT_FALSE(e.constantViewEmptyingText(2, 1, refusesName).has_value());
    EXPECT_EQ(e.writeStamp(), unchanged);
    // The emptied cell's text slot is reused by the next text.
    e.setText(1, 1, "again");
    EXPECT_EQ(e.textValue(1, 1), "again");
    EXPECT_EQ(e.textValue(1, 2), "keep");
}

}  // namespace

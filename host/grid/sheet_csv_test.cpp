#include "sheet_csv.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<SheetModel> readCsv(const std::string& text, bool headerRow = false) {
    std::string error;
    auto s = SheetCsv::read(text, headerRow, error);
    EXPECT_TRUE(s) << error;
    return s;
}

TEST(SheetCsv, QuotedFieldsKeepCommasQuotesAndLineBreaks) {
    auto s = readCsv("plain,\"a,b\",\"say \"\"hi\"\"\"\r\n\"two\r\nlines\",,x\r\n");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->maxCols(), 3);
    EXPECT_EQ(s->maxRows(), 2);
    EXPECT_EQ(s->dataText(2, 1), "a,b");
    EXPECT_EQ(s->dataText(3, 1), "say \"hi\"");
    EXPECT_EQ(s->dataText(1, 2), "two\r\nlines");
    EXPECT_EQ(s->dataText(2, 2), "");
    // Written again, the same text comes back.
    EXPECT_EQ(SheetCsv::write(*s, false, SheetCsv::Content::Contents),
              "plain,\"a,b\",\"say \"\"hi\"\"\"\r\n\"two\r\nlines\",,x\r\n");
}

TEST(SheetCsv, AFinalLineEndAddsNoRowAndShortRecordsArePadded) {
    auto s = readCsv("1,2,3\n4\n");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->maxRows(), 2);
    EXPECT_EQ(s->maxCols(), 3);
    EXPECT_EQ(SheetCsv::write(*s, false, SheetCsv::Content::Values), "1,2,3\r\n4,,\r\n");
}

TEST(SheetCsv, NumbersAreNumbersAndEqualsSignsStartFormulas) {
    auto s = readCsv("2.50,=A1*2,\"=A1&\"\"x\"\"\",  spaced  out ,007\n");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->value(1, 1).kind, FormulaValueKind::Number);
    EXPECT_EQ(s->dataText(1, 1), "2.50");
    EXPECT_EQ(s->valueText(2, 1), "5");
    EXPECT_EQ(s->valueText(3, 1), "2.5x");
    EXPECT_EQ(s->value(4, 1).kind, FormulaValueKind::Text);
    EXPECT_EQ(s->dataText(4, 1), "  spaced  out ");
    EXPECT_EQ(s->valueText(5, 1), "7");
    // Leading and trailing blanks are protected by quotes when written.
    EXPECT_EQ(SheetCsv::write(*s, false, SheetCsv::Content::Values),
              "2.5,5,2.5x,\"  spaced  out \",7\r\n");
}

TEST(SheetCsv, TheHeaderRowOptionPutsTheFirstLineIntoRowZero) {
    auto s = readCsv("Name,Size\nIPE,200\n", true);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->maxRows(), 1);
    EXPECT_EQ(s->dataText(2, 0), "Size");
    EXPECT_EQ(s->dataText(1, 1), "IPE");
    EXPECT_EQ(SheetCsv::write(*s, true, SheetCsv::Content::Contents), "Name,Size\r\nIPE,200\r\n");
    EXPECT_EQ(SheetCsv::write(*s, false, SheetCsv::Content::Contents), "IPE,200\r\n");
}

TEST(SheetCsv, ErrorsNameTheLineAndColumn) {
    std::string error;
    EXPECT_FALSE(SheetCsv::read("a,b\n\"x\ny\",=1+\n", false, error));
    // The quoted field holds a line break: the formula stands on the file's third line.
    EXPECT_EQ(error.rfind("line 3, column 2: formula does not parse", 0), 0u) << error;
    EXPECT_FALSE(SheetCsv::read("a\n1,\"open\n", false, error));
    EXPECT_EQ(error, "line 2, column 2: quoted field not closed");
    EXPECT_FALSE(SheetCsv::read("\"a\"b\n", false, error));
    EXPECT_EQ(error, "line 1, column 1: text after a closing quote");
}

TEST(SheetCsv, FormulasNamingUnregisteredFunctionsLoad) {
    auto s = readCsv("\"=FROMTABLE(\"\"t.sss\"\",B1)\"\n");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->valueText(1, 1), "#NAME?");
    EXPECT_EQ(SheetCsv::write(*s, false, SheetCsv::Content::Contents),
              "\"=FROMTABLE(\"\"t.sss\"\",B1)\"\r\n");
}

bool twice(SpreadValue* result, SpreadValue* args, short) {
    result->status = SPREAD_STATUS_VALID;
    result->type = SPREAD_TYPE_DOUBLE;
    result->dfValue = args[0].dfValue * 2;
    return true;
}

TEST(SheetCsv, ASheetReadForLaterIsCalculatedOnceWithFunctionsRegisteredMeanwhile) {
    std::string error;
    auto s = SheetCsv::read("2,=A1*3,=TWICE(B1)\n", false, error, SheetCsv::Calc::Later);
    ASSERT_TRUE(s) << error;
    EXPECT_EQ(s->valueText(2, 1), "");  // not calculated yet
    ASSERT_TRUE(s->engine().addCustomFunction("TWICE", 1, 1, twice, 0));
    s->engine().recalcAll();
    EXPECT_EQ(SheetCsv::write(*s, false, SheetCsv::Content::Values), "2,6,12\r\n");
}

}  // namespace

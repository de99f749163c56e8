#include "sheet_file.h"

#include <gtest/gtest.h>

namespace {

const std::string kAwkward = std::string(
                                 "a\xA4"
                                 "b\xBF"
                                 "c\td\r\ne\"f\\g\x01h",
                                 15) +
                             '\0' + "z";

// A sheet that uses every property a cell can have, header cells included.
std::unique_ptr<SheetModel> richSheet() {
    auto s = std::make_unique<SheetModel>();
    s->setMaxCols(5);
    s->setMaxRows(6);
    s->setData(1, 0, "Width");
    s->setData(0, 2, "row two");
    s->setTag(0, 0,
              "headerFile\xA4"
              "4\xA4"
              "\xA4");
    s->setData(1, 1, kAwkward);
    s->setData(2, 1, "1.50");
    s->setFormula(3, 1, "=B1*2", FormulaSetMode::Strict);
    s->setTag(1, 2, kAwkward);
    s->setNote(1, 2, "note\r\nline");
    CellFormat number;
    number.cellType.type = SS_CELLTYPE_NUMBER;
    number.cellType.decimals = 3;
    number.cellType.minValue = -10;
    number.cellType.maxValue = 1e6;
    number.cellType.style = SSS_NUM_SEPARATOR;
    number.lock = true;
    number.background = 0xFFD1A4;
    number.foreground = 0x000080;
    number.borders[kSideLeft] = {6, 0x123456};
    number.borders[kSideBottom] = {1, 0};
    number.font = {"Courier New", 17, true, true, true};
    s->setFormat(2, 3, number);
    s->setData(2, 3, "12.5");
    CellFormat combo;
    combo.cellType.type = SS_CELLTYPE_COMBOBOX;
    combo.cellType.text = "one\ttwo\xA4";
    s->setFormat(4, 4, combo);
    s->setData(4, 4, "two\xA4");
    CellFormat edit;
    edit.cellType.type = SS_CELLTYPE_EDIT;
    edit.cellType.maxLength = 9999;
    s->setFormat(5, 6, edit);
    s->setData(5, 6, "007");
    s->addSpan({2, 5, 3, 2});
    s->setColWidth(0, 55);
    s->setColWidth(3, 120);
    s->setRowHeight(0, 30);
    s->setRowHeight(6, 8);
    return s;
}

std::unique_ptr<SheetModel> reread(SheetModel& s) {
    std::string error;
    auto copy = SheetFile::read(SheetFile::write(s), error);
    EXPECT_TRUE(copy) << error;
    return copy;
}

TEST(SheetFile, EveryCellPropertyAndTheHeaderCellsSurviveARoundTrip) {
    auto s = richSheet();
    auto t = reread(*s);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->maxCols(), 5);
    EXPECT_EQ(t->maxRows(), 6);
    for (int r = 0; r <= 6; ++r) {
        for (int c = 0; c <= 5; ++c) {
            SCOPED_TRACE(testing::Message() << "cell " << c << "," << r);
            EXPECT_EQ(t->dataText(c, r), s->dataText(c, r));
            EXPECT_EQ(t->valueText(c, r), s->valueText(c, r));
            EXPECT_EQ(t->formulaText(c, r), s->formulaText(c, r));
            EXPECT_EQ(t->tag(c, r), s->tag(c, r));
            EXPECT_EQ(t->note(c, r), s->note(c, r));
            EXPECT_TRUE(t->format(c, r) == s->format(c, r));
        }
    }
    EXPECT_EQ(t->dataText(1, 1), kAwkward);
    EXPECT_EQ(t->dataText(2, 1), "1.50");
    EXPECT_EQ(t->valueText(3, 1), "3");
    EXPECT_EQ(t->valueText(2, 3), "12.500");
    EXPECT_EQ(t->spans(), s->spans());
    EXPECT_EQ(t->colWidths(), s->colWidths());
    EXPECT_EQ(t->rowHeights(), s->rowHeights());
    // Writing the copy gives the same bytes: the format is stable for version control.
    EXPECT_EQ(SheetFile::write(*t), SheetFile::write(*s));
}

TEST(SheetFile, TextIsLineOrientedWithCrLfAndAnEndLine) {
    auto s = richSheet();
    const std::string text = SheetFile::write(*s);
    EXPECT_EQ(text.rfind("VNSHEET 1\r\nsize 5 6\r\n", 0), 0u);
    EXPECT_NE(text.find("cell 3 1 formula \"B1*2\"\r\n"), std::string::npos);
    EXPECT_NE(text.find("span 2 5 3 2\r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
}

TEST(SheetFile, EveryTruncationIsRefused) {
    auto s = richSheet();
    const std::string text = SheetFile::write(*s);
    // Only the final line end may be missing.
    for (std::size_t cut = 0; cut + 2 < text.size(); ++cut) {
        std::string error;
        EXPECT_FALSE(SheetFile::read(text.substr(0, cut), error)) << "cut at " << cut;
        EXPECT_EQ(error.rfind("line ", 0), 0u) << error;
    }
}

TEST(SheetFile, DamagedLinesAreNamedInTheMessage) {
    const std::string good = "VNSHEET 1\nsize 2 2\ncell 1 1 data \"x\"\nend 1\n";
    std::string error;
    EXPECT_TRUE(SheetFile::read(good, error)) << error;
    const std::pair<std::string, std::string> cases[] = {
        {"VNSHEET 1\nsize 2 2\ncell 3 1 data \"x\"\nend 1\n", "line 3: cell outside the sheet"},
        {"VNSHEET 1\nsize 2 2\ncell 1 1 data \"x\nend 1\n", "line 3: quoted text not closed"},
        {"VNSHEET 1\nsize 2 2\ncell 1 1 data \"x\"\nend 2\n", "line 4: cell count does not"},
        {"VNSHEET 2\nsize 2 2\nend 0\n", "line 1: unsupported sheet file version 2"},
        {"VNSHEET 1\ncell 1 1\nend 1\n", "line 2: the size line must come first"},
        {"VNSHEET 1\nsize 2 2\ncell 1 1 formula \"1+\"\nend 1\n", "line 3: formula does not"},
        {"VNSHEET 1\nsize 2 2\nspan 1 1 3 1\nend 0\n", "line 3: span leaves the sheet"},
        {"VNSHEET 1\nsize 2 2\nend 0\ncell 1 1\n", "line 4: text after the end line"},
        {"VNSHEET 1\nsize 2 2\ncell 1 1 data \"x\"\n", "line 4: the file ends before"},
    };
    for (const auto& [text, message] : cases) {
        EXPECT_FALSE(SheetFile::read(text, error)) << text;
        EXPECT_EQ(error.rfind(message, 0), 0u) << error;
    }
}

TEST(SheetFile, TextThatANumberCellRefusesMakesTheFileDamaged) {
    const std::string text =
        "VNSHEET 1\nsize 2 2\nformat 1 type 14\ncell 1 1 format 1 data \"abc\"\nend 1\n";
    std::string error;
    EXPECT_FALSE(SheetFile::read(text, error));
    EXPECT_EQ(error, "line 4: data refused by the cell type");
}

TEST(SheetFile, FormulasNamingUnregisteredFunctionsAreKept) {
    const std::string text =
        "VNSHEET 1\nsize 2 2\ncell 1 1 data \"4\"\ncell 2 1 formula \"STDPLATE(A1, 2)\"\nend 2\n";
    std::string error;
    auto s = SheetFile::read(text, error);
    ASSERT_TRUE(s) << error;
    EXPECT_EQ(s->valueText(2, 1), "#NAME?");
    EXPECT_TRUE(s->hasFormula(2, 1));
    const std::string again = SheetFile::write(*s);
    EXPECT_NE(again.find("STDPLATE"), std::string::npos);
}

TEST(SheetFile, FormulasAreCalculatedAfterLoadingWhateverTheirOrder) {
    const std::string text =
        "VNSHEET 1\nsize 1 3\ncell 1 1 formula \"A2*2\"\ncell 1 2 formula \"A3+1\"\n"
        "cell 1 3 data \"4\"\nend 3\n";
    std::string error;
    auto s = SheetFile::read(text, error);
    ASSERT_TRUE(s) << error;
    EXPECT_EQ(s->valueText(1, 1), "10");
}

TEST(SheetFile, DataOnlyLeavesFormatsSpansAndSizesOut) {
    auto s = richSheet();
    std::string error;
    auto t = SheetFile::read(SheetFile::write(*s, true), error);
    ASSERT_TRUE(t) << error;
    EXPECT_EQ(t->dataText(1, 1), kAwkward);
    EXPECT_EQ(t->tag(0, 0), s->tag(0, 0));
    EXPECT_TRUE(t->spans().empty());
    EXPECT_TRUE(t->colWidths().empty());
    EXPECT_EQ(t->formatId(2, 3), 0u);
}

}  // namespace

#include "vn_var_cells.h"

#include <gtest/gtest.h>

#include "ktx_settings.h"
#include "vn_object_map_test_macros.h"

namespace {

VnVarCell makeCell(const char* name, VnCellType type, const char* value,
                   VnValueType valueType = VnValueDouble) {
    VnVarCell c;
    c.name = name;
    c.cellType = type;
    c.value = value;
    c.valueType = valueType;
    return c;
}

TEST(VarCells, FindReturnsTheFirstOfDuplicates) {
    VnVarCells cells;
    cells.append(makeCell("W", VnCellInput, "1"));
    cells.append(makeCell("w", VnCellOutput, "2"));
    int index = -1;
    ASSERT_EQ(cells.findVarCell("W", index), Acad::eOk);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(VnVarCells().findVarCell("W", index), Acad::eInvalidInput);
}

TEST(VarCells, SameInputComparesInputsOnly) {
    VnVarCells a, b, none;
    a.append(makeCell("W", VnCellInput, "Abc", VnValueString));
    a.append(makeCell("Out", VnCellOutput, "1"));
    b.append(makeCell("Out", VnCellOutput, "2"));
    b.append(makeCell("w", VnCellInput, "aBC", VnValueString));
    EXPECT_TRUE(a.hasSameInput(b));
    EXPECT_TRUE(none.hasSameInput(a));
    b[1].valueType = VnValueDouble;
    EXPECT_FALSE(a.hasSameInput(b));
    b[1].valueType = VnValueString;
    b[1].value = "other";
    EXPECT_FALSE(a.hasSameInput(b));
    EXPECT_FALSE(a.hasSameInput(none));
}

TEST(VarCells, CopiesAreDeepAndKeepOrder) {
    VnVarCells a;
    a.append(makeCell("A", VnCellInput, "1"));
    a.append(makeCell("B", VnCellOutput, "2"));
    a.mapping().mode = 2;
    VnVarCells b;
    b.append(makeCell("X", VnCellLocal, ""));
    b.append(makeCell("Y", VnCellLocal, ""));
    b.append(makeCell("Z", VnCellLocal, ""));
    b = a;
    ASSERT_EQ(b.length(), 2);
    EXPECT_EQ(b[1].name, "B");
    EXPECT_EQ(b.mapping().mode, 2);
    b[0].value = "changed";
    EXPECT_EQ(a[0].value, "1");
}

TEST(VarCells, BadRemoveIndexIsReportedAndChangesNothing) {
    VnVarCells cells;
    cells.append(makeCell("A", VnCellInput, "1"));
    acadClearCommandLine();
    EXPECT_EQ(cells.removeAt(1), Acad::eInvalidInput);
    EXPECT_EQ(cells.removeAt(-1), Acad::eInvalidInput);
    EXPECT_EQ(acadCommandLineText(),
              "*Error* Invalid index passed to remove.\n"
              "*Error* Invalid index passed to remove.\n");
    EXPECT_EQ(cells.length(), 1);
}

class VarCellsFromMacro : public ::testing::Test {
  protected:
    void SetUp() override {
        cells.append(makeCell("EdgeTop", VnCellInput, ""));
        cells.append(makeCell("Nothing", VnCellInput, "old"));
        cells.append(makeCell("Rows.ReverseStart2", VnCellOutput, "", VnValueInt));
        cells.append(makeCell("Tmp", VnCellLocal, "x"));
    }
    VnVarCells cells;
};

TEST_F(VarCellsFromMacro, ModuleGroupFillsInputsAndOutputsAndEmptiesLocals) {
    ExampleMacro m("end_plate.macro", "Module.End plate");
    gSettings.ssErrorMessages = false;
    ASSERT_EQ(cells.getFromMacro(m.block), Acad::eOk);
    EXPECT_EQ(cells[0].value, "40");
    EXPECT_EQ(cells[1].value, "old");
    EXPECT_EQ(cells[3].value, "");
    cells[0].value = "45";
    ASSERT_EQ(cells.setToMacro(m.block), Acad::eOk);
    EXPECT_DOUBLE_EQ(m.module("Plate1")->variables[3].value, 40.0);  // an Input is not written
}

TEST_F(VarCellsFromMacro, UnreadableMappingIsNoFailureAndFillsNothing) {
    ExampleMacro m("end_plate.macro", "NoSuchKey");
    m.block.fileName = "/nonexistent/folder/Std";
    ASSERT_EQ(cells.getFromMacro(m.block), Acad::eOk);
    EXPECT_EQ(cells[1].value, "old");
    EXPECT_EQ(cells[3].value, "x");
    m.block.macro = nullptr;
    EXPECT_EQ(cells.getFromMacro(m.block), Acad::eInvalidInput);
}

TEST(VarCellMessages, RetrievalTextNamesTheDirection) {
    VnVarCell in = makeCell("W", VnCellInput, "");
    VnVarCell out = makeCell("H", VnCellOutput, "");
    EXPECT_EQ(variableRetrievalMessage(in, "EndPlate"),
              "The following Input variable couldn't be retrieved : \nW\nMake sure the variable "
              "exists in the macro or module.\nSpreadsheet : EndPlate");
    EXPECT_EQ(variableRetrievalMessage(out, "EndPlate"),
              "The following Output variable couldn't be set : \nH\nMake sure the variable "
              "exists in the macro or module.\nSpreadsheet : EndPlate");
}

}  // namespace

#include "vn_standards_spread.h"

#include <gtest/gtest.h>

#include "frame.h"
#include "grid.h"
#include "win.h"

namespace {

// A hidden host window with a standards grid of the given cells; cells are set by A1-style
// column and row numbers.
class StandardsGrid : public ::testing::Test {
  protected:
    static constexpr int kPlaceholderId = 1196;

    void SetUp() override {
        frameResetForTests();
        host.CreateEx(0, WC_DIALOG, "Host", WS_POPUP | WS_CAPTION, CRect(0, 0, 400, 300), nullptr,
                      0);
        CreateWindow(WC_STATIC, "", WS_CHILD | WS_VISIBLE, 10, 30, 300, 200, host.m_hWnd,
                     reinterpret_cast<HMENU>(kPlaceholderId), nullptr, nullptr);
        ASSERT_TRUE(ss.create(&host, kPlaceholderId, true));
        int cols = 4, rows = 12;
        ASSERT_TRUE(ss.setMaxCols(cols));
        ASSERT_TRUE(ss.setMaxRows(rows));
    }
    void put(int col, int row, const char* text) { ASSERT_TRUE(ss.setCellText(col, row, text)); }
    std::string names() {
        Ktx_StringArray list;
        ss.getVarNames(list);
        std::string all;
        for (int i = 0; i < list.length(); ++i) all += (i ? "," : "") + list[i].str();
        return all;
    }

    CWnd host;
    VnStandardsSpread ss;
};

TEST_F(StandardsGrid, SectionsAreCollectedInOrderWithTheirBoundaries) {
    put(1, 1, "Input");
    put(1, 2, "Double Width");
    put(2, 2, "  Int Count");
    put(1, 4, "Output");
    put(2, 4, "Double Above");  // beside the next header: still an Input
    put(1, 5, "String Result");
    put(1, 7, "Local");
    put(2, 8, "Double Tmp");
    put(1, 9, "Calc");
    put(1, 10, "Double NotAVariable");  // the Calc section declares nothing
    ASSERT_EQ(ss.findVarCells(), Acad::eOk);
    EXPECT_EQ(names(), "Width,Count,Above,Result,Tmp");
    EXPECT_EQ(ss.varCells[1].valueType, VnValueInt);
    EXPECT_EQ(ss.varCells[1].col, 2);
    EXPECT_EQ(ss.varCells[2].cellType, VnCellInput);
    EXPECT_EQ(ss.varCells[3].cellType, VnCellOutput);
    EXPECT_EQ(ss.varCells[3].valueType, VnValueString);
    EXPECT_EQ(ss.varCells[4].cellType, VnCellLocal);
}

TEST_F(StandardsGrid, DeclarationsWithOddNamesKeepTheBlanksAfterTheFirst) {
    put(1, 1, "Input");
    put(1, 2, "Int");
    put(2, 2, "Intake 5");
    put(3, 2, "Double X ");
    put(4, 2, "double  Y");
    put(1, 3, "Stringy");
    put(1, 4, "Output");
    put(1, 5, "  Double Z");
    ASSERT_EQ(ss.findVarCells(), Acad::eOk);
    EXPECT_EQ(names(), ",5,X , Y,,Z");
    EXPECT_EQ(ss.varCells[1].valueType, VnValueInt);
    EXPECT_EQ(ss.varCells[4].valueType, VnValueString);
}

TEST_F(StandardsGrid, MissingHeaders) {
    put(1, 1, "Input");
    put(1, 2, "Double A");
    ASSERT_EQ(ss.findVarCells(), Acad::eInvalidInput);  // no Output: the Inputs are kept
    EXPECT_EQ(names(), "A");
    put(1, 1, "Inputs");
    put(1, 3, "Output");
    EXPECT_EQ(ss.findVarCells(), Acad::eInvalidInput);
    EXPECT_EQ(ss.varCells.length(), 0);
    put(1, 1, "Input");
    EXPECT_EQ(ss.findVarCells(), Acad::eOk);  // no Local is fine
}

TEST_F(StandardsGrid, ValuesGoIntoTheDeclarationCellsAndBack) {
    put(1, 1, "Input");
    put(1, 2, "Double W");
    put(1, 3, "Output");
    put(1, 4, "String Name");
    put(2, 4, "Int N");
    ASSERT_EQ(ss.findVarCells(), Acad::eOk);
    ss.varCells[0].value = "12.5";
    ss.varCells[1].value = "IPE-200";
    ss.varCells[2].value = "3";
    ASSERT_EQ(ss.varCells.setValuesToSS(ss), Acad::eOk);
    Ktx_String text;
    ss.getCellText(1, 2, text, CellTextKind::Value);
    EXPECT_EQ(text, "12.5000000");
    ss.setCellText(1, 4, "HEA-100", true);
    ASSERT_EQ(ss.varCells.getValuesFromSS(ss), Acad::eOk);
    EXPECT_EQ(ss.varCells[1].value, "HEA-100");
    EXPECT_EQ(ss.varCells[2].value, "3");
    EXPECT_EQ(ss.varCells[0].value, "12.5");  // Inputs are not read back
}

TEST_F(StandardsGrid, ReadingBeyondTheGridStopsAtThatCell) {
    put(1, 1, "Input");
    put(1, 2, "Output");
    put(1, 3, "Double A");
    put(1, 4, "Double B");
    ASSERT_EQ(ss.findVarCells(), Acad::eOk);
    ss.varCells[0].row = 99;
    ss.varCells[1].value = "kept";
    EXPECT_EQ(ss.varCells.getValuesFromSS(ss), Acad::eInvalidInput);
    EXPECT_EQ(ss.varCells[1].value, "kept");
}

TEST_F(StandardsGrid, RemovalByIndexAndByType) {
    put(1, 1, "Input");
    put(1, 2, "Double A");
    put(1, 3, "Output");
    put(1, 4, "Double B");
    put(1, 5, "Local");
    put(1, 6, "Double C");
    put(2, 6, "Double D");
    ASSERT_EQ(ss.findVarCells(), Acad::eOk);
    EXPECT_EQ(ss.removeVarCell(4), Acad::eInvalidInput);
    ss.removeVarCells(VnCellLocal);
    EXPECT_EQ(names(), "A,B");
    EXPECT_EQ(ss.removeVarCell(0), Acad::eOk);
    EXPECT_EQ(names(), "B");
    VnStandardsSpread copy(ss);
    EXPECT_EQ(copy.varCells.length(), 1);
    EXPECT_FALSE(copy.isCreated());
}

}  // namespace

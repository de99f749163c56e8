// The grid window through its SS... function interface, as the module's wrapper and dialogs
// use it, and what a person does to it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "clipboard.h"
#include "grid.h"
#include "grid_mouse.h"
#include "win_driver.h"

namespace {

std::vector<SSNotify>& notices() {
    static std::vector<SSNotify> list;
    return list;
}

// A grid the parent destroys when it hears the notification of that code.
struct DestroyOnNotice {
    HWND grid = nullptr;
    int code = 0;
};
DestroyOnNotice& destroyOnNotice() {
    static DestroyOnNotice d;
    return d;
}

LRESULT parentProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == SSM_NOTIFY) notices().push_back(*reinterpret_cast<const SSNotify*>(lParam));
    if (msg == SSM_NOTIFY && destroyOnNotice().grid != nullptr &&
        reinterpret_cast<const SSNotify*>(lParam)->code == destroyOnNotice().code) {
        DestroyWindow(destroyOnNotice().grid);
        destroyOnNotice().grid = nullptr;
    }
    return DefWindowProc(h, msg, wParam, lParam);
}

constexpr int kGridId = 1004;

class GridTest : public testing::Test {
  protected:
    void SetUp() override {
        winResetForTests();
        notices().clear();
        SSRegisterWindowClasses();
        WNDCLASS wc;
        wc.lpfnWndProc = parentProc;
        wc.lpszClassName = "GridTestParent";
        RegisterClass(&wc);
        parent = CreateWindowEx(0, "GridTestParent", "parent", WS_OVERLAPPED, 0, 0, 500, 400,
                                nullptr, nullptr, nullptr, nullptr);
        grid = CreateWindowEx(0, "fpSpread70", "", WS_CHILD | WS_VISIBLE, 0, 0, 400, 300, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kGridId)), nullptr,
                              nullptr);
        ASSERT_TRUE(SSIsGrid(grid));
        SSSetMaxCols(grid, 4);
        SSSetMaxRows(grid, 5);
    }
    void TearDown() override { std::filesystem::remove(file); }
    std::string data(int col, int row) {
        std::string text(static_cast<std::size_t>(std::max(SSGetDataLen(grid, col, row), 0)), ' ');
        SSGetData(grid, col, row, text.data());
        return text;
    }
    std::string value(int col, int row) {
        std::string text(static_cast<std::size_t>(std::max(SSGetValueLen(grid, col, row), 0)), ' ');
        SSGetValue(grid, col, row, text.data());
        return text;
    }
    std::vector<int> codes() {
        std::vector<int> list;
        for (const SSNotify& n : notices()) list.push_back(n.code);
        return list;
    }
    HWND parent = nullptr;
    HWND grid = nullptr;
    std::string file = (std::filesystem::temp_directory_path() /
                        ("grid_test_" + std::to_string(::getpid()) + ".vns"))
                           .string();
};

TEST_F(GridTest, TheHeaderCoordinateAddressesRowAndColumnZero) {
    EXPECT_TRUE(SSSetData(grid, 2, SS_HEADER, "Width"));
    EXPECT_TRUE(SSSetData(grid, SS_HEADER, 3, "third"));
    EXPECT_TRUE(SSSetCellTag(grid, SS_HEADER, SS_HEADER, "editor\xA4"));
    EXPECT_EQ(data(2, 0), "Width");
    EXPECT_EQ(data(0, 3), "third");
    char tag[16] = {};
    EXPECT_EQ(SSGetCellTag(grid, 0, 0, nullptr), 7);
    SSGetCellTag(grid, 0, 0, tag);
    EXPECT_STREQ(tag, "editor\xA4");
    EXPECT_FALSE(SSSetData(grid, 5, 1, "beyond"));
    EXPECT_EQ(SSGetDataLen(grid, 1, 6), -1);
    EXPECT_EQ(SSGetMaxRows(parent), -1);  // not a grid
}

TEST_F(GridTest, NumberCellsRefuseTextAndKeepTheirValue) {
    SSCellType type;
    SSSetTypeNumber(grid, &type, 0x10100000, 2, -99999999999999.0, 99999999999999.0);
    ASSERT_TRUE(SSSetCellTypeRange(grid, 1, 1, 2, 5, &type));
    EXPECT_TRUE(SSSetValue(grid, 1, 1, "212"));
    EXPECT_FALSE(SSSetValue(grid, 1, 1, "abc"));
    EXPECT_FALSE(SSSetData(grid, 1, 1, "12 mm"));
    EXPECT_EQ(value(1, 1), "212.00");
    double d = 0;
    EXPECT_TRUE(SSGetFloat(grid, 1, 1, &d));
    EXPECT_EQ(d, 212.0);
    EXPECT_TRUE(SSSetData(grid, 1, 1, ""));
    SSCellType read;
    ASSERT_TRUE(SSGetCellType(grid, 2, 5, &read));
    EXPECT_EQ(read.type, SS_CELLTYPE_NUMBER);
    EXPECT_EQ(read.decimals, 2);
}

TEST_F(GridTest, LoadingKeepsTheOptionsAndForgetsCustomFunctions) {
    SSSetData(grid, 1, 1, "4");
    ASSERT_TRUE(SSSaveToFile(grid, file.c_str(), false));
    SSSetBool(grid, SSB_AUTOCALC, false);
    SSSetBool(grid, 12, true);
    SSSetBool(grid, SSB_CHANGEMADE, false);
    SSAddCustomFunctionExt(
        grid, "TWICE", 1, 1,
        [](SpreadValue* result, SpreadValue* args, short) {
            result->status = SPREAD_STATUS_VALID;
            result->type = SPREAD_TYPE_DOUBLE;
            result->dfValue = args[0].dfValue * 2;
            return true;
        },
        0);
    ASSERT_TRUE(SSSetFormula(grid, 2, 1, "TWICE(A1)", true));
    EXPECT_EQ(value(2, 1), "8");
    ASSERT_TRUE(SSLoadFromFile(grid, file.c_str()));
    EXPECT_FALSE(SSGetBool(grid, SSB_AUTOCALC));
    EXPECT_TRUE(SSGetBool(grid, 12));
    EXPECT_FALSE(SSGetBool(grid, SSB_CHANGEMADE));
    EXPECT_EQ(data(1, 1), "4");
    EXPECT_FALSE(SSSetFormula(grid, 2, 1, "TWICE(A1)", true));
}

TEST_F(GridTest, ADamagedFileIsRefusedAndTheGridKeepsWhatItHad) {
    SSSetData(grid, 1, 1, "kept");
    SSSetMaxRows(grid, 3);
    std::ofstream(file, std::ios::binary) << "VNSHEET 1\r\nsize 9 9\r\ncell 1 1 data \"new\"\r\n";
    EXPECT_FALSE(SSLoadFromFile(grid, file.c_str()));
    EXPECT_EQ(data(1, 1), "kept");
    EXPECT_EQ(SSGetMaxRows(grid), 3);
    char message[128] = {};
    SSGetLastLoadError(grid, message);
    EXPECT_STREQ(message, "line 4: the file ends before its end line (truncated)");
    EXPECT_FALSE(SSLoadFromFile(grid, (file + ".missing").c_str()));
}

TEST_F(GridTest, OptionThirtyIsSetByAPersonsEditsNotByCodeOrTheLoader) {
    SSSetData(grid, 1, 1, "x");
    SSSetFormula(grid, 2, 1, "A1", true);
    EXPECT_FALSE(SSGetBool(grid, SSB_CHANGEMADE));
    ASSERT_TRUE(SSSaveToFile(grid, file.c_str(), false));
    ASSERT_TRUE(SSLoadFromFile(grid, file.c_str()));
    EXPECT_FALSE(SSGetBool(grid, SSB_CHANGEMADE));
    EXPECT_TRUE(ssUserTypeInCell(grid, 1, 2, "typed"));
    EXPECT_TRUE(SSGetBool(grid, SSB_CHANGEMADE));
    SSSetBool(grid, SSB_CHANGEMADE, false);
    SSInsRow(grid, 1);
    EXPECT_TRUE(SSGetBool(grid, SSB_CHANGEMADE));
    SSSetBool(grid, SSB_CHANGEMADE, false);
    SSCellType check;
    SSSetCellType(grid, 3, 3, SSSetTypeCheckBox(grid, &check, 0, "", nullptr, nullptr));
    ssUserClickCell(grid, 3, 3);
    EXPECT_TRUE(SSGetBool(grid, SSB_CHANGEMADE));
}

TEST_F(GridTest, APersonCannotTypeIntoLockedOrStaticCells) {
    SSSetLock(grid, 1, 1, true);
    SSCellType staticText;
    SSSetCellType(grid, 2, 1, SSSetTypeStaticText(grid, &staticText, 0));
    EXPECT_FALSE(ssUserTypeInCell(grid, 1, 1, "no"));
    EXPECT_FALSE(ssUserTypeInCell(grid, 2, 1, "no"));
    EXPECT_FALSE(ssUserTypeInCell(grid, 3, 1, "=1+"));
    EXPECT_TRUE(ssUserTypeInCell(grid, 3, 1, "=2*3"));
    EXPECT_EQ(value(3, 1), "6");
    EXPECT_EQ(data(1, 1), "");
    EXPECT_EQ(data(2, 1), "");
    EXPECT_TRUE(SSSetData(grid, 1, 1, "code may"));
    EXPECT_EQ(data(1, 1), "code may");
}

TEST_F(GridTest, ParentHearsClicksOnCellsAndHeaders) {
    SSCellType check;
    SSSetCellType(grid, 2, 2, SSSetTypeCheckBox(grid, &check, 0, "", nullptr, nullptr));
    ASSERT_TRUE(ssUserClickCell(grid, 2, 2));
    EXPECT_EQ(codes(),
              (std::vector<int>{SSN_ACTIVECELLCHANGED, SSN_CELLCHANGED, SSN_BUTTONCLICKED}));
    EXPECT_EQ(value(2, 2), "1");
    EXPECT_EQ(notices().front().controlId, kGridId);
    notices().clear();
    ssUserClickCell(grid, 2, 2);
    EXPECT_EQ(value(2, 2), "0");
    EXPECT_EQ(codes(), (std::vector<int>{SSN_CELLCHANGED, SSN_BUTTONCLICKED}));
    notices().clear();
    ssUserRightClickCell(grid, 3, 4);
    ssUserClickCell(grid, 4, 0);
    ASSERT_EQ(codes(), (std::vector<int>{SSN_RIGHTCLICK, SSN_COLHEADERCLICK}));
    EXPECT_EQ(notices()[0].col, 3);
    EXPECT_EQ(notices()[0].row, 4);
    EXPECT_EQ(notices()[1].col, 4);
}

TEST_F(GridTest, AParentMayDestroyTheGridWhileAClickIsReported) {
    SSCellType check;
    for (int code : {SSN_ACTIVECELLCHANGED, SSN_CELLCHANGED}) {
        SetUp();
        SSSetCellType(grid, 2, 2, SSSetTypeCheckBox(grid, &check, 0, "", nullptr, nullptr));
        destroyOnNotice() = {grid, code};
        EXPECT_TRUE(ssUserClickCell(grid, 2, 2));
        EXPECT_FALSE(SSIsGrid(grid)) << code;
        EXPECT_EQ(notices().back().code, code);
    }
}

TEST_F(GridTest, ClipboardCopyAndPasteMoveABlockAsTabSeparatedText) {
    SSSetData(grid, 1, 1, "a");
    SSSetData(grid, 2, 1, "1.50");
    SSSetData(grid, 1, 2, "b");
    SSSetFormula(grid, 2, 2, "B1*2", true);
    ASSERT_TRUE(SSSetSelectBlock(grid, 1, 1, 2, 2));
    ASSERT_TRUE(SSClipboardCopy(grid));
    EXPECT_EQ(clipboardText(), "a\t1.50\r\nb\t3\r\n");
    SSSetSelectBlock(grid, 3, 4, 3, 4);
    ASSERT_TRUE(SSClipboardPaste(grid));
    EXPECT_EQ(data(3, 4), "a");
    EXPECT_EQ(data(4, 4), "1.50");
    EXPECT_EQ(data(3, 5), "b");
    EXPECT_EQ(data(4, 5), "3");
    EXPECT_TRUE(SSGetBool(grid, SSB_CHANGEMADE));
}

TEST_F(GridTest, SpansAreFoundFromAnyCellAndRemovedAtTheirAnchor) {
    ASSERT_TRUE(SSAddCellSpan(grid, 2, 1, 3, 2));
    int col = 0, row = 0, cols = 0, rows = 0;
    EXPECT_EQ(SSGetCellSpan(grid, 3, 2, &col, &row, &cols, &rows), SS_SPAN_YES);
    EXPECT_EQ((std::vector<int>{col, row, cols, rows}), (std::vector<int>{2, 1, 3, 2}));
    EXPECT_EQ(SSGetCellSpan(grid, 2, 1, nullptr, nullptr, nullptr, nullptr), SS_SPAN_ANCHOR);
    EXPECT_FALSE(SSRemoveCellSpan(grid, 3, 2));
    EXPECT_TRUE(SSRemoveCellSpan(grid, col, row));
    EXPECT_EQ(SSGetCellSpan(grid, 3, 2, nullptr, nullptr, nullptr, nullptr), SS_SPAN_NO);
}

TEST_F(GridTest, TextMetricsAreFixedPerFontHeight) {
    SSSetData(grid, 1, 1, "abcd");
    SSSetData(grid, 1, 0, "ab");
    SSFont font;
    font.height = 15;
    SSSetFont(grid, 1, 1, font);
    int width = 0;
    ASSERT_TRUE(SSGetMaxTextColWidth(grid, 1, &width));
    EXPECT_EQ(width, 4 * 8 + 8);
    EXPECT_EQ(SSGetTextHeight(font, "a\nb"), 2 * 18 + 4);
    EXPECT_EQ(SSGetTextWidth(font, ""), 0);
    int height = 0;
    ASSERT_TRUE(SSGetMaxTextRowHeight(grid, 1, &height));
    EXPECT_EQ(height, 18 + 4);
}

TEST_F(GridTest, RowsInsertedAndDeletedCarryFormulasAlong) {
    SSSetData(grid, 1, 1, "2");
    SSSetData(grid, 1, 2, "5");
    SSSetFormula(grid, 1, 3, "A1*A2", true);
    ASSERT_TRUE(SSInsRow(grid, 2));
    EXPECT_EQ(value(1, 4), "10");
    char formula[32] = {};
    SSGetFormula(grid, 1, 4, formula);
    EXPECT_STREQ(formula, "A1*A3");
    ASSERT_TRUE(SSDelRow(grid, 2));
    EXPECT_EQ(SSGetMaxRows(grid), 5);
    SSSetData(grid, 1, 2, "6");
    EXPECT_EQ(value(1, 3), "12");
}

}  // namespace

namespace {

LPARAM at(POINT p) {
    return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
}

TEST_F(GridTest, MousePressesFindTheirCellFromWidthsAndHeights) {
    SSSetColWidthInPixels(grid, 1, 100);
    SSSetRowHeightInPixels(grid, 2, 50);
    const POINT c32 = gridCellCenter(grid, 3, 2);
    EXPECT_EQ(c32.x, 40 + 100 + 64 + 32);
    EXPECT_EQ(c32.y, 20 + 20 + 25);
    SendMessage(grid, WM_LBUTTONDOWN, MK_LBUTTON, at(c32));
    int col = 0, row = 0;
    ASSERT_TRUE(SSGetActiveCell(grid, &col, &row));
    EXPECT_EQ(col, 3);
    EXPECT_EQ(row, 2);
    SendMessage(grid, WM_LBUTTONUP, 0, at(gridCellCenter(grid, 4, 5)));
    int c1 = 0, r1 = 0, c2 = 0, r2 = 0;
    ASSERT_TRUE(SSGetSelectBlock(grid, &c1, &r1, &c2, &r2));
    EXPECT_EQ((std::vector<int>{c1, r1, c2, r2}), (std::vector<int>{3, 2, 4, 5}));
    notices().clear();
    SendMessage(grid, WM_RBUTTONDOWN, MK_RBUTTON, at(gridCellCenter(grid, 0, 4)));
    SendMessage(grid, WM_LBUTTONDOWN, MK_LBUTTON, at(gridCellCenter(grid, 2, 0)));
    ASSERT_EQ(codes(), (std::vector<int>{SSN_RIGHTCLICK, SSN_COLHEADERCLICK}));
    EXPECT_EQ(notices()[0].col, 0);
    EXPECT_EQ(notices()[0].row, 4);
}

TEST_F(GridTest, ScriptStepsFindTheGridByItsControlId) {
    ssStepTypeInCell(kGridId, 2, 3, "=6*7")(parent);
    EXPECT_EQ(value(2, 3), "42");
    ssStepSelectBlock(kGridId, 1, 1, 2, 2)(parent);
    int c1 = 0, r1 = 0, c2 = 0, r2 = 0;
    EXPECT_TRUE(SSGetSelectBlock(grid, &c1, &r1, &c2, &r2));
    EXPECT_EQ(c2, 2);
}

}  // namespace

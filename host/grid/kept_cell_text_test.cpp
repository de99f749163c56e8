// Reading a cell's text as module code does (Len, then Get into a buffer of that size) gives
// the text formatting gives now, however the cell changed between the two calls.
#include "kept_cell_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "grid.h"
#include "sheet_model.h"
#include "win_driver.h"

namespace {

struct TextKind {
    int (*length)(HWND, int, int);
    int (*get)(HWND, int, int, char*);
};
constexpr TextKind kValue{SSGetValueLen, SSGetValue};
constexpr TextKind kData{SSGetDataLen, SSGetData};
constexpr TextKind kFormula{SSGetFormulaLen, SSGetFormula};

HWND gGrid = nullptr;
// A parent's reading while it is notified (see PersonTypingWhileTheParentReads).
int gPeekCol = 0;

LRESULT parentProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto* notice = reinterpret_cast<const SSNotify*>(lParam);
    if (msg == SSM_NOTIFY && gPeekCol > 0 && notice->code == SSN_ACTIVECELLCHANGED) {
        SSGetValueLen(notice->grid, notice->col, notice->row);
    }
    return DefWindowProc(h, msg, wParam, lParam);
}

class KeptCellTextTest : public testing::Test {
  protected:
    void SetUp() override {
        winResetForTests();
        SSRegisterWindowClasses();
        WNDCLASS wc;
        wc.lpfnWndProc = parentProc;
        wc.lpszClassName = "KeptTextParent";
        RegisterClass(&wc);
        parent = CreateWindowEx(0, "KeptTextParent", "", WS_OVERLAPPED, 0, 0, 500, 400, nullptr,
                                nullptr, nullptr, nullptr);
        grid = makeGrid();
        gPeekCol = 0;
    }
    void TearDown() override {
        std::filesystem::remove(file);
        gGrid = nullptr;
    }
    HWND makeGrid() {
        HWND g = CreateWindowEx(0, "fpSpread70", "", WS_CHILD, 0, 0, 400, 300, parent, nullptr,
                                nullptr, nullptr);
        SSSetMaxCols(g, 4);
        SSSetMaxRows(g, 5);
        gGrid = g;
        return g;
    }
    // Len, then Get into a buffer of exactly that size (as module code reads); the Get must
    // fill it exactly.
    std::string read(const TextKind& kind, int col, int row) {
        const int length = kind.length(grid, col, row);
        if (length < 0) return "<none>";
        auto buffer = std::make_unique<char[]>(static_cast<std::size_t>(length) + 1);
        const int got = kind.get(grid, col, row, buffer.get());
        EXPECT_EQ(got, length);
        return got == length ? std::string(buffer.get(), static_cast<std::size_t>(got)) : "<bad>";
    }
    // Len, `change`, then Get into a roomy buffer.
    std::string readAcross(const TextKind& kind, int col, int row,
                           const std::function<void()>& change) {
        EXPECT_GE(kind.length(grid, col, row), 0);
        change();
        return get(kind, col, row);
    }
    std::string get(const TextKind& kind, int col, int row) {
        std::vector<char> buffer(256, '\0');
        const int got = kind.get(grid, col, row, buffer.data());
        return got < 0 ? "<none>" : std::string(buffer.data(), static_cast<std::size_t>(got));
    }
    // The text formatted afresh: a Get after some other call.
    std::string fresh(const TextKind& kind, int col, int row) {
        SSGetMaxCols(grid);
        return get(kind, col, row);
    }
    void setNumberType(int col, int row, int decimals) {
        SSCellType type;
        SSSetCellType(grid, col, row, SSSetTypeNumber(grid, &type, 0, decimals, -1e9, 1e9));
    }
    HWND parent = nullptr;
    HWND grid = nullptr;
    std::string file = (std::filesystem::temp_directory_path() /
                        ("kept_text_" + std::to_string(::getpid()) + ".vns"))
                           .string();
};

TEST_F(KeptCellTextTest, LenThenGetGivesTheTextsFormattingGives) {
    setNumberType(1, 1, 3);
    SSSetData(grid, 1, 1, "2.5");
    SSSetData(grid, 2, 1, "1.50");
    SSSetData(grid, 3, 1, "abc");
    SSSetFormula(grid, 1, 2, "A1*2", true);
    SSSetFormula(grid, 2, 2, "1/0", true);
    SSSetFormula(grid, 3, 2, "B1>1", true);
    setNumberType(4, 2, 1);
    SSSetFormula(grid, 4, 2, "A1/3", true);
    SSSetData(grid, 2, SS_HEADER, "Width");
    SSSetData(grid, SS_HEADER, 3, "7.25");
    EXPECT_EQ(read(kValue, 1, 1), "2.500");
    EXPECT_EQ(read(kData, 2, 1), "1.50");
    EXPECT_EQ(read(kValue, 2, 1), "1.5");
    EXPECT_EQ(read(kValue, 2, 2), "#DIV/0!");
    EXPECT_EQ(read(kData, 4, 2), "0.8");
    EXPECT_EQ(read(kFormula, 1, 2), "A1*2");
    EXPECT_EQ(read(kValue, 4, 4), "");
    EXPECT_EQ(read(kValue, 2, SS_HEADER), "Width");
    EXPECT_EQ(read(kValue, 9, 1), "<none>");
    for (const TextKind* kind : {&kValue, &kData, &kFormula}) {
        for (int row = 0; row <= 3; ++row) {
            for (int col = 0; col <= 4; ++col) {
                EXPECT_EQ(read(*kind, col, row), fresh(*kind, col, row)) << col << "," << row;
            }
        }
    }
}

TEST_F(KeptCellTextTest, GetAfterLenOfAnotherCellOrKindGivesItsOwnText) {
    SSSetData(grid, 1, 1, "1.50");
    SSSetFormula(grid, 2, 1, "A1*4", true);
    EXPECT_EQ(readAcross(kValue, 1, 1, [] {}), "1.5");
    EXPECT_EQ(readAcross(kValue, 1, 1, [] {}) + get(kValue, 1, 1), "1.51.5");
    EXPECT_EQ(readAcross(kValue, 1, 1, [] {}) + get(kData, 1, 1), "1.51.50");
    SSGetValueLen(grid, 1, 1);
    EXPECT_EQ(get(kValue, 2, 1), "6");
    SSGetValueLen(grid, 2, 1);
    EXPECT_EQ(get(kFormula, 2, 1), "A1*4");
    SSGetDataLen(grid, 2, 1);
    EXPECT_EQ(get(kValue, 1, 1), "1.5");
}

TEST_F(KeptCellTextTest, ChangesBetweenLenAndGetGiveTheNewText) {
    SSSetData(grid, 1, 1, "2");
    SSSetFormula(grid, 2, 1, "A1*2", true);
    EXPECT_EQ(readAcross(kValue, 1, 1, [&] { SSSetData(grid, 1, 1, "3"); }), "3");
    EXPECT_EQ(readAcross(kValue, 2, 1, [&] { SSSetData(grid, 1, 1, "4.5"); }), "9");
    EXPECT_EQ(readAcross(kData, 2, 1, [&] { SSSetFormula(grid, 2, 1, "A1*3", true); }), "13.5");
    EXPECT_EQ(readAcross(kFormula, 2, 1, [&] { SSSetFormula(grid, 2, 1, "A1+1", true); }), "A1+1");
    EXPECT_EQ(readAcross(kValue, 2, 1, [&] { setNumberType(2, 1, 2); }), "5.50");
    EXPECT_EQ(readAcross(kValue, 2, 1, [&] { setNumberType(2, 1, 4); }), "5.5000");
    EXPECT_EQ(readAcross(kData, 2, 1, [&] { SSSetData(grid, 2, 1, "8"); }), "8");

    SSSetBool(grid, SSB_AUTOCALC, false);
    SSSetFormula(grid, 3, 1, "A1*10", true);
    SSSetData(grid, 1, 1, "6");
    EXPECT_EQ(get(kValue, 3, 1), "45");
    EXPECT_EQ(readAcross(kValue, 3, 1,
                         [&] {
                             SSSetBool(grid, SSB_AUTOCALC, true);
                             SSReCalc(grid);
                         }),
              "60");
}

TEST_F(KeptCellTextTest, LoadsPersonsAndNewWindowsGiveTheNewText) {
    SSSetData(grid, 2, 2, "123.25");
    ASSERT_TRUE(SSSaveToFile(grid, file.c_str(), false));
    SSSetData(grid, 2, 2, "4");
    EXPECT_EQ(readAcross(kValue, 2, 2, [&] { ASSERT_TRUE(SSLoadFromFile(grid, file.c_str())); }),
              "123.25");
    EXPECT_EQ(readAcross(kValue, 2, 2, [&] { ssUserTypeInCell(grid, 2, 2, "=1/0"); }), "#DIV/0!");

    SSCellType check;
    SSSetCellType(grid, 3, 3, SSSetTypeCheckBox(grid, &check, 0, "", nullptr, nullptr));
    SSSetData(grid, 3, 3, "1");
    const POINT p = gridCellCenter(grid, 3, 3);
    EXPECT_EQ(readAcross(kValue, 3, 3,
                         [&] {
                             SendMessage(
                                 grid, WM_LBUTTONDOWN, MK_LBUTTON,
                                 MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)));
                         }),
              "0");

    const int length = SSGetValueLen(grid, 3, 3);
    EXPECT_EQ(length, 1);
    DestroyWindow(grid);
    grid = makeGrid();
    SSSetData(grid, 3, 3, "fresh");
    EXPECT_EQ(get(kValue, 3, 3), "fresh");
}

TEST_F(KeptCellTextTest, PersonTypingWhileTheParentReadsGivesTheTypedText) {
    SSSetData(grid, 2, 2, "5");
    gPeekCol = 2;  // the parent reads the Len of the cell made active, before the typing
    ASSERT_TRUE(ssUserTypeInCell(grid, 2, 2, "77.5"));
    EXPECT_EQ(get(kValue, 2, 2), "77.5");
    EXPECT_EQ(get(kData, 2, 2), "77.5");
}

// A custom function that reads the Len of a cell while that cell is being calculated: the
// calculation then stores a new value with no call to the grid in between.
int gCalls = 0;
const TextKind* gPeekKind = nullptr;
int gPeekRow = 0;
bool gPeekGivesText = false;  // "t" and the last digit of the count, else the count + 0.5
bool peek(SpreadValue* result, SpreadValue*, short) {
    if (gPeekKind) gPeekKind->length(gGrid, 1, gPeekRow);
    ++gCalls;
    result->status = SPREAD_STATUS_VALID;
    if (gPeekGivesText) {
        const std::string text = "t" + std::to_string(gCalls % 10);
        result->type = SPREAD_TYPE_STRING;
        result->hszValue = GlobalAlloc(GHND, text.size() + 1);
        std::memcpy(GlobalLock(result->hszValue), text.data(), text.size());
        GlobalUnlock(result->hszValue);
        return true;
    }
    result->type = SPREAD_TYPE_DOUBLE;
    result->dfValue = gCalls + 0.5;
    return true;
}

TEST_F(KeptCellTextTest, ACellChangedByTheCalculationAfterItsLenGivesTheNewText) {
    gCalls = 0;
    gPeekKind = nullptr;
    ASSERT_TRUE(SSAddCustomFunctionExt(grid, "PEEK", 0, 0, peek, 0));
    ASSERT_TRUE(SSSetFormula(grid, 1, 2, "PEEK()", true));
    ASSERT_TRUE(SSSetFormula(grid, 1, 3, "PEEK()", true));
    for (const TextKind* kind : {&kValue, &kData}) {
        for (int row : {2, 3}) {
            gPeekKind = kind;
            gPeekRow = row;
            ASSERT_TRUE(SSReCalcCell(grid, 1, row));
            EXPECT_EQ(get(*kind, 1, row), std::to_string(gCalls) + ".5");
            gPeekKind = nullptr;
            EXPECT_EQ(read(*kind, 1, row), std::to_string(gCalls) + ".5");
        }
    }
    gPeekKind = &kValue;
    gPeekRow = 3;
    ASSERT_TRUE(SSReCalc(grid));
    EXPECT_EQ(get(kValue, 1, 3), std::to_string(gCalls) + ".5");

    // A text value replaced by another of the same length.
    gPeekGivesText = true;
    gPeekKind = nullptr;
    ASSERT_TRUE(SSReCalcCell(grid, 1, 2));
    gPeekKind = &kValue;
    gPeekRow = 2;
    ASSERT_TRUE(SSReCalcCell(grid, 1, 2));
    gPeekGivesText = false;
    EXPECT_EQ(get(kValue, 1, 2), "t" + std::to_string(gCalls % 10));
}

// The record itself, on a sheet changed without any grid call in between (as a calculation or
// a person changes it): a changed format or value is never answered with the old text.
TEST(KeptCellTextRecord, AFormatOrValueChangedSinceIsFormattedAgain) {
    SheetModel sheet;
    ASSERT_TRUE(sheet.setMaxCols(2) && sheet.setMaxRows(2));
    // A formula cell: a new type does not read its contents again.
    ASSERT_TRUE(sheet.setFormula(1, 1, "=5/2", FormulaSetMode::Strict));
    KeptCellText kept;
    char buffer[64] = {};
    const auto kValueText = KeptCellText::Kind::Value;

    EXPECT_EQ(kept.formatAndKeep(kValueText, sheet, 1, 1), 3);
    SSCellType number;
    number.type = SS_CELLTYPE_NUMBER;
    number.decimals = 3;
    ASSERT_TRUE(sheet.setCellType(1, 1, number));
    EXPECT_EQ(kept.takeInto(kValueText, sheet, 1, 1, buffer), -1);

    EXPECT_EQ(kept.formatAndKeep(kValueText, sheet, 1, 1), 5);
    ASSERT_TRUE(sheet.engine().setNumber(1, 1, 7.25));
    EXPECT_EQ(kept.takeInto(kValueText, sheet, 1, 1, buffer), -1);

    // A write elsewhere leaves the cell's text valid.
    EXPECT_EQ(kept.formatAndKeep(kValueText, sheet, 1, 1), 5);
    ASSERT_TRUE(sheet.setData(2, 2, "9"));
    EXPECT_EQ(kept.takeInto(kValueText, sheet, 1, 1, buffer), 5);
    EXPECT_STREQ(buffer, "7.250");
}

}  // namespace

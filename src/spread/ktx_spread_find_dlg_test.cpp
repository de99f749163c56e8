#include "ktx_spread_find_dlg.h"

#include <gtest/gtest.h>

#include "core.h"
#include "grid.h"
#include "spread_test_host.h"
#include "win_driver.h"

namespace {

using D = Ktx_SpreadFindDlg;

class FindDialogTest : public SpreadHostTest {
  protected:
    void SetUp() override {
        SpreadHostTest::SetUp();
        gSettings.setLibDir(windowsPathFromHost(std::string(VN_SOURCE_DIR) + "/examples/library"));
        makeGrid(2, 2);
        ss.setCellText(1, 1, "IPE 300");
        ss.setCellText(2, 2, "HEA 200");
        SSSetActiveCell(grid(), 1, 1);
    }
    HWND open(bool replace) {
        ss.showFindDialog(replace);
        return ss.findDialog() ? ss.findDialog()->GetSafeHwnd() : nullptr;
    }
    std::pair<int, int> active() {
        int col = 0, row = 0;
        ss.getActiveCell(col, row);
        return {col, row};
    }
    std::string text(HWND dialog, int id) {
        char buffer[256] = {};
        ::GetWindowText(::GetDlgItem(dialog, id), buffer, sizeof buffer);
        return buffer;
    }
};

TEST_F(FindDialogTest, OpensOnTopWithItsTextsAndTheGridsOptionsSet) {
    SSSetBool(grid(), 20, true);
    HWND dialog = open(false);
    ASSERT_NE(dialog, nullptr);
    char title[64] = {};
    ::GetWindowText(dialog, title, sizeof title);
    EXPECT_STREQ(title, "Find and Replace");
    EXPECT_TRUE(::GetWindowLong(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(text(dialog, D::kFindLabel), "Find what:");
    EXPECT_EQ(text(dialog, IDCANCEL), "Close");
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(dialog, D::kReplace)));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog, D::kFindNext)));  // nothing to find
    EXPECT_TRUE(SSGetBool(grid(), 13));
    EXPECT_FALSE(SSGetBool(grid(), 20));
    EXPECT_EQ(open(true), dialog);  // one dialog per grid, now in replace mode
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(dialog, D::kReplace)));
    EXPECT_EQ(text(dialog, D::kReplace), "Replace");
    EXPECT_EQ(text(dialog, D::kReplaceAll), "Replace All");
}

TEST_F(FindDialogTest, WrapQuestionAnsweredNoLeavesTheActiveCellAndYesFindsFromTheStart) {
    HWND dialog = open(false);
    ASSERT_TRUE(userType(dialog, D::kFindText, "IPE"));
    winQueueMessageBoxAnswer(IDNO);
    ASSERT_TRUE(userClick(dialog, D::kFindNext));
    ASSERT_EQ(winMessageBoxes().size(), 1u);
    EXPECT_EQ(winMessageBoxes()[0].text,
              "The end of the sheet was reached without finding \"IPE\" after the active cell. "
              "Search again from the first cell?");
    EXPECT_EQ(winMessageBoxes()[0].buttons, UINT(MB_YESNO));
    EXPECT_EQ(active(), std::make_pair(1, 1));
    SSSetActiveCell(grid(), 2, 1);
    winQueueMessageBoxAnswer(IDYES);
    ASSERT_TRUE(userClick(dialog, D::kFindNext));
    EXPECT_EQ(active(), std::make_pair(1, 1));
    ASSERT_TRUE(userType(dialog, D::kFindText, "UPN"));
    winQueueMessageBoxAnswer(IDYES);
    ASSERT_TRUE(userClick(dialog, D::kFindNext));
    ASSERT_EQ(winMessageBoxes().size(), 4u);
    EXPECT_EQ(winMessageBoxes()[3].text, "The text was not found in the sheet.");
}

TEST_F(FindDialogTest, ReplaceChangesTheFoundCell) {
    HWND dialog = open(true);
    ASSERT_TRUE(userType(dialog, D::kFindText, "HEA"));
    ASSERT_TRUE(userType(dialog, D::kReplaceText, "HEB"));
    ASSERT_TRUE(userClick(dialog, D::kReplace));
    Ktx_String data;
    ss.getCellText(2, 2, data, CellTextKind::Data);
    EXPECT_EQ(data, "HEB 200");
    EXPECT_EQ(active(), std::make_pair(2, 2));
}

TEST_F(FindDialogTest, ClosingRestoresOptionThirteenSavesItsSizeAndTheGridForgetsIt) {
    HWND dialog = open(false);
    ASSERT_TRUE(userResize(dialog, 600, 200));
    ASSERT_TRUE(userClick(dialog, IDCANCEL));
    EXPECT_FALSE(::IsWindow(dialog));
    EXPECT_EQ(ss.findDialog(), nullptr);
    EXPECT_FALSE(SSGetBool(grid(), 13));
    dialog = open(false);
    CRect rect;
    ::GetWindowRect(dialog, &rect);
    EXPECT_EQ(rect.Width(), 600);
    userClose(dialog);
    SSSetBool(grid(), 13, true);  // on before: stays on after closing
    dialog = open(false);
    userClose(dialog);
    EXPECT_TRUE(SSGetBool(grid(), 13));
}

}  // namespace

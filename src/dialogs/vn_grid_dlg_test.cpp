#include "vn_grid_dlg.h"

#include <gtest/gtest.h>

#include "win_driver.h"

TEST(GridDialog, ShowsTheDefaultBlockAndReadsTheCountsWithAtoiOnOk) {
    std::string shown;
    winScriptNextDialog(
        VnGridDlg::kResourceId,
        Script()
            .then([&](HWND dlg) {
                char text[64];
                for (int id : {VnGridDlg::kCount1, VnGridDlg::kDistances1, VnGridDlg::kLabel1,
                               VnGridDlg::kCount2, VnGridDlg::kDistances2, VnGridDlg::kLabel2}) {
                    GetDlgItemText(dlg, id, text, sizeof text);
                    shown += std::string(text) + "|";
                }
                EXPECT_EQ(IsDlgButtonChecked(dlg, VnGridDlg::kOption), 0u);
            })
            .type(VnGridDlg::kCount1, "six")
            .type(VnGridDlg::kCount2, "12 lines")
            .type(VnGridDlg::kDistances2, "2x6000 7500")
            .type(VnGridDlg::kLabel1, "")
            .click(VnGridDlg::kOption)
            .click(IDOK));
    VnGridDlgData data;
    ASSERT_TRUE(StartDlgGrid(data));
    EXPECT_EQ(shown, "4|5000|A|3|5000|1|");
    EXPECT_EQ(data.count1, 0) << "text that is no number";
    EXPECT_EQ(data.count2, 12);
    EXPECT_EQ(data.distances2, "2x6000 7500");
    EXPECT_EQ(data.label1, "");
    EXPECT_TRUE(data.option);
}

TEST(GridDialog, CancelKeepsTheCallersBlock) {
    winScriptNextDialog(
        VnGridDlg::kResourceId,
        Script().type(VnGridDlg::kCount1, "9").click(VnGridDlg::kOption).click(IDCANCEL));
    VnGridDlgData data;
    data.label2 = "X";
    EXPECT_FALSE(StartDlgGrid(data));
    EXPECT_EQ(data.count1, 4);
    EXPECT_EQ(data.label2, "X");
    EXPECT_FALSE(data.option);
}

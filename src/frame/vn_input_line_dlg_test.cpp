#include "vn_input_line_dlg.h"

#include <gtest/gtest.h>

#include "core.h"
#include "win_driver.h"

namespace {

class InputLine : public ::testing::Test {
  protected:
    void SetUp() override {
        gSettings.setLibDir(windowsPathFromHost(std::string(VN_SOURCE_DIR) + "/examples/library"));
        data.caption = "Width";
        data.prompt = "Width in pixels:";
        data.text = "30";
    }
    VnInputLineData data;
};

TEST_F(InputLine, ShowsCaptionPromptAndStartTextAndGivesTheTypedTextOnOk) {
    winScriptNextDialog(VnInputLineDlg::kResourceId,
                        Script()
                            .then([](HWND d) {
                                EXPECT_EQ(winGetText(d), "Width");
                                EXPECT_EQ(winGetText(GetDlgItem(d, VnInputLineDlg::kPrompt)),
                                          "Width in pixels:");
                                EXPECT_EQ(winGetText(GetDlgItem(d, VnInputLineDlg::kText)), "30");
                                EXPECT_EQ(GetFocus(), GetDlgItem(d, VnInputLineDlg::kText));
                                EXPECT_EQ(winGetText(GetDlgItem(d, IDCANCEL)), "Cancel");
                            })
                            .type(VnInputLineDlg::kText, "45")
                            .click(IDOK));
    EXPECT_TRUE(StartDlgInputLine(data));
    EXPECT_EQ(data.text, "45");
}

TEST_F(InputLine, CancelLeavesTheTextAsItWas) {
    winScriptNextDialog(VnInputLineDlg::kResourceId,
                        Script().type(VnInputLineDlg::kText, "99").click(IDCANCEL));
    EXPECT_FALSE(StartDlgInputLine(data));
    EXPECT_EQ(data.text, "30");
}

}  // namespace

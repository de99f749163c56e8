#include "dlg_info.h"

#include <gtest/gtest.h>

#include "win_driver.h"

namespace {

TEST(InfoDialog, ShowsCaptionButtonTextAndTheListingLineByLine) {
    DlgInfoData data;
    data.texts = Ktx_StringArray({"Not applied", "Close"});
    data.lines = Ktx_StringArray({"Length: 300", "Width: 12"});
    winScriptNextDialog(kDlgInfoResourceId, Script()
                                                .then([](HWND d) {
                                                    EXPECT_EQ(winGetText(d), "Not applied");
                                                    EXPECT_EQ(winGetText(GetDlgItem(d, IDOK)),
                                                              "Close");
                                                    EXPECT_EQ(winGetText(GetDlgItem(d, 1000)),
                                                              "Length: 300\r\nWidth: 12");
                                                })
                                                .click(IDOK));
    EXPECT_TRUE(ExportStartDlgInfo(data));
    winScriptNextDialog(kDlgInfoResourceId, Script().close());
    const DlgInfoData empty;
    EXPECT_FALSE(ExportStartDlgInfo(empty));
}

}  // namespace

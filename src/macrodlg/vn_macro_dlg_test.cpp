#include "vn_macro_dlg.h"

#include <gtest/gtest.h>

#include "core.h"
#include "frame.h"
#include "ktx_macro.h"
#include "scripted_user.h"
#include "win_driver.h"

namespace {

class MacroDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        frameResetForTests();
        winResetForTests();
        macro_.name = "EndPlate";
        data_.edit.macros = {&macro_};
        data_.edit.title = "End plate";
        data_.tabs.resize(1);
        data_.tabs[0].name = "Plate";
    }
    Ktx_Macro macro_;
    MacroData data_;
};

TEST_F(MacroDialog, SizeKeysForOneMacroAndForThreeWithoutAGroup) {
    VnMacroDlg one(data_);
    EXPECT_EQ(one.sizeKey(), "DLG_MACRO_EDITVARS_EndPlate");
    Ktx_Macro b, c;
    data_.edit.macros = {&macro_, &b, &c};
    VnMacroDlg three(data_);
    EXPECT_EQ(three.sizeKey(), "DLG_MACRO_EDITVARS_3_MACROS");
}

TEST_F(MacroDialog, AModalDialogCopiesItsDataBackAndRunsTheClashCheck) {
    clearMacroCoreCallLog();
    winScriptNextDialog(VnMacroDlg::kResourceId, Script().click(VnMacroDlg::kClose));
    StartDlgMacro(data_);
    EXPECT_TRUE(data_.edit.closing);  // the dialog's data came back
    EXPECT_EQ(acadPostedCommands(), std::vector<std::string>{"CANCELCMD"});
    const auto& log = macroCoreCallLog();
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(log[0], "clashInitDlgStarted -1");
    EXPECT_EQ(log[1], "clashResetInfo -1");
    EXPECT_EQ(log[2], "clashcheck");
    EXPECT_EQ(log[3], "changeView Plate 3");
    EXPECT_EQ(log.back(), "clashDlgClosed -1");
}

}  // namespace

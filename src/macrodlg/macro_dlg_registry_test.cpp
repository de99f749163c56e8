#include "macro_dlg_registry.h"

#include <gtest/gtest.h>

#include "frame.h"
#include "modeless_windows.h"
#include "vn_macro_dlg.h"
#include "win_driver.h"

namespace {

class MacroDlgRegistry : public ::testing::Test {
  protected:
    void SetUp() override {
        frameResetForTests();
        winResetForTests();
        data_.edit.title = "End plate";
        data_.tabs.resize(2);
        data_.tabs[0].name = "End plate";
        data_.tabs[1].name = "Bolts";
    }
    int open() {
        int number = -1;
        EXPECT_TRUE(StartDlgMacroModeless(false, data_, number));
        return number;
    }
    VnMacroDlg* dialog(int n) { return dynamic_cast<VnMacroDlg*>(macroDlgAt(n)); }
    MacroData data_;
};

TEST_F(MacroDlgRegistry, NewDialogsTakeTheHighestEmptySlotElseANewOne) {
    EXPECT_EQ(open(), 0);
    EXPECT_EQ(open(), 1);
    EXPECT_EQ(open(), 2);
    EXPECT_TRUE(EndDlgMacroModeless(1));
    EXPECT_EQ(macroDlgSlotCount(), 3);  // a middle slot leaves the length
    EXPECT_EQ(open(), 1);
    EXPECT_EQ(open(), 3);
    EXPECT_EQ(dialog(3)->number(), 3);
    EXPECT_TRUE(IsWindowVisible(dialog(3)->GetSafeHwnd()));
}

TEST_F(MacroDlgRegistry, EndingTheLastSlotShrinksToTheLastOccupiedOne) {
    open();
    open();
    open();
    EXPECT_TRUE(EndDlgMacroModeless(1));
    HWND last = dialog(2)->GetSafeHwnd();
    int prompts = acadPostedPromptCount();
    EXPECT_TRUE(EndDlgMacroModeless(2));
    EXPECT_FALSE(IsWindow(last));
    EXPECT_EQ(macroDlgSlotCount(), 1);
    EXPECT_EQ(acadPostedPromptCount(), prompts + 1);
    EXPECT_FALSE(EndDlgMacroModeless(2));
    EXPECT_FALSE(EndDlgMacroModeless(-1));
}

TEST_F(MacroDlgRegistry, GetDlgMacroDataCopiesTheDialogsOwnData) {
    int n = open();
    dialog(n)->macroData().edit.title = "Changed";
    MacroData out;
    EXPECT_TRUE(GetDlgMacroData(n, out));
    EXPECT_EQ(out.edit.title, "Changed");
    EXPECT_EQ(out.tabCount(), 2);
    EXPECT_FALSE(GetDlgMacroData(n + 1, out));
}

TEST_F(MacroDlgRegistry, ABusyDialogEndsThroughTheTimerOnceTheFlagClears) {
    int n = open();
    dialog(n)->macroData().edit.busy = true;
    acadClearCommandLine();
    EXPECT_TRUE(EndDlgMacroModeless(n));
    EXPECT_NE(dialog(n), nullptr);
    winAdvanceClock(50);
    EXPECT_EQ(acadCommandLineText(), "Delayed timer called.\n");
    EXPECT_NE(dialog(n), nullptr);  // still busy: a fresh timer
    EXPECT_EQ(pendingMacroDlgEndings(), 1);
    dialog(n)->macroData().edit.busy = false;
    winAdvanceClock(50);
    EXPECT_EQ(acadCommandLineText(), "Delayed timer called.\nDelayed timer called.\n");
    EXPECT_EQ(macroDlgSlotCount(), 0);
    EXPECT_EQ(pendingMacroDlgEndings(), 0);
    EXPECT_EQ(winActiveTimerCount(), 0);
}

TEST_F(MacroDlgRegistry, UnloadingEndsEveryDialogAndLeavesNoTimer) {
    int a = open();
    int b = open();
    dialog(b)->macroData().edit.busy = true;
    EXPECT_TRUE(EndDlgMacroModeless(b));  // waits for the timer
    HWND wa = dialog(a)->GetSafeHwnd();
    HWND wb = dialog(b)->GetSafeHwnd();
    int appId = 0;
    EXPECT_EQ(acrxEntryPoint(AcRx::kUnloadAppMsg, &appId), AcRx::kRetOK);
    EXPECT_FALSE(IsWindow(wa));
    EXPECT_FALSE(IsWindow(wb));
    EXPECT_EQ(modelessMacroDlgCount(), 0);
    EXPECT_EQ(pendingMacroDlgEndings(), 0);
    EXPECT_EQ(winActiveTimerCount(), 0);
}

TEST_F(MacroDlgRegistry, ClosingAModelessDialogEndsItAfterItsHandlerReturned) {
    int n = open();
    HWND h = dialog(n)->GetSafeHwnd();
    ::SendMessage(h, WM_COMMAND, MAKEWPARAM(VnMacroDlg::kClose, BN_CLICKED), 0);
    EXPECT_TRUE(IsWindow(h));
    EXPECT_TRUE(dialog(n)->macroData().edit.closing);
    winAdvanceClock(50);
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(macroDlgSlotCount(), 0);
    EXPECT_EQ(macroCoreCallLog().back(), "clashDlgClosed 0");
}

}  // namespace

#include "dlg_controls.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ccombo_box.h"
#include "core.h"
#include "win_driver.h"

namespace {

constexpr int kCombo = 10, kList = 11, kField = 12;

class DlgControls : public ::testing::Test {
  protected:
    void SetUp() override {
        dialog.CreateEx(0, WC_DIALOG, "Host", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr,
                        0);
        make(WC_COMBOBOX, CBS_DROPDOWNLIST, kCombo, 10, 10, 100, 100);
        make(WC_LISTBOX, LBS_NOTIFY, kList, 10, 40, 100, 100);
        make(WC_EDIT, 0, kField, 150, 50, 100, 20);
    }
    void make(LPCSTR cls, DWORD style, int id, int x, int y, int w, int h) {
        CreateWindow(cls, "", WS_CHILD | WS_VISIBLE | style, x, y, w, h, dialog.m_hWnd,
                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
    CRect placeOf(int id) {
        CRect r;
        dialog.GetDlgItem(id)->GetWindowRect(&r);
        dialog.ScreenToClient(&r);
        return r;
    }
    CWnd dialog;
};

TEST_F(DlgControls, FillComboReplacesTheItemsAndSelectsTheNamedOneElseTheFirst) {
    HWND combo = GetDlgItem(dialog.m_hWnd, kCombo);
    SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("old"));
    ASSERT_TRUE(FillCombo(&dialog, kCombo, Ktx_StringArray({"IPE", "HEA", "UNP"}), "HEA"));
    EXPECT_EQ(SendMessage(combo, CB_GETCOUNT), 3);
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL), 1);
    ASSERT_TRUE(FillCombo(&dialog, kList, Ktx_StringArray({"a", "b"}), "missing"));
    EXPECT_EQ(SendMessage(GetDlgItem(dialog.m_hWnd, kList), LB_GETCURSEL), 0);
    ASSERT_TRUE(FillCombo(&dialog, kCombo, Ktx_StringArray()));
    EXPECT_EQ(SendMessage(combo, CB_GETCURSEL), CB_ERR);
    EXPECT_FALSE(FillCombo(&dialog, 99, Ktx_StringArray({"x"})));
    EXPECT_FALSE(FillCombo(nullptr, kCombo, Ktx_StringArray({"x"})));
}

TEST_F(DlgControls, ShowHideEnableAndDisableByIdAndRefuseMissingControls) {
    ASSERT_TRUE(ShowOrHideCtrl(&dialog, kField, false));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog.m_hWnd, kField)));
    ASSERT_TRUE(EnDisCtrl(&dialog, kField, false));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog.m_hWnd, kField)));
    ASSERT_TRUE(EnDisCtrl(&dialog, kField, true));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog.m_hWnd, kField)));
    EXPECT_FALSE(ShowOrHideCtrl(&dialog, 99, true));
    EXPECT_FALSE(EnDisCtrl(&dialog, 99, true));
}

TEST_F(DlgControls, ResizeMovesOneSideAndNeverPastTheOther) {
    ASSERT_TRUE(resizeCtrl(&dialog, kField, kSideBottom, 30));
    EXPECT_EQ(placeOf(kField), CRect(150, 50, 250, 100));
    ASSERT_TRUE(resizeCtrl(&dialog, kField, kSideTop, -10));
    EXPECT_EQ(placeOf(kField), CRect(150, 60, 250, 100));
    ASSERT_TRUE(resizeCtrl(&dialog, kField, kSideLeft, 20));
    EXPECT_EQ(placeOf(kField), CRect(130, 60, 250, 100));
    ASSERT_TRUE(resizeCtrl(&dialog, kField, kSideRight, -500));
    EXPECT_EQ(placeOf(kField), CRect(130, 60, 130, 100));
    EXPECT_FALSE(resizeCtrl(&dialog, kField, 4, 10));
}

TEST(DeleteFile, RemovesAFileAndSaysWhenThereWasNone) {
    const std::filesystem::path file =
        std::filesystem::path(::testing::TempDir()) / "vn_delete_file_test.bmp";
    std::ofstream(file) << "x";
    const Ktx_String name = windowsPathFromHost(file.string());
    EXPECT_TRUE(deleteFile(name));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_FALSE(deleteFile(name));
}

}  // namespace

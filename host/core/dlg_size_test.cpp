#include "dlg_size.h"

#include <gtest/gtest.h>

#include "registry.h"
#include "win_driver.h"
#include "win_reset.h"
#include "window_api.h"
#include "window_geometry.h"

namespace {

class DlgSize : public ::testing::Test {
  protected:
    void SetUp() override { registryResetForTests(); }
    void TearDown() override { registryResetForTests(); }
};

TEST_F(DlgSize, StoredSizeReadsBackUnderItsName) {
    EXPECT_FALSE(dlgSizeRead("DLG_GENVARS").has_value());
    ASSERT_TRUE(dlgSizeWrite("DLG_GENVARS", CSize(640, 480)));
    const std::optional<CSize> size = dlgSizeRead("dlg_genvars");
    ASSERT_TRUE(size.has_value());
    EXPECT_EQ(size->cx, 640);
    EXPECT_EQ(size->cy, 480);
    EXPECT_FALSE(dlgSizeRead("DLG_OTHER").has_value());
}

TEST_F(DlgSize, DamagedStoredSizeIsNotUsed) {
    ASSERT_TRUE(dlgSizeWrite("DLG_X", CSize(0, 480)));
    EXPECT_FALSE(dlgSizeRead("DLG_X").has_value());
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Varnox\\Core\\Dialogs\\DLG_X", 0,
                           KEY_SET_VALUE, &key),
              ERROR_SUCCESS);
    const char text[] = "300";
    RegSetValueEx(key, "Width", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
    RegCloseKey(key);
    EXPECT_FALSE(dlgSizeRead("DLG_X").has_value());
}

TEST_F(DlgSize, SettingFlagRoundTripsAndMissingFlagLeavesTheDefault) {
    bool showFilters = true;
    EXPECT_FALSE(readDlgRegBool("DLG_SELECT_MACRO", "LARGE_DLG", showFilters));
    EXPECT_TRUE(showFilters);
    ASSERT_TRUE(writeDlgRegBool("DLG_SELECT_MACRO", "LARGE_DLG", false));
    EXPECT_TRUE(readDlgRegBool("DLG_SELECT_MACRO", "LARGE_DLG", showFilters));
    EXPECT_FALSE(showFilters);
}

TEST_F(DlgSize, RefusedRegistryReportsFailure) {
    registryDenyAccess(HKEY_CURRENT_USER, "Software\\Varnox");
    EXPECT_FALSE(dlgSizeWrite("DLG_EDIT_MACRO", CSize(300, 200)));
    EXPECT_FALSE(writeDlgRegBool("DLG_SELECT_MACRO", "LARGE_DLG", true));
}

TEST_F(DlgSize, MissingWindowChangesNothing) {
    dlgSizeWrite("DLG_A", CSize(300, 200));
    CSize size(1, 2);
    EXPECT_FALSE(getDlgSize(static_cast<HWND>(nullptr), size));
    EXPECT_EQ(size.cx, 1);
    EXPECT_FALSE(ChangeDlgSize(static_cast<HWND>(nullptr), "DLG_A"));
    EXPECT_FALSE(WriteDlgSize(static_cast<HWND>(nullptr), "DLG_B"));
    EXPECT_FALSE(dlgSizeRead("DLG_B").has_value());
}

TEST_F(DlgSize, DialogTakesTheStoredSizeAndKeepsItsPlace) {
    winResetForTests();
    HWND dialog =
        CreateWindow("STATIC", "", WS_POPUP, 30, 40, 200, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(dialog, nullptr);
    CSize designed;
    ASSERT_TRUE(getDlgSize(dialog, designed));
    EXPECT_EQ(designed.cx, 200);
    EXPECT_FALSE(ChangeDlgSize(dialog, "DLG_SELECT_IMAGE"));  // nothing stored yet
    ASSERT_TRUE(dlgSizeWrite("DLG_SELECT_IMAGE", CSize(320, 240)));
    ASSERT_TRUE(ChangeDlgSize(dialog, "DLG_SELECT_IMAGE"));
    RECT r;
    GetWindowRect(dialog, &r);
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.right - r.left, 320);
    EXPECT_EQ(r.bottom - r.top, 240);
    MoveWindow(dialog, 30, 40, 400, 300);
    ASSERT_TRUE(WriteDlgSize(dialog, "DLG_SELECT_IMAGE"));
    EXPECT_EQ(dlgSizeRead("DLG_SELECT_IMAGE")->cx, 400);
    winResetForTests();
}

}  // namespace

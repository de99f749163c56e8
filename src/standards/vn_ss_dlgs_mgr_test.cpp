#include "vn_ss_dlgs_mgr.h"

#include <gtest/gtest.h>

#include "core_reset.h"
#include "vn_standards_dlg.h"
#include "win_driver.h"

class HostPool : public ::testing::Test {
  protected:
    void SetUp() override {
        winResetForTests();
        coreResetForTests();
    }
    void TearDown() override { pool.destroyAll(); }
    VnSSDlgsMgr pool;
};

TEST_F(HostPool, AReleasedHostIsHandedOutAgain) {
    void* first = pool.getDlg();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(pool.releaseDlg(first), Acad::eOk);
    EXPECT_EQ(pool.getDlg(), first);
    EXPECT_EQ(pool.count(), 1);
}

TEST_F(HostPool, NestedRequestsTakeTheNextFreeHostOrMakeANewOne) {
    void* a = pool.getDlg();
    void* b = pool.getDlg();
    ASSERT_NE(a, b);
    EXPECT_EQ(pool.releaseDlg(b), Acad::eOk);
    EXPECT_EQ(pool.getDlg(), b);  // first in use, second free: the second
    void* c = pool.getDlg();      // both in use: a third
    EXPECT_NE(c, a);
    EXPECT_NE(c, b);
    EXPECT_EQ(pool.count(), 3);
}

TEST_F(HostPool, HostsAreHiddenDialogsOwnedByTheMainWindowWithAGrid) {
    auto* dlg = static_cast<VnStandardsDlg*>(pool.getDlg());
    ASSERT_NE(dlg, nullptr);
    EXPECT_FALSE(dlg->IsWindowVisible());
    EXPECT_EQ(::GetWindow(dlg->GetSafeHwnd(), GW_OWNER), adsw_acadMainWnd());
    EXPECT_TRUE(dlg->spread.isCreated());
    EXPECT_EQ(dlg->templateId(), 253u);
}

TEST_F(HostPool, ReleasingAnUnknownHostFails) {
    int other = 0;
    EXPECT_EQ(pool.releaseDlg(&other), Acad::eInvalidInput);
    EXPECT_EQ(pool.releaseDlg(nullptr), Acad::eInvalidInput);
}

TEST_F(HostPool, CopiesShareHostsThatLiveUntilTheLastPoolDropsThem) {
    auto* dlg = static_cast<VnStandardsDlg*>(pool.getDlg());
    const HWND window = dlg->GetSafeHwnd();
    {
        VnSSDlgsMgr copy = pool;
        EXPECT_TRUE(copy.isInUse(0));
        copy.destroyAll();
        EXPECT_TRUE(IsWindow(window));  // the original still holds it
    }
    EXPECT_EQ(pool.releaseDlg(dlg), Acad::eOk);
    pool.destroyAll();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(pool.count(), 0);
}

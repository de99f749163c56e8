// Fixtures of the window system's tests: a modeless dialog of class D, created from its own
// template and shown before each test and destroyed after it; and a bare top-level window that
// a test puts its controls on.
#pragma once

#include <gtest/gtest.h>

#include "win_driver.h"

template <typename D>
class ShownDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dialog.Create(dialog.templateId()));
        dialog.ShowWindow(SW_SHOW);
    }
    void TearDown() override { dialog.DestroyWindow(); }
    D dialog;
};

class HostWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(
            host.CreateEx(0, WC_DIALOG, "Host", WS_POPUP, CRect(0, 0, 300, 200), nullptr, 0));
    }
    void TearDown() override { host.DestroyWindow(); }
    CWnd host;
};

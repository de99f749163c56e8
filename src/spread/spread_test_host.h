#pragma once
// Test support: a captioned host window with a placeholder control, and a Ktx_Spread made
// over it with a given size.
#include <gtest/gtest.h>

#include "frame.h"
#include "grid.h"
#include "ktx_spread.h"
#include "win.h"

class SpreadHostTest : public ::testing::Test {
  protected:
    static constexpr int kPlaceholderId = 1004;

    void SetUp() override {
        frameResetForTests();
        host.CreateEx(0, WC_DIALOG, "Host", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                      CRect(100, 100, 600, 500), nullptr, 0);
        placeholder =
            CreateWindow(WC_STATIC, "", WS_CHILD | WS_VISIBLE, 10, 30, 300, 200, host.m_hWnd,
                         reinterpret_cast<HMENU>(kPlaceholderId), nullptr, nullptr);
    }

    // Creates the grid (keeping the placeholder's position) with cols x rows cells.
    void makeGrid(int cols, int rows) {
        ASSERT_TRUE(ss.create(&host, kPlaceholderId, true));
        ASSERT_TRUE(ss.setMaxCols(cols));
        ASSERT_TRUE(ss.setMaxRows(rows));
        SSSetBool(grid(), SSB_CHANGEMADE, false);
    }

    HWND grid() const { return ss.gridWindow(); }

    CWnd host;
    HWND placeholder = nullptr;
    Ktx_Spread ss;
};

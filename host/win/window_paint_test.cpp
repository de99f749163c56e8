#include "window_paint.h"

#include <gtest/gtest.h>

#include "win_driver.h"

namespace {

constexpr UINT kPicturePage = 9301;
constexpr UINT kTabbed = 9302;
enum : int { kLabel = 400, kTab, kPageEdit };

const DialogTemplateRegistration kPageTemplate(
    {kPicturePage,
     "",
     kPageStyle,
     0,
     0,
     150,
     80,
     {{kLabel, WC_STATIC, SS_LEFT, 0, "Length", 5, 5, 40, 10},
      {kPageEdit, WC_EDIT, WS_TABSTOP, 0, "", 50, 5, 60, 12}}});

const DialogTemplateRegistration kTabbedTemplate({kTabbed,
                                                  "Tabbed",
                                                  kDialogStyle,
                                                  0,
                                                  0,
                                                  180,
                                                  120,
                                                  {{kTab, WC_TABCONTROL, WS_TABSTOP, 0, "", 5, 5,
                                                    170, 110}}});

// A page that paints a picture behind transparent labels.
class PicturePage : public CDialog {
  public:
    PicturePage() : CDialog(kPicturePage) {}
    BOOL OnEraseBkgnd(CDC* dc) override {
        CRect r;
        GetClientRect(&r);
        dc->FillSolidRect(&r, RGB(255, 255, 255));
        return TRUE;
    }
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind) override {
        if (kind != CTLCOLOR_STATIC || control->GetDlgCtrlID() != kLabel)
            return CDialog::OnCtlColor(dc, control, kind);
        dc->SetBkMode(TRANSPARENT);
        return reinterpret_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
    }
};

// Two pages on a tab control; leaving page 1 can be refused.
class Tabbed : public CDialog {
  public:
    Tabbed() : CDialog(kTabbed) {
        onNotify(kTab, TCN_SELCHANGING,
                 [this](NMHDR*, LRESULT* result) { *result = locked ? TRUE : FALSE; });
        onNotify(kTab, TCN_SELCHANGE, [this](NMHDR*, LRESULT*) { show(tab.GetCurSel()); });
    }
    BOOL OnInitDialog() override {
        tab.SubclassDlgItem(kTab, this);
        tab.InsertItem(0, "Picture");
        tab.InsertItem(1, "Values");
        CRect area;
        tab.GetClientRect(&area);
        tab.AdjustRect(FALSE, &area);
        for (PicturePage& page : pages) {
            page.Create(kPicturePage, &tab);
            page.MoveWindow(&area);
        }
        show(0);
        return TRUE;
    }
    void show(int index) {
        for (int i = 0; i < 2; ++i) pages[i].ShowWindow(i == index ? SW_SHOW : SW_HIDE);
    }
    CTabCtrl tab;
    PicturePage pages[2];
    bool locked = false;
};

class Painting : public ::testing::Test {
  protected:
    void SetUp() override { winResetForTests(); }
    void TearDown() override { dialog.DestroyWindow(); }
    Tabbed dialog;
};

TEST_F(Painting, PageErasesWithAPictureAndItsLabelGetsAHollowBrush) {
    ASSERT_TRUE(dialog.Create(kTabbed));
    dialog.ShowWindow(SW_SHOW);
    winPaint(dialog);
    std::vector<GdiRecord> drawn = winPaintRecords(dialog.pages[0]);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].op, GdiOp::FillRect);
    EXPECT_EQ(drawn[0].color, RGB(255, 255, 255));
    HWND label = GetDlgItem(dialog.pages[0], kLabel);
    EXPECT_EQ(winControlBrush(label), reinterpret_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH)));
    EXPECT_TRUE(winPaintRecords(dialog.pages[1]).empty());  // hidden pages are not painted
}

TEST_F(Painting, TabChoiceSwitchesPagesUnlessTheCurrentOneRefuses) {
    ASSERT_TRUE(dialog.Create(kTabbed));
    dialog.ShowWindow(SW_SHOW);
    CRect page;
    dialog.pages[0].GetWindowRect(&page);
    CRect tabRect;
    dialog.tab.GetWindowRect(&tabRect);
    EXPECT_GT(page.top, tabRect.top + 20);  // below the tab row
    EXPECT_TRUE(userSelectTab(dialog, kTab, 1));
    EXPECT_TRUE(dialog.pages[1].IsWindowVisible());
    EXPECT_FALSE(dialog.pages[0].IsWindowVisible());
    // The visible page's control is the one a person reaches by id.
    EXPECT_EQ(winFindControl(dialog, kPageEdit), GetDlgItem(dialog.pages[1], kPageEdit));
    dialog.locked = true;
    userSelectTab(dialog, kTab, 0);
    EXPECT_EQ(dialog.tab.GetCurSel(), 1);
    EXPECT_TRUE(winUserFailures().empty());
}

}  // namespace

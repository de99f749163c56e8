#include "resizer.h"

#include <gtest/gtest.h>

#include "cdialog.h"
#include "dialog_template.h"
#include "dlg_controls.h"
#include "win_driver.h"

namespace {

constexpr UINT kResizerDialog = 30501;
constexpr int kFixed = 10, kStretch = 11, kRightSide = 12, kCorner = 13, kTall = 14;

// 200 x 120 dialog units: a client area of 300 x 195 pixels.
const DialogTemplateRegistration kTemplate({kResizerDialog,
                                            "Resizer",
                                            kDialogStyle | WS_THICKFRAME,
                                            0,
                                            0,
                                            200,
                                            120,
                                            {{kFixed, WC_STATIC, 0, 0, "fixed", 4, 4, 40, 8},
                                             {kStretch, WC_EDIT, 0, 0, "", 4, 20, 120, 12},
                                             {kRightSide, WC_BUTTON, 0, 0, "...", 160, 20, 20, 12},
                                             {kCorner, WC_BUTTON, 0, 0, "OK", 140, 100, 50, 14},
                                             {kTall, WC_LISTBOX, 0, 0, "", 4, 40, 100, 50}}});

class ResizedDialog : public CDialog {
  public:
    ResizedDialog() : CDialog(kResizerDialog) {}
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        CRect r;
        GetWindowRect(&r);
        resizer.SetMinTrackSize(r.Size());
        resizer.Init(this, {{kFixed, CResizer::kTopLeft},
                            {kStretch, CResizer::kTopLeftRight},
                            {kRightSide, CResizer::kTopRight},
                            {kCorner, CResizer::kBottomRight},
                            {kTall, CResizer::kAll}});
        return TRUE;
    }
    void OnSize(UINT type, int cx, int cy) override {
        CDialog::OnSize(type, cx, cy);
        resizer.Move();
    }
    void OnGetMinMaxInfo(MINMAXINFO* info) override { resizer.OnGetMinMaxInfo(info); }
    CResizer resizer;
};

CRect placeOf(HWND dialog, int id) {
    RECT r;
    GetWindowRect(GetDlgItem(dialog, id), &r);
    ScreenToClient(dialog, reinterpret_cast<POINT*>(&r.left));
    ScreenToClient(dialog, reinterpret_cast<POINT*>(&r.right));
    return r;
}

TEST(Resizer, ControlsFollowTheSidesTheyAreAnchoredTo) {
    CRect fixed, stretch, right, corner, tall;
    winScriptNextDialog(kResizerDialog, Script()
                                            .then([&](HWND d) {
                                                fixed = placeOf(d, kFixed);
                                                stretch = placeOf(d, kStretch);
                                                right = placeOf(d, kRightSide);
                                                corner = placeOf(d, kCorner);
                                                tall = placeOf(d, kTall);
                                            })
                                            .resize(500, 400)
                                            .then([&](HWND d) {
                                                RECT w;
                                                GetWindowRect(d, &w);
                                                EXPECT_EQ(CRect(w).Width(), 500);
                                                EXPECT_EQ(placeOf(d, kFixed), fixed);
                                                CRect s = placeOf(d, kStretch);
                                                EXPECT_EQ(s.left, stretch.left);
                                                EXPECT_EQ(s.Height(), stretch.Height());
                                                const int grow = s.Width() - stretch.Width();
                                                EXPECT_GT(grow, 150);
                                                CRect r = placeOf(d, kRightSide);
                                                EXPECT_EQ(r.left, right.left + grow);
                                                EXPECT_EQ(r.Size(), right.Size());
                                                CRect c = placeOf(d, kCorner);
                                                EXPECT_EQ(c.left, corner.left + grow);
                                                EXPECT_GT(c.top, corner.top + 150);
                                                EXPECT_EQ(c.Size(), corner.Size());
                                                CRect t = placeOf(d, kTall);
                                                EXPECT_EQ(t.TopLeft(), tall.TopLeft());
                                                EXPECT_EQ(t.Width(), tall.Width() + grow);
                                                EXPECT_EQ(t.bottom - c.top,
                                                          tall.bottom - corner.top);
                                            })
                                            .close());
    ResizedDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(Resizer, TheMinimumTrackingSizeStopsTheFrameAndControlsReturnHome) {
    CRect before, frame;
    winScriptNextDialog(kResizerDialog, Script()
                                            .then([&](HWND d) {
                                                before = placeOf(d, kCorner);
                                                GetWindowRect(d, &frame);
                                            })
                                            .resize(600, 500)
                                            .resize(10, 10)
                                            .then([&](HWND d) {
                                                RECT w;
                                                GetWindowRect(d, &w);
                                                EXPECT_EQ(CRect(w).Size(), frame.Size());
                                                EXPECT_EQ(placeOf(d, kCorner), before);
                                            })
                                            .close());
    ResizedDialog dialog;
    dialog.DoModal();
}

TEST(Resizer, InitAgainTakesControlsMovedByTheDialogAndNeverInvertsAControl) {
    winScriptNextDialog(
        kResizerDialog,
        Script()
            .then([](HWND d) {
                auto* dialog = static_cast<ResizedDialog*>(CWnd::FromHandle(d));
                ASSERT_TRUE(resizeCtrl(dialog, kTall, kSideBottom, -30));
                const CRect shorter = placeOf(d, kTall);
                dialog->resizer.SetMinTrackSize(CSize(0, 0));
                EXPECT_TRUE(dialog->resizer.Init(dialog, {{kTall, CResizer::kAll}, {kCorner, 0}}));
                EXPECT_EQ(dialog->resizer.GetControlCount(), 2);
                userResize(d, 150, 100);
                const CRect t = placeOf(d, kTall);
                EXPECT_EQ(t.TopLeft(), shorter.TopLeft());
                EXPECT_GE(t.Width(), 0);
                EXPECT_EQ(t.Height(), 0);
            })
            .close());
    ResizedDialog dialog;
    dialog.DoModal();
}

TEST(Resizer, AMissingControlIsReportedAndTheOthersStillMove) {
    winScriptNextDialog(
        kResizerDialog,
        Script()
            .then([](HWND d) {
                auto* dialog = static_cast<ResizedDialog*>(CWnd::FromHandle(d));
                EXPECT_FALSE(dialog->resizer.Init(
                    dialog, {{999, CResizer::kAll}, {kRightSide, CResizer::kRight}}));
                EXPECT_EQ(dialog->resizer.GetControlCount(), 1);
                const CRect r = placeOf(d, kRightSide);
                userResize(d, 400, 300);
                EXPECT_GT(placeOf(d, kRightSide).left, r.left);
            })
            .close());
    ResizedDialog dialog;
    dialog.DoModal();
    CResizer unbound;
    EXPECT_FALSE(unbound.Init(nullptr, {{kFixed, CResizer::kAll}}));
    unbound.Move();
    unbound.OnGetMinMaxInfo(nullptr);
}

}  // namespace

#include "button_st.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "bitmap_resources.h"
#include "cdialog.h"
#include "dialog_template.h"
#include "gdi_objects.h"
#include "win_driver.h"

namespace {

constexpr UINT kButtonsDialog = 30504;
constexpr int kOpen = 1299, kClash = 1292, kPlain = 1300;
constexpr UINT kOpenIcon = 232, kClashIcon = 237, kPlateBitmap = 8134, kNoPicture = 4;

const DialogTemplateRegistration kTemplate(
    {kButtonsDialog,
     "Buttons",
     kDialogStyle,
     0,
     0,
     150,
     60,
     {{kOpen, WC_BUTTON, WS_TABSTOP, 0, "Open", 4, 4, 20, 20},
      {kClash, WC_BUTTON, WS_TABSTOP, 0, "Clash", 30, 4, 20, 20},
      {kPlain, WC_BUTTON, WS_TABSTOP, 0, "Add", 56, 4, 20, 20},
      {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON, 0, "OK", 90, 40, 50, 14}}});

BitmapImage square(int side, COLORREF colour) {
    BitmapImage image(side, side, false);
    image.fill(colour);
    return image;
}

class ButtonsDialog : public CDialog {
  public:
    ButtonsDialog() : CDialog(kButtonsDialog) {}
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        open.SubclassDlgItem(kOpen, this);
        clash.SubclassDlgItem(kClash, this);
        plain.SubclassDlgItem(kPlain, this);
        iconShown = open.SetIcon(kOpenIcon);
        open.SetTooltipText("Open a template");
        clash.SetBitmaps(kPlateBitmap);
        clash.SetCheckStyle(true);
        missingShown = plain.SetIcon(kNoPicture);
        return TRUE;
    }
    CButtonST open, clash, plain;
    bool iconShown = false, missingShown = true;
};

bool painted(HWND button, GdiOp op) {
    winPaint(button);
    const auto& records = winPaintRecords(button);
    return std::any_of(records.begin(), records.end(),
                       [op](const GdiRecord& r) { return r.op == op; });
}

class ButtonST : public ::testing::Test {
  protected:
    void SetUp() override {
        resourceAddIcon(kOpenIcon, square(16, RGB(0, 0, 200)));
        resourceAddIcon(kClashIcon, square(16, RGB(200, 0, 0)));
        resourceAddBitmap(kPlateBitmap, square(12, RGB(0, 120, 0)));
    }
};

TEST_F(ButtonST, AnIconButtonShowsItsPictureAndTooltipAndAMissingPictureKeepsTheText) {
    winScriptNextDialog(
        kButtonsDialog,
        Script()
            .then([](HWND d) {
                HWND open = GetDlgItem(d, kOpen);
                EXPECT_NE(
                    gdiIcon(reinterpret_cast<HICON>(SendMessage(open, BM_GETIMAGE, IMAGE_ICON))),
                    nullptr);
                EXPECT_TRUE(painted(open, GdiOp::Icon));
                EXPECT_FALSE(painted(open, GdiOp::Text));
                EXPECT_EQ(winToolTipOf(open), "Open a template");
                HWND plain = GetDlgItem(d, kPlain);
                EXPECT_TRUE(painted(plain, GdiOp::Text));
                EXPECT_EQ(SendMessage(plain, BM_GETIMAGE, IMAGE_ICON), 0);
            })
            .click(kOpen)
            .click(IDOK));
    ButtonsDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.iconShown);
    EXPECT_FALSE(dialog.missingShown);
}

TEST_F(ButtonST, ACheckStyleButtonTogglesOnEachClickAndLooksPressedWhileChecked) {
    winScriptNextDialog(
        kButtonsDialog,
        Script()
            .click(kClash)
            .then([](HWND d) {
                auto* dialog = static_cast<ButtonsDialog*>(CWnd::FromHandle(d));
                EXPECT_TRUE(dialog->clash.IsCheckStyle());
                EXPECT_EQ(dialog->clash.GetCheck(), BST_CHECKED);
                EXPECT_TRUE(painted(GetDlgItem(d, kClash), GdiOp::Blit));
                EXPECT_FALSE(dialog->open.IsCheckStyle());
            })
            .click(kClash)
            .then([](HWND d) { EXPECT_EQ(IsDlgButtonChecked(d, kClash), BST_UNCHECKED); })
            .click(IDOK));
    ButtonsDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST_F(ButtonST, PicturesAreFreedWhenReplacedAndWhenTheButtonGoes) {
    const int before = gdiLiveObjectCount();
    winScriptNextDialog(kButtonsDialog,
                        Script()
                            .then([](HWND d) {
                                auto* dialog = static_cast<ButtonsDialog*>(CWnd::FromHandle(d));
                                const int now = gdiLiveObjectCount();
                                EXPECT_TRUE(dialog->open.SetIcon(kClashIcon));
                                EXPECT_TRUE(dialog->open.SetBitmaps(kPlateBitmap));
                                EXPECT_EQ(gdiLiveObjectCount(), now);
                                EXPECT_TRUE(dialog->open.SetTooltipText(""));
                                EXPECT_TRUE(dialog->open.GetTooltipText().isEmpty());
                            })
                            .click(IDOK));
    {
        ButtonsDialog dialog;
        dialog.DoModal();
    }
    EXPECT_EQ(gdiLiveObjectCount(), before);
    CButtonST unbound;
    EXPECT_FALSE(unbound.SetIcon(kOpenIcon));
    EXPECT_FALSE(unbound.SetTooltipText("x"));
    EXPECT_EQ(gdiLiveObjectCount(), before);
}

}  // namespace

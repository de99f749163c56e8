// More window-system features the dialogs use: edits, tab controls, focus and Tab order,
// tooltips, the CWnd helpers, and the timers of a modeless dialog.
#include <gtest/gtest.h>

#include <string>

#include "shown_dialog_test.h"
#include "win_driver.h"

namespace {

constexpr UINT kForm = 9371;
enum : int { kFirstEdit = 10, kSkipped, kSecondEdit, kTabs, kLow, kHigh, kNumber };

const DialogTemplateRegistration kTemplate(
    {kForm,
     "Form",
     kDialogStyle,
     0,
     0,
     300,
     200,
     {
         {kFirstEdit, WC_EDIT, ES_AUTOHSCROLL | WS_TABSTOP, 0, "first", 7, 7, 80, 14},
         {kSkipped, WC_STATIC, SS_LEFT, 0, "no tab stop", 7, 25, 80, 10},
         {kSecondEdit, WC_EDIT, ES_AUTOHSCROLL | WS_TABSTOP, 0, "", 7, 40, 80, 14},
         {kTabs, WC_TABCONTROL, WS_TABSTOP, 0, "", 100, 7, 180, 100},
         {kLow, WC_BUTTON, BS_AUTORADIOBUTTON | WS_GROUP, 0, "Low", 7, 120, 50, 10},
         {kHigh, WC_BUTTON, BS_AUTORADIOBUTTON, 0, "High", 60, 120, 50, 10},
         {kNumber, WC_EDIT, ES_AUTOHSCROLL | WS_GROUP | WS_TABSTOP, 0, "", 7, 140, 50, 14},
     }});

class Form : public CDialog {
  public:
    Form() : CDialog(kForm) {}
    void OnTimer(UINT_PTR id) override {
        ticks += static_cast<int>(id);
        if (ticks >= 3) KillTimer(id);
    }
    int ticks = 0;
};

class Features : public ShownDialog<Form> {
  protected:
    Form& form = dialog;
};

TEST_F(Features, TabKeyWalksTheTabStopsBothWays) {
    EXPECT_EQ(GetFocus(), GetDlgItem(form, kFirstEdit));
    userKey(form, VK_TAB);
    EXPECT_EQ(GetFocus(), GetDlgItem(form, kSecondEdit));
    userKey(form, VK_TAB, MK_SHIFT);
    EXPECT_EQ(GetFocus(), GetDlgItem(form, kFirstEdit));
    EXPECT_EQ(form.GetNextDlgTabItem(form.GetDlgItem(kSecondEdit))->GetDlgCtrlID(), kTabs);
}

TEST_F(Features, EditSelectionReplacementLimitAndModifiedFlag) {
    CEdit edit;
    edit.SubclassDlgItem(kFirstEdit, &form);
    edit.SetSel(0, 2);
    int start = 0, end = 0;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 2);
    edit.ReplaceSel("th");
    EXPECT_EQ(winGetText(edit), "thrst");
    edit.SetLimitText(6);
    EXPECT_TRUE(userType(form, kFirstEdit, "abcdefgh"));  // a person types up to the limit
    EXPECT_EQ(winGetText(edit), "abcdef");
    EXPECT_TRUE(edit.GetModify());
    edit.SetModify(FALSE);
    EXPECT_FALSE(edit.GetModify());
    EXPECT_EQ(edit.GetLineCount(), 1);
    edit.SetReadOnly();
    EXPECT_TRUE(edit.GetStyle() & ES_READONLY);
    edit.UnsubclassWindow();
}

TEST_F(Features, TabControlItemsSelectionAndPageArea) {
    CTabCtrl tabs;
    tabs.SubclassDlgItem(kTabs, &form);
    tabs.InsertItem(0, "Picture");
    tabs.InsertItem(1, "Values");
    tabs.InsertItem(2, "Notes");
    EXPECT_EQ(tabs.GetItemCount(), 3);
    EXPECT_EQ(tabs.SetCurSel(2), 0);
    EXPECT_EQ(tabs.GetCurSel(), 2);
    char buffer[32] = {};
    TCITEM item;
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    ASSERT_TRUE(tabs.GetItem(1, &item));
    EXPECT_STREQ(buffer, "Values");
    EXPECT_TRUE(tabs.DeleteItem(0));
    EXPECT_EQ(tabs.GetItemCount(), 2);
    CRect area;
    tabs.GetClientRect(&area);
    CRect page = area;
    tabs.AdjustRect(FALSE, &page);
    EXPECT_GT(page.top, area.top);
    EXPECT_LE(page.bottom, area.bottom);
    tabs.UnsubclassWindow();
}

TEST_F(Features, HelpersOnDialogItems) {
    form.SetDlgItemInt(kNumber, static_cast<UINT>(-42));
    BOOL ok = FALSE;
    EXPECT_EQ(static_cast<int>(form.GetDlgItemInt(kNumber, &ok)), -42);
    EXPECT_TRUE(ok);
    form.SetDlgItemText(kNumber, "x");
    form.GetDlgItemInt(kNumber, &ok);
    EXPECT_FALSE(ok);
    form.CheckRadioButton(kLow, kHigh, kHigh);
    EXPECT_EQ(form.GetCheckedRadioButton(kLow, kHigh), kHigh);
    CWnd* number = form.GetDlgItem(kNumber);
    number->ModifyStyle(0, WS_DISABLED);
    EXPECT_FALSE(number->IsWindowEnabled());
    number->MoveWindow(10, 20, 30, 40);
    CRect r;
    number->GetWindowRect(&r);
    form.ScreenToClient(&r);
    EXPECT_EQ(r, CRect(10, 20, 40, 60));
    POINT p{0, 0};
    number->MapWindowPoints(&form, &p, 1);
    EXPECT_EQ(p.x, 10);
    EXPECT_EQ(number->GetTopLevelParent(), &form);

    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&form));
    EXPECT_TRUE(tips.AddTool(number, "A whole number"));
    EXPECT_EQ(winToolTipOf(number->GetSafeHwnd()), "A whole number");
    tips.DelTool(number);
    EXPECT_EQ(winToolTipOf(number->GetSafeHwnd()), "");
}

TEST_F(Features, AModelessDialogsTimerFiresOnTheClockUntilKilled) {
    ASSERT_EQ(form.SetTimer(1, 50, nullptr), 1u);
    winAdvanceClock(49);
    EXPECT_EQ(form.ticks, 0);
    winAdvanceClock(1);
    EXPECT_EQ(form.ticks, 1);
    winAdvanceClock(500);
    EXPECT_EQ(form.ticks, 3);  // killed itself at the third tick
    EXPECT_EQ(winActiveTimerCount(), 0);
}

}  // namespace

#include "user_actions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shown_dialog_test.h"
#include "win_driver.h"

namespace {

constexpr UINT kOptions = 9101;
enum : int { kSteel = 200, kWood, kConcrete, kPainted, kFinish, kMaterial, kEdit, kNote, kList };

const DialogTemplateRegistration kOptionsTemplate(
    {kOptions,
     "Options",
     kDialogStyle,
     0,
     0,
     220,
     140,
     {
         {kSteel, WC_BUTTON, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, "Steel", 10, 10, 60,
          10},
         {kWood, WC_BUTTON, BS_AUTORADIOBUTTON, 0, "Wood", 10, 22, 60, 10},
         {kConcrete, WC_BUTTON, BS_AUTORADIOBUTTON, 0, "Concrete", 10, 34, 60, 10},
         {kPainted, WC_BUTTON, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, "Painted", 80, 10, 60,
          10},
         {kFinish, WC_BUTTON, BS_AUTO3STATE | WS_TABSTOP, 0, "Finish", 80, 22, 60, 10},
         {kMaterial, WC_COMBOBOX, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_TABSTOP, 0, "", 10, 50, 100,
          60},
         {kEdit, WC_EDIT, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, "", 10, 70, 100, 12},
         {kNote, WC_EDIT, ES_READONLY | ES_MULTILINE, 0, "note", 10, 85, 100, 12},
         {kList, WC_LISTBOX, LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP, 0, "", 120, 50, 90, 60},
         {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 110, 120, 50, 14},
         {IDCANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Cancel", 165, 120, 50, 14},
     }});

// A modeless dialog that logs the notifications it gets.
class Options : public CDialog {
  public:
    Options() : CDialog(kOptions) {
        onCommand(kMaterial, CBN_SELCHANGE, [this] { log.push_back("selchange"); });
        onCommand(kEdit, EN_KILLFOCUS, [this] { log.push_back("killfocus " + text(kEdit)); });
        onCommand(kList, LBN_SELCHANGE, [this] { log.push_back("list"); });
    }
    BOOL OnInitDialog() override {
        for (const char* m : {"S235", "S355", "s355"})
            SendDlgItemMessage(kMaterial, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(m));
        for (const char* m : {"one", "two"})
            SendDlgItemMessage(kList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(m));
        return TRUE;
    }
    std::string text(int id) const {
        std::string t;
        GetDlgItemText(id, t);
        return t;
    }
    std::vector<std::string> log;
};

class UserActions : public ShownDialog<Options> {
  protected:
    UINT check(int id) { return dialog.IsDlgButtonChecked(id); }
};

TEST_F(UserActions, RadioButtonsOfOneGroupExcludeEachOtherOnly) {
    userClick(dialog, kPainted);
    userClick(dialog, kWood);
    EXPECT_EQ(check(kWood), BST_CHECKED);
    userClick(dialog, kConcrete);
    EXPECT_EQ(check(kWood), BST_UNCHECKED);
    EXPECT_EQ(check(kConcrete), BST_CHECKED);
    EXPECT_EQ(check(kPainted), BST_CHECKED);  // another group
    dialog.CheckRadioButton(kSteel, kConcrete, kSteel);
    EXPECT_EQ(dialog.GetCheckedRadioButton(kSteel, kConcrete), kSteel);
}

TEST_F(UserActions, ThreeStateBoxCyclesThroughIndeterminate) {
    std::vector<UINT> seen;
    for (int i = 0; i < 4; ++i) {
        userClick(dialog, kFinish);
        seen.push_back(check(kFinish));
    }
    EXPECT_EQ(seen,
              (std::vector<UINT>{BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED, BST_CHECKED}));
    dialog.CheckDlgButton(kFinish, BST_INDETERMINATE);
    EXPECT_EQ(check(kFinish), BST_INDETERMINATE);
}

TEST_F(UserActions, ComboChoiceNeedsTheExactTextButCodeSearchIgnoresCase) {
    winExpectUserFailures();
    EXPECT_TRUE(userChoose(dialog, kMaterial, "s355"));
    EXPECT_EQ(dialog.SendDlgItemMessage(kMaterial, CB_GETCURSEL), 2);
    EXPECT_EQ(dialog.text(kMaterial), "s355");
    EXPECT_FALSE(userChoose(dialog, kMaterial, "S 355"));
    EXPECT_EQ(dialog.SendDlgItemMessage(kMaterial, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                        reinterpret_cast<LPARAM>("S355")),
              1);
    EXPECT_EQ(dialog.log, std::vector<std::string>{"selchange"});
    // Selecting by code sends no notification.
    dialog.SendDlgItemMessage(kMaterial, CB_SETCURSEL, 0);
    EXPECT_EQ(dialog.text(kMaterial), "S235");
    EXPECT_EQ(dialog.log.size(), 1u);
}

TEST_F(UserActions, LeavingAnEditReportsItsTextAndReadOnlyRefusesTyping) {
    winExpectUserFailures();
    userType(dialog, kEdit, "12.5");
    userLeave(dialog, kEdit);
    EXPECT_EQ(dialog.log, std::vector<std::string>{"killfocus 12.5"});
    EXPECT_FALSE(userType(dialog, kNote, "x"));
    EXPECT_EQ(dialog.text(kNote), "note");
    EXPECT_EQ(winUserFailures().back(), "control 207 is read-only");
}

TEST_F(UserActions, DisabledOrHiddenControlsCannotBeUsed) {
    winExpectUserFailures();
    dialog.GetDlgItem(kWood)->EnableWindow(FALSE);
    dialog.GetDlgItem(kConcrete)->ShowWindow(SW_HIDE);
    EXPECT_FALSE(userClick(dialog, kWood));
    EXPECT_FALSE(userClick(dialog, kConcrete));
    EXPECT_EQ(check(kWood), BST_UNCHECKED);
    EXPECT_EQ(winUserFailures(),
              (std::vector<std::string>{"control 201 is disabled", "control 202 is hidden"}));
}

TEST_F(UserActions, ListBoxChoiceNotifiesWithLbsNotify) {
    EXPECT_TRUE(userChoose(dialog, kList, "two"));
    EXPECT_EQ(dialog.SendDlgItemMessage(kList, LB_GETCURSEL), 1);
    EXPECT_EQ(dialog.log, std::vector<std::string>{"list"});
}

TEST_F(UserActions, TabOrderSkipsHiddenDisabledAndNonStops) {
    dialog.GetDlgItem(kPainted)->EnableWindow(FALSE);
    HWND steel = GetDlgItem(dialog, kSteel);
    EXPECT_EQ(GetNextDlgTabItem(dialog, steel, FALSE), GetDlgItem(dialog, kFinish));
    EXPECT_EQ(GetNextDlgTabItem(dialog, steel, TRUE), GetDlgItem(dialog, IDCANCEL));
}

}  // namespace

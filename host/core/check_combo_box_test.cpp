#include "check_combo_box.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "cdialog.h"
#include "dialog_template.h"
#include "win_driver.h"

namespace {

constexpr UINT kGroupsDialog = 30503;
constexpr int kGroups = 1001;

const DialogTemplateRegistration kTemplate(
    {kGroupsDialog,
     "Groups",
     kDialogStyle,
     0,
     0,
     150,
     60,
     {{kGroups, WC_COMBOBOX, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, "", 4, 4, 140, 80},
      {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON, 0, "OK", 90, 40, 50, 14}}});

class GroupsDialog : public CDialog {
  public:
    GroupsDialog() : CDialog(kGroupsDialog) {}
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        groups.SubclassDlgItem(kGroups, this);
        groups.AddString("Standard", true);
        groups.AddString("Holes");
        groups.AddString("Marks", true);
        groups.SetCurSel(0);
        return TRUE;
    }
    CCheckComboBox groups;
};

int linesPainted(HWND combo) {
    winPaint(combo);
    const auto& records = winPaintRecords(combo);
    return static_cast<int>(std::count_if(records.begin(), records.end(),
                                          [](const GdiRecord& r) { return r.op == GdiOp::Line; }));
}

TEST(CheckComboBox, ChecksStayWithTheirItemsAndChoosingLeavesThemAlone) {
    winScriptNextDialog(
        kGroupsDialog,
        Script()
            .choose(kGroups, "Holes")
            .then([](HWND d) {
                auto* dialog = static_cast<GroupsDialog*>(CWnd::FromHandle(d));
                CCheckComboBox& g = dialog->groups;
                EXPECT_EQ(g.GetCurSel(), 1);
                EXPECT_FALSE(g.GetCheck(1));
                EXPECT_EQ(g.GetCheckedTexts(), Ktx_StringArray({"Standard", "Marks"}));
                g.InsertString(0, "Bolts");  // a new item comes unchecked
                EXPECT_FALSE(g.GetCheck(0));
                EXPECT_TRUE(g.GetCheck(1));
                EXPECT_TRUE(g.GetCheck(3));
                g.DeleteString(1);
                EXPECT_EQ(g.GetCheckedTexts(), Ktx_StringArray({"Marks"}));
                EXPECT_TRUE(g.ToggleCheck(0));
                EXPECT_EQ(g.GetCheckedCount(), 2);
                g.CheckAll(false);
                EXPECT_EQ(g.GetCheckedCount(), 0);
                EXPECT_FALSE(g.SetCheck(3, true));
                EXPECT_FALSE(g.SetCheck(-1, true));
                EXPECT_FALSE(g.GetCheck(7));
            })
            .click(IDOK));
    GroupsDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST(CheckComboBox, TheClosedBoxShowsTheSelectedItemsCheckAndText) {
    winScriptNextDialog(
        kGroupsDialog,
        Script()
            .then([](HWND d) {
                HWND combo = GetDlgItem(d, kGroups);
                EXPECT_EQ(linesPainted(combo), 2);  // the check mark's two strokes
                const auto& records = winPaintRecords(combo);
                EXPECT_TRUE(std::any_of(records.begin(), records.end(), [](const GdiRecord& r) {
                    return r.op == GdiOp::Text && r.text == "Standard";
                }));
            })
            .choose(kGroups, "Holes")
            .then([](HWND d) { EXPECT_EQ(linesPainted(GetDlgItem(d, kGroups)), 0); })
            .click(IDOK));
    GroupsDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

}  // namespace

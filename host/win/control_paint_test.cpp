// Built-in controls paint themselves into the recording context: a dialog with one control
// of each kind is painted and each control's records are checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "shown_dialog_test.h"
#include "win_driver.h"

namespace {

constexpr UINT kAllControls = 9351;
enum : int { kPush = 10, kCheck, kRadio, kGroup, kLabel, kEdit, kList, kCombo, kTab, kView };

const DialogTemplateRegistration kTemplate(
    {kAllControls,
     "All",
     kDialogStyle,
     0,
     0,
     300,
     220,
     {
         {kPush, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 7, 7, 50, 14},
         {kCheck, WC_BUTTON, BS_AUTOCHECKBOX | WS_TABSTOP, 0, "Auto", 7, 25, 60, 10},
         {kRadio, WC_BUTTON, BS_AUTORADIOBUTTON | WS_TABSTOP, 0, "A1", 7, 40, 60, 10},
         {kGroup, WC_BUTTON, BS_GROUPBOX, 0, "Style", 80, 7, 80, 40},
         {kLabel, WC_STATIC, SS_LEFT, 0, "Name:", 7, 55, 60, 10},
         {kEdit, WC_EDIT, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 0, "IPE 200", 7, 68, 80, 14},
         {kList, WC_LISTBOX, LBS_NOTIFY | WS_BORDER, 0, "", 7, 90, 80, 50},
         {kCombo, WC_COMBOBOX, CBS_DROPDOWNLIST | WS_TABSTOP, 0, "", 100, 68, 80, 60},
         {kTab, WC_TABCONTROL, 0, 0, "", 100, 90, 120, 50},
         {kView, WC_LISTVIEW, LVS_REPORT | WS_BORDER, 0, "", 100, 150, 150, 50},
     }});

class AllControls : public CDialog {
  public:
    AllControls() : CDialog(kAllControls) {}
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        CheckDlgButton(kCheck, BST_CHECKED);
        CheckDlgButton(kRadio, BST_CHECKED);
        for (const char* s : {"HEA", "IPE"}) {
            SendDlgItemMessage(kList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
            SendDlgItemMessage(kCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        }
        SendDlgItemMessage(kList, LB_SETCURSEL, 1);
        SendDlgItemMessage(kCombo, CB_SETCURSEL, 0);
        tab.SubclassDlgItem(kTab, this);
        tab.InsertItem(0, "Picture");
        tab.InsertItem(1, "Values");
        view.SubclassDlgItem(kView, this);
        view.InsertColumn(0, "Name");
        view.InsertItem(0, "Plate");
        view.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
        GotoDlgCtrl(GetDlgItem(kEdit));
        SendDlgItemMessage(kEdit, EM_SETSEL, 0, 3);  // "IPE" of "IPE 200"
        return FALSE;
    }
    CTabCtrl tab;
    CListCtrl view;
};

bool hasText(const std::vector<GdiRecord>& records, const std::string& text) {
    return std::any_of(records.begin(), records.end(),
                       [&](const GdiRecord& r) { return r.op == GdiOp::Text && r.text == text; });
}
int count(const std::vector<GdiRecord>& records, GdiOp op) {
    return static_cast<int>(std::count_if(records.begin(), records.end(),
                                          [&](const GdiRecord& r) { return r.op == op; }));
}
// A copy: the records given are often a temporary.
std::optional<GdiRecord> textRecord(const std::vector<GdiRecord>& records,
                                    const std::string& text) {
    for (const GdiRecord& r : records) {
        if (r.op == GdiOp::Text && r.text == text) return r;
    }
    return std::nullopt;
}

class ControlPaint : public ShownDialog<AllControls> {
  protected:
    void SetUp() override {
        ShownDialog::SetUp();
        winPaint(dialog);
    }
    std::vector<GdiRecord> of(int id) { return winPaintRecords(GetDlgItem(dialog, id)); }
};

TEST_F(ControlPaint, ButtonsDrawFaceTextAndTheirMarks) {
    const auto push = of(kPush);
    ASSERT_FALSE(push.empty());
    EXPECT_EQ(push[0].op, GdiOp::FillRect);
    EXPECT_EQ(push[0].color, GetSysColor(COLOR_BTNFACE));
    EXPECT_TRUE(hasText(push, "OK"));
    EXPECT_EQ(count(push, GdiOp::FocusRect), 0);   // the focus is on the edit
    EXPECT_GE(count(of(kCheck), GdiOp::Line), 2);  // the check mark
    EXPECT_TRUE(hasText(of(kCheck), "Auto"));
    EXPECT_TRUE(hasText(of(kRadio), "A1"));
    EXPECT_GE(count(of(kRadio), GdiOp::FillRect), 2);  // the box and its dot
    EXPECT_TRUE(hasText(of(kGroup), "Style"));
    CheckDlgButton(dialog, kCheck, BST_UNCHECKED);
    winPaint(dialog);
    EXPECT_EQ(count(of(kCheck), GdiOp::Line), 0);
}

TEST_F(ControlPaint, TextCarriesTheDialogFontAndColours) {
    const std::optional<GdiRecord> label = textRecord(of(kLabel), "Name:");
    ASSERT_TRUE(label.has_value());
    EXPECT_EQ(label->font, reinterpret_cast<HFONT>(dialog.SendMessage(WM_GETFONT)));
    EXPECT_NE(label->font, nullptr);
    EXPECT_EQ(label->textColor, GetSysColor(COLOR_WINDOWTEXT));
    dialog.GetDlgItem(kLabel)->EnableWindow(FALSE);
    winPaint(dialog);
    EXPECT_EQ(textRecord(of(kLabel), "Name:")->textColor, GetSysColor(COLOR_GRAYTEXT));
}

TEST_F(ControlPaint, FocusedEditShowsItsTextWithTheSelectionInverted) {
    const auto edit = of(kEdit);
    EXPECT_TRUE(hasText(edit, "IPE 200"));
    EXPECT_EQ(count(edit, GdiOp::InvertRect), 1);
}

TEST_F(ControlPaint, ListsShowTheirItemsAndTheSelection) {
    const auto list = of(kList);
    EXPECT_TRUE(hasText(list, "HEA"));
    const std::optional<GdiRecord> chosen = textRecord(list, "IPE");
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->textColor, GetSysColor(COLOR_HIGHLIGHTTEXT));
    EXPECT_EQ(textRecord(list, "HEA")->textColor, GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_TRUE(hasText(of(kCombo), "HEA"));
    EXPECT_FALSE(hasText(of(kCombo), "IPE"));  // closed: only the chosen item
    EXPECT_TRUE(hasText(of(kTab), "Picture"));
    EXPECT_TRUE(hasText(of(kTab), "Values"));
    EXPECT_TRUE(hasText(of(kView), "Name"));
    EXPECT_EQ(textRecord(of(kView), "Plate")->textColor, GetSysColor(COLOR_HIGHLIGHTTEXT));
}

}  // namespace

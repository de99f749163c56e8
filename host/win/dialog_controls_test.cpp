// The window-system features the module's dialogs use: data exchange both ways, list and
// combo boxes, list views, menus and file choosers.
#include <gtest/gtest.h>

#include <string>

#include "shown_dialog_test.h"
#include "win_driver.h"

namespace {

constexpr UINT kExchange = 9361;
enum : int { kName = 10, kCount, kLength, kFlag, kFirst, kSecond, kKinds, kKindText, kRows };

const DialogTemplateRegistration kTemplate(
    {kExchange,
     "Exchange",
     kDialogStyle,
     0,
     0,
     300,
     200,
     {
         {kName, WC_EDIT, ES_AUTOHSCROLL | WS_TABSTOP, 0, "", 7, 7, 80, 14},
         {kCount, WC_EDIT, ES_AUTOHSCROLL | WS_TABSTOP, 0, "", 7, 25, 80, 14},
         {kLength, WC_EDIT, ES_AUTOHSCROLL | WS_TABSTOP, 0, "", 7, 43, 80, 14},
         {kFlag, WC_BUTTON, BS_AUTOCHECKBOX | WS_TABSTOP, 0, "Flag", 7, 61, 80, 10},
         {kFirst, WC_BUTTON, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, "First", 7, 75, 60, 10},
         {kSecond, WC_BUTTON, BS_AUTORADIOBUTTON, 0, "Second", 70, 75, 60, 10},
         {kKinds, WC_COMBOBOX, CBS_DROPDOWNLIST | WS_GROUP | WS_TABSTOP, 0, "", 100, 7, 80, 60},
         {kKindText, WC_COMBOBOX, CBS_DROPDOWN | WS_TABSTOP, 0, "", 100, 25, 80, 60},
         {kRows, WC_LISTBOX, LBS_NOTIFY | WS_TABSTOP, 0, "", 100, 43, 80, 60},
         {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 240, 180, 50, 14},
     }});

class ExchangeDialog : public CDialog {
  public:
    ExchangeDialog() : CDialog(kExchange) {}
    BOOL OnInitDialog() override {
        for (const char* s : {"Plate", "Bolt", "Weld"}) {
            SendDlgItemMessage(kKinds, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
            SendDlgItemMessage(kKindText, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
            SendDlgItemMessage(kRows, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        }
        return CDialog::OnInitDialog();  // loads the members (UpdateData(FALSE))
    }
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, kRows, rows);
        DDX_Text(dx, kName, name);
        DDX_Text(dx, kCount, count);
        DDX_Text(dx, kLength, length);
        DDX_Check(dx, kFlag, flag);
        DDX_Radio(dx, kFirst, choice);
        DDX_CBIndex(dx, kKinds, kind);
        DDX_CBString(dx, kKindText, kindText);
        DDX_LBIndex(dx, kRows, row);
    }
    std::string name = "IPE";
    int count = 3;
    double length = 2.5;
    int flag = 1;
    int choice = 1;
    int kind = 2;
    std::string kindText = "Bolt";
    int row = 0;
    CListBox rows;
};

class ListAndComboBoxes : public HostWindow {};
class ListViews : public HostWindow {};

TEST(DataExchange, MembersGoIntoTheControlsAndComeBackOnOk) {
    winScriptNextDialog(kExchange,
                        Script()
                            .then([](HWND d) {
                                EXPECT_EQ(winGetText(GetDlgItem(d, kName)), "IPE");
                                EXPECT_EQ(winGetText(GetDlgItem(d, kCount)), "3");
                                EXPECT_EQ(winGetText(GetDlgItem(d, kLength)), "2.5");
                                EXPECT_EQ(IsDlgButtonChecked(d, kFlag), BST_CHECKED);
                                EXPECT_EQ(IsDlgButtonChecked(d, kSecond), BST_CHECKED);
                                EXPECT_EQ(SendDlgItemMessage(d, kKinds, CB_GETCURSEL, 0, 0), 2);
                                EXPECT_EQ(winGetText(GetDlgItem(d, kKindText)), "Bolt");
                            })
                            .type(kName, "HEA")
                            .type(kCount, "12")
                            .type(kLength, "0.75")
                            .click(kFlag)
                            .click(kFirst)
                            .choose(kKinds, "Bolt")
                            .type(kKindText, "Anchor")
                            .choose(kRows, "Weld")
                            .click(IDOK));
    ExchangeDialog d;
    EXPECT_EQ(d.DoModal(), IDOK);
    EXPECT_EQ(d.name, "HEA");
    EXPECT_EQ(d.count, 12);
    EXPECT_DOUBLE_EQ(d.length, 0.75);
    EXPECT_EQ(d.flag, 0);
    EXPECT_EQ(d.choice, 0);
    EXPECT_EQ(d.kind, 1);  // Plate, Bolt, Weld
    EXPECT_EQ(d.kindText, "Anchor");
    EXPECT_EQ(d.row, 2);
}

TEST(DataExchange, ANumberFieldThatIsNoNumberStopsOkAndKeepsTheMember) {
    winScriptNextDialog(kExchange, Script()
                                       .type(kCount, "twelve")
                                       .click(IDOK)
                                       .answer(IDOK)
                                       .then([](HWND d) {
                                           EXPECT_EQ(GetFocus(), GetDlgItem(d, kCount));
                                           EXPECT_TRUE(IsWindowVisible(d));
                                       })
                                       .type(kCount, "7")
                                       .click(IDOK));
    ExchangeDialog d;
    EXPECT_EQ(d.DoModal(), IDOK);
    EXPECT_EQ(d.count, 7);
    ASSERT_EQ(winMessageBoxes().size(), 1u);
}

TEST_F(ListAndComboBoxes, ItemsAreFoundSelectedAndCarryData) {
    CListBox list;
    ASSERT_TRUE(
        list.Create(LBS_SORT | LBS_MULTIPLESEL | WS_CHILD, CRect(0, 0, 100, 100), &host, 1));
    for (const char* s : {"Weld", "Bolt", "Plate"}) list.AddString(s);
    EXPECT_EQ(list.InsertString(0, "Anchor"), 0);
    EXPECT_EQ(list.FindStringExact(-1, "PLATE"), 2);  // sorted: Anchor, Bolt, Plate, Weld
    EXPECT_EQ(list.FindString(-1, "We"), 3);
    EXPECT_EQ(list.FindStringExact(-1, "Beam"), LB_ERR);
    list.SetSel(1);
    list.SetSel(3);
    EXPECT_EQ(list.GetSelCount(), 2);
    int selected[4] = {};
    EXPECT_EQ(list.GetSelItems(4, selected), 2);
    EXPECT_EQ(selected[1], 3);
    list.SetItemData(2, 42);
    EXPECT_EQ(list.GetItemData(2), 42u);
    std::string text;
    list.GetText(3, text);
    EXPECT_EQ(text, "Weld");
    EXPECT_EQ(list.GetTextLen(3), 4);
    EXPECT_EQ(list.DeleteString(9), LB_ERR);
    EXPECT_EQ(list.DeleteString(0), 3);

    CComboBox combo;
    ASSERT_TRUE(combo.Create(CBS_DROPDOWN | WS_CHILD, CRect(0, 0, 100, 100), &host, 2));
    combo.AddString("Plate");
    combo.AddString("Bolt");
    EXPECT_EQ(combo.SelectString(-1, "Bo"), 1);
    EXPECT_EQ(combo.GetCurSel(), 1);
    std::string item;
    combo.GetLBText(0, item);
    EXPECT_EQ(item, "Plate");
    EXPECT_EQ(combo.GetLBTextLen(1), 4);
    combo.SetItemData(0, 7);
    EXPECT_EQ(combo.GetItemData(0), 7u);
    combo.ShowDropDown();
    EXPECT_TRUE(combo.GetDroppedState());
    combo.ShowDropDown(FALSE);
    EXPECT_FALSE(combo.GetDroppedState());
    EXPECT_EQ(combo.SetCurSel(5), CB_ERR);
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
}

TEST_F(ListViews, RowsWithColumnsStatesAndData) {
    CListCtrl view;
    ASSERT_TRUE(view.Create(LVS_REPORT | WS_CHILD, CRect(0, 0, 200, 100), &host, 3));
    view.InsertColumn(0, "Name");
    view.InsertColumn(1, "Size");
    EXPECT_EQ(view.InsertItem(0, "Plate"), 0);
    EXPECT_EQ(view.InsertItem(1, "Bolt", 2), 1);
    EXPECT_EQ(view.InsertItem(0, "Anchor"), 0);
    EXPECT_TRUE(view.SetItemText(1, 1, "10 x 200"));
    EXPECT_EQ(view.GetItemText(1, 0), "Plate");
    EXPECT_EQ(view.GetItemText(1, 1), "10 x 200");
    EXPECT_TRUE(view.SetItemData(2, 99));
    EXPECT_EQ(view.GetItemData(2), 99u);
    view.SetItemState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(view.GetSelectedCount(), 1u);
    EXPECT_EQ(view.GetNextItem(-1, LVNI_SELECTED), 2);
    EXPECT_EQ(view.GetItemState(2, LVIS_FOCUSED), LVIS_FOCUSED);
    EXPECT_TRUE(view.DeleteItem(0));
    EXPECT_EQ(view.GetNextItem(-1, LVNI_SELECTED), 1);
    EXPECT_FALSE(view.DeleteItem(5));
    EXPECT_TRUE(view.DeleteAllItems());
    EXPECT_EQ(view.GetItemCount(), 0);
}

TEST(Menus, ItemsChecksAndChoicesByTextOrId) {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 101, "Insert row");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING | MF_GRAYED, 102, "Delete row");
    menu.InsertMenu(0, MF_BYPOSITION | MF_STRING, 100, "Copy");
    EXPECT_EQ(menu.GetMenuItemCount(), 4);
    EXPECT_EQ(menu.GetMenuItemID(1), 101u);
    EXPECT_EQ(menu.CheckMenuItem(101, MF_CHECKED), MF_UNCHECKED);
    EXPECT_EQ(menu.GetMenuState(101, MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);
    std::string text;
    menu.GetMenuString(2, text, MF_BYPOSITION);
    EXPECT_EQ(text, "");  // the separator
    menu.ModifyMenu(100, MF_BYCOMMAND | MF_STRING, 100, "Copy cells");
    menu.GetMenuString(100, text, MF_BYCOMMAND);
    EXPECT_EQ(text, "Copy cells");

    CWnd owner;
    owner.CreateEx(0, WC_DIALOG, "Owner", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0);
    winQueueMenuChoice("Insert row");
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 10, 20, &owner), 101);
    ASSERT_EQ(winPopupMenus().size(), 1u);
    EXPECT_EQ(winPopupMenus()[0].at.x, 10);
    EXPECT_EQ(winPopupMenus()[0].items.size(), 4u);
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, &owner), 0);  // nothing queued

    winExpectUserFailures();
    menu.EnableMenuItem(102, MF_GRAYED);
    winQueueMenuChoice(102u);
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, &owner), 0);  // grey: refused
    EXPECT_EQ(winUserFailures().size(), 1u);
    EXPECT_TRUE(menu.DeleteMenu(0, MF_BYPOSITION));
    EXPECT_EQ(menu.GetMenuItemCount(), 3);
}

TEST(FileChoosers, OpenSeveralSaveAndFolderAreAnsweredAndRecorded) {
    winQueueFileChoice({"C:\\lib\\a.txt", "C:\\lib\\b.txt"});
    CFileDialog open(TRUE, "txt", nullptr, OFN_ALLOWMULTISELECT, "Text (*.txt)|*.txt||");
    open.m_ofn.lpstrTitle = "Open templates";
    ASSERT_EQ(open.DoModal(), IDOK);
    POSITION at = open.GetStartPosition();
    EXPECT_EQ(open.GetNextPathName(at), "C:\\lib\\a.txt");
    EXPECT_EQ(open.GetNextPathName(at), "C:\\lib\\b.txt");
    EXPECT_EQ(at, nullptr);
    EXPECT_EQ(open.GetFileName(), "a.txt");
    EXPECT_EQ(open.GetFileExt(), "txt");
    EXPECT_EQ(open.GetFileTitle(), "a");
    EXPECT_EQ(open.GetFolderPath(), "C:\\lib");
    ASSERT_EQ(winFileChoosers().size(), 1u);
    EXPECT_TRUE(winFileChoosers()[0].multiple);
    EXPECT_EQ(winFileChoosers()[0].title, "Open templates");

    CFileDialog save(FALSE, "txt", "new.txt");
    EXPECT_EQ(save.DoModal(), IDCANCEL);  // nothing queued: cancelled
    EXPECT_EQ(winFileChoosers().back().kind, FileChooserRecord::Kind::Save);
    EXPECT_EQ(winFileChoosers().back().defaultName, "new.txt");

    winQueueFileChoice({"C:\\lib\\icons"});
    BROWSEINFO info;
    info.lpszTitle = "Folder";
    LPITEMIDLIST chosen = SHBrowseForFolder(&info);
    ASSERT_NE(chosen, nullptr);
    char path[260] = {};
    EXPECT_TRUE(SHGetPathFromIDList(chosen, path));
    EXPECT_STREQ(path, "C:\\lib\\icons");
    CoTaskMemFree(chosen);
}

}  // namespace

namespace {

// Templates register at static initialisation; a second of one id silently wins or loses.
TEST(DialogTemplates, NoTwoTemplatesOfTheseTestsShareAnId) {
    EXPECT_TRUE(dialogTemplateDuplicates().empty())
        << "template id " << dialogTemplateDuplicates().front() << " is registered twice";
}

}  // namespace

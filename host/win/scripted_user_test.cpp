#include "scripted_user.h"

#include <gtest/gtest.h>

#include "win_driver.h"

namespace {

constexpr UINT kNameDialog = 9001;
constexpr UINT kInnerDialog = 9002;
constexpr UINT kSelfClosing = 9003;
constexpr int kName = 100;
constexpr int kKind = 101;
constexpr int kMore = 102;
constexpr int kBold = 103;

const DialogTemplateRegistration kNameTemplate(
    {kNameDialog,
     "Name",
     kDialogStyle,
     0,
     0,
     200,
     100,
     {
         {kName, WC_EDIT, ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER, 0, "", 10, 10, 100, 12},
         {kKind, WC_COMBOBOX, CBS_DROPDOWNLIST | WS_TABSTOP | WS_VSCROLL, 0, "", 10, 30, 100, 60},
         {kBold, WC_BUTTON, BS_AUTOCHECKBOX | WS_TABSTOP, 0, "Bold", 10, 50, 60, 10},
         {kMore, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "More...", 120, 10, 50, 14},
         {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 90, 80, 50, 14},
         {IDCANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Cancel", 145, 80, 50, 14},
     }});

const DialogTemplateRegistration kInnerTemplate(
    {kInnerDialog,
     "More",
     kDialogStyle,
     0,
     0,
     120,
     60,
     {
         {kName, WC_EDIT, WS_TABSTOP, 0, "", 10, 10, 100, 12},
         {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 10, 40, 50, 14},
     }});

const DialogTemplateRegistration kSelfClosingTemplate(
    {kSelfClosing, "", kDialogStyle, 0, 0, 50, 20, {}});

// The parameters the name dialog edits.
struct NameData {
    std::string name;
    std::string kind;
    bool bold = false;
    std::string more;
};

class InnerDialog : public CDialog {
  public:
    InnerDialog() : CDialog(kInnerDialog) {}
    std::string text;
    void OnOK() override {
        GetDlgItemText(kName, text);
        EndDialog(IDOK);
    }
};

class NameDialog : public CDialog {
  public:
    explicit NameDialog(NameData& data) : CDialog(kNameDialog), data_(data) {
        onClicked(kMore, [this] {
            InnerDialog inner;
            if (inner.DoModal() == IDOK) data_.more = inner.text;
        });
        onCommand(kName, EN_CHANGE, [this] { ++changes; });
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        for (const char* k : {"Beam", "Column", "Plate"})
            SendDlgItemMessage(kKind, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(k));
        return TRUE;
    }
    void OnOK() override {
        GetDlgItemText(kName, data_.name);
        CWnd* kind = GetDlgItem(kKind);
        kind->GetWindowText(data_.kind);
        data_.bold = IsDlgButtonChecked(kBold) == BST_CHECKED;
        EndDialog(IDOK);
    }
    int changes = 0;

  private:
    NameData& data_;
};

class SelfClosing : public CDialog {
  public:
    SelfClosing() : CDialog(kSelfClosing) {}
    BOOL OnInitDialog() override {
        PostMessage(WM_COMMAND, IDOK);
        return TRUE;
    }
};

class EndsInInit : public CDialog {
  public:
    EndsInInit() : CDialog(kSelfClosing) {}
    BOOL OnInitDialog() override {
        EndDialog(IDOK);
        return TRUE;
    }
};

// Counts Tab presses before the dialog's own handling, by direction, and pops a menu on a
// right click.
class KeyedDialog : public NameDialog {
  public:
    explicit KeyedDialog(NameData& data) : NameDialog(data) {
        onCommand(kMenuDelete, 0, [this] { chosen = "delete"; });
    }
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN && msg->wParam == static_cast<WPARAM>(VK_TAB)) {
            tabs.push_back(GetKeyState(VK_SHIFT) < 0 ? "back" : "forward");
        }
        return NameDialog::PreTranslateMessage(msg);
    }
    void OnContextMenu(CWnd*, CPoint at) override {
        CMenu menu;
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING, kMenuRename, "Rename");
        menu.AppendMenu(MF_SEPARATOR);
        menu.AppendMenu(MF_STRING | MF_CHECKED, kMenuDelete, "Delete");
        menu.TrackPopupMenu(TPM_LEFTALIGN, at.x, at.y, this);
    }
    static constexpr int kMenuRename = 500;
    static constexpr int kMenuDelete = 501;
    std::vector<std::string> tabs;
    std::string chosen;
};

class ScriptedUser : public ::testing::Test {
  protected:
    void SetUp() override { winResetForTests(); }
};

TEST_F(ScriptedUser, OkHandlerReadsWhatWasTypedChosenAndTicked) {
    winScriptNextDialog(
        kNameDialog,
        Script().type(kName, "HEA 200").choose(kKind, "Column").click(kBold).click(IDOK));
    NameData data;
    NameDialog dialog(data);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(data.name, "HEA 200");
    EXPECT_EQ(data.kind, "Column");
    EXPECT_TRUE(data.bold);
    EXPECT_EQ(dialog.changes, 7);  // one EN_CHANGE per typed character
    EXPECT_TRUE(winUserFailures().empty());
    EXPECT_EQ(winWindowCount(), 1);  // only the host's main window is left
}

TEST_F(ScriptedUser, NestedModalDialogsEachFollowTheirOwnScript) {
    winScriptNextDialog(kNameDialog, Script().click(kMore).type(kName, "outer").click(IDOK));
    winScriptNextDialog(kInnerDialog, Script().type(kName, "inner").click(IDOK));
    NameData data;
    NameDialog dialog(data);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(data.more, "inner");
    EXPECT_EQ(data.name, "outer");
    EXPECT_EQ(winPendingScripts(), 0);
}

TEST_F(ScriptedUser, UnscriptedDialogEndsCancelledButSelfClosingOneReturnsOk) {
    NameData data;
    NameDialog dialog(data);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    SelfClosing hidden;
    EXPECT_EQ(hidden.DoModal(), IDOK);
    EndsInInit direct;
    EXPECT_EQ(direct.DoModal(), IDOK);
}

TEST_F(ScriptedUser, TabAndShiftTabReachPreTranslateMessageAndMoveTheFocus) {
    int focusAfterTab = 0;
    int focusAfterBack = 0;
    winScriptNextDialog(kNameDialog,
                        Script()
                            .key(VK_TAB)
                            .then([&](HWND) { focusAfterTab = GetDlgCtrlID(GetFocus()); })
                            .key(VK_TAB, MK_SHIFT)
                            .then([&](HWND) { focusAfterBack = GetDlgCtrlID(GetFocus()); })
                            .key(VK_ESCAPE));
    NameData data;
    KeyedDialog dialog(data);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.tabs, (std::vector<std::string>{"forward", "back"}));
    EXPECT_EQ(focusAfterTab, kKind);
    EXPECT_EQ(focusAfterBack, kName);
    EXPECT_EQ(GetKeyState(VK_SHIFT), 0);
}

TEST_F(ScriptedUser, PopupMenuChoiceArrivesAsCommand) {
    winScriptNextDialog(kNameDialog,
                        Script().rightClick(0, POINT{150, 100}).menu("Delete").click(IDOK));
    NameData data;
    KeyedDialog dialog(data);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.chosen, "delete");
    ASSERT_EQ(winPopupMenus().size(), 1u);
    const PopupMenuRecord& menu = winPopupMenus()[0];
    ASSERT_EQ(menu.items.size(), 3u);
    EXPECT_TRUE(menu.items[1].flags & MF_SEPARATOR);
    EXPECT_TRUE(menu.items[2].flags & MF_CHECKED);
    EXPECT_EQ(menu.chosen, 501u);
    EXPECT_TRUE(winUserFailures().empty());
}

TEST_F(ScriptedUser, MessageBoxOpenedByAStepTakesTheNextAnswerStep) {
    int answer = 0;
    winScriptNextDialog(kNameDialog, Script()
                                         .then([&](HWND owner) {
                                             answer = MessageBox(owner, "Sure?", "Q", MB_YESNO);
                                         })
                                         .answer(IDYES)
                                         .click(IDOK));
    NameData data;
    NameDialog dialog(data);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(answer, IDYES);
}

TEST_F(ScriptedUser, WrongStepsAreReportedNotIgnored) {
    winExpectUserFailures();
    winScriptNextDialog(kNameDialog,
                        Script().choose(kKind, "column").click(999).click(IDCANCEL).click(IDOK));
    NameData data;
    NameDialog dialog(data);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(winUserFailures().size(), 3u);
    EXPECT_EQ(winUserFailures()[0], "\"column\" is not an item of control 101");
    EXPECT_EQ(winUserFailures()[1], "control 999 does not exist");
    EXPECT_EQ(winUserFailures()[2], "dialog 9001 ended with script steps left");
}

}  // namespace

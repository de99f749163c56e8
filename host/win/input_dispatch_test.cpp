// Every kind of scripted step reaching a dialog's own windows as the messages a person's
// actions make: the mouse on a control that draws itself, keys, the frame, timers, lists and
// tabs, and the steps a person could not do.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win_driver.h"

namespace {

constexpr UINT kInputDialog = 9396;
enum : int { kPad = 10, kNames, kPages, kField, kHidden };

const DialogTemplateRegistration kTemplate(
    {kInputDialog,
     "Input",
     kDialogStyle | WS_THICKFRAME,
     0,
     0,
     200,
     150,
     {{kPad, WC_STATIC, SS_NOTIFY, 0, "", 10, 10, 80, 60},
      {kNames, WC_LISTBOX, LBS_NOTIFY | WS_TABSTOP, 0, "", 100, 10, 90, 50},
      {kPages, WC_TABCONTROL, WS_TABSTOP, 0, "", 100, 70, 90, 30},
      {kField, WC_EDIT, ES_AUTOHSCROLL | WS_TABSTOP, 0, "", 10, 80, 80, 12},
      {kHidden, WC_BUTTON, 0, 0, "Hidden", 10, 100, 40, 14, true},
      {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 140, 130, 50, 14}}});

// A control that draws itself and logs the mouse and keys it gets, in its client coordinates.
class Pad : public CWnd {
  public:
    std::vector<std::string> log;

  protected:
    void note(const char* what, CPoint p, UINT flags) {
        log.push_back(std::string(what) + " " + std::to_string(p.x) + "," + std::to_string(p.y) +
                      ((flags & MK_CONTROL) ? " ctrl" : "") + ((flags & MK_SHIFT) ? " shift" : ""));
    }
    void OnLButtonDown(UINT f, CPoint p) override { note("down", p, f); }
    void OnLButtonUp(UINT f, CPoint p) override { note("up", p, f); }
    void OnLButtonDblClk(UINT f, CPoint p) override { note("double", p, f); }
    void OnRButtonDown(UINT f, CPoint p) override { note("rdown", p, f); }
    void OnRButtonUp(UINT f, CPoint p) override {
        note("rup", p, f);
        CWnd::OnRButtonUp(f, p);  // the default makes WM_CONTEXTMENU
    }
    void OnMouseMove(UINT f, CPoint p) override {
        if (f & MK_LBUTTON) note("move", p, f);
    }
    void OnKeyDown(UINT key, UINT, UINT) override { log.push_back("key " + std::to_string(key)); }
    void OnChar(UINT c, UINT, UINT) override { log.push_back("char " + std::to_string(c)); }
    void OnKeyUp(UINT key, UINT, UINT) override { log.push_back("keyup " + std::to_string(key)); }
    void OnContextMenu(CWnd*, CPoint) override { log.push_back("context"); }
    void OnVScroll(UINT code, UINT, CWnd*) override {
        log.push_back("vscroll " + std::to_string(code));
    }
    void OnHScroll(UINT code, UINT, CWnd*) override {
        log.push_back("hscroll " + std::to_string(code));
    }
};

class InputDialog : public CDialog {
  public:
    InputDialog() : CDialog(kInputDialog) {
        onCommandRange(kNames, kField, LBN_DBLCLK,
                       [this](int id) { events.push_back("dbl " + std::to_string(id)); });
        onCommand(kField, EN_KILLFOCUS, [this] { events.push_back("left field"); });
        onNotify(kPages, TCN_SELCHANGE, [this](NMHDR*, LRESULT*) { events.push_back("tab"); });
        onMessage(WM_APP, [this](WPARAM w, LPARAM) {
            events.push_back("app " + std::to_string(w));
            return LRESULT{7};
        });
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        pad.SubclassDlgItem(kPad, this);
        for (const char* s : {"Plate", "Bolt"})
            SendDlgItemMessage(kNames, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        tabs.SubclassDlgItem(kPages, this);
        tabs.InsertItem(0, "Main");
        tabs.InsertItem(1, "More");
        SetTimer(5, 100);
        return TRUE;
    }
    void OnTimer(UINT_PTR id) override {
        if (id == 5) ++ticks;
    }
    void OnGetMinMaxInfo(MINMAXINFO* info) override {
        info->ptMinTrackSize = POINT{250, 200};
        info->ptMaxTrackSize = POINT{600, 500};
    }
    void OnSize(UINT, int cx, int cy) override {
        sizes.push_back(std::to_string(cx) + "x" + std::to_string(cy));
    }
    Pad pad;
    CTabCtrl tabs;
    std::vector<std::string> events, sizes;
    int ticks = 0;
};

TEST(ScriptedSteps, MouseStepsReachTheControlUnderThePointInItsOwnCoordinates) {
    InputDialog dialog;
    winScriptNextDialog(kInputDialog, Script()
                                          .mouse(kPad, WM_LBUTTONDOWN, {5, 6}, MK_CONTROL)
                                          .mouse(kPad, WM_LBUTTONUP, {5, 6})
                                          .drag(kPad, {10, 10}, {30, 20}, MK_SHIFT)
                                          .rightClick(kPad, {40, 30})
                                          .doubleClick(kPad)
                                          .click(IDOK));
    EXPECT_EQ(dialog.DoModal(), IDOK);
    const std::vector<std::string> expected = {
        "down 5,6 ctrl",  "up 5,6",      "down 10,10 shift", "move 20,15 shift", "move 30,20 shift",
        "up 30,20 shift", "rdown 40,30", "rup 40,30",        "context",          "double 0,0"};
    EXPECT_EQ(dialog.pad.log, expected);
}

TEST(ScriptedSteps, KeysGoToTheFocusedWindowWithTheirCharacters) {
    InputDialog dialog;
    winScriptNextDialog(kInputDialog, Script()
                                          .then([](HWND d) { SetFocus(GetDlgItem(d, kPad)); })
                                          .key(VK_SPACE)
                                          .key(VK_BACK)
                                          .key(VK_F2)
                                          .then([](HWND d) {
                                              HWND pad = GetDlgItem(d, kPad);
                                              SendMessage(pad, WM_VSCROLL, 1, 0);
                                              SendMessage(pad, WM_HSCROLL, 2, 0);
                                          })
                                          .click(IDOK));
    EXPECT_EQ(dialog.DoModal(), IDOK);
    const std::vector<std::string> expected = {"key 32",    "char 32",  "keyup 32", "key 8",
                                               "char 8",    "keyup 8",  "key 113",  "keyup 113",
                                               "vscroll 1", "hscroll 2"};
    EXPECT_EQ(dialog.pad.log, expected);
}

TEST(ScriptedSteps, FrameTimerListTabAndFieldStepsReachTheirHandlers) {
    InputDialog dialog;
    winScriptNextDialog(kInputDialog, Script()
                                          .resize(1000, 100)  // held to the tracking limits
                                          .wait(250)
                                          .doubleClick(kNames, "Bolt")
                                          .chooseIndex(kNames, 0)
                                          .selectTab(kPages, 1)
                                          .type(kField, "12")
                                          .leave(kField)
                                          .then([](HWND d) {
                                              RECT r;
                                              GetWindowRect(d, &r);
                                              EXPECT_EQ(r.right - r.left, 600);
                                              EXPECT_EQ(r.bottom - r.top, 200);
                                              EXPECT_EQ(SendMessage(d, WM_APP, 3, 0), 7);
                                          })
                                          .click(IDOK));
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.ticks, 2);
    EXPECT_FALSE(dialog.sizes.empty());
    const std::vector<std::string> expected = {"dbl 11", "tab", "left field", "app 3"};
    EXPECT_EQ(dialog.events, expected);
}

TEST(ScriptedSteps, StepsAPersonCouldNotDoAreReportedAndChangeNothing) {
    winExpectUserFailures();
    InputDialog dialog;
    winScriptNextDialog(kInputDialog, Script()
                                          .mouse(kHidden, WM_LBUTTONDOWN, {1, 1})
                                          .mouse(kPad, WM_LBUTTONDOWN, {2000, 5})
                                          .answer(IDYES)
                                          .menu(5)
                                          .files({"C:\\a.txt"})
                                          .click(IDOK));
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.pad.log.empty());
    const std::vector<std::string> expected = {
        "control 14 cannot be pointed at", "the point is outside the dialog",
        "an answer step found no message box open", "a menu step found no popup menu open",
        "a files step found no file chooser open"};
    EXPECT_EQ(winUserFailures(), expected);
}

}  // namespace

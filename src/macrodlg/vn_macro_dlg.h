#pragma once
// VnMacroDlg: the window in which a user edits the variables of one or several macros
// (resource 8131). It holds its own copy of the macro data; its title and the two filter
// combos come from it and its tab control shows one tab per tab of the data. Closing (the
// Close button, the close box) asks for view 3 and marks the data as closing; a modeless
// dialog then ends through the registry's deferred ending, a modal one posts a fresh
// prompt and ends with OK. The dialog's size is kept under "DLG_MACRO_" + the edit key.
#include "macro_data.h"
#include "win.h"

class VnMacroDlg : public CDialog {
  public:
    static constexpr UINT kResourceId = 8131;
    enum ControlId : int {
        kClose = 1,
        kTabs = 8097,
        kSelectOther = 1176,
        kView3 = 1181,
        kView0 = 1182,
        kView1 = 1183,
        kView2 = 1184,
        kLoadStandards = 1185,
        kClashCheck = 1292,
        kReApply = 1293,
        kReadProps = 1299,
        kWriteProps = 1302,
        kFilter1 = 1177,
        kFilter2 = 1178,
        kFilter1Label = 1179,
        kFilter2Label = 1180,
    };

    // number: -1 for a modal dialog, else its slot in the registry of modeless dialogs.
    explicit VnMacroDlg(const MacroData& data, int number = -1, CWnd* parent = nullptr);

    MacroData& macroData() { return data_; }
    int number() const { return number_; }
    // The key of the stored dialog size.
    std::string sizeKey() const { return "DLG_MACRO_" + data_.editKey(); }

    BOOL OnInitDialog() override;
    void OnClose() override;
    void OnDestroy() override;
    void OnCancel() override { closeDialog(); }
    void OnOK() override { closeDialog(); }

  private:
    void registerCommands();
    void fillTabs();
    void fillFilters();
    void changeView(int view);
    void onFilterChanged(int first);
    void closeDialog();

    CTabCtrl tabs_;
    MacroData data_;
    int number_;
};

// Runs the macro dialog modally on a copy of `data` and copies the dialog's data back
// however the dialog ended.
void StartDlgMacro(MacroData& data);

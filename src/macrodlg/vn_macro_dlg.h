#pragma once
// VnMacroDlg: the window in which a user edits the variables of one or several macros
// (resource 8131). It holds its own copy of the macro data; its title and the two filter
// combos come from it and its tab control shows one page per tab of the data: an image page
// for tabs of kind 0, 1 and 3, a profile page for kind 2. Changes are applied by the pages as
// soon as they are confirmed, so the dialog has no OK button.
//
// Closing (the Close button, the close box, Escape on a page) asks for view 3 and marks the
// data as closing; a modeless dialog then ends through the registry's deferred ending, a
// modal one posts a fresh prompt and ends with OK. The dialog's size is kept under
// "DLG_MACRO_" + the edit key; it is never smaller than 280 x 300 pixels and grows to what
// its pages ask for (+47 in width, +160 in height).
#include <memory>
#include <vector>

#include "button_st.h"
#include "macro_data.h"
#include "resizer.h"
#include "vn_macro_page.h"
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
    static constexpr int kImageButtonCount = 9;
    static constexpr int kMinTrackWidth = 280;
    static constexpr int kMinTrackHeight = 300;
    static constexpr int kExtraWidth = 47;
    static constexpr int kExtraHeight = 160;

    // number: -1 for a modal dialog, else its slot in the registry of modeless dialogs.
    explicit VnMacroDlg(const MacroData& data, int number = -1, CWnd* parent = nullptr);
    ~VnMacroDlg() override;

    MacroData& macroData() { return data_; }
    int number() const { return number_; }
    // The key of the stored dialog size.
    std::string sizeKey() const { return "DLG_MACRO_" + data_.editKey(); }
    int pageCount() const { return static_cast<int>(pages_.size()); }
    // The page of tab i (nullptr for a tab of a kind without a page or a bad index).
    VnMacroPage* page(int i) const;
    int pageKind(int i) const;
    VnMacroPage* currentPage() const { return page(lastPage_); }

    BOOL OnInitDialog() override;
    void OnClose() override;
    void OnDestroy() override;
    void OnCancel() override { closeDialog(); }
    void OnOK() override { closeDialog(); }
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;

    // Closes the dialog the way its close button does.
    void closeDialog();

  private:
    void registerCommands();
    void setUpImageButtons();
    void setUpResizer();
    void fillFilters();
    void changeView(int view);
    void onFilterChanged(int first);
    void enablePropButtons();

    // Pages and sizing (vn_macro_dlg_pages.cpp).
    void buildPages();
    void destroyPages();
    void placePages();
    void showPage(int index);
    void resizeToPages();

    // The commands that change which macros or values the dialog shows
    // (vn_macro_dlg_commands.cpp).
    void selectOtherMacros();
    void loadFromStandards();
    // The property file to read (open) or write; empty when not allowed or cancelled.
    Ktx_String choosePropFile(bool open);
    void readProperties();
    void writeProperties();
    void rebuild();

    CTabCtrl tabs_;
    CButtonST images_[kImageButtonCount];
    MacroData data_;
    int number_;
    std::vector<std::unique_ptr<VnMacroPage>> pages_;
    std::vector<int> pageKinds_;
    CResizer resizer_;
    CSize savedSize_{50, 50};
    bool sizedOnce_ = false;
    bool pageShownOnce_ = false;
    int lastPage_ = -1;
};

// Runs the macro dialog modally on a copy of `data` and copies the dialog's data back
// however the dialog ended.
void StartDlgMacro(MacroData& data);

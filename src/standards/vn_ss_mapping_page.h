#pragma once
// VnSSMappingPage: the standards page of the macro settings dialog (resource 8720). The upper
// grid lists the macro's standards (a combo of every standard of the library) and what each
// maps to ("<Entire macro>" or a module group); add, remove, up and down change the list. The
// lower grid shows the Input and Output variables of the standard in the active row, each with
// a combo of the macro's catalogue entries it may be linked to.
//
// The page edits the settings object it is given (not owned); the rules live in
// VnSSMappingPageModel. A changed mapping is written to the standard's mapping file when
// another standard is shown, before every list change and on commit (the settings dialog's
// OK); the list goes into the settings object at the same moments.
#include "button_st.h"
#include "ktx_spread.h"
#include "macro_settings_data.h"
#include "vn_bound_dialog.h"
#include "vn_ss_mapping_page_model.h"
#include "vn_standards_spread.h"

class VnSSMappingPage : public VnBoundDialog {
  public:
    static constexpr UINT kResourceId = 8720;
    enum ControlId : int {
        kAdd = 1088,
        kRemove = 1089,
        kMappingGrid = 1196,
        kListGroup = 1440,
        kListGrid = 1441,
        kDown = 1442,
        kUp = 1443,
        kMappingGroup = 1444,
    };

    // settings may be null: the page then stays empty.
    explicit VnSSMappingPage(MacroSettingsData* settings);

    BOOL OnInitDialog() override;
    // Saves the shown mapping and takes the list from the grid (the settings dialog's OK).
    void commit();
    bool isModified() const { return model_.isModified(); }
    const VnSSMappingPageModel& model() const { return model_; }
    Ktx_Spread& standardsGrid() { return standards_; }
    VnStandardsSpread& mappingGrid() { return mapping_; }

  private:
    void setUpButtons();
    void fillStandards();
    void takeList();
    void saveShown();
    void showMapping(int index);
    void layOutMapping();
    void layOutMappingRow(int r, const VnMappingRow& row);
    int activeRow();
    // Forgets the shown standard and shows standard `index` (0-based) afresh.
    void showAgain(int index);
    void addStandard();
    void removeStandard();
    void moveStandard(int offset);
    // Refills the standards grid, makes row newRow (1-based) active and shows its mapping.
    void refillAndShow(int newRow);
    LRESULT onGridNotify(WPARAM wParam, LPARAM lParam);

    VnSSMappingPageModel model_;
    Ktx_Spread standards_;
    VnStandardsSpread mapping_;
    CButtonST up_;
    CButtonST down_;
};

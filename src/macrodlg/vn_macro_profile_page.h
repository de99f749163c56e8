#pragma once
// VnMacroProfilePage: the page of a tab of kind 2 (resource 219): a grid with one row per
// profile group of the tab (group, member name, section, material), edited in place, and a
// button that opens the advanced profile dialog on the selected group. A changed cell is
// stored into the tab's group and applied like every page change.
#include "grid.h"
#include "ktx_spread.h"
#include "vn_macro_page.h"

class VnMacroProfilePage : public VnMacroPage {
  public:
    static constexpr UINT kResourceId = 219;
    enum ControlId : int { kGrid = 1001, kProfiles = 1115 };

    VnMacroProfilePage(MacroData& data, int tabIndex);
    ~VnMacroProfilePage() override;

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void storeValues() override;
    void fillControls(bool first) override;
    CSize requestedSize() const override;
    void layOut() override;
    Ktx_Spread& grid() { return grid_; }

  private:
    void openAdvanced();
    LRESULT onGridNotify(WPARAM wParam, LPARAM lParam);

    Ktx_Spread grid_;
};

#pragma once
// VnMacroImagePage: the page of a tab of kind 0, 1 or 3 (resource 8137). It shows the tab's
// designer template over its picture at the top left, a grid of the tab's other variables
// below it and, for a tab of kind 1, the bolt-assembly and diameter combos with the advanced
// button at the bottom.
//
// The template's controls are bound to the tab's items (vn_macro_binding.h); a positive
// binding id is a template control, -r is row r of the grid (value in column 3). A confirmed
// change (a field left, Enter, a combo choice, a click) is applied at once: the page reads its
// controls into the tab, takes the differences and lets the Core library update the macros,
// then runs the clash check. Tab moves through three zones: template, grid, page controls.
#include <memory>

#include "grid.h"
#include "ktx_dlg_designer_data.h"
#include "ktx_spread.h"
#include "resizer.h"
#include "vn_macro_page.h"

class VnMacroImagePage : public VnMacroPage {
  public:
    static constexpr UINT kResourceId = 8137;
    enum ControlId : int {
        kGridPlace = 1001,
        kAssembly = 1091,
        kDiameter = 1092,
        kAdvanced = 1114,
        kAssemblyLabel = 1109,
        kDiameterLabel = 1110,
    };
    static constexpr int kFirstTemplateId = 33000;
    static constexpr int kLastTemplateId = 33099;
    static constexpr int kGridValueColumn = 3;

    VnMacroImagePage(MacroData& data, int tabIndex);
    ~VnMacroImagePage() override;

    BOOL OnInitDialog() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT ctlColor) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    void storeValues() override;
    void fillControls(bool first) override;
    CSize requestedSize() const override;
    void layOut() override;

    Ktx_DlgDesignerData& designer() { return designer_; }
    Ktx_Spread& grid() { return grid_; }
    bool gridVisible() const { return gridRows_ > 0; }
    int bottomArea() const;

  private:
    void bindTemplate();
    void createGrid();
    void fillGrid();
    void fillBoltCombos();
    void fillDiameters();
    void showBoltControls();
    void writeTemplateValues(MacroTabData& tab);
    // Profile groups and arrays (vn_macro_image_groups.cpp).
    void writeGroupValues(MacroTabData& tab);
    void readGroupValues(MacroTabData& tab);
    bool readValue(int id, std::string& value);
    void syncFlexButtons(MacroTabData& tab);
    void onTemplateClick(int id, Ktx_ControlType type);
    void onComboChanged(int id);
    void onFlexButton(int id);
    LRESULT onGridNotify(WPARAM wParam, LPARAM lParam);
    void closeMacroDialog();

    // Keys and the three Tab zones (vn_macro_image_keys.cpp).
    bool handleKey(const MSG& msg);
    bool handleTab(bool backward);
    enum Zone { kZoneTemplate = 0, kZoneGrid = 1, kZonePage = 2 };
    bool focusZone(int zone, bool forward);
    void focusNextZone(int from, bool forward);
    bool focusInGrid() const;
    bool focusInPageControls(int& index) const;

    Ktx_DlgDesignerData designer_;
    Ktx_Spread grid_;
    CResizer resizer_;
    bool initialised_ = false;
    bool noBoltControls_ = true;
    bool hasTemplate_ = false;
    int gridRows_ = 0;
    const int fixedControls_[3] = {kAssembly, kDiameter, kAdvanced};
};

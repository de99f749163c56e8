#pragma once
// VnDlgMacroSettings: the macro settings dialog (resource 8141) as far as this module builds
// it: a tab control (8097) whose one page is the standards page (VnSSMappingPage), with OK and
// Cancel. It edits the settings object it is given; OK first lets the page store the shown
// mapping and take its list. Mapping files are written as the page goes (a changed mapping
// under a fresh key), so Cancel leaves new lines in them that no macro names yet.
#include "ctab_ctrl.h"
#include "macro_settings_data.h"
#include "vn_ss_mapping_page.h"

class VnDlgMacroSettings : public CDialog {
  public:
    static constexpr UINT kResourceId = 8141;
    static constexpr int kTab = 8097;

    explicit VnDlgMacroSettings(MacroSettingsData& settings, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    VnSSMappingPage& standardsPage() { return page_; }
    // True when the page changed the list or a mapping.
    bool isModified() const { return page_.isModified(); }

  private:
    CTabCtrl tab_;
    VnSSMappingPage page_;
};

// Edits a copy of the macro's settings; on OK the copy is handed back and true returned. When
// `modified` is given it tells whether the standards or a mapping were changed (mapping files
// may have been written even when the dialog was cancelled).
bool StartDlgMacroSettings(MacroSettingsData& settings, bool* modified = nullptr);

#pragma once
// VnMacroFieldsDlg: the small modal dialog the macro dialog opens for a bolt pattern, an
// array, an advanced cell, the bolt settings of a tab or a profile group: a two-column grid
// of named fields whose values are edited in place. OK writes every editable value back into
// the field it came from; Cancel leaves them alone.
#include <string>
#include <vector>

#include "grid.h"
#include "ktx_spread.h"
#include "macro_data.h"
#include "win.h"

struct VnMacroField {
    std::string label;
    std::string* value = nullptr;
    bool readOnly = false;
};

class VnMacroFieldsDlg : public CDialog {
  public:
    static constexpr UINT kResourceId = 8142;
    enum ControlId : int { kGrid = 1001 };

    VnMacroFieldsDlg(std::string title, std::vector<VnMacroField> fields, CWnd* parent = nullptr);
    ~VnMacroFieldsDlg() override;

    BOOL OnInitDialog() override;
    void OnOK() override;
    Ktx_Spread& grid() { return grid_; }

  private:
    std::string title_;
    std::vector<VnMacroField> fields_;
    Ktx_Spread grid_;
};

// Runs the dialog; true when the user pressed OK (the fields then hold the new values).
bool runMacroFieldsDlg(const std::string& title, const std::vector<VnMacroField>& fields,
                       CWnd* parent);

// The dialogs of the macro dialog's commands. Each edits the tab's data in place and returns
// true on OK. The bolt settings: bolt fields 1 to 5, assembly and diameter.
bool StartDlgMacroBoltAdvanced(MacroData& data, int tabIndex, CWnd* parent);
// The item bound to the template control `id`: a pattern's counts, an array's fields or an
// advanced cell's value; false when the id binds none of them.
bool StartDlgMacroTabItem(MacroData& data, int tabIndex, int id, CWnd* parent);

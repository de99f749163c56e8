#pragma once
// VnEditConstrDlg: the constraint editor (resource 8715), the window beside the drawing in
// which a macro is designed: a list of the macro's modules with buttons to pick another macro,
// add, remove and rename modules, edit the macro's settings and zoom to the module, and four
// pages on a tab control (constraints, geometry, variables, commands; see
// vn_edit_constr_pages.h).
//
// The window works on its own copy of the caller's EditConstrData, which names the macro in the
// drawing: changes go to the drawing through the Core library's calls as they are made. The
// modeless window (StartDlgEditConstraints) is the module's one constraint editor; its Close
// button and close box hide it and end it through EndDlgEditConstraints right after the click
// (never inside its own handler). Destroying the window stores the shown constraint and the
// variables, and keeps the window's size under "DLG_EDIT_MACRO".
#include <functional>
#include <string>

#include "button_st.h"
#include "ccombo_box.h"
#include "cdialog.h"
#include "ctab_ctrl.h"
#include "ctool_tip_ctrl.h"
#include "macro_settings_data.h"
#include "resizer.h"
#include "vn_edit_constr_pages.h"

class VnEditConstrDlg : public CDialog {
  public:
    static constexpr UINT kResourceId = 8715;
    enum ControlId : int {
        kTab = 8097,
        kModules = 1410,
        kSelectMacro = 1411,
        kAddModule = 1412,
        kRemoveModule = 1413,
        kRename = 1414,
        kSettings = 1415,
        kZoom = 1416,
    };
    enum Page : int {
        kConstraintsPage = 0,
        kGeometryPage = 1,
        kVariablesPage = 2,
        kCommandsPage = 3
    };

    VnEditConstrDlg(const EditConstrData& data, bool modeless, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;

    EditConstrData& data() { return data_; }
    bool isModeless() const { return modeless_; }
    int shownPage() const { return page_; }
    CSize minTrackSize() const { return minTrack_; }
    VnConstrListPage& constraintsPage() { return constraints_; }
    VnGeomPage& geometryPage() { return geometry_; }
    VnVarsPage& variablesPage() { return vars_; }
    // Runs constraint command n (0-13) as the commands page and the add button do.
    void runCommand(int n);

  private:
    void connectControls();
    void setUpControls();
    void createPages();
    void placePages();
    void fillModules();
    void selectModule(int position);
    std::string moduleAt(int position) const;
    void makeCurrent();
    void onModuleChosen();
    void selectOtherMacro();
    void removeModule();
    void renameModule();
    void editSettings();
    void zoom();
    void showPage(int page);
    void storePages();
    void beginEditorCommand(bool hide);
    void completeEditorCommand(bool show);
    void close(int result);

    EditConstrData data_;
    bool modeless_;
    int page_ = -1;
    bool zooming_ = false;
    CSize minTrack_{50, 50};
    CResizer resizer_;
    CTabCtrl tab_;
    CComboBox modules_;
    CToolTipCtrl tips_;
    VnConstrListPage constraints_;
    VnGeomPage geometry_;
    VnVarsPage vars_;
    VnCommandsPage commands_;
};

// Opens the modeless editor on a copy of data, beside the CAD host's main window, which keeps
// the keyboard focus. While one is open a second call changes nothing. True.
bool StartDlgEditConstraints(EditConstrData& data);
// Runs the editor modally on a copy of data; true when it ended with OK. The copy is not given
// back (the edits went to the drawing as they were made).
bool StartDlgEditConstrModal(EditConstrData& data);

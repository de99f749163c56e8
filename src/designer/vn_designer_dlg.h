#pragma once
// VnDesignerDlg: the window in which a user lays out a dialog template (resource 227). It
// shows the template's picture with its controls drawn over it; the mouse selects, moves and
// resizes them (the template's design mode); buttons open, save, add, delete, copy, size and
// align; a property panel edits the selected control's type, contents and extension.
// Closing with OK or the close box asks whether to save changes; Cancel closes at once;
// Escape is swallowed. StartDlgDesigner runs it modally.
#include <array>

#include "button_st.h"
#include "ktx_dlg_designer_data.h"
#include "resizer.h"
#include "win.h"

class VnDesignerDlg : public CDialog {
  public:
    static constexpr UINT kResourceId = 227;
    enum ControlId : int {
        kOpen = 1299,
        kSave = 1302,
        kAdd = 1300,
        kDelete = 1301,
        kPicture = 1303,
        kWidth = 1306,
        kHeight = 1307,
        kCopy = 1199,
        kAlignBottoms = 1200,
        kPlaceBeside = 1201,
        kPanelFrame = 1015,
        kTypeCombo = 1005,
        kTypeDescription = 1016,
        kContents = 1304,
        kExtensionCaption = 1017,
        kExtension = 1305,
    };
    static constexpr int kFirstControlId = 33000;
    static constexpr int kLastControlId = 33099;

    explicit VnDesignerDlg(const Ktx_String& templatePath = {}, CWnd* parent = nullptr);

    Ktx_DlgDesignerData& designer() { return data_; }
    bool modified() const { return modified_; }

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnOK() override;
    void OnClose() override;
    void OnDestroy() override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT ctlColor) override;
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnSize(UINT type, int cx, int cy) override;

  private:
    void registerCommands();
    void updateTitle();
    // The save question; false when the user cancelled the action.
    bool askSave();
    void loadTemplate(const Ktx_String& path);
    Ktx_String currentFolder() const;
    bool saveAs();
    void onOpen();
    void onAdd();
    void onDelete();
    void onPicture();
    void markModified() { modified_ = true; }

    std::array<CButtonST, 8> imageButtons_;
    Ktx_String spare_;
    Ktx_String templatePath_;
    Ktx_DlgDesignerData data_;
    CResizer resizer_;
    bool modified_ = false;
    CSize savedSize_{50, 50};
};

bool StartDlgDesigner(const Ktx_String& templatePath);

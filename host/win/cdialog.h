// CDialog: a dialog made from a registered template (dialog_template.h).
//
// DoModal creates the dialog owned by the parent (the host's main window when none is given),
// disables the owner, runs OnInitDialog, shows the dialog and runs the modal loop, whose
// events come from the script attached to this resource id (scripted_user.h) or from the
// live event source. It returns the EndDialog result; IDCANCEL when the events ran out
// before the dialog ended; -1 when the template is unknown or the window could not be made.
// An EndDialog during OnInitDialog or the messages it posted ends the dialog before any
// event is taken. The window is destroyed before DoModal returns.
//
// Create makes a modeless dialog (or a child page when the template has WS_CHILD); it stays
// until DestroyWindow. EndDialog on a modeless dialog only hides it.
//
// IDOK and IDCANCEL commands go to OnOK (UpdateData, then EndDialog(IDOK)) and OnCancel
// (EndDialog(IDCANCEL)) unless a handler is registered for them. PreTranslateMessage gives
// keys to IsDialogMessage (Tab, Shift+Tab, Enter, Escape); an override sees them first.
#pragma once

#include "cwnd.h"

class CDialog : public CWnd {
  public:
    explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr);
    ~CDialog() override;

    virtual INT_PTR DoModal();
    virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
    void EndDialog(int result);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* control);
    void MapDialogRect(LPRECT rect) const;
    UINT templateId() const { return m_nIDTemplate; }
    // True while DoModal runs and EndDialog has not been called.
    bool isModalRunning() const { return modal_.running && !modal_.ended; }

    UINT m_nIDHelp = 0;

  protected:
    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;

  private:
    HWND createFromTemplate(UINT templateId, HWND parent);

    struct Modal {
        bool running = false;
        bool ended = false;
        INT_PTR result = IDCANCEL;
    };
    Modal modal_;
};

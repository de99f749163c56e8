// Data exchange between a dialog's controls and its members (DoDataExchange / UpdateData).
// Loading (m_bSaveAndValidate false) writes members into the controls; saving reads them
// back. A number field whose text is not a number fails the exchange: a message box is shown,
// the focus goes to the field, and UpdateData returns FALSE with the member unchanged.
#pragma once

#include <string>

#include "cwnd.h"

class CDataExchange {
  public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}
    // Marks the exchange failed (the first failure wins; later fields are still exchanged).
    void Fail() { failed = true; }
    HWND PrepareCtrl(int id);

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    bool failed = false;
};

// Binds `control` to the dialog item `id` (subclassing it) unless it is bound already.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
void DDX_Text(CDataExchange* dx, int id, std::string& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, double& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
// The index of the checked button of the radio group that starts at `id`; -1 for none.
void DDX_Radio(CDataExchange* dx, int id, int& value);
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
void DDX_CBString(CDataExchange* dx, int id, std::string& value);
void DDX_LBIndex(CDataExchange* dx, int id, int& index);

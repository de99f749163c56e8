#include "cdialog.h"

#include "data_exchange.h"
#include "dialog_items.h"
#include "dialog_template.h"
#include "modal_loop.h"
#include "win_driver.h"
#include "window_api.h"
#include "window_geometry.h"

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() = default;

HWND CDialog::createFromTemplate(UINT templateId, HWND parent) {
    const DialogTemplate* t = findDialogTemplate(templateId);
    if (t == nullptr || m_hWnd != nullptr) return nullptr;
    m_nIDTemplate = templateId;
    return winCreateDialog(*t, parent, [this](HWND h) { attachTo(h, true); });
}

INT_PTR CDialog::DoModal() {
    const DialogTemplate* t = findDialogTemplate(m_nIDTemplate);
    if (t == nullptr || (t->style & WS_CHILD) || m_hWnd != nullptr) return -1;
    HWND owner = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : adsw_acadMainWnd();
    bool ownerWasEnabled = ::IsWindowEnabled(owner) != FALSE;
    if (ownerWasEnabled) ::EnableWindow(owner, FALSE);
    modal_ = Modal{true, false, IDCANCEL};
    HWND h = createFromTemplate(m_nIDTemplate, owner);
    if (h != nullptr) {
        if (!modal_.ended) ::ShowWindow(h, SW_SHOW);
        winRunModalLoop(h, m_nIDTemplate, [this] { return modal_.ended; });
    }
    INT_PTR result = h == nullptr ? -1 : (modal_.ended ? modal_.result : IDCANCEL);
    modal_.running = false;
    if (h != nullptr && IsWindow(h)) {
        ::ShowWindow(h, SW_HIDE);
        ::DestroyWindow(h);
    }
    if (ownerWasEnabled) ::EnableWindow(owner, TRUE);
    if (IsWindow(owner)) SetActiveWindow(owner);
    return result;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    if (parent != nullptr) m_pParentWnd = parent;
    return createFromTemplate(templateId, parent ? parent->GetSafeHwnd() : nullptr) ? TRUE : FALSE;
}

void CDialog::EndDialog(int result) {
    if (modal_.running) {
        modal_.ended = true;
        modal_.result = result;
    }
    ::ShowWindow(m_hWnd, SW_HIDE);
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    auto* d = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(dialog));
    if (d == nullptr) return ::ShowWindow(dialog, SW_HIDE), IsWindow(dialog);
    d->EndDialog(static_cast<int>(result));
    return TRUE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    if (msg->message < WM_KEYDOWN || msg->message > WM_SYSKEYUP) return FALSE;
    return ::IsDialogMessage(m_hWnd, msg);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CWnd::OnCommand(wParam, lParam)) return TRUE;
    UINT code = HIWORD(wParam);
    if (code != BN_CLICKED) return FALSE;
    if (LOWORD(wParam) == IDOK) {
        OnOK();
        return TRUE;
    }
    if (LOWORD(wParam) == IDCANCEL) {
        OnCancel();
        return TRUE;
    }
    return FALSE;
}

BOOL CDialog::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (msg == WM_INITDIALOG) {
        *result = OnInitDialog();
        return TRUE;
    }
    return CWnd::OnWndMsg(msg, wParam, lParam, result);
}

void CDialog::NextDlgCtrl() const {
    ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 0, 0);
}
void CDialog::PrevDlgCtrl() const {
    ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd* control) {
    if (control) ::SendMessage(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control->m_hWnd), 1);
}

void CDialog::MapDialogRect(LPRECT rect) const {
    ::MapDialogRect(m_hWnd, rect);
}

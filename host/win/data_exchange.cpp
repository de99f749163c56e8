#include "data_exchange.h"

#include <cstdlib>

#include "message_box.h"
#include "window_api.h"
#include "window_tree.h"

namespace {

void failNumber(CDataExchange* dx, HWND control, const char* what) {
    if (!dx->failed) {
        AfxMessageBox(what, MB_ICONEXCLAMATION);
        SetFocus(control);
    }
    dx->Fail();
}

template <typename T, typename Parse>
void exchangeNumber(CDataExchange* dx, int id, T& value, Parse parse, const char* what) {
    HWND control = dx->PrepareCtrl(id);
    if (!dx->m_bSaveAndValidate) {
        std::string text = std::to_string(value);
        if constexpr (std::is_floating_point_v<T>) {
            char buf[64];
            std::snprintf(buf, sizeof buf, "%.15g", static_cast<double>(value));
            text = buf;
        }
        SetWindowText(control, text.c_str());
        return;
    }
    std::string text = winGetText(control);
    char* end = nullptr;
    T parsed = parse(text.c_str(), &end);
    while (end && *end == ' ') ++end;
    if (text.empty() || end == text.c_str() || (end && *end != '\0')) {
        failNumber(dx, control, what);
        return;
    }
    value = parsed;
}

}  // namespace

HWND CDataExchange::PrepareCtrl(int id) {
    return ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), id);
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.GetSafeHwnd() == nullptr)
        control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd);
}

void DDX_Text(CDataExchange* dx, int id, std::string& value) {
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = winGetText(control);
    } else {
        SetWindowText(control, value.c_str());
    }
}

void DDX_Text(CDataExchange* dx, int id, int& value) {
    exchangeNumber(
        dx, id, value,
        [](const char* s, char** e) { return static_cast<int>(std::strtol(s, e, 10)); },
        "Please enter an integer.");
}

void DDX_Text(CDataExchange* dx, int id, double& value) {
    exchangeNumber(
        dx, id, value, [](const char* s, char** e) { return std::strtod(s, e); },
        "Please enter a number.");
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = static_cast<int>(SendMessage(control, BM_GETCHECK));
    } else {
        SendMessage(control, BM_SETCHECK, static_cast<WPARAM>(value));
    }
}

void DDX_Radio(CDataExchange* dx, int id, int& value) {
    HWND h = dx->PrepareCtrl(id);
    int index = 0;
    if (dx->m_bSaveAndValidate) value = -1;
    while (h != nullptr) {
        if (dx->m_bSaveAndValidate) {
            if (SendMessage(h, BM_GETCHECK) == BST_CHECKED) value = index;
        } else {
            SendMessage(h, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED);
        }
        h = GetWindow(h, GW_HWNDNEXT);
        if (h == nullptr || (GetWindowLongPtr(h, GWL_STYLE) & WS_GROUP)) break;
        ++index;
    }
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index) {
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        index = static_cast<int>(SendMessage(control, CB_GETCURSEL));
    } else {
        SendMessage(control, CB_SETCURSEL, static_cast<WPARAM>(index));
    }
}

void DDX_CBString(CDataExchange* dx, int id, std::string& value) {
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = winGetText(control);
        return;
    }
    LRESULT found = SendMessage(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                reinterpret_cast<LPARAM>(value.c_str()));
    if (found >= 0) {
        SendMessage(control, CB_SETCURSEL, static_cast<WPARAM>(found));
    } else {
        SetWindowText(control, value.c_str());
    }
}

void DDX_LBIndex(CDataExchange* dx, int id, int& index) {
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        index = static_cast<int>(SendMessage(control, LB_GETCURSEL));
    } else {
        SendMessage(control, LB_SETCURSEL, static_cast<WPARAM>(index));
    }
}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return dx.failed ? FALSE : TRUE;
}

void CWnd::DoDataExchange(CDataExchange* /*dx*/) {}

#include "ctool_tip_ctrl.h"

#include "win_driver.h"
#include "window_tree.h"

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
    RECT none{};
    return CreateEx(0, TOOLTIPS_CLASS, "", WS_POPUP | style, none, parent, 0);
}

BOOL CToolTipCtrl::AddTool(CWnd* tool, LPCSTR text) {
    WinWindow* w = tool ? winWindowData(tool->GetSafeHwnd()) : nullptr;
    if (w == nullptr) return FALSE;
    w->tooltip = text ? text : "";
    return TRUE;
}

void CToolTipCtrl::DelTool(CWnd* tool) {
    if (WinWindow* w = tool ? winWindowData(tool->GetSafeHwnd()) : nullptr) w->tooltip.clear();
}

std::string winToolTipOf(HWND control) {
    WinWindow* w = winWindowData(control);
    return w ? w->tooltip : std::string();
}

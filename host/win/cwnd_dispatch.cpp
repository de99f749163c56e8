// CWnd's message dispatch: registered handlers first, then the virtual On... handlers.
#include "cwnd.h"
#include "gdi_dc.h"
#include "window_api.h"

namespace {

CPoint pointOf(LPARAM lParam) {
    return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}
CWnd* windowOf(WPARAM wParam) {
    return CWnd::FromHandle(reinterpret_cast<HWND>(wParam));
}
CWnd* windowOf(LPARAM lParam) {
    return CWnd::FromHandle(reinterpret_cast<HWND>(lParam));
}
CDC* dcOf(WPARAM wParam) {
    return CDC::FromHandle(reinterpret_cast<HDC>(wParam));
}
UINT keyRepeat(LPARAM lParam) {
    return LOWORD(static_cast<DWORD_PTR>(lParam));
}
UINT keyFlags(LPARAM lParam) {
    return HIWORD(static_cast<DWORD_PTR>(lParam));
}

}  // namespace

void CWnd::onCommand(int id, UINT code, std::function<void()> handler) {
    commands_[{id, code}] = std::move(handler);
}

void CWnd::onCommandRange(int first, int last, UINT code, std::function<void(int)> handler) {
    ranges_.push_back(Range{first, last, code, std::move(handler)});
}

void CWnd::onNotify(int id, UINT code, std::function<void(NMHDR*, LRESULT*)> handler) {
    notifies_[{id, code}] = std::move(handler);
}

void CWnd::onMessage(UINT msg, std::function<LRESULT(WPARAM, LPARAM)> handler) {
    messages_[msg] = std::move(handler);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM /*lParam*/) {
    int id = LOWORD(wParam);
    UINT code = HIWORD(wParam);
    auto it = commands_.find({id, code});
    if (it != commands_.end()) {
        auto handler = it->second;  // a handler may replace itself
        handler();
        return TRUE;
    }
    for (const Range& r : ranges_) {
        if (id >= r.first && id <= r.last && code == r.code) {
            auto handler = r.handler;
            handler(id);
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CWnd::OnNotify(WPARAM /*wParam*/, LPARAM lParam, LRESULT* result) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header == nullptr) return FALSE;
    auto it = notifies_.find({static_cast<int>(header->idFrom), header->code});
    if (it == notifies_.end()) return FALSE;
    auto handler = it->second;
    handler(header, result);
    return TRUE;
}

BOOL CWnd::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto it = messages_.find(msg);
    if (it != messages_.end()) {
        auto handler = it->second;
        *result = handler(wParam, lParam);
        return TRUE;
    }
    if (msg == WM_COMMAND) return OnCommand(wParam, lParam);
    if (msg == WM_NOTIFY) return OnNotify(wParam, lParam, result);
    if (dispatchInput(msg, wParam, lParam, result)) return TRUE;
    return dispatchWindow(msg, wParam, lParam, result);
}

BOOL CWnd::dispatchInput(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    UINT flags = static_cast<UINT>(wParam);
    switch (msg) {
        case WM_LBUTTONDOWN:
            OnLButtonDown(flags, pointOf(lParam));
            break;
        case WM_LBUTTONUP:
            OnLButtonUp(flags, pointOf(lParam));
            break;
        case WM_LBUTTONDBLCLK:
            OnLButtonDblClk(flags, pointOf(lParam));
            break;
        case WM_RBUTTONDOWN:
            OnRButtonDown(flags, pointOf(lParam));
            break;
        case WM_RBUTTONUP:
            OnRButtonUp(flags, pointOf(lParam));
            break;
        case WM_MOUSEMOVE:
            OnMouseMove(flags, pointOf(lParam));
            break;
        case WM_SETCURSOR:
            *result = OnSetCursor(windowOf(wParam), LOWORD(static_cast<DWORD_PTR>(lParam)),
                                  HIWORD(static_cast<DWORD_PTR>(lParam)));
            break;
        case WM_KEYDOWN:
            OnKeyDown(flags, keyRepeat(lParam), keyFlags(lParam));
            break;
        case WM_KEYUP:
            OnKeyUp(flags, keyRepeat(lParam), keyFlags(lParam));
            break;
        case WM_CHAR:
            OnChar(flags, keyRepeat(lParam), keyFlags(lParam));
            break;
        case WM_CONTEXTMENU:
            OnContextMenu(windowOf(wParam), pointOf(lParam));
            break;
        default:
            return FALSE;
    }
    return TRUE;
}

BOOL CWnd::dispatchWindow(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (msg) {
        case WM_CREATE:
            *result = OnCreate(reinterpret_cast<CREATESTRUCT*>(lParam));
            break;
        case WM_DESTROY:
            OnDestroy();
            break;
        case WM_CLOSE:
            OnClose();
            break;
        case WM_SIZE:
            OnSize(static_cast<UINT>(wParam), LOWORD(static_cast<DWORD_PTR>(lParam)),
                   HIWORD(static_cast<DWORD_PTR>(lParam)));
            break;
        case WM_GETMINMAXINFO:
            OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
            break;
        case WM_PAINT:
            OnPaint();
            break;
        case WM_ERASEBKGND:
            *result = OnEraseBkgnd(dcOf(wParam));
            break;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORLISTBOX:
            *result = reinterpret_cast<LRESULT>(
                OnCtlColor(dcOf(wParam), windowOf(lParam), msg - WM_CTLCOLOREDIT + 1));
            break;
        case WM_TIMER:
            OnTimer(wParam);
            break;
        case WM_SHOWWINDOW:
            OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
            break;
        case WM_SETFOCUS:
            OnSetFocus(windowOf(wParam));
            break;
        case WM_KILLFOCUS:
            OnKillFocus(windowOf(wParam));
            break;
        case WM_VSCROLL:
            OnVScroll(LOWORD(wParam), HIWORD(wParam), windowOf(lParam));
            break;
        case WM_HSCROLL:
            OnHScroll(LOWORD(wParam), HIWORD(wParam), windowOf(lParam));
            break;
        default:
            return FALSE;
    }
    return TRUE;
}

int CWnd::OnCreate(CREATESTRUCT*) {
    return static_cast<int>(Default());
}
void CWnd::OnDestroy() {
    Default();
}
void CWnd::OnClose() {
    Default();
}
void CWnd::OnSize(UINT, int, int) {
    Default();
}
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) {
    Default();
}
void CWnd::OnPaint() {
    Default();
}
BOOL CWnd::OnEraseBkgnd(CDC*) {
    return static_cast<BOOL>(Default());
}
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) {
    return reinterpret_cast<HBRUSH>(Default());
}
void CWnd::OnTimer(UINT_PTR) {
    Default();
}
void CWnd::OnLButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnMouseMove(UINT, CPoint) {
    Default();
}
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) {
    return static_cast<BOOL>(Default());
}
void CWnd::OnKeyDown(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnChar(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnContextMenu(CWnd*, CPoint) {
    Default();
}
void CWnd::OnShowWindow(BOOL, UINT) {
    Default();
}
void CWnd::OnSetFocus(CWnd*) {
    Default();
}
void CWnd::OnKillFocus(CWnd*) {
    Default();
}
void CWnd::OnVScroll(UINT, UINT, CWnd*) {
    Default();
}
void CWnd::OnHScroll(UINT, UINT, CWnd*) {
    Default();
}

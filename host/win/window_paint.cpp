#include "window_paint.h"

#include <map>

#include "win_driver.h"
#include "window_api.h"
#include "window_class.h"
#include "window_geometry.h"
#include "window_tree.h"

namespace {

struct Painting {
    std::map<HWND, HDC> current;  // windows being painted now
    std::map<HWND, std::vector<GdiRecord>> records;
    std::map<HWND, HBRUSH> brushes;
};

Painting& painting() {
    static Painting p;
    return p;
}

UINT colourMessageOf(const WinWindow& w) {
    if (winSameClassName(w.className, WC_STATIC)) return WM_CTLCOLORSTATIC;
    if (winSameClassName(w.className, WC_EDIT)) {
        return (w.style & ES_READONLY) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    }
    if (winSameClassName(w.className, WC_BUTTON)) {
        DWORD kind = w.style & BS_TYPEMASK;
        bool plain = kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON;
        return plain ? WM_CTLCOLORBTN : WM_CTLCOLORSTATIC;
    }
    if (winSameClassName(w.className, WC_LISTBOX)) return WM_CTLCOLORLISTBOX;
    return 0;
}

void askColours(HWND h, HDC dc) {
    WinWindow* w = winWindowData(h);
    UINT msg = w && (w->style & WS_CHILD) ? colourMessageOf(*w) : 0;
    if (msg == 0) return;
    LRESULT brush =
        SendMessage(w->parent, msg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(h));
    painting().brushes[h] = reinterpret_cast<HBRUSH>(brush);
}

void paintOne(HWND h) {
    CDC dc;
    dc.CreateForWindow(h);
    painting().current[h] = dc.m_hDC;
    askColours(h, dc.m_hDC);
    if (IsWindow(h)) SendMessage(h, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
    if (IsWindow(h)) SendMessage(h, WM_PAINT, 0, 0);
    painting().current.erase(h);
    if (WinWindow* w = winWindowData(h)) {
        w->invalidations = 0;
        painting().records[h] = dc.records();
    }
}

}  // namespace

HDC BeginPaint(HWND h, PAINTSTRUCT* paint) {
    if (!IsWindow(h)) return nullptr;
    auto it = painting().current.find(h);
    HDC dc = it != painting().current.end() ? it->second : GetDC(h);
    if (paint) {
        paint->hdc = dc;
        paint->fErase = FALSE;
        GetClientRect(h, &paint->rcPaint);
    }
    return dc;
}

BOOL EndPaint(HWND h, const PAINTSTRUCT* paint) {
    if (paint == nullptr) return FALSE;
    auto it = painting().current.find(h);
    if (it == painting().current.end() || it->second != paint->hdc) ReleaseDC(h, paint->hdc);
    return TRUE;
}

HDC GetDC(HWND h) {
    CDC dc;
    dc.CreateForWindow(h);
    return dc.Detach();
}

int ReleaseDC(HWND /*h*/, HDC dc) {
    return DeleteDC(dc) ? 1 : 0;
}

void winPaint(HWND h) {
    if (!IsWindowVisible(h)) return;
    paintOne(h);
    WinWindow* w = winWindowData(h);
    if (w == nullptr) return;
    std::vector<HWND> children = w->children;
    for (HWND c : children) winPaint(c);
}

std::vector<GdiRecord> winPaintRecords(HWND h) {
    auto it = painting().records.find(h);
    return it == painting().records.end() ? std::vector<GdiRecord>{} : it->second;
}

HBRUSH winControlBrush(HWND control) {
    auto it = painting().brushes.find(control);
    return it == painting().brushes.end() ? nullptr : it->second;
}

void winPaintForgetWindow(HWND h) {
    painting().records.erase(h);
    painting().brushes.erase(h);
}

void winPaintReset() {
    Painting& p = painting();
    p.current.clear();
    p.records.clear();
    p.brushes.clear();
}

CPaintDC::CPaintDC(CWnd* window) : window_(window ? window->GetSafeHwnd() : nullptr) {
    Attach(BeginPaint(window_, &m_ps));
}

CPaintDC::~CPaintDC() {
    Detach();
    EndPaint(window_, &m_ps);
}

CClientDC::CClientDC(CWnd* window) : window_(window ? window->GetSafeHwnd() : nullptr) {
    Attach(GetDC(window_));
}

CClientDC::~CClientDC() {
    ReleaseDC(window_, Detach());
}

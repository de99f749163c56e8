// The EDIT class: text with a selection, read-only and length limit, typed characters, and
// the EN_ notifications (EN_CHANGE also on WM_SETTEXT, as the platform sends it).
#include "control_common.h"
#include "win_driver.h"
#include "window_api.h"
#include "window_class.h"

namespace {

void changed(HWND h) {
    winNotifyCommand(h, EN_UPDATE);
    winNotifyCommand(h, EN_CHANGE);
}

LRESULT getSel(const WinWindow& w, WPARAM wParam, LPARAM lParam) {
    if (wParam) *reinterpret_cast<DWORD*>(wParam) = w.state.selStart;
    if (lParam) *reinterpret_cast<DWORD*>(lParam) = w.state.selEnd;
    return MAKELONG(static_cast<WORD>(w.state.selStart), static_cast<WORD>(w.state.selEnd));
}

LRESULT typeChar(HWND h, WinWindow& w, char c) {
    if (w.style & ES_READONLY) return 0;
    if (c == '\r' && !(w.style & ES_MULTILINE)) return 0;
    if (!winTypeChar(w.text, w.state.selStart, w.state.selEnd, c, w.style, w.state.limitText)) {
        return 0;
    }
    w.state.modified = true;
    changed(h);
    return 0;
}

LRESULT replaceSel(HWND h, WinWindow& w, LPCSTR text) {
    std::string s = text ? text : "";
    w.text.replace(w.state.selStart, w.state.selEnd - w.state.selStart, s);
    w.state.selStart = w.state.selEnd = w.state.selStart + static_cast<DWORD>(s.size());
    changed(h);
    return 0;
}

LRESULT lineCount(const WinWindow& w) {
    if (!(w.style & ES_MULTILINE)) return 1;
    LRESULT n = 1;
    for (char c : w.text) n += (c == '\n') ? 1 : 0;
    return n;
}

LRESULT focusMessage(HWND h, UINT msg) {
    winNotifyCommand(h, msg == WM_SETFOCUS ? EN_SETFOCUS : EN_KILLFOCUS);
    return 0;
}

}  // namespace

LRESULT winEditProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    WinWindow* w = winWindowData(h);
    if (w == nullptr) return 0;
    switch (msg) {
        case WM_SETTEXT:
            DefWindowProc(h, msg, wParam, lParam);
            w->state.selStart = w->state.selEnd = 0;
            w->state.modified = false;
            changed(h);
            return TRUE;
        case WM_CHAR:
            return typeChar(h, *w, static_cast<char>(wParam));
        case EM_SETSEL:
            winSetSelection(w->text, w->state.selStart, w->state.selEnd, static_cast<LONG>(wParam),
                            static_cast<LONG>(lParam));
            return 0;
        case EM_GETSEL:
            return getSel(*w, wParam, lParam);
        case EM_REPLACESEL:
            return replaceSel(h, *w, reinterpret_cast<LPCSTR>(lParam));
        case EM_SCROLLCARET:
            ++w->state.caretScrolls;
            return TRUE;
        case EM_SETREADONLY:
            w->style = wParam ? (w->style | ES_READONLY) : (w->style & ~ES_READONLY);
            return TRUE;
        case EM_LIMITTEXT:
            w->state.limitText = static_cast<int>(wParam);
            return 0;
        case EM_GETLIMITTEXT:
            return w->state.limitText > 0 ? w->state.limitText : 30000;
        case EM_GETMODIFY:
            return w->state.modified ? TRUE : FALSE;
        case EM_SETMODIFY:
            w->state.modified = wParam != 0;
            return 0;
        case EM_GETLINECOUNT:
            return lineCount(*w);
        case WM_LBUTTONDOWN:
            SetFocus(h);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            return focusMessage(h, msg);
        default:
            return DefWindowProc(h, msg, wParam, lParam);
    }
}

// Attaching objects to windows, the object window procedure and pre-translation.
#include "cwnd.h"

#include <memory>

#include "message_pump.h"
#include "win_driver.h"
#include "window_api.h"
#include "window_tree.h"

namespace {

std::map<HWND, std::unique_ptr<CWnd>>& temporaries() {
    static std::map<HWND, std::unique_ptr<CWnd>> t;
    return t;
}

}  // namespace

CWnd::~CWnd() {
    // The handlers may refer to the parts of a derived object already destroyed; the
    // messages of the window's destruction must not reach them.
    commands_.clear();
    notifies_.clear();
    messages_.clear();
    ranges_.clear();
    WinWindow* w = winWindowData(m_hWnd);
    if (w != nullptr && w->object == this) {
        ::DestroyWindow(m_hWnd);
        if (WinWindow* still = winWindowData(m_hWnd); still && still->object == this) {
            detachFromWindow();
        }
    }
}

CWnd* CWnd::FromHandlePermanent(HWND h) {
    WinWindow* w = winWindowData(h);
    return w ? w->object : nullptr;
}

CWnd* CWnd::FromHandle(HWND h) {
    if (!IsWindow(h)) return nullptr;
    if (CWnd* attached = FromHandlePermanent(h)) return attached;
    auto& slot = temporaries()[h];
    if (!slot) {
        slot = std::make_unique<CWnd>();
        slot->m_hWnd = h;
    }
    return slot.get();
}

void winForgetTemporaryObject(HWND h) {
    auto it = temporaries().find(h);
    if (it == temporaries().end()) return;
    it->second->m_hWnd = nullptr;
    temporaries().erase(it);
}

void winForgetAllTemporaryObjects() {
    for (auto& [h, object] : temporaries()) object->m_hWnd = nullptr;
    temporaries().clear();
}

void CWnd::attachTo(HWND h, bool subclass) {
    WinWindow* w = winWindowData(h);
    m_hWnd = h;
    w->object = this;
    if (subclass) {
        superProc_ = w->proc;
        w->proc = &CWnd::objectProc;
    }
}

void CWnd::detachFromWindow() {
    if (WinWindow* w = winWindowData(m_hWnd); w && w->object == this) {
        w->object = nullptr;
        if (w->proc == &CWnd::objectProc && superProc_) w->proc = superProc_;
    }
    m_hWnd = nullptr;
    superProc_ = nullptr;
}

BOOL CWnd::Attach(HWND h) {
    WinWindow* w = winWindowData(h);
    if (w == nullptr || w->object != nullptr || m_hWnd != nullptr) return FALSE;
    attachTo(h, false);
    return TRUE;
}

HWND CWnd::Detach() {
    HWND h = m_hWnd;
    detachFromWindow();
    return h;
}

BOOL CWnd::SubclassWindow(HWND h) {
    WinWindow* w = winWindowData(h);
    if (w == nullptr || w->object != nullptr || m_hWnd != nullptr) return FALSE;
    winForgetTemporaryObject(h);
    attachTo(h, true);
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    if (parent == nullptr) return FALSE;
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() {
    return Detach();
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id, LPVOID param) {
    if (m_hWnd != nullptr) return FALSE;
    winSetCreationHook([this](HWND h) { attachTo(h, true); });
    HWND h = ::CreateWindowEx(exStyle, className, windowName, style, rect.left, rect.top,
                              rect.right - rect.left, rect.bottom - rect.top,
                              parent ? parent->m_hWnd : nullptr,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, param);
    winSetCreationHook(nullptr);
    if (h == nullptr) m_hWnd = nullptr;
    return h != nullptr ? TRUE : FALSE;
}

BOOL CWnd::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                  UINT id, void* context) {
    return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id, context);
}

BOOL CWnd::DestroyWindow() {
    return ::DestroyWindow(m_hWnd);
}

LRESULT CWnd::objectProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    WinWindow* w = winWindowData(h);
    CWnd* object = w ? w->object : nullptr;
    if (object == nullptr) return ::DefWindowProc(h, msg, wParam, lParam);
    MSG saved = object->current_;
    object->current_ = MSG{h, msg, wParam, lParam, 0, {}};
    LRESULT result = object->WindowProc(msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        if (WinWindow* still = winWindowData(h); still && still->object == object) {
            object->detachFromWindow();
            object->PostNcDestroy();
        }
        return result;
    }
    if (winWindowData(h) != nullptr && winWindowData(h)->object == object) object->current_ = saved;
    return result;
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(msg, wParam, lParam, &result)) result = DefWindowProc(msg, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (superProc_ != nullptr) return superProc_(m_hWnd, msg, wParam, lParam);
    return ::DefWindowProc(m_hWnd, msg, wParam, lParam);
}

LRESULT CWnd::Default() {
    return DefWindowProc(current_.message, current_.wParam, current_.lParam);
}

BOOL CWnd::PreTranslateMessage(MSG* /*msg*/) {
    return FALSE;
}

bool winPreTranslate(MSG& msg) {
    for (HWND h = msg.hwnd; h != nullptr; h = ::GetParent(h)) {
        if (CWnd* object = CWnd::FromHandlePermanent(h)) {
            if (object->PreTranslateMessage(&msg)) return true;
        }
        WinWindow* w = winWindowData(h);
        if (w == nullptr || !(w->style & WS_CHILD)) break;
    }
    return false;
}

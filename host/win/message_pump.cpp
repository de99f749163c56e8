#include "message_pump.h"

#include <deque>

#include "timers.h"
#include "win_driver.h"
#include "window_api.h"
#include "window_geometry.h"

namespace {

std::deque<MSG>& queue() {
    static std::deque<MSG> q;
    return q;
}

constexpr int kRunawayLimit = 10000;

bool matches(const MSG& m, HWND h, UINT lo, UINT hi) {
    if (h != nullptr && m.hwnd != h) return false;
    return (lo == 0 && hi == 0) || (m.message >= lo && m.message <= hi);
}

}  // namespace

void winPostToQueue(const MSG& msg) {
    queue().push_back(msg);
}

BOOL PostMessage(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (h != nullptr && !IsWindow(h)) return FALSE;
    MSG m;
    m.hwnd = h;
    m.message = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    m.time = GetTickCount();
    winPostToQueue(m);
    return TRUE;
}

void winProcessMessage(MSG& msg) {
    if (msg.hwnd != nullptr && !IsWindow(msg.hwnd)) return;
    if (winPreTranslate(msg)) return;
    DispatchMessage(&msg);
}

int winPumpMessages() {
    int count = 0;
    while (!queue().empty() && count < kRunawayLimit) {
        MSG m = queue().front();
        queue().pop_front();
        winProcessMessage(m);
        ++count;
    }
    return count;
}

int winQueuedMessageCount() {
    return static_cast<int>(queue().size());
}

void winPumpForgetWindow(HWND h) {
    std::erase_if(queue(), [h](const MSG& m) { return m.hwnd == h; });
}

void winPumpReset() {
    queue().clear();
}

BOOL PeekMessage(LPMSG msg, HWND h, UINT filterMin, UINT filterMax, UINT remove) {
    for (auto it = queue().begin(); it != queue().end(); ++it) {
        if (!matches(*it, h, filterMin, filterMax)) continue;
        if (msg) *msg = *it;
        if (remove & PM_REMOVE) queue().erase(it);
        return TRUE;
    }
    return FALSE;
}

BOOL TranslateMessage(const MSG* /*msg*/) {
    return FALSE;
}

LRESULT DispatchMessage(const MSG* msg) {
    if (msg == nullptr) return 0;
    if (msg->message == WM_TIMER && msg->lParam != 0) {
        auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
        proc(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
        return 0;
    }
    return SendMessage(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

void PostQuitMessage(int /*exitCode*/) {}

void winDeliverInput(HWND target, UINT msg, WPARAM wParam, LPARAM lParam) {
    MSG m;
    m.hwnd = target;
    m.message = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    m.time = GetTickCount();
    GetCursorPos(&m.pt);
    winProcessMessage(m);
}

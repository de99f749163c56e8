#include "timers.h"

#include <algorithm>
#include <vector>

#include "message_pump.h"
#include "win_driver.h"
#include "window_api.h"

namespace {

constexpr UINT kMinimumElapse = 10;  // the platform's shortest timer period

struct Timer {
    HWND window = nullptr;
    UINT_PTR id = 0;
    UINT elapse = 0;
    TIMERPROC proc = nullptr;
    DWORD due = 0;
    unsigned long long order = 0;
};

struct Clock {
    DWORD now = 10000;
    std::vector<Timer> timers;
    UINT_PTR nextOwnId = 0x7F00;
    unsigned long long nextOrder = 0;
};

Clock& virtualClock() {
    static Clock c;
    return c;
}

std::vector<Timer>::iterator findTimer(HWND h, UINT_PTR id) {
    auto& t = virtualClock().timers;
    return std::find_if(t.begin(), t.end(),
                        [&](const Timer& x) { return x.window == h && x.id == id; });
}

// The earliest timer due by `limit`; ties go to the one set first.
Timer* nextDue(DWORD limit) {
    Timer* best = nullptr;
    for (Timer& t : virtualClock().timers) {
        if (t.due > limit) continue;
        if (!best || t.due < best->due || (t.due == best->due && t.order < best->order)) best = &t;
    }
    return best;
}

void fire(const Timer& t) {
    MSG m;
    m.hwnd = t.window;
    m.message = WM_TIMER;
    m.wParam = t.id;
    m.lParam = reinterpret_cast<LPARAM>(t.proc);
    m.time = virtualClock().now;
    if (t.window == nullptr) {
        t.proc(nullptr, WM_TIMER, t.id, m.time);
    } else {
        winProcessMessage(m);
    }
}

}  // namespace

UINT_PTR SetTimer(HWND h, UINT_PTR id, UINT elapseMs, TIMERPROC proc) {
    if (h != nullptr && !IsWindow(h)) return 0;
    if (h == nullptr && proc == nullptr) return 0;
    Clock& c = virtualClock();
    if (h == nullptr) id = c.nextOwnId++;
    auto it = findTimer(h, id);
    if (it != c.timers.end()) c.timers.erase(it);
    UINT elapse = std::max(elapseMs, kMinimumElapse);
    c.timers.push_back(Timer{h, id, elapse, proc, c.now + elapse, c.nextOrder++});
    return id;
}

BOOL KillTimer(HWND h, UINT_PTR id) {
    auto it = findTimer(h, id);
    if (it == virtualClock().timers.end()) return FALSE;
    virtualClock().timers.erase(it);
    return TRUE;
}

DWORD GetTickCount() {
    return virtualClock().now;
}

void winAdvanceClock(DWORD ms) {
    Clock& c = virtualClock();
    DWORD target = c.now + ms;
    while (Timer* t = nextDue(target)) {
        c.now = t->due;
        t->due = c.now + t->elapse;
        Timer copy = *t;
        fire(copy);
        winPumpMessages();
    }
    c.now = target;
    winPumpMessages();
}

int winActiveTimerCount() {
    return static_cast<int>(virtualClock().timers.size());
}

void winTimersForgetWindow(HWND h) {
    std::erase_if(virtualClock().timers, [h](const Timer& t) { return t.window == h; });
}

void winTimersReset() {
    Clock& c = virtualClock();
    c.timers.clear();
    c.nextOwnId = 0x7F00;
}

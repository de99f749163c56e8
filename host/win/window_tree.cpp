#include "window_tree.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "win_driver.h"

namespace {

struct Tree {
    std::unordered_map<UINT_PTR, std::unique_ptr<WinWindow>> windows;
    std::vector<HWND> topLevel;
    UINT_PTR nextHandle = 0x20000;
};

Tree& tree() {
    static Tree t;
    return t;
}

constexpr int kCaptionHeight = 19;
constexpr int kDialogFrame = 3;
constexpr int kThickFrame = 4;
constexpr int kClientEdge = 2;

}  // namespace

WinWindow* winWindowData(HWND h) {
    if (h == nullptr) return nullptr;
    auto it = tree().windows.find(reinterpret_cast<UINT_PTR>(h));
    return it == tree().windows.end() ? nullptr : it->second.get();
}

WinWindow& winAddWindow(HWND parent, HWND owner) {
    Tree& t = tree();
    auto w = std::make_unique<WinWindow>();
    w->handle = reinterpret_cast<HWND>(t.nextHandle);
    t.nextHandle += 4;
    w->parent = parent;
    w->owner = owner;
    if (WinWindow* p = winWindowData(parent)) {
        p->children.push_back(w->handle);
    } else {
        t.topLevel.push_back(w->handle);
    }
    WinWindow& ref = *w;
    t.windows[reinterpret_cast<UINT_PTR>(w->handle)] = std::move(w);
    return ref;
}

void winRemoveWindow(HWND h) {
    Tree& t = tree();
    WinWindow* w = winWindowData(h);
    if (w == nullptr) return;
    auto drop = [h](std::vector<HWND>& v) { v.erase(std::remove(v.begin(), v.end(), h), v.end()); };
    if (WinWindow* p = winWindowData(w->parent)) drop(p->children);
    drop(t.topLevel);
    t.windows.erase(reinterpret_cast<UINT_PTR>(h));
}

std::vector<HWND> winTopLevelWindows() {
    return tree().topLevel;
}

std::vector<HWND> winAllWindows() {
    std::vector<HWND> all;
    for (auto& [id, w] : tree().windows) all.push_back(w->handle);
    // In creation order: handles are handed out ascending.
    std::sort(all.begin(), all.end());
    return all;
}

int winWindowCount() {
    return static_cast<int>(tree().windows.size());
}

WinFrame winFrameOf(DWORD style, DWORD exStyle) {
    WinFrame f;
    if (style & WS_THICKFRAME) {
        f.border = kThickFrame;
    } else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) {
        f.border = kDialogFrame;
    } else if (style & WS_BORDER) {
        f.border = 1;
    }
    if (exStyle & WS_EX_CLIENTEDGE) f.border += kClientEdge;
    if ((style & WS_CAPTION) == WS_CAPTION) f.caption = kCaptionHeight;
    return f;
}

POINT winClientOrigin(HWND h) {
    POINT origin;
    for (WinWindow* w = winWindowData(h); w != nullptr; w = winWindowData(w->parent)) {
        WinFrame f = winFrameOf(w->style, w->exStyle);
        origin.x += w->rect.left + f.border;
        origin.y += w->rect.top + f.border + f.caption;
        if (!(w->style & WS_CHILD)) break;
    }
    return origin;
}

void winTreeReset() {
    Tree& t = tree();
    t.windows.clear();
    t.topLevel.clear();
}

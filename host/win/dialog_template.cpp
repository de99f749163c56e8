#include "dialog_template.h"

#include <cstdio>
#include <map>

#include "dialog_items.h"
#include "gdi_objects.h"
#include "win_driver.h"
#include "window_api.h"
#include "window_geometry.h"
#include "window_tree.h"

namespace {

std::map<UINT, DialogTemplate>& templates() {
    static std::map<UINT, DialogTemplate> t;
    return t;
}

RECT pixels(int x, int y, int cx, int cy) {
    return RECT{winDluToPixelsX(x), winDluToPixelsY(y), winDluToPixelsX(x + cx),
                winDluToPixelsY(y + cy)};
}

// The window rectangle of the dialog: client size plus its frame, centred on the owner for a
// top-level dialog, at its place in the parent's client area for a page.
RECT placement(const DialogTemplate& t, HWND parent) {
    RECT client = pixels(t.x, t.y, t.cx, t.cy);
    WinFrame f = winFrameOf(t.style, t.exStyle);
    int width = client.right - client.left + 2 * f.border;
    int height = client.bottom - client.top + 2 * f.border + f.caption;
    if (t.style & WS_CHILD)
        return RECT{client.left, client.top, client.left + width, client.top + height};
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (parent) GetWindowRect(parent, &area);
    int x = area.left + (area.right - area.left - width) / 2;
    int y = area.top + (area.bottom - area.top - height) / 2;
    return RECT{x, y, x + width, y + height};
}

HFONT dialogFont() {
    LOGFONT lf;
    lf.lfHeight = -11;
    std::snprintf(lf.lfFaceName, sizeof lf.lfFaceName, "%s", "MS Shell Dlg");
    return CreateFontIndirect(&lf);
}

bool createControls(const DialogTemplate& t, HWND dialog, HFONT font) {
    for (const DialogControl& c : t.controls) {
        RECT r = pixels(c.x, c.y, c.cx, c.cy);
        DWORD style = c.style | WS_CHILD | (c.hidden ? 0 : WS_VISIBLE);
        HWND h =
            CreateWindowEx(c.exStyle, c.className.c_str(), c.text.c_str(), style, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, dialog,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), nullptr, nullptr);
        if (h == nullptr) return false;
        SendMessage(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return true;
}

}  // namespace

std::vector<UINT>& duplicateIds() {
    static std::vector<UINT> ids;
    return ids;
}

void registerDialogTemplate(DialogTemplate t) {
    if (templates().count(t.id) != 0) duplicateIds().push_back(t.id);
    templates().insert_or_assign(t.id, std::move(t));
}

const std::vector<UINT>& dialogTemplateDuplicates() {
    return duplicateIds();
}

const DialogTemplate* findDialogTemplate(UINT id) {
    auto it = templates().find(id);
    return it == templates().end() ? nullptr : &it->second;
}

HWND winCreateDialog(const DialogTemplate& t, HWND parent, const std::function<void(HWND)>& attach,
                     LPARAM initParam) {
    RECT r = placement(t, parent);
    winSetCreationHook(attach);
    HWND dialog =
        CreateWindowEx(t.exStyle, WC_DIALOG, t.title.c_str(), t.style & ~WS_VISIBLE, r.left, r.top,
                       r.right - r.left, r.bottom - r.top, parent,
                       reinterpret_cast<HMENU>(static_cast<UINT_PTR>(t.id)), nullptr, nullptr);
    winSetCreationHook(nullptr);
    if (dialog == nullptr) return nullptr;
    HFONT font = dialogFont();
    winWindowData(dialog)->ownedFont = font;
    SendMessage(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (!createControls(t, dialog, font)) {
        DestroyWindow(dialog);
        return nullptr;
    }
    HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
    if (SendMessage(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), initParam) &&
        IsWindow(first)) {
        SetFocus(first);
    }
    if (IsWindow(dialog) && (t.style & WS_VISIBLE)) ShowWindow(dialog, SW_SHOW);
    return IsWindow(dialog) ? dialog : nullptr;
}

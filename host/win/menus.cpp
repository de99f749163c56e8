#include "menus.h"

#include <deque>
#include <map>
#include <memory>
#include <optional>

#include "control_common.h"
#include "event_source.h"
#include "user_failures.h"
#include "win_driver.h"
#include "window_api.h"

namespace {

struct Choice {
    UINT id = 0;
    std::string text;
};

struct Menus {
    std::map<UINT_PTR, std::vector<WinMenuItem>> menus;
    UINT_PTR next = 0x50000;
    std::deque<Choice> choices;
    std::vector<PopupMenuRecord> records;
};

Menus& store() {
    static Menus m;
    return m;
}

std::vector<WinMenuItem>* itemsOf(HMENU menu) {
    auto it = store().menus.find(reinterpret_cast<UINT_PTR>(menu));
    return it == store().menus.end() ? nullptr : &it->second;
}

// The item addressed by position or command id (searching sub-menus for an id).
WinMenuItem* itemAt(HMENU menu, UINT item, UINT flags) {
    std::vector<WinMenuItem>* items = itemsOf(menu);
    if (items == nullptr) return nullptr;
    if (flags & MF_BYPOSITION) return item < items->size() ? &(*items)[item] : nullptr;
    for (WinMenuItem& i : *items) {
        if (!(i.flags & MF_POPUP) && i.id == item) return &i;
        if (i.flags & MF_POPUP) {
            if (WinMenuItem* found = itemAt(i.popup, item, flags)) return found;
        }
    }
    return nullptr;
}

WinMenuItem makeItem(UINT flags, UINT_PTR id, LPCSTR text) {
    WinMenuItem i;
    i.flags = flags & ~MF_BYPOSITION;
    i.text = (text && !(flags & MF_SEPARATOR)) ? text : "";
    if (flags & MF_POPUP)
        i.popup = reinterpret_cast<HMENU>(id);
    else
        i.id = id;
    return i;
}

const WinMenuItem* findChoice(HMENU menu, const Choice& c) {
    for (const WinMenuItem& i : *itemsOf(menu)) {
        if (i.flags & MF_POPUP) {
            if (const WinMenuItem* found = findChoice(i.popup, c)) return found;
        } else if (!(i.flags & MF_SEPARATOR) &&
                   (c.text.empty() ? i.id == c.id : i.text == c.text)) {
            return &i;
        }
    }
    return nullptr;
}

std::optional<Choice> nextChoice(const PopupMenuRecord& popup) {
    if (!store().choices.empty()) {
        Choice c = store().choices.front();
        store().choices.pop_front();
        return c;
    }
    WinQuestion question{UserAction::Kind::MenuChoice, nullptr, &popup};
    if (auto step = winTakeAnswer(question)) {
        return Choice{static_cast<UINT>(step->index < 0 ? 0 : step->index), step->text};
    }
    return std::nullopt;
}

UINT resolve(HMENU menu, const PopupMenuRecord& popup) {
    std::optional<Choice> c = nextChoice(popup);
    if (!c || (c->id == 0 && c->text.empty())) return 0;
    const WinMenuItem* item = findChoice(menu, *c);
    if (item == nullptr || (item->flags & (MF_GRAYED | MF_DISABLED))) {
        winReportUserFailure("menu choice \"" +
                             (c->text.empty() ? std::to_string(c->id) : c->text) +
                             "\" is no enabled item of the menu");
        return 0;
    }
    return static_cast<UINT>(item->id);
}

}  // namespace

HMENU CreatePopupMenu() {
    UINT_PTR h = store().next;
    store().next += 4;
    store().menus[h] = {};
    return reinterpret_cast<HMENU>(h);
}

HMENU CreateMenu() {
    return CreatePopupMenu();
}

BOOL DestroyMenu(HMENU menu) {
    std::vector<WinMenuItem>* items = itemsOf(menu);
    if (items == nullptr) return FALSE;
    std::vector<WinMenuItem> copy = *items;
    store().menus.erase(reinterpret_cast<UINT_PTR>(menu));
    for (const WinMenuItem& i : copy) {
        if (i.flags & MF_POPUP) DestroyMenu(i.popup);
    }
    return TRUE;
}

BOOL IsMenu(HMENU menu) {
    return itemsOf(menu) ? TRUE : FALSE;
}

BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR id, LPCSTR text) {
    std::vector<WinMenuItem>* items = itemsOf(menu);
    if (items == nullptr) return FALSE;
    items->push_back(makeItem(flags, id, text));
    return TRUE;
}

BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR id, LPCSTR text) {
    std::vector<WinMenuItem>* items = itemsOf(menu);
    if (items == nullptr) return FALSE;
    size_t at = items->size();
    if (flags & MF_BYPOSITION) {
        at = position < items->size() ? position : items->size();
    } else if (WinMenuItem* before = itemAt(menu, position, flags)) {
        at = static_cast<size_t>(before - items->data());
        if (at > items->size()) at = items->size();
    }
    items->insert(items->begin() + static_cast<long>(at), makeItem(flags, id, text));
    return TRUE;
}

BOOL ModifyMenu(HMENU menu, UINT position, UINT flags, UINT_PTR id, LPCSTR text) {
    WinMenuItem* item = itemAt(menu, position, flags);
    if (item == nullptr) return FALSE;
    *item = makeItem(flags, id, text);
    return TRUE;
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) {
    std::vector<WinMenuItem>* items = itemsOf(menu);
    WinMenuItem* item = itemAt(menu, position, flags);
    if (items == nullptr || item == nullptr) return FALSE;
    for (auto it = items->begin(); it != items->end(); ++it) {
        if (&*it == item) {
            items->erase(it);
            return TRUE;
        }
    }
    return FALSE;  // a command found in a sub-menu is removed from there by its own menu
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) {
    WinMenuItem* item = itemAt(menu, position, flags);
    HMENU popup = (item && (item->flags & MF_POPUP)) ? item->popup : nullptr;
    if (!RemoveMenu(menu, position, flags)) return FALSE;
    if (popup) DestroyMenu(popup);
    return TRUE;
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags) {
    WinMenuItem* i = itemAt(menu, item, flags);
    if (i == nullptr) return static_cast<DWORD>(-1);
    DWORD old = i->flags & MF_CHECKED;
    i->flags = (i->flags & ~MF_CHECKED) | (flags & MF_CHECKED);
    return old;
}

BOOL EnableMenuItem(HMENU menu, UINT item, UINT flags) {
    WinMenuItem* i = itemAt(menu, item, flags);
    if (i == nullptr) return -1;
    BOOL old = static_cast<BOOL>(i->flags & (MF_GRAYED | MF_DISABLED));
    i->flags = (i->flags & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
    return old;
}

int GetMenuItemCount(HMENU menu) {
    std::vector<WinMenuItem>* items = itemsOf(menu);
    return items ? static_cast<int>(items->size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
    WinMenuItem* i =
        position < 0 ? nullptr : itemAt(menu, static_cast<UINT>(position), MF_BYPOSITION);
    if (i == nullptr || (i->flags & MF_POPUP)) return static_cast<UINT>(-1);
    return static_cast<UINT>(i->id);
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    WinMenuItem* i = itemAt(menu, item, flags);
    return i ? i->flags : static_cast<UINT>(-1);
}

int GetMenuString(HMENU menu, UINT item, LPSTR buffer, int size, UINT flags) {
    WinMenuItem* i = itemAt(menu, item, flags);
    if (i == nullptr) return 0;
    if (buffer == nullptr || size <= 0) return static_cast<int>(i->text.size());
    return winCopyText(i->text, buffer, size);
}

HMENU GetSubMenu(HMENU menu, int position) {
    WinMenuItem* i =
        position < 0 ? nullptr : itemAt(menu, static_cast<UINT>(position), MF_BYPOSITION);
    return (i && (i->flags & MF_POPUP)) ? i->popup : nullptr;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int /*reserved*/, HWND owner,
                    const RECT*) {
    if (itemsOf(menu) == nullptr) return FALSE;
    SendMessage(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
    PopupMenuRecord r{*itemsOf(menu), POINT{x, y}, owner, 0};
    r.chosen = resolve(menu, r);
    store().records.push_back(r);
    if (flags & TPM_RETURNCMD) return static_cast<BOOL>(r.chosen);
    if (r.chosen != 0 && !(flags & TPM_NONOTIFY)) PostMessage(owner, WM_COMMAND, r.chosen, 0);
    return r.chosen != 0 ? TRUE : FALSE;
}

const std::vector<PopupMenuRecord>& winPopupMenus() {
    return store().records;
}
void winQueueMenuChoice(UINT commandId) {
    store().choices.push_back(Choice{commandId, {}});
}
void winQueueMenuChoice(const std::string& itemText) {
    store().choices.push_back(Choice{0, itemText});
}
const std::vector<WinMenuItem>* winMenuItems(HMENU menu) {
    return itemsOf(menu);
}

void winMenusReset() {
    Menus& m = store();
    m.menus.clear();
    m.choices.clear();
    m.records.clear();
}

// CMenu: a menu object owning its menu handle (destroyed with the object unless detached).
#pragma once

#include <string>

#include "cwnd.h"
#include "menus.h"

class CMenu {
  public:
    CMenu() = default;
    ~CMenu() { DestroyMenu(); }
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;
    operator HMENU() const { return m_hMenu; }
    HMENU GetSafeHmenu() const { return m_hMenu; }

    BOOL CreatePopupMenu() { return Attach(::CreatePopupMenu()); }
    BOOL CreateMenu() { return Attach(::CreateMenu()); }
    BOOL DestroyMenu() {
        if (m_hMenu == nullptr) return FALSE;
        return ::DestroyMenu(Detach());
    }
    BOOL Attach(HMENU menu) {
        if (m_hMenu != nullptr || menu == nullptr) return FALSE;
        m_hMenu = menu;
        return TRUE;
    }
    HMENU Detach() {
        HMENU h = m_hMenu;
        m_hMenu = nullptr;
        return h;
    }
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, LPCSTR text = nullptr) {
        return ::AppendMenu(m_hMenu, flags, id, text);
    }
    BOOL InsertMenu(UINT position, UINT flags, UINT_PTR id = 0, LPCSTR text = nullptr) {
        return ::InsertMenu(m_hMenu, position, flags, id, text);
    }
    BOOL ModifyMenu(UINT position, UINT flags, UINT_PTR id = 0, LPCSTR text = nullptr) {
        return ::ModifyMenu(m_hMenu, position, flags, id, text);
    }
    BOOL DeleteMenu(UINT position, UINT flags) { return ::DeleteMenu(m_hMenu, position, flags); }
    BOOL RemoveMenu(UINT position, UINT flags) { return ::RemoveMenu(m_hMenu, position, flags); }
    UINT CheckMenuItem(UINT item, UINT flags) { return ::CheckMenuItem(m_hMenu, item, flags); }
    UINT EnableMenuItem(UINT item, UINT flags) {
        return static_cast<UINT>(::EnableMenuItem(m_hMenu, item, flags));
    }
    int GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
    UINT GetMenuItemID(int position) const { return ::GetMenuItemID(m_hMenu, position); }
    UINT GetMenuState(UINT item, UINT flags) const { return ::GetMenuState(m_hMenu, item, flags); }
    int GetMenuString(UINT item, std::string& text, UINT flags) const {
        int n = ::GetMenuString(m_hMenu, item, nullptr, 0, flags);
        text.assign(static_cast<size_t>(n) + 1, '\0');
        ::GetMenuString(m_hMenu, item, text.data(), n + 1, flags);
        text.resize(static_cast<size_t>(n));
        return n;
    }
    HMENU GetSubMenuHandle(int position) const { return ::GetSubMenu(m_hMenu, position); }
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect = nullptr) {
        return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner ? owner->GetSafeHwnd() : nullptr,
                                rect);
    }
};

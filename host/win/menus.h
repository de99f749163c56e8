// Menus: items with command ids, texts, separators, checks, grey state and sub-menus.
// TrackPopupMenu shows nothing; it takes its choice from the queue (winQueueMenuChoice),
// else from the running script's next step when it is a menu choice, else the menu is
// dismissed. Every popup is recorded with its items, position and choice. A choice that is
// no enabled item of the menu is reported as a user-action failure and dismisses it.
#pragma once

#include <string>
#include <vector>

#include "win_constants.h"

struct WinMenuItem {
    UINT flags = 0;  // MF_SEPARATOR, MF_CHECKED, MF_GRAYED, MF_DISABLED, MF_POPUP
    UINT_PTR id = 0;
    std::string text;
    HMENU popup = nullptr;
};

HMENU CreatePopupMenu();
HMENU CreateMenu();
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);
BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR id, LPCSTR text);
BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR id, LPCSTR text);
BOOL ModifyMenu(HMENU menu, UINT position, UINT flags, UINT_PTR id, LPCSTR text);
BOOL DeleteMenu(HMENU menu, UINT position, UINT flags);
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags);
// The previous check state (MF_CHECKED or MF_UNCHECKED); -1 when there is no such item.
DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags);
// The previous state (MF_GRAYED, MF_DISABLED, MF_ENABLED); -1 when there is no such item.
BOOL EnableMenuItem(HMENU menu, UINT item, UINT flags);
int GetMenuItemCount(HMENU menu);
// The command id at `position`; -1 for a sub-menu or a bad position.
UINT GetMenuItemID(HMENU menu, int position);
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
int GetMenuString(HMENU menu, UINT item, LPSTR buffer, int size, UINT flags);
HMENU GetSubMenu(HMENU menu, int position);
// With TPM_RETURNCMD the chosen command id (0 when dismissed); otherwise WM_COMMAND with the
// id is posted to `owner` and the result is TRUE when something was chosen.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner,
                    const RECT* rect);

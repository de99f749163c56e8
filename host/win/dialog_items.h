// Dialog helpers of the C interface: items by id, check and radio buttons, the tab order,
// keyboard navigation (IsDialogMessage) and dialog units.
#pragma once

#include "win_constants.h"

constexpr UINT DM_GETDEFID = WM_USER + 0, DM_SETDEFID = WM_USER + 1;
constexpr LRESULT DC_HASDEFID = 0x534B;
constexpr UINT DLGC_WANTARROWS = 0x1, DLGC_WANTTAB = 0x2, DLGC_WANTALLKEYS = 0x4,
               DLGC_WANTCHARS = 0x80, DLGC_BUTTON = 0x2000;

BOOL CheckDlgButton(HWND dialog, int id, UINT check);
UINT IsDlgButtonChecked(HWND dialog, int id);
// Checks `check` and unchecks the other buttons with ids first..last.
BOOL CheckRadioButton(HWND dialog, int first, int last, int check);
BOOL SetDlgItemText(HWND dialog, int id, LPCSTR text);
UINT GetDlgItemText(HWND dialog, int id, LPSTR buffer, int size);
BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned);
// The item's text as a number; 0 and *ok FALSE when it is not one.
UINT GetDlgItemInt(HWND dialog, int id, BOOL* ok, BOOL isSigned);
LRESULT SendDlgItemMessage(HWND dialog, int id, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

// The next (or previous) visible, enabled WS_TABSTOP control after `control`, wrapping round;
// controls of child pages (DS_CONTROL or WS_EX_CONTROLPARENT) count as the dialog's own.
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);
// Handles the dialog keys: Tab and Shift+Tab move the focus, Enter presses the default
// button (or the focused push button), Escape sends IDCANCEL. TRUE when it took the message.
BOOL IsDialogMessage(HWND dialog, LPMSG msg);

// Dialog units to pixels: x * 6 / 4, y * 13 / 8 (the dialog font's base units).
BOOL MapDialogRect(HWND dialog, LPRECT rect);
LONG GetDialogBaseUnits();
int winDluToPixelsX(int dlu);
int winDluToPixelsY(int dlu);

// Ends a modal dialog with `result` (the loop returns it); hides a modeless one.
BOOL EndDialog(HWND dialog, INT_PTR result);

// What the built-in controls share: notifying the parent, copying text out, the item list
// of combo boxes, list boxes, tab controls and list views, and typing into a text field.
#pragma once

#include <string>
#include <vector>

#include "win_driver_only.h"
#include "window_tree.h"

// WM_COMMAND with (control id, code) to the control's parent; the parent's result.
LRESULT winNotifyCommand(HWND control, UINT code);
// WM_NOTIFY to the control's parent; `header` is filled with the sender and code first.
LRESULT winNotifyParent(HWND control, UINT code, NMHDR* header);
// Copies text into a caller's buffer of `size` bytes (NUL-terminated); the length copied.
int winCopyText(const std::string& text, LPSTR buffer, int size);

// Items: indices are checked; -1 for a bad index or when nothing is found.
int winItemsAdd(std::vector<WinItem>& items, const std::string& text, bool sorted);
int winItemsInsert(std::vector<WinItem>& items, int index, const std::string& text);
// Searches after `start` (-1: from the top), wrapping round; case is ignored, as the
// platform does; `exact` false matches a prefix.
int winItemsFind(const std::vector<WinItem>& items, int start, const std::string& text, bool exact);
bool winItemIndexValid(const std::vector<WinItem>& items, WPARAM index);

// Applies one typed character to a text with its selection: inserts over the selection,
// backspace (8) deletes the selection or the character before the caret. False when the
// character is refused (digits-only field, length limit reached).
bool winTypeChar(std::string& text, DWORD& selStart, DWORD& selEnd, char c, DWORD style, int limit);
void winSetSelection(const std::string& text, DWORD& selStart, DWORD& selEnd, LONG start, LONG end);

// The clipboard: data blocks by format, handed over as global memory blocks
// (global_memory.h), with the open/empty/set/get/close protocol of the window system.
//
// Set and get need the clipboard open (OpenClipboard); otherwise they fail with
// ERROR_CLIPBOARD_NOT_OPEN as the last error. A block given to SetClipboardData belongs to the
// clipboard from then on: it is freed when replaced or emptied, and the caller must not free
// it; a block from GetClipboardData stays the clipboard's too. CF_TEXT blocks hold text bytes
// ending in a zero byte.
//
// Tests: clipboardResetForTests() closes and empties it (winResetForTests should call it
// before global memory is reset).
#pragma once

#include <optional>
#include <string>

#include "win_types.h"

constexpr UINT CF_TEXT = 1;
constexpr UINT CF_BITMAP = 2;
constexpr UINT CF_OEMTEXT = 7;
constexpr UINT CF_UNICODETEXT = 13;

// FALSE when it is already open.
BOOL OpenClipboard(HWND owner);
// FALSE when it is not open.
BOOL CloseClipboard();
// Frees every block and makes the opener the owner; FALSE when not open.
BOOL EmptyClipboard();
// Returns `data` on success, nullptr when not open or `data` is null.
HANDLE SetClipboardData(UINT format, HANDLE data);
// nullptr when not open or there is no block of that format.
HANDLE GetClipboardData(UINT format);
BOOL IsClipboardFormatAvailable(UINT format);
HWND GetClipboardOwner();

// Convenience for the grid and tests: the whole protocol in one call. Setting fails (false)
// when the clipboard is open elsewhere or memory cannot be had; getting gives nullopt when
// there is no text.
bool clipboardSetText(HWND owner, const std::string& text);
std::optional<std::string> clipboardText();

#include "clipboard.h"

#include <cstring>
#include <map>

#include "global_memory.h"
#include "registry_errors.h"
#include "win_driver.h"

namespace {

struct Clipboard {
    bool open = false;
    HWND opener = nullptr;
    HWND owner = nullptr;
    std::map<UINT, HANDLE> blocks;
};

Clipboard& board() {
    static Clipboard clipboard;
    return clipboard;
}

bool requireOpen() {
    if (board().open) return true;
    SetLastError(static_cast<DWORD>(ERROR_CLIPBOARD_NOT_OPEN));
    return false;
}

void freeBlocks() {
    for (auto& [format, block] : board().blocks) GlobalFree(block);
    board().blocks.clear();
}

}  // namespace

BOOL OpenClipboard(HWND owner) {
    if (board().open) return FALSE;
    board().open = true;
    board().opener = owner;
    return TRUE;
}

BOOL CloseClipboard() {
    if (!requireOpen()) return FALSE;
    board().open = false;
    board().opener = nullptr;
    return TRUE;
}

BOOL EmptyClipboard() {
    if (!requireOpen()) return FALSE;
    freeBlocks();
    board().owner = board().opener;
    return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE data) {
    if (!requireOpen() || data == nullptr) return nullptr;
    HANDLE& slot = board().blocks[format];
    if (slot != nullptr && slot != data) GlobalFree(slot);
    slot = data;
    return data;
}

HANDLE GetClipboardData(UINT format) {
    if (!requireOpen()) return nullptr;
    auto it = board().blocks.find(format);
    return it == board().blocks.end() ? nullptr : it->second;
}

BOOL IsClipboardFormatAvailable(UINT format) {
    return board().blocks.count(format) != 0;
}

HWND GetClipboardOwner() {
    return board().owner;
}

bool clipboardSetText(HWND owner, const std::string& text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (block == nullptr) return false;
    void* bytes = GlobalLock(block);
    if (bytes == nullptr || !OpenClipboard(owner)) {
        if (bytes != nullptr) GlobalUnlock(block);
        GlobalFree(block);
        return false;
    }
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    EmptyClipboard();
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
    return true;
}

std::optional<std::string> clipboardText() {
    if (!OpenClipboard(nullptr)) return std::nullopt;
    std::optional<std::string> text;
    HANDLE block = GetClipboardData(CF_TEXT);
    const char* bytes = block == nullptr ? nullptr : static_cast<const char*>(GlobalLock(block));
    if (bytes != nullptr) {
        const std::size_t size = GlobalSize(block);
        text = std::string(bytes, strnlen(bytes, size));
        GlobalUnlock(block);
    }
    CloseClipboard();
    return text;
}

void clipboardResetForTests() {
    freeBlocks();
    board() = Clipboard{};
}

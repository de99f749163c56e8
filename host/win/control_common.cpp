#include "control_common.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "win_driver.h"
#include "window_api.h"

namespace {

std::string folded(const std::string& s) {
    std::string out = s;
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

WinItem itemWithText(const std::string& text) {
    WinItem item;
    item.text = text;
    return item;
}

}  // namespace

LRESULT winNotifyCommand(HWND control, UINT code) {
    WinWindow* w = winWindowData(control);
    if (w == nullptr) return 0;
    HWND parent = GetParent(control);
    WPARAM wp = MAKEWPARAM(static_cast<WORD>(w->id), static_cast<WORD>(code));
    return SendMessage(parent, WM_COMMAND, wp, reinterpret_cast<LPARAM>(control));
}

LRESULT winNotifyParent(HWND control, UINT code, NMHDR* header) {
    WinWindow* w = winWindowData(control);
    if (w == nullptr || header == nullptr) return 0;
    header->hwndFrom = control;
    header->idFrom = static_cast<UINT_PTR>(w->id);
    header->code = code;
    return SendMessage(GetParent(control), WM_NOTIFY, static_cast<WPARAM>(w->id),
                       reinterpret_cast<LPARAM>(header));
}

int winCopyText(const std::string& text, LPSTR buffer, int size) {
    if (buffer == nullptr || size <= 0) return 0;
    int n = std::min(static_cast<int>(text.size()), size - 1);
    std::memcpy(buffer, text.data(), static_cast<size_t>(n));
    buffer[n] = '\0';
    return n;
}

int winItemsAdd(std::vector<WinItem>& items, const std::string& text, bool sorted) {
    if (!sorted) {
        items.push_back(itemWithText(text));
        return static_cast<int>(items.size()) - 1;
    }
    std::string key = folded(text);
    auto it = std::find_if(items.begin(), items.end(),
                           [&](const WinItem& i) { return folded(i.text) > key; });
    int index = static_cast<int>(it - items.begin());
    items.insert(it, itemWithText(text));
    return index;
}

int winItemsInsert(std::vector<WinItem>& items, int index, const std::string& text) {
    int n = static_cast<int>(items.size());
    if (index < 0) index = n;
    if (index > n) return -1;
    items.insert(items.begin() + index, itemWithText(text));
    return index;
}

int winItemsFind(const std::vector<WinItem>& items, int start, const std::string& text,
                 bool exact) {
    int n = static_cast<int>(items.size());
    if (n == 0) return -1;
    std::string key = folded(text);
    int first = (start < 0 || start >= n) ? 0 : start + 1;
    for (int k = 0; k < n; ++k) {
        int i = (first + k) % n;
        std::string t = folded(items[static_cast<size_t>(i)].text);
        if (exact ? t == key : t.compare(0, key.size(), key) == 0) return i;
    }
    return -1;
}

bool winItemIndexValid(const std::vector<WinItem>& items, WPARAM index) {
    return index < items.size();
}

void winSetSelection(const std::string& text, DWORD& selStart, DWORD& selEnd, LONG start,
                     LONG end) {
    DWORD len = static_cast<DWORD>(text.size());
    if (start < 0) {
        selStart = selEnd = len;
        return;
    }
    DWORD s = std::min(static_cast<DWORD>(start), len);
    DWORD e = end < 0 ? len : std::min(static_cast<DWORD>(end), len);
    selStart = std::min(s, e);
    selEnd = std::max(s, e);
}

bool winTypeChar(std::string& text, DWORD& selStart, DWORD& selEnd, char c, DWORD style,
                 int limit) {
    selStart = std::min<DWORD>(selStart, static_cast<DWORD>(text.size()));
    selEnd = std::min<DWORD>(std::max(selEnd, selStart), static_cast<DWORD>(text.size()));
    if (c == '\b') {
        if (selStart == selEnd && selStart == 0) return false;
        if (selStart == selEnd) --selStart;
        text.erase(selStart, selEnd - selStart);
        selEnd = selStart;
        return true;
    }
    if ((style & ES_NUMBER) && !std::isdigit(static_cast<unsigned char>(c))) return false;
    if (style & ES_UPPERCASE) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (style & ES_LOWERCASE) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    size_t after = text.size() - (selEnd - selStart) + 1;
    if (limit > 0 && after > static_cast<size_t>(limit)) return false;
    text.replace(selStart, selEnd - selStart, 1, c);
    selEnd = ++selStart;
    return true;
}
